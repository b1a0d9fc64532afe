#pragma once

class QLabel;

// Fitting labels to their texts, so that no text is ever clipped whatever font stands in for the
// one the form asks for.

namespace lunetide::ui {

// A label that sizes itself: it takes the size of its current text on one line and keeps its left
// and top edges where the form placed them, however often its text is written (a clock). Inside a
// frame it must not run past the frame's right edge, where it would be clipped: its font is then
// narrowed step by step until it fits, and only if that is not enough does the label move left.
void SizeToText(QLabel* label);

// A label that must never clip its text but keeps the place the form gives it when the text is
// shorter: it grows to its text, keeping its top and its left edge or centre.
void GrowToText(QLabel* label);

// A word-wrapped label keeps its width and breaks its text into lines; when the lines need more
// height than the form gives, it grows downwards.
void GrowToWrappedText(QLabel* label);

} // namespace lunetide::ui
