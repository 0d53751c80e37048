#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "explanation/Explanation.h"
#include "ladder/Board.h"
#include "ladder/ExplainerChains.h"
#include "ladder/Families.h"
#include "model/Grid_9x9.h"
#include "support/Positions.h"
#include "support/TempDirectory.h"

namespace Novem::Ladder {
namespace {

// What each family finds first, and what each of the rating's chain rules chooses with its
// rating, in every position of the technique tests: each a line of the explanation or "none".
// A faster search must find the same step in the same position, not just some step.
std::string FirstSteps() {
    std::ostringstream results;
    ExplainerChains chains;
    int position = 0;
    for (const auto& [expected, candidates] : TestSupport::TechniquePositions()) {
        Grid_9x9 grid;
        TestSupport::SetCandidates(grid, candidates);
        const Board board(grid);
        results << "position " << ++position << "\n";
        for (int family = 0; family < kFamilies; ++family) {
            const std::optional<Step> step = Find(static_cast<Family>(family), board);
            std::string explained = "none\n";
            if (step) {
                explained.clear();
                Explanation::AppendLine(explained, *step);
                explained.erase(0, 10);
            }
            results << kFamilyNames[static_cast<std::size_t>(family)] << ": " << explained;
        }
        // A rating's hint is named and rated, never explained: its technique, rating and
        // removals, cell and digits.
        for (int rule = 0; rule <= static_cast<int>(ChainRule::DynamicForcingChainsPlus); ++rule) {
            results << "rule " << rule << ":";
            const std::optional<ChainHint> hint = chains.Find(board, static_cast<ChainRule>(rule));
            if (!hint) {
                results << " none\n";
                continue;
            }
            results << " " << InfoOf(hint->step.technique).name << " " << hint->rating;
            for (const CellRemoval& removal : hint->step.removals) {
                results << " " << removal.cell << ":" << removal.digits;
            }
            for (const Candidate& placed : hint->step.placements) {
                results << " " << placed.cell << "=" << placed.digit;
            }
            results << "\n";
        }
    }
    return results.str();
}

TEST(FamilyResults, EachFamilyAndChainRuleFindsTheRecordedStep) {
    const std::string found = FirstSteps();
    const std::string recorded = TestSupport::ReadFile(NOVEM_TEST_DATA "/family-results.txt");
    if (found != recorded) {
        std::ofstream("family-results.found.txt") << found;
    }
    EXPECT_EQ(found, recorded) << "what was found is in family-results.found.txt";
}

}  // namespace
}  // namespace Novem::Ladder
