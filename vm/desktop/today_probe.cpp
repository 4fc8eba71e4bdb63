// Tells whether the "Today" calendar of a running Orvelle window shows a given local date: it
// compares the calendar on the screen, pixel for pixel, with the calendar that the same window
// code draws for that date over a clock of its own.
//
//   orvelle_today_probe WINDOW_ID
//
// Reads questions from its input, one a line, "YYYY-MM-DD FILE_PREFIX", and answers each with a
// line: "shown" once the calendar shows that day, within two seconds, or "not shown", leaving
// both pictures as FILE_PREFIX-shown.png and FILE_PREFIX-expected.png. One process answers them
// all: starting Qt costs seconds on an emulated machine.
#include "clock/clock.h"
#include "clock/simulated_clock.h"
#include "window/form_1.h"
#include "window/month_calendar.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QStringList>
#include <QStyleFactory>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <optional>

namespace {

using namespace std::chrono;

// Calendar1 in the window's client area: GroupBox1 at (288, 16), the calendar at (17, 26) in it.
const QRect kCalendarPlace(288 + 17, 16 + 26, 232, 183);

std::optional<orvelle::UtcTime> NoonOf(const QString& text, orvelle::ClockBackend& backend) {
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid())
        return std::nullopt;
    const auto local =
        orvelle::LocalTime{local_days{year{day.year()} / day.month() / day.day()}} + hours{12};
    return orvelle::Clock(backend).ToUtc(local);
}

QImage Comparable(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Whether the calendar of `window` comes to show `day` within two seconds.
bool CalendarShows(WId window, const QString& day, const QString& prefix) {
    orvelle::SimulatedClock clock(orvelle::UtcTime{}, orvelle::SimulatedClock::Flow::Frozen);
    const auto noon = NoonOf(day, clock);
    if (!noon)
        return false;
    clock.set(*noon);
    const orvelle::TForm1 reference(clock);
    const QImage expected = Comparable(reference.Calendar1->grab().toImage());

    QScreen* screen = QGuiApplication::primaryScreen();
    QImage shown;
    QElapsedTimer waited;
    waited.start();
    do {
        shown = Comparable(screen
                               ->grabWindow(window, kCalendarPlace.x(), kCalendarPlace.y(),
                                            kCalendarPlace.width(), kCalendarPlace.height())
                               .toImage());
        if (shown == expected)
            return true;
        QThread::msleep(100);
    } while (waited.elapsed() < 2000);

    shown.save(prefix + QStringLiteral("-shown.png"));
    expected.save(prefix + QStringLiteral("-expected.png"));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    bool isNumber = false;
    const WId window = argc == 2 ? QString::fromLatin1(argv[1]).toULongLong(&isNumber, 0) : 0;
    if (!isNumber) {
        std::fputs("usage: orvelle_today_probe WINDOW_ID\n", stderr);
        return 2;
    }
    // As the program itself sets it up: the classic style its fixed layout is made for.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    QTextStream in(stdin);
    QTextStream out(stdout);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool shown = words.size() == 2 && CalendarShows(window, words[0], words[1]);
        out << (shown ? "shown" : "not shown") << Qt::endl;
    }
    return 0;
}
