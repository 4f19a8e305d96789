#include "MOXQViewport.h"

#include "MOXQTableViewImpl.h"

#include <QPaintEvent>

namespace MOXQtLib {

MOXQViewport::MOXQViewport(MOXQTableViewImpl* impl, QWidget* parent)
    : QWidget(parent), m_impl(impl)
{
}

void MOXQViewport::paintEvent(QPaintEvent* event)
{
    if (m_impl) m_impl->paintViewport(this, event->rect());
}

} // namespace MOXQtLib
