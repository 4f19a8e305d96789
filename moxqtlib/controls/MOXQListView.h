#pragma once

// The library's template list view ("qtlistview"): a QListView whose items are drawn by
// stamping an item template, a hidden container of ordinary controls, into each item. The
// program fills the template for an item through the display callback (a page file may list
// the items instead); the view lays the template out at the item's size, paints its controls
// into the item, shows the control under the mouse hot, reports presses on template controls
// with pressCtrl and, when selection is on, selects text across the items' extended labels.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQListViewImpl.h"
#include "MOXScrollBarLooks.h"

#include <QListView>

namespace MOXQtLib {

class MOXQListView : public MOXQControl<QListView, MOXQListViewImpl, MOXRouteNone>,
                     public MOXScrollBarSetters<MOXQListView>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQListView(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtlistview"); }
    static ControlInfo getProps();
    static QWidget* createMOXQListView() { return new MOXQListView; }

    // The template (a MOXQContainer; any other widget is kept but draws nothing). It is
    // hidden; the view does not own it. A page file's first child container becomes it.
    void setItemTemplate(QWidget* widget) { impl()->setItemTemplate(widget); }
    QWidget* getitemTemplate() const { return impl()->getItemTemplate(); }
    // Fills the template's controls for an index before the item is drawn or hit.
    void setItemDisplayCallBack(MOXQListViewImpl::ItemDisplayCallBack callBack) { impl()->setItemDisplayCallBack(std::move(callBack)); }
    const MOXQListViewImpl::ItemDisplayCallBack& getItemDisplayCallBack() const { return impl()->getItemDisplayCallBack(); }
    // The size of an item, once the view has a template.
    void setItemForSizeCallBack(MOXQListViewImpl::ItemForSizeCallBack callBack) { impl()->setItemForSizeCallBack(std::move(callBack)); }
    const MOXQListViewImpl::ItemForSizeCallBack& getItemForSizeCallBack() const { return impl()->getItemForSizeCallBack(); }
    // Stored for the program; the view does not call it.
    void setLabelExCallBack(MOXQListViewImpl::LabelExCallBack callBack) { impl()->setLabelExCallBack(std::move(callBack)); }
    const MOXQListViewImpl::LabelExCallBack& getLabelExCallBack() const { return impl()->getLabelExCallBack(); }

    // Item sizes: 0 gives 20. The width counts in the icon mode only.
    void setItemHeight(int height) { impl()->setItemHeight(height); }
    int getItemHeight() const { return impl()->getItemHeight(); }
    void setItemWidth(int width) { impl()->setItemWidth(width); }
    int getItemWidth() const { return impl()->getItemWidth(); }
    // Text selection across the items' extended labels (those selectable by mouse).
    void setEnableSelection(bool enable) { impl()->setEnableSelection(enable); }
    bool getEnableSelection() const { return impl()->getEnableSelection(); }
    void clearHighLight() { impl()->clearHighLight(); }

    // One background under the items, whatever the state.
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }
    // The item's background in place of the template's: Pressed for a selected item, Hot
    // under the mouse, else Normal. States 0 to 3, or 4 for all four; other states are
    // ignored by the setter and read as Normal.
    void setItemBackground(CtrlState state, const FillStyle& style) { impl()->setItemBackground(state, style); }
    const FillStyle& getItemBackground(CtrlState state) const { return impl()->getItemBackground(state); }

    void setDelegateItemVisible(bool visible) { impl()->setDelegateItemVisible(visible); }
    bool getDelegateItemVisible() const { return impl()->getDelegateItemVisible(); }
    // A model of 20 empty rows, in place of the previous demo model.
    void initDemoData() { impl()->initDemoData(); }

    void setModel(QAbstractItemModel* model) override;

signals:
    // A press landed on `control` of the template in the item at `index`.
    void pressCtrl(QWidget* control, const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
};

} // namespace MOXQtLib
