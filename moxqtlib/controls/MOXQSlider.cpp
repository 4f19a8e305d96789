#include "MOXQSlider.h"

#include <QMouseEvent>

namespace MOXQtLib {

MOXQSlider::MOXQSlider(QWidget* parent, Qt::Orientation orientation)
    : MOXQControl(typeName(), orientation, parent)
{
    // Hover looks need moves without a button.
    setMouseTracking(true);
    // Files leave out a maximum of 100, so that is where a new slider starts.
    setRange(0, 100);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQSlider::getProps()
{
    return moxMakeControlInfo("qtslider", "MOXQSlider", "Slider", "Control Slider", "slider",
                              MOXQSliderImpl::keys());
}

QStyleOptionSlider MOXQSlider::styleOption() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return option;
}

void MOXQSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    impl()->pressAt(event->pos());
}

void MOXQSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    impl()->releaseAt(event->pos());
}

void MOXQSlider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
    impl()->moveAt(event->pos());
}

void MOXQSlider::leaveEvent(QEvent* event)
{
    QSlider::leaveEvent(event);
    impl()->leaveControl();
}

} // namespace MOXQtLib
