#pragma once

#include "net/Fault.h"
#include "net/Wire.h"

#include <QList>
#include <QObject>
#include <QPointer>

class FrmMain;
class HostSeat;
class JoinedSeat;
namespace net {
class Link;
}

// The guest's board in a network match with the host at the other end of
// `link`, which has welcomed it with `options`. The host's options decide
// (names, hand option, rule, target score) and the host deals: the host's
// seat stands behind player 1, whose selection window is not shown here and
// whose hidden cards stay face down; the person here plays player 2 and
// chooses from the offer the host sent. His Done and his placements travel
// to the host as proposals and are played here when the host answers, with
// the host's own placements, through the handlers a click runs. Every
// placement is played here with the capture rule and must agree with the
// host's word (card, captures, scores); a disagreement ends the match.
//
// The board's file mirrors only what the guest may see: under Closed Hand a
// card of the host's hand enters it only as the card is placed.
//
// Make it as soon as the guest is welcomed, in a slot connected to
// net::Guest::joined: the host's first offer may come with the welcome, and
// a message that arrives before the match listens is not heard again.
class JoinedMatch : public QObject {
    Q_OBJECT
  public:
    JoinedMatch(FrmMain* board, net::Link* link, const net::MatchOptions& options,
                QObject* parent = nullptr);
    ~JoinedMatch() override;

    net::Link* link() const { return m_link; }
    HostSeat* hostSeat() const { return m_hostSeat; }
    JoinedSeat* seat() const { return m_seat; }

  signals:
    // The conversation with the host is over (see net::Link::ended).
    void ended(net::Fault fault, net::Fault reason);

  private:
    void link_Received(const net::Message& message);
    void link_Ended(net::Fault fault, net::Fault reason);
    void board_MatchAbandoned();
    void board_CardPlaced(int player, int handSlot, int location, int card,
                          const QList<int>& captures);
    void seat_SelectionProposed(const std::array<bool, 8>& marks);
    void seat_MoveProposed(int handSlot, int location);
    void hostSeat_CardShown(int handSlot, int card);
    void showOffer();
    void tellAndEnd();
    void giveSeatsBack();

    FrmMain* m_board;
    QPointer<net::Link> m_link;
    net::MatchOptions m_options;
    HostSeat* m_hostSeat;
    JoinedSeat* m_seat;
    // The host's placements not played on this board yet, oldest first.
    QList<net::Placement> m_placements;
    QString m_endText;
    bool m_over = false;
};
