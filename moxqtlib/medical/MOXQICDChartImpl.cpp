#include "MOXQICDChartImpl.h"

#include <QPainter>

namespace MOXQtLib {

MOXQICDChartImpl::MOXQICDChartImpl(QWidget* owner, const QString& name)
    : MOXQSweepChartImpl(owner, name, 1.0f)
{
}

void MOXQICDChartImpl::paintSweep(QPainter& painter, const QSize& size) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(tracePen());
    if (m_type == MOXQtICDWave)
        drawTrace(painter);
    else if (m_type == MOXQtICDReferenceLine)
        painter.drawLine(QPointF(0, kReferenceLineY), QPointF(size.width(), kReferenceLineY));
    painter.restore();
    drawPreviousSweep(painter, size);
}

} // namespace MOXQtLib
