// Games on the local network through a real Avahi daemon: the test starts a
// D-Bus system bus of its own and an Avahi daemon on it, in a network
// namespace of its own whose only interface is the loopback (so that no
// announcement leaves this computer). A host announced there is listed by
// the guest's browser and can be joined at the address found; a second
// game of the same name is renamed; a game taken back disappears. Without a
// daemon the browser and the announcer say so. Where the daemon cannot be
// started (not installed, no namespaces), the cases that need it are
// skipped with the reason.
#include "MatchScript.h"

#include "net/Discovery.h"
#include "net/Guest.h"
#include "net/Host.h"
#include "net/JoinCode.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace net;

class TestNetDiscovery : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void withoutDaemon();
    void hostIsFound();
    void sameNameTwice();
    void withdrawnGameDisappears();
    void guestJoinsTheGameFound();
    void cleanupTestCase();

  private:
    // Starts the daemon once; empty when it runs, else why it cannot.
    QString startDaemon();
    bool waitForGame(Browser& browser, const QString& name, FoundGame* found = nullptr);

    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_avahi;
    QString m_whyNoDaemon;
    bool m_daemonTried = false;
};

void TestNetDiscovery::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QString dbusDaemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (dbusDaemon.isEmpty())
        QSKIP("dbus-daemon is not installed: no bus of the test's own can be started.");
    const QString socket = m_dir.filePath(QStringLiteral("system_bus_socket"));
    QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral(
                     "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                     "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>system</type><listen>unix:path=%1</listen>"
                     "<auth>EXTERNAL</auth><policy context=\"default\">"
                     "<allow user=\"*\"/><allow own=\"*\"/><allow send_type=\"method_call\"/>"
                     "<allow send_type=\"signal\"/><allow send_type=\"method_return\"/>"
                     "<allow send_type=\"error\"/><allow receive_type=\"method_call\"/>"
                     "<allow receive_type=\"method_return\"/><allow receive_type=\"error\"/>"
                     "<allow receive_type=\"signal\"/></policy></busconfig>\n")
                     .arg(socket)
                     .toUtf8());
    config.close();
    m_bus.setProgram(dbusDaemon);
    m_bus.setArguments({QStringLiteral("--config-file=") + config.fileName(),
                        QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
    m_bus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_bus.start();
    QVERIFY(m_bus.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(socket); }, 5000));
    // The game reaches the system bus through this variable, as any
    // D-Bus program does; it is read at the first use of the bus.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", QByteArray("unix:path=") + socket.toLocal8Bit());
    QVERIFY(QDBusConnection::systemBus().isConnected());
}

QString TestNetDiscovery::startDaemon() {
    if (m_daemonTried)
        return m_whyNoDaemon;
    m_daemonTried = true;
    const QString avahi = QStandardPaths::findExecutable(
        QStringLiteral("avahi-daemon"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    const QString ip = QStandardPaths::findExecutable(
        QStringLiteral("ip"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                               QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    if (avahi.isEmpty())
        return m_whyNoDaemon = QStringLiteral("avahi-daemon is not installed.");
    if (unshare.isEmpty() || ip.isEmpty())
        return m_whyNoDaemon = QStringLiteral("unshare or ip is not installed: the daemon "
                                              "cannot be kept off the real network.");
    QFile config(m_dir.filePath(QStringLiteral("avahi-daemon.conf")));
    if (!config.open(QIODevice::WriteOnly))
        return m_whyNoDaemon = QStringLiteral("cannot write the daemon's configuration.");
    config.write("[server]\nuse-ipv4=yes\nuse-ipv6=yes\nallow-interfaces=lo\n"
                 "enable-dbus=yes\nratelimit-interval-usec=1000000\nratelimit-burst=1000\n"
                 "[wide-area]\nenable-wide-area=no\n"
                 "[publish]\npublish-hinfo=no\npublish-workstation=no\n");
    config.close();
    // A network namespace with only a loopback interface, and a /run of its
    // own for the daemon's pid file; the bus socket lies in the test folder.
    const QString script =
        QStringLiteral("set -e; %1 link set lo up; mount -t tmpfs tmpfs /run; "
                       "mkdir -p /run/avahi-daemon; exec %2 --no-drop-root --no-chroot "
                       "--no-rlimits -f %3")
            .arg(ip, avahi, config.fileName());
    QStringList arguments{QStringLiteral("--mount"), QStringLiteral("--net")};
    if (geteuid() != 0)
        arguments.prepend(QStringLiteral("--map-root-user"));
    arguments << QStringLiteral("--") << QStringLiteral("sh") << QStringLiteral("-c") << script;
    m_avahi.setProgram(unshare);
    m_avahi.setArguments(arguments);
    m_avahi.setProcessChannelMode(QProcess::MergedChannels);
    m_avahi.start();
    if (!m_avahi.waitForStarted())
        return m_whyNoDaemon = QStringLiteral("unshare could not be started.");
    auto running = [] {
        QDBusMessage state = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Avahi"), QStringLiteral("/"),
            QStringLiteral("org.freedesktop.Avahi.Server"), QStringLiteral("GetState"));
        const QDBusReply<int> reply = QDBusConnection::systemBus().call(state, QDBus::Block, 1000);
        return reply.isValid() && reply.value() == 2;
    };
    if (!QTest::qWaitFor([&] { return running() || m_avahi.state() == QProcess::NotRunning; },
                         15000) ||
        !running()) {
        const QString log = QString::fromLocal8Bit(m_avahi.readAll()).trimmed();
        m_avahi.kill();
        m_avahi.waitForFinished();
        return m_whyNoDaemon =
                   QStringLiteral("the Avahi daemon did not start in a namespace of its own: %1")
                       .arg(log.isEmpty() ? QStringLiteral("no output") : log.right(300));
    }
    return {};
}

bool TestNetDiscovery::waitForGame(Browser& browser, const QString& name, FoundGame* found) {
    return QTest::qWaitFor(
        [&] {
            for (const FoundGame& g : browser.games())
                if (g.name == name) {
                    if (found)
                        *found = g;
                    return true;
                }
            return false;
        },
        10000);
}

// Run before the daemon starts: the bus is there, Avahi is not.
void TestNetDiscovery::withoutDaemon() {
    QVERIFY(!QDBusConnection::systemBus().interface()->isServiceRegistered(
        QStringLiteral("org.freedesktop.Avahi")));
    Browser browser;
    QSignalSpy unavailable(&browser, &Browser::unavailable);
    browser.start();
    QVERIFY(unavailable.wait(7000));
    QCOMPARE(unavailable.first().at(0).toString(), discoveryUnavailableText());
    QVERIFY(discoveryUnavailableText().contains(QStringLiteral("Type the host's address")));
    QVERIFY(!browser.isAvailable());
    QVERIFY(browser.games().isEmpty());
    Publisher publisher;
    QSignalSpy publisherUnavailable(&publisher, &Publisher::unavailable);
    publisher.publish(QStringLiteral("Dorvik"), 47107);
    QVERIFY(publisherUnavailable.wait(7000));
    QVERIFY(!publisher.isPublished());
}

void TestNetDiscovery::hostIsFound() {
    if (const QString why = startDaemon(); !why.isEmpty())
        QSKIP(qPrintable(why));
    Publisher publisher;
    QSignalSpy published(&publisher, &Publisher::published);
    publisher.publish(QStringLiteral("Dorvík"), 47107);
    QVERIFY(published.wait(10000));
    QCOMPARE(published.first().at(0).toString(), QStringLiteral("Dorvík"));
    Browser browser;
    browser.start();
    FoundGame game;
    QVERIFY(waitForGame(browser, QStringLiteral("Dorvík"), &game));
    QCOMPARE(game.port, quint16(47107));
    QCOMPARE(game.version, int(ProtocolVersion));
    QVERIFY2(game.address.isLoopback(), qPrintable(game.address.toString()));
    QVERIFY(!game.hostName.isEmpty());
    QVERIFY(browser.isAvailable());
}

void TestNetDiscovery::sameNameTwice() {
    if (const QString why = startDaemon(); !why.isEmpty())
        QSKIP(qPrintable(why));
    Publisher first, second;
    QSignalSpy firstPublished(&first, &Publisher::published);
    QSignalSpy secondPublished(&second, &Publisher::published);
    first.publish(QStringLiteral("Mirela"), 47001);
    QVERIFY(firstPublished.wait(10000));
    second.publish(QStringLiteral("Mirela"), 47002);
    QVERIFY(secondPublished.wait(10000));
    QCOMPARE(first.name(), QStringLiteral("Mirela"));
    QVERIFY2(second.name() != first.name() && second.name().startsWith(QStringLiteral("Mirela")),
             qPrintable(second.name()));
    Browser browser;
    browser.start();
    FoundGame a, b;
    QVERIFY(waitForGame(browser, first.name(), &a));
    QVERIFY(waitForGame(browser, second.name(), &b));
    QCOMPARE(a.port, quint16(47001));
    QCOMPARE(b.port, quint16(47002));
}

void TestNetDiscovery::withdrawnGameDisappears() {
    if (const QString why = startDaemon(); !why.isEmpty())
        QSKIP(qPrintable(why));
    Publisher publisher;
    QSignalSpy published(&publisher, &Publisher::published);
    publisher.publish(QStringLiteral("Anna"), 47003);
    QVERIFY(published.wait(10000));
    Browser browser;
    browser.start();
    QVERIFY(waitForGame(browser, QStringLiteral("Anna")));
    publisher.withdraw();
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QList<FoundGame> games = browser.games();
            return std::none_of(games.cbegin(), games.cend(),
                                [](const FoundGame& g) { return g.name == QLatin1String("Anna"); });
        },
        10000));
}

// The whole road: a waiting host announces itself, the guest's list shows
// it, and the guest joins at the address and port the list gives.
void TestNetDiscovery::guestJoinsTheGameFound() {
    if (const QString why = startDaemon(); !why.isEmpty())
        QSKIP(qPrintable(why));
    const JoinCode code = JoinCode::generate();
    MatchOptions options = script::options();
    options.guestName.clear();
    Host host(code, options, script::cardList(), script::CardCount);
    QVERIFY(host.listen(0, nullptr));
    Publisher publisher;
    QSignalSpy published(&publisher, &Publisher::published);
    publisher.publish(options.hostName, host.port());
    QVERIFY(published.wait(10000));
    Browser browser;
    browser.start();
    FoundGame game;
    QVERIFY(waitForGame(browser, options.hostName, &game));
    Guest guest(script::cardList(), script::CardCount);
    QSignalSpy joined(&guest, &Guest::joined);
    guest.join(game.address.toString(), game.port, *JoinCode::parse(code.grouped().toLower()),
               QStringLiteral("Mirela"));
    QVERIFY(joined.wait(5000));
    QCOMPARE(joined.first().at(0).value<MatchOptions>().hostName, options.hostName);
}

void TestNetDiscovery::cleanupTestCase() {
    for (QProcess* p : {&m_avahi, &m_bus})
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished();
            }
        }
}

QTEST_GUILESS_MAIN(TestNetDiscovery)
#include "tst_netdiscovery.moc"
