#include "match/JoinedMatch.h"

#include "match/FrmMain.h"
#include "net/Link.h"
#include "options/FrmOptions.h"
#include "platform/Controls.h"
#include "seats/HostSeat.h"
#include "seats/JoinedSeat.h"
#include "seats/PersonSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>

JoinedMatch::JoinedMatch(FrmMain* board, net::Link* link, const net::MatchOptions& options,
                         QObject* parent)
    : QObject(parent), m_board(board), m_link(link), m_options(options),
      m_hostSeat(new HostSeat(net::HostPlayer, this)),
      m_seat(new JoinedSeat(net::GuestPlayer, this)) {
    // The host's options hold for the whole match, as if set up here.
    frmOptions->gstrPlayer1Name = options.hostName;
    frmOptions->gstrPlayer2Name = options.guestName;
    frmOptions->txtPlayer1Name->setText(options.hostName);
    frmOptions->txtPlayer2Name->setText(options.guestName);
    frmOptions->gblnHand = options.openHand;
    frmOptions->lblHandOpt[0]->setCaption(options.openHand ? QStringLiteral("X") : QString());
    frmOptions->lblHandOpt[1]->setCaption(options.openHand ? QString() : QStringLiteral("X"));
    frmOptions->gblnBasic = !options.combo;
    frmOptions->gblnBasicCombo = options.combo;
    frmOptions->lblRuleOpts[0]->setCaption(options.combo ? QString() : QStringLiteral("X"));
    frmOptions->lblRuleOpts[1]->setCaption(options.combo ? QStringLiteral("X") : QString());
    frmOptions->gintWinHigh = options.target;
    seats::setSeat(net::HostPlayer, m_hostSeat);
    seats::setSeat(net::GuestPlayer, m_seat);

    connect(link, &net::Link::received, this, &JoinedMatch::link_Received);
    connect(link, &net::Link::ended, this, &JoinedMatch::link_Ended);
    connect(m_seat, &JoinedSeat::selectionProposed, this, &JoinedMatch::seat_SelectionProposed);
    connect(m_seat, &JoinedSeat::moveProposed, this, &JoinedMatch::seat_MoveProposed);
    connect(m_hostSeat, &HostSeat::cardShown, this, &JoinedMatch::hostSeat_CardShown);
    board->joinMatch();
    connect(board, &FrmMain::cardPlaced, this, &JoinedMatch::board_CardPlaced);
    connect(board, &FrmMain::matchAbandoned, this, &JoinedMatch::board_MatchAbandoned);
}

JoinedMatch::~JoinedMatch() {
    giveSeatsBack();
}

// The sides are played here again, by persons, until the options say who.
void JoinedMatch::giveSeatsBack() {
    seats::giveBack(net::HostPlayer, m_hostSeat);
    seats::giveBack(net::GuestPlayer, m_seat);
}

// The conversation has checked the message against the match so far: an
// offer in its time, a deal of the cards this side chose, a placement of a
// card the player holds onto a free square, the guest's only as proposed.
void JoinedMatch::link_Received(const net::Message& message) {
    if (m_over)
        return;
    if (const auto* offer = std::get_if<net::Offer>(&message.body)) {
        std::array<int, 8> cards{};
        for (int i = 0; i < 8; ++i)
            cards[i] = offer->cards[i];
        m_seat->offerArrived(cards);
        showOffer();
    } else if (const auto* deal = std::get_if<net::Deal>(&message.body)) {
        std::array<int, 5> host{};
        if (deal->hostHand)
            for (int k = 0; k < 5; ++k)
                host[k] = (*deal->hostHand)[k];
        m_board->gintTurn = deal->begins;
        m_board->handDealtElsewhere(net::HostPlayer, host);
        m_seat->selectionAccepted();
    } else if (const auto* placement = std::get_if<net::Placement>(&message.body)) {
        m_placements << *placement;
        if (placement->player == net::HostPlayer)
            m_hostSeat->placementArrived(placement->handSlot, placement->location, placement->card);
        else
            m_seat->moveAccepted(placement->handSlot, placement->location);
    }
    // How a hand ended needs nothing here: the conversation has checked it
    // against the scores this board counted, and the board ends the hand
    // itself at the ninth card.
}

// The host's offer is chosen from once this board is ready for a new hand:
// the last hand's messages answered, the board in front.
void JoinedMatch::showOffer() {
    if (m_over || !m_seat->hasOffer())
        return;
    const bool ready = !QApplication::activeModalWidget() && m_board->isVisible() &&
                       m_board->gblnNewRound && !frmPlayer2->isVisible();
    if (!ready) {
        QTimer::singleShot(50, this, &JoinedMatch::showOffer);
        return;
    }
    m_board->Hide();
    frmPlayer2->Show();
}

void JoinedMatch::seat_SelectionProposed(const std::array<bool, 8>& marks) {
    if (!m_link || m_over)
        return;
    net::Selection selection;
    int k = 0;
    for (int i = 0; i < 8 && k < 5; ++i)
        if (marks[i])
            selection.marked[k++] = static_cast<quint8>(i + 1);
    if (k == 5)
        m_link->send(selection);
}

void JoinedMatch::seat_MoveProposed(int handSlot, int location) {
    if (!m_link || m_over)
        return;
    m_link->send(net::Move{static_cast<quint8>(handSlot), static_cast<quint8>(location)});
}

// The host's card enters its hand table just before it is played from it.
void JoinedMatch::hostSeat_CardShown(int handSlot, int card) {
    m_board->handCardArrived(net::HostPlayer, handSlot, card);
}

// Each card played here is the host's placement, played with this board's
// own rule: the same card, the same captures, the same scores.
void JoinedMatch::board_CardPlaced(int player, int handSlot, int location, int card,
                                   const QList<int>& captures) {
    if (m_over || !m_link)
        return;
    if (m_placements.isEmpty()) {
        m_link->abort(net::Fault::OutOfTurn);
        return;
    }
    const net::Placement expected = m_placements.takeFirst();
    QList<int> said;
    for (quint8 c : expected.captures)
        said << c;
    QList<int> taken = captures;
    std::sort(said.begin(), said.end());
    std::sort(taken.begin(), taken.end());
    const bool agrees = expected.player == player && expected.handSlot == handSlot &&
                        expected.location == location && expected.card == card && said == taken &&
                        expected.score1 == m_board->PlayRules().gintPlayer1Score &&
                        expected.score2 == m_board->PlayRules().gintPlayer2Score;
    if (!agrees) {
        qWarning("The host's placement on square %d does not agree with the rule played here.",
                 location);
        m_link->abort(net::Fault::Illegal);
    }
}

// The person here pressed New Game or Exit: the host is told that he left.
void JoinedMatch::board_MatchAbandoned() {
    if (m_over)
        return;
    m_over = true;
    if (m_link)
        m_link->leave();
    giveSeatsBack();
}

// The host left, went silent or lost the connection, or broke the rules:
// nothing it still sends counts, the person here is told why, and a new game
// is set up on this board.
void JoinedMatch::link_Ended(net::Fault fault, net::Fault reason) {
    if (m_over)
        return;
    m_over = true;
    m_endText = net::faultText(fault, m_options.hostName, reason);
    giveSeatsBack();
    emit ended(fault, reason);
    tellAndEnd();
}

// The message waits for a window that is up modally (the end of a hand) to
// be answered first.
void JoinedMatch::tellAndEnd() {
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, &JoinedMatch::tellAndEnd);
        return;
    }
    if (!m_board->isLoaded())
        return;
    // The window was drawn for the game's own short messages: this one is
    // made smaller, in English too, until all of it shows.
    frmMessage->lblMsg->setFitInEveryLanguage(true);
    frmMessage->lblMsg->setCaption(m_endText);
    frmMessage->lblMsg->setForeColor(QColor(0, 0, 0));
    frmMessage->ShowModal();
    frmMessage->lblMsg->setFitInEveryLanguage(false);
    m_board->abandonMatch();
}
