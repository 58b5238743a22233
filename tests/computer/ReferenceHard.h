#pragma once

#include "computer/Board.h"
#include "computer/Computer.h"
#include "computer/Search.h"
#include "computer/Tournament.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

// The hard level as it played before its search was rebuilt, kept unchanged
// as a fixed opponent for the tournament: its strength is the yardstick the
// new hard level is measured by. The game never offers it.
namespace reference {

using computer::Board;
using computer::Card;
using computer::Deal;
using computer::Decision;
using computer::edgeOn;
using computer::Move;
using computer::points;
using computer::Position;
using computer::Rng;
using computer::Rule;
using computer::Step;

struct Settings {
    int closedHandSamples = 12;
    int closedHandCandidates = 10;
    long nodeBudget = 500'000;
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

namespace detail {

inline constexpr int Infinity = 30000;
inline constexpr int TableBits = 18;
inline constexpr int MaxPlies = 12;

enum Bound : std::uint8_t { None = 0, Exact = 1, Lower = 2, Upper = 3 };

inline std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    x ^= x >> 33;
    return x;
}

// The four edges, 16 bits each: every edge a 16-bit game value can hold.
inline std::uint64_t code(const Card& card) {
    return std::uint64_t(std::uint16_t(card.north)) |
           std::uint64_t(std::uint16_t(card.east)) << 16 |
           std::uint64_t(std::uint16_t(card.south)) << 32 |
           std::uint64_t(std::uint16_t(card.west)) << 48;
}

// A card at a place: a square with its owner, or a player's hand.
inline std::uint64_t term(const Card& card, int place) {
    return mix(code(card) ^ mix(0x5851F42D4C957F2Dull * std::uint64_t(place + 1)));
}

inline int freeSquares(const Board& board) {
    int count = 0;
    for (int o : board.owner)
        count += o == 0;
    return count;
}

} // namespace detail

using namespace detail;

inline Search::Search(Rule rule, long nodeBudget)
    : m_rule(rule), m_budget(nodeBudget), m_table(std::size_t(1) << TableBits),
      m_childLists(MaxPlies) {}

inline int Search::pliesLeft(const Deal& deal, int player) {
    // Players alternate; the hand ends when the mover has no card or the
    // board is full.
    int mine = __builtin_popcount(deal.held[player - 1]);
    int theirs = __builtin_popcount(deal.held[2 - player]);
    int plies = 0;
    int squares = freeSquares(deal.board);
    while (squares > 0 && mine > 0) {
        --mine;
        --squares;
        ++plies;
        std::swap(mine, theirs);
    }
    return plies;
}

inline std::uint64_t Search::key(const Deal& deal, int player) const {
    // A sum rather than a xor: two equal cards in one hand must not cancel.
    std::uint64_t k = std::uint64_t(player) * 0x9E3779B97F4A7C15ull;
    for (int square = 0; square < 9; ++square)
        if (deal.board.owner[square] != 0)
            k += term(deal.board.card[square], square * 3 + deal.board.owner[square]);
    for (int p = 0; p < 2; ++p)
        for (int slot = 0; slot < 5; ++slot)
            if (deal.held[p] & (1u << slot))
                k += term(deal.hand[p][slot], 27 + p);
    return k;
}

inline int Search::bestGain(const Deal& deal, int player) {
    const auto& hand = deal.hand[player - 1];
    const unsigned held = deal.held[player - 1];
    int best = 0;
    Board board;
    for (int slot = 0; slot < 5; ++slot) {
        if (!(held & (1u << slot)))
            continue;
        for (int square = 0; square < 9; ++square) {
            if (deal.board.owner[square] != 0)
                continue;
            board.card = deal.board.card;
            board.owner = deal.board.owner;
            best = std::max(best, board.place(square, hand[slot], player, m_rule));
            ++m_nodes;
        }
    }
    return best;
}

inline void Search::children(const Deal& deal, int player, std::vector<Child>& out) {
    out.clear();
    const auto& hand = deal.hand[player - 1];
    const unsigned held = deal.held[player - 1];
    for (int slot = 0; slot < 5; ++slot) {
        if (!(held & (1u << slot)))
            continue;
        // A card equal to one in an earlier slot leads to the same positions.
        bool repeated = false;
        for (int earlier = 0; earlier < slot && !repeated; ++earlier)
            repeated = (held & (1u << earlier)) && hand[earlier] == hand[slot];
        if (repeated)
            continue;
        for (int square = 0; square < 9; ++square) {
            if (deal.board.owner[square] != 0)
                continue;
            Board board = deal.board;
            const int gain = board.place(square, hand[slot], player, m_rule);
            ++m_nodes;
            out.push_back({{std::int8_t(slot), std::int8_t(square)}, gain});
        }
    }
    // Captures first: they make the cut-offs come early.
    std::stable_sort(out.begin(), out.end(),
                     [](const Child& a, const Child& b) { return a.gain > b.gain; });
}

inline int Search::negamax(Deal& deal, int player, int alpha, int beta, int depth, int ply) {
    if (m_nodes > m_budget) {
        m_stopped = true;
        return 0;
    }
    const int left = pliesLeft(deal, player);
    if (left == 0)
        return 0;
    depth = std::min(depth, left);
    if (depth == 0)
        return 0;

    if (depth == 1)
        return bestGain(deal, player);

    const std::uint64_t k = key(deal, player);
    Entry& entry = m_table[k & ((std::size_t(1) << TableBits) - 1)];
    Step hint;
    if (entry.key == k) {
        hint = {entry.slot, entry.square};
        if (entry.depth >= depth) {
            const int v = entry.value;
            if (entry.bound == Exact)
                return v;
            if (entry.bound == Lower && v >= beta)
                return v;
            if (entry.bound == Upper && v <= alpha)
                return v;
        }
    }

    std::vector<Child>& list = m_childLists[ply];
    children(deal, player, list);
    if (hint.slot >= 0) {
        auto it = std::find_if(list.begin(), list.end(), [&](const Child& c) {
            return c.step.slot == hint.slot && c.step.square == hint.square;
        });
        if (it != list.end())
            std::rotate(list.begin(), it, it + 1);
    }

    const int alphaIn = alpha;
    int best = -Infinity;
    Step bestStep;
    const std::array<int, 9> owners = deal.board.owner;
    const int other = 3 - player;
    for (const Child& child : list) {
        const Card placed = deal.hand[player - 1][child.step.slot];
        deal.board.place(child.step.square, placed, player, m_rule);
        deal.held[player - 1] &= ~(1u << child.step.slot);
        const int value = child.gain - negamax(deal, other, child.gain - beta, child.gain - alpha,
                                               depth - 1, ply + 1);
        deal.held[player - 1] |= 1u << child.step.slot;
        deal.board.owner = owners;
        deal.board.card[child.step.square] = Card{};
        if (m_stopped)
            return 0;
        if (value > best) {
            best = value;
            bestStep = child.step;
        }
        alpha = std::max(alpha, value);
        if (alpha >= beta)
            break;
    }

    entry.key = k;
    entry.value = std::int16_t(best);
    entry.depth = std::int8_t(depth);
    entry.bound = best <= alphaIn ? Upper : best >= beta ? Lower : Exact;
    entry.slot = bestStep.slot;
    entry.square = bestStep.square;
    return best;
}

inline bool Search::valueEachMove(const Deal& deal, int player, int depth, std::vector<Scored>& out,
                                  const std::vector<Step>* only) {
    out.clear();
    m_stopped = false;
    std::vector<Child> list;
    children(deal, player, list);
    Deal work = deal;
    for (const Child& child : list) {
        if (only && std::none_of(only->begin(), only->end(), [&](const Step& s) {
                return s.slot == child.step.slot && s.square == child.step.square;
            }))
            continue;
        work.board.place(child.step.square, work.hand[player - 1][child.step.slot], player, m_rule);
        work.held[player - 1] &= ~(1u << child.step.slot);
        const int value = child.gain - negamax(work, 3 - player, -Infinity, Infinity, depth - 1, 1);
        work = deal;
        if (m_stopped)
            return false;
        out.push_back({child.step, value});
    }
    return true;
}

inline bool Search::bestMove(const Deal& deal, int player, int depth, Scored& out) {
    m_stopped = false;
    std::vector<Child> list;
    children(deal, player, list);
    if (list.empty())
        return false;
    // The best move of the last search of this position goes first.
    const std::uint64_t k = key(deal, player);
    const Entry& entry = m_table[k & ((std::size_t(1) << TableBits) - 1)];
    if (entry.key == k && entry.slot >= 0) {
        auto it = std::find_if(list.begin(), list.end(), [&](const Child& c) {
            return c.step.slot == entry.slot && c.step.square == entry.square;
        });
        if (it != list.end())
            std::rotate(list.begin(), it, it + 1);
    }
    Deal work = deal;
    int alpha = -Infinity;
    Scored best{list.front().step, -Infinity};
    for (const Child& child : list) {
        work.board.place(child.step.square, work.hand[player - 1][child.step.slot], player, m_rule);
        work.held[player - 1] &= ~(1u << child.step.slot);
        const int value = child.gain - negamax(work, 3 - player, child.gain - Infinity,
                                               child.gain - alpha, depth - 1, 1);
        work = deal;
        if (m_stopped)
            return false;
        if (value > best.value)
            best = {child.step, value};
        alpha = std::max(alpha, value);
    }
    Entry& root = m_table[k & ((std::size_t(1) << TableBits) - 1)];
    root = {k,     std::int16_t(best.value), std::int8_t(std::min(depth, pliesLeft(deal, player))),
            Exact, best.step.slot,           best.step.square};
    out = best;
    return true;
}

namespace play {

inline constexpr int Computer = 2;
inline constexpr int Person = 1;

// How the edges of the card list are spread: for an edge value, the share of
// list edges below it and the share at or below it. Without a list every
// value from 1 to 10 counts as equally likely.
class EdgeOdds {
  public:
    explicit EdgeOdds(const std::vector<Card>& list) {
        std::array<double, MaxEdge + 2> count{};
        double total = 0;
        for (const Card& card : list)
            for (int e : {card.north, card.east, card.south, card.west}) {
                count[std::clamp(e, 0, MaxEdge + 1)] += 1;
                total += 1;
            }
        if (total == 0) {
            for (int e = 1; e <= 10; ++e)
                count[e] = 1;
            total = 10;
        }
        double below = 0;
        for (int e = 0; e <= MaxEdge + 1; ++e) {
            m_below[e] = below / total;
            below += count[e];
            m_atMost[e] = below / total;
        }
    }
    // How likely a random edge loses to `e` (is strictly below it).
    double beats(int e) const { return m_below[std::clamp(e, 0, MaxEdge + 1)]; }
    // How likely a random edge does not take `e` (is at most `e`).
    double holds(int e) const { return m_atMost[std::clamp(e, 0, MaxEdge + 1)]; }

  private:
    static constexpr int MaxEdge = 30;
    std::array<double, MaxEdge + 2> m_below{};
    std::array<double, MaxEdge + 2> m_atMost{};
};

// The legal moves of the computer in slot and square order.
inline std::vector<Move> legalMoves(const Position& position) {
    std::vector<Move> legal;
    for (int slot = 0; slot < 5; ++slot) {
        if (!position.hand[slot])
            continue;
        for (int square = 0; square < 9; ++square)
            if (position.owner[square] == 0)
                legal.push_back({slot + 1, square + 1});
    }
    return legal;
}

inline Board boardOf(const Position& position) {
    Board board;
    board.card = position.board;
    board.owner = position.owner;
    return board;
}

// What the placed card risks: for each side that faces a free square, how
// likely a card put there later beats that edge.
inline double exposure(const Card& card, int square, const Board& board, const EdgeOdds& odds) {
    static constexpr int Step[4][2] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}}; // row, column
    double risk = 0;
    for (int side = 0; side < 4; ++side) {
        const int row = square / 3 + Step[side][0], column = square % 3 + Step[side][1];
        if (row < 0 || row > 2 || column < 0 || column > 2)
            continue;
        if (board.owner[row * 3 + column] == 0)
            risk += 1.0 - odds.holds(edgeOn(card, side));
    }
    return risk;
}

inline Decision easyMove(const Position& position, std::uint64_t seed) {
    const std::vector<Move> legal = legalMoves(position);
    if (legal.empty())
        return {};
    Rng rng(seed);
    return {legal[rng.below(int(legal.size()))], 0};
}

// The largest immediate gain; among equal gains the card that leaves the
// fewest weak edges open to the squares still free.
inline Decision normalMove(const Position& position) {
    const EdgeOdds odds(position.cardList);
    const Board start = boardOf(position);
    Decision best;
    double bestRisk = 0;
    bool found = false;
    for (const Move& move : legalMoves(position)) {
        Board board = start;
        const Card& card = *position.hand[move.handSlot - 1];
        const int gain = board.place(move.location - 1, card, Computer, position.rule);
        const double risk = exposure(card, move.location - 1, board, odds);
        if (!found || gain > best.value || (gain == best.value && risk < bestRisk - 1e-12)) {
            best = {move, double(gain)};
            bestRisk = risk;
            found = true;
        }
    }
    return best;
}

inline Deal dealOf(const Position& position) {
    Deal deal;
    deal.board = boardOf(position);
    for (int slot = 0; slot < 5; ++slot) {
        if (position.hand[slot]) {
            deal.hand[Computer - 1][slot] = *position.hand[slot];
            deal.held[Computer - 1] |= 1u << slot;
        }
        if (position.opponentHandKnown && position.opponentHand[slot]) {
            deal.hand[Person - 1][slot] = *position.opponentHand[slot];
            deal.held[Person - 1] |= 1u << slot;
        }
    }
    return deal;
}

inline Move moveOf(const Step& step) {
    return {step.slot + 1, step.square + 1};
}

// Open Hand: deepening searches until the hand's end is reached or the node
// budget is spent; the last search that finished decides.
inline Decision hardOpen(const Position& position, const Settings& settings) {
    const Deal deal = dealOf(position);
    Search search(position.rule, settings.nodeBudget);
    const int plies = Search::pliesLeft(deal, Computer);
    Decision decision;
    for (int depth = 1; depth <= plies; ++depth) {
        Search::Scored scored;
        if (!search.bestMove(deal, Computer, depth, scored))
            break;
        // A search that stops after the computer's own move sees its last
        // capture unanswered and likes to offer bait; short of the end of the
        // hand, only searches that end with the person's answer decide.
        if (depth == 1 || depth % 2 == 0 || depth == plies)
            decision = {moveOf(scored.step), double(scored.value)};
    }
    return decision;
}

// One plausible hand of the person: five of eight cards drawn from the list,
// the five with the highest edge sums, as most players keep; of those, as many
// as the person still holds.
inline std::array<Card, 5> sampleHand(const Position& position, Rng& rng, int count) {
    std::array<Card, 8> offer{};
    for (Card& card : offer)
        card =
            position.cardList.empty()
                ? Card{1 + rng.below(10), 1 + rng.below(10), 1 + rng.below(10), 1 + rng.below(10)}
                : position.cardList[rng.below(int(position.cardList.size()))];
    std::stable_sort(offer.begin(), offer.end(),
                     [](const Card& a, const Card& b) { return points(a) > points(b); });
    std::array<Card, 5> kept{};
    std::copy_n(offer.begin(), 5, kept.begin());
    for (int i = 4; i > 0; --i)
        std::swap(kept[i], kept[rng.below(i + 1)]);
    std::array<Card, 5> hand{};
    std::copy_n(kept.begin(), count, hand.begin());
    return hand;
}

// Closed Hand: the person's cards are unknown. Each sample deals the person a
// plausible hand and every move is valued against it; the move with the best
// average over the samples is played. A shallow pass over all moves picks the
// candidates, and the deeper passes value only those, as deep as the node
// budget allows.
inline Decision hardClosed(const Position& position, std::uint64_t seed, const Settings& settings) {
    Deal deal = dealOf(position);
    // On the computer's turn the free squares are its cards plus the person's.
    int count = position.opponentCardsLeft;
    if (count <= 0) {
        int free = 0;
        for (int o : position.owner)
            free += o == 0;
        count = free - __builtin_popcount(deal.held[Computer - 1]);
    }
    count = std::clamp(count, 0, 5);
    deal.held[Person - 1] = (1u << count) - 1;
    const int samples = std::max(1, settings.closedHandSamples);
    Rng rng(seed);
    std::vector<std::array<Card, 5>> hands;
    for (int sample = 0; sample < samples; ++sample)
        hands.push_back(sampleHand(position, rng, count));

    Search search(position.rule, settings.nodeBudget);
    std::vector<Step> moves;
    std::vector<double> total;
    auto add = [&](const std::vector<Search::Scored>& values) {
        for (const Search::Scored& s : values) {
            const auto it = std::find_if(moves.begin(), moves.end(), [&](const Step& m) {
                return m.slot == s.step.slot && m.square == s.step.square;
            });
            if (it == moves.end()) {
                moves.push_back(s.step);
                total.push_back(s.value);
            } else {
                total[it - moves.begin()] += s.value;
            }
        }
    };

    // Shallow pass: the move and the person's best answer.
    std::vector<Search::Scored> values;
    for (const auto& hand : hands) {
        deal.hand[Person - 1] = hand;
        search.setBudget(search.nodes() + settings.nodeBudget);
        search.valueEachMove(deal, Computer, 2, values);
        add(values);
    }
    if (moves.empty())
        return normalMove(position);

    // Deep pass over the best candidates.
    std::vector<int> rank(moves.size());
    std::iota(rank.begin(), rank.end(), 0);
    std::stable_sort(rank.begin(), rank.end(), [&](int a, int b) { return total[a] > total[b]; });
    rank.resize(std::min<std::size_t>(rank.size(), std::max(1, settings.closedHandCandidates)));
    std::vector<Step> candidates;
    for (int r : rank)
        candidates.push_back(moves[r]);
    const std::vector<Step> shallowMoves = moves;
    const std::vector<double> shallowTotal = total;
    moves.clear();
    total.clear();
    const long perSample = settings.nodeBudget / samples;
    std::vector<Search::Scored> deepest;
    for (const auto& hand : hands) {
        deal.hand[Person - 1] = hand;
        const int plies = Search::pliesLeft(deal, Computer);
        deepest.clear();
        // Even depths only, as under Open Hand, or the end of the hand.
        for (int depth = std::min(4, plies);; depth = std::min(depth + 2, plies)) {
            search.setBudget(search.nodes() + perSample);
            if (!search.valueEachMove(deal, Computer, depth, values, &candidates))
                break;
            deepest = values;
            if (depth == plies)
                break;
        }
        if (!deepest.empty())
            add(deepest);
    }
    if (moves.empty()) {
        moves = shallowMoves;
        total = shallowTotal;
    }
    const auto best = std::max_element(total.begin(), total.end());
    return {moveOf(moves[best - total.begin()]), *best / samples};
}

} // namespace play

// The reference hard level's move.
inline Decision decide(const Position& position, std::uint64_t seed) {
    if (play::legalMoves(position).empty())
        return {};
    const Settings settings;
    return position.opponentHandKnown ? play::hardOpen(position, settings)
                                      : play::hardClosed(position, seed, settings);
}

// The reference hard level's five of eight.
inline std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer,
                                           const std::vector<Card>& cardList) {
    const play::EdgeOdds odds(cardList);
    auto worth = [&](const Card& card) {
        double strength = 0, weakest = 1;
        for (int side = 0; side < 4; ++side) {
            const int e = edgeOn(card, side);
            const double w = (odds.beats(e) + odds.holds(e)) / 2;
            strength += w;
            weakest = std::min(weakest, w);
        }
        return strength + 0.5 * weakest;
    };
    std::array<int, 8> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return worth(offer[a]) > worth(offer[b]); });
    std::array<bool, 8> marked{};
    for (int i = 0; i < 5; ++i)
        marked[order[i]] = true;
    return marked;
}

} // namespace reference

namespace tournament {

// The hard level as it was, as a player of the tournament.
inline Player referencePlayer() {
    Player player;
    player.name = "reference";
    player.select = [](const std::array<Card, 8>& offer, std::uint64_t,
                       const std::vector<Card>& list) {
        return reference::chooseSelection(offer, list);
    };
    player.move = [](const computer::Position& position, std::uint64_t seed) {
        return reference::decide(position, seed).move;
    };
    return player;
}

} // namespace tournament
