#include "CScrollBarStyle.h"

#include <QStyleOptionSlider>
#include <QWidget>

namespace MOXQtLib {

namespace {

const IMOXSliderThumb* sliderThumb(const QWidget* widget)
{
    return dynamic_cast<const IMOXSliderThumb*>(widget);
}

} // namespace

CScrollBarStyle::CScrollBarStyle() = default;

int CScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (metric == PM_SliderLength)
        if (const IMOXSliderThumb* slider = sliderThumb(widget)) return slider->getSliderLength();
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const
{
    QRect rect = QCommonStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_Slider && subControl == SC_SliderHandle && widget) {
        if (const IMOXSliderThumb* slider = sliderThumb(widget)) {
            const auto* opt = qstyleoption_cast<const QStyleOptionSlider*>(option);
            const bool vertical = opt ? opt->orientation == Qt::Vertical : false;
            rect = centredSliderHandle(rect, slider->getThumbBtnSize(), widget->size(), vertical);
        }
    }
    return rect;
}

QRect CScrollBarStyle::subElementRect(SubElement element, const QStyleOption* option,
                                      const QWidget* widget) const
{
    return QCommonStyle::subElementRect(element, option, widget);
}

QRect CScrollBarStyle::centredSliderHandle(const QRect& computed, const QSize& thumb,
                                           const QSize& widgetSize, bool vertical)
{
    QRect rect(computed.topLeft(), thumb);
    if (vertical)
        rect.moveLeft((widgetSize.width() - thumb.width() + 1) / 2);
    else
        rect.moveTop((widgetSize.height() - thumb.height() + 1) / 2);
    return rect;
}

} // namespace MOXQtLib
