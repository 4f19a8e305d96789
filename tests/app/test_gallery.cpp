#include "Gallery.h"
#include "IMOXQWidgetBase.h"
#include "MOXQChartBase.h"
#include "MOXQChartBaseImpl.h"
#include "MOXQtLib.h"
#include "MOXResourceFunctions.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;

namespace {

class FlatChart : public MOXQChartBase
{
public:
    using MOXQChartBase::MOXQChartBase;
    void paintFrame(QPainter& painter) override { paintTooltip(painter); }

protected:
    void paintGL() override { paintGLFrame(); }
};

// Hides and processes events before deleting: a shown GL widget destroyed before its events
// ran crashes on some platforms.
void destroyWindow(QWidget* window)
{
    window->hide();
    testsupport::processEvents(20);
    delete window;
}

} // namespace

TEST(Gallery, StartupSwitchingAndTheme)
{
    GalleryWindow g = buildGalleryWindow();
    ASSERT_NE(g.window, nullptr);
    EXPECT_EQ(g.window->windowTitle(), "Moxera GraphDeck - OpenGL Charts");
    ASSERT_EQ(g.pages.size(), int(FamilyCount));
    ASSERT_EQ(g.themeCombo->count(), 4);
    EXPECT_EQ(g.themeCombo->itemText(3), "Dark");
    EXPECT_EQ(g.themeCombo->itemData(3).toInt(), 3);
    g.window->show();
    testsupport::processEvents(50);

    for (int f = 0; f < FamilyCount; ++f) {
        g.familyButtons->button(f)->click();
        EXPECT_EQ(g.mainStack->currentIndex(), f);
        const CategoryPage& page = g.pages.at(f);
        EXPECT_EQ(page.tabBar->count(), page.charts.size());
        for (int t = 0; t < page.tabBar->count(); ++t) {
            page.tabBar->setCurrentIndex(t);
            EXPECT_EQ(page.stack->currentIndex(), t);
        }
        page.tabBar->setCurrentIndex(0);
    }

    // A theme choice reaches the charts of every family, hidden ones included.
    g.familyButtons->button(0)->click();
    g.themeCombo->setCurrentIndex(3);
    int charts = 0;
    for (const auto& list : g.familyCharts)
        for (QWidget* w : list) {
            auto* chart = qobject_cast<MOXQChartBase*>(w);
            ASSERT_NE(chart, nullptr);
            EXPECT_EQ(chart->chartThemeIndex(), 3);
            ++charts;
        }
    const auto all = g.window->findChildren<MOXQChartBase*>();
    EXPECT_EQ(all.size(), charts);
    destroyWindow(g.window);
}

TEST(Gallery, ReplayAndAnimationPreparation)
{
    std::unique_ptr<FlatChart> large(new FlatChart);
    large->setObjectName(QStringLiteral("LargeDataLineChart"));
    prepareChartAnimation(large.get());
    EXPECT_FALSE(large->animationEnabled());
    replayChart(large.get());
    EXPECT_DOUBLE_EQ(large->animationProgress(), 1.0);

    std::unique_ptr<FlatChart> chart(new FlatChart);
    prepareChartAnimation(chart.get());
    EXPECT_TRUE(chart->animationEnabled());
    EXPECT_EQ(chart->animationDuration(), 850);
    replayChart(chart.get());
    EXPECT_TRUE(chart->isAnimationRunning());
    replayChart(nullptr);
    prepareChartAnimation(nullptr);
    applyLabelFont(nullptr, 12, true);

    // A family page wires its tabs to its charts: switching replays the chart that shows.
    QWidget parent;
    auto* a = new FlatChart(&parent);
    auto* b = new FlatChart(&parent);
    const QList<ChartScenario> scenarios{{"A", "Page A", "first", a}, {"B", "Page B", "", b}};
    CategoryPage page = buildCategoryPage("Family", "Description", scenarios, &parent);
    EXPECT_EQ(page.tabBar->count(), 2);
    EXPECT_EQ(page.tabBar->currentIndex(), 0);
    a->setAnimationEnabled(true);
    b->setAnimationDuration(400);
    page.tabBar->setCurrentIndex(1);
    EXPECT_TRUE(b->isAnimationRunning());
    EXPECT_EQ(page.stack->currentIndex(), 1);
    CategoryPage empty = buildCategoryPage("Empty", "", {}, &parent);
    EXPECT_EQ(empty.tabBar->count(), 0);
}

TEST(GalleryGL, FramebufferShowsThemeBackground)
{
    if (!testsupport::hasOpenGL()) GTEST_SKIP() << "no OpenGL context on this platform";
    auto* chart = new FlatChart;
    chart->resize(320, 200);
    chart->setChartTheme(3);
    chart->show();
    testsupport::processEvents(100);
    const QImage dark = chart->grabFramebuffer();
    ASSERT_FALSE(dark.isNull());
    EXPECT_GT(testsupport::colorShare(dark, QColor(16, 20, 28), 2), 0.99);
    chart->setChartTheme(1);
    const QImage macarons = chart->grabFramebuffer();
    EXPECT_GT(testsupport::colorShare(macarons, QColor(248, 245, 250), 2), 0.99);
    destroyWindow(chart);
}

TEST(GalleryGL, ChartsAreLibraryControlsWithTheirGLFunctions)
{
    ASSERT_TRUE(moxIsInitialised());
    for (const char* type :
         {"qtbarchart", "qtlinechart", "qtopenglpiechart", "qtscatterchart", "qtfinancialchart"})
        EXPECT_NE(moxGetControlInfo(type), nullptr) << type;

    // The configuration's family became the application font, so widgets without a font of
    // their own ask for it; the fade stays off.
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("Microsoft YaHei"));
    EXPECT_FALSE(moxGetGlobalConfig().buttonFadeEnabled);
    EXPECT_EQ(moxGetGlobalConfig().buttonFadeDuration, 150);

    GalleryWindow g = buildGalleryWindow();
    EXPECT_EQ(g.themeCombo->font().family(), QStringLiteral("Microsoft YaHei"));
    for (const auto& list : g.familyCharts)
        for (QWidget* w : list)
            EXPECT_NE(qobject_cast<IMOXQWidgetBase*>(w), nullptr) << w->metaObject()->className();
    if (!testsupport::hasOpenGL()) {
        destroyWindow(g.window);
        GTEST_SKIP() << "no OpenGL context on this platform";
    }
    g.familyButtons->button(FamilyBar)->click();
    g.window->show();
    testsupport::processEvents(100);
    // The chart on screen made its context, and initializeGL resolved its model's functions.
    QWidget* shown = g.pages.at(FamilyBar).charts.value(0);
    ASSERT_NE(shown, nullptr);
    auto* model = qobject_cast<MOXQChartBaseImpl*>(MOXQWidgetBaseImpl::fromWidget(shown));
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->hasGLFunctions());
    shutdown();
    destroyWindow(g.window);
}
