#include "lobby/NetworkGame.h"

#include "lobby/FrmHostGame.h"
#include "lobby/FrmJoinGame.h"
#include "match/FrmMain.h"
#include "net/Endpoint.h"
#include "net/Host.h"
#include "options/ComputerChoice.h"
#include "options/FrmOptions.h"
#include "platform/Accessibility.h"
#include "windows/Forms.h"

#include <QCoreApplication>

#include <cstdio>

namespace lobby {

FrmHostGame* frmHostGame = nullptr;
FrmJoinGame* frmJoinGame = nullptr;

namespace {
std::optional<StartRequest> g_request;

void print(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

// The windows cost their item views, line edits and code pages in memory,
// which a match on one computer never needs: each is made on first use.
FrmHostGame* hostWindow() {
    if (!frmHostGame)
        frmHostGame = new FrmHostGame;
    return frmHostGame;
}

FrmJoinGame* joinWindow() {
    if (!frmJoinGame)
        frmJoinGame = new FrmJoinGame;
    return frmJoinGame;
}
} // namespace

void createForms() {
    destroyForms();
}

void destroyForms() {
    delete frmJoinGame;
    frmJoinGame = nullptr;
    delete frmHostGame;
    frmHostGame = nullptr;
}

bool matchRunning() {
    return (frmHostGame && frmHostGame->matchRunning()) ||
           (frmJoinGame && frmJoinGame->matchRunning());
}

void hostGame(quint16 port) {
    if (frmMain)
        hostWindow()->start(port);
}

void backToOptions(platform::Form* window) {
    window->Hide();
    frmOptions->txtPlayer2Name->setText(options::startingPlayer2Name());
    frmOptions->Show();
}

void joinGame(const QString& address) {
    if (frmMain)
        joinWindow()->start(address);
}

void requestAtStart(const StartRequest& request) {
    g_request = request;
}

void clearStartRequest() {
    g_request.reset();
}

void startRequested() {
    if (!g_request || !frmMain || !frmMain->isVisible())
        return;
    const StartRequest request = *g_request;
    g_request.reset();
    // A new game is set up as New Game sets it up, with the default options.
    if (!platform::pressControl(frmMain->imgNewGame) || !frmOptions->isVisible())
        return;
    frmOptions->Hide();
    if (request.kind == StartRequest::Kind::Host) {
        if (!hostWindow()->start(request.port)) {
            std::fputs(
                (frmHostGame->lblStatus->caption() + QLatin1Char('\n')).toLocal8Bit().constData(),
                stderr);
            return;
        }
        for (const QHostAddress& address : frmHostGame->addresses())
            print(QCoreApplication::translate("main", "Address: %1").arg(address.toString()));
        print(QCoreApplication::translate("main", "Port: %1").arg(frmHostGame->port()));
        print(QCoreApplication::translate("main", "Join code: %1")
                  .arg(frmHostGame->host()->code().grouped()));
    } else {
        joinWindow()->start(request.address);
    }
}

} // namespace lobby
