#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "record/Record.h"

#include <array>

// The statistics window: the record of finished matches and hands against
// each opponent (the computer at each level, a person at the same screen, a
// person on the network), read from the record file each time the window
// comes up, with a reset that asks first. Always shown modally, over the
// board or over the result window; Done hides it.
class FrmStats : public platform::Form {
    Q_OBJECT
  public:
    FrmStats();

    // The table's columns, left to right.
    enum Column { Opponent, Won, Lost, Rounds, Hands, Points, Streak, Columns };
    static constexpr int Rows = int(record::AllOpponents.size());

    std::array<platform::Label*, Columns> lblHeader{};
    std::array<std::array<platform::Label*, Columns>, Rows> lblCell{};
    // The legend, the reset's question, or why the record cannot be kept.
    platform::Label* lblNote = nullptr;
    // Reset, and while the reset asks: Clear.
    platform::Picture* imgReset = nullptr;
    // Done, and while the reset asks: Keep.
    platform::Picture* imgDone = nullptr;

    // Shows the window over `window` (the board or the result window) when
    // a click there could: the window is shown and is the active one.
    // Returns whether it was shown.
    static bool openFrom(platform::Form* window);

    bool asking() const { return m_asking; }
    // What the table says about one opponent, as a screen reader reads it.
    QString spokenRow(int row) const;

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool Form_KeyDown(QKeyEvent* event) override;

  private:
    void fill();
    void showButtons();
    void imgReset_MouseDown();
    void imgReset_MouseUp();
    void imgDone_MouseDown();
    void imgDone_MouseUp();

    std::array<record::Tally, Rows> m_tally{};
    bool m_asking = false;
};
