#include "clock/timedated_client.h"

#include <cstdint>
#include <memory>
#include <systemd/sd-bus.h>

namespace orvelle {

namespace {

struct BusCloser {
    void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
struct MessageUnref {
    void operator()(sd_bus_message* m) const { sd_bus_message_unref(m); }
};
using Bus = std::unique_ptr<sd_bus, BusCloser>;
using Message = std::unique_ptr<sd_bus_message, MessageUnref>;

// A password prompt has no deadline, and giving up on the call while timedated may still carry it
// out would let a click take effect after the next one has read the clock.
constexpr std::uint64_t kNoTimeout = UINT64_MAX;

} // namespace

bool SetClockThroughTimedated(UtcTime t) {
    sd_bus* opened = nullptr;
    if (sd_bus_open_system(&opened) < 0)
        return false;
    const Bus bus(opened);

    sd_bus_message* created = nullptr;
    if (sd_bus_message_new_method_call(bus.get(), &created, "org.freedesktop.timedate1",
                                       "/org/freedesktop/timedate1", "org.freedesktop.timedate1",
                                       "SetTime") < 0)
        return false;
    const Message call(created);

    // Absolute microseconds since the epoch, not relative, and polkit may ask for a password.
    const std::int64_t usecUtc =
        std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
    if (sd_bus_message_append(call.get(), "xbb", usecUtc, 0, 1) < 0)
        return false;

    sd_bus_error error = SD_BUS_ERROR_NULL;
    const int result = sd_bus_call(bus.get(), call.get(), kNoTimeout, &error, nullptr);
    sd_bus_error_free(&error);
    return result >= 0;
}

} // namespace orvelle
