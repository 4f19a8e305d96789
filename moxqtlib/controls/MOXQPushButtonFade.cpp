#include "MOXQPushButtonFade.h"

#include <algorithm>

namespace MOXQtLib {

namespace {

constexpr int kNormal = 0;
constexpr int kHot = 1;
constexpr int kDisable = 3;

} // namespace

void MOXQPushButtonFade::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_running = false;
        m_progress = 1.0;
        m_source = m_target;
    }
}

void MOXQPushButtonFade::setDuration(int milliseconds)
{
    m_duration = milliseconds > 0 ? milliseconds : kDefaultDuration;
}

void MOXQPushButtonFade::enter(int current)
{
    m_source = current;
    m_target = kHot;
    m_progress = 0.0;
    m_running = true;
}

void MOXQPushButtonFade::leave(bool ownerEnabled)
{
    m_source = kHot;
    m_target = ownerEnabled ? kNormal : kDisable;
    m_progress = 1.0;
    m_running = true;
}

bool MOXQPushButtonFade::tick(int& state)
{
    if (!m_running) return false;
    // Nothing to animate (the mouse came back during a fall, so the rise starts from Hot):
    // stop, or the button would repaint at the timer's rate for as long as it is hovered.
    if (m_source == m_target) {
        m_running = false;
        m_progress = 1.0;
        return false;
    }
    const double step = double(kInterval) / double(m_duration);
    if (m_target == kHot) {
        m_progress += step;
        if (m_progress >= 1.0) {
            m_progress = 1.0;
            m_running = false;
            m_source = kHot;
        }
    } else if (m_target == kNormal) {
        m_progress -= step;
        if (m_progress <= 0.0) {
            m_progress = 0.0;
            m_running = false;
            m_source = kNormal;
            state = kNormal;
        }
    } else {
        // A disabled button shows its Disable look without a fade.
        m_progress = 0.0;
        m_running = false;
        m_source = m_target;
        state = m_target;
    }
    return true;
}

QColor MOXQPushButtonFade::blend(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [t](double from, double to) { return from + (to - from) * t; };
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                            mix(a.blueF(), b.blueF()), mix(a.alphaF(), b.alphaF()));
}

} // namespace MOXQtLib
