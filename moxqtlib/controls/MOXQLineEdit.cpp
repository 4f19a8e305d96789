#include "MOXQLineEdit.h"

namespace MOXQtLib {

MOXQLineEdit::MOXQLineEdit(QWidget* parent) : MOXQEditControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

ControlInfo MOXQLineEdit::getProps()
{
    return moxMakeControlInfo("qtdedit", "MOXQLineEdit", "LineEdit", "Control LineEdit", "edit",
                              MOXQLineEditImpl::keys());
}

void MOXQLineEdit::paintEvent(QPaintEvent* event)
{
    impl()->paintControl();
    impl()->applyStateTextStyle();
    QLineEdit::paintEvent(event);
}

void MOXQLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (impl()->handleKey(event))
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
}

} // namespace MOXQtLib
