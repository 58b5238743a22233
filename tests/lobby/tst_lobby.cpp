// The windows that start a network match, in-process over real TLS
// connections on this computer: both windows made only when first opened
// (from the options window or the command line) and kept afterwards, in the
// language in use then; the host's waiting window reached from the options
// window, the guest's join window, a wrong code and a second guest
// refused on both sides, Cancel closing the port, the list of games without
// an Avahi daemon, and the keys and screen-reader actions refused where a
// click would be.
#include "lobby/FrmHostGame.h"
#include "lobby/FrmJoinGame.h"
#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "match/HostedMatch.h"
#include "net/Discovery.h"
#include "net/Guest.h"
#include "net/Host.h"
#include "net/JoinCode.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "platform/DropDown.h"
#include "platform/Translations.h"
#include "seats/RemoteSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmMessage.h"

#include <QAccessible>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using lobby::frmHostGame;
using lobby::frmJoinGame;

namespace {

const net::Timing Fast{.heartbeatMs = 300, .silenceMs = 4000, .greetingMs = 4000};

void typeText(platform::TextBox* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QString addressOfHost() {
    return QStringLiteral("127.0.0.1:%1").arg(frmHostGame->port());
}

// The join code as the waiting window shows it.
QString shownCode() {
    return frmHostGame->lblCode->caption();
}

// A code of the right form that is not the host's.
QString otherCode() {
    QString code = shownCode();
    code[0] = code[0] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    return code;
}

// A key pressed in `window`, delivered as the window system delivers it.
void keyTo(QWidget* window, Qt::Key key) {
    QVERIFY(window->windowHandle());
    QTest::keyClick(window->windowHandle(), key);
}

bool pressByScreenReader(QWidget* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    if (!a || !a->actionInterface())
        return false;
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

QString accessibleName(QWidget* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    return a ? a->text(QAccessible::Name) : QString();
}

// In the options window shown, player 2's list opened with F4 and its entry
// `row` taken by keys, then Done.
void pickInOptions(int row) {
    QVERIFY(frmOptions->isVisible());
    frmOptions->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmOptions));
    platform::TextBox* box = frmOptions->txtPlayer2Name;
    box->SetFocus();
    QTest::keyClick(box, Qt::Key_F4);
    QVERIFY(frmOptions->lstPlayer2Name->listShown());
    QWidget* list = frmOptions->lstPlayer2Name->listWidget();
    for (int i = 0; i <= row; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    Game::click(frmOptions->imgDone);
}

// New Game, then the entry `row` of player 2's list taken in the options.
void chooseFromOptions(int row) {
    Game::click(frmMain->imgNewGame);
    pickInOptions(row);
}

// The join window filled in and Join pressed; returns once the attempt is over.
void joinWith(const QString& address, const QString& code, const QString& name) {
    typeText(frmJoinGame->txtAddress, address);
    typeText(frmJoinGame->txtCode, code);
    typeText(frmJoinGame->txtName, name);
    Game::click(frmJoinGame->imgJoin);
}

} // namespace

class LobbyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();
    void optionsListEndsWithTheNetwork();
    void windowsMadeWhenFirstOpened();
    void windowsMadeInTheLanguageInUse();
    void commandLineMakesItsWindow();
    void hostAndJoin();
    void joinAHost();
    void wrongCodeRefusedOnBothSides();
    void secondGuestRefusedWhileTheMatchRuns();
    void cancelClosesThePort();
    void joinWindowChecksWhatIsTyped_data();
    void joinWindowChecksWhatIsTyped();
    void refusedWhereAClickIs();
};

void LobbyTest::initTestCase() {
    if (!QSslSocket::supportsSsl())
        QSKIP("OpenSSL cannot be loaded: no network match can be played.");
    // No Avahi daemon answers on this bus, whatever the machine runs: the
    // list must say so, and typing the address must still work.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quorvel-test-bus");
}

void LobbyTest::cleanup() {
    lobby::clearStartRequest();
    platform::useLanguage(QString());
}

// The list keeps its designed entries first; the two new ones come last.
void LobbyTest::optionsListEndsWithTheNetwork() {
    Game game;
    game.start();
    const QStringList entries = frmOptions->lstPlayer2Name->entries();
    QCOMPARE(entries.mid(0, 3), options::computerNames());
    QCOMPARE(entries.mid(3), (QStringList{QStringLiteral("Host a game on the network…"),
                                          QStringLiteral("Join a game on the network…")}));
    // With the defaults nothing changes: Done goes on to player 1's cards.
    Game::click(frmMain->imgNewGame);
    Game::click(frmOptions->imgDone);
    QVERIFY(frmPlayer1->isVisible());
    QVERIFY(!frmHostGame);
    QVERIFY(!frmJoinGame);
}

// Start-up makes neither network window; the first Host or Join taken in the
// options makes its window and shows it, the second shows the same window
// again; the windows go with the others.
void LobbyTest::windowsMadeWhenFirstOpened() {
    QPointer<FrmHostGame> host;
    QPointer<FrmJoinGame> join;
    {
        Game game;
        game.start();
        QVERIFY(!frmHostGame);
        QVERIFY(!frmJoinGame);
        QVERIFY(!lobby::matchRunning());

        chooseFromOptions(3);
        QVERIFY(frmHostGame);
        QVERIFY(frmHostGame->isVisible());
        QVERIFY(frmHostGame->host());
        QVERIFY(!frmJoinGame);
        host = frmHostGame;
        Game::click(frmHostGame->imgCancel);
        QVERIFY(!frmHostGame->isVisible());

        pickInOptions(4);
        QVERIFY(frmJoinGame);
        QVERIFY(frmJoinGame->isVisible());
        join = frmJoinGame;
        // Escape, as a person at the keyboard gives the window up.
        frmJoinGame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmJoinGame));
        keyTo(frmJoinGame, Qt::Key_Escape);
        QVERIFY(!frmJoinGame->isVisible());

        pickInOptions(3);
        QVERIFY(host);
        QCOMPARE(frmHostGame, host.data());
        QVERIFY(frmHostGame->isVisible());
        QVERIFY(frmHostGame->host());
        Game::click(frmHostGame->imgCancel);
        pickInOptions(4);
        QVERIFY(join);
        QCOMPARE(frmJoinGame, join.data());
        QVERIFY(frmJoinGame->isVisible());
        QCOMPARE(accessibleName(frmJoinGame->imgJoin), QStringLiteral("Join"));
        QVERIFY(!lobby::matchRunning());
    }
    QVERIFY(!host);
    QVERIFY(!join);
    QVERIFY(!frmHostGame);
    QVERIFY(!frmJoinGame);
}

// A language chosen after start-up but before the first opening: each
// window comes up in it, its caption, its words and the names the screen
// reader reads. (The options window's list keeps the entries it was made
// with, so the new game's network choice is taken as its Done takes it.)
void LobbyTest::windowsMadeInTheLanguageInUse() {
    Game game;
    game.start();
    QVERIFY(platform::useLanguage(QStringLiteral("de")));
    const QString hostTitle = QCoreApplication::translate("FrmHostGame", "Quorvel  -  Host a game");
    const QString waiting = QCoreApplication::translate("FrmHostGame", "Waiting for a player");
    const QString joinTitle = QCoreApplication::translate("FrmJoinGame", "Quorvel  -  Join a game");
    const QString joinHeading =
        QCoreApplication::translate("FrmJoinGame", "Join a game on the network");
    QVERIFY(hostTitle != QLatin1String("Quorvel  -  Host a game"));
    QVERIFY(joinTitle != QLatin1String("Quorvel  -  Join a game"));

    Game::click(frmMain->imgNewGame);
    QVERIFY(frmOptions->isVisible());
    frmOptions->Hide();
    lobby::hostGame();
    QVERIFY(frmHostGame && frmHostGame->isVisible());
    QCOMPARE(frmHostGame->windowTitle(), hostTitle);
    QCOMPARE(frmHostGame->lblHeading->caption(), waiting);
    QCOMPARE(accessibleName(frmHostGame),
             QCoreApplication::translate("FrmHostGame", "Host a game on the network"));
    Game::click(frmHostGame->imgCancel);

    QVERIFY(frmOptions->isVisible());
    frmOptions->Hide();
    lobby::joinGame();
    QVERIFY(frmJoinGame && frmJoinGame->isVisible());
    QCOMPARE(frmJoinGame->windowTitle(), joinTitle);
    QCOMPARE(frmJoinGame->lblHeading->caption(), joinHeading);
    QCOMPARE(accessibleName(frmJoinGame->txtCode),
             QCoreApplication::translate("FrmJoinGame", "Join code"));
    QCOMPARE(frmJoinGame->lblStatus->caption(),
             QCoreApplication::translate(
                 "FrmJoinGame",
                 "Type the host's address and the join code it shows, or choose a game above."));
}

// --host and --join: the window asked for is made over a new game once the
// board is shown, and only that one.
void LobbyTest::commandLineMakesItsWindow() {
    {
        lobby::requestAtStart({lobby::StartRequest::Kind::Host, 0, QString()});
        Game game;
        game.start();
        QVERIFY(frmHostGame);
        QVERIFY(frmHostGame->isVisible());
        QVERIFY(frmHostGame->host());
        QVERIFY(!frmJoinGame);
    }
    {
        lobby::requestAtStart({lobby::StartRequest::Kind::Join, 0, QStringLiteral("127.0.0.1")});
        Game game;
        game.start();
        QVERIFY(frmJoinGame);
        QVERIFY(frmJoinGame->isVisible());
        QCOMPARE(frmJoinGame->txtAddress->text(), QStringLiteral("127.0.0.1"));
        QVERIFY(!frmHostGame);
    }
}

// The host picks its entry in the options window; the guest picks a join
// window's entry; the code shown by one is typed into the other, and the
// match begins on the host's board with the guest behind player 2.
void LobbyTest::hostAndJoin() {
    Game game;
    game.start();
    chooseFromOptions(3);
    QVERIFY(frmHostGame->isVisible());
    QVERIFY(!frmOptions->isVisible());
    QVERIFY(!frmPlayer1->isVisible());
    QVERIFY(frmHostGame->host());
    QVERIFY(frmHostGame->port() != 0);
    // Groups of the code's alphabet, and the addresses with the port.
    QVERIFY2(QRegularExpression(QStringLiteral("^[2-9A-HJ-NP-Z]{4}-[2-9A-HJ-NP-Z]{4}-"
                                               "[2-9A-HJ-NP-Z]{2}$"))
                 .match(shownCode())
                 .hasMatch(),
             qPrintable(shownCode()));
    const QStringList lines = frmHostGame->lblAddresses->caption().split(QLatin1Char('\n'));
    QVERIFY(!lines.isEmpty());
    for (const QString& line : lines)
        QVERIFY2(line.endsWith(QStringLiteral(":%1").arg(frmHostGame->port())), qPrintable(line));
    QVERIFY(accessibleName(frmHostGame->lblCode).startsWith(QStringLiteral("Join code: ")));
    // No daemon: the host window says the game is not announced.
    QVERIFY(QTest::qWaitFor([] {
        return frmHostGame->lblStatus->caption().contains(net::discoveryUnavailableText());
    }));

    // A guest across the network types the code in small letters, without dashes.
    net::Guest guest(HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()),
                     Fast);
    QSignalSpy joined(&guest, &net::Guest::joined);
    QSignalSpy started(frmHostGame, &FrmHostGame::matchStarted);
    const std::optional<net::JoinCode> typed =
        net::JoinCode::parse(shownCode().remove(QLatin1Char('-')).toLower());
    QVERIFY(typed);
    guest.join(QStringLiteral("127.0.0.1"), frmHostGame->port(), *typed, QStringLiteral("Ilse"));
    QVERIFY(joined.wait(10000));
    const auto options = joined.first().first().value<net::MatchOptions>();
    QCOMPARE(options.hostName, QStringLiteral("Dorvik"));
    QCOMPARE(options.guestName, QStringLiteral("Ilse"));
    QCOMPARE(options.openHand, false);
    QCOMPARE(options.target, qint16(150));
    QVERIFY(started.count() == 1 || started.wait(5000));

    QVERIFY(!frmHostGame->isVisible());
    QVERIFY(frmPlayer1->isVisible());
    QVERIFY(lobby::matchRunning());
    QCOMPARE(seats::seat(2), static_cast<Seat*>(frmHostGame->match()->seat()));
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Ilse"));
    QCOMPARE(frmOptions->txtPlayer2Name->text(), QStringLiteral("Ilse"));

    // Options during the match keep the guest behind player 2.
    frmMain->gblnNewGame = false;
    frmOptions->Show();
    QVERIFY(!frmOptions->txtPlayer2Name->isEnabled());
    Game::click(frmOptions->imgDone);
    QCOMPARE(seats::seat(2), static_cast<Seat*>(frmHostGame->match()->seat()));
    QVERIFY(lobby::matchRunning());
}

// The join window against a host across the network: the list says it
// cannot search, the code is typed as the host shows it or in small letters
// without dashes, Enter joins, and the match begins on the board with the
// host's options, the host behind player 1 and the person here behind 2.
void LobbyTest::joinAHost() {
    Game game;
    game.start();
    const net::JoinCode code = *net::JoinCode::parse(u"K7QF-9M2T-XW");
    net::Host host(code, {QStringLiteral("Bruno"), QString(), true, true, 200},
                   HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()),
                   Fast);
    QString error;
    QVERIFY2(host.listen(0, &error), qPrintable(error));
    QSignalSpy hostJoined(&host, &net::Host::joined);

    chooseFromOptions(4);
    QVERIFY(frmJoinGame->isVisible());
    QVERIFY(!frmOptions->isVisible());
    QVERIFY(!frmPlayer1->isVisible());
    QVERIFY(QTest::qWaitFor([] {
        return frmJoinGame->lstGames->count() == 1 &&
               frmJoinGame->lstGames->item(0)->text() == net::discoveryUnavailableText();
    }));
    QVERIFY(!(frmJoinGame->lstGames->item(0)->flags() & Qt::ItemIsSelectable));
    frmJoinGame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmJoinGame));
    typeText(frmJoinGame->txtAddress, QStringLiteral("127.0.0.1:%1").arg(host.port()));
    typeText(frmJoinGame->txtCode, QStringLiteral("k7qf9m2txw"));
    typeText(frmJoinGame->txtName, QStringLiteral("Ilse"));
    QSignalSpy joined(frmJoinGame, &FrmJoinGame::joined);
    keyTo(frmJoinGame, Qt::Key_Return);
    QVERIFY(frmJoinGame->joining());
    QVERIFY(joined.wait(10000));
    QVERIFY(hostJoined.count() == 1 || hostJoined.wait(5000));
    QCOMPARE(hostJoined.first().first().toString(), QStringLiteral("Ilse"));

    QVERIFY(!frmJoinGame->isVisible());
    QVERIFY(frmJoinGame->match());
    QVERIFY(lobby::matchRunning());
    QVERIFY(frmMain->isVisible());
    QVERIFY(!seats::seat(1)->takesLocalInput());
    QVERIFY(seats::seat(2)->takesLocalInput());
    QCOMPARE(frmOptions->gstrPlayer1Name, QStringLiteral("Bruno"));
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Ilse"));
    QVERIFY(frmOptions->gblnHand);
    QVERIFY(frmOptions->gblnBasicCombo);
    QCOMPARE(frmOptions->gintWinHigh, qint16(200));

    // Options during the match keep both seats.
    Seat* hostSeat = seats::seat(1);
    Seat* ownSeat = seats::seat(2);
    Game::click(frmMain->imgOptions);
    QVERIFY(frmOptions->isVisible());
    QVERIFY(!frmOptions->txtPlayer2Name->isEnabled());
    Game::click(frmOptions->imgDone);
    QCOMPARE(seats::seat(1), hostSeat);
    QCOMPARE(seats::seat(2), ownSeat);
    QVERIFY(lobby::matchRunning());
}

void LobbyTest::wrongCodeRefusedOnBothSides() {
    Game game;
    game.start();
    chooseFromOptions(3);
    QVERIFY(frmHostGame->isVisible());
    lobby::joinGame();
    frmJoinGame->setTiming(Fast);
    joinWith(addressOfHost(), otherCode(), QStringLiteral("Ilse"));
    QVERIFY(frmJoinGame->joining());
    QVERIFY(QTest::qWaitFor([] { return !frmJoinGame->joining(); }, 10000));
    // The guest's window says so and stays usable, the keyboard on the code.
    const QString wrong = net::faultText(net::Fault::WrongCode, QString());
    QCOMPARE(frmJoinGame->lblStatus->caption(), wrong);
    QCOMPARE(platform::lastAnnouncement(frmJoinGame), wrong);
    QVERIFY(frmJoinGame->imgJoin->isEnabled());
    QVERIFY(frmJoinGame->txtCode->isEnabled());
    // The host's window says someone tried, and goes on waiting.
    const QString notice = net::hostNoticeText(net::Fault::WrongCode);
    QVERIFY(QTest::qWaitFor([&] { return frmHostGame->lblStatus->caption().startsWith(notice); },
                            5000));
    QVERIFY(frmHostGame->isVisible());
    QVERIFY(!frmHostGame->host()->guest());
    QVERIFY(!lobby::matchRunning());

    // The host still lets in a guest with the right code.
    net::Guest guest(HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()),
                     Fast);
    QSignalSpy joined(&guest, &net::Guest::joined);
    guest.join(QStringLiteral("127.0.0.1"), frmHostGame->port(), *net::JoinCode::parse(shownCode()),
               QStringLiteral("Ilse"));
    QVERIFY(joined.wait(10000));
    QVERIFY(QTest::qWaitFor([] { return lobby::matchRunning(); }, 5000));
}

void LobbyTest::secondGuestRefusedWhileTheMatchRuns() {
    Game game;
    game.start();
    chooseFromOptions(3);
    const QString code = shownCode();
    const quint16 port = frmHostGame->port();
    net::Guest first(HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()),
                     Fast);
    QSignalSpy firstJoined(&first, &net::Guest::joined);
    first.join(QStringLiteral("127.0.0.1"), port, *net::JoinCode::parse(code),
               QStringLiteral("Ilse"));
    QVERIFY(firstJoined.wait(10000));
    QVERIFY(QTest::qWaitFor([] { return lobby::matchRunning(); }, 5000));

    // The second guest, through the join window with the right code.
    lobby::joinGame();
    frmJoinGame->setTiming(Fast);
    joinWith(QStringLiteral("127.0.0.1:%1").arg(port), code, QStringLiteral("Ottokar"));
    QVERIFY(QTest::qWaitFor([] { return !frmJoinGame->joining(); }, 10000));
    QCOMPARE(frmJoinGame->lblStatus->caption(),
             net::faultText(net::Fault::Refused, QString(), net::Fault::Busy));
    QVERIFY(frmJoinGame->imgJoin->isEnabled());
    // The first guest's match goes on.
    QVERIFY(lobby::matchRunning());
    QVERIFY(frmHostGame->host()->guest());
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Ilse"));
}

void LobbyTest::cancelClosesThePort() {
    Game game;
    game.start();
    chooseFromOptions(3);
    const quint16 port = frmHostGame->port();
    {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(probe.waitForConnected(5000));
    }
    Game::click(frmHostGame->imgCancel);
    QVERIFY(!frmHostGame->isVisible());
    QVERIFY(!frmHostGame->host());
    QVERIFY(frmOptions->isVisible());
    QCOMPARE(frmOptions->txtPlayer2Name->text(), QStringLiteral("Mirela"));
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!probe.waitForConnected(3000));
    QCOMPARE(probe.error(), QAbstractSocket::ConnectionRefusedError);
    // Done now goes on with a person as player 2.
    Game::click(frmOptions->imgDone);
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(frmOptions->gstrPlayer2Name, QStringLiteral("Mirela"));

    // The join window's Cancel gives up an attempt under way as well.
    lobby::joinGame(QStringLiteral("127.0.0.1:%1").arg(port));
    QVERIFY(frmJoinGame->isVisible());
    Game::click(frmJoinGame->imgCancel);
    QVERIFY(!frmJoinGame->isVisible());
    QVERIFY(frmOptions->isVisible());
}

void LobbyTest::joinWindowChecksWhatIsTyped_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("focus"); // the box that takes the keyboard
    QTest::newRow("no address") << ""
                                << "K7QF-9M2T-XW"
                                << "Ilse"
                                << "txtAddress";
    QTest::newRow("port out of range") << "127.0.0.1:70000"
                                       << "K7QF-9M2T-XW"
                                       << "Ilse"
                                       << "txtAddress";
    QTest::newRow("short code") << "127.0.0.1"
                                << "K7QF-9M"
                                << "Ilse"
                                << "txtCode";
    QTest::newRow("look-alike letter") << "127.0.0.1"
                                       << "K7QF-9M2T-X0"
                                       << "Ilse"
                                       << "txtCode";
    QTest::newRow("no name") << "127.0.0.1"
                             << "K7QF-9M2T-XW"
                             << "  "
                             << "txtName";
}

// Nothing is sent for a field that cannot be right: the window says why.
void LobbyTest::joinWindowChecksWhatIsTyped() {
    QFETCH(QString, address);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, focus);
    Game game;
    game.start();
    lobby::joinGame();
    frmJoinGame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmJoinGame));
    joinWith(address, code, name);
    QVERIFY(!frmJoinGame->joining());
    QVERIFY(!frmJoinGame->lblStatus->caption().isEmpty());
    QCOMPARE(platform::lastAnnouncement(frmJoinGame), frmJoinGame->lblStatus->caption());
    QWidget* expected = focus == QLatin1String("txtAddress") ? frmJoinGame->txtAddress
                        : focus == QLatin1String("txtCode")  ? frmJoinGame->txtCode
                                                             : frmJoinGame->txtName;
    QCOMPARE(frmJoinGame->focusWidget(), expected);
}

// While an attempt is under way Join is disabled, and while a message is up
// in front of the window nothing of it can be pressed: not by keys, not by
// the screen reader's actions.
void LobbyTest::refusedWhereAClickIs() {
    Game game;
    game.start();
    // A port that takes the connection and never answers its encryption.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    lobby::joinGame();
    frmJoinGame->setTiming(Fast);
    joinWith(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()), QStringLiteral("K7QF9M2TXW"),
             QStringLiteral("Ilse"));
    QVERIFY(frmJoinGame->joining());
    const QPointer<net::Guest> attempt = frmJoinGame->guest();
    // The keyboard is on Cancel while the boxes and Join are disabled.
    QCOMPARE(frmJoinGame->focusWidget(), frmJoinGame->imgCancel);
    QVERIFY(!frmJoinGame->imgJoin->isEnabled());
    QVERIFY(!platform::pressControl(frmJoinGame->imgJoin));
    frmJoinGame->lblStatus->setFocus();
    keyTo(frmJoinGame, Qt::Key_Return);
    QVERIFY(pressByScreenReader(frmJoinGame->imgJoin));
    QVERIFY(attempt);
    QCOMPARE(frmJoinGame->guest(), attempt.data());

    // A message in front: Escape and the reader's press on Cancel do nothing.
    bool triedWhileModal = false;
    game.onModal([&](platform::Form* form) {
        keyTo(frmJoinGame, Qt::Key_Escape);
        QVERIFY(pressByScreenReader(frmJoinGame->imgCancel));
        triedWhileModal = frmJoinGame->isVisible() && frmJoinGame->guest() == attempt;
        Game::pressDone(form);
    });
    frmMessage->lblMsg->setCaption(QStringLiteral("Something to read first"));
    frmMessage->ShowModal();
    QVERIFY(triedWhileModal);
    QVERIFY(frmJoinGame->isVisible());

    // The window is in front again: Escape gives the attempt up.
    frmJoinGame->activateWindow();
    keyTo(frmJoinGame, Qt::Key_Escape);
    QVERIFY(!frmJoinGame->isVisible());
    QVERIFY(!frmJoinGame->joining());

    // The host's window refuses the same way behind a message.
    lobby::hostGame();
    QVERIFY(frmHostGame->isVisible());
    game.onModal([&](platform::Form* form) {
        keyTo(frmHostGame, Qt::Key_Escape);
        QVERIFY(pressByScreenReader(frmHostGame->imgCancel));
        triedWhileModal = frmHostGame->isVisible() && frmHostGame->host();
        Game::pressDone(form);
    });
    triedWhileModal = false;
    frmMessage->ShowModal();
    QVERIFY(triedWhileModal);
    QVERIFY(pressByScreenReader(frmHostGame->imgCancel));
    QVERIFY(!frmHostGame->isVisible());
    QVERIFY(!frmHostGame->host());
}

QTEST_MAIN(LobbyTest)
#include "tst_lobby.moc"
