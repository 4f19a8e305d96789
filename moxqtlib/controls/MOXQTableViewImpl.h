#pragma once

// The table view's looks and interaction: the table background, item and header looks per
// state, the check-mark column (a check box per row in column 0 and one in the header), icons
// before cell texts and column widgets (containers stamped into every cell of a column whose
// parts report clicks). Everything is computed per visible cell; nothing walks the model.

#include "FillStyle.h"
#include "MOXQItemLooks.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXScrollBarLooks.h"
#include "TextStyleDesc.h"

#include <QModelIndex>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>

class QAbstractItemModel;
class QStandardItemModel;
class QStyleOptionViewItem;
class QTableView;

namespace MOXQtLib {

class MOXQCheckBox;
class MOXQContainer;

class MOXQTableViewImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    // The model role that holds the path of the image shown before a cell's text.
    static constexpr int IconRole = Qt::UserRole + 100;

    MOXQTableViewImpl(QWidget* owner, const QString& name);
    ~MOXQTableViewImpl() override;

    static const MOXKeyTable& keys();

    // The control's own paint and the viewport's: the table background.
    void drawControl(QPainter* painter, const QRect& rect) override;
    void paintViewport(QWidget* viewport, const QRect& rect);
    // A background that covers every pixel lets a scroll move what is on screen and paint
    // only the rows that come in; anything else shows what lies behind and repaints.
    void updateViewportOpacity();
    // Adopts the container children that name a "column" as column widgets; in the designer's
    // emulator a table without a model gets a sample one.
    void resizeControl() override;

    // One background; the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // Per-state looks: states 0 to 3, or 4 for all four.
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_items.getBackground(state); }
    void setItemTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(int state) const { return m_items.getTextStyle(state); }
    void setHeaderBackground(int state, const FillStyle& style);
    const FillStyle& getHeaderBackground(int state) const { return m_headers.getBackground(state); }
    void setHeaderTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getHeaderTextStyle(int state) const { return m_headers.getTextStyle(state); }
    // Even rows take the alternate background in the Normal state.
    void setAlternateRows(bool alternate);
    bool getAlternateRows() const { return m_alternate; }
    void setAlternateRowBackground(const FillStyle& style);
    const FillStyle& getAlternateRowBackground() const { return m_alternateBg; }

    // The height of every row, 1 to 65535 pixels; other heights are ignored.
    void setItemHeight(int height);
    int getItemHeight() const { return m_itemHeight; }
    void setCheckstyle(bool on);
    bool getCheckstyle() const { return m_checkStyle; }
    // The check mark images; an image the resource manager has sets the check image size.
    void setCheckBoxImage(bool checked, const QString& path);
    QString getCheckBoxImage(bool checked) const { return checked ? m_checkedImage : m_uncheckedImage; }
    void setCheckedImage(const QString& path) { setCheckBoxImage(true, path); }
    QString getCheckedImage() const { return m_checkedImage; }
    void setUncheckedImage(const QString& path) { setCheckBoxImage(false, path); }
    QString getUncheckedImage() const { return m_uncheckedImage; }
    QSize getCheckImageSize() const { return m_checkImageSize; }
    bool getHeaderChecked() const { return m_headerChecked; }
    // Inverts the header check mark, repaints and signals the new state.
    void toggleHeaderChecked();
    // Extended (true) or single selection.
    void setMultiSelect(bool multi);
    bool getMultiSelect() const;

    // A null container, or a column below 0, removes the column's entry; a container is
    // hidden and forgotten when it is deleted.
    void setColumnWidget(int column, MOXQContainer* container);
    MOXQContainer* getColumnWidget(int column) const;

    // Rows the table holds itself (files and the showcase): header texts, and rows of cells,
    // each a text or {"text", "icon", "checked"}. An application's own model is left alone.
    void setHeaders(const QStringList& headers);
    QStringList getHeaders() const;
    void setRows(const Json::Value& rows);
    Json::Value getRows() const;

    // The table's two bars and their looks.
    MOXScrollBarLooks& bars() { return m_bars; }
    const MOXScrollBarLooks& bars() const { return m_bars; }
    // The hidden check box that paints every check mark.
    MOXQCheckBox* checkPainter() const;
    int getHoverRow() const { return m_hoverRow; }

    // Geometry of a cell (viewport coordinates): the check mark of column 0 sits 5 pixels in,
    // as wide as the check image, over the full height.
    QRect checkRect(const QRect& cell) const;
    // The text of a cell, after the check mark in column 0 of a check-style table, one item
    // height high.
    QRect textRect(const QRect& cell, int column) const;
    // A check state as models give it: checked unless it is Qt::Unchecked (or missing).
    static bool isChecked(const QVariant& state);

    // The delegate's and header's work.
    void paintCell(QPainter* painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;
    void paintHeaderSection(QPainter* painter, const QRect& section, int logical,
                            Qt::Orientation orientation) const;
    // A press on a cell: toggles a row's check mark or reports a column widget part. True
    // when the press was taken (a check mark toggled).
    bool pressCell(const QPoint& pos, QAbstractItemModel* model, const QRect& cell,
                   const QModelIndex& index);
    // A press on the horizontal header; true when it hit the header check mark.
    bool pressHeader(const QPoint& pos);
    void hoverAt(const QPoint& pos);
    void leaveControl() override;

protected:
    // The "scrollbar" elements of "child": the looks of the table's own bars.
    bool serializeLook(Json::Value* value, bool read) override;
    void keysRead() override;

private:
    QTableView* table() const;
    // The header check mark's rectangle in header coordinates (empty when there is none).
    QRect headerCheckRect() const;
    void repaintRow(int row) const;
    void drawCheck(QPainter* painter, const QRect& rect, bool checked) const;
    // Lays the container out at `size` (only when the size changed) and visits it and its
    // shown descendant controls in order with their rectangles relative to the cell; the
    // visitor returns true to stop.
    template <class Visit>
    static void visitStamp(MOXQContainer* container, const QSize& size, Visit visit);
    void paintStamp(QPainter* painter, MOXQContainer* container, const QRect& cell) const;
    QStandardItemModel* ownModel(bool create);

    int m_itemHeight = 20;
    FillStyle m_background;
    // Item backgrounds and text styles per state, then the header's.
    MOXQItemLooks m_items;
    bool m_alternate = false;
    FillStyle m_alternateBg;
    MOXQItemLooks m_headers;
    int m_hoverRow = -1;
    QPersistentModelIndex m_hoverIndex;
    MOXScrollBarLooks m_bars;
    QPointer<MOXQCheckBox> m_checkPainter;
    bool m_checkStyle = false;
    QSize m_checkImageSize{24, 24};
    bool m_headerChecked = false;
    QString m_checkedImage;
    QString m_uncheckedImage;
    std::map<int, QPointer<MOXQContainer>> m_columnWidgets;
    QPointer<QStandardItemModel> m_ownModel;
};

} // namespace MOXQtLib
