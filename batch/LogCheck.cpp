#include "LogCheck.h"

#include <sys/stat.h>

#include <filesystem>

namespace Novem::Batch {

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsNullDevice(const struct stat& file) {
    struct stat null {};
    return S_ISCHR(file.st_mode) && stat("/dev/null", &null) == 0 && file.st_rdev == null.st_rdev;
}

}  // namespace

std::string CheckLog(const BatchOptions& options, const Streams& streams) {
    const std::string& log = options.logFile;
    if (log.empty()) {
        return {};
    }
    const std::string refusal = "refusing to write the log to '" + log + "', which is ";
    if (log == "-") {
        return refusal + "standard output";
    }
    struct stat logStatus {};
    const bool exists = stat(log.c_str(), &logStatus) == 0;
    if (exists && IsNullDevice(logStatus)) {
        return {};
    }
    struct stat status {};
    if (exists && fstat(streams.out, &status) == 0 && SameFile(logStatus, status)) {
        return refusal + "standard output";
    }
    // A log that is not there yet can't be an input unless both name the same place.
    const auto place = [](const std::string& path) {
        std::error_code ignored;
        return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
    };
    const auto logPlace = place(log);
    for (const std::string& input : options.Inputs()) {
        if (input == "-") {
            if (exists && fstat(streams.in, &status) == 0 && SameFile(logStatus, status)) {
                return refusal + "standard input";
            }
        } else if (exists ? stat(input.c_str(), &status) == 0 && SameFile(logStatus, status)
                          : place(input) == logPlace) {
            return refusal + "also an input";
        }
    }
    return {};
}

}  // namespace Novem::Batch
