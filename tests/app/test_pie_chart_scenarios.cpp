#include "ChartFunctions.h"
#include "GalleryScenarios.h"
#include "MOXQOpenGLPieChart.h"
#include "MOXQOpenGLPieChartImpl.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;

namespace {

void send(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton button)
{
    QMouseEvent e(type, pos, button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

TEST(PieScenarios, FamilyChartsAreIndependentAndLabelsApart)
{
    auto parent = std::make_unique<QWidget>();
    const GalleryFamily family = pieChartFamily(parent.get());
    ASSERT_EQ(family.scenarios.size(), 4);
    QVector<MOXQOpenGLPieChart*> charts;
    for (const ChartScenario& s : family.scenarios) {
        auto* chart = qobject_cast<MOXQOpenGLPieChart*>(s.chart);
        ASSERT_NE(chart, nullptr) << s.tabTitle.toStdString();
        chart->setAnimationEnabled(false);
        chart->resize(936, 467); // the chart's size in the gallery window
        charts.append(chart);
    }

    // Hiding a slice from the Traffic legend leaves the Donut chart's copy alone.
    MOXQOpenGLPieChart* traffic = charts.at(0);
    MOXQOpenGLPieChart* donut = charts.at(1);
    ASSERT_EQ(traffic->slices(), donut->slices());
    const auto items = traffic->impl()->legendItems();
    ASSERT_EQ(items.size(), 5);
    send(traffic, QEvent::MouseButtonPress, items.at(2).rect.center(), Qt::RightButton);
    EXPECT_TRUE(traffic->slices().at(2).visible); // only the left button toggles
    send(traffic, QEvent::MouseButtonPress, items.at(2).rect.center(), Qt::LeftButton);
    EXPECT_FALSE(traffic->slices().at(2).visible);
    EXPECT_TRUE(donut->slices().at(2).visible);
    EXPECT_EQ(traffic->impl()->arcs().size(), 4);
    EXPECT_EQ(donut->impl()->arcs().size(), 5);

    const QRectF pie = donut->impl()->pieRect();
    if (testsupport::hasOpenGL()) {
        // Through GL: the hovered slice is drawn lighter on the shown widget.
        donut->setParent(nullptr);
        donut->show();
        testsupport::processEvents(50);
        const QPoint p = QPoint(int(pie.center().x() + pie.width() * 0.4), int(pie.center().y()));
        send(donut, QEvent::MouseMove, p, Qt::NoButton);
        EXPECT_EQ(donut->impl()->hoveredSlice(), 0);
        testsupport::processEvents(50);
        const QColor base = seriesColor(QColor(), 0, donut->chartTheme());
        EXPECT_EQ(donut->grabFramebuffer().pixel(p), base.lighter(115).rgb());
        donut->hide();
        testsupport::processEvents(20);
        donut->setParent(parent.get());
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(donut, &leave);
    EXPECT_FALSE(donut->impl()->isHoverActive());

    // The leader-line labels of the gallery chart never overlap.
    QFont f = charts.at(3)->font();
    f.setPixelSize(11);
    const QFontMetricsF fm(f);
    const QVector<PieLabel> labels = charts.at(3)->impl()->labels();
    ASSERT_EQ(labels.size(), 5);
    for (int i = 0; i < labels.size(); ++i)
        for (int j = i + 1; j < labels.size(); ++j) {
            const auto text = [&](const PieLabel& l) {
                const double w = fm.horizontalAdvance(l.text);
                const double x = l.rightSide ? l.box.left() : l.box.right() - w;
                return QRectF(x, l.anchor.y() - fm.height() / 2, w, fm.height());
            };
            EXPECT_FALSE(text(labels.at(i)).intersects(text(labels.at(j)))) << i << " " << j;
        }
}
