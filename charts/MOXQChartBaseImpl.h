#pragma once

#include "MOXQWidgetBaseImpl.h"

#include <QOpenGLFunctions>
#include <QString>

namespace MOXQtLib {

class MOXQChartBase;

// Base of the chart models, the charts' implementation objects. A model holds the chart's data,
// options and hover state and paints them; it reads and writes only the common look keys. Its
// OpenGL functions are resolved when the chart's context is first made (initializeGL).
class MOXQChartBaseImpl : public MOXQWidgetBaseImpl, protected QOpenGLFunctions
{
    Q_OBJECT
public:
    // A null owner gives a free-standing model (geometry and hit tests need no widget).
    MOXQChartBaseImpl(MOXQChartBase* owner, const QString& name);

    MOXQChartBase* owner() const { return m_chart; }

    // For the current context; the chart calls it from its initializeGL.
    void initializeGLFunctions() { initializeOpenGLFunctions(); }
    bool hasGLFunctions() const { return isInitialized(QOpenGLFunctions::d_ptr); }

private:
    MOXQChartBase* m_chart = nullptr;
};

} // namespace MOXQtLib
