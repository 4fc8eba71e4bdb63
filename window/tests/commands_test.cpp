#include "form_under_test.h"
#include "window/date_time_picker.h"

#include <QPushButton>
#include <QTest>

namespace orvelle::testing {

// POSIX zone strings count west of Greenwich as positive: "<+02>-2" is two hours ahead of UTC.
class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void buttonRunsItsCommand_data();
    void buttonRunsItsCommand();
};

void CommandsTest::buttonRunsItsCommand_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tz");
    QTest::addColumn<QString>("utcBefore");
    QTest::addColumn<QString>("picked");      // "Set" only: the date picked beforehand
    QTest::addColumn<QString>("utcAfter");    // empty: the clock refuses and stays as it was
    QTest::addColumn<QString>("pickerAfter"); // "Set" only: the local value the picker holds

    const auto row = [](const char* name, const char* button, const char* tz, const char* utcBefore,
                        const char* utcAfter, const char* picked = "",
                        const char* pickerAfter = "") {
        QTest::newRow(name) << QString(button) << QString(tz) << QString(utcBefore)
                            << QString(picked) << QString(utcAfter) << QString(pickerAfter);
    };
    row("day forward", "Button1", "UTC0", "2026-03-15 10:20:30.456", "2026-03-16 10:20:30.456");
    row("day forward past the month's end", "Button1", "UTC0", "2026-04-30 10:00:00.000", "");
    row("day forward on the UTC date", "Button1", "<+02>-2", "2026-03-14 22:30:00.000",
        "2026-03-15 22:30:00.000");
    row("day back", "Button2", "UTC0", "2026-03-15 10:20:30.456", "2026-03-14 10:20:30.456");
    row("day back before the 1st", "Button2", "UTC0", "2026-05-01 10:00:00.000", "");
    row("month forward", "Button4", "UTC0", "2026-06-15 08:00:00.000", "2026-07-15 08:00:00.000");
    row("month forward in December", "Button4", "UTC0", "2026-12-11 08:00:00.000", "");
    row("month forward on 31 January", "Button4", "UTC0", "2026-01-31 08:00:00.000", "");
    row("month back", "Button5", "UTC0", "2026-06-15 08:00:00.000", "2026-05-15 08:00:00.000");
    row("month back in January", "Button5", "UTC0", "2026-01-11 08:00:00.000", "");
    row("year forward", "Button6", "UTC0", "2026-06-15 08:00:00.000", "2027-06-15 08:00:00.000");
    row("year forward on a leap day", "Button6", "UTC0", "2024-02-29 08:00:00.000", "");
    row("year back", "Button7", "UTC0", "2026-06-15 08:00:00.000", "2025-06-15 08:00:00.000");
    row("year back on a leap day", "Button7", "UTC0", "2024-02-29 08:00:00.000", "");
    row("set the picked date", "Button3", "<+02>-2", "2026-06-10 12:05:07.123",
        "2026-12-25 12:05:07.123", "2026-12-25", "2026-12-25 14:05:07.123");
    row("set a date the clock cannot hold", "Button3", "UTC0", "2026-06-10 12:00:00.000", "",
        "1969-07-20", "1969-07-20 12:00:00.000");
}

void CommandsTest::buttonRunsItsCommand() {
    QFETCH(QString, button);
    QFETCH(QString, tz);
    QFETCH(QString, utcBefore);
    QFETCH(QString, picked);
    QFETCH(QString, utcAfter);
    QFETCH(QString, pickerAfter);
    // Not shown, so not activated: the picker keeps the time of day it was laid out with, and
    // the value that Set hands back is seen in it.
    FormUnderTest t(tz, utcBefore);
    if (!picked.isEmpty()) {
        // As the user picks it: the edit's own date, which keeps the picker's time of day.
        static_cast<QDateEdit*>(t.form.DateTimePicker1)->setDate(Day(picked));
    }

    QTest::mouseClick(t.form.findChild<QPushButton*>(button), Qt::LeftButton);

    const QString expected = utcAfter.isEmpty() ? utcBefore : utcAfter;
    QCOMPARE(Shown(t.clock.now()), Shown(Utc(expected.toLatin1().constData())));
    if (!pickerAfter.isEmpty())
        QCOMPARE(Shown(t.form.DateTimePicker1->value()), Shown(Value(pickerAfter)));
}

} // namespace orvelle::testing

QTEST_MAIN(orvelle::testing::CommandsTest)
#include "commands_test.moc"
