#pragma once

// A page of the ribbon bar: its groups side by side, each at its hinted width and the page's
// height less the margins.

#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

namespace MOXQtLib {

class MOXQRibbonArea;
class MOXQRibbonGroup;

class MOXQRibbonPage : public QWidget
{
    Q_OBJECT
public:
    // The name is also the display name until that is set.
    explicit MOXQRibbonPage(const QString& name, MOXQRibbonArea* area = nullptr);

    QString pageName() const { return m_name; }
    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString& name) { m_displayName = name; }
    MOXQRibbonArea* area() const;

    // Appends a group and lays the page out again.
    MOXQRibbonGroup* addGroup(const QString& title);
    // Null for indexes out of range.
    MOXQRibbonGroup* getGroup(int index) const;
    int getGroupCount() const { return m_groups.size(); }
    // Deletes the group; false when it is not one of the page's.
    bool removeGroup(MOXQRibbonGroup* group);
    void clearGroups();

    void updateLayout();
    // Its groups with their gaps and margins, as tall as the parent (92 without one).
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_name;
    QString m_displayName;
    QVector<MOXQRibbonGroup*> m_groups;
};

} // namespace MOXQtLib
