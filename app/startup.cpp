#include "startup.h"

#include "window/form_1.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace orvelle {

namespace {

// The sizes a window manager draws a window's icon at. Every size given here is decoded at
// start-up and sent to the X server with the window, so the large ones, which launchers take
// from the installed icon theme anyway, would only slow the first drawing.
QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/orvelle-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int RunOrvelle(char* programName, ClockBackend& clock) {
    // The program takes nothing from its command line: the toolkit sees only its name.
    int argc = 1;
    char* argv[] = {programName, nullptr};
    // The window brings its own style, font and colours. Left to follow the desktop, the
    // style would also search the desktop's icon themes, thousands of file probes at start-up,
    // for the two arrows of the Today calendar.
    QApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    // The window is laid out in fixed pixels for classic control metrics; a desktop style
    // with larger controls would clip them.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    QApplication::setApplicationName(QStringLiteral("Orvelle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvelle"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELLE_VERSION));
    QApplication::setWindowIcon(ApplicationIcon());

    TForm1 Form1(clock);
    Form1.show();
    return QApplication::exec();
}

} // namespace orvelle
