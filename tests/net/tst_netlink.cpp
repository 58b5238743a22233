// The network match over real sockets on this computer: a host and a guest
// agreeing on TLS through the join code over IPv4 and IPv6 and playing a
// whole conversation; a wrong code, a second guest, a hostile client that
// sends malformed, truncated, oversized, out-of-turn and replayed messages,
// floods and drips, a hostile host, silence, lost connections and leaving.
// After every refusal the host goes on and a proper guest can still join.
#include "HostilePeer.h"
#include "MatchScript.h"

#include "net/Endpoint.h"
#include "net/Guest.h"
#include "net/Host.h"
#include "net/JoinCode.h"

#include <QSignalSpy>
#include <QSslCipher>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace net;

namespace net {
char* toString(Fault fault) {
    return qstrdup(QByteArray::number(static_cast<int>(fault)).constData());
}
} // namespace net

Q_DECLARE_METATYPE(net::Fault)

namespace {

// Short enough for a quick suite; the same timers as the defaults.
const Timing Fast{.heartbeatMs = 150, .silenceMs = 1200, .greetingMs = 2500};

const JoinCode& theCode() {
    static const JoinCode code = [] {
        JoinCode c = *JoinCode::parse(u"K7QF-9M2T-XW");
        c.key();
        return c;
    }();
    return code;
}

const JoinCode& otherCode() {
    static const JoinCode code = [] {
        JoinCode c = *JoinCode::parse(u"K7QF-9M2T-XX");
        c.key();
        return c;
    }();
    return code;
}

MatchOptions hostOptions(bool openHand = false) {
    MatchOptions o = script::options(openHand);
    o.guestName.clear();
    return o;
}

QString withoutIsolates(QString text) {
    return text.remove(QChar(0x2068)).remove(QChar(0x2069));
}

struct Seated {
    std::unique_ptr<Host> host;
    std::unique_ptr<Guest> guest;
};

// A host waiting on `address` and a guest that joined it as "Mirela".
Seated seat(const QString& address = QStringLiteral("127.0.0.1"), bool openHand = false,
            const Timing& timing = Fast) {
    Seated s;
    s.host = std::make_unique<Host>(theCode(), hostOptions(openHand), script::cardList(),
                                    script::CardCount, timing);
    QString error;
    if (!s.host->listen(0, &error))
        qWarning("listen: %s", qPrintable(error));
    s.guest = std::make_unique<Guest>(script::cardList(), script::CardCount, timing);
    QSignalSpy joined(s.guest.get(), &Guest::joined);
    s.guest->join(address, s.host->port(), theCode(), QStringLiteral("Mirela"));
    if (!joined.wait(5000))
        qWarning("the guest did not join");
    return s;
}

// A guest joins `host` and is welcomed: the host is usable.
bool aGuestCanJoin(Host& host) {
    Guest guest(script::cardList(), script::CardCount, Fast);
    QSignalSpy joined(&guest, &Guest::joined);
    QSignalSpy hostJoined(&host, &Host::joined);
    guest.join(QStringLiteral("127.0.0.1"), host.port(), theCode(), QStringLiteral("Anna"));
    const bool ok = joined.wait(5000) && (hostJoined.size() == 1 || hostJoined.wait(2000));
    guest.close();
    // The host hears the leave before the next test case.
    return QTest::qWaitFor([&host] { return host.guest() == nullptr; }, 3000) && ok;
}

bool ipv6Loopback() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHostIPv6, 0);
}

} // namespace

class TestNetLink : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void wholeMatch_data();
    void wholeMatch();
    void wrongCode();
    void secondGuest();
    void hostile_data();
    void hostile();
    void slowDrip();
    void crowdOfCallers();
    void silence();
    void heartbeatKeepsAnIdleMatch();
    void lostConnection();
    void leaving();
    void guestReachesNoGame();
    void hostileHost_data();
    void hostileHost();
    void traceHoldsWhatTheGuestReceived();
};

void TestNetLink::initTestCase() {
    QVERIFY2(QSslSocket::supportsSsl(), "OpenSSL is not available to Qt");
    // The cipher suite must exist in this Qt and OpenSSL.
    QVERIFY(!QSslCipher(QStringLiteral("ECDHE-PSK-CHACHA20-POLY1305")).isNull());
}

void TestNetLink::wholeMatch_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("openHand");
    QTest::newRow("IPv4, closed hands") << QStringLiteral("127.0.0.1") << false;
    QTest::newRow("IPv6, open hands") << QStringLiteral("::1") << true;
    QTest::newRow("by name") << QStringLiteral("localhost") << false;
}

// Five hands to the end of a match, every message over the socket, each
// arriving exactly as sent.
void TestNetLink::wholeMatch() {
    QFETCH(QString, address);
    QFETCH(bool, openHand);
    if (address == QLatin1String("::1") && !ipv6Loopback())
        QSKIP("This computer has no IPv6 loopback address.");
    Seated s = seat(address, openHand);
    QVERIFY(s.host->guest());
    QVERIFY(s.guest->link());
    // The connection is TLS 1.2 with the pre-shared key, both ways.
    for (QSslSocket* socket : {s.host->guest()->socket(), s.guest->link()->socket()}) {
        QCOMPARE(socket->sessionProtocol(), QSsl::TlsV1_2);
        QCOMPARE(socket->sessionCipher().name(), QStringLiteral("ECDHE-PSK-CHACHA20-POLY1305"));
    }
    QCOMPARE(s.host->guest()->conversation().peerName(), QStringLiteral("Mirela"));
    QCOMPARE(s.guest->link()->conversation().peerName(), QStringLiteral("Dorvik"));
    QCOMPARE(s.guest->link()->conversation().options()->openHand, openHand);

    QList<Message> atHost, atGuest;
    connect(s.host.get(), &Host::received, this, [&](const Message& m) { atHost << m; });
    connect(s.guest.get(), &Guest::received, this, [&](const Message& m) { atGuest << m; });
    QSignalSpy hostEnded(s.host.get(), &Host::ended);
    QSignalSpy guestEnded(s.guest.get(), &Guest::ended);

    auto run = [&](const QList<script::Step>& steps) {
        for (const script::Step& step : steps) {
            QList<Message>& at = step.fromHost ? atGuest : atHost;
            const qsizetype before = at.size();
            Link* link = step.fromHost ? s.host->guest() : s.guest->link();
            if (!link || !link->send(step.body))
                return false;
            if (!QTest::qWaitFor([&] { return at.size() > before; }, 3000))
                return false;
            if (!(at.last().body == step.body))
                return false;
        }
        return true;
    };
    const Conversation& host = s.host->guest()->conversation();
    const qint16 T = host.options()->target;
    const std::pair<qint16, qint16> hands[] = {{40, 30},
                                               {60, static_cast<qint16>(T + 5)},
                                               {T, 10},
                                               {static_cast<qint16>(T + 1), T},
                                               {static_cast<qint16>(T + 40), 0}};
    int begins = 1;
    for (const auto& [s1, s2] : hands) {
        const QList<script::Step> choose = script::choosing(host, begins);
        QVERIFY(run(choose));
        QVERIFY(run(script::placements(host, std::get<Deal>(choose.last().body), s1, s2)));
        QVERIFY(run({{true, script::handEnd(host)}}));
        begins = 3 - begins;
    }
    QCOMPARE(host.phase(), Conversation::Phase::MatchOver);
    QCOMPARE(s.guest->link()->conversation().phase(), Conversation::Phase::MatchOver);
    // Heartbeats came and went unseen; nothing was refused.
    QCOMPARE(hostEnded.size(), 0);
    QCOMPARE(guestEnded.size(), 0);
    QVERIFY(std::none_of(atGuest.cbegin(), atGuest.cend(), [](const Message& m) {
        return std::holds_alternative<Heartbeat>(m.body);
    }));

    // The guest leaves: the host is told, by the guest's name.
    s.guest->close();
    QVERIFY(hostEnded.wait(3000));
    QCOMPARE(hostEnded.first().at(0).value<Fault>(), Fault::Left);
    QCOMPARE(hostEnded.first().at(2).toString(), QStringLiteral("Mirela"));
    QCOMPARE(withoutIsolates(faultText(Fault::Left, QStringLiteral("Mirela"))),
             QStringLiteral("Mirela has left the game."));
    QCOMPARE(s.host->guest(), nullptr);
    QCOMPARE(guestEnded.size(), 0);
}

void TestNetLink::wrongCode() {
    Host host(theCode(), hostOptions(), script::cardList(), script::CardCount, Fast);
    QVERIFY(host.listen(0, nullptr));
    QSignalSpy notices(&host, &Host::notice);
    Guest guest(script::cardList(), script::CardCount, Fast);
    QSignalSpy ended(&guest, &Guest::ended);
    QSignalSpy joined(&guest, &Guest::joined);
    guest.join(QStringLiteral("127.0.0.1"), host.port(), otherCode(), QStringLiteral("Mirela"));
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.first().at(0).value<Fault>(), Fault::WrongCode);
    QCOMPARE(joined.size(), 0);
    QVERIFY(faultText(Fault::WrongCode, {}).contains(QStringLiteral("join code is wrong")));
    QVERIFY(notices.size() == 1 || notices.wait(3000));
    QCOMPARE(notices.first().at(0).value<Fault>(), Fault::WrongCode);
    QVERIFY(hostNoticeText(Fault::WrongCode).contains(QStringLiteral("wrong code")));
    QCOMPARE(host.guest(), nullptr);
    QCOMPARE(host.waiting(), 0);
    QVERIFY(aGuestCanJoin(host));
}

void TestNetLink::secondGuest() {
    Seated s = seat();
    QVERIFY(s.host->guest());
    QSignalSpy notices(s.host.get(), &Host::notice);
    Guest second(script::cardList(), script::CardCount, Fast);
    QSignalSpy ended(&second, &Guest::ended);
    QSignalSpy joined(&second, &Guest::joined);
    second.join(QStringLiteral("::1"), s.host->port(), theCode(), QStringLiteral("Anna"));
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.first().at(0).value<Fault>(), Fault::Refused);
    QCOMPARE(ended.first().at(1).value<Fault>(), Fault::Busy);
    QCOMPARE(faultText(Fault::Refused, {}, Fault::Busy),
             QStringLiteral("The host is already playing with someone else."));
    QCOMPARE(joined.size(), 0);
    QVERIFY(notices.size() == 1 || notices.wait(3000));
    QCOMPARE(notices.first().at(0).value<Fault>(), Fault::Busy);
    // The match with the first guest goes on.
    QSignalSpy offers(s.guest.get(), &Guest::received);
    QVERIFY(s.host->guest()->send(Offer{{1, 2, 3, 4, 5, 6, 7, 8}}));
    QVERIFY(offers.wait(3000));
    QCOMPARE(s.host->guest()->conversation().peerName(), QStringLiteral("Mirela"));
}

void TestNetLink::hostile_data() {
    QTest::addColumn<bool>("afterHello");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Fault>("fault"); // the host's account
    QTest::addColumn<Fault>("told");  // the error the client receives
    const Hello hello{QStringLiteral("Eve"), script::cardList()};
    auto frame = [](const QByteArray& payload) {
        QByteArray out(4, Qt::Uninitialized);
        qToBigEndian(static_cast<quint32>(payload.size()), out.data());
        return out + payload;
    };
    QByteArray flood;
    for (quint32 i = 2; i < 2 + 2 * Link::MaxMessagesPerSecond; ++i)
        flood += encode(Message{i, Heartbeat{}});

    QTest::newRow("not CBOR") << false << frame("GET / HTTP/1.1\r\n\r\n") << Fault::Malformed
                              << Fault::Malformed;
    QTest::newRow("length beyond the limit")
        << false << QByteArray::fromHex("7fffffff") << Fault::TooLarge << Fault::TooLarge;
    QTest::newRow("length zero") << false << QByteArray::fromHex("00000000") << Fault::Malformed
                                 << Fault::Malformed;
    QTest::newRow("hello of version 2")
        << false << frame(encodePayload(Message{1, hello}, 2)) << Fault::Version << Fault::Version;
    QTest::newRow("hello with another card list")
        << false << encode(Message{1, Hello{QStringLiteral("Eve"), QByteArray(32, 'e')}})
        << Fault::CardList << Fault::CardList;
    QTest::newRow("move before the hello")
        << false << encode(Message{1, Move{1, 1}}) << Fault::OutOfTurn << Fault::OutOfTurn;
    QTest::newRow("hello numbered 2")
        << false << encode(Message{2, hello}) << Fault::OutOfTurn << Fault::OutOfTurn;
    QTest::newRow("move before the deal")
        << true << encode(Message{2, Move{1, 1}}) << Fault::OutOfTurn << Fault::OutOfTurn;
    QTest::newRow("replayed heartbeat")
        << true << encode(Message{2, Heartbeat{}}) + encode(Message{2, Heartbeat{}})
        << Fault::OutOfTurn << Fault::OutOfTurn;
    QTest::newRow("hello again") << true << encode(Message{2, hello}) << Fault::OutOfTurn
                                 << Fault::OutOfTurn;
    QTest::newRow("selection without an offer")
        << true << encode(Message{2, Selection{{1, 2, 3, 4, 5}}}) << Fault::OutOfTurn
        << Fault::OutOfTurn;
    QTest::newRow("move to square 10")
        << true
        << frame(QByteArray::fromHex("a5") + QByteArray::fromHex("0001") +
                 QByteArray::fromHex("0106") + QByteArray::fromHex("0202") +
                 QByteArray::fromHex("0a01") + QByteArray::fromHex("0b0a"))
        << Fault::Malformed << Fault::Malformed;
    QTest::newRow("a flood of heartbeats") << true << flood << Fault::Flood << Fault::Flood;
    QTest::newRow("cut short, then gone")
        << true << encode(Message{2, Heartbeat{}}).first(6) << Fault::ConnectionLost << Fault::None;
    QTest::newRow("the guest's own error")
        << true << encode(Message{2, Error{Fault::Timeout}}) << Fault::Refused << Fault::None;
}

// A hostile client says one thing wrong; the host refuses it with a clear
// word, closes the connection, reports it once, and can still be joined.
void TestNetLink::hostile() {
    QFETCH(bool, afterHello);
    QFETCH(QByteArray, bytes);
    QFETCH(Fault, fault);
    QFETCH(Fault, told);
    Host host(theCode(), hostOptions(), script::cardList(), script::CardCount, Fast);
    QVERIFY(host.listen(0, nullptr));
    QSignalSpy notices(&host, &Host::notice);
    QSignalSpy ended(&host, &Host::ended);
    QSignalSpy joined(&host, &Host::joined);
    HostilePeer peer(theCode());
    QVERIFY(peer.connectTo(QStringLiteral("127.0.0.1"), host.port()));
    if (afterHello) {
        peer.send(1, Hello{QStringLiteral("Eve"), script::cardList()});
        QVERIFY(joined.wait(3000));
        QVERIFY(peer.waitFor<Welcome>());
    }
    peer.sendRaw(bytes);
    if (told == Fault::None && fault == Fault::ConnectionLost)
        peer.socket()->disconnectFromHost();
    QVERIFY(peer.waitForClose(5000));
    QSignalSpy& report = afterHello ? ended : notices;
    QVERIFY(report.size() == 1 || report.wait(3000));
    QCOMPARE(report.size(), 1);
    QCOMPARE(report.first().at(0).value<Fault>(), fault);
    if (afterHello && fault == Fault::Refused)
        QCOMPARE(report.first().at(1).value<Fault>(), Fault::Timeout);
    QCOMPARE(peer.lastError(), told);
    // The host's account for its person is a whole sentence.
    const QString text =
        afterHello ? faultText(fault, QStringLiteral("Eve"), report.first().at(1).value<Fault>())
                   : hostNoticeText(fault);
    QVERIFY(text.endsWith(QLatin1Char('.')));
    QCOMPARE(host.guest(), nullptr);
    QCOMPARE(host.waiting(), 0);
    QCOMPARE(afterHello ? notices.size() : ended.size(), 0);
    QVERIFY(aGuestCanJoin(host));
}

// Bytes that trickle in without ever making a whole message keep nobody
// waiting: before the hello the greeting time-out ends it, in the match the
// silence time-out.
void TestNetLink::slowDrip() {
    Host host(theCode(), hostOptions(), script::cardList(), script::CardCount, Fast);
    QVERIFY(host.listen(0, nullptr));
    QSignalSpy notices(&host, &Host::notice);
    QSignalSpy ended(&host, &Host::ended);
    {
        HostilePeer peer(theCode());
        QVERIFY(peer.connectTo(QStringLiteral("127.0.0.1"), host.port()));
        peer.drip(encode(Message{1, Hello{QStringLiteral("Eve"), script::cardList()}}), 150);
        QVERIFY(peer.waitForClose(5000));
        QVERIFY(notices.size() == 1 || notices.wait(2000));
        QCOMPARE(notices.first().at(0).value<Fault>(), Fault::Timeout);
        QCOMPARE(peer.lastError(), Fault::Timeout);
        QVERIFY2(peer.closedAfterMs() < Fast.greetingMs + 1000,
                 qPrintable(QString::number(peer.closedAfterMs())));
    }
    {
        HostilePeer peer(theCode());
        QVERIFY(peer.connectTo(QStringLiteral("127.0.0.1"), host.port()));
        peer.send(1, Hello{QStringLiteral("Eve"), script::cardList()});
        QVERIFY(peer.waitFor<Welcome>());
        QByteArray drip;
        for (quint32 i = 2; i < 6; ++i)
            drip += encode(Message{i, Heartbeat{}});
        // One message in time, then a drip slower than the silence allows.
        peer.sendRaw(drip.first(9));
        peer.drip(drip.mid(9), 400);
        QVERIFY(peer.waitForClose(5000));
        QVERIFY(ended.size() == 1 || ended.wait(2000));
        QCOMPARE(ended.first().at(0).value<Fault>(), Fault::Timeout);
        QCOMPARE(peer.lastError(), Fault::Timeout);
    }
    QVERIFY(aGuestCanJoin(host));
}

// Callers that connect and say nothing cannot keep the guest out: when too
// many wait, the oldest makes room.
void TestNetLink::crowdOfCallers() {
    Host host(theCode(), hostOptions(), script::cardList(), script::CardCount, Fast);
    QVERIFY(host.listen(0, nullptr));
    QSignalSpy notices(&host, &Host::notice);
    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < Host::MaxWaiting + 2; ++i) {
        crowd.push_back(std::make_unique<QTcpSocket>());
        crowd.back()->connectToHost(QHostAddress::LocalHost, host.port());
        QVERIFY(crowd.back()->waitForConnected(3000));
    }
    QVERIFY(QTest::qWaitFor([&] { return notices.size() >= 2; }, 3000));
    QCOMPARE(host.waiting(), Host::MaxWaiting);
    QVERIFY(aGuestCanJoin(host));
    // The rest are turned away by the greeting time-out.
    QVERIFY(QTest::qWaitFor([&] { return host.waiting() == 0; }, Fast.greetingMs + 2000));
}

// A guest that said hello and then nothing at all, not even heartbeats.
void TestNetLink::silence() {
    Host host(theCode(), hostOptions(), script::cardList(), script::CardCount, Fast);
    QVERIFY(host.listen(0, nullptr));
    QSignalSpy ended(&host, &Host::ended);
    HostilePeer peer(theCode());
    QVERIFY(peer.connectTo(QStringLiteral("::1"), host.port()) ||
            peer.connectTo(QStringLiteral("127.0.0.1"), host.port()));
    peer.send(1, Hello{QStringLiteral("Eve"), script::cardList()});
    QVERIFY(peer.waitForClose(Fast.silenceMs + 3000));
    QVERIFY(ended.size() == 1 || ended.wait(2000));
    QCOMPARE(ended.first().at(0).value<Fault>(), Fault::Timeout);
    QCOMPARE(peer.lastError(), Fault::Timeout);
    // The host's own heartbeats reached the silent guest meanwhile.
    const QList<Message> received = peer.received();
    QVERIFY(std::count_if(received.cbegin(), received.cend(), [](const Message& m) {
                return std::holds_alternative<Heartbeat>(m.body);
            }) >= Fast.silenceMs / Fast.heartbeatMs / 2);
    QCOMPARE(withoutIsolates(faultText(Fault::Timeout, QStringLiteral("Eve"))),
             QStringLiteral("Eve has not answered for too long. The network match is over."));
}

// Two sides with nothing to say keep their match over several silence
// time-outs: the heartbeats carry it.
void TestNetLink::heartbeatKeepsAnIdleMatch() {
    Seated s = seat();
    QSignalSpy hostEnded(s.host.get(), &Host::ended);
    QSignalSpy guestEnded(s.guest.get(), &Guest::ended);
    QTest::qWait(4 * Fast.silenceMs);
    QCOMPARE(hostEnded.size(), 0);
    QCOMPARE(guestEnded.size(), 0);
    QVERIFY(s.host->guest());
    QVERIFY(s.host->guest()->send(Offer{{1, 2, 3, 4, 5, 6, 7, 8}}));
    QSignalSpy received(s.guest.get(), &Guest::received);
    QVERIFY(received.wait(2000));
}

// A side that vanishes without a word: the other says the connection was lost.
void TestNetLink::lostConnection() {
    {
        Seated s = seat();
        QSignalSpy hostEnded(s.host.get(), &Host::ended);
        s.guest->link()->socket()->abort();
        QVERIFY(hostEnded.wait(3000));
        QCOMPARE(hostEnded.first().at(0).value<Fault>(), Fault::ConnectionLost);
        QCOMPARE(
            withoutIsolates(faultText(Fault::ConnectionLost, hostEnded.first().at(2).toString())),
            QStringLiteral("The connection to Mirela was lost. The network match is over."));
        QVERIFY(aGuestCanJoin(*s.host));
    }
    {
        Seated s = seat();
        QSignalSpy guestEnded(s.guest.get(), &Guest::ended);
        s.host->guest()->socket()->abort();
        QVERIFY(guestEnded.wait(3000));
        QCOMPARE(guestEnded.first().at(0).value<Fault>(), Fault::ConnectionLost);
        QCOMPARE(guestEnded.first().at(2).toString(), QStringLiteral("Dorvik"));
    }
}

void TestNetLink::leaving() {
    Seated s = seat();
    QSignalSpy guestEnded(s.guest.get(), &Guest::ended);
    QSignalSpy hostEnded(s.host.get(), &Host::ended);
    // The host's person leaves (New Game, Exit): the guest is told by name.
    s.host->close();
    QVERIFY(guestEnded.wait(3000));
    QCOMPARE(guestEnded.first().at(0).value<Fault>(), Fault::Left);
    QCOMPARE(withoutIsolates(faultText(Fault::Left, guestEnded.first().at(2).toString())),
             QStringLiteral("Dorvik has left the game."));
    // Leaving is not reported back to the side that left.
    QTest::qWait(300);
    QCOMPARE(hostEnded.size(), 0);
    QCOMPARE(s.host->port(), quint16(0));
}

void TestNetLink::guestReachesNoGame() {
    auto joinAndWait = [](quint16 port) {
        Guest guest(script::cardList(), script::CardCount, Fast);
        QSignalSpy ended(&guest, &Guest::ended);
        guest.join(QStringLiteral("127.0.0.1"), port, theCode(), QStringLiteral("Mirela"));
        if (!ended.wait(Fast.greetingMs + 3000))
            return Fault::None;
        return ended.first().at(0).value<Fault>();
    };
    // Nobody listens.
    quint16 closedPort = 0;
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        closedPort = server.serverPort();
    }
    QCOMPARE(joinAndWait(closedPort), Fault::Unreachable);
    // Something else answers: it speaks first, and not TLS.
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, &server, [&server] {
            QTcpSocket* s = server.nextPendingConnection();
            s->write("SSH-2.0-OpenSSH_9.2\r\n");
        });
        QCOMPARE(joinAndWait(server.serverPort()), Fault::NotAGame);
    }
    // Something else answers and says nothing.
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QCOMPARE(joinAndWait(server.serverPort()), Fault::NotAGame);
    }
    QVERIFY(!faultText(Fault::Unreachable, {}).isEmpty());
    QVERIFY(!faultText(Fault::NotAGame, {}).isEmpty());
}

using HostScript = std::function<void(HostilePeer&)>;
Q_DECLARE_METATYPE(HostScript)

void TestNetLink::hostileHost_data() {
    QTest::addColumn<HostScript>("script");
    QTest::addColumn<Fault>("fault");
    const MatchOptions welcome = script::options();
    QTest::newRow("a placement before any deal") << HostScript([welcome](HostilePeer& p) {
        p.send(1, Welcome{welcome});
        p.send(2, Placement{1, 1, 5, 17, {}, 0, 0});
    }) << Fault::OutOfTurn;
    QTest::newRow("a welcome under another name") << HostScript([](HostilePeer& p) {
        MatchOptions other = script::options();
        other.guestName = QStringLiteral("Mallory");
        p.send(1, Welcome{other});
    }) << Fault::Illegal;
    QTest::newRow("the host's hidden hand in the deal") << HostScript([welcome](HostilePeer& p) {
        p.send(1, Welcome{welcome});
        p.send(2, Offer{{1, 2, 3, 4, 5, 6, 7, 8}});
        QVERIFY(p.waitFor<Selection>());
        p.send(3, Deal{1, {1, 3, 4, 6, 8}, {{9, 9, 9, 9, 9}}});
    }) << Fault::Illegal;
    QTest::newRow("an offer of a card beyond the list") << HostScript([welcome](HostilePeer& p) {
        p.send(1, Welcome{welcome});
        p.send(2, Offer{{1, 2, 3, 4, 5, 6, 7, 9999}});
    }) << Fault::Illegal;
    QTest::newRow("a frame beyond the limit")
        << HostScript([](HostilePeer& p) { p.sendRaw(QByteArray::fromHex("00100000")); })
        << Fault::TooLarge;
}

// The guest reads the host as warily as the host reads the guest.
void TestNetLink::hostileHost() {
    QFETCH(HostScript, script);
    QFETCH(Fault, fault);
    HostilePeer peer(theCode());
    const quint16 port = peer.listen();
    Guest guest(script::cardList(), script::CardCount, Fast);
    QSignalSpy ended(&guest, &Guest::ended);
    connect(&guest, &Guest::received, &guest, [&guest](const Message& m) {
        // The person marks five cards as soon as an offer arrives.
        if (std::holds_alternative<Offer>(m.body))
            guest.link()->send(Selection{{1, 3, 4, 6, 8}});
    });
    guest.join(QStringLiteral("127.0.0.1"), port, theCode(), QStringLiteral("Mirela"));
    QVERIFY(peer.waitForPeer());
    QVERIFY(peer.waitFor<Hello>());
    script(peer);
    QVERIFY(ended.wait(3000));
    QCOMPARE(ended.first().at(0).value<Fault>(), fault);
    QVERIFY(peer.waitForClose(3000));
    QCOMPARE(peer.lastError(), fault);
}

// A test may ask a side to keep every byte it received, decrypted: the
// file then holds exactly the frames the other side sent.
void TestNetLink::traceHoldsWhatTheGuestReceived() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("received"));
    Host host(theCode(), hostOptions(), script::cardList(), script::CardCount, Fast);
    QVERIFY(host.listen(0, nullptr));
    Guest guest(script::cardList(), script::CardCount, Fast);
    QSignalSpy joined(&guest, &Guest::joined);
    // Only the guest's connection is made while the variable is set.
    qputenv("QUORVEL_NET_TRACE", path.toLocal8Bit());
    guest.join(QStringLiteral("127.0.0.1"), host.port(), theCode(), QStringLiteral("Mirela"));
    qunsetenv("QUORVEL_NET_TRACE");
    QVERIFY(joined.wait(5000));
    QVERIFY(host.guest());
    QSignalSpy received(&guest, &Guest::received);
    const Offer offer{{101, 102, 103, 104, 105, 106, 107, 108}};
    QVERIFY(host.guest()->send(offer));
    QVERIFY(received.wait(2000));
    host.close();
    QTest::qWait(200);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    FrameReader reader;
    QByteArrayView rest(bytes);
    QList<Message> frames;
    while (!rest.isEmpty()) {
        const qsizetype n = qMin(reader.wanted(), rest.size());
        QCOMPARE(reader.append(rest.first(n)), Fault::None);
        rest = rest.sliced(n);
        if (reader.complete())
            frames << *decodePayload(reader.take()).message;
    }
    QVERIFY(!reader.midFrame());
    // The welcome, the offer, the leave last; heartbeats in between.
    frames.removeIf([](const Message& m) { return std::holds_alternative<Heartbeat>(m.body); });
    QCOMPARE(frames.size(), 3);
    QVERIFY(std::holds_alternative<Welcome>(frames.first().body));
    QVERIFY(std::any_of(frames.cbegin(), frames.cend(),
                        [&](const Message& m) { return m.body == Body(offer); }));
    QVERIFY(std::holds_alternative<Leave>(frames.last().body));
    QVERIFY(frames[0].sequence < frames[1].sequence && frames[1].sequence < frames[2].sequence);
}

QTEST_GUILESS_MAIN(TestNetLink)
#include "tst_netlink.moc"
