#pragma once

// The ribbon bar's layout arithmetic, free of widgets: the columns of a group and the strip of
// page tabs between the top-bar items.

#include <QRect>
#include <QSize>
#include <QVector>

namespace MOXQtLib {

// The largest width or height an item, a group or the bar takes from a file or a property;
// larger values are cut to it, so sums of many items stay far inside int.
constexpr int kRibbonMaxExtent = 4096;
// Spacing between items and columns, and the inset of a group's content.
constexpr int kRibbonGap = 6;
// Rows are at least this high, however little room the group has.
constexpr int kRibbonMinRowHeight = 24;
// The band under a group's content that carries its title.
constexpr int kRibbonTitleHeight = 20;

inline int moxRibbonExtent(int value)
{
    return value < 0 ? 0 : value > kRibbonMaxExtent ? kRibbonMaxExtent : value;
}

struct MOXRibbonItemSize
{
    QSize size;
    // Row items stack in columns; the others take the group's whole height.
    bool rowItem = false;
};

// The rectangles of a group's items in a content band `height` pixels high (the title band
// excluded), in item order. Row items fill columns of `rowCount` (below 1 counts as 1) rows
// at least 24 pixels high; a column ends when it is full, at a full-height item or at the
// end. `end` receives the x after the last column or item (its right edge + 6).
QVector<QRect> moxRibbonGroupLayout(const QVector<MOXRibbonItemSize>& items, int rowCount,
                                    int height, int* end = nullptr);
// The width a group needs for that layout: every column it lays out, its insets, at least 90.
int moxRibbonGroupWidthHint(const QVector<MOXRibbonItemSize>& items, int rowCount);

struct MOXRibbonStrip
{
    // Height of the tab strip (and of the top bar it shares the row with).
    int height = 0;
    QVector<QRect> left;
    QVector<QRect> right;
    QRect tabs;
};

// The tab row of a bar `width` wide: left top-bar items from the left edge, right ones flush
// with the right edge, and the tab strip between them; with no top bar (topBarHeight below 1)
// the strip spans the whole width. A span of 120 pixels or less widens to the cursors.
MOXRibbonStrip moxRibbonStripLayout(int width, int tabHeight, int topBarHeight,
                                    const QVector<QSize>& left, const QVector<QSize>& right);

} // namespace MOXQtLib
