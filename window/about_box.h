#pragma once

#include <QMessageBox>

namespace orvelle {

// A modal box with the application's title, no icon and one "OK" button, centred on the
// screen. Lines of its text may end in a bare carriage return: each shows as a line of its own
// whatever the style, where some styles would run them together.
class TAboutBox : public QMessageBox {
    Q_OBJECT

public:
    TAboutBox(const QString& text, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace orvelle
