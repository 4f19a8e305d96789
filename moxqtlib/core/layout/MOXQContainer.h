#pragma once

// The library's layout control: arranges its child widgets in a row, a column, a wrapping row
// or a wrapping column (or leaves them alone), docks children that ask for it at a side or the
// centre, can be scrolled by two bound scroll bars and paints a background per state.

#include "FillStyle.h"
#include "MOXControlInfo.h"
#include "MOXQContainerLayout.h"
#include "MOXQControl.h"
#include "MOXQWidgetBaseImpl.h"

#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QScrollBar>
#include <QSize>
#include <QWidget>

#include <array>

class QVariantAnimation;

namespace MOXQtLib {

class MOXQContainer;

class MOXQContainerImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQContainerImpl(QWidget* owner, const QString& name);
    ~MOXQContainerImpl() override;

    void drawControl(QPainter* painter, const QRect& rect) override;
    void resizeControl() override;
    void childLayoutChanged() override { relayout(); }
    bool fillsHostWindow() const override { return true; }

    static const MOXKeyTable& keys();

    // Values outside the four automatic layouts mean No Use. Layout changes lay out again.
    void setChildLayout(int layout);
    void setChildSpace(int space);
    void setChildPadding(const QMargins& margins);
    void setAbsoluteDockAutoSize(bool autoSize);
    void setDrawBackground(bool draw);
    // Disable sets the Disable background, CtrlStateAll both, any other state the Normal one.
    void setBackground(int state, const FillStyle& style);
    // The Disable background for Disable, the Normal one for any other state.
    const FillStyle& getBackground(int state) const;

    // Normal, then Disable.
    std::array<FillStyle, 2> backgrounds;
    AutoChildLayout childLayout = LayoutNoUse;
    int childSpace = 0;
    QMargins padding;
    bool drawBackground = true;
    bool absoluteDockAutoSize = false;

    // One layout pass: docking, the automatic layout, docking again.
    void layoutPass();
    // Lays out and settles the bound scroll bars.
    void relayout();
    void updateScrollState();
    // Children back at their base geometries, shifted by the scroll offset.
    void moveChildrenToOffset();
    // The preferred size of the children plus paddings; (-1, -1) without auto size.
    QSize contentSize() const;

    void bindScrollBar(QScrollBar* bar, bool horizontal);
    QScrollBar* scrollBar(bool horizontal) const;
    int scrollPos(bool horizontal) const { return horizontal ? m_scrollX : m_scrollY; }
    void setScrollPos(bool horizontal, int pos);

    bool startResizeAnimation(const QSize& from, const QSize& to, int ms);
    bool isAnimating() const { return m_animating; }
    // Completed inside a page build whose parent container will place it: the layout waits
    // for that placement.
    bool parentWillPlace() const;
    bool layoutPending = false;

    void bindWindowHandle(void* handle);
    void* windowHandle() const { return m_windowHandle; }
    void moveBoundWindow();

    // Watching children (the container's event filter and child events).
    void childAdded(QWidget* child);
    void childRemoved(QObject* child);
    void childChanged(QWidget* child);
    bool isBoundScrollBar(const QObject* object) const;

private:
    QWidget* owner() const { return getOwner(); }
    QVector<QWidget*> directChildren() const;
    LayoutFrame frame(Qt::Orientation orientation) const;
    void runLinear(const QVector<QWidget*>& children, Qt::Orientation orientation);
    void runFloat(const QVector<QWidget*>& children, Qt::Orientation orientation);
    void dockChildren(const QVector<QWidget*>& children);
    void placeChild(QWidget* child, const QRect& rect);
    QRect baseGeometry(const QWidget* child, int scrollX, int scrollY) const;
    void setBaseGeometry(QWidget* child, const QRect& rect);
    QSize requestedSize(QWidget* child);
    void rememberLaidOut(QWidget* child);
    void scheduleLayout();

    QPointer<QScrollBar> m_hBar;
    QPointer<QScrollBar> m_vBar;
    int m_scrollX = 0;
    int m_scrollY = 0;
    bool m_layingOut = false;
    bool m_animating = false;
    bool m_updatingScroll = false;
    bool m_layoutScheduled = false;
    QVariantAnimation* m_animation = nullptr;
    void* m_windowHandle = nullptr;
    // What each child asked for and what the last pass made of it.
    struct ChildSizes
    {
        QSize request;
        QSize laidOut;
        // Where the layout put it, before scrolling; mirrored in the child's property.
        QRect base;
        bool hasBase = false;
    };
    QHash<const QObject*, ChildSizes> m_sizes;
};

class MOXQContainer : public MOXQControl<QWidget, MOXQContainerImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQContainer(QWidget* parent = nullptr);
    ~MOXQContainer() override;

    static QString typeName();
    static ControlInfo getProps();

    // Values outside the enumeration mean No Use; a change lays the children out again.
    void setChildLayout(AutoChildLayout layout) { impl()->setChildLayout(layout); }
    AutoChildLayout getChildLayout() const { return impl()->childLayout; }
    void setChildPadding(int padding) { setChildPadding(padding, padding, padding, padding); }
    void setChildPadding(int left, int top, int right, int bottom)
    {
        impl()->setChildPadding(QMargins(left, top, right, bottom));
    }
    void getChildPadding(int& left, int& top, int& right, int& bottom) const;
    // The gap between neighbouring children.
    void setChildSpace(int space) { impl()->setChildSpace(space); }
    int getChildSpace() const { return impl()->childSpace; }
    // A docked container sized from its children (getContentSize).
    void setAbsoluteDockAutoSize(bool autoSize) { impl()->setAbsoluteDockAutoSize(autoSize); }
    bool getAbsoluteDockAutoSize() const { return impl()->absoluteDockAutoSize; }
    void setDrawBackground(bool draw) { impl()->setDrawBackground(draw); }
    bool getDrawBackground() const { return impl()->drawBackground; }
    // Normal and Disable backgrounds; setBackground sets the Normal one.
    void setBackground(const FillStyle& style) { impl()->setBackground(CtrlStateNormal, style); }
    // Disable sets the Disable background, CtrlStateAll both, any other state the Normal one.
    void setBackgroundState(CtrlState state, const FillStyle& style)
    {
        impl()->setBackground(state, style);
    }
    const FillStyle& getBackground() const { return impl()->backgrounds[0]; }
    const FillStyle& getBackgroundState(CtrlState state) const { return impl()->getBackground(state); }
    const FillStyle& getDisableBackground() const { return impl()->backgrounds[1]; }

    // Reparents `widget` into the container, gives a control the ratio and lays out.
    void addChildWidget(QWidget* widget, int ratio = 1);
    // Replaces the bar of that orientation; null unbinds. Bound bars never join the layouts.
    void bindScrollBar(QScrollBar* bar, bool horizontal);
    QScrollBar* getBindScrollBar(bool horizontal) const;
    Q_INVOKABLE void forceResize();
    // Animates the size; equal sizes (or no duration) apply at once.
    bool startResizeAnimation(const QSize& from, const QSize& to, int ms);
    bool isResizeAnimationRunning() const;
    int getScrollPos(bool horizontal) const;
    void setScrollPos(bool horizontal, int pos);
    // A native window kept over the container (where the platform can move foreign windows).
    void bindWindowHandle(void* handle);
    void* getWindowHandle() const;
    // The preferred size of the children plus paddings; (-1, -1) without auto size.
    QSize getContentSize() const;

    void createComplete() override;
    bool isLayoutPending() const { return impl()->layoutPending; }

    // What a form designer asks of a custom widget.
    QString name() const { return QStringLiteral("MOXQContainer"); }
    QString group() const { return {}; }
    QString toolTip() const { return {}; }
    QString whatsThis() const { return {}; }
    QString includeFile() const { return QStringLiteral("MOXQContainer.h"); }
    QIcon icon() const { return {}; }
    bool isContainer() const { return false; }
    QString domXml() const;
    QWidget* createWidget(QWidget* parent) const;
    void initialize(QObject* formEditor = nullptr);
    bool isInitialized() const { return m_initialized; }

signals:
    void mouseClickEvent();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_initialized = false;
};

QWidget* createMOXQContainer();

} // namespace MOXQtLib
