#pragma once

// A child window ("MOXSubWin"): dragged and resized like MOXQWindow, without registration or
// modality.

#include "MOXQWindowBase.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQSubWin : public MOXQWindowBase<QWidget>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQSubWin(QWidget* parent = nullptr) : MOXQWindowBase(typeName(), parent) {}

    static QString typeName() { return QStringLiteral("MOXSubWin"); }

    // Centres the window on the primary screen.
    void centerWindow();
};

} // namespace MOXQtLib
