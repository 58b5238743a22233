#include "computer/Computer.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace computer {

Move chooseMove(const Position& position, Level, std::uint64_t seed) {
    std::vector<Move> legal;
    for (int slot = 0; slot < 5; ++slot) {
        if (!position.hand[slot])
            continue;
        for (int square = 0; square < 9; ++square)
            if (position.owner[square] == 0)
                legal.push_back({slot + 1, square + 1});
    }
    if (legal.empty())
        return {};
    std::mt19937_64 engine(seed);
    return legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(engine)];
}

std::array<bool, 8> chooseSelection(const std::array<Card, 8>&, Level, std::uint64_t seed) {
    std::array<int, 8> order{};
    std::iota(order.begin(), order.end(), 0);
    std::mt19937_64 engine(seed);
    std::shuffle(order.begin(), order.end(), engine);
    std::array<bool, 8> marked{};
    for (int i = 0; i < 5; ++i)
        marked[order[i]] = true;
    return marked;
}

} // namespace computer
