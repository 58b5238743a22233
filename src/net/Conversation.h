#pragma once

#include "net/Wire.h"

#include <array>
#include <optional>

namespace net {

// The rules of the conversation of one network match, which each side keeps
// for both directions: who may say what and when, and what each message must
// agree with. The host plays player 1 and deals; the guest plays player 2,
// chooses from the offer the host sends it and proposes its moves, which the
// host answers with the placement it played. The conversation follows the
// match through the messages alone: the hands as far as this side may know
// them, the board's owners, the turn, both scores and the rounds won, and
// refuses a message that does not fit. It knows no window and no table; the
// match behind it applies each message through the same handlers and checks
// a click runs.
class Conversation {
  public:
    enum class Side { Host, Guest };
    enum class Phase {
        Greeting,  // until the welcome
        Choosing,  // an offer and a selection, until the deal
        Playing,   // the hand in play, until the ninth card
        HandOver,  // until the host says how the hand ended
        MatchOver, // the match is won; only leave, heartbeat and error remain
        Ended,     // a leave, an error or a fault ended the conversation
    };

    // `cardList` is this side's digest of the card list, `cardCount` the
    // number of cards in it (the highest card number).
    Conversation(Side side, QByteArray cardList, int cardCount);

    // A message from the other side: the next in its numbering, expected now,
    // and in agreement with what came before. On success the conversation
    // takes it in; any fault ends the conversation.
    Fault receive(const Message& message);
    // A message this side is about to send, numbered in `numbered` and taken
    // in. A message the other side would refuse is not sent: the fault is
    // returned and the conversation is unchanged.
    Fault send(const Body& body, Message* numbered);

    Side side() const { return m_side; }
    Phase phase() const { return m_phase; }
    // The match's options, known from the welcome on.
    const std::optional<MatchOptions>& options() const { return m_options; }
    // The other person's name, once known.
    QString peerName() const;
    int turn() const { return m_turn; }
    int hand() const { return m_hand; }
    int round() const { return m_round; }
    int cardsPlaced() const { return m_cardsPlaced; }
    int owner(int location) const { return m_owner[location]; }
    bool inHand(int player, int slot) const { return m_inHand[player][slot]; }
    qint16 score(int player) const { return m_score[player]; }
    int roundsWon(int player) const { return m_roundsWon[player]; }
    // The guest's offer of this hand, once sent.
    const std::optional<Offer>& offer() const { return m_offer; }
    // The guest's move the host has not answered yet.
    const std::optional<Move>& pendingMove() const { return m_move; }

  private:
    enum class From { Host, Guest };
    Fault check(const Body& body, From from) const;
    void apply(const Body& body, From from);
    void newHand();

    Side m_side;
    QByteArray m_cardList;
    int m_cardCount;
    Phase m_phase = Phase::Greeting;
    quint32 m_lastIn = 0;
    quint32 m_lastOut = 0;
    std::optional<QString> m_guestName;
    std::optional<MatchOptions> m_options;

    int m_hand = 0;
    int m_round = 1;
    int m_turn = 0;
    std::optional<Offer> m_offer;
    std::optional<Selection> m_selection;
    std::array<quint16, 6> m_guestHand{};
    std::optional<std::array<quint16, 6>> m_hostHand;
    std::array<std::array<bool, 6>, 3> m_inHand{};
    std::array<int, 10> m_owner{};
    int m_cardsPlaced = 0;
    std::optional<Move> m_move;
    std::array<qint16, 3> m_score{};
    std::array<int, 3> m_roundsWon{};
};

} // namespace net
