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
};

// A decision: hand slot 1..5 and board location 1..9.
struct Move {
    int handSlot = 0;
    int location = 0;
};

// A move with the value the level gave it: for the hard level, the points the
// computer scores from here to the end of the hand minus the person's (under
// Closed Hand the average over the sampled hands); for the normal level the
// immediate gain; 0 for the easy level.
struct Decision {
    Move move;
    double value = 0;
};

// How much the hard level may think. The node budget bounds the searched
// positions of one decision (deterministic, unlike a clock); under Closed Hand
// it is shared by the sampled hands of the person.
struct Settings {
    int closedHandSamples = 12;
    int closedHandCandidates = 10;
    long nodeBudget = 500'000;
};

// Chooses the computer's next move. Deterministic for a given seed. Under
// Closed Hand (opponentHandKnown false) `opponentHand` is never read.
Move chooseMove(const Position& position, Level level, std::uint64_t seed);
Decision decide(const Position& position, Level level, std::uint64_t seed,
                const Settings& settings = {});

// Chooses five of the eight offered cards; true marks a chosen slot (0..7).
// The hard level judges edges against the card list when it is given.
std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer, Level level,
                                    std::uint64_t seed);
std::array<bool, 8> chooseSelection(const std::array<Card, 8>& offer, Level level,
                                    std::uint64_t seed, const std::vector<Card>& cardList);

} // namespace computer
