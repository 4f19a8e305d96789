#pragma once

#include "MOXQBarChartImpl.h"
#include "MOXQChartControl.h"

namespace MOXQtLib {

// Grouped column chart: one bar per visible series in each category, a value axis on the
// left, a legend on any side that toggles series, and item or column hover with tooltips.
class MOXQBarChart : public MOXQChartControl<MOXQBarChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQBarChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtbarchart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQBarChart() { return new MOXQBarChart; }

    void setTitle(const QString& title);
    QString title() const;
    // Keeps the animation; a hover on the old labels is dropped.
    void setCategories(const QStringList& categories);
    QStringList categories() const;
    // The data setters restart the entry animation and drop the hover state.
    void setSeries(const QVector<BarSeries>& series);
    QVector<BarSeries> series() const;
    void setSingleSeries(const QString& name, const QVector<double>& values,
                         const QColor& color = QColor());
    void setData(const QVector<double>& values);

    // TooltipNone, TooltipItem or TooltipAxis; other values track nothing.
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
