#include "Gallery.h"

#include "GalleryScenarios.h"
#include "MOXQChartBase.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

const char* const kGalleryFontFamily = "Microsoft YaHei";

namespace {

const char* const kComboStyle =
    "QComboBox{background:#ffffff;color:#253044;border:1px solid #cbd5e1;border-radius:6px;"
    "padding:5px 10px;min-width:160px;}QComboBox QAbstractItemView{background:#ffffff;"
    "color:#253044;border:1px solid #cbd5e1;selection-background-color:#dbeafe;"
    "selection-color:#1d4ed8;}";

const char* const kRadioStyle =
    "QRadioButton{spacing:10px;color:#334155;background:transparent;padding:10px 12px;"
    "border-radius:8px;font-size:13px;}QRadioButton::indicator{width:14px;height:14px;}"
    "QRadioButton::indicator:unchecked{border:2px solid #94a3b8;border-radius:7px;"
    "background:#ffffff;}QRadioButton::indicator:checked{border:4px solid #2563eb;"
    "border-radius:7px;background:#ffffff;}QRadioButton:hover{background:#eef4ff;}"
    "QRadioButton:checked{background:#e6efff;color:#1d4ed8;font-weight:600;}";

const char* const kTabStyle =
    "QTabBar::tab{background:#eef2f8;color:#475467;border:1px solid #d7e0ea;"
    "border-bottom:none;border-top-left-radius:8px;border-top-right-radius:8px;"
    "padding:10px 16px;min-width:120px;}QTabBar::tab:selected{background:#ffffff;"
    "color:#1d4ed8;font-weight:600;}QTabBar::tab:hover{background:#e7eefc;}";

const char* const kPanelStyle =
    "QFrame#chartPagePanel{background:#ffffff;border:1px solid #d9e1ec;border-radius:10px;}"
    "QLabel#chartPageTitle{color:#20304a;border:none;background:transparent;}"
    "QLabel#chartPageDesc{color:#667085;border:none;background:transparent;}"
    "QPushButton#chartReplayButton{background:#eef4ff;color:#1d4ed8;border:1px solid #c8d9ff;"
    "border-radius:6px;padding:6px 12px;}QPushButton#chartReplayButton:hover{"
    "background:#dbeafe;}";

// The selected tab is drawn semi-bold by the style sheet while Qt sizes every tab with the
// regular weight, which clips longer titles; size tabs for the wider of the two.
class GalleryTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        QFont bold = font();
        bold.setWeight(QFont::DemiBold);
        const QString text = tabText(index);
        const int extra =
            QFontMetrics(bold).horizontalAdvance(text) - fontMetrics().horizontalAdvance(text);
        size.rwidth() += std::max(0, extra) + 2;
        return size;
    }
};

QLabel* makeLabel(const QString& text, int pixelSize, bool bold, QWidget* parent = nullptr)
{
    auto* label = new QLabel(text, parent);
    applyLabelFont(label, pixelSize, bold);
    return label;
}

} // namespace

void applyLabelFont(QWidget* widget, int pixelSize, bool bold)
{
    if (!widget) return;
    QFont font = widget->font();
    font.setFamily(QString::fromLatin1(kGalleryFontFamily));
    if (pixelSize > 0) font.setPixelSize(pixelSize);
    font.setWeight(bold ? 75 : 50);
    widget->setFont(font);
}

void prepareChartAnimation(QWidget* widget)
{
    auto* chart = qobject_cast<MOXQtLib::MOXQChartBase*>(widget);
    if (!chart) return;
    // The large-data chart would animate thousands of points on every switch.
    if (chart->objectName() == QLatin1String("LargeDataLineChart")) {
        chart->setAnimationEnabled(false);
        return;
    }
    chart->setAnimationEnabled(true);
    chart->setAnimationDuration(850);
}

void replayChart(QWidget* widget)
{
    if (auto* chart = qobject_cast<MOXQtLib::MOXQChartBase*>(widget)) chart->replayAnimation();
}

QWidget* buildChartPage(const QString& pageTitle, const QString& description, QWidget* chart)
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("chartPagePanel"));
    panel->setStyleSheet(QString::fromLatin1(kPanelStyle));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(12);

    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);

    auto* title = new QLabel(pageTitle);
    title->setObjectName(QStringLiteral("chartPageTitle"));
    QFont titleFont = title->font();
    titleFont.setFamily(QString::fromLatin1(kGalleryFontFamily));
    titleFont.setPixelSize(18);
    titleFont.setWeight(75);
    title->setFont(titleFont);

    auto* desc = new QLabel(description);
    desc->setObjectName(QStringLiteral("chartPageDesc"));
    QFont descFont = desc->font();
    descFont.setFamily(QString::fromLatin1(kGalleryFontFamily));
    descFont.setPixelSize(12);
    descFont.setWeight(50);
    desc->setFont(descFont);
    desc->setWordWrap(true);

    texts->addWidget(title);
    texts->addWidget(desc);

    auto* replay = new QPushButton(QStringLiteral("Replay Animation"));
    replay->setObjectName(QStringLiteral("chartReplayButton"));
    header->addLayout(texts, 1);
    header->addWidget(replay, 0, Qt::AlignVCenter);

    layout->addLayout(header);
    if (chart) layout->addWidget(chart, 1);
    QObject::connect(replay, &QPushButton::clicked, panel, [chart] { replayChart(chart); });
    return panel;
}

CategoryPage buildCategoryPage(const QString& title, const QString& description,
                               const QList<ChartScenario>& scenarios, QWidget* parent)
{
    CategoryPage page;
    page.page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    auto* titleLabel = makeLabel(title, 22, true);
    titleLabel->setStyleSheet(QStringLiteral("color:#20304a;"));
    auto* descLabel = makeLabel(description, 12, false);
    descLabel->setWordWrap(true);
    descLabel->setStyleSheet(QStringLiteral("color:#667085;"));

    page.tabBar = new GalleryTabBar;
    page.tabBar->setMovable(false);
    page.tabBar->setExpanding(false);
    page.tabBar->setDrawBase(false);
    page.tabBar->setStyleSheet(QString::fromLatin1(kTabStyle));

    page.stack = new QStackedWidget;
    layout->addWidget(titleLabel);
    layout->addWidget(descLabel);
    layout->addWidget(page.tabBar);
    layout->addWidget(page.stack, 1);

    for (const ChartScenario& s : scenarios) {
        prepareChartAnimation(s.chart);
        page.charts.append(s.chart);
        page.tabBar->addTab(s.tabTitle);
        page.stack->addWidget(buildChartPage(s.pageTitle, s.description, s.chart));
    }

    QStackedWidget* stack = page.stack;
    const QList<QWidget*> charts = page.charts;
    QObject::connect(page.tabBar, &QTabBar::currentChanged, page.page, [stack, charts](int index) {
        stack->setCurrentIndex(index);
        if (index >= 0 && index < charts.size()) replayChart(charts.at(index));
    });
    page.tabBar->setCurrentIndex(0);
    page.stack->setCurrentIndex(0);
    return page;
}

void applyGalleryTheme(const GalleryWindow& gallery, int themeIndex)
{
    for (const QList<QWidget*>& list : gallery.familyCharts)
        for (QWidget* w : list)
            if (auto* chart = qobject_cast<MOXQtLib::MOXQChartBase*>(w))
                chart->setChartTheme(themeIndex);
}

GalleryWindow buildGalleryWindow()
{
    GalleryWindow g;
    g.window = new QWidget;
    g.window->setWindowTitle(QStringLiteral("Moxera GraphDeck - OpenGL Charts"));
    g.window->resize(1280, 800);
    g.window->setStyleSheet(QStringLiteral("background:#f4f7fb;color:#253044;"));

    auto* root = new QVBoxLayout(g.window);
    root->setContentsMargins(24, 24, 24, 24);
    root->setSpacing(16);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    auto* titleColumn = new QVBoxLayout;
    titleColumn->setSpacing(6);
    titleColumn->addWidget(makeLabel(QStringLiteral("MoxeraGraphDeck"), 28, true));
    auto* subtitle = makeLabel(QStringLiteral("Chart demos grouped by chart type on the left, with "
                                              "scenario tabs across the top of each category."),
                               13, false);
    subtitle->setStyleSheet(QStringLiteral("color:#667085;"));
    titleColumn->addWidget(subtitle);
    header->addLayout(titleColumn, 1);

    auto* themeRow = new QHBoxLayout;
    themeRow->setSpacing(8);
    themeRow->addWidget(makeLabel(QStringLiteral("Chart Theme"), 12, false));
    g.themeCombo = new QComboBox;
    g.themeCombo->setStyleSheet(QString::fromLatin1(kComboStyle));
    const char* themeNames[] = {"Default", "Macarons", "Shine", "Dark"};
    for (int i = 0; i < 4; ++i)
        g.themeCombo->addItem(QString::fromLatin1(themeNames[i]), i);
    themeRow->addWidget(g.themeCombo);
    header->addLayout(themeRow, 0);
    root->addLayout(header, 0);

    auto* body = new QHBoxLayout;
    body->setSpacing(18);
    auto* side = new QFrame;
    side->setStyleSheet(
        QStringLiteral("QFrame{background:#ffffff;border:1px solid #d9e1ec;border-radius:10px;}"));
    side->setFixedWidth(240);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(14, 14, 14, 14);
    sideLayout->setSpacing(8);
    sideLayout->addWidget(makeLabel(QStringLiteral("Chart Types"), 15, true));
    auto* sideHint = makeLabel(QStringLiteral("Switch major chart families"), 12, false);
    sideHint->setStyleSheet(QStringLiteral("color:#667085;"));
    sideHint->setWordWrap(true);
    sideLayout->addWidget(sideHint);

    g.familyButtons = new QButtonGroup(g.window);
    g.familyButtons->setExclusive(true);
    const char* familyTitles[] = {"Line Charts", "Bar Charts", "Pie Charts", "Scatter Charts",
                                  "Financial Charts"};
    for (int i = 0; i < FamilyCount; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(familyTitles[i]));
        button->setStyleSheet(QString::fromLatin1(kRadioStyle));
        g.familyButtons->addButton(button, i);
        sideLayout->addWidget(button);
        if (i == 0) button->setChecked(true);
    }
    sideLayout->addStretch(1);
    body->addWidget(side);

    g.mainStack = new QStackedWidget(g.window);
    body->addWidget(g.mainStack, 1);

    using Factory = GalleryFamily (*)(QWidget*);
    const Factory factories[FamilyCount] = {lineChartFamily, barChartFamily, pieChartFamily,
                                            scatterChartFamily, financialChartFamily};
    for (int i = 0; i < FamilyCount; ++i) {
        GalleryFamily family = factories[i](g.mainStack);
        for (const ChartScenario& s : family.scenarios)
            g.familyCharts[i].append(s.chart);
        CategoryPage page = buildCategoryPage(QString::fromLatin1(familyTitles[i]),
                                              family.description, family.scenarios, g.mainStack);
        g.pages.append(page);
        g.mainStack->addWidget(page.page);
    }
    root->addLayout(body, 1);

    QStackedWidget* mainStack = g.mainStack;
    const QList<CategoryPage> pages = g.pages;
    QObject::connect(g.familyButtons, &QButtonGroup::idClicked, g.window,
                     [mainStack, pages](int id) {
                         mainStack->setCurrentIndex(id);
                         if (id < 0 || id >= pages.size() || !pages.at(id).tabBar) return;
                         const CategoryPage& page = pages.at(id);
                         const int tab = page.tabBar->currentIndex();
                         if (tab >= 0 && tab < page.charts.size()) replayChart(page.charts.at(tab));
                     });

    QComboBox* combo = g.themeCombo;
    const GalleryWindow handles = g;
    QObject::connect(g.themeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), g.window,
                     [combo, handles](int index) {
                         applyGalleryTheme(handles, combo->itemData(index, Qt::UserRole).toInt());
                     });

    g.mainStack->setCurrentIndex(0);
    g.themeCombo->setCurrentIndex(0);
    applyGalleryTheme(g, 0);
    if (!g.familyCharts[FamilyLine].isEmpty()) replayChart(g.familyCharts[FamilyLine].first());
    return g;
}
