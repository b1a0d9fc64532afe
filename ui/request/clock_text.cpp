#include "ui/request/clock_text.h"

namespace lunetide::ui {
namespace {

// A format string split into runs of one pattern letter, quoted literal text and other literals,
// so that fields can be changed without touching quoted text.
struct Token {
    QString text;
    bool field = false;
};

QList<Token> Tokenize(const QString& format)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype end = i + 1;
        if (c == u'\'') {
            while (end < format.size() && format[end] != u'\'')
                ++end;
            end = qMin(end + 1, format.size());
            tokens.append({format.mid(i, end - i), false});
        } else if (c.isLetter()) {
            while (end < format.size() && format[end] == c)
                ++end;
            tokens.append({format.mid(i, end - i), true});
        } else {
            tokens.append({QString(c), false});
        }
        i = end;
    }
    return tokens;
}

QString Join(const QList<Token>& tokens)
{
    QString joined;
    for (const Token& token : tokens)
        joined += token.text;
    return joined;
}

} // namespace

QString TimeFormatWithoutZone(const QLocale& locale)
{
    QList<Token> tokens = Tokenize(locale.timeFormat(QLocale::LongFormat));
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].field || !tokens[i].text.startsWith(u't'))
            continue;
        qsizetype first = i;
        qsizetype last = i;
        // Brackets directly around the zone go with it.
        if (first > 0 && last + 1 < tokens.size() && tokens[first - 1].text == u"(" &&
            tokens[last + 1].text == u")") {
            --first;
            ++last;
        }
        // So does one blank beside it: the one before, or else the one after.
        if (first > 0 && tokens[first - 1].text.trimmed().isEmpty())
            --first;
        else if (last + 1 < tokens.size() && tokens[last + 1].text.trimmed().isEmpty())
            ++last;
        tokens.remove(first, last - first + 1);
        i = first - 1;
    }
    return Join(tokens).trimmed();
}

QString DateFormatWithFullYear(const QLocale& locale)
{
    QList<Token> tokens = Tokenize(locale.dateFormat(QLocale::ShortFormat));
    bool hasFullYear = false;
    for (const Token& token : tokens)
        hasFullYear = hasFullYear || (token.field && token.text == u"yyyy");
    if (!hasFullYear) {
        for (Token& token : tokens) {
            if (token.field && token.text == u"yy")
                token.text = QStringLiteral("yyyy");
        }
    }
    return Join(tokens);
}

QString ClockText(const QDateTime& moment, const QLocale& locale)
{
    return locale.toString(moment.time(), TimeFormatWithoutZone(locale)) + QStringLiteral(" ; ") +
           locale.toString(moment.date(), DateFormatWithFullYear(locale));
}

QString ClockTextNow()
{
    return ClockText(QDateTime::currentDateTime(), QLocale());
}

} // namespace lunetide::ui
