#include "ui/look/look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// The images are compiled into this static library; Q_INIT_RESOURCE cannot be used inside a
// namespace.
static void RegisterLookResources()
{
    Q_INIT_RESOURCE(look);
}

namespace lunetide::ui {
namespace {

QString NearestSansSerif()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans")}) {
        if (installed.contains(family))
            return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

void InstallFontSubstitutes()
{
    static const bool installed = [] {
        const QStringList families = QFontDatabase::families();
        const QString fallback = NearestSansSerif();
        for (const QString& wanted : {kVerdana, kSansSerif}) {
            if (!families.contains(wanted))
                QFont::insertSubstitution(wanted, fallback);
        }
        return true;
    }();
    (void)installed;
}

QFont VerdanaFont(qreal points, Weight weight, Underline underline)
{
    QFont font(kVerdana);
    font.setPointSizeF(points);
    font.setBold(weight == Weight::Bold);
    font.setUnderline(underline == Underline::Yes);
    return font;
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background)
{
    // The roles a style sheet's `color` and `background-color` set.
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role :
         {QPalette::ButtonText, widget->foregroundRole(), QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    QColor placeholder = text;
    placeholder.setAlpha((text.alpha() + 1) / 2);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    if (background.isValid()) {
        for (QPalette::ColorRole role :
             {QPalette::Base, QPalette::Button, widget->backgroundRole(), QPalette::Window})
            palette.setColor(role, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void SetLook(QWidget* widget, const QFont& font, const QColor& text, const QColor& background)
{
    widget->setFont(font);
    SetColours(widget, text, background);
}

void SetFixedWindowFlags(QWidget* window, Qt::WindowFlags extra)
{
    const Qt::WindowType type = window->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | extra);
}

void MakeFixedWindow(QWidget* window)
{
    window->setFixedSize(window->size());
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    // A window larger than the screen keeps its title bar and top-left corner on it.
    frame.moveTopLeft(
        QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
    window->move(frame.topLeft());
}

void InitLookResources()
{
    static const bool registered = [] {
        RegisterLookResources();
        return true;
    }();
    (void)registered;
}

} // namespace lunetide::ui
