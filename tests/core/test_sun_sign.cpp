#include "core/sun_sign.h"

#include <QTest>

using namespace lunetide;

Q_DECLARE_METATYPE(lunetide::SunSign)
Q_DECLARE_METATYPE(lunetide::Element)

class SunSignTest : public QObject {
    Q_OBJECT

private slots:
    void boundaries_data();
    void boundaries();
    void outsideTheRangesHasNoSign_data();
    void outsideTheRangesHasNoSign();
    void elements_data();
    void elements();
};

void SunSignTest::boundaries_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<SunSign>("sign");

    // The last day of the first sign and the first day of the next, for every month.
    const struct {
        int month, lastDay;
        SunSign first, second;
    } months[] = {
        {1, 19, SunSign::Capricorn, SunSign::Aquarius},
        {2, 18, SunSign::Aquarius, SunSign::Pisces},
        {3, 20, SunSign::Pisces, SunSign::Aries},
        {4, 20, SunSign::Aries, SunSign::Taurus},
        {5, 20, SunSign::Taurus, SunSign::Gemini},
        {6, 20, SunSign::Gemini, SunSign::Cancer},
        {7, 20, SunSign::Cancer, SunSign::Leo},
        {8, 20, SunSign::Leo, SunSign::Virgo},
        {9, 20, SunSign::Virgo, SunSign::Libra},
        {10, 20, SunSign::Libra, SunSign::Scorpio},
        {11, 20, SunSign::Scorpio, SunSign::Sagittarius},
        {12, 20, SunSign::Sagittarius, SunSign::Capricorn},
    };
    for (const auto& m : months) {
        QTest::addRow("%d/1", m.month) << m.month << 1 << m.first;
        QTest::addRow("%d/%d", m.month, m.lastDay) << m.month << m.lastDay << m.first;
        QTest::addRow("%d/%d", m.month, m.lastDay + 1) << m.month << m.lastDay + 1 << m.second;
        QTest::addRow("%d/31", m.month) << m.month << 31 << m.second;
    }
    // Days that do not exist in their month still have a sign.
    QTest::newRow("29 Feb") << 2 << 29 << SunSign::Pisces;
    QTest::newRow("30 Feb") << 2 << 30 << SunSign::Pisces;
    QTest::newRow("31 Apr") << 4 << 31 << SunSign::Taurus;
}

void SunSignTest::boundaries()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(SunSign, sign);
    QCOMPARE(SunSignOf(month, day), std::optional(sign));
}

void SunSignTest::outsideTheRangesHasNoSign_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("day 0") << 5 << 0;
    QTest::newRow("day 32") << 5 << 32;
    QTest::newRow("month 0") << 0 << 5;
    QTest::newRow("month 13") << 13 << 5;
    QTest::newRow("negative") << -1 << -1;
}

void SunSignTest::outsideTheRangesHasNoSign()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QCOMPARE(SunSignOf(month, day), std::nullopt);
}

void SunSignTest::elements_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<Element>("element");
    QTest::newRow("Aries") << SunSign::Aries << Element::Fire;
    QTest::newRow("Taurus") << SunSign::Taurus << Element::Earth;
    QTest::newRow("Gemini") << SunSign::Gemini << Element::Air;
    QTest::newRow("Cancer") << SunSign::Cancer << Element::Water;
    QTest::newRow("Leo") << SunSign::Leo << Element::Fire;
    QTest::newRow("Virgo") << SunSign::Virgo << Element::Earth;
    QTest::newRow("Libra") << SunSign::Libra << Element::Air;
    QTest::newRow("Scorpio") << SunSign::Scorpio << Element::Water;
    QTest::newRow("Sagittarius") << SunSign::Sagittarius << Element::Fire;
    QTest::newRow("Capricorn") << SunSign::Capricorn << Element::Earth;
    QTest::newRow("Aquarius") << SunSign::Aquarius << Element::Air;
    QTest::newRow("Pisces") << SunSign::Pisces << Element::Water;
}

void SunSignTest::elements()
{
    QFETCH(SunSign, sign);
    QFETCH(Element, element);
    QCOMPARE(ElementOf(sign), element);
    QCOMPARE(QString::fromUtf8(SignName(sign).data(), qsizetype(SignName(sign).size())),
             QString::fromUtf8(QTest::currentDataTag()));
}

QTEST_APPLESS_MAIN(SunSignTest)
#include "test_sun_sign.moc"
