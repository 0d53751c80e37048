#pragma once

#include <QPageSize>
#include <optional>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"

// novem-print: a PDF of the puzzles of files, read as novem-batch reads them.
namespace PrintRun {

struct Options {
    // Empty: standard output.
    std::string output;
    // 1, 2, 4 or 6.
    int perPage = 1;
    bool solutions = false;
    std::string title;
    // The locale's when none.
    std::optional<QPageSize::PageSizeId> paper;
    // The level and the rating in each puzzle's heading.
    bool rating = true;
    // Empty: standard input; "-" stands for it too.
    std::vector<std::string> files;
};

// Reads every input, telling each line that is no puzzle, and writes the PDF: to a file through
// a temporary one renamed at the end, so that a failed or interrupted run leaves nothing behind
// (a device or a pipe is written directly). The exit status: 0, 1 when a line or a file could not
// be read (the rest is printed) or the PDF could not be written, 2 for an output that would
// overwrite an input or that is a terminal. Needs a QGuiApplication.
int Run(const Options& options, const Novem::Batch::Streams& streams);

}  // namespace PrintRun
