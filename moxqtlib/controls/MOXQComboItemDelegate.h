#pragma once

// Draws the rows of a combo box's popup from the combo box's item styles: Hot under the mouse,
// else Pressed when selected, else Normal; an item icon sits in the first 20 pixels.

#include <QItemDelegate>
#include <QPointer>

namespace MOXQtLib {

class MOXQComboBoxImpl;

class MOXQComboItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    // `impl` holds the styles.
    MOXQComboItemDelegate(MOXQComboBoxImpl* impl, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The option's width and the combo box's item height.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The state whose item look a row in `state` takes.
    static int rowState(QStyle::State state);

private:
    // Gone before the Qt widget that owns this one.
    QPointer<MOXQComboBoxImpl> m_impl;
};

} // namespace MOXQtLib
