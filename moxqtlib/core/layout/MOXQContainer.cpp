#include "MOXQContainer.h"

#include "MOXJson.h"
#include "MOXKey.h"
#include "MOXNativeWindow.h"
#include "MOXQPageBuild.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"
#include "MOXQWidgetBase.h"
#include "MOXResourceFunctions.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QVariantAnimation>

namespace MOXQtLib {

namespace {

const char* const kBaseGeometry = "_mox_container_base_geometry";
const char* const kBoundScrollBar = "_mox_container_bound_scrollbar";

// Spacers publish their direction and thickness as Qt properties.
bool spacerInfo(QWidget* w, IMOXQWidgetBase* control, int& direction, int& thickness)
{
    if (!control || control->getTypeName() != QLatin1String("qtspacer")) return false;
    direction = w->property("direction").toInt();
    thickness = w->property("thickness").toInt();
    return true;
}

QRect propertyBaseGeometry(const QWidget* w, int scrollX, int scrollY)
{
    const QVariant v = w->property(kBaseGeometry);
    if (v.canConvert<QRect>() && v.userType() == QMetaType::QRect) return v.toRect();
    return w->geometry().translated(scrollX, scrollY);
}

// Visibility as the widget was told, independent of whether its window is on screen yet.
bool shown(const QWidget* w)
{
    return !w->isHidden();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// MOXQContainerImpl

MOXQContainerImpl::MOXQContainerImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
    backgrounds[0].fillRes.color = QColor(0x80, 0x80, 0x80);
    backgrounds[1] = backgrounds[0];
}

MOXQContainerImpl::~MOXQContainerImpl()
{
    if (m_windowHandle) moxReleaseNativeWindow(m_windowHandle);
}

void MOXQContainerImpl::drawControl(QPainter* painter, const QRect& rect)
{
    if (drawBackground)
        drawFillStyle(painter, backgrounds[owner()->isEnabled() ? 0 : 1], rect);
}

void MOXQContainerImpl::resizeControl()
{
    relayout();
}

QVector<QWidget*> MOXQContainerImpl::directChildren() const
{
    QVector<QWidget*> out;
    for (QObject* o : owner()->children()) {
        if (!o->isWidgetType() || isBoundScrollBar(o)) continue;
        auto* w = static_cast<QWidget*>(o);
        // Windows parented to the container (dialogs, menus) are not laid out in it.
        if (w->isWindow()) continue;
        out.append(w);
    }
    return out;
}

bool MOXQContainerImpl::isBoundScrollBar(const QObject* object) const
{
    return object && (object == m_hBar.data() || object == m_vBar.data());
}

LayoutFrame MOXQContainerImpl::frame(Qt::Orientation orientation) const
{
    LayoutFrame f;
    f.container = owner()->size();
    f.padding = padding;
    f.space = childSpace;
    if (m_vBar && shown(m_vBar)) f.scrollBarWidth = std::max(m_vBar->sizeHint().width(), 0);
    if (m_hBar && shown(m_hBar)) f.scrollBarHeight = std::max(m_hBar->sizeHint().height(), 0);
    f.scrollAlong = orientation == Qt::Horizontal ? !m_hBar.isNull() : !m_vBar.isNull();
    return f;
}

// The size a child asked for: its own size, unless that is only what an earlier pass of this
// container made of it. A child squeezed by a small container gets its size back when the
// container grows, instead of keeping the squeezed size for good.
QSize MOXQContainerImpl::requestedSize(QWidget* child)
{
    ChildSizes& sizes = m_sizes[child];
    if (sizes.laidOut != child->size() || !sizes.request.isValid()) sizes.request = child->size();
    return sizes.request;
}

void MOXQContainerImpl::rememberLaidOut(QWidget* child)
{
    m_sizes[child].laidOut = child->size();
}

// Qt holds resize events back from widgets that are not shown; a page that is built, measured
// or saved before it is shown still needs its nested containers laid out.
static void cascadeWhileHidden(QWidget* child, const QSize& before)
{
    auto* sub = qobject_cast<MOXQContainer*>(child);
    if (!sub) return;
    if (sub->isLayoutPending() || (!child->isVisible() && child->size() != before))
        sub->forceResize();
}

QRect MOXQContainerImpl::baseGeometry(const QWidget* child, int scrollX, int scrollY) const
{
    const auto it = m_sizes.constFind(child);
    if (it != m_sizes.constEnd() && it->hasBase) return it->base;
    return propertyBaseGeometry(child, scrollX, scrollY);
}

void MOXQContainerImpl::setBaseGeometry(QWidget* child, const QRect& rect)
{
    // The property is what others see; a layout pass rarely changes it, and setting a
    // dynamic property costs a name lookup.
    ChildSizes& sizes = m_sizes[child];
    if (sizes.hasBase && sizes.base == rect) return;
    sizes.base = rect;
    sizes.hasBase = true;
    child->setProperty(kBaseGeometry, rect);
}

void MOXQContainerImpl::placeChild(QWidget* child, const QRect& rect)
{
    setBaseGeometry(child, rect);
    const QSize before = child->size();
    // QWidget's own setGeometry: the layout must not turn relative children absolute.
    child->QWidget::setGeometry(rect.translated(-m_scrollX, -m_scrollY));
    rememberLaidOut(child);
    cascadeWhileHidden(child, before);
}

void MOXQContainerImpl::runLinear(const QVector<QWidget*>& children, Qt::Orientation orientation)
{
    QVector<QWidget*> widgets;
    QVector<LayoutChild> items;
    for (QWidget* w : children) {
        IMOXQWidgetBase* control = moxControlOf(w);
        if (control && control->getAbsoluteLayout()) continue;
        LayoutChild c;
        c.size = requestedSize(w);
        c.minimum = w->minimumSize();
        c.maximum = w->maximumSize();
        c.isControl = control != nullptr;
        if (control) {
            c.ratio = control->getLayoutRatio();
            c.widthPolicy = control->getWidthPolicy();
            c.heightPolicy = control->getHeightPolicy();
            spacerInfo(w, control, c.spacerDirection, c.spacerThickness);
        }
        widgets.append(w);
        items.append(c);
    }
    const QVector<QRect> rects = layoutLinear(frame(orientation), items, orientation);
    for (int i = 0; i < widgets.size(); ++i)
        placeChild(widgets[i], rects[i]);
}

void MOXQContainerImpl::runFloat(const QVector<QWidget*>& widgets, Qt::Orientation orientation)
{
    QVector<QSize> sizes;
    sizes.reserve(widgets.size());
    for (QWidget* w : widgets)
        sizes.append(requestedSize(w));
    const QVector<QRect> rects = layoutFloat(frame(orientation), sizes, orientation);
    for (int i = 0; i < widgets.size(); ++i)
        placeChild(widgets[i], rects[i]);
}

void MOXQContainerImpl::dockChildren(const QVector<QWidget*>& children)
{
    const LayoutFrame f = frame(Qt::Horizontal);
    for (QWidget* w : children) {
        IMOXQWidgetBase* control = moxControlOf(w);
        if (!control || !control->getAbsoluteLayout()) continue;
        DockRequest d;
        DockLayoutType hor = DockLayoutNear, ver = DockLayoutNear;
        control->getAbsoluteDock(hor, ver, d.offsetX, d.offsetY);
        d.hor = hor;
        d.ver = ver;
        d.size = requestedSize(w);
        auto* sub = qobject_cast<MOXQContainer*>(w);
        if (sub && sub->getAbsoluteDockAutoSize()) {
            const QSize content = sub->getContentSize();
            if (content.width() >= 0 && content.height() >= 0) d.size = content;
        }
        d.minimum = w->minimumSize();
        d.maximum = w->maximumSize();
        const QRect r = layoutDock(f, d);
        const QSize before = w->size();
        control->getControlBase()->setGeometry(r.translated(-m_scrollX, -m_scrollY));
        rememberLaidOut(w);
        setBaseGeometry(w, r);
        if (sub && sub->getAbsoluteDockAutoSize())
            sub->forceResize();
        else
            cascadeWhileHidden(w, before);
    }
}

void MOXQContainerImpl::layoutPass()
{
    if (m_layingOut) return;
    m_layingOut = true;
    // Docked children follow the container under every layout, No Use included.
    const QVector<QWidget*> children = directChildren();
    dockChildren(children);
    if (childLayout == LayoutHorizontal || childLayout == LayoutVertical)
        runLinear(children, childLayout == LayoutHorizontal ? Qt::Horizontal : Qt::Vertical);
    else if (childLayout == LayoutHorFloat || childLayout == LayoutVerFloat)
        runFloat(children, childLayout == LayoutHorFloat ? Qt::Horizontal : Qt::Vertical);
    dockChildren(children);
    m_layingOut = false;
}

bool MOXQContainerImpl::parentWillPlace() const
{
    auto* parent = qobject_cast<MOXQContainer*>(owner()->parentWidget());
    if (!parent) return false;
    const IMOXQWidgetBase* control = moxControlOf(owner());
    return parent->getChildLayout() != LayoutNoUse || (control && control->getAbsoluteLayout());
}

void MOXQContainerImpl::relayout()
{
    layoutPending = false;
    layoutPass();
    updateScrollState();
}

void MOXQContainerImpl::updateScrollState()
{
    if (m_updatingScroll || (!m_hBar && !m_vBar)) return;
    m_updatingScroll = true;
    // A bar that appears narrows the room, the new layout may hide it again: a few rounds
    // settle every real case, and the count keeps a pathological one from spinning.
    for (int round = 0; round < 3; ++round) {
        const bool hWasShown = m_hBar && shown(m_hBar);
        const bool vWasShown = m_vBar && shown(m_vBar);

        ScrollInput in;
        in.container = owner()->size();
        for (QWidget* w : directChildren())
            if (shown(w)) in.content = in.content.united(baseGeometry(w, m_scrollX, m_scrollY));
        in.horizontalBound = !m_hBar.isNull();
        in.verticalBound = !m_vBar.isNull();
        if (m_vBar) in.verticalBarWidth = m_vBar->sizeHint().width();
        if (m_hBar) in.horizontalBarHeight = m_hBar->sizeHint().height();
        in.horizontalValue = m_hBar ? m_hBar->value() : 0;
        in.verticalValue = m_vBar ? m_vBar->value() : 0;
        const ScrollResult r = layoutScrollState(in);

        auto apply = [](QScrollBar* bar, const ScrollBarState& s, int& offset) {
            if (!bar) {
                offset = 0;
                return;
            }
            const QSignalBlocker block(bar);
            bar->setRange(0, s.maximum);
            if (!s.visible) {
                bar->setValue(0);
                bar->hide();
                offset = 0;
                return;
            }
            bar->setPageStep(std::max(s.pageStep, 1));
            if (bar->value() != s.value) bar->setValue(s.value);
            if (IMOXQWidgetBase* control = moxControlOf(bar))
                control->getControlBase()->setGeometry(s.geometry);
            else
                bar->setGeometry(s.geometry);
            bar->show();
            bar->raise();
            offset = s.value;
        };
        apply(m_hBar, r.horizontal, m_scrollX);
        apply(m_vBar, r.vertical, m_scrollY);

        const bool changed =
            (m_hBar && shown(m_hBar) != hWasShown) || (m_vBar && shown(m_vBar) != vWasShown);
        if (!changed || childLayout == LayoutNoUse) break;
        layoutPass();
    }
    moveChildrenToOffset();
    m_updatingScroll = false;
}

void MOXQContainerImpl::moveChildrenToOffset()
{
    const bool wasLayingOut = m_layingOut;
    m_layingOut = true; // our own moves are not child changes
    for (QWidget* w : directChildren()) {
        const QRect base = baseGeometry(w, m_scrollX, m_scrollY);
        w->QWidget::setGeometry(base.translated(-m_scrollX, -m_scrollY));
    }
    m_layingOut = wasLayingOut;
}

QSize MOXQContainerImpl::contentSize() const
{
    if (!absoluteDockAutoSize) return QSize(-1, -1);
    QVector<ContentChild> items;
    for (QWidget* w : directChildren()) {
        IMOXQWidgetBase* control = moxControlOf(w);
        if (control && control->getAbsoluteLayout()) continue;
        ContentChild c;
        c.sizeHint = w->sizeHint();
        c.minimumSizeHint = w->minimumSizeHint();
        c.minimum = w->minimumSize();
        c.maximum = w->maximumSize();
        c.current = w->size();
        c.position = w->pos();
        if (control) {
            c.widthPolicy = control->getWidthPolicy();
            c.heightPolicy = control->getHeightPolicy();
        }
        items.append(c);
    }
    return layoutContentSize(childLayout, childSpace, padding, items);
}

void MOXQContainerImpl::bindScrollBar(QScrollBar* bar, bool horizontal)
{
    QPointer<QScrollBar>& slot = horizontal ? m_hBar : m_vBar;
    if (slot == bar) return;
    if (QScrollBar* old = slot.data()) {
        old->setProperty(kBoundScrollBar, false);
        old->hide();
        old->removeEventFilter(owner());
        QObject::disconnect(old, nullptr, this, nullptr);
    }
    slot = bar;
    (horizontal ? m_scrollX : m_scrollY) = 0;
    if (bar) {
        if (bar->parentWidget() != owner()) bar->setParent(owner());
        bar->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
        bar->setProperty(kBoundScrollBar, true);
        bar->setProperty(kBaseGeometry, QVariant());
        m_sizes.remove(bar);
        if (IMOXQWidgetBase* control = moxControlOf(bar))
            control->getControlBase()->setInternal(true);
        bar->installEventFilter(owner());
        connect(bar, &QScrollBar::valueChanged, this, [this, horizontal](int value) {
            if (m_animating) return;
            (horizontal ? m_scrollX : m_scrollY) = value;
            moveChildrenToOffset();
        });
    }
    relayout();
}

QScrollBar* MOXQContainerImpl::scrollBar(bool horizontal) const
{
    return horizontal ? m_hBar.data() : m_vBar.data();
}

void MOXQContainerImpl::setScrollPos(bool horizontal, int pos)
{
    QScrollBar* bar = scrollBar(horizontal);
    if (bar && shown(bar)) {
        bar->setValue(pos); // clamps and moves the children through valueChanged
        (horizontal ? m_scrollX : m_scrollY) = bar->value();
    } else {
        (horizontal ? m_scrollX : m_scrollY) = 0;
    }
    moveChildrenToOffset();
}

bool MOXQContainerImpl::startResizeAnimation(const QSize& from, const QSize& to, int ms)
{
    if (from == to || ms <= 0) {
        if (m_animation) m_animation->stop();
        m_animating = false;
        owner()->resize(to);
        return true;
    }
    if (!m_animation) {
        m_animation = new QVariantAnimation(this);
        connect(m_animation, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& v) { owner()->resize(v.toSize()); });
        connect(m_animation, &QVariantAnimation::finished, this, [this] {
            m_animating = false;
            relayout();
        });
    }
    m_animation->stop();
    m_animation->setStartValue(from);
    m_animation->setEndValue(to);
    m_animation->setDuration(ms);
    m_animating = true;
    owner()->resize(from);
    m_animation->start();
    return true;
}

void MOXQContainerImpl::bindWindowHandle(void* handle)
{
    if (m_windowHandle == handle) return;
    if (m_windowHandle) moxReleaseNativeWindow(m_windowHandle);
    m_windowHandle = handle;
    moveBoundWindow();
}

void MOXQContainerImpl::moveBoundWindow()
{
    if (!m_windowHandle) return;
    const QPoint pos = owner()->mapTo(owner()->window(), QPoint(0, 0));
    moxMoveNativeWindow(m_windowHandle, QRect(pos, owner()->size()));
}

void MOXQContainerImpl::scheduleLayout()
{
    // Many children arrive at once while a page is built: one pass for all of them.
    if (m_layoutScheduled) return;
    m_layoutScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_layoutScheduled = false;
        relayout();
    });
}

void MOXQContainerImpl::childAdded(QWidget* child)
{
    child->installEventFilter(owner());
    scheduleLayout();
}

void MOXQContainerImpl::childRemoved(QObject* child)
{
    child->removeEventFilter(owner());
    m_sizes.remove(child);
    if (child == m_hBar.data()) m_hBar = nullptr;
    if (child == m_vBar.data()) m_vBar = nullptr;
    updateScrollState();
}

void MOXQContainerImpl::childChanged(QWidget* child)
{
    if (m_layingOut || m_animating || m_updatingScroll || isBoundScrollBar(child)) return;
    setBaseGeometry(child, child->geometry().translated(m_scrollX, m_scrollY));
    updateScrollState();
}

const MOXKeyTable& MOXQContainerImpl::keys()
{
    using I = MOXQContainerImpl;
    // A file's own values first; a theme entry then changes only what it names.
    auto padding = [](const char* key, int (QMargins::*get)() const,
                      void (QMargins::*set)(int)) {
        return moxKey<I>(
                   key, [get](const I& i) { return (i.padding.*get)(); },
                   [set](I& i, int v) {
                       QMargins m = i.padding;
                       (m.*set)(v);
                       i.setChildPadding(m);
                   })
            .ownThenTheme();
    };
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addFillGroup(i.backgrounds.data(), 2); }),
        moxKey<I>("childLayout", [](const I& i) { return int(i.childLayout); }, &I::setChildLayout)
            .ownThenTheme()
            .always()
            .absent(LayoutNoUse)
            .property("ChildLayout", PropertyDef::Enumeration)
            .choices({0, 1, 2, 3, 4},
                     {QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
                      QStringLiteral("HorFloat"), QStringLiteral("VerFloat"),
                      QStringLiteral("No Use")}),
        moxKey<I>("space", [](const I& i) { return i.childSpace; }, &I::setChildSpace)
            .ownThenTheme()
            .property("ChildSpace", PropertyDef::Integer),
        padding("paddingLeft", &QMargins::left, &QMargins::setLeft),
        padding("paddingTop", &QMargins::top, &QMargins::setTop),
        padding("paddingRight", &QMargins::right, &QMargins::setRight),
        padding("paddingBottom", &QMargins::bottom, &QMargins::setBottom),
        // Left, top, right, bottom.
        moxProperty<I>(
            "ChildPadding", PropertyDef::Margins,
            [](const I& i) {
                const QMargins& m = i.padding;
                return QVariantList{m.left(), m.top(), m.right(), m.bottom()};
            },
            [](I& i, const QVariantList& m) {
                if (m.size() == 4)
                    i.setChildPadding(
                        QMargins(m[0].toInt(), m[1].toInt(), m[2].toInt(), m[3].toInt()));
            }),
        moxProperty<I>(
            "DrawBackground", PropertyDef::Boolean, [](const I& i) { return i.drawBackground; },
            &I::setDrawBackground),
        moxKey<I>("absoluteDockAutoSize", [](const I& i) { return i.absoluteDockAutoSize; },
                  &I::setAbsoluteDockAutoSize, moxBoolCodec)
            .ownThenTheme()
            .property("AbsoluteDockAutoSize", PropertyDef::Boolean),
    };
    return table;
}

void MOXQContainerImpl::setChildLayout(int layout)
{
    const AutoChildLayout value =
        layout >= LayoutHorizontal && layout < LayoutNoUse ? AutoChildLayout(layout) : LayoutNoUse;
    if (value == childLayout) return;
    childLayout = value;
    relayout();
}

void MOXQContainerImpl::setChildSpace(int space)
{
    if (space == childSpace) return;
    childSpace = space;
    relayout();
}

void MOXQContainerImpl::setChildPadding(const QMargins& margins)
{
    if (margins == padding) return;
    padding = margins;
    relayout();
}

void MOXQContainerImpl::setAbsoluteDockAutoSize(bool autoSize)
{
    if (autoSize == absoluteDockAutoSize) return;
    absoluteDockAutoSize = autoSize;
    relayout();
}

void MOXQContainerImpl::setDrawBackground(bool draw)
{
    storeAndUpdate(drawBackground, draw);
}

void MOXQContainerImpl::setBackground(int state, const FillStyle& style)
{
    if (state == CtrlStateDisable || state == CtrlStateAll) backgrounds[1] = style;
    if (state != CtrlStateDisable) backgrounds[0] = style;
    updateOwner();
}

const FillStyle& MOXQContainerImpl::getBackground(int state) const
{
    return backgrounds[state == CtrlStateDisable ? 1 : 0];
}

// ---------------------------------------------------------------------------------------------
// MOXQContainer

MOXQContainer::MOXQContainer(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setMouseTracking(true);
    getControlBase()->refreshTheme();
}

MOXQContainer::~MOXQContainer() = default;

QString MOXQContainer::typeName()
{
    return QStringLiteral("qtcontainer");
}

ControlInfo MOXQContainer::getProps()
{
    return moxMakeControlInfo("qtcontainer", "MOXQContainer", "Container", "Control container",
                              "container", MOXQContainerImpl::keys());
}

void MOXQContainer::getChildPadding(int& left, int& top, int& right, int& bottom) const
{
    left = impl()->padding.left();
    top = impl()->padding.top();
    right = impl()->padding.right();
    bottom = impl()->padding.bottom();
}

void MOXQContainer::addChildWidget(QWidget* widget, int ratio)
{
    if (!widget || widget == this) return;
    const bool keepHidden =
        widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden();
    if (widget->parentWidget() != this) widget->setParent(this);
    if (!keepHidden) widget->setVisible(true);
    if (IMOXQWidgetBase* control = moxControlOf(widget)) control->setLayoutRatio(ratio);
    impl()->relayout();
    impl()->updateScrollState();
}

void MOXQContainer::bindScrollBar(QScrollBar* bar, bool horizontal)
{
    impl()->bindScrollBar(bar, horizontal);
}

QScrollBar* MOXQContainer::getBindScrollBar(bool horizontal) const
{
    return impl()->scrollBar(horizontal);
}

void MOXQContainer::forceResize()
{
    impl()->relayout();
}

bool MOXQContainer::startResizeAnimation(const QSize& from, const QSize& to, int ms)
{
    return impl()->startResizeAnimation(from, to, ms);
}

bool MOXQContainer::isResizeAnimationRunning() const
{
    return impl()->isAnimating();
}

int MOXQContainer::getScrollPos(bool horizontal) const
{
    return impl()->scrollPos(horizontal);
}

void MOXQContainer::setScrollPos(bool horizontal, int pos)
{
    impl()->setScrollPos(horizontal, pos);
}

void MOXQContainer::bindWindowHandle(void* handle)
{
    impl()->bindWindowHandle(handle);
}

void* MOXQContainer::getWindowHandle() const
{
    return impl()->windowHandle();
}

QSize MOXQContainer::getContentSize() const
{
    return impl()->contentSize();
}

void MOXQContainer::createComplete()
{
    if (MOXQPageBuild::active() && impl()->parentWillPlace()) {
        impl()->layoutPending = true;
        return;
    }
    impl()->relayout();
}

QString MOXQContainer::domXml() const
{
    return QStringLiteral("<widget class=\"MOXQContainer\" name=\"container\">\n</widget>\n");
}

QWidget* MOXQContainer::createWidget(QWidget* parent) const
{
    return new MOXQContainer(parent);
}

void MOXQContainer::initialize(QObject*)
{
    m_initialized = true;
}

void MOXQContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    impl()->relayout();
    impl()->moveBoundWindow();
}

void MOXQContainer::mouseReleaseEvent(QMouseEvent* event)
{
    MOXQControl::mouseReleaseEvent(event);
    emit mouseClickEvent();
}

void MOXQContainer::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    if (!impl()) return;
    if (event->added() && event->child()->isWidgetType())
        impl()->childAdded(static_cast<QWidget*>(event->child()));
    else if (event->removed())
        impl()->childRemoved(event->child());
}

bool MOXQContainer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->isWidgetType() && watched->parent() == this && impl()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::LayoutRequest:
            impl()->childChanged(static_cast<QWidget*>(watched));
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createMOXQContainer()
{
    return new MOXQContainer();
}

} // namespace MOXQtLib
