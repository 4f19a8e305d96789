#include "MOXQSweepChartImpl.h"

#include <QPainter>
#include <QPolygonF>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

namespace MOXQtLib {

bool isFinitePoint(const QPointF& point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

MOXQSweepChartImpl::MOXQSweepChartImpl(QWidget* owner, const QString& name, float lineWeight)
    : MOXQWidgetBaseImpl(owner, name), m_lineWeight(lineWeight)
{
}

void MOXQSweepChartImpl::addData(float x, float y)
{
    m_points.append(QPointF(x, y));
    if (QWidget* owner = getOwner()) owner->update();
}

void MOXQSweepChartImpl::clearData()
{
    m_points.clear();
}

void MOXQSweepChartImpl::popFront()
{
    if (!m_points.isEmpty()) m_points.removeFirst();
}

void MOXQSweepChartImpl::popBack()
{
    if (!m_points.isEmpty()) m_points.removeLast();
}

QPointF MOXQSweepChartImpl::getAt(int i) const
{
    if (i < 0 || i >= m_points.size()) return QPointF(0, 0);
    return m_points.at(i);
}

void MOXQSweepChartImpl::swapData(const QSize& size, qreal ratio)
{
    m_previous = renderSweep(size, ratio);
}

void MOXQSweepChartImpl::setLineColor(const QColor& start, const QColor& end)
{
    m_lineStart = start;
    m_lineEnd = end;
}

void MOXQSweepChartImpl::setLineWeight(float weight)
{
    if (std::isfinite(weight) && weight >= 0) m_lineWeight = weight;
}

QImage MOXQSweepChartImpl::renderSweep(const QSize& size, qreal ratio) const
{
    if (!std::isfinite(ratio) || ratio <= 0) ratio = 1.0;
    if (size.isEmpty()) return QImage();
    // Device pixels, so that the image lines up with the trace on high-density screens.
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintSweep(painter, size);
    return image;
}

std::optional<QRect> MOXQSweepChartImpl::previousSweepClip(const QVector<QPointF>& points,
                                                           const QSize& size)
{
    if (points.isEmpty()) return std::nullopt;
    const double x = points.last().x();
    // Only a value that fits an int may be truncated to one.
    if (!std::isfinite(x) || x <= double(INT_MIN) - 1.0 || x >= double(INT_MAX) + 1.0)
        return std::nullopt;
    const qint64 left = std::clamp<qint64>(qint64(x) + kSweepGap, 0, size.width());
    return QRect(QPoint(int(left), 0), QPoint(size.width() - 1, size.height() - 1));
}

void MOXQSweepChartImpl::drawControl(QPainter* painter, const QRect&)
{
    if (painter && getOwner()) paintSweep(*painter, getOwner()->size());
}

QPen MOXQSweepChartImpl::tracePen() const
{
    return QPen(QBrush(m_lineStart), m_lineWeight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void MOXQSweepChartImpl::forEachFiniteRun(
    const std::function<void(const QPolygonF& run)>& visit) const
{
    // Samples usually come denser than pixels. Points closer than a fraction of a pixel to the
    // last one kept change nothing visible but make strokes and fills far more expensive.
    constexpr qreal kMinStep = 0.35;
    QPolygonF run;
    run.reserve(m_points.size());
    const int count = m_points.size();
    for (int i = 0; i < count; ++i) {
        const QPointF& point = m_points.at(i);
        if (!isFinitePoint(point)) {
            if (!run.isEmpty()) visit(run);
            run.clear();
            continue;
        }
        const bool lastOfRun = i + 1 == count || !isFinitePoint(m_points.at(i + 1));
        if (!run.isEmpty() && !lastOfRun) {
            const QPointF d = point - run.last();
            if (std::abs(d.x()) < kMinStep && std::abs(d.y()) < kMinStep) continue;
        }
        run.append(point);
    }
    if (!run.isEmpty()) visit(run);
}

void MOXQSweepChartImpl::drawTrace(QPainter& painter) const
{
    forEachFiniteRun([&](const QPolygonF& run) { painter.drawPolyline(run); });
}

void MOXQSweepChartImpl::drawPreviousSweep(QPainter& painter, const QSize& size) const
{
    if (m_previous.isNull()) return;
    const std::optional<QRect> clip = previousSweepClip(m_points, size);
    if (clip && clip->isEmpty()) return;
    painter.save();
    if (clip) painter.setClipRect(*clip);
    painter.drawImage(QPointF(0, 0), m_previous);
    painter.restore();
}

} // namespace MOXQtLib
