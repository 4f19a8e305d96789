#pragma once

// The tree view's looks: a background under the rows, per-state row backgrounds and text
// styles (selection wins over hover), the icon column and fixed row height, the stored header
// styles, and the looks of its two library scroll bars. The model keeps the rows.

#include "FillStyle.h"
#include "MOXQItemLooks.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXScrollBarLooks.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QMap>
#include <QMetaType>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVector>

class QStandardItem;
class QStandardItemModel;
class QTreeView;

namespace MOXQtLib {

// One row as a page file gives it: a text, an optional image path for the icon column,
// whether its branch starts expanded, and its child rows.
struct MOXQTreeItemEntry
{
    QString text;
    QString icon;
    bool expanded = false;
    QVector<MOXQTreeItemEntry> children;

    bool operator==(const MOXQTreeItemEntry& o) const
    {
        return text == o.text && icon == o.icon && expanded == o.expanded &&
               children == o.children;
    }
};
using MOXQTreeItemEntries = QVector<MOXQTreeItemEntry>;

class MOXQTreeViewImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQTreeViewImpl(QWidget* owner, const QString& name);
    ~MOXQTreeViewImpl() override;

    static const MOXKeyTable& keys();

    // The background over `rect` of the control, or over the whole viewport before the rows.
    void drawControl(QPainter* painter, const QRect& rect) override;
    void paintBackground(QWidget* widget) const;
    // A viewport the background covers whole is marked opaque, so Qt scrolls it by moving
    // pixels and paints only the strip that comes into view.
    void updateViewportOpacity() const;
    // Inside the designer's emulator host a tree without a model of its own shows a sample
    // model: 100 checkable rows "item1", each with one child row "item2", "item3". Running it
    // again changes nothing; a new sample model replaces (and frees) the one before.
    void resizeControl() override;

    // One background whatever the state.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // States 0 to 3, or 4 for all four; other states are ignored by setters and read as Normal.
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_items.getBackground(state); }
    void setItemTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(int state) const { return m_items.getTextStyle(state); }
    const MOXQItemLooks& itemLooks() const { return m_items; }
    // Stored only: the header stays hidden.
    void setHeaderBgStyle(int state, const FillStyle& style) { m_headers.setBackground(state, style); }
    const FillStyle& getHeaderBgStyle(int state) const { return m_headers.getBackground(state); }
    void setHeaderTextStyle(int state, const TextStyleDesc& style) { m_headers.setTextStyle(state, style); }
    const TextStyleDesc& getHeaderTextStyle(int state) const { return m_headers.getTextStyle(state); }

    // The stored height, 0 to kMaxItemHeight (negative counts as 0); rowHeight() is what rows
    // get: the stored height, or 20 for 0.
    void setItemHeight(int height);
    int getItemHeight() const { return m_itemHeight; }
    int rowHeight() const { return m_itemHeight > 0 ? m_itemHeight : kDefaultRowHeight; }
    static constexpr int kDefaultRowHeight = 20;
    static constexpr int kMaxItemHeight = 4096;

    // The width a row needs for its item data in rows `rowHeight` high: an icon (a QIcon in
    // any role, an image path in the decoration role) adds the icon column, every other text
    // its width in `text` + 4. The edit role repeats the display text and is not counted again.
    static int rowWidth(const QMap<int, QVariant>& data, int rowHeight, const TextStyleDesc& text);

    // The rows as a page file lists them ("items"): setting gives the tree a model of its own
    // with them. Written only while the tree shows that model.
    void setItemEntries(const MOXQTreeItemEntries& entries);
    MOXQTreeItemEntries getItemEntries() const;

    // The sample model while it is shown, else null.
    QStandardItemModel* demoModel() const;

    MOXScrollBarLooks& bars() { return m_bars; }
    const MOXScrollBarLooks& bars() const { return m_bars; }

protected:
    void keysRead() override;
    // The "scrollbar" elements of "child": read as the bars' looks, written back the same way.
    bool serializeLook(Json::Value* value, bool read) override;

private:
    QTreeView* tree() const;
    void updateViewport() const;
    void updateBranchColour() const;
    // Shows `model` (owned here) in place of `current`, which is freed.
    void replaceOwnModel(QPointer<QStandardItemModel>& current, QStandardItemModel* model);

    int m_itemHeight = 0;
    FillStyle m_background;
    MOXQItemLooks m_items{MOXQItemLooks::SelectionFirst};
    MOXQItemLooks m_headers;
    MOXScrollBarLooks m_bars;
    QPointer<QStandardItemModel> m_demoModel;
    QPointer<QStandardItemModel> m_itemsModel;
};

} // namespace MOXQtLib

Q_DECLARE_METATYPE(MOXQtLib::MOXQTreeItemEntry)
