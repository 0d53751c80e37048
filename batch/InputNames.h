#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Chunk.h"

namespace Novem::Batch {

// The inputs' names in the forms the output writes them: quoted as GNU tools quote file names
// in the messages about them, and as strings in JSON. "-" stands for standard input.
class InputNames {
public:
    explicit InputNames(std::vector<std::string> files);

    const std::vector<std::string>& Files() const { return m_files; }
    const std::string& Json(std::size_t input) const { return m_json[input]; }

    // The message line that tells a problem of an input, at a line of it or as a whole.
    std::string Message(std::size_t input, std::uint64_t line, const Problem& problem) const;

private:
    std::vector<std::string> m_files;
    std::vector<std::string> m_json;
};

}  // namespace Novem::Batch
