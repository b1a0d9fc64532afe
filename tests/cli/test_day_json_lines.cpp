// The JSON lines written from the per-age-and-sign copies must be exactly what QJsonDocument writes
// for each day's object.

#include "cli/day_output.h"

#include <QJsonDocument>
#include <QTest>

using namespace lunetide::cli;

class DayJsonLinesTest : public QObject {
    Q_OBJECT

private slots:
    void sameAsQJsonDocument_data();
    void sameAsQJsonDocument();
};

void DayJsonLinesTest::sameAsQJsonDocument_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("the year list, 1901 to 2050") << QDate(1901, 1, 1) << QDate(2050, 12, 31);
    QTest::newRow("first years") << QDate(1000, 1, 1) << QDate(1001, 12, 31);
    QTest::newRow("last years") << QDate(9998, 1, 1) << QDate(9999, 12, 31);
}

void DayJsonLinesTest::sameAsQJsonDocument()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    DayJsonLines lines(lunetide::Hemisphere::South);
    QByteArray written;
    QByteArray expected;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const lunetide::Reading reading = ReadingOfDay(day);
        lines.Append(written, day, reading);
        expected += QJsonDocument(DayJson(day, reading, lunetide::Hemisphere::South))
                        .toJson(QJsonDocument::Compact) +
                    '\n';
    }
    QCOMPARE(written.size(), expected.size());
    QVERIFY(written == expected); // QCOMPARE would print megabytes
}

QTEST_GUILESS_MAIN(DayJsonLinesTest)
#include "test_day_json_lines.moc"
