#pragma once

#include "MOXControlInfo.h"
#include "MOXQChartBase.h"
#include "MOXQControl.h"

#include <QSize>
#include <QString>

namespace MOXQtLib {

// What the five OpenGL charts share as library controls: the control interface through
// MOXQControl, the model as implementation object, the minimum size and mouse tracking, the GL
// hooks, and the model's deletion with the chart's context current. Charts handle their own
// mouse events and paint through paintFrame, so no event is routed to the model's state
// operations and its control state stays Normal.
template <class Impl> class MOXQChartControl : public MOXQControl<MOXQChartBase, Impl, MOXRouteNone>
{
public:
    MOXQChartControl(const QString& typeName, const QSize& minimumSize, QWidget* parent)
        : MOXQControl<MOXQChartBase, Impl, MOXRouteNone>(typeName, parent)
    {
        this->getControlBase()->setDefaultMinimumSize(minimumSize);
        this->setMouseTracking(true);
    }
    ~MOXQChartControl() override
    {
        // The model may hold GL resources: it goes while this widget's context is current.
        this->makeCurrent();
        this->deleteControlImpl();
        this->doneCurrent();
    }

protected:
    void initializeGL() override
    {
        if (Impl* model = this->impl()) model->initializeGLFunctions();
    }
    void resizeGL(int, int) override {}
    void paintGL() override { this->paintGLFrame(); }
};

// A chart's record: no designer property entries at all, not even the common ones.
ControlInfo moxChartControlInfo(const QByteArray& typeName, const QByteArray& className,
                                const QByteArray& displayName, const QByteArray& description,
                                const QByteArray& shortName);

} // namespace MOXQtLib
