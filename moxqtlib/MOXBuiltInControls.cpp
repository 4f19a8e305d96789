// The built-in control types of the library, in their registry order: the records first, then
// the aliases. Each control class joins here when it is added.

#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQContainer.h"
#include "MOXQGroupBox.h"
#include "MOXQImage.h"
#include "MOXQLCDNumber.h"
#include "MOXQLabel.h"
#include "MOXQPushButton.h"
#include "MOXQSpacer.h"
#include "MOXQStackContainer.h"
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
    moxRegisterQtControl("qtstackcontainer", &MOXQStackContainer::createMOXQStackContainer,
                         MOXQStackContainer::getProps());
    moxRegisterQtControl("qtspacer", &MOXQSpacer::createMOXQSpacer, MOXQSpacer::getProps());
    moxRegisterQtControl("qtgroupbox", &MOXQGroupBox::createMOXQGroupBox,
                         MOXQGroupBox::getProps());
    moxRegisterQtControl("qtlcdnumber", &MOXQLCDNumber::createMOXQLCDNumber,
                         MOXQLCDNumber::getProps());
    moxRegisterQtControl("qtpicture", &MOXQImage::createMOXQImage, MOXQImage::getProps());

    // Aliases: "canvas", "scrollbar", "container", "scrollview", "picture", "image", "button",
    // "menubar", "label"; then the default-control names "checkbox", "label", "listview",
    // "progressbar", "radio", "radiobox", "slider", "stackcontainer", "tab", "dedit",
    // "combobox", "templateList", "list", "tree", "datagrid", "groupbox", "spinbox",
    // "dnumedit", "splitter", "switch", "qttext", "property".
    moxRegisterDefaultControl("canvas", &MOXQCanvas::createMOXQCanvas);
    moxRegisterDefaultControl("container", &createMOXQContainer);
    moxRegisterDefaultControl("picture", &MOXQImage::createMOXQImage);
    moxRegisterDefaultControl("image", &MOXQImage::createMOXQImage);
    moxRegisterDefaultControl("button", &MOXQPushButton::createMOXQPushButton);
    moxRegisterDefaultControl("label", &MOXQLabel::createMOXQLabel);
    moxRegisterDefaultControl("stackcontainer", &MOXQStackContainer::createMOXQStackContainer);
    moxRegisterDefaultControl("groupbox", &MOXQGroupBox::createMOXQGroupBox);
}

} // namespace MOXQtLib
