#pragma once

// The slider's look: a channel, a filled part proportional to the value and a thumb with a
// hover / press state. Qt keeps the value and the dragging; the library style sizes the handle.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QSlider;

namespace MOXQtLib {

class MOXQSliderImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQSliderImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    // The thumb state: Hot under the cursor, Pressed from a press on it until the release.
    void moveAt(const QPoint& pos);
    void pressAt(const QPoint& pos);
    void releaseAt(const QPoint& pos);
    void leaveControl() override;

    // One look each: the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    void setForeground(int state, const FillStyle& style);
    const FillStyle& getForeground(int) const { return m_foreground; }
    // States 0 to 3, or 4 for all four.
    void setThumbStyle(int state, const FillStyle& style);
    const FillStyle& getThumbStyle(int state) const { return m_thumb.get(state); }

    // Negative sizes count as 0.
    void setChannelHeight(int height);
    int getChannelHeight() const { return m_channelHeight; }
    void setThumbSize(const QSize& size);
    QSize getThumbSize() const { return QSize(m_thumbWidth, m_thumbHeight); }
    void setThumbWidth(int width) { setThumbSize(QSize(width, m_thumbHeight)); }
    int getThumbWidth() const { return m_thumbWidth; }
    void setThumbHeight(int height) { setThumbSize(QSize(m_thumbWidth, height)); }
    int getThumbHeight() const { return m_thumbHeight; }
    // Along the groove: the thumb width of a horizontal slider, its height of a vertical one.
    int getSliderLength() const;
    // Where the style puts the handle, at the thumb size.
    QRect getThumbRect() const;

    void setIsHorizontal(bool horizontal);
    bool getIsHorizontal() const;
    // The range and value; values outside the range are clamped by Qt.
    void setMaximum(int maximum);
    int getMaximum() const;
    void setMinimum(int minimum);
    int getMinimum() const;
    void setValue(int value);
    int getValue() const;

    // How much of the channel is filled, in [0, 1]. An empty range (or an inverted one)
    // counts as a range of 100.
    static double fraction(int value, int minimum, int maximum);
    // The channel inside `rect` and the filled part of it: the first pixels of a horizontal
    // channel, the last (growing from the bottom) of a vertical one.
    static QRect channelRect(const QRect& rect, int channelHeight, bool horizontal);
    static QRect filledRect(const QRect& channel, double fraction, bool horizontal);

protected:
    void keysRead() override { updateOwner(); }

private:
    QSlider* slider() const;
    void setThumbState(CtrlState state);

    FillStyle m_background;
    FillStyle m_foreground;
    MOXStateRecords<FillStyle> m_thumb;
    int m_channelHeight = 10;
    int m_thumbWidth = 20;
    int m_thumbHeight = 20;
};

} // namespace MOXQtLib
