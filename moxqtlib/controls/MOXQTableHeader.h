#pragma once

// A table view's header: its sections drawn from the table's header looks, and, on a
// horizontal header of a check-style table, the header check mark in section 0.

#include <QHeaderView>
#include <QPointer>

namespace MOXQtLib {

class MOXQTableViewImpl;

class MOXQTableHeader : public QHeaderView
{
    Q_OBJECT
public:
    MOXQTableHeader(MOXQTableViewImpl* impl, Qt::Orientation orientation, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Gone before the table that owns this header.
    QPointer<MOXQTableViewImpl> m_impl;
};

} // namespace MOXQtLib
