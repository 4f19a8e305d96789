#include "MOXQEditLookImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace MOXQtLib {

MOXQEditLookImpl::MOXQEditLookImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

std::vector<MOXKeyDecl> MOXQEditLookImpl::lookProperties()
{
    using I = MOXQEditLookImpl;
    return {moxStateProperty<I>("Background", PropertyDef::FillStylePerState, moxFourStates(),
                                &I::setBackground, &I::getBackground),
            moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                                &I::setTextStyle, &I::getTextStyle),
            moxStateProperty<I>("PlaceholderStyle", PropertyDef::TextStylePerState,
                                {QStringLiteral("Normal")}, &I::setPlaceholderTextStyle,
                                &I::getPlaceholderTextStyle)};
}

std::vector<MOXKeyDecl> MOXQEditLookImpl::marginKeys()
{
    using I = MOXQEditLookImpl;
    // Pages set margins per field; a theme entry then changes only those it names.
    auto margin = [](const char* key, int (QMargins::*get)() const, void (QMargins::*set)(int)) {
        return MOXKeyDecl(moxKey<I>(
                              key, [get](const I& i) { return (i.margins().*get)(); },
                              [set](I& i, int v) {
                                  QMargins m = i.margins();
                                  (m.*set)(v);
                                  i.setMargins(m);
                              })
                              .ownThenTheme());
    };
    return {margin("leftMargin", &QMargins::left, &QMargins::setLeft),
            margin("rightMargin", &QMargins::right, &QMargins::setRight),
            margin("topMargin", &QMargins::top, &QMargins::setTop),
            margin("bottomMargin", &QMargins::bottom, &QMargins::setBottom),
            // Left, top, right, bottom, as every margins entry (setEditMargin takes top,
            // bottom, left, right).
            moxProperty<I>(
                "Margin", PropertyDef::Margins,
                [](const I& i) {
                    const QMargins m = i.margins();
                    return QVariantList{m.left(), m.top(), m.right(), m.bottom()};
                },
                [](I& i, const QVariantList& m) {
                    if (m.size() == 4)
                        i.setEditMargin(m[1].toInt(), m[3].toInt(), m[0].toInt(), m[2].toInt());
                })};
}

void MOXQEditLookImpl::addStateSlots(MOXStyleSlots& styleSlots)
{
    styleSlots.addFillGroup(m_backgrounds);
    styleSlots.addTextGroup(m_textStyles);
}

// --- painting ---------------------------------------------------------------------------------

QRect MOXQEditLookImpl::placeholderRect(const QSize& size, const QMargins& margins)
{
    return QRect(QPoint(0, 0), size).marginsRemoved(margins);
}

void MOXQEditLookImpl::drawLook(QPainter* painter, const QRect& rect, bool empty)
{
    if (getState() == CtrlStateHot) setState(CtrlStateNormal);
    drawFillStyle(painter, m_backgrounds.get(getState()), rect);
    if (!empty || m_placeholder.isEmpty()) return;
    const QRect r = placeholderRect(rect.size(), margins()).translated(rect.topLeft());
    if (r.width() > 0 && r.height() > 0)
        drawText(painter, m_placeholder, m_placeholderStyle, r.x(), r.y(), r.width(), r.height());
}

void MOXQEditLookImpl::applyStateTextStyle()
{
    QWidget* w = getOwner();
    if (!w) return;
    const TextStyleDesc& style = m_textStyles.get(getState());
    // Only real changes: setting a font or palette schedules another paint.
    const QFont font = textStyleFont(style);
    if (w->font() != font) w->setFont(font);
    QPalette palette = w->palette();
    palette.setColor(QPalette::All, QPalette::Text, style.color);
    if (palette != w->palette()) w->setPalette(palette);
}

void MOXQEditLookImpl::resizeControl()
{
    const CtrlState state = getState();
    setState(CtrlStateNormal);
    applyStateTextStyle();
    setState(state);
}

void MOXQEditLookImpl::keysRead()
{
    applyStateTextStyle();
    updateOwner();
}

// --- state -------------------------------------------------------------------------------------

void MOXQEditLookImpl::enterControl()
{
    setHovered(true);
    const QWidget* owner = getOwner();
    if (owner && owner->hasFocus()) return;
    setState(CtrlStateHot);
    updateOwner();
}

void MOXQEditLookImpl::leaveControl()
{
    setHovered(false);
    const QWidget* owner = getOwner();
    if (owner && owner->hasFocus()) return;
    setState(CtrlStateNormal);
    updateOwner();
}

void MOXQEditLookImpl::focusControl(bool in)
{
    setState(in ? CtrlStatePressed : CtrlStateNormal);
    updateOwner();
}

// --- setters ---------------------------------------------------------------------------------

void MOXQEditLookImpl::setBackground(int state, const FillStyle& style)
{
    if (m_backgrounds.set(state, style)) updateOwner();
}

void MOXQEditLookImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (!m_textStyles.set(state, style)) return;
    applyStateTextStyle();
    updateOwner();
}

void MOXQEditLookImpl::setPlaceholderTextStyle(int, const TextStyleDesc& style)
{
    m_placeholderStyle = style;
    updateOwner();
}

void MOXQEditLookImpl::setPlaceholderText(const QString& text)
{
    storeAndUpdate(m_placeholder, text);
}

QMargins MOXQEditLookImpl::margins() const
{
    const QWidget* w = getOwner();
    return w ? w->contentsMargins() : QMargins();
}

QMargins MOXQEditLookImpl::clampedMargins(const QMargins& m)
{
    constexpr int kMax = 32767;
    return QMargins(std::clamp(m.left(), 0, kMax), std::clamp(m.top(), 0, kMax),
                    std::clamp(m.right(), 0, kMax), std::clamp(m.bottom(), 0, kMax));
}

void MOXQEditLookImpl::setMargins(const QMargins& m)
{
    QWidget* w = getOwner();
    const QMargins clamped = clampedMargins(m);
    if (!w || w->contentsMargins() == clamped) return;
    w->setContentsMargins(clamped);
    updateOwner();
}

void MOXQEditLookImpl::setEditMargin(int top, int bottom, int left, int right)
{
    setMargins(QMargins(left, top, right, bottom));
}

void MOXQEditLookImpl::getEditMargin(int& top, int& bottom, int& left, int& right) const
{
    const QMargins m = margins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

} // namespace MOXQtLib
