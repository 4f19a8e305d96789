#include "MOXQTextEdit.h"

namespace MOXQtLib {

MOXQTextEdit::MOXQTextEdit(QWidget* parent) : MOXQEditControl(typeName(), parent)
{
    const QString transparent = QStringLiteral("background-color: rgba(0, 0, 0, 0);");
    viewport()->setStyleSheet(transparent);
    // Scoped to the control: a background rule reaching the bars would hand their geometry
    // to the style sheet.
    setStyleSheet(QStringLiteral("MOXQtLib--MOXQTextEdit { %1 }").arg(transparent));
    MOXScrollBarLooks::installBars(this);
    viewport()->installEventFilter(this);
    setFrameShape(QFrame::NoFrame);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQTextEdit::getProps()
{
    return moxMakeControlInfo("qttext", "MOXQTextEdit", "TextEdit", "Control TextEdit", "text",
                              MOXQTextEditImpl::keys());
}

bool MOXQTextEdit::event(QEvent* event)
{
    // The control's own paint events (the viewport's go to paintEvent): the look over the
    // whole control, margins included, shows through the transparent viewport.
    if (event->type() == QEvent::Paint) impl()->paintControl();
    return QTextEdit::event(event);
}

bool MOXQTextEdit::eventFilter(QObject* watched, QEvent* event)
{
    // The state's font and colour before the viewport draws the text.
    if (event->type() == QEvent::Paint && watched == viewport()) impl()->applyStateTextStyle();
    return QTextEdit::eventFilter(watched, event);
}

} // namespace MOXQtLib
