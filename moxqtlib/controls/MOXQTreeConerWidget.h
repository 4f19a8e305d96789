#pragma once

// The square between a tree view's two scroll bars, filled with the tree's background.

#include <QPointer>
#include <QWidget>

namespace MOXQtLib {

class MOXQTreeViewImpl;

class MOXQTreeConerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MOXQTreeConerWidget(MOXQTreeViewImpl* impl, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<MOXQTreeViewImpl> m_impl;
};

} // namespace MOXQtLib
