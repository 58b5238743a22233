#include "match/FrmMain.h"
#include "platform/Fatal.h"
#include "platform/Platform.h"
#include "store/StartupCheck.h"
#include "store/Tables.h"
#include "windows/Forms.h"
#include "windows/FrmSplash.h"

#include <QApplication>

#include <cstdio>
#include <unistd.h>

namespace {
void finish() {
    store::closeAll();
    store::releaseInstanceLock();
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    // The program ends when the main window unloads, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::initialise();

    if (!store::acquireInstanceLock(store::databaseFile()))
        platform::fatal(QStringLiteral("Quorvel is already running from the folder \"%1\"; "
                                       "only one game can use its card database at a time.")
                            .arg(QCoreApplication::applicationDirPath()));

    createForms();
    // Quitting from the desktop empties the tables exactly like Exit does,
    // wherever the program is (even inside a modal message).
    platform::onTerminationRequest([] {
        if (frmMain && frmMain->isLoaded())
            frmMain->Unload();
        finish();
        std::fflush(nullptr);
        ::_exit(0);
    });
    frmSplash->Show();
    const int status = app.exec();
    destroyForms();
    finish();
    return status;
}
