#include "support/url_recorder.h"
#include "ui/widgets/clickable_label.h"
#include "ui/windows/about_box.h"
#include "ui_about_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the About box modally and lets the given steps act on it while it is open; true when
// the steps closed it and it was destroyed afterwards. A box the steps leave open is closed, so
// that a failing step cannot hang the test.
bool WhileShownModally(const std::function<void(frmAbout*)>& steps)
{
    QPointer<frmAbout> shown;
    bool closedBySteps = false;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        if (QTest::qWaitForWindowActive(shown))
            steps(shown);
        closedBySteps = !shown->isVisible();
        if (!closedBySteps)
            shown->reject();
    });
    frmAbout::ShowModal(nullptr);
    return closedBySteps && shown.isNull();
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsAFixedDialog();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void textsAreWholeAndLook_data();
    void textsAreWholeAndLook();
    void blackBehindAnOrangeRule();
    void keysClose_data();
    void keysClose();
    void linksOpenAndLeaveTheBoxOpen();
};

void AboutBoxTest::windowIsAFixedDialog()
{
    frmAbout box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Lunetide v1.15"));
    QCOMPARE(box.minimumSize(), QSize(423, 264));
    QCOMPARE(box.maximumSize(), QSize(423, 264));
    const Qt::WindowFlags flags = box.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!box.windowIcon().isNull());
    QVERIFY(box.ui()->cmdOK->isDefault());
}

void AboutBoxTest::controlsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("picIcon") << "picIcon" << QRect(10, 10, 34, 34);
    QTest::newRow("Label1") << "Label1" << QRect(14, 50, 399, 61);
    QTest::newRow("Label6") << "Label6" << QRect(16, 160, 385, 41);
    QTest::newRow("Line2") << "Line2" << QRect(-4, 224, 429, 1);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(336, 232, 84, 23);
}

void AboutBoxTest::controlsSitAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    frmAbout box;
    auto* control = box.findChild<QWidget*>(name);
    QVERIFY(control);
    // Wrapped labels may only grow downwards when a stand-in font needs more lines.
    QCOMPARE(control->pos(), place.topLeft());
    QCOMPARE(control->width(), place.width());
    QVERIFY(control->height() >= place.height());
}

void AboutBoxTest::textsAreWholeAndLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<QColor>("colour");
    const QColor orange(0xFF, 0x80, 0x00);
    QTest::newRow("Label2") << "Label2"
                            << "Lunetide v1.15" << QPoint(64, 16) << 9.75 << true << false
                            << orange;
    QTest::newRow("Label1") << "Label1"
                            << "Lunetide is a simple guideline for people practicing magic "
                               "rituals based on lunar magic. It gives you different "
                               "correspondences between the position of the moon and its effect "
                               "on magic rituals."
                            << QPoint(14, 50) << 8.25 << false << false << orange;
    QTest::newRow("lblHomePage") << "lblHomePage"
                                 << "Click here to visit http://www.veyrholt.com"
                                 << QPoint(110, 120) << 8.25 << true << true << QColor(Qt::white);
    QTest::newRow("Label6") << "Label6"
                            << "Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your "
                               "website."
                            << QPoint(16, 160) << 8.25 << true << false << orange;
    QTest::newRow("Label5") << "Label5"
                            << "Click here for more details" << QPoint(246, 208) << 8.25 << true
                            << true << QColor(Qt::white);
}

void AboutBoxTest::textsAreWholeAndLook()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, topLeft);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underlined);
    QFETCH(QColor, colour);
    frmAbout box;
    box.show();
    auto* label = box.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), topLeft);
    const QFont font = label->font();
    QCOMPARE(font.family(), QStringLiteral("Verdana"));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underlined);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);

    // The whole text fits the label, and the label fits the box.
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                           Qt::TextWordWrap, label->text());
    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
             qPrintable(name));
    QVERIFY(box.rect().contains(label->geometry()));
}

void AboutBoxTest::blackBehindAnOrangeRule()
{
    frmAbout box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();
    QCOMPARE(image.pixelColor(box.width() / 2, 145), QColor(Qt::black));
    for (const QPoint& p : {QPoint(5, 250), QPoint(box.width() - 2, 250), QPoint(5, 5)})
        QCOMPARE(image.pixelColor(p), QColor(Qt::black));
    for (int x : {0, box.width() / 2, box.width() - 1})
        QCOMPARE(image.pixelColor(x, 224), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(image.pixelColor(box.width() / 2, 223), QColor(Qt::black));
    QCOMPARE(image.pixelColor(box.width() / 2, 225), QColor(Qt::black));
}

void AboutBoxTest::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("space on OK") << int(Qt::Key_Space);
}

void AboutBoxTest::keysClose()
{
    QFETCH(int, key);
    const bool closed = WhileShownModally([key](frmAbout* box) {
        QCOMPARE(QApplication::focusWidget(), box->ui()->cmdOK);
        // OK is the only stop of the tab chain.
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box->ui()->cmdOK);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    });
    QVERIFY(closed);
}

void AboutBoxTest::linksOpenAndLeaveTheBoxOpen()
{
    UrlRecorder recorder;
    const bool closed = WhileShownModally([&](frmAbout* box) {
        for (ClickableLabel* link : {box->ui()->lblHomePage, box->ui()->lblHomePage,
                                     box->ui()->Label5, box->ui()->Label5}) {
            QTest::mouseClick(link, Qt::LeftButton);
            QVERIFY(box->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), box);
        }
        QTest::mouseClick(box->ui()->cmdOK, Qt::LeftButton);
    });
    QVERIFY(closed);
    QCOMPARE(recorder.opened, QStringList({"http://www.veyrholt.com", "http://www.veyrholt.com",
                                           "http://help.veyrholt.com/fully-branded.html",
                                           "http://help.veyrholt.com/fully-branded.html"}));
}

QTEST_MAIN(AboutBoxTest)
#include "test_about_box.moc"
