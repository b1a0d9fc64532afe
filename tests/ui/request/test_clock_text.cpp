#include "ui/request/clock_text.h"

#include <QTest>

using lunetide::ui::ClockText;
using lunetide::ui::DateFormatWithFullYear;
using lunetide::ui::TimeFormatWithoutZone;

class ClockTextTest : public QObject {
    Q_OBJECT

private slots:
    void clockText_data();
    void clockText();
    void noLocaleKeepsAZoneOrATwoDigitYear();
};

void ClockTextTest::clockText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en_US") << "en_US"
                           << "6:28:03 PM ; 12/6/2026";
    QTest::newRow("en_GB") << "en_GB"
                           << "18:28:03 ; 06/12/2026";
    QTest::newRow("de_DE") << "de_DE"
                           << "18:28:03 ; 06.12.2026";
    // Zone in brackets, zone after quoted text, a zone field that is not at the end of the format.
    QTest::newRow("eu_ES") << "eu_ES"
                           << "18:28:03 ; 2026/12/6";
    QTest::newRow("bg_BG") << "bg_BG"
                           << "18:28:03 ч. ; 6.12.2026 г.";
    QTest::newRow("fr_BE") << "fr_BE"
                           << "18 h 28 min 03 s ; 6/12/2026";
}

void ClockTextTest::clockText()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QDateTime moment(QDate(2026, 12, 6), QTime(18, 28, 3));
    QCOMPARE(ClockText(moment, QLocale(locale)), expected);
}

// Every locale the platform knows: the time format loses its zone field and the brackets or
// blank around it, and the date shows all four digits of the year.
void ClockTextTest::noLocaleKeepsAZoneOrATwoDigitYear()
{
    const QDateTime moment(QDate(2026, 12, 6), QTime(18, 28, 3));
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        const QString time = TimeFormatWithoutZone(locale);
        const QString original = locale.timeFormat(QLocale::LongFormat);
        QVERIFY2(!time.contains(u't') || original.contains(u'\''), qPrintable(locale.name()));
        QVERIFY2(!time.contains(QStringLiteral("()")), qPrintable(locale.name()));
        QVERIFY2(time == time.trimmed(), qPrintable(locale.name()));
        QVERIFY2(!time.contains(QStringLiteral("  ")), qPrintable(locale.name() + ": " + time));

        const QString date = locale.toString(moment.date(), DateFormatWithFullYear(locale));
        const QString year = locale.toString(2026).remove(locale.groupSeparator());
        QVERIFY2(date.contains(year) || date.contains(QStringLiteral("2026")),
                 qPrintable(locale.name() + ": " + date));
    }
}

QTEST_APPLESS_MAIN(ClockTextTest)
#include "test_clock_text.moc"
