// Hints for the person playing the computer: fair (the computer's hidden hand
// and offer changed, the same hint), shown as two frames for two seconds and
// said aloud, never a pick or a placement, refused by key and by screen
// reader wherever a click of the person could not play a card, and dropped
// when a card is placed before the answer arrives.

#include "match/ComputerPlayer.h"
#include "match/FrmMain.h"
#include "match/Hint.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Random.h"
#include "platform/Recordset.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"

#include <QAccessible>
#include <QSemaphore>
#include <QTest>

namespace {

void key(int k) {
    platform::Form* form = platform::Form::activeForm();
    QVERIFY2(form && form->windowHandle(), "no active window to type into");
    QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(k));
}

void newGameAgainst(const QString& player2, bool open, bool combo) {
    Game::click(frmMain->imgNewGame);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, player2);
    Game::click(frmOptions->lblHandOpt[open ? 0 : 1]);
    Game::click(frmOptions->lblRuleOpts[combo ? 1 : 0]);
    Game::click(frmOptions->imgDone);
}

void chooseBoth(Game& game) {
    game.chooseCards(1);
    if (frmOptions->player2Computer()) {
        QVERIFY(frmPlayer2->tmrComputer->tick());
        QVERIFY(frmPlayer2->tmrComputer->tick());
    } else {
        game.chooseCards(2);
    }
    QVERIFY(frmMain->isVisible());
}

void computerMoves() {
    if (!frmMain->computerTurn())
        frmMain->tmrHideHand->tick();
    QVERIFY(frmMain->computerTurn());
    frmMain->computerPlayer()->waitForThought();
    frmMain->tmrComputer->tick();
}

// Until the person is on turn with his hand face up, `placed` cards on the
// board.
void untilPersonsTurn(Game& game, int placed) {
    while (frmMain->cardsPlaced() < placed || frmMain->gintTurn != 1) {
        if (frmMain->gintTurn == 1)
            game.placeNext();
        else
            computerMoves();
    }
    frmMain->tmrHideHand->tick();
}

// Asks by the H key and lets the thread answer; returns the framed slot and
// square (0, 0 when nothing is shown).
QPair<int, int> hintByKey() {
    key(Qt::Key_H);
    frmMain->hint()->waitForThought();
    return {frmMain->hint()->shownSlot(), frmMain->hint()->shownLocation()};
}

QAccessibleActionInterface* actions(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->actionInterface() : nullptr;
}

QPair<int, int> hintByScreenReader(int square) {
    actions(frmMain->imgBoard[square])->doAction(QStringLiteral("Hint"));
    frmMain->hint()->waitForThought();
    return {frmMain->hint()->shownSlot(), frmMain->hint()->shownLocation()};
}

// Gives every card of a table other edges, as another deal would.
void changeCards(platform::Recordset& table, int count) {
    platform::SaveGroup group;
    table.MoveFirst();
    for (int s = 1; s <= count; ++s) {
        table.Find(store::locationCriterion(s));
        for (const char* edge : {"fldNorth", "fldEast", "fldSouth", "fldWest"})
            table.setValue(QLatin1String(edge), (table.intValue(QLatin1String(edge)) * 7 % 10) + 1);
        table.MoveFirst();
    }
}

// What the person sees and the tables hold: nothing of it changes by a hint.
struct Snapshot {
    QList<int> owners;
    QList<bool> markers;
    qint16 turn = 0;
    qint16 placed = 0;
    QString hand;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(Game& game) {
    Snapshot s;
    s.owners = game.folder().boardOwners();
    for (int i = 1; i <= 5; ++i)
        s.markers << frmMain->imgP1Select[i]->Visible() << frmMain->imgP2Select[i]->Visible();
    s.turn = frmMain->gintTurn;
    s.placed = frmMain->cardsPlaced();
    s.hand = game.folder().query("SELECT group_concat(fldID) FROM P1Hand").toString();
    return s;
}

} // namespace

class HintTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void fairUnderClosedHand_data();
    void fairUnderClosedHand();
    void shownNeverPlayed();
    void refusedWhereAClickWould();
    void staleAnswerDropped();
};

void HintTest::cleanup() {
    platform::Random::instance().reset();
}

void HintTest::fairUnderClosedHand_data() {
    QTest::addColumn<bool>("combo");
    QTest::addColumn<int>("placed");
    QTest::newRow("basic, first card") << false << 0;
    QTest::newRow("basic, mid-hand") << false << 4;
    QTest::newRow("combo, mid-hand") << true << 3;
}

// Under Closed Hand the computer's hand and offer are hidden from the person:
// given other cards there, the hint is the same, by key and by screen reader.
void HintTest::fairUnderClosedHand() {
    QFETCH(bool, combo);
    QFETCH(int, placed);
    Game game;
    game.start();
    platform::Random::instance().setSeed(41 + placed);
    newGameAgainst(QStringLiteral("Computer (hard)"), false, combo);
    chooseBoth(game);
    untilPersonsTurn(game, placed);
    const computer::Position view = frmMain->visiblePosition(1);
    QVERIFY(!view.opponentHandKnown);
    const QPair<int, int> first = hintByKey();
    QVERIFY(first.first >= 1 && frmMain->p1InHand(first.first));
    QVERIFY(first.second >= 1 && !frmMain->boardUsed(first.second));
    QCOMPARE(platform::lastAnnouncement(frmMain),
             QStringLiteral("Hint: card %1 on square %2").arg(first.first).arg(first.second));

    changeCards(store::P2Hand, 5);
    changeCards(store::P2Stock, 8);
    frmMain->hint()->forget();
    QCOMPARE(hintByKey(), first);
    frmMain->hint()->forget();
    QCOMPARE(hintByScreenReader(5), first);
    // The hand the computer holds is not in what the hint was given at all.
    const computer::Position after = frmMain->visiblePosition(1);
    QCOMPARE(after.hand, view.hand);
    QCOMPARE(after.opponentHand, view.opponentHand);
    QCOMPARE(after.opponentCardsLeft, view.opponentCardsLeft);
}

// The frames lie over the suggested card and square for two seconds; the
// board, the hands, the markers and the file are as they were, and the
// framed card is picked through its frame by the next click.
void HintTest::shownNeverPlayed() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(5);
    newGameAgainst(QStringLiteral("Computer (normal)"), true, false);
    chooseBoth(game);
    untilPersonsTurn(game, 2);
    const Snapshot before = snapshot(game);
    const QPair<int, int> hint = hintByKey();
    QVERIFY(hint.first != 0);
    QCOMPARE(snapshot(game), before);
    const auto frames = frmMain->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QList<QRect> framed;
    for (QWidget* w : frames)
        if (w->isVisible() && platform::isDescribed(w) &&
            QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) ==
                QLatin1String("Hint frame"))
            framed << w->geometry();
    QCOMPARE(framed.size(), 2);
    const QRect card = frmMain->imgP1[hint.first]->geometry();
    const QRect square = frmMain->imgBoard[hint.second]->geometry();
    QVERIFY(framed.contains(card.adjusted(-4, -4, 4, 4)));
    QVERIFY(framed.contains(square.adjusted(-4, -4, 4, 4)));
    QCOMPARE(frmMain->hint()->tmrHint->interval(), 2000);
    QVERIFY(frmMain->hint()->tmrHint->isEnabled());
    // A click on the framed card goes through the frame and picks it.
    Game::click(frmMain->imgP1[hint.first]);
    QVERIFY(frmMain->imgP1Select[hint.first]->Visible());
    QVERIFY(frmMain->hint()->tmrHint->tick());
    QCOMPARE(frmMain->hint()->shownSlot(), 0);
    for (QWidget* w : frames)
        if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) ==
            QLatin1String("Hint frame"))
            QVERIFY(!w->isVisible());
}

// By key and by screen reader alike: nothing against a person, nothing on
// the computer's turn, nothing while the person's hand is locked, behind a
// message, or with the options in front.
void HintTest::refusedWhereAClickWould() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(9);
    // Each refusal says why, in one sentence, by either route.
    auto refused = [](const char* where, const QString& why) {
        const QPair<int, int> none{0, 0};
        platform::announce(frmMain, QString());
        if (hintByKey() != none || frmMain->hint()->thinking())
            QFAIL(qPrintable(QString("a hint by key %1").arg(where)));
        if (platform::lastAnnouncement(frmMain) != why)
            QFAIL(qPrintable(
                QString("H %1 said \"%2\"").arg(where, platform::lastAnnouncement(frmMain))));
        platform::announce(frmMain, QString());
        if (hintByScreenReader(1) != none || frmMain->hint()->thinking())
            QFAIL(qPrintable(QString("a hint by screen reader %1").arg(where)));
        if (platform::lastAnnouncement(frmMain) != why)
            QFAIL(qPrintable(QString("the screen reader's hint %1 said \"%2\"")
                                 .arg(where, platform::lastAnnouncement(frmMain))));
    };
    // Two people at the screen.
    game.newGame(true, false);
    chooseBoth(game);
    if (frmMain->gintTurn != 1)
        game.placeNext();
    refused("against a person", QStringLiteral("Hints are given only against the computer."));

    newGameAgainst(QStringLiteral("Computer (easy)"), false, false);
    chooseBoth(game);
    untilPersonsTurn(game, 1);
    // After his own card, his hand is locked until it turns face up again.
    game.placeNext();
    computerMoves();
    QCOMPARE(frmMain->gintTurn, qint16(1));
    QVERIFY(frmMain->tmrHideHand->isEnabled());
    refused("while his hand is locked", QStringLiteral("Your cards are still face down."));
    frmMain->tmrHideHand->tick();
    QVERIFY(hintByKey().first != 0);
    frmMain->hint()->forget();
    game.placeNext();
    QCOMPARE(frmMain->gintTurn, qint16(2));
    frmMain->tmrHideHand->tick();
    refused("on the computer's turn", QStringLiteral("Not your turn."));

    // Behind the message at the end of a hand.
    bool asked = false;
    game.onModal([&](platform::Form* form) {
        if (form == frmMessage && !asked) {
            asked = true;
            QTest::keyClick(frmMain->windowHandle(), Qt::Key_H);
            actions(frmMain->imgBoard[1])->doAction(QStringLiteral("Hint"));
            QVERIFY(!frmMain->hint()->thinking());
            // H where the keys go, the message, says why it does nothing.
            key(Qt::Key_H);
            QVERIFY(!frmMain->hint()->thinking());
            QVERIFY(frmMessage->isVisible());
            QCOMPARE(platform::lastAnnouncement(frmMessage),
                     QStringLiteral("Close this message first."));
        }
        Game::pressDone(form);
    });
    for (int card = frmMain->cardsPlaced(); card < 9; ++card) {
        if (frmMain->gintTurn == 1)
            game.placeNext();
        else
            computerMoves();
    }
    QVERIFY(asked);

    // With the next hand's selection in front of the board.
    QVERIFY(frmPlayer1->isVisible() && !frmMain->isVisible());
    actions(frmMain->imgBoard[1])->doAction(QStringLiteral("Hint"));
    QVERIFY(!frmMain->askHint());
    QVERIFY(!frmMain->hint()->thinking());
}

// A hint asked and a card placed before its answer arrived: the answer is
// dropped, nothing is framed or said.
void HintTest::staleAnswerDropped() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(17);
    newGameAgainst(QStringLiteral("Computer (hard)"), true, false);
    chooseBoth(game);
    untilPersonsTurn(game, 3);
    const QString said = platform::lastAnnouncement(frmMain);
    // The answer is held back on its thread until the card has landed.
    QSemaphore placed;
    frmMain->hint()->setThinkingGate([&placed] { placed.tryAcquire(1, 10000); });
    key(Qt::Key_H);
    QVERIFY(frmMain->hint()->thinking());
    game.placeNext();
    placed.release();
    frmMain->hint()->waitForThought();
    frmMain->hint()->setThinkingGate({});
    QCOMPARE(frmMain->hint()->shownSlot(), 0);
    QVERIFY(!platform::lastAnnouncement(frmMain).startsWith("Hint"));
    QVERIFY(platform::lastAnnouncement(frmMain) != said);
}

QTEST_MAIN(HintTest)
#include "tst_hint.moc"
