#pragma once

#include "MOXQSweepChartImpl.h"

namespace MOXQtLib {

// What the ICD chart draws: the points, a flat reference line, or (any other value) no trace.
enum MOXQtICDType : int
{
    MOXQtICDWave = 0,
    MOXQtICDReferenceLine = 1,
    MOXQtICDNoTrace = 2,
};

// The ICD chart's model and painter: the trace type, an aliased trace and the previous sweep.
class MOXQICDChartImpl : public MOXQSweepChartImpl
{
    Q_OBJECT
public:
    // Height of the reference line below the top edge, in pixels.
    static constexpr int kReferenceLineY = 40;

    MOXQICDChartImpl(QWidget* owner, const QString& name);

    void setICDType(MOXQtICDType type) { m_type = type; }
    MOXQtICDType getICDType() const { return m_type; }

    void paintSweep(QPainter& painter, const QSize& size) const override;

private:
    MOXQtICDType m_type = MOXQtICDWave;
};

} // namespace MOXQtLib
