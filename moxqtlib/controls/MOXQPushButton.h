#pragma once

// The library's push button ("qtbutton"): a QPushButton drawn entirely from per-state styles
// by its MOXQPushButtonImpl, with icons, an extension area at the right edge and an optional
// Normal/Hot colour fade.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQPushButtonImpl.h"

#include <QPushButton>

namespace MOXQtLib {

class MOXQPushButton : public MOXQControl<QPushButton, MOXQPushButtonImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQPushButton(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtbutton"); }
    static ControlInfo getProps();
    static QWidget* createMOXQPushButton() { return new MOXQPushButton; }

    // Per-state looks. State 4 sets all four; other states outside 0..3 are ignored, and
    // getters read Normal for them.
    void setBackground(CtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    void setTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setTextStyle(state, style); }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }
    // The colour-fill (as opposed to image-fill) switch of a state's background.
    void setUseFillStyle(CtrlState state, bool fill) { impl()->setUseFillStyle(state, fill); }
    bool getUseFillStyle(CtrlState state) const { return impl()->getUseFillStyle(state); }
    // Off: no background at all; text and icons still draw.
    void setDrawBackground(bool draw) { impl()->setDrawBackground(draw); }
    bool getDrawBackground() const { return impl()->getDrawBackground(); }

    // "|->key" is a language key: the button shows its translation and follows language
    // changes; any other text clears the key.
    void setText(const QString& text) { impl()->setCaption(text); }

    // A QIcon is drawn at the button's icon size, laid out beside the text.
    void setIcon(const QIcon& icon) { impl()->setIcon(icon); }
    // An image path (":" resources as QIcons; SVGs are laid out beside the text).
    void setIcon(const QString& path) { impl()->setIcon(path); }
    // Shown instead of the icon while hovered / pressed, when not empty.
    void setHotIcon(const QString& path) { impl()->setHotIcon(path); }
    QString getHotIcon() const { return impl()->getHotIcon(); }
    void setPressedIcon(const QString& path) { impl()->setPressedIcon(path); }
    QString getPressedIcon() const { return impl()->getPressedIcon(); }
    void setUseIcon(bool use) { impl()->setUseIcon(use); }
    bool getUseIcon() const { return impl()->getUseIcon(); }
    void setIconStyle(const IconStyleDesc& style) { impl()->setIconStyle(style); }
    const IconStyleDesc& getIconStyle() const { return impl()->getIconStyle(); }

    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }
    // Shift the text inside the button (the text rectangle shrinks by the offset).
    void setTextOffsetX(int offset) { impl()->setTextOffsetX(offset); }
    int getTextOffsetX() const { return impl()->getTextOffsetX(); }
    void setTextOffsetY(int offset) { impl()->setTextOffsetY(offset); }
    int getTextOffsetY() const { return impl()->getTextOffsetY(); }

    // The Normal/Hot colour fade; a duration of 0 or less means 150 ms.
    void setFadeEnabled(bool enabled) { impl()->setFadeEnabled(enabled); }
    bool getFadeEnabled() const { return impl()->getFadeEnabled(); }
    void setFadeDuration(int milliseconds) { impl()->setFadeDuration(milliseconds); }
    int getFadeDuration() const { return impl()->getFadeDuration(); }

signals:
    // After the implementation object has handled the event.
    void enterSignal();
    void leaveSignal();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace MOXQtLib
