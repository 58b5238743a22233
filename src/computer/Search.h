#pragma once

#include "computer/Board.h"

#include <array>
#include <cstdint>
#include <memory>
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
    bool operator==(const Step&) const = default;
};

// Positions already valued, shared by the searches of one decision (also by
// two threads at once: each entry is two words written without a lock, and an
// entry whose words do not belong together is read as absent). A new
// generation forgets every entry without touching the memory.
class Table {
  public:
    static constexpr int DefaultBits = 17;
    explicit Table(int bits = DefaultBits);

    // What is known of one position.
    struct Entry {
        int value = 0;
        int bound = 0; // Exact, Lower or Upper
        int depth = 0; // plies searched below the position
        int move = -1; // the best move found: card * 9 + square
    };
    enum Bound { Exact = 1, Lower = 2, Upper = 3 };

    void newGeneration();
    bool probe(std::uint64_t key, Entry& out) const;
    // Starts fetching `key`'s entry from memory, for a probe soon after.
    void prefetch(std::uint64_t key) const;
    void store(std::uint64_t key, const Entry& entry);

  private:
    struct Free {
        void operator()(std::uint64_t* words) const;
    };
    std::unique_ptr<std::uint64_t[], Free> m_words;
    std::uint64_t m_bucketMask = 0;
    std::uint64_t m_generation = 0;
};

// Negamax with alpha-beta over the hand in play, from one position. A value
// is, for the player to move, the points he scores from here to the end of
// the hand minus the points his opponent scores; past the search depth the
// rest of the hand counts as even, or as the cards left open to be taken say
// (`setHorizon`). The position is held in a compact form
// (each card an index, the owners a bit mask, the whole position one exact
// 64-bit key): equal cards are one card to the search, so the moves of a hand
// holding two equal cards are tried once and positions that differ only by
// which of two equal cards lies on a square are valued once.
class Search {
  public:
    static constexpr int Infinity = 30000;

    Search(const Deal& deal, int player, Rule rule, Table& table);

    struct Scored {
        Step step;
        int value = 0;
    };

    // Every distinct move of the player to move, in the order the search
    // tries them, with its immediate gain as the value.
    std::vector<Scored> moves();
    // The value of `step` searched `depth` plies deep (the move included),
    // fail-soft within (alpha, beta): a value at or below alpha is an upper
    // bound, one at or above beta a lower bound.
    int valueOf(const Step& step, int depth, int alpha = -Infinity, int beta = Infinity);
    // Puts `moves` in order of their values searched `depth` plies deep, the
    // best first (values below the best are bounds only).
    void rank(std::vector<Scored>& moves, int depth);

    // Plies until the hand ends from the root.
    int plies() const;
    // Placements tried so far.
    long nodes() const { return m_nodes; }
    // A search that has tried `nodes` placements (counted from the start of
    // this object) tries no more, stops and says so; 0 for no limit.
    void setBudget(long nodes) { m_budget = nodes; }
    bool stopped() const { return m_stopped; }
    // How the search values a position at its depth, short of the end of
    // the hand: with 0 (the default) the rest of the hand counts as even;
    // above 0, every card beside a free square where a card still held by
    // the other player would take it counts `percent` % of its points
    // against its owner. The same for the whole life of the search.
    void setHorizon(int percent) { m_horizon = percent; }

    // Plies left until the hand ends: the cards both players still hold,
    // bounded by the free squares.
    static int pliesLeft(const Deal& deal, int player);

  private:
    struct Child {
        std::int8_t card;
        std::int8_t square;
        std::int16_t gain;
        std::uint16_t taken; // the squares the placement takes
        int order;
    };
    struct Children {
        std::array<Child, 45> list;
        int count = 0;
    };
    struct Undo {
        std::uint64_t key;
        unsigned occupied, blue;
        std::array<unsigned, 2> held;
    };

    bool outOfBudget() {
        if (m_budget > 0 && m_nodes >= m_budget)
            m_stopped = true;
        return m_stopped;
    }
    int negamax(int player, int alpha, int beta, int depth, int ply);
    // The value of the position past the search depth, for the player to
    // move: the points of the other's cards that one card still held could
    // take, less those of his own, times the horizon's share.
    int horizonValue(int player) const;
    // The value one ply before the horizon: the best of gain less the
    // horizon's value after it, or the first at or above `beta`.
    int lastBeforeHorizon(int player, int beta);
    // The largest gain of one placement, or the first found at or above
    // `enough`.
    int bestGain(int player, int enough);
    // The value with two plies left: this placement and the other's answer.
    int lastTwo(int player, int alpha, int beta);
    // The points `player` scores by placing `card` on the free `square`, and
    // the squares he takes.
    [[gnu::always_inline]] int gainOf(int square, int card, int player, unsigned& taken) const;
    int play(int square, int card, int player, Undo& undo);
    void takeBack(const Undo& undo);
    int pliesLeft(int player) const;
    // The key of the position in the table.
    std::uint64_t tableKey() const;
    std::uint64_t tableKey(std::uint64_t key, unsigned occupied) const;
    // The key of the position after `child`, placed by `player`.
    std::uint64_t childKey(const Child& child, int player) const;

    // The distinct cards `player` may play: bit n for card n.
    unsigned playable(int player) const { return m_playable[player - 1][m_held[player - 1]]; }
    void children(int player, int ttMove, int ply, Children& out);

    Rule m_rule;
    Table& m_table;
    int m_root;
    long m_nodes = 0;
    long m_budget = 0;
    bool m_stopped = false;
    int m_horizon = 0;

    // Cards 0..4 are player 1's hand slots, 5..9 player 2's, 10.. those on
    // the board when the search began.
    static constexpr int MaxCards = 20;
    int m_cardCount = 10;
    std::array<int, MaxCards> m_points{};
    std::array<int, MaxCards> m_kind{};
    std::array<std::array<int, 4>, MaxCards> m_edge{};
    // Bit `side` of m_beats[a][b]: card a, acting through `side`, takes card b.
    std::array<std::array<std::uint8_t, MaxCards>, MaxCards> m_beats{};

    std::array<std::int8_t, 9> m_cardAt{};
    unsigned m_occupied = 0;
    unsigned m_blue = 0; // squares owned by player 2
    std::array<unsigned, 2> m_held{};
    std::uint64_t m_key = 0;
    std::array<std::array<unsigned, 32>, 2> m_playable{};

    std::vector<Children> m_childLists;
    // How often a placement refuted a move, weighted by depth; and the last
    // two that did at each ply.
    std::array<std::array<int, 9>, 10> m_history{};
    std::array<std::array<int, 2>, 16> m_killer{};
};

// The best move of `player` and its exact value to the end of the hand, the
// root's moves shared out over `threads` threads. Among moves of equal value
// the first in the search's own order is chosen, so the answer does not
// depend on the number of threads or on their timing. `nodes`, when given,
// receives the placements tried.
Search::Scored solve(const Deal& deal, int player, Rule rule, int threads = 2,
                     long* nodes = nullptr);

} // namespace computer
