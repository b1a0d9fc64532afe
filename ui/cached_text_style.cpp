#include "ui/cached_text_style.h"

#include "ui/raster_target.h"

#include <QApplication>
#include <QCache>
#include <QPainter>
#include <QStyleFactory>

#include <algorithm>
#include <cstring>
#include <utility>

namespace lunetide::ui {
namespace {

// What decides the pixels of a drawn text. Blending a picture over its background can round a
// channel differently from blending the glyphs themselves over some backgrounds, so a picture is
// checked in the place it was drawn and kept for that place only: the same widget and position.
// (A widget made later at a deleted one's address and place, with the same text, font and colour,
// is the same kind of widget in this program, on the same background.)
struct TextKey {
    const QPaintDevice* device;
    QPoint place;
    QString text;
    int flags;
    QSize size;
    QFont font;
    QRgb colour;
    bool enabled;
    QRgb light; // some styles emboss disabled text in the palette's light colour
    QPainter::RenderHints hints;
    Qt::LayoutDirection direction;
    int dpiX;
    int dpiY;

    bool operator==(const TextKey& other) const
    {
        return device == other.device && place == other.place && text == other.text &&
               flags == other.flags && size == other.size && colour == other.colour &&
               enabled == other.enabled && light == other.light && hints == other.hints &&
               direction == other.direction && dpiX == other.dpiX && dpiY == other.dpiY &&
               font == other.font;
    }
};

size_t qHash(const TextKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.device, key.place.x(), key.place.y(), key.text, key.flags,
                      key.size.width(), key.size.height(), key.colour);
}

// A kept text: its inked pixels and where they lie from its box's top-left corner. Where blending
// the inked pixels rounds differently from blending the glyphs, the text is kept instead as the
// pixels it left in its place, with the pixels that lay there before: drawn only over those same
// pixels, it gives exactly what drawing the text did.
struct TextPicture {
    QImage image;
    QPoint offset;
    QImage background; // null for inked pixels only
};

// The pictures kept, by bytes, and how many texts seen once are remembered. Texts seen once are
// remembered apart, so that a clock's ever new texts never push out a kept picture.
constexpr qsizetype kPictureBytes = 4 * 1024 * 1024;
constexpr qsizetype kSeenTexts = 512;
// A text whose picture twice failed to match its direct drawing is always drawn directly; after
// this many failures in a row (sub-pixel text, gamma-corrected blending) no more are tried.
constexpr int kMaxFailedChecks = 2;
constexpr int kMaxFailuresInARow = 8;
// Glyphs may ink a little outside the text's box (side bearings, accents); the picture takes in
// this much around the box.
constexpr int kMargin = 6;

// Whether a picture can give the same pixels as the text drawn by this painter: an unscaled
// whole-pixel offset, full opacity, the usual composition, and a raster image underneath to check
// against.
bool PictureApplies(const QPainter* painter)
{
    return RasterTarget(*painter) && painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver &&
           painter->backgroundMode() == Qt::TransparentMode;
}

// The box of the pixels with any ink, or an empty rectangle.
QRect InkedBox(const QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Puts `pixels`, taken from `target` by QImage::copy, back at `topLeft`. The target may have a
// painter open on it, so the bytes are copied rather than painted.
void CopyInto(QImage* target, QPoint topLeft, const QImage& pixels)
{
    const qsizetype bytes = qsizetype(pixels.width()) * pixels.depth() / 8;
    for (int y = 0; y < pixels.height(); ++y) {
        std::memcpy(target->scanLine(topLeft.y() + y) +
                        qsizetype(topLeft.x()) * target->depth() / 8,
                    pixels.constScanLine(y), size_t(bytes));
    }
}

QImage TransparentImage(QSize size, int dpiX, int dpiY)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    return image;
}

} // namespace

struct CachedTextStyle::Cache {
    QCache<TextKey, TextPicture> pictures{kPictureBytes};
    QCache<TextKey, int> seen{kSeenTexts}; // texts drawn once, with their failed checks
    int kept = 0;
    qint64 drawn = 0;
    qint64 drawnDirectly = 0;
    int failuresInARow = 0;

    void Failed(int* failedChecks)
    {
        ++*failedChecks;
        ++failuresInARow;
    }
};

CachedTextStyle::CachedTextStyle(QStyle* base)
    : QProxyStyle(base), cache_(std::make_unique<Cache>())
{}

CachedTextStyle::~CachedTextStyle() = default;

int CachedTextStyle::keptPictures() const
{
    return cache_->kept;
}

qint64 CachedTextStyle::drawnFromPicture() const
{
    return cache_->drawn;
}

qint64 CachedTextStyle::drawnDirectly() const
{
    return cache_->drawnDirectly;
}

void CachedTextStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                   const QPalette& palette, bool enabled, const QString& text,
                                   QPalette::ColorRole textRole) const
{
    const auto drawDirectly = [&] {
        ++cache_->drawnDirectly;
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    };
    const QBrush brush =
        textRole == QPalette::NoRole ? painter->pen().brush() : palette.brush(textRole);
    if (text.isEmpty() || rect.isEmpty() || brush.style() != Qt::SolidPattern ||
        cache_->failuresInARow >= kMaxFailuresInARow || !PictureApplies(painter)) {
        drawDirectly();
        return;
    }

    const QPaintDevice* device = painter->device();
    TextKey key{device,
                painter->deviceTransform().map(rect.topLeft()),
                text,
                flags,
                rect.size(),
                painter->font(),
                brush.color().rgba(),
                enabled,
                enabled ? QRgb(0) : palette.color(QPalette::Light).rgba(),
                painter->renderHints(),
                painter->layoutDirection(),
                device->logicalDpiX(),
                device->logicalDpiY()};
    QImage* target = RasterTarget(*painter);
    if (const TextPicture* kept = cache_->pictures.object(key)) {
        if (!kept->background.isNull()) {
            const QRect around(key.place + kept->offset, kept->image.size());
            if (!target->rect().contains(around) || target->copy(around) != kept->background) {
                drawDirectly();
                return;
            }
        }
        if (!kept->image.isNull())
            painter->drawImage(rect.topLeft() + kept->offset, kept->image);
        ++cache_->drawn;
        return;
    }
    int* failedChecks = cache_->seen.object(key);
    if (!failedChecks) {
        cache_->seen.insert(key, new int(0));
        drawDirectly();
        return;
    }
    if (*failedChecks >= kMaxFailedChecks) {
        drawDirectly();
        return;
    }

    // The second drawing: the text is drawn directly, and its picture kept only if drawing the
    // picture in its place, through the same painter, gives exactly the same pixels.
    const QRect box = rect.translated(-rect.topLeft()).adjusted(kMargin, kMargin, kMargin, kMargin);
    QImage picture = TransparentImage(rect.size().grownBy({kMargin, kMargin, kMargin, kMargin}),
                                      key.dpiX, key.dpiY);
    if (picture.logicalDpiX() != key.dpiX || picture.logicalDpiY() != key.dpiY) {
        *failedChecks = kMaxFailedChecks;
        drawDirectly();
        return;
    }
    {
        QPainter picturePainter(&picture);
        picturePainter.setRenderHints(painter->renderHints());
        picturePainter.setFont(painter->font());
        picturePainter.setPen(painter->pen());
        picturePainter.setLayoutDirection(painter->layoutDirection());
        QProxyStyle::drawItemText(&picturePainter, box, flags, palette, enabled, text, textRole);
    }
    const QRect inked = InkedBox(picture);
    // Ink that reaches the picture's edge may run on beyond it.
    const bool whole = inked.isEmpty() || picture.rect().adjusted(1, 1, -1, -1).contains(inked);
    const QImage inkedPicture = inked.isEmpty() ? QImage() : picture.copy(inked);
    const QPoint offset = inked.topLeft() - box.topLeft();

    const QRect around = painter->deviceTransform()
                             .mapRect(rect.adjusted(-kMargin, -kMargin, kMargin, kMargin))
                             .intersected(target->rect());
    const QImage before = target->copy(around);
    drawDirectly();
    // Bytes are put back only into an image the painter owns alone, of whole bytes per pixel.
    if (!whole || around.isEmpty() || !target->isDetached() || target->depth() % 8 != 0) {
        cache_->Failed(failedChecks);
        return;
    }
    const QImage drawn = target->copy(around);
    CopyInto(target, around.topLeft(), before);
    if (!inkedPicture.isNull())
        painter->drawImage(rect.topLeft() + offset, inkedPicture);
    TextPicture kept{inkedPicture, offset, QImage()};
    if (target->copy(around) != drawn) {
        // The pixels as drawn, put back through the painter over the same background: where the
        // window is opaque, drawing them copies them.
        CopyInto(target, around.topLeft(), before);
        const QPoint aroundOffset = around.topLeft() - key.place;
        painter->drawImage(rect.topLeft() + aroundOffset, drawn);
        if (target->copy(around) != drawn) {
            CopyInto(target, around.topLeft(), drawn);
            cache_->Failed(failedChecks);
            return;
        }
        kept = TextPicture{drawn, aroundOffset, before};
    }
    cache_->failuresInARow = 0;

    cache_->seen.remove(key);
    const qsizetype bytes =
        std::max<qsizetype>(1, kept.image.sizeInBytes() + kept.background.sizeInBytes());
    if (cache_->pictures.insert(key, new TextPicture(std::move(kept)), bytes))
        ++cache_->kept;
}

void InstallCachedTextStyle()
{
    if (dynamic_cast<CachedTextStyle*>(QApplication::style()))
        return;
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new CachedTextStyle(base));
}

} // namespace lunetide::ui
