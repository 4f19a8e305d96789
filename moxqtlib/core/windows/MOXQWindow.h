#pragma once

// A top-level window ("MOXWindow") that hosts pages: a QDialog that can be dragged by its body
// or caption and resized from its edges, registered with the resource manager so that theme,
// configuration and language changes reach its controls.

#include "MOXQWindowBase.h"

#include <QDialog>
#include <QMdiArea>
#include <QPointer>

class QEventLoop;

namespace MOXQtLib {

class MOXQWindow : public MOXQWindowBase<QDialog>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQWindow(QWidget* parent = nullptr);
    ~MOXQWindow() override;

    static QString typeName() { return QStringLiteral("MOXWindow"); }

    // Shows the window application-modal and returns once it is done, closed, hidden or
    // destroyed, or closeModal is called.
    void doModal();
    void closeModal();
    bool isInModalLoop() const { return m_loop != nullptr; }

    QMdiArea* getMDIArea() const { return m_mdiArea; }
    void setMDIArea(QMdiArea* area) { m_mdiArea = area; }

    // The deepest shown widget under (x, y) in window coordinates, or null.
    static QWidget* hitTest(QWidget* root, int x, int y)
    {
        return MOXQWindowImpl::hitTest(root, x, y);
    }

    void done(int result) override;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QEventLoop* m_loop = nullptr;
    QPointer<QMdiArea> m_mdiArea;
};

} // namespace MOXQtLib
