#include "MonitorSignal.h"

#include <cmath>

namespace monitor {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Wave
{
    double centre; // seconds after the beat starts
    double width;  // seconds (standard deviation)
    double amplitude;
};

// Lead II at rest: a small P, the narrow QRS complex and a broad T.
constexpr Wave kEcgWaves[] = {
    {0.160, 0.025, 0.12},  {0.262, 0.008, -0.12}, {0.290, 0.010, 1.25},
    {0.318, 0.009, -0.28}, {0.540, 0.045, 0.32},
};

double beatPeriod()
{
    return 60.0 / kHeartRate;
}

// Time since the start of the beat that contains `seconds` (non-negative).
double beatPhase(double seconds)
{
    if (!std::isfinite(seconds)) return 0.0;
    const double phase = std::fmod(seconds, beatPeriod());
    return phase < 0 ? phase + beatPeriod() : phase;
}

double gaussian(double t, const Wave& w)
{
    const double d = (t - w.centre) / w.width;
    return w.amplitude * std::exp(-0.5 * d * d);
}

// A biphasic deflection: the derivative of a Gaussian, scaled so its peaks reach `amplitude`.
double biphasic(double t, double centre, double width, double amplitude)
{
    const double d = (t - centre) / width;
    return amplitude * -d * std::exp(0.5 - 0.5 * d * d);
}

} // namespace

double ecgMillivolts(double seconds)
{
    const double t = beatPhase(seconds);
    double value = 0.04 * std::sin(2 * kPi * 0.2 * (std::isfinite(seconds) ? seconds : 0.0));
    for (const Wave& wave : kEcgWaves)
        value += gaussian(t, wave);
    return value;
}

double icdMillivolts(double seconds)
{
    const double t = beatPhase(seconds);
    return biphasic(t, 0.160, 0.010, 0.35) + biphasic(t, 0.292, 0.007, 2.4) +
           gaussian(t, Wave{0.545, 0.040, 0.18});
}

} // namespace monitor
