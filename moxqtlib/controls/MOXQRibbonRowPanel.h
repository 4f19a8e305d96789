#pragma once

// A row of ribbon items placed left to right, each at its hinted width and the row's height.

#include "MOXQRibbonPushButton.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

namespace MOXQtLib {

class MOXQRibbonRowPanel : public QWidget
{
    Q_OBJECT
public:
    explicit MOXQRibbonRowPanel(QWidget* parent = nullptr);

    // Appends a text-less ribbon button of that style.
    MOXQRibbonPushButton* addButton(MOX_RIBBON_BUTTON_STYLE style);
    // Takes any widget as the next item (made a child of the panel); null is ignored.
    void addItem(QWidget* item);
    // The items still alive, in order.
    QVector<QWidget*> items() const;
    // Side by side: the widths and gaps by the tallest item (stacked: the widest item by the
    // heights and gaps).
    QSize sizeHint() const override;
    void updateLayout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Vertical panels stack their items instead.
    virtual bool stacksItems() const { return false; }

private:
    QVector<QPointer<QWidget>> m_items;
};

} // namespace MOXQtLib
