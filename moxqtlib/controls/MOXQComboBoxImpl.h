#pragma once

// The combo box's looks: the closed face (background, drop button with its icon, current
// text), the popup background and the popup rows, each per state. Qt keeps the items, the
// popup mechanics and editing.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QRect>
#include <QString>

#include <array>

class QComboBox;

namespace MOXQtLib {

class MOXQComboBoxImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQComboBoxImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    // The drop button of a face of `size`: a square of the face's height at its right edge,
    // one pixel in from the right.
    static QRect buttonRect(const QSize& size);

    // States 0 to 3, or 4 for all; other states are ignored by setters and read as Normal.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int state) const { return m_backgrounds.get(state); }
    void setBtnBackground(int state, const FillStyle& style);
    const FillStyle& getBtnBackground(int state) const { return m_btnBackgrounds.get(state); }
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int state) const { return m_textStyles.get(state); }
    void setItemBackground(int state, const FillStyle& style);
    const FillStyle& getItemBackground(int state) const { return m_itemBackgrounds.get(state); }
    void setItemTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(int state) const { return m_itemTextStyles.get(state); }
    // One popup look; the state is ignored.
    void setPopupBackground(int state, const FillStyle& style);
    const FillStyle& getPopupBackground(int) const { return m_popupBackground; }
    void setBtnIcon(int state, const QString& path);
    QString getBtnIcon(int state) const;
    void setNormalBtnIcon(const QString& path) { setBtnIcon(CtrlStateNormal, path); }
    QString getNormalBtnIcon() const { return getBtnIcon(CtrlStateNormal); }
    void setHotBtnIcon(const QString& path) { setBtnIcon(CtrlStateHot, path); }
    QString getHotBtnIcon() const { return getBtnIcon(CtrlStateHot); }
    // At least 1.
    void setItemHeight(int height);
    int getItemHeight() const { return m_itemHeight; }

    // Appends an item with `text` and makes it current; an empty text adds nothing.
    void addCurrentText(const QString& text);
    QString getCurrentText() const;
    void setCurrentText(const QString& text);

protected:
    void keysRead() override;

private:
    QComboBox* combo() const;

    std::array<QString, kMoxStateCount> m_btnIcons;
    int m_itemHeight = 25;
    MOXStateRecords<FillStyle> m_backgrounds;
    MOXStateRecords<FillStyle> m_btnBackgrounds;
    MOXStateRecords<TextStyleDesc> m_textStyles;
    FillStyle m_popupBackground;
    MOXStateRecords<FillStyle> m_itemBackgrounds;
    MOXStateRecords<TextStyleDesc> m_itemTextStyles;
};

} // namespace MOXQtLib
