#pragma once

#include <QStatusBar>

class QLabel;

namespace orvelle {

// A status bar of two text panels, the first of a fixed width and the last reaching to the
// bar's right end, that reports a left click anywhere on it, on either panel.
class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    TStatusBar(int firstPanelWidth, const QString& firstPanel, const QString& lastPanel,
               QWidget* parent);

    const QLabel* panel(int index) const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* first_;
    QLabel* last_;
    bool pressed_ = false;
};

} // namespace orvelle
