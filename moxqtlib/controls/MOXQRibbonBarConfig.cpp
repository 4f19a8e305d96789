// The ribbon bar's configuration: pages, groups and items from a JSON object that users write
// by hand. Whatever does not fit is skipped; nothing in it can make the bar unbounded.

#include "MOXQRibbonBar.h"

#include "MOXJson.h"
#include "MOXQCheckBox.h"
#include "MOXQComboBox.h"
#include "MOXQLabel.h"
#include "MOXQLineEdit.h"
#include "MOXQProgressBar.h"
#include "MOXQRadioButton.h"
#include "MOXQResourceManager.h"
#include "MOXQSpinBox.h"
#include "MOXQSwitch.h"
#include "MOXQTabWidget.h"
#include "MOXResourceIO.h"

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace {

// Bounds of one configuration.
constexpr int kMaxPages = 64;
constexpr int kMaxGroups = 64;
constexpr int kMaxGroupItems = 128;
constexpr int kMaxTopBarItems = 32;
constexpr int kMaxItems = 2048;
constexpr int kMaxComboItems = 256;
constexpr std::int64_t kMaxConfigFileSize = 8 * 1024 * 1024;
// Numbers of a configuration are cut to this range.
constexpr double kMaxNumber = 1e9;

// A numeric member, truncated and cut to the range above; false when absent or not a number.
bool readNumber(const Json::Value& object, const char* key, int& out)
{
    double value = 0;
    if (!jsonReadDouble(object, key, value) || !std::isfinite(value)) return false;
    out = int(std::max(-kMaxNumber, std::min(value, kMaxNumber)));
    return true;
}

int number(const Json::Value& object, const char* key, int fallback)
{
    readNumber(object, key, fallback);
    return fallback;
}

// The first of the members that is a non-empty string, else `fallback`.
QString firstText(const Json::Value& object, std::initializer_list<const char*> keys,
                  const QString& fallback)
{
    for (const char* key : keys) {
        const QString text = jsonString(object, key);
        if (!text.isEmpty()) return text;
    }
    return fallback;
}

MOXQRibbonPushButton* makeButton(const Json::Value& item, QWidget* parent,
                                 MOX_RIBBON_BUTTON_STYLE style)
{
    QString text = firstText(item, {"text", "name"}, QStringLiteral("Button"));
    if (jsonBool(item, "dropDown", false) && !text.endsWith(QLatin1String(" v")))
        text += QLatin1String(" v");
    MOXQRibbonPushButton* button = MOXQRibbonGroup::newButton(parent, text, style);
    button->setCheckable(jsonBool(item, "checkable", false));
    button->setChecked(jsonBool(item, "checked", false));
    button->setRibbonIcon(jsonString(item, "icon"));
    return button;
}

MOXQComboBox* makeComboBox(const Json::Value& item, QWidget* parent)
{
    QStringList texts;
    if (const Json::Value* items = jsonArray(item, "items"))
        for (Json::ArrayIndex i = 0; i < items->size() && texts.size() < kMaxComboItems; ++i) {
            QString text;
            if (jsonToString(jsonAt(*items, i), text)) texts << text;
        }
    if (texts.isEmpty()) texts << firstText(item, {"text", "name"}, QStringLiteral("Combo"));
    MOXQComboBox* combo = MOXQRibbonGroup::newComboBox(parent, texts);
    combo->setCurrentIndex(std::min(std::max(number(item, "currentIndex", 0), 0), texts.size() - 1));
    return combo;
}

QWidget* makeItem(const QString& type, const Json::Value& item, QWidget* parent)
{
    if (type == QLatin1String("largeButton")) return makeButton(item, parent, MOX_RIBBON_BUTTON_LARGE);
    if (type == QLatin1String("smallButton") || type == QLatin1String("menuButton"))
        return makeButton(item, parent, MOX_RIBBON_BUTTON_SMALL);
    if (type == QLatin1String("separator")) return MOXQRibbonGroup::newSeparator(parent);
    if (type == QLatin1String("comboBox")) return makeComboBox(item, parent);
    if (type == QLatin1String("checkBox")) {
        MOXQCheckBox* box = MOXQRibbonGroup::newCheckBox(
            parent, firstText(item, {"text", "name"}, QStringLiteral("Check")));
        box->setChecked(jsonBool(item, "checked", false));
        return box;
    }
    if (type == QLatin1String("radioButton")) {
        MOXQRadioButton* radio = MOXQRibbonGroup::newRadioButton(
            parent, firstText(item, {"text", "name"}, QStringLiteral("Radio")));
        radio->setChecked(jsonBool(item, "checked", false));
        return radio;
    }
    if (type == QLatin1String("label"))
        return MOXQRibbonGroup::newLabel(parent,
                                         firstText(item, {"text", "name"}, QStringLiteral("Label")));
    if (type == QLatin1String("lineEdit")) {
        MOXQLineEdit* edit = MOXQRibbonGroup::newLineEdit(parent, jsonString(item, "text"));
        edit->setPlaceholderText(jsonString(item, "placeholder"));
        return edit;
    }
    const int min = number(item, "min", 0);
    const int max = number(item, "max", 100);
    if (type == QLatin1String("spinBox"))
        return MOXQRibbonGroup::newSpinBox(parent, number(item, "value", min), min, max);
    if (type == QLatin1String("progressBar")) {
        MOXQProgressBar* bar =
            MOXQRibbonGroup::newProgressBar(parent, number(item, "value", min), min, max);
        // The bar draws its own "value%" text: Qt's switch alone would not hide it.
        const bool showText = jsonBool(item, "showText", true);
        bar->setTextVisible(showText);
        bar->setShowText(showText);
        return bar;
    }
    if (type == QLatin1String("switch")) {
        MOXQSwitch* sw = MOXQRibbonGroup::newSwitch(parent, jsonBool(item, "checked", false));
        sw->setLeftText(jsonString(item, "leftText"));
        sw->setRightText(jsonString(item, "rightText"));
        return sw;
    }
    return nullptr;
}

// The configuration text of a path: a resource of the theme, skin or project layers, else a
// regular file (relative paths from the current directory).
bool readConfig(const QString& path, QByteArray& out)
{
    if (path.isEmpty()) return false;
    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType source = ResSourceSkin;
    if (MOXQResourceManager::getInstance()->getResource(path, data, size, source)) {
        if (std::int64_t(size) > kMaxConfigFileSize) return false;
        out = QByteArray(data, int(size));
        return true;
    }
    return readRegularFile(path, kMaxConfigFileSize, out);
}

} // namespace

QWidget* MOXQRibbonBar::createItem(const Json::Value& item, QWidget* parent, int& budget)
{
    QString type;
    if (budget <= 0 || !jsonReadString(item, "itemType", type)) return nullptr;
    QWidget* widget = makeItem(type, item, parent);
    if (!widget) return nullptr;
    --budget;
    const QString name = jsonString(item, "name");
    if (!name.isEmpty()) widget->setObjectName(name);
    QString tooltip;
    if (jsonReadString(item, "tooltip", tooltip)) widget->setToolTip(tooltip);
    widget->setEnabled(jsonBool(item, "enabled", true));
    int extent = 0;
    if (readNumber(item, "width", extent) && extent > 0)
        widget->setProperty("moxRibbonWidth", moxRibbonExtent(extent));
    if (readNumber(item, "height", extent) && extent > 0)
        widget->setProperty("moxRibbonHeight", moxRibbonExtent(extent));
    return widget;
}

bool MOXQRibbonBar::loadConfigFile(const QString& path)
{
    QByteArray text;
    Json::Value root;
    if (!readConfig(path, text) || !jsonParse(text, root) || !root.isObject()) return false;
    buildFrom(root);
    impl()->storeConfigFile(path);
    return true;
}

bool MOXQRibbonBar::loadConfigJson(const QString& json)
{
    Json::Value root;
    // Anything but an object leaves the pages as they are.
    if (!jsonParse(json, root) || !root.isObject()) return false;
    buildFrom(root);
    // The pages no longer come from the file named before.
    impl()->storeConfigFile(QString());
    return true;
}

void MOXQRibbonBar::buildFrom(const Json::Value& root)
{
    m_building = true;
    m_area->clearPages();
    m_tabs->clear();
    int value = 0;
    if (readNumber(root, "groupHeight", value)) setGroupHeight(value);
    if (readNumber(root, "groupRowCount", value)) setGroupRowCount(value);
    if (readNumber(root, "tabHeight", value)) setTabHeight(value);
    if (readNumber(root, "tabItemWidth", value)) setTabItemWidth(value);
    if (readNumber(root, "topBarHeight", value)) setTopBarHeight(value);

    int budget = kMaxItems;
    clearTopBar();
    if (const Json::Value* topBar = jsonObject(root, "topBar")) {
        int height = topBarHeight();
        readNumber(*topBar, "height", height);
        setTopBarHeight(height < 1 ? 34 : height);
        for (const char* side : {"left", "right"}) {
            const Json::Value* items = jsonArray(*topBar, side);
            QVector<QPointer<QWidget>>& list = side[0] == 'l' ? m_left : m_right;
            for (Json::ArrayIndex i = 0; items && i < items->size() && list.size() < kMaxTopBarItems; ++i)
                if (QWidget* item = createItem(jsonAt(*items, i), this, budget)) {
                    MOXQRibbonGroup::markPart(item);
                    item->show();
                    list.append(item);
                }
        }
    } else if (!jsonHas(root, "topBarHeight")) {
        setTopBarHeight(0);
    }

    const Json::Value* pages = jsonArray(root, "tabs");
    for (Json::ArrayIndex p = 0; pages && p < pages->size() && m_area->pageCount() < kMaxPages; ++p) {
        const Json::Value& pageJson = jsonAt(*pages, p);
        if (!pageJson.isObject()) continue;
        const QString name = firstText(pageJson, {"name", "displayName"}, QStringLiteral("Page"));
        const QString text = firstText(pageJson, {"displayName"}, name);
        MOXQRibbonPage* page = m_area->addPage(name);
        page->setDisplayName(text);
        m_tabs->addTab(text);
        const Json::Value* groups = jsonArray(pageJson, "groups");
        for (Json::ArrayIndex g = 0; groups && g < groups->size() && page->getGroupCount() < kMaxGroups; ++g) {
            const Json::Value& groupJson = jsonAt(*groups, g);
            if (!groupJson.isObject()) continue;
            MOXQRibbonGroup* group =
                page->addGroup(firstText(groupJson, {"displayName", "name"}, QStringLiteral("Group")));
            const Json::Value* content = jsonArray(groupJson, "content");
            for (Json::ArrayIndex i = 0; content && i < content->size() && group->items().size() < kMaxGroupItems; ++i)
                if (QWidget* item = createItem(jsonAt(*content, i), group, budget)) group->addItem(item);
        }
    }
    m_building = false;
    // One page change for the whole new set of pages.
    if (m_area->pageCount() > 0) {
        m_area->setCurrentPage(0);
        selectTab(0);
        emit currentPageChanged(0);
    }
    applyStyles();
    updateLayout();
}

} // namespace MOXQtLib
