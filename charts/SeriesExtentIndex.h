#pragma once

#include <QVector>

namespace MOXQtLib {

// Minimum and maximum of every block of a value array, so the extent of any index range costs
// a block count instead of a point count. Non-finite values are left out.
class SeriesExtentIndex
{
public:
    static constexpr int kBlockSize = 64;

    struct Extent
    {
        double min = 0.0;
        double max = 0.0;
        int minIndex = -1; // -1: no finite value in the range
        int maxIndex = -1;
        bool isValid() const { return minIndex >= 0; }
    };

    SeriesExtentIndex() = default;
    explicit SeriesExtentIndex(const QVector<double>& values) { build(values); }
    void build(const QVector<double>& values);

    // True when the index was built for exactly this array (same storage and size).
    bool matches(const QVector<double>& values) const;

    // Extent of values[from..to] (inclusive, clamped to the array). Falls back to a plain scan
    // when the index does not match `values`.
    Extent extent(const QVector<double>& values, int from, int to) const;

    static Extent scan(const double* values, int from, int to);

    // Extent of block b, values [b * kBlockSize, (b + 1) * kBlockSize).
    int blockCount() const { return m_blocks.size(); }
    const Extent& block(int b) const { return m_blocks.at(b); }

private:
    QVector<Extent> m_blocks;
    const double* m_data = nullptr;
    int m_size = 0;
};

} // namespace MOXQtLib
