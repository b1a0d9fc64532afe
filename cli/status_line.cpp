#include "cli/status_line.h"

#include "core/correspondence.h"

#include <cmath>

namespace lunetide::cli {
namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

constexpr const char* kFields[] = {"symbol",  "phase",        "age",      "sign",     "element",
                                   "keyword", "illumination", "moonSign", "nextFull", "daysToFull"};

QString SymbolOf(const MoonGlance& glance, MoonMarks marks)
{
    return Q(MoonSymbol(SeenFrom(glance.moon.shape, glance.hemisphere), marks));
}

int LitPercent(const MoonGlance& glance)
{
    return int(std::lround(glance.sky.illumination.fraction * 100));
}

// The value of a known field. A glance always has its next full moon (a lunation is shorter than
// the phases it searches); were it missing, the two fields that need it say "none".
QString FieldValue(const QString& field, const MoonGlance& glance, MoonMarks marks)
{
    if (field == QLatin1String("symbol"))
        return SymbolOf(glance, marks);
    if (field == QLatin1String("phase"))
        return Q(PhaseName(glance.moon.phase));
    if (field == QLatin1String("age"))
        return QString::number(glance.moon.age);
    if (field == QLatin1String("sign"))
        return Q(SignName(glance.sign));
    if (field == QLatin1String("element"))
        return Q(ElementTextsOf(glance.element, TextCopy::Display).name).trimmed();
    if (field == QLatin1String("keyword"))
        return glance.keyword;
    if (field == QLatin1String("illumination"))
        return QString::number(LitPercent(glance));
    if (field == QLatin1String("moonSign"))
        return Q(SignName(glance.sky.moonSign));
    if (!glance.nextFullMoon.isValid())
        return QStringLiteral("none");
    if (field == QLatin1String("nextFull"))
        return glance.nextFullMoon.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return QString::number(glance.daysToFullMoon);
}

bool IsField(const QString& name)
{
    for (const char* field : kFields)
        if (name == QLatin1String(field))
            return true;
    return false;
}

// Reads the template once, left to right, appending the filled text to `out` when a glance is
// given; returns why it stops early, or nothing.
QString Fill(const QString& text, const MoonGlance* glance, MoonMarks marks, QString* out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool brace = c == u'{' || c == u'}';
        const bool doubled = brace && i + 1 < text.size() && text.at(i + 1) == c;
        if (c == u'}' && !doubled)
            return QStringLiteral("lone '}' in --format '%1': write }} for a brace").arg(text);
        if (c == u'{' && !doubled) {
            const qsizetype end = text.indexOf(u'}', i + 1);
            const QString name = text.mid(i + 1, end - i - 1);
            if (end < 0 || name.contains(u'{'))
                return QStringLiteral("lone '{' in --format '%1': write {{ for a brace").arg(text);
            if (!IsField(name))
                return QStringLiteral("unknown field {%1} in --format: give %2")
                    .arg(name, TemplateFieldList());
            if (glance)
                out->append(FieldValue(name, *glance, marks));
            i = end;
            continue;
        }
        if (glance)
            out->append(c);
        i += qsizetype(doubled); // {{ and }} stand for one brace
    }
    return {};
}

} // namespace

QString TemplateFieldList()
{
    QStringList fields;
    for (const char* field : kFields)
        fields << QStringLiteral("{%1}").arg(QLatin1String(field));
    const QString last = fields.takeLast();
    return fields.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString TemplateProblem(const QString& lineTemplate)
{
    return Fill(lineTemplate, nullptr, MoonMarks::Emoji, nullptr);
}

QString FilledTemplate(const QString& lineTemplate, const MoonGlance& glance, MoonMarks marks)
{
    QString filled;
    Fill(lineTemplate, &glance, marks, &filled);
    return filled;
}

QJsonObject WaybarJson(const MoonGlance& glance, MoonMarks marks)
{
    const QString phase = Q(PhaseName(glance.moon.phase));
    return {{QStringLiteral("text"), SymbolOf(glance, marks) + u' ' + phase},
            {QStringLiteral("tooltip"), GlanceText(glance)},
            {QStringLiteral("class"), phase.toLower().replace(u' ', u'-')},
            {QStringLiteral("percentage"), LitPercent(glance)}};
}

} // namespace lunetide::cli
