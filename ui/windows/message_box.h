#pragma once

#include <QString>

class QWidget;

// Message boxes with the application's title as caption.

namespace lunetide::ui {

// OK only, information icon.
void ShowInformation(QWidget* parent, const QString& text);

// OK only, critical icon.
void ShowCritical(QWidget* parent, const QString& text);

// Yes and No, information icon; true when the answer is Yes.
bool AskYesNo(QWidget* parent, const QString& text);

// The update reminder's question, put with AskYesNo; true when the answer is Yes.
bool AskToLookForUpdate(QWidget* parent);

} // namespace lunetide::ui
