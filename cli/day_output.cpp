#include "cli/day_output.h"

#include "cli/text_wrap.h"

#include <QJsonDocument>
#include <QLocale>

#include <string_view>

namespace lunetide::cli {
namespace {

// The labels are padded to one width, so that every value and text starts in the same column.
constexpr std::string_view kMoonAge = "  Moon age  ";
constexpr std::string_view kPhase = "  Phase     ";
constexpr std::string_view kSign = "  Sign      ";
constexpr std::string_view kKeyword = "  Keyword   ";
constexpr std::string_view kElement = "  Element   ";
constexpr std::string_view kTextIndent = "            ";

void Append(QByteArray& out, std::string_view text)
{
    out.append(text.data(), qsizetype(text.size()));
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString Name(std::string_view name)
{
    return Q(name).trimmed();
}

void AppendLine(QByteArray& out, std::string_view label, std::string_view value)
{
    Append(out, label);
    Append(out, value);
    out.append('\n');
}

} // namespace

Reading ReadingOfDay(QDate date)
{
    // Every date of the terminal tool has a four-digit year and a sign.
    return *ReadingOf(date.year(), date.month(), date.day(), TextCopy::Display);
}

void AppendDayText(QByteArray& out, QDate date, const Reading& reading, int wrapColumns)
{
    out.append(date.toString(Qt::ISODate).toLatin1());
    out.append(' ');
    out.append(QLocale::c().dayName(date.dayOfWeek()).toLatin1());
    out.append('\n');

    Append(out, kMoonAge);
    out.append(QByteArray::number(reading.moon->age));
    out.append(reading.moon->age == 1 ? " day\n" : " days\n");

    Append(out, kPhase);
    Append(out, reading.phaseTexts.name);
    out.append(" (picture ");
    out.append(QByteArray::number(reading.moon->picture));
    out.append(")\n");
    AppendWrapped(out, kTextIndent, reading.phaseTexts.text, wrapColumns);

    AppendLine(out, kSign, reading.signTexts.title);
    AppendLine(out, kKeyword, reading.signTexts.keyword);
    AppendWrapped(out, kTextIndent, reading.signTexts.text, wrapColumns);

    AppendLine(out, kElement, reading.elementTexts.name);
    AppendWrapped(out, kTextIndent, reading.elementTexts.text, wrapColumns);
}

QJsonObject DayJson(QDate date, const Reading& reading, Hemisphere hemisphere)
{
    return {
        {QStringLiteral("date"), date.toString(Qt::ISODate)},
        {QStringLiteral("moonAge"), reading.moon->age},
        {QStringLiteral("phase"), Name(reading.phaseTexts.name)},
        {QStringLiteral("picture"), reading.moon->picture},
        {QStringLiteral("phaseText"), Q(reading.phaseTexts.text)},
        {QStringLiteral("sign"), Name(SignName(reading.sign))},
        {QStringLiteral("signTitle"), Name(reading.signTexts.title)},
        {QStringLiteral("keyword"), Name(reading.signTexts.keyword)},
        {QStringLiteral("signText"), Q(reading.signTexts.text)},
        {QStringLiteral("element"), Name(reading.elementTexts.name)},
        {QStringLiteral("elementText"), Q(reading.elementTexts.text)},
        {QStringLiteral("hemisphere"),
         hemisphere == Hemisphere::South ? QStringLiteral("south") : QStringLiteral("north")},
    };
}

void DayJsonLines::Append(QByteArray& out, QDate date, const Reading& reading)
{
    // Every date from 1000-01-01 to 9999-12-31 is ten characters long, as is the stand-in.
    static const QDate standIn(1000, 1, 1);
    static const QByteArray standInJson = '"' + standIn.toString(Qt::ISODate).toLatin1() + '"';

    Line& line = lines_[reading.moon->age * kSunSignCount + int(reading.sign)];
    if (line.dateAt < 0) {
        line.json =
            QJsonDocument(DayJson(standIn, reading, hemisphere_)).toJson(QJsonDocument::Compact) +
            '\n';
        line.dateAt = line.json.indexOf(standInJson) + 1; // "date" is the first key
    }
    const qsizetype start = out.size();
    out.append(line.json);
    const QByteArray day = date.toString(Qt::ISODate).toLatin1();
    Q_ASSERT(day.size() == standInJson.size() - 2);
    out.replace(start + line.dateAt, day.size(), day);
}

} // namespace lunetide::cli
