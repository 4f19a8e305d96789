#pragma once

// The library's switch ("qtswitch"): a two-position toggle drawn as a track with a sliding
// thumb and a text at each end. A press anywhere sends the thumb to the other end; the side
// flag flips when the slide ends, and presses during a slide start nothing.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQSwitchImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQSwitch : public MOXQControl<QWidget, MOXQSwitchImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQSwitch(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtswitch"); }
    static ControlInfo getProps();
    static QWidget* createMOXQSwitch() { return new MOXQSwitch; }

    // The side: true while the thumb rests at the left end. Setting it ends a running slide
    // and shows the thumb at that end.
    void setSwitchToLeft(bool left) { impl()->setSwitchToLeft(left); }
    bool getIsSwitchToLeft() const { return impl()->getIsSwitchToLeft(); }

    // The texts at the two ends ("On" and "Off" by default).
    void setLeftText(const QString& text) { impl()->setLeftText(text); }
    QString getLeftText() const { return impl()->getLeftText(); }
    void setRightText(const QString& text) { impl()->setRightText(text); }
    QString getRightText() const { return impl()->getRightText(); }
    // With the thumb on the right the two ends swap styles.
    void setTextStyle(SwitchPosition position, const TextStyleDesc& style) { impl()->setTextStyle(position, style); }
    const TextStyleDesc& getTextStyle(SwitchPosition position) const { return impl()->getTextStyle(position); }

    // 25 by 25 by default; sizes below 0 count as 0.
    void setThumbSize(int w, int h) { impl()->setThumbSize(QSize(w, h)); }
    void getThumbSize(int& w, int& h) const
    {
        w = impl()->getThumbWidth();
        h = impl()->getThumbHeight();
    }
    void setThumbBtnSize(const QSize& size) { impl()->setThumbSize(size); }
    QSize getThumbBtnSize() const { return impl()->getThumbSize(); }

    // Thumb looks per state: 4 sets all four, other states outside 0..3 are ignored.
    void setThumbStyle(CtrlState state, const FillStyle& style) { impl()->setThumbStyle(state, style); }
    const FillStyle& getThumbStyle(CtrlState state) const { return impl()->getThumbStyle(state); }
    // The track; there is one background whatever the state.
    void setBackgroundStyle(CommonCtrlState state, const FillStyle& style) { impl()->setBackgroundStyle(state, style); }
    const FillStyle& getBackgroundStyle() const { return impl()->getBackgroundStyle(); }

    // Space around the thumb's travel (2 by default).
    void setMargin(int margin) { impl()->setMargin(margin); }
    int getMargin() const { return impl()->getMargin(); }
    // The slide's duration in milliseconds (300 by default).
    void setSpeed(int milliseconds) { impl()->setSpeed(milliseconds); }
    int getSpeed() const { return impl()->getSpeed(); }
    // Off: only the text at the end away from the thumb is drawn.
    void setShowAllText(bool show) { impl()->setShowAllText(show); }
    bool getShowAllText() const { return impl()->getShowAllText(); }
};

} // namespace MOXQtLib
