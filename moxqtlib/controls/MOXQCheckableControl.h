#pragma once

// What the check box and the radio button widgets share: the caption, the text styles, the
// indicator images and their placement, forwarded to a MOXQCheckableImpl, and a hit area that
// is the whole control, text included.

#include "MOXQCheckableImpl.h"
#include "MOXQControl.h"

namespace MOXQtLib {

template <class Widget, class Impl, int Routes = MOXRouteAll>
class MOXQCheckableControl : public MOXQControl<Widget, Impl, Routes>
{
public:
    using MOXQControl<Widget, Impl, Routes>::MOXQControl;
    using MOXQControl<Widget, Impl, Routes>::impl;

    // "|->key" is a language key: the control shows its translation, follows language changes
    // and writes the key back.
    void setText(const QString& text) { impl()->setCaption(text); }

    // Unchecked backgrounds per state. State 4 sets all four; other states outside 0..3 are
    // ignored, and getters read Normal for them. Nothing is painted by default.
    void setBackground(CtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }

    // The text styles of the checked, unchecked and disabled control.
    void setTextStyle(bool checked, const TextStyleDesc& style) { impl()->setTextStyle(checked, style); }
    const TextStyleDesc& getTextStyle(bool checked) const { return impl()->getTextStyle(checked); }
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style) { impl()->setTextStyleByState(state, style); }
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const { return impl()->getTextStyleByState(state); }
    void setDisableTextStyle(const TextStyleDesc& style) { impl()->setDisableTextStyle(style); }
    const TextStyleDesc& getDisableTextStyle() const { return impl()->getDisableTextStyle(); }

    // Indicator images of the enabled states. A hot image still naming the built-in image
    // follows a new normal image; an empty hot image shows the normal one.
    void setUncheckIcon(const QString& path) { impl()->setUncheckIcon(path); }
    QString getUncheckIcon() const { return impl()->getUncheckIcon(); }
    void setUncheckHotIcon(const QString& path) { impl()->setUncheckHotIcon(path); }
    QString getUncheckHotIcon() const { return impl()->getUncheckHotIcon(); }
    void setCheckedIcon(const QString& path) { impl()->setCheckedIcon(path); }
    QString getCheckedIcon() const { return impl()->getCheckedIcon(); }
    void setCheckedHotIcon(const QString& path) { impl()->setCheckedHotIcon(path); }
    QString getCheckedHotIcon() const { return impl()->getCheckedHotIcon(); }

    void setShowIcon(bool show) { impl()->setShowIcon(show); }
    bool getShowIcon() const { return impl()->getShowIcon(); }
    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }

    // Indicator placement in the control and its offsets; alignments outside 0..2 are ignored.
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

protected:
    // The control draws its own layout, so Qt's idea of where the indicator and text are
    // does not apply.
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

} // namespace MOXQtLib
