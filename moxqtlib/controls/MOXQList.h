#pragma once

// The library's list ("qtlist"): a QListWidget whose background, item backgrounds and item
// texts are drawn from library styles, with an icon column sized by the item height, a fixed
// item height, single or multiple selection and two library scroll bars. The application fills
// it through QListWidget's own item interface: the display text, and in the decoration role an
// icon or an image path.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQListImpl.h"
#include "MOXScrollBarLooks.h"

#include <QListWidget>

namespace MOXQtLib {

class MOXQList : public MOXQControl<QListWidget, MOXQListImpl, MOXRouteNone>,
                 public MOXScrollBarSetters<MOXQList>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQList(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtlist"); }
    static ControlInfo getProps();
    static QWidget* createMOXQList() { return new MOXQList; }

    // One background, painted under the items; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }
    // Item looks: Hot for the item under the mouse (even when selected), Pressed for a selected
    // one, else Normal. States 0 to 3, or 4 for all four; other states are ignored by the
    // setters and read as Normal.
    void setItemBackground(CtrlState state, const FillStyle& style) { impl()->setItemBackground(state, style); }
    const FillStyle& getItemBackground(CtrlState state) const { return impl()->getItemBackground(state); }
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setItemTextStyle(state, style); }
    const TextStyleDesc& getItemTextStyle(CtrlState state) const { return impl()->getItemTextStyle(state); }
    // Every item's height; 0 gives 20, negative counts as 0. Items take it at once.
    void setItemHeight(int height) { impl()->setItemHeight(height); }
    int getItemHeight() const { return impl()->getItemHeight(); }
    // Multi selection when true, single selection when false; reads true for any mode but
    // single selection.
    void setIsMultiSelected(bool multi) { impl()->setIsMultiSelected(multi); }
    bool getIsMultiSelected() const { return impl()->getIsMultiSelected(); }
    // Stored for the views that stamp controls into items; the list does not consult it.
    void setDelegateItemVisible(bool visible) { impl()->setDelegateItemVisible(visible); }
    bool getDelegateItemVisible() const { return impl()->getDelegateItemVisible(); }
    void setInnerVisible(bool visible) { getControlBase()->setInnerVisible(visible); }
    bool getInnerVisible() { return getControlBase()->getInnerVisible(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
};

} // namespace MOXQtLib
