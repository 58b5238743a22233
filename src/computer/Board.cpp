#include "computer/Board.h"

namespace computer {

namespace {

// One neighbour of a square: where it lies, the side of the acting card that
// faces it and the side of the neighbour that faces back.
struct Neighbour {
    std::int8_t square;
    std::int8_t actingSide;
    std::int8_t facingSide;
};

struct Neighbours {
    std::array<Neighbour, 4> list{};
    int count = 0;
};

// Above, left, right, below: ascending order of square, the order in which
// the rules engine examines them.
constexpr std::array<Neighbours, 9> makeNeighbours() {
    std::array<Neighbours, 9> table{};
    for (int square = 0; square < 9; ++square) {
        const int row = square / 3, column = square % 3;
        Neighbours& n = table[square];
        if (row > 0)
            n.list[n.count++] = {static_cast<std::int8_t>(square - 3), 0, 2};
        if (column > 0)
            n.list[n.count++] = {static_cast<std::int8_t>(square - 1), 3, 1};
        if (column < 2)
            n.list[n.count++] = {static_cast<std::int8_t>(square + 1), 1, 3};
        if (row < 2)
            n.list[n.count++] = {static_cast<std::int8_t>(square + 3), 2, 0};
    }
    return table;
}

constexpr std::array<Neighbours, 9> NeighbourTable = makeNeighbours();

} // namespace

int Board::place(int square, const Card& placed, int player, Rule rule, Captures* taken) {
    card[square] = placed;
    owner[square] = player;
    const int opponent = 3 - player;
    int gained = 0;
    unsigned queued = 0;

    // `acting` on `from` takes every weaker facing card of the opponent.
    auto act = [&](int from, const Card& acting, bool queue) {
        const Neighbours& neighbours = NeighbourTable[from];
        for (int i = 0; i < neighbours.count; ++i) {
            const Neighbour& n = neighbours.list[i];
            if (owner[n.square] != opponent)
                continue;
            if (!(edgeOn(card[n.square], n.facingSide) < edgeOn(acting, n.actingSide)))
                continue;
            owner[n.square] = player;
            gained += points(card[n.square]);
            if (queue)
                queued |= 1u << n.square;
            if (taken)
                taken->squares[taken->count++] = n.square;
        }
    };

    act(square, placed, rule == Rule::BasicCombo);
    for (int from = 0; queued != 0 && from < 9; ++from)
        if (queued & (1u << from))
            act(from, card[from], false);
    return gained;
}

bool Board::isFull() const {
    for (int o : owner)
        if (o == 0)
            return false;
    return true;
}

} // namespace computer
