#pragma once

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

} // namespace platform
