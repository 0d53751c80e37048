#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Novem::TestSupport {

// The statistics text of the given counters: card lines only for the cards listed.
inline std::string Statistics(unsigned updates, const std::vector<std::pair<int, unsigned>>& cards,
                              unsigned dual) {
    std::string text = "Effective Cells updates\t\t: " + std::to_string(updates) + "\n";
    for (const auto& [card, count] : cards) {
        text += "Effective \"Single Cell[card=" + std::to_string(card) +
                "]\" rules\t: " + std::to_string(count) + "\n";
    }
    return text + "Effective \"Dual Cells\" rules\t\t: " + std::to_string(dual) + "\n";
}

}  // namespace Novem::TestSupport
