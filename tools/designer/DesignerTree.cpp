#include "DesignerTree.h"

#include "MOXQControl.h"
#include "MOXQtLib.h"

#include <QItemSelectionModel>

using namespace MOXQtLib;

namespace {

constexpr int kPositionRole = Qt::UserRole + 1;

QString labelOf(QWidget* widget)
{
    IMOXQWidgetBase* control = moxControlOf(widget);
    const QString type = control ? control->getTypeName() : QString();
    const ControlInfo* info = moxGetControlInfo(type);
    const QString kind = info ? QString::fromUtf8(info->displayName) : type;
    return widget->objectName().isEmpty() ? kind
                                          : QStringLiteral("%1 : %2").arg(widget->objectName(), kind);
}

} // namespace

DesignerTree::DesignerTree(QWidget* parent) : MOXQTreeView(parent)
{
    setModel(&m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemHeight(22);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_quiet) emit controlsSelected(selectedControls());
    });
}

void DesignerTree::showControls(const QList<QWidget*>& controls)
{
    QStringList signature;
    for (QWidget* widget : controls)
        signature.append(QStringLiteral("%1|%2").arg(quintptr(widget)).arg(labelOf(widget)));
    if (signature == m_signature) return;
    m_signature = signature;
    const QList<QWidget*> selected = selectedControls();
    m_quiet = true;
    m_model.clear();
    m_widgets.clear();
    m_items.clear();
    for (int at = 0; at < controls.size(); ++at) {
        QWidget* widget = controls.at(at);
        auto* item = new QStandardItem(labelOf(widget));
        item->setData(at, kPositionRole);
        QStandardItem* parentItem = nullptr;
        for (QWidget* up = widget->parentWidget(); up && !parentItem; up = up->parentWidget()) {
            const int index = controls.indexOf(up);
            if (index >= 0 && index < at) parentItem = m_items.at(index);
        }
        (parentItem ? parentItem : m_model.invisibleRootItem())->appendRow(item);
        m_widgets.append(widget);
        m_items.append(item);
    }
    expandAll();
    m_quiet = false;
    selectControls(selected);
}

void DesignerTree::selectControls(const QList<QWidget*>& widgets)
{
    m_quiet = true;
    QItemSelection selection;
    QModelIndex first;
    for (QWidget* widget : widgets) {
        const int at = m_widgets.indexOf(widget);
        if (at < 0) continue;
        const QModelIndex index = m_items.at(at)->index();
        selection.select(index, index);
        if (!first.isValid()) first = index;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first.isValid()) {
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        scrollTo(first);
    }
    m_quiet = false;
}

QList<QWidget*> DesignerTree::selectedControls() const
{
    QList<QWidget*> widgets;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        const int at = index.data(kPositionRole).toInt();
        if (at >= 0 && at < m_widgets.size() && m_widgets.at(at)) widgets.append(m_widgets.at(at));
    }
    return widgets;
}

QString DesignerTree::rowText(QWidget* widget) const
{
    const int at = m_widgets.indexOf(widget);
    return at < 0 ? QString() : m_items.at(at)->text();
}
