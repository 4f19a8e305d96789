#pragma once

// A push button of the ribbon bar: large (a group's full height, icon above the text) or small
// (one row of a column, icon left of the text). The bar gives it its looks.

#include "MOXQPushButton.h"

namespace MOXQtLib {

enum MOX_RIBBON_BUTTON_STYLE
{
    MOX_RIBBON_BUTTON_NONE = 0,
    MOX_RIBBON_BUTTON_LARGE = 5,
    MOX_RIBBON_BUTTON_SMALL = 6
};

class MOXQRibbonPushButton : public MOXQPushButton
{
    Q_OBJECT
public:
    explicit MOXQRibbonPushButton(MOX_RIBBON_BUTTON_STYLE style, QWidget* parent = nullptr);

    MOX_RIBBON_BUTTON_STYLE buttonStyle() const { return m_style; }
    // Small buttons (and style 0) stack in the rows of a column.
    bool isSmall() const { return m_style == MOX_RIBBON_BUTTON_SMALL || m_style == MOX_RIBBON_BUTTON_NONE; }
    // 92 x 24 for a small button, 72 x 68 for a large one.
    QSize sizeHint() const override;
    // An image path drawn at its natural size: at the top of a large button with the text
    // below it, at the left of a small one with the text after it. Empty removes the icon.
    void setRibbonIcon(const QString& path);

private:
    MOX_RIBBON_BUTTON_STYLE m_style;
};

} // namespace MOXQtLib
