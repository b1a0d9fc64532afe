#include "ui/request/chosen_date.h"
#include "ui/request/reading_request.h"

#include <QDate>
#include <QTest>

namespace {

ChosenDate DateOf(int day, int month, int year)
{
    return ChosenDate{year, month, day};
}

} // namespace

Q_DECLARE_METATYPE(ChosenDate)
Q_DECLARE_METATYPE(ReadingKind)

class ChosenDateTest : public QObject {
    Q_OBJECT

private slots:
    void everyListedDateIsCheckedAsTheCalendarHasIt();
    void impossibleDatesGetTheirMessage_data();
    void impossibleDatesGetTheirMessage();
    void requestShowsTheReadingOfTheDate_data();
    void requestShowsTheReadingOfTheDate();
    void dateWithoutSignKeepsTheLastSign();
};

// Every date the three lists can show: refused exactly when the calendar lacks it (for the years
// 1901 to 2050 "divisible by 4" is the Gregorian rule).
void ChosenDateTest::everyListedDateIsCheckedAsTheCalendarHasIt()
{
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                QCOMPARE(!DateProblem(DateOf(day, month, year)).has_value(),
                         QDate::isValid(year, month, day));
            }
        }
    }
}

void ChosenDateTest::impossibleDatesGetTheirMessage_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    const QString february = "Please Enter Correct Date Or Month!";
    const QString thirtyDays = "Please Enter Correct Date Or Month !";
    QTest::newRow("29 February 1901") << 29 << 2 << 1901 << february;
    QTest::newRow("29 February 2001") << 29 << 2 << 2001 << february;
    QTest::newRow("30 February 2000") << 30 << 2 << 2000 << february;
    QTest::newRow("31 February 2004") << 31 << 2 << 2004 << february;
    for (int month : {4, 6, 9, 11})
        QTest::addRow("31 of month %d", month) << 31 << month << 2007 << thirtyDays;
}

void ChosenDateTest::impossibleDatesGetTheirMessage()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QCOMPARE(DateProblem(DateOf(day, month, year)), std::optional<QString>(message));
}

void ChosenDateTest::requestShowsTheReadingOfTheDate_data()
{
    QTest::addColumn<ChosenDate>("date");
    QTest::addColumn<ReadingKind>("kind");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("name"); // the phase, the sign's title or the element
    QTest::newRow("start selection")
        << DateOf(1, 1, 1901) << ReadingKind::MoonPhase << 11 << "Waxing Moon";
    QTest::newRow("full moon") << DateOf(23, 12, 2007) << ReadingKind::MoonPhase << 14
                               << "Full Moon";
    QTest::newRow("last listed day")
        << DateOf(31, 12, 2050) << ReadingKind::MoonPhase << 18 << "Waning Moon";
    QTest::newRow("Aquarius") << DateOf(20, 1, 1950) << ReadingKind::ZodiacalMoon << 2
                              << "Moon In Aquarius";
    QTest::newRow("Capricorn") << DateOf(19, 1, 1950) << ReadingKind::ZodiacalMoon << 1
                               << "Moon In Capricorn";
    QTest::newRow("Fire") << DateOf(21, 3, 1950) << ReadingKind::ElementalMoon << 3 << "Fire";
}

void ChosenDateTest::requestShowsTheReadingOfTheDate()
{
    QFETCH(ChosenDate, date);
    QFETCH(ReadingKind, kind);
    QFETCH(int, age);
    QFETCH(QString, name);
    std::optional<lunetide::Reading> lastSign;
    const ReadingRequest request = RequestFor(date, kind, "6:28:03 PM ; 12/6/2026", lastSign);
    QCOMPARE(request.kind, kind);
    QCOMPARE(request.date.day, date.day);
    QCOMPARE(request.reading->moon->age, age);
    const auto text = [](std::string_view t) { return QString::fromUtf8(t.data(), t.size()); };
    switch (kind) {
    case ReadingKind::MoonPhase:
        QCOMPARE(text(request.reading->phaseTexts.name), name);
        QCOMPARE(request.dateTime, "6:28:03 PM ; 12/6/2026");
        QVERIFY(!lastSign);
        break;
    case ReadingKind::ZodiacalMoon:
        QCOMPARE(text(request.reading->signTexts.title), name);
        QVERIFY(lastSign);
        break;
    case ReadingKind::ElementalMoon:
        QCOMPARE(text(request.reading->elementTexts.name), name);
        QVERIFY(request.dateTime.isEmpty());
        break;
    }
}

// Nothing selected in the lists gives no sign: the sign of the request before stands.
void ChosenDateTest::dateWithoutSignKeepsTheLastSign()
{
    std::optional<lunetide::Reading> lastSign;
    RequestFor(DateOf(21, 3, 1950), ReadingKind::ZodiacalMoon, {}, lastSign);
    QCOMPARE(lastSign->sign, lunetide::SunSign::Aries);
    const ReadingRequest request =
        RequestFor(ChosenDate{1950, 0, 0}, ReadingKind::ElementalMoon, {}, lastSign);
    QCOMPARE(lastSign->sign, lunetide::SunSign::Aries);
    QCOMPARE(request.reading->element, lunetide::Element::Fire);
}

QTEST_APPLESS_MAIN(ChosenDateTest)
#include "test_chosen_date.moc"
