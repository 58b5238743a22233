// Hints and the record of matches through the real program: a whole match
// against --computer=hard on a private X server, hints asked by the H key and
// by a screen reader's action over the AT-SPI bus, the record file read while the game
// runs, the game killed while its match-won message is up, started again, and
// the record checked in the file, in the statistics window (opened by F2 and
// by a screen reader's action over the AT-SPI bus) and as the screen reader
// reads it. No match is lost and none counts twice.

#include "AccessibilityBus.h"
#include "GameRun.h"
#include "XSession.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace e2e;

namespace {

const QString Reader = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/accessibility/atspi_reader.py");
const QString Python = QStringLiteral("/usr/bin/python3");

int filled(const Tables& t) {
    int n = 0;
    for (int l = 1; l <= 9; ++l)
        n += t.board[l].id != 0;
    return n;
}

// What the record file holds, read as another program would while the game
// runs: matches (with their hands column summed) and hands.
struct OnFile {
    int matches = -1, hands = -1, matchHands = -1, won = -1;
};

OnFile readRecord(const QString& file) {
    OnFile r;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (openDatabase(db, file, true).isEmpty()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*), coalesce(sum(hands), 0), "
                                      "coalesce(sum(winner = 1), 0) FROM matches "
                                      "WHERE opponent = 'hard'")) &&
                q.next()) {
                r.matches = q.value(0).toInt();
                r.matchHands = q.value(1).toInt();
                r.won = q.value(2).toInt();
            }
            if (q.exec(QStringLiteral("SELECT count(*) FROM hands WHERE opponent = 'hard'")) &&
                q.next())
                r.hands = q.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return r;
}

} // namespace

class RecordEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void matchKilledAtItsEnd();

  private:
    QProcessEnvironment environment() const;
    void keys(const QStringList& names);
    QString reader(const QStringList& arguments);
    // Asks for a hint by the H key, then by the screen reader's action on a
    // square: each frames a card and a square and changes nothing else.
    void askHints(GameRun& run, const Window& main);
    // Plays the match until its match-won message is up; returns the winner.
    int playUntilMatchWon(GameRun& run, const QString& recordFile);

    XSession m_x;
    AccessibilityBus m_bus;
    int m_hands = 0;
    bool m_hinted = false;
};

namespace {

// The pixels of the main window in the hint frames' bright green.
int hintPixels(const QImage& shot) {
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb c = shot.pixel(x, y);
            n +=
                qGreen(c) > 220 && qRed(c) > 60 && qRed(c) < 130 && qBlue(c) > 90 && qBlue(c) < 160;
        }
    return n;
}

} // namespace

void RecordEndToEndTest::askHints(GameRun& run, const Window& main) {
    m_hinted = true;
    const Tables before = run.tables();
    // Cards may show some of that green themselves.
    const int baseline = hintPixels(m_x.grab(main));
    auto framed = [&](const QString& how) {
        QElapsedTimer clock;
        clock.start();
        int most = 0;
        do {
            most = std::max(most, hintPixels(m_x.grab(main)) - baseline);
            if (most > 400)
                break;
            QThread::msleep(50);
        } while (clock.elapsed() < 10000);
        if (most <= 400)
            fail(QStringLiteral("no hint frames after a hint asked %1 (%2 pixels)")
                     .arg(how)
                     .arg(most));
        run.screenshot(main, QStringLiteral("hint-") + how);
        // About two seconds later they have gone.
        clock.restart();
        while (hintPixels(m_x.grab(main)) - baseline > 100) {
            if (clock.elapsed() > 6000)
                fail(QStringLiteral("the hint frames asked %1 stay up").arg(how));
            QThread::msleep(100);
        }
    };
    keys({QStringLiteral("h")});
    framed(QStringLiteral("by-key"));
    const QString offered = reader({QStringLiteral("act"), QStringLiteral("push button"),
                                    QStringLiteral("Square 5"), QStringLiteral("Hint")});
    if (!offered.contains(QLatin1String("Hint")))
        fail(QStringLiteral("the squares offer no Hint action: %1").arg(offered));
    framed(QStringLiteral("by-screen-reader"));
    // A hint picks nothing and places nothing.
    const Tables after = run.tables();
    for (int l = 1; l <= 9; ++l)
        if (!after.board[l].sameCard(before.board[l]) ||
            after.board[l].owner != before.board[l].owner)
            fail(QStringLiteral("square %1 changed by a hint").arg(l));
    for (int s = 1; s <= 5; ++s)
        if (!after.hand1[s].sameCard(before.hand1[s]))
            fail(QStringLiteral("hand slot %1 changed by a hint").arg(s));
}

QProcessEnvironment RecordEndToEndTest::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_x.display());
    return env;
}

void RecordEndToEndTest::initTestCase() {
    const QString missing = XSession::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(missing)));
    const QString noBus = AccessibilityBus::missing();
    if (!noBus.isEmpty())
        QSKIP(qPrintable(noBus));
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    QVERIFY(QDir().mkpath(Artifacts));
    QVERIFY2(m_bus.start(environment()), "could not start the accessibility bus");
}

void RecordEndToEndTest::cleanupTestCase() {
    m_bus.stop();
}

void RecordEndToEndTest::keys(const QStringList& names) {
    QThread::msleep(100);
    if (!m_x.run(QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                             QStringLiteral("40")} +
                 names)
             .ok)
        fail(QStringLiteral("xdotool could not type %1").arg(names.join(' ')));
}

QString RecordEndToEndTest::reader(const QStringList& arguments) {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(Python, QStringList{Reader} + arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        fail(QStringLiteral("the accessibility reader (%1) failed: %2")
                 .arg(arguments.join(' '), QString::fromLocal8Bit(p.readAllStandardError())));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int RecordEndToEndTest::playUntilMatchWon(GameRun& run, const QString& recordFile) {
    run.newGame(true, false);
    std::array<int, 3> wins{};
    int nextBeginner = 0;
    for (;;) {
        run.choose(1);
        // The computer's selection deals the hands.
        const Window main = run.waitFor(Kind::Main, 10000);
        run.waitTables(
            [](Tables& now) {
                for (int s = 1; s <= 5; ++s)
                    if (now.hand1[s].id == 0 || now.hand2[s].id == 0)
                        return false;
                return true;
            },
            QStringLiteral("the dealt hands"), 10000);
        // The begin picture names who begins; beginners alternate.
        int beginner = run.beginShown(main);
        if (!beginner)
            beginner = nextBeginner;
        if (!beginner)
            fail(QStringLiteral("no begin picture in the first hand"));
        nextBeginner = 3 - beginner;
        for (int k = 0; k < 9; ++k) {
            const int turn = k % 2 == 0 ? beginner : 3 - beginner;
            if (turn == 1) {
                if (k >= 2 && !m_hinted)
                    askHints(run, main);
                if (!run.placeBest(main, 1, 8000))
                    fail(QStringLiteral("the person could not place on his turn"));
            } else {
                run.waitTables([k](Tables& now) { return filled(now) > k; },
                               QStringLiteral("the computer's card"), 10000);
            }
        }
        ++m_hands;
        const Window msg = run.waitFor(Kind::Message);
        const int colour = run.messageColour(msg);
        // The hand is in the record before its message shows.
        const OnFile onFile = readRecord(recordFile);
        if (onFile.hands != m_hands)
            fail(QStringLiteral("%1 hands in the record after %2 hands")
                     .arg(onFile.hands)
                     .arg(m_hands));
        if (colour && ++wins[colour] == 3) {
            if (onFile.matches != 1 || onFile.matchHands != m_hands)
                fail(QStringLiteral("the match-won message is up, the record holds %1 matches "
                                    "of %2 hands")
                         .arg(onFile.matches)
                         .arg(onFile.matchHands));
            run.screenshot(msg, QStringLiteral("match-won"));
            return colour;
        }
        if (onFile.matches != 0)
            fail(QStringLiteral("a match in the record before it was won"));
        run.press(msg, 3540, 300, 1395, 375);
        run.waitFor(Kind::Select1);
        if (m_hands > 40)
            fail(QStringLiteral("no match result after 40 hands"));
    }
}

void RecordEndToEndTest::matchKilledAtItsEnd() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    const QString recordFile = dir.path() + "/Record.db";
    QElapsedTimer clock;
    clock.start();
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("record"));
    GameRun::Start start;
    start.program = dir.path() + "/quorvel";
    start.arguments = {QStringLiteral("--computer=hard")};
    run.setStart(start);
    int winner = 0;
    try {
        run.launch();
        run.waitStarted();
        winner = playUntilMatchWon(run, recordFile);

        // Killed while the match-won message is up: the match is kept.
        run.kill();
        const OnFile killed = readRecord(recordFile);
        QCOMPARE(killed.matches, 1);
        QCOMPARE(killed.hands, m_hands);
        QCOMPARE(killed.won, winner == 1 ? 1 : 0);

        // Started again: the same record, once, in the statistics window.
        run.launch();
        run.waitStarted();
        const Window main = run.waitFor(Kind::Main);
        keys({QStringLiteral("F2")});
        const Window stats = run.waitFor(Kind::Stats);
        QThread::msleep(300);
        run.screenshot(stats, QStringLiteral("statistics"));
        const QString row = QStringLiteral("Computer (hard): %1 matches won, %2 lost; rounds ")
                                .arg(winner == 1 ? 1 : 0)
                                .arg(winner == 1 ? 0 : 1);
        const QString tree = reader({QStringLiteral("dump")});
        QVERIFY2(tree.contains(row), qPrintable(tree));
        keys({QStringLiteral("Escape")});
        run.waitFor(Kind::Main);

        // A screen reader's action on the main window opens it as well.
        QThread::msleep(400);
        const QString offered =
            reader({QStringLiteral("act"), QStringLiteral("frame"), QStringLiteral("Quorvel"),
                    QStringLiteral("Show statistics")});
        QVERIFY2(offered.contains("Show statistics"), qPrintable(offered));
        run.waitFor(Kind::Stats);
        keys({QStringLiteral("Escape")});
        run.waitFor(Kind::Main);
        Q_UNUSED(main);
        run.exitGame();
        const OnFile after = readRecord(recordFile);
        QCOMPARE(after.matches, 1);
        QCOMPARE(after.hands, m_hands);
        QCOMPARE(after.matchHands, m_hands);
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    qInfo("record: match won by player %d in %d hands, killed at its message, kept once; "
          "%.1f s",
          winner, m_hands, clock.elapsed() / 1000.0);
}

QTEST_MAIN(RecordEndToEndTest)
#include "tst_e2e_record.moc"
