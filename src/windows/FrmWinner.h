#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "record/Record.h"

#include <array>

// The match result window: both names, each player's score in each of the
// five rounds and the totals. The main window fills it when a match has been
// won; its Done hides it.
class FrmWinner : public platform::Form {
    Q_OBJECT
  public:
    FrmWinner();
    platform::Label* lblP1Name = nullptr;
    platform::Label* lblP2Name = nullptr;
    std::array<platform::Label*, 6> lblP1RndScore{};
    std::array<platform::Label*, 6> lblP2RndScore{};
    platform::Label* lblP1Total = nullptr;
    platform::Label* lblP2Total = nullptr;
    // The fixed row captions: Label1 .. Label12.
    std::array<platform::Label*, 13> Label{};
    platform::Picture* imgDone = nullptr;
    // The record against the computer, on a plate of its own between the
    // totals and Done; shown only when the computer was the opponent.
    platform::Picture* imgRecord = nullptr;
    platform::Label* lblRecord = nullptr;
    // Shows `line` on the plate, or hides both when it is empty.
    void showRecord(const QString& line);
    // The plate's line about the record `tally` against `opponent`, in the
    // player's language.
    static QString recordLine(record::Opponent opponent, const record::Tally& tally);

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void imgDone_MouseDown();
    void imgDone_MouseUp();
    void lblRecord_Click();
};
