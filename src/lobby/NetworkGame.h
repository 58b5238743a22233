#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform {
class Form;
}
class FrmHostGame;
class FrmJoinGame;

// Starting a match with a player on another computer: the host's waiting
// window and the guest's join window, chosen from player 2's list in the
// options window or on the command line.
namespace lobby {

// Each window is made the first time it is needed (a network choice in the
// options window, --host or --join) and kept afterwards; nullptr before.
// A match on one computer never makes them, and a window made late comes up
// in the language in use then.
extern FrmHostGame* frmHostGame;
extern FrmJoinGame* frmJoinGame;

// Starts the program's windows afresh: any network window left from before
// goes, and none is made until it is needed. / Destroys the windows made,
// with any network match they still hold.
void createForms();
void destroyForms();

// Whether player 2's seat (on the host) or player 1's (on the guest) is
// held by the other person of a network match.
bool matchRunning();

// A new game being set up: opens the waiting window (made now if it does
// not exist yet) instead of the selection windows. `port` 0 takes the usual
// port.
void hostGame(quint16 port = 0);
// Likewise the join window, with `address` typed in.
void joinGame(const QString& address = QString());
// Cancel in either window: it hides, player 2's name box gets back the name
// it starts with, and the options window shows again.
void backToOptions(platform::Form* window);

// What the command line asked for at start, once the board is shown.
struct StartRequest {
    enum class Kind { Host, Join } kind = Kind::Host;
    quint16 port = 0;
    QString address;
};
void requestAtStart(const StartRequest& request);
void clearStartRequest();
// Called once the board is shown after the splash: sets up a new game and
// opens the window asked for. A host prints its addresses, port and join
// code on standard output, one line each.
void startRequested();

} // namespace lobby
