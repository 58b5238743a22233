// The real program under a real window manager (openbox on the private X
// server): what the title bars show, a double-click on a Done button that
// closes its window over another, and a board the player minimised.

#include "GameRun.h"
#include "XSession.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace e2e;

namespace {} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void optionsTitleBarIsEmpty();
    void doubleClickOnHelpDoneKeepsTheGame();
    void optionsKeepTheKeyboardAfterADoubleClickOnHelpDone();
    void minimisedBoardComesBackForTheNextHand();

  private:
    // What xprop says about `properties` of window `id`.
    QString properties(const QString& id, const QStringList& properties) const;
    bool waitIconic(const QString& id, bool iconic) const;
    // A real double-click on the shown help window's Done, once the window
    // has been up longer than a double-click.
    bool doubleClickHelpDone(const Window& help) const;

    XSession m_x;
    QProcess m_wm;
};

QString WindowManagerTest::properties(const QString& id, const QStringList& properties) const {
    return m_x.run(QStringList{QStringLiteral("-id"), id} + properties, QStringLiteral("xprop"))
        .out;
}

bool WindowManagerTest::waitIconic(const QString& id, bool iconic) const {
    QElapsedTimer clock;
    clock.start();
    do {
        const QString state = properties(id, {QStringLiteral("WM_STATE")});
        if (state.contains(iconic ? QLatin1String("Iconic") : QLatin1String("Normal")))
            return true;
        QThread::msleep(30);
    } while (clock.elapsed() < 3000);
    return false;
}

bool WindowManagerTest::doubleClickHelpDone(const Window& help) const {
    QThread::msleep(500);
    return m_x
        .run({QStringLiteral("mousemove"), QStringLiteral("--window"), help.id,
              QString::number(px(3743 + 1335 / 2)), QString::number(px(7140 + 375 / 2)),
              QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
              QStringLiteral("--delay"), QStringLiteral("120"), QStringLiteral("1")})
        .ok;
}

void WindowManagerTest::initTestCase() {
    QString missing = XSession::missingTool();
    for (const char* tool : {"openbox", "xprop"})
        if (missing.isEmpty() && QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing = QLatin1String(tool);
    if (!missing.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("%1 is not installed (make setup installs it)").arg(missing)));
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    QVERIFY(QDir().mkpath(Artifacts));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_x.display());
    m_wm.setProcessEnvironment(env);
    m_wm.setStandardOutputFile(QProcess::nullDevice());
    m_wm.setStandardErrorFile(QProcess::nullDevice());
    m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY2(m_wm.waitForStarted(5000), "openbox did not start");
    // The window manager is ready once it has announced itself on the root window.
    QElapsedTimer clock;
    clock.start();
    while (!m_x.run({QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")},
                    QStringLiteral("xprop"))
                .out.contains(QLatin1String("window id"))) {
        QVERIFY2(clock.elapsed() < 10000, "openbox did not take over the screen");
        QThread::msleep(50);
    }
}

void WindowManagerTest::cleanupTestCase() {
    if (m_wm.state() != QProcess::NotRunning) {
        m_wm.terminate();
        if (!m_wm.waitForFinished(3000))
            m_wm.kill();
        m_wm.waitForFinished(3000);
    }
    m_x.stop();
}

// The options window's caption is empty, and so is its title bar: no name
// property of the window carries the program's name.
void WindowManagerTest::optionsTitleBarIsEmpty() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("wm"));
    try {
        run.launch();
        run.waitStarted();
        const Window main = run.waitFor(Kind::Main);
        run.press(main, 3743, 6166, 1395, 375); // Options
        const Window options = run.waitFor(Kind::Options);
        const QString names =
            properties(options.id, {QStringLiteral("_NET_WM_NAME"), QStringLiteral("WM_NAME")});
        // xprop writes an empty value as nothing after the equals sign.
        const QStringList lines = names.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(lines == QStringList({QStringLiteral("_NET_WM_NAME(UTF8_STRING) = "),
                                       QStringLiteral("WM_NAME(STRING) = ")}),
                 qPrintable(names));
        QVERIFY2(!names.contains(QLatin1String("Quorvel")), qPrintable(names));
        m_x.run({QStringLiteral("-window"), QStringLiteral("root"), Artifacts + "/wm-options.png"},
                QStringLiteral("import"));
        run.press(options, 645, 5340, 1395, 375); // Done
        run.waitFor(Kind::Main);
        run.exitGame();
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
}

// Help's Done lies over the main window's Exit. A double-click on Done
// closes help and must not end the game with its second click.
void WindowManagerTest::doubleClickOnHelpDoneKeepsTheGame() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("wm"));
    try {
        run.launch();
        run.waitStarted();
        const Window main = run.waitFor(Kind::Main);
        run.press(main, 3743, 6666, 1395, 375); // Help
        const Window help = run.waitFor(Kind::Help);
        QVERIFY(doubleClickHelpDone(help));
        const Window back = run.waitFor(Kind::Main);
        QCOMPARE(back.id, main.id);
        // Still there a moment later, with the board as it was.
        QThread::msleep(1000);
        run.waitFor(Kind::Main, 500);
        // The board has the keyboard without a click: F1 opens Help again,
        // Escape closes it.
        QVERIFY(m_x.run({QStringLiteral("key"), QStringLiteral("F1")}).ok);
        run.waitFor(Kind::Help);
        QThread::msleep(300);
        QVERIFY(m_x.run({QStringLiteral("key"), QStringLiteral("Escape")}).ok);
        run.waitFor(Kind::Main);
        run.exitGame();
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
}

// Help opened from the options and closed with a double-click on its Done:
// the second click falls where the options window comes back, and the
// options still take the keyboard without another click.
void WindowManagerTest::optionsKeepTheKeyboardAfterADoubleClickOnHelpDone() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("wm"));
    try {
        run.launch();
        run.waitStarted();
        const Window main = run.waitFor(Kind::Main);
        run.press(main, 3743, 5666, 1395, 375); // New Game
        const Window options = run.waitFor(Kind::Options);
        run.press(options, 2625, 5340, 1395, 375); // Help
        const Window help = run.waitFor(Kind::Help);
        QVERIFY(doubleClickHelpDone(help));
        run.waitFor(Kind::Options);
        QThread::msleep(1000);
        // Enter is the options' Done: player 1's selection follows.
        QVERIFY(m_x.run({QStringLiteral("key"), QStringLiteral("Return")}).ok);
        run.waitFor(Kind::Select1, 3000);
        run.kill();
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
}

// The player minimises the board with the window manager while the hand
// ends; the next hand's board comes back on the screen, not minimised.
void WindowManagerTest::minimisedBoardComesBackForTheNextHand() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    QElapsedTimer clock;
    clock.start();
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("wm"));
    // Under the window manager a click a few milliseconds after the one
    // before can lose its release (the manager's pointer grab for focusing
    // on click); a player's clicks are farther apart.
    run.afterAction = [] { QThread::msleep(80); };
    try {
        run.launch();
        run.waitStarted();
        run.newGame(true, false);
        run.choose(1);
        run.choose(2);
        const Window main = run.waitFor(Kind::Main);
        bool minimised = false;
        run.atMessage = [&] {
            m_x.run({QStringLiteral("windowminimize"), main.id});
            minimised = waitIconic(main.id, true);
        };
        run.playHand();
        QVERIFY2(minimised, "the window manager did not minimise the board");
        run.atMessage = nullptr;
        run.choose(1);
        run.choose(2);
        const Window back = run.waitFor(Kind::Main, 5000);
        QCOMPARE(back.id, main.id);
        QVERIFY(waitIconic(back.id, false));
        const QString state = properties(back.id, {QStringLiteral("_NET_WM_STATE")});
        QVERIFY2(!state.contains(QLatin1String("_NET_WM_STATE_HIDDEN")), qPrintable(state));
        // And the player sees the board on the screen.
        QElapsedTimer shown;
        shown.start();
        auto brightness = [&] {
            const QImage screen = m_x.grab(Window{QStringLiteral("root"), {}, 0, 0, 0, 0});
            qint64 sum = 0;
            for (int y = back.y; y < back.y + back.height; y += 7)
                for (int x = back.x; x < back.x + back.width; x += 7)
                    sum += qGray(screen.pixel(x, y));
            return sum / ((back.height / 7 + 1) * (back.width / 7 + 1));
        };
        while (brightness() < 20 && shown.elapsed() < 3000)
            QThread::msleep(50);
        QVERIFY2(brightness() >= 20, "the board's place on the screen stays dark");
        m_x.run({QStringLiteral("-window"), QStringLiteral("root"), Artifacts + "/wm-board.png"},
                QStringLiteral("import"));
        run.exitGame();
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    qInfo("minimised board: %.1f s", clock.elapsed() / 1000.0);
}

QTEST_MAIN(WindowManagerTest)
#include "tst_e2e_wm.moc"
