#pragma once

#include "MOXQChartControl.h"
#include "MOXQOpenGLPieChartImpl.h"
#include "PieChartGeometry.h"

#include <QVector>

namespace MOXQtLib {

// A pie, ring or partial ring: slices laid out clockwise from the start angle over the sweep,
// an optional hole, optional outside labels with leader lines and a legend that toggles slices.
// The slice under the mouse is highlighted and described in a tooltip with its share.
class MOXQOpenGLPieChart : public MOXQChartControl<MOXQOpenGLPieChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQOpenGLPieChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtopenglpiechart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQOpenGLPieChart() { return new MOXQOpenGLPieChart; }

    void setTitle(const QString& title);
    QString title() const;
    // Restarts the entry animation, also for an unchanged list.
    void setSlices(const QVector<PieSlice>& slices);
    QVector<PieSlice> slices() const;
    // Hole diameter as a fraction of the pie's, clamped to [0, 0.8].
    void setInnerRadius(double ratio);
    double innerRadius() const;
    // Start in degrees clockwise from 12 o'clock, brought into [0, 360); sweep clamped to
    // [1, 360].
    void setAngleRange(double startDegrees, double sweepDegrees);
    double startAngle() const;
    double sweep() const;
    void setOutsideLabels(bool on);
    bool outsideLabels() const;
    void setTooltipTrigger(int trigger);
    int tooltipTrigger() const;
    void setTooltipVisible(bool visible);
    bool tooltipVisible() const;

    void paintFrame(QPainter& painter) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
