#pragma once

#include <QColor>
#include <QPointF>
#include <QVector>

class QImage;
class QPainter;
class QTransform;

namespace MOXQtLib {

// Draws a straight series (a polyline with x ascending, an optional area under it) directly
// into a raster image, pixel column by pixel column: in each column the stroke covers the
// union of the vertical sections of its round-capped segments, and the area the part below the
// line. Coverage is exact vertically and sampled eight times across each column, so the result
// matches an antialiased QPainter stroke of the same polyline (round caps and joins) while the
// cost follows the number of columns, not the length or the jaggedness of the path.
namespace LineSpanRaster {

struct Style
{
    QColor line;
    double width = 2.0;
    QColor area; // invalid: no area
    double areaBottom = 0.0;
};

// The image `painter` draws on when spans can go straight into it: a detached 32-bit
// premultiplied (or opaque) raster image, antialiased, source-over at full opacity, without
// clipping, rotation or mirroring. Null otherwise; callers then stroke paths.
QImage* target(const QPainter& painter);

// Draws `points` (in the painter's logical coordinates, mapped by `toDevice`) onto `image`.
// False, and nothing drawn, when x descends somewhere.
bool paint(QImage& image, const QTransform& toDevice, const QVector<QPointF>& points,
           const Style& style);

} // namespace LineSpanRaster

} // namespace MOXQtLib
