#pragma once

// Paints a table view's cells from the table's looks and passes presses on cells to it (check
// marks, column widget parts).

#include <QPointer>
#include <QStyledItemDelegate>

namespace MOXQtLib {

class MOXQTableViewImpl;

class MOXQTableViewitemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    MOXQTableViewitemDelegate(MOXQTableViewImpl* impl, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The option's width and the table's item height.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    // Gone before the table that owns this delegate.
    QPointer<MOXQTableViewImpl> m_impl;
};

} // namespace MOXQtLib
