#pragma once

// Sweep arithmetic of a monitor: paper speed in millimetres per second turned into screen
// pixels, and the cursor that walks across the chart one sample at a time.
namespace monitor {

// The sweep speeds offered; 25 mm/s is the standard monitor speed.
constexpr double kSweepSpeeds[] = {12.5, 25.0, 50.0};
constexpr double kStandardSweepSpeed = 25.0;
// Used when the screen reports no usable physical resolution.
constexpr double kFallbackDpi = 96.0;

// Screen pixels per millimetre for a physical resolution in dots per inch. A resolution that
// is not finite or outside 20..2000 dpi (virtual screens report such values) counts as 96.
double pixelsPerMillimetre(double dotsPerInch);
// Screen pixels per second of sweep; a speed that is not finite or not positive gives 0.
double pixelsPerSecond(double millimetresPerSecond, double dotsPerInch);

// Where the next sample goes across a chart of a given width, and when the sweep starts over.
class SweepCursor
{
public:
    SweepCursor(double pixelsPerSecond, double sampleRate, int width);

    void setPixelsPerSecond(double pixelsPerSecond);
    void setWidth(int width);
    // x of the next sample, in pixels from the left edge.
    double x() const { return m_x; }
    // Moves on by one sample. True when that reaches the right edge: the caller keeps the
    // finished sweep and starts again at the left, where the cursor now is.
    bool advance();

private:
    double m_step = 0;
    double m_sampleRate;
    int m_width;
    double m_x = 0;
};

} // namespace monitor
