#include "ui/look/look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <memory>

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

const QPalette& HousePalette()
{
    static const QPalette house = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette(Qt::black, QColor(0xEF, 0xEF, 0xEF));
    }();
    return house;
}


namespace {

// A style sheet gives each widget it polishes the desktop's palette with the sheet's colours over
// it: every colour the sheet left as the desktop's becomes the house's.
void KeepStyleSheetColoursOnly(QWidget* widget)
{
    widget->ensurePolished();
    const QPalette desktop = QGuiApplication::palette();
    const QPalette polished = widget->palette();
    QPalette palette = HousePalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (polished.brush(g, r) != desktop.brush(g, r))
                palette.setBrush(g, r, polished.brush(g, r));
        }
    }
    widget->setPalette(palette);
}

} // namespace

void UseHouseLook(QWidget* window)
{
    static QStyle* const fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    window->setPalette(HousePalette());
    if (fusion)
        window->setStyle(fusion);
    const bool styleSheet = !window->styleSheet().isEmpty();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (fusion)
            widget->setStyle(fusion);
        if (styleSheet)
            KeepStyleSheetColoursOnly(widget);
    }
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
