#include "window/form_1.h"

#include "window/about_box.h"
#include "window/date_time_picker.h"
#include "window/maker.h"
#include "window/month_calendar.h"
#include "window/status_bar.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace orvelle {

namespace {

const QColor kGray(0x80, 0x80, 0x80);
constexpr TDateTime kPickerValueAsLaidOut = 36892.0; // 1 January 2001
constexpr int kMakerPanelWidth = 170;

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QPushButton* MakeButton(const char* name, const char* caption, int left, int top, int width,
                        QWidget* parent) {
    return Place(new QPushButton(QLatin1String(caption), parent), name, left, top, width, 25);
}

// The layout's pixel font, whatever size the desktop's fonts are; the system's sans-serif
// stands in where the face is missing.
QFont FormFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

} // namespace

TForm1::TForm1(ClockBackend& backend, QWidget* parent)
    : QWidget(parent)
    , clock_(backend) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvelle"));
    setFont(FormFont());
    move(54, 66);
    setFixedSize(565, 339);

    GroupBox1 = Place(new QGroupBox(QStringLiteral("Today"), this), "GroupBox1", 288, 16, 265, 225);
    Calendar1 = Place(new TMonthCalendar(clock_, GroupBox1), "Calendar1", 17, 26, 232, 183);
    Calendar1->setEnabled(false);
    Calendar1->setSelectionMode(QCalendarWidget::SingleSelection);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setFirstDayOfWeek(locale().firstDayOfWeek());
    Calendar1->setTextColor(kGray);
    Calendar1->setTitleBackColor(kGray);

    GroupBox2 = Place(new QGroupBox(QStringLiteral("Set days"), this), "GroupBox2", 8, 16, 265, 65);
    Button1 = MakeButton("Button1", "+", 40, 24, 75, GroupBox2);
    Button2 = MakeButton("Button2", "-", 152, 24, 75, GroupBox2);

    GroupBox3 =
        Place(new QGroupBox(QStringLiteral("Set months"), this), "GroupBox3", 8, 96, 265, 65);
    Button4 = MakeButton("Button4", "+", 40, 24, 75, GroupBox3);
    Button5 = MakeButton("Button5", "-", 152, 24, 75, GroupBox3);

    GroupBox5 =
        Place(new QGroupBox(QStringLiteral("Set years"), this), "GroupBox5", 8, 176, 265, 65);
    Button6 = MakeButton("Button6", "+", 40, 24, 75, GroupBox5);
    Button7 = MakeButton("Button7", "-", 152, 24, 75, GroupBox5);

    GroupBox4 =
        Place(new QGroupBox(QStringLiteral("Set custom date"), this), "GroupBox4", 8, 248, 265, 65);
    DateTimePicker1 = Place(new TDateTimePicker(kPickerValueAsLaidOut, GroupBox4),
                            "DateTimePicker1", 8, 25, 169, 24);
    Button3 = MakeButton("Button3", "Set", 192, 24, 65, GroupBox4);

    Button9 = MakeButton("Button9", "About", 296, 272, 123, this);

    StatusBar1 =
        Place(new TStatusBar(kMakerPanelWidth, QLatin1String(kMakerLine), MakerAddress(), this),
              "StatusBar1", 0, 320, 565, 19);
    StatusBar1->setCursor(Qt::PointingHandCursor);

    // "Set custom date" comes before "Set years" although it lies below it.
    for (auto [from, to] : {std::pair<QWidget*, QWidget*>{Button1, Button2},
                            {Button2, Button4},
                            {Button4, Button5},
                            {Button5, DateTimePicker1},
                            {DateTimePicker1, Button3},
                            {Button3, Button6},
                            {Button6, Button7},
                            {Button7, Button9}})
        setTabOrder(from, to);

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(StatusBar1, &TStatusBar::clicked, this, &TForm1::StatusBar1Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TForm1::FormActivate() {
    Calendar1->setDate(clock_.LocalNow());
    DateTimePicker1->setTime(clock_.LocalNow());
    DateTimePicker1->setDate(clock_.LocalNow());
}

void TForm1::Timer1Timer() {
    if (Calendar1->value() != clock_.LocalNow())
        Calendar1->setDate(clock_.LocalNow());
}

void TForm1::Button1Click() {
    clock_.StepDate(&SYSTEMTIME::wDay, +1);
}

void TForm1::Button2Click() {
    clock_.StepDate(&SYSTEMTIME::wDay, -1);
}

void TForm1::Button4Click() {
    clock_.StepDate(&SYSTEMTIME::wMonth, +1);
}

void TForm1::Button5Click() {
    clock_.StepDate(&SYSTEMTIME::wMonth, -1);
}

void TForm1::Button6Click() {
    clock_.StepDate(&SYSTEMTIME::wYear, +1);
}

void TForm1::Button7Click() {
    clock_.StepDate(&SYSTEMTIME::wYear, -1);
}

void TForm1::Button3Click() {
    DateTimePicker1->setValue(clock_.SetCustomDate(DateTimePicker1->value()));
}

void TForm1::StatusBar1Click() {
    // Whether a browser opened or not, nothing is shown.
    QDesktopServices::openUrl(QUrl(MakerPageLink()));
}

void TForm1::Button9Click() {
    TAboutBox box(AboutText(), this);
    box.exec();
}

} // namespace orvelle
