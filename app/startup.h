#pragma once

#include "clock/clock_backend.h"

namespace orvelle {

// Starts the program over the given clock: the application object with its title, version and
// icon, then the main window, shown, and the event loop until the window is closed. Returns the
// loop's exit code.
int RunOrvelle(char* programName, ClockBackend& clock);

} // namespace orvelle
