#pragma once

// The scroll bar's look: a groove, two step buttons and a thumb, each drawn from its own styles
// with a hover / press state per part. Qt keeps the scrolling and the part geometry.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

class QScrollBar;

namespace MOXQtLib {

class MOXQScrollBarImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    // The parts that have a state of their own; the groove has none.
    enum Part
    {
        Thumb = 0,
        UpButton = 1,
        DownButton = 2,
        PartCount = 3
    };

    MOXQScrollBarImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    // Part states follow the cursor; a dragged thumb stays Pressed wherever the cursor goes.
    void moveAt(const QPoint& pos);
    void pressAt(const QPoint& pos);
    void releaseAt(const QPoint& pos);
    void leaveControl() override;

    // One groove look; the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // Per-state looks: states 0 to 3, or 4 for all four.
    void setUpButton(int state, const FillStyle& style);
    const FillStyle& getUpButton(int state) const { return m_up.get(state); }
    void setDownButton(int state, const FillStyle& style);
    const FillStyle& getDownButton(int state) const { return m_down.get(state); }
    void setThumb(int state, const FillStyle& style);
    const FillStyle& getThumb(int state) const { return m_thumb.get(state); }

    void setButtonIcon(bool up, const QString& path);
    QString getButtonIcon(bool up) const { return up ? m_upIcon : m_downIcon; }
    void setUpIcon(const QString& path) { setButtonIcon(true, path); }
    QString getUpIcon() const { return m_upIcon; }
    void setDownIcon(const QString& path) { setButtonIcon(false, path); }
    QString getDownIcon() const { return m_downIcon; }
    void setThumbIcon(const QString& path);
    QString getThumbIcon() const { return m_thumbIcon; }
    void setIconStyle(bool up, const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle(bool up) const
    {
        return up ? m_upIconStyle : m_downIconStyle;
    }

    // The bar's thickness; -1 (or any value below 0) leaves Qt's size hint alone.
    void setWidthHeight(int size);
    int getWidthHeight() const { return m_widthHeight; }

    void setHorizontal(bool horizontal);
    bool isHorizontal() const;

    // Normal for a part out of range.
    CtrlState partState(int part) const;
    // Where Qt's style puts a part, or the groove for Part == PartCount.
    QRect partRect(int part) const;

private:
    QScrollBar* bar() const;
    void setPartState(int part, CtrlState state, bool wholeBar = false);

    FillStyle m_background;
    MOXStateRecords<FillStyle> m_up;
    MOXStateRecords<FillStyle> m_down;
    MOXStateRecords<FillStyle> m_thumb;
    std::array<CtrlState, PartCount> m_states{CtrlStateNormal, CtrlStateNormal, CtrlStateNormal};
    QString m_upIcon;
    QString m_downIcon;
    QString m_thumbIcon;
    IconStyleDesc m_upIconStyle;
    IconStyleDesc m_downIconStyle;
    int m_widthHeight = -1;
};

} // namespace MOXQtLib
