// The example dashboard page with its theme: the tree the loader builds from it, the looks the
// controls take from the theme entries, and a layout that keeps every control inside its parent.

#include "IMOXQWidgetBase.h"
#include "MOXChartControls.h"
#include "MOXQContainer.h"
#include "MOXJson.h"
#include "MOXQLabel.h"
#include "MOXQLineChart.h"
#include "MOXQOpenGLPieChart.h"
#include "MOXQPageFile.h"
#include "MOXQPushButton.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QAbstractScrollArea>
#include <QMap>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

using namespace MOXQtLib;

namespace {

const QString kPages = QStringLiteral(GRAPHDECK_SOURCE_DIR "/examples/pages");

class ExamplePage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        init();
        registerChartControls();
        ASSERT_TRUE(MOXQResourceManager::getInstance()->loadThemeDir(
            kPages + QStringLiteral("/deck-theme")));
        host.resize(1000, 700);
        page = moxCreatePageByFileName(&host, kPages + QStringLiteral("/dashboard.json"));
        ASSERT_NE(page, nullptr);
        testsupport::processEvents();
    }
    // The page holds GL widgets: they go before the theme, never while shown.
    void TearDown() override
    {
        delete page;
        MOXQResourceManager::getInstance()->releaseThemeRes();
    }
    template <class T> T* find(const char* name) const
    {
        T* control = host.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QWidget host;
    MOXQContainer* page = nullptr;
};

TEST_F(ExamplePage, BuildsEveryControlWithItsThemeLook)
{
    QMap<QString, int> types;
    for (QWidget* w : host.findChildren<QWidget*>())
        if (auto* control = qobject_cast<IMOXQWidgetBase*>(w)) ++types[control->getTypeName()];
    EXPECT_EQ(types.value(QStringLiteral("qtcontainer")), 37);
    EXPECT_EQ(types.value(QStringLiteral("qtbutton")), 9);
    EXPECT_EQ(types.value(QStringLiteral("qtlabel")), 18);
    EXPECT_EQ(types.value(QStringLiteral("qtlinechart")), 1);
    EXPECT_EQ(types.value(QStringLiteral("qtopenglpiechart")), 1);
    EXPECT_EQ(types.size(), 5);
    EXPECT_NE(find<MOXQLineChart>("throughput"), nullptr);
    EXPECT_NE(find<MOXQOpenGLPieChart>("sources"), nullptr);

    // Captions come from the page, looks from the theme layer's styles.
    MOXQPushButton* tab = find<MOXQPushButton>("tab1");
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->text(), QStringLiteral("Charts"));
    EXPECT_EQ(tab->getBackground(CtrlStateNormal).fillRes.color, QColor(0x2C, 0x3B, 0x52));
    EXPECT_EQ(tab->getBackground(CtrlStateHot).fillRes.color, QColor(0x3A, 0x4E, 0x6C));
    EXPECT_EQ(tab->getBackground(CtrlStatePressed).fillRes.color, QColor(0x23, 0x86, 0xB3));
    EXPECT_EQ(tab->getTextStyle(CtrlStateHot).color, QColor(Qt::white));
    EXPECT_EQ(tab->getTextStyle(CtrlStateNormal).horAlign, 1);
    MOXQPushButton* disabled = find<MOXQPushButton>("nav5");
    ASSERT_NE(disabled, nullptr);
    EXPECT_FALSE(disabled->isEnabled());
    EXPECT_EQ(disabled->getTextStyle(CtrlStateDisable).name, QStringLiteral("deckNavTextDisable"));

    MOXQLabel* figure = find<MOXQLabel>("figure0");
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->getText(), QStringLiteral("1,284"));
    EXPECT_EQ(figure->font().pixelSize(), 22);
    EXPECT_TRUE(figure->font().bold());
}

TEST_F(ExamplePage, LaysEveryVisibleControlOutInsideItsParent)
{
    EXPECT_EQ(page->geometry(), QRect(0, 0, 1000, 700));
    for (QWidget* w : host.findChildren<QWidget*>()) {
        if (!qobject_cast<IMOXQWidgetBase*>(w) || w == page || w->isHidden()) continue;
        const QRect inParent(QPoint(0, 0), w->parentWidget()->size());
        EXPECT_TRUE(inParent.contains(w->geometry())) << qPrintable(w->objectName());
        EXPECT_FALSE(w->geometry().isEmpty()) << qPrintable(w->objectName());
    }
    // The charts take what their columns leave them; the pie chart's lowered minimum lets it
    // fit the narrow side column.
    const MOXQLineChart* line = find<MOXQLineChart>("throughput");
    const QWidget* plot = find<QWidget>("plot");
    ASSERT_TRUE(line && plot);
    EXPECT_EQ(line->width(), plot->width() - 24);
    EXPECT_GE(line->height(), line->minimumHeight());
    const QWidget* pie = find<QWidget>("sources");
    const QWidget* side = find<QWidget>("side");
    ASSERT_TRUE(pie && side);
    EXPECT_EQ(pie->width(), side->width() - 20);
    EXPECT_EQ(pie->height(), 350);
}

} // namespace

namespace {

// Elements of a page file's tree, every level, but the bar looks of a scroll view.
int elementCount(const Json::Value& elements, bool inScrollView = false)
{
    int count = 0;
    for (const Json::Value& element : elements) {
        if (inScrollView && moxIsScrollBarElement(element)) continue;
        ++count;
        const bool scrollView = jsonString(element, "type") == QStringLiteral("qtscrollview");
        if (const Json::Value* children = jsonArray(element, "child"))
            count += elementCount(*children, scrollView);
    }
    return count;
}

// The content a scroll area scrolls may reach past its viewport.
bool scrolledContent(const QWidget* w)
{
    const auto* area = qobject_cast<const QAbstractScrollArea*>(
        w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr);
    return area && area->viewport() == w->parentWidget();
}

} // namespace

// The controls showcase holds every listed control type of the library, builds every element it
// names, lays each out inside its parent, and names existing controls for its preview states.
TEST(ControlsShowcase, HoldsEveryLibraryControlLaidOutInsideItsParent)
{
    init();
    ASSERT_TRUE(MOXQResourceManager::getInstance()->loadThemeDir(kPages + "/deck-theme"));
    QByteArray text;
    Json::Value document;
    ASSERT_TRUE(moxReadPageFile(kPages + "/controls.json", text) && jsonParse(text, document));
    QWidget host;
    host.resize(jsonInt(document, "w", 0), jsonInt(document, "h", 0));
    MOXQContainer* page = moxCreatePageFromJson(&host, document);
    ASSERT_NE(page, nullptr);
    testsupport::processEvents();

    QSet<QString> shown;
    int controls = 0;
    for (QWidget* w : host.findChildren<QWidget*>()) {
        IMOXQWidgetBase* control = qobject_cast<IMOXQWidgetBase*>(w);
        if (!control || control->getControlBase()->isInternal()) continue;
        ++controls;
        shown.insert(control->getTypeName());
        // Hidden ones and what they hold (a template list's template) are not laid out.
        if (w == page || !w->isVisibleTo(page) || scrolledContent(w)) continue;
        const QRect inParent(QPoint(0, 0), w->parentWidget()->size());
        EXPECT_TRUE(inParent.contains(w->geometry())) << qPrintable(w->objectName());
        EXPECT_FALSE(w->geometry().isEmpty()) << qPrintable(w->objectName());
    }
    EXPECT_EQ(controls, elementCount(document["elements"]));
    // Charts have their own gallery; "Window" is the page window the designer canvas opens.
    const QSet<QString> elsewhere = {"qtbarchart",     "qtlinechart",      "qtopenglpiechart",
                                     "qtscatterchart", "qtfinancialchart", "Window"};
    for (const QByteArray& type : moxGetListedControlTypes()) {
        const QString name = QString::fromUtf8(type);
        EXPECT_TRUE(elsewhere.contains(name) || shown.contains(name)) << type.constData();
    }
    for (const char* state : {"hover", "press", "checked"})
        for (const Json::Value& name : document["previewStates"][state])
            EXPECT_NE(host.findChild<QWidget*>(QString::fromStdString(name.asString())), nullptr)
                << name.asString();
    delete page;
    MOXQResourceManager::getInstance()->releaseThemeRes();
}
