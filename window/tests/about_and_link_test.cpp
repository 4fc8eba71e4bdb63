#include "form_under_test.h"
#include "window/maker.h"
#include "window/status_bar.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QUrl>

#include <memory>

namespace orvelle::testing {

// Stands in for the desktop's browser: keeps every address it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class AboutAndLinkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aboutTextHasFourLinesTheSecondEmpty();
    void aboutBoxShowsFourLinesInEveryStyle_data();
    void aboutBoxShowsFourLinesInEveryStyle();
    void clickOnEitherPanelOpensTheMakersPage_data();
    void clickOnEitherPanelOpensTheMakersPage();
};

void AboutAndLinkTest::initTestCase() {
    QApplication::setApplicationDisplayName("Orvelle");
}

void AboutAndLinkTest::aboutTextHasFourLinesTheSecondEmpty() {
    const QString text = AboutText();

    QVERIFY(!text.contains('\n'));
    QCOMPARE(text.split('\r'),
             (QStringList{"Orvelle", "", kMakerLine, "http://" + QString(kMakerHost)}));
}

void AboutAndLinkTest::aboutBoxShowsFourLinesInEveryStyle_data() {
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys())
        QTest::newRow(style.toLatin1().constData()) << style;
}

void AboutAndLinkTest::aboutBoxShowsFourLinesInEveryStyle() {
    QFETCH(QString, style);
    const QString oldStyle = QApplication::style()->name();
    QApplication::setStyle(style);
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.form));
    QString title;
    QMessageBox::Icon icon{};
    QStringList buttons;
    int linesShown = 0;
    QPoint offCentre;
    bool modal = false;

    WhenModalOpens([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return;
        modal = box->isModal();
        title = box->windowTitle();
        icon = box->icon();
        for (const QAbstractButton* b : box->buttons())
            buttons << b->text().remove('&');
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        linesShown =
            qRound(double(label->sizeHint().height()) / label->fontMetrics().lineSpacing());
        offCentre = box->frameGeometry().center() - box->screen()->availableGeometry().center();
    });
    QTest::mouseClick(t.form.Button9, Qt::LeftButton);
    QApplication::setStyle(oldStyle);

    QVERIFY(modal);
    QCOMPARE(title, QString("Orvelle"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QStringList{"OK"});
    QCOMPARE(linesShown, 4);
    QVERIFY2(offCentre.manhattanLength() <= 2,
             qPrintable(QString("off by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void AboutAndLinkTest::clickOnEitherPanelOpensTheMakersPage_data() {
    QTest::addColumn<int>("panel");
    QTest::newRow("maker's name") << 0;
    QTest::newRow("web address") << 1;
}

void AboutAndLinkTest::clickOnEitherPanelOpensTheMakersPage() {
    QFETCH(int, panel);
    FormUnderTest t("UTC0", "2026-03-15 10:20:30.000");
    t.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.form));
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("http", &browser, "open");
    const auto stop = qScopeGuard([] { QDesktopServices::unsetUrlHandler("http"); });
    // The click lands on whatever widget lies there, the panel's label or the bar itself.
    const TStatusBar* bar = t.form.StatusBar1;
    const QPoint inBar = bar->panel(panel)->geometry().center();
    QWidget* target = bar->childAt(inBar) ? bar->childAt(inBar) : const_cast<TStatusBar*>(bar);

    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(bar, inBar));

    QCOMPARE(browser.opened.size(), 1);
    const QUrl url = browser.opened.first();
    QCOMPARE(url.toString(), QString("http://orvelle.example.org/?prog=orv&ver=2.0"));
    QCOMPARE(url.scheme(), QString("http"));
    QCOMPARE(url.host(), QString(kMakerHost));
    QCOMPARE(url.path(), QString("/"));
    QCOMPARE(url.query(), QString("prog=orv&ver=2.0"));
}

} // namespace orvelle::testing

QTEST_MAIN(orvelle::testing::AboutAndLinkTest)
#include "about_and_link_test.moc"
