#pragma once

// The per-state looks of the rows of an item view (list, tree, template list) and how one row
// is drawn with them: its background, an icon column whose size follows the row height, and
// its text. Which of hover and selection wins differs between views, so it is a setting.

#include "FillStyle.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QRect>
#include <QStyle>

class QModelIndex;
class QPainter;
class QStyleOptionViewItem;
class QVariant;

namespace MOXQtLib {

class MOXQItemLooks
{
public:
    enum Precedence
    {
        // A hovered row is Hot even when selected (the list).
        HoverFirst,
        // A selected row is Pressed even under the mouse (the tree).
        SelectionFirst
    };

    explicit MOXQItemLooks(Precedence precedence = HoverFirst) : m_precedence(precedence) {}

    // States 0 to 3, or 4 for all four; false (nothing stored) for any other state. Getters
    // read Normal for a state out of range.
    bool setBackground(int state, const FillStyle& style)
    {
        return m_backgrounds.set(state, style);
    }
    const FillStyle& getBackground(int state) const { return m_backgrounds.get(state); }
    bool setTextStyle(int state, const TextStyleDesc& style)
    {
        return m_textStyles.set(state, style);
    }
    const TextStyleDesc& getTextStyle(int state) const { return m_textStyles.get(state); }

    // Two "style" groups of four: the backgrounds, then the text styles.
    void addStyleSlots(MOXStyleSlots& styleSlots);

    // The look a row takes in `state`: Normal, Hot or Pressed (never Disable).
    int rowState(QStyle::State state) const;
    // The icon's side in a row of that height: 32 from 33 pixels, 24 from 25, else 16.
    static int iconSize(int rowHeight);
    // The icon column at the left of `row`: the icon's side plus 4 wide, the row's height.
    static QRect iconColumn(const QRect& row);

    // One row: the background of its state over option.rect, the decoration (a QIcon, a
    // pixmap or an image path, an image larger than the icon shrunk to fit; any other valid
    // value only makes room) in the icon column, then the display text in what is left.
    // Nothing for an index without a model.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const;
    // The same from the values themselves.
    void paintRow(QPainter* painter, const QRect& row, int state, const QString& text,
                  const QVariant& decoration) const;

private:
    Precedence m_precedence;
    MOXStateRecords<FillStyle> m_backgrounds;
    MOXStateRecords<TextStyleDesc> m_textStyles;
};

} // namespace MOXQtLib
