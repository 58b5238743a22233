#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

// The title window shown alone for a second at program start. Once it is on
// the screen the other windows are made (not loaded) behind it; its timer's
// first tick checks the card database and pictures, loads every other window
// hidden in a fixed order, shows the main window and closes the splash.
class FrmSplash : public platform::Form {
    Q_OBJECT
  public:
    FrmSplash();
    platform::Timer* tmrOne = nullptr;
    void tmrOne_Timer();
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_painted = false;
};
