#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "support/ScreenMouse.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

// The options window as the players meet it: defaults at start-up, editing
// during New Game, read-only otherwise, the option marks, the names as typed
// and the way back from Help.
class OptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void defaultsAfterStartup();
    void editableDuringNewGame();
    void readOnlyOutsideNewGame_data();
    void readOnlyOutsideNewGame();
    void ruleMarks_data();
    void ruleMarks();
    void handMarks_data();
    void handMarks();
    void helpKeepsTypedSettings();
    void namesStoredAsTyped_data();
    void namesStoredAsTyped();
    void settingsCarryIntoNextNewGame();
    void nameBoxSelectsAllOnlyOnItsOwnFocusArrivals();
};

namespace {

// Replaces the whole text of a name box the way a player would.
void typeName(platform::TextBox* box, const QString& name) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    bool ascii = true;
    for (QChar c : name)
        ascii = ascii && c.unicode() < 128;
    if (name.size() > 200 || !ascii) {
        // Long names are pasted (typing them key by key takes minutes), and so
        // are letters the test keyboard cannot type.
        QGuiApplication::clipboard()->setText(name);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(box, name);
    }
}

QList<QWidget*> editableControls() {
    return {frmOptions->txtPlayer1Name, frmOptions->txtPlayer2Name, frmOptions->lblHandOpt[0],
            frmOptions->lblHandOpt[1],  frmOptions->lblRuleOpts[0], frmOptions->lblRuleOpts[1]};
}

QStringList marks() {
    return {frmOptions->lblHandOpt[0]->caption(), frmOptions->lblHandOpt[1]->caption(),
            frmOptions->lblRuleOpts[0]->caption(), frmOptions->lblRuleOpts[1]->caption()};
}

// Everything the options window decides, as one comparable value.
struct Settings {
    QString name1, name2;
    bool hand, basic, combo;
    int winHigh;
    QStringList marks;
    bool operator==(const Settings&) const = default;
};

Settings settings() {
    return {frmOptions->gstrPlayer1Name,
            frmOptions->gstrPlayer2Name,
            frmOptions->gblnHand,
            frmOptions->gblnBasic,
            frmOptions->gblnBasicCombo,
            frmOptions->gintWinHigh,
            marks()};
}

void verifyFocusInFirstBox() {
    platform::TextBox* box = frmOptions->txtPlayer1Name;
    QCOMPARE(frmOptions->focusWidget(), box);
    QCOMPARE(box->SelStart(), 0);
    QCOMPARE(box->SelLength(), box->Text().size());
    QCOMPARE(box->selectedText(), box->Text());
}

} // namespace

namespace QTest {
template <> char* toString(const Settings& s) {
    return qstrdup(QStringLiteral("%1|%2 hand=%3 basic=%4 combo=%5 win=%6 marks=[%7]")
                       .arg(s.name1.left(40), s.name2.left(40))
                       .arg(s.hand)
                       .arg(s.basic)
                       .arg(s.combo)
                       .arg(s.winHigh)
                       .arg(s.marks.join(','))
                       .toUtf8()
                       .constData());
}
} // namespace QTest

void OptionsTest::defaultsAfterStartup() {
    Game game;
    game.start();
    const Settings expected{"Dorvik", "Mirela", false, true, false, 150, {"", "X", "X", ""}};
    QCOMPARE(settings(), expected);
    QCOMPARE(frmOptions->txtPlayer1Name->Text(), QStringLiteral("Dorvik"));
    QCOMPARE(frmOptions->txtPlayer2Name->Text(), QStringLiteral("Mirela"));
    QCOMPARE(frmMain->lblPlayer1Name->caption(), QStringLiteral("Dorvik"));
    QCOMPARE(frmMain->lblPlayer2Name->caption(), QStringLiteral("Mirela"));
    QVERIFY(!frmOptions->isVisible());
}

void OptionsTest::editableDuringNewGame() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible());
    QVERIFY(!frmMain->isVisible());
    for (QWidget* control : editableControls())
        QVERIFY2(control->isEnabled(), qPrintable(control->metaObject()->className()));
    verifyFocusInFirstBox();
    // The whole name is selected, so typing replaces it.
    QTest::keyClicks(frmOptions->txtPlayer1Name, QStringLiteral("Ysolde"));
    QCOMPARE(frmOptions->txtPlayer1Name->Text(), QStringLiteral("Ysolde"));
    Game::click(frmOptions->imgDone);
    QVERIFY(!frmOptions->isVisible());
    QVERIFY(frmPlayer1->isVisible());
    QVERIFY(!frmMain->isVisible());
    QCOMPARE(frmOptions->gstrPlayer1Name, QStringLiteral("Ysolde"));
    QCOMPARE(frmPlayer1->lblName->caption(), QStringLiteral("Ysolde"));
}

void OptionsTest::readOnlyOutsideNewGame_data() {
    QTest::addColumn<bool>("duringMatch");
    QTest::newRow("before the first game") << false;
    QTest::newRow("during a match") << true;
}

void OptionsTest::readOnlyOutsideNewGame() {
    QFETCH(bool, duringMatch);
    Game game;
    game.start();
    if (duringMatch) {
        game.newGame(true, true);
        game.chooseCards(1);
        game.chooseCards(2);
        game.place(1, 5);
    }
    const Settings before = settings();
    const int placed = frmMain->cardsPlaced();
    const int turn = frmMain->gintTurn;

    Game::click(frmMain->imgOptions);
    QVERIFY(frmOptions->isVisible());
    QVERIFY(!frmMain->isVisible());
    for (QWidget* control : editableControls())
        QVERIFY2(!control->isEnabled(), qPrintable(control->metaObject()->className()));
    // Nothing the player does here changes a setting.
    for (int i : {0, 1}) {
        Game::click(frmOptions->lblHandOpt[i]);
        Game::click(frmOptions->lblRuleOpts[i]);
    }
    QTest::keyClicks(frmOptions->txtPlayer1Name, QStringLiteral("Zed"));
    QCOMPARE(settings(), before);

    Game::click(frmOptions->imgDone);
    QVERIFY(!frmOptions->isVisible());
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmPlayer1->isVisible());
    QCOMPARE(settings(), before);
    QCOMPARE(frmMain->cardsPlaced(), placed);
    QCOMPARE(frmMain->gintTurn, turn);
}

void OptionsTest::ruleMarks_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("basic");
    QTest::addColumn<int>("winHigh");
    QTest::newRow("combo") << QList<int>{1} << false << 200;
    QTest::newRow("combo, then basic") << QList<int>{1, 0} << true << 150;
    QTest::newRow("basic, already chosen") << QList<int>{0} << true << 150;
    QTest::newRow("combo twice") << QList<int>{1, 1} << false << 200;
    QTest::newRow("basic, combo, basic, combo") << QList<int>{0, 1, 0, 1} << false << 200;
}

void OptionsTest::ruleMarks() {
    QFETCH(QList<int>, clicks);
    QFETCH(bool, basic);
    QFETCH(int, winHigh);
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    for (int i : clicks)
        Game::click(frmOptions->lblRuleOpts[i]);
    QCOMPARE(frmOptions->gblnBasic, basic);
    QCOMPARE(frmOptions->gblnBasicCombo, !basic);
    QCOMPARE(frmOptions->gintWinHigh, winHigh);
    QCOMPARE(frmOptions->lblRuleOpts[0]->caption(), basic ? "X" : "");
    QCOMPARE(frmOptions->lblRuleOpts[1]->caption(), basic ? "" : "X");
    // The hand option is untouched.
    QVERIFY(!frmOptions->gblnHand);
    QCOMPARE(frmOptions->lblHandOpt[1]->caption(), QStringLiteral("X"));
}

void OptionsTest::handMarks_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("open");
    QTest::newRow("open") << QList<int>{0} << true;
    QTest::newRow("open twice") << QList<int>{0, 0} << true;
    QTest::newRow("open, then closed") << QList<int>{0, 1} << false;
    QTest::newRow("closed, already chosen") << QList<int>{1} << false;
}

void OptionsTest::handMarks() {
    QFETCH(QList<int>, clicks);
    QFETCH(bool, open);
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    for (int i : clicks)
        Game::click(frmOptions->lblHandOpt[i]);
    QCOMPARE(frmOptions->gblnHand, open);
    QCOMPARE(frmOptions->lblHandOpt[0]->caption(), open ? "X" : "");
    QCOMPARE(frmOptions->lblHandOpt[1]->caption(), open ? "" : "X");
    QVERIFY(frmOptions->gblnBasic);
    QCOMPARE(frmOptions->gintWinHigh, 150);
}

void OptionsTest::helpKeepsTypedSettings() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    typeName(frmOptions->txtPlayer1Name, QStringLiteral("Corwen"));
    typeName(frmOptions->txtPlayer2Name, QStringLiteral("Dagny"));
    Game::click(frmOptions->lblHandOpt[0]);
    Game::click(frmOptions->lblRuleOpts[1]);

    Game::click(frmOptions->imgHelp);
    QVERIFY(frmHelp->isVisible());
    QVERIFY(!frmOptions->isVisible());
    QCOMPARE(frmHelp->gstrCaller, QStringLiteral("Options"));
    Game::click(frmHelp->imgDone);
    QVERIFY(!frmHelp->isVisible());
    QVERIFY(frmOptions->isVisible());

    const Settings expected{"Corwen", "Dagny", true, false, true, 200, {"X", "", "", "X"}};
    QCOMPARE(settings(), expected);
    QCOMPARE(frmOptions->txtPlayer1Name->Text(), QStringLiteral("Corwen"));
    QCOMPARE(frmOptions->txtPlayer2Name->Text(), QStringLiteral("Dagny"));
    for (QWidget* control : editableControls())
        QVERIFY(control->isEnabled());
    verifyFocusInFirstBox();

    Game::click(frmOptions->imgDone);
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(frmPlayer1->lblName->caption(), QStringLiteral("Corwen"));
}

void OptionsTest::namesStoredAsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("markup") << QStringLiteral("<b>x</b>");
    QTest::newRow("entity and ampersand") << QStringLiteral("&amp; R&D");
    QTest::newRow("spaces around") << QStringLiteral("  Ida  ");
    QTest::newRow("accents") << QStringLiteral("Ørjan Ĳssel");
    QString longName;
    for (int i = 0; i < 10000; ++i)
        longName += QStringLiteral("Longname%1 ").arg(i % 10);
    QTest::newRow("100000 characters") << longName.left(100000);
}

void OptionsTest::namesStoredAsTyped() {
    QFETCH(QString, name);
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    typeName(frmOptions->txtPlayer1Name, name);
    // Player 2 gets a prefixed name, so that the two cannot be mixed up.
    const QString other = QStringLiteral("2:") + name;
    typeName(frmOptions->txtPlayer2Name, other);
    QCOMPARE(frmOptions->txtPlayer1Name->Text().size(), name.size());
    Game::click(frmOptions->imgDone);
    QCOMPARE(frmOptions->gstrPlayer1Name, name);
    QCOMPARE(frmOptions->gstrPlayer2Name, other);
    QCOMPARE(frmPlayer1->lblName->caption(), name);
    QCOMPARE(frmPlayer1->lblName->text(), name);
    game.chooseCards(1);
    QCOMPARE(frmPlayer2->lblName->caption(), other);
    game.chooseCards(2);
    QVERIFY(frmMain->isVisible());
    // The main window shows the names literally, never as markup.
    for (platform::Label* label : {frmMain->lblPlayer1Name, frmMain->lblPlayer2Name}) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QCOMPARE(frmMain->lblPlayer1Name->caption(), name);
    QCOMPARE(frmMain->lblPlayer1Name->text(), name);
    QCOMPARE(frmMain->lblPlayer2Name->text(), other);
}

void OptionsTest::settingsCarryIntoNextNewGame() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    typeName(frmOptions->txtPlayer1Name, QStringLiteral("Egon"));
    typeName(frmOptions->txtPlayer2Name, QStringLiteral("Fenna"));
    Game::click(frmOptions->lblHandOpt[0]);
    Game::click(frmOptions->lblRuleOpts[1]);
    Game::click(frmOptions->imgDone);
    game.chooseCards(1);
    game.chooseCards(2);
    game.place(1, 1);
    // Looking at the options during the match disables everything ...
    Game::click(frmMain->imgOptions);
    Game::click(frmOptions->imgDone);
    const Settings chosen = settings();
    const Settings expected{"Egon", "Fenna", true, false, true, 200, {"X", "", "", "X"}};
    QCOMPARE(chosen, expected);

    // ... and the next New Game enables it all again with the same settings.
    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible());
    for (QWidget* control : editableControls())
        QVERIFY(control->isEnabled());
    QCOMPARE(settings(), chosen);
    verifyFocusInFirstBox();
    Game::click(frmOptions->imgDone);
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(frmPlayer1->lblName->caption(), QStringLiteral("Egon"));
    // Open hands: the offer is there at once, without card backs.
    QVERIFY(!frmPlayer1->tmr1->isEnabled());
    QVERIFY(frmPlayer1->offerShown());
}

// A click into player 2's box selects the whole name, so typing replaces it.
// Afterwards the context menu (closed with Escape) and the window becoming
// active again leave the cursor where the player put it.
void OptionsTest::nameBoxSelectsAllOnlyOnItsOwnFocusArrivals() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible());
    QApplication::setActiveWindow(frmOptions);
    QTRY_VERIFY(frmOptions->isActiveWindow());
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QCOMPARE(box->Text(), QStringLiteral("Mirela"));
    QVERIFY(!box->hasFocus());

    const QPoint inBox = box->mapToGlobal(QPoint(box->width() / 2 + 10, box->height() / 2));
    QCOMPARE(QApplication::widgetAt(inBox), box);
    screenmouse::click(inBox, screenmouse::doubleClickInterval() + 100);
    QVERIFY(box->hasFocus());
    QCOMPARE(box->SelStart(), 0);
    QCOMPARE(box->SelLength(), 6);
    QTest::keyClicks(box, QStringLiteral("Zoe"));
    QCOMPARE(box->Text(), QStringLiteral("Zoe"));

    QTest::keyClick(box, Qt::Key_Home);
    QTimer::singleShot(100, box, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 10),
                           box->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(box, &menu);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::keyClicks(box, QStringLiteral("A"));
    QCOMPARE(box->Text(), QStringLiteral("AZoe"));

    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QTRY_VERIFY(elsewhere.isActiveWindow());
    QApplication::setActiveWindow(frmOptions);
    QTRY_VERIFY(frmOptions->isActiveWindow());
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("b"));
    QCOMPARE(box->Text(), QStringLiteral("AbZoe"));

    Game::click(frmOptions->imgDone);
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("AbZoe"));
}

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
