#include "window/about_box.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace orvelle {

namespace {

// Styles that lay plain text out line by line break it only at a line feed.
QString WithLineFeeds(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

TAboutBox::TAboutBox(const QString& text, QWidget* parent)
    : QMessageBox(parent) {
    // The box is a window of its own; it takes the font and colours of the window it came from.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setIcon(QMessageBox::NoIcon);
    setStandardButtons(QMessageBox::Ok);
    setTextFormat(Qt::PlainText);
    setText(WithLineFeeds(text));
}

void TAboutBox::showEvent(QShowEvent* event) {
    // The box has its final size only now, just before it appears. A window's position is that
    // of its frame, as far as the window system has told the frame's size yet.
    QMessageBox::showEvent(event);
    if (const QScreen* where = screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(),
                                 where->availableGeometry())
                 .topLeft());
}

} // namespace orvelle
