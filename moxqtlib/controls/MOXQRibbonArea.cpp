#include "MOXQRibbonArea.h"

#include "MOXQRibbonBar.h"
#include "MOXQRibbonPage.h"
#include "MOXQStylePainter.h"

#include <QPainter>

#include <utility>

namespace MOXQtLib {

MOXQRibbonArea::MOXQRibbonArea(MOXQRibbonBar* bar) : QWidget(bar), m_bar(bar) {}

MOXQRibbonPage* MOXQRibbonArea::addPage(const QString& name)
{
    auto* page = new MOXQRibbonPage(name, this);
    page->hide();
    m_pages.append(page);
    return page;
}

MOXQRibbonPage* MOXQRibbonArea::pageAt(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

void MOXQRibbonArea::clearPages()
{
    const QVector<MOXQRibbonPage*> pages = std::exchange(m_pages, {});
    m_current = -1;
    qDeleteAll(pages);
    update();
}

void MOXQRibbonArea::setCurrentPage(int index)
{
    if (index < 0 || index >= m_pages.size()) return;
    m_current = index;
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
    updateLayout();
}

void MOXQRibbonArea::updateLayout()
{
    for (MOXQRibbonPage* page : m_pages) {
        page->setGeometry(rect());
        page->updateLayout();
    }
    update();
}

void MOXQRibbonArea::paintEvent(QPaintEvent*)
{
    if (!m_bar) return;
    QPainter painter(this);
    drawFillStyle(&painter, m_bar->impl()->fillStyle(MOXQRibbonBarImpl::AreaBackground),
                  rect().adjusted(0, 0, -1, -1));
}

void MOXQRibbonArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

} // namespace MOXQtLib

