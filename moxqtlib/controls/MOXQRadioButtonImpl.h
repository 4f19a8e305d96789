#pragma once

// The radio button's look: the shared two-state look plus one disabled image. The indicator
// image is fitted into the control (at most half its height) and the text starts after it.

#include "MOXQCheckableImpl.h"

#include <QRect>
#include <QSize>

namespace MOXQtLib {

// Selects a radio indicator image.
enum RadioIconState
{
    RadioIconChecked = 0,
    RadioIconCheckedHot = 1,
    RadioIconUnchecked = 2,
    RadioIconUncheckedHot = 3,
    RadioIconAll = 4
};

class MOXQRadioButtonImpl : public MOXQCheckableImpl
{
    Q_OBJECT
public:
    MOXQRadioButtonImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();
    // At the left, 10 pixels in, centred.
    static IconStyleDesc defaultIconStyle();

    void drawControl(QPainter* painter, const QRect& rect) override;

    // The four enabled images at once.
    void setIcon(const QString& path);
    // False for a state outside 0..4.
    bool setIcon(int state, const QString& path);
    // Shown while disabled; when empty the enabled image is drawn in the disabled look.
    void setDisableIcon(const QString& path);
    QString getDisableIcon() const { return m_disablePath; }
    // Stored, written and read; the look does not change with it.
    void setPushlike(bool pushlike);
    bool getPushlike() const { return m_pushlike; }

    // The image the indicator shows now: the disabled image while disabled, the hot image in
    // Hot, each falling back to the checked or unchecked image when it is not set.
    QString indicatorPath() const;
    // The indicator's size in `rect`: its image scaled, keeping the aspect ratio, into the
    // width and half the height; invalid without an image or in an empty rectangle.
    QSize indicatorSize(const QRect& rect) const;
    // Where the indicator is drawn: placed by the icon style, then moved by its offsets.
    QRect indicatorRect(const QRect& rect) const;
    // Where the text goes: right of the indicator, shown or not, so the text stays put when
    // the indicator is hidden or changes image.
    QRect textRect(const QRect& rect) const;

private:
    QString m_disablePath;
    bool m_pushlike = false;
};

} // namespace MOXQtLib
