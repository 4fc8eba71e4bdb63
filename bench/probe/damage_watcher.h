#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <optional>
#include <vector>

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;

    long area() const { return long{width} * height; }
    bool intersects(const PixelRect& other) const;
};

// One piece of drawing that the X server reported inside the watched window, in the window's
// own coordinates, with the moment the probe learnt of it.
struct Drawing {
    std::chrono::steady_clock::time_point at;
    PixelRect rect;
};

// Watches, from outside the program, when and where the X server draws into the program's
// window: it learns of every top-level window created after it started, and asks the DAMAGE
// extension for each rectangle drawn into them. Nothing in the watched program takes part.
class DamageWatcher {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // Connects to the display named by $DISPLAY; throws std::runtime_error without one, or
    // when the server lacks DAMAGE.
    DamageWatcher();
    ~DamageWatcher();
    DamageWatcher(const DamageWatcher&) = delete;
    DamageWatcher& operator=(const DamageWatcher&) = delete;

    // Waits for the first drawing inside any new top-level window; that window is watched from
    // then on. Nothing when the deadline passes first.
    std::optional<Drawing> waitForFirstDrawing(TimePoint deadline);

    // Every drawing in the watched window from now until the deadline.
    std::vector<Drawing> collect(TimePoint deadline);

    // The watched window's place on the screen and its size.
    PixelRect watchedGeometry() const;

    // When the first new top-level window was mapped, if one was.
    std::optional<TimePoint> firstMapping() const { return firstMapping_; }

private:
    // Handles the events that arrive before the deadline, handing each drawing in a watched
    // window to `onDrawing` until it returns false.
    template <typename OnDrawing>
    void pump(TimePoint deadline, OnDrawing onDrawing);

    void startWatching(Window window);

    Display* display_ = nullptr;
    int damageEventBase_ = 0;
    std::vector<std::pair<Window, Damage>> damages_;
    Window watched_ = None;
    std::optional<TimePoint> firstMapping_;
};
