#pragma once

// A panel inside a ribbon group that holds rows of items: side by side, or stacked top to
// bottom when it is vertical (each row then gets an equal share of the panel's height).

#include "MOXQRibbonRowPanel.h"

namespace MOXQtLib {

class MOXQRibbonPanel : public MOXQRibbonRowPanel
{
    Q_OBJECT
public:
    explicit MOXQRibbonPanel(bool vertical = false, QWidget* parent = nullptr);

    bool isVertical() const { return m_vertical; }
    // Appends a row panel; a height above 0 fixes the row's height in layout.
    MOXQRibbonRowPanel* addRowPanel(int height = 0);

protected:
    bool stacksItems() const override { return m_vertical; }

private:
    bool m_vertical;
};

} // namespace MOXQtLib
