#include "MOXQContainerLayout.h"

#include <algorithm>
#include <limits>

namespace MOXQtLib {

namespace {

int toInt(qint64 v)
{
    return int(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A rectangle whose right and bottom edges stay within int: a file may place a child at the
// far end of the coordinate range, and QRect keeps its edges, not its size.
QRect boundedRect(qint64 x, qint64 y, qint64 w, qint64 h)
{
    const qint64 maxInt = std::numeric_limits<int>::max();
    x = toInt(x);
    y = toInt(y);
    w = std::clamp<qint64>(w, 0, maxInt - x);
    h = std::clamp<qint64>(h, 0, maxInt - y);
    return QRect(int(x), int(y), toInt(w), toInt(h));
}

// a * b / c without overflow: a page may hold thousands of children with huge ratios.
qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    return qint64((__int128)a * b / c);
}

// The column layouts run the row code on transposed inputs.
QSize flip(const QSize& s)
{
    return QSize(s.height(), s.width());
}
QRect flip(const QRect& r)
{
    return QRect(r.y(), r.x(), r.height(), r.width());
}

LayoutFrame flip(const LayoutFrame& f)
{
    LayoutFrame t = f;
    t.container = flip(f.container);
    t.padding = QMargins(f.padding.top(), f.padding.left(), f.padding.bottom(), f.padding.right());
    t.scrollBarWidth = f.scrollBarHeight;
    t.scrollBarHeight = f.scrollBarWidth;
    return t;
}

LayoutChild flip(const LayoutChild& c)
{
    LayoutChild t = c;
    t.size = flip(c.size);
    t.minimum = flip(c.minimum);
    t.maximum = flip(c.maximum);
    t.widthPolicy = c.heightPolicy;
    t.heightPolicy = c.widthPolicy;
    if (c.spacerDirection == 1)
        t.spacerDirection = 2;
    else if (c.spacerDirection == 2)
        t.spacerDirection = 1;
    return t;
}

bool isElasticSpacer(const LayoutChild& c)
{
    return c.spacerDirection == 0 || c.spacerDirection == 1;
}

qint64 ratioOf(const LayoutChild& c)
{
    return std::max(c.ratio, 1);
}

// Height of a child in a row (cross-axis rule).
int crossLength(const LayoutChild& c, qint64 availH)
{
    qint64 h = c.size.height();
    const bool spacer = isElasticSpacer(c);
    if ((c.isControl && !spacer && c.heightPolicy == 0) ||
        (spacer && c.spacerThickness < 1 && c.heightPolicy == 0))
        h = availH;
    else if (spacer && c.spacerThickness >= 1)
        h = c.spacerThickness;
    return std::min<int>(layoutClamp(h, c.minimum.height(), availH, c.maximum.height()),
                         toInt(availH));
}

// The elastic-spacer branch of the row layout: spacers soak up the room the others leave.
void rowWithSpacers(const LayoutFrame& f, const QVector<LayoutChild>& cs, qint64 avail,
                    qint64 availH, QVector<QRect>& out)
{
    const int n = cs.size();
    QVector<qint64> width(n, 0);
    qint64 sum = 0;
    for (int i = 0; i < n; ++i) {
        if (isElasticSpacer(cs[i])) continue;
        const qint64 cur = cs[i].size.width() < 1 ? 0 : cs[i].size.width();
        width[i] = layoutClamp(cur, cs[i].minimum.width(), avail, cs[i].maximum.width());
        sum += width[i];
    }
    if (f.scrollAlong) avail = std::max(avail, sum);
    qint64 rest = avail - sum;

    if (rest < 1) {
        // Too little room: take the deficit from the children in proportion to how far each
        // is above its minimum, then whatever is left from the first that can still give.
        // Both passes stop as soon as a round frees nothing, so children that are all at
        // their minimum (or shares that all round to zero) cannot keep the loop alive.
        qint64 deficit = -rest;
        auto shrinkable = [&](int i) {
            return std::max<qint64>(width[i] - std::max(cs[i].minimum.width(), 0), 0);
        };
        qint64 total = 0;
        for (int i = 0; i < n; ++i)
            if (!isElasticSpacer(cs[i])) total += shrinkable(i);
        while (deficit >= 1 && total >= 1) {
            qint64 freed = 0;
            for (int i = 0; i < n && deficit >= 1 && total >= 1; ++i) {
                if (isElasticSpacer(cs[i])) continue;
                const qint64 s = shrinkable(i);
                const qint64 give = std::min(s, mulDiv(deficit, s, total));
                width[i] -= give;
                deficit -= give;
                total -= give;
                freed += give;
            }
            if (freed == 0) break;
        }
        while (deficit >= 1) {
            qint64 freed = 0;
            for (int i = 0; i < n && deficit >= 1; ++i) {
                if (isElasticSpacer(cs[i])) continue;
                const qint64 give = std::min(shrinkable(i), deficit);
                width[i] -= give;
                deficit -= give;
                freed += give;
            }
            if (freed == 0) break;
        }
    } else {
        qint64 ratioSum = 0;
        for (const LayoutChild& c : cs)
            if (isElasticSpacer(c)) ratioSum += ratioOf(c);
        for (int i = 0; i < n; ++i) {
            if (!isElasticSpacer(cs[i])) continue;
            const qint64 r = ratioOf(cs[i]);
            const qint64 share = ratioSum > 0 ? mulDiv(rest, r, ratioSum) : rest;
            width[i] = layoutClamp(share, 0, rest, cs[i].maximum.width());
            rest -= width[i];
            ratioSum -= r;
        }
    }

    qint64 x = f.padding.left();
    for (int i = 0; i < n; ++i) {
        const bool spacer = isElasticSpacer(cs[i]);
        const int w =
            layoutClamp(width[i], spacer ? 0 : cs[i].minimum.width(), avail, cs[i].maximum.width());
        out[i] = boundedRect(x, f.padding.top(), w, crossLength(cs[i], availH));
        avail = std::max<qint64>(avail - w, 0);
        x += w + qint64(f.space);
    }
}

// The ratio branch: fixed children keep their width, the others share what is left.
void rowWithRatios(const LayoutFrame& f, const QVector<LayoutChild>& cs, qint64 avail,
                   qint64 availH, QVector<QRect>& out)
{
    const int n = cs.size();
    auto isFixed = [&](int i) { return cs[i].widthPolicy == 1; };
    if (f.scrollAlong) {
        qint64 all = 0;
        for (const LayoutChild& c : cs)
            all +=
                layoutClamp(c.size.width(), c.minimum.width(), kLayoutUnlimited, c.maximum.width());
        avail = std::max(avail, all);
    }
    qint64 fixed = 0;
    qint64 sharing = 0;
    qint64 ratioSum = 0;
    for (int i = 0; i < n; ++i) {
        if (isFixed(i)) {
            fixed += layoutClamp(cs[i].size.width(), cs[i].minimum.width(), avail,
                                 cs[i].maximum.width());
        } else {
            ++sharing;
            ratioSum += ratioOf(cs[i]);
        }
    }
    qint64 free = std::max<qint64>(avail - fixed, 0);

    qint64 x = f.padding.left();
    for (int i = 0; i < n; ++i) {
        const LayoutChild& c = cs[i];
        int w = 0;
        if (isFixed(i)) {
            w = layoutClamp(c.size.width(), c.minimum.width(), avail, c.maximum.width());
        } else {
            const qint64 r = ratioOf(c);
            const qint64 share = (sharing >= 2 && ratioSum >= 1) ? mulDiv(free, r, ratioSum) : free;
            w = layoutClamp(share, c.minimum.width(), avail, c.maximum.width());
            free = std::max<qint64>(free - w, 0);
            --sharing;
            ratioSum -= r;
        }
        out[i] = boundedRect(x, f.padding.top(), w, crossLength(c, availH));
        avail -= w;
        if (!f.scrollAlong) avail = std::max<qint64>(avail, 0);
        x += w + qint64(f.space);
    }
}

QVector<QRect> row(const LayoutFrame& f, const QVector<LayoutChild>& cs)
{
    const int n = cs.size();
    QVector<QRect> out(n);
    if (n == 0) return out;
    const qint64 avail =
        std::max<qint64>(qint64(f.container.width()) - qint64(n - 1) * std::max(f.space, 0) -
                             f.scrollBarWidth - f.padding.left() - f.padding.right(),
                         0);
    const qint64 availH = std::max<qint64>(
        qint64(f.container.height()) - f.scrollBarHeight - f.padding.top() - f.padding.bottom(), 0);
    bool anySpacer = false;
    for (const LayoutChild& c : cs)
        anySpacer = anySpacer || isElasticSpacer(c);
    // Spacer ratios are at least 1 each, so one spacer is enough for the spacer branch.
    if (anySpacer)
        rowWithSpacers(f, cs, avail, availH, out);
    else
        rowWithRatios(f, cs, avail, availH, out);
    return out;
}

} // namespace

int layoutClamp(qint64 s, qint64 minimum, qint64 avail, qint64 maximum)
{
    qint64 cap = std::max<qint64>(avail, 0);
    if (maximum < kLayoutUnlimited) cap = std::min(cap, std::max<qint64>(maximum, 0));
    const qint64 lo = std::max<qint64>(minimum, 0);
    return toInt(std::max(std::min(lo, cap), std::min(cap, std::max<qint64>(s, 0))));
}

QVector<QRect> layoutLinear(const LayoutFrame& frame, const QVector<LayoutChild>& children,
                            Qt::Orientation orientation)
{
    if (orientation == Qt::Horizontal) return row(frame, children);
    QVector<LayoutChild> flipped;
    flipped.reserve(children.size());
    for (const LayoutChild& c : children)
        flipped.append(flip(c));
    QVector<QRect> out = row(flip(frame), flipped);
    for (QRect& r : out)
        r = flip(r);
    return out;
}

QVector<QRect> layoutFloat(const LayoutFrame& frame, const QVector<QSize>& sizes,
                           Qt::Orientation orientation)
{
    const bool hor = orientation == Qt::Horizontal;
    const LayoutFrame f = hor ? frame : flip(frame);
    const qint64 gap = std::max(f.space, 0);
    const qint64 left = f.padding.left();
    const qint64 limit = qint64(f.container.width()) - f.padding.right();
    qint64 x = left;
    qint64 y = f.padding.top();
    qint64 line = 0;
    QVector<QRect> out;
    out.reserve(sizes.size());
    for (const QSize& s0 : sizes) {
        const QSize s = hor ? s0 : flip(s0);
        const qint64 w = std::max(s.width(), 0);
        const qint64 h = std::max(s.height(), 0);
        if (x > left && x + w > limit) {
            x = left;
            y += line + gap;
            line = 0;
        }
        const QRect r(toInt(x), toInt(y), int(w), int(h));
        out.append(hor ? r : flip(r));
        x += w + gap;
        line = std::max(line, h);
    }
    return out;
}

QRect layoutDock(const LayoutFrame& f, const DockRequest& d)
{
    const qint64 x0 = std::max(f.padding.left(), 0);
    const qint64 y0 = std::max(f.padding.top(), 0);
    const qint64 aw = std::max<qint64>(
        qint64(f.container.width()) - f.scrollBarWidth - f.padding.left() - f.padding.right(), 0);
    const qint64 ah = std::max<qint64>(
        qint64(f.container.height()) - f.scrollBarHeight - f.padding.top() - f.padding.bottom(), 0);
    const qint64 w = layoutClamp(d.size.width(), d.minimum.width(), aw, d.maximum.width());
    const qint64 h = layoutClamp(d.size.height(), d.minimum.height(), ah, d.maximum.height());
    auto place = [](qint64 origin, qint64 room, qint64 len, int dock) {
        if (dock == 1) return origin + (room - len) / 2;
        if (dock == 2) return origin + room - len;
        return origin;
    };
    const qint64 x = place(x0, aw, w, std::clamp(d.hor, 0, 2)) + d.offsetX;
    const qint64 y = place(y0, ah, h, std::clamp(d.ver, 0, 2)) + d.offsetY;
    return boundedRect(x, y, w, h);
}

ScrollResult layoutScrollState(const ScrollInput& in)
{
    const qint64 W = in.container.width();
    const qint64 H = in.container.height();
    const qint64 vw = std::max(in.verticalBarWidth, 0);
    const qint64 hh = std::max(in.horizontalBarHeight, 0);
    const bool content = !in.content.isNull() && !in.content.isEmpty();
    const qint64 right = qint64(in.content.x()) + in.content.width();
    const qint64 bottom = qint64(in.content.y()) + in.content.height();

    bool needH = false;
    bool needV = false;
    // Each bar can only make the other more necessary, so two rounds settle it; a third
    // confirms.
    for (int round = 0; round < 3; ++round) {
        const bool h = in.horizontalBound && content && right > W - (needV ? vw : 0);
        const bool v = in.verticalBound && content && bottom > H - (h ? hh : 0);
        if (h == needH && v == needV) break;
        needH = h;
        needV = v;
    }

    // A needed bar: range from the content's far edge, page step the visible length.
    auto needed = [](qint64 visible, qint64 extent, int value, const QRect& geometry) {
        ScrollBarState s;
        s.visible = true;
        s.maximum = toInt(std::max<qint64>(extent - visible, 0));
        s.pageStep = toInt(visible);
        s.value = std::clamp(value, 0, s.maximum);
        s.geometry = geometry;
        return s;
    };
    ScrollResult r;
    if (needH) {
        const qint64 visible = std::max<qint64>(W - (needV ? vw : 0), 0);
        r.horizontal =
            needed(visible, right, in.horizontalValue, boundedRect(0, H - hh, visible, hh));
    }
    if (needV) {
        const qint64 visible = std::max<qint64>(H - (needH ? hh : 0), 0);
        r.vertical = needed(visible, bottom, in.verticalValue, boundedRect(W - vw, 0, vw, visible));
    }
    return r;
}

QSize layoutContentSize(AutoChildLayout childLayout, int space, const QMargins& padding,
                        const QVector<ContentChild>& children)
{
    auto preferred = [](const ContentChild& c) {
        QSize s = c.sizeHint;
        if (s.width() < 0 || s.height() < 0) s = c.minimumSizeHint;
        if (s.width() < 0 || s.height() < 0) s = c.minimum;
        s = s.expandedTo(QSize(0, 0));
        if (c.widthPolicy == 1) s.setWidth(std::max(s.width(), c.current.width()));
        if (c.heightPolicy == 1) s.setHeight(std::max(s.height(), c.current.height()));
        return s.expandedTo(c.minimum).boundedTo(c.maximum);
    };

    qint64 w = 0;
    qint64 h = 0;
    const int n = children.size();
    if (childLayout == LayoutHorizontal || childLayout == LayoutVertical) {
        const bool hor = childLayout == LayoutHorizontal;
        for (const ContentChild& c : children) {
            const QSize s = preferred(c);
            const qint64 along = hor ? s.width() : s.height();
            const qint64 across = hor ? s.height() : s.width();
            (hor ? w : h) += along;
            qint64& cross = hor ? h : w;
            cross = std::max(cross, across);
        }
        if (n > 1) (hor ? w : h) += qint64(n - 1) * std::max(space, 0);
    } else {
        QRect united;
        for (const ContentChild& c : children) {
            const QRect r(c.position, preferred(c));
            if (!r.isEmpty()) united = united.united(r);
        }
        if (!united.isNull()) {
            w = std::max<qint64>(qint64(united.right()) + 1, 0);
            h = std::max<qint64>(qint64(united.bottom()) + 1, 0);
        }
    }
    w += qint64(padding.left()) + padding.right();
    h += qint64(padding.top()) + padding.bottom();
    return QSize(toInt(std::max<qint64>(w, 0)), toInt(std::max<qint64>(h, 0)));
}

} // namespace MOXQtLib
