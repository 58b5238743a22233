#pragma once

#include <QString>

namespace rules {

// What the rules engine needs of the window that shows the board: a card
// face on a square, redrawn at once, and the caption of a score label.
class BoardView {
  public:
    virtual ~BoardView() = default;
    // Shows the picture file `pictureName` on square `location` (1..9) and
    // redraws it before returning; a picture that cannot be loaded is fatal.
    virtual void showCapture(int location, const QString& pictureName) = 0;
    // Sets the caption of player `player`'s score label (1 or 2).
    virtual void setScoreCaption(int player, const QString& caption) = 0;
};

} // namespace rules
