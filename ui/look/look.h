#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "core/version.h"

class QWidget;

// The house look, named once: colours, fonts and the title every message box carries.

namespace lunetide::ui {

inline const QString kAppTitle = QStringLiteral("Lunetide");
inline const QString kWindowCaption = QStringLiteral("Lunetide v") + QLatin1String(kShortVersion);

namespace colour {
inline const QColor Orange{0xFF, 0x80, 0x00};   // strips and headings
inline const QColor Black{0x00, 0x00, 0x00};    // behind the readings
inline const QColor DarkBlue{0x00, 0x00, 0x80}; // behind the exit screen's frames
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Yellow{0xFF, 0xFF, 0x00};   // link text on dark blue
inline const QColor LinkBlue{0x00, 0x00, 0xC0}; // link text on white
inline const QColor Cyan{0x00, 0xFF, 0xFF};
inline const QColor Green{0x00, 0xFF, 0x00};
inline const QColor LightGrey{0xE0, 0xE0, 0xE0};
inline const QColor Grey{0x80, 0x80, 0x80};
} // namespace colour

inline const QString kVerdana = QStringLiteral("Verdana");
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");

// Verdana at a size in points, as a style sheet's `font: [bold] <points>pt "Verdana"` gives it,
// underlined where a style sheet would add `text-decoration: underline`.
enum class Weight { Normal, Bold };
enum class Underline { No, Yes };
QFont VerdanaFont(qreal points, Weight weight, Underline underline = Underline::No);

// Gives a widget the colours a style sheet's `color` and `background-color` give it. A widget
// given a background fills it, and is then opaque to Qt, which skips what lies under it when
// painting.
void SetColours(QWidget* widget, const QColor& text, const QColor& background = QColor());

// Gives a widget its font and colours, as a style sheet's `font`, `color` and `background-color`
// would.
void SetLook(QWidget* widget, const QFont& font, const QColor& text,
             const QColor& background = QColor());

// Where Verdana or MS Sans Serif is not installed, the nearest installed sans-serif stands in for
// it. Call once, before the first window is built; calling again does nothing.
void InstallFontSubstitutes();

// Registers the look's compiled-in images (the lists' drop-down buttons, the stored window icon).
// Calling again is harmless.
void InitLookResources();

// Gives a top-level window (or dialog) a fixed frame with a close button but no minimise or
// maximise button, plus any extra flags. Call it before the form is built: flags set afterwards
// never compare equal (Qt adds the system-menu hint), so the window would be re-created and every
// styled widget polished a second time.
void SetFixedWindowFlags(QWidget* window, Qt::WindowFlags extra = {});

void MakeFixedWindow(QWidget* window);

// Draws a window of the house look, and every widget in it, in the house's light palette and with
// Qt's Fusion style whatever the desktop's style and colour scheme, so that the colours the forms
// set meet the ones they were chosen against: a dark scheme or style would put the house's dark
// blue link and the buttons' black text on a dark ground. Call it once the form is built. Windows
// of their own (the message boxes, the print dialog) keep the desktop's look whole.
void UseHouseLook(QWidget* window);
const QPalette& HousePalette();

// Centres a top-level window on the screen it will appear on, then moves it right and down as far
// as needed to bring its top-left corner onto the screen's available area.
void CentreOnScreen(QWidget* window);

} // namespace lunetide::ui
