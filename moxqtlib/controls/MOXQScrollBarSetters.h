#pragma once

// The scroll bar setters every scroll-area control offers, each addressing the horizontal
// (true) or vertical (false) library bar. Control derives from this and its impl() gives the
// MOXQScrollBarLooks of its bars through scrollBars(). A bar that has been replaced by one that
// is not a library bar takes none of them.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXControlTypes.h"
#include "MOXQScrollBar.h"
#include "MOXQScrollBarLooks.h"

#include <QString>

namespace MOXQtLib {

template <class Control> class MOXQScrollBarSetters
{
public:
    // The thickness of the bar of that orientation, and the length of its step buttons; below
    // 0 leaves them to Qt.
    void setScrollbarSize(bool horizontal, int size) { looks().setSize(horizontal, size); }
    void setScrollbarBtnSize(bool horizontal, int size) { looks().setButtonSize(horizontal, size); }
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle& style)
    {
        if (auto* b = bar(horizontal)) b->setScrollbarBackground(style);
    }
    // Per-state looks: states 0 to 3, or 4 for all four.
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle& style)
    {
        if (auto* b = bar(horizontal))
            up ? b->setScrollbarUpButton(state, style) : b->setScrollbarDownButton(state, style);
    }
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle& style)
    {
        if (auto* b = bar(horizontal)) b->setScrollbarThumb(state, style);
    }
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString& path)
    {
        if (auto* b = bar(horizontal)) b->setScrollbarBtnIcon(up, path);
    }
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc& style)
    {
        if (auto* b = bar(horizontal)) b->setScrollbarIconStyle(up, style);
    }
    // The image centred on the thumb.
    void setScrollbarThumb(bool horizontal, const QString& path)
    {
        if (auto* b = bar(horizontal)) b->setScrollbarThumbIcon(path);
    }

private:
    MOXQScrollBarLooks& looks() { return static_cast<Control*>(this)->impl()->scrollBars(); }
    MOXQScrollBar* bar(bool horizontal) { return looks().bar(horizontal); }
};

} // namespace MOXQtLib
