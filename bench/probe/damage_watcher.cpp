#include "damage_watcher.h"

#include <algorithm>
#include <poll.h>
#include <stdexcept>

bool PixelRect::intersects(const PixelRect& other) const {
    return x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
           other.y < y + height;
}

DamageWatcher::DamageWatcher() {
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        throw std::runtime_error("cannot open the X display");
    int errorBase = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase))
        throw std::runtime_error("the X server has no DAMAGE extension");
    int major = 1, minor = 1;
    XDamageQueryVersion(display_, &major, &minor);

    // Windows are announced on the root as they are created, before they are mapped, so a
    // window's damage is watched before anything can be drawn into it.
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

DamageWatcher::~DamageWatcher() {
    XCloseDisplay(display_);
}

void DamageWatcher::startWatching(Window window) {
    // A window may be gone again before its damage object is made; that error is harmless.
    auto* previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Damage damage = XDamageCreate(display_, window, XDamageReportRawRectangles);
    XSync(display_, False);
    XSetErrorHandler(previous);
    damages_.emplace_back(window, damage);
}

template <typename OnDrawing>
void DamageWatcher::pump(TimePoint deadline, OnDrawing onDrawing) {
    const int fd = ConnectionNumber(display_);
    for (;;) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            const auto at = std::chrono::steady_clock::now();
            if (event.type == CreateNotify) {
                if (event.xcreatewindow.parent == DefaultRootWindow(display_))
                    startWatching(event.xcreatewindow.window);
            } else if (event.type == MapNotify) {
                if (!firstMapping_ && event.xmap.event == DefaultRootWindow(display_))
                    firstMapping_ = at;
            } else if (event.type == damageEventBase_ + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (watched_ == None)
                    watched_ = damage.drawable;
                if (damage.drawable != watched_)
                    continue;
                const PixelRect rect{damage.area.x, damage.area.y, damage.area.width,
                                     damage.area.height};
                if (!onDrawing(Drawing{at, rect}))
                    return;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return;
        pollfd wanted{fd, POLLIN, 0};
        poll(&wanted, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
    }
}

std::optional<Drawing> DamageWatcher::waitForFirstDrawing(TimePoint deadline) {
    std::optional<Drawing> first;
    pump(deadline, [&](const Drawing& drawing) {
        first = drawing;
        return false;
    });
    return first;
}

std::vector<Drawing> DamageWatcher::collect(TimePoint deadline) {
    std::vector<Drawing> drawings;
    pump(deadline, [&](const Drawing& drawing) {
        drawings.push_back(drawing);
        return true;
    });
    return drawings;
}

PixelRect DamageWatcher::watchedGeometry() const {
    if (watched_ == None)
        return {};
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, watched_, &attributes);
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(display_, watched_, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}
