#include "MOXQTreeConerWidget.h"

#include "MOXQTreeViewImpl.h"

namespace MOXQtLib {

MOXQTreeConerWidget::MOXQTreeConerWidget(MOXQTreeViewImpl* impl, QWidget* parent)
    : QWidget(parent), m_impl(impl)
{
}

void MOXQTreeConerWidget::paintEvent(QPaintEvent*)
{
    if (m_impl) m_impl->paintBackground(this);
}

} // namespace MOXQtLib
