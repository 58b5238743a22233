#pragma once

#include "computer/Computer.h"

#include <array>
#include <cstdint>

namespace computer {

// The squares a placement took, in the order it took them: first those the
// placed card captured, then those each of them captured under the combo rule.
struct Captures {
    std::array<std::int8_t, 8> squares{};
    int count = 0;
};

// The board of one hand in memory, and the capture rule on it: the form the
// computer player searches with. It is the same rule as the rules engine that
// works on the board table, kept equal to it by a differential test: only an
// opponent's card is compared, a facing edge strictly lower than the acting
// edge is taken, the taker scores the four edges of every card taken, and
// under the combo rule each card taken by the placement acts once, in
// ascending order of its square, one level deep. Squares are 0..8, row by row.
struct Board {
    std::array<Card, 9> card{};
    // 0 empty, 1 player 1, 2 player 2.
    std::array<int, 9> owner{};

    // Places `placed` for `player` (1 or 2) on the empty square `square` and
    // applies the capture rule; returns the points the player scores.
    int place(int square, const Card& placed, int player, Rule rule, Captures* taken = nullptr);

    bool isFull() const;
};

// The edge on `side`: 0 north, 1 east, 2 south, 3 west.
inline int edgeOn(const Card& card, int side) {
    return side == 0 ? card.north : side == 1 ? card.east : side == 2 ? card.south : card.west;
}

// The sum of the four edges: what a player scores for taking the card.
inline int points(const Card& card) {
    return card.north + card.east + card.south + card.west;
}

} // namespace computer
