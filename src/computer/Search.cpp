#include "computer/Search.h"

#include <algorithm>

namespace computer {

namespace {

constexpr int Infinity = 30000;
constexpr int TableBits = 18;
constexpr int MaxPlies = 12;

enum Bound : std::uint8_t { None = 0, Exact = 1, Lower = 2, Upper = 3 };

std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    x ^= x >> 33;
    return x;
}

// The four edges, 16 bits each: every edge a 16-bit game value can hold.
std::uint64_t code(const Card& card) {
    return std::uint64_t(std::uint16_t(card.north)) |
           std::uint64_t(std::uint16_t(card.east)) << 16 |
           std::uint64_t(std::uint16_t(card.south)) << 32 |
           std::uint64_t(std::uint16_t(card.west)) << 48;
}

// A card at a place: a square with its owner, or a player's hand.
std::uint64_t term(const Card& card, int place) {
    return mix(code(card) ^ mix(0x5851F42D4C957F2Dull * std::uint64_t(place + 1)));
}

int freeSquares(const Board& board) {
    int count = 0;
    for (int o : board.owner)
        count += o == 0;
    return count;
}

} // namespace

Search::Search(Rule rule, long nodeBudget)
    : m_rule(rule), m_budget(nodeBudget), m_table(std::size_t(1) << TableBits),
      m_childLists(MaxPlies) {}

int Search::pliesLeft(const Deal& deal, int player) {
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

std::uint64_t Search::key(const Deal& deal, int player) const {
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

int Search::bestGain(const Deal& deal, int player) {
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

void Search::children(const Deal& deal, int player, std::vector<Child>& out) {
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

int Search::negamax(Deal& deal, int player, int alpha, int beta, int depth, int ply) {
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

bool Search::valueEachMove(const Deal& deal, int player, int depth, std::vector<Scored>& out,
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

bool Search::bestMove(const Deal& deal, int player, int depth, Scored& out) {
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

} // namespace computer
