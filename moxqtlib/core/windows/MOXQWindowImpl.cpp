#include "MOXQWindowImpl.h"

#include "MOXQControl.h"
#include "MOXQStylePainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace MOXQtLib {

namespace {

// One window at a time drags or resizes. Held through a guarded pointer so that a window that
// is destroyed mid-drag cannot leave the others deaf to the mouse.
QPointer<QWidget>& holder()
{
    static QPointer<QWidget> widget;
    return widget;
}

// Controls that a press may drag the window by: the window's body and its captions.
bool dragsWindow(QWidget* hit, QWidget* window)
{
    if (!hit || hit == window) return true;
    IMOXQWidgetBase* control = moxControlOf(hit);
    if (!control) return true;
    const QString type = control->getTypeName();
    return type == QLatin1String("qtcontainer") || type == QLatin1String("qtlabel");
}

} // namespace

MOXQWindowImpl::MOXQWindowImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

MOXQWindowImpl::~MOXQWindowImpl()
{
    releaseMouseHold();
}

int MOXQWindowImpl::resizeAreaAt(const QPoint& pos, const QSize& size, int border)
{
    const int x = pos.x(), y = pos.y(), w = size.width(), h = size.height();
    const bool left = x < border, right = x > w - border;
    const bool top = y < border, bottom = y > h - border;
    if (right && bottom) return AreaBottomRight;
    if (left && top) return AreaTopLeft;
    if (bottom && left) return AreaBottomLeft;
    if (top && right) return AreaTopRight;
    if (left) return AreaLeft;
    if (right) return AreaRight;
    if (top) return AreaTop;
    if (bottom) return AreaBottom;
    return AreaNone;
}

QRect MOXQWindowImpl::resizedGeometry(const QRect& geometry, int area, const QPoint& delta,
                                      const QSize& minimum)
{
    const bool left = area == AreaLeft || area == AreaTopLeft || area == AreaBottomLeft;
    const bool right = area == AreaRight || area == AreaTopRight || area == AreaBottomRight;
    const bool top = area == AreaTop || area == AreaTopLeft || area == AreaTopRight;
    const bool bottom = area == AreaBottom || area == AreaBottomLeft || area == AreaBottomRight;
    // 64-bit on the way: a hostile delta must not wrap the size round to a small one.
    auto clampSize = [](qint64 size, int min) {
        return int(qBound<qint64>(qMax(min, 0), size, 1 << 24));
    };
    QRect r = geometry;
    if (left || right) {
        const int width = clampSize(qint64(r.width()) + (left ? -qint64(delta.x()) : delta.x()),
                                    minimum.width());
        // The far edge stays: the left edge goes where the new width puts it.
        if (left) r.moveLeft(r.left() + r.width() - width);
        r.setWidth(width);
    }
    if (top || bottom) {
        const int height = clampSize(qint64(r.height()) + (top ? -qint64(delta.y()) : delta.y()),
                                     minimum.height());
        if (top) r.moveTop(r.top() + r.height() - height);
        r.setHeight(height);
    }
    return r;
}

QWidget* MOXQWindowImpl::hitTest(QWidget* root, int x, int y)
{
    if (!root || !root->isVisible()) return nullptr;
    const QObjectList& children = root->children();
    for (int i = children.size() - 1; i >= 0; --i) {
        auto* child = qobject_cast<QWidget*>(children.at(i));
        if (!child || child->isWindow()) continue;
        if (QWidget* hit = hitTest(child, x, y)) return hit;
    }
    const QWidget* window = root->window();
    const QPoint origin = root == window ? QPoint() : root->mapTo(window, QPoint());
    return QRect(origin, root->size()).contains(x, y) ? root : nullptr;
}

QWidget* MOXQWindowImpl::mouseHolder()
{
    QWidget* widget = holder();
    if (widget && (!widget->isVisible() || QWidget::mouseGrabber() != widget)) {
        holder().clear();
        return nullptr;
    }
    return widget;
}

void MOXQWindowImpl::setResizeable(bool resizeable)
{
    m_resizeable = resizeable;
    if (QWidget* owner = getOwner()) owner->setMouseTracking(resizeable);
}

void MOXQWindowImpl::setMinWidth(int width)
{
    m_minWidth = qMax(0, width);
    if (QWidget* owner = getOwner()) owner->setMinimumWidth(qMin(m_minWidth, QWIDGETSIZE_MAX));
}

void MOXQWindowImpl::setMinHeight(int height)
{
    m_minHeight = qMax(0, height);
    if (QWidget* owner = getOwner()) owner->setMinimumHeight(qMin(m_minHeight, QWIDGETSIZE_MAX));
}

void MOXQWindowImpl::setBackgroundColor(const FillRes& fill)
{
    m_fill = fill;
    updateOwner();
}

void MOXQWindowImpl::setBackgroundImage(const QString& path, const ImageDesc& desc)
{
    m_imagePath = path;
    m_imageDesc = desc;
    updateOwner();
}

bool MOXQWindowImpl::ownerMaximized() const
{
    const QWidget* owner = getOwner();
    return owner && owner->isMaximized();
}

bool MOXQWindowImpl::dragAllowedAt(const QPoint& pos) const
{
    QWidget* owner = getOwner();
    if (!dragsWindow(hitTest(owner, pos.x(), pos.y()), owner)) return false;
    return !m_onlyDragCaption || pos.y() <= m_captionHeight;
}

bool MOXQWindowImpl::mousePress(QMouseEvent* event)
{
    QWidget* owner = getOwner();
    QWidget* other = mouseHolder();
    if (!owner || (other && other != owner)) return false;
    const bool maximized = ownerMaximized();
    if (m_resizeable && !maximized) {
        const int area = resizeAreaAt(event->pos(), owner->size(), m_borderWidth);
        if (area != AreaNone) m_resizeArea = area;
    }
    if (m_canDrag && !maximized && event->button() == Qt::LeftButton)
        m_dragging = dragAllowedAt(event->pos());
    m_lastGlobal = event->globalPos();
    event->accept();
    owner->grabMouse();
    holder() = owner;
    return true;
}

void MOXQWindowImpl::updateCursor(const QPoint& pos)
{
    QWidget* owner = getOwner();
    switch (resizeAreaAt(pos, owner->size(), m_borderWidth)) {
    case AreaTopLeft:
    case AreaBottomRight:
        owner->setCursor(Qt::SizeFDiagCursor);
        break;
    case AreaTopRight:
    case AreaBottomLeft:
        owner->setCursor(Qt::SizeBDiagCursor);
        break;
    case AreaTop:
    case AreaBottom:
        owner->setCursor(Qt::SizeVerCursor);
        break;
    case AreaLeft:
    case AreaRight:
        owner->setCursor(Qt::SizeHorCursor);
        break;
    default:
        if (m_cursorChanged && !m_dragging) owner->setCursor(Qt::ArrowCursor);
        m_cursorChanged = false;
        return;
    }
    m_cursorChanged = true;
}

bool MOXQWindowImpl::mouseMove(QMouseEvent* event)
{
    QWidget* owner = getOwner();
    if (!owner) return false;
    if (m_resizeable && !ownerMaximized() && m_resizeArea == AreaNone) updateCursor(event->pos());
    const QPoint delta = event->globalPos() - m_lastGlobal;
    if (m_resizeArea != AreaNone) {
        const QRect before(owner->pos(), owner->size());
        const QRect after =
            resizedGeometry(before, m_resizeArea, delta, QSize(m_minWidth, m_minHeight));
        if (after.topLeft() != before.topLeft()) owner->move(after.topLeft());
        if (after.size() != before.size()) owner->resize(after.size());
        m_lastGlobal = event->globalPos();
        return true;
    }
    if (m_canDrag && m_dragging && event->buttons() != Qt::NoButton) {
        owner->move(owner->pos() + delta);
        m_lastGlobal = event->globalPos();
        return true;
    }
    return false;
}

bool MOXQWindowImpl::mouseRelease(QMouseEvent*)
{
    QWidget* owner = getOwner();
    if (!owner) return false;
    const bool active = m_resizeArea != AreaNone || m_dragging;
    m_resizeArea = AreaNone;
    if (m_resizeable && m_cursorChanged) {
        owner->setCursor(Qt::ArrowCursor);
        m_cursorChanged = false;
    }
    m_dragging = false;
    releaseMouseHold();
    return active;
}

bool MOXQWindowImpl::mouseDoubleClick(QMouseEvent* event)
{
    QWidget* owner = getOwner();
    if (!owner || !m_maxOnDoubleClick || event->pos().y() > m_captionHeight) return false;
    if (owner->isMaximized())
        owner->showNormal();
    else
        owner->showMaximized();
    return true;
}

void MOXQWindowImpl::releaseMouseHold()
{
    QWidget* owner = getOwner();
    m_dragging = false;
    m_resizeArea = AreaNone;
    if (!owner || holder() != owner) return;
    holder().clear();
    if (QWidget::mouseGrabber() == owner) owner->releaseMouse();
}

void MOXQWindowImpl::resizeChildren()
{
    QWidget* owner = getOwner();
    if (!owner) return;
    for (QObject* child : owner->children())
        if (IMOXQWidgetBase* control = child->isWidgetType() ? moxControlOf(child) : nullptr)
            control->resizeWidget();
}

void MOXQWindowImpl::drawControl(QPainter* painter, const QRect&)
{
    QWidget* owner = getOwner();
    if (!m_showBackground || !owner) return;
    if (m_useFillColor)
        drawFillRes(painter, m_fill, 0, 0, owner->width(), owner->height());
    else
        drawNinePatch(painter, m_imagePath, m_imageDesc, 0, 0, owner->width(), owner->height());
}

} // namespace MOXQtLib
