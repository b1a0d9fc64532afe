#include "core/correspondence.h"
#include "core/reading.h"

#include <QFile>
#include <QTest>

#include <string>

using namespace lunetide;

namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Every text of both copies, labelled, so that the copies can be compared entry by entry.
QList<std::pair<QString, QString>> AllTexts(TextCopy copy)
{
    QList<std::pair<QString, QString>> texts;
    for (int p = 0; p < 5; ++p) {
        const PhaseTexts t = PhaseTextsOf(static_cast<MoonPhaseKind>(p), copy);
        texts.append({Q(t.name) + " name", Q(t.name)});
        texts.append({Q(t.name) + " text", Q(t.text)});
    }
    for (int s = 0; s < kSunSignCount; ++s) {
        const auto sign = static_cast<SunSign>(s);
        const SignTexts t = SignTextsOf(sign, copy);
        texts.append({Q(SignName(sign)) + " title", Q(t.title)});
        texts.append({Q(SignName(sign)) + " keyword", Q(t.keyword)});
        texts.append({Q(SignName(sign)) + " text", Q(t.text)});
    }
    for (int e = 0; e < 4; ++e) {
        const ElementTexts t = ElementTextsOf(static_cast<Element>(e), copy);
        texts.append({Q(t.name) + " name", Q(t.name)});
        texts.append({Q(t.name) + " text", Q(t.text)});
    }
    return texts;
}

} // namespace

class CorrespondenceTest : public QObject {
    Q_OBJECT

private slots:
    void copiesDifferInExactlyThreeTexts();
    void trailingBlanksAreKept();
    void titlesAreMoonInAndTheSign();
    void readingOfADate();
    void everyDayOfTheYearHasAFullReading();
};

void CorrespondenceTest::copiesDifferInExactlyThreeTexts()
{
    const auto display = AllTexts(TextCopy::Display);
    const auto today = AllTexts(TextCopy::Today);
    QCOMPARE(display.size(), today.size());
    QStringList differing;
    for (qsizetype i = 0; i < display.size(); ++i) {
        QCOMPARE(display[i].first, today[i].first);
        if (display[i].second != today[i].second)
            differing << display[i].first;
    }
    QCOMPARE(differing, QStringList({"Aries text", "Scorpio text", "Air text"}));

    const QString ariesToday = Q(SignTextsOf(SunSign::Aries, TextCopy::Today).text);
    QVERIFY(ariesToday.endsWith("have patience"));
    QCOMPARE(Q(SignTextsOf(SunSign::Aries, TextCopy::Display).text), ariesToday + ". ");
    const QString scorpioDisplay = Q(SignTextsOf(SunSign::Scorpio, TextCopy::Display).text);
    QVERIFY(scorpioDisplay.endsWith("overcome you."));
    QCOMPARE(Q(SignTextsOf(SunSign::Scorpio, TextCopy::Today).text), scorpioDisplay + " ");
    const QString airToday = Q(ElementTextsOf(Element::Air, TextCopy::Today).text);
    QVERIFY(airToday.endsWith("personal development"));
    QCOMPARE(Q(ElementTextsOf(Element::Air, TextCopy::Display).text), airToday + ".");
}

void CorrespondenceTest::trailingBlanksAreKept()
{
    for (TextCopy copy : {TextCopy::Display, TextCopy::Today}) {
        QStringList keywordsWithBlank;
        for (int s = 0; s < kSunSignCount; ++s) {
            const auto sign = static_cast<SunSign>(s);
            if (SignTextsOf(sign, copy).keyword.ends_with(' '))
                keywordsWithBlank << Q(SignName(sign));
        }
        QCOMPARE(keywordsWithBlank,
                 QStringList({"Taurus", "Gemini", "Cancer", "Libra", "Scorpio"}));
        QVERIFY(PhaseTextsOf(MoonPhaseKind::FullMoon, copy).text.ends_with("too. "));
        QVERIFY(ElementTextsOf(Element::Earth, copy).text.ends_with("finance. "));
    }
    QCOMPARE(Q(SignTextsOf(SunSign::Gemini, TextCopy::Display).keyword), "Inquisitiveness ");
    QCOMPARE(Q(SignTextsOf(SunSign::Sagittarius, TextCopy::Display).keyword), "Posetive");
}

void CorrespondenceTest::titlesAreMoonInAndTheSign()
{
    for (int s = 0; s < kSunSignCount; ++s) {
        const auto sign = static_cast<SunSign>(s);
        QCOMPARE(Q(SignTextsOf(sign, TextCopy::Today).title), "Moon In " + Q(SignName(sign)));
    }
}

void CorrespondenceTest::readingOfADate()
{
    const Reading reading = *ReadingOf(2007, 12, 23, TextCopy::Display);
    QCOMPARE(reading.moon->age, 14);
    QCOMPARE(reading.moon->picture, 15);
    QCOMPARE(Q(reading.phaseTexts.name), "Full Moon");
    QCOMPARE(reading.sign, SunSign::Capricorn);
    QCOMPARE(Q(reading.signTexts.title), "Moon In Capricorn");
    QCOMPARE(Q(reading.signTexts.keyword), "Motivated");
    QCOMPARE(Q(reading.elementTexts.name), "Earth");

    const Reading aries = *ReadingOf(2026, 4, 1, TextCopy::Today);
    QCOMPARE(aries.sign, SunSign::Aries);
    QVERIFY(!aries.signTexts.text.ends_with('.'));
    QCOMPARE(ReadingOf(2026, 4, 32, TextCopy::Today), std::nullopt);
    QCOMPARE(ReadingOf(2026, 13, 1, TextCopy::Today), std::nullopt);

    // A year the moon's age cannot be reckoned for still has its sign and element.
    const Reading farOff = *ReadingOf(10000, 3, 21, TextCopy::Today);
    QVERIFY(!farOff.moon);
    QVERIFY(farOff.phaseTexts.name.empty());
    QCOMPARE(Q(farOff.elementTexts.name), "Fire");
}

void CorrespondenceTest::everyDayOfTheYearHasAFullReading()
{
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const Reading r = *ReadingOf(2024, month, day, TextCopy::Display);
            QCOMPARE(r.moon->picture, r.moon->age + 1);
            QCOMPARE(r.element, ElementOf(r.sign));
            QVERIFY(!r.phaseTexts.text.empty() && !r.signTexts.text.empty() &&
                    !r.elementTexts.text.empty());
        }
    }
}

QTEST_APPLESS_MAIN(CorrespondenceTest)
#include "test_correspondence.moc"
