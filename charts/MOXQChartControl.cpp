#include "MOXQChartControl.h"

namespace MOXQtLib {

ControlInfo moxChartControlInfo(const QByteArray& typeName, const QByteArray& className,
                                const QByteArray& displayName, const QByteArray& description,
                                const QByteArray& shortName)
{
    ControlInfo info;
    info.flags = 1;
    info.typeName = typeName;
    info.className = className;
    info.displayName = displayName;
    info.description = description;
    info.shortName = shortName;
    return info;
}

} // namespace MOXQtLib
