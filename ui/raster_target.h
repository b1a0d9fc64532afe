#pragma once

class QImage;
class QPainter;

namespace lunetide::ui {

// The raster image under a painter, when pixels can be copied from it and drawn back through the
// painter exactly: one device pixel per pixel, unscaled, at a whole-pixel offset. Null otherwise
// (a printer, a high-DPI screen, a scaled painter).
QImage* RasterTarget(const QPainter& painter);

} // namespace lunetide::ui
