#pragma once

#include "computer/Computer.h"
#include "platform/Controls.h"
#include "platform/Form.h"

#include <array>
#include <optional>

namespace platform {
class DropDown;
}

// The options window: the two player names, the hand option (open or closed
// hands) and the rule option with its target score. They can be changed only
// while a new game is being set up; otherwise the window shows them
// read-only. Nothing is stored: every program start begins with the defaults.
class FrmOptions : public platform::Form {
    Q_OBJECT
  public:
    FrmOptions();

    QString gstrPlayer1Name;
    QString gstrPlayer2Name;
    bool gblnHand = false;
    bool gblnBasic = false;
    bool gblnBasicCombo = false;
    qint16 gintWinHigh = 0;

    platform::TextBox* txtPlayer1Name = nullptr;
    platform::TextBox* txtPlayer2Name = nullptr;
    // Player 2's name box is also a drop-down of the computer's levels.
    platform::DropDown* lstPlayer2Name = nullptr;
    std::array<platform::Label*, 2> lblHandOpt{};
    std::array<platform::Label*, 2> lblRuleOpts{};
    platform::Picture* imgDone = nullptr;
    platform::Picture* imgHelp = nullptr;

    // The computer's level when player 2 is the computer, read from
    // gstrPlayer2Name: fixed, like the names, for the whole match.
    std::optional<computer::Level> player2Computer() const;

    void lblHandOpt_Click(int Index);
    void lblRuleOpts_Click(int Index);

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void describeControls();
    void imgDone_MouseDown();
    void imgDone_MouseUp();
    void imgHelp_MouseDown();
    void imgHelp_MouseUp();
    void txtPlayerName_GotFocus(platform::TextBox* box);
    void setEditable(bool editable);
    void readNames();
    void takeSeats();
};
