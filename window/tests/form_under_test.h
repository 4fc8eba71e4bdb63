#pragma once

#include "clock/simulated_clock.h"
#include "test_support.h"
#include "window/form_1.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>

namespace orvelle::testing {

// The main window over a simulated clock, in the time zone of one test case. The zone is set
// before the clock and the window exist, and put back after they are gone.
struct FormUnderTest {
    FormUnderTest(const QString& tz, const QString& utc,
                  SimulatedClock::Flow flow = SimulatedClock::Flow::Frozen)
        : zone(tz.toLatin1().constData())
        , clock(Utc(utc.toLatin1().constData()), flow)
        , form(clock) {}

    ScopedTimeZone zone;
    SimulatedClock clock;
    TForm1 form;
};

inline QDate Day(const QString& isoDate) {
    return QDate::fromString(isoDate, Qt::ISODate);
}

// The value of a local date and time written "YYYY-MM-DD hh:mm:ss.mmm".
inline TDateTime Value(const QString& text) {
    return EncodeDateTime(Record(text.toLatin1().constData()));
}

// Readable forms of an instant and of a value, for comparisons that print what they found.
inline QString Shown(UtcTime t) {
    return QString::fromStdString(Text(RecordOf(t)));
}
inline QString Shown(TDateTime value) {
    return QString::fromStdString(Text(SplitDateTime(value)));
}

// Runs `inspect` on the modal box that the caller is about to open, from inside the box's own
// event loop, then closes the box so that the caller's call returns.
inline void WhenModalOpens(std::function<void(QWidget*)> inspect, int triesLeft = 200) {
    QTimer::singleShot(10, [inspect = std::move(inspect), triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0)
                WhenModalOpens(inspect, triesLeft - 1);
            return;
        }
        inspect(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(0);
        else
            modal->close();
    });
}

} // namespace orvelle::testing
