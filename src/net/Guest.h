#pragma once

#include "net/JoinCode.h"
#include "net/Link.h"

#include <QObject>
#include <QPointer>

namespace net {

// The guest's side of a network match: connects to the host's address,
// agrees on the encryption through the join code, says hello with the
// person's name and the card list, and hears the match's options in the
// welcome.
class Guest : public QObject {
    Q_OBJECT
  public:
    Guest(QByteArray cardList, int cardCount, const Timing& timing = {}, QObject* parent = nullptr);
    ~Guest() override;

    // Connects to `host` (a name or an address) on `port`.
    void join(const QString& host, quint16 port, const JoinCode& code, const QString& name);
    // The connection, from join() until the match is over.
    Link* link() const { return m_link; }
    // Leaves the match (or the attempt to join), telling the host.
    void close();

  signals:
    void joined(const net::MatchOptions& options);
    void received(const net::Message& message);
    void ended(net::Fault fault, net::Fault reason, const QString& hostName);

  private:
    QByteArray m_cardList;
    int m_cardCount;
    Timing m_timing;
    QPointer<Link> m_link;
};

} // namespace net
