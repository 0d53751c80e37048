#include "ExplainerChains.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <span>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "ChainBaseSet.h"
#include "DigitPlaces.h"
#include "Implications.h"
#include "LoopLinks.h"
#include "StaticLinks.h"
#include "StaticReach.h"

namespace Novem::Ladder {

namespace {

using namespace Implications;

using GridGeometry::kCellsOfRegion;
using GridGeometry::kPlacesOfCell;
using GridGeometry::kSize;

// The scale's bonus for a chain's complexity, summed in tenths as a double the way the scale
// sums it, so that two hints compare as they compare there.
double LengthDifficulty(int complexity) {
    double added = 0.0;
    int ceiling = 4;
    const int length = complexity - 2;
    bool odd = false;
    while (length > ceiling) {
        added += 0.1;
        ceiling = odd ? ceiling * 4 / 3 : ceiling * 3 / 2;
        odd = !odd;
    }
    return added;
}

// The order of the scale's kinds among hints of equal difficulty and complexity.
enum SortKey { kDouble = 1, kX = 2, kY = 3, kXY = 4, kCellKind = 5, kRegionKind = 6, kAbsurd = 7 };

// A hint as the rule compares it, and what it does.
struct Ranked {
    double difficulty;
    int complexity;
    int sortKey;
    Technique technique;
    // The potential it concludes: on places the digit, off removes it.
    Potential result;
};

bool Before(const Ranked& a, const Ranked& b) {
    return std::tie(a.difficulty, a.complexity, a.sortKey) <
           std::tie(b.difficulty, b.complexity, b.sortKey);
}

Decided DecidedOf(const Board& board) {
    Decided decided;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (Bits::Count(board.Candidates(cell)) == 1) {
            decided.cells |= CellMask::Of(cell);
            ++decided.digitCount[static_cast<std::size_t>(Bits::Lowest(board.Candidates(cell)))];
        }
    }
    return decided;
}

std::uint64_t Mixed(std::uint64_t hash, int value) {
    return (hash ^ static_cast<std::uint64_t>(value)) * 0x100000001B3ULL;
}

}  // namespace

class ExplainerChains::Search {
public:
    std::optional<ChainHint> Find(const Board& board, ChainRule rule) {
        m_decided = DecidedOf(board);
        m_grid = Grid::OpenOf(board);
        m_collect = false;
        Run(rule);
        if (!m_best) {
            return std::nullopt;
        }
        return ChainHint{BuildStep(*m_best),
                         static_cast<int>(std::lround(m_best->difficulty * 10))};
    }

    // The rule's hints on a chain's grid, least difficult first and one for each set of
    // removals, as the scale applies them inside a chain, each with the potentials its chains
    // pass through by a single and why.
    void Collect(const Grid& grid, const Decided& decided, ChainRule rule,
                 std::vector<RuleHint>& out) {
        m_grid = grid;
        m_decided = decided;
        m_collect = true;
        m_collected.clear();
        Run(rule);
        std::stable_sort(
            m_collected.begin(), m_collected.end(),
            [](const Collected& a, const Collected& b) { return Before(a.ranked, b.ranked); });
        // The scale keeps them in a set where hints with the same removals are equal: the first
        // stays. An open-addressed table of the removal sets met, sorted in one flat store.
        std::size_t slots = 16;
        while (slots < 2 * m_collected.size()) {
            slots *= 2;
        }
        m_removalSlots.assign(slots, -1);
        m_removalSets.clear();
        m_removalSpans.clear();
        for (Collected& collected : m_collected) {
            const auto begin = static_cast<std::ptrdiff_t>(m_removalSets.size());
            m_removalSets.insert(m_removalSets.end(), collected.hint.removals.begin(),
                                 collected.hint.removals.end());
            std::sort(m_removalSets.begin() + begin, m_removalSets.end());
            std::uint64_t hash = 0;
            for (auto at = m_removalSets.begin() + begin; at != m_removalSets.end(); ++at) {
                hash = Mixed(hash, *at);
            }
            const auto same = [&](int kept) {
                const auto& [keptBegin, keptEnd] = m_removalSpans[static_cast<std::size_t>(kept)];
                return std::equal(m_removalSets.begin() + keptBegin,
                                  m_removalSets.begin() + keptEnd, m_removalSets.begin() + begin,
                                  m_removalSets.end());
            };
            std::size_t slot = hash & (slots - 1);
            while (m_removalSlots[slot] >= 0 && !same(m_removalSlots[slot])) {
                slot = (slot + 1) & (slots - 1);
            }
            if (m_removalSlots[slot] >= 0) {
                m_removalSets.resize(static_cast<std::size_t>(begin));
                continue;
            }
            m_removalSlots[slot] = static_cast<int>(m_removalSpans.size());
            m_removalSpans.emplace_back(begin, static_cast<std::ptrdiff_t>(m_removalSets.size()));
            out.push_back(std::move(collected.hint));
        }
    }

private:
    void Run(ChainRule rule) {
        m_best.reset();
        m_nested.clear();
        m_pool.Clear();
        ++m_onChainGeneration;
        m_rule = rule;
        if (rule == ChainRule::CyclesAndForcingChains) {
            // Short chains first: a search bounded by a difficulty looks only so deep, and the
            // least difficult hint is below the first bound that finds any.
            BuildLinks();
            for (const double bound : {100.0}) {
                m_bound =
                    Ranked{bound, std::numeric_limits<int>::max(), 0, Technique::ForcingChain, -1};
                Unary({false, true});
                Unary({true, false});
                Unary({true, true});
                if (m_best) {
                    break;
                }
            }
            m_bound.reset();
        } else {
            if (!Dynamic()) {
                BuildLinks();
            }
            Multiple();
        }
    }

    // A step's rules that find nothing leave the grid as it was for the next rule: its links,
    // and their reach of the last kind asked, are built again only for a grid that changed.
    void BuildLinks() {
        if (m_linksGrid == m_grid.candidates) {
            return;
        }
        m_links.Build(m_grid);
        m_linksGrid = m_grid.candidates;
        m_cellsOf = {};
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            for (const int digit : Bits::Indices(m_grid.candidates[cell])) {
                m_cellsOf[static_cast<std::size_t>(digit)] |= CellMask::Of(cell);
            }
        }
        m_reachKinds.reset();
    }

    void BuildReach(Links kinds) {
        if (m_reachKinds == kinds) {
            return;
        }
        m_reach.Build(m_grid, m_links, kinds);
        m_reachKinds = kinds;
    }

    // What a candidate assumed on leads to: the potentials made on and off, and the first
    // contradiction met, as the nodes of its two potentials.
    struct OnChainOf {
        std::uint32_t generation = 0;
        KeptDerived toOn;
        KeptDerived toOff;
        std::optional<std::pair<int, int>> absurd;
    };

    // First in, first out, of the nodes of a chain's potentials: each enters once, so there is
    // room for all.
    class Queue {
    public:
        void clear() {
            m_head = 0;
            m_tail = 0;
        }
        bool empty() const { return m_head == m_tail; }
        int front() const { return m_items[m_head]; }
        void pop_front() { ++m_head; }
        void push_back(int item) { m_items[m_tail++] = item; }

    private:
        std::array<int, kPotentials> m_items{};
        std::size_t m_head = 0;
        std::size_t m_tail = 0;
    };

    bool Dynamic() const { return m_rule != ChainRule::MultipleForcingChains; }
    bool Nishio() const { return m_rule == ChainRule::Nishio; }
    bool MultipleEnabled() const {
        return m_rule != ChainRule::CyclesAndForcingChains && m_rule != ChainRule::Nishio;
    }
    // How many rules a branch applies inside itself when its singles stall: 0 for none, 1 for
    // the base set, 2 to 5 for the base set and the chain rules of NestedRules().
    int Level() const {
        return m_rule < ChainRule::DynamicForcingChainsPlus
                   ? 0
                   : static_cast<int>(m_rule) - static_cast<int>(ChainRule::DynamicForcingChains);
    }
    double Base() const {
        switch (m_rule) {
            case ChainRule::Nishio:
                return 7.5;
            case ChainRule::MultipleForcingChains:
                return 8.0;
            default:
                return 8.5 + 0.5 * Level();
        }
    }
    // The technique of every hint of a rule with rules inside, whatever its kind.
    Technique LevelTechnique() const {
        return static_cast<Technique>(static_cast<int>(Technique::DynamicForcingChainPlus) +
                                      Level() - 1);
    }
    std::span<const ChainRule> NestedRules() const {
        static constexpr std::array<ChainRule, 2> kStatic = {ChainRule::CyclesAndForcingChains,
                                                             ChainRule::MultipleForcingChains};
        static constexpr std::array<ChainRule, 2> kDynamic = {ChainRule::DynamicForcingChains,
                                                              ChainRule::NestedForcingChains};
        switch (Level()) {
            case 2:
                return std::span(kStatic).first(1);
            case 3:
                return kStatic;
            case 4:
                return std::span(kDynamic).first(1);
            case 5:
                return kDynamic;
            default:
                return {};
        }
    }
    // Whether potentials are kept as nodes of the pool, with what they follow from: in a dynamic
    // chain, and wherever the candidates a hint rests on are wanted.
    bool UsesPool() const { return Dynamic() || m_collect; }

    void Offer(const Ranked& offer) {
        if ((!m_best || Before(offer, *m_best)) && (!m_bound || Before(offer, *m_bound))) {
            m_best = offer;
        }
    }

    // A hint of the rule inside a chain: what it removes, and, of the candidates its chains pass
    // through by a single, those that the outer chain had removed.
    void Keep(const Ranked& ranked, RuleHint hint) {
        if (ranked.result >= 0) {
            const int cell = CellOf(ranked.result);
            if (IsOn(ranked.result)) {
                for (const int digit :
                     Bits::Indices(m_grid.candidates[cell] & ~(1U << DigitOf(ranked.result)))) {
                    hint.removals.push_back(PotentialOf(cell, digit, false));
                }
            } else {
                hint.removals.push_back(ranked.result);
            }
        } else {
            for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
                for (int digit = 0; digit < kSize; ++digit) {
                    if (m_cycleRemovals[static_cast<std::size_t>(digit)].Has(cell)) {
                        hint.removals.push_back(PotentialOf(cell, digit, false));
                    }
                }
            }
        }
        hint.chainComplexity = ranked.complexity;
        hint.chainKey |= 1;
        m_collected.push_back({ranked, std::move(hint)});
    }

    // The candidates a branch removed that a potential it passes derived for `cause` rests on:
    // of its cell, or of its digit in the region, those the branch's grid has lost.
    void AddRuleParents(const Single& single, std::vector<Potential>& parents) {
        const int cell = CellOf(single.potential);
        const int digit = DigitOf(single.potential);
        const auto add = [&](Potential parent) {
            if (!m_ruleParents.Has(parent)) {
                m_ruleParents.Add(parent, 0);
                parents.push_back(parent);
            }
        };
        if (single.cause == Cause::Cell) {
            for (const int gone :
                 Bits::Indices(m_grid.candidates[cell] & ~m_work.candidates[cell])) {
                add(PotentialOf(cell, gone, false));
            }
        } else if (single.cause >= Cause::Block && single.cause <= Cause::Column) {
            const int region = kPlacesOfCell[cell][static_cast<std::size_t>(single.cause) -
                                                   static_cast<std::size_t>(Cause::Block)]
                                   .region;
            const unsigned gone =
                m_grid.positions[region][digit] & ~m_work.positions[region][digit];
            for (const int position : Bits::Indices(gone)) {
                add(PotentialOf(kCellsOfRegion[region][position], digit, false));
            }
        }
    }

    // Why a static link from one potential leads to the next: the first of the cell, its block,
    // row and column that holds both, and for a link from an "off", leaves the other alone there.
    Cause LinkCause(Potential from, Potential to) const {
        const int cell = CellOf(to);
        if (CellOf(from) == cell) {
            return Cause::Cell;
        }
        for (std::size_t kind = 0; kind < kRegionCauses.size(); ++kind) {
            const int region = kPlacesOfCell[cell][kind].region;
            if (kRegionCells[region].Has(CellOf(from)) &&
                (IsOn(from) || Bits::Two(m_grid.positions[region][DigitOf(to)]))) {
                return kRegionCauses[kind];
            }
        }
        return Cause::Assumed;
    }

    // A static chain's hint kept inside a chain: `path` is the chain from its end back to its
    // start, each potential following from the next (the last from the first in a loop).
    void KeepStatic(const Ranked& ranked, std::span<const Potential> path, bool loop) {
        RuleHint hint;
        for (std::size_t at = 0; at < path.size(); ++at) {
            hint.chainKey = Mixed(hint.chainKey, path[at]);
            const bool last = at + 1 == path.size();
            if (last && !loop) {
                break;
            }
            const Potential potential = path[at];
            // In a loop both ways round count: each potential is "on" one of them.
            if (loop || IsOn(potential)) {
                hint.singles.push_back(
                    {potential, LinkCause(last ? path[0] : path[at + 1], potential)});
            }
        }
        Keep(ranked, std::move(hint));
    }

    // The complexity of a hint whose chains end at `targets`, nodes of the pool: the distinct
    // potentials each rests on, and the complexity of each distinct chain nested in them. When
    // `hint` is given, it also takes the chains' rule parents, an assumption counting for
    // `assumed`, and what tells the chains from others.
    int Measure(std::span<const int> targets, Cause assumed = Cause::Assumed,
                RuleHint* hint = nullptr) {
        int complexity = 0;
        m_nestedMet.clear();
        for (const int target : targets) {
            std::bitset<kPotentials> met;
            m_measureLayer.assign(1, target);
            while (!m_measureLayer.empty()) {
                m_measureNext.clear();
                for (const int at : m_measureLayer) {
                    const Node& node = m_pool.At(at);
                    const auto potential = static_cast<std::size_t>(node.potential);
                    if (met[potential]) {
                        continue;
                    }
                    met[potential] = true;
                    ++complexity;
                    if (node.nested >= 0) {
                        const NestedChain& nested = m_nested[static_cast<std::size_t>(node.nested)];
                        if (std::find(m_nestedMet.begin(), m_nestedMet.end(), nested.key) ==
                            m_nestedMet.end()) {
                            m_nestedMet.push_back(nested.key);
                            complexity += nested.complexity;
                        }
                    }
                    if (hint != nullptr) {
                        hint->chainKey = Mixed(hint->chainKey, node.potential);
                        if (IsOn(node.potential)) {
                            hint->singles.push_back({node.potential, node.cause == Cause::Assumed
                                                                         ? assumed
                                                                         : node.cause});
                        }
                    }
                    for (int k = 0; k < node.parentCount; ++k) {
                        m_measureNext.push_back(m_pool.Parent(at, k));
                    }
                }
                m_measureLayer.swap(m_measureNext);
            }
        }
        return complexity;
    }

    // A hint whose chains end at `targets` (nodes of the pool, or in a static search their
    // complexities): kept whole inside a chain, else offered.
    void OfferChains(Ranked offer, std::span<const int> targets, Cause assumed) {
        RuleHint hint;
        if (!UsesPool()) {
            offer.complexity = std::accumulate(targets.begin(), targets.end(), 0);
        } else {
            // Each chain rests on at least its target's way back to the assumption.
            int fewest = 0;
            for (const int target : targets) {
                fewest += m_pool.At(target).depth + 1;
            }
            if (!CouldBeat(Base(), fewest, offer.sortKey)) {
                return;
            }
            offer.complexity = Measure(targets, assumed, m_collect ? &hint : nullptr);
        }
        offer.difficulty = RuleDifficulty(offer.complexity);
        if (m_collect) {
            Keep(offer, std::move(hint));
        } else {
            Offer(offer);
        }
    }

    Search& Inner() {
        if (!m_inner) {
            m_inner = std::make_unique<Search>();
        }
        return *m_inner;
    }

    // Where a branch's singles stall, the first of the rules inside that finds anything the
    // branch's removals made possible gives it more "off" potentials.
    void Advance(Derived& toOff, Queue& pendingOff) {
        const Changes changes = ChangesOf(m_work, m_grid);
        for (const BaseRule rule : kBaseRules) {
            m_ruleHints.clear();
            BaseRuleHints(rule, m_work, m_grid, changes, m_decided, m_ruleHints);
            if (Adopt(m_ruleHints, toOff, pendingOff)) {
                return;
            }
        }
        for (const ChainRule rule : NestedRules()) {
            if (Adopt(NestedHints(rule), toOff, pendingOff)) {
                return;
            }
        }
    }

    // A chain rule's hints inside a branch, found once for each grid: the branches of a step
    // often reach the same grid, as assumptions that imply each other do, and so do those of
    // the next step, where the step's removal was what they led to.
    const std::vector<RuleHint>& NestedHints(ChainRule rule) {
        std::uint64_t key = Mixed(0xCBF29CE484222325ULL, static_cast<int>(rule));
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            key = Mixed(key, static_cast<int>(m_work.candidates[cell]));
        }
        key = Mixed(Mixed(key, static_cast<int>(m_decided.cells.Count())),
                    static_cast<int>(Hash(m_decided.digitCount)));
        const auto found = m_nestedHints.find(key);
        if (found != m_nestedHints.end() && found->second.rule == rule &&
            found->second.grid == m_work.candidates &&
            found->second.decided.cells == m_decided.cells &&
            found->second.decided.digitCount == m_decided.digitCount) {
            return found->second.hints;
        }
        if (m_nestedHints.size() >= kNestedHintsKept) {
            m_nestedHints.clear();
        }
        NestedHintsOf& entry = m_nestedHints[key];
        entry = {rule, m_work.candidates, m_decided, {}};
        Inner().Collect(m_work, m_decided, rule, entry.hints);
        return entry.hints;
    }

    static unsigned Hash(const std::array<int, kSize>& counts) {
        unsigned hash = 0;
        for (const int count : counts) {
            hash = hash * 11 + static_cast<unsigned>(count);
        }
        return hash;
    }

    bool Adopt(const std::vector<RuleHint>& hints, Derived& toOff, Queue& pendingOff) {
        bool adopted = false;
        for (const RuleHint& hint : hints) {
            if (!hint.singles.empty()) {
                m_singlesParents.clear();
                m_ruleParents.Clear();
                for (const Single& single : hint.singles) {
                    AddRuleParents(single, m_singlesParents);
                }
            }
            const std::vector<Potential>& parents =
                hint.singles.empty() ? hint.parents : m_singlesParents;
            if (parents.empty()) {
                continue;
            }
            int nested = -1;
            if (hint.chainKey != 0) {
                m_nested.push_back({hint.chainKey, hint.chainComplexity});
                nested = static_cast<int>(m_nested.size()) - 1;
            }
            for (const Potential removal : hint.removals) {
                const int node = m_pool.Add(removal, Cause::Advanced, -1);
                for (const Potential parent : parents) {
                    if (toOff.Has(parent)) {
                        m_pool.AddParent(node, toOff.NodeOf(parent));
                    }
                }
                m_pool.SetNested(node, nested);
                adopted = true;
                if (!toOff.Has(removal)) {
                    toOff.Add(removal, node);
                    pendingOff.push_back(node);
                }
            }
        }
        return adopted;
    }

    // Whether a hint of at least that complexity could come before the best so far: only the
    // least difficult hint counts, and the best, found first, wins ties.
    bool CouldBeat(double base, int complexity, int sortKey) const {
        if (m_collect) {
            return true;
        }
        const Ranked offer{base + LengthDifficulty(complexity), complexity, sortKey,
                           Technique::ForcingChain, -1};
        return (!m_best || Before(offer, *m_best)) && (!m_bound || Before(offer, *m_bound));
    }

    // Whether a hint that concludes `result` would remove anything: an off removes its
    // candidate, an on the cell's other candidates.
    bool Worth(Potential result) const {
        const unsigned candidates = m_grid.candidates[CellOf(result)];
        const unsigned digit = 1U << DigitOf(result);
        return IsOn(result) ? (candidates & ~digit) != 0 : (candidates & digit) != 0;
    }

    // Cycles and forcing chains from every candidate, with the given links.
    void Unary(Links links) {
        const bool xy = links.cell && links.region;
        if (!CouldBeat(xy ? 7.0 : 6.5, 4, xy ? kXY : (links.cell ? kY : kX))) {
            return;
        }
        // Only a search for hints to rate remembers: one inside a chain wants all of them.
        const bool remembers = !links.cell && !m_collect;
        const std::array<DigitCells, kSize> cells =
            remembers ? XCells() : std::array<DigitCells, kSize>{};
        unsigned fruitless = 0;
        for (int digit = 0; remembers && m_fruitlessX && digit < kSize; ++digit) {
            const auto at = static_cast<std::size_t>(digit);
            fruitless |= cells[at] == (*m_fruitlessX)[at] ? 1U << digit : 0U;
        }
        if (fruitless == 0) {
            if (links.region) {
                BuildReach(links);
            }
        } else if (fruitless != GridGeometry::kAllDigits) {
            // Only the other digits are searched, and X links never leave a digit.
            m_reach.Build(m_grid, m_links, links, ~fruitless);
            m_reachKinds.reset();
        }
        m_loopLinks.Start(m_links, links);
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const unsigned candidates = m_grid.candidates[cell];
            if (Bits::Count(candidates) < 2 || (Bits::Count(candidates) > 2 && !links.region)) {
                continue;
            }
            for (const int digit : Bits::Indices(candidates & ~fruitless)) {
                const Potential on = PotentialOf(cell, digit, true);
                m_pool.Clear();
                if (Returns(cell, digit, links)) {
                    Cycles(on, links);
                }
                if (links.region) {
                    m_chains.clear();
                    if (m_reach.Leads(on, Opposite(on))) {
                        ForcingChains(on, links.cell, m_chains);
                    }
                    if (m_reach.Leads(Opposite(on), on) &&
                        Returns(cell, digit, {links.cell, true})) {
                        ForcingChains(Opposite(on), links.cell, m_chains);
                    }
                    for (const auto& [result, complexity] : m_chains) {
                        Offer({(xy ? 7.0 : 6.6) + LengthDifficulty(complexity), complexity,
                               xy ? kXY : kX,
                               xy ? Technique::ForcingChain : Technique::ForcingXChain, result});
                    }
                }
            }
        }
        // The pass starts with no hint in hand, so it searched every digit to the end.
        if (remembers && !m_best) {
            m_fruitlessX = cells;
        }
    }

    // A digit's cells, and those of them that start searches: cells with other candidates too.
    struct DigitCells {
        CellMask all;
        CellMask sources;
        bool operator==(const DigitCells&) const = default;
    };

    // X links join a digit's candidates only to its own, so whatever the X loops and X forcing
    // chains from its candidates find depends on its cells alone.
    std::array<DigitCells, kSize> XCells() const {
        CellMask multiple;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            multiple |= Bits::Count(m_grid.candidates[cell]) >= 2 ? CellMask::Of(cell) : CellMask();
        }
        std::array<DigitCells, kSize> cells{};
        for (std::size_t digit = 0; digit < cells.size(); ++digit) {
            cells[digit] = {m_cellsOf[digit], m_cellsOf[digit] & multiple};
        }
        return cells;
    }

    // Whether something turned off could turn the candidate on: only an "off" of the other digit
    // of its cell, or of the digit's other place in a region, does.
    bool Returns(int cell, int digit, Links links) const {
        if (links.cell && Bits::Two(m_grid.candidates[cell])) {
            return true;
        }
        if (links.region) {
            for (const GridGeometry::Place& place : kPlacesOfCell[cell]) {
                if (Bits::Two(m_grid.positions[place.region][digit])) {
                    return true;
                }
            }
        }
        return false;
    }

    // Loops back to the assumption, breadth first in layers. Each "on" is reached once, by the
    // first "off" to reach it; an "off" is reached again by each "on" that leads to it, unless it
    // lies on the way to that "on". An "on" is kept with the "off" it came from and the "on" that
    // one came from, so that a way back is walked from its end.
    void Cycles(Potential source, Links links) {
        // A loop is a cycle of the links through four potentials or more. With region links
        // their reach is built, which knows the cycles: the search keeps to the source's.
        const bool cyclesKnown = links.region;
        if (cyclesKnown && m_reach.CycleSize(source) < 4) {
            return;
        }
        m_onSeen.Clear();
        m_spawned.Clear();
        m_onSeen.Add(source);
        m_onLayer.assign(1, source);
        m_offLayer.clear();
        m_found.clear();
        const bool xy = links.cell && links.region;
        const double base = xy ? 7.0 : 6.5;
        const int sortKey = xy ? kXY : (links.cell ? kY : kX);
        for (int length = 0; !m_onLayer.empty();) {
            // A loop closed from here on has at least this many potentials.
            if (!CouldBeat(base, std::max(4, length + 2), sortKey)) {
                break;
            }
            ++length;
            m_offLayer.clear();
            for (const Potential on : m_onLayer) {
                for (const Potential off : m_loopLinks.From(on)) {
                    if (cyclesKnown && !m_reach.OnACycle(off, source)) {
                        continue;
                    }
                    if (!m_spawned.Has(off) || !OnWayTo(on, source, off)) {
                        m_offLayer.emplace_back(off, on);
                    }
                }
            }
            ++length;
            m_onLayer.clear();
            m_offFollowed.Clear();
            for (const auto& [off, from] : m_offLayer) {
                // An "off" met again in the layer turns on nothing new: it only closes its loops
                // again, by way of another "on".
                const auto at = static_cast<std::size_t>(off);
                if (m_offFollowed.Has(off)) {
                    for (int loop = 0; length >= 4 && loop < m_closings[at]; ++loop) {
                        m_found.emplace_back(off, from);
                    }
                    continue;
                }
                m_offFollowed.Add(off);
                m_closings[at] = 0;
                for (const Potential on : m_loopLinks.From(off)) {
                    if (on == source) {
                        ++m_closings[at];
                        if (length >= 4) {
                            m_found.emplace_back(off, from);
                        }
                    }
                    if (!m_onSeen.Has(on)) {
                        m_onSeen.Add(on);
                        m_onOff[static_cast<std::size_t>(on)] = off;
                        m_onOn[static_cast<std::size_t>(on)] = from;
                        m_spawned.Add(off);
                        if (!cyclesKnown || m_reach.OnACycle(on, source)) {
                            m_onLayer.push_back(on);
                        }
                    }
                }
            }
        }
        for (const auto& [off, from] : m_found) {
            OfferCycle(source, off, from, links);
        }
    }

    // Whether the "off" lies on the way from the source to the "on".
    bool OnWayTo(Potential on, Potential source, Potential off) const {
        for (Potential at = on; at != source; at = m_onOn[static_cast<std::size_t>(at)]) {
            if (m_onOff[static_cast<std::size_t>(at)] == off) {
                return true;
            }
        }
        return false;
    }

    // A cycle removes each candidate seen by a candidate of the loop made on going one way round
    // and by one made on going the other way. The loop is the source, the "off" that leads back
    // to it, and the way to the "on" that "off" came from.
    void OfferCycle(Potential source, Potential off, Potential from, Links links) {
        m_loop.assign({source, off});
        for (Potential at = from; at != source; at = m_onOn[static_cast<std::size_t>(at)]) {
            m_loop.push_back(at);
            m_loop.push_back(m_onOff[static_cast<std::size_t>(at)]);
        }
        CellMask cells;
        for (const Potential potential : m_loop) {
            cells |= CellMask::Of(CellOf(potential));
        }
        std::array<CellMask, kSize> forward{};
        std::array<CellMask, kSize> backward{};
        for (const Potential potential : m_loop) {
            const int digit = DigitOf(potential);
            const CellMask seen =
                (kPeers[CellOf(potential)] - cells) & m_cellsOf[static_cast<std::size_t>(digit)];
            (IsOn(potential) ? forward : backward)[static_cast<std::size_t>(digit)] |= seen;
        }
        m_cycleRemovals = {};
        bool worth = false;
        for (int digit = 0; digit < kSize; ++digit) {
            m_cycleRemovals[static_cast<std::size_t>(digit)] =
                forward[static_cast<std::size_t>(digit)] &
                backward[static_cast<std::size_t>(digit)];
            worth = worth || !m_cycleRemovals[static_cast<std::size_t>(digit)].Empty();
        }
        if (!worth) {
            return;
        }
        const auto complexity = static_cast<int>(m_loop.size());
        const bool xy = links.cell && links.region;
        const Technique technique = xy           ? Technique::BidirectionalCycle
                                    : links.cell ? Technique::BidirectionalYCycle
                                                 : Technique::BidirectionalXCycle;
        const Ranked offer{(xy ? 7.0 : 6.5) + LengthDifficulty(complexity), complexity,
                           xy ? kXY : (links.cell ? kY : kX), technique, -1};
        if (m_collect) {
            KeepStatic(offer, m_loop, true);
            return;
        }
        if ((!m_best || Before(offer, *m_best)) && (!m_bound || Before(offer, *m_bound))) {
            m_best = offer;
            m_bestCycleRemovals = m_cycleRemovals;
        }
    }

    // The first way the assumption leads to its own opposite, breadth first in layers, as the
    // potential it concludes and its complexity: one potential at each depth of the way.
    void ForcingChains(Potential source, bool cellLinks,
                       std::vector<std::pair<Potential, int>>& chains) {
        m_seen.Clear();
        m_seen.Add(source);
        const double base = cellLinks ? 7.0 : 6.6;
        const int sortKey = cellLinks ? kXY : kX;
        m_layer.assign(1, source);
        for (int depth = 0; !m_layer.empty(); ++depth) {
            // What this layer leads to has two potentials more than its depth.
            if (!CouldBeat(base, depth + 2, sortKey)) {
                return;
            }
            m_next.clear();
            for (const Potential potential : m_layer) {
                const auto follow = [&](std::span<const StaticLinks::Next> nexts) {
                    for (const StaticLinks::Next& next : nexts) {
                        if (Opposite(next.potential) == source) {
                            if (m_collect) {
                                KeepForcingChain(next.potential, potential, depth + 2, cellLinks);
                            } else {
                                chains.emplace_back(next.potential, depth + 2);
                            }
                            return true;
                        }
                        if (!m_seen.Has(next.potential)) {
                            m_seen.Add(next.potential);
                            m_cameFrom[static_cast<std::size_t>(next.potential)] = potential;
                            m_next.push_back(next.potential);
                        }
                    }
                    return false;
                };
                if ((cellLinks && follow(m_links.ByCell(potential))) ||
                    follow(m_links.ByRegion(potential))) {
                    return;
                }
            }
            m_layer.swap(m_next);
        }
    }

    void KeepForcingChain(Potential result, Potential from, int complexity, bool cellLinks) {
        m_path.assign({result, from});
        while (m_path.back() != Opposite(result)) {
            m_path.push_back(m_cameFrom[static_cast<std::size_t>(m_path.back())]);
        }
        KeepStatic({(cellLinks ? 7.0 : 6.6) + LengthDifficulty(complexity), complexity,
                    cellLinks ? kXY : kX,
                    cellLinks ? Technique::ForcingChain : Technique::ForcingXChain, result},
                   m_path, false);
    }

    // What follows from the potentials in `toOn` and `toOff`, which it completes: the two
    // potentials of the first candidate found both on and off (on first), or none.
    // A potential's first entry in a search: its node, or in a static search, where each
    // potential follows from one other, its complexity.
    int Seed(Potential potential) {
        return UsesPool() ? m_pool.Add(potential, Cause::Assumed, -1) : 1;
    }

    std::optional<std::pair<int, int>> Chain(Derived& toOn, Derived& toOff) {
        return UsesPool() ? DynamicChain(toOn, toOff) : StaticChain(toOn, toOff);
    }

    // The same, on the step's grid, which doesn't change: what a potential leads to is known
    // beforehand, and its complexity is one more than that of what it follows from.
    std::optional<std::pair<int, int>> StaticChain(Derived& toOn, Derived& toOff) {
        m_pendingOn.assign(toOn.Order().begin(), toOn.Order().end());
        m_pendingOff.assign(toOff.Order().begin(), toOff.Order().end());
        std::size_t nextOn = 0;
        std::size_t nextOff = 0;
        while (nextOn < m_pendingOn.size() || nextOff < m_pendingOff.size()) {
            const bool on = nextOn < m_pendingOn.size();
            const Potential potential = on ? m_pendingOn[nextOn++] : m_pendingOff[nextOff++];
            Derived& from = on ? toOn : toOff;
            Derived& to = on ? toOff : toOn;
            std::vector<Potential>& pending = on ? m_pendingOff : m_pendingOn;
            const int complexity = from.NodeOf(potential) + 1;
            for (const auto nexts : {m_links.ByCell(potential), m_links.ByRegion(potential)}) {
                for (const StaticLinks::Next& next : nexts) {
                    if (from.Has(Opposite(next.potential))) {
                        const int opposite = from.NodeOf(Opposite(next.potential));
                        return on ? std::pair(opposite, complexity)
                                  : std::pair(complexity, opposite);
                    }
                    if (!to.Has(next.potential)) {
                        to.Add(next.potential, complexity);
                        pending.push_back(next.potential);
                    }
                }
            }
        }
        return std::nullopt;
    }

    std::optional<std::pair<int, int>> DynamicChain(Derived& toOn, Derived& toOff) {
        m_work = m_grid;
        const Links links{!Nishio(), true};
        Queue& pendingOn = m_queueOn;
        Queue& pendingOff = m_queueOff;
        pendingOn.clear();
        pendingOff.clear();
        for (const Potential potential : toOn.Order()) {
            pendingOn.push_back(toOn.NodeOf(potential));
        }
        for (const Potential potential : toOff.Order()) {
            pendingOff.push_back(toOff.NodeOf(potential));
        }
        while (!pendingOn.empty() || !pendingOff.empty()) {
            if (!pendingOn.empty()) {
                const int node = pendingOn.front();
                pendingOn.pop_front();
                // What the implication steps make is new, and made once.
                OnToOff(m_work, toOff, m_pool, node, links, m_out);
                for (const int off : m_out) {
                    const Potential potential = m_pool.At(off).potential;
                    if (toOn.Has(Opposite(potential))) {
                        return std::pair(toOn.NodeOf(Opposite(potential)), off);
                    }
                    toOff.AddNew(potential, off);
                    pendingOff.push_back(off);
                }
            } else {
                const int node = pendingOff.front();
                pendingOff.pop_front();
                OffToOn(m_work, m_grid, toOff, toOn, m_pool, node, links, m_out);
                if (Dynamic()) {
                    const Potential potential = m_pool.At(node).potential;
                    m_work.Remove(CellOf(potential), DigitOf(potential));
                }
                for (const int on : m_out) {
                    const Potential potential = m_pool.At(on).potential;
                    if (toOff.Has(Opposite(potential))) {
                        return std::pair(on, toOff.NodeOf(Opposite(potential)));
                    }
                    toOn.AddNew(potential, on);
                    pendingOn.push_back(on);
                }
            }
            if (Level() > 0 && pendingOn.empty() && pendingOff.empty()) {
                Advance(toOff, pendingOff);
            }
        }
        return std::nullopt;
    }

    double RuleDifficulty(int complexity) const { return Base() + LengthDifficulty(complexity); }

    Technique Kind(Technique staticKind, Technique dynamicKind) const {
        if (Level() > 0) {
            return LevelTechnique();
        }
        return m_rule == ChainRule::MultipleForcingChains ? staticKind : dynamicKind;
    }

    void OfferBinary(int dstOn, int dstOff, Potential result, bool absurd) {
        if (!Worth(result)) {
            return;
        }
        const Technique technique = Level() > 0 ? LevelTechnique()
                                    : Nishio()  ? Technique::NishioForcingChain
                                    : absurd    ? Technique::DynamicContradictionChain
                                                : Technique::DynamicDoubleForcingChain;
        const std::array<int, 2> targets = {dstOn, dstOff};
        OfferChains({0.0, 0, absurd ? kAbsurd : kDouble, technique, result}, targets,
                    Cause::Assumed);
    }

    // Each candidate of every cell assumed on and off: contradictions, what both lead to, and
    // with the outcomes of the cell's other candidates and of the digit's other places in a
    // region, what every one of them leads to.
    void Multiple() {
        if (!Dynamic()) {
            BuildReach({true, true});
        }
        if (Nishio()) {
            m_places.Build(m_grid);
        }
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const unsigned candidates = m_grid.candidates[cell];
            const int count = Bits::Count(candidates);
            if (!(count > 2 || (count > 1 && Dynamic()))) {
                continue;
            }
            if (!UsesPool()) {
                m_pool.Clear();
            }
            const bool reductions =
                !Nishio() && (count == 2 || (MultipleEnabled() && count > 2)) &&
                MayMeet(candidates, [cell](int digit) { return PotentialOf(cell, digit, true); });
            for (const int digit : Bits::Indices(candidates)) {
                // A static search leads nowhere that both polarities don't, so it is followed
                // only for the cell and regions whose chains can meet.
                if (!Dynamic() && !reductions && !RegionsMayMeet(cell, digit)) {
                    continue;
                }
                // Nishio offers only contradictions, which its digit's places alone tell.
                if (Nishio() && !m_places.Contradicts(cell, digit, true) &&
                    !m_places.Contradicts(cell, digit, false)) {
                    continue;
                }
                const OnChainOf& known =
                    Binary(cell, digit, count >= 3 && !Nishio() && Dynamic(), Dynamic());
                m_valueChains[static_cast<std::size_t>(digit)] = &known;
                if (!Nishio()) {
                    Regions(cell, digit, known);
                }
            }
            if (reductions) {
                CellReductions(candidates);
            }
        }
    }

    // Whether the "on" chains from a set of candidates, one for each bit of `bits`, can have a
    // conclusion in common: always in a dynamic search; in a static one, as far as the step's
    // reach tells.
    template <typename OnOf>
    bool MayMeet(unsigned bits, OnOf onOf) const {
        if (Dynamic()) {
            return true;
        }
        std::array<Potential, kSize> sources{};
        std::size_t count = 0;
        for (const int bit : Bits::Indices(bits)) {
            sources[count++] = onOf(bit);
        }
        return m_reach.MayMeet(std::span(sources).first(count));
    }

    // The positions of the digit in the cell's region of that kind when the region is one a
    // region forcing chain is looked for in, from its first position; none otherwise.
    unsigned RegionUnit(int cell, int digit, std::size_t kind) const {
        const GridGeometry::Place& place = kPlacesOfCell[cell][kind];
        const unsigned positions = m_grid.positions[place.region][digit];
        const int count = Bits::Count(positions);
        if (!(count == 2 || (MultipleEnabled() && count > 2)) ||
            kCellsOfRegion[place.region][Bits::Lowest(positions)] != cell) {
            return 0;
        }
        return positions;
    }

    bool RegionMayMeet(int region, int digit, unsigned positions) const {
        return MayMeet(positions, [&](int position) {
            return PotentialOf(kCellsOfRegion[region][position], digit, true);
        });
    }

    bool RegionsMayMeet(int cell, int digit) const {
        for (std::size_t kind = 0; kind < kPlacesOfCell[cell].size(); ++kind) {
            const unsigned positions = RegionUnit(cell, digit, kind);
            if (positions != 0 &&
                RegionMayMeet(kPlacesOfCell[cell][kind].region, digit, positions)) {
                return true;
            }
        }
        return false;
    }

    // What a candidate assumed on leads to. A step assumes each on once for its cell and again
    // for each region where it is one of the digit's places, so a chain is followed once and then
    // read back: its complexities in a static chain, its nodes on the pool, which keeps every
    // node for the step, in a dynamic one.
    const OnChainOf& OnChain(Potential on) {
        OnChainOf& known = m_onChains[static_cast<std::size_t>(on / 2)];
        if (known.generation != m_onChainGeneration) {
            known.generation = m_onChainGeneration;
            m_chainToOn.Clear();
            m_chainToOff.Clear();
            m_chainToOn.Add(on, Seed(on));
            known.absurd = Chain(m_chainToOn, m_chainToOff);
            known.toOn.Keep(m_chainToOn);
            known.toOff.Keep(m_chainToOff);
        }
        return known;
    }

    const OnChainOf& Binary(int cell, int digit, bool doubles, bool contradictions) {
        const Potential on = PotentialOf(cell, digit, true);
        const Potential off = Opposite(on);
        const OnChainOf& known = OnChain(on);
        const KeptDerived& onToOn = known.toOn;
        const KeptDerived& onToOff = known.toOff;
        std::optional<std::pair<int, int>> absurd = known.absurd;
        if (contradictions && absurd) {
            OfferBinary(absurd->first, absurd->second, off, true);
        }
        if (!doubles && !contradictions) {
            return known;
        }
        m_offToOn.Clear();
        m_offToOff.Clear();
        m_offToOff.Add(off, Seed(off));
        absurd = Chain(m_offToOn, m_offToOff);
        if (contradictions && absurd) {
            OfferBinary(absurd->first, absurd->second, on, true);
        }
        if (!doubles) {
            return known;
        }
        for (const Potential potential : onToOn.Order()) {
            if (m_offToOn.Has(potential)) {
                OfferBinary(onToOn.NodeOf(potential), m_offToOn.NodeOf(potential), potential,
                            false);
            }
        }
        for (const Potential potential : onToOff.Order()) {
            if (m_offToOff.Has(potential)) {
                OfferBinary(onToOff.NodeOf(potential), m_offToOff.NodeOf(potential), potential,
                            false);
            }
        }
        return known;
    }

    // The potentials every outcome has, in the order the first has them, each offered with the
    // sum of its complexities in all of them.
    template <typename Outcomes>
    void OfferCommon(const Outcomes& outcomes, std::size_t count, int sortKey, Technique technique,
                     Cause assumed) {
        KeptDerived::Words common = outcomes[0]->AsBits();
        for (std::size_t k = 1; k < count; ++k) {
            const KeptDerived::Words& words = outcomes[k]->AsBits();
            for (std::size_t word = 0; word < common.size(); ++word) {
                common[word] &= words[word];
            }
        }
        std::uint64_t any = 0;
        for (const std::uint64_t word : common) {
            any |= word;
        }
        if (any == 0) {
            return;
        }
        for (const Potential potential : outcomes[0]->Order()) {
            const bool shared =
                (common[static_cast<std::size_t>(potential) / 64] >> (potential % 64) & 1U) != 0;
            if (!shared || !Worth(potential)) {
                continue;
            }
            std::array<int, kSize> targets{};
            for (std::size_t k = 0; k < count; ++k) {
                targets[k] = outcomes[k]->NodeOf(potential);
            }
            OfferChains({0.0, 0, sortKey, technique, potential}, std::span(targets).first(count),
                        assumed);
        }
    }

    void Regions(int cell, int digit, const OnChainOf& known) {
        for (std::size_t kind = 0; kind < kPlacesOfCell[cell].size(); ++kind) {
            const GridGeometry::Place& place = kPlacesOfCell[cell][kind];
            const unsigned positions = RegionUnit(cell, digit, kind);
            if (positions == 0 || !RegionMayMeet(place.region, digit, positions)) {
                continue;
            }
            std::array<const KeptDerived*, kSize> toOn{};
            std::array<const KeptDerived*, kSize> toOff{};
            std::size_t at = 0;
            for (const int position : Bits::Indices(positions)) {
                const int other = kCellsOfRegion[place.region][position];
                const OnChainOf& chain =
                    other == cell ? known : OnChain(PotentialOf(other, digit, true));
                toOn[at] = &chain.toOn;
                toOff[at] = &chain.toOff;
                ++at;
            }
            const Technique technique =
                Kind(Technique::RegionForcingChain, Technique::DynamicRegionForcingChain);
            OfferCommon(toOn, at, kRegionKind, technique, kRegionCauses[kind]);
            OfferCommon(toOff, at, kRegionKind, technique, kRegionCauses[kind]);
        }
    }

    void CellReductions(unsigned candidates) {
        std::array<const KeptDerived*, kSize> toOn{};
        std::array<const KeptDerived*, kSize> toOff{};
        std::size_t at = 0;
        for (const int digit : Bits::Indices(candidates)) {
            toOn[at] = &m_valueChains[static_cast<std::size_t>(digit)]->toOn;
            toOff[at] = &m_valueChains[static_cast<std::size_t>(digit)]->toOff;
            ++at;
        }
        const Technique technique =
            Kind(Technique::CellForcingChain, Technique::DynamicCellForcingChain);
        OfferCommon(toOn, at, kCellKind, technique, Cause::Cell);
        OfferCommon(toOff, at, kCellKind, technique, Cause::Cell);
    }

    Step BuildStep(const Ranked& offer) const {
        Step step(offer.technique);
        step.complexity = offer.complexity;
        if (offer.result < 0) {
            for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
                unsigned digits = 0;
                for (int digit = 0; digit < kSize; ++digit) {
                    digits |= m_bestCycleRemovals[static_cast<std::size_t>(digit)].Has(cell)
                                  ? 1U << digit
                                  : 0U;
                }
                if (digits != 0) {
                    step.removals.push_back({cell, digits});
                }
            }
            return step;
        }
        const int cell = CellOf(offer.result);
        const unsigned digit = 1U << DigitOf(offer.result);
        if (IsOn(offer.result)) {
            step.removals.push_back({cell, m_grid.candidates[cell] & ~digit});
            step.placements.push_back({cell, DigitOf(offer.result)});
        } else {
            step.removals.push_back({cell, digit});
        }
        return step;
    }

    struct Collected {
        Ranked ranked;
        RuleHint hint;
    };
    struct NestedChain {
        std::uint64_t key;
        int complexity;
    };

    ChainRule m_rule = ChainRule::CyclesAndForcingChains;
    // Whether the search keeps every hint, as a rule inside a chain, rather than the best.
    bool m_collect = false;
    std::vector<Collected> m_collected;
    std::vector<int> m_removalSlots;
    std::vector<Potential> m_removalSets;
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> m_removalSpans;
    Derived m_ruleParents;
    std::vector<Potential> m_singlesParents;
    Decided m_decided;
    // The chains nested in the pool's advanced nodes, and those met while measuring a hint.
    std::vector<NestedChain> m_nested;
    std::vector<std::uint64_t> m_nestedMet;
    std::vector<int> m_measureLayer;
    std::vector<int> m_measureNext;
    std::vector<RuleHint> m_ruleHints;
    std::unique_ptr<Search> m_inner;
    // The chains followed from each candidate assumed on, in this run when of its generation,
    // and those of a cell's candidates in turn.
    std::array<OnChainOf, kPotentials / 2> m_onChains{};
    std::array<const OnChainOf*, kSize> m_valueChains{};
    std::uint32_t m_onChainGeneration = 0;
    struct NestedHintsOf {
        ChainRule rule;
        std::array<unsigned, GridGeometry::kCells> grid;
        Decided decided;
        std::vector<RuleHint> hints;
    };
    static constexpr std::size_t kNestedHintsKept = 1 << 14;
    std::unordered_map<std::uint64_t, NestedHintsOf> m_nestedHints;
    // A forcing chain's search: what each potential came from, and a chain from end to start.
    std::array<Potential, kPotentials> m_cameFrom{};
    std::vector<Potential> m_path;
    Grid m_grid;
    Grid m_work;
    Pool m_pool;
    // The "off" potentials of a cycle's search that turned some potential on first.
    Marks m_spawned;
    Derived m_offToOn;
    Derived m_offToOff;
    // Where a chain from a candidate assumed on is followed before it is kept.
    Derived m_chainToOn;
    Derived m_chainToOff;
    Nodes m_out;
    // A dynamic chain's potentials still to follow.
    Queue m_queueOn;
    Queue m_queueOff;
    std::vector<Potential> m_pendingOn;
    std::vector<Potential> m_pendingOff;
    StaticLinks m_links;
    StaticReach m_reach;
    LoopLinks m_loopLinks;
    std::optional<std::array<unsigned, GridGeometry::kCells>> m_linksGrid;
    std::optional<Links> m_reachKinds;
    // The cells of each digit on the grid of the links.
    std::array<CellMask, kSize> m_cellsOf{};
    // By digit, its cells when a search for X loops and X forcing chains last found nothing: a
    // digit whose cells are the same now gives nothing again.
    std::optional<std::array<DigitCells, kSize>> m_fruitlessX;
    DigitPlaces m_places;
    // A cycle's search: the "on" potentials reached, each with the "off" it came from and the "on"
    // that came from; the layers; the loops closed, each by its last "off" and where that came
    // from; and a loop's potentials.
    Marks m_onSeen;
    std::array<Potential, kPotentials> m_onOff{};
    std::array<Potential, kPotentials> m_onOn{};
    std::vector<Potential> m_onLayer;
    std::vector<std::pair<Potential, Potential>> m_offLayer;
    std::vector<std::pair<Potential, Potential>> m_found;
    // The "off" potentials of a layer followed already, and how many links lead from each to the
    // source.
    Marks m_offFollowed;
    std::array<int, kPotentials> m_closings{};
    std::vector<Potential> m_loop;
    Marks m_seen;
    std::vector<Potential> m_layer;
    std::vector<Potential> m_next;
    std::vector<std::pair<Potential, int>> m_chains;
    std::optional<Ranked> m_best;
    // Hints at least as difficult as this are not looked for.
    std::optional<Ranked> m_bound;
    std::array<CellMask, kSize> m_cycleRemovals{};
    std::array<CellMask, kSize> m_bestCycleRemovals{};
};

ExplainerChains::ExplainerChains() : m_search(std::make_unique<Search>()) {}

ExplainerChains::~ExplainerChains() = default;

std::optional<ChainHint> ExplainerChains::Find(const Board& board, ChainRule rule) {
    return m_search->Find(board, rule);
}

}  // namespace Novem::Ladder
