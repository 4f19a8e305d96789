#pragma once

// The container's layout arithmetic as pure functions over plain records, so that every rule
// can be exercised without widgets. MOXQContainer gathers these records from its children,
// calls the functions and applies the rectangles.
//
// All intermediate arithmetic is 64-bit: ratios and sizes come from user files, and their
// products or sums must not wrap around.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QVector>

namespace MOXQtLib {

// Qt's "no maximum" size.
constexpr int kLayoutUnlimited = 16777215;

// How a container arranges its children.
enum AutoChildLayout
{
    LayoutHorizontal = 0,
    LayoutVertical = 1,
    LayoutHorFloat = 2,
    LayoutVerFloat = 3,
    LayoutNoUse = 4
};

// What the layout knows of one child.
struct LayoutChild
{
    QSize size;          // current size
    QSize minimum{0, 0}; // minimum size
    QSize maximum{kLayoutUnlimited, kLayoutUnlimited};
    int ratio = 1; // share weight, taken as at least 1
    int widthPolicy = -1;
    int heightPolicy = -1;
    bool isControl = true; // plain widgets never fill across
    // -1 for anything but a spacer; else the spacer's direction (0 auto, 1 horizontal,
    // 2 vertical) and its thickness across the layout direction.
    int spacerDirection = -1;
    int spacerThickness = 0;
};

// The container side of a layout pass.
struct LayoutFrame
{
    QSize container;
    QMargins padding;
    int space = 0;
    int scrollBarWidth = 0;  // size-hint width of the visible bound vertical bar, else 0
    int scrollBarHeight = 0; // size-hint height of the visible bound horizontal bar, else 0
    // A bar is bound along the layout direction (horizontal bar for a row, vertical bar for
    // a column): the content may then overflow and scroll.
    bool scrollAlong = false;
};

// max(min(minimum, cap), min(cap, s)), where cap is `avail` reduced to `maximum` when that is
// limited. Negative minimums count as 0 and the result is never negative.
int layoutClamp(qint64 s, qint64 minimum, qint64 avail, qint64 maximum = kLayoutUnlimited);

// One rectangle per child, in child order. Row (Qt::Horizontal) or column (Qt::Vertical).
QVector<QRect> layoutLinear(const LayoutFrame& frame, const QVector<LayoutChild>& children,
                            Qt::Orientation orientation);

// Wrapping row (Qt::Horizontal) or wrapping column (Qt::Vertical): children keep their sizes.
QVector<QRect> layoutFloat(const LayoutFrame& frame, const QVector<QSize>& sizes,
                           Qt::Orientation orientation);

// A docked child: dock hor/ver 0 left/top, 1 centre, 2 right/bottom, plus the offsets.
struct DockRequest
{
    QSize size;
    QSize minimum{0, 0};
    QSize maximum{kLayoutUnlimited, kLayoutUnlimited};
    int hor = 0;
    int ver = 0;
    int offsetX = 0;
    int offsetY = 0;
};
QRect layoutDock(const LayoutFrame& frame, const DockRequest& request);

// What the scroll-state update decides for the two bound bars.
struct ScrollInput
{
    QSize container;
    QRect content; // union of the children's base rectangles; null when none
    bool horizontalBound = false;
    bool verticalBound = false;
    int verticalBarWidth = 0;    // size-hint width of the vertical bar
    int horizontalBarHeight = 0; // size-hint height of the horizontal bar
    int horizontalValue = 0;     // the bars' current values
    int verticalValue = 0;
};

struct ScrollBarState
{
    bool visible = false;
    int maximum = 0; // range is 0..maximum
    int pageStep = 0;
    int value = 0; // also the scroll offset along this axis
    QRect geometry;
};

struct ScrollResult
{
    ScrollBarState horizontal;
    ScrollBarState vertical;
};

ScrollResult layoutScrollState(const ScrollInput& input);

// A child's contribution to the content size of an auto-sized docked container.
struct ContentChild
{
    QSize sizeHint;
    QSize minimumSizeHint;
    QSize minimum{0, 0};
    QSize maximum{kLayoutUnlimited, kLayoutUnlimited};
    QSize current;
    QPoint position;
    int widthPolicy = -1;
    int heightPolicy = -1;
};

QSize layoutContentSize(AutoChildLayout childLayout, int space, const QMargins& padding,
                        const QVector<ContentChild>& children);

} // namespace MOXQtLib
