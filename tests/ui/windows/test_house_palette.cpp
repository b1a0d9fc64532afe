// Under a dark desktop style every text of the house windows, as drawn, keeps a contrast of at
// least 4.5 to 1 against what it is drawn on.
#include "ui/windows/about_box.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/display_window.h"
#include "ui/windows/exit_screen.h"
#include "ui/windows/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

class HousePaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void textsStandOut_data();
    void textsStandOut();
};

namespace {

double Luminance(QRgb colour)
{
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

// The contrast of a text as drawn, from the luminance of its place's pixels inside its edge: the
// ground is the median, as a text covers less than half of its place; the ink is the pixel
// farthest from the ground but three (a glyph's core, not a stray pixel).
double ContrastSeen(const QImage& place)
{
    std::vector<double> lights;
    for (int y = 2; y < place.height() - 2; ++y)
        for (int x = 2; x < place.width() - 2; ++x)
            lights.push_back(Luminance(place.pixel(x, y)));
    if (lights.size() < 8)
        return 1;
    std::sort(lights.begin(), lights.end());
    const double ground = lights[lights.size() / 2];
    const double darkest = lights[3];
    const double lightest = lights[lights.size() - 4];
    return std::max((ground + 0.05) / (darkest + 0.05), (lightest + 0.05) / (ground + 0.05));
}

} // namespace

void HousePaletteTest::initTestCase()
{
    // A dark desktop: GNOME's dark style where it is installed, which draws with colours of its
    // own, else a dark scheme of light text on dark grounds.
    if (QStyle* dark = QStyleFactory::create("Adwaita-Dark")) {
        QApplication::setStyle(dark);
        QApplication::setPalette(dark->standardPalette());
        return;
    }
    QPalette dark = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x39, 0x39, 0x39));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
    QApplication::setPalette(dark);
}

void HousePaletteTest::textsStandOut_data()
{
    QTest::addColumn<std::function<QWidget*()>>("make");
    QTest::newRow("main window") << std::function<QWidget*()>([] { return new frmMain; });
    QTest::newRow("display window") << std::function<QWidget*()>([] { return new frmDisplay; });
    QTest::newRow("exit screen") << std::function<QWidget*()>([] { return new frmExitScreen; });
    QTest::newRow("about box") << std::function<QWidget*()>([] { return new frmAbout; });
    QTest::newRow("calendar") << std::function<QWidget*()>([] { return new frmCalendar; });
}

void HousePaletteTest::textsStandOut()
{
    QFETCH(std::function<QWidget*()>, make);
    const std::unique_ptr<QWidget> window(make());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shown.devicePixelRatio();
    int checked = 0;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        // Only what shows: a frame brought to the front covers the labels of the others.
        const QPoint middle = widget->mapTo(window.get(), widget->rect().center());
        const QWidget* seen = window->childAt(middle);
        if (text.trimmed().isEmpty() || !widget->isVisibleTo(window.get()) ||
            (seen != widget && !widget->isAncestorOf(seen)))
            continue;
        const QRect place(widget->mapTo(window.get(), QPoint(0, 0)) * ratio,
                          widget->size() * ratio);
        const double contrast = ContrastSeen(shown.copy(place));
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1 \"%2\": %3:1")
                                                 .arg(widget->objectName(), text.left(30))
                                                 .arg(contrast, 0, 'f', 2)));
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_MAIN(HousePaletteTest)
#include "test_house_palette.moc"
