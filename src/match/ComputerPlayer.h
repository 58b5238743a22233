#pragma once

#include "match/FrmMain.h"
#include "seats/ComputerSeat.h"
#include "windows/Forms.h"

// The computer as player 2, as the match's checks name it: the position its
// seat is given, built by the board from what player 2 may know.
struct ComputerPlayer {
    static computer::Position readPosition() { return frmMain->visiblePosition(2); }
};
