#pragma once

class QLabel;

// Fitting labels to their texts, so that no text is ever clipped whatever font stands in for the
// one the form asks for.

namespace lunetide::ui {

// A label that sizes itself: it takes the size of its text and keeps its top edge and, when its
// text is centred, its horizontal centre, otherwise its left edge.
void SizeToText(QLabel* label);

// A label that must never clip its text but keeps the place the form gives it when the text is
// shorter: it grows to its text, keeping its top and its left edge or centre.
void GrowToText(QLabel* label);

// A word-wrapped label keeps its width and breaks its text into lines; when the lines need more
// height than the form gives, it grows downwards.
void GrowToWrappedText(QLabel* label);

// A label that sizes itself inside a frame must not run past the frame's edge, where it would be
// clipped: its font is narrowed step by step until it fits, and only if that is not enough does
// the label move left.
void KeepWithinParent(QLabel* label);

} // namespace lunetide::ui
