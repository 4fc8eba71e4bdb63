#include "startup.h"

#include "window/form_1.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace orvelle {

namespace {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/orvelle-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int RunOrvelle(char* programName, ClockBackend& clock) {
    // The program takes nothing from its command line: the toolkit sees only its name.
    int argc = 1;
    char* argv[] = {programName, nullptr};
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
