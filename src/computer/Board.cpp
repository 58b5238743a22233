#include "computer/Board.h"

namespace computer {

int Board::place(int square, const Card& placed, int player, Rule rule, Captures* taken) {
    card[square] = placed;
    owner[square] = player;
    unsigned theirs = 0;
    for (int s = 0; s < 9; ++s)
        if (owner[s] == 3 - player)
            theirs |= 1u << s;
    int gained = 0;
    applyCaptureRule(
        square, theirs, rule,
        [this](int from, int to) {
            const int side = SideToward[from][to];
            return edgeOn(card[to], (side + 2) % 4) < edgeOn(card[from], side);
        },
        [&](int to) {
            owner[to] = player;
            gained += points(card[to]);
            if (taken)
                taken->squares[taken->count++] = std::int8_t(to);
        });
    return gained;
}

bool Board::isFull() const {
    for (int o : owner)
        if (o == 0)
            return false;
    return true;
}

} // namespace computer
