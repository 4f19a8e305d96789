#include "ChartFunctions.h"

#include <cmath>

namespace MOXQtLib {

QString formatChartNumber(double value)
{
    if (std::isnan(value)) return QStringLiteral("nan");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    QString text = QString::number(value, 'f', 2);
    while (text.contains(QLatin1Char('.'))) {
        if (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        } else {
            if (text.endsWith(QLatin1Char('.'))) text.chop(1);
            break;
        }
    }
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

QColor seriesColor(const QColor& own, int index, const ChartTheme& theme)
{
    if (own.isValid()) return own;
    if (!theme.palette.isEmpty()) {
        const int n = theme.palette.size();
        return theme.palette.at(((index % n) + n) % n);
    }
    return QColor(84, 112, 198);
}

QString chartCategoryLabel(const QStringList& categories, int index)
{
    if (index >= 0 && index < categories.size()) return categories.at(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

} // namespace MOXQtLib
