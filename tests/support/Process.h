#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "TempDirectory.h"

namespace Novem::TestSupport {

struct Finished {
    // The exit status, or 128 plus the signal that ended the process.
    int status;
    std::string out;
    std::string err;
    // The most memory it held at once.
    long peakKilobytes;
    // The processor time it took, user and system.
    double cpuSeconds;
};

// Stands for a standard descriptor the program starts with closed.
inline constexpr int kClosed = -2;

// Runs a program in the current folder with `input` as its standard input, through a file there,
// unless `in` is given. Standard output and error go to `out` and `err` when they are given, and
// are captured otherwise.
inline Finished RunProgram(const std::vector<std::string>& arguments, const std::string& input = "",
                           int out = -1, int err = -1, int in = -1) {
    std::ofstream("stdin.txt", std::ios::binary) << input;
    const pid_t child = fork();
    if (child == 0) {
        // A group of its own: a program that signals its whole group, as GNU parallel does when
        // it ends its jobs, then never reaches the test.
        setpgid(0, 0);
        const auto place = [](int given, int fd, int captured) {
            if (given == kClosed) {
                close(fd);
            } else {
                dup2(given >= 0 ? given : captured, fd);
            }
        };
        // All opened first: a descriptor closed before would be taken by the next file opened.
        const int captured[] = {open("stdin.txt", O_RDONLY),
                                open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644),
                                open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644)};
        place(in, 0, captured[0]);
        place(out, 1, captured[1]);
        place(err, 2, captured[2]);
        for (int fd = 3; fd < 64; ++fd) {
            close(fd);
        }
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
            out != -1 ? std::string() : ReadFile("stdout.txt"),
            err != -1 ? std::string() : ReadFile("stderr.txt"), usage.ru_maxrss,
            static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6};
}

}  // namespace Novem::TestSupport
