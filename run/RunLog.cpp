#include "RunLog.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace Novem {

namespace {

constexpr int kSize = static_cast<int>(Grid_9x9::kSize);
// The longest candidate text, "{1,2,3,4,5,6,7,8,9}", padded so that it is copied whole.
constexpr std::size_t kCellTextSize = 24;

struct CellText {
    std::array<char, kCellTextSize> bytes{};
    std::size_t size = 0;
};

// The text of every candidate set as the cell itself writes it, looked up instead of rebuilt:
// a log block shows 81 of them.
const std::array<CellText, 512>& CellTexts() {
    static const std::array<CellText, 512> texts = [] {
        std::array<CellText, 512> all{};
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

void AppendRunLogBlock(std::string& stored,
                       const GridUpdateListener<Grid_9x9>::GridUpdateEvent& event) {
    char step[16];
    const auto stepEnd = std::to_chars(std::begin(step), std::end(step), event.step).ptr;
    stored += "************ ";
    stored += event.ruleName;
    stored += '[';
    stored.append(step, stepEnd);
    stored += "] ************\r\n";

    // Each row at its longest, plus room for the padding of the last text.
    constexpr std::size_t kRowSize = kSize * (kCellTextSize + 1) + 2;
    const auto& texts = CellTexts();
    const std::size_t start = stored.size();
    stored.resize(start + kSize * kRowSize);
    char* out = stored.data() + start;
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            if (column > 0) {
                *out++ = '\t';
            }
            const CellText& text =
                texts[event.grid->GetCell(row, column)->GetCandidates().to_ulong()];
            std::memcpy(out, text.bytes.data(), kCellTextSize);
            out += text.size;
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    stored.resize(static_cast<std::size_t>(out - stored.data()));
    stored += "\r\r\n\r\r\n";
}

}  // namespace Novem
