#pragma once

// The switch's look and motion: a track (the background), a thumb styled per state that slides
// between the two ends, and a text at each end. A press sends the thumb to the other end; the
// side flag flips when the slide ends.

#include "FillStyle.h"
#include "MOXControlTypes.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QVariantAnimation>

namespace MOXQtLib {

// Selects a text style: 0 the left one, any other value the right one.
enum SwitchPosition
{
    SwitchPositionLeft = 0,
    SwitchPositionRight = 1
};

class MOXQSwitchImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kDefaultThumbSize = 25;
    static constexpr int kDefaultSpeed = 300;
    static constexpr int kDefaultMargin = 2;

    MOXQSwitchImpl(QWidget* owner, const QString& name);
    ~MOXQSwitchImpl() override;

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    // Pressed state, then the thumb starts for the other end unless it is already moving.
    void pressControl() override;

    // The side flag. While the thumb rests it is drawn at the flag's end.
    void setSwitchToLeft(bool left);
    bool getIsSwitchToLeft() const { return m_switchToLeft; }

    void setLeftText(const QString& text);
    QString getLeftText() const { return m_leftText; }
    void setRightText(const QString& text);
    QString getRightText() const { return m_rightText; }
    void setTextStyle(int position, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int position) const;

    // Sizes below 0 count as 0.
    void setThumbSize(const QSize& size);
    QSize getThumbSize() const { return m_thumbSize; }
    void setThumbWidth(int width) { setThumbSize(QSize(width, m_thumbSize.height())); }
    int getThumbWidth() const { return m_thumbSize.width(); }
    void setThumbHeight(int height) { setThumbSize(QSize(m_thumbSize.width(), height)); }
    int getThumbHeight() const { return m_thumbSize.height(); }

    // States 0 to 3, or 4 for all; other states are ignored and read as Normal.
    void setThumbStyle(int state, const FillStyle& style);
    const FillStyle& getThumbStyle(int state) const { return m_thumbStyles.get(state); }
    // One track background; the state is ignored.
    void setBackgroundStyle(int state, const FillStyle& style);
    const FillStyle& getBackgroundStyle(int = 0) const { return m_background; }

    // Below 0 counts as 0.
    void setMargin(int margin);
    int getMargin() const { return m_margin; }
    // The slide's duration in milliseconds; below 0 counts as 0.
    void setSpeed(int milliseconds);
    int getSpeed() const { return m_speed; }

    void setShowAllText(bool show);
    bool getShowAllText() const { return m_showAllText; }
    void setTextVisible(bool visible);
    bool getTextVisible() const { return m_textVisible; }

    // The far end of the thumb's travel in a control `width` pixels wide (never below 0).
    int thumbTravel(int width) const;
    // The thumb's x from the start of the track: the animated position while it slides, else
    // the end its side flag names.
    int thumbX(int width) const;
    QRect thumbRect(const QRect& rect) const;
    bool isAnimating() const { return m_animating; }
    // The slide itself, for tools and tests that step it.
    QVariantAnimation& thumbAnimation() { return m_animation; }

protected:
    void keysRead() override { updateOwner(); }

private:
    // "on" in files: the thumb at the right.
    bool isOn() const { return !m_switchToLeft; }
    void setOn(bool on) { setSwitchToLeft(!on); }
    void thumbMoved(const QVariant& value);
    void slideFinished();

    bool m_showAllText = true;
    int m_thumbX = -1;
    bool m_animating = false;
    int m_margin = kDefaultMargin;
    bool m_textVisible = true;
    bool m_switchToLeft = false;
    int m_speed = kDefaultSpeed;
    QString m_leftText = QStringLiteral("On");
    QString m_rightText = QStringLiteral("Off");
    QSize m_thumbSize{kDefaultThumbSize, kDefaultThumbSize};
    FillStyle m_background;
    MOXStateRecords<FillStyle> m_thumbStyles;
    TextStyleDesc m_leftStyle;
    TextStyleDesc m_rightStyle;
    // Owned here alone and destroyed before the fields its slots touch.
    QVariantAnimation m_animation;
};

} // namespace MOXQtLib
