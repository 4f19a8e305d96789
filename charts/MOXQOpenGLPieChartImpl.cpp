#include "MOXQOpenGLPieChartImpl.h"

#include "ChartFunctions.h"
#include "MOXQChartBase.h"

#include <QPainter>

#include <cmath>

namespace MOXQtLib {

using namespace PieGeometry;

MOXQOpenGLPieChartImpl::MOXQOpenGLPieChartImpl(MOXQChartBase* owner, const QString& name)
    : MOXQChartBaseImpl(owner, name)
{
}

void MOXQOpenGLPieChartImpl::setTitle(const QString& title)
{
    m_title = title;
    owner()->update();
}

void MOXQOpenGLPieChartImpl::setSlices(const QVector<PieSlice>& slices)
{
    m_slices = slices;
    for (PieSlice& s : m_slices)
        if (!std::isfinite(s.value)) s.value = 0.0;
    // The hovered index may not exist, or name another slice, in the new list.
    clearHover();
    owner()->replayAnimation();
    owner()->update();
}

void MOXQOpenGLPieChartImpl::setInnerRadius(double ratio)
{
    m_innerRadius = innerRadiusFor(ratio, m_innerRadius);
    owner()->update();
}

void MOXQOpenGLPieChartImpl::setAngleRange(double start, double sweep)
{
    m_startAngle = startAngleFor(start, m_startAngle);
    m_sweep = sweepFor(sweep);
    owner()->update();
}

void MOXQOpenGLPieChartImpl::setOutsideLabels(bool on)
{
    m_outsideLabels = on;
    owner()->update();
}

void MOXQOpenGLPieChartImpl::setTooltipTrigger(int trigger)
{
    m_tooltipTrigger = trigger;
    if (trigger == TooltipNone) clearHover();
    owner()->update();
}

void MOXQOpenGLPieChartImpl::setTooltipVisible(bool visible)
{
    m_tooltipVisible = visible;
    if (!visible) clearHover();
    owner()->update();
}

QRectF MOXQOpenGLPieChartImpl::pieRect() const
{
    return pieSquare(owner()->size(), owner()->legendPosition());
}

QVector<SliceArc> MOXQOpenGLPieChartImpl::arcs() const
{
    return sliceArcs(m_slices, m_startAngle, m_sweep, owner()->animationProgress(),
                     owner()->chartTheme());
}

QVector<ChartCartesian::LegendItem> MOXQOpenGLPieChartImpl::legendItems() const
{
    const QSize size = owner()->size();
    const int position = owner()->legendPosition();
    const QRectF area = legendArea(size, position, pieRect(), !m_slices.isEmpty());
    return layoutLegend(m_slices, area, position, owner()->font(), owner()->chartTheme());
}

QVector<PieLabel> MOXQOpenGLPieChartImpl::labels() const
{
    if (!m_outsideLabels) return {};
    // Labels stay below the title.
    const QSize size = owner()->size();
    const QRectF bounds(0, 34, size.width(), size.height() - 34);
    return PieGeometry::outsideLabels(arcs(), m_slices, sliceShares(m_slices), pieRect(), bounds,
                                      owner()->font());
}

int MOXQOpenGLPieChartImpl::sliceAt(const QPointF& point) const
{
    return hitTest(arcs(), pieRect(), m_innerRadius, point);
}

void MOXQOpenGLPieChartImpl::paint(QPainter& painter)
{
    const ChartTheme& theme = owner()->chartTheme();
    const QSize size = owner()->size();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), size), owner()->effectiveBackgroundColor());
    ChartCartesian::paintTitle(painter, QRectF(0, 10, size.width(), 24),
                               Qt::AlignHCenter | Qt::AlignTop, m_title, theme, painter.font());

    const QRectF pie = pieRect();
    const bool hasPie = pie.width() > 0;
    const QVector<SliceArc> sliceArcList = arcs();
    if (hasPie) {
        painter.setPen(Qt::NoPen);
        for (const SliceArc& arc : sliceArcList) {
            if (!(arc.span > 0)) continue;
            const bool hovered = m_hoverActive && arc.slice == m_hoverIndex;
            painter.setBrush(hovered ? arc.color.lighter(115) : arc.color);
            painter.drawPie(pie, int(std::lround((90.0 - arc.start) * 16)),
                            int(std::lround(-arc.span * 16)));
        }
        if (m_innerRadius > 0) {
            const double d = pie.width() * m_innerRadius;
            const QRectF hole(pie.center().x() - d / 2, pie.center().y() - d / 2, d, d);
            painter.setBrush(theme.plotArea);
            // A partial ring keeps its hole inside the swept range; a whole disc would show
            // as a blob below a half ring wherever the plot-area colour differs from the
            // background.
            if (m_sweep >= 360.0)
                painter.drawEllipse(hole);
            else
                painter.drawPie(hole, int(std::lround((90.0 - m_startAngle) * 16)),
                                int(std::lround(-m_sweep * 16)));
        }
    }

    QFont small = painter.font();
    small.setPixelSize(11);
    if (hasPie && m_outsideLabels && !sliceArcList.isEmpty()) {
        painter.setFont(small);
        for (const PieLabel& label : labels()) {
            painter.setPen(QPen(label.color.darker(110), 1.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(label.inner, label.elbow);
            painter.drawLine(label.elbow, label.anchor);
            painter.setPen(theme.axisLabel);
            const Qt::Alignment align = label.rightSide ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(label.box, int(align | Qt::AlignVCenter), label.text);
        }
    }

    small.setWeight(50);
    painter.setFont(small);
    for (const ChartCartesian::LegendItem& item : legendItems()) {
        const QRectF& r = item.rect;
        painter.setPen(Qt::NoPen);
        painter.setBrush(item.visible ? item.color : item.color.lighter(160));
        painter.drawEllipse(QRectF(r.x(), r.y() + 3, 12, 12));
        const double value = item.series < m_slices.size() ? m_slices.at(item.series).value : 0;
        painter.setPen(item.visible ? theme.axisLabel : theme.axisLabel.lighter(145));
        painter.drawText(QRectF(r.x() + 18, r.y(), r.width() - 18, 18),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1  %2").arg(item.name, formatChartNumber(value)));
    }
    painter.restore();
    owner()->paintTooltip(painter);
}

bool MOXQOpenGLPieChartImpl::hoverAt(const QPoint& pos)
{
    if (m_tooltipTrigger == TooltipNone) return clearHover();
    const int hit = sliceAt(pos);
    if (hit < 0 || hit >= m_slices.size()) return clearHover();
    const bool changed = !(m_hoverActive && m_hoverIndex == hit && m_hoverPos == pos);
    m_hoverActive = true;
    m_hoverIndex = hit;
    m_hoverPos = pos;
    if (m_tooltipVisible)
        owner()->showTooltip(pos, tooltipText(m_slices.at(hit), sliceShares(m_slices).at(hit)));
    else
        owner()->hideTooltip();
    return changed;
}

bool MOXQOpenGLPieChartImpl::toggleLegendAt(const QPoint& pos)
{
    const int index = ChartCartesian::legendHit(legendItems(), pos);
    if (index < 0 || index >= m_slices.size()) return false;
    m_slices[index].visible = !m_slices.at(index).visible;
    clearHover();
    owner()->hideTooltip();
    owner()->update();
    return true;
}

bool MOXQOpenGLPieChartImpl::clearHover()
{
    const bool wasHovering = m_hoverActive || m_hoverIndex >= 0;
    m_hoverActive = false;
    m_hoverIndex = -1;
    owner()->hideTooltip();
    return wasHovering;
}

} // namespace MOXQtLib
