#pragma once

#include "net/JoinCode.h"
#include "net/Link.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QTcpServer;

namespace net {

// The host's side of a network match before and during play: listens on
// every address of this computer, IPv4 and IPv6, lets in the first guest
// whose encryption agrees with the join code and who says hello with the
// same card list, greets it with the match's options, and turns away
// everyone after it with a clear word while the match runs. Callers that
// are refused are noted, and the host goes on waiting or playing.
class Host : public QObject {
    Q_OBJECT
  public:
    // `options` are the host's: its name, the hand option and the rule; the
    // guest's name is filled in from its hello.
    Host(JoinCode code, MatchOptions options, QByteArray cardList, int cardCount,
         const Timing& timing = {}, QObject* parent = nullptr);
    ~Host() override;

    // Starts listening on `port` (0: a free port of the system's choice).
    // False, with the reason in `error`, when that cannot be done.
    bool listen(quint16 port, QString* error);
    quint16 port() const;
    const JoinCode& code() const { return m_code; }

    // The guest in the match, once welcomed.
    Link* guest() const { return m_guest; }
    // Callers that have not said hello yet.
    int waiting() const { return static_cast<int>(m_pending.size()); }
    // Stops listening and leaves the match, telling the guest.
    void close();

    // At most this many callers may be agreeing on the encryption at once.
    static constexpr int MaxWaiting = 4;

  signals:
    // The guest has been welcomed.
    void joined(const QString& guestName);
    // A message of the guest's that passed every check.
    void received(const net::Message& message);
    // The match with the guest is over (see Link::ended).
    void ended(net::Fault fault, net::Fault reason, const QString& guestName);
    // A caller was turned away; the host goes on.
    void notice(net::Fault fault);

  private:
    void incoming(qintptr descriptor);
    void pending_Received(Link* link, const Message& message);
    void pending_Ended(Link* link, Fault fault);

    JoinCode m_code;
    MatchOptions m_options;
    QByteArray m_cardList;
    int m_cardCount;
    Timing m_timing;
    QTcpServer* m_server = nullptr;
    QList<Link*> m_pending;
    QPointer<Link> m_guest;
};

} // namespace net
