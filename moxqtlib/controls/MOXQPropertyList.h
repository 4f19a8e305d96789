#pragma once

// The library's property list ("qtproperty"): a scroll view whose rows show a control's
// designer property entries, each a name and an editor (line edit, check box, spin boxes, or a
// style name, image path or colour with a button that asks the host for a chooser). Edits are
// written at once through the entry's setter. A page binds it to a control by naming that
// control in "bind".

#include "MOXControlInfo.h"
#include "MOXQPropertyListImpl.h"
#include "MOXQScrollView.h"

namespace MOXQtLib {

class MOXQPropertyList : public MOXQScrollView
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQPropertyList(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtproperty"); }
    static ControlInfo getProps();
    static QWidget* createMOXQPropertyList() { return new MOXQPropertyList; }

    MOXQPropertyListImpl* impl() const { return static_cast<MOXQPropertyListImpl*>(MOXQScrollView::impl()); }

    // Shows the entries of the control's type, bound to it (null: none). Rebinding reuses the
    // rows; a deleted control leaves the list empty.
    void bindControl(QWidget* control) { impl()->bindControl(control); }
    QWidget* boundControl() const { return impl()->boundControl(); }
    // The object name of the control to bind: the nearest one around the list, found once the
    // page exists (or at once when it does).
    void setBindName(const QString& name) { impl()->setBindName(name); }
    QString getBindName() const { return impl()->getBindName(); }

    // A row for the entry, bound to its object or else to the bound control. Enumerations have
    // no editor here and add nothing: false.
    bool addItem(const PropertyDef& def) { return impl()->addItem(def); }
    // Hides every row and keeps it for reuse.
    void removeAll() { impl()->removeAll(); }
    // Rows 30 pixels high across the visible width; runs on every resize (QWidget::layout
    // keeps its name).
    void layoutRows() { impl()->layout(); }
    // For a host that wrote an entry itself after a chooser: shows the new value and reports it.
    void updateValue(PropertyDef* def) { impl()->updateValue(def); }

    // The width of the name column (120 pixels at first).
    void setNameWidth(int width) { impl()->setNameWidth(width); }
    int getNameWidth() const { return impl()->getNameWidth(); }

    // Rows in display order; out-of-range rows give null.
    int rowCount() const { return impl()->rowCount(); }
    PropertyDef* entryAt(int row) const { return impl()->entryAt(row); }
    QWidget* rowAt(int row) const { return impl()->rowAt(row); }
    QWidget* editorAt(int row) const { return impl()->editorAt(row); }

signals:
    // After an edit was written through the entry's setter.
    void valueChanged(PropertyDef* propDef);
    // A row's button asks for a style, image or colour chooser; the host writes the value
    // through the entry's setter and calls updateValue.
    void selectEvent(PropertyDef* propDef);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace MOXQtLib
