#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "BatchSolver.h"
#include "PuzzleLine.h"
#include "run/TextFile.h"

namespace Novem::TestSupport {

// FNV-1a, 64 bits: enough to tell two run logs apart.
inline std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001B3ULL;
    }
    return hash;
}

// What the engine must keep giving for one puzzle line: its JSON object and a hash of its run
// log, written through `logPath`. Empty for a line that is no puzzle.
inline std::string GuardLine(int number, std::string_view line,
                             const std::filesystem::path& logPath) {
    const Batch::PuzzleLine parsed = Batch::ParsePuzzleLine(line);
    if (parsed.kind != Batch::PuzzleLine::Kind::Puzzle) {
        return {};
    }
    TextFile log;
    log.Open(logPath.c_str());
    Batch::BatchSolver solver(&log);
    std::string json = Batch::FormatJson(number, parsed.cells, solver.Solve(parsed.cells));
    log.Close();
    std::ifstream in(logPath, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    char hash[24];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a(bytes)));
    json.back() = ' ';
    return json + hash;
}

}  // namespace Novem::TestSupport
