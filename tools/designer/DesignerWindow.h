#pragma once

// GraphDeck Designer's window: the palette and the tree of the page's controls on the left,
// the canvas with the open page in the middle, the selected control's properties on the right.
// Every edit (creation, deletion, move, resize, property change) is one undoable step.

#include "DesignerEdit.h"

#include <QMainWindow>
#include <QPointer>
#include <QUndoStack>

#include <memory>

class DesignerDocument;
class DesignerPalette;
class DesignerTree;
class QAction;
class QMenu;
class QScrollArea;
class QStackedWidget;

namespace MOXQtLib {
class MOXQCanvas;
class MOXQPropertyList;
class MOXQPushButton;
class MOXQSplitter;
struct PropertyDef;
}

class DesignerWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit DesignerWindow(QWidget* parent = nullptr);
    ~DesignerWindow() override;

    // File operations without questions or file dialogs (the menus ask first). Each failure is
    // told in a message and leaves the open page and the files on disk as they were.
    bool openPage(const QString& path);
    void newPage();
    bool savePage();
    bool savePageAs(const QString& path);

    // Resources: the page is shown again in the new looks; edits are kept.
    bool loadTheme(const QString& path);
    bool loadSkin(const QString& path);
    bool setProjectFolder(const QString& path);
    // Writes the project's styles; false (with a message) when there are none or it fails.
    bool saveProjectStyle(const QString& path);

    // A control of the type inside the first selected control (else the page's first control).
    bool addControl(const QString& typeName);
    void deleteSelection();
    // Shows the page running, as it will in an application, instead of the canvas.
    void setPreview(bool on);
    bool isPreview() const;

    MOXQtLib::MOXQCanvas* canvas() const { return m_canvas; }
    DesignerPalette* palette() const { return m_palette; }
    DesignerTree* tree() const { return m_tree; }
    MOXQtLib::MOXQPropertyList* propertyList() const { return m_properties; }
    QWidget* previewPage() const;
    QUndoStack* undoStack() { return &m_undo; }
    DesignerDocument* document() const { return m_document.get(); }
    QStringList recentFiles() const;
    // The text of the last message shown (for a failure or a save).
    QString lastMessage() const { return m_lastMessage; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildCanvasArea();
    MOXQtLib::MOXQPushButton* toolButton(const QString& text, QAction* action);
    MOXQtLib::MOXQSplitter* splitterBar(bool horizontal, QWidget* resized, bool resizedBefore);

    void startDocument();
    void commit(const QString& text, const QString& mergeKey = QString());
    void shown(const DesignerEdit::State& state);
    void selectWidgets(const QList<QWidget*>& widgets);
    void canvasSelectionChanged();
    void controlCreated(QWidget* widget);
    void propertyChanged(MOXQtLib::PropertyDef* entry);
    void chooseValue(MOXQtLib::PropertyDef* entry);
    void refreshViews();

    void updateTitle();
    void report(const QString& title, const QString& text, bool failure);
    bool maybeSave();
    void addRecent(const QString& path);
    void fillRecentMenu();
    void reloadLooks();
    // After a theme or skin load: the page again in the new looks, or a message.
    bool looksLoaded(bool ok, const QString& kind, const QString& path);

    MOXQtLib::MOXQCanvas* m_canvas = nullptr;
    std::unique_ptr<DesignerDocument> m_document;
    DesignerPalette* m_palette = nullptr;
    DesignerTree* m_tree = nullptr;
    MOXQtLib::MOXQPropertyList* m_properties = nullptr;
    QStackedWidget* m_centre = nullptr;
    QScrollArea* m_preview = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_previewAction = nullptr;
    QUndoStack m_undo;
    DesignerEdit::State m_committed;
    QString m_lastMessage;
    bool m_syncing = false;
    // Splitter bars being dragged: the panel they resize and where the drag began.
    struct BarDrag
    {
        QPointer<QWidget> panel;
        bool panelBefore = true;
        bool horizontal = true;
        int startPos = 0;
        int startSize = 0;
    };
    QHash<QObject*, BarDrag> m_bars;
};
