#include "core/reading.h"
#include "ui/cached_text_style.h"
#include "ui/display_window.h"
#include "ui/look.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>

namespace {

using lunetide::ui::CachedTextStyle;

const QString kText = QStringLiteral("The Full Moon is the time of &completion, when the moon's "
                                     "light is at its height.");
const QRect kBox(3, 4, 180, 50);
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

enum class Setup { Plain, Scaled, HalfPixel, HalfOpaque, DontClip, Disabled, GradientPen };

// The text drawn three times over a background that changes colour under it, a little further to
// the right each time, with the
// painter set up as `setup` says, by `style`.
QImage DrawThreeTimes(const QStyle& style, Setup setup)
{
    QImage image(200, 70, QImage::Format_RGB32);
    QFont font(lunetide::ui::kVerdana);
    font.setPointSizeF(8.25);
    for (int i = 0; i < 3; ++i) {
        image.fill(QColor(0xFF, 0x80, 0x00));
        QPainter painter(&image);
        painter.fillRect(0, 0, 40 + 50 * i, 70, Qt::black);
        painter.setFont(font);
        painter.setPen(Qt::white);
        bool enabled = true;
        int flags = kFlags;
        switch (setup) {
        case Setup::Plain:
            break;
        case Setup::Scaled:
            painter.scale(1.1, 1.1);
            break;
        case Setup::HalfPixel:
            painter.translate(0.5, 0);
            break;
        case Setup::HalfOpaque:
            painter.setOpacity(0.5);
            break;
        case Setup::DontClip:
            flags |= Qt::TextDontClip;
            break;
        case Setup::Disabled:
            enabled = false;
            break;
        case Setup::GradientPen: {
            QLinearGradient gradient(0, 0, 200, 0);
            gradient.setColorAt(0, Qt::white);
            gradient.setColorAt(1, Qt::blue);
            painter.setPen(QPen(QBrush(gradient), 1));
            break;
        }
        }
        style.drawItemText(&painter, kBox, flags, QPalette(), enabled, kText, QPalette::NoRole);
    }
    return image;
}

QImage Shot(QWidget& window)
{
    return window.screen()->grabWindow(window.winId()).toImage();
}

} // namespace

class CachedTextStyleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { lunetide::ui::InstallFontSubstitutes(); }
    void samePixelsAsDrawnDirectly_data();
    void samePixelsAsDrawnDirectly();
    void windowShownAgainLooksTheSame();
};

void CachedTextStyleTest::samePixelsAsDrawnDirectly_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("fromPicture");
    QTest::newRow("whole-pixel offset") << Setup::Plain << true;
    QTest::newRow("scaled") << Setup::Scaled << false;
    QTest::newRow("half-pixel offset") << Setup::HalfPixel << false;
    QTest::newRow("half opaque") << Setup::HalfOpaque << false;
    QTest::newRow("not clipped to its box") << Setup::DontClip << true;
    QTest::newRow("disabled") << Setup::Disabled << true;
    QTest::newRow("gradient pen") << Setup::GradientPen << false;
}

void CachedTextStyleTest::samePixelsAsDrawnDirectly()
{
    QFETCH(Setup, setup);
    QFETCH(bool, fromPicture);
    std::unique_ptr<QStyle> direct(QStyleFactory::create(QStringLiteral("Fusion")));
    CachedTextStyle cached(QStyleFactory::create(QStringLiteral("Fusion")));

    QCOMPARE(DrawThreeTimes(cached, setup), DrawThreeTimes(*direct, setup));
    // Seen once, kept at the second drawing, drawn from the picture at the third.
    QCOMPARE(cached.drawnFromPicture(), fromPicture ? 1 : 0);
}

// A window shown again and again, its texts kept at the second showing and drawn from pictures
// from the third on, shows the same pixels as at the second, when every text was drawn directly.
// (The first showing differs: the window is not yet active.)
void CachedTextStyleTest::windowShownAgainLooksTheSame()
{
    lunetide::ui::InstallCachedTextStyle();
    auto* style = dynamic_cast<CachedTextStyle*>(QApplication::style());
    QVERIFY(style);

    const lunetide::Reading reading =
        lunetide::ReadingOf(2007, 12, 23, lunetide::TextCopy::Display);
    ReadingRequest request;
    request.picture = reading.picture;
    request.phaseName = QString::fromUtf8(reading.phaseTexts.name.data(),
                                          qsizetype(reading.phaseTexts.name.size()));
    request.phaseText = QString::fromUtf8(reading.phaseTexts.text.data(),
                                          qsizetype(reading.phaseTexts.text.size()));
    request.dateTime = QStringLiteral("6:28:03 PM ; 12/6/2026");
    request.givenDate = QStringLiteral("12/23/2007");

    frmDisplay window;
    window.WriteReading(request);
    QImage drawnDirectly;
    for (int show = 1; show <= 4; ++show) {
        const qint64 directBefore = style->drawnDirectly();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        if (show == 2)
            drawnDirectly = Shot(window);
        else if (show > 2)
            QCOMPARE(Shot(window), drawnDirectly);
        // From the third showing on, every text comes from a picture.
        if (show > 2)
            QCOMPARE(style->drawnDirectly(), directBefore);
        window.hide();
        QCoreApplication::processEvents();
    }
    QVERIFY(style->keptPictures() > 0);
    QVERIFY(style->drawnFromPicture() > 0);
}

QTEST_MAIN(CachedTextStyleTest)
#include "test_cached_text_style.moc"
