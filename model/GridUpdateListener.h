#pragma once

#include <cstdint>
#include <string>

namespace Novem {

// Observer of a running solver. The solver calls OnGridUpdate synchronously after every rule
// application that removed at least one candidate.
template <typename TGrid>
class GridUpdateListener {
public:
    // Lives for one notification: a listener must not keep a pointer to it.
    struct GridUpdateEvent {
        TGrid* grid;
        std::string ruleName;
        std::int32_t step;

        // A header line with the rule and step, then one line per row of candidate sets separated
        // by tabs. Every line ends with a bare LF.
        std::string ToString() const {
            std::string text =
                "************ " + ruleName + "[" + std::to_string(step) + "] ************\n";
            // A full grid of all nine candidates, the longest dump, takes 9 rows of 179 + 1.
            text.reserve(text.size() + TGrid::kSize * 180);
            for (int row = 0; row < TGrid::kSize; ++row) {
                for (int column = 0; column < TGrid::kSize; ++column) {
                    if (column > 0) {
                        text += '\t';
                    }
                    grid->GetCell(row, column)->AppendTo(text);
                }
                text += '\n';
            }
            return text;
        }
    };

    virtual ~GridUpdateListener() = default;

    virtual void OnGridUpdate(const GridUpdateEvent& event) = 0;
};

}  // namespace Novem
