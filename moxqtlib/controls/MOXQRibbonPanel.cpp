#include "MOXQRibbonPanel.h"

#include "MOXQRibbonBar.h"
#include "MOXQRibbonGroup.h"
#include "MOXRibbonLayout.h"

#include <algorithm>

namespace MOXQtLib {

MOXQRibbonRowPanel::MOXQRibbonRowPanel(QWidget* parent) : QWidget(parent) {}

MOXQRibbonPushButton* MOXQRibbonRowPanel::addButton(MOX_RIBBON_BUTTON_STYLE style)
{
    auto* button = new MOXQRibbonPushButton(style, this);
    addItem(button);
    return button;
}

void MOXQRibbonRowPanel::addItem(QWidget* item)
{
    if (!item) return;
    if (item->parentWidget() != this) item->setParent(this);
    item->show();
    m_items.append(item);
    MOXQRibbonGroup::markPart(item);
    if (const MOXQRibbonBar* bar = MOXQRibbonBar::barOf(this)) bar->styleItem(item);
    updateGeometry();
    updateLayout();
}

QVector<QWidget*> MOXQRibbonRowPanel::items() const
{
    QVector<QWidget*> alive;
    for (const QPointer<QWidget>& item : m_items)
        if (item) alive.append(item);
    return alive;
}

QSize MOXQRibbonRowPanel::sizeHint() const
{
    int along = 0;
    int across = 0;
    for (QWidget* item : items()) {
        const QSize size = MOXQRibbonGroup::itemSize(item);
        along += (stacksItems() ? size.height() : size.width()) + kRibbonGap;
        across = std::max(across, stacksItems() ? size.width() : size.height());
    }
    along = std::max(along - kRibbonGap, 0);
    return stacksItems() ? QSize(across, along) : QSize(along, across);
}

void MOXQRibbonRowPanel::updateLayout()
{
    const QVector<QWidget*> list = items();
    if (stacksItems()) {
        const int share = list.isEmpty() ? 0 : height() / list.size();
        for (int i = 0; i < list.size(); ++i) {
            const QSize size = MOXQRibbonGroup::itemSize(list[i]);
            const int h = std::min(share, size.height());
            list[i]->setGeometry(0, i * share + (share - h) / 2, width(), h);
        }
        return;
    }
    int x = 0;
    for (QWidget* item : list) {
        const int w = MOXQRibbonGroup::itemSize(item).width();
        item->setGeometry(x, 0, w, height());
        x += w + kRibbonGap;
    }
}

void MOXQRibbonRowPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

MOXQRibbonPanel::MOXQRibbonPanel(bool vertical, QWidget* parent)
    : MOXQRibbonRowPanel(parent), m_vertical(vertical)
{
}

MOXQRibbonRowPanel* MOXQRibbonPanel::addRowPanel(int height)
{
    auto* row = new MOXQRibbonRowPanel(this);
    if (height > 0) row->setProperty("moxRibbonHeight", moxRibbonExtent(height));
    addItem(row);
    return row;
}

} // namespace MOXQtLib
