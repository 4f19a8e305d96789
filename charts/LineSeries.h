#pragma once

#include <QColor>
#include <QString>
#include <QVector>

namespace MOXQtLib {

// One series of a line chart; value i belongs to category i.
struct LineSeries
{
    QString name;
    QVector<double> values;
    QColor color;     // invalid: the theme palette colour
    QColor areaColor; // invalid: the line colour
    bool showSymbols = true;
    bool smooth = false;
    bool area = false;
    bool visible = true;
    double lineWidth = 2.0; // 0 or less: the theme line width
    double areaOpacity = 0.22;
};

} // namespace MOXQtLib
