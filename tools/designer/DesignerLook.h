#pragma once

// The designer's own look, given to its library widgets as style values: they keep them
// whatever theme the edited page is shown in.

#include "FillStyle.h"
#include "TextStyleDesc.h"

#include <QColor>

namespace MOXQtLib {
class MOXQList;
class MOXQMenuBar;
class MOXQPushButton;
class MOXQScrollBar;
class MOXQSplitter;
class MOXQTreeView;
}

class DesignerLook
{
public:
    static MOXQtLib::FillStyle fill(const QColor& color, const QColor& border = QColor(),
                                    int round = 0);
    static MOXQtLib::TextStyleDesc text(const QColor& color, int size = 13, bool bold = false,
                                        int horAlign = 0);

    static void apply(MOXQtLib::MOXQPushButton* button);
    static void apply(MOXQtLib::MOXQMenuBar* bar);
    static void apply(MOXQtLib::MOXQScrollBar* bar);
    static void apply(MOXQtLib::MOXQSplitter* splitter);
    // Lists and trees share their row looks.
    static void apply(MOXQtLib::MOXQList* list);
    static void apply(MOXQtLib::MOXQTreeView* tree);

    static QColor panel() { return QColor(0xF3, 0xF4, 0xF6); }
    static QColor line() { return QColor(0xD0, 0xD4, 0xDA); }
};
