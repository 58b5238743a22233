#include "match/FrmMain.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/DropDown.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QToolButton>

// Choosing the computer as player 2: the drop-down of player 2's name box in
// the options window, the command-line option, and the look of the window
// with a person as player 2.
class ComputerChoiceTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();

    void restingWindowUnchanged();
    void chooseFromTheList_data();
    void chooseFromTheList();
    void typedNameDecides_data();
    void typedNameDecides();
    void openedListShowsEveryEntryWhole();
    void listMadeWhenFirstOpened();
    void disabledOutsideNewGame();
    void everyStartBeginsWithAPerson();
    void commandLineValue_data();
    void commandLineValue();
    void commandLineStartsWithTheComputer();
    void badValueRefusedByTheProgram_data();
    void badValueRefusedByTheProgram();
};

namespace {

platform::DropDown* dropDown() {
    return frmOptions->lstPlayer2Name;
}

// The window system makes the shown window the active one, so that its
// boxes get the keyboard focus; the offscreen platform needs asking.
bool activateOptions() {
    frmOptions->activateWindow();
    return QTest::qWaitForWindowActive(frmOptions);
}

enum class Opening { Arrow, F4, AltDown };

// Opens the list (with its arrow by default) and takes the entry `row` with
// the keyboard.
void chooseEntry(int row, Opening opening = Opening::Arrow) {
    QVERIFY(activateOptions());
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    QVERIFY(dropDown()->button()->isVisible());
    if (opening == Opening::Arrow)
        QTest::mouseClick(dropDown()->button(), Qt::LeftButton);
    else if (opening == Opening::F4)
        QTest::keyClick(box, Qt::Key_F4);
    else
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(dropDown()->listShown());
    QWidget* list = dropDown()->listWidget();
    for (int i = 0; i <= row; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!dropDown()->listShown());
}

void typeName(platform::TextBox* box, const QString& name) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, name);
}

QByteArray fileHash(const QString& file) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

void ComputerChoiceTest::cleanup() {
    options::resetStartingPlayer2();
}

// With a person as player 2 the window at rest is exactly the designed one:
// the same pixels as without the drop-down. The arrow shows only once the
// player reaches the box.
void ComputerChoiceTest::restingWindowUnchanged() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible());
    QCOMPARE(frmOptions->txtPlayer2Name->geometry(), platform::twipsRect(780, 1715, 3075, 380));
    QCOMPARE(frmOptions->txtPlayer2Name->textMargins(), QMargins());
    QVERIFY(activateOptions());
    QCOMPARE(frmOptions->focusWidget(), frmOptions->txtPlayer1Name);
    const QImage atRest = frmOptions->grab().toImage();

    QTest::keyClick(frmOptions->txtPlayer1Name, Qt::Key_Tab);
    QCOMPARE(frmOptions->focusWidget(), frmOptions->txtPlayer2Name);
    QVERIFY(dropDown()->button()->isVisible());
    QVERIFY(dropDown()->button()->geometry().right() < frmOptions->txtPlayer2Name->width());
    QVERIFY(frmOptions->grab().toImage() != atRest);
    QTest::keyClick(frmOptions->txtPlayer2Name, Qt::Key_Backtab);
    QVERIFY(!dropDown()->button()->isVisible());
    QCOMPARE(frmOptions->grab().toImage(), atRest);

    // Without the drop-down at all, the window is the same, pixel for pixel.
    delete dropDown()->button();
    delete dropDown();
    QCOMPARE(frmOptions->grab().toImage(), atRest);
    frmOptions->lstPlayer2Name = nullptr;
}

void ComputerChoiceTest::chooseFromTheList_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("opening");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level");
    QTest::newRow("easy, arrow") << 0 << int(Opening::Arrow) << "Computer (easy)"
                                 << int(computer::Level::Easy);
    QTest::newRow("normal, F4") << 1 << int(Opening::F4) << "Computer (normal)"
                                << int(computer::Level::Normal);
    QTest::newRow("hard, Alt+Down")
        << 2 << int(Opening::AltDown) << "Computer (hard)" << int(computer::Level::Hard);
}

void ComputerChoiceTest::chooseFromTheList() {
    QFETCH(int, row);
    QFETCH(int, opening);
    QFETCH(QString, name);
    QFETCH(int, level);
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    chooseEntry(row, Opening(opening));
    QCOMPARE(frmOptions->txtPlayer2Name->Text(), name);
    // Like every name, it counts from Done on.
    QVERIFY(!frmOptions->player2Computer());
    Game::click(frmOptions->imgDone);
    QCOMPARE(frmOptions->gstrPlayer2Name, name);
    QCOMPARE(frmOptions->player2Computer(), std::optional(computer::Level(level)));
    game.chooseCards(1);
    QCOMPARE(frmPlayer2->lblName->caption(), name);
    QVERIFY(frmPlayer2->computerChooses());
    QVERIFY(frmPlayer2->tmrComputer->isEnabled());
}

// The list and its entries are made when the list first opens, not with the
// window; made once, they serve every later opening, and the arrow follows
// the box's focus as before.
void ComputerChoiceTest::listMadeWhenFirstOpened() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QVERIFY(box->findChildren<QCompleter*>().isEmpty());
    QVERIFY(!dropDown()->listShown());
    QVERIFY(box->findChildren<QCompleter*>().isEmpty());
    chooseEntry(0);
    QCOMPARE(box->findChildren<QCompleter*>().size(), 1);
    QCOMPARE(box->Text(), QStringLiteral("Computer (easy)"));
    QVERIFY(dropDown()->button()->isVisible());
    // Opened again at the entry the box holds, two entries down.
    chooseEntry(1, Opening::F4);
    QCOMPARE(box->findChildren<QCompleter*>().size(), 1);
    QCOMPARE(box->Text(), QStringLiteral("Computer (hard)"));
    QTest::keyClick(box, Qt::Key_Backtab);
    QVERIFY(!dropDown()->button()->isVisible());
}

// The network entries are longer than the designed box is wide: the opened
// list grows to show each entry whole, under the box and from its left edge,
// while the box itself keeps its designed size.
void ComputerChoiceTest::openedListShowsEveryEntryWhole() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    QVERIFY(activateOptions());
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    QTest::mouseClick(dropDown()->button(), Qt::LeftButton);
    QVERIFY(dropDown()->listShown());
    auto* list = qobject_cast<QAbstractItemView*>(dropDown()->listWidget());
    QVERIFY(list);
    QCOMPARE(box->geometry(), platform::twipsRect(780, 1715, 3075, 380));
    const QFontMetrics metrics(list->font());
    QCOMPARE(list->model()->rowCount(), int(dropDown()->entries().size()));
    int widest = 0;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QString entry = list->model()->index(row, 0).data().toString();
        widest = qMax(widest, metrics.horizontalAdvance(entry));
        const QRect shown = list->visualRect(list->model()->index(row, 0));
        QVERIFY2(shown.width() <= list->viewport()->width(), qPrintable(entry));
        QVERIFY2(metrics.horizontalAdvance(entry) < list->viewport()->width(), qPrintable(entry));
    }
    // Wider than the box only because an entry needs it.
    QVERIFY(widest > box->width());
    QVERIFY(list->width() > box->width());
    QVERIFY(list->width() < widest + 60);
    QCOMPARE(list->mapToGlobal(QPoint(0, 0)).x(), box->mapToGlobal(QPoint(0, 0)).x());
    // Under the box, or above it where the screen has no room below.
    const QRect shownList(list->mapToGlobal(QPoint(0, 0)), list->size());
    const QRect shownBox(box->mapToGlobal(QPoint(0, 0)), box->size());
    QVERIFY(shownList.top() >= shownBox.bottom() || shownList.bottom() <= shownBox.top());
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!dropDown()->listShown());
    QCOMPARE(box->geometry(), platform::twipsRect(780, 1715, 3075, 380));
}

void ComputerChoiceTest::typedNameDecides_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("level"); // -1: a person
    QTest::newRow("another name") << "Ana" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("an entry with a letter more") << "Computer (hard)!" << -1;
    QTest::newRow("an entry in other case") << "computer (hard)" << -1;
    QTest::newRow("an entry typed in full") << "Computer (normal)" << int(computer::Level::Normal);
}

// After the computer was chosen, typing decides again.
void ComputerChoiceTest::typedNameDecides() {
    QFETCH(QString, typed);
    QFETCH(int, level);
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    chooseEntry(2);
    typeName(frmOptions->txtPlayer2Name, typed);
    Game::click(frmOptions->imgDone);
    QCOMPARE(frmOptions->gstrPlayer2Name, typed);
    const auto expected =
        level < 0 ? std::nullopt : std::optional<computer::Level>(computer::Level(level));
    QCOMPARE(frmOptions->player2Computer(), expected);
    game.chooseCards(1);
    // A person as player 2 sees card backs for two seconds and chooses himself.
    QCOMPARE(frmPlayer2->computerChooses(), level >= 0);
    QCOMPARE(frmPlayer2->tmr1->isEnabled(), level < 0);
    QCOMPARE(frmPlayer2->tmrComputer->isEnabled(), level >= 0);
    if (level < 0) {
        game.chooseCards(2);
        QVERIFY(frmMain->isVisible());
        // And may pick his own cards on his turn.
        if (frmMain->gintTurn == 1)
            game.placeNext();
        frmMain->tmrHideHand->tick();
        Game::click(frmMain->imgP2[Game::heldSlots().first()]);
        QVERIFY(frmMain->imgP2Select[Game::heldSlots().first()]->Visible());
    }
}

void ComputerChoiceTest::disabledOutsideNewGame() {
    Game game;
    game.start();
    Game::click(frmMain->imgNewGame);
    chooseEntry(1);
    Game::click(frmOptions->imgDone);
    game.chooseCards(1);
    Game::click(frmPlayer2->imgDone); // the person's press is not the computer's Done
    QVERIFY(frmPlayer2->isVisible());
    frmPlayer2->tmrComputer->tick();
    frmPlayer2->tmrComputer->tick();
    QVERIFY(frmMain->isVisible());

    Game::click(frmMain->imgOptions);
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    QVERIFY(!box->isEnabled());
    QVERIFY(!dropDown()->button()->isVisible());
    QTest::keyClick(box, Qt::Key_F4);
    dropDown()->showList();
    QVERIFY(!dropDown()->listShown());
    QCOMPARE(box->Text(), QStringLiteral("Computer (normal)"));
    Game::click(frmOptions->imgDone);
    QCOMPARE(frmOptions->player2Computer(), std::optional(computer::Level::Normal));
    QVERIFY(frmMain->isVisible());
}

// Nothing is stored: the next start has a person, "Mirela", again.
void ComputerChoiceTest::everyStartBeginsWithAPerson() {
    for (int start = 0; start < 2; ++start) {
        Game game;
        game.start();
        QCOMPARE(frmOptions->txtPlayer2Name->Text(), QStringLiteral("Mirela"));
        QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Mirela"));
        QVERIFY(!frmOptions->player2Computer());
        Game::click(frmMain->imgNewGame);
        chooseEntry(2);
        Game::click(frmOptions->imgDone);
        QVERIFY(frmOptions->player2Computer());
    }
}

void ComputerChoiceTest::commandLineValue_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("name"); // empty: refused
    QTest::newRow("easy") << "easy"
                          << "Computer (easy)";
    QTest::newRow("normal") << "normal"
                            << "Computer (normal)";
    QTest::newRow("hard") << "hard"
                          << "Computer (hard)";
    QTest::newRow("capital") << "Hard"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("space") << " hard"
                           << "";
    QTest::newRow("other level") << "expert"
                                 << "";
    QTest::newRow("number") << "3"
                            << "";
}

void ComputerChoiceTest::commandLineValue() {
    QFETCH(QString, value);
    QFETCH(QString, name);
    QCOMPARE(options::applyComputerOption(value), !name.isEmpty());
    QCOMPARE(options::startingPlayer2Name(), name.isEmpty() ? QStringLiteral("Mirela") : name);
}

void ComputerChoiceTest::commandLineStartsWithTheComputer() {
    QVERIFY(options::applyComputerOption(QStringLiteral("hard")));
    Game game;
    game.start();
    QCOMPARE(frmOptions->txtPlayer2Name->Text(), QStringLiteral("Computer (hard)"));
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Computer (hard)"));
    QCOMPARE(frmMain->lblPlayer2Name->caption(), QStringLiteral("Computer (hard)"));
    QCOMPARE(frmOptions->player2Computer(), std::optional(computer::Level::Hard));
    // The first New Game plays against it unless the player changes it.
    game.newGame(false, false);
    game.chooseCards(1);
    QVERIFY(frmPlayer2->computerChooses());
}

void ComputerChoiceTest::badValueRefusedByTheProgram_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said"); // what the first line must contain
    QTest::newRow("unknown level") << QStringList{"--computer=expert"}
                                   << "--computer takes easy, normal or hard, not \"expert\"";
    QTest::newRow("capital") << QStringList{"--computer=Hard"}
                             << "--computer takes easy, normal or hard, not \"Hard\"";
    QTest::newRow("empty") << QStringList{"--computer="}
                           << "--computer takes easy, normal or hard, not \"\"";
    QTest::newRow("separate bad value") << QStringList{"--computer", "medium"}
                                        << "--computer takes easy, normal or hard, not \"medium\"";
    QTest::newRow("missing value") << QStringList{"--computer"} << "--computer";
}

// The real program refuses a bad value with a short report and status 2,
// before any window: it does not even need a display.
void ComputerChoiceTest::badValueRefusedByTheProgram() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    TestFolder folder;
    const QString binary = folder.file(QStringLiteral("quorvel"));
    QVERIFY(QFile::copy(QStringLiteral(QUORVEL_PROGRAM_DIR "/quorvel"), binary));
    const QByteArray before = fileHash(folder.file(QStringLiteral("Cards.mdb")));
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game.setProcessEnvironment(env);
    game.start(binary, arguments);
    QVERIFY(game.waitForFinished(10000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 2);
    const QStringList lines =
        QString::fromLocal8Bit(game.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty() && lines.size() <= 2, qPrintable(lines.join('|')));
    QVERIFY2(lines[0].startsWith(QStringLiteral("quorvel: ")) && lines[0].contains(said),
             qPrintable(lines[0]));
    QCOMPARE(fileHash(folder.file(QStringLiteral("Cards.mdb"))), before);
}

QTEST_MAIN(ComputerChoiceTest)
#include "tst_computerchoice.moc"
