#include "ui/label_fit.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using lunetide::ui::GrowToText;
using lunetide::ui::SizeToText;

class LabelFitTest : public QObject {
    Q_OBJECT

private slots:
    void sizedLabelKeepsItsAnchor_data();
    void sizedLabelKeepsItsAnchor();
    void growingNeverShrinks();
};

void LabelFitTest::sizedLabelKeepsItsAnchor_data()
{
    QTest::addColumn<bool>("centred");
    QTest::addColumn<int>("storedWidth");
    QTest::newRow("centred, even width") << true << 164;
    QTest::newRow("centred, odd width") << true << 163;
    QTest::newRow("left-aligned") << false << 164;
}

// A clock label is sized every second with texts of changing width: it must come back to the
// same place for the same text, never creep sideways.
void LabelFitTest::sizedLabelKeepsItsAnchor()
{
    QFETCH(bool, centred);
    QFETCH(int, storedWidth);
    QWidget parent;
    QLabel label(&parent);
    label.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    label.setGeometry(320, 128, storedWidth, 13);
    const int centreX2 = 2 * 320 + storedWidth;

    QRect first;
    for (int tick = 0; tick < 200; ++tick) {
        label.setText(tick % 2 ? QStringLiteral("6:28:03 PM ; 12/6/2026")
                               : QStringLiteral("10:28:03 AM ; 12/16/2026"));
        SizeToText(&label);
        QCOMPARE(label.y(), 128);
        if (centred)
            QVERIFY(qAbs(2 * label.x() + label.width() - centreX2) <= 1);
        else
            QCOMPARE(label.x(), 320);
        if (tick == 0)
            first = label.geometry();
        if (tick % 2 == 0)
            QCOMPARE(label.geometry(), first);
    }
}

void LabelFitTest::growingNeverShrinks()
{
    QWidget parent;
    QLabel label(QStringLiteral("Inquisitiveness "), &parent);
    label.setGeometry(112, 48, 49, 13);
    GrowToText(&label);
    QVERIFY(label.width() >= label.sizeHint().width());
    QCOMPARE(label.pos(), QPoint(112, 48));
    const QRect grown = label.geometry();
    label.setText(QStringLiteral("Caring "));
    GrowToText(&label);
    QCOMPARE(label.geometry(), grown);
}

QTEST_MAIN(LabelFitTest)
#include "test_label_fit.moc"
