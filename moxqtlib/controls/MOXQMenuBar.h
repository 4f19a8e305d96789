#pragma once

// The library's menu bar ("qtmenubar"): a QMenuBar whose bar and top-level items are drawn
// from fill and text styles, with a hover look and a pressed look per item. It also carries
// the looks of its pop-up menus and hands them to the library menus added to it.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQMenuBarImpl.h"

#include <QMenuBar>

namespace MOXQtLib {

class MOXQMenuBar : public MOXQControl<QMenuBar, MOXQMenuBarImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQMenuBar(QWidget* parent = nullptr);
    ~MOXQMenuBar() override;

    static QString typeName() { return QStringLiteral("qtmenubar"); }
    static ControlInfo getProps();
    static QWidget* createMOXQMenuBar() { return new MOXQMenuBar; }

    using QMenuBar::addMenu;
    // Null for a null menu. A library menu takes the bar's named pop-up looks.
    QAction* addMenu(QMenu* menu) { return menu ? QMenuBar::addMenu(menu) : nullptr; }
    // An empty rectangle for a null action.
    QRect actionGeometry(QAction* action) const { return action ? QMenuBar::actionGeometry(action) : QRect(); }

    // The bar's background (the state is ignored).
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }
    // Item cells and captions per state; state 4 sets all four. The Normal caption style also
    // sizes the bar's font (its size + 1 pixels).
    void setItemBackground(CtrlState state, const FillStyle& style) { impl()->setItemBackground(state, style); }
    const FillStyle& getItemBackground(CtrlState state) const { return impl()->getItemBackground(state); }
    void setTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setTextStyle(state, style); }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }
    // Pop-up looks: kept, written, and handed to the library menus of the bar by name.
    void setPopupBackground(CommonCtrlState state, const FillStyle& style) { impl()->setPopupBackground(state, style); }
    const FillStyle& getPopupBackground(CommonCtrlState state) const { return impl()->getPopupBackground(state); }
    void setPopupItemBackground(CtrlState state, const FillStyle& style) { impl()->setPopupItemBackground(state, style); }
    const FillStyle& getPopupItemBackground(CtrlState state) const { return impl()->getPopupItemBackground(state); }
    void setPopupTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setPopupTextStyle(state, style); }
    const TextStyleDesc& getPopupTextStyle(CtrlState state) const { return impl()->getPopupTextStyle(state); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;
};

} // namespace MOXQtLib
