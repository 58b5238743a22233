#include "windows/FrmSplash.h"

#include "lobby/NetworkGame.h"
#include "match/FrmMain.h"
#include "options/FrmOptions.h"
#include "platform/Fatal.h"
#include "selection/FrmPlayer.h"
#include "store/StartupCheck.h"
#include "windows/Forms.h"
#include "windows/FrmHelp.h"
#include "windows/FrmMessage.h"
#include "windows/FrmWinner.h"

#include <QShowEvent>
#include <QTimer>

FrmSplash::FrmSplash() : platform::Form(QStringLiteral("frmSplash")) {
    //: The designed caption of the splash window, a placeholder name.
    setDesign(tr("Form1"), 6735, 4485, QStringLiteral(":/embedded/splash.jpg"));
    // Enabled when the window shows, not now: the other windows are built
    // after this one and before it shows, and the second is the player's.
    tmrOne = new platform::Timer(this, 1000, false);
    connect(tmrOne, &platform::Timer::Tick, this, &FrmSplash::tmrOne_Timer);
}

void FrmSplash::setVisible(bool visible) {
    platform::Form::setVisible(visible);
    // The designed caption is a placeholder; a screen reader names the
    // program. The name is given once the window is on its way to the
    // screen, not before: the first change a screen reader could hear
    // connects to the desktop's session bus (started on demand where none
    // runs), and the window would wait for that before it showed. A screen
    // reader asks for the name only after the window has appeared.
    if (visible)
        setAccessibleName(tr("Quorvel"));
}

void FrmSplash::showEvent(QShowEvent* event) {
    platform::Form::showEvent(event);
    tmrOne->setEnabled(true);
}

void FrmSplash::paintEvent(QPaintEvent* event) {
    platform::Form::paintEvent(event);
    // The first picture is on the screen: the other windows are made now,
    // behind it, rather than before it shows.
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [] { createOtherForms(); });
    }
}

void FrmSplash::tmrOne_Timer() {
    tmrOne->setEnabled(false);
    createOtherForms();
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
    // --host or --join: the network window opens over a new game.
    lobby::startRequested();
}
