#pragma once

// The check box's look: the shared two-state look plus an image for each of the disabled
// checked states. The indicator sits at the left by default and the text starts after it.

#include "MOXQCheckableImpl.h"

namespace MOXQtLib {

class MOXQCheckBoxImpl : public MOXQCheckableImpl
{
    Q_OBJECT
public:
    MOXQCheckBoxImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();
    // At the left, centred.
    static IconStyleDesc defaultIconStyle();

    void drawControl(QPainter* painter, const QRect& rect) override;

    // Shown while disabled; when empty the enabled image is drawn in the disabled look.
    void setDisableCheckIcon(const QString& path);
    QString getDisableCheckIcon() const { return m_disableCheckPath; }
    void setDisableUncheckIcon(const QString& path);
    QString getDisableUncheckIcon() const { return m_disableUncheckPath; }

    // Where the text starts in a control `width` pixels wide: after the unchecked image (which
    // measures the indicator in every state) when it is shown at the left, else at 0.
    int textStart(int width) const;
    // The image the indicator shows now; `grayed` tells whether it is drawn in the disabled
    // look.
    QString indicatorPath(bool& grayed) const;

private:
    QString m_disableCheckPath;
    QString m_disableUncheckPath;
};

} // namespace MOXQtLib
