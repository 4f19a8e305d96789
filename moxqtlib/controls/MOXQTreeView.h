#pragma once

// The library's tree view ("qttree"): a QTreeView whose background, row backgrounds and row
// texts are drawn from library styles, with an icon column sized by the row height, a fixed
// row height, a hidden header and two library scroll bars. The application supplies the model;
// a page file may give the rows itself ("items").

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQTreeViewImpl.h"
#include "MOXScrollBarLooks.h"

#include <QTreeView>

namespace MOXQtLib {

class MOXQTreeView : public MOXQControl<QTreeView, MOXQTreeViewImpl, MOXRouteNone>,
                     public MOXScrollBarSetters<MOXQTreeView>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQTreeView(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qttree"); }
    static ControlInfo getProps();
    static QWidget* createMOXQTreeView() { return new MOXQTreeView; }

    // One background, under the rows and in the corner between the bars; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }
    // Row looks: Pressed for a selected row (even under the mouse), Hot for the row under the
    // mouse, else Normal. States 0 to 3, or 4 for all four; other states are ignored by the
    // setters and read as Normal.
    void setItemBackground(CtrlState state, const FillStyle& style) { impl()->setItemBackground(state, style); }
    const FillStyle& getItemBackground(CtrlState state) const { return impl()->getItemBackground(state); }
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setItemTextStyle(state, style); }
    const TextStyleDesc& getItemTextStyle(CtrlState state) const { return impl()->getItemTextStyle(state); }
    // Kept for a header that stays hidden: nothing paints with them.
    void setHeaderBgStyle(CtrlState state, const FillStyle& style) { impl()->setHeaderBgStyle(state, style); }
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setHeaderTextStyle(state, style); }
    // Every row's height; 0 gives 20, negative counts as 0. Rows take it at once.
    void setItemHeight(int height) { impl()->setItemHeight(height); }
    int getItemHeight() const { return impl()->getItemHeight(); }
    // Stored for the views that stamp controls into items; the tree does not consult it.
    void setDelegateItemVisible(bool visible) { impl()->setDelegateItemVisible(visible); }
    bool getDelegateItemVisible() const { return impl()->getDelegateItemVisible(); }
    // Inside the designer's emulator host: shows the sample model (see resizeControl).
    void initDemoData() { impl()->resizeControl(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace MOXQtLib
