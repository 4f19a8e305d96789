#pragma once

// A plain widget of a table view that fills itself with the table's background (its viewport
// and, through MOXQConerWidget, the corner between the scroll bars).

#include <QPointer>
#include <QWidget>

namespace MOXQtLib {

class MOXQTableViewImpl;

class MOXQViewport : public QWidget
{
    Q_OBJECT
public:
    MOXQViewport(MOXQTableViewImpl* impl, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Gone before the table that owns this widget.
    QPointer<MOXQTableViewImpl> m_impl;
};

} // namespace MOXQtLib
