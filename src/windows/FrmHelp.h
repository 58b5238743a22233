#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

class QTextBrowser;
class QTextDocument;

// The help window: shows the rules document and returns to the window that
// opened it. It unloads itself after each use, so every opening reads the
// document afresh and starts at its beginning. Its text box is made when the
// window first shows: a match that never opens the rules holds none of it.
class FrmHelp : public platform::Form {
    Q_OBJECT
  public:
    FrmHelp();
    // The window to return to: "Main", or anything else for the options window.
    QString gstrCaller;
    // Null until the window first shows.
    QTextBrowser* rtfHelp = nullptr;
    // The rules as last read, shown by rtfHelp.
    QTextDocument* rulesDocument() const { return m_rules; }
    platform::Picture* imgDone = nullptr;

    void setVisible(bool visible) override;

  protected:
    void Form_Load() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void makeTextBox();
    void readRules();
    void imgDone_MouseDown();
    void imgDone_MouseUp();

    QTextDocument* m_rules = nullptr;
};
