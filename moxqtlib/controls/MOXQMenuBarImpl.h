#pragma once

// The menu bar's looks and item states: a bar background, per-state item cells and captions,
// and the pop-up looks it hands to the library menus it holds. The hovered item follows the
// mouse; the pressed item is the one held down or whose pop-up is open.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QPoint>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace MOXQtLib {

class MOXQMenu;

class MOXQMenuBarImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQMenuBarImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    void leaveControl() override;
    void releaseControl() override;
    // The first item whose geometry holds `pos` becomes the hovered one (-1 for none); repaints
    // only when that changes.
    void moveControl(const QPoint& pos);
    // An enabled item under `pos` is drawn pressed until the button is released or its pop-up
    // closes.
    void pressAt(const QPoint& pos);
    // A pop-up of the bar opened (the item shows pressed) or closed (it no longer does).
    void popupShown(const QMenu* menu);
    void popupHidden(const QMenu* menu);
    // Gives a library menu the bar's named pop-up looks (and its submenus with it).
    void stylePopup(MOXQMenu* menu) const;

    // The index of the item at `pos`, or -1.
    int itemAt(const QPoint& pos) const;
    int hoveredItem() const { return m_hovered; }
    int pressedItem() const { return m_pressed; }

    // One background each; the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    void setPopupBackground(int state, const FillStyle& style);
    const FillStyle& getPopupBackground(int) const { return m_popupBackground; }
    // States 0 to 3, or 4 for all; other states are ignored by setters and read as Normal.
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_itemBackgrounds.get(state); }
    // The Normal caption style also sets the bar's font, so Qt sizes the items for it.
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int state) const { return m_textStyles.get(state); }
    void setPopupItemBackground(int state, const FillStyle& style);
    const FillStyle& getPopupItemBackground(int state) const { return m_popupItemBackgrounds.get(state); }
    void setPopupTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getPopupTextStyle(int state) const { return m_popupTextStyles.get(state); }

    // The titles of the top-level menus; setting them replaces the bar's items with empty
    // library menus of those titles (so pages can fill a bar).
    QStringList getMenuTitles() const;
    void setMenuTitles(const QStringList& titles);

protected:
    void keysRead() override;

private:
    QMenuBar* bar() const;
    int indexOfMenu(const QMenu* menu) const;
    void applyFont();
    void stylePopups() const;

    int m_hovered = -1;
    int m_pressed = -1;
    FillStyle m_background;
    MOXStateRecords<TextStyleDesc> m_textStyles;
    MOXStateRecords<FillStyle> m_itemBackgrounds;
    FillStyle m_popupBackground;
    MOXStateRecords<TextStyleDesc> m_popupTextStyles;
    MOXStateRecords<FillStyle> m_popupItemBackgrounds;
};

} // namespace MOXQtLib
