#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

// The message strip: one short message and a Done button, always shown
// modally. When the match has been won, Done opens the result window and
// returns only after it has been closed.
class FrmMessage : public platform::Form {
    Q_OBJECT
  public:
    FrmMessage();
    platform::Label* lblMsg = nullptr;
    platform::Picture* imgDone = nullptr;
    // Read out after the message while it shows ("Score 85 to 70."); the
    // window that shows the message sets it, Done clears it.
    QString spokenScores;
    // Read before the message ("Placed on square 9. Took square 6."): the
    // action that brought the message up, whose own announcement the screen
    // reader drops once the message has taken it. Cleared with the scores.
    QString spokenBefore;

  protected:
    void Form_Load() override;
    void Form_LostFocus() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void imgDone_MouseDown();
    void imgDone_MouseUp();
};
