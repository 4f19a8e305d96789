#pragma once

// The library's ribbon bar ("qtribbonbar"): a strip of page tabs, optionally between small
// top-bar items, over an area that shows the current page's groups. Pages are built in code or
// from a configuration JSON (a file or a string). Pressing the current page's tab minimises
// the bar to its strip and restores it again.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQRibbonArea.h"
#include "MOXQRibbonBarImpl.h"
#include "MOXQRibbonGroup.h"
#include "MOXQRibbonPage.h"
#include "MOXQRibbonPanel.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

namespace MOXQtLib {

class MOXQTabWidget;

class MOXQRibbonBar : public MOXQControl<QWidget, MOXQRibbonBarImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQRibbonBar(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtribbonbar"); }
    static ControlInfo getProps();
    static QWidget* createMOXQRibbonBar() { return new MOXQRibbonBar; }

    // Adds a page and its tab; the first page becomes current (one currentPageChanged(0)).
    MOXQRibbonPage* addPage(const QString& name);
    void clearPages();
    int pageCount() const { return m_area->pageCount(); }
    // Null for indexes out of range.
    MOXQRibbonPage* pageAt(int index) const { return m_area->pageAt(index); }
    // -1 without pages.
    int currentPage() const { return m_area->currentPage(); }
    // False for indexes out of range; another page emits currentPageChanged once, the
    // current one nothing.
    bool setCurrentPage(int index);

    bool isMinimized() const { return impl()->isMinimized(); }
    // Only the tab strip shows while minimised; a change emits minimizedChanged.
    void setMinimized(bool minimized) { impl()->setMinimized(minimized); }

    // The configuration from a file: an existing file, else a resource of the theme, skin or
    // project, else a path relative to the current directory. On success the path is kept
    // (and written as "configFile").
    bool loadConfigFile(const QString& path);
    // Replaces the pages and top-bar items. False, with everything left as it was, for text
    // that is not a JSON object. Unknown items and mistyped entries are skipped; pages, groups
    // and items beyond the ribbon's limits are left out.
    bool loadConfigJson(const QString& json);

    // The settings (see MOXQRibbonBarImpl).
    int groupHeight() const { return impl()->groupHeight(); }
    void setGroupHeight(int height) { impl()->setGroupHeight(height); }
    int groupRowCount() const { return impl()->groupRowCount(); }
    void setGroupRowCount(int count) { impl()->setGroupRowCount(count); }
    int tabHeight() const { return impl()->tabHeight(); }
    void setTabHeight(int height) { impl()->setTabHeight(height); }
    int tabItemWidth() const { return impl()->tabItemWidth(); }
    void setTabItemWidth(int width) { impl()->setTabItemWidth(width); }
    int topBarHeight() const { return impl()->topBarHeight(); }
    void setTopBarHeight(int height) { impl()->setTopBarHeight(height); }
    bool showMenuBar() const { return impl()->showMenuBar(); }
    void setShowMenuBar(bool show) { impl()->setShowMenuBar(show); }

    // The bar a widget is shown in (the nearest one above it), or null.
    static MOXQRibbonBar* barOf(const QWidget* widget);

    MOXQTabWidget* tabStrip() const { return m_tabs; }
    MOXQRibbonArea* area() const { return m_area; }
    // The top-bar items of one side, in order.
    QVector<QWidget*> topBarItems(bool right) const;

    // Places the top-bar items, the tab strip and the area.
    void updateLayout();
    // Gives the tab strip, the ribbon buttons and the input controls the bar's looks.
    void applyStyles();
    // The looks of one item of the bar (and of the rows of a panel).
    void styleItem(QWidget* item) const;
    // The current page's width by the strip and, unless minimised, the group height.
    QSize sizeHint() const override;

signals:
    void currentPageChanged(int index);
    void minimizedChanged(bool minimized);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void tabChosen(int index);
    void selectTab(int index);
    void clearTopBar();
    // Builds from a parsed configuration object.
    void buildFrom(const Json::Value& root);
    QWidget* createItem(const Json::Value& item, QWidget* parent, int& budget);

    MOXQRibbonArea* m_area = nullptr;
    MOXQTabWidget* m_tabs = nullptr;
    QVector<QPointer<QWidget>> m_left;
    QVector<QPointer<QWidget>> m_right;
    // Set while the bar moves the tab selection itself.
    bool m_guard = false;
    // Set while a configuration is built: items are styled once at the end.
    bool m_building = false;
};

} // namespace MOXQtLib
