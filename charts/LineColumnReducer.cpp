#include "LineColumnReducer.h"

#include "SeriesExtentIndex.h"

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace LineColumnReducer {

namespace {

double columnCount(const LineChartGeometry::PointMapper& map, double dpr)
{
    return std::max(map.plot.width() * dpr, 1.0);
}

} // namespace

bool worthReducing(const LineChartGeometry::PointMapper& map, double devicePixelRatio)
{
    return map.last - map.first + 1 > columnCount(map, devicePixelRatio);
}

void reduce(const QVector<double>& values, int from, int to,
            const LineChartGeometry::PointMapper& map, double devicePixelRatio,
            const SeriesExtentIndex* index, QVector<QPointF>& out)
{
    from = std::max(from, 0);
    to = std::min(to, int(values.size()) - 1);
    if (from > to) return;
    const int count = values.size();
    const double* data = values.constData();
    // Indexes per column; columns are counted from the first visible index.
    const double step = std::max(map.last - map.first, 1) / columnCount(map, devicePixelRatio);
    const bool animated = map.progress < 1.0;
    const bool useIndex = !animated && index && index->matches(values);
    out.reserve(out.size() + int(std::min<double>(to - from + 1, 4 * (to - from + 1) / step + 8)));

    int i = from;
    while (i <= to) {
        const double column = std::floor((i - map.first) / step);
        int end = map.first + int(std::ceil((column + 1) * step)) - 1;
        end = std::clamp(end, i, to);

        int firstIdx = -1, lastIdx = -1, minIdx = -1, maxIdx = -1;
        double minV = 0, maxV = 0;
        if (useIndex) {
            const SeriesExtentIndex::Extent e = index->extent(values, i, end);
            if (e.isValid()) {
                minIdx = e.minIndex;
                maxIdx = e.maxIndex;
                firstIdx = i;
                while (!std::isfinite(data[firstIdx]))
                    ++firstIdx;
                lastIdx = end;
                while (!std::isfinite(data[lastIdx]))
                    --lastIdx;
            }
        } else {
            for (int k = i; k <= end; ++k) {
                const double raw = data[k];
                if (!std::isfinite(raw)) continue;
                const double v = animated ? map.animatedValue(raw, k, count) : raw;
                if (firstIdx < 0) {
                    firstIdx = minIdx = maxIdx = k;
                    minV = maxV = v;
                } else if (v < minV) {
                    minV = v;
                    minIdx = k;
                } else if (v > maxV) {
                    maxV = v;
                    maxIdx = k;
                }
                lastIdx = k;
            }
        }
        if (firstIdx >= 0) {
            int picks[4] = {firstIdx, minIdx, maxIdx, lastIdx};
            std::sort(picks, picks + 4);
            int previous = -1;
            for (int p : picks) {
                if (p == previous) continue;
                previous = p;
                out.append(map.point(p, data[p], count));
            }
        }
        i = end + 1;
    }
}

} // namespace LineColumnReducer

} // namespace MOXQtLib
