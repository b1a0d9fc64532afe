#include "ui/look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

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
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), text);
    if (background.isValid()) {
        palette.setColor(widget->backgroundRole(), background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
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
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace lunetide::ui
