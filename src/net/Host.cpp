#include "net/Host.h"

#include <QCoreApplication>
#include <QSslSocket>
#include <QTcpServer>

namespace net {

namespace {
// A listening socket that hands each accepted connection over undecorated,
// so that it can become a TLS socket.
class Listener : public QTcpServer {
  public:
    Listener(std::function<void(qintptr)> accept, QObject* parent)
        : QTcpServer(parent), m_accept(std::move(accept)) {}

  protected:
    void incomingConnection(qintptr descriptor) override { m_accept(descriptor); }

  private:
    std::function<void(qintptr)> m_accept;
};
} // namespace

Host::Host(JoinCode code, MatchOptions options, QByteArray cardList, int cardCount,
           const Timing& timing, QObject* parent)
    : QObject(parent), m_code(std::move(code)), m_options(std::move(options)),
      m_cardList(std::move(cardList)), m_cardCount(cardCount), m_timing(timing) {}

Host::~Host() {
    close();
}

bool Host::listen(quint16 port, QString* error) {
    if (!QSslSocket::supportsSsl()) {
        if (error)
            *error = QCoreApplication::translate(
                "Network", "The network match needs OpenSSL, which could not be loaded.");
        return false;
    }
    // The key is derived once, before anyone calls.
    m_code.key();
    delete m_server;
    m_server = new Listener([this](qintptr d) { incoming(d); }, this);
    // The dual-stack address takes both IPv4 and IPv6 callers; a system
    // without IPv6 still listens on IPv4.
    if (!m_server->listen(QHostAddress::Any, port) &&
        !m_server->listen(QHostAddress::AnyIPv4, port)) {
        if (error)
            *error =
                QCoreApplication::translate("Network", "The game cannot wait for a player on port "
                                                       "%1: %2")
                    .arg(port)
                    .arg(m_server->errorString());
        delete m_server;
        m_server = nullptr;
        return false;
    }
    return true;
}

quint16 Host::port() const {
    return m_server ? m_server->serverPort() : 0;
}

void Host::close() {
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    for (Link* link : std::as_const(m_pending))
        link->deleteLater();
    m_pending.clear();
    if (Link* guest = m_guest) {
        m_guest = nullptr;
        // Nothing the link reports while it says farewell concerns the host
        // any more: writing may find the connection already dropped.
        guest->disconnect(this);
        guest->leave();
        // The link closes its socket once the farewell is written.
        QTimer::singleShot(3000, guest, &QObject::deleteLater);
    }
}

void Host::incoming(qintptr descriptor) {
    auto* socket = new QSslSocket;
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    // Callers who keep the encryption from finishing cannot crowd out the
    // guest: each has the greeting time-out, and when too many wait, the one
    // waiting longest gives way to the newcomer.
    if (m_pending.size() >= MaxWaiting) {
        Link* oldest = m_pending.takeFirst();
        oldest->disconnect(this);
        oldest->abort(Fault::Timeout);
        oldest->deleteLater();
        emit notice(Fault::Timeout);
    }
    auto* link =
        new Link(socket, m_code.key(),
                 Conversation(Conversation::Side::Host, m_cardList, m_cardCount), m_timing, this);
    m_pending.append(link);
    connect(link, &Link::received, this,
            [this, link](const Message& message) { pending_Received(link, message); });
    connect(link, &Link::ended, this,
            [this, link](Fault fault, Fault) { pending_Ended(link, fault); });
    socket->startServerEncryption();
}

void Host::pending_Received(Link* link, const Message& message) {
    // The conversation lets nothing but a hello through first.
    const auto* hello = std::get_if<Hello>(&message.body);
    if (!hello)
        return;
    m_pending.removeOne(link);
    link->disconnect(this);
    if (m_guest) {
        link->abort(Fault::Busy);
        QTimer::singleShot(3000, link, &QObject::deleteLater);
        emit notice(Fault::Busy);
        return;
    }
    m_guest = link;
    MatchOptions options = m_options;
    options.guestName = hello->name;
    connect(link, &Link::received, this, &Host::received);
    connect(link, &Link::ended, this, [this, link](Fault fault, Fault reason) {
        const QString name = link->conversation().peerName();
        if (m_guest == link)
            m_guest = nullptr;
        link->deleteLater();
        emit ended(fault, reason, name);
    });
    link->send(Welcome{options});
    emit joined(hello->name);
}

void Host::pending_Ended(Link* link, Fault fault) {
    m_pending.removeOne(link);
    link->deleteLater();
    emit notice(fault);
}

} // namespace net
