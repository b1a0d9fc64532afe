#pragma once

#include <QProxyStyle>

#include <memory>

namespace lunetide::ui {

// The application's style with one change: a text drawn again in the same place, font, colour,
// box and alignment is not laid out and shaped again. Every label, button and menu title goes
// through QStyle::drawItemText, and Qt lays out the whole text anew at every paint, which is most
// of the cost of showing a window. At a text's second drawing, a picture of it is made and drawn
// in its place through the same painter; only if that gives exactly the pixels the text gave is
// the picture kept and drawn from then on.
//
// Pictures are tried only where they can match: at a whole-pixel offset, unscaled, opaque, with
// the usual composition, on a raster image. Where blending the text's inked pixels rounds a channel
// differently from blending its glyphs, the text is kept as the pixels it left in its place, and
// drawn from them only over the very pixels it was first drawn over. A text that cannot be kept
// either way is drawn directly, as is every text once several in a row have failed (sub-pixel
// text). Pictures take at most a few MiB, the least used dropped first.
class CachedTextStyle : public QProxyStyle {
public:
    // Wraps `base`, taking ownership of it.
    explicit CachedTextStyle(QStyle* base);
    ~CachedTextStyle() override;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

    // The pictures kept, and how many texts were drawn from one or directly: for tests and the
    // benchmark.
    int keptPictures() const;
    qint64 drawnFromPicture() const;
    qint64 drawnDirectly() const;

private:
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

// Makes the application's style a CachedTextStyle over the style it has now (the platform's, or
// the one chosen with -style). Call once, after QApplication exists and before the first window is
// built; calling again does nothing.
void InstallCachedTextStyle();

} // namespace lunetide::ui
