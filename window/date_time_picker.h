#pragma once

#include "clock/date_time.h"

#include <QDateEdit>

namespace orvelle {

// A date picker with a drop-down month calendar that holds a full date-time value although it
// shows only the date, in the locale's short format with a four-digit year. Giving it a date
// replaces the whole days only and keeps its time of day; giving it a time replaces the time of
// day only and keeps its date. A date picked by the user is given to it the same way.
class TDateTimePicker : public QDateEdit {
    Q_OBJECT

public:
    TDateTimePicker(TDateTime value, QWidget* parent);

    TDateTime value() const { return value_; }
    void setValue(TDateTime value);
    void setDate(TDateTime date);
    void setTime(TDateTime time);

protected:
    // Tab leaves the picker at once instead of walking through its day, month and year.
    bool focusNextPrevChild(bool next) override;

private:
    void display(TDateTime value);

    TDateTime value_;
};

} // namespace orvelle
