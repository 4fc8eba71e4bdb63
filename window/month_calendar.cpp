#include "window/month_calendar.h"

#include "window/calendar_day.h"

#include <QPainter>
#include <QTextCharFormat>
#include <QToolButton>

namespace orvelle {

namespace {

const QColor kTodayCircle(0x80, 0x00, 0x00);

void SetColorInEveryGroup(QPalette& palette, QPalette::ColorRole role, const QColor& color) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, color);
}

} // namespace

TMonthCalendar::TMonthCalendar(const Clock& clock, QWidget* parent)
    : QCalendarWidget(parent)
    , value_(clock.LocalNow()) {
    setSelectedDate(CalendarDay(value_));
    // One letter a day heads the columns: abbreviated names do not fit a column of a calendar
    // this small in every font.
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    // The month button's menu would add an arrow beside the month's name; the month is
    // changed with the arrows either side of the title.
    if (auto* monthButton = findChild<QToolButton*>("qt_calendar_monthbutton"))
        monthButton->setMenu(nullptr);
}

void TMonthCalendar::setDate(TDateTime date) {
    const TDateTime next = ReplaceDate(value_, date);
    if (next == value_)
        return;
    value_ = next;
    setSelectedDate(CalendarDay(value_));
    // The cell that lost the circle is repainted too, even where the month stays the same.
    updateCells();
}

void TMonthCalendar::setTextColor(const QColor& color) {
    // A format for every day of the week, which also wins over the red one that weekends come
    // with; days of other months keep the palette's colour for disabled text.
    QTextCharFormat day;
    day.setForeground(color);
    for (int d = Qt::Monday; d <= Qt::Sunday; ++d)
        setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(d), day);
    QTextCharFormat header = headerTextFormat();
    header.setForeground(color);
    setHeaderTextFormat(header);
}

void TMonthCalendar::setTitleBackColor(const QColor& color) {
    QPalette p = palette();
    SetColorInEveryGroup(p, QPalette::Highlight, color);
    setPalette(p);
}

void TMonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    QCalendarWidget::paintCell(painter, rect, date);
    if (date != selectedDate())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kTodayCircle, 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5));
    painter->restore();
}

} // namespace orvelle
