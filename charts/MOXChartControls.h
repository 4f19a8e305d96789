#pragma once

namespace MOXQtLib {

// Registers the five chart control types, listed, in this order: "qtbarchart", "qtlinechart",
// "qtopenglpiechart", "qtscatterchart", "qtfinancialchart". The application calls it once,
// after init and moxSetGlobalConfig; a second call replaces the entries with equal ones.
void registerChartControls();

} // namespace MOXQtLib
