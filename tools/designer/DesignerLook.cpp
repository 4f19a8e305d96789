#include "DesignerLook.h"

#include "MOXQList.h"
#include "MOXQMenuBar.h"
#include "MOXQPushButton.h"
#include "MOXQScrollBar.h"
#include "MOXQSplitter.h"
#include "MOXQTreeView.h"

using namespace MOXQtLib;

namespace {

const QColor kInk(0x1F, 0x23, 0x28);
const QColor kMuted(0x8A, 0x90, 0x99);
const QColor kHover(0xE6, 0xEE, 0xF9);
const QColor kSelected(0xCF, 0xE3, 0xFF);
const QColor kAccent(0x2F, 0x6F, 0xDE);

template <class View> void applyRows(View* view)
{
    view->setBackground(CommonCtrlStateNormal, DesignerLook::fill(Qt::white));
    view->setItemBackground(CtrlStateAll, DesignerLook::fill(Qt::white));
    view->setItemBackground(CtrlStateHot, DesignerLook::fill(kHover));
    view->setItemBackground(CtrlStatePressed, DesignerLook::fill(kSelected));
    view->setItemTextStyle(CtrlStateAll, DesignerLook::text(kInk));
    view->setItemTextStyle(CtrlStateDisable, DesignerLook::text(kMuted));
    for (bool horizontal : {false, true}) {
        view->setScrollbarSize(horizontal, 10);
        view->setScrollbarBtnSize(horizontal, 0);
        view->setScrollbarBackgroundStyle(horizontal, DesignerLook::fill(DesignerLook::panel()));
        view->setScrollbarThumbStyle(horizontal, CtrlStateAll,
                                     DesignerLook::fill(QColor(0xB8, 0xBE, 0xC7), QColor(), 4));
        view->setScrollbarThumbStyle(horizontal, CtrlStateHot,
                                     DesignerLook::fill(QColor(0x98, 0xA0, 0xAB), QColor(), 4));
    }
}

} // namespace

FillStyle DesignerLook::fill(const QColor& color, const QColor& border, int round)
{
    FillStyle style;
    style.fillRes.color = color;
    style.fillRes.gradientEndColor = color;
    style.fillRes.round = round;
    if (border.isValid()) {
        style.fillRes.border = true;
        style.fillRes.borderSize = 1;
        style.fillRes.borderColor = border;
    }
    return style;
}

TextStyleDesc DesignerLook::text(const QColor& color, int size, bool bold, int horAlign)
{
    TextStyleDesc style;
    style.color = color;
    style.size = size;
    style.bold = bold;
    style.horAlign = horAlign;
    style.family = QString();
    return style;
}

void DesignerLook::apply(MOXQPushButton* button)
{
    button->setBackground(CtrlStateNormal, fill(Qt::white, line(), 4));
    button->setBackground(CtrlStateHot, fill(kHover, kAccent, 4));
    button->setBackground(CtrlStatePressed, fill(kSelected, kAccent, 4));
    button->setBackground(CtrlStateDisable, fill(panel(), line(), 4));
    button->setTextStyle(CtrlStateAll, text(kInk, 13, false, 1));
    button->setTextStyle(CtrlStateDisable, text(kMuted, 13, false, 1));
}

void DesignerLook::apply(MOXQMenuBar* bar)
{
    bar->setBackground(CommonCtrlStateNormal, fill(panel()));
    bar->setItemBackground(CtrlStateAll, fill(panel()));
    bar->setItemBackground(CtrlStateHot, fill(kHover));
    bar->setItemBackground(CtrlStatePressed, fill(kSelected));
    bar->setTextStyle(CtrlStateAll, text(kInk, 13, false, 1));
    bar->setTextStyle(CtrlStateDisable, text(kMuted, 13, false, 1));
    bar->setPopupBackground(CommonCtrlStateNormal, fill(Qt::white, line()));
    bar->setPopupItemBackground(CtrlStateAll, fill(Qt::white));
    bar->setPopupItemBackground(CtrlStateHot, fill(kHover));
    bar->setPopupTextStyle(CtrlStateAll, text(kInk));
    bar->setPopupTextStyle(CtrlStateDisable, text(kMuted));
}

void DesignerLook::apply(MOXQScrollBar* bar)
{
    bar->setScrollbarBackground(fill(panel()));
    bar->setScrollbarThumb(CtrlStateAll, fill(QColor(0xB8, 0xBE, 0xC7), QColor(), 4));
    bar->setScrollbarThumb(CtrlStateHot, fill(QColor(0x98, 0xA0, 0xAB), QColor(), 4));
    bar->setScrollbarUpButton(CtrlStateAll, fill(panel()));
    bar->setScrollbarDownButton(CtrlStateAll, fill(panel()));
}

void DesignerLook::apply(MOXQSplitter* splitter)
{
    splitter->setBackground(fill(line()));
}

void DesignerLook::apply(MOXQList* list)
{
    applyRows(list);
}

void DesignerLook::apply(MOXQTreeView* tree)
{
    applyRows(tree);
    // Qt paints the branch column of a selected row itself, in the highlight colour.
    QPalette colours = tree->palette();
    colours.setColor(QPalette::Highlight, kSelected);
    tree->setPalette(colours);
}
