#pragma once

// Small rules the charts share: number text, series colours, category labels.

#include "ChartTheme.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace MOXQtLib {

// Fixed two decimals with trailing zeros and a bare point dropped: 150, 3.5, 2.25, -0.5.
// Values that round to zero are written "0", never "-0". Non-finite values give "nan"/"inf".
QString formatChartNumber(double value);

// The series' own colour when valid, else the palette entry (cyclic), else 84,112,198.
QColor seriesColor(const QColor& own, int index, const ChartTheme& theme);

// The category text at `index`, or "Item N" (1-based) outside the list.
QString chartCategoryLabel(const QStringList& categories, int index);

} // namespace MOXQtLib
