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

// The squares beside each square (0..8, row by row), as a bit mask.
inline constexpr std::array<unsigned, 9> Adjacent = [] {
    std::array<unsigned, 9> masks{};
    for (int square = 0; square < 9; ++square) {
        const int row = square / 3, column = square % 3;
        if (row > 0)
            masks[square] |= 1u << (square - 3);
        if (column > 0)
            masks[square] |= 1u << (square - 1);
        if (column < 2)
            masks[square] |= 1u << (square + 1);
        if (row < 2)
            masks[square] |= 1u << (square + 3);
    }
    return masks;
}();

// The side of a card on one square that faces a square beside it: 0 north,
// 1 east, 2 south, 3 west.
inline constexpr std::array<std::array<std::int8_t, 9>, 9> SideToward = [] {
    std::array<std::array<std::int8_t, 9>, 9> side{};
    for (int square = 0; square < 9; ++square) {
        if (square >= 3)
            side[square][square - 3] = 0;
        if (square % 3 < 2)
            side[square][square + 1] = 1;
        if (square < 6)
            side[square][square + 3] = 2;
        if (square % 3 > 0)
            side[square][square - 1] = 3;
    }
    return side;
}();

// The capture rule, for every in-memory form of the board. A card placed on
// `square` acts on the squares beside it that hold an opponent's card
// (`theirs`), in ascending order of square; `takes(from, to)` says whether the
// card on `from` takes the card on `to` (its edge facing `to` strictly higher
// than the edge facing back). Under the combo rule each card so taken acts
// once in turn, in ascending order of its square, on the opponent's cards
// still beside it, one level deep. `taken(square)` hears of every card taken,
// in the order it is taken.
template <typename Takes, typename Taken>
[[gnu::always_inline]] inline void applyCaptureRule(int square, unsigned theirs, Rule rule,
                                                    const Takes& takes, const Taken& taken) {
    unsigned first = 0;
    for (unsigned near = theirs & Adjacent[square]; near != 0; near &= near - 1) {
        const int to = __builtin_ctz(near);
        if (takes(square, to)) {
            first |= 1u << to;
            taken(to);
        }
    }
    if (first == 0 || rule != Rule::BasicCombo)
        return;
    theirs &= ~first;
    for (unsigned queue = first; queue != 0; queue &= queue - 1) {
        const int from = __builtin_ctz(queue);
        for (unsigned near = theirs & Adjacent[from]; near != 0; near &= near - 1) {
            const int to = __builtin_ctz(near);
            if (takes(from, to)) {
                theirs &= ~(1u << to);
                taken(to);
            }
        }
    }
}

// The edge on `side`: 0 north, 1 east, 2 south, 3 west.
inline int edgeOn(const Card& card, int side) {
    return side == 0 ? card.north : side == 1 ? card.east : side == 2 ? card.south : card.west;
}

// The sum of the four edges: what a player scores for taking the card.
inline int points(const Card& card) {
    return card.north + card.east + card.south + card.west;
}

} // namespace computer
