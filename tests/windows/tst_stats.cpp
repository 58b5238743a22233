// The record of matches as the player meets it: the result window's line
// about the record against the computer (and none with a person as player 2),
// the statistics window opened by F2, by the result window and by a screen
// reader's action, refused where a click would be, and its reset that asks
// first. Matches are played through the real windows; the rounds before the
// last are given to a player by setting the rounds won.

#include "match/ComputerPlayer.h"
#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/GameFiles.h"
#include "platform/Random.h"
#include "record/Record.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"
#include "windows/FrmStats.h"
#include "windows/FrmWinner.h"

#include <QAccessible>
#include <QTest>

namespace {

void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    platform::Form* form = platform::Form::activeForm();
    QVERIFY2(form && form->windowHandle(), "no active window to type into");
    QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(k), modifiers);
}

// New Game with player 2's name typed in as a player would.
void newGameAgainst(const QString& player2, bool open = true) {
    Game::click(frmMain->imgNewGame);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, player2);
    Game::click(frmOptions->lblHandOpt[open ? 0 : 1]);
    Game::click(frmOptions->lblRuleOpts[0]);
    Game::click(frmOptions->imgDone);
}

// One hand through the windows: both selections, nine placements.
void playHand(Game& game) {
    game.chooseCards(1);
    if (frmOptions->player2Computer().has_value()) {
        QVERIFY(frmPlayer2->tmrComputer->tick());
        QVERIFY(frmPlayer2->tmrComputer->tick());
    } else {
        game.chooseCards(2);
    }
    QVERIFY(frmMain->isVisible());
    for (int card = 0; card < 9; ++card) {
        if (frmMain->gintTurn == 2 && frmOptions->player2Computer().has_value()) {
            if (!frmMain->computerTurn())
                frmMain->tmrHideHand->tick();
            QVERIFY(frmMain->computerTurn());
            frmMain->computerPlayer()->waitForThought();
            frmMain->tmrComputer->tick();
        } else {
            game.placeNext();
        }
    }
    frmMain->tmr1->tick();
}

// The last hand of a match that `winner` wins: he has two rounds and a score
// past the target before the hand; the other has none.
void playDecidingHand(Game& game, int winner) {
    (winner == 1 ? frmMain->gintP1GamesWon : frmMain->gintP2GamesWon) = 2;
    (winner == 1 ? frmMain->PlayRules().gintPlayer1Score : frmMain->PlayRules().gintPlayer2Score) =
        400;
    playHand(game);
}

QAccessibleActionInterface* actions(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->actionInterface() : nullptr;
}

// A finished match whose last hand gave `points1` and `points2`, written
// into `into` (the running game's record unless given).
bool addMatch(const QString& key, record::Opponent opponent, int winner, int rounds1, int rounds2,
              int hands, int points1, int points2, record::Record* into = nullptr) {
    record::MatchResult match;
    match.matchKey = key;
    match.opponent = opponent;
    match.winner = winner;
    match.rounds1 = rounds1;
    match.rounds2 = rounds2;
    match.hands = hands;
    record::HandResult last;
    last.matchKey = key;
    last.hand = hands;
    last.opponent = opponent;
    last.points1 = points1;
    last.points2 = points2;
    return (into ? *into : record::Record::instance()).addMatch(match, last);
}

QString spoken(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class StatsTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void resultWindowLine_data();
    void resultWindowLine();
    void wholeMatchRecorded();
    void statisticsFromBoardAndResult();
    void statisticsWindowMadeWhenFirstOpened();
    void refusedWhereAClickWouldBe();
    void resetAsksFirst();
    void screenReaderReadsTheTable();
    void networkMatchHasItsRow();
};

void StatsTest::cleanup() {
    platform::Random::instance().reset();
}

void StatsTest::resultWindowLine_data() {
    QTest::addColumn<QString>("player2");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::newRow("a person") << "Mirela"
                              << ""
                              << "";
    QTest::newRow("easy") << "Computer (easy)"
                          << "Against Computer (easy): 1 won, 0 lost"
                          << "Against Computer (easy): 1 won, 1 lost";
    QTest::newRow("hard") << "Computer (hard)"
                          << "Against Computer (hard): 1 won, 0 lost"
                          << "Against Computer (hard): 1 won, 1 lost";
}

// Two matches, the first won by the person and the second lost: the line
// counts both; with a person as player 2 the window has only its designed
// controls.
void StatsTest::resultWindowLine() {
    QFETCH(QString, player2);
    QFETCH(QString, line1);
    QFETCH(QString, line2);
    Game game;
    game.start();
    platform::Random::instance().setSeed(7);
    QStringList lines;
    QList<bool> shown;
    game.onModal([&](platform::Form* form) {
        if (form == frmWinner) {
            lines << frmWinner->lblRecord->caption();
            shown << (frmWinner->lblRecord->isVisible() && frmWinner->imgRecord->isVisible());
        }
        Game::pressDone(form);
    });
    for (int winner : {1, 2}) {
        newGameAgainst(player2);
        playDecidingHand(game, winner);
        QVERIFY(frmMain->gblnWinner);
    }
    QCOMPARE(lines.size(), 2);
    if (line1.isEmpty()) {
        QCOMPARE(shown, QList<bool>({false, false}));
    } else {
        QCOMPARE(shown, QList<bool>({true, true}));
        QCOMPARE(lines, QStringList({line1, line2}));
    }
    // A person's match after a computer's hides the line again.
    if (!line1.isEmpty()) {
        newGameAgainst("Mirela");
        playDecidingHand(game, 1);
        QCOMPARE(shown.last(), false);
    }
}

// A whole match of two people: the record holds what the result window shows.
void StatsTest::wholeMatchRecorded() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(23);
    int hands = 0;
    game.newGame(true, false);
    while (!frmMain->gblnWinner && hands < 80) {
        playHand(game);
        ++hands;
    }
    QVERIFY(frmMain->gblnWinner);
    const record::Tally t = record::Record::instance().tally(record::Opponent::Person);
    const bool p1Won = frmMain->gintP1GamesWon == 3;
    QCOMPARE(t.matchesWon, p1Won ? 1 : 0);
    QCOMPARE(t.matchesLost, p1Won ? 0 : 1);
    QCOMPARE(t.roundsWon, int(frmMain->gintP1GamesWon));
    QCOMPARE(t.roundsLost, int(frmMain->gintP2GamesWon));
    QCOMPARE(t.handsWon + t.handsLost + t.handsDrawn, hands);
    // Every point of every hand, round after round, adds up to the totals.
    QCOMPARE(t.pointsFor, frmWinner->lblP1Total->caption().toLongLong());
    QCOMPARE(t.pointsAgainst, frmWinner->lblP2Total->caption().toLongLong());
    QCOMPARE(t.longestStreak, p1Won ? 1 : 0);
    QCOMPARE(
        game.folder().query("SELECT count(*) FROM sqlite_schema WHERE name = 'matches'").toInt(),
        0);
}

// A match between two people never opens the statistics window, and it is
// not made until it first opens (its labels and their fonts stay out of
// memory); then it is kept, and shows the record as it stands each time.
void StatsTest::statisticsWindowMadeWhenFirstOpened() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(5);
    QVERIFY(frmMain->isVisible());
    QVERIFY2(!frmStats, "the statistics window was made at start-up");
    // A hand set up between two people: options, both selections, the board.
    newGameAgainst("Mirela");
    game.chooseCards(1);
    game.chooseCards(2);
    QVERIFY(!frmStats);

    QList<QString> opened;
    game.onModal([&](platform::Form* form) {
        if (form == frmStats) {
            opened << frmStats->lblCell[0][FrmStats::Opponent]->caption();
            Game::click(frmStats->imgDone);
            return;
        }
        Game::pressDone(form);
    });
    QTRY_VERIFY(frmMain->isVisible() && platform::Form::activeForm() == frmMain);
    key(Qt::Key_F2);
    QCOMPARE(opened.size(), 1);
    QVERIFY(frmStats);
    FrmStats* const made = frmStats;
    QVERIFY(!made->isVisible());
    key(Qt::Key_F2);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(frmStats, made);
    QCOMPARE(opened[1], opened[0]);
    QVERIFY(!opened[0].isEmpty());
}

// F2 on the board, F2 and the line on the result window, and the screen
// reader's action on the board all open the statistics window; Done and
// Escape close it, back to where it was opened from.
void StatsTest::statisticsFromBoardAndResult() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(3);
    QList<platform::Form*> under;
    game.onModal([&](platform::Form* form) {
        if (form == frmStats) {
            under << platform::Form::activeForm();
            QCOMPARE(frmStats->lblCell[2][FrmStats::Opponent]->caption(),
                     QStringLiteral("Computer (hard)"));
            QCOMPARE(frmStats->lblCell[0][FrmStats::Won]->caption(), QStringLiteral("1"));
            Game::click(frmStats->imgDone);
            return;
        }
        if (form == frmWinner) {
            key(Qt::Key_F2);
            Game::click(frmWinner->lblRecord);
            QVERIFY(frmWinner->isVisible());
        }
        Game::pressDone(form);
    });
    newGameAgainst("Computer (easy)");
    playDecidingHand(game, 1);
    QCOMPARE(under.size(), 2);
    QVERIFY(frmMain->isVisible() && platform::Form::activeForm() == frmMain);
    key(Qt::Key_F2);
    QCOMPARE(under.size(), 3);
    QCOMPARE(platform::Form::activeForm(), frmMain);

    // Escape closes it as Done does.
    game.onModal([&](platform::Form* form) {
        if (form == frmStats) {
            under << form;
            key(Qt::Key_Escape);
        }
    });
    key(Qt::Key_F2);
    QCOMPARE(under.size(), 4);
    QVERIFY(!frmStats->isVisible());

    // The screen reader's action on the board, answered first, then shown.
    QAccessibleActionInterface* board = actions(frmMain);
    QVERIFY(board);
    const QString show = QStringLiteral("Show statistics");
    QVERIFY(board->actionNames().contains(show));
    board->doAction(show);
    QCOMPARE(under.size(), 4);
    QTRY_COMPARE(under.size(), 5);
    QCOMPARE(platform::Form::activeForm(), frmMain);
}

// Where a click could not reach the board (a message up, the options in
// front, the statistics already shown), neither F2 nor the screen reader's
// action opens anything.
void StatsTest::refusedWhereAClickWouldBe() {
    Game game;
    game.start();
    int statsShown = 0;
    game.onModal([&](platform::Form* form) {
        if (form == frmStats) {
            ++statsShown;
            // Already shown: F2 again does nothing more.
            key(Qt::Key_F2);
            QVERIFY(!FrmStats::openFrom(frmMain));
            Game::click(frmStats->imgDone);
            return;
        }
        if (form == frmMessage) {
            // The board lies behind the message.
            QTest::keyClick(frmMain->windowHandle(), Qt::Key_F2);
            actions(frmMain)->doAction(QStringLiteral("Show statistics"));
            QCoreApplication::processEvents();
            QCOMPARE(statsShown, 0);
        }
        Game::pressDone(form);
    });
    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible() && !frmMain->isVisible());
    QVERIFY(!FrmStats::openFrom(frmMain));
    actions(frmMain)->doAction(QStringLiteral("Show statistics"));
    QCoreApplication::processEvents();
    QCOMPARE(statsShown, 0);
    Game::click(frmOptions->imgDone);
    playHand(game);
    QCOMPARE(statsShown, 0);
    // The next hand's selection is in front; back on the board, F2 works, once.
    QVERIFY(frmPlayer1->isVisible() && !frmMain->isVisible());
    key(Qt::Key_F2);
    QCOMPARE(statsShown, 0);
    game.chooseCards(1);
    game.chooseCards(2);
    QVERIFY(frmMain->isVisible());
    key(Qt::Key_F2);
    QCOMPARE(statsShown, 1);
}

// Reset asks; Keep keeps everything; Reset then Clear empties the record.
// Each step works by mouse and by keys.
void StatsTest::resetAsksFirst() {
    Game game;
    game.start();
    const QString key1 = QStringLiteral("m1");
    QVERIFY(addMatch(key1, record::Opponent::Normal, 1, 3, 1, 5, 60, 20));
    bool byKeys = false;
    QStringList steps;
    game.onModal([&](platform::Form* form) {
        if (form != frmStats)
            return;
        QCOMPARE(frmStats->lblCell[1][FrmStats::Won]->caption(), QStringLiteral("1"));
        auto press = [&](platform::Picture* button) {
            if (!byKeys) {
                Game::click(button);
            } else if (button == frmStats->imgDone) {
                key(Qt::Key_Escape);
            } else {
                key(Qt::Key_R, Qt::AltModifier);
            }
        };
        press(frmStats->imgReset);
        steps << (frmStats->asking() ? "asks" : "cleared at once");
        QVERIFY(frmStats->imgReset->pictureName().endsWith("ClearUp.jpg"));
        QVERIFY(frmStats->imgDone->pictureName().endsWith("KeepUp.jpg"));
        QCOMPARE(spoken(frmStats->imgReset), QStringLiteral("Clear the record"));
        press(frmStats->imgDone);
        QVERIFY(frmStats->isVisible());
        steps << QString::number(
            record::Record::instance().tally(record::Opponent::Normal).matchesWon);
        press(frmStats->imgReset);
        press(frmStats->imgReset);
        steps << QString::number(
            record::Record::instance().tally(record::Opponent::Normal).matchesWon);
        QCOMPARE(frmStats->lblCell[1][FrmStats::Won]->caption(), QStringLiteral("0"));
        QVERIFY(frmStats->lblNote->caption().contains("cleared"));
        press(frmStats->imgDone);
        QVERIFY(!frmStats->isVisible());
    });
    key(Qt::Key_F2);
    QCOMPARE(steps, QStringList({"asks", "1", "0"}));
    QVERIFY(addMatch("m2", record::Opponent::Normal, 1, 3, 0, 3, 0, 0));
    byKeys = true;
    steps.clear();
    key(Qt::Key_F2);
    QCOMPARE(steps, QStringList({"asks", "1", "0"}));
}

// A screen reader reaches each row by Tab and reads it whole; the window
// announces the table as it opens.
void StatsTest::screenReaderReadsTheTable() {
    Game game;
    game.start();
    QVERIFY(addMatch("w", record::Opponent::Hard, 2, 2, 3, 9, 10, 40));
    QString announced;
    QStringList rows;
    game.onModal([&](platform::Form* form) {
        if (form != frmStats)
            return;
        announced = platform::lastAnnouncement(frmStats);
        for (int i = 0; i < FrmStats::Rows; ++i) {
            key(Qt::Key_Tab);
            rows << spoken(frmStats->focusWidget());
        }
        Game::click(frmStats->imgDone);
    });
    key(Qt::Key_F2);
    const QString hard = QStringLiteral(
        "Computer (hard): 0 matches won, 1 lost; rounds 2 won, 3 lost; hands 0 won, 1 "
        "lost, 0 drawn; points 10 for, 40 against; longest winning streak 0.");
    QVERIFY2(announced.contains(hard), qPrintable(announced));
    QVERIFY2(announced.contains("A person: nothing played yet."), qPrintable(announced));
    QVERIFY2(rows.contains(hard), qPrintable(rows.join('\n')));
}

// A network match in the record file shows in the last row, read whole by a
// screen reader, below the other rows and above the note; the reset clears
// it with the rest.
void StatsTest::networkMatchHasItsRow() {
    Game game;
    game.start();
    {
        // Written into the file as another run of the game would have.
        record::Record::closeInstance();
        record::Record file(platform::recordFile());
        QVERIFY(addMatch("n", record::Opponent::Network, 1, 3, 1, 6, 50, 30, &file));
    }
    QStringList rows;
    game.onModal([&](platform::Form* form) {
        if (form != frmStats)
            return;
        const auto& row = frmStats->lblCell[FrmStats::Rows - 1];
        QCOMPARE(row[FrmStats::Opponent]->caption(), QStringLiteral("A person (network)"));
        QCOMPARE(row[FrmStats::Won]->caption(), QStringLiteral("1"));
        QCOMPARE(row[FrmStats::Lost]->caption(), QStringLiteral("0"));
        QCOMPARE(row[FrmStats::Rounds]->caption(), QStringLiteral("3–1"));
        QCOMPARE(row[FrmStats::Points]->caption(), QStringLiteral("50–30"));
        QCOMPARE(frmStats->lblCell[3][FrmStats::Won]->caption(), QStringLiteral("0"));
        for (int c = 0; c < FrmStats::Columns; ++c) {
            QVERIFY(row[c]->isVisible());
            // English keeps the designed font: the text must fit as it is.
            QVERIFY2(row[c]->fits(row[c]->text(), row[c]->designFont()),
                     qPrintable(row[c]->text()));
            QVERIFY(row[c]->geometry().top() >= frmStats->lblCell[3][c]->geometry().bottom());
            QVERIFY(row[c]->geometry().bottom() < frmStats->lblNote->geometry().top());
        }
        for (int i = 0; i < FrmStats::Rows; ++i) {
            key(Qt::Key_Tab);
            rows << spoken(frmStats->focusWidget());
        }
        Game::click(frmStats->imgReset);
        Game::click(frmStats->imgReset);
        QCOMPARE(row[FrmStats::Won]->caption(), QStringLiteral("0"));
        rows << spoken(row[FrmStats::Opponent]);
        Game::click(frmStats->imgDone);
    });
    key(Qt::Key_F2);
    QCOMPARE(rows.size(), FrmStats::Rows + 1);
    QVERIFY2(rows.contains("A person (network): 1 matches won, 0 lost; rounds 3 won, 1 "
                           "lost; hands 1 won, 0 lost, 0 drawn; points 50 for, 30 against; "
                           "longest winning streak 1."),
             qPrintable(rows.join('\n')));
    QCOMPARE(rows.last(), QStringLiteral("A person (network): nothing played yet."));
    QCOMPARE(record::Record::instance().tally(record::Opponent::Network), record::Tally{});
}

QTEST_MAIN(StatsTest)
#include "tst_stats.moc"
