#pragma once

#include "clock/system_time.h"

namespace orvelle {

// Asks systemd-timedated, over the system bus, to set the clock to `t`: the desktop's own way for
// a process without the right to set it. polkit decides whether the user may (and may ask the
// desktop's agent for a password); the call waits for the answer however long that takes, so
// that the clock has its new time, or stays as it was, by the time this returns. False for any
// failure: no bus, no timedated, a refusal by polkit or by timedated itself.
bool SetClockThroughTimedated(UtcTime t);

} // namespace orvelle
