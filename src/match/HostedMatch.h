#pragma once

#include "net/Fault.h"
#include "net/Wire.h"

#include <QObject>
#include <QPointer>

class FrmMain;
class RemoteSeat;
namespace net {
class Link;
}

// The host's board in a network match with the guest of `link`. The guest's
// seat stands behind player 2: its offer, drawn here, travels to it; its
// selection and its moves arrive from it and are played through the seat.
// Every card dealt and placed on this board, by either player, travels as
// the board played it: the deal (the host's own hand only under Open Hand),
// each placement with its captures and both scores, and how the hand ended.
// The board here stays the authority and keeps the match in its file as a
// local match does.
class HostedMatch : public QObject {
    Q_OBJECT
  public:
    HostedMatch(FrmMain* board, net::Link* link, QObject* parent = nullptr);
    ~HostedMatch() override;

    RemoteSeat* seat() const { return m_seat; }
    // What both sides compare in the hello: a SHA-256 digest of the edges of
    // every card of the card list, in draw order.
    static QByteArray cardListDigest();
    net::Link* link() const { return m_link; }

  signals:
    // The conversation with the guest is over (see net::Link::ended).
    void ended(net::Fault fault, net::Fault reason);

  private:
    void link_Received(const net::Message& message);
    void link_Ended(net::Fault fault, net::Fault reason);
    void tellAndEnd();
    void board_MatchAbandoned();
    void seat_OfferDealt(const std::array<int, 8>& cards);
    void board_HandsDealt(const QList<int>& hand1, const QList<int>& hand2);
    void board_CardPlaced(int player, int handSlot, int location, int card,
                          const QList<int>& captures);

    FrmMain* m_board;
    QPointer<net::Link> m_link;
    RemoteSeat* m_seat;
    // Why the match with the guest ended, once it has.
    QString m_endText;
    bool m_over = false;
};
