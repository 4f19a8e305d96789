#pragma once

// The popup list of a combo box: frameless, with a transparent viewport that is filled with
// the combo box's popup background before the rows paint.

#include <QListView>
#include <QPointer>

namespace MOXQtLib {

class MOXQComboBoxImpl;

class MOXQComboList : public QListView
{
    Q_OBJECT
public:
    MOXQComboList(MOXQComboBoxImpl* impl, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gone before the Qt widget that owns this one.
    QPointer<MOXQComboBoxImpl> m_impl;
};

} // namespace MOXQtLib
