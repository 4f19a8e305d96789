#pragma once

// The library's proxy style. It changes only the slider handle of MOXQSlider controls: its
// length and size come from the slider, and it is centred across the groove.

#include <QProxyStyle>
#include <QRect>
#include <QSize>

namespace MOXQtLib {

// What the style asks a library slider; MOXQSlider implements it.
class IMOXSliderThumb
{
public:
    virtual ~IMOXSliderThumb() = default;
    virtual int getSliderLength() const = 0;
    virtual QSize getThumbBtnSize() const = 0;
};

class CScrollBarStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CScrollBarStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;

    // The handle `computed` resized to `thumb` and centred across a widget of `widgetSize`;
    // its position along the groove is kept.
    static QRect centredSliderHandle(const QRect& computed, const QSize& thumb,
                                     const QSize& widgetSize, bool vertical);
};

} // namespace MOXQtLib
