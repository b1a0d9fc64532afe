#include "ui/widgets/clickable_label.h"

#include <QSignalSpy>
#include <QTest>

class ClickableLabelTest : public QObject {
    Q_OBJECT

private slots:
    void leftClickEmitsOnce();
    void otherPressesDoNotClick();
    void staysUnderlinedWhateverFontItGets();
};

void ClickableLabelTest::leftClickEmitsOnce()
{
    ClickableLabel label;
    label.setText(QStringLiteral("Click here"));
    label.show();
    QSignalSpy clicked(&label, &ClickableLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
}

void ClickableLabelTest::otherPressesDoNotClick()
{
    ClickableLabel label;
    label.setText(QStringLiteral("Click here"));
    label.resize(100, 20);
    label.show();
    QSignalSpy clicked(&label, &ClickableLabel::clicked);
    QTest::mouseClick(&label, Qt::RightButton);
    // Pressed on the label, released away from it: no click, as with a button.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 10));
    QCOMPARE(clicked.count(), 0);
}

void ClickableLabelTest::staysUnderlinedWhateverFontItGets()
{
    ClickableLabel label;
    QVERIFY(label.font().underline());
    QFont plain(QStringLiteral("Verdana"));
    plain.setBold(true);
    label.setFont(plain);
    QVERIFY(label.font().underline());
    QVERIFY(label.font().bold());

    QWidget form;
    form.setStyleSheet(QStringLiteral("QLabel#link { font: bold 9pt \"Verdana\"; }"));
    auto* link = new ClickableLabel(&form);
    link->setObjectName(QStringLiteral("link"));
    form.show();
    link->ensurePolished();
    QCOMPARE(link->font().pointSizeF(), 9.0);
    QVERIFY(link->font().underline());
}

QTEST_MAIN(ClickableLabelTest)
#include "test_clickable_label.moc"
