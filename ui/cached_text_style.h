#pragma once

#include <QProxyStyle>

#include <memory>

namespace lunetide::ui {

// The application's style with one change: a text drawn a second time in the same font, colour,
// box and alignment is not laid out and shaped again. Every label, button and menu title goes
// through QStyle::drawItemText, and Qt lays out the whole text anew at every paint, which is most
// of the cost of showing a window. From its second drawing on, such a text is kept as a picture of
// exactly the pixels Qt drew, and drawn from that picture.
//
// A kept picture is used only where it gives the same pixels as drawing the text: at a whole-pixel
// offset, unscaled, opaque, with the painter's usual composition. The first time a picture would
// be kept, a sample is drawn both ways; if the two differ in any pixel (sub-pixel text, gamma-
// corrected glyph blending), texts are always drawn directly.
class CachedTextStyle : public QProxyStyle {
public:
    // Wraps `base`, taking ownership of it.
    explicit CachedTextStyle(QStyle* base);
    ~CachedTextStyle() override;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

    // The pictures kept, and how many texts were drawn from one: for tests and the benchmark.
    int keptPictures() const;
    qint64 drawnFromPicture() const;

private:
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

// Makes the application's style a CachedTextStyle over the style it has now (the platform's, or
// the one chosen with -style). Call once, after QApplication exists and before the first window is
// built; calling again does nothing.
void InstallCachedTextStyle();

} // namespace lunetide::ui
