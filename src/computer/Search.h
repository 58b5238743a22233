#pragma once

#include "computer/Board.h"

#include <array>
#include <cstdint>
#include <vector>

namespace computer {

// Small, fast and fully specified random source (splitmix64): the same seed
// gives the same decisions on every machine and library.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number in [0, n), n > 0.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t m_state;
};

// Everything the search plays with: the board and the cards both players
// still hold. Hands are indexed by player - 1; a set bit of `held` is a card
// still in hand.
struct Deal {
    Board board;
    std::array<std::array<Card, 5>, 2> hand{};
    std::array<unsigned, 2> held{};
};

// A move of the search: hand slot 0..4 and square 0..8.
struct Step {
    std::int8_t slot = -1;
    std::int8_t square = -1;
};

// Negamax with alpha-beta and a transposition table over the hand in play.
// A value is, for the player to move, the points he scores from here to the
// end of the hand minus the points his opponent scores; past the search depth
// the rest of the hand counts as even. The node budget keeps a decision
// quick (it counts placements tried): when a search would pass it, it stops
// and says so, and the caller
// keeps the result of the last search that finished.
class Search {
  public:
    Search(Rule rule, long nodeBudget);

    struct Scored {
        Step step;
        int value = 0;
    };

    // Every distinct move of `player` (identical cards in hand count once),
    // or only those of `only` when it is given, with its value, searched
    // `depth` plies deep (the first ply included). Returns false when the
    // node budget ran out first.
    bool valueEachMove(const Deal& deal, int player, int depth, std::vector<Scored>& out,
                       const std::vector<Step>* only = nullptr);
    // The best move of `player` and its value, searched `depth` plies deep.
    bool bestMove(const Deal& deal, int player, int depth, Scored& out);

    long nodes() const { return m_nodes; }
    void setBudget(long nodeBudget) { m_budget = nodeBudget; }

    // Plies left until the hand ends: the cards both players still hold,
    // bounded by the free squares.
    static int pliesLeft(const Deal& deal, int player);

  private:
    struct Entry {
        std::uint64_t key = 0;
        std::int16_t value = 0;
        std::int8_t depth = -1;
        std::uint8_t bound = 0;
        std::int8_t slot = -1;
        std::int8_t square = -1;
    };
    struct Child {
        Step step;
        int gain = 0;
    };

    int negamax(Deal& deal, int player, int alpha, int beta, int depth, int ply);
    void children(const Deal& deal, int player, std::vector<Child>& out);
    // The last ply of a search: the largest immediate gain.
    int bestGain(const Deal& deal, int player);
    std::uint64_t key(const Deal& deal, int player) const;

    Rule m_rule;
    long m_budget;
    long m_nodes = 0;
    bool m_stopped = false;
    std::vector<Entry> m_table;
    std::vector<std::vector<Child>> m_childLists;
};

} // namespace computer
