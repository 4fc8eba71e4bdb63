#pragma once

#include "clock/clock.h"

#include <QWidget>

class QGroupBox;
class QPushButton;
class QTimer;

namespace orvelle {

class TDateTimePicker;
class TMonthCalendar;
class TStatusBar;

// The program's one window: the buttons that move the clock's date, the Today calendar that
// follows the clock, the About box and the link to the maker's page. Its handlers only read
// and store the controls' values and call the clock; the clock does the rest.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(ClockBackend& backend, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    TMonthCalendar* Calendar1;
    QGroupBox* GroupBox2;
    QPushButton* Button1;
    QPushButton* Button2;
    QGroupBox* GroupBox3;
    QPushButton* Button4;
    QPushButton* Button5;
    QGroupBox* GroupBox5;
    QPushButton* Button6;
    QPushButton* Button7;
    QGroupBox* GroupBox4;
    TDateTimePicker* DateTimePicker1;
    QPushButton* Button3;
    QPushButton* Button9;
    TStatusBar* StatusBar1;
    QTimer* Timer1;

public slots:
    void FormActivate();
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button3Click();
    void StatusBar1Click();
    void Button9Click();

protected:
    // The window's first activation runs FormActivate; later ones, after the About box or a
    // switch to another program and back, run nothing.
    void changeEvent(QEvent* event) override;

private:
    Clock clock_;
    bool activated_ = false;
};

} // namespace orvelle
