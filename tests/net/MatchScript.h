#pragma once

#include "net/Conversation.h"
#include "net/Wire.h"

#include <QList>

// Legal conversations of a network match for the tests: the messages of a
// hand in the order the two sides send them, with the scores the caller
// wants at its end. The capture rule is not played here (the conversation
// does not know the cards' edges): the eighth card takes the seventh square
// and the ninth card the eighth, and those two captures carry the score
// changes.
namespace script {

inline net::MatchOptions options(bool openHand = false, bool combo = false) {
    return {QStringLiteral("Dorvik"), QStringLiteral("Mirela"), openHand, combo,
            static_cast<qint16>(combo ? 200 : 150)};
}

inline QByteArray cardList() {
    return QByteArray(net::CardListDigestSize, '\x5a');
}

constexpr int CardCount = 606;

struct Step {
    bool fromHost;
    net::Body body;
};

inline QList<Step> greeting(const net::MatchOptions& options = script::options()) {
    return {{false, net::Hello{options.guestName, cardList()}}, {true, net::Welcome{options}}};
}

// The host's offer, the guest's selection (slots 1, 3, 4, 6, 8) and the deal.
inline QList<Step> choosing(const net::Conversation& state, int begins, quint16 firstCard = 11) {
    net::Offer offer;
    for (int i = 0; i < 8; ++i)
        offer.cards[i] = static_cast<quint16>(firstCard + i);
    const net::Selection selection{{1, 3, 4, 6, 8}};
    net::Deal deal;
    deal.begins = static_cast<quint8>(begins);
    for (int k = 0; k < 5; ++k)
        deal.guestHand[k] = offer.cards[selection.marked[k] - 1];
    if (state.options()->openHand)
        deal.hostHand = std::array<quint16, 5>{501, 502, 503, 504, 505};
    return {{true, offer}, {false, selection}, {true, deal}};
}

// The nine placements of a dealt hand (with the guest's moves before its
// own), ending with the scores `final1` and `final2`, which must not be
// below the scores when the hand began. `guestHand` and `hostHand` are the
// cards of the deal.
inline QList<Step> placements(const net::Conversation& state, const net::Deal& deal, qint16 final1,
                              qint16 final2) {
    QList<Step> steps;
    const int begins = deal.begins;
    const int other = 3 - begins;
    std::array<qint16, 3> score{0, state.score(1), state.score(2)};
    for (int k = 1; k <= 9; ++k) {
        const int P = k % 2 == 1 ? begins : other;
        const int slot = P == begins ? (k + 1) / 2 : k / 2;
        net::Placement p;
        p.player = static_cast<quint8>(P);
        p.handSlot = static_cast<quint8>(slot);
        p.location = static_cast<quint8>(k);
        if (P == net::GuestPlayer)
            p.card = deal.guestHand[slot - 1];
        else
            p.card = deal.hostHand ? (*deal.hostHand)[slot - 1] : static_cast<quint16>(600 + slot);
        if (k == 8) {
            p.captures = {7};
            score[P] = P == 1 ? final1 : final2;
        } else if (k == 9) {
            p.captures = {8};
            score[P] = P == 1 ? final1 : final2;
        }
        p.score1 = score[1];
        p.score2 = score[2];
        if (P == net::GuestPlayer)
            steps.append({false, net::Move{p.handSlot, p.location}});
        steps.append({true, p});
    }
    return steps;
}

// How the hand ends with the scores the conversation holds: what the host's
// match decides after the ninth card.
inline net::HandEnd handEnd(const net::Conversation& state) {
    const qint16 s1 = state.score(1);
    const qint16 s2 = state.score(2);
    const qint16 T = state.options()->target;
    net::HandEnd e{net::Outcome::NextHand,
                   0,
                   s1,
                   s2,
                   static_cast<quint8>(state.round()),
                   static_cast<quint8>(state.roundsWon(1)),
                   static_cast<quint8>(state.roundsWon(2))};
    if ((s1 >= T || s2 >= T) && s1 != s2) {
        e.winner = s1 > s2 ? 1 : 2;
        quint8& won = e.winner == 1 ? e.roundsWon1 : e.roundsWon2;
        ++won;
        e.outcome = won == 3 ? net::Outcome::MatchWon : net::Outcome::RoundWon;
    }
    return e;
}

} // namespace script
