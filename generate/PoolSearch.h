#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_set>
#include <vector>

#include "Generator.h"

namespace Novem::Generate {

// The puzzles of one run, in order. Candidate k comes from a seed of its own, S for the first: a
// random puzzle, or one near a puzzle already kept when random ones rarely meet the target (near
// the closest so far while none does), as the rounds before it decided. The workers make and rate
// a round's candidates side by side, and the round is read in order, so a run gives the same
// puzzles for any number of workers, and its first puzzles are those of a shorter run. Given
// puzzles to start from (or, for a target random puzzles don't reach, the hard seeds), every
// candidate is made near them or near the puzzles made since, and none of them is given again.
class PoolSearch {
public:
    PoolSearch(Target target, std::uint64_t seed, unsigned workers, std::vector<Made> like = {});
    PoolSearch(const PoolSearch&) = delete;
    PoolSearch& operator=(const PoolSearch&) = delete;
    ~PoolSearch();

    // The next puzzle that meets the target and was not given before; none once `stop` is set.
    std::optional<Generated> Next(const std::atomic<bool>& stop);
    // The candidates made so far, as they are made.
    std::uint64_t Tries() const { return m_tries.load(std::memory_order_relaxed); }

private:
    struct Candidate {
        std::uint64_t seed = 0;
        // Made near this one, or at random.
        std::optional<Made> parent;
        // Rated only when the ladder's level can meet the target: once there are puzzles to make
        // others near, the closeness of the others no longer counts.
        bool quick = false;
        std::optional<Made> made;
        Analysis::PuzzleResult analysis;
        bool meets = false;
    };
    struct Scored {
        Made made;
        long score = 0;
    };

    void Work();
    void Make(Generator& generator, Candidate& candidate);
    void PlanRound();
    void ReadRound();
    long Score(const Analysis::PuzzleResult& analysis) const;

    Target m_target;
    std::uint64_t m_seed;
    std::uint64_t m_planned = 0;
    int m_rounds = 0;
    // Random candidates made, and how many met the target.
    std::uint64_t m_random = 0;
    std::uint64_t m_randomMet = 0;
    // The latest puzzles kept, and while there are none, the closest to the target so far.
    std::vector<Made> m_pool;
    bool m_onlyNear;
    std::size_t m_poolNext = 0;
    std::vector<Scored> m_closest;
    std::unordered_set<std::string> m_given;
    std::deque<Generated> m_ready;

    std::vector<Candidate> m_round;
    const std::atomic<bool>* m_stop = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_started;
    std::condition_variable m_finished;
    std::uint64_t m_roundNumber = 0;
    std::atomic<std::size_t> m_nextCandidate = 0;
    unsigned m_working = 0;
    bool m_quit = false;
    std::atomic<std::uint64_t> m_tries = 0;
    std::vector<std::thread> m_threads;
};

}  // namespace Novem::Generate
