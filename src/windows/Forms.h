#pragma once
#include <QString>

class FrmMain;
class FrmPlayer;
class FrmOptions;
class FrmHelp;
class FrmMessage;
class FrmWinner;
class FrmSplash;
class FrmStats;

// The program's windows. Each exists once for the whole run; windows read and
// set one another's public members and call one another directly, so they
// are reached through these program-wide names.
extern FrmSplash* frmSplash;
extern FrmPlayer* frmPlayer1;
extern FrmPlayer* frmPlayer2;
extern FrmOptions* frmOptions;
extern FrmHelp* frmHelp;
extern FrmMessage* frmMessage;
extern FrmWinner* frmWinner;
extern FrmMain* frmMain;
// Made the first time it is asked for (statsForm) and kept: a match between
// two people never opens it.
extern FrmStats* frmStats;

// Creates every window (none is loaded yet) / destroys them all.
void createForms();
void destroyForms();

// The program's start: the splash window alone, so that it is on the screen
// as early as a bare window would be; it makes the others once it shows
// (createOtherForms, which makes only those still missing).
void createSplash();
void createOtherForms();

// The statistics window, made now if it was not yet.
FrmStats* statsForm();

// The program folder followed directly by `literal`, such as
// "\images\DoneUp.jpg": how every picture of the program is named.
QString pictureName(const QString& literal);
