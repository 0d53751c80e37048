#include "InputNames.h"

#include "Messages.h"
#include "Report.h"

namespace Novem::Batch {

InputNames::InputNames(std::vector<std::string> files) : m_files(std::move(files)) {
    for (const std::string& file : m_files) {
        m_json.push_back(Report::JsonString(file));
    }
}

std::string InputNames::Message(std::size_t input, std::uint64_t line,
                                const Problem& problem) const {
    return Messages::Line({.file = m_files[input], .line = line}, problem.what, problem.error);
}

}  // namespace Novem::Batch
