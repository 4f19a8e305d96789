#pragma once

// The design-time stand-in of a window ("qtwindow"): it always covers its parent exactly, and
// jumps back to the parent's origin whenever it is moved.

#include "MOXQControl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQWindowDesigner : public MOXQControl<QWidget, MOXQWidgetBaseImpl, MOXRouteNone>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQWindowDesigner(QWidget* parent = nullptr);
    ~MOXQWindowDesigner() override;

    static QString typeName() { return QStringLiteral("qtwindow"); }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void fitParent();
    void watchParent();

    QPointer<QWidget> m_watched;
};

} // namespace MOXQtLib
