#include "rules/PlayRules.h"

#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"
#include "store/Tables.h"

#include <QCoreApplication>

namespace {

// One neighbour of a square: where it lies, which of its edges faces the
// acting card, and which of the acting card's edges faces it.
enum class Side { North, East, South, West };
struct Neighbour {
    int offset;
    const char* facingField;
    Side actingEdge;
};

// Above, left, right, below: ascending order of location, so every forward
// search from the previous neighbour finds the next one.
constexpr Neighbour Neighbours[] = {
    {-3, "fldSouth", Side::North},
    {-1, "fldEast", Side::West},
    {+1, "fldWest", Side::East},
    {+3, "fldNorth", Side::South},
};

bool exists(int board, const Neighbour& n) {
    const int target = board + n.offset;
    if (target < 1 || target > 9)
        return false;
    // No neighbour across the left or right edge of the board.
    const int column = (board - 1) % 3;
    if (n.offset == -1 && column == 0)
        return false;
    if (n.offset == +1 && column == 2)
        return false;
    return true;
}

qint16 addScore(qint16 score, qint16 edge, int player) {
    qint16 sum = 0;
    if (__builtin_add_overflow(score, edge, &sum))
        platform::fatal(QCoreApplication::translate(
                            "PlayRules", "Player %1's score overflows a 16-bit integer (%2 + %3).")
                            .arg(player)
                            .arg(score)
                            .arg(edge));
    return sum;
}

} // namespace

PlayRules::PlayRules(platform::Recordset& board, rules::BoardView& view)
    : m_board(board), m_view(view) {}

void PlayRules::Basic(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                      const qint16& Board, const qint16& Owner) {
    Standard(North, East, South, West, Board, Owner);
    for (int location = 1; location <= 9; ++location)
        clearEntry(location);
}

void PlayRules::BasicCombo(qint16 North, const qint16& East, const qint16& South,
                           const qint16& West, const qint16& Board, const qint16& Owner) {
    Standard(North, East, South, West, Board, Owner);
    for (int location = 1; location <= 9; ++location) {
        if (!ComboPending[location - 1])
            continue;
        const qint16* args = ComboArgs[location - 1];
        ComboCard(args[0], args[1], args[2], args[3], args[4], args[5]);
        clearEntry(location);
    }
}

void PlayRules::SamePlus(qint16, const qint16&, const qint16&, const qint16&, const qint16&,
                         const qint16&) {}

void PlayRules::SamePlusCombo(qint16, const qint16&, const qint16&, const qint16&, const qint16&,
                              const qint16&) {}

void PlayRules::Standard(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                         const qint16& Board, const qint16& Owner) {
    capture(North, East, South, West, Board, Owner, true);
}

void PlayRules::ComboCard(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                          const qint16& Board, const qint16& Owner) {
    capture(North, East, South, West, Board, Owner, false);
}

void PlayRules::clearEntry(int location) {
    ComboPending[location - 1] = false;
    for (qint16& arg : ComboArgs[location - 1])
        arg = 0;
}

void PlayRules::capture(qint16 North, qint16 East, qint16 South, qint16 West, qint16 Board,
                        qint16 Owner, bool queue) {
    if (Board < 1 || Board > 9)
        return;
    const qint16 edges[] = {North, East, South, West};
    m_board.MoveFirst();
    for (const Neighbour& n : Neighbours) {
        if (!exists(Board, n))
            continue;
        const int location = Board + n.offset;
        m_board.Find(store::locationCriterion(location));
        // The owner test comes first: only an opponent's card is compared.
        const qint16 opponent = Owner == 1 ? 2 : Owner == 2 ? 1 : 0;
        if (opponent == 0)
            continue;
        if (m_board.intValue(QStringLiteral("fldOwner")) != opponent)
            continue;
        if (!(m_board.intValue(QLatin1String(n.facingField)) <
              edges[static_cast<int>(n.actingEdge)]))
            continue;

        const QString colour = Owner == 1 ? QStringLiteral("r.jpg") : QStringLiteral("b.jpg");
        m_view.showCapture(location, platform::programFolder() +
                                         m_board.textValue(QStringLiteral("fldPath")) + colour);
        m_board.setValue(QStringLiteral("fldOwner"), Owner);
        const qint16 north = m_board.intValue(QStringLiteral("fldNorth"));
        const qint16 east = m_board.intValue(QStringLiteral("fldEast"));
        const qint16 south = m_board.intValue(QStringLiteral("fldSouth"));
        const qint16 west = m_board.intValue(QStringLiteral("fldWest"));
        if (queue) {
            ComboPending[location - 1] = true;
            qint16* row = ComboArgs[location - 1];
            row[0] = north;
            row[1] = east;
            row[2] = south;
            row[3] = west;
            row[4] = static_cast<qint16>(location);
            row[5] = m_board.intValue(QStringLiteral("fldOwner"));
        }
        qint16& score = Owner == 1 ? gintPlayer1Score : gintPlayer2Score;
        qint16 sum = addScore(score, north, Owner);
        sum = addScore(sum, east, Owner);
        sum = addScore(sum, south, Owner);
        sum = addScore(sum, west, Owner);
        score = sum;
        m_view.setScoreCaption(Owner, QString::number(score));
        m_board.MoveFirst();
    }
    m_board.MoveFirst();
}
