#pragma once

// The library's spin box ("qtspinbox", created by name only): a QSpinBox without frame, step
// buttons or background, so that only its number shows over whatever lies beneath. The
// QSpinBox operations (range, value, steps) are used as they are.

#include "MOXQControl.h"
#include "MOXQSpinBoxImpl.h"

#include <QSpinBox>

namespace MOXQtLib {

class MOXQSpinBox : public MOXQControl<QSpinBox, MOXQSpinBoxImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQSpinBox(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtspinbox"); }
    static QWidget* createMOXQSpinBox() { return new MOXQSpinBox; }
};

} // namespace MOXQtLib
