#pragma once

// The library's radio button ("qtradiobox"): a QRadioButton drawn entirely from images and
// styles by its MOXQRadioButtonImpl. Grouping and exclusivity are Qt's own; a click anywhere on
// the control, text included, selects it.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQRadioButtonImpl.h"

#include <QRadioButton>

namespace MOXQtLib {

class MOXQRadioButton : public MOXQControl<QRadioButton, MOXQRadioButtonImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQRadioButton(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtradiobox"); }
    static ControlInfo getProps();
    static QWidget* createMOXQRadioButton() { return new MOXQRadioButton; }

    // "|->key" is a language key: the button shows its translation, follows language changes
    // and writes the key back.
    void setText(const QString& text) { impl()->setCaption(text); }

    // Unselected and selected backgrounds per state. State 4 sets all four; other states
    // outside 0..3 are ignored, and getters read Normal for them. Nothing is painted by default.
    void setBackground(CtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    void setSelectedBackground(CtrlState state, const FillStyle& style) { impl()->setCheckedBackground(state, style); }
    const FillStyle& getSelectedBackground(CtrlState state) const { return impl()->getCheckedBackground(state); }

    void setTextStyle(bool checked, const TextStyleDesc& style) { impl()->setTextStyle(checked, style); }
    const TextStyleDesc& getTextStyle(bool checked) const { return impl()->getTextStyle(checked); }
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style) { impl()->setTextStyleByState(state, style); }
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const { return impl()->getTextStyleByState(state); }

    // Indicator images; the hot and disabled ones fall back to the checked or unchecked image.
    void setIcon(const QString& path) { impl()->setIcon(path); }
    // False for a state outside 0..4 (4: all four enabled images).
    bool setIcon(RadioIconState state, const QString& path) { return impl()->setIcon(state, path); }
    void setUncheckIcon(const QString& path) { impl()->setUncheckIcon(path); }
    QString getUncheckIcon() const { return impl()->getUncheckIcon(); }
    void setUncheckHotIcon(const QString& path) { impl()->setUncheckHotIcon(path); }
    QString getUncheckHotIcon() const { return impl()->getUncheckHotIcon(); }
    void setCheckedIcon(const QString& path) { impl()->setCheckedIcon(path); }
    QString getCheckedIcon() const { return impl()->getCheckedIcon(); }
    void setCheckedHotIcon(const QString& path) { impl()->setCheckedHotIcon(path); }
    QString getCheckedHotIcon() const { return impl()->getCheckedHotIcon(); }
    void setDisableIcon(const QString& path) { impl()->setDisableIcon(path); }
    QString getDisableIcon() const { return impl()->getDisableIcon(); }

    // Kept for designers and files; the look does not change with it.
    void setPushlike(bool pushlike) { impl()->setPushlike(pushlike); }
    bool getPushlike() const { return impl()->getPushlike(); }
    void setShowIcon(bool show) { impl()->setShowIcon(show); }
    bool getShowIcon() const { return impl()->getShowIcon(); }
    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }

    // Indicator placement (left and centred, 10 pixels in, by default) and its offsets.
    void setIconStyle(const IconStyleDesc& style) { impl()->setIconStyle(style); }
    const IconStyleDesc& getIconStyle() const { return impl()->getIconStyle(); }
    void setIconHorAlign(DockLayoutType align) { impl()->setIconHorAlign(align); }
    DockLayoutType getIconHorAlign() const { return DockLayoutType(impl()->getIconHorAlign()); }
    void setIconVerAlign(DockLayoutType align) { impl()->setIconVerAlign(align); }
    DockLayoutType getIconVerAlign() const { return DockLayoutType(impl()->getIconVerAlign()); }
    void setIconOffsetX(int offset) { impl()->setIconOffsetX(offset); }
    int getIconOffsetX() const { return impl()->getIconOffsetX(); }
    void setIconOffsetY(int offset) { impl()->setIconOffsetY(offset); }
    int getIconOffsetY() const { return impl()->getIconOffsetY(); }

signals:
    // After every press, once the press is handled.
    void pressedEvent();

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    // The implementation object sees presses and releases before Qt does.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
