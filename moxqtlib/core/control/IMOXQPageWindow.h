#pragma once

// A library window that hosts a page: page files set its window keys ("drag", "resize",
// "minW", "minH", "onlyDragCaption"), and a container placed directly in it fills it.

namespace MOXQtLib {

class IMOXQPageWindow
{
public:
    virtual ~IMOXQPageWindow() = default;

    virtual void setCanDrag(bool canDrag) = 0;
    virtual void setResizeable(bool resizeable) = 0;
    virtual void setMinWidth(int width) = 0;
    virtual void setMinHeight(int height) = 0;
    virtual void setOnlyDragCaption(bool onlyCaption) = 0;
};

} // namespace MOXQtLib
