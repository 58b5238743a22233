// Every window by keyboard and by screen reader, in-process: keys reach the
// same handlers a click does, focus frames show only while the keyboard is in
// use, and what Qt's accessibility offers a screen reader (roles, names,
// states, announcements) is read back and held against the tables.

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmWinner.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace {

// A key as the window system delivers it: to the active window, which hands
// it to the control holding its focus.
void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    platform::Form* form = platform::Form::activeForm();
    QVERIFY2(form && form->windowHandle(), "no active window to type into");
    QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(k), modifiers);
}

void type(const QString& text) {
    platform::Form* form = platform::Form::activeForm();
    QVERIFY(form && form->windowHandle());
    for (QChar c : text)
        QTest::keyClick(form->windowHandle(), c.toLatin1());
}

QAccessibleInterface* accessible(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control);
}

QString nameOf(QWidget* control) {
    QAccessibleInterface* iface = accessible(control);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

QAccessible::Role roleOf(QWidget* control) {
    QAccessibleInterface* iface = accessible(control);
    return iface ? iface->role() : QAccessible::NoRole;
}

// The card of `table` at slot `location` as the screen reader must speak it.
QString edgesInTable(TestFolder& folder, const QString& table, int location) {
    const QString where =
        QStringLiteral(" FROM %1 WHERE fldLocation = %2").arg(table).arg(location);
    auto field = [&](const char* name) {
        return folder.query(QStringLiteral("SELECT %1").arg(QLatin1String(name)) + where).toInt();
    };
    return QStringLiteral("north %1, east %2, south %3, west %4")
        .arg(field("fldNorth"))
        .arg(field("fldEast"))
        .arg(field("fldSouth"))
        .arg(field("fldWest"));
}

int ownerInTable(TestFolder& folder, int location) {
    return folder
        .query(
            QStringLiteral("SELECT fldOwner FROM DirtyBoard WHERE fldLocation = %1").arg(location))
        .toInt();
}

// The keypad key whose place on the keypad is square L of the board.
int keypadKey(int L) {
    static const int keys[] = {0,         Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_4,
                               Qt::Key_5, Qt::Key_6, Qt::Key_1, Qt::Key_2, Qt::Key_3};
    return keys[L];
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void wholeHandByKeyboard_data();
    void wholeHandByKeyboard();
    void menuKeys_data();
    void menuKeys();
    void arrowsMoveFrameOverSquares_data();
    void arrowsMoveFrameOverSquares();
    void lockedHandRefusesKeys();
    void focusFrameOnlyAfterKeyboard();
    void optionsTabOrderAndMarks();
    void helpKeysScrollAndReturn_data();
    void helpKeysScrollAndReturn();
    void messageAndResultByKeys_data();
    void messageAndResultByKeys();
    void hiddenCardsNeverSpeakTheirEdges();
    void refusedSelectionKeepsTheKeys();
    void everyControlNamedWithRole();

  private:
    // New Game, names and options, both selections, all by keys.
    void setUpByKeys(bool open, bool combo);
    std::unique_ptr<Game> m_game;
};

void AccessibilityTest::init() {
    m_game = std::make_unique<Game>();
    m_game->start();
    QVERIFY(frmMain->isVisible());
}

void AccessibilityTest::cleanup() {
    m_game.reset();
}

void AccessibilityTest::setUpByKeys(bool open, bool combo) {
    key(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(frmOptions->isVisible());
    QVERIFY(!frmMain->isVisible());
    // The focus is in player 1's box with its name selected: typing replaces it.
    QCOMPARE(frmOptions->focusWidget(), frmOptions->txtPlayer1Name);
    type(QStringLiteral("Ann"));
    key(Qt::Key_Tab);
    QCOMPARE(frmOptions->focusWidget(), frmOptions->txtPlayer2Name);
    type(QStringLiteral("Bob"));
    key(Qt::Key_Tab); // Open Hand
    if (open)
        key(Qt::Key_Space);
    key(Qt::Key_Tab); // Closed Hand
    key(Qt::Key_Tab); // Basic Rules
    key(Qt::Key_Tab); // Basic Combo Rules
    if (combo)
        key(Qt::Key_Space);
    QCOMPARE(frmOptions->gblnHand, open);
    QCOMPARE(frmOptions->gblnBasicCombo, combo);
    key(Qt::Key_Return);
    QCOMPARE(frmOptions->gstrPlayer1Name, QStringLiteral("Ann"));
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Bob"));
    for (int p = 1; p <= 2; ++p) {
        FrmPlayer* window = p == 1 ? frmPlayer1 : frmPlayer2;
        QVERIFY(window->isVisible());
        QCOMPARE(platform::Form::activeForm(), window);
        m_game->revealOffer(p);
        for (int k = Qt::Key_1; k <= Qt::Key_5; ++k)
            key(k + 3 * (p - 1));
        QCOMPARE(window->selectedCount(), 5);
        key(Qt::Key_Return);
        QVERIFY(!window->isVisible());
    }
    QVERIFY(frmMain->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmMain);
}

void AccessibilityTest::wholeHandByKeyboard_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("combo");
    QTest::newRow("open-basic") << true << false;
    QTest::newRow("closed-combo") << false << true;
}

// Keys only: every placement lands where the key says, the squares speak the
// card the table holds, and every capture is announced.
void AccessibilityTest::wholeHandByKeyboard() {
    QFETCH(bool, open);
    QFETCH(bool, combo);
    QString alert;
    int lastSquare = 0;
    int ownerAtMessage = 0;
    m_game->onModal([&](platform::Form* form) {
        if (form == frmMessage) {
            // The ninth card lies on the board while the message shows.
            ownerAtMessage = ownerInTable(m_game->folder(), lastSquare);
            alert = platform::lastAnnouncement(frmMessage);
            QCOMPARE(roleOf(frmMessage), QAccessible::AlertMessage);
            QCOMPARE(platform::Form::activeForm(), frmMessage);
            key(Qt::Key_Escape);
        }
    });
    setUpByKeys(open, combo);
    TestFolder& db = m_game->folder();
    for (int k = 0; k < 9; ++k) {
        frmMain->tmrHideHand->tick();
        const int P = frmMain->gintTurn;
        const int slot = Game::heldSlots().value(0);
        const int L = Game::freeSquares().value(k % 2 ? Game::freeSquares().size() - 1 : 0);
        const QString handEdges = edgesInTable(db, P == 1 ? "P1Hand" : "P2Hand", slot);
        // The picked card speaks its edges and is selected.
        key(Qt::Key_0 + slot);
        QWidget* picked = (P == 1 ? frmMain->imgP1 : frmMain->imgP2)[slot];
        QVERIFY2(nameOf(picked).endsWith(handEdges), qPrintable(nameOf(picked)));
        QVERIFY(accessible(picked)->state().selected);
        std::array<int, 10> ownersBefore{};
        for (int l = 1; l <= 9; ++l)
            ownersBefore[l] = ownerInTable(db, l);
        lastSquare = L;
        if (k % 3 == 2) {
            // Arrows from the middle square, then Enter.
            key(Qt::Key_Left);
            if (frmMain->focusWidget() != frmMain->imgBoard[5])
                key(Qt::Key_Left); // the first arrow brought the frame to the middle
            for (int guard = 0; frmMain->focusWidget() != frmMain->imgBoard[L] && guard < 6;
                 ++guard) {
                const int at = std::find(frmMain->imgBoard.begin(), frmMain->imgBoard.end(),
                                         frmMain->focusWidget()) -
                               frmMain->imgBoard.begin();
                const int dr = (L - 1) / 3 - (at - 1) / 3, dc = (L - 1) % 3 - (at - 1) % 3;
                key(dr < 0   ? Qt::Key_Up
                    : dr > 0 ? Qt::Key_Down
                    : dc < 0 ? Qt::Key_Left
                             : Qt::Key_Right);
            }
            QCOMPARE(frmMain->focusWidget(), frmMain->imgBoard[L]);
            key(k % 2 ? Qt::Key_Space : Qt::Key_Return);
        } else {
            key(keypadKey(L), Qt::KeypadModifier);
        }
        if (k == 8)
            break; // the hand has ended and the board is cleared for the next one
        QVERIFY2(frmMain->boardUsed(L),
                 qPrintable(QStringLiteral("placement %1 on %2").arg(k).arg(L)));
        QCOMPARE(ownerInTable(db, L), P);
        const QString colour = P == 1 ? QStringLiteral("red") : QStringLiteral("blue");
        QCOMPARE(nameOf(frmMain->imgBoard[L]), QStringLiteral("Square %1: %2 card, %3")
                                                   .arg(L)
                                                   .arg(colour, edgesInTable(db, "DirtyBoard", L)));
        const QString mover = P == 1 ? QStringLiteral("Ann") : QStringLiteral("Bob");
        {
            const QString spoken = platform::lastAnnouncement(frmMain);
            QVERIFY2(spoken.startsWith(
                         QStringLiteral("%1 placed a card on square %2.").arg(mover).arg(L)),
                     qPrintable(spoken));
            for (int l = 1; l <= 9; ++l) {
                const bool taken =
                    l != L && ownersBefore[l] != 0 && ownerInTable(db, l) != ownersBefore[l];
                QCOMPARE(
                    spoken.contains(QStringLiteral("Square %1 taken by %2.").arg(l).arg(mover)),
                    taken);
                if (l != L && frmMain->boardUsed(l))
                    QVERIFY(nameOf(frmMain->imgBoard[l])
                                .contains(ownerInTable(db, l) == 1 ? "red" : "blue"));
            }
            QVERIFY(spoken.endsWith(QStringLiteral("%1's turn.").arg(P == 1 ? "Bob" : "Ann")));
        }
    }
    QCOMPARE(m_game->modalCount(), 1);
    QCOMPARE(ownerAtMessage, 3 - frmMain->gintTurn);
    QCOMPARE(alert, m_game->lastMessage().simplified());
    // The keys work at once in the next window (player 1's next selection).
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmPlayer1);
}

void AccessibilityTest::menuKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown"); // the window the key leads to; "" = program ended
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << "frmOptions";
    QTest::newRow("Alt+N") << int(Qt::Key_N) << int(Qt::AltModifier) << "frmOptions";
    QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier) << "frmOptions";
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << "frmHelp";
    QTest::newRow("Alt+H") << int(Qt::Key_H) << int(Qt::AltModifier) << "frmHelp";
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "";
    QTest::newRow("Alt+X") << int(Qt::Key_X) << int(Qt::AltModifier) << "";
    QTest::newRow("plain N") << int(Qt::Key_N) << int(Qt::NoModifier) << "frmMain";
}

// The menu keys press the picture buttons: their actions, not look-alikes.
void AccessibilityTest::menuKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    ::key(key, Qt::KeyboardModifiers(modifiers));
    if (shown.isEmpty()) {
        QVERIFY(!frmMain->isLoaded());
        QCOMPARE(
            m_game->folder().query("SELECT COUNT(*) FROM DirtyBoard WHERE fldOwner <> 0").toInt(),
            0);
        return;
    }
    platform::Form* active = platform::Form::activeForm();
    QVERIFY(active);
    QCOMPARE(active->objectName(), shown);
    QCOMPARE(frmMain->isVisible(), shown == QLatin1String("frmMain"));
    if (shown == QLatin1String("frmOptions")) {
        // New Game opens the names for editing, Options only shows them.
        QCOMPARE(frmMain->gblnNewGame, key == Qt::Key_N);
        QCOMPARE(frmOptions->txtPlayer1Name->isEnabled(), key == Qt::Key_N);
    }
    if (shown == QLatin1String("frmHelp"))
        QCOMPARE(frmHelp->gstrCaller, QStringLiteral("Main"));
}

void AccessibilityTest::arrowsMoveFrameOverSquares_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("square");
    QTest::newRow("first arrow: middle") << QList<int>{Qt::Key_Up} << 5;
    QTest::newRow("up left corner") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left} << 1;
    QTest::newRow("stops at the edge")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right} << 9;
    QTest::newRow("right then left") << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Left} << 5;
    QTest::newRow("down middle") << QList<int>{Qt::Key_Left, Qt::Key_Down} << 8;
}

void AccessibilityTest::arrowsMoveFrameOverSquares() {
    QFETCH(QList<int>, keys);
    QFETCH(int, square);
    frmMain->imgNewGame->setFocus(); // away from the board
    for (int k : keys)
        key(k);
    QCOMPARE(frmMain->focusWidget(), frmMain->imgBoard[square]);
    // Nothing was placed or picked by moving the frame.
    QCOMPARE(Game::freeSquares().size(), 9);
}

// A hidden hand is locked for its owner until it turns face up: the keys go
// the way of the mouse and are refused as well.
void AccessibilityTest::lockedHandRefusesKeys() {
    setUpByKeys(false, false);
    frmMain->tmrHideHand->tick();
    const int P = frmMain->gintTurn;
    key(Qt::Key_1);
    key(keypadKey(1), Qt::KeypadModifier);
    QVERIFY(frmMain->boardUsed(1));
    frmMain->tmrHideHand->tick();
    key(Qt::Key_1);
    key(keypadKey(2), Qt::KeypadModifier);
    QVERIFY(frmMain->boardUsed(2));
    // P's turn again, but his hand stays locked until it turns face up.
    QCOMPARE(frmMain->gintTurn, P);
    auto& hand = P == 1 ? frmMain->imgP1 : frmMain->imgP2;
    QVERIFY(!hand[2]->isEnabled());
    key(Qt::Key_2);
    key(keypadKey(3), Qt::KeypadModifier);
    QVERIFY(!frmMain->boardUsed(3));
    frmMain->tmrHideHand->tick();
    key(Qt::Key_2);
    key(keypadKey(3), Qt::KeypadModifier);
    QVERIFY(frmMain->boardUsed(3));
    QCOMPARE(ownerInTable(m_game->folder(), 3), P);
}

void AccessibilityTest::focusFrameOnlyAfterKeyboard() {
    const QImage designed = frmMain->grab().toImage();
    QVERIFY(!platform::keyboardUsed(frmMain));
    key(Qt::Key_Right); // the frame comes to the middle square
    QVERIFY(platform::keyboardUsed(frmMain));
    const QImage framed = frmMain->grab().toImage();
    const QRect square = frmMain->imgBoard[5]->geometry();
    QVERIFY(framed != designed);
    // Only the framed square differs.
    for (int y = 0; y < designed.height(); y += 2)
        for (int x = 0; x < designed.width(); x += 2)
            if (designed.pixel(x, y) != framed.pixel(x, y))
                QVERIFY2(square.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    QVERIFY(designed.pixel(square.topLeft() + QPoint(2, 2)) !=
            framed.pixel(square.topLeft() + QPoint(2, 2)));
    // A mouse click anywhere in the window: the designed look again.
    QTest::mouseClick(frmMain, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!platform::keyboardUsed(frmMain));
    QCOMPARE(frmMain->grab().toImage(), designed);
    // The same in the options window's marks.
    key(Qt::Key_N, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(frmOptions->focusWidget(), frmOptions->lblHandOpt[0]);
    const QImage markFramed = frmOptions->grab().toImage();
    QTest::mouseClick(frmOptions, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    const QImage markPlain = frmOptions->grab().toImage();
    const QRect mark = frmOptions->lblHandOpt[0]->geometry();
    QVERIFY(markFramed.pixel(mark.topLeft() + QPoint(2, 2)) !=
            markPlain.pixel(mark.topLeft() + QPoint(2, 2)));
}

void AccessibilityTest::optionsTabOrderAndMarks() {
    key(Qt::Key_N, Qt::ControlModifier);
    const QList<QWidget*> expected = {frmOptions->txtPlayer2Name, frmOptions->lblHandOpt[0],
                                      frmOptions->lblHandOpt[1],  frmOptions->lblRuleOpts[0],
                                      frmOptions->lblRuleOpts[1], frmOptions->imgDone,
                                      frmOptions->imgHelp,        frmOptions->txtPlayer1Name};
    for (QWidget* next : expected) {
        key(Qt::Key_Tab);
        QCOMPARE(frmOptions->focusWidget(), next);
    }
    // Space on a mark does what its click does; the screen reader sees both marks change.
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(frmOptions->focusWidget(), frmOptions->lblRuleOpts[0]);
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    QVERIFY(frmOptions->gblnBasicCombo);
    QCOMPARE(frmOptions->gintWinHigh, qint16(200));
    QVERIFY(accessible(frmOptions->lblRuleOpts[1])->state().checked);
    QVERIFY(!accessible(frmOptions->lblRuleOpts[0])->state().checked);
    QCOMPARE(roleOf(frmOptions->lblRuleOpts[1]), QAccessible::RadioButton);
    QCOMPARE(nameOf(frmOptions->lblRuleOpts[1]), QStringLiteral("Basic Combo Rules"));
    key(Qt::Key_Space); // an option is switched, never cleared
    QVERIFY(frmOptions->gblnBasicCombo);
    // F1 is Help and back; the keys work at once in the options again.
    key(Qt::Key_F1);
    QVERIFY(frmHelp->isVisible());
    QCOMPARE(frmHelp->gstrCaller, QStringLiteral("Options"));
    key(Qt::Key_Return);
    QVERIFY(frmOptions->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmOptions);
    key(Qt::Key_Return);
    QVERIFY(frmPlayer1->isVisible());
    // Outside New Game the marks are disabled and Tab passes them by.
    m_game->chooseCards(1);
    m_game->chooseCards(2);
    key(Qt::Key_O, Qt::AltModifier);
    QVERIFY(frmOptions->isVisible());
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
        QVERIFY(frmOptions->focusWidget() == frmOptions->imgDone ||
                frmOptions->focusWidget() == frmOptions->imgHelp);
    }
    key(Qt::Key_Space);
    QVERIFY(frmOptions->gblnBasicCombo);
}

void AccessibilityTest::helpKeysScrollAndReturn_data() {
    QTest::addColumn<int>("closeKey");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void AccessibilityTest::helpKeysScrollAndReturn() {
    QFETCH(int, closeKey);
    key(Qt::Key_F1);
    QVERIFY(frmHelp->isVisible());
    QScrollBar* bar = frmHelp->rtfHelp->verticalScrollBar();
    QVERIFY(bar->maximum() > bar->pageStep());
    QCOMPARE(bar->value(), 0);
    key(Qt::Key_PageDown);
    QCOMPARE(bar->value(), bar->pageStep());
    key(Qt::Key_PageDown);
    key(Qt::Key_PageUp);
    QCOMPARE(bar->value(), bar->pageStep());
    key(Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    key(Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
    key(closeKey);
    QVERIFY(!frmHelp->isLoaded());
    QVERIFY(frmMain->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmMain);
    // Straight back in with the keyboard, no click in between.
    key(Qt::Key_H, Qt::AltModifier);
    QVERIFY(frmHelp->isVisible());
}

void AccessibilityTest::messageAndResultByKeys_data() {
    QTest::addColumn<int>("messageKey");
    QTest::addColumn<int>("resultKey");
    QTest::newRow("Enter, Escape") << int(Qt::Key_Return) << int(Qt::Key_Escape);
    QTest::newRow("Escape, Enter") << int(Qt::Key_Escape) << int(Qt::Key_Enter);
}

// The message of a won match by keys: the alert, then the result window whose
// totals are read out, each closed by its key.
void AccessibilityTest::messageAndResultByKeys() {
    QFETCH(int, messageKey);
    QFETCH(int, resultKey);
    QStringList seen;
    QString totals;
    m_game->onModal([&](platform::Form* form) {
        seen << form->objectName();
        if (form == frmWinner)
            totals = platform::lastAnnouncement(frmWinner);
        key(form == frmMessage ? messageKey : resultKey);
    });
    frmMain->gblnWinner = true;
    frmMessage->lblMsg->setCaption(QStringLiteral("Ann\r\n wins with 580"));
    frmWinner->lblP1Name->setCaption(QStringLiteral("  Ann  "));
    frmWinner->lblP1Total->setCaption(QStringLiteral("580"));
    frmWinner->lblP2Total->setCaption(QStringLiteral("300"));
    frmMessage->ShowModal();
    QCOMPARE(seen, (QStringList{"frmMessage", "frmWinner"}));
    QCOMPARE(platform::lastAnnouncement(frmMessage), QStringLiteral("Ann wins with 580"));
    QCOMPARE(nameOf(frmMessage), QStringLiteral("Ann wins with 580"));
    QVERIFY2(totals.contains(QStringLiteral("Ann: round 1 000,")), qPrintable(totals));
    QVERIFY(totals.contains(QStringLiteral("total 580.")));
    QVERIFY(totals.contains(QStringLiteral("Mirela: round 1 000,")));
    QVERIFY(totals.endsWith(QStringLiteral("total 300.")));
    QVERIFY(!frmMessage->isVisible());
    QVERIFY(!frmWinner->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmMain);
}

// Closed Hand: the hand not on turn, and the offer before its two seconds,
// are named without a single edge value.
void AccessibilityTest::hiddenCardsNeverSpeakTheirEdges() {
    key(Qt::Key_N, Qt::ControlModifier);
    key(Qt::Key_Return);
    QVERIFY(frmPlayer1->isVisible());
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(nameOf(frmPlayer1->imgCard[i]),
                 QStringLiteral("Offered card %1 of 8, face down").arg(i));
    m_game->revealOffer(1);
    key(Qt::Key_3);
    const QString marked = nameOf(frmPlayer1->imgCard[3]);
    QCOMPARE(marked, QStringLiteral("Offered card 3 of 8: %1, marked")
                         .arg(edgesInTable(m_game->folder(), "P1Stock", 3)));
    QVERIFY(accessible(frmPlayer1->imgCard[3])->state().checked);
    QVERIFY(nameOf(frmPlayer1->imgCard[4]).endsWith(QStringLiteral(", not marked")));
    QVERIFY(!accessible(frmPlayer1->imgCard[4])->state().checked);
    key(Qt::Key_3);
    m_game->chooseCards(1);
    m_game->chooseCards(2);
    auto names = [](int P) {
        QStringList all;
        for (int s = 1; s <= 5; ++s)
            all << nameOf((P == 1 ? frmMain->imgP1 : frmMain->imgP2)[s]);
        return all;
    };
    for (int P = 1; P <= 2; ++P)
        for (const QString& name : names(P))
            QVERIFY2(name.endsWith(QStringLiteral(", face down")) && !name.contains("north"),
                     qPrintable(name));
    frmMain->tmrHideHand->tick();
    const int P = frmMain->gintTurn;
    const QString owner = P == 1 ? QStringLiteral("Dorvik") : QStringLiteral("Mirela");
    for (int s = 1; s <= 5; ++s) {
        QCOMPARE(names(P)[s - 1],
                 QStringLiteral("%1's card %2 of 5: %3")
                     .arg(owner)
                     .arg(s)
                     .arg(edgesInTable(m_game->folder(), P == 1 ? "P1Hand" : "P2Hand", s)));
        QVERIFY(!names(3 - P)[s - 1].contains("north"));
    }
    key(Qt::Key_2);
    key(keypadKey(5), Qt::KeypadModifier);
    // The mover's rest turns face down at once, and says so.
    for (const QString& name : names(P))
        QVERIFY2(!name.contains("north"), qPrintable(name));
    QCOMPARE(names(P)[1], QStringLiteral("%1's card 2 of 5, empty").arg(owner));
}

// Enter with four cards marked brings the refusal; Enter closes it and the
// selection window takes the next keys at once.
void AccessibilityTest::refusedSelectionKeepsTheKeys() {
    QString heard;
    m_game->onModal([&](platform::Form* form) {
        heard = platform::lastAnnouncement(form);
        QCOMPARE(platform::Form::activeForm(), frmMessage);
        key(Qt::Key_Return);
    });
    key(Qt::Key_N, Qt::AltModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // Open Hand: the offer shows at once
    key(Qt::Key_Return);
    for (int k : {Qt::Key_2, Qt::Key_4, Qt::Key_6, Qt::Key_8})
        key(k);
    key(Qt::Key_Return);
    QCOMPARE(heard, QStringLiteral("You must select 5 cards to play"));
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(platform::Form::activeForm(), frmPlayer1);
    QCOMPARE(frmPlayer1->selectedCount(), 4);
    key(Qt::Key_7);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(frmPlayer2->isVisible());
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(frmPlayer1->imgSelect[i]->Visible(), i >= 6 || i % 2 == 0);
}

// Every control a player acts on or reads has a role and a name.
void AccessibilityTest::everyControlNamedWithRole() {
    struct Expect {
        QWidget* control;
        QAccessible::Role role;
        QString name;
    };
    const QList<Expect> table = {
        {frmMain->imgNewGame, QAccessible::Button, "New Game"},
        {frmMain->imgOptions, QAccessible::Button, "Options"},
        {frmMain->imgHelp, QAccessible::Button, "Help"},
        {frmMain->imgExit, QAccessible::Button, "Exit"},
        {frmMain->imgBoard[5], QAccessible::Button, "Square 5, empty"},
        {frmMain->imgP1[3], QAccessible::Button, "Dorvik's card 3 of 5, face down"},
        {frmMain->imgP2[1], QAccessible::Button, "Mirela's card 1 of 5, face down"},
        {frmMain->lblPlayer1Name, QAccessible::StaticText, "Player 1, red: Dorvik"},
        {frmMain->lblPlayer2Name, QAccessible::StaticText, "Player 2, blue: Mirela"},
        {frmMain->lblPlayer1Score, QAccessible::StaticText, "Dorvik's score: 0"},
        {frmMain->imgRedLight[0], QAccessible::Graphic, "Dorvik's round light 1: not won"},
        {frmMain->imgBlueLight[2], QAccessible::Graphic, "Mirela's round light 3: not won"},
        {frmPlayer1->imgDone, QAccessible::Button, "Done"},
        {frmPlayer2->lblName, QAccessible::StaticText, "Player 2: Player 2"},
        {frmOptions->txtPlayer1Name, QAccessible::EditableText, "Player 1"},
        {frmOptions->txtPlayer2Name, QAccessible::EditableText, "Player 2"},
        {frmOptions->lblHandOpt[0], QAccessible::RadioButton, "Open Hand"},
        {frmOptions->lblHandOpt[1], QAccessible::RadioButton, "Closed Hand"},
        {frmOptions->lblRuleOpts[0], QAccessible::RadioButton, "Basic Rules"},
        {frmOptions->imgDone, QAccessible::Button, "Done"},
        {frmOptions->imgHelp, QAccessible::Button, "Help"},
        {frmOptions, QAccessible::Window, "Options"},
        {frmMessage->imgDone, QAccessible::Button, "Done"},
        {frmMessage, QAccessible::AlertMessage, "Ready for the next round"},
        {frmWinner->imgDone, QAccessible::Button, "Done"},
        {frmWinner, QAccessible::Window, "Game Stats"},
        {frmHelp->imgDone, QAccessible::Button, "Done"},
        {frmHelp->rtfHelp, QAccessible::EditableText, "Rules"},
    };
    for (const Expect& e : table) {
        const QString what = e.control->objectName() + QLatin1Char(' ') + e.name;
        QVERIFY2(accessible(e.control), qPrintable(what));
        QCOMPARE(nameOf(e.control), e.name);
        if (e.control != frmHelp->rtfHelp)
            QCOMPARE(roleOf(e.control), e.role);
    }
    // The buttons can be pressed from the screen reader too.
    QAccessibleActionInterface* action = accessible(frmMain->imgHelp)->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(frmHelp->isVisible());
    // The lights and scores follow the match state.
    frmMain->gintP1GamesWon = 2;
    QCOMPARE(nameOf(frmMain->imgRedLight[1]), QStringLiteral("Dorvik's round light 2: won"));
    QCOMPARE(nameOf(frmMain->imgRedLight[2]), QStringLiteral("Dorvik's round light 3: not won"));
    frmMain->lblPlayer2Score->setCaption(QStringLiteral("045"));
    QCOMPARE(nameOf(frmMain->lblPlayer2Score), QStringLiteral("Mirela's score: 45"));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
