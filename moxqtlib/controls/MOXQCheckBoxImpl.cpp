#include "MOXQCheckBoxImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QAbstractButton>

#include <algorithm>

namespace MOXQtLib {

MOXQCheckBoxImpl::MOXQCheckBoxImpl(QWidget* owner, const QString& name)
    : MOXQCheckableImpl(owner, name, defaultIconStyle())
{
    m_uncheckPath = m_uncheckHotPath = moxBuiltInUncheckImage();
    m_checkedPath = m_checkedHotPath = moxBuiltInCheckedImage();
}

IconStyleDesc MOXQCheckBoxImpl::defaultIconStyle()
{
    IconStyleDesc style;
    style.horAlign = 0;
    return style;
}

const MOXKeyTable& MOXQCheckBoxImpl::keys()
{
    using I = MOXQCheckBoxImpl;
    static const MOXKeyTable table{
        styleKeys("UncheckBg", "CheckedBg"),
        showKeys(false),
        // The built-in images are always written, and so is an image set to none.
        indicatorKeys(I::defaultIconStyle(), true),
        moxKey<I>("disableSIconPath", &I::getDisableCheckIcon, &I::setDisableCheckIcon)
            .ownThenTheme(),
        moxKey<I>("disableIconPath", &I::getDisableUncheckIcon, &I::setDisableUncheckIcon)
            .ownThenTheme(),
    };
    return table;
}

int MOXQCheckBoxImpl::textStart(int width) const
{
    if (!m_showIcon || m_iconStyle.horAlign != 0 || m_uncheckPath.isEmpty()) return 0;
    const QSize size = getImageSize(m_uncheckPath);
    if (!size.isValid()) return 0;
    return int(std::clamp<qint64>(qint64(m_iconStyle.x) + size.width(), 0, std::max(width, 0)));
}

QString MOXQCheckBoxImpl::indicatorPath(bool& grayed) const
{
    grayed = false;
    if (!showsDisabled()) return enabledIndicatorPath();
    const QString& own = isChecked() ? m_disableCheckPath : m_disableUncheckPath;
    if (!own.isEmpty()) return own;
    // Without an image of its own a disabled box still tells checked from unchecked.
    grayed = true;
    return isChecked() ? m_checkedPath : m_uncheckPath;
}

void MOXQCheckBoxImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, stateBackground(), rect);
    if (m_showText) {
        const QAbstractButton* b = button();
        const int start = textStart(rect.width());
        drawText(painter, b ? b->text() : QString(), stateTextStyle(), rect.x() + start, rect.y(),
                 rect.width() - start, rect.height());
    }
    if (m_showIcon) {
        bool grayed = false;
        const QString path = indicatorPath(grayed);
        drawImage(painter, path, m_iconStyle, rect, grayed);
    }
}

void MOXQCheckBoxImpl::setDisableCheckIcon(const QString& path)
{
    storeAndUpdate(m_disableCheckPath, path);
}

void MOXQCheckBoxImpl::setDisableUncheckIcon(const QString& path)
{
    storeAndUpdate(m_disableUncheckPath, path);
}

} // namespace MOXQtLib
