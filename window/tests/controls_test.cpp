#include "form_under_test.h"
#include "window/calendar_day.h"
#include "window/date_time_picker.h"
#include "window/month_calendar.h"
#include "window/short_date_format.h"

#include <QAbstractItemView>
#include <QTest>

namespace orvelle::testing {
namespace {

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void calendarHoldsTheMomentOfItsCreation();
    void calendarTakesTheDateAndKeepsItsTime_data();
    void calendarTakesTheDateAndKeepsItsTime();
    void calendarGivenTheDateItHoldsDoesNotRepaint();
    void pickerReplacesOnlyThePartItIsGiven_data();
    void pickerReplacesOnlyThePartItIsGiven();
    void shortDateFormatHasAFourDigitYear_data();
    void shortDateFormatHasAFourDigitYear();
};

void ControlsTest::calendarHoldsTheMomentOfItsCreation() {
    const ScopedTimeZone zone("<+02>-2");
    SimulatedClock backend(Utc("2026-03-14 22:30:15.250"), SimulatedClock::Flow::Frozen);
    const Clock clock(backend);

    const TMonthCalendar calendar(clock, nullptr);

    QCOMPARE(Shown(calendar.value()), Shown(Value("2026-03-15 00:30:15.250")));
    QCOMPARE(calendar.selectedDate(), Day("2026-03-15"));
}

void ControlsTest::calendarTakesTheDateAndKeepsItsTime_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("held");

    QTest::newRow("next day") << "2026-03-16 23:59:59.999"
                              << "2026-03-16 10:20:30.456";
    QTest::newRow("another year") << "2031-01-01 00:00:00.000"
                                  << "2031-01-01 10:20:30.456";
    QTest::newRow("same day") << "2026-03-15 01:00:00.000"
                              << "2026-03-15 10:20:30.456";
}

void ControlsTest::calendarTakesTheDateAndKeepsItsTime() {
    QFETCH(QString, given);
    QFETCH(QString, held);
    const ScopedTimeZone zone("UTC0");
    SimulatedClock backend(Utc("2026-03-15 10:20:30.456"), SimulatedClock::Flow::Frozen);
    const Clock clock(backend);
    TMonthCalendar calendar(clock, nullptr);

    calendar.setDate(Value(given));

    QCOMPARE(Shown(calendar.value()), Shown(Value(held)));
    QCOMPARE(calendar.selectedDate(), Day(held.left(10)));
    QCOMPARE(calendar.monthShown(), Day(held.left(10)).month());
    QCOMPARE(calendar.yearShown(), Day(held.left(10)).year());
}

void ControlsTest::calendarGivenTheDateItHoldsDoesNotRepaint() {
    const ScopedTimeZone zone("UTC0");
    SimulatedClock backend(Utc("2026-03-15 10:20:30.456"), SimulatedClock::Flow::Frozen);
    const Clock clock(backend);
    TMonthCalendar calendar(clock, nullptr);
    calendar.setEnabled(false);
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    auto* cells = calendar.findChild<QAbstractItemView*>("qt_calendar_calendarview");
    QVERIFY(cells);
    QApplication::processEvents();
    PaintCounter counter(cells->viewport());

    for (const char* sameDay :
         {"2026-03-15 00:00:00.000", "2026-03-15 10:20:30.457", "2026-03-15 23:59:59.999"})
        calendar.setDate(Value(sameDay));
    QApplication::processEvents();
    QCOMPARE(counter.paints, 0);

    calendar.setDate(Value("2026-03-16 00:00:00.000"));
    QTRY_VERIFY(counter.paints > 0);
}

void ControlsTest::pickerReplacesOnlyThePartItIsGiven_data() {
    QTest::addColumn<QString>("part"); // date, time, value, or a date picked in the edit
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("held");

    QTest::newRow("date") << "date"
                          << "2027-02-03 18:00:00.000"
                          << "2027-02-03 10:20:30.456";
    QTest::newRow("time") << "time"
                          << "2027-02-03 18:00:00.000"
                          << "2026-03-15 18:00:00.000";
    QTest::newRow("value") << "value"
                           << "2027-02-03 18:00:00.000"
                           << "2027-02-03 18:00:00.000";
    QTest::newRow("picked in the edit") << "picked"
                                        << "2027-02-03"
                                        << "2027-02-03 10:20:30.456";
}

void ControlsTest::pickerReplacesOnlyThePartItIsGiven() {
    QFETCH(QString, part);
    QFETCH(QString, given);
    QFETCH(QString, held);
    TDateTimePicker picker(Value("2026-03-15 10:20:30.456"), nullptr);

    if (part == "date")
        picker.setDate(Value(given));
    else if (part == "time")
        picker.setTime(Value(given));
    else if (part == "value")
        picker.setValue(Value(given));
    else
        static_cast<QDateEdit&>(picker).setDate(Day(given));

    QCOMPARE(Shown(picker.value()), Shown(Value(held)));
    QCOMPARE(picker.date(), Day(held.left(10)));
}

void ControlsTest::shortDateFormatHasAFourDigitYear_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");

    QTest::newRow("en_US") << QLocale("en_US") << "M/d/yyyy";
    QTest::newRow("de_DE") << QLocale("de_DE") << "dd.MM.yyyy";
    QTest::newRow("en_GB") << QLocale("en_GB") << "dd/MM/yyyy";
    QTest::newRow("ja_JP") << QLocale("ja_JP") << "yyyy/MM/dd";
    QTest::newRow("ko_KR") << QLocale("ko_KR") << "yyyy. M. d.";
}

void ControlsTest::shortDateFormatHasAFourDigitYear() {
    QFETCH(QLocale, locale);
    QFETCH(QString, format);

    QCOMPARE(ShortDateFormatWithFullYear(locale), format);
}

} // namespace orvelle::testing

QTEST_MAIN(orvelle::testing::ControlsTest)
#include "controls_test.moc"
