#pragma once

// The library's combo box ("qtcombobox"): a QComboBox whose closed face, drop button, popup and
// popup rows are drawn from per-state styles. Qt keeps the items, the popup and editing.

#include "MOXControlInfo.h"
#include "MOXQComboBoxImpl.h"
#include "MOXQControl.h"

#include <QComboBox>

namespace MOXQtLib {

class MOXQComboBox : public MOXQControl<QComboBox, MOXQComboBoxImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQComboBox(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtcombobox"); }
    static ControlInfo getProps();
    static QWidget* createMOXQComboBox() { return new MOXQComboBox; }

    // Per-state looks: state 4 sets all four; other states outside 0..3 are ignored, and
    // getters read Normal for them.
    void setBackground(CtrlState state, const FillStyle& style)
    {
        impl()->setBackground(state, style);
    }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    // The drop button at the right edge.
    void setBtnBackground(CtrlState state, const FillStyle& style)
    {
        impl()->setBtnBackground(state, style);
    }
    const FillStyle& getBtnBackground(CtrlState state) const
    {
        return impl()->getBtnBackground(state);
    }
    void setTextStyle(CtrlState state, const TextStyleDesc& style)
    {
        impl()->setTextStyle(state, style);
    }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }
    // Popup rows: Hot under the mouse, else Pressed when selected, else Normal.
    void setItemBackground(CtrlState state, const FillStyle& style)
    {
        impl()->setItemBackground(state, style);
    }
    const FillStyle& getItemBackground(CtrlState state) const
    {
        return impl()->getItemBackground(state);
    }
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style)
    {
        impl()->setItemTextStyle(state, style);
    }
    const TextStyleDesc& getItemTextStyle(CtrlState state) const
    {
        return impl()->getItemTextStyle(state);
    }
    // One popup look; the state is ignored.
    void setPopupBackground(CtrlState state, const FillStyle& style)
    {
        impl()->setPopupBackground(state, style);
    }
    const FillStyle& getPopupBackground(CtrlState state) const
    {
        return impl()->getPopupBackground(state);
    }
    // The image drawn centred in the drop button, per state.
    void setBtnIcon(CtrlState state, const QString& path) { impl()->setBtnIcon(state, path); }
    QString getBtnIcon(CtrlState state) const { return impl()->getBtnIcon(state); }
    void setNormalBtnIcon(const QString& path) { impl()->setNormalBtnIcon(path); }
    void setHotBtnIcon(const QString& path) { impl()->setHotBtnIcon(path); }
    // Height of a popup row; at least 1.
    void setItemHeight(int height) { impl()->setItemHeight(height); }
    int getItemHeight() const { return impl()->getItemHeight(); }

    // In the designer's emulator a new combo box shows three sample items.
    void createComplete() override;
};

} // namespace MOXQtLib
