#pragma once

// The Qt side shared by the library's windows: mouse, paint, resize and hide events go to the
// window implementation, and page files reach it through IMOXQPageWindow.

#include "IMOXQPageWindow.h"
#include "MOXQControl.h"
#include "MOXQWindowImpl.h"

#include <QHideEvent>
#include <QMouseEvent>
#include <QResizeEvent>

namespace MOXQtLib {

template <class Widget>
class MOXQWindowBase : public MOXQControl<Widget, MOXQWindowImpl, MOXRoutePaint>,
                       public IMOXQPageWindow
{
    using Control = MOXQControl<Widget, MOXQWindowImpl, MOXRoutePaint>;

public:
    template <class... Args>
    explicit MOXQWindowBase(const QString& typeName, Args&&... args)
        : Control(typeName, std::forward<Args>(args)...)
    {
    }

    void setCanDrag(bool canDrag) override { this->impl()->setCanDrag(canDrag); }
    bool getCanGrag() const { return this->impl()->getCanDrag(); }
    void setResizeable(bool resizeable) override { this->impl()->setResizeable(resizeable); }
    bool getResizeable() const { return this->impl()->getResizeable(); }
    void setMinWidth(int width) override { this->impl()->setMinWidth(width); }
    void setMinHeight(int height) override { this->impl()->setMinHeight(height); }
    // Only a press within the caption height drags the window.
    void setOnlyDragCaption(bool only) override { this->impl()->setOnlyDragCaption(only); }
    bool getOnlyDragCaption() const { return this->impl()->getOnlyDragCaption(); }
    void setCaptionHeight(int height) { this->impl()->setCaptionHeight(height); }
    int getCaptionHeight() const { return this->impl()->getCaptionHeight(); }
    // A double click within the caption height toggles maximised and normal.
    void setMaxOnDoubleClick(bool on) { this->impl()->setMaxOnDoubleClick(on); }
    void setShowBackground(bool show) { this->impl()->setShowBackground(show); }
    // True: the fill below paints the background; false: the nine-patch image.
    void setUseFillColor(bool use) { this->impl()->setUseFillColor(use); }
    void setBackgroundColor(const FillRes& fill) { this->impl()->setBackgroundColor(fill); }
    void setBackgroundImage(const QString& path, const ImageDesc& desc)
    {
        this->impl()->setBackgroundImage(path, desc);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (!this->impl()->mousePress(event)) Control::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!this->impl()->mouseMove(event)) Control::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!this->impl()->mouseRelease(event)) Control::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (!this->impl()->mouseDoubleClick(event)) Control::mouseDoubleClickEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        Control::resizeEvent(event);
        this->impl()->resizeChildren();
    }
    void hideEvent(QHideEvent* event) override
    {
        this->impl()->releaseMouseHold();
        Control::hideEvent(event);
    }
};

} // namespace MOXQtLib
