#include "MOXQSpacerImpl.h"

#include "MOXKey.h"
#include "MOXQContainer.h"

namespace MOXQtLib {

const MOXKeyTable& MOXQSpacerImpl::keys()
{
    using I = MOXQSpacerImpl;
    static const MOXKeyTable table{
        moxKey<I>("direction", &I::getDirection, &I::setDirection)
            .property("Direction", PropertyDef::Enumeration)
            .choices({0, 1, 2}, {QStringLiteral("Auto"), QStringLiteral("Horizontal"),
                                 QStringLiteral("Vertical")}),
        moxKey<I>("thickness", &I::getThickness, &I::setThickness)
            .property("Thickness", PropertyDef::Integer),
    };
    return table;
}

void MOXQSpacerImpl::setDirection(int direction)
{
    if (direction < 0 || direction > 2) direction = 0;
    if (direction == m_direction) return;
    m_direction = direction;
    relayoutParent();
}

void MOXQSpacerImpl::setThickness(int thickness)
{
    thickness = std::max(thickness, 0);
    if (thickness == m_thickness) return;
    m_thickness = thickness;
    relayoutParent();
}

void MOXQSpacerImpl::relayoutParent()
{
    const QWidget* owner = getOwner();
    if (auto* container = qobject_cast<MOXQContainer*>(owner ? owner->parentWidget() : nullptr))
        container->forceResize();
}

} // namespace MOXQtLib
