#include "SeriesExtentIndex.h"

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace {

void merge(SeriesExtentIndex::Extent& into, const SeriesExtentIndex::Extent& e)
{
    if (!e.isValid()) return;
    if (!into.isValid()) {
        into = e;
        return;
    }
    if (e.min < into.min) {
        into.min = e.min;
        into.minIndex = e.minIndex;
    }
    if (e.max > into.max) {
        into.max = e.max;
        into.maxIndex = e.maxIndex;
    }
}

} // namespace

SeriesExtentIndex::Extent SeriesExtentIndex::scan(const double* values, int from, int to)
{
    Extent e;
    for (int i = from; i <= to; ++i) {
        const double v = values[i];
        if (!std::isfinite(v)) continue;
        if (e.minIndex < 0) {
            e = {v, v, i, i};
            continue;
        }
        if (v < e.min) {
            e.min = v;
            e.minIndex = i;
        } else if (v > e.max) {
            e.max = v;
            e.maxIndex = i;
        }
    }
    return e;
}

void SeriesExtentIndex::build(const QVector<double>& values)
{
    m_data = values.constData();
    m_size = values.size();
    const int blocks = (m_size + kBlockSize - 1) / kBlockSize;
    m_blocks.clear();
    m_blocks.reserve(blocks);
    for (int b = 0; b < blocks; ++b)
        m_blocks.append(scan(m_data, b * kBlockSize, std::min(m_size, (b + 1) * kBlockSize) - 1));
}

bool SeriesExtentIndex::matches(const QVector<double>& values) const
{
    return values.size() == m_size && values.constData() == m_data;
}

SeriesExtentIndex::Extent SeriesExtentIndex::extent(const QVector<double>& values, int from,
                                                    int to) const
{
    from = std::max(from, 0);
    to = std::min(to, int(values.size()) - 1);
    if (from > to) return {};
    const double* data = values.constData();
    if (!matches(values) || to - from < 2 * kBlockSize) return scan(data, from, to);
    const int firstBlock = (from + kBlockSize - 1) / kBlockSize;
    const int lastBlock = (to + 1) / kBlockSize - 1; // last block wholly inside
    Extent e = scan(data, from, firstBlock * kBlockSize - 1);
    for (int b = firstBlock; b <= lastBlock; ++b)
        merge(e, m_blocks.at(b));
    merge(e, scan(data, (lastBlock + 1) * kBlockSize, to));
    return e;
}

} // namespace MOXQtLib
