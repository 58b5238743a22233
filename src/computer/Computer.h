#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace computer {

// The four edges of a card, as the rules compare them.
struct Card {
    int north = 0;
    int east = 0;
    int south = 0;
    int west = 0;
    bool operator==(const Card&) const = default;
};

enum class Level { Easy, Normal, Hard };
enum class Rule { Basic, BasicCombo };

// One card placed in the hand in play: public to both players.
struct Placement {
    int square = 0; // 0..8
    Card card;
    int player = 0; // as in `Position::owner`: 1 the person, 2 the computer
    bool operator==(const Placement&) const = default;
};

// What the computer may know of a hand in play, as plain values. Squares and
// hand slots are indexed from 0 here (square 0 is location 1).
struct Position {
    std::array<Card, 9> board{};
    // 0 empty, 1 the person (player 1), 2 the computer (player 2).
    std::array<int, 9> owner{};
    // The computer's own hand; an empty slot has been played.
    std::array<std::optional<Card>, 5> hand{};
    // The person's hand, filled only when the person's cards are shown face
    // up (Open Hand). Under Closed Hand it stays empty and only the count of
    // cards the person still holds is known (when 0, the engine takes the
    // free squares less its own cards).
    std::array<std::optional<Card>, 5> opponentHand{};
    bool opponentHandKnown = false;
    int opponentCardsLeft = 0;
    // Every card of the card list; the pool from which unseen cards come.
    std::vector<Card> cardList;
    Rule rule = Rule::Basic;
    // The cards placed in this hand so far, in the order they were played:
    // public to both players (the cards the person still holds are not in it).
    std::vector<Placement> history;
};

// A decision: hand slot 1..5 and board location 1..9.
struct Move {
    int handSlot = 0;
    int location = 0;
};

// A move with the value the level gave it: for the hard level, the points the
// computer scores from here to the end of the hand minus the person's (under
// Open Hand exact; under Closed Hand the average over the sampled hands of the
// person); for the normal level the immediate gain; 0 for the easy level.
struct Decision {
    Move move;
    double value = 0;
    // Placements the hard level's search tried.
    long nodes = 0;
};

// How the hard level thinks.
//
// Under Open Hand it always searches to the end of the hand and plays a move
// of the exact best value; no budget applies.
//
// Under Closed Hand it samples hands of the person from the card list (eight
// cards drawn, the five of the highest edge sums kept, as most players do) and
// values every move against each sample: to the end of the hand from seven
// plies on; before that two plies deep under the basic rule (its move and the
// person's answer) and four under the combo rule, where the cards left open
// to the other side's cards still held count part of their points against
// their owner. It samples 32 hands at eight and nine plies, 16 at seven, 40
// at six and 64 from five on; the four moves of the best average then meet
// 48 more samples. Where each sample is searched to the end of the hand, a
// sample in which the move wins the hand (its points so far and to come above
// the person's) counts `WinBonus` points more, one it loses that many less:
// the move that wins in more of the samples is preferred to one that wins
// bigger in fewer. The move of the best average over its samples is played.
// `closedHandSamples`, when above 0, sets one number of samples instead, in
// one stage. `nodeBudget` bounds the placements the whole decision tries, all
// samples and both stages together: each sample gets an equal share, and a
// sample that uses up its share keeps the values of its last search that
// finished (deterministic, unlike a clock). The default is far above what any
// decision needs, so it never cuts a search short.
//
// `threads` searches share the work (the root's moves under Open Hand, the
// samples under Closed Hand); the answer is the same for any number.
struct Settings {
    int closedHandSamples = 0;
    long nodeBudget = 20'000'000;
    int threads = 2;
};

// Chooses the computer's next move. Deterministic for a given seed. Under
// Closed Hand (opponentHandKnown false) `opponentHand` is never read. Safe to
// call from several threads at once; the hard level starts threads of its own
// and returns when they are done.
Move chooseMove(const Position& position, Level level, std::uint64_t seed);
Decision decide(const Position& position, Level level, std::uint64_t seed,
                const Settings& settings = {});

// Chooses five of the eight offered cards; true marks a chosen slot (0..7).
// Given the card list, the hard level plays every five of the eight in quick
// hands against 16 fives of the person, three in four sampled as its Closed
// Hand moves sample them and one in four kept by the worth of their edges
// against the list (each twice, each side beginning once, the rule alternating)
// and keeps the five that scores best; the person plays the normal level's
// move there, the computer the move of the best gain less the person's best
// answer. It reads nothing but its own offer, the seed and the list (about
// 60 ms of processor time). Without the list it weighs each card's edges.
std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer, Level level,
                                    std::uint64_t seed);
std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer, Level level,
                                    std::uint64_t seed, const std::vector<Card>& cardList);

} // namespace computer
