#include "FinancialData.h"

#include <QStringList>

#include <cmath>

namespace MOXQtLib {

namespace {

// A field's value: 0 when it is not a number. False for an infinite or NaN value (also one
// written out of range, such as 1e999), which the row cannot be drawn with.
bool readField(const QString& field, double* value)
{
    bool ok = false;
    const double v = field.toDouble(&ok);
    if (!std::isfinite(v)) return false;
    *value = ok ? v : 0.0;
    return true;
}

QStringList splitRows(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

QVector<CandleRecord> parseDailyText(const QString& text)
{
    QVector<CandleRecord> out;
    for (const QString& row : splitRows(text)) {
        const QStringList f = row.trimmed().split(QLatin1Char(','));
        if (f.size() < 6) continue;
        CandleRecord r;
        r.date = f.at(0).mid(5);
        if (!readField(f.at(1), &r.open) || !readField(f.at(2), &r.close) ||
            !readField(f.at(3), &r.high) || !readField(f.at(4), &r.low) ||
            !readField(f.at(5), &r.volume))
            continue;
        out.append(r);
    }
    return out;
}

QVector<TickRecord> parseIntradayText(const QString& text)
{
    QVector<TickRecord> out;
    double sum = 0.0;
    for (const QString& row : splitRows(text)) {
        const QStringList f = row.trimmed().split(QLatin1Char(','));
        if (f.size() < 3) continue;
        TickRecord r;
        r.time = f.at(0).mid(5);
        if (!readField(f.at(1), &r.price) || !readField(f.at(2), &r.volume)) continue;
        sum += r.price;
        r.average = sum / (out.size() + 1);
        out.append(r);
    }
    return out;
}

QVector<double> movingAverageSeries(const QVector<CandleRecord>& candles, int period)
{
    const int n = candles.size();
    QVector<double> out(n, std::nan(""));
    if (period < 1) return out;
    // Sum of the finite closes in the window and the count of the others, so one bad close
    // only blanks the windows that hold it.
    double sum = 0.0;
    int bad = 0;
    for (int i = 0; i < n; ++i) {
        const double c = candles.at(i).close;
        if (std::isfinite(c))
            sum += c;
        else
            ++bad;
        if (i >= period) {
            const double old = candles.at(i - period).close;
            if (std::isfinite(old))
                sum -= old;
            else
                --bad;
        }
        if (i >= period - 1 && bad == 0) out[i] = sum / period;
    }
    return out;
}

bool isFiniteRecord(const CandleRecord& r)
{
    return std::isfinite(r.open) && std::isfinite(r.high) && std::isfinite(r.low) &&
           std::isfinite(r.close) && std::isfinite(r.volume);
}

bool isFiniteRecord(const TickRecord& r)
{
    return std::isfinite(r.price) && std::isfinite(r.average) && std::isfinite(r.volume);
}

} // namespace MOXQtLib
