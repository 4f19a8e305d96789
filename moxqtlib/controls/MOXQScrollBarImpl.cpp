#include "MOXQScrollBarImpl.h"

#include "MOXKey.h"
#include "MOXQScrollBar.h"
#include "MOXQStylePainter.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace MOXQtLib {

namespace {

const QStyle::SubControl kSubControls[] = {QStyle::SC_ScrollBarSlider, QStyle::SC_ScrollBarSubLine,
                                           QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarGroove};

} // namespace

MOXQScrollBarImpl::MOXQScrollBarImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQScrollBarImpl::keys()
{
    using I = MOXQScrollBarImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            s.addFillGroup(i.m_up);
            s.addFillGroup(i.m_down);
            s.addFillGroup(i.m_thumb);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("UpButton", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setUpButton, &I::getUpButton),
        moxStateProperty<I>("DownButton", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setDownButton, &I::getDownButton),
        moxStateProperty<I>("Thumb", PropertyDef::FillStylePerState, moxFourStates(), &I::setThumb,
                            &I::getThumb),
        moxKey<I>("upicon", &I::getUpIcon, &I::setUpIcon),
        moxKey<I>("downicon", &I::getDownIcon, &I::setDownIcon),
        moxKey<I>("thumbicon", &I::getThumbIcon, &I::setThumbIcon)
            .property("Thumb", PropertyDef::ImagePath),
        // The orientation belongs to the bar, never to a theme entry.
        moxKey<I>("hor", &I::isHorizontal, &I::setHorizontal, moxBoolCodec).content(),
    };
    return table;
}

QScrollBar* MOXQScrollBarImpl::bar() const
{
    return ownerAs<QScrollBar>();
}

QRect MOXQScrollBarImpl::partRect(int part) const
{
    const auto* b = qobject_cast<const MOXQScrollBar*>(getOwner());
    if (!b || part < 0 || part > PartCount) return QRect();
    const QStyleOptionSlider option = b->styleOption();
    return b->style()->subControlRect(QStyle::CC_ScrollBar, &option, kSubControls[part], b);
}

CtrlState MOXQScrollBarImpl::partState(int part) const
{
    return part >= 0 && part < PartCount ? m_states[size_t(part)] : CtrlStateNormal;
}

void MOXQScrollBarImpl::drawControl(QPainter* painter, const QRect&)
{
    const QScrollBar* b = bar();
    if (!b) return;
    const bool disabled = !b->isEnabled();
    auto stateOf = [&](int part) { return disabled ? CtrlStateDisable : m_states[size_t(part)]; };
    drawFillStyle(painter, m_background, partRect(PartCount));

    const QRect thumb = partRect(Thumb);
    drawFillStyle(painter, m_thumb.get(stateOf(Thumb)), thumb);
    if (!m_thumbIcon.isEmpty()) drawImage(painter, m_thumbIcon, IconStyleDesc(), thumb);

    const QRect up = partRect(UpButton);
    drawFillStyle(painter, m_up.get(stateOf(UpButton)), up);
    if (!m_upIcon.isEmpty()) drawImage(painter, m_upIcon, m_upIconStyle, up);

    const QRect down = partRect(DownButton);
    drawFillStyle(painter, m_down.get(stateOf(DownButton)), down);
    if (!m_downIcon.isEmpty()) drawImage(painter, m_downIcon, m_downIconStyle, down);
}

void MOXQScrollBarImpl::setPartState(int part, CtrlState state, bool wholeBar)
{
    CtrlState& current = m_states[size_t(part)];
    if (current == state) return;
    current = state;
    QWidget* owner = getOwner();
    if (!owner) return;
    if (wholeBar)
        owner->update();
    else
        owner->update(partRect(part));
}

void MOXQScrollBarImpl::moveAt(const QPoint& pos)
{
    for (int part = 0; part < PartCount; ++part) {
        const CtrlState state = m_states[size_t(part)];
        if (partRect(part).contains(pos)) {
            if (state != CtrlStateHot && state != CtrlStatePressed)
                setPartState(part, CtrlStateHot);
        } else if (part != Thumb || state != CtrlStatePressed) {
            // A button the cursor slid off lets go of its look; a dragged thumb keeps it.
            setPartState(part, CtrlStateNormal);
        }
    }
}

void MOXQScrollBarImpl::pressAt(const QPoint& pos)
{
    for (int part = 0; part < PartCount; ++part)
        if (partRect(part).contains(pos)) setPartState(part, CtrlStatePressed);
}

void MOXQScrollBarImpl::releaseAt(const QPoint& pos)
{
    // Part rectangles first: a released thumb may have moved under the cursor.
    std::array<bool, PartCount> inside{};
    for (int part = 0; part < PartCount; ++part)
        inside[size_t(part)] = partRect(part).contains(pos);
    for (int part = 0; part < PartCount; ++part)
        setPartState(part, inside[size_t(part)] ? CtrlStateHot : CtrlStateNormal);
}

void MOXQScrollBarImpl::leaveControl()
{
    setHovered(false);
    if (m_states[Thumb] != CtrlStatePressed) setPartState(Thumb, CtrlStateNormal, true);
    setPartState(UpButton, CtrlStateNormal, true);
    setPartState(DownButton, CtrlStateNormal, true);
}

void MOXQScrollBarImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

void MOXQScrollBarImpl::setUpButton(int state, const FillStyle& style)
{
    if (m_up.set(state, style)) updateOwner();
}

void MOXQScrollBarImpl::setDownButton(int state, const FillStyle& style)
{
    if (m_down.set(state, style)) updateOwner();
}

void MOXQScrollBarImpl::setThumb(int state, const FillStyle& style)
{
    if (m_thumb.set(state, style)) updateOwner();
}

void MOXQScrollBarImpl::setButtonIcon(bool up, const QString& path)
{
    storeAndUpdate(up ? m_upIcon : m_downIcon, path);
}

void MOXQScrollBarImpl::setThumbIcon(const QString& path)
{
    storeAndUpdate(m_thumbIcon, path);
}

void MOXQScrollBarImpl::setIconStyle(bool up, const IconStyleDesc& style)
{
    storeAndUpdate(up ? m_upIconStyle : m_downIconStyle, style);
}

void MOXQScrollBarImpl::setWidthHeight(int size)
{
    if (size < 0) size = -1;
    if (size == m_widthHeight) return;
    m_widthHeight = size;
    if (QWidget* owner = getOwner()) owner->updateGeometry();
    updateOwner();
}

void MOXQScrollBarImpl::setHorizontal(bool horizontal)
{
    if (QScrollBar* b = bar()) b->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
}

bool MOXQScrollBarImpl::isHorizontal() const
{
    const QScrollBar* b = bar();
    return b && b->orientation() == Qt::Horizontal;
}

} // namespace MOXQtLib
