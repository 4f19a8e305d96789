#pragma once

// The palette: one row per listed control type of the registry (display name, an icon, the
// description as tooltip). A row dragged onto the canvas drops a control of its type there; a
// double click or Enter asks for one inside the selected control.

#include "MOXQList.h"

#include <QString>

#include <functional>

class QDrag;

class DesignerPalette : public MOXQtLib::MOXQList
{
    Q_OBJECT
public:
    explicit DesignerPalette(QWidget* parent = nullptr);

    // The type names of the rows, in row order.
    QStringList typeNames() const;
    int rowOf(const QString& typeName) const;

    // The icon of a type: a tile in a colour of its own with its initials.
    static QIcon iconFor(const QByteArray& typeName, const QString& displayName);

    // Runs a palette drag; by default the window system's (QDrag::exec). A host or a test
    // that moves drags itself puts its own here; an empty function restores the default.
    using DragRunner = std::function<void(QDrag* drag)>;
    static void setDragRunner(DragRunner runner);

signals:
    void addRequested(const QString& typeName);

protected:
    // The canvas takes drops whose source names a type in its "TypeName" property.
    void startDrag(Qt::DropActions actions) override;
    void keyPressEvent(QKeyEvent* event) override;
};
