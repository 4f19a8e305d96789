// The built-in control types of the library, in their registry order: the records first, then
// the aliases. Each control class joins here when it is added.

#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQComboBox.h"
#include "MOXQContainer.h"
#include "MOXQLabel.h"
#include "MOXQLineEdit.h"
#include "MOXQProgressBar.h"
#include "MOXQPushButton.h"
#include "MOXQScrollBar.h"
#include "MOXQScrollView.h"
#include "MOXQSlider.h"
#include "MOXQSpinBox.h"
#include "MOXQSplitter.h"
#include "MOXQTabWidget.h"
#include "MOXQtLib.h"

namespace MOXQtLib {

void moxRegisterBuiltInControls()
{
    // Table order: "Window", "qtcontainer", "qtbutton", "qtmenubar", "qtlabel", "qtcheckbox",
    // "qtlistview" (not listed), "qtprogressbar", "qtradiobox", "qtslider", "qtstackcontainer",
    // "qtspacer", "qttab", "qtdedit", "qtcombobox", "qtlist", "qttree", "qtdatagrid",
    // "qtgroupbox", "qtspinbox" (function only), "qtlcdnumber", "qtsplitter" (function only),
    // "qtswitch", "qtscrollview", "qtscrollbar", "qttext", "qtlabelex" (function only),
    // "qtpicture", "qtproperty", "qtribbonbar".
    moxRegisterQtControl("Window", &MOXQCanvasWindow::createCanvas, MOXQCanvasWindow::getProps());
    moxRegisterQtControl("qtcontainer", &createMOXQContainer, MOXQContainer::getProps());
    moxRegisterQtControl("qtbutton", &MOXQPushButton::createMOXQPushButton,
                         MOXQPushButton::getProps());
    moxRegisterQtControl("qtlabel", &MOXQLabel::createMOXQLabel, MOXQLabel::getProps());
    moxRegisterQtControl("qtprogressbar", &MOXQProgressBar::createMOXQProgressBar,
                         MOXQProgressBar::getProps());
    moxRegisterQtControl("qtslider", &MOXQSlider::createMOXQSlider, MOXQSlider::getProps());
    moxRegisterQtControl("qttab", &MOXQTabWidget::createMOXQTabWidget, MOXQTabWidget::getProps());
    moxRegisterQtControl("qtdedit", &MOXQLineEdit::createMOXQLineEdit, MOXQLineEdit::getProps());
    moxRegisterQtControl("qtcombobox", &MOXQComboBox::createMOXQComboBox,
                         MOXQComboBox::getProps());
    moxRegisterDefaultControl("qtspinbox", &MOXQSpinBox::createMOXQSpinBox);
    moxRegisterDefaultControl("qtsplitter", &MOXQSplitter::createMOXQSplitter);
    moxRegisterQtControl("qtscrollview", &MOXQScrollView::createMOXQScrollView,
                         MOXQScrollView::getProps());
    moxRegisterQtControl("qtscrollbar", &MOXQScrollBar::createMOXQScrollBar,
                         MOXQScrollBar::getProps());

    // Aliases: "canvas", "scrollbar", "container", "scrollview", "picture", "image", "button",
    // "menubar", "label"; then the default-control names "checkbox", "label", "listview",
    // "progressbar", "radio", "radiobox", "slider", "stackcontainer", "tab", "dedit",
    // "combobox", "templateList", "list", "tree", "datagrid", "groupbox", "spinbox",
    // "dnumedit", "splitter", "switch", "qttext", "property".
    moxRegisterDefaultControl("canvas", &MOXQCanvas::createMOXQCanvas);
    moxRegisterDefaultControl("scrollbar", &MOXQScrollBar::createMOXQScrollBar);
    moxRegisterDefaultControl("container", &createMOXQContainer);
    moxRegisterDefaultControl("scrollview", &MOXQScrollView::createMOXQScrollView);
    moxRegisterDefaultControl("button", &MOXQPushButton::createMOXQPushButton);
    moxRegisterDefaultControl("label", &MOXQLabel::createMOXQLabel);
    moxRegisterDefaultControl("progressbar", &MOXQProgressBar::createMOXQProgressBar);
    moxRegisterDefaultControl("slider", &MOXQSlider::createMOXQSlider);
    moxRegisterDefaultControl("tab", &MOXQTabWidget::createMOXQTabWidget);
    moxRegisterDefaultControl("dedit", &MOXQLineEdit::createMOXQLineEdit);
    moxRegisterDefaultControl("combobox", &MOXQComboBox::createMOXQComboBox);
    moxRegisterDefaultControl("spinbox", &MOXQSpinBox::createMOXQSpinBox);
    moxRegisterDefaultControl("dnumedit", &MOXQSpinBox::createMOXQSpinBox);
    moxRegisterDefaultControl("splitter", &MOXQSplitter::createMOXQSplitter);
}

} // namespace MOXQtLib
