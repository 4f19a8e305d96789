#pragma once

// The library's splitter ("qtsplitter", created by name only): a bar drawn from one fill style
// that stands between two widgets. It carries its neighbours and limits for the application;
// dragging it moves nothing.

#include "MOXQControl.h"
#include "MOXQSplitterImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQSplitter : public MOXQControl<QWidget, MOXQSplitterImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQSplitter(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtsplitter"); }
    static QWidget* createMOXQSplitter() { return new MOXQSplitter; }

    // None of the setters repaints.
    void setIsHor(bool horizontal) { impl()->setIsHor(horizontal); }
    bool getIsHor() const { return impl()->getIsHor(); }
    // The widgets above or left of the bar and below or right of it; not owned.
    void setUpLeftWidget(QWidget* widget) { impl()->setUpLeftWidget(widget); }
    QWidget* getUpLeftWidget() const { return impl()->getUpLeftWidget(); }
    void setDownRightWidget(QWidget* widget) { impl()->setDownRightWidget(widget); }
    QWidget* getDownRightWidget() const { return impl()->getDownRightWidget(); }
    void setUpLeftLimit(int limit) { impl()->setUpLeftLimit(limit); }
    int getUpLeftLimit() const { return impl()->getUpLeftLimit(); }
    void setDownRightLimit(int limit) { impl()->setDownRightLimit(limit); }
    int getDownRightLimit() const { return impl()->getDownRightLimit(); }
    void setBackground(const FillStyle& style) { impl()->setBackground(style); }
    FillStyle getBackground() const { return impl()->getBackground(); }

protected:
    // Used up here: a drag on the bar reaches neither the bar's neighbours nor its parent.
    void mousePressEvent(QMouseEvent*) override {}
    void mouseMoveEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent*) override {}
};

} // namespace MOXQtLib
