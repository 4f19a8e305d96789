#include "MOXQTabWidgetImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QPainter>

#include <climits>

namespace MOXQtLib {

MOXQTabWidgetImpl::MOXQTabWidgetImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQTabWidgetImpl::keys()
{
    using I = MOXQTabWidgetImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addFillGroup(i.m_itemBackgrounds);
            s.addTextGroup(i.m_itemTextStyles);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("ItemBg", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setItemTextStyle, &I::getItemTextStyle),
        // Pages lay each strip out; a theme entry then changes only what it names. An "attr"
        // without "isHor" means side by side.
        moxKey<I>("isHor", &I::getIsHor, &I::setIsHor)
            .ownThenTheme()
            .omit(true)
            .absent(true)
            .property("IsHorizontal", PropertyDef::Boolean),
        moxKey<I>("itemSize", &I::getItemSize, &I::setItemSize)
            .ownThenTheme()
            .omit(50)
            .property("ItemSize", PropertyDef::Integer),
        moxKey<I>("itemSpace", &I::getItemSpace, &I::setItemSpace)
            .ownThenTheme()
            .property("ItemSpace", PropertyDef::Integer),
        moxKey<I>("showText", &I::getShowText, &I::setShowText)
            .ownThenTheme()
            .omit(true)
            .property("ShowText", PropertyDef::Boolean),
        moxKey<I>("hasIcon", &I::getShowIcon, &I::setShowIcon)
            .ownThenTheme()
            .omit(true)
            .property("ShowIcon", PropertyDef::Boolean),
        // The item texts, so pages can fill a strip.
        moxKey<I>("tabs", &I::getTabTexts, &I::setTabTexts).content(),
    };
    return table;
}

QSize MOXQTabWidgetImpl::ownerSize() const
{
    const QWidget* owner = getOwner();
    return owner ? owner->size() : QSize();
}

// --- geometry and painting ---------------------------------------------------------------------

QRect MOXQTabWidgetImpl::itemRect(int index, const QSize& size) const
{
    const qint64 start = qint64(index) * (qint64(m_itemSize) + m_itemSpace);
    if (index < 0 || start < INT_MIN || start > INT_MAX) return QRect();
    if (m_vertical) return QRect(0, int(start), size.width(), m_itemSize);
    return QRect(int(start), 0, m_itemSize, size.height());
}

int MOXQTabWidgetImpl::itemAt(const QPoint& pos, const QSize& size) const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (itemRect(i, size).contains(pos)) return i;
    return -1;
}

void MOXQTabWidgetImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
    for (int i = 0; i < m_items.size(); ++i) {
        const QRect r = itemRect(i, rect.size());
        if (r.isNull() || !r.intersects(rect)) continue;
        const Item& item = m_items[i];
        const int state = i == m_selected ? CtrlStatePressed
                          : i == m_hover  ? CtrlStateHot
                                          : CtrlStateNormal;
        drawFillStyle(painter, m_itemBackgrounds.get(state), r);
        if (m_showText) drawText(painter, item.text, m_itemTextStyles.get(state), r);
        if (m_showIcon)
            drawImage(painter, i == m_selected ? item.selectedIcon : item.icon, m_iconStyle, r);
    }
}

// --- mouse ------------------------------------------------------------------------------------

void MOXQTabWidgetImpl::leaveControl()
{
    setHovered(false);
    m_hover = -1;
    updateOwner();
}

void MOXQTabWidgetImpl::moveControl(const QPoint& pos)
{
    const int index = itemAt(pos, ownerSize());
    if (index < 0 || index == m_hover) return;
    m_hover = index;
    updateOwner();
}

void MOXQTabWidgetImpl::pressAt(const QPoint& pos)
{
    const int index = itemAt(pos, ownerSize());
    if (index < 0) return;
    m_selected = index;
    updateOwner();
    emit currentChanged(index);
}

// --- items ------------------------------------------------------------------------------------

void MOXQTabWidgetImpl::addTab(const QString& text, const QString& icon,
                               const QString& selectedIcon)
{
    m_items.append({icon, selectedIcon.isEmpty() ? icon : selectedIcon, text, QVariant()});
    updateOwner();
}

void MOXQTabWidgetImpl::removeTab(int index)
{
    if (index < 0 || index >= m_items.size()) return;
    m_items.remove(index);
    if (index < m_selected) --m_selected;
    m_selected = std::max(0, std::min(m_selected, int(m_items.size()) - 1));
    if (index == m_hover)
        m_hover = -1;
    else if (index < m_hover)
        --m_hover;
    updateOwner();
}

void MOXQTabWidgetImpl::clear()
{
    m_items.clear();
    m_selected = 0;
    m_hover = -1;
    updateOwner();
}

QString MOXQTabWidgetImpl::getTabText(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].text : QString();
}

bool MOXQTabWidgetImpl::setItemData(int index, const QVariant& data)
{
    if (index < 0 || index >= m_items.size()) return false;
    m_items[index].data = data;
    return true;
}

QVariant MOXQTabWidgetImpl::getItemData(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].data : QVariant();
}

QStringList MOXQTabWidgetImpl::getTabTexts() const
{
    QStringList texts;
    for (const Item& item : m_items)
        texts << item.text;
    return texts;
}

void MOXQTabWidgetImpl::setTabTexts(const QStringList& texts)
{
    if (texts == getTabTexts()) return;
    clear();
    for (const QString& text : texts)
        addTab(text, QString(), QString());
}

// --- setters ---------------------------------------------------------------------------------

void MOXQTabWidgetImpl::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_items.size() || index == m_selected) return;
    m_selected = index;
    updateOwner();
    emit currentChanged(index);
}

void MOXQTabWidgetImpl::setIsHor(bool horizontal)
{
    storeAndUpdate(m_vertical, !horizontal);
}

void MOXQTabWidgetImpl::setItemSize(int size)
{
    storeAndUpdate(m_itemSize, size);
}

void MOXQTabWidgetImpl::setItemSpace(int space)
{
    storeAndUpdate(m_itemSpace, space);
}

void MOXQTabWidgetImpl::setShowText(bool show)
{
    storeAndUpdate(m_showText, show);
}

void MOXQTabWidgetImpl::setShowIcon(bool show)
{
    storeAndUpdate(m_showIcon, show);
}

void MOXQTabWidgetImpl::setIconStyle(const IconStyleDesc& style)
{
    storeAndUpdate(m_iconStyle, style);
}

void MOXQTabWidgetImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

void MOXQTabWidgetImpl::setItemBackground(int state, const FillStyle& style)
{
    if (m_itemBackgrounds.set(state, style)) updateOwner();
}

void MOXQTabWidgetImpl::setItemTextStyle(int state, const TextStyleDesc& style)
{
    if (m_itemTextStyles.set(state, style)) updateOwner();
}

} // namespace MOXQtLib
