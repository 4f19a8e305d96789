#pragma once

#include "LineChartGeometry.h"

#include <QPointF>
#include <QVector>

namespace MOXQtLib {

class SeriesExtentIndex;

// Reduces a dense straight series to what a raster sees: per device pixel column the first,
// lowest, highest and last finite point, in index order, each at its own position. Stroking or
// filling the reduced points paints the same picture as all of them, up to the antialiased
// edges of the stroke, at a cost bounded by the plot width instead of the point count.
namespace LineColumnReducer {

// True when values first..last of the mapper hold more points than the reduction keeps.
bool worthReducing(const LineChartGeometry::PointMapper& map, double devicePixelRatio);

// Appends the reduced points of values[from..to] to `out`. `index` (may be null) speeds up
// the column extents of a fully drawn frame.
void reduce(const QVector<double>& values, int from, int to,
            const LineChartGeometry::PointMapper& map, double devicePixelRatio,
            const SeriesExtentIndex* index, QVector<QPointF>& out);

} // namespace LineColumnReducer

} // namespace MOXQtLib
