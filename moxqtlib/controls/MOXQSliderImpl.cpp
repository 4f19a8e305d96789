#include "MOXQSliderImpl.h"

#include "MOXKey.h"
#include "MOXQSlider.h"
#include "MOXQStylePainter.h"

#include <QPainter>
#include <QSlider>
#include <QStyle>

#include <algorithm>

namespace MOXQtLib {

MOXQSliderImpl::MOXQSliderImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQSliderImpl::keys()
{
    using I = MOXQSliderImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            s.addFillGroup(&i.m_foreground, 1);
            s.addGap(1);
            s.addFillGroup(i.m_thumb);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("Foreground", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setForeground, &I::getForeground),
        moxStateProperty<I>("Thumb", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setThumbStyle, &I::getThumbStyle),
        // Orientation, range and value belong to the slider, never to a theme entry.
        moxKey<I>("isHor", &I::getIsHorizontal, &I::setIsHorizontal, moxBoolCodec)
            .content()
            .omit(true)
            .absent(true)
            .property("IsHorizontal", PropertyDef::Boolean),
        moxProperty<I>("ThumbWidth", PropertyDef::Size, &I::getThumbSize, &I::setThumbSize),
        moxKey<I>("thumbW", &I::getThumbWidth, &I::setThumbWidth).omit(20),
        moxKey<I>("thumbH", &I::getThumbHeight, &I::setThumbHeight).omit(20),
        moxKey<I>("channelSize", &I::getChannelHeight, &I::setChannelHeight).omit(10),
        // Maximum before minimum, as files expect.
        moxKey<I>("max", &I::getMaximum, &I::setMaximum)
            .content()
            .omit(100)
            .property("MaxValue", PropertyDef::Integer),
        moxKey<I>("min", &I::getMinimum, &I::setMinimum)
            .content()
            .property("MinValue", PropertyDef::Integer),
        moxKey<I>("val", &I::getValue, &I::setValue)
            .content()
            .absent(0)
            .property("Value", PropertyDef::Integer),
    };
    return table;
}

QSlider* MOXQSliderImpl::slider() const
{
    return ownerAs<QSlider>();
}

double MOXQSliderImpl::fraction(int value, int minimum, int maximum)
{
    // In double: max - min overflows int for the widest ranges.
    const double span = maximum > minimum ? double(maximum) - minimum : 100.0;
    return std::clamp((double(value) - minimum) / span, 0.0, 1.0);
}

QRect MOXQSliderImpl::channelRect(const QRect& rect, int channelHeight, bool horizontal)
{
    if (horizontal)
        return QRect(rect.x(), rect.y() + (rect.height() - channelHeight + 1) / 2, rect.width(),
                     channelHeight);
    return QRect(rect.x() + (rect.width() - channelHeight + 1) / 2, rect.y(), channelHeight,
                 rect.height());
}

QRect MOXQSliderImpl::filledRect(const QRect& channel, double fraction, bool horizontal)
{
    if (horizontal)
        return QRect(channel.x(), channel.y(), int(fraction * channel.width()), channel.height());
    const int filled = int(fraction * channel.height());
    return QRect(channel.x(), channel.y() + channel.height() - filled, channel.width(), filled);
}

void MOXQSliderImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QSlider* s = slider();
    if (!s) return;
    const bool horizontal = s->orientation() == Qt::Horizontal;
    const QRect channel = channelRect(rect, m_channelHeight, horizontal);
    drawFillStyle(painter, m_background, channel);
    const QRect filled =
        filledRect(channel, fraction(s->value(), s->minimum(), s->maximum()), horizontal);
    if (!filled.isEmpty()) drawFillStyle(painter, m_foreground, filled);
    drawFillStyle(painter, m_thumb.get(getState()), getThumbRect());
}

QRect MOXQSliderImpl::getThumbRect() const
{
    const auto* s = qobject_cast<const MOXQSlider*>(getOwner());
    if (!s) return QRect();
    const QStyleOptionSlider option = s->styleOption();
    return s->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, s);
}

int MOXQSliderImpl::getSliderLength() const
{
    return getIsHorizontal() ? m_thumbWidth : m_thumbHeight;
}

void MOXQSliderImpl::setThumbState(CtrlState state)
{
    if (getState() == state) return;
    setState(state);
    updateOwner();
}

void MOXQSliderImpl::moveAt(const QPoint& pos)
{
    setHovered(true);
    if (getState() == CtrlStatePressed) return;
    setThumbState(getThumbRect().contains(pos) ? CtrlStateHot : CtrlStateNormal);
}

void MOXQSliderImpl::pressAt(const QPoint& pos)
{
    if (getThumbRect().contains(pos)) setThumbState(CtrlStatePressed);
}

void MOXQSliderImpl::releaseAt(const QPoint& pos)
{
    setThumbState(getThumbRect().contains(pos) ? CtrlStateHot : CtrlStateNormal);
}

void MOXQSliderImpl::leaveControl()
{
    setHovered(false);
    setThumbState(CtrlStateNormal);
}

void MOXQSliderImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

void MOXQSliderImpl::setForeground(int, const FillStyle& style)
{
    m_foreground = style;
    updateOwner();
}

void MOXQSliderImpl::setThumbStyle(int state, const FillStyle& style)
{
    if (m_thumb.set(state, style)) updateOwner();
}

void MOXQSliderImpl::setChannelHeight(int height)
{
    storeAndUpdate(m_channelHeight, std::max(height, 0));
}

void MOXQSliderImpl::setThumbSize(const QSize& size)
{
    const int w = std::max(size.width(), 0);
    const int h = std::max(size.height(), 0);
    if (w == m_thumbWidth && h == m_thumbHeight) return;
    m_thumbWidth = w;
    m_thumbHeight = h;
    if (QWidget* owner = getOwner()) owner->updateGeometry();
    updateOwner();
}

void MOXQSliderImpl::setIsHorizontal(bool horizontal)
{
    if (QSlider* s = slider()) s->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
}

bool MOXQSliderImpl::getIsHorizontal() const
{
    const QSlider* s = slider();
    return !s || s->orientation() == Qt::Horizontal;
}

void MOXQSliderImpl::setMaximum(int maximum)
{
    if (QSlider* s = slider()) s->setMaximum(maximum);
}

int MOXQSliderImpl::getMaximum() const
{
    const QSlider* s = slider();
    return s ? s->maximum() : 100;
}

void MOXQSliderImpl::setMinimum(int minimum)
{
    if (QSlider* s = slider()) s->setMinimum(minimum);
}

int MOXQSliderImpl::getMinimum() const
{
    const QSlider* s = slider();
    return s ? s->minimum() : 0;
}

void MOXQSliderImpl::setValue(int value)
{
    if (QSlider* s = slider()) s->setValue(value);
}

int MOXQSliderImpl::getValue() const
{
    const QSlider* s = slider();
    return s ? s->value() : 0;
}

} // namespace MOXQtLib
