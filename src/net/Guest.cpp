#include "net/Guest.h"

#include <QSslSocket>

namespace net {

Guest::Guest(QByteArray cardList, int cardCount, const Timing& timing, QObject* parent)
    : QObject(parent), m_cardList(std::move(cardList)), m_cardCount(cardCount), m_timing(timing) {}

Guest::~Guest() {
    close();
}

void Guest::join(const QString& host, quint16 port, const JoinCode& code, const QString& name) {
    close();
    auto* socket = new QSslSocket;
    auto* link =
        new Link(socket, code.key(),
                 Conversation(Conversation::Side::Guest, m_cardList, m_cardCount), m_timing, this);
    m_link = link;
    connect(link, &Link::encrypted, this, [this, link, name] {
        link->send(Hello{name, m_cardList});
    });
    connect(link, &Link::received, this, [this](const Message& message) {
        if (const auto* welcome = std::get_if<Welcome>(&message.body))
            emit joined(welcome->options);
        else
            emit received(message);
    });
    connect(link, &Link::ended, this, [this, link](Fault fault, Fault reason) {
        const QString name = link->conversation().peerName();
        if (m_link == link)
            m_link = nullptr;
        link->deleteLater();
        emit ended(fault, reason, name);
    });
    // The host name is the one the player typed; the key, not a certificate,
    // says who answers.
    socket->connectToHostEncrypted(host, port);
}

void Guest::close() {
    if (!m_link)
        return;
    Link* link = m_link;
    m_link = nullptr;
    link->disconnect(this);
    link->leave();
    QTimer::singleShot(3000, link, &QObject::deleteLater);
}

} // namespace net
