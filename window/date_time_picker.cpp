#include "window/date_time_picker.h"

#include "window/calendar_day.h"
#include "window/short_date_format.h"

#include <QSignalBlocker>

namespace orvelle {

TDateTimePicker::TDateTimePicker(TDateTime value, QWidget* parent)
    : QDateEdit(parent)
    , value_(value) {
    setDisplayFormat(ShortDateFormatWithFullYear(locale()));
    setCalendarPopup(true);
    display(value_);
    connect(this, &QDateEdit::dateChanged, this,
            [this](QDate day) { value_ = ReplaceDate(value_, DayValue(day)); });
}

void TDateTimePicker::setValue(TDateTime value) {
    value_ = value;
    display(value_);
}

void TDateTimePicker::setDate(TDateTime date) {
    setValue(ReplaceDate(value_, date));
}

void TDateTimePicker::setTime(TDateTime time) {
    value_ = ReplaceTime(value_, time);
}

bool TDateTimePicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void TDateTimePicker::display(TDateTime value) {
    // A day the edit cannot show is clamped to its range; that is no date picked by the user.
    const QSignalBlocker quiet(this);
    QDateEdit::setDate(CalendarDay(value));
}

} // namespace orvelle
