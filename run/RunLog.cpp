#include "RunLog.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace Novem {

namespace {

constexpr int kSize = GridGeometry::kSize;
// Every candidate set there is, by its word.
constexpr std::size_t kCandidateSets = GridGeometry::kAllDigits + 1;

struct CellText {
    std::array<char, RunLogBlocks::kCellTextSize> bytes{};
    std::size_t size = 0;
};

// The text of every candidate set as the cell itself writes it, looked up instead of rebuilt:
// a log block shows one for every cell.
const std::array<CellText, kCandidateSets>& CellTexts() {
    static const std::array<CellText, kCandidateSets> texts = [] {
        std::array<CellText, kCandidateSets> all{};
        Grid_9x9::CellType cell;
        for (unsigned word = 0; word < all.size(); ++word) {
            cell.GetCandidates() = Grid_9x9::CellType::Candidates(word);
            const std::string text = cell.ToString();
            std::memcpy(all[word].bytes.data(), text.data(), text.size());
            all[word].size = text.size();
        }
        return all;
    }();
    return texts;
}

}  // namespace

void RunLogBlocks::Append(std::string& stored,
                          const GridUpdateListener<Grid_9x9>::GridUpdateEvent& event) {
    constexpr std::string_view kOpen = "************ ";
    constexpr std::string_view kClose = "] ************\r\n";
    constexpr std::string_view kSeparators = "\r\r\n\r\r\n";
    // The block is made in a buffer of its own: growing `stored` to its size first would fill
    // it with zeros for nothing.
    if (event.ruleName.size() > kMaxRuleName) {
        throw std::length_error("rule name too long for a run log block");
    }
    char* out = m_block.data();
    const auto put = [&out](std::string_view text) {
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    };
    put(kOpen);
    put(event.ruleName);
    *out++ = '[';
    out = std::to_chars(out, out + 16, event.step).ptr;
    put(kClose);

    const auto& texts = CellTexts();
    for (int row = 0; row < kSize; ++row) {
        Row& cached = m_rows[row];
        unsigned long changed = 0;
        for (int column = 0; column < kSize; ++column) {
            const unsigned long candidates =
                event.grid->GetCell(row, column)->GetCandidates().to_ulong();
            changed |= candidates ^ cached.candidates[column];
            cached.candidates[column] = candidates;
        }
        if (changed != 0) {
            char* text = cached.text.data();
            for (int column = 0; column < kSize; ++column) {
                if (column > 0) {
                    *text++ = '\t';
                }
                const CellText& cell = texts[cached.candidates[column]];
                std::memcpy(text, cell.bytes.data(), kCellTextSize);
                text += cell.size;
            }
            *text++ = '\r';
            *text++ = '\n';
            cached.size = static_cast<std::size_t>(text - cached.text.data());
        }
        // Whole rows are copied, the size the copy a few vector moves.
        std::memcpy(out, cached.text.data(), kRowCapacity);
        out += cached.size;
    }
    put(kSeparators);
    stored.append(m_block.data(), static_cast<std::size_t>(out - m_block.data()));
}

}  // namespace Novem
