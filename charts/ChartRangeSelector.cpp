#include "ChartRangeSelector.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

void ChartRangeSelector::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_start = 0.0;
        m_end = 1.0;
        m_dragMode = None;
    }
}

void ChartRangeSelector::setRange(double start, double end)
{
    if (!std::isfinite(start) || !std::isfinite(end)) return;
    m_start = start;
    m_end = end;
    normalize();
}

void ChartRangeSelector::setItemCount(int count)
{
    m_itemCount = std::max(count, 1);
}

void ChartRangeSelector::setLabelFormatter(std::function<QString(int)> formatter)
{
    m_labelFormatter = std::move(formatter);
}

void ChartRangeSelector::normalize()
{
    m_start = std::clamp(m_start, 0.0, 1.0);
    m_end = std::clamp(m_end, 0.0, 1.0);
    if (m_start > m_end) std::swap(m_start, m_end);
    if (m_end - m_start < m_minimumSpan) {
        if (m_dragMode == LeftHandle) {
            m_start = std::max(m_end - m_minimumSpan, 0.0);
            return;
        }
        m_end = std::min(m_start + m_minimumSpan, 1.0);
        if (m_end - m_start < m_minimumSpan) m_start = std::max(m_end - m_minimumSpan, 0.0);
    }
}

QRectF ChartRangeSelector::layout(const QRectF& plot, double offset) const
{
    if (!m_enabled || m_itemCount < 2) return {};
    return QRectF(plot.left(), plot.bottom() + offset, plot.width(), m_barHeight);
}

QRectF ChartRangeSelector::selectionRect(const QRectF& bar) const
{
    const double x = bar.left() + bar.width() * m_start;
    const double w = std::max(bar.left() + bar.width() * m_end - x, 1.0);
    return QRectF(x, bar.top(), w, bar.height());
}

bool ChartRangeSelector::press(const QPoint& point, const QRectF& bar)
{
    if (bar.isEmpty()) return false;
    const QRectF sel = selectionRect(bar);
    const double top = bar.top() - 6;
    const double h = bar.height() + 12;
    DragMode mode = None;
    if (QRectF(sel.x() - 8, top, 16, h).contains(point))
        mode = LeftHandle;
    else if (QRectF(sel.right() - 8, top, 16, h).contains(point))
        mode = RightHandle;
    else if (QRectF(sel.x(), top, sel.width(), h).contains(point))
        mode = Body;
    if (mode == None) return false;
    m_dragMode = mode;
    m_pressPoint = point;
    m_startAtPress = m_start;
    m_endAtPress = m_end;
    return true;
}

bool ChartRangeSelector::drag(const QPoint& point, const QRectF& bar)
{
    if (m_dragMode == None || bar.isEmpty()) return false;
    const double width = std::max(bar.width(), 1.0);
    const double fraction = std::clamp((point.x() - bar.left()) / width, 0.0, 1.0);
    switch (m_dragMode) {
    case LeftHandle:
        m_start = std::min(fraction, m_end - m_minimumSpan);
        break;
    case RightHandle:
        m_end = std::max(m_start + m_minimumSpan, fraction);
        break;
    case Body: {
        const double d = (point.x() - m_pressPoint.x()) / width;
        const double span = m_endAtPress - m_startAtPress;
        double s = m_startAtPress + d;
        double e = m_endAtPress + d;
        if (s < 0) {
            s = 0;
            e = span;
        }
        if (e > 1) {
            e = 1;
            s = 1 - span;
        }
        m_start = s;
        m_end = e;
        break;
    }
    case None:
        break;
    }
    normalize();
    return true;
}

ChartRangeSelector::IndexRange ChartRangeSelector::visibleRange(int n) const
{
    n = std::max(n, 1);
    if (!m_enabled || n < 2) return {0, n - 1};
    const int first = std::clamp(int(std::floor(m_start * (n - 1))), 0, n - 1);
    const int last = std::max(first, std::min(n - 1, int(std::ceil(m_end * (n - 1)))));
    return {first, last};
}

QString ChartRangeSelector::labelText(int index) const
{
    if (m_labelFormatter) return m_labelFormatter(index);
    if (index >= 0 && index < m_labels.size()) return m_labels.at(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

void ChartRangeSelector::paint(QPainter& painter, const QRectF& bar, bool drawLabels) const
{
    if (bar.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_trackColor);
    painter.drawRoundedRect(bar, m_cornerRadius, m_cornerRadius);

    const QRectF sel = selectionRect(bar);
    painter.setBrush(m_selectionColor);
    painter.drawRoundedRect(sel, m_cornerRadius, m_cornerRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_borderColor, 1.2));
    painter.drawRoundedRect(sel, m_cornerRadius, m_cornerRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_handleColor);
    const double hTop = bar.top() - m_handleOverhang;
    const double hHeight = bar.height() + 2 * m_handleOverhang;
    for (double edge : {sel.left(), sel.right()})
        painter.drawRoundedRect(QRectF(edge - m_handleWidth / 2, hTop, m_handleWidth, hHeight), 3,
                                3);

    if (drawLabels) {
        QFont font = painter.font();
        font.setPixelSize(m_labelPixelSize);
        painter.setFont(font);
        painter.setPen(m_labelColor);
        const IndexRange range = visibleRange(m_itemCount);
        const double y = bar.bottom() + m_labelGap;
        painter.drawText(QRectF(bar.left(), y, 120, m_labelHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, labelText(range.first));
        painter.drawText(QRectF(bar.right() - 120, y, 120, m_labelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, labelText(range.last));
    }
    painter.restore();
}

} // namespace MOXQtLib
