#pragma once

// The library's check box ("qtcheckbox"): a QCheckBox drawn entirely from images and styles by
// its MOXQCheckBoxImpl: a background per control state for each checked state, an indicator
// image per state and three text styles. Checking is Qt's own; a click anywhere on the control
// toggles it.

#include "MOXControlInfo.h"
#include "MOXQCheckBoxImpl.h"
#include "MOXQCheckableControl.h"

#include <QCheckBox>

namespace MOXQtLib {

class MOXQCheckBox : public MOXQCheckableControl<QCheckBox, MOXQCheckBoxImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQCheckBox(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtcheckbox"); }
    static ControlInfo getProps();
    static QWidget* createMOXQCheckBox() { return new MOXQCheckBox; }

    // Checked backgrounds per state, as the unchecked ones.
    void setCheckedBackground(CtrlState state, const FillStyle& style) { impl()->setCheckedBackground(state, style); }
    const FillStyle& getCheckedBackground(CtrlState state) const { return impl()->getCheckedBackground(state); }

    // The disabled images; while empty the enabled image is shown in the disabled look.
    void setDisableCheckIcon(const QString& path) { impl()->setDisableCheckIcon(path); }
    QString getDisableCheckIcon() const { return impl()->getDisableCheckIcon(); }
    void setDisableUncheckIcon(const QString& path) { impl()->setDisableUncheckIcon(path); }
    QString getDisableUncheckIcon() const { return impl()->getDisableUncheckIcon(); }

    void setDelegateItemVisible(bool visible) { impl()->setDelegateItemVisible(visible); }
    bool getDelegateItemVisible() const { return impl()->getDelegateItemVisible(); }
};

} // namespace MOXQtLib
