#include "FinancialLayout.h"

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

bool FinancialLayout::fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

void FinancialLayout::padValueRange(double* lo, double* hi)
{
    if (*lo > *hi) {
        *lo = 0.0;
        *hi = 1.0;
    } else if (fuzzyEqual(*lo, *hi)) {
        *lo -= 1.0;
        *hi += 1.0;
    } else {
        const double pad = 0.08 * (*hi - *lo);
        *lo -= pad;
        *hi += pad;
    }
}

double FinancialLayout::edgeX(int index) const
{
    return plot.left() + double(index - first) / std::max(1, last - first) * plot.width();
}

double FinancialLayout::slotWidth() const
{
    return plot.width() / visibleCount();
}

double FinancialLayout::slotCenterX(int index) const
{
    return plot.left() + (index - first + 0.5) * slotWidth();
}

double FinancialLayout::recordX(int index) const
{
    return isVolume() ? slotCenterX(index) : edgeX(index);
}

double FinancialLayout::valueY(double value) const
{
    const double r = fuzzyEqual(lo, hi) ? 1.0 : hi - lo;
    return plot.bottom() - (value - lo) / r * plot.height();
}

int FinancialLayout::indexAt(double x) const
{
    double offset = 0.0;
    if (isVolume()) {
        offset = std::floor((x - plot.left()) / slotWidth());
    } else {
        offset =
            std::round((x - plot.left()) / std::max(1.0, plot.width()) * std::max(1, last - first));
    }
    if (!std::isfinite(offset)) return first;
    return int(std::clamp(first + offset, double(first), double(last)));
}

} // namespace MOXQtLib
