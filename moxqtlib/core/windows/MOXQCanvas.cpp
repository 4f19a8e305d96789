#include "MOXQCanvas.h"

#include "MOXJson.h"
#include "MOXQCanvasWindow.h"
#include "MOXQPageFile.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>

#include <cstdlib>

namespace MOXQtLib {

namespace {

constexpr int kHandleBand = 5;
constexpr int kSnapDistance = 5;
constexpr int kMinimumEditSize = 10;
// Handles stick out of a widget's rectangle by this much.
constexpr int kHandleReach = 4;

bool markedVisible(const QWidget* widget)
{
    return widget->property("visibility").toBool();
}

bool writeWhole(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool readPageDocument(const QString& path, Json::Value& document)
{
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return jsonParse(file.readAll(), document) && document.isObject() &&
           document.isMember("elements");
}

// The first target less than the snap distance away, or `value`.
int snapped(int value, const QVector<int>& targets)
{
    for (int target : targets)
        if (std::abs(target - value) < kSnapDistance) return target;
    return value;
}

// Controls are painted by the canvas, so their Qt widgets stay hidden; parts that are not
// controls are painted with the control that owns them.
void hideControls(QWidget* parent)
{
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child) continue;
        if (child->property("visibility").isValid()) child->hide();
        hideControls(child);
    }
}

} // namespace

MOXQCanvas::MOXQCanvas(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setAcceptDrops(true);
    setMouseTracking(false);
}

MOXQCanvas::~MOXQCanvas()
{
    // The pages are children and go with the canvas; nothing may point at them meanwhile.
    m_selection.clear();
    m_dragStart.clear();
    m_grabs.clear();
}

// --- pages ---

bool MOXQCanvas::CheckPageValid(const QString& path)
{
    Json::Value document;
    return readPageDocument(path, document);
}

bool MOXQCanvas::OpenJsonFile(const QString& path)
{
    MOXQCanvasWindow* open = m_pages.value(path);
    Json::Value document;
    if (!open && !readPageDocument(path, document)) return false;
    m_state = StateIdle;
    m_dragStart.clear();
    RemoveAllSelected();
    if (m_current && m_current != open) m_current->hide();
    // The document already read and checked: the file is not read a second time.
    showPage(open ? open : buildPage(path, document));
    return true;
}

bool MOXQCanvas::OpenJsonDocument(const QString& path, const Json::Value& document)
{
    if (!document.isObject() || !document.isMember("elements")) return false;
    m_state = StateIdle;
    m_dragStart.clear();
    RemoveAllSelected();
    MOXQCanvasWindow* old = m_pages.value(path);
    const QPoint scroll = old ? m_scroll.value(old) : QPoint();
    if (old) {
        if (m_current == old) m_current = nullptr;
        forgetPage(old);
        m_pages.remove(path);
        delete old;
    }
    if (m_current) m_current->hide();
    MOXQCanvasWindow* page = buildPage(path, document);
    m_scroll.insert(page, scroll);
    showPage(page);
    return true;
}

MOXQCanvasWindow* MOXQCanvas::buildPage(const QString& path, const Json::Value& document)
{
    auto* page = new MOXQCanvasWindow(this);
    // The canvas edits the page: the window must not take the mouse for itself.
    page->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    bool dbmax = false;
    int dbheight = 35;
    jsonReadBool(document, "dbmax", dbmax);
    jsonReadInt(document, "dbheight", dbheight);
    page->setDoubleClickMaximize(dbmax, dbheight);
    moxCreatePageFromJson(page, document);
    hideControls(page);
    const QFileInfo info(path);
    page->setPageName(info.fileName());
    page->setObjectName(info.fileName().section(QLatin1Char('.'), 0, 0));
    page->setProperty("visibility", true);
    m_pages.insert(path, page);
    return page;
}

void MOXQCanvas::showPage(MOXQCanvasWindow* window)
{
    m_current = window;
    window->show();
    UpdateScrollBar();
    update();
}

bool MOXQCanvas::SavePage(const QString& path) const
{
    const MOXQCanvasWindow* window = m_pages.value(path);
    return window && writeWhole(path, window->toJsonString().toUtf8());
}

bool MOXQCanvas::SaveStyle(const QString& path)
{
    const QString text = MOXQResourceManager::getInstance()->toProjectStyleString();
    return !path.isEmpty() && !text.isEmpty() && writeWhole(path, text.toUtf8());
}

QString MOXQCanvas::UpdatePagePath(const QString& path)
{
    MOXQCanvasWindow* window = m_pages.value(path);
    if (!window) return QString();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString renamed =
        path.left(slash + 1) + window->objectName() + QLatin1String(".json");
    if (renamed == path) return path;
    // Two pages under one path would leave one of them unreachable and unsaved.
    if (m_pages.value(renamed)) return QString();
    m_pages.remove(path);
    m_pages.insert(renamed, window);
    return renamed;
}

void MOXQCanvas::forgetPage(MOXQCanvasWindow* window)
{
    pruneSelection();
    auto inWindow = [window](const QWidget* w) { return w == window || window->isAncestorOf(w); };
    for (int i = m_selection.size() - 1; i >= 0; --i)
        if (inWindow(m_selection.at(i))) m_selection.removeAt(i);
    m_dragStart.clear();
    m_state = StateIdle;
    for (auto it = m_grabs.begin(); it != m_grabs.end();) {
        if (!it->widget || inWindow(it->widget))
            it = m_grabs.erase(it);
        else
            ++it;
    }
    m_scroll.remove(window);
}

bool MOXQCanvas::removePage(MOXQCanvasWindow* window)
{
    // Compared as an address only: a window deleted elsewhere must not be touched.
    auto it = m_pages.begin();
    while (it != m_pages.end() && (!window || it.value().data() != window))
        ++it;
    if (it == m_pages.end()) return false;
    const QString path = it.key();
    if (m_current == window) m_current = nullptr;
    forgetPage(window);
    m_pages.remove(path);
    delete window;
    update();
    return true;
}

void MOXQCanvas::closeAllWindows()
{
    m_state = StateIdle;
    m_dragStart.clear();
    RemoveAllSelected();
    for (const QPointer<MOXQCanvasWindow>& window : m_pages)
        delete window.data();
    m_pages.clear();
    m_current = nullptr;
    m_grabs.clear();
    m_scroll.clear();
}

// --- controls ---

QString MOXQCanvas::nextControlName(QWidget* parent, const QString& typeName)
{
    auto taken = [parent](const QString& name) {
        return parent->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) != nullptr;
    };
    QString name = QStringLiteral("%1%2").arg(typeName).arg(m_counter);
    while (taken(name))
        name = QStringLiteral("%1%2").arg(typeName).arg(++m_counter);
    return name;
}

QWidget* MOXQCanvas::newControl(const QString& typeName, QWidget* parent, const QRect& geometry)
{
    QWidget* widget = moxCreateDefaultControl(typeName.toUtf8(), parent);
    IMOXQWidgetBase* control = widget ? moxControlOf(widget) : nullptr;
    if (!control) {
        delete widget;
        return nullptr;
    }
    widget->setObjectName(nextControlName(parent, typeName));
    widget->setProperty("visibility", true);
    widget->hide();
    hideControls(widget);
    ++m_counter;
    control->setGeometry(geometry.x(), geometry.y(), geometry.width(), geometry.height());
    update();
    emit controlCreated(widget);
    return widget;
}

bool MOXQCanvas::createControl(const QString& typeName)
{
    pruneSelection();
    if (m_selection.isEmpty()) return false;
    return newControl(typeName, m_selection.first(), QRect(0, 0, 100, 100)) != nullptr;
}

// --- selection ---

void MOXQCanvas::pruneSelection() const
{
    m_selection.removeAll(QPointer<QWidget>());
}

QList<QWidget*> MOXQCanvas::selectedWidgets() const
{
    pruneSelection();
    QList<QWidget*> widgets;
    for (const QPointer<QWidget>& widget : m_selection)
        widgets.append(widget);
    return widgets;
}

void MOXQCanvas::AddSelectedControl(QWidget* widget)
{
    pruneSelection();
    if (!widget || m_selection.contains(widget)) return;
    m_selection.append(widget);
    update();
    emit widgetSelected(widget);
    emit selectionChanged();
}

void MOXQCanvas::RemoveSelected(QWidget* widget)
{
    if (m_selection.removeAll(widget) == 0) return;
    update();
    emit selectionChanged();
}

void MOXQCanvas::RemoveAllSelected()
{
    const bool had = !m_selection.isEmpty();
    m_selection.clear();
    update();
    if (had) emit selectionChanged();
}

bool MOXQCanvas::isPageWindow(const QWidget* widget) const
{
    for (const QPointer<MOXQCanvasWindow>& window : m_pages)
        if (window && window == widget) return true;
    return false;
}

QRect MOXQCanvas::canvasRect(const QWidget* widget) const
{
    if (!widget || !isAncestorOf(widget)) return QRect();
    return QRect(widget->mapTo(this, QPoint()), widget->size());
}

MOX_CAV_HIT_TEST MOXQCanvas::HitInSelected(int x, int y) const
{
    pruneSelection();
    for (const QPointer<QWidget>& widget : m_selection) {
        // A page's top-level elements stay where the page puts them.
        if (isPageWindow(widget->parentWidget())) return MOX_CAV_HIT_NONE;
        const QRect r = canvasRect(widget);
        if (!r.contains(x, y)) continue;
        const bool left = x < r.x() + kHandleBand;
        const bool right = x >= r.x() + r.width() - kHandleBand;
        const bool top = y < r.y() + kHandleBand;
        const bool bottom = y >= r.y() + r.height() - kHandleBand;
        if (top && left) return MOX_CAV_HIT_TOPLEFT;
        if (top && right) return MOX_CAV_HIT_TOPRIGHT;
        if (bottom && left) return MOX_CAV_HIT_BOTTOMLEFT;
        if (bottom && right) return MOX_CAV_HIT_BOTTOMRIGHT;
        if (left) return MOX_CAV_HIT_LEFT;
        if (right) return MOX_CAV_HIT_RIGHT;
        if (top) return MOX_CAV_HIT_TOP;
        if (bottom) return MOX_CAV_HIT_BOTTOM;
        return MOX_CAV_HIT_INSIDE;
    }
    return MOX_CAV_HIT_NONE;
}

QWidget* MOXQCanvas::widgetAtCanvasPoint(const QPoint& pos) const
{
    if (!m_current) return nullptr;
    const QPoint inPage = pos - m_current->pos();
    return m_current->HitTestWithChildren(inPage.x(), inPage.y());
}

// --- mouse editing ---

void MOXQCanvas::mousePressEvent(QMouseEvent* event)
{
    if (!m_current) return;
    m_pressPoint = event->pos();
    int zone = HitInSelected(m_pressPoint.x(), m_pressPoint.y());
    if (zone == MOX_CAV_HIT_INSIDE && !m_selection.contains(widgetAtCanvasPoint(m_pressPoint)))
        zone = MOX_CAV_HIT_NONE;
    m_zone = zone;
    m_dragStart.clear();
    if (zone == MOX_CAV_HIT_NONE) {
        m_state = StateClick;
        return;
    }
    m_state = StateDrag;
    m_moved = false;
    for (const QPointer<QWidget>& widget : m_selection)
        m_dragStart.append({widget, widget->geometry()});
    collectSnapTargets();
}

void MOXQCanvas::collectSnapTargets()
{
    // The siblings stay put while the selection moves: found once per drag.
    m_snapX.clear();
    m_snapY.clear();
    QWidget* parent = m_selection.isEmpty() ? nullptr : m_selection.first()->parentWidget();
    if (m_zone != MOX_CAV_HIT_INSIDE || !parent) return;
    for (QObject* object : parent->children()) {
        auto* sibling = qobject_cast<QWidget*>(object);
        if (!sibling || m_selection.contains(sibling) || !markedVisible(sibling) ||
            sibling->property("MarkDelete").toBool())
            continue;
        m_snapX.append(sibling->x());
        m_snapY.append(sibling->y());
    }
}

void MOXQCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (m_state != StateDrag) return;
    pruneSelection();
    if (m_selection.isEmpty() || (!m_moved && event->pos() == m_pressPoint)) return;
    m_moved = true;
    dragTo(event->pos(), event->modifiers());
}

void MOXQCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    // A press on the selection that never moved is a click: it selects like any other.
    const bool click = m_state == StateClick || (m_state == StateDrag && !m_moved);
    const bool edited = m_state == StateDrag && m_moved;
    m_state = StateIdle;
    m_dragStart.clear();
    if (edited) emit editFinished();
    if (!click) return;
    QWidget* hit = widgetAtCanvasPoint(event->pos());
    if (!hit) return;
    if (event->modifiers() == Qt::ShiftModifier) {
        if (m_selection.contains(hit))
            RemoveSelected(hit);
        else
            AddSelectedControl(hit);
        return;
    }
    // One change for the whole click: nothing watching sees an empty selection on the way.
    QSignalBlocker quiet(this);
    m_selection.clear();
    AddSelectedControl(hit);
    quiet.unblock();
    emit widgetSelected(hit);
    emit selectionChanged();
}

void MOXQCanvas::dragTo(const QPoint& pos, Qt::KeyboardModifiers modifiers)
{
    const int dx = pos.x() - m_pressPoint.x();
    const int dy = pos.y() - m_pressPoint.y();
    const QVector<int>& snapX = m_snapX;
    const QVector<int>& snapY = m_snapY;
    if (m_zone == MOX_CAV_HIT_INSIDE) {
        // A page's top-level elements never move.
        for (const QPointer<QWidget>& widget : m_selection)
            if (isPageWindow(widget->parentWidget())) return;
    }
    const bool shiftOnly = modifiers == Qt::ShiftModifier;
    QRegion dirty;
    for (const auto& [widget, g] : m_dragStart) {
        if (!widget) continue;
        QRect r = g;
        switch (m_zone) {
        case MOX_CAV_HIT_INSIDE: {
            const bool lockX = shiftOnly && std::abs(dx) <= std::abs(dy);
            const bool lockY = shiftOnly && !lockX;
            r.moveTo(lockX ? g.x() : snapped(g.x() + dx, snapX),
                     lockY ? g.y() : snapped(g.y() + dy, snapY));
            break;
        }
        case MOX_CAV_HIT_LEFT:
            r = QRect(g.x() + dx, g.y(), g.width() - dx, g.height());
            break;
        case MOX_CAV_HIT_RIGHT:
            r.setWidth(g.width() + dx);
            break;
        case MOX_CAV_HIT_TOP:
            r = QRect(g.x(), g.y() + dy, g.width(), g.height() - dy);
            break;
        case MOX_CAV_HIT_BOTTOM:
            r.setHeight(g.height() + dy);
            break;
        case MOX_CAV_HIT_TOPLEFT:
            r = QRect(g.x() + dx, g.y() + dy, g.width() - dx, g.height() - dy);
            break;
        case MOX_CAV_HIT_BOTTOMLEFT:
            r = QRect(g.x() + dx, g.y(), g.width() - dx, g.height() + dy);
            break;
        case MOX_CAV_HIT_TOPRIGHT:
            r = QRect(g.x(), g.y() + dy, g.width() + dx, g.height() - dy);
            break;
        case MOX_CAV_HIT_BOTTOMRIGHT:
            r.setSize(QSize(g.width() + dx, g.height() + dy));
            break;
        default:
            return;
        }
        // The moved edge stays where it went; the size only stops shrinking.
        r.setWidth(qMax(r.width(), kMinimumEditSize));
        r.setHeight(qMax(r.height(), kMinimumEditSize));
        const QRect before = canvasRect(widget);
        applyGeometry(widget, r);
        dirty += before.adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach);
        dirty += canvasRect(widget).adjusted(-kHandleReach, -kHandleReach, kHandleReach,
                                             kHandleReach);
    }
    update(dirty);
}

void MOXQCanvas::applyGeometry(QWidget* widget, const QRect& geometry)
{
    if (geometry == widget->geometry()) return;
    if (IMOXQWidgetBase* control = moxControlOf(widget)) {
        // Through the companion, so the rectangle a file gets is the one on screen; a control
        // laid out by ratio keeps its place in its container.
        if (control->getLayoutType() != LayoutAbsolute) return;
        control->setGeometry(geometry.x(), geometry.y(), geometry.width(), geometry.height());
        return;
    }
    widget->setGeometry(geometry);
}

// --- drop ---

void MOXQCanvas::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_current && event->source() && event->source()->property("TypeName").isValid())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MOXQCanvas::dragMoveEvent(QDragMoveEvent* event)
{
    if (m_current && event->source() && event->source()->property("TypeName").isValid())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MOXQCanvas::dropEvent(QDropEvent* event)
{
    QObject* source = event->source();
    const QVariant type = source ? source->property("TypeName") : QVariant();
    if (!m_current || !type.isValid()) {
        event->ignore();
        return;
    }
    if (dropControl(type.toString(), event->pos()))
        event->acceptProposedAction();
    else
        event->ignore();
}

QWidget* MOXQCanvas::dropControl(const QString& typeName, const QPoint& pos)
{
    if (!m_current) return nullptr;
    const QPoint inPage = pos - m_current->pos();
    QWidget* parent = m_current->HitTestWithChildren(inPage.x(), inPage.y());
    if (!parent) parent = m_current;
    const QPoint local = parent == m_current ? inPage : parent->mapFrom(m_current, inPage);
    return newControl(typeName, parent, QRect(local, QSize(100, 100)));
}

// --- scrolling ---

void MOXQCanvas::SetScrollbar(QScrollBar* bar, bool horizontal)
{
    QPointer<QScrollBar>& slot = horizontal ? m_hBar : m_vBar;
    if (slot) disconnect(slot, &QScrollBar::valueChanged, this, &MOXQCanvas::scrollChanged);
    slot = bar;
    if (bar) connect(bar, &QScrollBar::valueChanged, this, &MOXQCanvas::scrollChanged);
}

void MOXQCanvas::UpdateScrollBar()
{
    if (!m_current || !m_hBar || !m_vBar) return;
    const QPoint scroll = m_scroll.value(m_current);
    auto fit = [this](QScrollBar* bar, int page, int view, int remembered, bool horizontal) {
        bar->setRange(0, qMax(0, page - view));
        bar->setPageStep(view);
        const int centred = (view - page) / 2;
        if (page < view) {
            horizontal ? m_current->move(centred, m_current->y())
                       : m_current->move(m_current->x(), centred);
            bar->hide();
            return;
        }
        bar->show();
        horizontal ? m_current->move(-remembered, m_current->y())
                   : m_current->move(m_current->x(), -remembered);
        bar->setValue(remembered);
    };
    fit(m_hBar, m_current->width(), width(), scroll.x(), true);
    fit(m_vBar, m_current->height(), height(), scroll.y(), false);
    update();
}

void MOXQCanvas::scrollChanged(int value)
{
    if (!m_current) return;
    QPoint& scroll = m_scroll[m_current];
    if (sender() == m_vBar) {
        m_current->move(m_current->x(), -value);
        scroll.setY(value);
    } else if (sender() == m_hBar) {
        m_current->move(-value, m_current->y());
        scroll.setX(value);
    }
    update();
}

void MOXQCanvas::resizeEvent(QResizeEvent* event)
{
    MOXQControl::resizeEvent(event);
    UpdateScrollBar();
}

// --- painting ---

void MOXQCanvas::invalidateControl(QWidget* widget)
{
    m_grabs.remove(widget);
    update();
}

void MOXQCanvas::invalidateAll()
{
    m_grabs.clear();
    update();
}

const QPixmap& MOXQCanvas::grabOf(QWidget* widget)
{
    Grab& grab = m_grabs[widget];
    const QSize size = widget->size();
    if (grab.widget != widget || grab.pixmap.isNull() ||
        grab.pixmap.size() / grab.pixmap.devicePixelRatio() != size) {
        grab.widget = widget;
        grab.pixmap = QPixmap();
        if (!size.isEmpty()) {
            // Without the window background a grab would paint under a transparent control:
            // what shows through is its parent, painted first.
            const qreal ratio = devicePixelRatioF();
            grab.pixmap = QPixmap(size * ratio);
            grab.pixmap.setDevicePixelRatio(ratio);
            grab.pixmap.fill(Qt::transparent);
            widget->render(&grab.pixmap, QPoint(), QRegion(), QWidget::DrawChildren);
        }
    }
    return grab.pixmap;
}

void MOXQCanvas::paintChildren(QPainter& painter, const QWidget* parent, const QPoint& origin,
                               const QRect& dirty)
{
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child) continue;
        const QRect rect(origin + child->pos(), child->size());
        const QRect visible = rect & dirty;
        if (visible.isEmpty() || child->isWindow() || !markedVisible(child)) continue;
        painter.drawPixmap(rect.topLeft(), grabOf(child));
        if (child->children().isEmpty()) continue;
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        paintChildren(painter, child, rect.topLeft(), visible);
        painter.restore();
    }
}

void MOXQCanvas::DrawSelectionPoint(QPainter& painter, int x, int y, bool selected)
{
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(x - 3, y - 3, 4, 4));
    painter.fillRect(QRect(x - 2, y - 2, 3, 3),
                     selected ? QColor(0xC5, 0xE6, 0xFF) : QColor(Qt::white));
}

void MOXQCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::gray);
    if (!m_current) return;
    painter.setClipRect(event->rect());
    paintChildren(painter, m_current, m_current->pos(), event->rect());
    pruneSelection();
    bool first = true;
    for (const QPointer<QWidget>& widget : m_selection) {
        const QRect r = canvasRect(widget);
        const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
        const QPoint handles[] = {{x, y},         {x + w / 2, y},     {x + w, y},
                                  {x, y + h},     {x + w / 2, y + h}, {x + w, y + h},
                                  {x, y + h / 2}, {x + w, y + h / 2}};
        for (const QPoint& p : handles)
            DrawSelectionPoint(painter, p.x(), p.y(), !first);
        first = false;
    }
}

} // namespace MOXQtLib
