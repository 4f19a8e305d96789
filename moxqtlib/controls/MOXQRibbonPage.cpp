#include "MOXQRibbonPage.h"

#include "MOXQRibbonArea.h"
#include "MOXQRibbonBar.h"
#include "MOXQRibbonGroup.h"
#include "MOXRibbonLayout.h"

#include <algorithm>

namespace MOXQtLib {

namespace {

// Margin around the groups of a page.
constexpr int kPageMargin = 4;

} // namespace

MOXQRibbonPage::MOXQRibbonPage(const QString& name, MOXQRibbonArea* area)
    : QWidget(area), m_name(name), m_displayName(name)
{
}

MOXQRibbonArea* MOXQRibbonPage::area() const
{
    return qobject_cast<MOXQRibbonArea*>(parentWidget());
}

MOXQRibbonGroup* MOXQRibbonPage::addGroup(const QString& title)
{
    auto* group = new MOXQRibbonGroup(title, this);
    group->show();
    m_groups.append(group);
    updateLayout();
    return group;
}

MOXQRibbonGroup* MOXQRibbonPage::getGroup(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups[index] : nullptr;
}

bool MOXQRibbonPage::removeGroup(MOXQRibbonGroup* group)
{
    if (!group || !m_groups.removeOne(group)) return false;
    delete group;
    updateLayout();
    return true;
}

void MOXQRibbonPage::clearGroups()
{
    const QVector<MOXQRibbonGroup*> groups = std::exchange(m_groups, {});
    qDeleteAll(groups);
    updateLayout();
}

void MOXQRibbonPage::updateLayout()
{
    const MOXQRibbonArea* a = area();
    const int rows = a && a->bar() ? a->bar()->groupRowCount() : 3;
    const int inner = std::max(height() - 2 * kPageMargin, 0);
    int x = kPageMargin;
    for (MOXQRibbonGroup* group : m_groups) {
        const int w = group->sizeHint().width();
        group->setGeometry(x, kPageMargin, w, inner);
        group->updateLayout(rows, std::max(inner - kRibbonTitleHeight, 0));
        x += w + kRibbonGap;
    }
}

QSize MOXQRibbonPage::sizeHint() const
{
    int w = kPageMargin;
    for (const MOXQRibbonGroup* group : m_groups)
        w += group->sizeHint().width() + kRibbonGap;
    const QWidget* parent = parentWidget();
    return QSize(w + kPageMargin, parent ? parent->height() : 92);
}

void MOXQRibbonPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

} // namespace MOXQtLib
