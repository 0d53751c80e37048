#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace Novem::TestSupport {

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A temporary file, removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& contents = "") {
        std::string pattern = (std::filesystem::temp_directory_path() / "novem-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        m_path = pattern;
        close(fd);
        std::ofstream(m_path, std::ios::binary) << contents;
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { std::filesystem::remove(m_path); }

    const std::filesystem::path& Path() const { return m_path; }
    std::string Read() const { return ReadAll(m_path); }

private:
    std::filesystem::path m_path;
};

struct Finished {
    // The exit status, or 128 plus the signal that ended the process.
    int status;
    std::string out;
    std::string err;
};

// Runs a program with `input` as its standard input. Standard output and error go to `out` and
// `err` when they are given, and are captured otherwise.
inline Finished RunProgram(const std::vector<std::string>& arguments, const std::string& input = "",
                           int out = -1, int err = -1) {
    const TempFile in(input);
    const TempFile capturedOut;
    const TempFile capturedErr;
    const pid_t child = fork();
    if (child == 0) {
        const auto redirect = [](int fd, const std::filesystem::path& path, int flags, int target) {
            const int opened = fd >= 0 ? fd : open(path.c_str(), flags);
            dup2(opened, target);
        };
        redirect(-1, in.Path(), O_RDONLY, 0);
        redirect(out, capturedOut.Path(), O_WRONLY | O_TRUNC, 1);
        redirect(err, capturedErr.Path(), O_WRONLY | O_TRUNC, 2);
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
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), capturedOut.Read(),
            capturedErr.Read()};
}

}  // namespace Novem::TestSupport
