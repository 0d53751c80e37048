#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "print/Booklet.h"
#include "support/Process.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace {

using Novem::TestSupport::ReadFile;

const std::string kSample(Novem::TestSupport::kSamplePuzzle);

using NovemPrint = Novem::TestSupport::InTempDirectory;

Novem::TestSupport::Finished RunPrint(const std::vector<std::string>& options,
                                      const std::string& input = "") {
    std::vector<std::string> arguments{NOVEM_PRINT};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return Novem::TestSupport::RunProgram(arguments, input);
}

std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, read);
        }
        pclose(pipe);
    }
    return output;
}

int Pages(const std::string& pdf) {
    const std::string info = Shell("pdfinfo " + pdf);
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

// The digits pdftotext reads in a grid's square of an A4 page, row by row.
std::string DigitsIn(const std::string& pdf, int page, const QRectF& square) {
    // Millimetres to points, as the pages are laid out inside margins of 15 mm.
    constexpr double kPoints = 72 / 25.4;
    constexpr double kMargin = 15 * kPoints;
    const std::string where = " -x " + std::to_string(std::lround(kMargin + square.left() + 2)) +
                              " -y " + std::to_string(std::lround(kMargin + square.top() + 2)) +
                              " -W " + std::to_string(std::lround(square.width() - 4)) + " -H " +
                              std::to_string(std::lround(square.height() - 4));
    const std::string page_ = std::to_string(page);
    std::string digits;
    for (const char character :
         Shell("pdftotext -layout -f " + page_ + " -l " + page_ + where + " " + pdf + " -")) {
        if (character >= '1' && character <= '9') {
            digits += character;
        }
    }
    return digits;
}

std::string Givens(const std::string& puzzle) {
    std::string digits;
    for (const char cell : puzzle) {
        if (cell >= '1' && cell <= '9') {
            digits += cell;
        }
    }
    return digits;
}

std::vector<std::string> GuardPuzzles(std::size_t count) {
    std::vector<std::string> puzzles;
    std::ifstream lines(NOVEM_TEST_DATA "/guard-puzzles.txt");
    for (std::string line; puzzles.size() < count && std::getline(lines, line);) {
        if (line.size() >= 81 && line[0] != '#') {
            puzzles.push_back(line.substr(0, 81));
        }
    }
    return puzzles;
}

// Each page holds as many grids as asked, in reading order, each with exactly its puzzle's
// givens as a text reader finds them; the solutions follow six a page, and every font is in the
// file.
TEST_F(NovemPrint, LaysOutThePuzzlesAPageAtATime) {
    const std::vector<std::string> puzzles = GuardPuzzles(12);
    std::string input;
    for (const std::string& puzzle : puzzles) {
        input += puzzle + "\n";
    }
    const QRectF a4(0, 0, 595.276 - 2 * 15 * 72 / 25.4, 841.89 - 2 * 15 * 72 / 25.4);
    for (const int perPage : {1, 2, 4, 6}) {
        const std::string pdf = "per-page-" + std::to_string(perPage) + ".pdf";
        const auto finished = RunPrint(
            {"--paper=a4", "--no-rating", "--per-page=" + std::to_string(perPage), "-o", pdf},
            input);
        ASSERT_EQ(finished.status, 0) << finished.err;
        EXPECT_EQ(Pages(pdf), 12 / perPage);
        const std::vector<Booklet::Slot> places = Booklet::Slots(a4, perPage, false);
        for (std::size_t place = 0; place < places.size(); ++place) {
            EXPECT_EQ(DigitsIn(pdf, 2, places[place].grid), Givens(puzzles[perPage + place]))
                << perPage << " a page, grid " << place;
        }
    }
    ASSERT_EQ(
        RunPrint({"--paper=a4", "--per-page=4", "--solutions", "-o", "book.pdf"}, input).status, 0);
    EXPECT_EQ(Pages("book.pdf"), 3 + 2);
    const std::string fonts = Shell("pdffonts book.pdf | tail -n +3");
    EXPECT_FALSE(fonts.empty());
    for (std::size_t line = 0; line < fonts.size(); line = fonts.find('\n', line) + 1) {
        const std::string row = fonts.substr(line, fonts.find('\n', line) - line);
        EXPECT_NE(row.find(" yes "), std::string::npos) << row;
    }
    const std::string text = Shell("pdftotext -f 1 -l 1 book.pdf -");
    EXPECT_NE(text.find("Puzzle 1 · level "), std::string::npos) << text;
    EXPECT_NE(Shell("pdftotext -f 4 -l 4 book.pdf -").find("Solution 1"), std::string::npos);
}

// Usage errors write nothing; a bad line is told and skipped; an output that is an input is
// refused and one that can't be written is told; a run that makes no PDF leaves the file that
// was there, and no file of its own.
TEST_F(NovemPrint, WritesThePdfWholeOrNotAtAll) {
    WriteFile("in.txt", kSample + "\n");
    WriteFile("old.pdf", "old");
    struct Case {
        std::vector<std::string> options;
        std::string input;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"--per-page=5", "-o", "new.pdf"},
         kSample,
         2,
         "novem-print: invalid number a page '5' (1, 2, 4 or 6)\n"
         "Try 'novem-print --help' for more information.\n"},
        {{"--paper=a3", "-o", "new.pdf"},
         kSample,
         2,
         "novem-print: invalid paper 'a3' (a4 or letter)\n"
         "Try 'novem-print --help' for more information.\n"},
        {{"-o", "in.txt", "in.txt"},
         "",
         2,
         "novem-print: in.txt: refusing to write the PDF to an input\n"},
        {{"-o", "missing/new.pdf"},
         kSample,
         1,
         "novem-print: missing/new.pdf: cannot write: No such file or directory\n"},
        {{"-o", "/dev/full"}, kSample, 1, "novem-print: /dev/full: No space left on device\n"},
        {{"-o", "old.pdf", "missing.txt"},
         "",
         1,
         "novem-print: missing.txt: cannot open: No such file or directory\n"
         "novem-print: no puzzle to print\n"},
    };
    for (const Case& test : cases) {
        const auto finished = RunPrint(test.options, test.input);
        EXPECT_EQ(finished.status, test.status) << test.options[0];
        EXPECT_EQ(finished.err, test.err);
        EXPECT_EQ(finished.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists("new.pdf"));
    EXPECT_EQ(ReadFile("in.txt"), kSample + "\n");
    EXPECT_EQ(ReadFile("old.pdf"), "old");

    const auto told = RunPrint({"-o", "old.pdf", "--no-rating"}, "123\n" + kSample + "\n");
    EXPECT_EQ(told.status, 1);
    EXPECT_EQ(told.err, "novem-print: -:1: expected 81 cells, found 3\n");
    EXPECT_EQ(Pages("old.pdf"), 1);
    struct stat status {};
    ASSERT_EQ(stat("old.pdf", &status), 0);
    EXPECT_EQ(
        status.st_mode & 0777, 0666 & ~[] {
            const mode_t mask = umask(0);
            umask(mask);
            return mask;
        }());
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(".")) {
        ++files;
    }
    // The inputs and outputs of the runs, and old.pdf, in.txt: no temporary file is left.
    EXPECT_EQ(files, 5U);
    const auto piped = RunPrint({"--help"});
    EXPECT_TRUE(piped.out.starts_with("Usage: novem-print [OPTION]... [FILE]...\n"));
}

}  // namespace
