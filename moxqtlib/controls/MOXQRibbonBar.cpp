#include "MOXQRibbonBar.h"

#include "MOXQCheckBox.h"
#include "MOXQComboBox.h"
#include "MOXQLabel.h"
#include "MOXQLineEdit.h"
#include "MOXQProgressBar.h"
#include "MOXQRadioButton.h"
#include "MOXQSpinBox.h"
#include "MOXQSwitch.h"
#include "MOXQTabWidget.h"
#include "MOXRibbonLayout.h"

#include <algorithm>

namespace MOXQtLib {

namespace {

QVector<QSize> sizesOf(const QVector<QWidget*>& items)
{
    QVector<QSize> sizes;
    for (const QWidget* item : items)
        sizes.append(MOXQRibbonGroup::itemSize(item));
    return sizes;
}

// The input controls take the theme entry of their own type inside a ribbon.
bool takesTypeTheme(const QWidget* item)
{
    return qobject_cast<const MOXQComboBox*>(item) || qobject_cast<const MOXQProgressBar*>(item) ||
           qobject_cast<const MOXQCheckBox*>(item) || qobject_cast<const MOXQRadioButton*>(item) ||
           qobject_cast<const MOXQLabel*>(item) || qobject_cast<const MOXQLineEdit*>(item) ||
           qobject_cast<const MOXQSpinBox*>(item) || qobject_cast<const MOXQSwitch*>(item);
}

} // namespace

MOXQRibbonBar::MOXQRibbonBar(QWidget* parent) : MOXQControl(typeName(), parent)
{
    m_tabs = new MOXQTabWidget(this);
    // The bar's own parts: never written under "child", never restyled as a plain strip.
    m_tabs->getControlBase()->setInternal(true);
    m_tabs->impl()->setThemeNameValue(QString());
    m_area = new MOXQRibbonArea(this);
    connect(m_tabs, &MOXQTabWidget::currentChanged, this, &MOXQRibbonBar::tabChosen);
    connect(impl(), &MOXQRibbonBarImpl::minimizedChanged, this, &MOXQRibbonBar::minimizedChanged);
    applyStyles();
    getControlBase()->refreshTheme();
    updateLayout();
}

ControlInfo MOXQRibbonBar::getProps()
{
    return moxMakeControlInfo("qtribbonbar", "MOXQRibbonBar", "RibbonBar",
                              "Windows ribbon style tabbed toolbar", "ribbonbar");
}

// --- pages ------------------------------------------------------------------------------------

void MOXQRibbonBar::selectTab(int index)
{
    if (m_tabs->getSelectedIndex() == index) return;
    const bool guard = std::exchange(m_guard, true);
    m_tabs->setSelectedIndex(index);
    m_guard = guard;
}

MOXQRibbonPage* MOXQRibbonBar::addPage(const QString& name)
{
    MOXQRibbonPage* page = m_area->addPage(name);
    m_tabs->addTab(name);
    if (m_area->currentPage() < 0) {
        m_area->setCurrentPage(0);
        selectTab(0);
        emit currentPageChanged(0);
    }
    updateLayout();
    return page;
}

void MOXQRibbonBar::clearPages()
{
    m_area->clearPages();
    m_tabs->clear();
    updateLayout();
}

bool MOXQRibbonBar::setCurrentPage(int index)
{
    if (index < 0 || index >= m_area->pageCount()) return false;
    if (index == m_area->currentPage()) return true;
    m_area->setCurrentPage(index);
    selectTab(index);
    emit currentPageChanged(index);
    return true;
}

void MOXQRibbonBar::tabChosen(int index)
{
    if (m_guard) return;
    // Another tab switches the page; the current one folds the bar away or back.
    if (index != m_area->currentPage())
        setCurrentPage(index);
    else
        setMinimized(!isMinimized());
}

MOXQRibbonBar* MOXQRibbonBar::barOf(const QWidget* widget)
{
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* bar = qobject_cast<MOXQRibbonBar*>(w)) return bar;
    return nullptr;
}

QVector<QWidget*> MOXQRibbonBar::topBarItems(bool right) const
{
    QVector<QWidget*> alive;
    for (const QPointer<QWidget>& item : right ? m_right : m_left)
        if (item) alive.append(item);
    return alive;
}

void MOXQRibbonBar::clearTopBar()
{
    const QVector<QWidget*> items = topBarItems(false) + topBarItems(true);
    m_left.clear();
    m_right.clear();
    qDeleteAll(items);
}

// --- layout -----------------------------------------------------------------------------------

void MOXQRibbonBar::updateLayout()
{
    if (!m_area || !m_tabs) return;
    const QVector<QWidget*> left = topBarItems(false);
    const QVector<QWidget*> right = topBarItems(true);
    const MOXRibbonStrip strip = moxRibbonStripLayout(width(), tabHeight(), topBarHeight(),
                                                      sizesOf(left), sizesOf(right));
    const bool topBar = topBarHeight() >= 1;
    for (int i = 0; i < left.size(); ++i) {
        left[i]->setGeometry(strip.left[i]);
        left[i]->setVisible(topBar);
    }
    for (int i = 0; i < right.size(); ++i) {
        right[i]->setGeometry(strip.right[i]);
        right[i]->setVisible(topBar);
    }
    static_cast<QWidget*>(m_tabs)->setGeometry(strip.tabs);
    const bool minimized = isMinimized();
    m_area->setGeometry(0, strip.height, width(),
                        minimized ? 0 : std::max(height() - strip.height, 0));
    m_area->setVisible(!minimized);
    m_area->updateLayout();
    update();
}

QSize MOXQRibbonBar::sizeHint() const
{
    const MOXRibbonStrip strip = moxRibbonStripLayout(0, tabHeight(), topBarHeight(), {}, {});
    const MOXQRibbonPage* page = m_area->pageAt(m_area->currentPage());
    return QSize(std::max(page ? page->sizeHint().width() : 0, 320),
                 strip.height + (isMinimized() ? 0 : groupHeight() + 8));
}

void MOXQRibbonBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

// --- looks ------------------------------------------------------------------------------------

void MOXQRibbonBar::applyStyles()
{
    if (!m_area || !m_tabs) return;
    const MOXQRibbonBarImpl* looks = impl();
    m_tabs->setBackground(looks->fillStyle(MOXQRibbonBarImpl::BarBackground));
    m_tabs->setItemSize(tabItemWidth() >= 1 ? tabItemWidth() : std::max(3 * tabHeight(), 76));
    m_tabs->setItemSpace(0);
    m_tabs->setIsHor(true);
    m_tabs->setShowText(true);
    m_tabs->setShowIcon(false);
    for (int state = 0; state < kMoxStateCount; ++state)
        m_tabs->setItemBackground(CtrlState(state),
                                  looks->fillStyle(MOXQRibbonBarImpl::TabItemBackground + state));
    m_tabs->setItemTextStyle(CtrlState(kMoxAllStates), looks->textStyle(MOXQRibbonBarImpl::TabText));
    for (QWidget* item : topBarItems(false) + topBarItems(true))
        styleItem(item);
    for (int p = 0; p < m_area->pageCount(); ++p) {
        const MOXQRibbonPage* page = m_area->pageAt(p);
        for (int g = 0; g < page->getGroupCount(); ++g)
            for (QWidget* item : page->getGroup(g)->items())
                styleItem(item);
    }
    update();
}

void MOXQRibbonBar::styleItem(QWidget* item) const
{
    if (!item || m_building) return;
    const MOXQRibbonBarImpl* looks = impl();
    if (auto* button = qobject_cast<MOXQRibbonPushButton*>(item)) {
        button->setBackground(CtrlState(kMoxAllStates),
                              looks->fillStyle(MOXQRibbonBarImpl::ButtonBackground));
        for (int state = 1; state < kMoxStateCount; ++state)
            button->setBackground(CtrlState(state),
                                  looks->fillStyle(MOXQRibbonBarImpl::ButtonBackground + state));
        button->setTextStyle(CtrlState(kMoxAllStates), looks->textStyle(MOXQRibbonBarImpl::ButtonText));
    } else if (auto* panel = qobject_cast<MOXQRibbonRowPanel*>(item)) {
        for (QWidget* inner : panel->items())
            styleItem(inner);
    } else if (takesTypeTheme(item)) {
        if (IMOXQWidgetBase* control = moxControlOf(item))
            control->setThemeName(control->getTypeName());
        MOXQRibbonGroup::fitItem(item);
    }
}

} // namespace MOXQtLib
