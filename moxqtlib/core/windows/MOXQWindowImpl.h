#pragma once

// What the library's windows share: dragging by the body or the caption, resizing from the
// eight edge and corner zones, an optional background, and a maximise on double click.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QMouseEvent;

namespace MOXQtLib {

class MOXQWindowImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    // The edge or corner a press landed on.
    enum ResizeArea
    {
        AreaNone = -1,
        AreaLeft = 0,
        AreaRight = 1,
        AreaTop = 2,
        AreaBottom = 3,
        AreaBottomRight = 4,
        AreaTopRight = 5,
        AreaTopLeft = 6,
        AreaBottomLeft = 7
    };

    MOXQWindowImpl(QWidget* owner, const QString& name);
    ~MOXQWindowImpl() override;

    // The zone of `pos` in a window of `size` with zones `border` pixels wide; AreaNone inside.
    static int resizeAreaAt(const QPoint& pos, const QSize& size, int border);
    // `geometry` after the mouse moved by `delta` while resizing from `area`. A size below
    // `minimum` becomes the minimum, and a left or top edge then stops where the minimum puts
    // it, so the opposite edge never moves.
    static QRect resizedGeometry(const QRect& geometry, int area, const QPoint& delta,
                                 const QSize& minimum);
    // The deepest shown widget under (x, y), in `root`'s window coordinates; children are
    // searched topmost first. Null for a null or hidden root or a point outside it.
    static QWidget* hitTest(QWidget* root, int x, int y);
    // The window that holds the mouse for a drag or resize, or null. A window that is gone,
    // hidden or no longer the mouse grabber holds nothing.
    static QWidget* mouseHolder();

    // Switches mouse tracking with it, for the resize cursors.
    void setResizeable(bool resizeable);
    bool getResizeable() const { return m_resizeable; }
    void setCanDrag(bool canDrag) { m_canDrag = canDrag; }
    bool getCanDrag() const { return m_canDrag; }
    void setBorderWidth(int width) { m_borderWidth = qMax(0, width); }
    int getBorderWidth() const { return m_borderWidth; }
    // Also the window's own minimum, so the window manager and maximising respect it.
    void setMinWidth(int width);
    int getMinWidth() const { return m_minWidth; }
    void setMinHeight(int height);
    int getMinHeight() const { return m_minHeight; }
    void setOnlyDragCaption(bool only) { m_onlyDragCaption = only; }
    bool getOnlyDragCaption() const { return m_onlyDragCaption; }
    void setCaptionHeight(int height) { m_captionHeight = qMax(0, height); }
    int getCaptionHeight() const { return m_captionHeight; }
    void setMaxOnDoubleClick(bool on) { m_maxOnDoubleClick = on; }
    bool getMaxOnDoubleClick() const { return m_maxOnDoubleClick; }

    void setShowBackground(bool show) { storeAndUpdate(m_showBackground, show); }
    bool getShowBackground() const { return m_showBackground; }
    void setUseFillColor(bool use) { storeAndUpdate(m_useFillColor, use); }
    bool getUseFillColor() const { return m_useFillColor; }
    void setBackgroundColor(const FillRes& fill);
    const FillRes& getBackgroundColor() const { return m_fill; }
    void setBackgroundImage(const QString& path, const ImageDesc& desc);
    QString getBackgroundImagePath() const { return m_imagePath; }

    int getResizeArea() const { return m_resizeArea; }
    bool isDragging() const { return m_dragging; }

    // Mouse handling of the owner; true when the event was taken.
    bool mousePress(QMouseEvent* event);
    bool mouseMove(QMouseEvent* event);
    bool mouseRelease(QMouseEvent* event);
    bool mouseDoubleClick(QMouseEvent* event);
    // Lets go of the mouse when the owner holds it (the owner is hidden or closed mid-drag).
    void releaseMouseHold();
    // Every child control fits itself to the new size.
    void resizeChildren();

    void drawControl(QPainter* painter, const QRect& rect) override;

private:
    bool ownerMaximized() const;
    bool dragAllowedAt(const QPoint& pos) const;
    void updateCursor(const QPoint& pos);

    int m_resizeArea = AreaNone;
    bool m_resizeable = false;
    bool m_canDrag = true;
    int m_borderWidth = 4;
    bool m_cursorChanged = false;
    bool m_dragging = false;
    QString m_imagePath;
    ImageDesc m_imageDesc;
    FillRes m_fill;
    bool m_useFillColor = true;
    QPoint m_lastGlobal;
    bool m_showBackground = false;
    int m_minWidth = 400;
    int m_minHeight = 400;
    bool m_onlyDragCaption = false;
    int m_captionHeight = 40;
    bool m_maxOnDoubleClick = false;
};

} // namespace MOXQtLib
