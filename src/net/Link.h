#pragma once

#include "net/Conversation.h"
#include "net/Fault.h"
#include "net/Wire.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>

class QSslSocket;

namespace net {

// How long the two sides wait for each other.
struct Timing {
    // Each side says it is still there this often.
    int heartbeatMs = 2000;
    // Nothing whole arriving for this long ends the match. A drip of bytes
    // that never completes a message counts as nothing.
    int silenceMs = 10000;
    // The encryption, the hello and the welcome must be done within this.
    int greetingMs = 10000;
};

// One encrypted connection of a network match: the TLS socket, the frames on
// it, the conversation's rules for every message in and out, the heartbeat
// and the time-outs. Everything read is checked before anyone hears of it;
// the first fault ends the connection, after telling the other side why.
class Link : public QObject {
    Q_OBJECT
  public:
    // Takes over `socket`, connected or connecting, before its encryption
    // starts; `key` is the join code's pre-shared key.
    Link(QSslSocket* socket, const QByteArray& key, Conversation conversation, const Timing& timing,
         QObject* parent = nullptr);
    ~Link() override;

    // The TLS settings of both sides: TLS 1.2 with a pre-shared key and an
    // ephemeral elliptic-curve key exchange (ECDHE-PSK with ChaCha20-Poly1305),
    // no certificates.
    static QSslConfiguration tlsConfiguration();
    // Most messages one side may send in a second.
    static constexpr int MaxMessagesPerSecond = 100;

    const Conversation& conversation() const { return m_conversation; }
    QSslSocket* socket() const { return m_socket; }
    bool isEncrypted() const { return m_encrypted; }
    bool isOpen() const { return !m_closing; }

    // Sends `body`. False when the conversation refuses it: a fault of this
    // side's match, which is reported and not sent.
    bool send(const Body& body);
    // This side's person leaves: the other side is told, the connection
    // closes. No ended() follows.
    void leave();
    // Ends the connection because of `fault`, telling the other side when
    // the fault travels; ended() follows.
    void abort(Fault fault);

  signals:
    void encrypted();
    // A message that passed every check (never a heartbeat, leave or error:
    // those end in ended() or in nothing).
    void received(const net::Message& message);
    // The conversation is over: `fault` says why; `reason` is what the other
    // side gave when it refused this one (fault Refused).
    void ended(net::Fault fault, net::Fault reason);

  private:
    void socket_Encrypted();
    void socket_ReadyRead();
    void socket_Error();
    void socket_Disconnected();
    void heartbeat_Timer();
    void silence_Timer();
    void greeting_Timer();
    void handle(const Message& message);
    void close(Fault fault, Fault reason, bool tell, bool report);
    bool writeFarewell(const Body& body);
    void trace(const QByteArray& bytes);

    QSslSocket* m_socket;
    QByteArray m_key;
    Conversation m_conversation;
    Timing m_timing;
    FrameReader m_reader;
    QTimer m_heartbeat;
    QTimer m_silence;
    QTimer m_greeting;
    QElapsedTimer m_floodWindow;
    int m_floodCount = 0;
    bool m_encrypted = false;
    bool m_closing = false;
    bool m_reported = false;
    // The last TLS alert of the handshake, sent or received: a bad record MAC
    // there means that the two keys, and so the two join codes, differ.
    int m_handshakeAlert = -1;
    std::unique_ptr<QFile> m_trace;
};

} // namespace net
