#include "MonitorSweep.h"

#include <algorithm>
#include <cmath>

namespace monitor {

double pixelsPerMillimetre(double dotsPerInch)
{
    if (!std::isfinite(dotsPerInch) || dotsPerInch < 20.0 || dotsPerInch > 2000.0)
        dotsPerInch = kFallbackDpi;
    return dotsPerInch / 25.4;
}

double pixelsPerSecond(double millimetresPerSecond, double dotsPerInch)
{
    if (!std::isfinite(millimetresPerSecond) || millimetresPerSecond <= 0) return 0.0;
    return millimetresPerSecond * pixelsPerMillimetre(dotsPerInch);
}

SweepCursor::SweepCursor(double pixelsPerSecond, double sampleRate, int width)
    : m_sampleRate(sampleRate > 0 ? sampleRate : 1.0), m_width(std::max(width, 1))
{
    setPixelsPerSecond(pixelsPerSecond);
}

void SweepCursor::setPixelsPerSecond(double pixelsPerSecond)
{
    m_step = std::isfinite(pixelsPerSecond) && pixelsPerSecond > 0 ? pixelsPerSecond / m_sampleRate
                                                                   : 0.0;
}

void SweepCursor::setWidth(int width)
{
    m_width = std::max(width, 1);
    if (m_x >= m_width) m_x = 0;
}

bool SweepCursor::advance()
{
    m_x += m_step;
    if (m_x < m_width) return false;
    // Keep the fraction, so the trace does not drift at a sweep change; a step wider than
    // the chart still starts at the left edge.
    m_x = std::fmod(m_x - m_width, double(m_width));
    return true;
}

} // namespace monitor
