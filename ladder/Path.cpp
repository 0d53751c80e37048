#include "Path.h"

#include <algorithm>

#include "Difficulty.h"
#include "Families.h"

namespace Novem::Ladder {

namespace {

// The cell of a single: the one the application's subject is about.
int CellOf(const RuleApplication& application, const RuleNames::Subject& subject) {
    return GridGeometry::kCellsOfRegion[application.region][Bits::Lowest(subject.positions)];
}

std::optional<Move> AsMove(std::optional<BasicMove> found) {
    if (found) {
        return Move(std::move(*found));
    }
    return std::nullopt;
}

std::optional<Move> AsMove(std::optional<Step> found) {
    if (found) {
        return Move(std::move(*found));
    }
    return std::nullopt;
}

}  // namespace

void PathRating::Rate(int rating, std::string_view name, bool places) {
    if (rating == 0) {
        return;
    }
    if (rating > er) {
        er = rating;
        hardest = name;
    }
    ed = ed == 0 ? rating : ed;
    if (!placed) {
        ep = std::max(ep, rating);
        placed = places;
    }
}

Level LevelOf(const Move& move) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        return RuleNames::LevelOf(basic->subject);
    }
    return LevelOf(InfoOf(std::get<Step>(move).technique).family);
}

int RatingOf(const Move& move) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        return basic->rating;
    }
    return Difficulty::Of(std::get<Step>(move));
}

std::string_view NameOf(const Move& move) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        return RuleNames::NameOf(basic->subject);
    }
    return InfoOf(std::get<Step>(move).technique).name;
}

bool Places(const Move& move) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        return basic->places;
    }
    return !std::get<Step>(move).placements.empty();
}

Decisions DecidedBy(const BasicMove& move) {
    Decisions decided;
    for (const RuleApplication& application : move.applications) {
        const RuleNames::Subject subject = RuleNames::SubjectOf(application);
        if (subject.kind == RuleNames::Kind::HiddenSingle ||
            subject.kind == RuleNames::Kind::NakedSingle) {
            decided.free |= CellMask::Of(CellOf(application, subject));
        }
    }
    return decided;
}

Decisions DecidedBy(const Step& step) {
    Decisions decided;
    for (const Candidate& placement : step.placements) {
        decided.free |= CellMask::Of(placement.cell);
    }
    decided.unspread = decided.free;
    return decided;
}

void Advance(Position& position, const Move& move) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        for (const RuleApplication& application : basic->applications) {
            for (const CellRemoval& removal : application.Removals()) {
                position.board.Remove(removal.cell, removal.digits);
            }
        }
    } else {
        for (const CellRemoval& removal : std::get<Step>(move).removals) {
            position.board.Remove(removal.cell, removal.digits);
        }
    }
    const Decisions decided = std::visit([](const auto& found) { return DecidedBy(found); }, move);
    position.free |= decided.free;
    position.unspread |= decided.unspread;
}

bool Settled(const Board& board, const CellMask& unspread) {
    return board.Open().Empty() && unspread.Empty() && board.EveryDigitPlaceable() &&
           !board.Contradicted();
}

bool Has(Families families, Family family) {
    return (families & FamilyBit(family)) != 0;
}

Families Within(Families families, Level ceiling) {
    Families within = 0;
    for (int family = 0; family < kFamilies; ++family) {
        within |= LevelOf(static_cast<Family>(family)) <= ceiling
                      ? FamilyBit(static_cast<Family>(family))
                      : 0U;
    }
    return families & within;
}

UniqueSolution::UniqueSolution(const Board& start) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        m_candidates[static_cast<std::size_t>(cell)] = start.Candidates(cell);
    }
}

bool UniqueSolution::Holds() {
    if (!m_holds) {
        m_holds = Search::CountSolutions(m_candidates).solutions == 1;
    }
    return *m_holds;
}

std::optional<Move> SharedRung(int rung, const BasicMoves& basic, const Board& board,
                               Families families, Level ceiling, UniqueSolution& unique,
                               SearchMemory& memory) {
    using Single = BasicMoves::Single;
    constexpr Level kSingles = Level::SinglesOnly;
    constexpr Level kLocked = Level::LockedCandidates;
    constexpr Level kSubsets = Level::Subsets;
    const auto upTo = [&](Level level, auto find) -> std::optional<Move> {
        return level <= ceiling ? AsMove(find()) : std::nullopt;
    };
    const auto family = [&](Family wanted, auto find) -> std::optional<Move> {
        return Has(families, wanted) ? AsMove(find(board)) : std::nullopt;
    };
    const auto fish = [&](int size) {
        return [&memory, size](const Board& grid) { return memory.Fish(grid, size); };
    };
    const auto unlessSeveral = [&](auto find) -> std::optional<Move> {
        return Has(families, Family::Uniqueness) && unique.Holds() ? AsMove(find(board))
                                                                   : std::nullopt;
    };
    // clang-format off
    switch (rung) {
        case 0: return upTo(kSingles, [&] { return basic.HiddenSingle(Single::FullHouse); });
        case 1: return upTo(kSingles, [&] { return basic.HiddenSingle(Single::Block); });
        case 2: return upTo(kSingles, [&] { return basic.HiddenSingle(Single::Line); });
        case 3: return upTo(kLocked, [&] { return basic.LockedCandidates(true); });
        case 4: return upTo(kSubsets, [&] { return memory.HiddenSubset(basic, 2, true); });
        case 5: return upTo(kSingles, [&] { return basic.NakedSingle(); });
        case 6: return upTo(kSubsets, [&] { return memory.HiddenSubset(basic, 3, true); });
        case 7: return upTo(kLocked, [&] { return basic.LockedCandidates(false); });
        case 8: return upTo(kSubsets, [&] { return memory.NakedSubset(basic, 2); });
        case 9: return family(Family::Fish, fish(2));
        case 10: return upTo(kSubsets, [&] { return memory.HiddenSubset(basic, 2, false); });
        case 11: return upTo(kSubsets, [&] { return memory.NakedSubset(basic, 3); });
        case 12: return family(Family::Fish, fish(3));
        case 13: return upTo(kSubsets, [&] { return memory.HiddenSubset(basic, 3, false); });
        case 14: return family(Family::Wings, FindXYWing);
        case 15: return family(Family::Wings, FindXYZWing);
        case 16: return unlessSeveral([&](const Board& grid) { return memory.UniqueLoop(grid); });
        case 17: return upTo(kSubsets, [&] { return memory.NakedSubset(basic, 4); });
        case 18: return family(Family::Fish, fish(4));
        case 19: return upTo(kSubsets, [&] { return memory.HiddenSubset(basic, 4, false); });
        case 20: return unlessSeveral(FindBivalueUniversalGrave);
        default: return family(Family::Exclusion,
                               [&](const Board& grid) { return memory.AlignedPairExclusion(grid); });
    }
    // clang-format on
}

}  // namespace Novem::Ladder
