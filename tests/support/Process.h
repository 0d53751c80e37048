#pragma once

#include <fcntl.h>
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
};

// Runs a program in the current folder with `input` as its standard input, through a file there,
// unless `in` is given. Standard output and error go to `out` and `err` when they are given, and
// are captured otherwise.
inline Finished RunProgram(const std::vector<std::string>& arguments, const std::string& input = "",
                           int out = -1, int err = -1, int in = -1) {
    std::ofstream("stdin.txt", std::ios::binary) << input;
    const pid_t child = fork();
    if (child == 0) {
        dup2(in >= 0 ? in : open("stdin.txt", O_RDONLY), 0);
        dup2(out >= 0 ? out : open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(err >= 0 ? err : open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
            out >= 0 ? std::string() : ReadFile("stdout.txt"),
            err >= 0 ? std::string() : ReadFile("stderr.txt")};
}

}  // namespace Novem::TestSupport
