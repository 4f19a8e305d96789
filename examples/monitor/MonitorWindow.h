#pragma once

#include "MonitorSweep.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QComboBox;

namespace MOXQtLib {
class MOXQECGChart;
class MOXQICDChart;
} // namespace MOXQtLib

// A bedside-monitor window: an ECG trace and an ICD trace swept left to right in real time
// from the synthetic signal, with the previous sweep visible beyond the gap.
class MonitorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MonitorWindow(double sweepSpeed = monitor::kStandardSweepSpeed,
                           QWidget* parent = nullptr);

    // Starts the sweep clock; samples are fed as real time passes.
    void start();

private:
    void feedDueSamples();
    void feedSample(double pxPerMm);
    double screenDpi() const;

    MOXQtLib::MOXQECGChart* m_ecg;
    MOXQtLib::MOXQICDChart* m_icd;
    QComboBox* m_speedBox;
    QComboBox* m_icdTypeBox;
    monitor::SweepCursor m_cursor;
    double m_speed; // mm/s
    QTimer m_timer;
    QElapsedTimer m_clock;
    long long m_sample = 0;     // index of the next sample
    long long m_clockStart = 0; // sample index at which the clock was started
};
