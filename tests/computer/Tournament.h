#pragma once

#include "computer/Board.h"
#include "computer/Computer.h"
#include "computer/Search.h"

#include <QFile>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Hands played by the computer player against itself, with no window and no
// table: both sides choose from random offers and place through the same
// decision functions the game calls, each seeing only what a player of that
// seat may see.
namespace tournament {

using computer::Card;
using computer::Level;
using computer::Rule;

// The card list of the game, read from the list the card database is made of.
inline std::vector<Card> cardList(const QString& csvFile) {
    QFile file(csvFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + csvFile.toStdString());
    std::vector<Card> list;
    file.readLine(); // header
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split(',');
        if (f.size() < 9)
            continue;
        // autonumber,id,level,name,element,north,east,south,west,path
        list.push_back({f[5].toInt(), f[6].toInt(), f[7].toInt(), f[8].toInt()});
    }
    return list;
}

struct HandResult {
    std::array<int, 2> gained{}; // by seat 0 and seat 1
};

inline std::uint64_t mixSeed(std::uint64_t a, std::uint64_t b) {
    computer::Rng rng(a * 0x9E3779B97F4A7C15ull ^ b);
    return rng.next();
}

// Runs one decision of seat `seat` in `position`; a bench passes one that
// times it.
using DecisionHook = std::function<void(int seat, const computer::Position& position,
                                        const std::function<void()>& decide)>;

// One side of the table: how it keeps five of eight offered cards and how it
// moves, from what a player of its seat may see.
struct Player {
    std::string name;
    std::function<std::array<bool, 8>(const std::array<Card, 8>& offer, std::uint64_t seed,
                                      const std::vector<Card>& list)>
        select;
    std::function<computer::Move(const computer::Position& position, std::uint64_t seed)> move;
    // Shown the other seat's hand even under Closed Hand: a measure of what
    // knowing it is worth, never a player of the game.
    bool seesHiddenHand = false;
};

inline const char* levelName(Level level) {
    return level == Level::Easy ? "easy" : level == Level::Normal ? "normal" : "hard";
}

// A level of the game's computer player.
inline Player levelPlayer(Level level, const computer::Settings& settings = {}) {
    Player player;
    player.name = levelName(level);
    player.select = [level](const std::array<Card, 8>& offer, std::uint64_t seed,
                            const std::vector<Card>& list) {
        return computer::chooseSelection(offer, level, seed, list);
    };
    player.move = [level, settings](const computer::Position& position, std::uint64_t seed) {
        return computer::decide(position, level, seed, settings).move;
    };
    return player;
}

// The hard level shown the other seat's hand under Closed Hand too: it keeps
// hard's five cards and plays the exact best move with everything known. The
// ceiling of what a Closed Hand decision can reach against a given opponent.
inline Player oraclePlayer() {
    Player player = levelPlayer(Level::Hard);
    player.name = "oracle";
    player.seesHiddenHand = true;
    return player;
}

// Plays one hand: seat 0 and seat 1, `first` the seat that begins. Every
// move is checked for legality.
inline HandResult playHand(const std::array<Player, 2>& players, bool openHand, Rule rule,
                           int first, const std::vector<Card>& list, std::uint64_t seed,
                           const DecisionHook& hook = {}) {
    computer::Rng rng(seed);
    std::array<std::array<std::optional<Card>, 5>, 2> hands{};
    for (int seat = 0; seat < 2; ++seat) {
        std::array<Card, 8> offer{};
        for (Card& card : offer)
            card = list[rng.below(int(list.size()))];
        const auto marked = players[seat].select(offer, mixSeed(seed, 100 + seat), list);
        int slot = 0;
        for (int i = 0; i < 8; ++i)
            if (marked[i])
                hands[seat][slot++] = offer[i];
        if (slot != 5)
            throw std::logic_error("a selection did not mark five cards");
    }

    computer::Board board;                   // owner 1 = seat 0, owner 2 = seat 1
    std::vector<computer::Placement> played; // by seat + 1
    HandResult result;
    int seat = first;
    for (int ply = 0; ply < 9; ++ply, seat = 1 - seat) {
        // The position as the mover sees it: he is player 2.
        computer::Position position;
        position.board = board.card;
        for (int s = 0; s < 9; ++s)
            position.owner[s] = board.owner[s] == 0 ? 0 : (board.owner[s] == seat + 1 ? 2 : 1);
        position.hand = hands[seat];
        int opponentCards = 0;
        for (const auto& c : hands[1 - seat])
            opponentCards += c.has_value();
        position.opponentCardsLeft = opponentCards;
        position.opponentHandKnown = openHand || players[seat].seesHiddenHand;
        if (position.opponentHandKnown)
            position.opponentHand = hands[1 - seat];
        position.cardList = list;
        position.rule = rule;
        for (computer::Placement placed : played) {
            placed.player = placed.player == seat + 1 ? 2 : 1;
            position.history.push_back(placed);
        }

        computer::Move move;
        const auto decide = [&] { move = players[seat].move(position, mixSeed(seed, ply)); };
        if (hook)
            hook(seat, position, decide);
        else
            decide();
        if (move.handSlot < 1 || move.handSlot > 5 || !hands[seat][move.handSlot - 1] ||
            move.location < 1 || move.location > 9 || board.owner[move.location - 1] != 0)
            throw std::logic_error("an illegal move");
        played.push_back({move.location - 1, *hands[seat][move.handSlot - 1], seat + 1});
        result.gained[seat] +=
            board.place(move.location - 1, *hands[seat][move.handSlot - 1], seat + 1, rule);
        hands[seat][move.handSlot - 1].reset();
    }
    return result;
}

inline HandResult playHand(const std::array<Level, 2>& levels, bool openHand, Rule rule, int first,
                           const std::vector<Card>& list, std::uint64_t seed,
                           const computer::Settings& settings = {}, const DecisionHook& hook = {}) {
    return playHand({levelPlayer(levels[0], settings), levelPlayer(levels[1], settings)}, openHand,
                    rule, first, list, seed, hook);
}

struct Tally {
    int hands = 0;
    int wins = 0;   // of the first-named player
    int losses = 0; // its opponent's wins
    double share() const { return wins + losses == 0 ? 0 : double(wins) / (wins + losses); }
};

// `hands` hands of `a` against `b`, the first player alternating.
inline Tally pairing(const Player& a, const Player& b, bool openHand, Rule rule, int hands,
                     const std::vector<Card>& list, std::uint64_t seed) {
    Tally tally;
    for (int hand = 0; hand < hands; ++hand) {
        const HandResult r = playHand({a, b}, openHand, rule, hand % 2, list, mixSeed(seed, hand));
        ++tally.hands;
        if (r.gained[0] > r.gained[1])
            ++tally.wins;
        else if (r.gained[1] > r.gained[0])
            ++tally.losses;
    }
    return tally;
}

inline Tally pairing(Level a, Level b, bool openHand, Rule rule, int hands,
                     const std::vector<Card>& list, std::uint64_t seed,
                     const computer::Settings& settings = {}) {
    return pairing(levelPlayer(a, settings), levelPlayer(b, settings), openHand, rule, hands, list,
                   seed);
}

} // namespace tournament
