#pragma once

// The part of the ribbon bar under the tab strip: it holds the pages and shows the current one
// over its whole rectangle.

#include <QVector>
#include <QWidget>

namespace MOXQtLib {

class MOXQRibbonBar;
class MOXQRibbonPage;

class MOXQRibbonArea : public QWidget
{
    Q_OBJECT
public:
    explicit MOXQRibbonArea(MOXQRibbonBar* bar);

    MOXQRibbonBar* bar() const { return m_bar; }
    // Appends a hidden page; it shows once it becomes current.
    MOXQRibbonPage* addPage(const QString& name);
    // Null for indexes out of range.
    MOXQRibbonPage* pageAt(int index) const;
    int pageCount() const { return m_pages.size(); }
    // Deletes every page; no page is current afterwards.
    void clearPages();
    // Shows exactly that page; indexes out of range are ignored.
    void setCurrentPage(int index);
    int currentPage() const { return m_current; }
    void updateLayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MOXQRibbonBar* m_bar;
    QVector<MOXQRibbonPage*> m_pages;
    int m_current = -1;
};

} // namespace MOXQtLib
