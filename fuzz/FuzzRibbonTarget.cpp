#include "FuzzTargets.h"

#include "MOXQRibbonBar.h"
#include "MOXQTabWidget.h"
#include "MOXQtLib.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

using namespace MOXQtLib;

namespace fuzztargets {

namespace {

// The pages each input starts from while the previous one left none.
const char* const kBase = R"({"topBar": {"left": [{"itemType": "smallButton"}]}, "tabs": [
    {"name": "a", "groups": [{"content": [{"itemType": "largeButton"},
        {"itemType": "smallButton"}, {"itemType": "comboBox"}]}]}, {"name": "b"}]})";

MOXQRibbonBar& bar()
{
    static MOXQRibbonBar* shared = [] {
        auto* made = new MOXQRibbonBar;
        made->resize(900, 130);
        return made;
    }();
    return *shared;
}

QStringList tabTexts(const MOXQRibbonBar& b)
{
    QStringList texts;
    for (int i = 0; i < b.tabStrip()->getTabCount(); ++i)
        texts << b.tabStrip()->getTabText(i);
    return texts;
}

bool groupsHoldTheirColumns(const MOXQRibbonBar& b)
{
    for (int p = 0; p < b.pageCount(); ++p) {
        const MOXQRibbonPage* page = b.pageAt(p);
        if (page->getGroupCount() > 64) return false;
        for (int g = 0; g < page->getGroupCount(); ++g) {
            const MOXQRibbonGroup* group = page->getGroup(g);
            if (group->items().size() > 128) return false;
            for (const QWidget* item : group->items())
                if (item->geometry().right() + kRibbonGap >= group->width() ||
                    item->height() < 0)
                    return false;
        }
    }
    return true;
}

} // namespace

void ribbonConfigSetUp(int* argc, char*** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(*argc, *argv);
    init();
}

bool ribbonConfig(const std::uint8_t* data, std::size_t size)
{
    MOXQRibbonBar& b = bar();
    if (b.pageCount() == 0 && !b.loadConfigJson(QString::fromLatin1(kBase))) return false;
    b.setMinimized(false);
    const QStringList before = tabTexts(b);
    const int current = b.currentPage();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    if (!b.loadConfigJson(text))
        return tabTexts(b) == before && b.currentPage() == current;
    if (b.pageCount() > 64 || tabTexts(b).size() != b.pageCount() ||
        b.currentPage() != (b.pageCount() > 0 ? 0 : -1) || !groupsHoldTheirColumns(b))
        return false;
    // The current tab folds the area away and brings it back.
    b.setMinimized(true);
    if (b.area()->isVisibleTo(&b) || b.area()->height() != 0) return false;
    b.setMinimized(false);
    return b.area()->height() == std::max(b.height() - b.tabStrip()->height(), 0);
}

} // namespace fuzztargets
