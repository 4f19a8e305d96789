#pragma once

// The template list view's looks and its item template: a hidden container of controls that
// is filled for each item (by the program's display callback, or from the items a page file
// lists), laid out at the item's size and painted into the item, control by control. It also
// keeps which template control of which row the mouse is over or pressing, and the text
// selection that runs across the rows' extended labels.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXScrollBarLooks.h"
#include "MOXStyleEntries.h"
#include "MOXTextSelection.h"

#include <QHash>
#include <QModelIndex>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QVector>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QListView;
class QStandardItemModel;
class QStyleOptionViewItem;

namespace MOXQtLib {

class MOXQContainer;
class MOXQLabelEx;
class MOXQListView;

class MOXQListViewImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    using ItemForSizeCallBack =
        std::function<QSize(const MOXQListView*, const QStyleOptionViewItem&, const QModelIndex&)>;
    using ItemDisplayCallBack =
        std::function<void(const MOXQListView*, const QWidget*, const QModelIndex&)>;
    using LabelExCallBack = std::function<void(const MOXQListView*, MOXQLabelEx*, const QModelIndex&)>;

    MOXQListViewImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    void paintViewport(QWidget* viewport);
    // Completing the creation adopts the view's first child container as the template.
    void resizeControl() override;

    // The template: hidden, and walked for its controls (parent before children; a widget that
    // is not a control is skipped with everything in it). Null clears it.
    void setItemTemplate(QWidget* widget);
    QWidget* getItemTemplate() const { return m_template; }
    // Lays the template out at an item's size, so its controls have their places before any
    // item is painted.
    void layOutTemplate();
    // The controls stamped into items, the template itself first.
    const QVector<QPointer<QWidget>>& elements() const { return m_elements; }

    void setItemDisplayCallBack(ItemDisplayCallBack callBack) { m_display = std::move(callBack); }
    const ItemDisplayCallBack& getItemDisplayCallBack() const { return m_display; }
    // Items sized one by one lose Qt's shortcut for uniform items.
    void setItemForSizeCallBack(ItemForSizeCallBack callBack);
    const ItemForSizeCallBack& getItemForSizeCallBack() const { return m_forSize; }
    void setLabelExCallBack(LabelExCallBack callBack) { m_labelEx = std::move(callBack); }
    const LabelExCallBack& getLabelExCallBack() const { return m_labelEx; }

    // One background whatever the state.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // States 0 to 3, or 4 for all four; others are ignored by the setter and read as Normal.
    // Until set they draw nothing, and the template's own background shows.
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_itemBackgrounds.get(state); }

    // 0 gives 20; negative counts as 0.
    void setItemHeight(int height);
    int getItemHeight() const { return m_itemHeight; }
    void setItemWidth(int width);
    int getItemWidth() const { return m_itemWidth; }
    void setEnableSelection(bool enable);
    bool getEnableSelection() const { return m_enableSelection; }
    void setSpacing(int spacing);
    int getSpacing() const;
    // 0 the list mode, 1 Qt's icon mode.
    void setItemMode(int mode);
    int getItemMode() const;

    // The items a page file lists: one object per item whose members name template controls
    // and give what each reads (a text, or a control's own object). Setting them gives the
    // view a model of that many rows.
    void setItemEntries(const QStringList& entries);
    QStringList getItemEntries() const;

    // The item's size: the size callback's, else the item width (icon mode) or the option's
    // width, by the item height.
    QSize itemSize(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // Fills the template for `index` and lays it out at `size`. False, with nothing done,
    // unless the template is a container with controls in it.
    bool stamp(const QModelIndex& index, const QSize& size);
    // Drawn in items (and hit): its own flag set and nothing up to the template hidden.
    bool drawsElement(const QWidget* element) const;
    // Where a template control sits in an item at `item`, once stamped.
    QRect elementRect(const QWidget* element, const QRect& item) const;
    void paintItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index);
    // The template control under `pos` (viewport coordinates) in the item of `index`, the last
    // one drawn first; never the template itself.
    QWidget* elementAt(const QModelIndex& index, const QPoint& pos);

    // Mouse, in viewport coordinates.
    void mouseMove(const QPoint& pos, bool buttonDown);
    // The control pressed, or null; the view reports it.
    QWidget* mousePress(const QPoint& pos);
    void mouseRelease();
    void mouseLeave();
    // The item under the mouse (-1 for none), drawn Hot, and the template control under it.
    int hoverRow() const { return m_hoverRow; }
    QWidget* hoverElement() const { return m_hoverElement; }
    int pressRow() const { return m_pressRow; }

    // The cross-row selection: its two ends (row and spot in that row's label), in the order
    // made. clearHighLight drops it.
    struct RowSpot
    {
        int row = -1;
        MOXTextSpot spot;
        bool isValid() const { return row >= 0 && spot.isValid(); }
    };
    const RowSpot& selectionAnchor() const { return m_anchor; }
    const RowSpot& selectionEnd() const { return m_end; }
    void clearHighLight();
    // The extended label of the template the selection runs through, or null.
    QWidget* selectionLabel() const { return m_selectionLabel; }
    // The part of the selection that falls into `row` whose label holds `document`.
    MOXTextSelection selectionInRow(int row, const QTextDocument& document) const;
    // Hover, press and selection refer to rows as they were: forgotten whenever the rows,
    // their data or the view's size change.
    void forgetRows();

    // Makes `model` the view's: its changes reach forgetRows.
    void watchModel(QAbstractItemModel* model);
    void initDemoData();

    MOXScrollBarLooks& bars() { return m_bars; }
    const MOXScrollBarLooks& bars() const { return m_bars; }

protected:
    bool serializeLook(Json::Value* value, bool read) override;

private:
    QListView* view() const;
    MOXQContainer* templateContainer() const;
    void updateRow(int row) const;
    void setHover(int row, QWidget* element);
    // The template's extended label `element` when the user may select its text.
    MOXQLabelEx* selectableLabel(QWidget* element) const;
    void applyEntry(int row);

    bool m_enableSelection = false;
    int m_itemHeight = 20;
    int m_itemWidth = 20;
    QPointer<QWidget> m_template;
    FillStyle m_background;
    MOXStateRecords<FillStyle> m_itemBackgrounds;
    ItemForSizeCallBack m_forSize;
    ItemDisplayCallBack m_display;
    LabelExCallBack m_labelEx;
    QVector<QPointer<QWidget>> m_elements;
    MOXScrollBarLooks m_bars;

    std::vector<Json::Value> m_entries;
    // Per template control the items name: what it showed before any item, given back to
    // items that leave it out.
    std::map<std::string, Json::Value> m_entryBase;
    QPointer<QStandardItemModel> m_entriesModel;
    QPointer<QStandardItemModel> m_demoModel;
    QPointer<QAbstractItemModel> m_watched;
    QSize m_stampedSize;

    int m_hoverRow = -1;
    QPointer<QWidget> m_hoverElement;
    int m_pressRow = -1;
    QPointer<QWidget> m_pressElement;
    RowSpot m_anchor;
    RowSpot m_end;
    QPointer<QWidget> m_selectionLabel;
    bool m_selecting = false;
};

} // namespace MOXQtLib
