#include "ui/look/moon_pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using lunetide::ui::kMoonPictureCount;

namespace {

// Picture k of the thirty, 1 to 30: the moon at age k - 1, seen from the north.
QPixmap MoonPicture(int k)
{
    return lunetide::ui::MoonPicture(lunetide::MoonOfAge(k - 1), lunetide::Hemisphere::North);
}

struct LitPart {
    int pixels = 0;
    double meanX = 0; // relative to the picture's middle, in device pixels
};

// The bright pixels of a picture: the lit part of the moon.
LitPart LitPartOf(int k)
{
    const QImage image = MoonPicture(k).toImage().convertToFormat(QImage::Format_ARGB32);
    LitPart lit;
    double sumX = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() > 128 && colour.lightness() > 128) {
                ++lit.pixels;
                sumX += x + 0.5 - image.width() / 2.0;
            }
        }
    }
    lit.meanX = lit.pixels ? sumX / lit.pixels : 0;
    return lit;
}

} // namespace

class MoonPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void sizes();
    void samePicturesAndNeighboursThatDiffer();
    void litPartWaxesOnTheRightAndWanesToTheLeft();
    void onlyTheDiscIsPainted();
};

void MoonPicturesTest::sizes()
{
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    for (int k = 1; k <= kMoonPictureCount; ++k) {
        const QPixmap picture = MoonPicture(k);
        const QSize expected = k <= 4 ? QSize(55, 53) : QSize(50, 50);
        QCOMPARE(picture.deviceIndependentSize().toSize(), expected);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), expected * ratio);
    }
}

void MoonPicturesTest::samePicturesAndNeighboursThatDiffer()
{
    const QList<int> sameAsBefore = {2, 3, 4, 18, 21};
    for (int k = 2; k <= kMoonPictureCount; ++k) {
        const bool same = MoonPicture(k).toImage() == MoonPicture(k - 1).toImage();
        QVERIFY2(same == sameAsBefore.contains(k), qPrintable(QString::number(k)));
    }
}

void MoonPicturesTest::litPartWaxesOnTheRightAndWanesToTheLeft()
{
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(LitPartOf(k).pixels, 0);

    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    const double fullDisc = 3.14159 * 24 * 24 * ratio * ratio;
    QVERIFY(qAbs(LitPartOf(17).pixels - fullDisc) < 0.05 * fullDisc);

    for (int k = 5; k <= 16; ++k) {
        const LitPart lit = LitPartOf(k);
        QVERIFY2(lit.pixels > 0 && lit.meanX > 0, qPrintable(QString::number(k)));
        QVERIFY2(lit.pixels > LitPartOf(k - 1).pixels, qPrintable(QString::number(k)));
    }
    QVERIFY(LitPartOf(16).pixels < LitPartOf(17).pixels);
    for (int k = 19; k <= 30; ++k) {
        const LitPart lit = LitPartOf(k);
        QVERIFY2(lit.pixels > 0 && lit.meanX < 0, qPrintable(QString::number(k)));
        if (k != 21)
            QVERIFY2(lit.pixels < LitPartOf(k - 1).pixels, qPrintable(QString::number(k)));
    }
    // The first and last crescents are thin slivers, but they still show.
    QVERIFY(LitPartOf(5).pixels < 0.05 * fullDisc);
    QVERIFY(LitPartOf(30).pixels < 0.05 * fullDisc);
}

// Around the disc every picture is transparent, so it sits on whatever background shows it.
void MoonPicturesTest::onlyTheDiscIsPainted()
{
    for (int k = 1; k <= kMoonPictureCount; ++k) {
        const QImage image = MoonPicture(k).toImage();
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QCOMPARE(image.pixelColor(corner).alpha(), 0);
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).alpha(), 255);
    }
}

QTEST_MAIN(MoonPicturesTest)
#include "test_moon_pictures.moc"
