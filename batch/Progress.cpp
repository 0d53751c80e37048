#include "Progress.h"

#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "Io.h"

namespace Novem::Batch {

namespace {

constexpr auto kFirstAfter = std::chrono::seconds(1);
constexpr auto kEvery = std::chrono::milliseconds(250);
// Back to the start of the line and erase it.
constexpr const char* kErase = "\r\033[K";

// A progress line that can't be written is no reason to stop the run.
void Write(int fd, std::string_view text) {
    WriteAll(fd, text);
}

}  // namespace

bool ShowsProgress(BatchOptions::Progress setting, const Streams& streams, bool readsInput) {
    switch (setting) {
        case BatchOptions::Progress::Always:
            return true;
        case BatchOptions::Progress::Never:
            return false;
        case BatchOptions::Progress::Auto:
            break;
    }
    return isatty(streams.err) == 1 && isatty(streams.out) == 0 &&
           !(readsInput && isatty(streams.in) == 1);
}

Progress::Progress(int fd, bool enabled, std::uint64_t inputBytes, Clock::time_point start)
    : m_fd(fd),
      m_enabled(enabled),
      m_inputBytes(inputBytes),
      m_start(start),
      m_next(start + kFirstAfter) {}

void Progress::Update(std::uint64_t puzzles, std::uint64_t solved, std::uint64_t bytesRead,
                      Clock::time_point now) {
    if (!m_enabled || now < m_next) {
        return;
    }
    m_next = now + kEvery;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    char line[160];
    int length = std::snprintf(line, sizeof line, "%s%llu puzzles, %llu solved, %.0f puzzles/s",
                               kErase, static_cast<unsigned long long>(puzzles),
                               static_cast<unsigned long long>(solved),
                               static_cast<double>(puzzles) / seconds);
    if (m_inputBytes != 0 && bytesRead != 0) {
        const double done = static_cast<double>(bytesRead) / static_cast<double>(m_inputBytes);
        const auto left = static_cast<long long>(seconds / done - seconds + 0.5);
        std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length),
                      ", %.0f %%, %lld:%02lld left", 100.0 * done, left / 60, left % 60);
    }
    Write(m_fd, line);
    m_shown = true;
}

void Progress::Clear() {
    if (m_shown) {
        Write(m_fd, kErase);
        m_shown = false;
    }
}

}  // namespace Novem::Batch
