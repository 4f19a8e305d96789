#pragma once

// Market records of the financial chart, the parsers of their comma-separated text form and the
// moving average over daily closes.

#include <QString>
#include <QVector>

namespace MOXQtLib {

// One trading day.
struct CandleRecord
{
    QString date;
    double open = 0.0;
    double high = 0.0;
    double low = 0.0;
    double close = 0.0;
    double volume = 0.0;
};

// One intraday sample; `average` is the running mean price up to and including it.
struct TickRecord
{
    QString time;
    double price = 0.0;
    double average = 0.0;
    double volume = 0.0;
};

// Every value other than the first two draws like volume bars.
enum FinancialMode
{
    FinancialKLine = 0,
    FinancialTimeSharing = 1,
    FinancialVolumeBars = 2
};

// Rows "YYYY-MM-DD,open,close,high,low,volume"; the date is kept without its year ("03-26").
// Rows with fewer than six fields or a non-finite value are skipped; a field that is not a
// number reads 0.
QVector<CandleRecord> parseDailyText(const QString& text);

// Rows "YYYY-MM-DD hh:mm,price,volume"; the time is kept without its year ("06-26 09:31").
// Rows with fewer than three fields or a non-finite value are skipped; a field that is not a
// number reads 0.
QVector<TickRecord> parseIntradayText(const QString& text);

// The mean close of records i - period + 1 .. i for every i, NaN where that window does not
// exist (i < period - 1, period < 1) or holds a non-finite close.
QVector<double> movingAverageSeries(const QVector<CandleRecord>& candles, int period);

bool isFiniteRecord(const CandleRecord& record);
bool isFiniteRecord(const TickRecord& record);

// The built-in sample texts: a quarter of daily rows and the five-minute samples of its last day.
QString financialSampleDailyText();
QString financialSampleIntradayText();

} // namespace MOXQtLib
