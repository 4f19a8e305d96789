#include "MOXRibbonLayout.h"

#include <algorithm>

namespace MOXQtLib {

namespace {

// Items of a column are centred in their rows and never shorter than this.
constexpr int kMinItemHeight = 16;
// Groups are never narrower.
constexpr int kMinGroupWidth = 90;
// A tab strip squeezed to this span or less takes the room up to the cursors instead.
constexpr int kMinTabSpan = 120;

QSize bounded(const QSize& size)
{
    return QSize(moxRibbonExtent(size.width()), moxRibbonExtent(size.height()));
}

} // namespace

QVector<QRect> moxRibbonGroupLayout(const QVector<MOXRibbonItemSize>& items, int rowCount,
                                    int height, int* end)
{
    const int rows = std::max(rowCount, 1);
    const int usable = std::max(height - 2 * kRibbonGap, 0);
    const int rowHeight = std::max(kRibbonMinRowHeight, usable / rows);
    QVector<QRect> rects(items.size());
    int x = kRibbonGap;
    QVector<int> column;
    int columnWidth = 0;
    auto placeColumn = [&] {
        if (column.isEmpty()) return;
        for (int i = 0; i < column.size(); ++i) {
            const int h = std::min(rowHeight,
                                   std::max(bounded(items[column[i]].size).height(), kMinItemHeight));
            const int y = kRibbonGap + i * rowHeight + std::max((rowHeight - h) / 2, 0);
            rects[column[i]] = QRect(x, y, columnWidth, h);
        }
        x += columnWidth + kRibbonGap;
        column.clear();
        columnWidth = 0;
    };
    for (int i = 0; i < items.size(); ++i) {
        const QSize size = bounded(items[i].size);
        if (items[i].rowItem) {
            column.append(i);
            columnWidth = std::max(columnWidth, size.width());
            if (column.size() >= rows) placeColumn();
            continue;
        }
        placeColumn();
        rects[i] = QRect(x, kRibbonGap, size.width(), usable);
        x += size.width() + kRibbonGap;
    }
    placeColumn();
    if (end) *end = x;
    return rects;
}

int moxRibbonGroupWidthHint(const QVector<MOXRibbonItemSize>& items, int rowCount)
{
    // The same columns the layout makes, so no column ever reaches under the next group.
    int end = 0;
    moxRibbonGroupLayout(items, rowCount, 0, &end);
    return std::max(end + kRibbonGap, kMinGroupWidth);
}

MOXRibbonStrip moxRibbonStripLayout(int width, int tabHeight, int topBarHeight,
                                    const QVector<QSize>& left, const QVector<QSize>& right)
{
    MOXRibbonStrip strip;
    width = std::max(width, 0);
    const bool topBar = topBarHeight >= 1;
    int s = std::max(moxRibbonExtent(tabHeight), 22);
    if (topBar) s = std::max(s, moxRibbonExtent(topBarHeight));
    strip.height = s;
    const int limit = std::max(s - 8, kMinItemHeight);
    auto place = [&](const QSize& item, int x) {
        const QSize size = bounded(item);
        const int h = std::min(limit, std::max(size.height(), kMinItemHeight));
        return QRect(x, std::max((s - h) / 2, 0), size.width(), h);
    };
    int leftCursor = 4;
    for (const QSize& item : left) {
        strip.left.append(place(item, leftCursor));
        leftCursor += strip.left.last().width() + kRibbonGap;
    }
    int rightCursor = width - 4;
    strip.right.resize(right.size());
    for (int i = right.size() - 1; i >= 0; --i) {
        const int w = moxRibbonExtent(right[i].width());
        strip.right[i] = place(right[i], rightCursor - w);
        rightCursor -= w + kRibbonGap;
    }
    int start = topBar ? leftCursor + kRibbonGap : 0;
    int stop = topBar ? rightCursor - kRibbonGap : width;
    if (stop - start <= kMinTabSpan) {
        start = topBar ? leftCursor : 0;
        stop = std::max(start, rightCursor);
    }
    strip.tabs = QRect(start, 0, std::max(stop - start, 0), s);
    return strip;
}

} // namespace MOXQtLib
