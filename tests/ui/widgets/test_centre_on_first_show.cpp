#include "ui/widgets/centre_on_first_show.h"

#include <QScreen>
#include <QTest>
#include <QWidget>

using lunetide::ui::CentreOnFirstShow;

class CentreOnFirstShowTest : public QObject {
    Q_OBJECT

private slots:
    void placeAtFirstShow_data();
    void placeAtFirstShow();
};

void CentreOnFirstShowTest::placeAtFirstShow_data()
{
    // The window's size less the screen's available size.
    QTest::addColumn<QSize>("excess");
    QTest::newRow("fits") << QSize(-200, -100);
    QTest::newRow("wider") << QSize(300, -100);
    QTest::newRow("taller") << QSize(-200, 150);
    QTest::newRow("larger both ways") << QSize(300, 150);
}

// Centred on the available area, then moved right and down until its top-left corner is on it.
void CentreOnFirstShowTest::placeAtFirstShow()
{
    QFETCH(QSize, excess);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setFixedSize(available.size() + excess);
    new CentreOnFirstShow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QRect frame = window.frameGeometry();
    const QPoint offCentre = frame.center() - available.center();
    QCOMPARE(frame.left(), excess.width() > 0 ? available.left() : frame.left());
    QCOMPARE(frame.top(), excess.height() > 0 ? available.top() : frame.top());
    if (excess.width() <= 0)
        QVERIFY2(qAbs(offCentre.x()) <= 1, qPrintable(QString::number(offCentre.x())));
    if (excess.height() <= 0)
        QVERIFY2(qAbs(offCentre.y()) <= 1, qPrintable(QString::number(offCentre.y())));
}

QTEST_MAIN(CentreOnFirstShowTest)
#include "test_centre_on_first_show.moc"
