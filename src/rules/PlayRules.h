#pragma once

#include "rules/BoardView.h"

#include <QtGlobal>

namespace platform {
class Recordset;
}

// The rules engine. Decides which cards a placed card captures, shows each
// capture on the board, and keeps both players' running scores. It works
// directly on the board table and keeps no copy of the board. Under the
// combo rule every card captured by the placement then acts once, one level
// deep, through the combo queue.
class PlayRules {
  public:
    // `board` is the shared board table; `view` shows captures and scores.
    PlayRules(platform::Recordset& board, rules::BoardView& view);

    qint16 gintPlayer1Score = 0;
    qint16 gintPlayer2Score = 0;

    void Basic(qint16 North, const qint16& East, const qint16& South, const qint16& West,
               const qint16& Board, const qint16& Owner);
    void BasicCombo(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                    const qint16& Board, const qint16& Owner);
    void SamePlus(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                  const qint16& Board, const qint16& Owner);
    void SamePlusCombo(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                       const qint16& Board, const qint16& Owner);
    void Standard(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                  const qint16& Board, const qint16& Owner);
    void ComboCard(qint16 North, const qint16& East, const qint16& South, const qint16& West,
                   const qint16& Board, const qint16& Owner);

    // The combo queue as it stands (tests check that it is clear between calls).
    bool comboPending(int location) const { return ComboPending[location - 1]; }
    qint16 comboArg(int location, int column) const { return ComboArgs[location - 1][column - 1]; }

  private:
    void capture(qint16 North, qint16 East, qint16 South, qint16 West, qint16 Board, qint16 Owner,
                 bool queue);
    void clearEntry(int location);

    qint16 ComboArgs[9][6] = {};
    bool ComboPending[9] = {};
    platform::Recordset& m_board;
    rules::BoardView& m_view;
};
