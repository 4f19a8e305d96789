#pragma once

// The designer canvas ("canvas"): opens pages in MOXQCanvasWindows, paints their controls
// itself (the controls stay hidden Qt widgets), and lets the user select, move and resize
// them with the mouse, create new ones by type name or by drop, and save pages and styles.

#include "MOXQCanvasWindow.h"
#include "MOXQControl.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QScrollBar;

namespace Json {
class Value;
}

namespace MOXQtLib {

// Where a point lies on the selection: inside, on an edge band or a corner, or nowhere.
enum MOX_CAV_HIT_TEST
{
    MOX_CAV_HIT_INSIDE = 0,
    MOX_CAV_HIT_LEFT = 1,
    MOX_CAV_HIT_RIGHT = 2,
    MOX_CAV_HIT_TOP = 3,
    MOX_CAV_HIT_BOTTOM = 4,
    MOX_CAV_HIT_TOPLEFT = 5,
    MOX_CAV_HIT_BOTTOMLEFT = 6,
    MOX_CAV_HIT_TOPRIGHT = 7,
    MOX_CAV_HIT_BOTTOMRIGHT = 8,
    MOX_CAV_HIT_NONE = 9
};

class MOXQCanvas : public MOXQControl<QWidget, MOXQWidgetBaseImpl, MOXRouteNone>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQCanvas(QWidget* parent = nullptr);
    ~MOXQCanvas() override;

    static QString typeName() { return QStringLiteral("canvas"); }
    static QWidget* createMOXQCanvas() { return new MOXQCanvas; }

    // --- pages ---
    // A readable file whose JSON (comments allowed) is an object with "elements".
    static bool CheckPageValid(const QString& path);
    // Shows the page opened from `path`, opening it first when needed; false when the file is
    // not a page. The selection is cleared: it belonged to the page shown before.
    bool OpenJsonFile(const QString& path);
    // Shows a page built from `document` under `path`, replacing a page already open there
    // (an editor restoring an earlier state); false when the document is not a page.
    bool OpenJsonDocument(const QString& path, const Json::Value& document);
    // Writes the page opened from `path`; false (the old file kept) when none is open or the
    // file cannot be written whole.
    bool SavePage(const QString& path) const;
    // Writes the project styles as UTF-8; false when there is nothing to write or it fails.
    static bool SaveStyle(const QString& path);
    // Files the page stored under `path` under its window's current object name, in the same
    // folder. The new path, `path` when unchanged, or empty when no page is stored under
    // `path` or another open page already has the new path.
    QString UpdatePagePath(const QString& path);
    // False when the window is not one of the canvas's pages.
    bool removePage(MOXQCanvasWindow* window);
    void closeAllWindows();
    MOXQCanvasWindow* currentPage() const { return m_current; }
    MOXQCanvasWindow* pageAt(const QString& path) const { return m_pages.value(path); }
    QStringList pagePaths() const { return m_pages.keys(); }

    // --- controls ---
    // Creates a control of `typeName` inside the first selected widget at (0, 0, 100, 100),
    // named after its type and the canvas's counter. False with nothing selected or when the
    // type makes no control.
    bool createControl(const QString& typeName);
    // What a drop does once its source named the type: a control of that type inside the
    // deepest marked widget under the canvas point (else the page window), 100 x 100 there.
    QWidget* dropControl(const QString& typeName, const QPoint& pos);

    // --- selection ---
    void AddSelectedControl(QWidget* widget);
    void RemoveSelected(QWidget* widget);
    void RemoveAllSelected();
    // The selected widgets that still exist, in selection order.
    QList<QWidget*> selectedWidgets() const;
    // The zone of the selection under the canvas point (x, y).
    MOX_CAV_HIT_TEST HitInSelected(int x, int y) const;

    // --- scrolling ---
    void SetScrollbar(QScrollBar* bar, bool horizontal);
    void UpdateScrollBar();

    // Grabs `widget` afresh at the next paint (its look changed without the canvas knowing).
    void invalidateControl(QWidget* widget);
    // Grabs every control afresh.
    void invalidateAll();

    static void DrawSelectionPoint(QPainter& painter, int x, int y, bool selected);

signals:
    void widgetSelected(QWidget* widget);
    // The selection list changed in any way (added, removed, emptied).
    void selectionChanged();
    // A control was made by createControl or by a drop.
    void controlCreated(QWidget* widget);
    // A mouse drag that moved or resized the selection has ended.
    void editFinished();

public slots:
    void scrollChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum EditState
    {
        StateIdle,
        StateClick,
        StateDrag
    };
    struct Grab
    {
        QPointer<QWidget> widget;
        QPixmap pixmap;
    };

    void pruneSelection() const;
    bool isPageWindow(const QWidget* widget) const;
    QWidget* widgetAtCanvasPoint(const QPoint& pos) const;
    QRect canvasRect(const QWidget* widget) const;
    QString nextControlName(QWidget* parent, const QString& typeName);
    QWidget* newControl(const QString& typeName, QWidget* parent, const QRect& geometry);
    void collectSnapTargets();
    void dragTo(const QPoint& pos, Qt::KeyboardModifiers modifiers);
    void applyGeometry(QWidget* widget, const QRect& geometry);
    void paintChildren(QPainter& painter, const QWidget* parent, const QPoint& origin,
                       const QRect& dirty);
    const QPixmap& grabOf(QWidget* widget);
    void forgetPage(MOXQCanvasWindow* window);
    MOXQCanvasWindow* buildPage(const QString& path, const Json::Value& document);
    void showPage(MOXQCanvasWindow* window);
    void updateSelectionArea();

    QMap<QString, QPointer<MOXQCanvasWindow>> m_pages;
    QPointer<MOXQCanvasWindow> m_current;
    QHash<const QObject*, QPoint> m_scroll;
    mutable QList<QPointer<QWidget>> m_selection;
    QPointer<QScrollBar> m_hBar;
    QPointer<QScrollBar> m_vBar;
    EditState m_state = StateIdle;
    int m_zone = MOX_CAV_HIT_NONE;
    bool m_moved = false;
    QPoint m_pressPoint;
    QList<QPair<QPointer<QWidget>, QRect>> m_dragStart;
    QVector<int> m_snapX;
    QVector<int> m_snapY;
    int m_counter = 0;
    QHash<const QWidget*, Grab> m_grabs;
};

} // namespace MOXQtLib
