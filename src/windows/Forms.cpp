#include "windows/Forms.h"

#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Form.h"
#include "platform/ProgramFolder.h"
#include "seats/Seats.h"
#include "selection/FrmPlayer.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmSplash.h"
#include "windows/FrmStats.h"
#include "windows/FrmWinner.h"

FrmSplash* frmSplash = nullptr;
FrmPlayer* frmPlayer1 = nullptr;
FrmPlayer* frmPlayer2 = nullptr;
FrmOptions* frmOptions = nullptr;
FrmHelp* frmHelp = nullptr;
FrmMessage* frmMessage = nullptr;
FrmWinner* frmWinner = nullptr;
FrmMain* frmMain = nullptr;
FrmStats* frmStats = nullptr;

void createForms() {
    createSplash();
    createOtherForms();
}

void createSplash() {
    destroyForms();
    seats::create();
    frmSplash = new FrmSplash;
}

void createOtherForms() {
    if (frmMain)
        return;
    frmPlayer1 = new FrmPlayer(FrmPlayer::player1());
    frmPlayer2 = new FrmPlayer(FrmPlayer::player2());
    frmOptions = new FrmOptions;
    frmHelp = new FrmHelp;
    frmMessage = new FrmMessage;
    frmWinner = new FrmWinner;
    frmMain = new FrmMain;
    lobby::createForms();
}

FrmStats* statsForm() {
    if (!frmStats)
        frmStats = new FrmStats;
    return frmStats;
}

void destroyForms() {
    platform::Form::resetActivation();
    platform::Form::setModalHook({});
    lobby::destroyForms();
    delete frmMain;
    delete frmStats;
    delete frmWinner;
    delete frmMessage;
    delete frmHelp;
    delete frmOptions;
    delete frmPlayer2;
    delete frmPlayer1;
    delete frmSplash;
    frmMain = nullptr;
    frmStats = nullptr;
    frmWinner = nullptr;
    frmMessage = nullptr;
    frmHelp = nullptr;
    frmOptions = nullptr;
    frmPlayer2 = nullptr;
    frmPlayer1 = nullptr;
    frmSplash = nullptr;
    seats::destroy();
}

QString pictureName(const QString& literal) {
    return platform::programFolder() + literal;
}
