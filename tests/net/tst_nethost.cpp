// The host's board in a network match, in-process: the program's real
// windows play the host, and a guest joins across a real TLS connection on
// this computer. The guest keeps the conversation's rules for every message
// it gets and checks each placement against the capture rule on its own
// copy of the board; the host's person plays with clicks. Under Closed Hand
// the guest never receives a card of the host's hand before its placement;
// under Open Hand it receives the whole hand with the deal.
#include "MatchScript.h"

#include "computer/Board.h"
#include "match/FrmMain.h"
#include "match/HostedMatch.h"
#include "net/Guest.h"
#include "net/Host.h"
#include "net/JoinCode.h"
#include "options/FrmOptions.h"
#include "record/Record.h"
#include "seats/PersonSeat.h"
#include "seats/RemoteSeat.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "store/Tables.h"
#include "support/Game.h"
#include "windows/Forms.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace net;

Q_DECLARE_METATYPE(net::Fault)

namespace {

const Timing Fast{.heartbeatMs = 150, .silenceMs = 3000, .greetingMs = 5000};

const JoinCode& theCode() {
    static const JoinCode code = [] {
        JoinCode c = *JoinCode::parse(u"K7QF-9M2T-XW");
        c.key();
        return c;
    }();
    return code;
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

// The guest's end: it chooses offer slots 1, 3, 4, 6 and 8, proposes the
// first card it holds on the first free square whenever its turn comes,
// and plays every placement it hears on a board of its own with the capture
// rule, noting where that board and the host's word differ.
class ScriptedGuest : public QObject {
  public:
    ScriptedGuest(Guest* guest, bool combo) : m_guest(guest), m_combo(combo) {
        connect(guest, &Guest::received, this, &ScriptedGuest::received);
    }

    QStringList disagreements;
    int placements = 0;
    QList<HandEnd> handEnds;
    QList<Placement> heard;
    // The owners of the squares as the guest's board has them after each
    // placement it heard.
    QList<std::array<int, 9>> owners;

  private:
    const Conversation& state() const { return m_guest->link()->conversation(); }

    void received(const Message& message) {
        if (std::holds_alternative<Offer>(message.body)) {
            m_board = {};
            later([this] { m_guest->link()->send(Selection{{1, 3, 4, 6, 8}}); });
        } else if (const auto* p = std::get_if<Placement>(&message.body)) {
            check(*p);
        } else if (const auto* e = std::get_if<HandEnd>(&message.body)) {
            handEnds << *e;
            return;
        }
        later([this] { moveIfMyTurn(); });
    }

    void check(const Placement& p) {
        ++placements;
        heard << p;
        const auto& list = FrmMain::cardList();
        if (p.card < 1 || p.card > list.size()) {
            disagreements << QStringLiteral("card %1 is not in the list").arg(p.card);
            return;
        }
        computer::Captures taken;
        const int gained =
            m_board.place(p.location - 1, list[p.card - 1], p.player,
                          m_combo ? computer::Rule::BasicCombo : computer::Rule::Basic, &taken);
        QList<int> expected;
        for (int k = 0; k < taken.count; ++k)
            expected << taken.squares[k] + 1;
        QList<int> got;
        for (quint8 c : p.captures)
            got << c;
        std::sort(expected.begin(), expected.end());
        std::sort(got.begin(), got.end());
        if (expected != got)
            disagreements << QStringLiteral("placement on %1: captures %2, the rule takes %3")
                                 .arg(p.location)
                                 .arg(toText(got), toText(expected));
        m_score[p.player] = static_cast<qint16>(m_score[p.player] + gained);
        if (p.score1 != m_score[1] || p.score2 != m_score[2])
            disagreements << QStringLiteral("placement on %1: scores %2:%3, the rule counts %4:%5")
                                 .arg(p.location)
                                 .arg(p.score1)
                                 .arg(p.score2)
                                 .arg(m_score[1])
                                 .arg(m_score[2]);
        // The host's word stands from here on, so that one fault is not
        // counted again at every later placement.
        m_score[1] = p.score1;
        m_score[2] = p.score2;
        owners << m_board.owner;
    }

    static QString toText(const QList<int>& squares) {
        QStringList words;
        for (int s : squares)
            words << QString::number(s);
        return words.join(QLatin1Char(','));
    }

    void moveIfMyTurn() {
        if (!m_guest->link())
            return;
        const Conversation& s = state();
        if (s.phase() != Conversation::Phase::Playing || s.turn() != GuestPlayer || s.pendingMove())
            return;
        int slot = 1;
        while (slot <= 5 && !s.inHand(GuestPlayer, slot))
            ++slot;
        int square = 1;
        while (square <= 9 && s.owner(square) != 0)
            ++square;
        m_guest->link()->send(Move{static_cast<quint8>(slot), static_cast<quint8>(square)});
    }

    void later(std::function<void()> f) { QTimer::singleShot(0, this, std::move(f)); }

    Guest* m_guest;
    bool m_combo;
    computer::Board m_board;
    std::array<qint16, 3> m_score{};
};

} // namespace

class NetHostTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void wholeHand_data();
    void wholeHand();
    void guestGone_data();
    void guestGone();
    void hostLeaves();
};

void NetHostTest::initTestCase() {
    if (!QSslSocket::supportsSsl())
        QSKIP("OpenSSL cannot be loaded: no network match can be played.");
}

void NetHostTest::wholeHand_data() {
    QTest::addColumn<bool>("openHand");
    QTest::addColumn<bool>("combo");
    QTest::newRow("closed hand, basic rule") << false << false;
    QTest::newRow("open hand, combo rule") << true << true;
}

void NetHostTest::wholeHand() {
    QFETCH(bool, openHand);
    QFETCH(bool, combo);
    Game game;
    game.start();
    game.newGame(openHand, combo);
    QVERIFY(frmPlayer1->isVisible());

    const MatchOptions options{frmOptions->gstrPlayer1Name, QString(), openHand, combo,
                               frmOptions->gintWinHigh};
    Host host(theCode(), options, HostedMatch::cardListDigest(),
              static_cast<int>(FrmMain::cardList().size()), Fast);
    QString error;
    QVERIFY2(host.listen(0, &error), qPrintable(error));

    // Everything the guest receives, as decrypted, goes into the trace.
    QTemporaryDir dir;
    const QString tracePath = dir.filePath(QStringLiteral("guest.trace"));
    qputenv("QUORVEL_NET_TRACE", tracePath.toLocal8Bit());
    Guest guest(HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()), Fast);
    QSignalSpy joined(&host, &Host::joined);
    guest.join(QStringLiteral("127.0.0.1"), host.port(), theCode(), QStringLiteral("Mirela"));
    qunsetenv("QUORVEL_NET_TRACE");
    QVERIFY(joined.wait(10000));
    QSignalSpy guestEnded(&guest, &Guest::ended);
    QSignalSpy hostEnded(&host, &Host::ended);

    HostedMatch match(frmMain, host.guest());
    seats::setSeat(2, match.seat());
    frmOptions->gstrPlayer2Name = QStringLiteral("Mirela");
    ScriptedGuest script(&guest, combo);

    QList<int> hostHand;
    connect(frmMain, &FrmMain::handsDealt, this,
            [&hostHand](const QList<int>& hand1, const QList<int>&) { hostHand = hand1; });
    // The host's board after each placement, once the placement has gone out.
    QList<std::array<int, 9>> hostOwners;
    QList<std::pair<qint16, qint16>> hostScores;
    connect(frmMain, &FrmMain::cardPlaced, this, [&] {
        std::array<int, 9> owner{};
        store::DirtyBoard.MoveFirst();
        for (int l = 1; l <= 9; ++l) {
            store::DirtyBoard.Find(store::locationCriterion(l));
            owner[l - 1] = store::DirtyBoard.intValue(QStringLiteral("fldOwner"));
            store::DirtyBoard.MoveFirst();
        }
        hostOwners << owner;
        hostScores << std::pair{frmMain->PlayRules().gintPlayer1Score,
                                frmMain->PlayRules().gintPlayer2Score};
    });

    // The host chooses; the guest's offer goes out once the host's
    // selection window for player 2 shows it, and the guest's choice comes
    // back through its seat.
    game.chooseCards(1);
    QVERIFY(frmPlayer2->isVisible());
    QVERIFY(!frmPlayer2->seat()->takesLocalInput());
    QVERIFY(QTest::qWaitFor([] { return frmMain->isVisible(); }, 10000));
    QCOMPARE(frmPlayer2->selectedCount(), 0);

    // Nine cards: the host's with clicks, the guest's as it proposes them.
    QSignalSpy placed(frmMain, &FrmMain::cardPlaced);
    QElapsedTimer clock;
    clock.start();
    while (placed.count() < 9 && clock.elapsed() < 20000) {
        if (frmMain->isVisible() && frmMain->tmrHideHand->isEnabled())
            frmMain->tmrHideHand->tick();
        if (frmMain->isVisible() && frmMain->gintTurn == 1 && !Game::heldSlots().isEmpty())
            game.placeNext();
        else
            QTest::qWait(5);
    }
    QCOMPARE(placed.count(), 9);
    QVERIFY(QTest::qWaitFor([&] { return !script.handEnds.isEmpty(); }, 10000));
    QVERIFY2(script.disagreements.isEmpty(), qPrintable(script.disagreements.join(u'\n')));
    QCOMPARE(script.placements, 9);
    // Both sides saw the same board and scores after every card.
    QCOMPARE(script.owners.size(), hostOwners.size());
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(script.owners[k], hostOwners[k]);
        QCOMPARE(script.heard[k].score1, hostScores[k].first);
        QCOMPARE(script.heard[k].score2, hostScores[k].second);
    }
    // The next hand begins for both: the host's person chooses again.
    QVERIFY(frmPlayer1->isVisible());
    QCOMPARE(guestEnded.count(), 0);
    QCOMPARE(hostEnded.count(), 0);
    // The host's record keeps the hand against a person on the network.
    const record::Tally tally = record::Record::instance().tally(record::Opponent::Network);
    QCOMPARE(tally.handsWon + tally.handsLost + tally.handsDrawn, 1);
    QCOMPARE(tally.pointsFor, qint64(hostScores.last().first));
    QCOMPARE(tally.pointsAgainst, qint64(hostScores.last().second));
    QCOMPARE(record::Record::instance().tally(record::Opponent::Person), record::Tally{});

    // What the guest received, message by message.
    const QList<Message> received = readTrace(tracePath);
    QVERIFY(!received.isEmpty());
    const auto deal = std::find_if(received.begin(), received.end(), [](const Message& m) {
        return std::holds_alternative<Deal>(m.body);
    });
    QVERIFY(deal != received.end());
    const Deal& dealt = std::get<Deal>(deal->body);
    QCOMPARE(hostHand.size(), 5);
    if (openHand) {
        QVERIFY(dealt.hostHand.has_value());
        for (int k = 0; k < 5; ++k)
            QCOMPARE(int((*dealt.hostHand)[k]), hostHand[k]);
    } else {
        QVERIFY(!dealt.hostHand.has_value());
        // Each card of the host's hand travels first with its own placement.
        QSet<int> revealed;
        for (const Message& m : received) {
            if (const auto* p = std::get_if<Placement>(&m.body); p && p->player == HostPlayer) {
                QVERIFY(!revealed.contains(p->handSlot));
                QCOMPARE(int(p->card), hostHand[p->handSlot - 1]);
                revealed << p->handSlot;
            }
        }
    }
    game.exit();
    seats::setSeat(2, seats::person(2));
}

void NetHostTest::guestGone_data() {
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<QString>("told");
    QTest::newRow("the guest leaves") << true << QStringLiteral("Mirela has left the game.");
    QTest::newRow("the connection drops")
        << false << QStringLiteral("The connection to Mirela was lost. The network match is over.");
}

// The guest goes away in the middle of a hand: the host's person is told
// why, and the board sets up a new game that a person here can play.
void NetHostTest::guestGone() {
    QFETCH(bool, leaves);
    QFETCH(QString, told);
    Game game;
    game.start();
    game.newGame(false, false);
    const MatchOptions options{frmOptions->gstrPlayer1Name, QString(), false, false,
                               frmOptions->gintWinHigh};
    Host host(theCode(), options, HostedMatch::cardListDigest(),
              static_cast<int>(FrmMain::cardList().size()), Fast);
    QString error;
    QVERIFY2(host.listen(0, &error), qPrintable(error));
    Guest guest(HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()), Fast);
    QSignalSpy joined(&host, &Host::joined);
    guest.join(QStringLiteral("127.0.0.1"), host.port(), theCode(), QStringLiteral("Mirela"));
    QVERIFY(joined.wait(10000));
    HostedMatch match(frmMain, host.guest());
    seats::setSeat(2, match.seat());
    frmOptions->gstrPlayer2Name = QStringLiteral("Mirela");
    ScriptedGuest script(&guest, false);
    QSignalSpy ended(&match, &HostedMatch::ended);

    game.chooseCards(1);
    QVERIFY(QTest::qWaitFor([] { return frmMain->isVisible(); }, 10000));
    QSignalSpy placed(frmMain, &FrmMain::cardPlaced);
    QElapsedTimer clock;
    clock.start();
    while (placed.count() < 3 && clock.elapsed() < 20000) {
        if (frmMain->tmrHideHand->isEnabled())
            frmMain->tmrHideHand->tick();
        if (frmMain->gintTurn == 1 && !Game::heldSlots().isEmpty())
            game.placeNext();
        else
            QTest::qWait(5);
    }
    QCOMPARE(placed.count(), 3);

    if (leaves)
        guest.close();
    else
        guest.link()->socket()->abort();
    QVERIFY(ended.wait(10000));
    QVERIFY(QTest::qWaitFor([] { return frmOptions->isVisible(); }, 5000));
    QCOMPARE(game.lastMessage().remove(QChar(0x2068)).remove(QChar(0x2069)), told);
    QVERIFY(game.lastMessageShownWhole());
    QVERIFY(!frmMain->isVisible());
    QCOMPARE(frmPlayer2->seat(), static_cast<Seat*>(seats::person(2)));
    QCOMPARE(placed.count(), 3);

    // The board is usable: a game at this screen is set up and dealt.
    QVERIFY(frmMain->gblnNewGame);
    Game::click(frmOptions->imgDone);
    game.chooseCards(1);
    game.chooseCards(2);
    QVERIFY(frmMain->isVisible());
    frmMain->tmrHideHand->tick();
    game.placeNext();
    QCOMPARE(placed.count(), 4);
    game.exit();
}

// New Game on the host in the middle of a hand: the guest hears that the
// host left, and the new game here is the host's alone.
void NetHostTest::hostLeaves() {
    Game game;
    game.start();
    game.newGame(false, false);
    const MatchOptions options{frmOptions->gstrPlayer1Name, QString(), false, false,
                               frmOptions->gintWinHigh};
    Host host(theCode(), options, HostedMatch::cardListDigest(),
              static_cast<int>(FrmMain::cardList().size()), Fast);
    QString error;
    QVERIFY2(host.listen(0, &error), qPrintable(error));
    Guest guest(HostedMatch::cardListDigest(), static_cast<int>(FrmMain::cardList().size()), Fast);
    QSignalSpy joined(&host, &Host::joined);
    guest.join(QStringLiteral("127.0.0.1"), host.port(), theCode(), QStringLiteral("Mirela"));
    QVERIFY(joined.wait(10000));
    HostedMatch match(frmMain, host.guest());
    seats::setSeat(2, match.seat());
    ScriptedGuest script(&guest, false);
    QSignalSpy guestEnded(&guest, &Guest::ended);
    game.chooseCards(1);
    QVERIFY(QTest::qWaitFor([] { return frmMain->isVisible(); }, 10000));

    Game::click(frmMain->imgNewGame);
    QVERIFY(guestEnded.wait(10000));
    QCOMPARE(guestEnded.first().at(0).value<Fault>(), Fault::Left);
    QVERIFY(frmOptions->isVisible());
    QCOMPARE(frmPlayer2->seat(), static_cast<Seat*>(seats::person(2)));
    game.exit();
}

QTEST_MAIN(NetHostTest)
#include "tst_nethost.moc"
