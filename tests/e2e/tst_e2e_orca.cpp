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

// The placement's own sentences of an utterance: the last placement of a
// hand is read by the alert of the message that ends it, before the
// message's own words and the scores.
QString placementPart(QString said) {
    if (!said.startsWith(QLatin1String("alert ")))
        return said;
    QStringList kept;
    for (const QString& sentence : said.mid(6).split(QStringLiteral(". "))) {
        if (!sentence.contains(QLatin1String("laced on square")) &&
            !sentence.startsWith(QLatin1String("Took square")))
            break;
        kept << sentence;
    }
    QString part = kept.join(QStringLiteral(". "));
    if (!part.endsWith(QLatin1Char('.')))
        part += QLatin1Char('.');
    return part;
}

} // namespace

class OrcaEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void handBetweenTwoPeople();
    void handAgainstTheComputer();
    void laptopLayout();

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
    // Keys that do nothing, tried around a placement: a square already taken
    // (0: none) before it, a pick straight after it.
    struct Refusals {
        int taken = 0;
        bool pickAfter = false;
    };
    // Plays the person's card of `slot` onto `square`; returns what was said.
    QString placeByKeys(GameRun& run, int player, int slot, int square, Tables& before,
                        Tables& after, const Refusals& refusals);
    // `exact`: the tables hold this placement alone, so the squares it took
    // are known; else only what it says is checked.
    void checkPlacement(const QString& said, int square, const Tables& before, const Tables& after,
                        const QString& next, bool exact);
    // Plays a whole hand; player 2 is the computer when `computer`.
    void playHand(GameRun& run, bool computer);
    void saveTranscript(const QString& name);
    void startOrca(const QString& prefs, const QString& log);
    // Every line of Orca's debug log so far (its events as well as its speech).
    QStringList logLines();
    // The options window as Orca reads it by Tab, and Help from it by line
    // and by page; ends back in the options window.
    void optionsAndHelpByKeys();
    // Keypad 5 on the board under Orca's desktop layout, which keeps the
    // keypad for its review commands.
    void keypadUnderDesktopLayout();

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
    // The voice settings follow the words, alone or in a list (a review's
    // word with its own voice).
    static const QRegularExpression said(
        QStringLiteral("SPEECH OUTPUT: '(.*)' ?(\\[?\\{.*\\}\\]?)?\\s*$"));
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch m = said.match(QString::fromUtf8(line));
        if (m.hasMatch())
            lines << plain(m.captured(1));
    }
    return lines;
}

QStringList OrcaEndToEndTest::logLines() {
    QFile file(m_log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return plain(QString::fromUtf8(file.readAll())).split('\n');
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

    startOrca(home + "/prefs", home + "/orca-debug.log");
}

void OrcaEndToEndTest::startOrca(const QString& prefs, const QString& log) {
    m_log = log;
    const QString out = m_home.path() + "/orca.out";
    m_orca.setStandardOutputFile(out, QIODevice::Append);
    m_orca.setStandardErrorFile(out, QIODevice::Append);
    m_orca.start(Python,
                 {OrcaRunner, QStringLiteral("-u"), prefs, QStringLiteral("--debug-file"), m_log});
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
    for (const QString& log :
         {QStringLiteral("orca-debug.log"), QStringLiteral("orca-laptop.log")}) {
        QFile::remove(Artifacts + "/" + log);
        QFile::copy(m_home.path() + "/" + log, Artifacts + "/" + log);
    }
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
                                      Tables& before, Tables& after, const Refusals& refusals) {
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
    // A taken square refuses the card, and says so; the card stays picked.
    if (refusals.taken) {
        const qsizetype from = spoken().size();
        keys({QStringLiteral("ctrl+%1").arg(refusals.taken)});
        waitSaid(from,
                 QRegularExpression(QStringLiteral("^Square %1 is taken\\.$").arg(refusals.taken)));
    }
    const qsizetype from = spoken().size();
    // A pick at once after the placement falls in the computer's turn, which
    // lasts at least 600 ms: both keys go to the server together.
    if (refusals.pickAfter) {
        if (!m_x.run({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
                      QStringLiteral("ctrl+%1").arg(square), QString::number(slot)})
                 .ok)
            fail(QStringLiteral("xdotool could not type"));
    } else {
        keys({QStringLiteral("ctrl+%1").arg(square)});
    }
    // The last placement of a hand may be heard first in the message that
    // ends the hand, which takes the screen reader at once: then its words
    // are those before the message's own.
    const QString said = placementPart(waitSaid(
        from, QRegularExpression(QStringLiteral("^(alert )?Placed on square %1\\.").arg(square))));
    after = run.tables();
    if (refusals.pickAfter)
        waitSaid(from, QRegularExpression(QStringLiteral("^Not your turn\\.$")));
    return said;
}

// What a placement said (the person's or the computer's) against the tables
// before and after it: the squares taken, the score when it changed, and who
// plays next.
void OrcaEndToEndTest::checkPlacement(const QString& said, int square, const Tables& before,
                                      const Tables& after, const QString& next, bool exact) {
    m_wordsPerPlacement << int(said.split(' ', Qt::SkipEmptyParts).size());
    QStringList taken;
    for (int l = 1; l <= 9; ++l)
        if (l != square && before.board[l].id && before.board[l].owner != after.board[l].owner)
            taken << QString::number(l);
    if (!exact)
        taken.clear();
    if (exact && taken.isEmpty() == said.contains(QLatin1String("Took square")))
        fail(QStringLiteral("\"%1\" after taking squares {%2}").arg(said, taken.join(',')));
    for (const QString& l : std::as_const(taken))
        if (!said.contains(
                QRegularExpression(QStringLiteral("Took squares? [^.]*\\b%1\\b").arg(l))))
            fail(QStringLiteral("\"%1\" does not name square %2 taken").arg(said, l));
    // (The last placement's score may be left to the message that follows.)
    if (!next.isEmpty() &&
        said.contains(QLatin1String("Took square")) !=
            said.contains(QRegularExpression(QStringLiteral("Score [0-9]+ to [0-9]+\\."))))
        fail(QStringLiteral("\"%1\": the score is said exactly when a square was taken").arg(said));
    // No card's edges: the card lies face up on its square, which says them.
    if (said.contains(QLatin1String("north")))
        fail(QStringLiteral("\"%1\" reads out the card placed").arg(said));
    if (!next.isEmpty() && !said.endsWith(next + QStringLiteral(" to play.")))
        fail(QStringLiteral("\"%1\" does not say that %2 plays next").arg(said, next));
}

void OrcaEndToEndTest::playHand(GameRun& run, bool computer) {
    const QString names[] = {QString(), QStringLiteral("Dorvik"),
                             computer ? QStringLiteral("Computer") : QStringLiteral("Mirela")};
    const QString begins = waitSaid(
        m_handStart, QRegularExpression(QStringLiteral("^Hands dealt\\. (\\w+) begins\\.$")));
    int turn = begins.contains(names[1]) ? 1 : 2;
    // From the deal on: when the computer begins, its first move may be said
    // while the checks before this hand still listen.
    const QStringList dealt = spoken();
    qsizetype from = turn == 2 ? dealt.lastIndexOf(begins) + 1 : dealt.size(), lastMove = from;
    bool refusedTaken = false, refusedTurn = false, raced = false;
    int lastSquare = 0;
    Tables before = run.tables();
    for (int k = 0; k < 9; ++k) {
        lastMove = from;
        if (computer && turn == 2) {
            const QString said =
                placementPart(waitSaid(from,
                                       QRegularExpression(QStringLiteral(
                                           "^(alert )?Computer placed on square ([1-9])\\.")),
                                       30000));
            const int square =
                said.mid(QStringLiteral("Computer placed on square ").size(), 1).toInt();
            lastSquare = square;
            const Tables after = run.tables();
            if (after.board[square].id == 0 || after.board[square].owner != 2)
                fail(
                    QStringLiteral("\"%1\": the square holds no card of the computer's").arg(said));
            checkPlacement(said, square, before, after, k < 8 ? names[1] : QString(), !raced);
            before = after;
            turn = 1;
            from = spoken().size();
            continue;
        }
        before = run.tables();
        int slot = 0;
        for (int s = 5; s >= 1 && !slot; --s)
            if (before.hand(turn)[s].id != 0)
                slot = s;
        int square = 0, taken = 0;
        for (int l : {5, 1, 3, 7, 9, 2, 4, 6, 8}) {
            if (!square && before.board[l].id == 0)
                square = l;
            if (!taken && before.board[l].id != 0)
                taken = l;
        }
        // Once in each hand a key on a taken square, and once against the
        // computer a pick while it plays: each says why it did nothing.
        Refusals refusals;
        if (taken && !refusedTaken) {
            refusals.taken = taken;
            refusedTaken = true;
        }
        if (computer && k < 8 && !refusedTurn) {
            refusals.pickAfter = true;
            refusedTurn = true;
        }
        Tables after;
        lastSquare = square;
        const QString said = placeByKeys(run, turn, slot, square, before, after, refusals);
        turn = 3 - turn;
        // Against the computer its move may have landed before the tables
        // were read: then neither placement's captures can be told apart.
        raced = false;
        for (int l = 1; l <= 9; ++l)
            if (before.board[l].id == 0 && l != square && after.board[l].id != 0)
                raced = true;
        checkPlacement(said, square, before, after, k < 8 ? names[turn] : QString(), !raced);
        if (raced)
            qInfo("the computer's move landed before the tables were read");
        before = after;
        from = spoken().size();
    }
    // The message at the end of the hand reads its scores.
    const Window message = run.waitFor(Kind::Message);
    run.screenshot(message, computer ? QStringLiteral("orca-computer-message")
                                     : QStringLiteral("orca-people-message"));
    waitSaid(lastMove, QRegularExpression(QStringLiteral(
                           "(Get ready for the next hand|won this round).*Score [0-9]+ "
                           "to [0-9]+\\.|^Score [0-9]+ to [0-9]+\\.")));
    // The last placement is heard once: in the message's alert, not also
    // as a notice of its own just before.
    QThread::msleep(800);
    const QRegularExpression last(
        QStringLiteral("(^|alert )(Computer p|P)laced on square %1\\.").arg(lastSquare));
    const QStringList heard = spoken().mid(lastMove).filter(last);
    if (heard.size() != 1)
        fail(QStringLiteral("the last placement was heard %1 times: %2")
                 .arg(heard.size())
                 .arg(heard.join(QStringLiteral(" | "))));
}

void OrcaEndToEndTest::optionsAndHelpByKeys() {
    // From Ctrl+N on: Orca may read the window's first box before the window
    // is seen here.
    const qsizetype start = m_handStart;
    // Each box by its label and role; the name box's text whole as selected,
    // and player 2's box says that it has a list.
    waitSaid(start, QRegularExpression(QStringLiteral("^Player 1 name text\\.$")));
    waitSaid(start, QRegularExpression(QStringLiteral("^Dorvik selected\\.$")));
    const struct {
        QString name, after;
    } tabs[] = {
        {QStringLiteral("^Player 2 name text\\.$"),
         QStringLiteral("^Has a list of the computer's levels and of network games, opened with "
                        "Alt\\+Down\\.$")},
        {QStringLiteral("^Open Hand\\.$"), QStringLiteral("^not selected radio button$")},
        {QStringLiteral("^Closed Hand\\.$"), QStringLiteral("^selected radio button$")},
        {QStringLiteral("^Basic Rules\\.$"), QStringLiteral("^selected radio button$")},
        {QStringLiteral("^Basic Combo Rules\\.$"), QStringLiteral("^not selected radio button$")},
        {QStringLiteral("^Done push button\\.$"), QString()},
        {QStringLiteral("^Help push button\\.$"), QString()},
        {QStringLiteral("^Player 1 name text\\.$"), QStringLiteral("^Dorvik selected\\.$")},
    };
    for (const auto& tab : tabs) {
        const qsizetype from = spoken().size();
        keys({QStringLiteral("Tab")});
        waitSaid(from, QRegularExpression(tab.name));
        if (!tab.after.isEmpty())
            waitSaid(from, QRegularExpression(tab.after));
    }
    waitSaid(start, QRegularExpression(QStringLiteral("^Mirela selected\\.$")));
    QThread::msleep(300);
    for (const QString& line : spoken().mid(start))
        if (line.contains(QLatin1String("unselected")) || line.contains(QLatin1String("label")))
            fail(QStringLiteral("the options window said \"%1\"").arg(line));

    // Help: the rules as a read-only text, read by line with the arrows and
    // by page with Page Down; each key says the line it reaches.
    qsizetype from = spoken().size();
    keys({QStringLiteral("F1")});
    waitSaid(from, QRegularExpression(QStringLiteral("^Rules read only text\\.$")));
    QStringList lines;
    const QRegularExpression text(QStringLiteral("^(?!page down |down |Rules |Quorvel help)\\S.*"));
    for (const QString& k :
         {QStringLiteral("Down"), QStringLiteral("Next"), QStringLiteral("Next")}) {
        from = spoken().size();
        keys({k});
        lines << waitSaid(from, text);
    }
    // Three different lines.
    if (QSet<QString>(lines.begin(), lines.end()).size() != lines.size())
        fail(QStringLiteral("Help read the same line twice: %1")
                 .arg(lines.join(QStringLiteral(" | "))));
    for (const QString& line : spoken().mid(start))
        if (line.contains(QLatin1String("Rules label")))
            fail(QStringLiteral("Help said \"%1\"").arg(line));
    from = spoken().size();
    keys({QStringLiteral("Escape")});
    waitSaid(from, QRegularExpression(QStringLiteral("^Options frame\\.$")));
    waitSaid(from, QRegularExpression(QStringLiteral("^Dorvik selected\\.$")));
}

// Orca's desktop layout takes keypad 5 (Num Lock off) for "the current
// flat review item": it speaks the word under review, the first word of a
// name in the window ("Square " of "Square 1, empty"). That word is Orca's:
// every name and notice of ours stays whole, and whatever the game itself
// says to the key (when the key also reaches it) is a whole sentence.
void OrcaEndToEndTest::keypadUnderDesktopLayout() {
    // Orca reviews the window it has the focus in: the board, once it has
    // read the square holding the focus there.
    const QStringList before = spoken();
    waitSaid(before.lastIndexOf(QStringLiteral("The computer is choosing its cards.")),
             QRegularExpression(QStringLiteral("^Square [1-9], .*push button\\.$")));
    const qsizetype logFrom = logLines().size();
    const qsizetype from = spoken().size();
    keys({QStringLiteral("KP_Begin")});
    // Orca reads the window's objects for its review, which takes a while
    // on a busy machine: its word may come after the game's own words.
    waitSaid(from, QRegularExpression(QStringLiteral("^[A-Za-z]\\S* $|^blank$")));
    const QString review = QStringLiteral("Handler is Speak the current flat review item or word");
    QStringList log = logLines().mid(logFrom);
    if (log.filter(review).isEmpty())
        fail(QStringLiteral("Orca did not take keypad 5 for its review"));
    QThread::msleep(1000);
    log = logLines().mid(logFrom);
    // The names Orca found in the window as it reviewed it.
    QStringList names;
    static const QRegularExpression object(QStringLiteral("\\[([a-z ]+) \\| ([^\\]]*)\\]"));
    for (const QString& line : std::as_const(log))
        for (auto it = object.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString name = m.captured(2);
            if (name.isEmpty())
                continue;
            names << name;
            if (m.captured(1) == QLatin1String("notification") && !name.endsWith(QLatin1Char('.')))
                fail(QStringLiteral("a notice of the game is not a whole sentence: \"%1\"")
                         .arg(name));
        }
    const QStringList said = spoken().mid(from);
    bool word = false;
    for (const QString& line : said) {
        // Orca's echo of the key, its review word, or whole words of ours.
        if (line.trimmed() == QLatin1String("5") || line.trimmed() == QLatin1String("begin"))
            continue;
        bool ofAName = false;
        for (const QString& name : std::as_const(names))
            ofAName = ofAName || name.startsWith(line) || name.contains(QLatin1Char(' ') + line);
        if (!word && ofAName && line.endsWith(QLatin1Char(' ')) &&
            !line.trimmed().contains(QLatin1Char(' '))) {
            word = true;
            continue;
        }
        if (!line.endsWith(QLatin1Char('.')) && !line.endsWith(QLatin1String("push button")))
            fail(QStringLiteral("after keypad 5 Orca said \"%1\", which is neither its review "
                                "word nor a whole sentence of the game's")
                     .arg(line));
    }
    if (!word)
        fail(QStringLiteral("Orca's review word was not heard after keypad 5: %1")
                 .arg(said.join(QStringLiteral(" | "))));
    qInfo("keypad 5 under the desktop layout: %s", qPrintable(said.join(QStringLiteral(" | "))));
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
        optionsAndHelpByKeys();
        keys({QStringLiteral("Return")});
        chooseByKeys(run, 1, m_handStart);
        qsizetype from = spoken().size();
        keys({QStringLiteral("Return")});
        chooseByKeys(run, 2, from);
        keys({QStringLiteral("Return")});
        run.waitFor(Kind::Main);
        // H between two people, and with the message in front of the board:
        // each says why it gives no hint.
        from = spoken().size();
        keys({QStringLiteral("h")});
        waitSaid(from, QRegularExpression(
                           QStringLiteral("^Hints are given only against the computer\\.$")));
        playHand(run, false);
        from = spoken().size();
        keys({QStringLiteral("h")});
        waitSaid(from, QRegularExpression(QStringLiteral("^Close this message first\\.$")));
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
        const qsizetype logStart = logLines().size();
        keys({QStringLiteral("Return")});
        // The computer's choice: the person hears that it chooses, and no
        // control of its window takes the focus or is read out (its Done,
        // its offer), from the bus's events as Orca received them until the
        // board is back in front.
        const QString choosing = QStringLiteral("The computer is choosing its cards.");
        waitSaid(m_handStart, QRegularExpression(QStringLiteral("^") +
                                                 QRegularExpression::escape(choosing) + "$"));
        run.waitFor(Kind::Main, 15000);
        QStringList events;
        for (QElapsedTimer clock; events.isEmpty();) {
            if (!clock.isValid())
                clock.start();
            const QStringList log = logLines().mid(logStart);
            qsizetype back = 0;
            while (back < log.size() && !(log[back].contains(QLatin1String("window:activate")) &&
                                          log[back].contains(QLatin1String("[frame | Quorvel]"))))
                ++back;
            if (back == log.size())
                back = -1;
            if (back >= 0)
                events = log.mid(0, back);
            else if (clock.elapsed() > 15000)
                QFAIL("the board's window was never activated after the computer's choice");
            else
                QThread::msleep(100);
        }
        bool told = false;
        for (const QString& line : std::as_const(events)) {
            if (line.contains(QLatin1String("object:state-changed:focused for")) &&
                line.contains(QLatin1String("] (1, ")))
                QFAIL(qPrintable("a control took the focus during the computer's choice: " + line));
            const qsizetype to = line.indexOf(QLatin1String("Changing locusOfFocus from"));
            if (to >= 0 && !line.contains(QLatin1String("to [frame | Player 2, Computer")))
                QFAIL(qPrintable("Orca's focus moved during the computer's choice: " + line));
            if (line.contains(QLatin1String("SPEECH OUTPUT:"))) {
                told = told || line.contains(choosing);
                QVERIFY2(!line.contains(QLatin1String("push button")) &&
                             !line.contains(QLatin1String("check box")) &&
                             !line.contains(QLatin1String("north")),
                         qPrintable("said during the computer's choice: " + line));
            }
        }
        QVERIFY(told);
        keypadUnderDesktopLayout();
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

// Orca's laptop layout: Caps Lock is Orca's key, and Orca takes other keys
// than in its desktop layout. Every key of the game still works: a pick, a
// hint and a placement by Ctrl and the square's number, and the keys of the
// selection window.
void OrcaEndToEndTest::laptopLayout() {
    m_orca.terminate();
    if (!m_orca.waitForFinished(5000)) {
        m_orca.kill();
        m_orca.waitForFinished(3000);
    }
    const QString prefs = m_home.path() + "/laptop";
    QVERIFY(QDir().mkpath(prefs));
    {
        QFile settings(prefs + "/user-settings.conf");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(R"({"general": {"keyboardLayout": 2,
                                       "orcaModifierKeys": ["Caps_Lock", "Shift_Lock"]},
                          "profiles": {"default": {"profile": ["Default", "default"]}},
                          "pronunciations": {}, "keybindings": {}})");
    }
    startOrca(prefs, m_home.path() + "/orca-laptop.log");
    if (QTest::currentTestFailed())
        return;

    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("orca-laptop"));
    try {
        startGame(run, dir.path(), {QStringLiteral("--computer=normal")});
        m_handStart = spoken().size();
        // Caps Lock and T says the time only in the laptop layout: the
        // layout is in force.
        keys({QStringLiteral("Caps_Lock+t")});
        waitSaid(m_handStart, QRegularExpression(QStringLiteral("[0-9]{1,2}:[0-9]{2}")));
        keys({QStringLiteral("ctrl+n")});
        run.waitFor(Kind::Options);
        QThread::msleep(500);
        keys({QStringLiteral("Return")});
        chooseByKeys(run, 1, m_handStart);
        keys({QStringLiteral("Return")});
        run.waitFor(Kind::Main, 15000);
        const QString begins = waitSaid(
            m_handStart, QRegularExpression(QStringLiteral("^Hands dealt\\. (\\w+) begins\\.$")));
        if (begins.contains(QLatin1String("Computer")))
            waitSaid(m_handStart,
                     QRegularExpression(QStringLiteral("^Computer placed on square [1-9]\\.")),
                     30000);
        // The hand turns face up a moment after the turn begins: card 5 is
        // picked once it is, then the hint names a card and a free square.
        Tables before;
        for (QElapsedTimer clock;;) {
            if (!clock.isValid())
                clock.start();
            const qsizetype from = spoken().size();
            keys({QStringLiteral("5")});
            const QRegularExpression pick(
                QStringLiteral("^Card 5, (north [0-9, a-z]+)\\.$|^Card 5, face down\\.$|"
                               "^Your cards are still face down\\.$"));
            if (!pick.match(waitSaid(from, pick)).captured(1).isEmpty())
                break;
            if (clock.elapsed() > 20000)
                fail(QStringLiteral("the hand stays face down"));
            QThread::msleep(400);
        }
        qsizetype from = spoken().size();
        keys({QStringLiteral("h")});
        const QRegularExpressionMatch hint =
            QRegularExpression(QStringLiteral("^Hint: card ([1-5]) on square ([1-9])\\.$"))
                .match(waitSaid(from, QRegularExpression(QStringLiteral(
                                          "^Hint: card [1-5] on square [1-9]\\.$"))));
        before = run.tables();
        const int square = hint.captured(2).toInt();
        QVERIFY2(before.hand1[hint.captured(1).toInt()].id != 0 && before.board[square].id == 0,
                 qPrintable("the hint names a played card or a taken square: " + hint.captured(0)));
        Tables after;
        const QString said =
            placeByKeys(run, 1, hint.captured(1).toInt(), square, before, after, {});
        QVERIFY2(said.endsWith(QLatin1String("Computer to play.")), qPrintable(said));
        saveTranscript(QStringLiteral("laptop"));
        run.process().terminate();
        run.process().waitForFinished(8000);
    } catch (const Failure& f) {
        saveTranscript(QStringLiteral("laptop"));
        QFAIL(f.what());
    }
}

QTEST_MAIN(OrcaEndToEndTest)
#include "tst_e2e_orca.moc"
