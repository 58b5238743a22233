#pragma once

#include "net/JoinCode.h"
#include "net/Link.h"
#include "net/Wire.h"

#include <QElapsedTimer>
#include <QSslPreSharedKeyAuthenticator>
#include <QSslSocket>
#include <QTcpServer>
#include <QTest>
#include <QtEndian>

#include <memory>

// The other end of a network match as a hostile program would be: it agrees
// on the encryption with the join code like the game, then writes whatever
// the test wants (raw bytes, frames of any length, messages out of turn or
// numbered wrong) and keeps everything the game answers. As a client it
// calls a host; as a server it waits for a guest.
class HostilePeer : public QObject {
  public:
    explicit HostilePeer(const net::JoinCode& code) : m_key(code.key()) {}

    // Calls a host; true once the encryption is agreed.
    bool connectTo(const QString& host, quint16 port, int timeoutMs = 5000) {
        adopt(new QSslSocket(this));
        m_socket->connectToHostEncrypted(host, port);
        return QTest::qWaitFor([this] { return m_socket->isEncrypted() || m_closed; }, timeoutMs) &&
               m_socket->isEncrypted();
    }

    // Waits for a guest on a free loopback port; returns the port.
    quint16 listen(const QHostAddress& address = QHostAddress::LocalHost) {
        m_server = std::make_unique<Server>(this);
        m_server->listen(address, 0);
        return m_server->serverPort();
    }
    bool waitForPeer(int timeoutMs = 5000) {
        return QTest::qWaitFor([this] { return m_socket && m_socket->isEncrypted(); }, timeoutMs);
    }

    void sendRaw(const QByteArray& bytes) {
        m_socket->write(bytes);
        m_socket->flush();
    }
    void send(quint32 sequence, const net::Body& body) {
        sendRaw(net::encode(net::Message{sequence, body}));
    }
    // Sends `bytes` one at a time, `gapMs` apart, while the connection lasts.
    void drip(const QByteArray& bytes, int gapMs) {
        for (char c : bytes) {
            if (m_closed)
                return;
            sendRaw(QByteArray(1, c));
            QTest::qWait(gapMs);
        }
    }

    bool waitForClose(int timeoutMs = 5000) {
        return QTest::qWaitFor([this] { return m_closed; }, timeoutMs);
    }
    bool closed() const { return m_closed; }
    QSslSocket* socket() const { return m_socket; }
    // How long after connecting the other side closed.
    qint64 closedAfterMs() const { return m_closedAfter; }

    // Every whole message the other side sent so far.
    QList<net::Message> received() const {
        QList<net::Message> out;
        net::FrameReader reader;
        QByteArrayView rest(m_bytes);
        while (!rest.isEmpty()) {
            const qsizetype n = qMin(reader.wanted(), rest.size());
            if (reader.append(rest.first(n)) != net::Fault::None)
                break;
            rest = rest.sliced(n);
            if (reader.complete()) {
                const net::Decoded d = net::decodePayload(reader.take());
                if (!d.message)
                    break;
                out << *d.message;
            }
        }
        return out;
    }
    // The fault of the last error message received, or None.
    net::Fault lastError() const {
        const QList<net::Message> all = received();
        for (qsizetype i = all.size() - 1; i >= 0; --i)
            if (const auto* e = std::get_if<net::Error>(&all[i].body))
                return e->fault;
        return net::Fault::None;
    }
    template <typename T> bool waitFor(int timeoutMs = 5000) {
        return QTest::qWaitFor(
            [this] {
                for (const net::Message& m : received())
                    if (std::holds_alternative<T>(m.body))
                        return true;
                return false;
            },
            timeoutMs);
    }

  private:
    class Server : public QTcpServer {
      public:
        explicit Server(HostilePeer* peer) : m_peer(peer) {}

      protected:
        void incomingConnection(qintptr descriptor) override {
            if (m_peer->m_socket)
                return;
            auto* socket = new QSslSocket(m_peer);
            socket->setSocketDescriptor(descriptor);
            m_peer->adopt(socket);
            socket->startServerEncryption();
        }

      private:
        HostilePeer* m_peer;
    };

    void adopt(QSslSocket* socket) {
        m_socket = socket;
        m_clock.start();
        m_socket->setSslConfiguration(net::Link::tlsConfiguration());
        connect(m_socket, &QSslSocket::preSharedKeyAuthenticationRequired, this,
                [this](QSslPreSharedKeyAuthenticator* a) {
                    a->setIdentity("quorvel/1");
                    a->setPreSharedKey(m_key);
                });
        connect(m_socket, &QSslSocket::sslErrors, this,
                [this](const QList<QSslError>& errors) { m_socket->ignoreSslErrors(errors); });
        connect(m_socket, &QSslSocket::readyRead, this, [this] { m_bytes += m_socket->readAll(); });
        connect(m_socket, &QSslSocket::disconnected, this, [this] {
            m_bytes += m_socket->readAll();
            m_closed = true;
            m_closedAfter = m_clock.elapsed();
        });
        connect(m_socket, &QSslSocket::errorOccurred, this, [this] {
            if (m_socket->state() == QAbstractSocket::UnconnectedState && !m_closed) {
                m_closed = true;
                m_closedAfter = m_clock.elapsed();
            }
        });
    }

    QByteArray m_key;
    QSslSocket* m_socket = nullptr;
    std::unique_ptr<Server> m_server;
    QByteArray m_bytes;
    bool m_closed = false;
    QElapsedTimer m_clock;
    qint64 m_closedAfter = -1;
};
