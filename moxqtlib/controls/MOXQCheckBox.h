#pragma once

// The library's check box ("qtcheckbox"): a QCheckBox drawn entirely from images and styles by
// its MOXQCheckBoxImpl: a background per control state for each checked state, an indicator
// image per state and three text styles. Checking is Qt's own; a click anywhere on the control
// toggles it.

#include "MOXControlInfo.h"
#include "MOXQCheckBoxImpl.h"
#include "MOXQControl.h"

#include <QCheckBox>

namespace MOXQtLib {

class MOXQCheckBox : public MOXQControl<QCheckBox, MOXQCheckBoxImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQCheckBox(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtcheckbox"); }
    static ControlInfo getProps();
    static QWidget* createMOXQCheckBox() { return new MOXQCheckBox; }

    // "|->key" is a language key: the box shows its translation and follows language changes.
    void setText(const QString& text) { impl()->setCaption(text); }

    // Unchecked and checked backgrounds per state. State 4 sets all four; other states outside
    // 0..3 are ignored, and getters read Normal for them. Nothing is painted by default.
    void setBackground(CtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    void setCheckedBackground(CtrlState state, const FillStyle& style) { impl()->setCheckedBackground(state, style); }
    const FillStyle& getCheckedBackground(CtrlState state) const { return impl()->getCheckedBackground(state); }

    // The text styles of the checked, unchecked and disabled box.
    void setTextStyle(bool checked, const TextStyleDesc& style) { impl()->setTextStyle(checked, style); }
    const TextStyleDesc& getTextStyle(bool checked) const { return impl()->getTextStyle(checked); }
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style) { impl()->setTextStyleByState(state, style); }
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const { return impl()->getTextStyleByState(state); }
    void setDisableTextStyle(const TextStyleDesc& style) { impl()->setDisableTextStyle(style); }
    const TextStyleDesc& getDisableTextStyle() const { return impl()->getDisableTextStyle(); }

    // Indicator images: the built-in "IDB_UNCHECK" and "IDB_CHECKED" by default. A hot image
    // still naming the built-in one follows a new normal image.
    void setUncheckIcon(const QString& path) { impl()->setUncheckIcon(path); }
    QString getUncheckIcon() const { return impl()->getUncheckIcon(); }
    void setUncheckHotIcon(const QString& path) { impl()->setUncheckHotIcon(path); }
    QString getUncheckHotIcon() const { return impl()->getUncheckHotIcon(); }
    void setCheckedIcon(const QString& path) { impl()->setCheckedIcon(path); }
    QString getCheckedIcon() const { return impl()->getCheckedIcon(); }
    void setCheckedHotIcon(const QString& path) { impl()->setCheckedHotIcon(path); }
    QString getCheckedHotIcon() const { return impl()->getCheckedHotIcon(); }
    // The disabled images; while empty the enabled image is shown in the disabled look.
    void setDisableCheckIcon(const QString& path) { impl()->setDisableCheckIcon(path); }
    QString getDisableCheckIcon() const { return impl()->getDisableCheckIcon(); }
    void setDisableUncheckIcon(const QString& path) { impl()->setDisableUncheckIcon(path); }
    QString getDisableUncheckIcon() const { return impl()->getDisableUncheckIcon(); }

    void setShowIcon(bool show) { impl()->setShowIcon(show); }
    bool getShowIcon() const { return impl()->getShowIcon(); }
    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }

    // Indicator placement in the whole control (left and centred by default) and its offsets.
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

    void setDelegateItemVisible(bool visible) { impl()->setDelegateItemVisible(visible); }
    bool getDelegateItemVisible() const { return impl()->getDelegateItemVisible(); }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace MOXQtLib
