#pragma once

// The property list's rows: one per shown property entry, each a name and an editor that
// writes through the entry's setter. Rows are pooled per entry kind and reused, so that
// binding another control does not rebuild the widgets.

#include "MOXControlInfo.h"
#include "MOXQScrollViewImpl.h"

#include <QMetaObject>
#include <QPointer>
#include <QVector>

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace MOXQtLib {

class MOXQContainer;

class MOXQPropertyListImpl : public MOXQScrollViewImpl
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;
    static constexpr int kButtonSize = 20;
    static constexpr int kSwatchSize = 16;

    MOXQPropertyListImpl(QWidget* owner, const QString& name);
    ~MOXQPropertyListImpl() override;

    static const MOXKeyTable& keys();

    // The widget the rows live in (the view's scrolled widget).
    void setContentWidget(MOXQContainer* content);
    // Binds the control of the bind name, once the page around the list exists, unless a
    // control is bound already.
    void resizeControl() override;

    // Shows the property entries of the control's type, bound to it; null shows nothing. The
    // control is held weakly: once it is deleted the list is empty.
    void bindControl(QWidget* control);
    QWidget* boundControl() const { return m_bound; }
    // The object name of the control to bind, looked up among the list's neighbours.
    void setBindName(const QString& name);
    const QString& getBindName() const { return m_bindName; }
    // Binds the control of the bind name when it can be found.
    void resolveBindName();

    // Appends a row for the entry, bound to its object or else to the bound control; false for
    // kinds that have no row.
    bool addItem(const PropertyDef& def);
    // Frees every row for reuse.
    void removeAll();
    // Sizes the content and places the rows for the current width.
    void layout();
    // Re-reads the row of an entry shown here (a host wrote it after a chooser) and reports
    // the change.
    void updateValue(PropertyDef* def);

    void setNameWidth(int width);
    int getNameWidth() const { return m_nameWidth; }

    // Theme entries the rows' parts take their looks from: the name and value labels (spin
    // boxes take their text colour and font), the line edits, the check boxes and the
    // chooser buttons. Empty: the parts' own defaults.
    enum Part
    {
        LabelPart,
        EditPart,
        CheckPart,
        ButtonPart,
        PartCount
    };
    void setPartTheme(Part part, const QString& name);
    const QString& getPartTheme(Part part) const { return m_partThemes[part]; }

    int rowCount() const { return m_order.size(); }
    // The list's own copy of the entry shown in a row, or null.
    PropertyDef* entryAt(int row) const;
    // The row widget, and its editor: line edit, the first spin box, check box, the chooser's
    // button or the value label of a read-only entry (null for separators or a bad index).
    QWidget* rowAt(int row) const;
    QWidget* editorAt(int row) const;

signals:
    void valueChanged(PropertyDef* propDef);
    void selectEvent(PropertyDef* propDef);

protected:
    void keysRead() override;

private:
    struct Row;

    Row* takeRow(int kind);
    std::unique_ptr<Row> makeRow(int kind);
    void fillRow(Row& row);
    void placeRow(Row& row, int index, int width);
    // An editor's change: its row's value written through the entry the editor carries,
    // unless it is being filled.
    void editorChanged(QObject* editor);
    void chooserClicked(QObject* editor);
    // The shown row whose entry an editor carries, or null.
    Row* rowOfEditor(QObject* editor) const;
    int contentWidth() const;
    void applyThemes(Row& row, Part part) const;

    int m_nameWidth = 120;
    QPointer<MOXQContainer> m_content;
    QPointer<QWidget> m_bound;
    QMetaObject::Connection m_boundGone;
    QString m_bindName;
    std::array<QString, PartCount> m_partThemes;
    QVector<Row*> m_order;
    std::map<int, std::vector<std::unique_ptr<Row>>> m_pool;
};

} // namespace MOXQtLib

// The argument of the list's signals.
Q_DECLARE_METATYPE(MOXQtLib::PropertyDef*)
