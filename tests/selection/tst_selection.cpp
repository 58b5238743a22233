#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Random.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"

#include <QTest>

#include <cmath>

// The two hand-selection windows, driven through their pictures as a player
// does: offers drawn from the card list, marking five cards, refusals of
// Done, hidden hands and the hand-over to the board.
class SelectionTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void drawNumbers_data();
    void drawNumbers();
    void markingToggles();
    void fiveMarksAtMost();
    void emptySlotShowsNoMarker();
    void doneRefusedBelowFive_data();
    void doneRefusedBelowFive();
    void openHandsDoneBeforeClickDealsAfresh();
    void hiddenHandsShowBacksUntilTick();
    void hiddenHandsRefusedDoneKeepsChoice();
    void hiddenHandsDoneBeforeClickShowsBacksAgain();
    void outsideChoosingPhase();
    void playerTwoHandsOver_data();
    void playerTwoHandsOver();
    void unloadEmptiesOffer();
    void windowsDiffer_data();
    void windowsDiffer();
};

namespace {

const QString Refusal = QStringLiteral("You must select 5 cards to play");

// Turn draw of New Game: 0.1 lets player 1 begin, 0.9 player 2.
constexpr double P1Begins = 0.1;
constexpr double P2Begins = 0.9;

// A random number r for which r * 605 + 1 is exactly `target` in double
// arithmetic, so that halfway cases really are halfway; -1 if none is near.
double exactDraw(double target) {
    double up = (target - 1) / 605;
    double down = up;
    for (int i = 0; i < 200; ++i) {
        if (up * 605 + 1 == target)
            return up;
        if (down * 605 + 1 == target)
            return down;
        up = std::nextafter(up, 1.0);
        down = std::nextafter(down, 0.0);
    }
    return -1;
}

FrmPlayer* window(int player) {
    return player == 1 ? frmPlayer1 : frmPlayer2;
}

QString stockTable(int player) {
    return player == 1 ? QStringLiteral("P1Stock") : QStringLiteral("P2Stock");
}

int visibleMarkers(const FrmPlayer* w) {
    int n = 0;
    for (int i = 1; i <= 8; ++i)
        n += w->imgSelect[i]->Visible() ? 1 : 0;
    return n;
}

QList<int> markedSlots(const FrmPlayer* w) {
    QList<int> found;
    for (int i = 1; i <= 8; ++i)
        if (w->imgSelect[i]->Visible())
            found << i;
    return found;
}

// The offer as the database file holds it, slot 1 to 8.
QList<int> offerIds(Game& game, int player) {
    QList<int> ids;
    for (int i = 1; i <= 8; ++i)
        ids << game.folder()
                   .query(QStringLiteral("SELECT fldID FROM %1 WHERE fldLocation = %2")
                              .arg(stockTable(player))
                              .arg(i))
                   .toInt();
    return ids;
}

QList<QString> cardPictures(const FrmPlayer* w) {
    QList<QString> names;
    for (int i = 1; i <= 8; ++i)
        names << w->imgCard[i]->pictureName();
    return names;
}

int cardIdOfDraw(Game& game, int drawNumber) {
    return game.folder()
        .query(
            QStringLiteral("SELECT fldID FROM AllCards WHERE fldAutoNumber = %1").arg(drawNumber))
        .toInt();
}

QString cardPathOfDraw(Game& game, int drawNumber) {
    return game.folder()
        .query(
            QStringLiteral("SELECT fldPath FROM AllCards WHERE fldAutoNumber = %1").arg(drawNumber))
        .toString();
}

// Queues the turn draw of New Game and the eight draws of the first offer.
void queueNewGame(double turn, const QList<double>& offer) {
    platform::Random::instance().queue(QList<double>{turn} + offer);
}

// r values whose draw numbers are 10, 20, ... 80 (well away from halves).
QList<double> offerOfTens(int start = 10) {
    QList<double> values;
    for (int i = 0; i < 8; ++i)
        values << (start + 10 * i - 1) / 605.0;
    return values;
}

QList<int> drawIds(Game& game, int start = 10) {
    QList<int> ids;
    for (int i = 0; i < 8; ++i)
        ids << cardIdOfDraw(game, start + 10 * i);
    return ids;
}

} // namespace

void SelectionTest::cleanup() {
    platform::Random::instance().reset();
}

void SelectionTest::drawNumbers_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("drawNumber");
    QTest::newRow("r = 0 gives the first card") << 0.0 << 1;
    QTest::newRow("1.5 rounds up to 2") << exactDraw(1.5) << 2;
    QTest::newRow("2.5 rounds to the even 2") << exactDraw(2.5) << 2;
    QTest::newRow("3.5 rounds to the even 4") << exactDraw(3.5) << 4;
    QTest::newRow("605.7 gives the last card") << 604.7 / 605 << 606;
    QTest::newRow("largest r gives the last card") << std::nextafter(1.0, 0.0) << 606;
}

void SelectionTest::drawNumbers() {
    QFETCH(double, r);
    QFETCH(int, drawNumber);
    QVERIFY2(r >= 0, "no exact r for this halfway case");
    Game game;
    game.start();
    // The same r twice: the offer may hold one card in two slots.
    queueNewGame(P1Begins, {r, r, 0, 0, 0, 0, 0, 0});
    game.newGame(true, false);
    QVERIFY(frmPlayer1->isVisible());

    const int expectedId = cardIdOfDraw(game, drawNumber);
    const int firstId = cardIdOfDraw(game, 1);
    QVERIFY(expectedId != 0);
    const QList<int> expectedIds{expectedId, expectedId, firstId, firstId,
                                 firstId,    firstId,    firstId, firstId};
    QCOMPARE(offerIds(game, 1), expectedIds);
    const QString face = game.folder().path() + cardPathOfDraw(game, drawNumber) + "r.jpg";
    QCOMPARE(frmPlayer1->imgCard[1]->pictureName(), face);
    QCOMPARE(frmPlayer1->imgCard[2]->pictureName(), face);
    QCOMPARE(frmPlayer1->imgCard[3]->pictureName(),
             game.folder().path() + cardPathOfDraw(game, 1) + "r.jpg");
    QCOMPARE(visibleMarkers(frmPlayer1), 0);
    QCOMPARE(frmPlayer1->imgMsg->pictureName(), game.folder().path() + "\\images\\52start.jpg");
}

void SelectionTest::markingToggles() {
    Game game;
    game.start();
    game.newGame(true, false);
    Game::click(frmPlayer1->imgCard[3]);
    QVERIFY(frmPlayer1->imgSelect[3]->Visible());
    QCOMPARE(frmPlayer1->selectedCount(), 1);
    Game::click(frmPlayer1->imgCard[3]);
    QVERIFY(!frmPlayer1->imgSelect[3]->Visible());
    QCOMPARE(frmPlayer1->selectedCount(), 0);
    Game::click(frmPlayer1->imgCard[8]);
    Game::click(frmPlayer1->imgCard[1]);
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{1, 8}));
    QCOMPARE(frmPlayer1->selectedCount(), 2);
}

void SelectionTest::fiveMarksAtMost() {
    Game game;
    game.start();
    game.newGame(true, false);
    for (int slot : {1, 2, 3, 4, 5})
        Game::click(frmPlayer1->imgCard[slot]);
    QCOMPARE(frmPlayer1->selectedCount(), 5);
    // A sixth mark is refused.
    Game::click(frmPlayer1->imgCard[6]);
    QVERIFY(!frmPlayer1->imgSelect[6]->Visible());
    QCOMPARE(frmPlayer1->selectedCount(), 5);
    // With five marked, a marked card can still be unmarked ...
    Game::click(frmPlayer1->imgCard[2]);
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{1, 3, 4, 5}));
    QCOMPARE(frmPlayer1->selectedCount(), 4);
    // ... and then another chosen.
    Game::click(frmPlayer1->imgCard[6]);
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{1, 3, 4, 5, 6}));
    QCOMPARE(frmPlayer1->selectedCount(), 5);
}

void SelectionTest::emptySlotShowsNoMarker() {
    Game game;
    game.start();
    game.newGame(true, false);
    Game::click(frmPlayer1->imgCard[1]);
    // Slot 3 loses its card, as an offer slot that was never dealt.
    store::P1Stock.MoveFirst();
    store::P1Stock.Find(store::locationCriterion(3));
    store::emptyCard(store::P1Stock);
    store::P1Stock.MoveFirst();
    QCOMPARE(offerIds(game, 1).at(2), 0);

    Game::click(frmPlayer1->imgCard[3]);
    QVERIFY(!frmPlayer1->imgSelect[3]->Visible());
    QCOMPARE(frmPlayer1->selectedCount(), 1);
    QCOMPARE(markedSlots(frmPlayer1), QList<int>{1});
}

void SelectionTest::doneRefusedBelowFive_data() {
    QTest::addColumn<bool>("openHands");
    QTest::addColumn<int>("marks");
    for (bool open : {true, false})
        for (int marks = 1; marks <= 4; ++marks)
            QTest::addRow("%s, %d marked", open ? "open" : "hidden", marks) << open << marks;
}

void SelectionTest::doneRefusedBelowFive() {
    QFETCH(bool, openHands);
    QFETCH(int, marks);
    Game game;
    game.start();
    game.newGame(openHands, false);
    game.revealOffer(1);
    for (int slot = 1; slot <= marks; ++slot)
        Game::click(frmPlayer1->imgCard[slot * 2 - 1]);
    const QList<int> marked = markedSlots(frmPlayer1);
    const QList<int> offer = offerIds(game, 1);
    const QList<QString> pictures = cardPictures(frmPlayer1);
    QCOMPARE(marked.size(), marks);

    Game::click(frmPlayer1->imgDone);
    QCOMPARE(game.modalCount(), 1);
    QCOMPARE(game.lastMessage(), Refusal);
    QVERIFY(!frmMessage->isVisible());
    QVERIFY(frmPlayer1->isVisible());
    QVERIFY(!frmPlayer2->isVisible());
    QVERIFY(!frmMain->gblnPostNewHand);
    QVERIFY(frmMain->gblnNewGame);
    QCOMPARE(markedSlots(frmPlayer1), marked);
    QCOMPARE(frmPlayer1->selectedCount(), marks);
    QCOMPARE(offerIds(game, 1), offer);
    QCOMPARE(cardPictures(frmPlayer1), pictures);
    QCOMPARE(frmPlayer1->imgMsg->pictureName(), game.folder().path() + "\\images\\52start.jpg");
    QVERIFY(!frmPlayer1->tmr1->isEnabled());
    // The choice goes on from where it was.
    for (int slot : {2, 4, 6, 8}) {
        if (frmPlayer1->selectedCount() < 5)
            Game::click(frmPlayer1->imgCard[slot]);
    }
    QCOMPARE(frmPlayer1->selectedCount(), 5);
    Game::click(frmPlayer1->imgDone);
    QCOMPARE(game.modalCount(), 1);
    QVERIFY(frmPlayer2->isVisible());
    QVERIFY(!frmPlayer1->isVisible());
}

void SelectionTest::openHandsDoneBeforeClickDealsAfresh() {
    Game game;
    game.start();
    queueNewGame(P1Begins, offerOfTens(10));
    game.newGame(true, false);
    QCOMPARE(offerIds(game, 1), drawIds(game, 10));
    // Done with nothing marked: the message, then a fresh offer.
    platform::Random::instance().queue(offerOfTens(15));
    Game::click(frmPlayer1->imgDone);
    QCOMPARE(game.lastMessage(), Refusal);
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(offerIds(game, 1), drawIds(game, 15));
    QCOMPARE(frmPlayer1->imgCard[1]->pictureName(),
             game.folder().path() + cardPathOfDraw(game, 15) + "r.jpg");
    QCOMPARE(visibleMarkers(frmPlayer1), 0);
    QCOMPARE(frmPlayer1->selectedCount(), 0);
}

void SelectionTest::hiddenHandsShowBacksUntilTick() {
    Game game;
    game.start();
    queueNewGame(P1Begins, offerOfTens(10));
    game.newGame(false, false);
    QVERIFY(frmPlayer1->isVisible());
    QVERIFY(frmPlayer1->tmr1->isEnabled());
    const QString back = game.folder().path() + "\\images\\PlaceHolder-r.jpg";
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(frmPlayer1->imgCard[i]->pictureName(), back);
    QVERIFY(!frmPlayer1->imgMsg->hasPicture());
    QCOMPARE(offerIds(game, 1), QList<int>(8, 0));

    // Clicks on the backs are ignored.
    for (int slot : {1, 2, 3, 4, 5, 6})
        Game::click(frmPlayer1->imgCard[slot]);
    QCOMPARE(visibleMarkers(frmPlayer1), 0);
    QCOMPARE(frmPlayer1->selectedCount(), 0);

    QVERIFY(frmPlayer1->tmr1->tick());
    QVERIFY(!frmPlayer1->tmr1->isEnabled());
    QCOMPARE(offerIds(game, 1), drawIds(game, 10));
    QCOMPARE(frmPlayer1->imgCard[8]->pictureName(),
             game.folder().path() + cardPathOfDraw(game, 80) + "r.jpg");
    QCOMPARE(frmPlayer1->imgMsg->pictureName(), game.folder().path() + "\\images\\52start.jpg");
    // Now the cards can be chosen.
    Game::click(frmPlayer1->imgCard[4]);
    QCOMPARE(markedSlots(frmPlayer1), QList<int>{4});
    QCOMPARE(frmPlayer1->selectedCount(), 1);
}

void SelectionTest::hiddenHandsRefusedDoneKeepsChoice() {
    Game game;
    game.start();
    game.newGame(false, false);
    game.revealOffer(1);
    Game::click(frmPlayer1->imgCard[2]);
    Game::click(frmPlayer1->imgCard[7]);
    const QList<int> offer = offerIds(game, 1);
    const QList<QString> faces = cardPictures(frmPlayer1);

    Game::click(frmPlayer1->imgDone);
    QCOMPARE(game.lastMessage(), Refusal);
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(cardPictures(frmPlayer1), faces);
    QCOMPARE(offerIds(game, 1), offer);
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{2, 7}));
    QCOMPARE(frmPlayer1->selectedCount(), 2);
    QCOMPARE(frmPlayer1->imgMsg->pictureName(), game.folder().path() + "\\images\\52start.jpg");
    QVERIFY(!frmPlayer1->tmr1->isEnabled());
    Game::click(frmPlayer1->imgCard[5]);
    QCOMPARE(frmPlayer1->selectedCount(), 3);
}

void SelectionTest::hiddenHandsDoneBeforeClickShowsBacksAgain() {
    Game game;
    game.start();
    queueNewGame(P1Begins, offerOfTens(10));
    game.newGame(false, false);
    game.revealOffer(1);
    Game::click(frmPlayer1->imgDone);
    QCOMPARE(game.lastMessage(), Refusal);
    // Nothing was chosen: backs again, and the tick deals a new offer.
    QVERIFY(frmPlayer1->tmr1->isEnabled());
    QCOMPARE(frmPlayer1->imgCard[1]->pictureName(),
             game.folder().path() + "\\images\\PlaceHolder-r.jpg");
    Game::click(frmPlayer1->imgCard[1]);
    QCOMPARE(visibleMarkers(frmPlayer1), 0);
    platform::Random::instance().queue(offerOfTens(15));
    frmPlayer1->tmr1->tick();
    QCOMPARE(offerIds(game, 1), drawIds(game, 15));
    Game::click(frmPlayer1->imgCard[1]);
    QCOMPARE(markedSlots(frmPlayer1), QList<int>{1});
}

void SelectionTest::outsideChoosingPhase() {
    Game game;
    game.start();
    game.newGame(true, false);
    game.chooseCards(1, {1, 2, 3, 4, 5});
    game.chooseCards(2);
    QVERIFY(!frmMain->gblnNewGame);
    QVERIFY(!frmMain->gblnNewRound);
    const QList<int> offer = offerIds(game, 1);

    frmPlayer1->Show();
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{1, 2, 3, 4, 5}));
    for (int slot : {6, 1, 8})
        Game::click(frmPlayer1->imgCard[slot]);
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(offerIds(game, 1), offer);

    const int modals = game.modalCount();
    Game::click(frmPlayer1->imgDone);
    QCOMPARE(game.modalCount(), modals);
    QVERIFY(!frmPlayer1->isVisible());
    QVERIFY(!frmPlayer2->isVisible());
    QVERIFY(frmMain->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmMain);
    QVERIFY(!frmMain->gblnPostNewHand);
}

void SelectionTest::playerTwoHandsOver_data() {
    QTest::addColumn<double>("turnDraw");
    QTest::addColumn<int>("turn");
    QTest::addColumn<QString>("beginPicture");
    QTest::newRow("player 1 begins") << P1Begins << 1 << "\\images\\begin1.jpg";
    QTest::newRow("player 2 begins") << P2Begins << 2 << "\\images\\begin2.jpg";
}

void SelectionTest::playerTwoHandsOver() {
    QFETCH(double, turnDraw);
    QFETCH(int, turn);
    QFETCH(QString, beginPicture);
    Game game;
    game.start();
    queueNewGame(turnDraw, offerOfTens(10));
    game.newGame(false, true);
    QCOMPARE(frmMain->gintTurn, turn);
    game.chooseCards(1, {2, 4, 5, 7, 8});
    QVERIFY(frmPlayer2->isVisible());
    QVERIFY(frmMain->gblnNewGame);
    const QList<int> offer1 = offerIds(game, 1);
    game.chooseCards(2, {1, 3, 4, 6, 8});
    const QList<int> offer2 = offerIds(game, 2);

    QVERIFY(!frmPlayer2->isVisible());
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmMain->gblnNewGame);
    QVERIFY(!frmMain->gblnNewRound);
    QCOMPARE(frmMain->imgBegin->pictureName(), game.folder().path() + beginPicture);
    QVERIFY(frmMain->imgBegin->isEnabled());
    QVERIFY(frmMain->tmr1->isEnabled());

    // The markers keep the accepted choice while the windows are hidden.
    QCOMPARE(markedSlots(frmPlayer1), (QList<int>{2, 4, 5, 7, 8}));
    QCOMPARE(markedSlots(frmPlayer2), (QList<int>{1, 3, 4, 6, 8}));
    QCOMPARE(frmPlayer1->selectedCount(), 0);
    QCOMPARE(frmPlayer2->selectedCount(), 0);
    // The board built the hands from the marked slots.
    QList<int> hand1, hand2;
    for (int s = 1; s <= 5; ++s) {
        hand1 << game.folder()
                     .query(
                         QStringLiteral("SELECT fldID FROM P1Hand WHERE fldLocation = %1").arg(s))
                     .toInt();
        hand2 << game.folder()
                     .query(
                         QStringLiteral("SELECT fldID FROM P2Hand WHERE fldLocation = %1").arg(s))
                     .toInt();
    }
    QCOMPARE(hand1, (QList<int>{offer1[1], offer1[3], offer1[4], offer1[6], offer1[7]}));
    QCOMPARE(hand2, (QList<int>{offer2[0], offer2[2], offer2[3], offer2[5], offer2[7]}));

    QVERIFY(frmMain->tmr1->tick());
    QVERIFY(!frmMain->imgBegin->hasPicture());
    QVERIFY(!frmMain->imgBegin->isEnabled());
    QVERIFY(!frmMain->tmr1->isEnabled());
}

void SelectionTest::unloadEmptiesOffer() {
    Game game;
    game.start();
    game.newGame(true, false);
    Game::click(frmPlayer1->imgCard[1]);
    QVERIFY(!offerIds(game, 1).contains(0));
    frmPlayer1->Unload();
    QVERIFY(!frmPlayer1->isLoaded());
    QVERIFY(!store::P1Stock.isOpen());
    QCOMPARE(offerIds(game, 1), QList<int>(8, 0));
    QCOMPARE(game.folder().query("SELECT COUNT(*) FROM P1Stock WHERE fldPath <> ''").toInt(), 0);
    QCOMPARE(visibleMarkers(frmPlayer1), 0);
    QCOMPARE(frmPlayer1->imgCard[1]->pictureName(),
             game.folder().path() + "\\images\\FieldBlank.jpg");
}

void SelectionTest::windowsDiffer_data() {
    QTest::addColumn<int>("player");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("back");
    QTest::newRow("player 1") << 1 << "Quorvel  -  Player 1"
                              << "Anselm"
                              << "r.jpg"
                              << "\\images\\PlaceHolder-r.jpg";
    QTest::newRow("player 2") << 2 << "Quorvel  -  Player 2"
                              << "Beatrix"
                              << "b.jpg"
                              << "\\images\\PlaceHolder-b.jpg";
}

void SelectionTest::windowsDiffer() {
    QFETCH(int, player);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QFETCH(QString, suffix);
    QFETCH(QString, back);
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    QTest::keyClick(frmOptions->txtPlayer1Name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(frmOptions->txtPlayer1Name, QStringLiteral("Anselm"));
    QTest::keyClick(frmOptions->txtPlayer2Name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(frmOptions->txtPlayer2Name, QStringLiteral("Beatrix"));
    platform::Random::instance().queue(offerOfTens(10) + offerOfTens(15));
    Game::click(frmOptions->imgDone);
    if (player == 2)
        game.chooseCards(1);

    FrmPlayer* w = window(player);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->lblName->caption(), name);
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(w->imgCard[i]->pictureName(), game.folder().path() + back);
    // This player's offer goes into this player's table only.
    const QList<int> otherBefore = offerIds(game, 3 - player);
    w->tmr1->tick();
    QCOMPARE(offerIds(game, player), drawIds(game, player == 1 ? 10 : 15));
    QCOMPARE(offerIds(game, 3 - player), otherBefore);
    QCOMPARE(w->imgCard[2]->pictureName(),
             game.folder().path() + cardPathOfDraw(game, player == 1 ? 20 : 25) + suffix);
}

QTEST_MAIN(SelectionTest)
#include "tst_selection.moc"
