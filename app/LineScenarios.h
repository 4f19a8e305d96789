#pragma once

#include <QString>
#include <QVector>

namespace MOXQtLib {
class MOXQLineChart;
}
class QWidget;

// The large-data line sample, exposed so benchmarks can grow it beyond the gallery's 2400
// points: a slow wave, a fast ripple, a rising trend and a jitter repeating every 23 points.
double largeDataLineValue(int index);
// Half-hour steps from 2026-01-01 00:00 local time, as "MM-dd hh:mm".
QString largeDataLineCategory(int index);
// The gallery's "LargeDataLineChart" scenario with `count` points.
MOXQtLib::MOXQLineChart* createLargeDataLineChart(QWidget* parent, int count = 2400);
