#pragma once

// The library's radio button ("qtradiobox"): a QRadioButton drawn entirely from images and
// styles by its MOXQRadioButtonImpl. Grouping and exclusivity are Qt's own; a click anywhere on
// the control, text included, selects it.

#include "MOXControlInfo.h"
#include "MOXQCheckableControl.h"
#include "MOXQRadioButtonImpl.h"

#include <QRadioButton>

namespace MOXQtLib {

class MOXQRadioButton
    : public MOXQCheckableControl<QRadioButton, MOXQRadioButtonImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQRadioButton(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtradiobox"); }
    static ControlInfo getProps();
    static QWidget* createMOXQRadioButton() { return new MOXQRadioButton; }

    // Selected backgrounds per state, as the unselected ones.
    void setSelectedBackground(CtrlState state, const FillStyle& style) { impl()->setCheckedBackground(state, style); }
    const FillStyle& getSelectedBackground(CtrlState state) const { return impl()->getCheckedBackground(state); }

    // The four enabled images at once.
    void setIcon(const QString& path) { impl()->setIcon(path); }
    // False for a state outside 0..4 (4: all four enabled images).
    bool setIcon(RadioIconState state, const QString& path) { return impl()->setIcon(state, path); }
    // Shown while disabled; while empty the enabled image is shown in the disabled look.
    void setDisableIcon(const QString& path) { impl()->setDisableIcon(path); }
    QString getDisableIcon() const { return impl()->getDisableIcon(); }

    // Kept for designers and files; the look does not change with it.
    void setPushlike(bool pushlike) { impl()->setPushlike(pushlike); }
    bool getPushlike() const { return impl()->getPushlike(); }

signals:
    // After every press, once the press is handled.
    void pressedEvent();

protected:
    // The implementation object sees presses and releases before Qt does.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
