#include "MOXQWindow.h"

#include "MOXQResourceManager.h"

#include <QEventLoop>

namespace MOXQtLib {

MOXQWindow::MOXQWindow(QWidget* parent) : MOXQWindowBase(typeName(), parent)
{
    MOXQResourceManager::getInstance()->registerWindow(this);
}

MOXQWindow::~MOXQWindow()
{
    closeModal();
    MOXQResourceManager::getInstance()->unregisterWindow(this);
}

void MOXQWindow::doModal()
{
    if (m_loop) return;
    // The loop lives on this stack frame: the window may be destroyed while it runs.
    QEventLoop loop;
    QPointer<MOXQWindow> self(this);
    m_loop = &loop;
    setWindowModality(Qt::ApplicationModal);
    show();
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
    if (self) m_loop = nullptr;
}

void MOXQWindow::closeModal()
{
    if (m_loop) m_loop->exit();
}

void MOXQWindow::done(int result)
{
    MOXQWindowBase::done(result);
    closeModal();
}

void MOXQWindow::hideEvent(QHideEvent* event)
{
    MOXQWindowBase::hideEvent(event);
    closeModal();
}

} // namespace MOXQtLib
