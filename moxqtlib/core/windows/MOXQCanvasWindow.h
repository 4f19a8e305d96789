#pragma once

// The window of a page opened on the designer canvas ("Window"). Its controls stay hidden Qt
// widgets that the canvas paints; the window keeps the page's window keys so that saving
// writes them back.

#include "MOXControlInfo.h"
#include "MOXQPageFile.h"
#include "MOXQWindowBase.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQCanvasWindow : public MOXQWindowBase<QWidget>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQCanvasWindow(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("Window"); }
    static ControlInfo getProps();
    static QWidget* createCanvas() { return new MOXQCanvasWindow; }

    void setX(int x) { move(x, y()); }
    void setY(int y) { move(x(), y); }
    void setWidth(int width) { resize(qMax(0, width), height()); }
    void setHeight(int height) { resize(width(), qMax(0, height)); }
    void setPageName(const QString& name) { m_pageName = name; }
    QString getPageName() const { return m_pageName; }
    // Frameless with a translucent background once the page is shown as a window.
    void setTransparent(bool transparent);

    // The window keys, as read from the page and as written back.
    void setMinWidth(int width) override;
    void setMinHeight(int height) override;
    void setResizeable(bool resizeable) override;
    void setCanDrag(bool canDrag) override;
    void setOnlyDragCaption(bool only) override;
    // "dbmax" and "dbheight": kept for the page file, which the loader does not apply.
    void setDoubleClickMaximize(bool on, int captionHeight);
    const MOXPageWindowKeys& windowKeys() const { return m_keys; }

    // The page document: size, window keys and every child control.
    QString toJsonString() const;
    Json::Value toJson() const;

    // The deepest child widget marked visible ("visibility") under (x, y) in window
    // coordinates, or null when the point is on no child.
    QWidget* HitTestWithChildren(int x, int y) const;

private:
    QString m_pageName;
    MOXPageWindowKeys m_keys;
};

} // namespace MOXQtLib
