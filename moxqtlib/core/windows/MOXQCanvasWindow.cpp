#include "MOXQCanvasWindow.h"

#include "MOXJson.h"

namespace MOXQtLib {

namespace {

QWidget* deepestMarked(const QWidget* parent, const QPoint& pos)
{
    const QObjectList& children = parent->children();
    for (int i = children.size() - 1; i >= 0; --i) {
        auto* child = qobject_cast<QWidget*>(children.at(i));
        if (!child || child->isWindow() || !child->property("visibility").toBool()) continue;
        if (!child->geometry().contains(pos)) continue;
        QWidget* inner = deepestMarked(child, pos - child->pos());
        return inner ? inner : child;
    }
    return nullptr;
}

} // namespace

MOXQCanvasWindow::MOXQCanvasWindow(QWidget* parent) : MOXQWindowBase(typeName(), parent) {}

ControlInfo MOXQCanvasWindow::getProps()
{
    return moxMakeControlInfo("window", "MOXQWindow", "Window", "Control Window", "win");
}

void MOXQCanvasWindow::setTransparent(bool transparent)
{
    m_keys.trans = transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
}

void MOXQCanvasWindow::setMinWidth(int width)
{
    m_keys.minW = width;
    MOXQWindowBase::setMinWidth(width);
}

void MOXQCanvasWindow::setMinHeight(int height)
{
    m_keys.minH = height;
    MOXQWindowBase::setMinHeight(height);
}

void MOXQCanvasWindow::setResizeable(bool resizeable)
{
    m_keys.resize = resizeable;
    MOXQWindowBase::setResizeable(resizeable);
}

void MOXQCanvasWindow::setCanDrag(bool canDrag)
{
    m_keys.drag = canDrag;
    MOXQWindowBase::setCanDrag(canDrag);
}

void MOXQCanvasWindow::setOnlyDragCaption(bool only)
{
    m_keys.onlyDragCaption = only;
    MOXQWindowBase::setOnlyDragCaption(only);
}

void MOXQCanvasWindow::setDoubleClickMaximize(bool on, int captionHeight)
{
    m_keys.dbmax = on;
    m_keys.dbheight = captionHeight;
    setMaxOnDoubleClick(on);
}

QString MOXQCanvasWindow::toJsonString() const
{
    return jsonWriteQString(toJson(), true);
}

Json::Value MOXQCanvasWindow::toJson() const
{
    MOXPageWindowKeys keys = m_keys;
    keys.trans = keys.trans || testAttribute(Qt::WA_TranslucentBackground);
    return moxPageToJson(this, keys);
}

QWidget* MOXQCanvasWindow::HitTestWithChildren(int x, int y) const
{
    return deepestMarked(this, QPoint(x, y));
}

} // namespace MOXQtLib
