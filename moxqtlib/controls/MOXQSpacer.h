#pragma once

// The library's spacer ("qtspacer"): an invisible, mouse-transparent widget that takes up the
// room a container's row or column leaves. The container reads its "direction" and
// "thickness" properties.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQSpacerImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQSpacer : public MOXQControl<QWidget, MOXQSpacerImpl, MOXRouteNone>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
    Q_PROPERTY(int direction READ getDirection WRITE setDirection)
    Q_PROPERTY(int thickness READ getThickness WRITE setThickness)
public:
    enum Direction
    {
        Auto = 0,
        Horizontal = 1,
        Vertical = 2
    };

    explicit MOXQSpacer(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtspacer"); }
    static ControlInfo getProps();
    static QWidget* createMOXQSpacer() { return new MOXQSpacer; }

    // Auto stretches in rows and columns alike; values outside the enumeration are Auto. A
    // change lays the parent container out again.
    void setDirection(int direction) { impl()->setDirection(direction); }
    int getDirection() const { return impl()->getDirection(); }
    // The breadth across the layout direction (0: the container decides); negative values
    // are 0.
    void setThickness(int thickness) { impl()->setThickness(thickness); }
    int getThickness() const { return impl()->getThickness(); }
};

} // namespace MOXQtLib
