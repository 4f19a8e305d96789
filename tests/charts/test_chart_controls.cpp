// The five charts as library controls: registry records, creation by type name, JSON round
// trips, "jsonData" and hostile input.
#include "IMOXQWidgetBase.h"
#include "MOXChartControls.h"
#include "MOXJson.h"
#include "MOXQBarChart.h"
#include "MOXQtLib.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace MOXQtLib;

namespace {

const char* const kTypes[] = {"qtbarchart", "qtlinechart", "qtopenglpiechart", "qtscatterchart",
                              "qtfinancialchart"};

Json::Value parsedJson(const char* text)
{
    Json::Value v;
    jsonParse(std::string(text), v);
    return v;
}

} // namespace

TEST(ChartControls, CreatedByTypeNameAndWrittenBack)
{
    init();
    registerChartControls();
    QWidget parent;
    const Json::Value json =
        parsedJson(R"({"name": "sales", "x": 10, "y": 20, "w": 400, "h": 300})");
    for (const char* type : kTypes) {
        ASSERT_NE(moxGetControlInfo(type), nullptr) << type;
        QWidget* widget = moxCreateControl(type, json, &parent);
        ASSERT_NE(widget, nullptr) << type;
        auto* control = qobject_cast<IMOXQWidgetBase*>(widget);
        ASSERT_NE(control, nullptr) << type;
        EXPECT_EQ(control->getTypeName(), type);
        EXPECT_EQ(widget->objectName(), "sales");
        // The stored rectangle; Qt widens the financial chart to its 480 x 300 minimum.
        void* data = nullptr;
        control->getLayoutData(data);
        ASSERT_NE(data, nullptr);
        const int* rect = static_cast<const int*>(data);
        EXPECT_EQ(QRect(rect[0], rect[1], rect[2], rect[3]), QRect(10, 20, 400, 300)) << type;

        Json::Value out(Json::objectValue);
        ASSERT_TRUE(control->serializeJsonValue(&out, false));
        EXPECT_EQ(jsonString(out, "type"), type);
        EXPECT_EQ(jsonInt(out, "w", 0), 400);
        EXPECT_EQ(jsonInt(out, "minWidth", 0), widget->minimumWidth());
        EXPECT_FALSE(out.isMember("data") || out.isMember("series"));

        // Read back into a fresh chart: the same document comes out.
        QWidget* copy = moxCreateControl(type, out, &parent);
        Json::Value again(Json::objectValue);
        qobject_cast<IMOXQWidgetBase*>(copy)->serializeJsonValue(&again, false);
        EXPECT_EQ(jsonWrite(again), jsonWrite(out)) << type;
        delete copy;
        delete widget;
    }
}

TEST(ChartControls, JsonDataAppliedOnceAndNeverReachesTheData)
{
    // Hostile keys are the shared control reader's (tested with the library); a chart only has
    // to declare the property and keep its data out of the page.
    QWidget parent;
    auto* chart = new MOXQBarChart(&parent);
    chart->setProperty("jsonData", QStringLiteral(R"({"name": "first", "series": []})"));
    chart->setProperty("jsonData", QStringLiteral(R"({"name": "second"})"));
    EXPECT_EQ(chart->objectName(), "first");
    EXPECT_EQ(chart->series().size(), 1);
}
