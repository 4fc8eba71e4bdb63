#include "form_under_test.h"
#include "window/calendar_day.h"
#include "window/date_time_picker.h"
#include "window/month_calendar.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace orvelle::testing {

// POSIX zone strings count west of Greenwich as positive: "<+02>-2" is two hours ahead of UTC.
class TodayTest : public QObject {
    Q_OBJECT

private slots:
    void calendarFollowsTheClockByTheNextTick_data();
    void calendarFollowsTheClockByTheNextTick();
    void calendarMovesOnAtLocalMidnight();
    void calendarFollowsWhileTheAboutBoxIsOpen();
    void firstActivationBringsCalendarAndPickerToToday_data();
    void firstActivationBringsCalendarAndPickerToToday();
    void pickedDateSurvivesUntilSet_data();
    void pickedDateSurvivesUntilSet();
};

void TodayTest::calendarFollowsTheClockByTheNextTick_data() {
    QTest::addColumn<QString>("tz");
    QTest::addColumn<QString>("utcBefore");
    QTest::addColumn<QString>("change"); // a button to click, or a UTC time to set the clock to
    QTest::addColumn<QString>("todayBefore");
    QTest::addColumn<QString>("todayAfter");

    QTest::newRow("day forward") << "UTC0"
                                 << "2026-03-15 10:20:30.000"
                                 << "Button1"
                                 << "2026-03-15"
                                 << "2026-03-16";
    QTest::newRow("month back") << "UTC0"
                                << "2026-03-15 10:20:30.000"
                                << "Button5"
                                << "2026-03-15"
                                << "2026-02-15";
    QTest::newRow("year forward") << "UTC0"
                                  << "2026-03-15 10:20:30.000"
                                  << "Button6"
                                  << "2026-03-15"
                                  << "2027-03-15";
    QTest::newRow("refused day forward") << "UTC0"
                                         << "2026-04-30 10:00:00.000"
                                         << "Button1"
                                         << "2026-04-30"
                                         << "2026-04-30";
    QTest::newRow("refused month forward") << "UTC0"
                                           << "2026-12-11 08:00:00.000"
                                           << "Button4"
                                           << "2026-12-11"
                                           << "2026-12-11";
    // The local date runs ahead of the UTC one, and the calendar shows the local date.
    QTest::newRow("day forward two ahead of UTC") << "<+02>-2"
                                                  << "2026-03-14 22:30:00.000"
                                                  << "Button1"
                                                  << "2026-03-15"
                                                  << "2026-03-16";
    QTest::newRow("clock set by another program") << "UTC0"
                                                  << "2026-03-15 10:20:30.000"
                                                  << "2031-08-09 07:00:00.000"
                                                  << "2026-03-15"
                                                  << "2031-08-09";
    QTest::newRow("clock set across local midnight") << "<+02>-2"
                                                     << "2026-03-15 21:59:59.999"
                                                     << "2026-03-15 22:00:00.000"
                                                     << "2026-03-15"
                                                     << "2026-03-16";
}

void TodayTest::calendarFollowsTheClockByTheNextTick() {
    QFETCH(QString, tz);
    QFETCH(QString, utcBefore);
    QFETCH(QString, change);
    QFETCH(QString, todayBefore);
    QFETCH(QString, todayAfter);
    FormUnderTest t(tz, utcBefore);
    t.form.Timer1->stop(); // the test gives the ticks
    t.form.Timer1Timer();
    QCOMPARE(t.form.Calendar1->selectedDate(), Day(todayBefore));

    if (change.startsWith("Button"))
        QTest::mouseClick(t.form.findChild<QPushButton*>(change), Qt::LeftButton);
    else
        t.clock.set(Utc(change.toLatin1().constData()));
    t.form.Timer1Timer();

    QCOMPARE(t.form.Calendar1->selectedDate(), Day(todayAfter));
    QCOMPARE(CalendarDay(t.form.Calendar1->value()), Day(todayAfter));
    QCOMPARE(t.form.Calendar1->monthShown(), Day(todayAfter).month());
    QCOMPARE(t.form.Calendar1->yearShown(), Day(todayAfter).year());
}

void TodayTest::calendarMovesOnAtLocalMidnight() {
    // A running clock a second before local midnight, and the window's own timer.
    FormUnderTest t("<+02>-2", "2026-03-15 21:59:59.000", SimulatedClock::Flow::Running);
    QCOMPARE(t.form.Calendar1->selectedDate(), Day("2026-03-15"));

    QTRY_COMPARE_WITH_TIMEOUT(t.form.Calendar1->selectedDate(), Day("2026-03-16"), 20000);
}

void TodayTest::calendarFollowsWhileTheAboutBoxIsOpen() {
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.form));
    QDate shownWhileOpen;
    bool boxWasOpen = false;

    WhenModalOpens([&](QWidget*) {
        boxWasOpen = true;
        t.clock.set(Utc("2026-09-01 12:00:00.000"));
        // The window's own timer, ticking in the box's event loop.
        QSignalSpy ticks(t.form.Timer1, &QTimer::timeout);
        ticks.wait(20000);
        shownWhileOpen = t.form.Calendar1->selectedDate();
    });
    QTest::mouseClick(t.form.Button9, Qt::LeftButton);

    QVERIFY(boxWasOpen);
    QCOMPARE(shownWhileOpen, Day("2026-09-01"));
}

void TodayTest::firstActivationBringsCalendarAndPickerToToday_data() {
    QTest::addColumn<QString>("tz");
    QTest::addColumn<QString>("utcAtCreation");
    QTest::addColumn<QString>("utcAtActivation");
    QTest::addColumn<QString>("localAtCreation");
    QTest::addColumn<QString>("localAtActivation");

    QTest::newRow("UTC") << "UTC0"
                         << "2026-03-15 10:20:30.456"
                         << "2026-04-02 08:00:00.000"
                         << "2026-03-15 10:20:30.456"
                         << "2026-04-02 08:00:00.000";
    // Half an hour past local midnight the UTC date is still the day before.
    QTest::newRow("two ahead of UTC") << "<+02>-2"
                                      << "2026-03-15 10:20:30.456"
                                      << "2026-04-01 22:30:00.000"
                                      << "2026-03-15 12:20:30.456"
                                      << "2026-04-02 00:30:00.000";
}

void TodayTest::firstActivationBringsCalendarAndPickerToToday() {
    QFETCH(QString, tz);
    QFETCH(QString, utcAtCreation);
    QFETCH(QString, utcAtActivation);
    QFETCH(QString, localAtCreation);
    QFETCH(QString, localAtActivation);
    FormUnderTest t(tz, utcAtCreation);
    t.form.Timer1->stop(); // only the activation may move the calendar here
    QCOMPARE(Shown(t.form.Calendar1->value()), Shown(Value(localAtCreation)));
    QCOMPARE(t.form.DateTimePicker1->value(), 36892.0);
    t.clock.set(Utc(utcAtActivation.toLatin1().constData()));

    t.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.form));

    // The calendar takes today's date and keeps the time of day it was created with; the
    // picker takes today's date and the time of day of the moment.
    const QDate today = Day(localAtActivation.left(10));
    QCOMPARE(t.form.Calendar1->selectedDate(), today);
    QCOMPARE(Shown(t.form.Calendar1->value()),
             Shown(Value(localAtActivation.left(10) + localAtCreation.mid(10))));
    QCOMPARE(t.form.DateTimePicker1->date(), today);
    QCOMPARE(Shown(t.form.DateTimePicker1->value()), Shown(Value(localAtActivation)));
}

void TodayTest::pickedDateSurvivesUntilSet_data() {
    QTest::addColumn<bool>("throughAboutBox");
    QTest::addColumn<bool>("throughAnotherWindow");

    QTest::newRow("About box") << true << false;
    QTest::newRow("another program's window") << false << true;
    QTest::newRow("both") << true << true;
}

void TodayTest::pickedDateSurvivesUntilSet() {
    QFETCH(bool, throughAboutBox);
    QFETCH(bool, throughAnotherWindow);
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.456");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.form));
    static_cast<QDateEdit*>(t.form.DateTimePicker1)->setDate(Day("2027-02-03"));
    const TDateTime picked = t.form.DateTimePicker1->value();
    QCOMPARE(Shown(picked), Shown(Value("2027-02-03 10:20:30.456")));
    // Activation would now bring a different time of day as well as today's date.
    t.clock.set(Utc("2026-03-16 18:00:00.000"));

    if (throughAboutBox) {
        WhenModalOpens([](QWidget*) {});
        QTest::mouseClick(t.form.Button9, Qt::LeftButton);
        // A desktop hands the focus back to the window the box came from; the offscreen
        // platform leaves that to the program.
        t.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.form));
    }
    if (throughAnotherWindow) {
        QWidget other;
        other.setGeometry(400, 300, 100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!t.form.isActiveWindow());
        t.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.form));
    }

    QCOMPARE(t.form.DateTimePicker1->value(), picked);
    QCOMPARE(t.form.DateTimePicker1->date(), Day("2027-02-03"));
}

} // namespace orvelle::testing

QTEST_MAIN(orvelle::testing::TodayTest)
#include "today_test.moc"
