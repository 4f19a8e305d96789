#include "MonitorWindow.h"

#include "MOXQECGChart.h"
#include "MOXQICDChart.h"
#include "MonitorSignal.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

using namespace MOXQtLib;

namespace {

// Display gains of the two channels, millimetres per millivolt.
constexpr double kEcgGain = 10.0;
constexpr double kIcdGain = 5.0;
// A stalled event loop drops at most this much signal at once instead of flooding the charts.
constexpr long long kMaxSamplesPerTick = 250;

const QColor kEcgColour(0, 230, 90);
const QColor kIcdColour(255, 214, 0);

QLabel* channelLabel(const QString& text, const QColor& colour, int pointSize)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// A black panel with a caption over a sweeping chart.
QWidget* channelPanel(const QString& caption, const QColor& colour, QWidget* chart)
{
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    layout->addWidget(channelLabel(caption, colour, 11));
    layout->addWidget(chart, 1);
    return panel;
}

} // namespace

MonitorWindow::MonitorWindow(double sweepSpeed, QWidget* parent)
    : QWidget(parent), m_ecg(new MOXQECGChart), m_icd(new MOXQICDChart), m_speedBox(new QComboBox),
      m_icdTypeBox(new QComboBox), m_cursor(0, monitor::kSampleRate, 1), m_speed(sweepSpeed)
{
    setWindowTitle(QStringLiteral("Moxera GraphDeck - Bedside Monitor"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(18, 20, 24));
    palette.setColor(QPalette::WindowText, QColor(220, 224, 230));
    setPalette(palette);
    setAutoFillBackground(true);

    m_ecg->setLineColor(kEcgColour, kEcgColour);
    m_ecg->setLineWeight(2.0f);
    // A soft glow under the trace, fading to nothing at the bottom edge.
    m_ecg->enableFillColor(true, false);
    m_ecg->setBelowFillColor(QColor(0, 230, 90, 70), QColor(0, 230, 90, 0));
    m_icd->setLineColor(kIcdColour, kIcdColour);
    m_icd->setLineWeight(1.5f);

    for (double speed : monitor::kSweepSpeeds)
        m_speedBox->addItem(QStringLiteral("%1 mm/s").arg(speed), speed);
    m_speedBox->setCurrentIndex(1);
    for (int i = 0; i < m_speedBox->count(); ++i)
        if (m_speedBox->itemData(i).toDouble() == sweepSpeed) m_speedBox->setCurrentIndex(i);
    m_speed = m_speedBox->currentData().toDouble();
    connect(m_speedBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { m_speed = m_speedBox->currentData().toDouble(); });

    m_icdTypeBox->addItem(QStringLiteral("Electrogram"), int(MOXQtICDWave));
    m_icdTypeBox->addItem(QStringLiteral("Reference line"), int(MOXQtICDReferenceLine));
    m_icdTypeBox->addItem(QStringLiteral("Off"), int(MOXQtICDNoTrace));
    connect(m_icdTypeBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int) {
        m_icd->setICDType(MOXQtICDType(m_icdTypeBox->currentData().toInt()));
        m_icd->update();
    });

    auto* header = new QHBoxLayout;
    header->addWidget(channelLabel(QStringLiteral("BED 04"), QColor(220, 224, 230), 13));
    header->addStretch(1);
    header->addWidget(new QLabel(QStringLiteral("Sweep")));
    header->addWidget(m_speedBox);
    header->addSpacing(16);
    header->addWidget(new QLabel(QStringLiteral("ICD")));
    header->addWidget(m_icdTypeBox);

    auto* readout = new QVBoxLayout;
    readout->addWidget(channelLabel(QStringLiteral("HR  bpm"), kEcgColour, 11));
    readout->addWidget(channelLabel(QString::number(monitor::kHeartRate), kEcgColour, 48));
    readout->addSpacing(24);
    readout->addWidget(channelLabel(QStringLiteral("ICD  mode"), kIcdColour, 11));
    readout->addWidget(channelLabel(QStringLiteral("VVI"), kIcdColour, 28));
    readout->addStretch(1);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    grid->addWidget(channelPanel(QStringLiteral("ECG  II   10 mm/mV"), kEcgColour, m_ecg), 0, 0);
    grid->addWidget(channelPanel(QStringLiteral("ICD  EGM   5 mm/mV"), kIcdColour, m_icd), 1, 0);
    grid->addLayout(readout, 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(grid, 1);

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &MonitorWindow::feedDueSamples);
    resize(1280, 720);
}

double MonitorWindow::screenDpi() const
{
    const QScreen* screen = this->screen();
    return screen ? screen->physicalDotsPerInchX() : monitor::kFallbackDpi;
}

void MonitorWindow::start()
{
    m_clock.start();
    m_clockStart = m_sample;
    m_timer.start();
}

void MonitorWindow::feedDueSamples()
{
    const long long due = m_clockStart + m_clock.elapsed() * (long long)monitor::kSampleRate / 1000;
    if (due - m_sample > kMaxSamplesPerTick) m_sample = due - kMaxSamplesPerTick;
    // The layout may have resized the charts, or the window moved to another screen, since
    // the last tick.
    const double dpi = screenDpi();
    m_cursor.setWidth(std::min(m_ecg->width(), m_icd->width()));
    m_cursor.setPixelsPerSecond(monitor::pixelsPerSecond(m_speed, dpi));
    const double pxPerMm = monitor::pixelsPerMillimetre(dpi);
    while (m_sample < due)
        feedSample(pxPerMm);
}

void MonitorWindow::feedSample(double pxPerMm)
{
    const double t = monitor::sampleTime(m_sample++);
    const double x = m_cursor.x();
    m_ecg->addData(x, m_ecg->height() * 0.6 - monitor::ecgMillivolts(t) * kEcgGain * pxPerMm);
    m_icd->addData(x, m_icd->height() * 0.5 - monitor::icdMillivolts(t) * kIcdGain * pxPerMm);
    if (m_cursor.advance()) {
        // The finished sweep stays on screen beyond the gap while the next one is drawn.
        m_ecg->swapData();
        m_ecg->clearData();
        m_icd->swapData();
        m_icd->clearData();
    }
}
