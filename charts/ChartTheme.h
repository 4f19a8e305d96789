#pragma once

#include <QColor>
#include <QString>
#include <QVector>

namespace MOXQtLib {

// Colours and sizes every chart paints with. A value record: each chart holds its own copy.
struct ChartTheme
{
    QString name;
    QColor background;
    QColor plotArea;
    QColor title;
    QColor axis;
    QColor axisLabel;
    QColor grid;
    QColor pointer;
    QVector<QColor> palette;
    double lineWidth = 2.0;
    double symbolRadius = 4.0;
    double hoverSymbolRadius = 5.5;
    double cornerRadius = 6.0;
};

enum LegendPosition
{
    LegendTop = 0,
    LegendRight = 1,
    LegendBottom = 2,
    LegendLeft = 3
};
enum TooltipTrigger
{
    TooltipNone = 0,
    TooltipItem = 1,
    TooltipAxis = 2
};
// Item and Axis as given; every other value tracks nothing and reads as None.
int effectiveTooltipTrigger(int trigger);

// 1 Macarons, 2 Shine, 3 Dark; Default for 0 and every other index.
ChartTheme themePreset(int index);

} // namespace MOXQtLib
