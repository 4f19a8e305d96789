#pragma once

// The tab strip's items, selection, hover and looks. Items are equally sized and laid out side
// by side or stacked; the strip holds no pages, it only reports which item was chosen.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace MOXQtLib {

class MOXQTabWidgetImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    struct Item
    {
        QString icon;
        // The icon path when none was given.
        QString selectedIcon;
        QString text;
        QVariant data;
    };

    MOXQTabWidgetImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    void leaveControl() override;
    // Hover follows the mouse; moves over no item change nothing.
    void moveControl(const QPoint& pos);
    // A press on an item selects it and always reports it, also when it was selected already.
    void pressAt(const QPoint& pos);

    // Item `index` in a strip of `size`: side by side (index × (item size + space), 0, item
    // size, height), or stacked likewise downwards. Null for indexes past the int range.
    QRect itemRect(int index, const QSize& size) const;
    // The first item whose rectangle holds `pos` in a strip of `size`, or -1.
    int itemAt(const QPoint& pos, const QSize& size) const;

    void addTab(const QString& text, const QString& icon, const QString& selectedIcon);
    // The selection and hover move with the items behind the removed one; a removed selected
    // item passes the selection to the item that takes its place (or the new last one).
    void removeTab(int index);
    void clear();
    int getTabCount() const { return m_items.size(); }
    // Empty for indexes out of range.
    QString getTabText(int index) const;
    bool setItemData(int index, const QVariant& data);
    QVariant getItemData(int index) const;
    // The texts of all items; setting them replaces the items.
    QStringList getTabTexts() const;
    void setTabTexts(const QStringList& texts);

    // Indexes out of range and the current one change nothing.
    void setSelectedIndex(int index);
    int getSelectedIndex() const { return m_selected; }
    int getHoverIndex() const { return m_hover; }

    void setIsHor(bool horizontal);
    bool getIsHor() const { return !m_vertical; }
    void setItemSize(int size);
    int getItemSize() const { return m_itemSize; }
    void setItemSpace(int space);
    int getItemSpace() const { return m_itemSpace; }
    void setShowText(bool show);
    bool getShowText() const { return m_showText; }
    void setShowIcon(bool show);
    bool getShowIcon() const { return m_showIcon; }
    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const { return m_iconStyle; }

    // One background; the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // States 0 to 3, or 4 for all; other states are ignored by setters and read as Normal.
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_itemBackgrounds.get(state); }
    void setItemTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(int state) const { return m_itemTextStyles.get(state); }

signals:
    void currentChanged(int index);

protected:
    void keysRead() override { updateOwner(); }

private:
    QSize ownerSize() const;

    bool m_showIcon = true;
    bool m_showText = true;
    int m_selected = 0;
    int m_hover = -1;
    int m_itemSpace = 0;
    bool m_vertical = false;
    int m_itemSize = 50;
    QVector<Item> m_items;
    FillStyle m_background;
    MOXStateRecords<FillStyle> m_itemBackgrounds;
    MOXStateRecords<TextStyleDesc> m_itemTextStyles;
    IconStyleDesc m_iconStyle;
};

} // namespace MOXQtLib
