#include "form_under_test.h"
#include "window/date_time_picker.h"
#include "window/month_calendar.h"
#include "window/status_bar.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextCharFormat>

namespace orvelle::testing {
namespace {

QString Caption(const QWidget* control) {
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controlIsLaidOut_data();
    void controlIsLaidOut();
    void windowHasAFixedSizeAndThePixelFont();
    void tabVisitsTheButtonsInTheGroupsOrder();
    void statusBarHasTwoPanels();
    void timerTicksFromCreation();
    void calendarIsGreyWithoutWeekNumbers();
    void controlsFollowTheLocale_data();
    void controlsFollowTheLocale();
};

void LayoutTest::controlIsLaidOut_data() {
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");

    const auto row = [](const char* name, const char* className, const char* parent, QRect geometry,
                        const char* caption, bool enabled = true) {
        QTest::newRow(name) << QByteArray(className) << QString(parent) << geometry
                            << QString(caption) << enabled;
    };
    row("GroupBox1", "QGroupBox", "Form1", {288, 16, 265, 225}, "Today");
    row("Calendar1", "orvelle::TMonthCalendar", "GroupBox1", {17, 26, 232, 183}, "", false);
    row("GroupBox2", "QGroupBox", "Form1", {8, 16, 265, 65}, "Set days");
    row("Button1", "QPushButton", "GroupBox2", {40, 24, 75, 25}, "+");
    row("Button2", "QPushButton", "GroupBox2", {152, 24, 75, 25}, "-");
    row("GroupBox3", "QGroupBox", "Form1", {8, 96, 265, 65}, "Set months");
    row("Button4", "QPushButton", "GroupBox3", {40, 24, 75, 25}, "+");
    row("Button5", "QPushButton", "GroupBox3", {152, 24, 75, 25}, "-");
    row("GroupBox5", "QGroupBox", "Form1", {8, 176, 265, 65}, "Set years");
    row("Button6", "QPushButton", "GroupBox5", {40, 24, 75, 25}, "+");
    row("Button7", "QPushButton", "GroupBox5", {152, 24, 75, 25}, "-");
    row("GroupBox4", "QGroupBox", "Form1", {8, 248, 265, 65}, "Set custom date");
    row("DateTimePicker1", "orvelle::TDateTimePicker", "GroupBox4", {8, 25, 169, 24}, "");
    row("Button3", "QPushButton", "GroupBox4", {192, 24, 65, 25}, "Set");
    row("Button9", "QPushButton", "Form1", {296, 272, 123, 25}, "About");
    row("StatusBar1", "orvelle::TStatusBar", "Form1", {0, 320, 565, 19}, "");
}

void LayoutTest::controlIsLaidOut() {
    QFETCH(QByteArray, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");

    const auto* control = t.form.findChild<QWidget*>(QTest::currentDataTag());

    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), className);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(Caption(control), caption);
    QCOMPARE(control->isEnabled(), enabled);
}

void LayoutTest::windowHasAFixedSizeAndThePixelFont() {
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.form));

    QCOMPARE(t.form.objectName(), QString("Form1"));
    QCOMPARE(t.form.windowTitle(), QString("Orvelle"));
    QCOMPARE(t.form.pos(), QPoint(54, 66));
    QCOMPARE(t.form.size(), QSize(565, 339));
    QCOMPARE(t.form.minimumSize(), QSize(565, 339));
    QCOMPARE(t.form.maximumSize(), QSize(565, 339));
    t.form.resize(800, 600);
    QCOMPARE(t.form.size(), QSize(565, 339));

    const QFont font = t.form.Button1->font();
    QCOMPARE(font.families().value(0), QString("MS Sans Serif"));
    QCOMPARE(font.pixelSize(), 13);
    QCOMPARE(font.styleHint(), QFont::SansSerif);
}

void LayoutTest::tabVisitsTheButtonsInTheGroupsOrder() {
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.form));
    // The control that holds the focus, itself or through one of Qt's inner widgets.
    const auto focused = []() -> QString {
        QWidget* w = QApplication::focusWidget();
        while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")))
            w = w->parentWidget();
        return w ? w->objectName() : QString("nothing");
    };
    QCOMPARE(focused(), QString("Button1"));

    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused();
    }

    QCOMPARE(visited, (QStringList{"Button2", "Button4", "Button5", "DateTimePicker1", "Button3",
                                   "Button6", "Button7", "Button9", "Button1"}));
}

void LayoutTest::statusBarHasTwoPanels() {
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.form));
    const TStatusBar* bar = t.form.StatusBar1;

    QCOMPARE(bar->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(bar->panel(0)->width(), 170);
    QCOMPARE(bar->panel(0)->text(), QString("The Orvelle project, 2026"));
    QCOMPARE(bar->panel(1)->text(), QString("http://orvelle.example.org"));
    // The last panel reaches to the bar's right end, within the bar's own margin.
    QVERIFY(bar->panel(1)->geometry().left() >= bar->panel(0)->geometry().right());
    QVERIFY(bar->width() - bar->panel(1)->geometry().right() <= 4);
}

void LayoutTest::timerTicksFromCreation() {
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");

    QCOMPARE(t.form.Timer1->objectName(), QString("Timer1"));
    QVERIFY(t.form.Timer1->isActive());
    QCOMPARE(t.form.Timer1->interval(), 200);
}

void LayoutTest::calendarIsGreyWithoutWeekNumbers() {
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    const TMonthCalendar* calendar = t.form.Calendar1;
    const QColor gray(0x80, 0x80, 0x80);

    QCOMPARE(calendar->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    QCOMPARE(calendar->selectionMode(), QCalendarWidget::SingleSelection);
    QCOMPARE(calendar->palette().color(QPalette::Disabled, QPalette::Highlight), gray);
    QCOMPARE(calendar->headerTextFormat().foreground().color(), gray);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        QCOMPARE(calendar->weekdayTextFormat(Qt::DayOfWeek(day)).foreground().color(), gray);
}

void LayoutTest::controlsFollowTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Qt::DayOfWeek>("firstDayOfWeek");
    QTest::addColumn<QString>("pickerShows");

    QTest::newRow("en_US") << QLocale("en_US") << Qt::Sunday << "1/1/2001";
    QTest::newRow("de_DE") << QLocale("de_DE") << Qt::Monday << "01.01.2001";
    QTest::newRow("ja_JP") << QLocale("ja_JP") << Qt::Sunday << "2001/01/01";
}

void LayoutTest::controlsFollowTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(Qt::DayOfWeek, firstDayOfWeek);
    QFETCH(QString, pickerShows);
    const QLocale old;
    QLocale::setDefault(locale);
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    QLocale::setDefault(old);

    QCOMPARE(t.form.Calendar1->firstDayOfWeek(), firstDayOfWeek);
    QCOMPARE(t.form.DateTimePicker1->text(), pickerShows);
    QCOMPARE(t.form.DateTimePicker1->value(), 36892.0);
    QVERIFY(t.form.DateTimePicker1->calendarPopup());
    QCOMPARE(t.form.DateTimePicker1->displayedSections() & QDateTimeEdit::TimeSections_Mask, 0);
}

} // namespace orvelle::testing

QTEST_MAIN(orvelle::testing::LayoutTest)
#include "layout_test.moc"
