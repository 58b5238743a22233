// The real program on a real X server, played with real pointer input: whole
// matches under both rules and both hand options, the game killed at random
// moments and started again on the same card database, and the quit request
// from the desktop.

#include "GameRun.h"
#include "XSession.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace e2e;

namespace {

Tables tablesAfterExit(const QString& database) {
    Tables t;
    if (!readTables(database, t, false))
        e2e::fail(QStringLiteral("the card database cannot be read after the game ended"));
    return t;
}

// What is wrong with how the game ended: it must have exited normally with
// status 0 and left every slot table empty. "" when all is well.
QString exitProblem(GameRun& run) {
    if (run.process().exitStatus() != QProcess::NormalExit)
        return QStringLiteral("the game crashed");
    if (run.process().exitCode() != 0)
        return QStringLiteral("the game exited with status %1").arg(run.process().exitCode());
    return emptinessProblem(tablesAfterExit(run.database()));
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void matches_data();
    void matches();
    void killedAtAnyMoment();
    void displayLostUnderTheMessage();
    void quitRequest_data();
    void quitRequest();

  private:
    XSession m_x;
};

void EndToEndTest::initTestCase() {
    const QString missing = XSession::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("%1 is not installed; the end-to-end test needs Xvfb, "
                                        "xdotool and ImageMagick (make setup installs them)")
                             .arg(missing)));
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    QVERIFY(QDir().mkpath(Artifacts));
}

void EndToEndTest::matches_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("combo");
    QTest::addColumn<int>("roundLimit"); // 0: play until the match is won

    QTest::newRow("open-basic") << true << false << 0;
    QTest::newRow("open-combo") << true << true << 0;
    QTest::newRow("closed-basic") << false << false << 1;
    QTest::newRow("closed-combo") << false << true << 1;
}

void EndToEndTest::matches() {
    QFETCH(bool, open);
    QFETCH(bool, combo);
    QFETCH(int, roundLimit);
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    QElapsedTimer clock;
    clock.start();
    GameRun run(m_x, dir.path(), Artifacts, QString::fromLatin1(QTest::currentDataTag()));
    run.setScreenshots(true);
    try {
        run.launch();
        const qint64 splash = run.waitStarted();
        // The splash stands alone for its second before the main window.
        QVERIFY2(splash >= 500, qPrintable(QStringLiteral("splash seen %1 ms").arg(splash)));
        const int winner = run.playMatch(open, combo, roundLimit);
        if (roundLimit == 0)
            QVERIFY(winner == 1 || winner == 2);
        QCOMPARE(run.rounds >= 3, roundLimit == 0);
        run.exitGame();
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    const QString problem = exitProblem(run);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(run.beginSeen > 0);
    qInfo("%s: %d rounds, %d hands, %d placements (%d retried presses), begin picture seen in "
          "%d hands, %.1f s",
          QTest::currentDataTag(), run.rounds, run.hands, run.placements, run.retries,
          run.beginSeen, clock.elapsed() / 1000.0);
}

void EndToEndTest::killedAtAnyMoment() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    const unsigned seed = qEnvironmentVariableIsSet("QUORVEL_E2E_SEED")
                              ? qEnvironmentVariable("QUORVEL_E2E_SEED").toUInt()
                              : 20240611u;
    std::mt19937 rng(seed);
    QElapsedTimer clock;
    clock.start();
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("kill"));
    int kills = 0, duringStart = 0, selectionsAfterKill = 0;
    const int Kills = 32;
    try {
        while (kills < Kills) {
            run.afterAction = nullptr;
            run.launch();
            if (rng() % 8 == 0) {
                // Somewhere in the splash second or the loading of the windows.
                QThread::msleep(rng() % 1500);
                run.kill();
                ++duringStart;
            } else {
                run.waitStarted();
                // The game plays on after the previous kill: New Game and a
                // whole first selection.
                run.newGame(rng() % 6 != 0, rng() % 2 == 0);
                run.choose(1);
                ++selectionsAfterKill;
                const int target = 1 + int(rng() % 16);
                const int delay = int(rng() % 150);
                int actions = 0;
                run.afterAction = [&] {
                    if (++actions < target)
                        return;
                    QThread::msleep(delay);
                    run.kill();
                    throw Killed{};
                };
                try {
                    run.playOn(0, true);
                    run.kill(); // the match ended first: kill at its end
                } catch (const Killed&) {
                }
            }
            ++kills;
            QCOMPARE(run.process().exitStatus(), QProcess::CrashExit);
            const QString integrity = integrityCheck(run.database());
            QVERIFY2(integrity == QLatin1String("ok"),
                     qPrintable(QStringLiteral("after kill %1: %2").arg(kills).arg(integrity)));
            Tables t;
            QVERIFY(readTables(run.database(), t, false));
            QVERIFY2(t.ordered && t.rows == 9 + 5 + 5 + 8 + 8,
                     qPrintable(QStringLiteral("slot records lost after kill %1").arg(kills)));
        }
        // And once more after the last kill.
        run.afterAction = nullptr;
        run.launch();
        run.waitStarted();
        run.newGame(true, false);
        run.choose(1);
        ++selectionsAfterKill;
        run.choose(2);
        run.exitGame();
    } catch (const Failure& f) {
        QFAIL(qPrintable(QStringLiteral("seed %1, kill %2: %3")
                             .arg(seed)
                             .arg(kills)
                             .arg(QString::fromStdString(f.what()))));
    }
    const QString problem = exitProblem(run);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    qInfo("seed %u: %d kills (%d during start-up), %d selections after a kill, %d placements, "
          "%.1f s",
          seed, kills, duringStart, selectionsAfterKill, run.placements, clock.elapsed() / 1000.0);
}

// The X server dies while the refusal of an incomplete selection waits for
// its Done: the offer is in the tables and a save group is open. Qt ends the
// program; the tables are emptied all the same.
void EndToEndTest::displayLostUnderTheMessage() {
    XSession own;
    QVERIFY2(own.start(), "could not start a second private Xvfb server");
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(own, dir.path(), Artifacts, QString());
    try {
        run.launch();
        run.waitStarted();
        run.newGame(true, false);
        const Window selection = run.waitFor(Kind::Select1);
        run.waitTables(
            [](Tables& now) {
                for (int i = 1; i <= 8; ++i)
                    if (now.stock1[i].id == 0)
                        return false;
                return true;
            },
            QStringLiteral("player 1's offer"));
        run.press(selection, 6780, 600, 1395, 375); // Done with nothing marked
        // The message shows over the selection window.
        bool shown = false;
        QElapsedTimer clock;
        clock.start();
        while (!shown && clock.elapsed() < 8000) {
            for (const Window& w : run.windows())
                shown = shown || kindOf(w) == Kind::Message;
            QTest::qWait(100);
        }
        QVERIFY2(shown, "the refusal did not show");
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    own.stop();
    QVERIFY2(run.process().waitForFinished(10000), "losing the display did not end the game");
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 1); // Qt's own way out
    const QString problem = emptinessProblem(tablesAfterExit(run.database()));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(integrityCheck(run.database()), QStringLiteral("ok"));
}

void EndToEndTest::quitRequest_data() {
    QTest::addColumn<bool>("underMessage");
    QTest::newRow("during play") << false;
    QTest::newRow("under the message window") << true;
}

// SIGTERM is the desktop asking the program to quit: it leaves the way Exit
// does, with status 0 and every slot table empty, also from a modal window.
void EndToEndTest::quitRequest() {
    QFETCH(bool, underMessage);
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("quit"));
    auto quit = [&] {
        ::kill(pid_t(run.process().processId()), SIGTERM);
        if (!run.process().waitForFinished(8000))
            e2e::fail(QStringLiteral("the game did not end on SIGTERM"));
        throw Killed{};
    };
    if (underMessage)
        run.atMessage = quit;
    else
        run.afterAction = [&] {
            if (run.placements >= 3)
                quit();
        };
    try {
        run.launch();
        run.waitStarted();
        run.playMatch(true, false, 0);
        QFAIL("the match ended without the quit request");
    } catch (const Killed&) {
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    const QString problem = exitProblem(run);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(EndToEndTest)
#include "tst_e2e.moc"
