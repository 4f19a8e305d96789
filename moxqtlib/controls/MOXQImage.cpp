#include "MOXQImage.h"

namespace MOXQtLib {

MOXQImage::MOXQImage(QWidget* parent) : MOXQControl(typeName(), parent)
{
    connect(impl(), &MOXQImageImpl::movieFinished, this, &MOXQImage::movieFinished);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQImage::getProps()
{
    return moxMakeControlInfo("qtpicture", "MOXQImage", "Image", "Control Image", "picture",
                              MOXQImageImpl::keys());
}

void MOXQImage::mouseReleaseEvent(QMouseEvent* event)
{
    MOXQControl::mouseReleaseEvent(event);
    emit clicked();
}

void MOXQImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    impl()->resizeMovieLabel();
}

} // namespace MOXQtLib
