#include "PoolSearch.h"

#include <algorithm>
#include <string>
#include <utility>

#include "HardSeeds.h"
#include "Random.h"

namespace Novem::Generate {

namespace {

// Rounds grow to this many candidates, so that a short run makes few beyond what it needs.
constexpr std::size_t kLargestRound = 64;
// The latest puzzles kept to make others near, and the closest kept while the target is unmet.
constexpr std::size_t kPoolSize = 256;
constexpr std::size_t kClosestSize = 8;
// A target random candidates meet less than once in this many is searched for near those that do.
constexpr std::uint64_t kRareTarget = 64;
// Random candidates tried before searching near the closest ones.
constexpr std::uint64_t kRandomBeforeClimbing = 256;
// Candidate k's seed is S + k times this: odd, so every candidate has a seed of its own, and far
// from the generator's own step, so that runs from seeds next to each other share no candidates.
constexpr std::uint64_t kSeedStep = 0xD1B54A32D192ED03ULL;

}  // namespace

PoolSearch::PoolSearch(Target target, std::uint64_t seed, unsigned workers, std::vector<Made> like)
    : m_target(std::move(target)),
      m_seed(seed),
      m_pool(like.empty() && NeedsHardSeeds(m_target) ? HardSeeds(m_target) : std::move(like)),
      m_onlyNear(!m_pool.empty()) {
    for (const Made& made : m_pool) {
        m_given.emplace(made.puzzle.begin(), made.puzzle.end());
    }
    for (unsigned index = 0; index < std::max(1U, workers); ++index) {
        m_threads.emplace_back(&PoolSearch::Work, this);
    }
}

PoolSearch::~PoolSearch() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_started.notify_all();
    for (std::thread& thread : m_threads) {
        thread.join();
    }
}

std::optional<Generated> PoolSearch::Next(const std::atomic<bool>& stop) {
    while (m_ready.empty()) {
        PlanRound();
        std::unique_lock lock(m_mutex);
        m_stop = &stop;
        m_nextCandidate = 0;
        m_working = static_cast<unsigned>(m_threads.size());
        ++m_roundNumber;
        m_started.notify_all();
        m_finished.wait(lock, [&] { return m_working == 0; });
        if (stop.load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        ReadRound();
    }
    Generated next = std::move(m_ready.front());
    m_ready.pop_front();
    return next;
}

void PoolSearch::Work() {
    Generator generator(m_target);
    std::uint64_t done = 0;
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_started.wait(lock, [&] { return m_quit || m_roundNumber != done; });
            if (m_quit) {
                return;
            }
            done = m_roundNumber;
        }
        for (std::size_t index = m_nextCandidate++; index < m_round.size();
             index = m_nextCandidate++) {
            if (!m_stop->load(std::memory_order_relaxed)) {
                Make(generator, m_round[index]);
            }
        }
        const std::lock_guard lock(m_mutex);
        if (--m_working == 0) {
            m_finished.notify_all();
        }
    }
}

void PoolSearch::Make(Generator& generator, Candidate& candidate) {
    candidate.made = candidate.parent ? generator.Near(*candidate.parent, candidate.seed)
                                      : generator.Random(candidate.seed);
    if (candidate.made && !(candidate.quick && generator.MissesLevel(candidate.made->puzzle))) {
        candidate.analysis = generator.Rate(candidate.made->puzzle);
        candidate.meets = generator.Meets(candidate.analysis);
    }
    m_tries.fetch_add(1, std::memory_order_relaxed);
}

// A candidate is made near a kept puzzle when random ones meet the target less than once in 64
// (one in eight stays random, to find puzzles of other kinds); a commoner target keeps the
// variety of random puzzles; while none is kept, near the
// closest ones, three in four, once random ones have had their chance.
void PoolSearch::PlanRound() {
    m_round.assign(std::min(kLargestRound, std::size_t{1} << std::min(m_rounds++, 6)), {});
    for (Candidate& candidate : m_round) {
        candidate.seed = m_seed + m_planned++ * kSeedStep;
        candidate.quick = !m_pool.empty();
        Random choice(~candidate.seed);
        const int roll = choice.Below(8);
        if (!m_pool.empty() && (m_onlyNear || m_randomMet * kRareTarget < m_random)) {
            if (roll != 0 || m_onlyNear) {
                candidate.parent =
                    m_pool[static_cast<std::size_t>(choice.Below(static_cast<int>(m_pool.size())))];
            }
        } else if (m_pool.empty() && !m_closest.empty() && m_random >= kRandomBeforeClimbing &&
                   roll >= 2) {
            candidate.parent = m_closest[static_cast<std::size_t>(
                                             choice.Below(static_cast<int>(m_closest.size())))]
                                   .made;
        }
    }
}

void PoolSearch::ReadRound() {
    for (Candidate& candidate : m_round) {
        if (!candidate.parent) {
            ++m_random;
            m_randomMet += candidate.meets ? 1 : 0;
        }
        if (!candidate.made || !candidate.analysis.rating) {
            continue;
        }
        const Made& made = *candidate.made;
        if (candidate.meets) {
            if (!m_given.emplace(made.puzzle.begin(), made.puzzle.end()).second) {
                continue;
            }
            m_ready.push_back(
                {made.puzzle, std::move(candidate.analysis),
                 candidate.parent ? std::nullopt : std::optional<std::uint64_t>(candidate.seed)});
            if (m_pool.size() < kPoolSize) {
                m_pool.push_back(made);
            } else {
                m_pool[m_poolNext++ % kPoolSize] = made;
            }
        } else if (m_pool.empty() &&
                   // Only a lowest level or rating brings some puzzles closer than others.
                   (m_target.lowestLevel > Ladder::Level::SinglesOnly ||
                    m_target.lowestRating > 0)) {
            const long score = Score(candidate.analysis);
            const bool known =
                std::any_of(m_closest.begin(), m_closest.end(),
                            [&](const Scored& s) { return s.made.puzzle == made.puzzle; });
            if (known || (m_closest.size() == kClosestSize && score <= m_closest.back().score)) {
                continue;
            }
            if (m_closest.size() == kClosestSize) {
                m_closest.pop_back();
            }
            const auto place =
                std::upper_bound(m_closest.begin(), m_closest.end(), score,
                                 [](long value, const Scored& s) { return value > s.score; });
            m_closest.insert(place, {made, score});
        }
    }
}

// Higher is closer: the levels, then the tenths of rating, the puzzle lies outside the target;
// below its lowest level, a higher rating is closer too.
long PoolSearch::Score(const Analysis::PuzzleResult& analysis) const {
    const Ladder::Rating& rating = *analysis.rating;
    const long level = static_cast<long>(rating.level);
    const long lowest = static_cast<long>(m_target.lowestLevel);
    const long highest = static_cast<long>(m_target.highestLevel);
    const long levels = level < lowest ? lowest - level : level > highest ? level - highest : 0;
    const long tenths = rating.er < m_target.lowestRating    ? m_target.lowestRating - rating.er
                        : rating.er > m_target.highestRating ? rating.er - m_target.highestRating
                                                             : 0;
    return -(levels * 1000 + tenths) * 1000 + (level < lowest ? rating.er : 0);
}

}  // namespace Novem::Generate
