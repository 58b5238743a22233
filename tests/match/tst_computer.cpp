#include "computer/Board.h"
#include "match/ComputerPlayer.h"
#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Random.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "support/Invariants.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmWinner.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QTest>

// The computer as player 2, through the real windows: its choice of cards
// and its moves run the handlers a person's clicks run, at the pace the
// person can follow; its hand stays face down under Closed Hand; the person
// cannot play for it; whatever interrupts its thinking never lets a stale
// move land; and the position it decides from holds only what it may know.
class ComputerTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void selectionThroughHandlers_data();
    void selectionThroughHandlers();
    void moveLandsAfterPaceAndAnswer_data();
    void moveLandsAfterPaceAndAnswer();
    void clicksOnComputerHandIgnored();
    void closedHandStaysFaceDown();
    void interruptions_data();
    void interruptions();
    void paceInRealTime();
    void positionUnderClosedHand();
    void positionUnderOpenHand();
    void wholeMatch_data();
    void wholeMatch();
};

namespace {

const char* levelName(computer::Level level) {
    switch (level) {
    case computer::Level::Easy:
        return "Computer (easy)";
    case computer::Level::Normal:
        return "Computer (normal)";
    case computer::Level::Hard:
        return "Computer (hard)";
    }
    return "";
}

// New Game with player 2's name typed in as a player would.
void newGameAgainst(const QString& player2, bool open, bool combo) {
    Game::click(frmMain->imgNewGame);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, player2);
    Game::click(frmOptions->lblHandOpt[open ? 0 : 1]);
    Game::click(frmOptions->lblRuleOpts[combo ? 1 : 0]);
    Game::click(frmOptions->imgDone);
}

// The computer's selection window runs its two steps: marks, then Done.
void computerChooses() {
    QVERIFY(frmPlayer2->isVisible());
    QVERIFY(frmPlayer2->tmrComputer->tick());
    QVERIFY(frmPlayer2->tmrComputer->tick());
}

// Lets the computer's turn run to its move: the reveal begins it under
// Closed Hand, then its answer and its pace.
void computerMoves() {
    if (!frmMain->computerTurn())
        frmMain->tmrHideHand->tick();
    QVERIFY(frmMain->computerTurn());
    frmMain->computerPlayer()->waitForThought();
    frmMain->tmrComputer->tick();
}

// Both selections of a hand: player 1 marks the first five.
void chooseBoth(Game& game) {
    game.chooseCards(1);
    computerChooses();
    QVERIFY(frmMain->isVisible());
}

// Until it is the computer's turn: the person places the first card of his
// hand on the first free square when he is the one to begin.
void untilComputersTurn(Game& game) {
    if (frmMain->gintTurn == 1)
        game.placeNext();
    QCOMPARE(frmMain->gintTurn, qint16(2));
}

struct Placed {
    int squares = 0;
    int p2Cards = 0;
};

Placed board() {
    Placed placed;
    for (int l = 1; l <= 9; ++l)
        placed.squares += frmMain->boardUsed(l) ? 1 : 0;
    for (int s = 1; s <= 5; ++s)
        placed.p2Cards += frmMain->p2InHand(s) ? 1 : 0;
    return placed;
}

int ownersOnFile(Game& game, int owner) {
    return game.folder()
        .query(QStringLiteral("SELECT COUNT(*) FROM DirtyBoard WHERE fldOwner = %1").arg(owner))
        .toInt();
}

// What a screen reader reads for `control`.
QString spokenName(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString blueBack() {
    return pictureName(QStringLiteral("\\images\\PlaceHolder-b.jpg"));
}

// Every card the computer holds shows its back on the main window, and a
// screen reader names none of its edges.
QString faceShown() {
    for (int s = 1; s <= 5; ++s) {
        if (!frmMain->p2InHand(s))
            continue;
        if (frmMain->imgP2[s]->pictureName() != blueBack())
            return QStringLiteral("hand slot %1 shows %2")
                .arg(s)
                .arg(frmMain->imgP2[s]->pictureName());
        const QString spoken = spokenName(frmMain->imgP2[s]);
        if (!spoken.contains(QLatin1String("face down")) || spoken.contains(QLatin1String("north")))
            return QStringLiteral("hand slot %1 is read as \"%2\"").arg(s).arg(spoken);
    }
    return {};
}

bool samePosition(const computer::Position& a, const computer::Position& b) {
    return a.board == b.board && a.owner == b.owner && a.hand == b.hand &&
           a.opponentHand == b.opponentHand && a.opponentHandKnown == b.opponentHandKnown &&
           a.opponentCardsLeft == b.opponentCardsLeft && a.cardList == b.cardList &&
           a.rule == b.rule && a.history == b.history;
}

// Gives every card of P1Hand other edges, as a different deal would.
void changePersonsHand() {
    platform::Recordset& hand = store::P1Hand;
    hand.MoveFirst();
    for (int s = 1; s <= 5; ++s) {
        hand.Find(store::locationCriterion(s));
        for (const char* edge : {"fldNorth", "fldEast", "fldSouth", "fldWest"})
            hand.setValue(QLatin1String(edge), (hand.intValue(QLatin1String(edge)) % 9) + 1);
        hand.MoveFirst();
    }
}

} // namespace

void ComputerTest::cleanup() {
    platform::Random::instance().reset();
}

void ComputerTest::selectionThroughHandlers_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("closed hand") << false;
    QTest::newRow("open hand") << true;
}

void ComputerTest::selectionThroughHandlers() {
    QFETCH(bool, open);
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level::Normal), open, false);
    game.chooseCards(1);
    QVERIFY(frmPlayer2->isVisible());
    QCOMPARE(frmPlayer2->lblName->caption(), QStringLiteral("Computer (normal)"));
    // Its offer is dealt at once, face down for the person under Closed Hand.
    QCOMPARE(game.folder().query("SELECT COUNT(*) FROM P2Stock WHERE fldID <> 0").toInt(), 8);
    for (int i = 1; i <= 8; ++i) {
        const bool back = frmPlayer2->imgCard[i]->pictureName() ==
                          pictureName(QStringLiteral("\\images\\PlaceHolder-b.jpg"));
        QCOMPARE(back, !open);
        QVERIFY(!frmPlayer2->imgSelect[i]->Visible());
        // A screen reader reads its edges only where the screen shows them.
        QCOMPARE(spokenName(frmPlayer2->imgCard[i]).contains(QLatin1String("north")), open);
    }
    QVERIFY(!frmPlayer2->tmr1->isEnabled());
    QCOMPARE(frmPlayer2->tmrComputer->interval(), 500);

    // The person's clicks on its cards and its Done change nothing.
    for (int i = 1; i <= 8; ++i)
        Game::click(frmPlayer2->imgCard[i]);
    Game::click(frmPlayer2->imgDone);
    QCOMPARE(frmPlayer2->selectedCount(), qint16(0));
    QVERIFY(frmPlayer2->isVisible());
    QCOMPARE(game.modalCount(), 0);

    // First its marks appear, five of them, on its backs under Closed Hand ...
    QVERIFY(frmPlayer2->tmrComputer->tick());
    QVERIFY(frmPlayer2->isVisible());
    QList<int> marked;
    for (int i = 1; i <= 8; ++i)
        if (frmPlayer2->imgSelect[i]->Visible())
            marked << i;
    QCOMPARE(marked.size(), 5);
    QCOMPARE(frmPlayer2->selectedCount(), qint16(5));
    QCOMPARE(frmPlayer2->imgCard[marked[0]]->pictureName() == blueBack(), !open);
    for (int i : marked) {
        const QString spoken = spokenName(frmPlayer2->imgCard[i]);
        QVERIFY(QAccessible::queryAccessibleInterface(frmPlayer2->imgCard[i])->state().checked);
        QCOMPARE(spoken.contains(QLatin1String("north")), open);
    }
    QList<int> offered;
    for (int i : marked)
        offered
            << game.folder()
                   .query(QStringLiteral("SELECT fldID FROM P2Stock WHERE fldLocation = %1").arg(i))
                   .toInt();

    // ... then its Done hands over to the board, which deals what it marked.
    QVERIFY(frmPlayer2->tmrComputer->tick());
    QVERIFY(!frmPlayer2->isVisible());
    QVERIFY(!frmPlayer2->tmrComputer->isEnabled());
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmMain->gblnNewGame);
    QVERIFY(!frmMain->gblnNewRound);
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(
            game.folder()
                .query(QStringLiteral("SELECT fldID FROM P2Hand WHERE fldLocation = %1").arg(s))
                .toInt(),
            offered[s - 1]);
    QCOMPARE(game.modalCount(), 0);
}

void ComputerTest::moveLandsAfterPaceAndAnswer_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("combo");
    QTest::addColumn<int>("level");
    QTest::newRow("closed, basic, easy") << false << false << int(computer::Level::Easy);
    QTest::newRow("closed, combo, hard") << false << true << int(computer::Level::Hard);
    QTest::newRow("open, basic, normal") << true << false << int(computer::Level::Normal);
    QTest::newRow("open, combo, hard") << true << true << int(computer::Level::Hard);
}

void ComputerTest::moveLandsAfterPaceAndAnswer() {
    QFETCH(bool, open);
    QFETCH(bool, combo);
    QFETCH(int, level);
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level(level)), open, combo);
    chooseBoth(game);
    untilComputersTurn(game);
    Invariants invariants;
    if (!open) {
        // Under Closed Hand its turn begins with the reveal of its hand.
        QVERIFY(!frmMain->computerTurn());
        QVERIFY(!frmMain->tmrComputer->isEnabled());
        QVERIFY(frmMain->tmrHideHand->tick());
    }
    QVERIFY(frmMain->computerTurn());
    QVERIFY(frmMain->tmrComputer->isEnabled());
    QCOMPARE(frmMain->tmrComputer->interval(), 600);
    const Placed before = board();

    // Its answer alone does not place the card: the pace has not passed.
    frmMain->computerPlayer()->waitForThought();
    QCoreApplication::processEvents();
    QCOMPARE(board().squares, before.squares);
    QCOMPARE(ownersOnFile(game, 2), before.squares - ownersOnFile(game, 1));

    // Its pace passed: one of its cards lands through the placement handler.
    QVERIFY(frmMain->tmrComputer->tick());
    const Placed after = board();
    QCOMPARE(after.squares, before.squares + 1);
    QCOMPARE(after.p2Cards, before.p2Cards - 1);
    QCOMPARE(frmMain->gintTurn, qint16(1));
    QVERIFY(!frmMain->computerTurn());
    for (int s = 1; s <= 5; ++s)
        QVERIFY(!frmMain->imgP2Select[s]->Visible());
    const QStringList broken = invariants.check();
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
    QCOMPARE(frmMain->tmrHideHand->isEnabled(), !open);

    // The other order: the pace first, then its answer places the card.
    game.placeNext();
    QVERIFY(invariants.check().isEmpty());
    if (!open)
        QVERIFY(frmMain->tmrHideHand->tick());
    QVERIFY(frmMain->computerTurn());
    const Placed middle = board();
    QVERIFY(frmMain->tmrComputer->tick());
    QVERIFY(frmMain->computerTurn() || board().squares == middle.squares + 1);
    frmMain->computerPlayer()->waitForThought();
    QCOMPARE(board().squares, middle.squares + 1);
    QCOMPARE(frmMain->gintTurn, qint16(1));
    const QStringList brokenAfter = invariants.check();
    QVERIFY2(brokenAfter.isEmpty(), qPrintable(brokenAfter.join('\n')));
}

void ComputerTest::clicksOnComputerHandIgnored() {
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level::Easy), true, false);
    chooseBoth(game);
    // On the person's turn and on its own, no press picks one of its cards.
    for (int round = 0; round < 2; ++round) {
        if (round == 1)
            untilComputersTurn(game);
        for (int s = 1; s <= 5; ++s) {
            Game::click(frmMain->imgP2[s]);
            for (int t = 1; t <= 5; ++t)
                QVERIFY(!frmMain->imgP2Select[t]->Visible());
        }
        const int placed = board().squares;
        for (int l = 1; l <= 9; ++l)
            if (!frmMain->boardUsed(l))
                Game::click(frmMain->imgBoard[l]);
        QCOMPARE(board().squares, placed);
    }
}

void ComputerTest::closedHandStaysFaceDown() {
    Game game;
    game.start();
    platform::Random::instance().setSeed(7);
    newGameAgainst(levelName(computer::Level::Hard), false, false);
    chooseBoth(game);
    QStringList shown;
    auto check = [&](const char* when) {
        const QString face = faceShown();
        if (!face.isEmpty())
            shown << QLatin1String(when) + QStringLiteral(": ") + face;
    };
    check("dealt");
    int personReveals = 0;
    while (!Game::freeSquares().isEmpty() && frmMain->isVisible() && shown.isEmpty()) {
        if (frmMain->gintTurn == 1) {
            // The person's own hand turns face up at its reveal.
            if (frmMain->tmrHideHand->tick()) {
                check("reveal of the person's hand");
                bool faceUp = true;
                for (int s : Game::heldSlots())
                    faceUp = faceUp && frmMain->imgP1[s]->pictureName().endsWith("r.jpg") &&
                             !frmMain->imgP1[s]->pictureName().contains("PlaceHolder");
                personReveals += faceUp ? 1 : 0;
            }
            game.placeNext();
            check("person placed");
        } else {
            frmMain->tmrHideHand->tick();
            check("reveal of the computer's hand");
            frmMain->computerPlayer()->waitForThought();
            check("answer");
            frmMain->tmrComputer->tick();
            check("computer placed");
        }
    }
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join('\n')));
    QVERIFY(personReveals >= 3);
    QVERIFY(game.lastMessage().size() > 0);
}

void ComputerTest::interruptions_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("answered");
    for (const char* button : {"New Game", "Exit", "Options", "Help"}) {
        QTest::addRow("%s while it thinks", button) << QString::fromLatin1(button) << false;
        QTest::addRow("%s after its answer", button) << QString::fromLatin1(button) << true;
    }
}

void ComputerTest::interruptions() {
    QFETCH(QString, button);
    QFETCH(bool, answered);
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level::Hard), true, false);
    chooseBoth(game);
    untilComputersTurn(game);
    QVERIFY(frmMain->computerTurn());
    if (answered) {
        frmMain->computerPlayer()->waitForThought();
        QVERIFY(!frmMain->computerPlayer()->thinking());
    }
    const int placed = board().squares;
    const int blueOnFile = ownersOnFile(game, 2);
    auto settle = [] {
        // Its thread finishes, its pace passes, events are delivered.
        frmMain->computerPlayer()->waitForThought();
        frmMain->tmrComputer->tick();
        QCoreApplication::processEvents();
    };

    if (button == "Exit") {
        Game::click(frmMain->imgExit);
        QVERIFY(!frmMain->isLoaded());
        settle();
        for (const char* table : {"P1Hand", "P2Hand", "DirtyBoard", "P1Stock", "P2Stock"})
            QCOMPARE(game.folder()
                         .query(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE fldID <> 0")
                                    .arg(QLatin1String(table)))
                         .toInt(),
                     0);
        return;
    }
    if (button == "New Game") {
        Game::click(frmMain->imgNewGame);
        QVERIFY(frmOptions->isVisible());
        settle();
        QCOMPARE(board().squares, 0);
        QCOMPARE(ownersOnFile(game, 2), 0);
        // The new hand starts clean: only the new turn's move lands.
        Game::click(frmOptions->imgDone);
        game.chooseCards(1);
        computerChooses();
        QCOMPARE(board().squares, 0);
        const bool computerBegins = frmMain->gintTurn == 2;
        settle();
        QVERIFY(!frmMain->computerTurn());
        QCOMPARE(board().squares, computerBegins ? 1 : 0);
        const QStringList broken = Invariants().check();
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
        return;
    }

    // Options or Help: nothing lands on the hidden board ...
    platform::Form* shownOver = nullptr;
    if (button == "Options") {
        Game::click(frmMain->imgOptions);
        shownOver = frmOptions;
    } else {
        Game::click(frmMain->imgHelp);
        shownOver = frmHelp;
    }
    QVERIFY(shownOver->isVisible());
    QVERIFY(!frmMain->isVisible());
    settle();
    settle();
    QCOMPARE(board().squares, placed);
    QCOMPARE(ownersOnFile(game, 2), blueOnFile);
    QVERIFY(frmMain->computerTurn());

    // ... and once the board is back, the computer goes on at its pace.
    Game::click(shownOver == frmOptions ? frmOptions->imgDone : frmHelp->imgDone);
    QVERIFY(frmMain->isVisible());
    QVERIFY(frmMain->tmrComputer->isEnabled());
    QCOMPARE(board().squares, placed);
    frmMain->computerPlayer()->waitForThought();
    QVERIFY(frmMain->tmrComputer->tick());
    QCOMPARE(board().squares, placed + 1);
    QCOMPARE(frmMain->gintTurn, qint16(1));
}

// The one check against the real clock: the move lands no sooner than
// 600 ms after the person's placement, and not long after.
void ComputerTest::paceInRealTime() {
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level::Hard), true, false);
    chooseBoth(game);
    if (frmMain->gintTurn == 2) {
        QTRY_VERIFY_WITH_TIMEOUT(frmMain->gintTurn == 1, 3000);
    }
    const int placed = board().squares;
    // The pace runs from the person's press, which lies inside place().
    QElapsedTimer clock;
    clock.start();
    game.place(Game::heldSlots().first(), Game::freeSquares().first());
    QCOMPARE(board().squares, placed + 1);
    QTRY_VERIFY_WITH_TIMEOUT(board().squares == placed + 2, 3000);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 600, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < 2500, qPrintable(QString::number(elapsed)));
}

void ComputerTest::positionUnderClosedHand() {
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level::Hard), false, true);
    chooseBoth(game);
    untilComputersTurn(game);
    const computer::Position before = ComputerPlayer::readPosition();
    QVERIFY(!before.opponentHandKnown);
    for (const auto& card : before.opponentHand)
        QVERIFY(!card.has_value());
    QCOMPARE(before.opponentCardsLeft, frmMain->cardsPlaced() == 1 ? 4 : 5);
    QCOMPARE(before.rule, computer::Rule::BasicCombo);
    QCOMPARE(int(before.cardList.size()), 606);
    // Its own hand and the board as the tables hold them.
    for (int s = 1; s <= 5; ++s) {
        QCOMPARE(before.hand[s - 1].has_value(), frmMain->p2InHand(s));
        const int north = game.folder()
                              .query(QStringLiteral("SELECT fldNorth FROM P2Hand WHERE "
                                                    "fldLocation = %1")
                                         .arg(s))
                              .toInt();
        QCOMPARE(before.hand[s - 1]->north, north);
    }
    for (int l = 1; l <= 9; ++l)
        QCOMPARE(
            before.owner[l - 1],
            game.folder()
                .query(
                    QStringLiteral("SELECT fldOwner FROM DirtyBoard WHERE fldLocation = %1").arg(l))
                .toInt());

    // The person's hidden cards play no part: other cards, the same position.
    changePersonsHand();
    QVERIFY(samePosition(ComputerPlayer::readPosition(), before));

    // Two turns later the order of play holds both sides' placements and
    // leads, card by card, to the board the computer sees.
    const int placed = board().squares;
    QTRY_VERIFY_WITH_TIMEOUT(board().squares == placed + 1, 5000);
    untilComputersTurn(game);
    const computer::Position later = ComputerPlayer::readPosition();
    QCOMPARE(int(later.history.size()), int(frmMain->cardsPlaced()));
    computer::Board replay;
    std::array<int, 3> byPlayer{};
    for (const computer::Placement& p : later.history) {
        QCOMPARE(replay.owner[p.square], 0);
        replay.place(p.square, p.card, p.player, later.rule);
        ++byPlayer[p.player];
    }
    QCOMPARE(replay.card, later.board);
    QCOMPARE(replay.owner, later.owner);
    QVERIFY(byPlayer[1] >= 1 && byPlayer[2] >= 1);
    QCOMPARE(byPlayer[1], 5 - later.opponentCardsLeft);
    int own = 0;
    for (const auto& card : later.hand)
        own += card.has_value();
    QCOMPARE(byPlayer[2], 5 - own);
}

void ComputerTest::positionUnderOpenHand() {
    Game game;
    game.start();
    newGameAgainst(levelName(computer::Level::Hard), true, false);
    chooseBoth(game);
    untilComputersTurn(game);
    const computer::Position before = ComputerPlayer::readPosition();
    QVERIFY(before.opponentHandKnown);
    QCOMPARE(before.rule, computer::Rule::Basic);
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(before.opponentHand[s - 1].has_value(), frmMain->p1InHand(s));
    // Face up, the person's cards are what everyone sees: a change shows.
    changePersonsHand();
    const computer::Position after = ComputerPlayer::readPosition();
    QVERIFY(!samePosition(after, before));
    QCOMPARE(after.hand, before.hand);
    QCOMPARE(after.board, before.board);
}

void ComputerTest::wholeMatch_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("combo");
    QTest::addColumn<int>("level");
    QTest::newRow("closed, basic, hard") << false << false << int(computer::Level::Hard);
    QTest::newRow("open, combo, normal") << true << true << int(computer::Level::Normal);
}

// Whole matches against the computer, checked after every event.
void ComputerTest::wholeMatch() {
    QFETCH(bool, open);
    QFETCH(bool, combo);
    QFETCH(int, level);
    Game game;
    game.start();
    platform::Random::instance().setSeed(std::uint64_t(level) * 31 + (open ? 3 : 5));
    Invariants invariants;
    QStringList broken;
    auto check = [&](const QString& event) {
        for (const QString& problem : invariants.check())
            broken << event + ": " + problem;
        if (!open && frmMain->isVisible() && !faceShown().isEmpty())
            broken << event + ": " + faceShown();
    };
    bool resultShown = false;
    game.onModal([&](platform::Form* form) {
        check("message " + frmMessage->lblMsg->caption());
        resultShown = resultShown || form == frmWinner;
        Game::pressDone(form);
    });
    newGameAgainst(levelName(computer::Level(level)), open, combo);
    int hands = 0;
    while (!frmMain->gblnWinner && hands < 80 && broken.isEmpty()) {
        chooseBoth(game);
        check("dealt");
        for (int card = 0; card < 9 && broken.isEmpty(); ++card) {
            if (frmMain->gintTurn == 1) {
                game.placeNext();
                check("person placed");
            } else {
                computerMoves();
                check("computer placed");
            }
        }
        ++hands;
        frmMain->tmr1->tick();
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
    QVERIFY(frmMain->gblnWinner);
    QVERIFY(resultShown);
    QCOMPARE(std::max(frmMain->gintP1GamesWon, frmMain->gintP2GamesWon), qint16(3));
    // The name is set apart by directional isolates, like every player's name.
    QCOMPARE(frmWinner->lblP2Name->caption(), QStringLiteral("  ") + QChar(0x2068) +
                                                  levelName(computer::Level(level)) +
                                                  QChar(0x2069) + QStringLiteral("  "));
}

QTEST_MAIN(ComputerTest)
#include "tst_computer.moc"
