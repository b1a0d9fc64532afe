#pragma once

#include "cli/moon_symbol.h"
#include "glance/moon_glance.h"

#include <QJsonObject>
#include <QString>

// Today's moon on one line for a status bar: a template whose fields in braces are filled from the
// glance (--format), or the one JSON object a waybar custom module reads (--waybar).

namespace lunetide::cli {

// The fields a template may hold, in braces: "{symbol}", "{phase}" ... "{daysToFull}".
QString TemplateFieldList();

// Why the template cannot be filled, naming the unknown field or the lone brace; empty when it
// can. "{{" stands for "{" and "}}" for "}".
QString TemplateProblem(const QString& lineTemplate);

// The template with each field replaced by its value for the glance; a template with a problem
// gives its text up to the problem.
QString FilledTemplate(const QString& lineTemplate, const MoonGlance& glance, MoonMarks marks);

// "text" (symbol and phase), "tooltip" (GlanceText), "class" (the phase as "full-moon") and
// "percentage" (the lit part in the sky, a whole number).
QJsonObject WaybarJson(const MoonGlance& glance, MoonMarks marks);

} // namespace lunetide::cli
