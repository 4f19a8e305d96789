#pragma once

// Enumerations shared by every control of the library.

namespace MOXQtLib {

// Setters that take a state also accept CtrlStateAll, meaning all four.
enum CtrlState
{
    CtrlStateNormal = 0,
    CtrlStateHot = 1,
    CtrlStatePressed = 2,
    CtrlStateDisable = 3,
    CtrlStateAll = 4
};

// State argument of the style getters of controls that keep a single look.
enum CommonCtrlState
{
    CommonCtrlStateNormal = 0,
    CommonCtrlStateDisable = 1
};

enum LayoutType
{
    // The control takes its ratio's share of the container's free length.
    LayoutRelative = 0,
    // x, y, width, height.
    LayoutAbsolute = 1
};

// Any other value read from JSON becomes LayoutPolicyUnset.
enum LayoutSizePolicy
{
    LayoutPolicyUnset = -1,
    LayoutPolicy0 = 0,
    LayoutPolicy1 = 1
};

// Left / top, centre, right / bottom; values are clamped into this range.
enum DockLayoutType
{
    DockLayoutNear = 0,
    DockLayoutCenter = 1,
    DockLayoutFar = 2
};

} // namespace MOXQtLib
