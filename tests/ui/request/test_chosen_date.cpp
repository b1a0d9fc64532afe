#include "ui/request/chosen_date.h"

#include <QDate>
#include <QTest>

namespace {

ChosenDate DateOf(int day, int month, int year)
{
    return ChosenDate{day - 1, month - 1, QString::number(day), QString::number(year)};
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
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("detail"); // the given date, or the sign's keyword
    QTest::newRow("start selection")
        << DateOf(1, 1, 1901) << ReadingKind::MoonPhase << 12 << "Waxing Moon"
        << "1/1/1901";
    QTest::newRow("full moon") << DateOf(23, 12, 2007) << ReadingKind::MoonPhase << 15
                               << "Full Moon"
                               << "12/23/2007";
    QTest::newRow("last listed day")
        << DateOf(31, 12, 2050) << ReadingKind::MoonPhase << 19 << "Waning Moon"
        << "12/31/2050";
    QTest::newRow("Aquarius") << DateOf(20, 1, 1950) << ReadingKind::ZodiacalMoon << 15
                              << "Moon In Aquarius"
                              << "Outgoing";
    QTest::newRow("Capricorn") << DateOf(19, 1, 1950) << ReadingKind::ZodiacalMoon << 15
                               << "Moon In Capricorn"
                               << "Motivated";
    QTest::newRow("Fire") << DateOf(21, 3, 1950) << ReadingKind::ElementalMoon << 15 << "Fire"
                          << "";
}

void ChosenDateTest::requestShowsTheReadingOfTheDate()
{
    QFETCH(ChosenDate, date);
    QFETCH(ReadingKind, kind);
    QFETCH(int, picture);
    QFETCH(QString, name);
    QFETCH(QString, detail);
    std::string sign;
    const ReadingRequest request = RequestFor(date, kind, "6:28:03 PM ; 12/6/2026", sign);
    QCOMPARE(request.kind, kind);
    QCOMPARE(request.picture, picture);
    switch (kind) {
    case ReadingKind::MoonPhase:
        QCOMPARE(request.phaseName, name);
        QCOMPARE(request.givenDate, detail);
        QCOMPARE(request.dateTime, "6:28:03 PM ; 12/6/2026");
        QVERIFY(sign.empty());
        break;
    case ReadingKind::ZodiacalMoon:
        QVERIFY(request.hasSign);
        QCOMPARE(request.signTitle, name);
        QCOMPARE(request.keyword, detail);
        QVERIFY(request.phaseName.isEmpty());
        break;
    case ReadingKind::ElementalMoon:
        QVERIFY(request.hasSign);
        QCOMPARE(request.elementName, name);
        QVERIFY(request.signTitle.isEmpty());
        break;
    }
}

// Nothing selected in the lists gives no sign: the sign of the request before stands.
void ChosenDateTest::dateWithoutSignKeepsTheLastSign()
{
    std::string sign;
    RequestFor(DateOf(21, 3, 1950), ReadingKind::ZodiacalMoon, {}, sign);
    QCOMPARE(sign, "Aries");
    const ReadingRequest request =
        RequestFor(ChosenDate{-1, -1, {}, {}}, ReadingKind::ElementalMoon, {}, sign);
    QCOMPARE(sign, "Aries");
    QCOMPARE(request.elementName, "Fire");
}

QTEST_APPLESS_MAIN(ChosenDateTest)
#include "test_chosen_date.moc"
