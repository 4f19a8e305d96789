#include "FinancialData.h"

#include <QDate>
#include <QStringList>
#include <QTime>
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

TEST(FinancialData, SampleDailyRowsAreTradingDaysWithConsistentPrices)
{
    const QString text = financialSampleDailyText();
    EXPECT_TRUE(text.startsWith('\n'));
    EXPECT_TRUE(text.endsWith('\n'));
    const QStringList rows = text.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 62);
    EXPECT_EQ(rows.first(), "2026-03-26,2854.50,2824.67,2862.33,2819.07,52322127");
    EXPECT_EQ(rows.at(1), "2026-03-27,2803.50,2837.31,2845.83,2803.50,46525441");
    EXPECT_EQ(rows.last(), "2026-06-26,2961.04,2906.94,2965.41,2887.76,63782469");

    const QStringList holidays{"2026-04-06", "2026-05-01", "2026-05-04", "2026-05-05",
                               "2026-06-19"};
    QStringList expected;
    for (QDate d(2026, 3, 26); d <= QDate(2026, 6, 26); d = d.addDays(1))
        if (d.dayOfWeek() <= 5 && !holidays.contains(d.toString(Qt::ISODate)))
            expected << d.toString(Qt::ISODate);
    ASSERT_EQ(expected.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList f = rows.at(i).split(',');
        ASSERT_EQ(f.size(), 6) << i;
        EXPECT_EQ(f[0], expected.at(i));
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(f[k].section('.', 1).size(), 2) << rows.at(i).toStdString();
        bool ok = false;
        f[5].toLongLong(&ok);
        EXPECT_TRUE(ok) << rows.at(i).toStdString();
    }
    const QVector<CandleRecord> candles = parseDailyText(text);
    ASSERT_EQ(candles.size(), 62);
    for (const CandleRecord& c : candles) {
        EXPECT_GE(c.high, std::max(c.open, c.close)) << c.date.toStdString();
        EXPECT_LE(c.low, std::min(c.open, c.close)) << c.date.toStdString();
        EXPECT_GT(c.low, 0);
        EXPECT_GT(c.volume, 0);
    }
}

TEST(FinancialData, SampleIntradayRowsFillTheLastTradingDay)
{
    const QString text = financialSampleIntradayText();
    EXPECT_TRUE(text.startsWith('\n'));
    EXPECT_TRUE(text.endsWith('\n'));
    const QStringList rows = text.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 49);
    EXPECT_EQ(rows.first(), "2026-06-26 09:31,2960.99,1415748");
    EXPECT_EQ(rows.last(), "2026-06-26 15:00,2906.94,584252");

    QStringList times;
    for (QTime t(9, 31); t <= QTime(11, 26); t = t.addSecs(300))
        times << t.toString("hh:mm");
    for (QTime t(13, 1); t <= QTime(14, 56); t = t.addSecs(300))
        times << t.toString("hh:mm");
    times << "15:00";
    ASSERT_EQ(times.size(), rows.size());

    const CandleRecord day = parseDailyText(financialSampleDailyText()).last();
    const QVector<TickRecord> ticks = parseIntradayText(text);
    ASSERT_EQ(ticks.size(), 49);
    double volume = 0;
    double sum = 0;
    for (int i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(rows.at(i).section(',', 0, 0), "2026-06-26 " + times.at(i));
        EXPECT_EQ(ticks[i].time, "06-26 " + times.at(i));
        EXPECT_GE(ticks[i].price, day.low);
        EXPECT_LE(ticks[i].price, day.high);
        volume += ticks[i].volume;
        sum += ticks[i].price;
    }
    EXPECT_EQ(ticks.last().price, day.close);
    EXPECT_EQ(volume, day.volume);
    EXPECT_DOUBLE_EQ(ticks.first().average, ticks.first().price);
    EXPECT_NEAR(ticks.last().average, sum / 49, 1e-9);
}
