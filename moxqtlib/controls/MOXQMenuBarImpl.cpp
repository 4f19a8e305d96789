#include "MOXQMenuBarImpl.h"

#include "MOXKey.h"
#include "MOXQMenu.h"
#include "MOXQStylePainter.h"

#include <QAction>
#include <QMenuBar>
#include <QPainter>

namespace MOXQtLib {

namespace {

// Menus the bar made from titles; it deletes them when the titles are replaced.
const char* const kTitleMenu = "mox_menubar_title_menu";

// An action's text without its mnemonic markers ("&File" shows "File", "&&" one "&").
QString captionOf(const QString& text)
{
    QString caption;
    caption.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        caption += text[i];
    }
    return caption;
}

} // namespace

MOXQMenuBarImpl::MOXQMenuBarImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQMenuBarImpl::keys()
{
    using I = MOXQMenuBarImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addFillGroup(i.m_itemBackgrounds);
            s.addTextGroup(i.m_textStyles);
            s.addFillGroup(i.m_popupItemBackgrounds, &i.m_popupBackground);
            // One slot per state: an entry for the first one styles only Normal, so each
            // state reads back as it was written.
            for (int state = 0; state < kMoxStateCount; ++state)
                s.addTextGroup(i.m_popupTextStyles.data() + state, 1);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("ItemBackground", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxStateProperty<I>("ItemTextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setTextStyle, &I::getTextStyle),
        moxStateProperty<I>("PopupBackground", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setPopupBackground, &I::getPopupBackground),
        moxStateProperty<I>("PopupItemBackground", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setPopupItemBackground, &I::getPopupItemBackground),
        moxStateProperty<I>("PopupItemTextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setPopupTextStyle, &I::getPopupTextStyle),
        moxKey<I>("menus", &I::getMenuTitles, &I::setMenuTitles).content(),
    };
    return table;
}

QMenuBar* MOXQMenuBarImpl::bar() const
{
    return ownerAs<QMenuBar>();
}

// --- painting ----------------------------------------------------------------------------------

void MOXQMenuBarImpl::drawControl(QPainter* painter, const QRect& rect)
{
    QMenuBar* b = bar();
    if (!b) return;
    drawFillStyle(painter, m_background, rect);
    const QList<QAction*> actions = b->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        const QRect geometry = b->actionGeometry(action);
        if (geometry.isEmpty() || action->isSeparator()) continue;
        const QRect cell(geometry.left(), geometry.top(), geometry.width(),
                         std::max(rect.bottom() - geometry.top() + 1, 0));
        const int state = !action->isEnabled() || !b->isEnabled() ? CtrlStateDisable
                          : i == m_pressed                        ? CtrlStatePressed
                          : i == m_hovered                        ? CtrlStateHot
                                                                  : CtrlStateNormal;
        drawFillStyle(painter, m_itemBackgrounds.get(state), cell);
        drawText(painter, captionOf(action->text()), m_textStyles.get(state), cell);
    }
}

// --- mouse ------------------------------------------------------------------------------------

int MOXQMenuBarImpl::itemAt(const QPoint& pos) const
{
    const QMenuBar* b = bar();
    if (!b) return -1;
    const QList<QAction*> actions = b->actions();
    for (int i = 0; i < actions.size(); ++i)
        if (b->actionGeometry(actions[i]).contains(pos)) return i;
    return -1;
}

int MOXQMenuBarImpl::indexOfMenu(const QMenu* menu) const
{
    const QMenuBar* b = bar();
    if (!b || !menu) return -1;
    const QList<QAction*> actions = b->actions();
    for (int i = 0; i < actions.size(); ++i)
        if (actions[i]->menu() == menu) return i;
    return -1;
}

void MOXQMenuBarImpl::moveControl(const QPoint& pos)
{
    storeAndUpdate(m_hovered, itemAt(pos));
}

void MOXQMenuBarImpl::leaveControl()
{
    setHovered(false);
    storeAndUpdate(m_hovered, -1);
}

void MOXQMenuBarImpl::pressAt(const QPoint& pos)
{
    const QMenuBar* b = bar();
    const int index = itemAt(pos);
    if (index >= 0 && b && !b->actions().at(index)->isEnabled()) return;
    storeAndUpdate(m_pressed, index);
}

void MOXQMenuBarImpl::releaseControl()
{
    storeAndUpdate(m_pressed, -1);
}

void MOXQMenuBarImpl::popupShown(const QMenu* menu)
{
    const int index = indexOfMenu(menu);
    if (index >= 0) storeAndUpdate(m_pressed, index);
}

void MOXQMenuBarImpl::popupHidden(const QMenu* menu)
{
    const int index = indexOfMenu(menu);
    if (index >= 0 && index == m_pressed) storeAndUpdate(m_pressed, -1);
}

// --- looks ------------------------------------------------------------------------------------

void MOXQMenuBarImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

void MOXQMenuBarImpl::setPopupBackground(int, const FillStyle& style)
{
    m_popupBackground = style;
    stylePopups();
}

void MOXQMenuBarImpl::setItemBackground(int state, const FillStyle& style)
{
    if (m_itemBackgrounds.set(state, style)) updateOwner();
}

void MOXQMenuBarImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (!m_textStyles.set(state, style)) return;
    if (state == CtrlStateNormal || state == kMoxAllStates) applyFont();
    updateOwner();
}

void MOXQMenuBarImpl::setPopupItemBackground(int state, const FillStyle& style)
{
    if (m_popupItemBackgrounds.set(state, style)) stylePopups();
}

void MOXQMenuBarImpl::setPopupTextStyle(int state, const TextStyleDesc& style)
{
    if (m_popupTextStyles.set(state, style)) stylePopups();
}

void MOXQMenuBarImpl::applyFont()
{
    QMenuBar* b = bar();
    if (!b) return;
    // One pixel larger than the caption, so Qt's item cells hold the caption drawn in them.
    QFont font = textStyleFont(m_textStyles.get(CtrlStateNormal));
    font.setPixelSize(std::max(m_textStyles.get(CtrlStateNormal).size, 0) + 1);
    b->setFont(font);
}

void MOXQMenuBarImpl::keysRead()
{
    applyFont();
    stylePopups();
    updateOwner();
}

void MOXQMenuBarImpl::stylePopup(MOXQMenu* menu) const
{
    if (!menu) return;
    MOXQMenuImpl* d = menu->impl();
    // Only what the bar names: a menu keeps the looks its own file gave it otherwise.
    if (!m_popupBackground.name.isEmpty()) d->background = m_popupBackground.name;
    for (int state = 0; state < kMoxStateCount; ++state) {
        const QString item = m_popupItemBackgrounds.get(state).name;
        const QString text = m_popupTextStyles.get(state).name;
        if (!item.isEmpty()) d->itemStyles[state] = item;
        if (!text.isEmpty()) d->textStyles[state] = text;
    }
    menu->propagateStyles();
    menu->update();
}

void MOXQMenuBarImpl::stylePopups() const
{
    if (const QMenuBar* b = bar())
        for (QAction* action : b->actions())
            stylePopup(qobject_cast<MOXQMenu*>(action->menu()));
}

// --- titles -----------------------------------------------------------------------------------

QStringList MOXQMenuBarImpl::getMenuTitles() const
{
    QStringList titles;
    if (const QMenuBar* b = bar())
        for (const QAction* action : b->actions())
            if (!action->isSeparator()) titles << action->text();
    return titles;
}

void MOXQMenuBarImpl::setMenuTitles(const QStringList& titles)
{
    QMenuBar* b = bar();
    if (!b || titles == getMenuTitles()) return;
    b->clear();
    for (MOXQMenu* made : b->findChildren<MOXQMenu*>(QString(), Qt::FindDirectChildrenOnly))
        if (made->property(kTitleMenu).toBool()) delete made;
    m_hovered = m_pressed = -1;
    for (const QString& title : titles) {
        auto* menu = new MOXQMenu(title, b);
        menu->setProperty(kTitleMenu, true);
        b->addMenu(menu);
    }
    updateOwner();
}

} // namespace MOXQtLib
