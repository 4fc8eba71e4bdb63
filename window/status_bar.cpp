#include "window/status_bar.h"

#include <QLabel>
#include <QMouseEvent>

namespace orvelle {

namespace {

QLabel* MakePanel(const QString& text, QWidget* parent) {
    auto* panel = new QLabel(text, parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(2);
    return panel;
}

} // namespace

TStatusBar::TStatusBar(int firstPanelWidth, const QString& firstPanel, const QString& lastPanel,
                       QWidget* parent)
    : QStatusBar(parent)
    , first_(MakePanel(firstPanel, this))
    , last_(MakePanel(lastPanel, this)) {
    setSizeGripEnabled(false);
    first_->setFixedWidth(firstPanelWidth);
    addWidget(first_);
    addWidget(last_, 1);
}

const QLabel* TStatusBar::panel(int index) const {
    return index == 0 ? first_ : last_;
}

// A click is a press and a release of the left button, both on the bar: the panels leave
// their mouse events to it.
void TStatusBar::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace orvelle
