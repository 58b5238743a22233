#pragma once

#include <QStringList>

#include <array>

// Checks, after any event of a running game, the facts that must hold between
// the main window, the selection windows and the tables, and follows the
// scores: every card that changes from one player's colour to the other's
// between two checks adds its four edges to the capturer's expected score.
// Call check() after every event, and also from the modal hook: a message at
// the end of a hand is shown before the board is cleared, so that is the last
// moment the captures of the ninth card can be seen.
class Invariants {
  public:
    // Takes the current board as the starting point and expects the engine's
    // current scores.
    Invariants();

    // The broken invariants, each described in a sentence; empty when all hold.
    QStringList check();

    qint16 expectedScore(int player) const { return m_expected[player]; }
    int capturesSeen() const { return m_captures; }

  private:
    struct Square {
        int id = 0;
        int owner = 0;
        int edges = 0;
    };
    using Board = std::array<Square, 10>;
    static Board readBoard();
    void remember(const Board& board);

    Board m_board{};
    std::array<qint16, 3> m_expected{};
    // What each score label must show: "000" until the player's first capture
    // after a reset.
    std::array<bool, 3> m_capturedSinceReset{};
    qint16 m_round = 0;
    bool m_newGame = false;
    int m_captures = 0;
};
