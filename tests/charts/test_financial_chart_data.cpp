#include "FinancialData.h"

#include <QDate>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MOXQtLib;

TEST(FinancialData, DailyParserKeepsNumbersAndSkipsRowsItCannotDraw)
{
    const QVector<CandleRecord> c =
        parseDailyText(QStringLiteral("\n  2026-03-26,2854.50,2824.67,2862.33,2819.07,52322127  \n"
                                      "2026-03-27,1,2,3\n"                   // short
                                      "2026-03-30,2803.50,2837.31,2845.83\n" // five fields, short
                                      "2026-03-31,abc,2837.31,2845.83,2803.50,46525441,extra\n"
                                      "2026-04-01,,10,12,9,100\n"
                                      "2026-04-02,1,nan,3,0,5\n"
                                      "2026-04-03,1,2,inf,0,5\n"
                                      "2026-04-07,1,2,3,0,1e999\n"
                                      "\n\n"));
    ASSERT_EQ(c.size(), 3);
    EXPECT_EQ(c[0].date, "03-26");
    EXPECT_DOUBLE_EQ(c[0].open, 2854.50);
    EXPECT_DOUBLE_EQ(c[0].close, 2824.67);
    EXPECT_DOUBLE_EQ(c[0].high, 2862.33);
    EXPECT_DOUBLE_EQ(c[0].low, 2819.07);
    EXPECT_DOUBLE_EQ(c[0].volume, 52322127);
    // A field that is not a number reads 0; the rest of the row stays.
    EXPECT_EQ(c[1].date, "03-31");
    EXPECT_EQ(c[1].open, 0.0);
    EXPECT_DOUBLE_EQ(c[1].close, 2837.31);
    EXPECT_DOUBLE_EQ(c[1].volume, 46525441);
    EXPECT_EQ(c[2].open, 0.0);
    EXPECT_DOUBLE_EQ(c[2].high, 12);

    EXPECT_TRUE(parseDailyText(QString()).isEmpty());
    EXPECT_TRUE(parseDailyText(QStringLiteral("\n,\n,,,,\n")).isEmpty());
    // A row of six empty fields is well formed: it reads as zeros.
    EXPECT_EQ(parseDailyText(QStringLiteral(",,,,,")).size(), 1);
}

TEST(FinancialData, IntradayParserKeepsARunningAverageOfAcceptedRows)
{
    const QVector<TickRecord> t = parseIntradayText(
        QStringLiteral("2026-06-26 09:31,10,100\n"
                       "2026-06-26 09:36,20\n"    // short: not part of the average
                       "2026-06-26 09:41,inf,5\n" // non-finite: not part of the average
                       "2026-06-26 09:46,30,200\n"
                       "2026-06-26 09:51,x,300\n")); // reads 0 and counts
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0].time, "06-26 09:31");
    EXPECT_DOUBLE_EQ(t[0].average, 10);
    EXPECT_DOUBLE_EQ(t[1].price, 30);
    EXPECT_DOUBLE_EQ(t[1].average, 20);
    EXPECT_DOUBLE_EQ(t[1].volume, 200);
    EXPECT_EQ(t[2].price, 0.0);
    EXPECT_DOUBLE_EQ(t[2].average, 40.0 / 3);
    EXPECT_TRUE(parseIntradayText(QStringLiteral("\n\n")).isEmpty());
}

TEST(FinancialData, MovingAverageIsDefinedFromItsPeriodOn)
{
    QVector<CandleRecord> c(8);
    for (int i = 0; i < c.size(); ++i)
        c[i].close = 10.0 * (i + 1);
    const QVector<double> ma = movingAverageSeries(c, 3);
    ASSERT_EQ(ma.size(), 8);
    EXPECT_TRUE(std::isnan(ma[0]));
    EXPECT_TRUE(std::isnan(ma[1]));
    EXPECT_DOUBLE_EQ(ma[2], 20);
    EXPECT_DOUBLE_EQ(ma[7], 70);
    for (double v : movingAverageSeries(c, 0))
        EXPECT_TRUE(std::isnan(v));
    for (double v : movingAverageSeries(c, 9))
        EXPECT_TRUE(std::isnan(v));
    EXPECT_TRUE(movingAverageSeries({}, 5).isEmpty());

    // A bad close blanks only the windows holding it.
    c[3].close = std::numeric_limits<double>::quiet_NaN();
    const QVector<double> gap = movingAverageSeries(c, 2);
    EXPECT_DOUBLE_EQ(gap[2], 25);
    EXPECT_TRUE(std::isnan(gap[3]));
    EXPECT_TRUE(std::isnan(gap[4]));
    EXPECT_DOUBLE_EQ(gap[5], 55);
}

TEST(FinancialData, SampleRowsAllParseAndAgreeWithEachOther)
{
    // Every built-in row is one the parser keeps, on ascending weekdays, with a high and a low
    // that bound the day; the intraday ticks belong to the last day, stay in its range, close
    // at its close and add up to its volume.
    const QString daily = financialSampleDailyText();
    const QStringList rows = daily.split('\n', Qt::SkipEmptyParts);
    const QVector<CandleRecord> candles = parseDailyText(daily);
    ASSERT_EQ(candles.size(), rows.size());
    ASSERT_GE(candles.size(), 30); // enough for the longest moving average
    QDate previous;
    for (int i = 0; i < rows.size(); ++i) {
        const QDate date = QDate::fromString(rows.at(i).section(',', 0, 0), Qt::ISODate);
        EXPECT_TRUE(date.isValid() && date.dayOfWeek() <= 5 && date > previous) << i;
        previous = date;
        const CandleRecord& c = candles.at(i);
        EXPECT_GE(c.high, std::max(c.open, c.close)) << i;
        EXPECT_LE(c.low, std::min(c.open, c.close)) << i;
        EXPECT_GT(c.low, 0);
        EXPECT_GT(c.volume, 0);
    }

    const QString intraday = financialSampleIntradayText();
    const QVector<TickRecord> ticks = parseIntradayText(intraday);
    ASSERT_EQ(ticks.size(), intraday.split('\n', Qt::SkipEmptyParts).size());
    const CandleRecord& day = candles.last();
    double volume = 0, sum = 0;
    for (int i = 0; i < ticks.size(); ++i) {
        EXPECT_TRUE(ticks[i].time.startsWith(day.date + ' ')) << i;
        EXPECT_TRUE(i == 0 || ticks[i].time > ticks[i - 1].time) << i;
        EXPECT_GE(ticks[i].price, day.low);
        EXPECT_LE(ticks[i].price, day.high);
        volume += ticks[i].volume;
        sum += ticks[i].price;
    }
    EXPECT_EQ(ticks.last().price, day.close);
    EXPECT_EQ(volume, day.volume);
    EXPECT_NEAR(ticks.last().average, sum / ticks.size(), 1e-9);
}
