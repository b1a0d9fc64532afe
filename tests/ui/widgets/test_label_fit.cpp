#include "ui/widgets/label_fit.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

using lunetide::ui::GrowToText;
using lunetide::ui::GrowToWrappedText;
using lunetide::ui::SizeToText;

class LabelFitTest : public QObject {
    Q_OBJECT

private slots:
    void sizedLabelKeepsItsLeftAndTop_data();
    void sizedLabelKeepsItsLeftAndTop();
    void growingNeverShrinks();
    void labelFittedAgainGrowsAsAFreshOneWould();
};

void LabelFitTest::sizedLabelKeepsItsLeftAndTop_data()
{
    QTest::addColumn<bool>("centred");
    QTest::addColumn<int>("frameWidth");
    QTest::newRow("centred") << true << 640;
    QTest::newRow("left-aligned") << false << 640;
    QTest::newRow("long texts narrowed at the frame's edge") << true << 470;
    QTest::newRow("long texts moved at the frame's edge") << false << 380;
}

// A clock label is sized every second with texts of changing width. It keeps the form's left and
// top edges; a text too long for its frame is narrowed or moved inside it, and the next shorter
// text returns to the form's place and font.
void LabelFitTest::sizedLabelKeepsItsLeftAndTop()
{
    QFETCH(bool, centred);
    QFETCH(int, frameWidth);
    QFrame frame;
    frame.setFrameStyle(QFrame::Box);
    frame.resize(frameWidth, 200);
    QLabel label(&frame);
    label.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    label.setGeometry(320, 128, 163, 13);
    const QStringList texts = {"10:28:03 AM ; 12/16/2026", "1:0 ; 1", "6:28:03 PM ; 12/6/2026"};

    for (int tick = 0; tick < 30; ++tick) {
        label.setText(texts[tick % texts.size()]);
        SizeToText(&label);
        QCOMPARE(label.size(), label.sizeHint());
        QCOMPARE(label.y(), 128);
        QVERIFY(frame.contentsRect().contains(label.geometry()));
        const bool fitsAsPlaced = 320 + QFontMetrics(frame.font()).horizontalAdvance(label.text()) <
                                  frame.contentsRect().right() - 10;
        if (fitsAsPlaced) {
            QCOMPARE(label.x(), 320);
            QCOMPARE(label.font().stretch(), int(QFont::AnyStretch));
        } else if (label.x() != 320) { // moved only when narrowing is not enough
            QCOMPARE(label.font().stretch(), 75);
        }
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

// A label fitted again and again follows every change that alters its size hint, back and forth:
// it takes the size a fresh label in the same state takes (a label that kept an earlier size after
// setContentsMargins was cut).
void LabelFitTest::labelFittedAgainGrowsAsAFreshOneWould()
{
    struct Step {
        QString text;
        int width;
        qreal points;
        int margin;
        int indent;
    };
    const QString full = QStringLiteral("The Full Moon is the time of completion, when the moon's "
                                        "light is at its height and every working is strongest.");
    const QString dark = QStringLiteral("The dark moon is a good time for giving up bad habits.");
    const QList<Step> steps = {{full, 200, 8.25, 0, -1}, {dark, 200, 8.25, 0, -1},
                               {full, 120, 8.25, 0, -1}, {full, 200, 12, 0, -1},
                               {dark, 90, 12, 0, -1},    {dark, 90, 12, 20, -1},
                               {dark, 90, 12, 20, 16},   {full, 200, 8.25, 0, -1}};
    QWidget parent;
    parent.resize(2000, 200);
    QLabel reusedWrapped(&parent);
    QLabel reusedSized(&parent);
    for (int round = 0; round < 2; ++round) {
        for (const Step& step : steps) {
            QLabel freshWrapped(&parent);
            QLabel freshSized(&parent);
            // Polished first, as the forms' labels are: polishing a label here reset its margins.
            freshWrapped.ensurePolished();
            freshSized.ensurePolished();
            for (QLabel* label : {&reusedWrapped, &freshWrapped, &reusedSized, &freshSized}) {
                const bool wrapped = label == &reusedWrapped || label == &freshWrapped;
                label->setWordWrap(wrapped);
                QFont font = label->font();
                font.setPointSizeF(step.points);
                label->setFont(font);
                label->setText(step.text);
                label->setContentsMargins(step.margin, step.margin, step.margin, step.margin);
                label->setIndent(step.indent);
                label->setGeometry(0, 0, step.width, 13);
                if (wrapped)
                    GrowToWrappedText(label);
                else
                    SizeToText(label);
            }
            QCOMPARE(reusedWrapped.size(), freshWrapped.size());
            QCOMPARE(reusedSized.size(), freshSized.size());
            QCOMPARE(reusedSized.size(), reusedSized.sizeHint());
        }
    }
}

QTEST_MAIN(LabelFitTest)
#include "test_label_fit.moc"
