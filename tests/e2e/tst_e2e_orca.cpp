// The real program played by keys alone under the Orca screen reader, judged
// by what Orca speaks: a private X server with openbox, the D-Bus session the
// suite runs in (dbus-run-session), the AT-SPI bus, speech-dispatcher with a
// silent audio driver and Orca with its default settings, writing each
// utterance to its debug log as a "SPEECH OUTPUT" line. One hand is played
// between two people and one against the computer; every pick, placement,
// capture, turn, mark and result must be heard, and no card the screen hides
// may ever be spoken.

#include "GameRun.h"
#include "XSession.h"

#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

using namespace e2e;

namespace {

const QString OrcaRunner = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/e2e/orca_logged.py");
const QString Python = QStringLiteral("/usr/bin/python3");
const QString BusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

QString edges(const Card& c) {
    return QStringLiteral("north %1, east %2, south %3, west %4")
        .arg(c.north)
        .arg(c.east)
        .arg(c.south)
        .arg(c.west);
}

// Orca's words without the direction marks that set names apart.
QString plain(QString s) {
    s.remove(QChar(0x2068));
    s.remove(QChar(0x2069));
    return s;
}

} // namespace

class OrcaEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void handBetweenTwoPeople();
    void handAgainstTheComputer();

  private:
    // Every utterance so far, in order.
    QStringList spoken();
    // Waits until an utterance after the first `from` matches `re`; returns it.
    QString waitSaid(qsizetype from, const QRegularExpression& re, int ms = 20000);
    void keys(const QStringList& names);
    void startGame(GameRun& run, const QString& folder, const QStringList& arguments);
    // Marks five cards of player p's offer by keys, hearing each count.
    // `from`: the utterances before the selection window was asked for.
    void chooseByKeys(GameRun& run, int p, qsizetype from);
    // Plays the person's card of `slot` onto `square`; returns what was said.
    QString placeByKeys(GameRun& run, int player, int slot, int square, Tables& before);
    // Plays a whole hand; player 2 is the computer when `computer`.
    void playHand(GameRun& run, bool computer);
    void saveTranscript(const QString& name);

    XSession m_x;
    QTemporaryDir m_home;
    QProcess m_wm, m_bus, m_orca;
    QString m_log;
    qsizetype m_handStart = 0;
    QList<int> m_wordsPerPlacement;
};

QStringList OrcaEndToEndTest::spoken() {
    QFile file(m_log);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    static const QRegularExpression said(QStringLiteral("SPEECH OUTPUT: '(.*)' ?(\\{.*\\})?\\s*$"));
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch m = said.match(QString::fromUtf8(line));
        if (m.hasMatch())
            lines << plain(m.captured(1));
    }
    return lines;
}

QString OrcaEndToEndTest::waitSaid(qsizetype from, const QRegularExpression& re, int ms) {
    QElapsedTimer clock;
    clock.start();
    QStringList all;
    do {
        all = spoken();
        for (qsizetype i = from; i < all.size(); ++i)
            if (re.match(all[i]).hasMatch())
                return all[i];
        QThread::msleep(50);
    } while (clock.elapsed() < ms);
    fail(QStringLiteral("Orca did not say /%1/ within %2 ms; it said: %3")
             .arg(re.pattern())
             .arg(ms)
             .arg(all.mid(from).join(QStringLiteral(" | "))));
}

void OrcaEndToEndTest::keys(const QStringList& names) {
    for (const QString& k : names) {
        if (!m_x.run({QStringLiteral("key"), k}).ok)
            fail(QStringLiteral("xdotool could not type %1").arg(k));
        QThread::msleep(120);
    }
}

void OrcaEndToEndTest::initTestCase() {
    // A screen reader's suite that cannot run fails: it never passes unheard.
    const QString missing = XSession::missingTool();
    QVERIFY2(missing.isEmpty(), qPrintable(missing + " is not installed (make setup)"));
    for (const char* tool : {"orca", "openbox", "speech-dispatcher", "espeak-ng", "dbus-daemon"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 qPrintable(QStringLiteral("%1 is not installed (make setup installs it)")
                                .arg(QString::fromLatin1(tool))));
    QVERIFY2(QFile::exists(BusLauncher), "at-spi2-core is not installed (make setup)");
    QVERIFY2(QProcess::execute(Python, {QStringLiteral("-c"), QStringLiteral("import pyatspi")}) ==
                 0,
             "python3-pyatspi is not installed (make setup)");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"),
             "needs a D-Bus session of its own: run under dbus-run-session (as CTest does)");
    QVERIFY(m_home.isValid());
    QVERIFY(QDir().mkpath(Artifacts));

    // A home of its own: Orca's settings, speech-dispatcher's configuration
    // (libao's null driver: with no sound card its default output hangs at
    // the first word) and the runtime folder that marks this suite's processes.
    const QString home = m_home.path();
    QVERIFY(QDir().mkpath(home + "/.config/speech-dispatcher") && QDir().mkpath(home + "/xdg") &&
            QDir().mkpath(home + "/prefs") && QDir().mkpath(home + "/speechd-log"));
    QFile::setPermissions(home + "/xdg",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    {
        QFile system(QStringLiteral("/etc/speech-dispatcher/speechd.conf"));
        QFile conf(home + "/.config/speech-dispatcher/speechd.conf");
        QVERIFY(system.open(QIODevice::ReadOnly) && conf.open(QIODevice::WriteOnly));
        for (const QByteArray& line : system.readAll().split('\n'))
            if (!line.startsWith("LogLevel") && !line.startsWith("LogDir") &&
                !line.startsWith("AudioOutputMethod"))
                conf.write(line + '\n');
        conf.write("LogLevel 3\nLogDir \"" + (home + "/speechd-log").toUtf8() +
                   "\"\nAudioOutputMethod \"libao\"\n");
        QFile ao(home + "/.libao");
        QVERIFY(ao.open(QIODevice::WriteOnly));
        ao.write("default_driver=null\n");
    }
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    qputenv("DISPLAY", m_x.display().toLocal8Bit());
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (home + "/xdg").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
    qputenv("NO_AT_BRIDGE", "0");
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");

    auto quiet = [](QProcess& p) {
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
    };
    quiet(m_wm);
    m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY2(m_wm.waitForStarted(5000), "openbox did not start");
    quiet(m_bus);
    m_bus.start(BusLauncher, {QStringLiteral("--launch-immediately")});
    QVERIFY(m_bus.waitForStarted(5000));
    QThread::msleep(500);

    m_log = home + "/orca-debug.log";
    m_orca.setStandardOutputFile(home + "/orca.out");
    m_orca.setStandardErrorFile(home + "/orca.out", QIODevice::Append);
    m_orca.start(Python, {OrcaRunner, QStringLiteral("-u"), home + "/prefs",
                          QStringLiteral("--debug-file"), m_log});
    QVERIFY2(m_orca.waitForStarted(5000), "Orca did not start");
    // Orca greets with speech once it is up.
    QElapsedTimer clock;
    clock.start();
    while (spoken().isEmpty() && clock.elapsed() < 90000) {
        QVERIFY2(m_orca.state() == QProcess::Running,
                 qPrintable("Orca ended at start-up; its log is " + m_log));
        QThread::msleep(200);
    }
    QVERIFY2(!spoken().isEmpty(), "Orca said nothing within 90 s of its start");
    qInfo("Orca spoke after %lld ms", qlonglong(clock.elapsed()));
}

void OrcaEndToEndTest::cleanupTestCase() {
    // Orca first, then everything started on this suite's behalf (the
    // registry, speech-dispatcher and its synthesizer module), each by its
    // own process id: they all carry this suite's runtime folder.
    for (QProcess* p : {&m_orca, &m_bus, &m_wm})
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    const QByteArray mark = "XDG_RUNTIME_DIR=" + (m_home.path() + "/xdg").toLocal8Bit();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const int pid = entry.toInt(&number);
        if (!number || pid == int(::getpid()))
            continue;
        QFile env(QStringLiteral("/proc/%1/environ").arg(pid));
        if (env.open(QIODevice::ReadOnly) && env.readAll().split('\0').contains(mark))
            ::kill(pid, SIGTERM);
    }
    if (!m_wordsPerPlacement.isEmpty()) {
        QStringList words;
        for (int n : std::as_const(m_wordsPerPlacement))
            words << QString::number(n);
        qInfo("words per placement: %s", qPrintable(words.join(' ')));
    }
    QFile::copy(m_log, Artifacts + "/orca-debug.log");
}

void OrcaEndToEndTest::saveTranscript(const QString& name) {
    QFile file(Artifacts + "/orca-" + name + ".txt");
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(spoken().mid(m_handStart).join('\n').toUtf8() + '\n');
}

void OrcaEndToEndTest::startGame(GameRun& run, const QString& folder,
                                 const QStringList& arguments) {
    GameRun::Start start;
    start.program = folder + "/quorvel";
    start.arguments = arguments;
    run.setStart(start);
    run.launch();
    run.waitStarted();
    run.waitFor(Kind::Main);
    QThread::msleep(1500);
}

void OrcaEndToEndTest::chooseByKeys(GameRun& run, int p, qsizetype from) {
    run.waitFor(p == 1 ? Kind::Select1 : Kind::Select2);
    waitSaid(from, QRegularExpression(QStringLiteral("^Choose 5 cards, then press Done\\.$")));
    run.waitTables(
        [&](Tables& now) {
            for (int i = 1; i <= 8; ++i)
                if (now.stock(p)[i].id == 0)
                    return false;
            return true;
        },
        QStringLiteral("player %1's offer").arg(p));
    QThread::msleep(300);
    int marked = 0;
    for (int slot : {1, 2, 3, 4, 6}) {
        const qsizetype from = spoken().size();
        keys({QString::number(slot)});
        ++marked;
        const QString count =
            marked == 5 ? QStringLiteral("5 cards marked, press Done\\.")
            : marked == 1
                ? QStringLiteral("1 card marked, 4 to go\\.")
                : QStringLiteral("%1 cards marked, %2 to go\\.").arg(marked).arg(5 - marked);
        waitSaid(from, QRegularExpression(count));
    }
}

QString OrcaEndToEndTest::placeByKeys(GameRun& run, int player, int slot, int square,
                                      Tables& before) {
    // The pick says the card, or that the hand is still face down: then again.
    const QRegularExpression pick(QStringLiteral("^Card %1, (north [0-9, a-z]+)\\.$|"
                                                 "^Card %1, face down\\.$|"
                                                 "^Your cards are still face down\\.$")
                                      .arg(slot));
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qsizetype from = spoken().size();
        keys({QString::number(slot)});
        const QRegularExpressionMatch m = pick.match(waitSaid(from, pick));
        if (m.captured(1).isEmpty()) {
            if (clock.elapsed() > 20000)
                fail(QStringLiteral("player %1's hand stays face down").arg(player));
            QThread::msleep(400);
            continue;
        }
        before = run.tables();
        if (m.captured(1) != edges(before.hand(player)[slot]))
            fail(QStringLiteral("card %1 said as \"%2\", it is %3")
                     .arg(slot)
                     .arg(m.captured(1), edges(before.hand(player)[slot])));
        break;
    }
    const qsizetype from = spoken().size();
    keys({QStringLiteral("ctrl+%1").arg(square)});
    return waitSaid(from,
                    QRegularExpression(QStringLiteral("^Placed on square %1\\.").arg(square)));
}

void OrcaEndToEndTest::playHand(GameRun& run, bool computer) {
    const QString names[] = {QString(), QStringLiteral("Dorvik"),
                             computer ? QStringLiteral("Computer") : QStringLiteral("Mirela")};
    const QString begins = waitSaid(
        m_handStart, QRegularExpression(QStringLiteral("^Hands dealt\\. (\\w+) begins\\.$")));
    int turn = begins.contains(names[1]) ? 1 : 2;
    qsizetype from = spoken().size(), lastMove = from;
    for (int k = 0; k < 9; ++k) {
        lastMove = from;
        Tables before = run.tables();
        if (computer && turn == 2) {
            const QString said = waitSaid(
                from, QRegularExpression(QStringLiteral("^Computer placed on square ([1-9]), ")),
                30000);
            const int square =
                said.mid(QStringLiteral("Computer placed on square ").size(), 1).toInt();
            const Tables after = run.tables();
            if (!said.contains(
                    QStringLiteral("square %1, %2.").arg(square).arg(edges(after.board[square]))))
                fail(QStringLiteral("the computer's move said \"%1\", square %2 holds %3")
                         .arg(said)
                         .arg(square)
                         .arg(edges(after.board[square])));
            m_wordsPerPlacement << int(said.split(' ', Qt::SkipEmptyParts).size());
            turn = 1;
            from = spoken().size();
            continue;
        }
        int slot = 0;
        for (int s = 5; s >= 1 && !slot; --s)
            if (before.hand(turn)[s].id != 0)
                slot = s;
        int square = 0;
        for (int l : {5, 1, 3, 7, 9, 2, 4, 6, 8})
            if (!square && before.board[l].id == 0)
                square = l;
        const QString said = placeByKeys(run, turn, slot, square, before);
        m_wordsPerPlacement << int(said.split(' ', Qt::SkipEmptyParts).size());
        const Tables after = run.tables();
        QStringList taken;
        for (int l = 1; l <= 9; ++l)
            if (l != square && before.board[l].id && before.board[l].owner != after.board[l].owner)
                taken << QString::number(l);
        if (taken.isEmpty() == said.contains(QLatin1String("Took square")))
            fail(QStringLiteral("\"%1\" after taking squares {%2}").arg(said, taken.join(',')));
        for (const QString& l : std::as_const(taken))
            if (!said.contains(
                    QRegularExpression(QStringLiteral("Took squares? [^.]*\\b%1\\b").arg(l))))
                fail(QStringLiteral("\"%1\" does not name square %2 taken").arg(said, l));
        turn = 3 - turn;
        if (k < 8 && !said.endsWith(names[turn] + QStringLiteral(" to play.")))
            fail(QStringLiteral("\"%1\" does not say that %2 plays next").arg(said, names[turn]));
        from = spoken().size();
    }
    // The message at the end of the hand reads its scores.
    const Window message = run.waitFor(Kind::Message);
    run.screenshot(message, computer ? QStringLiteral("orca-computer-message")
                                     : QStringLiteral("orca-people-message"));
    waitSaid(lastMove, QRegularExpression(QStringLiteral(
                           "(Get ready for the next hand|won this round).*Score [0-9]+ "
                           "to [0-9]+\\.|^Score [0-9]+ to [0-9]+\\.")));
}

void OrcaEndToEndTest::handBetweenTwoPeople() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("orca-people"));
    try {
        startGame(run, dir.path(), {});
        m_handStart = spoken().size();
        keys({QStringLiteral("ctrl+n")});
        run.waitFor(Kind::Options);
        QThread::msleep(500);
        keys({QStringLiteral("Return")});
        chooseByKeys(run, 1, m_handStart);
        qsizetype from = spoken().size();
        keys({QStringLiteral("Return")});
        chooseByKeys(run, 2, from);
        keys({QStringLiteral("Return")});
        run.waitFor(Kind::Main);
        playHand(run, false);
        saveTranscript(QStringLiteral("people"));
        run.process().terminate();
        run.process().waitForFinished(8000);
    } catch (const Failure& f) {
        saveTranscript(QStringLiteral("people"));
        QFAIL(f.what());
    }
}

void OrcaEndToEndTest::handAgainstTheComputer() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("orca-computer"));
    try {
        startGame(run, dir.path(), {QStringLiteral("--computer=normal")});
        m_handStart = spoken().size();
        keys({QStringLiteral("ctrl+n")});
        run.waitFor(Kind::Options);
        QThread::msleep(500);
        keys({QStringLiteral("Return")});
        chooseByKeys(run, 1, m_handStart);
        keys({QStringLiteral("Return")});
        // The computer's choice: the person hears that it chooses, and the
        // focus stays with him (no card of its offer is read out).
        const QString choosing = QStringLiteral("The computer is choosing its cards");
        waitSaid(m_handStart, QRegularExpression(choosing));
        run.waitFor(Kind::Main, 15000);
        playHand(run, true);
        saveTranscript(QStringLiteral("computer"));

        // No card the screen hides was spoken: the computer's offer left
        // over and the card still in its hand, unless a shown card has the
        // same edges.
        const Tables end = run.tables();
        QSet<QString> shown;
        for (int l = 1; l <= 9; ++l)
            shown << edges(end.board[l]);
        for (int i = 1; i <= 8; ++i)
            shown << edges(end.stock1[i]);
        for (int s = 1; s <= 5; ++s)
            shown << edges(end.hand1[s]);
        const QString heard = spoken().mid(m_handStart).join('\n');
        for (int s = 1; s <= 5; ++s)
            if (end.hand2[s].id != 0 && !shown.contains(edges(end.hand2[s])))
                QVERIFY2(
                    !heard.contains(edges(end.hand2[s])),
                    qPrintable("the computer's hidden card was spoken: " + edges(end.hand2[s])));
        for (int i = 1; i <= 8; ++i)
            if (end.stock2[i].id != 0 && !shown.contains(edges(end.stock2[i])))
                QVERIFY2(!heard.contains(edges(end.stock2[i])),
                         qPrintable("the computer's offer was spoken: " + edges(end.stock2[i])));
        run.process().terminate();
        run.process().waitForFinished(8000);
    } catch (const Failure& f) {
        saveTranscript(QStringLiteral("computer"));
        QFAIL(f.what());
    }
}

QTEST_MAIN(OrcaEndToEndTest)
#include "tst_e2e_orca.moc"
