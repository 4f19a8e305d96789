#include "MOXQRadioButtonImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QAbstractButton>

#include <QWidget>

#include <algorithm>

namespace MOXQtLib {

namespace {

constexpr int kTextGap = 2;

} // namespace

MOXQRadioButtonImpl::MOXQRadioButtonImpl(QWidget* owner, const QString& name)
    : MOXQCheckableImpl(owner, name, defaultIconStyle())
{
}

IconStyleDesc MOXQRadioButtonImpl::defaultIconStyle()
{
    IconStyleDesc style;
    style.horAlign = 0;
    style.x = 10;
    return style;
}

const MOXKeyTable& MOXQRadioButtonImpl::keys()
{
    using I = MOXQRadioButtonImpl;
    static const MOXKeyTable table{
        styleKeys("UnselectedBg", "SelectedBg"),
        moxKey<I>("pushlike", &I::getPushlike, &I::setPushlike)
            .property("PushLike", PropertyDef::Boolean),
        showKeys(true),
        indicatorKeys(I::defaultIconStyle(), false),
    };
    return table;
}

QString MOXQRadioButtonImpl::indicatorPath() const
{
    if (showsDisabled() && !m_disablePath.isEmpty()) return m_disablePath;
    return enabledIndicatorPath();
}

QSize MOXQRadioButtonImpl::indicatorSize(const QRect& rect) const
{
    const QSize natural = getImageSize(indicatorPath());
    if (!natural.isValid() || natural.isEmpty() || rect.isEmpty()) return QSize();
    return natural.scaled(std::max(rect.width(), 1), std::max(rect.height() / 2, 1),
                          Qt::KeepAspectRatio);
}

QRect MOXQRadioButtonImpl::indicatorRect(const QRect& rect) const
{
    const QSize size = indicatorSize(rect);
    if (!size.isValid()) return QRect();
    // Offsets from files may be anything; the box's far edge must still fit in int.
    const QPoint at =
        placeInRect(size, m_iconStyle, rect.x(), rect.y(), rect.width(), rect.height());
    return QRect(QPoint(std::clamp(at.x(), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                        std::clamp(at.y(), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)),
                 size);
}

QRect MOXQRadioButtonImpl::textRect(const QRect& rect) const
{
    const QSize size = indicatorSize(rect);
    if (!size.isValid()) return rect;
    qint64 left = qint64(rect.left()) + size.width() + kTextGap;
    // An indicator at the left edge moved right by its offset pushes the text along, so the
    // two never overlap.
    if (m_iconStyle.horAlign == 0) left += std::max(0, m_iconStyle.x);
    QRect text = rect;
    text.setLeft(int(std::min<qint64>(left, QWIDGETSIZE_MAX)));
    return text;
}

void MOXQRadioButtonImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, stateBackground(), rect);
    const QWidget* owner = getOwner();
    const bool disabled = owner && !owner->isEnabled();
    if (m_showIcon)
        drawImageScaled(painter, indicatorPath(), m_iconStyle, indicatorRect(rect), disabled);
    if (m_showText) {
        const QAbstractButton* b = button();
        drawText(painter, b ? b->text() : QString(), stateTextStyle(), textRect(rect));
    }
}

void MOXQRadioButtonImpl::setIcon(const QString& path)
{
    setIcon(RadioIconAll, path);
}

bool MOXQRadioButtonImpl::setIcon(int state, const QString& path)
{
    switch (state) {
    case RadioIconChecked:
        setCheckedIcon(path);
        return true;
    case RadioIconCheckedHot:
        setCheckedHotIcon(path);
        return true;
    case RadioIconUnchecked:
        setUncheckIcon(path);
        return true;
    case RadioIconUncheckedHot:
        setUncheckHotIcon(path);
        return true;
    case RadioIconAll:
        for (int s = RadioIconChecked; s < RadioIconAll; ++s)
            setIcon(s, path);
        return true;
    default:
        return false;
    }
}

void MOXQRadioButtonImpl::setDisableIcon(const QString& path)
{
    storeAndUpdate(m_disablePath, path);
}

void MOXQRadioButtonImpl::setPushlike(bool pushlike)
{
    storeAndUpdate(m_pushlike, pushlike);
}

} // namespace MOXQtLib
