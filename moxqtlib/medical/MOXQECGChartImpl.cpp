#include "MOXQECGChartImpl.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace MOXQtLib {

MOXQECGChartImpl::MOXQECGChartImpl(QWidget* owner, const QString& name)
    : MOXQSweepChartImpl(owner, name, 3.0f)
{
}

void MOXQECGChartImpl::enableFillColor(bool below, bool above)
{
    m_fillBelow = below;
    m_fillAbove = above;
}

void MOXQECGChartImpl::setBelowFillColor(const QColor& start, const QColor& end)
{
    m_belowStart = start;
    m_belowEnd = end;
}

void MOXQECGChartImpl::setAboveFillColor(const QColor& start, const QColor& end)
{
    m_aboveStart = start;
    m_aboveEnd = end;
}

void MOXQECGChartImpl::paintSweep(QPainter& painter, const QSize& size) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(tracePen());
    painter.setBrush(Qt::NoBrush);
    drawTrace(painter);
    // Painted after the trace, each fill covers the part of the pen on its side.
    if (m_fillBelow) drawFill(painter, size, true);
    if (m_fillAbove) drawFill(painter, size, false);
    painter.restore();
    drawPreviousSweep(painter, size);
}

void MOXQECGChartImpl::drawFill(QPainter& painter, const QSize& size, bool below) const
{
    // A fill needs an area: with one or two points there is only the line.
    if (std::count_if(points().begin(), points().end(), isFinitePoint) < 3) return;
    const qreal edge = below ? size.height() : 0;
    // A polygon rather than a path: far cheaper to fill with thousands of points.
    QPolygonF area;
    area.reserve(points().size() + 2);
    area.append(QPointF(0, edge));
    forEachFiniteRun([&](const QPolygonF& run) { area << run; });
    area.append(QPointF(area.last().x(), edge));

    // An invalid colour stands for no colour rather than for black.
    auto stop = [](const QColor& c) { return c.isValid() ? c : QColor(Qt::transparent); };
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, stop(below ? m_belowStart : m_aboveStart));
    gradient.setColorAt(1, stop(below ? m_belowEnd : m_aboveEnd));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPolygon(area);
}

} // namespace MOXQtLib
