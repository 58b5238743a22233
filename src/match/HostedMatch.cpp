#include "match/HostedMatch.h"

#include "match/FrmMain.h"
#include "net/Link.h"
#include "options/FrmOptions.h"
#include "seats/PersonSeat.h"
#include "seats/RemoteSeat.h"
#include "seats/Seats.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QTimer>

HostedMatch::HostedMatch(FrmMain* board, net::Link* link, QObject* parent)
    : QObject(parent), m_board(board), m_link(link),
      m_seat(new RemoteSeat(net::GuestPlayer, this)) {
    connect(link, &net::Link::received, this, &HostedMatch::link_Received);
    connect(link, &net::Link::ended, this, &HostedMatch::link_Ended);
    connect(m_seat, &RemoteSeat::offerDealt, this, &HostedMatch::seat_OfferDealt);
    connect(board, &FrmMain::handsDealt, this, &HostedMatch::board_HandsDealt);
    connect(board, &FrmMain::cardPlaced, this, &HostedMatch::board_CardPlaced);
    connect(board, &FrmMain::matchAbandoned, this, &HostedMatch::board_MatchAbandoned);
}

// Player 2 is a person here again; the seat goes with the match.
HostedMatch::~HostedMatch() {
    seats::giveBack(net::GuestPlayer, m_seat);
}

QByteArray HostedMatch::cardListDigest() {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const computer::Card& card : FrmMain::cardList())
        for (int edge : {card.north, card.east, card.south, card.west})
            hash.addData(QByteArray(1, static_cast<char>(edge)));
    return hash.result();
}

// The conversation has checked the message against the match so far: a
// selection from the offer sent, a move of a card the guest holds onto a
// free square, in its turn.
void HostedMatch::link_Received(const net::Message& message) {
    if (const auto* selection = std::get_if<net::Selection>(&message.body)) {
        std::array<int, 5> offerSlots{};
        for (int k = 0; k < 5; ++k)
            offerSlots[k] = selection->marked[k];
        m_seat->selectionArrived(offerSlots);
    } else if (const auto* move = std::get_if<net::Move>(&message.body)) {
        m_seat->moveArrived(move->handSlot, move->location);
    }
}

// The guest left, went silent or lost its connection, or broke the rules:
// nothing it still sends counts, the person here is told why, and a new game
// is set up on this board, where a person here may take player 2.
void HostedMatch::link_Ended(net::Fault fault, net::Fault reason) {
    if (m_over)
        return;
    m_over = true;
    m_endText = net::faultText(fault, frmOptions->gstrPlayer2Name, reason);
    seats::giveBack(net::GuestPlayer, m_seat);
    emit ended(fault, reason);
    tellAndEnd();
}

// The host's person pressed New Game or Exit: the guest is told that he
// left, and player 2 is a person here again.
void HostedMatch::board_MatchAbandoned() {
    if (m_over)
        return;
    m_over = true;
    if (m_link)
        m_link->leave();
    seats::giveBack(net::GuestPlayer, m_seat);
}

// The message waits for a window that is up modally (the end of a hand)
// to be answered first.
void HostedMatch::tellAndEnd() {
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, &HostedMatch::tellAndEnd);
        return;
    }
    if (!frmMain->isLoaded())
        return;
    // The window was drawn for the game's own short messages: this one is
    // made smaller, in English too, until all of it shows.
    frmMessage->lblMsg->setFitInEveryLanguage(true);
    frmMessage->lblMsg->setCaption(m_endText);
    frmMessage->lblMsg->setForeColor(QColor(0, 0, 0));
    frmMessage->ShowModal();
    frmMessage->lblMsg->setFitInEveryLanguage(false);
    frmMain->abandonMatch();
}

void HostedMatch::seat_OfferDealt(const std::array<int, 8>& cards) {
    if (!m_link)
        return;
    net::Offer offer;
    for (int i = 0; i < 8; ++i)
        offer.cards[i] = static_cast<quint16>(cards[i]);
    m_link->send(offer);
}

void HostedMatch::board_HandsDealt(const QList<int>& hand1, const QList<int>& hand2) {
    if (!m_link || hand1.size() != 5 || hand2.size() != 5)
        return;
    net::Deal deal;
    deal.begins = static_cast<quint8>(m_board->gintTurn);
    std::array<quint16, 5> host{};
    for (int k = 0; k < 5; ++k) {
        deal.guestHand[k] = static_cast<quint16>(hand2[k]);
        host[k] = static_cast<quint16>(hand1[k]);
    }
    // The host's hand is face up for both only under Open Hand; otherwise
    // each of its cards travels with its placement.
    if (frmOptions->gblnHand)
        deal.hostHand = host;
    m_link->send(deal);
}

void HostedMatch::board_CardPlaced(int player, int handSlot, int location, int card,
                                   const QList<int>& captures) {
    if (!m_link)
        return;
    net::Placement placement;
    placement.player = static_cast<quint8>(player);
    placement.handSlot = static_cast<quint8>(handSlot);
    placement.location = static_cast<quint8>(location);
    placement.card = static_cast<quint16>(card);
    for (int square : captures)
        placement.captures << static_cast<quint8>(square);
    placement.score1 = m_board->PlayRules().gintPlayer1Score;
    placement.score2 = m_board->PlayRules().gintPlayer2Score;
    if (!m_link->send(placement))
        return;
    const net::Conversation& state = m_link->conversation();
    if (state.phase() != net::Conversation::Phase::HandOver)
        return;
    // The ninth card: the hand ends as the board's check of the winner
    // decides, from the scores and the rounds both sides have seen.
    const qint16 s1 = state.score(1);
    const qint16 s2 = state.score(2);
    net::HandEnd end{net::Outcome::NextHand,
                     0,
                     s1,
                     s2,
                     static_cast<quint8>(state.round()),
                     static_cast<quint8>(state.roundsWon(1)),
                     static_cast<quint8>(state.roundsWon(2))};
    const qint16 T = frmOptions->gintWinHigh;
    if ((s1 >= T || s2 >= T) && s1 != s2) {
        end.winner = s1 > s2 ? 1 : 2;
        quint8& won = end.winner == 1 ? end.roundsWon1 : end.roundsWon2;
        ++won;
        end.outcome = won == 3 ? net::Outcome::MatchWon : net::Outcome::RoundWon;
    }
    m_link->send(end);
}
