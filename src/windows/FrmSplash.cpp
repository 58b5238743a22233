#include "windows/FrmSplash.h"

#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Fatal.h"
#include "selection/FrmPlayer.h"
#include "store/StartupCheck.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmWinner.h"

FrmSplash::FrmSplash() : platform::Form(QStringLiteral("frmSplash")) {
    setDesign(QStringLiteral("Form1"), 6735, 4485, QStringLiteral(":/embedded/splash.jpg"));
    tmrOne = new platform::Timer(this, 1000, true);
    connect(tmrOne, &platform::Timer::Tick, this, &FrmSplash::tmrOne_Timer);
    // The designed caption is a placeholder; a screen reader names the program.
    setAccessibleName(QStringLiteral("Quorvel"));
}

void FrmSplash::tmrOne_Timer() {
    tmrOne->setEnabled(false);
    // A damaged database or a missing picture is reported now, before any
    // window is loaded, rather than in the middle of a match.
    const QString problem = store::firstStartupProblem();
    if (!problem.isEmpty())
        platform::fatal(problem);
    for (platform::Form* form : std::initializer_list<platform::Form*>{
             frmPlayer1, frmPlayer2, frmOptions, frmHelp, frmMessage, frmWinner}) {
        form->Load();
        form->Hide();
    }
    frmMain->Load();
    frmMain->Show();
    Unload();
}
