#include "MOXQLineEdit.h"

namespace MOXQtLib {

MOXQLineEdit::MOXQLineEdit(QWidget* parent) : MOXQControl(typeName(), parent)
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

void MOXQLineEdit::enterEvent(QEvent* event)
{
    QLineEdit::enterEvent(event);
    impl()->enterControl();
}

void MOXQLineEdit::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    impl()->leaveControl();
}

void MOXQLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    impl()->focusControl(true);
}

void MOXQLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    impl()->focusControl(false);
}

} // namespace MOXQtLib
