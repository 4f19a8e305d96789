// The progress bar: the filled fraction over awkward ranges, the bar and circle pixels, the
// value text, and its JSON keys under bad values.

#include "ControlTestUtil.h"
#include "MOXQProgressBar.h"
#include "MOXQtLib.h"

#include <QtMath>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

const QColor kBack(0x11, 0x22, 0x33); // fillA
const QColor kFore(0x44, 0x55, 0x66); // fillB

std::unique_ptr<MOXQProgressBar> styledBar(int w, int h)
{
    auto bar = controlFrom<MOXQProgressBar>(
        parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 2], ["textBig", 2, 4]]})"));
    bar->resize(w, h);
    return bar;
}

int foregroundRun(const QImage& image, int y)
{
    int run = 0;
    while (run < image.width() && image.pixelColor(run, y) == kFore)
        ++run;
    return run;
}

} // namespace

TEST(ProgressBar, FractionStaysInsideZeroToOne)
{
    struct Case
    {
        int value, minimum, maximum;
        double fraction;
    } cases[] = {{50, 0, 200, 0.25},
                 {0, 0, 200, 0.0},
                 {200, 0, 200, 1.0},
                 {-1, 0, 100, 0.0},
                 {0, 0, 0, 0.0},
                 {7, 5, 5, 0.0},
                 {3, 10, 0, 0.0},
                 {300, 0, 200, 1.0},
                 {-5, -10, 10, 0.25},
                 {0, INT_MIN, INT_MAX, 0.5},
                 {INT_MAX, INT_MIN, INT_MAX, 1.0}};
    for (const Case& c : cases) {
        const double f = MOXQProgressBarImpl::fraction(c.value, c.minimum, c.maximum);
        EXPECT_NEAR(f, c.fraction, 1e-6) << c.value << " in " << c.minimum << ".." << c.maximum;
    }
}

TEST(ProgressBar, BarFillsTheFractionOfItsLength)
{
    auto bar = styledBar(100, 10);
    bar->setRange(0, 200);
    for (int value = 0; value <= 200; value += 10) {
        bar->setValue(value);
        const QImage image = ctltest::rendered(bar.get());
        EXPECT_EQ(foregroundRun(image, 5), value / 2) << value;
        EXPECT_EQ(image.pixelColor(99, 5), value == 200 ? kFore : kBack) << value;
    }
    // Qt's busy range and its "no value yet" fill nothing.
    bar->setRange(0, 0);
    EXPECT_EQ(foregroundRun(ctltest::rendered(bar.get()), 5), 0);
    bar->setRange(0, 100);
    bar->reset();
    EXPECT_EQ(foregroundRun(ctltest::rendered(bar.get()), 5), 0);

    // Upright bars grow from the bottom.
    bar->setOrientation(Qt::Vertical);
    bar->resize(10, 100);
    bar->setValue(30);
    const QImage image = ctltest::rendered(bar.get());
    EXPECT_EQ(image.pixelColor(5, 99), kFore);
    EXPECT_EQ(image.pixelColor(5, 70), kFore);
    EXPECT_EQ(image.pixelColor(5, 69), kBack);
}

TEST(ProgressBar, CircleModeFillsASectorClockwiseFromBelow)
{
    auto bar = styledBar(80, 80);
    bar->setCircleProgressBar(true);
    bar->setRange(0, 100);
    struct Case
    {
        int value;
        // Below, left, above and right of the centre.
        bool filled[4];
    } cases[] = {{0, {false, false, false, false}},
                 {26, {true, true, false, false}},
                 {51, {true, true, true, false}},
                 {99, {true, true, true, true}},
                 {100, {true, true, true, true}}};
    const QPoint probes[] = {{36, 70}, {10, 44}, {36, 10}, {70, 44}};
    for (const Case& c : cases) {
        bar->setValue(c.value);
        const QImage image = ctltest::rendered(bar.get());
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(image.pixelColor(probes[i]), c.filled[i] ? kFore : kBack)
                << c.value << " probe " << i;
    }
    // 99 % leaves a thin wedge just right of straight down.
    bar->setValue(99);
    EXPECT_EQ(ctltest::rendered(bar.get()).pixelColor(41, 78), kBack);
    EXPECT_EQ(ctltest::rendered(bar.get()).pixelColor(44, 78), kFore);

    // Angles: a start of 0 is kept, spans are cut to one turn, bad ranges are refused.
    int start = -1, end = -1;
    bar->setCircleAngleRange(0, 180);
    bar->getCircleAngleRange(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 180);
    for (auto range : {std::pair{90, 90}, {-10, 100}, {200, 100}}) {
        bar->setCircleAngleRange(range.first, range.second);
        bar->getCircleAngleRange(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 180);
    }
    bar->setCircleAngleRange(90, INT_MAX);
    bar->getCircleAngleRange(start, end);
    EXPECT_EQ(end, 450);
    EXPECT_TRUE(MOXQProgressBarImpl::sector(QSize(80, 80), 0.0, 0, 360).isEmpty());
    EXPECT_TRUE(MOXQProgressBarImpl::sector(QSize(80, 80), qQNaN(), 0, 360).isEmpty());
}

TEST(ProgressBar, ValueTextAndJsonKeys)
{
    auto bar = styledBar(100, 20);
    bar->setRange(0, 200);
    bar->setValue(50);
    EXPECT_EQ(bar->impl()->valueText(), "50%");
    bar->reset();
    EXPECT_EQ(bar->impl()->valueText(), "");
    bar->setShowText(true);
    bar->setValue(80);

    const Json::Value out = written(bar.get());
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"showText":1,"val":80})");
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillA",1,0],["fillB",1,2],["textBig",2,4]])");
    auto back = controlFrom<MOXQProgressBar>(out);
    EXPECT_EQ(back->value(), 80);
    EXPECT_EQ(back->getValueTextStyle().size, 20);
    EXPECT_EQ(back->getForeground(CommonCtrlStateNormal).name, "fillB");

    // Numbers that are not a value keep the one the bar has; other types and a missing key
    // mean 0. Style entries for the unused slots 1 and 3 are ignored.
    back->setValue(40);
    for (const Json::Value& v :
         {Json::Value(qQNaN()), Json::Value(qInf()), Json::Value(1e300), Json::Value(-1e12)}) {
        Json::Value json = parsed(R"({"attr": {}})");
        json["attr"]["val"] = v;
        back->readJsonValue(&json);
        EXPECT_EQ(back->value(), 40) << jsonWrite(json);
    }
    Json::Value json = parsed(R"({"attr": {"val": "50"}, "style": [["fillC", 1, 1],
                                  ["fillD", 1, 3], ["fillC", 2, 5]]})");
    back->readJsonValue(&json);
    EXPECT_EQ(back->value(), 0);
    EXPECT_EQ(back->getBackground(CommonCtrlStateNormal).name, "fillA");
    EXPECT_EQ(back->getForeground(CommonCtrlStateNormal).name, "fillB");
}
