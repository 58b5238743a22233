// The real program on a real X server played with the keyboard alone: every
// input is an `xdotool key` to whichever window has the focus, never a mouse
// event. New Game, names and options, both selections, a help round trip,
// nine placements checked against the capture rule and the database, the
// message window, the next selections and Exit.

#include "GameRun.h"
#include "XSession.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace e2e;

namespace {

// The keypad key that lies where square L lies on the board.
QString keypadKey(int L) {
    static const char* keys[] = {"",     "KP_7", "KP_8", "KP_9", "KP_4",
                                 "KP_5", "KP_6", "KP_1", "KP_2", "KP_3"};
    return QString::fromLatin1(keys[L]);
}

} // namespace

class KeyboardEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void handByKeyboardOnly();

  private:
    // Keys typed into the window that has the focus, as a player types them.
    void keys(const QStringList& names);
    // The five strongest offered cards by their keys; returns the slots.
    std::array<int, 5> chooseByKeys(GameRun& run, int p, const Tables& before);
    XSession m_x;
};

void KeyboardEndToEndTest::initTestCase() {
    const QString missing = XSession::missingTool();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(missing)));
    QVERIFY2(m_x.start(), "could not start a private Xvfb server");
    QVERIFY(QDir().mkpath(Artifacts));
}

void KeyboardEndToEndTest::keys(const QStringList& names) {
    // The window that has just been mapped takes the focus a moment later.
    QThread::msleep(100);
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    if (!m_x.run(args + names).ok)
        fail(QStringLiteral("xdotool could not type %1").arg(names.join(' ')));
}

std::array<int, 5> KeyboardEndToEndTest::chooseByKeys(GameRun& run, int p, const Tables& before) {
    const Window w = run.waitFor(p == 1 ? Kind::Select1 : Kind::Select2);
    const Tables t = run.waitOffer(p, before);
    const std::array<int, 5> chosen = GameRun::strongestFive(t, p);
    QStringList digits;
    for (int i : chosen)
        digits << QString::number(i);
    keys(digits);
    run.checkMarkers(w, chosen);
    if (p == 1)
        run.screenshot(w, QStringLiteral("selection-by-keys"));
    keys({QStringLiteral("Return")});
    return chosen;
}

void KeyboardEndToEndTest::handByKeyboardOnly() {
    QTemporaryDir dir;
    QVERIFY(copyProgramFolder(dir.path()));
    QElapsedTimer clock;
    clock.start();
    GameRun run(m_x, dir.path(), Artifacts, QStringLiteral("keyboard"));
    const bool combo = true;
    int placements = 0;
    try {
        run.launch();
        run.waitStarted();
        run.waitFor(Kind::Main);
        const Tables empty = run.tables();

        // New Game, two names typed over the selected defaults, Open Hand and
        // Basic Combo Rules by Tab and Space, Done by Enter.
        keys({QStringLiteral("ctrl+n")});
        const Window options = run.waitFor(Kind::Options);
        keys({QStringLiteral("I"), QStringLiteral("l"), QStringLiteral("k"), QStringLiteral("a"),
              QStringLiteral("Tab"), QStringLiteral("O"), QStringLiteral("t"), QStringLiteral("o"),
              QStringLiteral("Tab"), QStringLiteral("space"), QStringLiteral("Tab"),
              QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("space")});
        run.screenshot(options, QStringLiteral("options-by-keys"));
        // Help and back by keys: the options take the keys again at once.
        keys({QStringLiteral("F1")});
        run.waitFor(Kind::Help);
        keys({QStringLiteral("Next"), QStringLiteral("End"), QStringLiteral("Escape")});
        run.waitFor(Kind::Options);
        keys({QStringLiteral("Return")});

        std::array<int, 5> chosen[3];
        Tables offer[3];
        chosen[1] = chooseByKeys(run, 1, empty);
        offer[1] = run.tables();
        chosen[2] = chooseByKeys(run, 2, empty);
        offer[2] = run.tables();

        const Window main = run.waitFor(Kind::Main);
        Tables now = run.waitTables(
            [](Tables& t) {
                for (int s = 1; s <= 5; ++s)
                    if (t.hand1[s].id == 0 || t.hand2[s].id == 0)
                        return false;
                return true;
            },
            QStringLiteral("the dealt hands"));
        for (int p = 1; p <= 2; ++p)
            for (int s = 1; s <= 5; ++s)
                QVERIFY2(now.hand(p)[s].sameCard(offer[p].stock(p)[chosen[p][s - 1]]),
                         qPrintable(QStringLiteral("player %1 slot %2").arg(p).arg(s)));

        // Nine placements. The digit picks from the hand of the player on
        // turn, whoever that is; the hand that loses the card tells who moved.
        int turn = 0;
        for (int k = 0; k < 9; ++k) {
            const Tables before = run.tables();
            int slot = 0, square = 0, best = -1;
            for (int p : {1, 2}) {
                if (turn && p != turn)
                    continue;
                for (int s = 1; s <= 5; ++s) {
                    if (before.hand(p)[s].id == 0)
                        continue;
                    for (int l = 1; l <= 9; ++l) {
                        if (before.board[l].id != 0)
                            continue;
                        std::array<Card, 10> board = before.board;
                        board[l] = before.hand(p)[s];
                        board[l].owner = p;
                        int gain = 0;
                        for (int n : takeCards(board, l, p, combo))
                            gain += board[n].value();
                        if (gain > best) {
                            best = gain;
                            slot = s;
                            square = l;
                        }
                    }
                }
            }
            QVERIFY(slot && square);
            keys({QString::number(slot)});
            if (k % 3 == 1) {
                // The focus frame walks to the square by arrows; Enter places.
                QStringList walk{QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Left"),
                                 QStringLiteral("Left")};
                for (int r = 0; r < (square - 1) / 3; ++r)
                    walk << QStringLiteral("Down");
                for (int c = 0; c < (square - 1) % 3; ++c)
                    walk << QStringLiteral("Right");
                keys(walk);
                if (k == 1)
                    run.screenshot(main, QStringLiteral("focus-frame"));
                keys({k % 2 ? QStringLiteral("Return") : QStringLiteral("space")});
            } else {
                keys({keypadKey(square)});
            }
            const Tables after =
                run.waitTables([&](Tables& t) { return t.board[square].id != 0; },
                               QStringLiteral("placement %1 on square %2").arg(k + 1).arg(square));
            const int mover = after.hand1[slot].id == 0 && before.hand1[slot].id != 0 ? 1 : 2;
            QVERIFY(!turn || mover == turn);
            std::array<Card, 10> expected = before.board;
            expected[square] = before.hand(mover)[slot];
            expected[square].owner = mover;
            takeCards(expected, square, mover, combo);
            for (int l = 1; l <= 9; ++l)
                QVERIFY2(after.board[l].sameCard(expected[l]) &&
                             after.board[l].owner == expected[l].owner,
                         qPrintable(QStringLiteral("placement %1: square %2 holds card %3 of "
                                                   "owner %4, expected %5 of owner %6")
                                        .arg(k + 1)
                                        .arg(l)
                                        .arg(after.board[l].id)
                                        .arg(after.board[l].owner)
                                        .arg(expected[l].id)
                                        .arg(expected[l].owner)));
            QVERIFY(after.hand(mover)[slot].empty());
            ++placements;
            turn = 3 - mover;
        }
        // The ninth card: the message window comes up over the full board.
        const Window message = run.waitFor(Kind::Message);
        const Tables full = run.tables();
        for (int l = 1; l <= 9; ++l)
            QVERIFY2(full.board[l].id != 0, qPrintable(QStringLiteral("square %1").arg(l)));
        run.screenshot(message, QStringLiteral("message-by-keys"));
        keys({QStringLiteral("Return")});
        // The next hand's selections take the keys at once, then Exit.
        chooseByKeys(run, 1, full);
        chooseByKeys(run, 2, full);
        run.waitFor(Kind::Main);
        run.waitTables([](Tables& t) { return t.hand1[5].id != 0 && t.hand2[5].id != 0; },
                       QStringLiteral("the next hands"));
        keys({QStringLiteral("ctrl+q")});
        if (!run.process().waitForFinished(8000))
            fail(QStringLiteral("the game did not end after Ctrl+Q"));
    } catch (const Failure& f) {
        QFAIL(f.what());
    }
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
    Tables after;
    QVERIFY(readTables(run.database(), after, false));
    const QString problem = emptinessProblem(after);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(placements, 9);
    qInfo("a hand by keyboard: %d placements, %.1f s", placements, clock.elapsed() / 1000.0);
}

QTEST_MAIN(KeyboardEndToEndTest)
#include "tst_e2e_keyboard.moc"
