#pragma once

// The tree of the page's controls ("name : Type"), nested as the controls are. Selecting rows
// reports the controls; the host shows the canvas selection here without a report back.

#include "MOXQTreeView.h"

#include <QList>
#include <QPointer>
#include <QStandardItemModel>
#include <QVector>

class DesignerTree : public MOXQtLib::MOXQTreeView
{
    Q_OBJECT
public:
    explicit DesignerTree(QWidget* parent = nullptr);

    // Rows for `controls` (each nested under the nearest control around it), rebuilt only when
    // the controls or their names changed.
    void showControls(const QList<QWidget*>& controls);
    // Selects the rows of these controls without reporting it.
    void selectControls(const QList<QWidget*>& widgets);
    QList<QWidget*> selectedControls() const;
    // The row's text for a control, or empty when the tree has no row for it.
    QString rowText(QWidget* widget) const;

signals:
    void controlsSelected(const QList<QWidget*>& widgets);

private:
    QStandardItemModel m_model;
    QVector<QPointer<QWidget>> m_widgets;
    QVector<QStandardItem*> m_items;
    QStringList m_signature;
    bool m_quiet = false;
};
