// Every window by keyboard and by screen reader, in-process: keys reach the
// same handlers a click does, focus frames show only while the keyboard is in
// use, and what Qt's accessibility offers a screen reader (roles, names,
// states, announcements) is read back and held against the tables.

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/Platform.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmWinner.h"

#include <QAccessible>
#include <QApplication>
#include <QLocale>
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
    void scrollBarValueRefusedLikeDrag();
    void messageAndResultByKeys_data();
    void messageAndResultByKeys();
    void hiddenCardsNeverSpeakTheirEdges();
    void refusedSelectionKeepsTheKeys();
    void everyControlNamedWithRole();
    void splashNamedOnceShown();

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
    QString alert, scoresAtMessage, announcedAtMessage;
    int lastSquare = 0;
    int ownerAtMessage = 0;
    std::array<int, 10> ownersAtMessage{};
    m_game->onModal([&](platform::Form* form) {
        if (form == frmMessage) {
            // The ninth card lies on the board while the message shows.
            ownerAtMessage = ownerInTable(m_game->folder(), lastSquare);
            for (int l = 1; l <= 9; ++l)
                ownersAtMessage[l] = ownerInTable(m_game->folder(), l);
            alert = nameOf(frmMessage);
            announcedAtMessage = platform::lastAnnouncement(frmMain);
            scoresAtMessage = QStringLiteral("Score %1 to %2.")
                                  .arg(frmMain->PlayRules().gintPlayer1Score)
                                  .arg(frmMain->PlayRules().gintPlayer2Score);
            QCOMPARE(roleOf(frmMessage), QAccessible::AlertMessage);
            QCOMPARE(platform::Form::activeForm(), frmMessage);
            key(Qt::Key_Escape);
        }
    });
    setUpByKeys(open, combo);
    TestFolder& db = m_game->folder();
    QString lastPlacement, lastWithoutScore;
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
        QCOMPARE(platform::lastAnnouncement(frmMain),
                 QStringLiteral("Card %1, %2.").arg(slot).arg(handEdges));
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
        } else if (k % 3 == 1) {
            // Ctrl and the square's number, which leaves the focus where it is.
            QWidget* focus = frmMain->focusWidget();
            key(Qt::Key_0 + L, Qt::ControlModifier);
            if (k < 8)
                QCOMPARE(frmMain->focusWidget(), focus);
        } else {
            key(keypadKey(L), Qt::KeypadModifier);
        }
        // What the placement says: its square, what it took with the score,
        // and who plays next.
        // The last placement is read from the board as the message found it.
        QStringList taken;
        for (int l = 1; l <= 9; ++l) {
            const int owner = k == 8 ? ownersAtMessage[l] : ownerInTable(db, l);
            if (l != L && ownersBefore[l] != 0 && owner != ownersBefore[l])
                taken << QString::number(l);
        }
        QString expected = QStringLiteral("Placed on square %1.").arg(L);
        if (!taken.isEmpty())
            expected += QStringLiteral(" Took square%1 %2.")
                            .arg(taken.size() > 1 ? "s" : "", QLocale().createSeparatedList(taken));
        lastWithoutScore = expected;
        if (!taken.isEmpty())
            expected += QStringLiteral(" Score %1 to %2.")
                            .arg(frmMain->PlayRules().gintPlayer1Score)
                            .arg(frmMain->PlayRules().gintPlayer2Score);
        lastPlacement = platform::lastAnnouncement(frmMain);
        if (k == 8) {
            // No notice for the last placement: the message's alert reads it,
            // and it is heard once. The board's last words are the pick's.
            QCOMPARE(announcedAtMessage, QStringLiteral("Card %1, %2.").arg(slot).arg(handEdges));
            break; // the hand has ended and the board is cleared for the next one
        }
        QCOMPARE(
            lastPlacement,
            expected +
                QStringLiteral(" %1 to play.").arg(platform::isolated(P == 1 ? "Bob" : "Ann")));
        QVERIFY2(frmMain->boardUsed(L),
                 qPrintable(QStringLiteral("placement %1 on %2").arg(k).arg(L)));
        QCOMPARE(ownerInTable(db, L), P);
        const QString colour = P == 1 ? QStringLiteral("red") : QStringLiteral("blue");
        QCOMPARE(nameOf(frmMain->imgBoard[L]), QStringLiteral("Square %1, %2 card, %3")
                                                   .arg(L)
                                                   .arg(colour, edgesInTable(db, "DirtyBoard", L)));
        for (int l = 1; l <= 9; ++l)
            if (l != L && frmMain->boardUsed(l))
                QVERIFY(nameOf(frmMain->imgBoard[l])
                            .contains(ownerInTable(db, l) == 1 ? "red" : "blue"));
    }
    QCOMPARE(m_game->modalCount(), 1);
    QCOMPARE(ownerAtMessage, 3 - frmMain->gintTurn);
    // The alert reads the last placement (its announcement is lost as the
    // message takes the screen reader), the message and the scores.
    QCOMPARE(alert, lastWithoutScore + QLatin1Char(' ') + m_game->lastMessage().simplified() +
                        QLatin1Char(' ') + scoresAtMessage);
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

// A screen reader sets the rules' scroll bar only where the player could drag
// it: not while a modal window stands in front of Help, nor while Help is
// disabled or hidden.
void AccessibilityTest::scrollBarValueRefusedLikeDrag() {
    key(Qt::Key_F1);
    QVERIFY(frmHelp->isVisible());
    QScrollBar* bar = frmHelp->rtfHelp->verticalScrollBar();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
    QVERIFY(iface && iface->valueInterface());
    QCOMPARE(iface->role(), QAccessible::ScrollBar);
    QAccessibleValueInterface* value = iface->valueInterface();
    const int step = bar->pageStep();
    QVERIFY(bar->maximum() > 2 * step);
    value->setCurrentValue(step);
    QCOMPARE(bar->value(), step);
    QCOMPARE(value->currentValue().toInt(), step);
    {
        QWidget modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QCOMPARE(QApplication::activeModalWidget(), &modal);
        value->setCurrentValue(2 * step);
        QCOMPARE(bar->value(), step);
    }
    frmHelp->setEnabled(false);
    value->setCurrentValue(2 * step);
    QCOMPARE(bar->value(), step);
    frmHelp->setEnabled(true);
    frmHelp->QWidget::hide();
    value->setCurrentValue(2 * step);
    QCOMPARE(bar->value(), step);
    frmHelp->QWidget::show();
    value->setCurrentValue(2 * step);
    QCOMPARE(bar->value(), 2 * step);
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
    QString totals, alert;
    m_game->onModal([&](platform::Form* form) {
        seen << form->objectName();
        if (form == frmWinner)
            totals = platform::lastAnnouncement(frmWinner);
        if (form == frmMessage)
            alert = nameOf(frmMessage);
        key(form == frmMessage ? messageKey : resultKey);
    });
    frmMain->gblnWinner = true;
    frmMessage->lblMsg->setCaption(QStringLiteral("Ann\r\n wins with 580"));
    frmWinner->lblP1Name->setCaption(QStringLiteral("  Ann  "));
    frmWinner->lblP1RndScore[1]->setCaption(QStringLiteral("160"));
    frmWinner->lblP1RndScore[2]->setCaption(QStringLiteral("0"));
    frmWinner->lblP1RndScore[3]->setCaption(QStringLiteral("420"));
    frmWinner->lblP2RndScore[2]->setCaption(QStringLiteral("300"));
    frmWinner->lblP1Total->setCaption(QStringLiteral("580"));
    frmWinner->lblP2Total->setCaption(QStringLiteral("300"));
    frmMessage->spokenScores = QStringLiteral("Score 420 to 90.");
    frmMessage->ShowModal();
    QCOMPARE(seen, (QStringList{"frmMessage", "frmWinner"}));
    QCOMPARE(alert, QStringLiteral("Ann wins with 580 Score 420 to 90."));
    // Done forgets the scores: another message reads only its own words.
    QCOMPARE(nameOf(frmMessage), QStringLiteral("Ann wins with 580"));
    // The rounds played, then the totals, without a colon a reader would say.
    QCOMPARE(totals, QStringLiteral("Ann. Round 1, 160. Round 2, 0. Round 3, 420. Total 580. "
                                    "Mirela. Round 1, 0. Round 2, 300. Round 3, 0. Total 300."));
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
        QCOMPARE(nameOf(frmPlayer1->imgCard[i]), QStringLiteral("Card %1, face down").arg(i));
    // A key on the backs says why nothing happens, and nothing of the cards.
    key(Qt::Key_3);
    QCOMPARE(platform::lastAnnouncement(frmPlayer1),
             QStringLiteral("The cards are still face down."));
    m_game->revealOffer(1);
    key(Qt::Key_3);
    const QString marked = nameOf(frmPlayer1->imgCard[3]);
    QCOMPARE(marked,
             QStringLiteral("Card 3, %1").arg(edgesInTable(m_game->folder(), "P1Stock", 3)));
    QVERIFY(accessible(frmPlayer1->imgCard[3])->state().checked);
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
    // A card picked while face down (the mouse can pick it before the hand
    // turns) is named face down too.
    const int first = frmMain->gintTurn;
    key(Qt::Key_4);
    QCOMPARE(platform::lastAnnouncement(frmMain), QStringLiteral("Card 4, face down."));
    frmMain->tmrHideHand->tick();
    const int P = frmMain->gintTurn;
    QCOMPARE(P, first);
    const QString owner = platform::isolated(P == 1 ? "Dorvik" : "Mirela");
    for (int s = 1; s <= 5; ++s) {
        QCOMPARE(names(P)[s - 1],
                 QStringLiteral("%1, card %2, %3")
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
    QCOMPARE(names(P)[1], QStringLiteral("%1, card 2, played").arg(owner));
    // Keys on the hand now on turn before it turns face up, or on a played
    // card, say why nothing happens.
    key(Qt::Key_1);
    QCOMPARE(platform::lastAnnouncement(frmMain), QStringLiteral("Card 1, face down."));
    frmMain->tmrHideHand->tick();
    key(Qt::Key_2);
    key(Qt::Key_5, Qt::ControlModifier);
    QCOMPARE(platform::lastAnnouncement(frmMain), QStringLiteral("Square 5 is taken."));
    key(Qt::Key_1, Qt::ControlModifier);
    QVERIFY(frmMain->boardUsed(1));
    QCOMPARE(frmMain->gintTurn, P);
    key(Qt::Key_1);
    QCOMPARE(platform::lastAnnouncement(frmMain),
             QStringLiteral("Your cards are still face down."));
    frmMain->tmrHideHand->tick();
    key(Qt::Key_2);
    QCOMPARE(platform::lastAnnouncement(frmMain), QStringLiteral("Card 2 is played."));
}

// Enter with four cards marked brings the refusal; Enter closes it and the
// selection window takes the next keys at once.
void AccessibilityTest::refusedSelectionKeepsTheKeys() {
    QString heard;
    m_game->onModal([&](platform::Form* form) {
        heard = nameOf(form);
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
    const QString dorvik = platform::isolated(QStringLiteral("Dorvik"));
    const QString mirela = platform::isolated(QStringLiteral("Mirela"));
    const QList<Expect> table = {
        {frmMain->imgNewGame, QAccessible::Button, "New Game"},
        {frmMain->imgOptions, QAccessible::Button, "Options"},
        {frmMain->imgHelp, QAccessible::Button, "Help"},
        {frmMain->imgExit, QAccessible::Button, "Exit"},
        {frmMain->imgBoard[5], QAccessible::Button, "Square 5, empty"},
        {frmMain->imgP1[3], QAccessible::Button, dorvik + ", card 3, face down"},
        {frmMain->imgP2[1], QAccessible::Button, mirela + ", card 1, face down"},
        {frmMain->lblPlayer1Name, QAccessible::StaticText, "Player 1, red, " + dorvik},
        {frmMain->lblPlayer2Name, QAccessible::StaticText, "Player 2, blue, " + mirela},
        {frmMain->lblPlayer1Score, QAccessible::StaticText, "Score of " + dorvik + ", 0"},
        {frmMain->imgRedLight[0], QAccessible::Graphic, dorvik + ", round light 1, not lit"},
        {frmMain->imgBlueLight[2], QAccessible::Graphic, mirela + ", round light 3, not lit"},
        {frmPlayer1->imgDone, QAccessible::Button, "Done"},
        {frmPlayer1->imgCard[2], QAccessible::CheckBox, "Card 2, face down"},
        {frmPlayer2->lblName, QAccessible::StaticText,
         "Player 2, " + platform::isolated(QStringLiteral("Player 2"))},
        {frmPlayer1, QAccessible::Window, "Player 1, " + dorvik},
        {frmOptions->txtPlayer1Name, QAccessible::EditableText, "Player 1 name"},
        {frmOptions->txtPlayer2Name, QAccessible::EditableText, "Player 2 name"},
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
        {frmHelp, QAccessible::Window, "Quorvel help"},
    };
    for (const Expect& e : table) {
        const QString what = e.control->objectName() + QLatin1Char(' ') + e.name;
        QVERIFY2(accessible(e.control), qPrintable(what));
        QCOMPARE(nameOf(e.control), e.name);
        QCOMPARE(roleOf(e.control), e.role);
    }
    // Player 2's box says it has a list.
    QVERIFY(accessible(frmOptions->txtPlayer2Name)
                ->text(QAccessible::Description)
                .contains(QStringLiteral("Alt+Down")));
    // The buttons can be pressed from the screen reader too.
    QAccessibleActionInterface* action = accessible(frmMain->imgHelp)->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(frmHelp->isVisible());
    // The rules' text box, made as Help first shows, is named, read by line
    // and cannot be changed.
    QCOMPARE(nameOf(frmHelp->rtfHelp), QStringLiteral("Rules"));
    QCOMPARE(roleOf(frmHelp->rtfHelp), QAccessible::EditableText);
    QVERIFY(accessible(frmHelp->rtfHelp)->textInterface());
    QVERIFY(!accessible(frmHelp->rtfHelp)->editableTextInterface());
    QVERIFY(accessible(frmHelp->rtfHelp)->state().readOnly);
    // First in the window's order, before Done, as when it was made with it.
    QAccessibleInterface* window = accessible(frmHelp);
    QVERIFY(window->indexOfChild(accessible(frmHelp->rtfHelp)) >= 0);
    QVERIFY(window->indexOfChild(accessible(frmHelp->rtfHelp)) <
            window->indexOfChild(accessible(frmHelp->imgDone)));
    // The keyboard starts in the rules, and Tab goes on to Done.
    QList<QWidget*> chain;
    for (QWidget* w = frmHelp->nextInFocusChain(); w != frmHelp; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
    QCOMPARE(chain.value(0), static_cast<QWidget*>(frmHelp->rtfHelp));
    QVERIFY(chain.indexOf(frmHelp->imgDone) > 0);
    // The lights and scores follow the match state.
    frmMain->gintP1GamesWon = 2;
    QCOMPARE(nameOf(frmMain->imgRedLight[1]), dorvik + ", round light 2, lit");
    QCOMPARE(nameOf(frmMain->imgRedLight[2]), dorvik + ", round light 3, not lit");
    frmMain->lblPlayer2Score->setCaption(QStringLiteral("045"));
    QCOMPARE(nameOf(frmMain->lblPlayer2Score), "Score of " + mirela + ", 45");
}

QTEST_MAIN(AccessibilityTest)
// The splash window's designed caption is a placeholder: a screen reader
// hears the program's name, given as the window shows (and not before, which
// would hold the window back while the session bus is reached).
void AccessibilityTest::splashNamedOnceShown() {
    m_game.reset();
    m_game = std::make_unique<Game>();
    createSplash();
    frmSplash->Show();
    QVERIFY(frmSplash->isVisible());
    QCOMPARE(nameOf(frmSplash), QStringLiteral("Quorvel"));
    QCOMPARE(roleOf(frmSplash), QAccessible::Window);
}

#include "tst_accessibility.moc"
