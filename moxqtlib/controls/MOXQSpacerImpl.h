#pragma once

// The spacer's direction and thickness: what a container's linear layout reads to let it soak
// up the room the other children leave.

#include "MOXQWidgetBaseImpl.h"

namespace MOXQtLib {

class MOXQSpacerImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQSpacerImpl(QWidget* owner, const QString& name) : MOXQWidgetBaseImpl(owner, name) {}

    static const MOXKeyTable& keys();

    // 0 Auto, 1 Horizontal, 2 Vertical; anything else is Auto. A change lays the parent
    // container out again.
    void setDirection(int direction);
    int getDirection() const { return m_direction; }
    // Pixels across the layout direction; negative values are 0. A change lays the parent
    // container out again.
    void setThickness(int thickness);
    int getThickness() const { return m_thickness; }

private:
    void relayoutParent();

    int m_direction = 0;
    int m_thickness = 0;
};

} // namespace MOXQtLib
