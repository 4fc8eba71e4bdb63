#pragma once

#include "clock/clock.h"

#include <QCalendarWidget>

namespace orvelle {

// A month calendar that holds a full date-time value although it shows only the date. Its
// value at creation is the local date and time of that moment; giving it a date replaces the
// whole days only and keeps the time of day it holds.
//
// Its owner keeps it on today's date, so the date it holds is the one it circles. Giving it the
// date it already holds costs one comparison: no repaint, no signal.
class TMonthCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    TMonthCalendar(const Clock& clock, QWidget* parent);

    TDateTime value() const { return value_; }
    void setDate(TDateTime date);

    // The colour of the month's days and of the weekday names, weekends included, whether or
    // not the calendar is enabled. Days of the months before and after stay lighter.
    void setTextColor(const QColor& color);
    // The colour behind the month and year at the top, which is also that of the selected day.
    void setTitleBackColor(const QColor& color);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    TDateTime value_;
};

} // namespace orvelle
