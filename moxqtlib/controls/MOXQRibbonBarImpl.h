#pragma once

// The ribbon bar's settings and looks: twelve fill styles (bar, area, group, a spare one, the
// tab items and the ribbon buttons per state) and four text styles (tabs, group titles, button
// texts, a spare one), numbered 0 to 15 as the slots of its "style" member.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <array>

namespace MOXQtLib {

class MOXQRibbonBar;

class MOXQRibbonBarImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    enum Slot
    {
        BarBackground = 0,
        AreaBackground = 1,
        GroupBackground = 2,
        // Kept and written only.
        SpareBackground = 3,
        // Four states each.
        TabItemBackground = 4,
        ButtonBackground = 8,
        TabText = 12,
        GroupTitleText = 13,
        ButtonText = 14,
        // Kept and written only.
        SpareText = 15
    };

    MOXQRibbonBarImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    void changeLanguage() override;

    // Fill slots 0 to 11 and text slots 12 to 15; other slots read as slot 0 / slot 12 and
    // are ignored by the setters.
    const FillStyle& fillStyle(int slot) const;
    void setFillStyle(int slot, const FillStyle& style);
    const TextStyleDesc& textStyle(int slot) const;
    void setTextStyle(int slot, const TextStyleDesc& style);

    // Heights and widths are kept within 0 and the ribbon's largest extent, the row count
    // within 1 and 64; each change lays the bar out again.
    int groupHeight() const { return m_groupHeight; }
    void setGroupHeight(int height);
    int groupRowCount() const { return m_groupRowCount; }
    void setGroupRowCount(int count);
    int tabHeight() const { return m_tabHeight; }
    void setTabHeight(int height);
    // 0: three tab heights, at least 76.
    int tabItemWidth() const { return m_tabItemWidth; }
    void setTabItemWidth(int width);
    // 0: no top bar.
    int topBarHeight() const { return m_topBarHeight; }
    void setTopBarHeight(int height);
    bool isMinimized() const { return m_minimized; }
    void setMinimized(bool minimized);
    // Kept and written; nothing else reads it.
    bool showMenuBar() const { return m_showMenuBar; }
    void setShowMenuBar(bool show) { m_showMenuBar = show; }
    // The configuration file the pages came from. Setting another non-empty path loads it;
    // the path is kept even when loading fails, so a designer does not lose it.
    QString configFile() const { return m_configFile; }
    void setConfigFile(const QString& path);
    // Stores the path without loading it.
    void storeConfigFile(const QString& path) { m_configFile = path; }

signals:
    void minimizedChanged(bool minimized);

protected:
    void keysRead() override;

private:
    MOXQRibbonBar* bar() const;
    void relayout();
    void restyle();

    int m_groupHeight = 92;
    int m_groupRowCount = 3;
    int m_tabHeight = 30;
    int m_tabItemWidth = 0;
    int m_topBarHeight = 0;
    bool m_minimized = false;
    bool m_showMenuBar = false;
    QString m_configFile;
    std::array<FillStyle, 4> m_fills;
    MOXStateRecords<FillStyle> m_tabItems;
    MOXStateRecords<FillStyle> m_buttons;
    std::array<TextStyleDesc, 4> m_texts;
};

} // namespace MOXQtLib
