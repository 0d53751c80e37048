#include "OutputCheck.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "Messages.h"

namespace Novem::Batch::OutputCheck {

namespace {

std::optional<struct stat> StatusOf(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? std::optional(status) : std::nullopt;
}

std::optional<struct stat> StatusOf(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 ? std::optional(status) : std::nullopt;
}

bool SameFile(const std::optional<struct stat>& a, const std::optional<struct stat>& b) {
    return a && b && a->st_dev == b->st_dev && a->st_ino == b->st_ino;
}

bool IsNullDevice(const struct stat& file) {
    const auto null = StatusOf(std::string("/dev/null"));
    return S_ISCHR(file.st_mode) && null && file.st_rdev == null->st_rdev;
}

// The input that is the file `output`, if any: "-" for standard input.
std::optional<std::string> InputThatIs(const struct stat& output,
                                       const std::vector<std::string>& inputs,
                                       const Streams& streams) {
    for (const std::string& input : inputs) {
        if (SameFile(output, input == "-" ? StatusOf(streams.in) : StatusOf(input))) {
            return input;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string File(const std::string& path, std::string_view what,
                 const std::vector<std::string>& inputs, const Streams& streams) {
    const auto refuse = [&](std::string_view where) {
        return Messages::Line(
            {.file = path}, "refusing to write " + std::string(what) + " to " + std::string(where));
    };
    if (path == "-") {
        return refuse("standard output");
    }
    const auto status = StatusOf(path);
    if (status && IsNullDevice(*status)) {
        return {};
    }
    if (SameFile(status, StatusOf(streams.out))) {
        return refuse("standard output");
    }
    if (status) {
        const auto input = InputThatIs(*status, inputs, streams);
        return !input ? std::string() : refuse(*input == "-" ? "standard input" : "an input");
    }
    // A log that is not there yet can't be an input unless both name the same place.
    const auto place = [](const std::string& path) {
        std::error_code ignored;
        return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
    };
    for (const std::string& input : inputs) {
        if (input != "-" && place(input) == place(path)) {
            return refuse("an input");
        }
    }
    return {};
}

std::string Log(const BatchOptions& options, const Streams& streams) {
    return options.logFile.empty() ? std::string()
                                   : File(options.logFile, "the log", options.Inputs(), streams);
}

std::string StandardOutput(const std::vector<std::string>& inputs, const Streams& streams) {
    const auto out = StatusOf(streams.out);
    if (!out || !S_ISREG(out->st_mode)) {
        return {};
    }
    const auto input = InputThatIs(*out, inputs, streams);
    return !input ? std::string() : Messages::Line({.file = *input}, "input file is output file");
}

}  // namespace Novem::Batch::OutputCheck
