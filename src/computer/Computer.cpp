#include "computer/Computer.h"

#include "computer/Board.h"
#include "computer/Search.h"

#include <algorithm>
#include <numeric>

namespace computer {

namespace {

constexpr int Computer = 2;
constexpr int Person = 1;

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
std::vector<Move> legalMoves(const Position& position) {
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

Board boardOf(const Position& position) {
    Board board;
    board.card = position.board;
    board.owner = position.owner;
    return board;
}

// What the placed card risks: for each side that faces a free square, how
// likely a card put there later beats that edge.
double exposure(const Card& card, int square, const Board& board, const EdgeOdds& odds) {
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

Decision easyMove(const Position& position, std::uint64_t seed) {
    const std::vector<Move> legal = legalMoves(position);
    if (legal.empty())
        return {};
    Rng rng(seed);
    return {legal[rng.below(int(legal.size()))], 0};
}

// The largest immediate gain; among equal gains the card that leaves the
// fewest weak edges open to the squares still free.
Decision normalMove(const Position& position) {
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

Deal dealOf(const Position& position) {
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

Move moveOf(const Step& step) {
    return {step.slot + 1, step.square + 1};
}

// Open Hand: deepening searches until the hand's end is reached or the node
// budget is spent; the last search that finished decides.
Decision hardOpen(const Position& position, const Settings& settings) {
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
std::array<Card, 5> sampleHand(const Position& position, Rng& rng, int count) {
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
Decision hardClosed(const Position& position, std::uint64_t seed, const Settings& settings) {
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

} // namespace

Decision decide(const Position& position, Level level, std::uint64_t seed,
                const Settings& settings) {
    if (legalMoves(position).empty())
        return {};
    switch (level) {
    case Level::Easy:
        return easyMove(position, seed);
    case Level::Normal:
        return normalMove(position);
    case Level::Hard:
        return position.opponentHandKnown ? hardOpen(position, settings)
                                          : hardClosed(position, seed, settings);
    }
    return {};
}

Move chooseMove(const Position& position, Level level, std::uint64_t seed) {
    return decide(position, level, seed).move;
}

std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer, Level level,
                                    std::uint64_t seed) {
    return chooseSelection(offer, level, seed, {});
}

std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer, Level level,
                                    std::uint64_t seed, const std::vector<Card>& cardList) {
    std::array<int, 8> order{};
    std::iota(order.begin(), order.end(), 0);
    switch (level) {
    case Level::Easy: {
        Rng rng(seed);
        for (int i = 7; i > 0; --i)
            std::swap(order[i], order[rng.below(i + 1)]);
        break;
    }
    case Level::Normal:
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return points(offer[a]) > points(offer[b]); });
        break;
    case Level::Hard: {
        const EdgeOdds odds(cardList);
        // Strength: how likely each edge wins its contest; balance: the
        // weakest edge, which a corner can hide only so often.
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
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return worth(offer[a]) > worth(offer[b]); });
        break;
    }
    }
    std::array<bool, 8> marked{};
    for (int i = 0; i < 5; ++i)
        marked[order[i]] = true;
    return marked;
}

} // namespace computer
