#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace platform {

// Sets up what every window relies on: the embedded pictures and the
// substitutes for the design fonts (Times New Roman, Arial, MS Sans Serif) in
// the language in use (see Fonts.h).
void initialise();

// Runs `handler` on the user-interface thread when the program is asked to
// quit from outside (SIGTERM, SIGINT, SIGHUP), so that quitting from the
// desktop takes the same way out as the Exit button.
void onTerminationRequest(std::function<void()> handler);

// A text of the players' own (a name) set apart for joining into the program's
// sentences and captions: between first-strong isolate and pop directional
// isolate, so that its writing direction, or a direction override inside it,
// cannot reorder the words around it.
QString isolated(const QString& text);

// One of the options QApplication reads itself from the command line
// ("-platform offscreen", "-reverse").
struct WindowSystemOption {
    const char* name;
    const char* value; // nullptr for an option without a value
};
const QList<WindowSystemOption>& windowSystemOptions();

// The window system's options as --help-all lists them after the game's own.
QString windowSystemOptionsHelp();

// Qt ends a program whose window system cannot start (an unknown -platform,
// no display, a display that does not answer) with a fatal message and
// abort(). From guardWindowSystemStart() to windowSystemStarted() such an end
// is a plain report on standard error and exit status 2 instead; Qt's other
// messages meanwhile are held back and passed on at windowSystemStarted().
void guardWindowSystemStart(int argc, char* argv[]);
void windowSystemStarted();

} // namespace platform
