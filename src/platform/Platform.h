#pragma once

#include <functional>

namespace platform {

// Sets up what every window relies on: the embedded pictures and the
// substitutes for the design fonts (Times New Roman, Arial, MS Sans Serif).
void initialise();

// Runs `handler` on the user-interface thread when the program is asked to
// quit from outside (SIGTERM, SIGINT, SIGHUP), so that quitting from the
// desktop takes the same way out as the Exit button.
void onTerminationRequest(std::function<void()> handler);

} // namespace platform
