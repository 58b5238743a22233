#include "net/Conversation.h"

#include <type_traits>

namespace net {

Conversation::Conversation(Side side, QByteArray cardList, int cardCount)
    : m_side(side), m_cardList(std::move(cardList)), m_cardCount(qBound(0, cardCount, 32767)) {}

QString Conversation::peerName() const {
    if (m_side == Side::Host)
        return m_guestName.value_or(QString());
    return m_options ? m_options->hostName : QString();
}

Fault Conversation::receive(const Message& message) {
    if (m_phase == Phase::Ended)
        return Fault::OutOfTurn;
    // A message numbered otherwise is a replay or was made up.
    if (message.sequence != m_lastIn + 1) {
        m_phase = Phase::Ended;
        return Fault::OutOfTurn;
    }
    const From from = m_side == Side::Host ? From::Guest : From::Host;
    const Fault fault = check(message.body, from);
    if (fault != Fault::None) {
        m_phase = Phase::Ended;
        return fault;
    }
    m_lastIn = message.sequence;
    apply(message.body, from);
    return Fault::None;
}

Fault Conversation::send(const Body& body, Message* numbered) {
    const bool farewell =
        std::holds_alternative<Leave>(body) || std::holds_alternative<Error>(body);
    if ((m_phase == Phase::Ended && !farewell) || m_lastOut == 0xFFFFFFFF)
        return Fault::OutOfTurn;
    // What this side sends must pass the reader the other side runs.
    const Message message{m_lastOut + 1, body};
    const Decoded echo = decodePayload(encodePayload(message));
    if (!echo.message || !(*echo.message == message))
        return echo.fault == Fault::None ? Fault::Malformed : echo.fault;
    const From from = m_side == Side::Host ? From::Host : From::Guest;
    const Fault fault = check(body, from);
    if (fault != Fault::None)
        return fault;
    *numbered = message;
    ++m_lastOut;
    apply(body, from);
    return Fault::None;
}

void Conversation::newHand() {
    ++m_hand;
    m_offer.reset();
    m_selection.reset();
    m_guestHand.fill(0);
    m_hostHand.reset();
    for (auto& hand : m_inHand)
        hand.fill(false);
    m_owner.fill(0);
    m_cardsPlaced = 0;
    m_move.reset();
}

Fault Conversation::check(const Body& body, From from) const {
    const bool host = from == From::Host;
    const bool playing = m_phase != Phase::Ended;
    auto card = [this](quint16 number) { return number >= 1 && number <= m_cardCount; };
    return std::visit(
        [&](const auto& m) -> Fault {
            using T = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<T, Heartbeat>) {
                return playing ? Fault::None : Fault::OutOfTurn;
            } else if constexpr (std::is_same_v<T, Leave> || std::is_same_v<T, Error>) {
                // Either side may end the conversation at any moment, and
                // still say why after a fault has ended it on its side.
                return Fault::None;
            } else if constexpr (std::is_same_v<T, Hello>) {
                if (host || m_phase != Phase::Greeting || m_guestName)
                    return Fault::OutOfTurn;
                return m.cardList == m_cardList ? Fault::None : Fault::CardList;
            } else if constexpr (std::is_same_v<T, Welcome>) {
                if (!host || m_phase != Phase::Greeting || !m_guestName)
                    return Fault::OutOfTurn;
                // The host greets the guest by the name it gave.
                return m.options.guestName == *m_guestName && m.options.target > 0 ? Fault::None
                                                                                   : Fault::Illegal;
            } else if constexpr (std::is_same_v<T, Offer>) {
                if (!host || m_phase != Phase::Choosing || m_offer)
                    return Fault::OutOfTurn;
                for (quint16 c : m.cards)
                    if (!card(c))
                        return Fault::Illegal;
                return Fault::None;
            } else if constexpr (std::is_same_v<T, Selection>) {
                if (host || m_phase != Phase::Choosing || !m_offer || m_selection)
                    return Fault::OutOfTurn;
                return Fault::None;
            } else if constexpr (std::is_same_v<T, Deal>) {
                if (!host || m_phase != Phase::Choosing || !m_selection)
                    return Fault::OutOfTurn;
                // The guest's hand is the five cards it marked, in slot order.
                for (int k = 0; k < 5; ++k)
                    if (m.guestHand[k] != m_offer->cards[m_selection->marked[k] - 1])
                        return Fault::Illegal;
                // The host's hand travels exactly when it is shown face up.
                if (m.hostHand.has_value() != m_options->openHand)
                    return Fault::Illegal;
                if (m.hostHand)
                    for (quint16 c : *m.hostHand)
                        if (!card(c))
                            return Fault::Illegal;
                // After the first hand the player whose turn it is begins.
                if (m_hand > 1 && m.begins != m_turn)
                    return Fault::Illegal;
                return Fault::None;
            } else if constexpr (std::is_same_v<T, Move>) {
                if (host || m_phase != Phase::Playing || m_turn != GuestPlayer || m_move)
                    return Fault::OutOfTurn;
                if (!m_inHand[GuestPlayer][m.handSlot] || m_owner[m.location] != 0)
                    return Fault::Illegal;
                return Fault::None;
            } else if constexpr (std::is_same_v<T, Placement>) {
                if (!host || m_phase != Phase::Playing || m.player != m_turn)
                    return Fault::OutOfTurn;
                const int P = m.player;
                if (P == GuestPlayer) {
                    // The guest's cards move only as it proposed.
                    if (!m_move)
                        return Fault::OutOfTurn;
                    if (m_move->handSlot != m.handSlot || m_move->location != m.location ||
                        m.card != m_guestHand[m.handSlot])
                        return Fault::Illegal;
                } else if (m_hostHand && m.card != (*m_hostHand)[m.handSlot]) {
                    return Fault::Illegal;
                }
                if (!card(m.card) || !m_inHand[P][m.handSlot] || m_owner[m.location] != 0)
                    return Fault::Illegal;
                // Only the opponent's cards are captured.
                for (quint8 c : m.captures)
                    if (m_owner[c] != 3 - P)
                        return Fault::Illegal;
                // The mover gains what it captured; the other score stands.
                const qint16 mover = P == 1 ? m.score1 : m.score2;
                const qint16 other = P == 1 ? m.score2 : m.score1;
                if (other != m_score[3 - P] || mover < m_score[P] ||
                    (m.captures.isEmpty() && mover != m_score[P]))
                    return Fault::Illegal;
                return Fault::None;
            } else if constexpr (std::is_same_v<T, HandEnd>) {
                if (!host || m_phase != Phase::HandOver)
                    return Fault::OutOfTurn;
                const qint16 s1 = m_score[1];
                const qint16 s2 = m_score[2];
                const qint16 T = m_options->target;
                HandEnd expected{Outcome::NextHand,
                                 0,
                                 s1,
                                 s2,
                                 static_cast<quint8>(m_round),
                                 static_cast<quint8>(m_roundsWon[1]),
                                 static_cast<quint8>(m_roundsWon[2])};
                if ((s1 >= T || s2 >= T) && s1 != s2) {
                    const int P = s1 > s2 ? 1 : 2;
                    expected.winner = static_cast<quint8>(P);
                    quint8& won = P == 1 ? expected.roundsWon1 : expected.roundsWon2;
                    ++won;
                    expected.outcome = won == 3 ? Outcome::MatchWon : Outcome::RoundWon;
                }
                return m == expected ? Fault::None : Fault::Illegal;
            }
        },
        body);
}

void Conversation::apply(const Body& body, From) {
    std::visit(
        [&](const auto& m) {
            using T = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<T, Leave> || std::is_same_v<T, Error>) {
                m_phase = Phase::Ended;
            } else if constexpr (std::is_same_v<T, Hello>) {
                m_guestName = m.name;
            } else if constexpr (std::is_same_v<T, Welcome>) {
                m_options = m.options;
                m_phase = Phase::Choosing;
                newHand();
            } else if constexpr (std::is_same_v<T, Offer>) {
                m_offer = m;
            } else if constexpr (std::is_same_v<T, Selection>) {
                m_selection = m;
            } else if constexpr (std::is_same_v<T, Deal>) {
                for (int k = 0; k < 5; ++k)
                    m_guestHand[k + 1] = m.guestHand[k];
                if (m.hostHand) {
                    m_hostHand.emplace();
                    for (int k = 0; k < 5; ++k)
                        (*m_hostHand)[k + 1] = (*m.hostHand)[k];
                }
                for (int P = 1; P <= 2; ++P)
                    for (int s = 1; s <= 5; ++s)
                        m_inHand[P][s] = true;
                m_turn = m.begins;
                m_phase = Phase::Playing;
            } else if constexpr (std::is_same_v<T, Move>) {
                m_move = m;
            } else if constexpr (std::is_same_v<T, Placement>) {
                m_inHand[m.player][m.handSlot] = false;
                m_owner[m.location] = m.player;
                for (quint8 c : m.captures)
                    m_owner[c] = m.player;
                m_score[1] = m.score1;
                m_score[2] = m.score2;
                m_move.reset();
                m_turn = 3 - m.player;
                if (++m_cardsPlaced == 9)
                    m_phase = Phase::HandOver;
            } else if constexpr (std::is_same_v<T, HandEnd>) {
                m_roundsWon[1] = m.roundsWon1;
                m_roundsWon[2] = m.roundsWon2;
                if (m.outcome == Outcome::MatchWon) {
                    m_phase = Phase::MatchOver;
                    return;
                }
                if (m.outcome == Outcome::RoundWon) {
                    m_score.fill(0);
                    ++m_round;
                }
                m_phase = Phase::Choosing;
                newHand();
            }
        },
        body);
}

} // namespace net
