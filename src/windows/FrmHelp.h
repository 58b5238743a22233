#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

class QTextBrowser;

// The help window: shows the rules document and returns to the window that
// opened it. It unloads itself after each use, so every opening reads the
// document afresh and starts at its beginning.
class FrmHelp : public platform::Form {
    Q_OBJECT
  public:
    FrmHelp();
    // The window to return to: "Main", or anything else for the options window.
    QString gstrCaller;
    QTextBrowser* rtfHelp = nullptr;
    platform::Picture* imgDone = nullptr;

  protected:
    void Form_Load() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void imgDone_MouseDown();
    void imgDone_MouseUp();
};
