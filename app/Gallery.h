#pragma once

#include <QList>
#include <QString>

#include <array>

class QButtonGroup;
class QComboBox;
class QStackedWidget;
class QTabBar;
class QWidget;

// The program-wide font family of the gallery's labels and of the library configuration.
extern const char* const kGalleryFontFamily;

// One tab of a chart family.
struct ChartScenario
{
    QString tabTitle;
    QString pageTitle;
    QString description;
    QWidget* chart = nullptr;
};

// One family page: its widget, tab bar, inner stack and the charts in tab order.
struct CategoryPage
{
    QWidget* page = nullptr;
    QTabBar* tabBar = nullptr;
    QStackedWidget* stack = nullptr;
    QList<QWidget*> charts;
};

// A family's description and scenarios, as its factory builds them.
struct GalleryFamily
{
    QString title;
    QString description;
    QList<ChartScenario> scenarios;
};

enum GalleryFamilyIndex
{
    FamilyLine = 0,
    FamilyBar,
    FamilyPie,
    FamilyScatter,
    FamilyFinancial,
    FamilyCount
};

// The gallery window and the handles its handlers (and the tests) use. The window owns
// everything; the record only points into it.
struct GalleryWindow
{
    QWidget* window = nullptr;
    QComboBox* themeCombo = nullptr;
    QButtonGroup* familyButtons = nullptr;
    QStackedWidget* mainStack = nullptr;
    QList<CategoryPage> pages;
    std::array<QList<QWidget*>, FamilyCount> familyCharts;
};

void applyLabelFont(QWidget* widget, int pixelSize, bool bold);
void prepareChartAnimation(QWidget* widget);
void replayChart(QWidget* widget);
CategoryPage buildCategoryPage(const QString& title, const QString& description,
                               const QList<ChartScenario>& scenarios, QWidget* parent);
QWidget* buildChartPage(const QString& pageTitle, const QString& description, QWidget* chart);

// Builds the whole window (not shown), applies theme 0 to every chart and replays the
// first line chart.
GalleryWindow buildGalleryWindow();
// Sets the chart theme on every chart of every family.
void applyGalleryTheme(const GalleryWindow& gallery, int themeIndex);
