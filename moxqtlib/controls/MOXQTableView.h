#pragma once

// The library's table view ("qtdatagrid"): a QTableView whose every visible surface is drawn
// from library styles: the background, item backgrounds and texts per state, headers, an
// optional check-mark column with a check box in the header, an image before a cell's text
// (model role MOXQTableViewImpl::IconRole) and column widgets. The application supplies the
// model; the control supplies looks and interaction.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQTableViewImpl.h"
#include "MOXScrollBarLooks.h"

#include <QList>
#include <QTableView>

namespace MOXQtLib {

class MOXQTableView : public MOXQControl<QTableView, MOXQTableViewImpl, MOXRouteNone>,
                      public MOXScrollBarSetters<MOXQTableView>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQTableView(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtdatagrid"); }
    static ControlInfo getProps();
    static QWidget* createMOXQTableView() { return new MOXQTableView; }

    // One background for the control and its viewport; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }
    // Item and header looks per state: 0 to 3, or 4 for all four. A selected row is Pressed,
    // the row under the mouse Hot.
    void setItemBackground(CtrlState state, const FillStyle& style) { impl()->setItemBackground(state, style); }
    const FillStyle& getItemBackground(CtrlState state) const { return impl()->getItemBackground(state); }
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setItemTextStyle(state, style); }
    const TextStyleDesc& getItemTextStyle(CtrlState state) const { return impl()->getItemTextStyle(state); }
    void setHeaderBackground(CtrlState state, const FillStyle& style) { impl()->setHeaderBackground(state, style); }
    const FillStyle& getHeaderBackground(CtrlState state) const { return impl()->getHeaderBackground(state); }
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setHeaderTextStyle(state, style); }
    const TextStyleDesc& getHeaderTextStyle(CtrlState state) const { return impl()->getHeaderTextStyle(state); }

    // The height of every row.
    void setItemHeight(int height) { impl()->setItemHeight(height); }
    int getItemHeight() const { return impl()->getItemHeight(); }
    // A check mark in column 0 of every row and in the header. Clicking a row's mark toggles
    // the model's check state (Qt::Checked / Qt::Unchecked); the header's mark only signals.
    void setCheckstyle(bool on) { impl()->setCheckstyle(on); }
    bool getCheckstyle() const { return impl()->getCheckstyle(); }
    void setCheckBoxImage(bool checked, const QString& path) { impl()->setCheckBoxImage(checked, path); }
    QString getCheckBoxImage(bool checked) const { return impl()->getCheckBoxImage(checked); }
    void setCheckedImage(const QString& path) { impl()->setCheckedImage(path); }
    QString getCheckedImage() const { return impl()->getCheckedImage(); }
    void setUncheckedImage(const QString& path) { impl()->setUncheckedImage(path); }
    QString getUncheckedImage() const { return impl()->getUncheckedImage(); }

    // A container stamped into every cell of the column (hidden itself); null removes it.
    // A click on one of its parts emits customControlClicked with the part's object name.
    void setColumnWidget(int column, MOXQContainer* container) { impl()->setColumnWidget(column, container); }
    MOXQContainer* getColumnWidget(int column) const { return impl()->getColumnWidget(column); }

    // The distinct rows of the selected indexes, in no particular order.
    QList<int> selectedRows() const;
    // The scroll-bar setters come from MOXScrollBarSetters.

signals:
    void headerCheckedChanged(bool check);
    void customControlClicked(int row, const QString& name);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
