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

    // State 4 sets all four; other states outside 0..3 are ignored, and getters read Normal.
    void setBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    void setUseFillStyle(CtrlState state, bool fillWithColor);
    bool getUseFillStyle(CtrlState state) const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;

    // "|->key" is a language key: the button shows its translation and follows language
    // changes; any other text clears the key.
    void setText(const QString& text);

    void setIcon(const QIcon& icon);
    void setIcon(const QString& path);
    void setHotIcon(const QString& path);
    QString getHotIcon() const;
    void setPressedIcon(const QString& path);
    QString getPressedIcon() const;
    void setUseIcon(bool use);
    bool getUseIcon() const;
    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const;

    void setShowText(bool show);
    bool getShowText() const;
    void setTextOffsetX(int offset);
    int getTextOffsetX() const;
    void setTextOffsetY(int offset);
    int getTextOffsetY() const;

    void setFadeEnabled(bool enabled);
    bool getFadeEnabled() const;
    void setFadeDuration(int milliseconds);
    int getFadeDuration() const;

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
