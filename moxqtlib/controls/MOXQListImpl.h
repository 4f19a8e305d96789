#pragma once

// The list's looks: a background under the items, per-state item backgrounds and text styles
// (hover wins over selection), the icon column and fixed item height, and the looks of its two
// library scroll bars. Qt keeps the items and the selection.

#include "FillStyle.h"
#include "MOXQItemLooks.h"
#include "MOXScrollBarLooks.h"
#include "MOXQWidgetBaseImpl.h"
#include "TextStyleDesc.h"

#include <QMetaType>
#include <QString>
#include <QVector>

class QListWidget;

namespace MOXQtLib {

// One item as a page file gives it: a text, an optional image path for the icon column and
// whether it starts selected.
struct MOXQListItemEntry
{
    QString text;
    QString icon;
    bool selected = false;

    bool operator==(const MOXQListItemEntry& o) const
    {
        return text == o.text && icon == o.icon && selected == o.selected;
    }
};
using MOXQListItemEntries = QVector<MOXQListItemEntry>;

class MOXQListImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQListImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The background over `rect` of the control, or over the whole viewport before the items.
    void drawControl(QPainter* painter, const QRect& rect) override;
    // Inside the designer's emulator host a list without items gets 20 sample items, once;
    // they are never written.
    void resizeControl() override;

    // One background whatever the state.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // A viewport the background covers whole is marked opaque, so Qt scrolls it by moving
    // pixels and paints only the strip that comes into view.
    void updateViewportOpacity() const;
    // States 0 to 3, or 4 for all four; other states are ignored by setters and read as Normal.
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_items.getBackground(state); }
    void setItemTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(int state) const { return m_items.getTextStyle(state); }
    const MOXQItemLooks& itemLooks() const { return m_items; }

    // The stored height, 0 to kMaxItemHeight (negative counts as 0); rowHeight() is what items
    // get: the stored height, or 20 for 0. The view lays its items out again on a change.
    void setItemHeight(int height);
    int getItemHeight() const { return m_itemHeight; }
    int rowHeight() const { return m_itemHeight > 0 ? m_itemHeight : kDefaultItemHeight; }
    static constexpr int kDefaultItemHeight = 20;
    static constexpr int kMaxItemHeight = 4096;

    // Multi selection when true, single selection when false; reads true for any mode but
    // single selection.
    void setIsMultiSelected(bool multi);
    bool getIsMultiSelected() const;
    // True only in multi selection: what the "multiselect" key writes.
    bool isMultiSelection() const;

    // The row under the mouse (-1 for none); it is drawn Hot whatever Qt's hover says.
    void setHoverRow(int row);
    int getHoverRow() const { return m_hoverRow; }

    // The items as a page file lists them ("items"): setting replaces every item. Selections
    // are made again once a read ends, so they hold whichever key of the read set the mode.
    void setItemEntries(const MOXQListItemEntries& entries);
    MOXQListItemEntries getItemEntries() const;

    MOXScrollBarLooks& bars() { return m_bars; }
    const MOXScrollBarLooks& bars() const { return m_bars; }

protected:
    void keysRead() override;
    // The "scrollbar" elements of "child": read as the bars' looks, written back the same way.
    bool serializeLook(Json::Value* value, bool read) override;

private:
    QListWidget* list() const;
    void updateRow(int row) const;
    static constexpr int kDemoItems = 20;
    static QString demoText(int row);
    bool showsOnlyDemoItems() const;

    int m_itemHeight = kDefaultItemHeight;
    FillStyle m_background;
    MOXQItemLooks m_items{MOXQItemLooks::HoverFirst};
    MOXScrollBarLooks m_bars;
    int m_hoverRow = -1;
    bool m_demoAdded = false;
    QVector<int> m_pendingSelection;
};

} // namespace MOXQtLib

Q_DECLARE_METATYPE(MOXQtLib::MOXQListItemEntry)
