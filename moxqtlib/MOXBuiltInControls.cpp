// The built-in control types of the library, in their registry order: the records first, then
// the aliases. Each control class joins here when it is added.

#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQCheckBox.h"
#include "MOXQComboBox.h"
#include "MOXQContainer.h"
#include "MOXQGroupBox.h"
#include "MOXQImage.h"
#include "MOXQLCDNumber.h"
#include "MOXQLabel.h"
#include "MOXQLabelEx.h"
#include "MOXQLineEdit.h"
#include "MOXQList.h"
#include "MOXQListView.h"
#include "MOXQMenuBar.h"
#include "MOXQProgressBar.h"
#include "MOXQPropertyList.h"
#include "MOXQPushButton.h"
#include "MOXQRadioButton.h"
#include "MOXQRibbonBar.h"
#include "MOXQScrollBar.h"
#include "MOXQScrollView.h"
#include "MOXQSlider.h"
#include "MOXQSpacer.h"
#include "MOXQSpinBox.h"
#include "MOXQSplitter.h"
#include "MOXQStackContainer.h"
#include "MOXQSwitch.h"
#include "MOXQTabWidget.h"
#include "MOXQTableView.h"
#include "MOXQTextEdit.h"
#include "MOXQTreeView.h"
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
    moxRegisterQtControl("qtmenubar", &MOXQMenuBar::createMOXQMenuBar, MOXQMenuBar::getProps());
    moxRegisterQtControl("qtlabel", &MOXQLabel::createMOXQLabel, MOXQLabel::getProps());
    moxRegisterQtControl("qtcheckbox", &MOXQCheckBox::createMOXQCheckBox, MOXQCheckBox::getProps());
    moxRegisterQtControl("qtlistview", &MOXQListView::createMOXQListView, MOXQListView::getProps(),
                         false);
    moxRegisterQtControl("qtprogressbar", &MOXQProgressBar::createMOXQProgressBar,
                         MOXQProgressBar::getProps());
    moxRegisterQtControl("qtradiobox", &MOXQRadioButton::createMOXQRadioButton,
                         MOXQRadioButton::getProps());
    moxRegisterQtControl("qtslider", &MOXQSlider::createMOXQSlider, MOXQSlider::getProps());
    moxRegisterQtControl("qtstackcontainer", &MOXQStackContainer::createMOXQStackContainer,
                         MOXQStackContainer::getProps());
    moxRegisterQtControl("qtspacer", &MOXQSpacer::createMOXQSpacer, MOXQSpacer::getProps());
    moxRegisterQtControl("qttab", &MOXQTabWidget::createMOXQTabWidget, MOXQTabWidget::getProps());
    moxRegisterQtControl("qtdedit", &MOXQLineEdit::createMOXQLineEdit, MOXQLineEdit::getProps());
    moxRegisterQtControl("qtcombobox", &MOXQComboBox::createMOXQComboBox,
                         MOXQComboBox::getProps());
    moxRegisterQtControl("qtlist", &MOXQList::createMOXQList, MOXQList::getProps());
    moxRegisterQtControl("qttree", &MOXQTreeView::createMOXQTreeView, MOXQTreeView::getProps());
    moxRegisterQtControl("qtdatagrid", &MOXQTableView::createMOXQTableView,
                         MOXQTableView::getProps());
    moxRegisterQtControl("qtgroupbox", &MOXQGroupBox::createMOXQGroupBox,
                         MOXQGroupBox::getProps());
    moxRegisterDefaultControl("qtspinbox", &MOXQSpinBox::createMOXQSpinBox);
    moxRegisterQtControl("qtlcdnumber", &MOXQLCDNumber::createMOXQLCDNumber,
                         MOXQLCDNumber::getProps());
    moxRegisterDefaultControl("qtsplitter", &MOXQSplitter::createMOXQSplitter);
    moxRegisterQtControl("qtswitch", &MOXQSwitch::createMOXQSwitch, MOXQSwitch::getProps());
    moxRegisterQtControl("qtscrollview", &MOXQScrollView::createMOXQScrollView,
                         MOXQScrollView::getProps());
    moxRegisterQtControl("qtscrollbar", &MOXQScrollBar::createMOXQScrollBar,
                         MOXQScrollBar::getProps());
    moxRegisterQtControl("qttext", &MOXQTextEdit::createMOXQTextEdit, MOXQTextEdit::getProps());
    moxRegisterDefaultControl("qtlabelex", &MOXQLabelEx::createMOXQLabelEx);
    moxRegisterQtControl("qtpicture", &MOXQImage::createMOXQImage, MOXQImage::getProps());
    moxRegisterQtControl("qtproperty", &MOXQPropertyList::createMOXQPropertyList,
                         MOXQPropertyList::getProps());
    moxRegisterQtControl("qtribbonbar", &MOXQRibbonBar::createMOXQRibbonBar,
                         MOXQRibbonBar::getProps());

    // Aliases: "canvas", "scrollbar", "container", "scrollview", "picture", "image", "button",
    // "menubar", "label"; then the default-control names "checkbox", "label", "listview",
    // "progressbar", "radio", "radiobox", "slider", "stackcontainer", "tab", "dedit",
    // "combobox", "templateList", "list", "tree", "datagrid", "groupbox", "spinbox",
    // "dnumedit", "splitter", "switch", "qttext", "property".
    moxRegisterDefaultControl("canvas", &MOXQCanvas::createMOXQCanvas);
    moxRegisterDefaultControl("scrollbar", &MOXQScrollBar::createMOXQScrollBar);
    moxRegisterDefaultControl("container", &createMOXQContainer);
    moxRegisterDefaultControl("scrollview", &MOXQScrollView::createMOXQScrollView);
    moxRegisterDefaultControl("picture", &MOXQImage::createMOXQImage);
    moxRegisterDefaultControl("image", &MOXQImage::createMOXQImage);
    moxRegisterDefaultControl("button", &MOXQPushButton::createMOXQPushButton);
    moxRegisterDefaultControl("menubar", &MOXQMenuBar::createMOXQMenuBar);
    moxRegisterDefaultControl("label", &MOXQLabel::createMOXQLabel);
    moxRegisterDefaultControl("checkbox", &MOXQCheckBox::createMOXQCheckBox);
    moxRegisterDefaultControl("listview", &MOXQListView::createMOXQListView);
    moxRegisterDefaultControl("progressbar", &MOXQProgressBar::createMOXQProgressBar);
    moxRegisterDefaultControl("radio", &MOXQRadioButton::createMOXQRadioButton);
    moxRegisterDefaultControl("radiobox", &MOXQRadioButton::createMOXQRadioButton);
    moxRegisterDefaultControl("slider", &MOXQSlider::createMOXQSlider);
    moxRegisterDefaultControl("stackcontainer", &MOXQStackContainer::createMOXQStackContainer);
    moxRegisterDefaultControl("tab", &MOXQTabWidget::createMOXQTabWidget);
    moxRegisterDefaultControl("dedit", &MOXQLineEdit::createMOXQLineEdit);
    moxRegisterDefaultControl("combobox", &MOXQComboBox::createMOXQComboBox);
    moxRegisterDefaultControl("templateList", &MOXQListView::createMOXQListView);
    moxRegisterDefaultControl("list", &MOXQList::createMOXQList);
    moxRegisterDefaultControl("tree", &MOXQTreeView::createMOXQTreeView);
    moxRegisterDefaultControl("datagrid", &MOXQTableView::createMOXQTableView);
    moxRegisterDefaultControl("groupbox", &MOXQGroupBox::createMOXQGroupBox);
    moxRegisterDefaultControl("spinbox", &MOXQSpinBox::createMOXQSpinBox);
    moxRegisterDefaultControl("dnumedit", &MOXQSpinBox::createMOXQSpinBox);
    moxRegisterDefaultControl("splitter", &MOXQSplitter::createMOXQSplitter);
    moxRegisterDefaultControl("switch", &MOXQSwitch::createMOXQSwitch);
    moxRegisterDefaultControl("qttext", &MOXQTextEdit::createMOXQTextEdit);
    moxRegisterDefaultControl("property", &MOXQPropertyList::createMOXQPropertyList);
}

} // namespace MOXQtLib
