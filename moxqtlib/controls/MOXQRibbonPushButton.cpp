#include "MOXQRibbonPushButton.h"

#include "MOXQStylePainter.h"

#include <algorithm>

namespace MOXQtLib {

namespace {

// Text never moves further aside than this for an icon, however large the image is.
constexpr int kMaxIcon = 64;

} // namespace

MOXQRibbonPushButton::MOXQRibbonPushButton(MOX_RIBBON_BUTTON_STYLE style, QWidget* parent)
    : MOXQPushButton(parent), m_style(style)
{
    // The bar styles its buttons; a theme refresh must not give them plain-button looks.
    impl()->setThemeNameValue(QString());
    setMouseTracking(true);
    setUseIcon(false);
}

QSize MOXQRibbonPushButton::sizeHint() const
{
    return isSmall() ? QSize(92, 24) : QSize(72, 68);
}

void MOXQRibbonPushButton::setRibbonIcon(const QString& path)
{
    if (path.isEmpty()) {
        setUseIcon(false);
        setTextOffsetX(0);
        setTextOffsetY(0);
        return;
    }
    setIcon(path);
    IconStyleDesc style;
    if (isSmall()) {
        style.horAlign = 0;
        style.x = 4;
        setTextOffsetX(std::min(std::max(getImageSize(path).width(), 0), kMaxIcon) + 8);
        setTextOffsetY(0);
    } else {
        style.verAlign = 0;
        style.y = 6;
        setTextOffsetX(0);
        setTextOffsetY(std::min(std::max(getImageSize(path).height(), 0), kMaxIcon) + 8);
    }
    setIconStyle(style);
}

} // namespace MOXQtLib
