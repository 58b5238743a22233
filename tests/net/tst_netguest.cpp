// The guest's board in a network match, in-process: the program's real
// windows play the guest, whose person chooses and places with clicks, and
// a host joins them across a real TLS connection on this computer. The host
// is the authority of the match: it deals, answers each of the guest's
// proposals with the placement the capture rule makes, plays its own cards
// and says how each hand ended, with the rule's in-memory board
// (computer::Board, held equal to the game's rule by a test of its own).
// The guest's board plays every placement again with its own rule and must
// agree card for card. Under Closed Hand neither the guest's file nor
// anything it receives holds a card of the host's hand before its placement;
// under Open Hand both do, so that the search is shown to find them.
#include "NetMatch.h"

#include "computer/Board.h"
#include "match/FrmMain.h"
#include "match/HostedMatch.h"
#include "match/JoinedMatch.h"
#include "net/Guest.h"
#include "net/Host.h"
#include "net/JoinCode.h"
#include "options/FrmOptions.h"
#include "platform/GameFiles.h"
#include "record/Record.h"
#include "seats/HostSeat.h"
#include "seats/JoinedSeat.h"
#include "seats/PersonSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"
#include "windows/FrmWinner.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace net;
using namespace netmatch;

Q_DECLARE_METATYPE(net::Fault)
Q_DECLARE_METATYPE(net::MatchOptions)

namespace {

QString plain(QString text) {
    return text.remove(QChar(0x2068)).remove(QChar(0x2069));
}

// The messages in a trace of decrypted bytes, in the order they arrived.
QList<Message> readTrace(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QList<Message> messages;
    FrameReader reader;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype n = std::min(reader.wanted(), bytes.size() - at);
        if (reader.append(QByteArrayView(bytes).sliced(at, n)) != Fault::None)
            break;
        at += n;
        if (reader.complete()) {
            const Decoded d = decodePayload(reader.take());
            if (d.message)
                messages << *d.message;
        }
    }
    return messages;
}

// Every card number a message carries.
QList<int> cardsIn(const Body& body) {
    QList<int> cards;
    if (const auto* offer = std::get_if<Offer>(&body)) {
        for (quint16 c : offer->cards)
            cards << c;
    } else if (const auto* deal = std::get_if<Deal>(&body)) {
        for (quint16 c : deal->guestHand)
            cards << c;
        if (deal->hostHand)
            for (quint16 c : *deal->hostHand)
                cards << c;
    } else if (const auto* placement = std::get_if<Placement>(&body)) {
        cards << placement->card;
    }
    return cards;
}

// The rows of the guest's file that hold a card of the match: hands, offers
// and board. The list of every card (AllCards, CardBase) is not searched.
QSet<int> cardsInFile(const QString& file) {
    QSet<int> numbers;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("guestfile"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            for (const char* table :
                 {"P1Hand", "P2Hand", "P1Stock", "P2Stock", "CleanBoard", "DirtyBoard"}) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("SELECT a.fldAutoNumber FROM %1 t JOIN AllCards a ON "
                                      "a.fldID = t.fldID WHERE t.fldID <> 0")
                           .arg(QLatin1String(table)));
                while (q.next())
                    numbers << q.value(0).toInt();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("guestfile"));
    return numbers;
}

} // namespace

class NetGuestTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void wholeMatch_data();
    void wholeMatch();
    void hostGone_data();
    void hostGone();
    void hostLies();
    void guestLeaves();
    void optionsDuringMatch();
};

void NetGuestTest::initTestCase() {
    qRegisterMetaType<MatchOptions>();
    if (!QSslSocket::supportsSsl())
        QSKIP("OpenSSL cannot be loaded: no network match can be played.");
}

void NetGuestTest::wholeMatch_data() {
    QTest::addColumn<bool>("openHand");
    QTest::addColumn<bool>("combo");
    QTest::addColumn<int>("target");
    QTest::newRow("closed hand, basic rule") << false << false << 150;
    QTest::newRow("open hand, combo rule") << true << true << 60;
}

// A whole match played to its result window, each placement of both sides
// checked, and the guest's file and every byte it received searched for
// the host's hidden cards.
void NetGuestTest::wholeMatch() {
    QFETCH(bool, openHand);
    QFETCH(bool, combo);
    QFETCH(int, target);
    MatchOptions options = script::options(openHand, combo);
    options.target = static_cast<qint16>(target);

    QTemporaryDir dir;
    Joined j;
    QVERIFY(j.join(options, 1207, dir.filePath(QStringLiteral("guest.trace"))));
    const QString file = j.game.folder().path() + QStringLiteral("/Cards.mdb");
    // The host's hand chosen for this match shows nowhere on the guest's side.
    QVERIFY(!frmPlayer1->isVisible());
    QCOMPARE(frmMain->seat(1), static_cast<Seat*>(j.match->hostSeat()));
    QCOMPARE(frmOptions->gstrPlayer1Name, options.hostName);
    QCOMPARE(frmOptions->gstrPlayer2Name, options.guestName);
    QCOMPARE(frmOptions->gblnHand, openHand);
    QCOMPARE(frmOptions->gblnBasicCombo, combo);

    // Before every step of the host, the guest's file holds none of the
    // host's cards still in his hand (under Closed Hand).
    int hiddenInFile = 0;
    int searched = 0;
    j.host->before = [&](const QString&) {
        const QSet<int> inFile = cardsInFile(file);
        for (int card : std::as_const(j.host->hidden))
            hiddenInFile += inFile.contains(card) ? 1 : 0;
        ++searched;
    };
    // The guest's board after each card it played.
    QList<std::array<int, 9>> guestOwners;
    QList<std::pair<qint16, qint16>> guestScores;
    connect(frmMain, &FrmMain::cardPlaced, this, [&] {
        std::array<int, 9> owner{};
        store::DirtyBoard.MoveFirst();
        for (int l = 1; l <= 9; ++l) {
            store::DirtyBoard.Find(store::locationCriterion(l));
            owner[l - 1] = store::DirtyBoard.intValue(QStringLiteral("fldOwner"));
            store::DirtyBoard.MoveFirst();
        }
        guestOwners << owner;
        guestScores << std::pair{frmMain->PlayRules().gintPlayer1Score,
                                 frmMain->PlayRules().gintPlayer2Score};
    });
    QSignalSpy ended(j.match.get(), &JoinedMatch::ended);
    int results = 0;
    j.game.onModal([&results](platform::Form* form) {
        if (form == frmWinner)
            ++results;
        Game::pressDone(form);
    });

    j.host->begin();
    QRandomGenerator random(77);
    QElapsedTimer clock;
    clock.start();
    while (results == 0 && ended.isEmpty() && clock.elapsed() < 60000) {
        if (!j.play(random))
            QTest::qWait(2);
    }
    QVERIFY2(ended.isEmpty(),
             qPrintable(QStringLiteral("the match ended before its result: fault %1, reason %2")
                            .arg(int(ended.value(0).value(0).value<Fault>()))
                            .arg(int(ended.value(0).value(1).value<Fault>()))));
    QCOMPARE(results, 1);
    const int cards = static_cast<int>(j.host->placements.size());
    QVERIFY(cards >= 27);
    QCOMPARE(cards % 9, 0);
    // Every card the host placed was played here to the same board and
    // scores, and nothing else was.
    QCOMPARE(guestOwners.size(), j.host->owners.size());
    for (int k = 0; k < cards; ++k) {
        QCOMPARE(guestOwners[k], j.host->owners[k]);
        QCOMPARE(guestScores[k].first, j.host->placements[k].score1);
        QCOMPARE(guestScores[k].second, j.host->placements[k].score2);
    }
    // Both players' names and totals in the result window are the host's.
    // The host says how the last hand ended a moment after its card.
    QVERIFY(QTest::qWaitFor(
        [&] {
            return !j.host->handEnds.isEmpty() &&
                   j.host->handEnds.last().outcome == Outcome::MatchWon;
        },
        5000));
    const HandEnd last = j.host->handEnds.last();
    QCOMPARE(last.outcome, Outcome::MatchWon);
    QVERIFY(plain(frmWinner->lblP1Name->caption()).contains(options.hostName));
    QVERIFY(plain(frmWinner->lblP2Name->caption()).contains(options.guestName));
    qint16 total1 = 0;
    qint16 total2 = 0;
    for (int r = 1; r <= 5; ++r) {
        QCOMPARE(frmWinner->lblP1RndScore[r]->caption().toInt(), int(j.host->roundScore1[r]));
        QCOMPARE(frmWinner->lblP2RndScore[r]->caption().toInt(), int(j.host->roundScore2[r]));
        total1 = static_cast<qint16>(total1 + j.host->roundScore1[r]);
        total2 = static_cast<qint16>(total2 + j.host->roundScore2[r]);
    }
    QCOMPARE(frmWinner->lblP1Total->caption().toInt(), int(total1));
    QCOMPARE(frmWinner->lblP2Total->caption().toInt(), int(total2));
    QCOMPARE(frmMain->gintP1GamesWon, qint16(last.roundsWon1));
    QCOMPARE(frmMain->gintP2GamesWon, qint16(last.roundsWon2));

    // The guest's record keeps the match from his own side: his rounds and
    // points are his, and the host is his opponent, a person on the network.
    {
        const bool guestWon = last.roundsWon2 == 3;
        const record::Tally t = record::Record::instance().tally(record::Opponent::Network);
        QCOMPARE(t.matchesWon, guestWon ? 1 : 0);
        QCOMPARE(t.matchesLost, guestWon ? 0 : 1);
        QCOMPARE(t.roundsWon, int(last.roundsWon2));
        QCOMPARE(t.roundsLost, int(last.roundsWon1));
        QCOMPARE(t.pointsFor, qint64(total2));
        QCOMPARE(t.pointsAgainst, qint64(total1));
        QCOMPARE(t.handsWon + t.handsLost + t.handsDrawn, cards / 9);
        QCOMPARE(record::Record::instance().tally(record::Opponent::Person), record::Tally{});
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(platform::recordFile());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(
                q.exec(QStringLiteral("SELECT player1, player2, winner, opponent FROM matches")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), options.guestName);
            QCOMPARE(q.value(1).toString(), options.hostName);
            QCOMPARE(q.value(2).toInt(), guestWon ? 1 : 2);
            QCOMPARE(q.value(3).toString(), QStringLiteral("network"));
            QVERIFY(!q.next());
        }
        QSqlDatabase::removeDatabase(connection);
    }

    // Secrecy. The guest's file, searched before each step of the host...
    QVERIFY(searched > cards);
    // ...and every message it received, before the placement of each card.
    const QList<Message> received = readTrace(dir.filePath(QStringLiteral("guest.trace")));
    QVERIFY(received.size() > cards);
    // A hand's messages begin with its offer; the host's hand of it is
    // drawn apart from that offer (a card may come again in a later hand).
    int hand = -1;
    QSet<int> hostCards;
    int hiddenReceived = 0;
    for (const Message& m : received) {
        if (std::holds_alternative<Offer>(m.body)) {
            ++hand;
            QVERIFY(hand < j.host->hostHands.size());
            hostCards.clear();
            for (int c : j.host->hostHands[hand])
                hostCards << c;
        }
        const auto* p = std::get_if<Placement>(&m.body);
        if (p && p->player == HostPlayer) {
            hostCards.remove(p->card);
            continue;
        }
        for (int c : cardsIn(m.body))
            hiddenReceived += hostCards.contains(c) ? 1 : 0;
    }
    QCOMPARE(hand + 1, static_cast<int>(j.host->hostHands.size()));
    if (openHand) {
        // The whole hand travels with the deal and is written with it.
        QVERIFY(hiddenReceived >= 5);
        QVERIFY(hiddenInFile > 0);
    } else {
        QCOMPARE(hiddenReceived, 0);
        QCOMPARE(hiddenInFile, 0);
    }
    j.game.exit();
}

void NetGuestTest::hostGone_data() {
    QTest::addColumn<QString>("at");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<QString>("told");
    const QString lost =
        QStringLiteral("The connection to Dorvik was lost. The network match is over.");
    // The connection closes as the host is about to take each step of a
    // hand (and of the second hand, from its offer), or the host leaves.
    QTest::newRow("offer") << "offer" << 0 << false << lost;
    QTest::newRow("deal") << "deal" << 0 << false << lost;
    QTest::newRow("host placement") << "host placement" << 1 << false << lost;
    QTest::newRow("guest's move") << "move" << 2 << false << lost;
    QTest::newRow("hand end") << "hand end" << 0 << false << lost;
    QTest::newRow("second offer") << "offer" << 1 << false << lost;
    QTest::newRow("host leaves mid-hand")
        << "host placement" << 2 << true << QStringLiteral("Dorvik has left the game.");
}

// The host is gone at a step of the hand: the guest's person is told, the
// board sets up a new game that a person here can play, and the file is
// whole.
void NetGuestTest::hostGone() {
    QFETCH(QString, at);
    QFETCH(int, after);
    QFETCH(bool, leaves);
    QFETCH(QString, told);
    Joined j;
    QVERIFY(j.join(script::options(), 31));
    int seen = 0;
    bool gone = false;
    j.host->before = [&](const QString& step) {
        if (gone || step != at || seen++ < after)
            return;
        gone = true;
        if (leaves)
            j.host->link()->leave();
        else
            j.host->link()->socket()->abort();
    };
    QSignalSpy ended(j.match.get(), &JoinedMatch::ended);
    j.host->begin();
    QRandomGenerator random(5);
    QElapsedTimer clock;
    clock.start();
    while (ended.isEmpty() && clock.elapsed() < 20000)
        if (!j.play(random))
            QTest::qWait(2);
    QVERIFY(gone);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().at(0).value<Fault>(), leaves ? Fault::Left : Fault::ConnectionLost);
    QVERIFY(QTest::qWaitFor([] { return frmOptions->isVisible(); }, 5000));
    QCOMPARE(plain(j.game.lastMessage()), told);
    QVERIFY(j.game.lastMessageShownWhole());
    QVERIFY(!frmMain->isVisible());
    QVERIFY(!frmPlayer2->isVisible());
    QCOMPARE(frmMain->seat(1), static_cast<Seat*>(seats::person(1)));
    QCOMPARE(frmMain->seat(2), static_cast<Seat*>(seats::person(2)));

    // The board is usable: a game between two persons here is set up,
    // dealt and played.
    QVERIFY(frmMain->gblnNewGame);
    Game::click(frmOptions->imgDone);
    j.game.chooseCards(1);
    j.game.chooseCards(2);
    QVERIFY(frmMain->isVisible());
    QSignalSpy placed(frmMain, &FrmMain::cardPlaced);
    j.game.placeNext();
    j.game.placeNext();
    QCOMPARE(placed.size(), 2);
    QCOMPARE(frmMain->cardsPlaced(), qint16(2));
    j.game.exit();
}

// A host whose placement leaves out what the rule captured is caught by the
// guest's own rule, and the match ends there.
void NetGuestTest::hostLies() {
    Joined j;
    QVERIFY(j.join(script::options(), 1207));
    j.host->lie = true;
    QSignalSpy ended(j.match.get(), &JoinedMatch::ended);
    j.host->begin();
    QRandomGenerator random(9);
    QElapsedTimer clock;
    clock.start();
    while (ended.isEmpty() && clock.elapsed() < 30000)
        if (!j.play(random))
            QTest::qWait(2);
    QCOMPARE(j.host->lies, 1);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().at(0).value<Fault>(), Fault::Illegal);
    QVERIFY(QTest::qWaitFor([] { return frmOptions->isVisible(); }, 5000));
    QCOMPARE(plain(j.game.lastMessage()),
             QStringLiteral("The other game sent a move that the rules do not allow. The network "
                            "match is over."));
    j.game.exit();
}

// New Game on the guest in the middle of a hand: the host hears that the
// guest left, and the guest's new game is his own.
void NetGuestTest::guestLeaves() {
    Joined j;
    QVERIFY(j.join(script::options(), 3));
    QSignalSpy hostEnded(&j.host->host(), &Host::ended);
    j.host->begin();
    QRandomGenerator random(3);
    QElapsedTimer clock;
    clock.start();
    while (frmMain->cardsPlaced() < 3 && clock.elapsed() < 20000)
        if (!j.play(random))
            QTest::qWait(2);
    QVERIFY(frmMain->cardsPlaced() >= 3);
    Game::click(frmMain->imgNewGame);
    QVERIFY(hostEnded.wait(10000));
    QCOMPARE(hostEnded.first().at(0).value<Fault>(), Fault::Left);
    QCOMPARE(plain(faultText(Fault::Left, hostEnded.first().at(2).toString())),
             QStringLiteral("Mirela has left the game."));
    QVERIFY(frmOptions->isVisible());
    QCOMPARE(frmMain->seat(2), static_cast<Seat*>(seats::person(2)));
    j.game.exit();
}

// Options on the guest's board, before the first offer and in the middle of
// a hand: the host's options are shown and cannot be changed, Done goes back
// to the board, and the match goes on with the same seats.
void NetGuestTest::optionsDuringMatch() {
    Joined j;
    QVERIFY(j.join(script::options(), 11));
    QVERIFY(frmMain->isVisible());
    Game::click(frmMain->imgOptions);
    QVERIFY(frmOptions->isVisible());
    QVERIFY(!frmOptions->txtPlayer1Name->isEnabled());
    QCOMPARE(frmOptions->txtPlayer1Name->Text(), QStringLiteral("Dorvik"));
    Game::click(frmOptions->imgDone);
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmPlayer1->isVisible());

    QSignalSpy ended(j.match.get(), &JoinedMatch::ended);
    QSignalSpy placed(frmMain, &FrmMain::cardPlaced);
    j.host->begin();
    QRandomGenerator random(11);
    bool pressed = false;
    QElapsedTimer clock;
    clock.start();
    while (placed.size() < 9 && ended.isEmpty() && clock.elapsed() < 20000) {
        if (!pressed && placed.size() == 4 && frmMain->isVisible()) {
            pressed = true;
            Game::click(frmMain->imgOptions);
            QVERIFY(frmOptions->isVisible());
            // What the options say about player 2 does not take his side.
            QCOMPARE(frmMain->seat(2), static_cast<Seat*>(j.match->seat()));
            Game::click(frmOptions->imgDone);
            QVERIFY(frmMain->isVisible());
        }
        if (!j.play(random))
            QTest::qWait(2);
    }
    QVERIFY(pressed);
    QCOMPARE(ended.size(), 0);
    QCOMPARE(placed.size(), 9);
    QCOMPARE(frmMain->seat(1), static_cast<Seat*>(j.match->hostSeat()));
    QCOMPARE(frmMain->seat(2), static_cast<Seat*>(j.match->seat()));
    j.game.exit();
}

QTEST_MAIN(NetGuestTest)
#include "tst_netguest.moc"
