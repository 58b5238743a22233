#include "support/Invariants.h"

#include "match/FrmMain.h"
#include "platform/Recordset.h"
#include "selection/FrmPlayer.h"
#include "windows/Forms.h"

#include <QSqlQuery>

namespace {

// Card id per slot of a hand table, read from the file the program writes.
std::array<int, 6> readHand(const QString& table) {
    std::array<int, 6> ids{};
    QSqlQuery q(platform::Database::connection());
    q.exec(QStringLiteral("SELECT fldLocation, fldID FROM %1").arg(table));
    while (q.next()) {
        const int slot = q.value(0).toInt();
        if (slot >= 1 && slot <= 5)
            ids[slot] = q.value(1).toInt();
    }
    return ids;
}

QString yesNo(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

Invariants::Invariants() {
    remember(readBoard());
    m_expected[1] = frmMain->PlayRules().gintPlayer1Score;
    m_expected[2] = frmMain->PlayRules().gintPlayer2Score;
    m_capturedSinceReset[1] = frmMain->lblPlayer1Score->caption() != QLatin1String("000");
    m_capturedSinceReset[2] = frmMain->lblPlayer2Score->caption() != QLatin1String("000");
    m_round = frmMain->gintRound;
    m_newGame = frmMain->gblnNewGame;
}

Invariants::Board Invariants::readBoard() {
    Board board{};
    QSqlQuery q(platform::Database::connection());
    q.exec(QStringLiteral("SELECT fldLocation, fldID, fldOwner, "
                          "fldNorth + fldEast + fldSouth + fldWest FROM DirtyBoard"));
    while (q.next()) {
        const int location = q.value(0).toInt();
        if (location >= 1 && location <= 9)
            board[location] = {q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()};
    }
    return board;
}

void Invariants::remember(const Board& board) {
    m_board = board;
}

QStringList Invariants::check() {
    QStringList broken;
    const Board board = readBoard();

    // Scores: captures since the last check, unless the scores were reset in
    // between (New Game, or a round won).
    const bool reset = frmMain->gintRound != m_round || (frmMain->gblnNewGame && !m_newGame);
    if (reset) {
        m_expected = {};
        m_capturedSinceReset = {};
    } else {
        for (int l = 1; l <= 9; ++l) {
            const int before = m_board[l].owner;
            const int after = board[l].owner;
            if (before != 0 && after != 0 && before != after) {
                m_expected[after] = static_cast<qint16>(m_expected[after] + board[l].edges);
                m_capturedSinceReset[after] = true;
                ++m_captures;
            }
        }
    }
    m_round = frmMain->gintRound;
    m_newGame = frmMain->gblnNewGame;
    remember(board);

    const qint16 scores[3] = {0, frmMain->PlayRules().gintPlayer1Score,
                              frmMain->PlayRules().gintPlayer2Score};
    const platform::Label* labels[3] = {nullptr, frmMain->lblPlayer1Score,
                                        frmMain->lblPlayer2Score};
    for (int p = 1; p <= 2; ++p) {
        if (scores[p] != m_expected[p])
            broken << QStringLiteral("player %1's score is %2, captures add up to %3")
                          .arg(p)
                          .arg(scores[p])
                          .arg(m_expected[p]);
        const QString shown =
            m_capturedSinceReset[p] ? QString::number(scores[p]) : QStringLiteral("000");
        if (labels[p]->caption() != shown)
            broken << QStringLiteral("player %1's score label shows \"%2\", expected \"%3\"")
                          .arg(p)
                          .arg(labels[p]->caption(), shown);
    }

    const QString blank = pictureName(QStringLiteral("\\images\\FieldBlank.jpg"));
    for (int l = 1; l <= 9; ++l) {
        const bool used = frmMain->boardUsed(l);
        const bool hasCard = board[l].id != 0;
        const bool owned = board[l].owner != 0;
        if (used != hasCard || hasCard != owned)
            broken << QStringLiteral("square %1: blnBoardUsed %2, fldID %3, fldOwner %4")
                          .arg(l)
                          .arg(yesNo(used))
                          .arg(board[l].id)
                          .arg(board[l].owner);
        const bool showsBlank = frmMain->imgBoard[l]->pictureName() == blank;
        if (showsBlank == hasCard)
            broken << QStringLiteral("square %1 shows \"%2\" while it holds card %3")
                          .arg(l)
                          .arg(frmMain->imgBoard[l]->pictureName())
                          .arg(board[l].id);
    }

    const std::array<int, 6> hands[3] = {
        {}, readHand(QStringLiteral("P1Hand")), readHand(QStringLiteral("P2Hand"))};
    int markers = 0;
    for (int p = 1; p <= 2; ++p) {
        for (int s = 1; s <= 5; ++s) {
            const bool inHand = p == 1 ? frmMain->p1InHand(s) : frmMain->p2InHand(s);
            if (inHand != (hands[p][s] != 0))
                broken << QStringLiteral("hand %1 slot %2: flag %3, fldID %4")
                              .arg(p)
                              .arg(s)
                              .arg(yesNo(inHand))
                              .arg(hands[p][s]);
            const platform::Picture* marker =
                p == 1 ? frmMain->imgP1Select[s] : frmMain->imgP2Select[s];
            if (!marker->Visible())
                continue;
            ++markers;
            // A marker is the pick of the player on turn, on a card he holds.
            if (!inHand || frmMain->gintTurn != p)
                broken << QStringLiteral("hand %1 slot %2 is marked with flag %3 on turn %4")
                              .arg(p)
                              .arg(s)
                              .arg(yesNo(inHand))
                              .arg(frmMain->gintTurn);
        }
    }
    if (markers > 1)
        broken << QStringLiteral("%1 hand markers are visible").arg(markers);

    for (FrmPlayer* window : {frmPlayer1, frmPlayer2}) {
        if (!window->isVisible())
            continue;
        int shown = 0;
        for (int i = 1; i <= 8; ++i)
            shown += window->imgSelect[i]->Visible() ? 1 : 0;
        if (window->selectedCount() != shown)
            broken << QStringLiteral("%1: intSelected %2 with %3 markers shown")
                          .arg(window->objectName())
                          .arg(window->selectedCount())
                          .arg(shown);
        const bool choosing = frmMain->gblnNewGame || frmMain->gblnNewRound;
        if (choosing && !window->tmr1->isEnabled() && !window->offerShown())
            broken << QStringLiteral("%1 is shown for choosing without an offer")
                          .arg(window->objectName());
    }
    return broken;
}
