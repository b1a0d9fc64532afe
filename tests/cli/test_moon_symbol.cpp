#include "cli/moon_symbol.h"
#include "core/moon_age.h"
#include "ui/look/moon_pictures.h"

#include <QTest>

#include <map>

using lunetide::Hemisphere;
using lunetide::LitSide;

namespace {

enum class Seen { Unlit, Full, LitRight, LitLeft };

// What each terminal symbol shows.
Seen SeenInSymbol(std::string_view symbol)
{
    static const std::map<std::string_view, Seen> kSymbols = {
        {"\U0001F311", Seen::Unlit},    {"\U0001F312", Seen::LitRight},
        {"\U0001F313", Seen::LitRight}, {"\U0001F314", Seen::LitRight},
        {"\U0001F315", Seen::Full},     {"\U0001F316", Seen::LitLeft},
        {"\U0001F317", Seen::LitLeft},  {"\U0001F318", Seen::LitLeft}};
    const auto found = kSymbols.find(symbol);
    return found == kSymbols.end() ? Seen(-1) : found->second;
}

// What a picture shows, from its pixels: the bright ones are lit, the dark ones of the disc unlit.
// A picture nearly all lit is full; otherwise the lit part lies on the side of its mean.
Seen SeenInPicture(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    double litX = 0;
    double unlitX = 0;
    int lit = 0;
    int unlit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() <= 128)
                continue;
            (colour.lightness() > 128 ? litX : unlitX) += x;
            ++(colour.lightness() > 128 ? lit : unlit);
        }
    }
    if (lit == 0)
        return Seen::Unlit;
    if (lit > 0.99 * (lit + unlit))
        return Seen::Full;
    return litX / lit > unlitX / unlit ? Seen::LitRight : Seen::LitLeft;
}

} // namespace

Q_DECLARE_METATYPE(Hemisphere)

// The terminal tool's symbol of a day and the windows' picture of it show the moon lit on the same
// side, for every age, from either hemisphere.
class MoonSymbolTest : public QObject {
    Q_OBJECT

private slots:
    void symbolAndPictureShowTheSameSide_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<Hemisphere>("hemisphere");
        for (int age = 0; age < 30; ++age) {
            QTest::addRow("north, age %d", age) << age << Hemisphere::North;
            QTest::addRow("south, age %d", age) << age << Hemisphere::South;
        }
    }

    void symbolAndPictureShowTheSameSide()
    {
        QFETCH(int, age);
        QFETCH(Hemisphere, hemisphere);
        const lunetide::Moon moon = lunetide::MoonOfAge(age);
        const Seen inSymbol =
            SeenInSymbol(lunetide::cli::MoonSymbol(lunetide::SeenFrom(moon.shape, hemisphere)));
        const Seen inPicture = SeenInPicture(lunetide::ui::MoonPicture(moon, hemisphere));
        QCOMPARE(int(inSymbol), int(inPicture));
        // Waxing moons are lit on the right in the north and on the left in the south.
        if (age >= 4 && age <= 12)
            QCOMPARE(inPicture, hemisphere == Hemisphere::North ? Seen::LitRight : Seen::LitLeft);
    }
};

QTEST_MAIN(MoonSymbolTest)
#include "test_moon_symbol.moc"
