#pragma once

#include "MOXQBarChartImpl.h"
#include "MOXQCartesianChart.h"

namespace MOXQtLib {

// Grouped column chart: one bar per visible series in each category, a value axis on the
// left, a legend on any side that toggles series, and item or column hover with tooltips.
// Title, series and tooltip options come from MOXQCartesianChart; TooltipNone, TooltipItem or
// TooltipAxis, other trigger values track nothing.
class MOXQBarChart : public MOXQCartesianChart<MOXQBarChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQBarChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtbarchart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQBarChart() { return new MOXQBarChart; }

    // Keeps the animation; a hover on the old labels is dropped.
    void setCategories(const QStringList& categories);
    QStringList categories() const;
    // The data setters restart the entry animation and drop the hover state.
    void setSingleSeries(const QString& name, const QVector<double>& values,
                         const QColor& color = QColor());
    void setData(const QVector<double>& values);
};

} // namespace MOXQtLib
