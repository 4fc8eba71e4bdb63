#pragma once

#include "clock/clock_backend.h"

namespace orvelle {

// The machine's real clock: the one backend of this platform that moves the time everybody
// sees. Lives until the program ends.
ClockBackend& SystemClock();

} // namespace orvelle
