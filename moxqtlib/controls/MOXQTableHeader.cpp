#include "MOXQTableHeader.h"

#include "MOXQStylePainter.h"
#include "MOXQTableViewImpl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace MOXQtLib {

MOXQTableHeader::MOXQTableHeader(MOXQTableViewImpl* impl, Qt::Orientation orientation,
                                 QWidget* parent)
    : QHeaderView(orientation, parent), m_impl(impl)
{
}

void MOXQTableHeader::paintEvent(QPaintEvent* event)
{
    if (!m_impl) return;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const bool horizontal = orientation() == Qt::Horizontal;
    drawFillStyle(&painter, m_impl->getHeaderBackground(isEnabled() ? 0 : 3), viewport()->rect());
    if (count() < 1) return;
    // Only the sections the event exposes.
    int first = visualIndexAt(horizontal ? area.left() : area.top());
    int last = visualIndexAt(horizontal ? area.right() : area.bottom());
    if (first < 0) first = 0;
    if (last < 0) last = count() - 1;
    for (int visual = first; visual <= last; ++visual) {
        const int logical = logicalIndex(visual);
        if (logical < 0 || isSectionHidden(logical)) continue;
        const int pos = sectionViewportPosition(logical);
        const QRect section = horizontal ? QRect(pos, 0, sectionSize(logical), height())
                                         : QRect(0, pos, width(), sectionSize(logical));
        m_impl->paintHeaderSection(&painter, section, logical, orientation());
    }
}

void MOXQTableHeader::mousePressEvent(QMouseEvent* event)
{
    if (m_impl && orientation() == Qt::Horizontal && event->button() == Qt::LeftButton)
        m_impl->pressHeader(event->pos());
    QHeaderView::mousePressEvent(event);
}

} // namespace MOXQtLib
