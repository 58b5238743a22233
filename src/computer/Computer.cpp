#include "computer/Computer.h"

#include "computer/Board.h"
#include "computer/Search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <thread>

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

// How a player who weighs each edge against the list values a card: how
// likely each edge wins its contest against a random edge of the list, plus
// the weakest edge, which a corner can hide only so often.
double edgeWorth(const Card& card, const EdgeOdds& odds) {
    double strength = 0, weakest = 1;
    for (int side = 0; side < 4; ++side) {
        const int e = edgeOn(card, side);
        const double w = (odds.beats(e) + odds.holds(e)) / 2;
        strength += w;
        weakest = std::min(weakest, w);
    }
    return strength + 0.5 * weakest;
}

Decision easyMove(const Position& position, std::uint64_t seed) {
    const std::vector<Move> legal = legalMoves(position);
    if (legal.empty())
        return {};
    Rng rng(seed);
    return {legal[rng.below(int(legal.size()))], 0};
}

// Calls `visit(slot, square)` for each card `held` (a bit per hand slot) on
// each free square of `board`, in slot, then square order.
template <typename Visit> void forEachPlacement(const Board& board, unsigned held, Visit visit) {
    for (unsigned h = held; h != 0; h &= h - 1) {
        const int slot = __builtin_ctz(h);
        for (int square = 0; square < 9; ++square)
            if (board.owner[square] == 0)
                visit(slot, square);
    }
}

// A placement chosen by the normal level's rule: hand slot and square, both
// from 0, and its worth; slot -1 when there was nothing to place.
struct Choice {
    int slot = -1;
    int square = 0;
    int worth = 0;
};

// The normal level's rule on a board, for the cards `held` (a bit per slot)
// of `hand`: the placement of the largest worth, its immediate gain less what
// `answer` makes of the board after it; among equal worths the card that
// leaves the fewest weak edges open to the squares still free; among those the
// first in slot, then square order.
template <typename Answer>
Choice normalChoice(const Board& board, const std::array<Card, 5>& hand, unsigned held, int player,
                    Rule rule, const EdgeOdds& odds, Answer answer) {
    Choice best;
    double bestRisk = 0;
    forEachPlacement(board, held, [&](int slot, int square) {
        Board next = board;
        const int gain = next.place(square, hand[slot], player, rule);
        const int worth = gain - answer(next);
        const double risk = exposure(hand[slot], square, next, odds);
        if (best.slot < 0 || worth > best.worth ||
            (worth == best.worth && risk < bestRisk - 1e-12)) {
            best = {slot, square, worth};
            bestRisk = risk;
        }
    });
    return best;
}

// The largest immediate gain; among equal gains the card that leaves the
// fewest weak edges open to the squares still free.
Decision normalMove(const Position& position) {
    std::array<Card, 5> hand{};
    unsigned held = 0;
    for (int slot = 0; slot < 5; ++slot)
        if (position.hand[slot]) {
            hand[slot] = *position.hand[slot];
            held |= 1u << slot;
        }
    const Choice choice = normalChoice(boardOf(position), hand, held, Computer, position.rule,
                                       EdgeOdds(position.cardList), [](const Board&) { return 0; });
    if (choice.slot < 0)
        return {};
    return {{choice.slot + 1, choice.square + 1}, double(choice.worth)};
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

// Open Hand: everything is known, and the search goes to the end of the hand.
Decision hardOpen(const Position& position, const Settings& settings) {
    const Deal deal = dealOf(position);
    Decision decision;
    const Search::Scored best =
        solve(deal, Computer, position.rule, settings.threads, &decision.nodes);
    decision.move = moveOf(best.step);
    decision.value = best.value;
    return decision;
}

// One card drawn as the game deals: a random number in [0, 1) scaled to the
// list and rounded to the nearest entry.
const Card& drawCard(const std::vector<Card>& list, Rng& rng) {
    const double r = double(rng.next() >> 11) * 0x1.0p-53;
    return list[std::size_t(std::nearbyint(r * double(list.size() - 1)))];
}

// One plausible hand of the person: five of eight cards drawn from the list,
// the five with the highest edge sums, as most players keep; of those, as many
// as the person still holds.
std::array<Card, 5> sampleHand(const Position& position, Rng& rng, int count) {
    std::array<Card, 8> offer{};
    for (Card& card : offer)
        card = position.cardList.empty() ? Card{1 + rng.below(10), 1 + rng.below(10),
                                                1 + rng.below(10), 1 + rng.below(10)}
                                         : drawCard(position.cardList, rng);
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

// The computer's points in this hand so far less the person's, replayed from
// the order of play.
int pointsSoFar(const Position& position) {
    Board board;
    int difference = 0;
    for (const Placement& placed : position.history) {
        const int gained = board.place(placed.square, placed.card, placed.player, position.rule);
        difference += placed.player == Computer ? gained : -gained;
    }
    return difference;
}

// How a Closed Hand decision spends its work, by the plies left in the hand:
// how many hands of the person it samples and how deep it values each move
// against each (0: to the end of the hand); then, where `keep` is above 0,
// how many more samples value only the `keep` moves of the best average so
// far. From seven plies on every sample is searched to the end; before that a
// search to the end of each sample would take seconds, and two plies (the
// computer's move and the person's answer) value the moves better than four
// or six: a deeper search in a sample plays the computer's later moves as if
// it knew that sample's hand, which it will not. Past its depth the cards
// each side leaves open to the other's cards still held count 40 % of their
// points (`HorizonPercent`); at four plies that won 82.0 % of the decided
// hands against the normal level under Closed Hand, against 78.0 % with the
// rest of the hand counted as even and 79.7 % at 80 %. The second stage, 48
// more samples for the four likeliest moves, won more hands against the
// normal level than twice the samples in one stage, for less work. Under the
// combo rule a capture can turn a chain of cards, and four plies see more of
// it: they won more hands against the fixed reference level than two.
struct ClosedPlan {
    int samples;
    int depth;      // under the basic rule
    int comboDepth; // under the combo rule
    int keep;
    int more;
};

constexpr int HorizonPercent = 40;

constexpr std::array<ClosedPlan, 10> ClosedPlans{{
    {1, 0, 0, 0, 0},   // no ply left
    {64, 0, 0, 4, 48}, // 1
    {64, 0, 0, 4, 48}, // 2
    {64, 0, 0, 4, 48}, // 3
    {64, 0, 0, 4, 48}, // 4
    {64, 0, 0, 4, 48}, // 5
    {40, 0, 0, 4, 48}, // 6
    {16, 0, 0, 4, 48}, // 7
    {32, 2, 4, 4, 48}, // 8
    {32, 2, 4, 4, 48}, // 9
}};

// What winning the hand is worth beyond its points, where a sample is
// searched to the end of the hand. The points of a hand are what the round's
// score adds up, but a hand is won or lost whole: on the average of the
// points alone, a move that wins big against a few of the person's hands
// beats one that wins against most of them. Against both the normal and the
// fixed reference level, 25, 60 and 1,000 won more hands than 0; counting it
// also where the search stops two plies in (its value there is a guess)
// lost hands against the normal level.
constexpr int WinBonus = 60;

// Closed Hand: the person's cards are unknown. Each sample deals the person a
// plausible hand, and every move is valued against it by a search with
// everything known; the move with the best average over the samples is
// played (the points expected, not the worst case: the points of every hand
// carry over to the round's score), and where the samples are searched to
// the end of the hand, the hand won or lost with them. The samples are shared out over the threads,
// each thread with its own table, and summed in their order: the answer does
// not depend on the threads.
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
    const int plies = Search::pliesLeft(deal, Computer);
    const ClosedPlan plan = ClosedPlans[std::clamp(plies, 0, 9)];
    const bool fixed = settings.closedHandSamples > 0;
    const int samples = std::max(1, fixed ? settings.closedHandSamples : plan.samples);
    const int keep = fixed ? 0 : plan.keep;
    const int more = keep > 0 ? plan.more : 0;
    const int all = samples + more;
    Rng rng(seed);
    std::vector<Deal> deals(all, deal);
    for (Deal& d : deals)
        d.hand[Person - 1] = sampleHand(position, rng, count);

    // The computer's moves do not depend on the person's cards.
    Table orderTable(10);
    Search root(deal, Computer, position.rule, orderTable);
    const std::vector<Search::Scored> moves = root.moves();
    if (moves.empty())
        return normalMove(position);
    const int planDepth = position.rule == Rule::BasicCombo ? plan.comboDepth : plan.depth;
    const int depth = planDepth > 0 ? std::min(planDepth, plies) : plies;
    // Each sample's share of the node budget, by the moves it values: the
    // whole decision stays within it.
    const long moveCount = long(moves.size());
    const long secondMoves = std::min<long>(keep, moveCount);
    const long units = samples * moveCount + more * secondMoves;
    const long left = settings.nodeBudget - root.nodes();
    const long firstShare = std::max(1L, left / units * moveCount);
    const long secondShare = std::max(1L, left / units * secondMoves);

    std::vector<std::vector<int>> values(all, std::vector<int>(moves.size(), 0));
    std::vector<long> nodes(all, 0);
    std::vector<int> active(moves.size());
    std::iota(active.begin(), active.end(), 0);
    auto stage = [&](int from, int to) {
        std::atomic<int> next{from};
        // Each thread keeps one table for its samples: a new generation makes
        // it behave exactly as a fresh one, so the values do not depend on
        // which thread took which sample.
        auto work = [&] {
            Table table;
            for (int s = next++; s < to; s = next++) {
                table.newGeneration();
                Search search(deals[s], Computer, position.rule, table);
                search.setBudget(s < samples ? firstShare : secondShare);
                if (depth < plies)
                    search.setHorizon(HorizonPercent);
                // Deeper and deeper while the budget lasts; the last search
                // that finished counts.
                std::vector<int> finished;
                for (int d = depth == plies ? depth : std::min(2, depth);;
                     d = std::min(depth, d + 2)) {
                    std::vector<int> got;
                    for (int m : active) {
                        got.push_back(search.valueOf(moves[m].step, d));
                        if (search.stopped())
                            break;
                    }
                    if (search.stopped())
                        break;
                    finished = std::move(got);
                    if (d >= depth)
                        break;
                }
                for (std::size_t i = 0; i < active.size(); ++i)
                    values[s][active[i]] = finished.empty() ? moves[active[i]].value : finished[i];
                nodes[s] = search.nodes();
            }
        };
        const int threads = std::clamp(settings.threads, 1, to - from);
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(work);
        work();
        for (std::thread& t : pool)
            t.join();
    };
    stage(0, samples);

    // A move's worth in a sample: its points, and where the sample was
    // searched to the end of the hand, the bonus for the hand won or lost.
    const int sofar = pointsSoFar(position);
    const int bonus = depth == plies ? WinBonus : 0;
    std::vector<long> total(moves.size(), 0), points(moves.size(), 0);
    auto add = [&](int s, int m) {
        const int value = values[s][m];
        const int end = sofar + value;
        total[m] += value + (end > 0 ? bonus : end < 0 ? -bonus : 0);
        points[m] += value;
    };
    for (int s = 0; s < samples; ++s)
        for (int m = 0; m < int(moves.size()); ++m)
            add(s, m);
    if (more > 0 && int(moves.size()) > keep) {
        std::stable_sort(active.begin(), active.end(),
                         [&](int a, int b) { return total[a] > total[b]; });
        active.resize(keep);
        std::sort(active.begin(), active.end());
        stage(samples, all);
        for (int s = samples; s < all; ++s)
            for (int m : active)
                add(s, m);
    }

    Decision decision;
    decision.nodes = root.nodes();
    for (int s = 0; s < all; ++s)
        decision.nodes += nodes[s];
    int best = active[0];
    for (int m : active)
        if (total[m] > total[best])
            best = m;
    decision.move = moveOf(moves[best].step);
    decision.value = double(points[best]) / (more > 0 && int(moves.size()) > keep ? all : samples);
    return decision;
}

// ---- The hard level's choice of five of eight --------------------------------

// The largest gain one placement of a card `held` in `hand` makes for `player`.
int largestGain(const Board& board, const std::array<Card, 5>& hand, unsigned held, int player,
                Rule rule) {
    int best = 0;
    forEachPlacement(board, held, [&](int slot, int square) {
        Board next = board;
        best = std::max(best, next.place(square, hand[slot], player, rule));
    });
    return best;
}

// One quick hand of a five of the computer against a five of the person, from
// an empty board; `mineFirst` says who begins. The person plays the normal
// level's move (the largest gain, then the fewest weak edges left open); the
// computer looks one reply further: its gain less the largest the person can
// answer with, then the fewest weak edges. Returns the computer's points less
// the person's.
int quickHand(const std::array<Card, 5>& mine, const std::array<Card, 5>& theirs, bool mineFirst,
              Rule rule, const EdgeOdds& odds) {
    Board board;
    std::array<unsigned, 2> held{31u, 31u};
    const std::array<const std::array<Card, 5>*, 2> hands{&mine, &theirs};
    int difference = 0;
    int side = mineFirst ? 0 : 1;
    for (int ply = 0; ply < 9; ++ply, side = 1 - side) {
        const std::array<Card, 5>& hand = *hands[side];
        const bool looksAhead = side == 0 && held[1] != 0;
        const Choice choice =
            normalChoice(board, hand, held[side], side + 1, rule, odds, [&](const Board& next) {
                return looksAhead ? largestGain(next, theirs, held[1], 2, rule) : 0;
            });
        const int gained = board.place(choice.square, hand[choice.slot], side + 1, rule);
        held[side] &= ~(1u << choice.slot);
        difference += side == 0 ? gained : -gained;
    }
    return difference;
}

// Five of eight cards drawn from the list, kept as a player who weighs each
// edge against the list keeps them.
std::array<Card, 5> worthiestFive(const std::vector<Card>& cardList, const EdgeOdds& odds,
                                  Rng& rng) {
    std::array<Card, 8> drawn{};
    for (Card& card : drawn)
        card = drawCard(cardList, rng);
    std::stable_sort(drawn.begin(), drawn.end(), [&](const Card& a, const Card& b) {
        return edgeWorth(a, odds) > edgeWorth(b, odds);
    });
    std::array<Card, 5> five{};
    std::copy_n(drawn.begin(), 5, five.begin());
    return five;
}

// How many fives of the person each five of the offer meets in quick hands.
// Each five plays each of them twice, each side beginning once, the rule
// alternating from one to the next: 56 fives, 32 quick hands each.
constexpr int SelectionOpponents = 16;

// Plays every five of the eight offered cards against the same sampled fives
// of the person, three in four drawn as the Closed Hand decision draws the
// person's hand, one in four kept by the worth of their edges (the same fives for every candidate,
// so that they differ only by their cards), and keeps the five with the largest total of points won
// less points lost; the first in slot order among equal totals. Returns the chosen slots as a bit
// mask.
unsigned simulatedSelection(const std::array<Card, 8>& offer, std::uint64_t seed,
                            const std::vector<Card>& cardList) {
    const EdgeOdds odds(cardList);
    Position prior;
    prior.cardList = cardList;
    Rng rng(seed);
    std::array<std::array<Card, 5>, SelectionOpponents> opponents{};
    for (int k = 0; k < SelectionOpponents; ++k)
        opponents[k] = k % 4 == 3 ? worthiestFive(cardList, odds, rng) : sampleHand(prior, rng, 5);
    unsigned bestMask = 0;
    long best = 0;
    for (unsigned mask = 0; mask < 256; ++mask) {
        if (__builtin_popcount(mask) != 5)
            continue;
        std::array<Card, 5> mine{};
        int n = 0;
        for (int i = 0; i < 8; ++i)
            if (mask >> i & 1)
                mine[n++] = offer[i];
        long total = 0;
        for (int k = 0; k < SelectionOpponents; ++k) {
            const Rule rule = k % 2 ? Rule::BasicCombo : Rule::Basic;
            total += quickHand(mine, opponents[k], true, rule, odds);
            total += quickHand(mine, opponents[k], false, rule, odds);
        }
        if (bestMask == 0 || total > best) {
            best = total;
            bestMask = mask;
        }
    }
    return bestMask;
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
        if (!cardList.empty()) {
            // Five of eight by quick hands played out against the card list.
            const unsigned mask = simulatedSelection(offer, seed, cardList);
            std::array<bool, 8> marked{};
            for (int i = 0; i < 8; ++i)
                marked[i] = (mask >> i & 1) != 0;
            return marked;
        }
        // Without the list: each card's worth against edges from 1 to 10.
        const EdgeOdds odds(cardList);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return edgeWorth(offer[a], odds) > edgeWorth(offer[b], odds);
        });
        break;
    }
    }
    std::array<bool, 8> marked{};
    for (int i = 0; i < 5; ++i)
        marked[order[i]] = true;
    return marked;
}

} // namespace computer
