#include "net/Link.h"

#include <QPointer>
#include <QSslCipher>
#include <QSslPreSharedKeyAuthenticator>
#include <QSslSocket>

namespace net {

namespace {
const QByteArray PskIdentity = QByteArrayLiteral("quorvel/1");
// Decrypted bytes are never written anywhere, except that a test may ask
// for what one side received to be kept in a file of its own.
const char* const TraceVariable = "QUORVEL_NET_TRACE";
} // namespace

QSslConfiguration Link::tlsConfiguration() {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    // Qt's OpenSSL backend offers pre-shared keys only up to TLS 1.2.
    configuration.setProtocol(QSsl::TlsV1_2);
    configuration.setCiphers({QSslCipher(QStringLiteral("ECDHE-PSK-CHACHA20-POLY1305"))});
    // The key authenticates both sides; there is no certificate to check.
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    configuration.setPreSharedKeyIdentityHint(PskIdentity);
    configuration.setSslOption(QSsl::SslOptionDisableSessionTickets, true);
    return configuration;
}

Link::Link(QSslSocket* socket, const QByteArray& key, Conversation conversation,
           const Timing& timing, QObject* parent)
    : QObject(parent), m_socket(socket), m_key(key), m_conversation(std::move(conversation)),
      m_timing(timing) {
    m_socket->setParent(this);
    m_socket->setSslConfiguration(tlsConfiguration());
    // Qt buffers no more than this of what arrives; the frame reader takes
    // one frame at a time from it.
    m_socket->setReadBufferSize(64 * 1024);
    connect(m_socket, &QSslSocket::preSharedKeyAuthenticationRequired, this,
            [this](QSslPreSharedKeyAuthenticator* authenticator) {
                authenticator->setIdentity(PskIdentity);
                authenticator->setPreSharedKey(m_key);
            });
    connect(m_socket, &QSslSocket::alertSent, this,
            [this](QSsl::AlertLevel, QSsl::AlertType type, const QString&) {
                if (!m_encrypted)
                    m_handshakeAlert = static_cast<int>(type);
            });
    connect(m_socket, &QSslSocket::alertReceived, this,
            [this](QSsl::AlertLevel, QSsl::AlertType type, const QString&) {
                if (!m_encrypted)
                    m_handshakeAlert = static_cast<int>(type);
            });
    // Certificates play no part; Qt reports their absence all the same.
    connect(m_socket, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
        QList<QSslError> ignorable;
        for (const QSslError& e : errors)
            if (e.error() == QSslError::NoPeerCertificate ||
                e.error() == QSslError::HostNameMismatch)
                ignorable << e;
        m_socket->ignoreSslErrors(ignorable);
    });
    // A placement is a few dozen bytes that must arrive at once: without
    // this, the system holds a small write back until the last one is
    // acknowledged, which a receiver may delay by 40 ms.
    auto lowDelay = [this] { m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); };
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        lowDelay();
    connect(m_socket, &QSslSocket::connected, this, lowDelay);
    connect(m_socket, &QSslSocket::encrypted, this, &Link::socket_Encrypted);
    connect(m_socket, &QSslSocket::readyRead, this, &Link::socket_ReadyRead);
    connect(m_socket, &QSslSocket::errorOccurred, this, &Link::socket_Error);
    connect(m_socket, &QSslSocket::disconnected, this, &Link::socket_Disconnected);

    m_heartbeat.setInterval(m_timing.heartbeatMs);
    connect(&m_heartbeat, &QTimer::timeout, this, &Link::heartbeat_Timer);
    m_silence.setSingleShot(true);
    m_silence.setInterval(m_timing.silenceMs);
    connect(&m_silence, &QTimer::timeout, this, &Link::silence_Timer);
    m_greeting.setSingleShot(true);
    m_greeting.setInterval(m_timing.greetingMs);
    connect(&m_greeting, &QTimer::timeout, this, &Link::greeting_Timer);
    m_greeting.start();

    const QByteArray tracePath = qgetenv(TraceVariable);
    if (!tracePath.isEmpty()) {
        m_trace = std::make_unique<QFile>(QString::fromLocal8Bit(tracePath));
        if (!m_trace->open(QIODevice::WriteOnly | QIODevice::Append))
            m_trace.reset();
    }
}

Link::~Link() {
    // Destroyed with the match: the other side hears a close, nothing more.
    m_closing = true;
    m_reported = true;
    if (m_socket)
        m_socket->disconnect(this);
}

// ---- The connection -----------------------------------------------------------

void Link::socket_Encrypted() {
    m_encrypted = true;
    m_handshakeAlert = -1;
    m_silence.start();
    m_heartbeat.start();
    m_floodWindow.start();
    emit encrypted();
    // Bytes that came with the end of the handshake.
    if (m_socket->bytesAvailable() > 0)
        socket_ReadyRead();
}

void Link::socket_ReadyRead() {
    QPointer<Link> alive(this);
    while (alive && !m_closing && m_encrypted && m_socket->bytesAvailable() > 0) {
        const QByteArray bytes = m_socket->read(m_reader.wanted());
        if (bytes.isEmpty())
            break;
        trace(bytes);
        if (const Fault fault = m_reader.append(bytes); fault != Fault::None) {
            close(fault, Fault::None, true, true);
            return;
        }
        if (!m_reader.complete())
            continue;
        const Decoded decoded = decodePayload(m_reader.take());
        if (!decoded.message) {
            close(decoded.fault, Fault::None, true, true);
            return;
        }
        if (m_floodWindow.elapsed() >= 1000) {
            m_floodWindow.restart();
            m_floodCount = 0;
        }
        if (++m_floodCount > MaxMessagesPerSecond) {
            close(Fault::Flood, Fault::None, true, true);
            return;
        }
        if (const Fault fault = m_conversation.receive(*decoded.message); fault != Fault::None) {
            close(fault, Fault::None, true, true);
            return;
        }
        m_silence.start();
        if (m_conversation.phase() != Conversation::Phase::Greeting)
            m_greeting.stop();
        handle(*decoded.message);
    }
}

void Link::handle(const Message& message) {
    if (std::holds_alternative<Heartbeat>(message.body))
        return;
    if (std::holds_alternative<Leave>(message.body)) {
        close(Fault::Left, Fault::None, false, true);
        return;
    }
    if (const auto* error = std::get_if<Error>(&message.body)) {
        close(Fault::Refused, error->fault, false, true);
        return;
    }
    emit received(message);
}

void Link::socket_Error() {
    if (m_closing)
        return;
    const QAbstractSocket::SocketError error = m_socket->error();
    Fault fault = Fault::ConnectionLost;
    if (!m_encrypted) {
        const bool keysDiffer =
            m_handshakeAlert == static_cast<int>(QSsl::AlertType::BadRecordMac) ||
            m_handshakeAlert == static_cast<int>(QSsl::AlertType::DecryptError);
        switch (error) {
        case QAbstractSocket::SslHandshakeFailedError:
            fault = keysDiffer ? Fault::WrongCode : Fault::NotAGame;
            break;
        case QAbstractSocket::RemoteHostClosedError:
            fault = m_socket->state() == QAbstractSocket::UnconnectedState && keysDiffer
                        ? Fault::WrongCode
                        : Fault::NotAGame;
            break;
        default:
            fault = Fault::Unreachable;
        }
    }
    close(fault, Fault::None, false, true);
}

void Link::socket_Disconnected() {
    if (!m_closing)
        close(m_encrypted ? Fault::ConnectionLost : Fault::NotAGame, Fault::None, false, true);
}

// ---- Sending ----------------------------------------------------------------------

bool Link::send(const Body& body) {
    if (m_closing || !m_encrypted)
        return false;
    Message message;
    const Fault fault = m_conversation.send(body, &message);
    if (fault != Fault::None) {
        qWarning("The network match refused to send a %s message (fault %d).", typeName(body),
                 static_cast<int>(fault));
        return false;
    }
    if (m_conversation.phase() != Conversation::Phase::Greeting)
        m_greeting.stop();
    m_socket->write(encode(message));
    return true;
}

bool Link::writeFarewell(const Body& body) {
    if (!m_encrypted)
        return false;
    Message message;
    if (m_conversation.send(body, &message) != Fault::None)
        return false;
    m_socket->write(encode(message));
    // Handed to the system at once: the program may be about to end.
    m_socket->flush();
    return true;
}

void Link::leave() {
    if (m_closing)
        return;
    writeFarewell(Leave{});
    close(Fault::None, Fault::None, false, false);
}

void Link::abort(Fault fault) {
    if (!m_closing)
        close(fault, Fault::None, true, true);
}

void Link::close(Fault fault, Fault reason, bool tell, bool report) {
    if (m_closing)
        return;
    m_closing = true;
    m_heartbeat.stop();
    m_silence.stop();
    m_greeting.stop();
    if (tell && travels(fault))
        writeFarewell(Error{fault});
    // The socket is closed once the handler that noticed the fault has
    // returned: the TLS backend may still be inside the socket's own code.
    // What is written goes out before the close; a peer that never reads it
    // does not keep the socket open for long.
    QPointer<QSslSocket> socket(m_socket);
    QTimer::singleShot(0, this, [socket] {
        if (socket && socket->state() != QAbstractSocket::UnconnectedState)
            socket->disconnectFromHost();
    });
    QTimer::singleShot(2000, this, [socket] {
        if (socket && socket->state() != QAbstractSocket::UnconnectedState)
            socket->abort();
    });
    if (report && !m_reported) {
        m_reported = true;
        emit ended(fault, reason);
    }
}

// ---- Timers ----------------------------------------------------------------------------

void Link::heartbeat_Timer() {
    if (!m_closing && m_conversation.phase() != Conversation::Phase::Ended)
        send(Heartbeat{});
}

void Link::silence_Timer() {
    close(Fault::Timeout, Fault::None, true, true);
}

void Link::greeting_Timer() {
    if (m_conversation.phase() != Conversation::Phase::Greeting)
        return;
    // Before the encryption is agreed there is no one to tell. A guest that
    // reached no one, or something that never agreed on the encryption, is
    // told so; a host notes a caller that kept it waiting.
    Fault fault = Fault::Timeout;
    if (m_conversation.side() == Conversation::Side::Guest && !m_encrypted)
        fault = m_socket->state() == QAbstractSocket::ConnectedState ? Fault::NotAGame
                                                                     : Fault::Unreachable;
    close(fault, Fault::None, m_encrypted, true);
}

void Link::trace(const QByteArray& bytes) {
    if (m_trace) {
        m_trace->write(bytes);
        m_trace->flush();
    }
}

} // namespace net
