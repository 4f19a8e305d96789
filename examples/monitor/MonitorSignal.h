#pragma once

// A synthetic, deterministic heart: a lead II surface ECG and an intracardiac electrogram as
// an implanted device would sense it, both as functions of time. The same time always gives
// the same value, so a sweep can be replayed and tested.
namespace monitor {

constexpr double kSampleRate = 250.0; // samples per second
constexpr double kHeartRate = 72.0;   // beats per minute

// Surface ECG in millivolts at `seconds` (P, QRS and T waves over a slow baseline wander).
double ecgMillivolts(double seconds);
// Intracardiac electrogram in millivolts: a sharp biphasic ventricular deflection, a small
// atrial one and a faint repolarisation bump.
double icdMillivolts(double seconds);
// Time of sample `index` at the monitor's sample rate.
inline double sampleTime(long long index)
{
    return double(index) / kSampleRate;
}

} // namespace monitor
