#include "MOXQSwitchImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QWidget>

#include <algorithm>

namespace MOXQtLib {

namespace {

// Sizes and margins from files stay within what a widget can be, so the thumb's geometry
// never leaves int.
int widgetLength(int value)
{
    return std::clamp(value, 0, QWIDGETSIZE_MAX);
}

} // namespace

MOXQSwitchImpl::MOXQSwitchImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
    connect(&m_animation, &QVariantAnimation::valueChanged, this, &MOXQSwitchImpl::thumbMoved);
    connect(&m_animation, &QVariantAnimation::finished, this, &MOXQSwitchImpl::slideFinished);
}

MOXQSwitchImpl::~MOXQSwitchImpl()
{
    m_animation.disconnect(this);
    m_animation.stop();
}

const MOXKeyTable& MOXQSwitchImpl::keys()
{
    using I = MOXQSwitchImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            s.addFillGroup(i.m_thumbStyles);
            s.addTextGroup(&i.m_leftStyle, 1);
            s.addTextGroup(&i.m_rightStyle, 1);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackgroundStyle, &I::getBackgroundStyle),
        moxStateProperty<I>("Thumb", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setThumbStyle, &I::getThumbStyle),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState,
                            {QStringLiteral("Left"), QStringLiteral("Right")}, &I::setTextStyle,
                            &I::getTextStyle),
        // A theme restyles a switch but never renames its ends or moves its thumb. A text left
        // out keeps its value, so an empty one is written as "".
        moxKey<I>("leftText", &I::getLeftText, &I::setLeftText)
            .content()
            .always()
            .property("LeftText", PropertyDef::Text),
        moxKey<I>("rightText", &I::getRightText, &I::setRightText)
            .content()
            .always()
            .property("RightText", PropertyDef::Text),
        moxKey<I>("speed", &I::getSpeed, &I::setSpeed)
            .omit(kDefaultSpeed)
            .property("Speed", PropertyDef::Integer),
        moxKey<I>("thumbW", &I::getThumbWidth, &I::setThumbWidth)
            .always()
            .absent(kDefaultThumbSize),
        moxKey<I>("thumbH", &I::getThumbHeight, &I::setThumbHeight)
            .always()
            .absent(kDefaultThumbSize),
        moxProperty<I>("ThumbSize", PropertyDef::Size, &I::getThumbSize, &I::setThumbSize),
        // Written only for the right side, so a file without it puts the thumb on the left.
        moxKey<I>("on", &I::isOn, &I::setOn, moxBoolCodec).content().omit(false).absent(false),
        moxProperty<I>("DefaultIsLeft", PropertyDef::Boolean, &I::getIsSwitchToLeft,
                       &I::setSwitchToLeft),
        moxKey<I>("margin", &I::getMargin, &I::setMargin)
            .omit(kDefaultMargin)
            .property("Margin", PropertyDef::Integer),
    };
    return table;
}

// --- geometry and painting -------------------------------------------------------------------

int MOXQSwitchImpl::thumbTravel(int width) const
{
    return std::max(0, width - 2 * m_margin - m_thumbSize.width());
}

int MOXQSwitchImpl::thumbX(int width) const
{
    const int travel = thumbTravel(width);
    if (m_animating) return std::clamp(m_thumbX, 0, travel);
    return m_switchToLeft ? 0 : travel;
}

QRect MOXQSwitchImpl::thumbRect(const QRect& rect) const
{
    const int width = widgetLength(rect.width());
    return QRect(rect.x() + m_margin + thumbX(width), rect.y() + m_margin, m_thumbSize.width(),
                 m_thumbSize.height());
}

void MOXQSwitchImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
    const QRect thumb = thumbRect(rect);
    drawFillStyle(painter, m_thumbStyles.get(getState()), thumb);
    if (!m_textVisible) return;
    const QRect leftBand(rect.x() + m_margin, thumb.y(), thumb.width(), thumb.height());
    const QRect rightBand(rect.x() + rect.width() - thumb.width(), thumb.y(), thumb.width(),
                          thumb.height());
    if (m_showAllText) {
        // The text under the thumb takes the other end's style.
        drawText(painter, m_leftText, m_switchToLeft ? m_leftStyle : m_rightStyle, leftBand);
        drawText(painter, m_rightText, m_switchToLeft ? m_rightStyle : m_leftStyle, rightBand);
    } else if (m_switchToLeft) {
        drawText(painter, m_rightText, m_rightStyle, rightBand);
    } else {
        drawText(painter, m_leftText, m_leftStyle, leftBand);
    }
}

// --- the slide -------------------------------------------------------------------------------

void MOXQSwitchImpl::pressControl()
{
    MOXQWidgetBaseImpl::pressControl();
    if (m_animating) return;
    const QWidget* owner = getOwner();
    const int travel = thumbTravel(owner ? owner->width() : 0);
    m_animating = true;
    m_thumbX = m_switchToLeft ? 0 : travel;
    m_animation.setStartValue(m_thumbX);
    m_animation.setEndValue(m_switchToLeft ? travel : 0);
    m_animation.setDuration(m_speed);
    m_animation.start();
}

void MOXQSwitchImpl::thumbMoved(const QVariant& value)
{
    m_thumbX = value.toInt();
    updateOwner();
}

void MOXQSwitchImpl::slideFinished()
{
    // A slide cut short by setSwitchToLeft has already given up.
    if (!m_animating) return;
    m_animating = false;
    m_switchToLeft = !m_switchToLeft;
    updateOwner();
}

// --- setters ---------------------------------------------------------------------------------

void MOXQSwitchImpl::setSwitchToLeft(bool left)
{
    if (m_animating) {
        m_animating = false;
        m_animation.stop();
    } else if (left == m_switchToLeft) {
        return;
    }
    m_switchToLeft = left;
    updateOwner();
}

void MOXQSwitchImpl::setLeftText(const QString& text)
{
    storeAndUpdate(m_leftText, text);
}

void MOXQSwitchImpl::setRightText(const QString& text)
{
    storeAndUpdate(m_rightText, text);
}

void MOXQSwitchImpl::setTextStyle(int position, const TextStyleDesc& style)
{
    (position == SwitchPositionLeft ? m_leftStyle : m_rightStyle) = style;
    updateOwner();
}

const TextStyleDesc& MOXQSwitchImpl::getTextStyle(int position) const
{
    return position == SwitchPositionLeft ? m_leftStyle : m_rightStyle;
}

void MOXQSwitchImpl::setThumbSize(const QSize& size)
{
    storeAndUpdate(m_thumbSize, QSize(widgetLength(size.width()), widgetLength(size.height())));
}

void MOXQSwitchImpl::setThumbStyle(int state, const FillStyle& style)
{
    if (m_thumbStyles.set(state, style)) updateOwner();
}

void MOXQSwitchImpl::setBackgroundStyle(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

void MOXQSwitchImpl::setMargin(int margin)
{
    storeAndUpdate(m_margin, widgetLength(margin));
}

void MOXQSwitchImpl::setSpeed(int milliseconds)
{
    storeAndUpdate(m_speed, std::max(0, milliseconds));
}

void MOXQSwitchImpl::setShowAllText(bool show)
{
    storeAndUpdate(m_showAllText, show);
}

void MOXQSwitchImpl::setTextVisible(bool visible)
{
    storeAndUpdate(m_textVisible, visible);
}

} // namespace MOXQtLib
