#pragma once

// The push button's colour fade between its Normal and Hot looks: the progress, where it runs
// from and to, and what each 16 ms tick does. It owns no timer: the button starts its timer
// when isRunning() turns true, calls tick() on each timeout and stops the timer as soon as
// isRunning() turns false.

#include <QColor>

namespace MOXQtLib {

class MOXQPushButtonFade
{
public:
    static constexpr int kInterval = 16;
    static constexpr int kDefaultDuration = 150;

    bool isEnabled() const { return m_enabled; }
    // Switching off ends a running fade at full strength; the button then sets its plain
    // state itself.
    void setEnabled(bool enabled);
    int duration() const { return m_duration; }
    // Durations of 0 or less mean the default.
    void setDuration(int milliseconds);

    double progress() const { return m_progress; }
    int source() const { return m_source; }
    int target() const { return m_target; }
    bool isRunning() const { return m_running; }
    // True while a paint should blend the Normal and Hot looks by progress().
    bool isBlending() const { return m_enabled && m_source != m_target; }

    // The mouse entered a button in state `current`: rise towards Hot from 0.
    void enter(int current);
    // The mouse left: fall from Hot to Normal, or to Disable for a disabled button.
    void leave(bool ownerEnabled);
    // One timer tick. Returns true when the button must repaint; `state` becomes Normal when a
    // fall to Normal ends and the end state when the fade aims anywhere but Normal or Hot.
    bool tick(int& state);
    // Ends the fade where it stands.
    void stop() { m_running = false; }

    // Per channel (red, green, blue, alpha) a + (b - a) * t.
    static QColor blend(const QColor& a, const QColor& b, double t);

private:
    bool m_enabled = false;
    int m_duration = kDefaultDuration;
    double m_progress = 1.0;
    int m_source = 0;
    int m_target = 0;
    bool m_running = false;
};

} // namespace MOXQtLib
