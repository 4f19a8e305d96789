#include "MOXQRibbonBarImpl.h"

#include "MOXKey.h"
#include "MOXQRibbonBar.h"
#include "MOXQStylePainter.h"
#include "MOXRibbonLayout.h"

#include <algorithm>

namespace MOXQtLib {

namespace {

constexpr int kMaxRowCount = 64;

FillStyle fill(QRgb color, QRgb border = 0, int round = 0)
{
    FillStyle style;
    style.fillRes.color = QColor(color);
    if (border) {
        style.fillRes.border = true;
        style.fillRes.borderSize = 1;
        style.fillRes.borderColor = QColor(border);
    }
    style.fillRes.round = round;
    return style;
}

TextStyleDesc text(QRgb color, int size)
{
    TextStyleDesc style;
    style.color = QColor(color);
    style.size = size;
    return style;
}

} // namespace

MOXQRibbonBarImpl::MOXQRibbonBarImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
    m_fills[0] = fill(0xF6F8FB, 0xC2CAD6);
    m_fills[1] = fill(0xFFFFFF, 0xCFD6E0);
    m_fills[2] = fill(0xFAFCFF, 0xD7DDE7, 3);
    m_fills[3] = fill(0xC7CFDA);
    m_tabItems.set(CtrlStateNormal, fill(0xEEF2F8));
    m_tabItems.set(CtrlStateHot, fill(0xE2EEFC, 0x90B7E1, 3));
    m_tabItems.set(CtrlStatePressed, fill(0xFFFFFF, 0x80ABDC, 3));
    m_tabItems.set(CtrlStateDisable, fill(0xEEEEEE));
    m_buttons.set(CtrlStateNormal, fill(0xFFFFFF, 0xD2D8E1, 3));
    m_buttons.set(CtrlStateHot, fill(0xE8F2FF, 0x81AEE2, 3));
    m_buttons.set(CtrlStatePressed, fill(0xCCE2FC, 0x598FD0, 3));
    m_buttons.set(CtrlStateDisable, fill(0xEEEEEE, 0xDCDCDC, 3));
    m_texts[0] = text(0xFF1E2836, 12);
    m_texts[1] = text(0xFF5B6777, 11);
    m_texts[2] = text(0xFF28303C, 11);
    m_texts[3] = text(0xFF262F3D, 12);
}

const MOXKeyTable& MOXQRibbonBarImpl::keys()
{
    using I = MOXQRibbonBarImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            for (FillStyle& style : i.m_fills)
                s.addFillGroup(&style, 1);
            s.addFillGroup(i.m_tabItems);
            s.addFillGroup(i.m_buttons);
            for (TextStyleDesc& style : i.m_texts)
                s.addTextGroup(&style, 1);
        }),
        // Sizes a page may set on the bar itself; a theme entry then changes what it names.
        moxKey<I>("groupHeight", &I::groupHeight, &I::setGroupHeight).ownThenTheme().always(),
        moxKey<I>("groupRowCount", &I::groupRowCount, &I::setGroupRowCount).ownThenTheme().always(),
        moxKey<I>("tabHeight", &I::tabHeight, &I::setTabHeight).ownThenTheme().always(),
        moxKey<I>("tabItemWidth", &I::tabItemWidth, &I::setTabItemWidth).ownThenTheme().always(),
        moxKey<I>("topBarHeight", &I::topBarHeight, &I::setTopBarHeight).ownThenTheme().always(),
        moxKey<I>("minimized", &I::isMinimized, &I::setMinimized, moxBoolCodec).content().always(),
        moxKey<I>("showMenuBar", &I::showMenuBar, &I::setShowMenuBar, moxBoolCodec)
            .content()
            .always(),
        moxKey<I>("configFile", &I::configFile, &I::setConfigFile).content(),
    };
    return table;
}

MOXQRibbonBar* MOXQRibbonBarImpl::bar() const
{
    return ownerAs<MOXQRibbonBar>();
}

void MOXQRibbonBarImpl::relayout()
{
    if (MOXQRibbonBar* b = bar()) b->updateLayout();
}

void MOXQRibbonBarImpl::restyle()
{
    if (MOXQRibbonBar* b = bar()) b->applyStyles();
}

void MOXQRibbonBarImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_fills[BarBackground], rect);
}

void MOXQRibbonBarImpl::changeLanguage()
{
    restyle();
}

void MOXQRibbonBarImpl::keysRead()
{
    restyle();
    relayout();
}

// --- looks ------------------------------------------------------------------------------------

const FillStyle& MOXQRibbonBarImpl::fillStyle(int slot) const
{
    if (slot >= TabItemBackground && slot < ButtonBackground)
        return m_tabItems.get(slot - TabItemBackground);
    if (slot >= ButtonBackground && slot < TabText) return m_buttons.get(slot - ButtonBackground);
    return m_fills[size_t(slot >= 0 && slot < TabItemBackground ? slot : 0)];
}

void MOXQRibbonBarImpl::setFillStyle(int slot, const FillStyle& style)
{
    if (slot < 0 || slot >= TabText) return;
    if (slot >= ButtonBackground)
        m_buttons.set(slot - ButtonBackground, style);
    else if (slot >= TabItemBackground)
        m_tabItems.set(slot - TabItemBackground, style);
    else
        m_fills[size_t(slot)] = style;
    restyle();
}

const TextStyleDesc& MOXQRibbonBarImpl::textStyle(int slot) const
{
    return m_texts[size_t(slot >= TabText && slot <= SpareText ? slot - TabText : 0)];
}

void MOXQRibbonBarImpl::setTextStyle(int slot, const TextStyleDesc& style)
{
    if (slot < TabText || slot > SpareText) return;
    m_texts[size_t(slot - TabText)] = style;
    restyle();
}

// --- settings ---------------------------------------------------------------------------------

void MOXQRibbonBarImpl::setGroupHeight(int height)
{
    height = moxRibbonExtent(height);
    if (height == m_groupHeight) return;
    m_groupHeight = height;
    if (QWidget* owner = getOwner()) owner->updateGeometry();
}

void MOXQRibbonBarImpl::setGroupRowCount(int count)
{
    count = std::min(std::max(count, 1), kMaxRowCount);
    if (count == m_groupRowCount) return;
    m_groupRowCount = count;
    relayout();
}

void MOXQRibbonBarImpl::setTabHeight(int height)
{
    height = moxRibbonExtent(height);
    if (height == m_tabHeight) return;
    m_tabHeight = height;
    restyle();
    relayout();
}

void MOXQRibbonBarImpl::setTabItemWidth(int width)
{
    width = moxRibbonExtent(width);
    if (width == m_tabItemWidth) return;
    m_tabItemWidth = width;
    restyle();
}

void MOXQRibbonBarImpl::setTopBarHeight(int height)
{
    height = moxRibbonExtent(height);
    if (height == m_topBarHeight) return;
    m_topBarHeight = height;
    relayout();
}

void MOXQRibbonBarImpl::setMinimized(bool minimized)
{
    if (minimized == m_minimized) return;
    m_minimized = minimized;
    emit minimizedChanged(minimized);
    relayout();
}

void MOXQRibbonBarImpl::setConfigFile(const QString& path)
{
    if (path == m_configFile) return;
    m_configFile = path;
    if (MOXQRibbonBar* b = bar(); b && !path.isEmpty()) b->loadConfigFile(path);
}

} // namespace MOXQtLib
