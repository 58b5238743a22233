#include "match/ComputerPlayer.h"

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Random.h"
#include "store/Tables.h"
#include "windows/Forms.h"

#include <QCoreApplication>

#include <cmath>

namespace {

computer::Card edges(const platform::Recordset& table) {
    return {table.intValue(QStringLiteral("fldNorth")), table.intValue(QStringLiteral("fldEast")),
            table.intValue(QStringLiteral("fldSouth")), table.intValue(QStringLiteral("fldWest"))};
}

// The card list never changes while the program runs: read once.
const std::vector<computer::Card>& cardList() {
    static std::vector<computer::Card> cards;
    if (cards.empty()) {
        platform::Recordset& all = store::AllCards;
        all.MoveFirst();
        for (int n = 1; n <= all.recordCount(); ++n) {
            all.Find(store::autoNumberCriterion(n));
            cards.push_back(edges(all));
        }
        all.MoveFirst();
    }
    return cards;
}

// The cards of a hand table whose slots still hold a card.
std::array<std::optional<computer::Card>, 5> readHand(platform::Recordset& hand,
                                                      bool (FrmMain::*inHand)(int) const) {
    std::array<std::optional<computer::Card>, 5> cards{};
    hand.MoveFirst();
    for (int s = 1; s <= 5; ++s) {
        if (!(frmMain->*inHand)(s))
            continue;
        hand.Find(store::locationCriterion(s));
        cards[s - 1] = edges(hand);
        hand.MoveFirst();
    }
    return cards;
}

} // namespace

ComputerPlayer::ComputerPlayer(QObject* parent) : QObject(parent) {
    m_pool.setMaxThreadCount(1);
}

ComputerPlayer::~ComputerPlayer() {
    m_pool.clear();
    m_pool.waitForDone();
}

computer::Position ComputerPlayer::readPosition() {
    computer::Position position;
    platform::Recordset& board = store::DirtyBoard;
    board.MoveFirst();
    for (int l = 1; l <= 9; ++l) {
        board.Find(store::locationCriterion(l));
        position.owner[l - 1] = board.intValue(QStringLiteral("fldOwner"));
        if (position.owner[l - 1] != 0)
            position.board[l - 1] = edges(board);
        board.MoveFirst();
    }
    position.hand = readHand(store::P2Hand, &FrmMain::p2InHand);
    for (int s = 1; s <= 5; ++s)
        position.opponentCardsLeft += frmMain->p1InHand(s) ? 1 : 0;
    // Open Hand shows the person's cards face up: the computer may see them too.
    position.opponentHandKnown = frmOptions->gblnHand;
    if (position.opponentHandKnown)
        position.opponentHand = readHand(store::P1Hand, &FrmMain::p1InHand);
    position.cardList = cardList();
    position.rule = frmOptions->gblnBasicCombo ? computer::Rule::BasicCombo : computer::Rule::Basic;
    return position;
}

std::array<computer::Card, 8> ComputerPlayer::readOffer() {
    std::array<computer::Card, 8> offer{};
    platform::Recordset& stock = store::P2Stock;
    stock.MoveFirst();
    for (int i = 1; i <= 8; ++i) {
        stock.Find(store::locationCriterion(i));
        offer[i - 1] = edges(stock);
        stock.MoveFirst();
    }
    return offer;
}

std::uint64_t ComputerPlayer::nextSeed() {
    return static_cast<std::uint64_t>(std::ldexp(platform::Random::instance().next(), 53));
}

quint64 ComputerPlayer::think(const computer::Position& position, computer::Level level,
                              std::uint64_t seed) {
    const quint64 request = ++m_request;
    m_pending = true;
    m_pool.start([this, request, position, level, seed] {
        const computer::Move move = computer::chooseMove(position, level, seed);
        // The pool is waited for before this object goes, so `this` is alive
        // here; a call still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(
            this,
            [this, request, move] {
                if (request != m_request)
                    return;
                m_pending = false;
                emit moveReady(request, move.handSlot, move.location);
            },
            Qt::QueuedConnection);
    });
    return request;
}

void ComputerPlayer::forget() {
    ++m_request;
    m_pending = false;
}

void ComputerPlayer::waitForThought() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
