#include "LineSpanRaster.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace MOXQtLib {

namespace LineSpanRaster {

namespace {

constexpr int kSamples = 8; // sample positions across one pixel column
constexpr double kInf = std::numeric_limits<double>::infinity();

// floor(v) and ceil(v) limited to [lo, hi]; plain conversions, no library calls.
inline int floorWithin(double v, int lo, int hi)
{
    if (!(v > lo)) return lo;
    if (v >= hi) return hi;
    const int i = int(v);
    return i - (v < i);
}

inline int ceilWithin(double v, int lo, int hi)
{
    if (!(v > lo)) return lo;
    if (v >= hi) return hi;
    const int i = int(v);
    return i + (v > i);
}

// Each 8-bit channel of `x` times a / 255.
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint32 t = (x & 0xff00ffu) * a;
    t = (t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8;
    t &= 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = x + ((x >> 8) & 0xff00ffu) + 0x800080u;
    x &= 0xff00ff00u;
    return x | t;
}

// Premultiplied `src` at `coverage` (0..1).
inline quint32 scaled(quint32 src, double coverage)
{
    if (!(coverage > 0)) return 0;
    const int c = int(std::min(coverage, 1.0) * 255 + 0.5);
    return c <= 0 ? 0 : c >= 255 ? src : byteMul(src, quint32(c));
}

// Source-over of an already scaled premultiplied colour.
inline void over(quint32* dst, quint32 s)
{
    const quint32 a = s >> 24;
    if (a == 255)
        *dst = s;
    else if (s)
        *dst = s + byteMul(*dst, 255 - a);
}

inline void blend(quint32* dst, quint32 src, double coverage)
{
    over(dst, scaled(src, coverage));
}

// Source-over of one premultiplied colour along a run of pixels.
void overRun(quint32* dst, int count, quint32 s)
{
    const quint32 a = s >> 24;
    if (a == 255) {
        std::fill(dst, dst + count, s);
        return;
    }
    if (!s) return;
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i inverse = _mm_set1_epi16(short(255 - a));
    const __m128i half = _mm_set1_epi16(0x80);
    const __m128i source = _mm_set1_epi32(int(s));
    const auto div255 = [&](__m128i x) {
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), half), 8);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i lo = div255(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), inverse));
        const __m128i hi = div255(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), inverse));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i),
                         _mm_add_epi8(_mm_packus_epi16(lo, hi), source));
    }
#endif
    for (; i < count; ++i)
        dst[i] = s + byteMul(dst[i], 255 - a);
}

// The band of half-width r around segment a-b (flat ends), cut by vertical lines. Its points
// (x, y) satisfy 0 <= (x - a.x) dx + (y - a.y) dy <= len^2 and |(y - a.y) dx - (x - a.x) dy| <=
// r len: at each x two ranges of y whose ends move linearly with x, or, where dx or dy is 0, a
// range of x.
class Band
{
public:
    Band(const QPointF& a, const QPointF& b, double r)
    {
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        const double len2 = dx * dx + dy * dy;
        if (len2 <= 0) return;
        m_empty = false;
        const double rl = r * std::sqrt(len2);
        // Along the segment: (y - a.y) dy between -(x - a.x) dx and len2 - (x - a.x) dx.
        bound(dy, -dx, len2, a, &m_along);
        // Across it: (y - a.y) dx between (x - a.x) dy - rl and (x - a.x) dy + rl.
        boundAcross(dx, dy, rl, a, &m_across);
    }

    // The section at x; false when x misses the band.
    Q_ALWAYS_INLINE bool section(double x, double* lo, double* hi) const
    {
        if (m_empty || x < m_along.xMin || x > m_along.xMax || x < m_across.xMin ||
            x > m_across.xMax)
            return false;
        const double l = std::max(m_along.lo + m_along.slope * x, m_across.lo + m_across.slope * x);
        const double h = std::min(m_along.hi + m_along.slope * x, m_across.hi + m_across.slope * x);
        if (l > h) return false;
        *lo = l;
        *hi = h;
        return true;
    }

private:
    // y from lo + slope x to hi + slope x, for x in [xMin, xMax].
    struct Bound
    {
        double lo = -kInf, hi = kInf, slope = 0, xMin = -kInf, xMax = kInf;
    };

    // (y - a.y) k between m (x - a.x) and m (x - a.x) + span.
    static void bound(double k, double m, double span, const QPointF& a, Bound* out)
    {
        if (k == 0) {
            // 0 <= m (x - a.x) + span... : a range of x, any y.
            const double x0 = a.x() - span / m; // m != 0 here: the segment is not a point
            out->xMin = std::min(a.x(), x0);
            out->xMax = std::max(a.x(), x0);
            return;
        }
        const double slope = m / k;
        double lo = a.y() - slope * a.x();
        double hi = lo + span / k;
        if (lo > hi) std::swap(lo, hi);
        *out = {lo, hi, slope, -kInf, kInf};
    }

    // (y - a.y) dx between (x - a.x) dy - rl and (x - a.x) dy + rl.
    static void boundAcross(double dx, double dy, double rl, const QPointF& a, Bound* out)
    {
        if (dx == 0) {
            // |(x - a.x) dy| <= rl: a range of x, any y.
            const double e = rl / std::abs(dy);
            out->xMin = a.x() - e;
            out->xMax = a.x() + e;
            return;
        }
        const double slope = dy / dx;
        const double base = a.y() - slope * a.x();
        const double e = rl / std::abs(dx);
        *out = {base - e, base + e, slope, -kInf, kInf};
    }

    bool m_empty = true;
    Bound m_along, m_across;
};

// Coverage sums of the rows of one pixel column. Whole rows go into a difference array, so a
// long piece costs as much as a short one.
class ColumnCoverage
{
public:
    explicit ColumnCoverage(int rows)
        : m_partial(std::size_t(rows), 0.0), m_delta(std::size_t(rows) + 1, 0.0), m_height(rows)
    {
    }

    // Adds the rows from y = lo to y = hi, weighted (partial at both ends).
    Q_ALWAYS_INLINE void add(double lo, double hi, double weight)
    {
        if (!(hi > 0) || !(lo < m_height) || !(lo < hi)) return;
        const int from = lo <= 0 ? 0 : int(lo);
        int to = m_height;
        if (hi < m_height) {
            to = int(hi);
            if (to < hi) ++to;
        }
        m_min = std::min(m_min, from);
        m_max = std::max(m_max, to);
        if (to - from == 1) {
            m_partial[std::size_t(from)] +=
                (std::min(hi, from + 1.0) - std::max(lo, double(from))) * weight;
            return;
        }
        m_partial[std::size_t(from)] += (from + 1.0 - std::max(lo, double(from))) * weight;
        m_partial[std::size_t(to - 1)] += (std::min(hi, double(to)) - (to - 1)) * weight;
        m_delta[std::size_t(from + 1)] += weight;
        m_delta[std::size_t(to - 1)] -= weight;
    }

    // Hands each touched row's coverage to `use` and clears the column.
    template <class Use> void flush(Use use)
    {
        double whole = 0;
        for (int row = m_min; row < m_max; ++row) {
            whole += m_delta[std::size_t(row)];
            use(row, m_partial[std::size_t(row)] + whole);
            m_partial[std::size_t(row)] = 0;
            m_delta[std::size_t(row)] = 0;
        }
        m_delta[std::size_t(m_max)] = 0;
        m_min = m_height;
        m_max = 0;
    }

private:
    std::vector<double> m_partial;
    std::vector<double> m_delta;
    int m_height;
    int m_min = std::numeric_limits<int>::max();
    int m_max = 0;
};

quint32 premultiplied(const QColor& c)
{
    return qPremultiply(c.rgba());
}

} // namespace

QImage* target(const QPainter& painter)
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_ARGB32_Premultiplied &&
        image->format() != QImage::Format_RGB32)
        return nullptr;
    // Writing into shared pixels would change the other copies too.
    if (!image->isDetached()) return nullptr;
    if (!painter.testRenderHint(QPainter::Antialiasing) || painter.hasClipping() ||
        painter.opacity() < 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0 || t.m22() <= 0) return nullptr;
    return image;
}

bool paint(QImage& image, const QTransform& toDevice, const QVector<QPointF>& points,
           const Style& style)
{
    const int w = image.width();
    const int h = image.height();
    if (points.isEmpty() || w <= 0 || h <= 0) return true;
    const double r = std::max(style.width, 0.0) * std::sqrt(toDevice.m11() * toDevice.m22()) / 2;
    const double bottom = toDevice.m22() * style.areaBottom + toDevice.dy();
    const bool hasArea = style.area.isValid() && style.area.alpha() > 0;

    std::vector<QPointF> p;
    p.reserve(std::size_t(points.size()));
    double left = kInf, right = -kInf;
    for (const QPointF& q : points) {
        const QPointF d = toDevice.map(q);
        if (!std::isfinite(d.x()) || !std::isfinite(d.y())) continue;
        if (!p.empty() && d.x() < p.back().x()) return false;
        p.push_back(d);
        left = std::min(left, d.x());
        right = std::max(right, d.x());
    }
    // A lone point strokes nothing, as a path of one point does not.
    if (p.size() < 2) return true;
    const int c0 = floorWithin(left - r, 0, w);
    const int c1 = ceilWithin(right + r, 0, w);
    if (c0 >= c1) return true;
    const int columns = c1 - c0;

    auto* bits = reinterpret_cast<quint32*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    const std::size_t n = p.size();

    if (hasArea) {
        // Sample tops of the area in one column: the polyline's height there, or none.
        std::size_t segment = 0;
        const auto areaTops = [&](int c, double* tops) {
            int count = 0;
            for (int k = 0; k < kSamples; ++k) {
                const double x = c + (k + 0.5) / kSamples;
                tops[k] = kInf;
                if (x < p.front().x() || x >= p.back().x()) continue;
                while (segment + 2 < n && p[segment + 1].x() <= x)
                    ++segment;
                const QPointF& a = p[segment];
                const QPointF& b = p[segment + 1];
                tops[k] = b.x() > a.x() ? a.y() + (x - a.x()) * (b.y() - a.y()) / (b.x() - a.x())
                                        : std::min(a.y(), b.y());
                ++count;
            }
            return count;
        };
        const quint32 areaColor = premultiplied(style.area);
        // Below its lowest sample top, a column whose samples all have the area is covered
        // whole. Those parts are filled row by row afterwards: walking down a column touches
        // a new cache line at every pixel.
        std::vector<int> solidFrom(std::size_t(columns), h);
        const int solidEnd = floorWithin(bottom, 0, h);
        for (int c = c0; c < c1; ++c) {
            double tops[kSamples];
            const int count = areaTops(c, tops);
            if (count == 0) continue;
            double tmin = kInf, tmax = -kInf;
            for (double t : tops) {
                if (t == kInf) continue;
                tmin = std::min(tmin, t);
                tmax = std::max(tmax, t);
            }
            const int from = floorWithin(std::min(tmin, bottom), 0, h);
            const int partialEnd =
                ceilWithin(count < kSamples ? bottom : std::min(tmax, bottom), 0, h);
            quint32* column = bits + c;
            for (int row = from; row < partialEnd; ++row) {
                double sum = 0;
                for (double t : tops)
                    sum += std::max(0.0, std::min(bottom, row + 1.0) - std::max(t, double(row)));
                blend(column + row * stride, areaColor, sum / kSamples);
            }
            if (count < kSamples || partialEnd > solidEnd) continue;
            solidFrom[std::size_t(c - c0)] = partialEnd;
            if (solidEnd < h && bottom > solidEnd)
                blend(column + solidEnd * stride, areaColor, bottom - solidEnd);
        }
        // In tiles of columns: below the lowest start in a tile, its rows are filled whole.
        constexpr int kTile = 64;
        for (int t = c0; t < c1; t += kTile) {
            const int tileEnd = std::min(t + kTile, c1);
            const auto first = solidFrom.begin() + (t - c0);
            const auto last = solidFrom.begin() + (tileEnd - c0);
            const int whole = std::min(solidEnd, *std::max_element(first, last));
            for (int row = *std::min_element(first, last); row < solidEnd; ++row) {
                quint32* line = bits + row * stride;
                if (row >= whole) {
                    overRun(line + t, tileEnd - t, areaColor);
                    continue;
                }
                for (int c = t; c < tileEnd;) {
                    if (solidFrom[std::size_t(c - c0)] > row) {
                        ++c;
                        continue;
                    }
                    int end = c + 1;
                    while (end < tileEnd && solidFrom[std::size_t(end - c0)] <= row)
                        ++end;
                    overRun(line + c, end - c, areaColor);
                    c = end;
                }
            }
        }
    }

    // The line over the area, as a painter outlines the stroke: a band along every segment,
    // and at every point the part of its round join (or cap) that the bands meeting there
    // leave uncovered. Where pieces overlap, their coverage adds up (and is clamped), as it
    // does for the painter's outline.
    std::vector<Band> bands;
    bands.reserve(n + 1);
    bands.emplace_back(p.front(), p.front(), r); // before the first point: none
    for (std::size_t i = 0; i + 1 < n; ++i)
        bands.emplace_back(p[i], p[i + 1], r);
    bands.emplace_back(p.back(), p.back(), r); // after the last point: none
    // bands[i + 1] runs from point i to point i + 1.
    const quint32 lineColor = premultiplied(style.line);
    ColumnCoverage coverage(h);
    // Join wedges are small: half as many samples do for them.
    constexpr int kJoinSamples = kSamples / 2;
    std::size_t firstSegment = 0, firstPoint = 0;
    for (int c = c0; c < c1; ++c) {
        const double left = c, right = c + 1.0;
        while (firstSegment + 1 < n && p[firstSegment + 1].x() + r < left)
            ++firstSegment;
        while (firstPoint < n && p[firstPoint].x() + r < left)
            ++firstPoint;
        // Samples of this column within [x0, x1].
        const auto samples = [c](double x0, double x1, int* from, int* to) {
            *from = ceilWithin((x0 - c) * kSamples - 0.5, 0, kSamples);
            *to = floorWithin((x1 - c) * kSamples - 0.5, -1, kSamples - 1);
        };
        for (std::size_t i = firstSegment; i + 1 < n && p[i].x() - r < right; ++i) {
            const Band& band = bands[i + 1];
            int from, to;
            samples(p[i].x() - r, p[i + 1].x() + r, &from, &to);
            for (int k = from; k <= to; ++k) {
                double lo, hi;
                if (band.section(c + (k + 0.5) / kSamples, &lo, &hi))
                    coverage.add(lo, hi, 1.0 / kSamples);
            }
        }
        for (std::size_t i = firstPoint; i < n && p[i].x() - r < right; ++i) {
            const QPointF& point = p[i];
            const int from = ceilWithin((point.x() - r - c) * kJoinSamples - 0.5, 0, kJoinSamples);
            const int to =
                floorWithin((point.x() + r - c) * kJoinSamples - 0.5, -1, kJoinSamples - 1);
            for (int k = from; k <= to; ++k) {
                const double x = c + (k + 0.5) / kJoinSamples;
                const double e2 = r * r - (x - point.x()) * (x - point.x());
                if (e2 < 0) continue;
                const double e = std::sqrt(e2);
                double cut[2][2];
                int cuts = 0;
                for (const Band* band : {&bands[i], &bands[i + 1]})
                    if (band->section(x, &cut[cuts][0], &cut[cuts][1])) ++cuts;
                if (cuts == 2 && cut[1][0] < cut[0][0]) {
                    std::swap(cut[0][0], cut[1][0]);
                    std::swap(cut[0][1], cut[1][1]);
                }
                double from = point.y() - e;
                const double to = point.y() + e;
                for (int m = 0; m < cuts && from < to; ++m) {
                    if (cut[m][0] > from)
                        coverage.add(from, std::min(cut[m][0], to), 1.0 / kJoinSamples);
                    from = std::max(from, cut[m][1]);
                }
                if (from < to) coverage.add(from, to, 1.0 / kJoinSamples);
            }
        }
        quint32* column = bits + c;
        coverage.flush(
            [&](int row, double value) { blend(column + row * stride, lineColor, value); });
    }
    return true;
}

} // namespace LineSpanRaster

} // namespace MOXQtLib
