#!/usr/bin/env python3
"""Writes charts/FinancialSampleData.cpp: the built-in daily and intraday index texts.

The series is made up: a seeded random walk bridged between fixed rows, so every run writes the
same file. Run it from anywhere; it checks its own invariants before writing.
"""

import datetime
import os
import sys

FIRST = "2026-03-26,2854.50,2824.67,2862.33,2819.07,52322127"
SECOND = "2026-03-27,2803.50,2837.31,2845.83,2803.50,46525441"
LAST = "2026-06-26,2961.04,2906.94,2965.41,2887.76,63782469"
HOLIDAYS = {"2026-04-06", "2026-05-01", "2026-05-04", "2026-05-05", "2026-06-19"}
TICK_FIRST = "2026-06-26 09:31,2960.99,1415748"
TICK_LAST = "2026-06-26 15:00,2906.94,584252"


class Lcg:
    """64-bit linear congruential generator (Knuth's MMIX constants): stable across Pythons."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFFFFFFFFFF

    def uniform(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) & 0xFFFFFFFFFFFFFFFF
        return ((self.state >> 11) & ((1 << 53) - 1)) / float(1 << 53)

    def normal(self):
        # Irwin-Hall sum of twelve uniforms: mean 0, variance 1, no floating special functions.
        return sum(self.uniform() for _ in range(12)) - 6.0


def trading_days():
    day = datetime.date(2026, 3, 26)
    end = datetime.date(2026, 6, 26)
    out = []
    while day <= end:
        text = day.isoformat()
        if day.weekday() < 5 and text not in HOLIDAYS:
            out.append(text)
        day += datetime.timedelta(days=1)
    return out


def bridge(rng, start, end, steps, sigma):
    """Values 1..steps-1 of a random walk from start to end (exclusive of both ends)."""
    walk = [0.0]
    for _ in range(steps):
        walk.append(walk[-1] + rng.normal() * sigma)
    drift = walk[-1] - (end - start)
    return [start + walk[k] - drift * k / steps for k in range(1, steps)]


def daily_rows(rng):
    days = trading_days()
    assert len(days) == 62, len(days)
    first = FIRST.split(",")
    second = SECOND.split(",")
    last = LAST.split(",")
    assert days[0] == first[0] and days[1] == second[0] and days[-1] == last[0]
    prev_close = float(second[2])
    # Closes of rows 2..60, bridged from the second close to a level just under the last open.
    closes = bridge(rng, prev_close, 2956.80, 60, 24.0)
    rows = [FIRST, SECOND]
    for k, close in enumerate(closes):
        open_ = round(prev_close + rng.normal() * 7.0, 2)
        close = round(close, 2)
        top = max(open_, close)
        bottom = min(open_, close)
        high = round(top + abs(rng.normal()) * 9.0 + 0.4, 2)
        low = round(bottom - abs(rng.normal()) * 9.0 - 0.4, 2)
        move = abs(close - prev_close) / prev_close
        volume = int(40e6 + move * 1.2e9 + rng.normal() * 3.5e6)
        volume = max(28000000, min(volume, 82000000))
        rows.append("%s,%.2f,%.2f,%.2f,%.2f,%d" % (days[k + 2], open_, close, high, low, volume))
        prev_close = close
    rows.append(LAST)
    return rows


def tick_times():
    out = []
    for start, end in ((9 * 60 + 31, 11 * 60 + 26), (13 * 60 + 1, 14 * 60 + 56)):
        t = start
        while t <= end:
            out.append("2026-06-26 %02d:%02d" % (t // 60, t % 60))
            t += 5
    out.append("2026-06-26 15:00")
    return out


def intraday_rows(rng, day_high, day_low, day_volume):
    times = tick_times()
    assert len(times) == 49, len(times)
    first_price = float(TICK_FIRST.split(",")[1])
    last_price = float(TICK_LAST.split(",")[1])
    # Early push towards the day's high, a slide into the lunch break, the afternoon low, and a
    # late recovery into the close.
    anchors = [(0, first_price), (4, 2962.40), (12, 2941.00), (23, 2928.50), (24, 2926.00),
               (36, 2893.20), (41, 2889.90), (48, last_price)]
    prices = [first_price]
    for (i0, p0), (i1, p1) in zip(anchors, anchors[1:]):
        prices.extend(bridge(rng, p0, p1, i1 - i0, 2.2))
        prices.append(p1)
    prices = [min(max(round(p, 2), day_low + 0.3), day_high - 0.3) for p in prices]
    prices[0] = first_price
    prices[-1] = last_price

    first_volume = int(TICK_FIRST.split(",")[2])
    last_volume = int(TICK_LAST.split(",")[2])
    weights = []
    for i in range(1, 48):
        shape = 1.9 - 0.9 * i / 23 if i < 24 else 1.0 + 0.6 * (i - 24) / 23
        weights.append(shape * (1.0 + 0.12 * rng.normal()))
    budget = day_volume - first_volume - last_volume
    total = sum(weights)
    volumes = [int(budget * w / total) for w in weights]
    volumes[len(volumes) // 2] += budget - sum(volumes)
    volumes = [first_volume] + volumes + [last_volume]

    return ["%s,%.2f,%d" % (t, p, v) for t, p, v in zip(times, prices, volumes)]


def check(daily, intraday):
    assert daily[0] == FIRST and daily[1] == SECOND and daily[-1] == LAST
    assert intraday[0] == TICK_FIRST and intraday[-1] == TICK_LAST
    for row in daily:
        _, o, c, h, l, _ = row.split(",")
        o, c, h, l = map(float, (o, c, h, l))
        assert h >= max(o, c) and l <= min(o, c), row
    last = LAST.split(",")
    volume = 0
    for row in intraday:
        _, p, v = row.split(",")
        assert float(last[4]) <= float(p) <= float(last[3]), row
        volume += int(v)
    assert volume == int(last[5])


def cpp_text(name, rows):
    lines = ['QString %s()' % name, "{", "    return QStringLiteral(", '        "\\n"']
    lines += ['        "%s\\n"' % row for row in rows]
    lines[-1] += ");"
    lines.append("}")
    return "\n".join(lines) + "\n"


def main():
    rng = Lcg(20260626)
    daily = daily_rows(rng)
    last = LAST.split(",")
    intraday = intraday_rows(rng, float(last[3]), float(last[4]), int(last[5]))
    check(daily, intraday)
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "charts", "FinancialSampleData.cpp")
    with open(path, "w") as out:
        out.write("// Generated by scripts/make_financial_sample.py; edit the script, not this file.\n")
        out.write("// A made-up index: daily rows for the quarter up to 2026-06-26 and that day's\n")
        out.write("// five-minute samples, whose volumes add up to the day's volume.\n\n")
        out.write('#include "FinancialData.h"\n\n')
        out.write(cpp_text("financialSampleDailyText", daily))
        out.write("\n")
        out.write(cpp_text("financialSampleIntradayText", intraday))
    print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
