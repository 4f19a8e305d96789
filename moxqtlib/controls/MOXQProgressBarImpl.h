#pragma once

// The progress bar's look: a background, a foreground that grows with the value (as a bar, or
// as a circular sector in circle mode) and an optional "value%" text.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "TextStyleDesc.h"

#include <QPolygonF>
#include <QSize>

class QProgressBar;

namespace MOXQtLib {

class MOXQProgressBarImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQProgressBarImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;

    // One look each: the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    void setForeground(int state, const FillStyle& style);
    const FillStyle& getForeground(int) const { return m_foreground; }
    void setTextStyle(const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle() const { return m_textStyle; }
    void setShowText(bool show);
    bool getShowText() const { return m_showText; }

    void setCircleProgressBar(bool circle);
    bool isCircleProgressBar() const { return m_circle; }
    // Kept when 0 <= start < end; a span above one turn is cut to 360 degrees.
    void setCircleAngleRange(int start, int end);
    void getCircleAngleRange(int& start, int& end) const;

    // The bar's value. NaN, infinities and values outside the range keep the value it has.
    int getValue() const;
    void setValue(double value);

    // How much of the bar is filled, in [0, 1]: 0 for an empty or inverted range and for a
    // value below the minimum (QProgressBar's "no value yet").
    static double fraction(int value, int minimum, int maximum);
    // The sector of a circle-mode bar of `size` filled to `fraction`, angles in degrees with
    // 0 pointing down and growing clockwise; empty when nothing is filled.
    static QPolygonF sector(const QSize& size, double fraction, int startAngle, int endAngle);
    // What the bar shows as its text; empty while it has no value.
    QString valueText() const;

private:
    QProgressBar* bar() const;

    bool m_circle = false;
    int m_startAngle = 0;
    int m_endAngle = 360;
    bool m_showText = false;
    TextStyleDesc m_textStyle;
    FillStyle m_background;
    FillStyle m_foreground;
};

} // namespace MOXQtLib
