#include "DesignerWindow.h"

#include "DesignerDocument.h"
#include "DesignerLook.h"
#include "DesignerPalette.h"
#include "DesignerTree.h"
#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQMenuBar.h"
#include "MOXQPageFile.h"
#include "MOXQPropertyList.h"
#include "MOXQPushButton.h"
#include "MOXQScrollBar.h"
#include "MOXQSplitter.h"
#include "MOXQtLib.h"
#include "MOXStyleEntries.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace MOXQtLib;

namespace {

const char* const kRecentKey = "recentFiles";
constexpr int kMaxRecent = 8;
const QString kPageFilter = QStringLiteral("Page files (*.json);;All files (*)");

bool isArchive(const QString& path)
{
    return QFileInfo(path).isFile() && path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

// The widgets of the list that no other of them contains: deleting those deletes all.
QList<QWidget*> outermost(const QList<QWidget*>& widgets)
{
    QList<QWidget*> result;
    for (QWidget* widget : widgets) {
        bool inner = false;
        for (QWidget* other : widgets)
            inner = inner || (other != widget && other->isAncestorOf(widget));
        if (!inner) result.append(widget);
    }
    return result;
}

} // namespace

DesignerWindow::DesignerWindow(QWidget* parent) : QMainWindow(parent)
{
    m_canvas = new MOXQCanvas;
    m_document = std::make_unique<DesignerDocument>(m_canvas);
    m_palette = new DesignerPalette;
    m_tree = new DesignerTree;
    m_properties = new MOXQPropertyList;
    DesignerLook::apply(static_cast<MOXQList*>(m_palette));
    DesignerLook::apply(static_cast<MOXQTreeView*>(m_tree));

    buildMenus();

    auto* left = new QWidget;
    left->setFixedWidth(230);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    leftLayout->addWidget(m_palette, 3);
    leftLayout->addWidget(splitterBar(false, m_palette, true));
    leftLayout->addWidget(m_tree, 2);
    m_palette->setMinimumHeight(80);
    m_tree->setMinimumHeight(80);

    m_centre = new QStackedWidget;
    m_centre->addWidget(buildCanvasArea());
    m_preview = new QScrollArea;
    m_preview->setHorizontalScrollBar(new MOXQScrollBar(Qt::Horizontal));
    m_preview->setVerticalScrollBar(new MOXQScrollBar(Qt::Vertical));
    DesignerLook::apply(static_cast<MOXQScrollBar*>(m_preview->horizontalScrollBar()));
    DesignerLook::apply(static_cast<MOXQScrollBar*>(m_preview->verticalScrollBar()));
    m_centre->addWidget(m_preview);

    m_properties->setFixedWidth(300);
    m_properties->setNameWidth(120);

    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(left);
    row->addWidget(splitterBar(true, left, true));
    row->addWidget(m_centre, 1);
    row->addWidget(splitterBar(true, m_properties, false));
    row->addWidget(m_properties);
    setCentralWidget(central);
    statusBar();

    connect(m_canvas, &MOXQCanvas::selectionChanged, this, &DesignerWindow::canvasSelectionChanged);
    connect(m_canvas, &MOXQCanvas::controlCreated, this, &DesignerWindow::controlCreated);
    connect(m_canvas, &MOXQCanvas::editFinished, this,
            [this] { commit(tr("Move or resize")); });
    connect(m_palette, &DesignerPalette::addRequested, this, &DesignerWindow::addControl);
    connect(m_tree, &DesignerTree::controlsSelected, this, [this](const QList<QWidget*>& widgets) {
        if (!m_syncing) selectWidgets(widgets);
    });
    connect(m_properties, &MOXQPropertyList::valueChanged, this, &DesignerWindow::propertyChanged);
    connect(m_properties, &MOXQPropertyList::selectEvent, this, &DesignerWindow::chooseValue);
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        setWindowModified(!clean);
    });

    resize(1560, 920);
    newPage();
}

DesignerWindow::~DesignerWindow()
{
    // The edits refer to the document: they go first.
    m_undo.clear();
    m_properties->bindControl(nullptr);
}

// --- building ---

void DesignerWindow::buildMenus()
{
    auto* bar = new MOXQMenuBar;
    DesignerLook::apply(bar);

    QMenu* file = bar->addMenu(tr("&File"));
    file->addAction(tr("&New"), this, [this] {
        if (maybeSave()) newPage();
    }, QKeySequence::New);
    QAction* open = file->addAction(tr("&Open..."), this, [this] {
        if (!maybeSave()) return;
        const QString path = QFileDialog::getOpenFileName(this, tr("Open Page"),
                                                          m_document->path(), kPageFilter);
        if (!path.isEmpty()) openPage(path);
    }, QKeySequence::Open);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &DesignerWindow::fillRecentMenu);
    QAction* save = file->addAction(tr("&Save"), this, [this] { savePage(); }, QKeySequence::Save);
    file->addAction(tr("Save &As..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save Page As"),
                                                          m_document->path(), kPageFilter);
        if (!path.isEmpty()) savePageAs(path);
    }, QKeySequence::SaveAs);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close, QKeySequence::Quit);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    QAction* undo = m_undo.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undo.createRedoAction(this, tr("&Redo"));
    // Both usual forms, whatever the platform's own binding.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction* remove = edit->addAction(tr("&Delete"), this, &DesignerWindow::deleteSelection,
                                      QKeySequence::Delete);
    // Editors in the property list take Delete for themselves first (Qt's shortcut override).

    QMenu* view = bar->addMenu(tr("&View"));
    m_previewAction = view->addAction(tr("&Preview"));
    m_previewAction->setCheckable(true);
    m_previewAction->setShortcut(Qt::Key_F5);
    connect(m_previewAction, &QAction::toggled, this, &DesignerWindow::setPreview);

    QMenu* looks = bar->addMenu(tr("&Theme"));
    looks->addAction(tr("Load Theme &Folder..."), this, [this] {
        const QString path = QFileDialog::getExistingDirectory(this, tr("Theme Folder"));
        if (!path.isEmpty()) loadTheme(path);
    });
    looks->addAction(tr("Load Theme &Archive..."), this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Theme Archive"), QString(),
                                                          tr("ZIP archives (*.zip)"));
        if (!path.isEmpty()) loadTheme(path);
    });
    looks->addAction(tr("Load &Skin Folder..."), this, [this] {
        const QString path = QFileDialog::getExistingDirectory(this, tr("Skin Folder"));
        if (!path.isEmpty()) loadSkin(path);
    });
    looks->addAction(tr("Load S&kin Archive..."), this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Skin Archive"), QString(),
                                                          tr("ZIP archives (*.zip)"));
        if (!path.isEmpty()) loadSkin(path);
    });
    looks->addSeparator();
    looks->addAction(tr("Set &Project Folder..."), this, [this] {
        const QString path = QFileDialog::getExistingDirectory(this, tr("Project Folder"));
        if (!path.isEmpty()) setProjectFolder(path);
    });
    looks->addAction(tr("Save Project St&yle..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save Project Style"),
                                                          QStringLiteral("style.json"),
                                                          kPageFilter);
        if (!path.isEmpty()) saveProjectStyle(path);
    });

    // The same actions as buttons of the library, above the panels.
    auto* tools = new QWidget;
    tools->setAutoFillBackground(true);
    QPalette colours = tools->palette();
    colours.setColor(QPalette::Window, DesignerLook::panel());
    tools->setPalette(colours);
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(6);
    const std::pair<QString, QAction*> buttons[] = {
        {tr("Open"), open},   {tr("Save"), save},     {tr("Undo"), undo},
        {tr("Redo"), redo}, {tr("Delete"), remove}, {tr("Preview"), m_previewAction}};
    for (const auto& [text, action] : buttons)
        row->addWidget(toolButton(text, action));
    row->addStretch(1);
    // The menu bar is not the window's own: its shortcuts are made the window's here.
    for (QMenu* menu : bar->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->shortcut().isEmpty()) addAction(action);
    auto* top = new QWidget;
    auto* column = new QVBoxLayout(top);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(bar);
    column->addWidget(tools);
    setMenuWidget(top);
}

MOXQPushButton* DesignerWindow::toolButton(const QString& text, QAction* action)
{
    auto* button = new MOXQPushButton;
    DesignerLook::apply(button);
    button->setText(text);
    button->setFixedSize(78, 28);
    button->setToolTip(action->toolTip());
    connect(button, &QPushButton::clicked, action, [action] {
        if (action->isCheckable())
            action->toggle();
        else
            action->trigger();
    });
    auto follow = [button, action] { button->setEnabled(action->isEnabled()); };
    connect(action, &QAction::changed, button, follow);
    follow();
    return button;
}

MOXQSplitter* DesignerWindow::splitterBar(bool horizontal, QWidget* resized, bool resizedBefore)
{
    auto* bar = new MOXQSplitter;
    bar->setIsHor(horizontal);
    DesignerLook::apply(bar);
    if (horizontal) {
        bar->setFixedWidth(5);
        bar->setCursor(Qt::SplitHCursor);
    } else {
        bar->setFixedHeight(5);
        bar->setCursor(Qt::SplitVCursor);
    }
    bar->setUpLeftLimit(120);
    bar->setDownRightLimit(120);
    bar->installEventFilter(this);
    m_bars.insert(bar, BarDrag{resized, resizedBefore, horizontal, 0, 0});
    return bar;
}

QWidget* DesignerWindow::buildCanvasArea()
{
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto* vertical = new MOXQScrollBar(Qt::Vertical);
    auto* horizontal = new MOXQScrollBar(Qt::Horizontal);
    DesignerLook::apply(vertical);
    DesignerLook::apply(horizontal);
    vertical->setFixedWidth(12);
    horizontal->setFixedHeight(12);
    grid->addWidget(m_canvas, 0, 0);
    grid->addWidget(vertical, 0, 1);
    grid->addWidget(horizontal, 1, 0);
    m_canvas->SetScrollbar(horizontal, true);
    m_canvas->SetScrollbar(vertical, false);
    m_canvas->setFocusPolicy(Qt::ClickFocus);
    return area;
}

bool DesignerWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto it = m_bars.find(watched);
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (it == m_bars.end() || !it->panel || (!press && event->type() != QEvent::MouseMove))
        return QMainWindow::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int pos = it->horizontal ? mouse->globalPos().x() : mouse->globalPos().y();
    if (press && mouse->button() == Qt::LeftButton) {
        it->startPos = pos;
        it->startSize = it->horizontal ? it->panel->width() : it->panel->height();
        return true;
    }
    if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
        const int delta = (pos - it->startPos) * (it->panelBefore ? 1 : -1);
        const int size = qBound(120, it->startSize + delta, 700);
        if (it->horizontal)
            it->panel->setFixedWidth(size);
        else
            it->panel->setFixedHeight(size);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- document ---

void DesignerWindow::startDocument()
{
    m_undo.clear();
    m_committed = {m_document->document(), {}};
    m_undo.setClean();
    setWindowModified(false);
    refreshViews();
    updateTitle();
    if (isPreview()) setPreview(true);
}

bool DesignerWindow::openPage(const QString& path)
{
    QString error;
    if (!m_document->open(path, &error)) {
        report(tr("Cannot Open Page"),
               tr("Cannot open \"%1\": %2. The page that was open stays open.")
                   .arg(QDir::toNativeSeparators(path), error),
               true);
        return false;
    }
    startDocument();
    addRecent(m_document->path());
    statusBar()->showMessage(tr("Opened %1").arg(m_document->path()), 4000);
    if (const int lost = m_document->lostElements())
        report(tr("Page Opened With Gaps"),
               tr("%1 element(s) of \"%2\" could not be created (an unknown type, or nested too "
                  "deep) and are not shown; saving the page leaves them out.")
                   .arg(lost)
                   .arg(QDir::toNativeSeparators(path)),
               true);
    return true;
}

void DesignerWindow::newPage()
{
    m_document->newPage();
    startDocument();
}

bool DesignerWindow::savePage()
{
    if (m_document->path().isEmpty()) {
        const QString path =
            QFileDialog::getSaveFileName(this, tr("Save Page"), QString(), kPageFilter);
        return !path.isEmpty() && savePageAs(path);
    }
    return savePageAs(m_document->path());
}

bool DesignerWindow::savePageAs(const QString& path)
{
    QString error;
    if (!m_document->save(path, &error)) {
        report(tr("Cannot Save Page"),
               tr("Cannot save \"%1\": %2. Nothing was written; the page stays open with all "
                  "its edits.")
                   .arg(QDir::toNativeSeparators(path), error),
               true);
        return false;
    }
    m_undo.setClean();
    addRecent(m_document->path());
    updateTitle();
    report(tr("Saved"), tr("Saved %1").arg(QDir::toNativeSeparators(m_document->path())), false);
    return true;
}

bool DesignerWindow::maybeSave()
{
    if (m_undo.isClean()) return true;
    const auto answer = QMessageBox::question(
        this, tr("Unsaved Changes"),
        tr("\"%1\" has changes that are not saved. Save them first?").arg(m_document->fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save) return savePage();
    return answer == QMessageBox::Discard;
}

void DesignerWindow::closeEvent(QCloseEvent* event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void DesignerWindow::updateTitle()
{
    setWindowTitle(QStringLiteral("GraphDeck Designer - %1[*]").arg(m_document->fileName()));
    setWindowModified(!m_undo.isClean());
}

void DesignerWindow::report(const QString& title, const QString& text, bool failure)
{
    m_lastMessage = text;
    statusBar()->showMessage(text, failure ? 0 : 4000);
    if (!failure) return;
    // Not modal to the event loop: the window goes on painting behind it.
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("designerMessage"));
    box->open();
}

// --- recent files ---

QStringList DesignerWindow::recentFiles() const
{
    return QSettings().value(kRecentKey).toStringList();
}

void DesignerWindow::addRecent(const QString& path)
{
    if (path.isEmpty()) return;
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kMaxRecent)
        files.removeLast();
    QSettings().setValue(kRecentKey, files);
}

void DesignerWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = recentFiles();
    for (const QString& path : files)
        m_recentMenu->addAction(QDir::toNativeSeparators(path), this, [this, path] {
            if (!maybeSave()) return;
            if (openPage(path)) return;
            QStringList kept = recentFiles();
            kept.removeAll(path);
            QSettings().setValue(kRecentKey, kept);
        });
    if (files.isEmpty()) m_recentMenu->addAction(tr("(none)"))->setEnabled(false);
}

// --- looks ---

void DesignerWindow::reloadLooks()
{
    const QVector<int> selection = m_document->positionsOf(m_canvas->selectedWidgets());
    m_document->reload();
    m_committed.document = m_document->document();
    shown({m_committed.document, selection});
    if (isPreview()) setPreview(true);
}

bool DesignerWindow::looksLoaded(bool ok, const QString& kind, const QString& path)
{
    if (!ok) {
        report(tr("Cannot Load Looks"),
               tr("Cannot load the %1 \"%2\": it must be a folder or ZIP archive holding "
                  "style.json.")
                   .arg(kind, QDir::toNativeSeparators(path)),
               true);
        return false;
    }
    reloadLooks();
    return true;
}

bool DesignerWindow::loadTheme(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    return looksLoaded(isArchive(path) ? moxLoadThemeFile(name.constData())
                                       : moxLoadThemeDir(name.constData()),
                       tr("theme"), path);
}

bool DesignerWindow::loadSkin(const QString& path)
{
    return looksLoaded(isArchive(path) ? moxLoadSkinFile(path, 1.0f)
                                       : moxSetSkinFilePath(path, 1.0f),
                       tr("skin"), path);
}

bool DesignerWindow::setProjectFolder(const QString& path)
{
    if (!moxSetProjectFilePath(path)) {
        report(tr("Cannot Open Project"),
               tr("Cannot use \"%1\" as the project folder.").arg(QDir::toNativeSeparators(path)),
               true);
        return false;
    }
    reloadLooks();
    return true;
}

bool DesignerWindow::saveProjectStyle(const QString& path)
{
    if (MOXQCanvas::SaveStyle(path)) {
        report(tr("Saved"), tr("Saved the project style to %1").arg(QDir::toNativeSeparators(path)),
               false);
        return true;
    }
    report(tr("Cannot Save Project Style"),
           tr("Cannot save the project style to \"%1\": the project has no styles, or the file "
              "cannot be written. Nothing was written.")
               .arg(QDir::toNativeSeparators(path)),
           true);
    return false;
}

// --- editing ---

void DesignerWindow::commit(const QString& text, const QString& mergeKey)
{
    DesignerEdit::State after{m_document->document(),
                              m_document->positionsOf(m_canvas->selectedWidgets())};
    refreshViews();
    if (after.document == m_committed.document) {
        m_committed.selection = after.selection;
        return;
    }
    auto* edit = new DesignerEdit(text, m_document.get(), m_committed, after,
                                  [this](const DesignerEdit::State& state) { shown(state); },
                                  mergeKey);
    m_committed = after;
    m_undo.push(edit);
    if (isPreview()) setPreview(true);
}

void DesignerWindow::shown(const DesignerEdit::State& state)
{
    m_committed = state;
    selectWidgets(m_document->widgetsAt(state.selection));
    refreshViews();
    m_canvas->invalidateAll();
    if (isPreview()) setPreview(true);
}

void DesignerWindow::selectWidgets(const QList<QWidget*>& widgets)
{
    m_syncing = true;
    m_canvas->RemoveAllSelected();
    for (QWidget* widget : widgets)
        m_canvas->AddSelectedControl(widget);
    m_syncing = false;
    canvasSelectionChanged();
}

void DesignerWindow::canvasSelectionChanged()
{
    if (m_syncing) return;
    const QList<QWidget*> selected = m_canvas->selectedWidgets();
    m_syncing = true;
    m_tree->selectControls(selected);
    m_syncing = false;
    QWidget* first = selected.isEmpty() ? nullptr : selected.first();
    if (m_properties->boundControl() != first) m_properties->bindControl(first);
    m_committed.selection = m_document->positionsOf(selected);
}

void DesignerWindow::refreshViews()
{
    m_tree->showControls(m_document->controls());
    m_syncing = true;
    m_tree->selectControls(m_canvas->selectedWidgets());
    m_syncing = false;
}

bool DesignerWindow::addControl(const QString& typeName)
{
    if (m_canvas->selectedWidgets().isEmpty()) {
        const QList<QWidget*> all = m_document->controls();
        if (all.isEmpty()) return false;
        m_canvas->AddSelectedControl(all.first());
    }
    return m_canvas->createControl(typeName);
}

void DesignerWindow::controlCreated(QWidget* widget)
{
    const ControlInfo* info = nullptr;
    if (IMOXQWidgetBase* control = moxControlOf(widget))
        info = moxGetControlInfo(control->getTypeName());
    // Undo gives back the selection before the step, counted among the controls of then.
    const QVector<int> before = m_committed.selection;
    selectWidgets({widget});
    m_committed.selection = before;
    m_canvas->invalidateAll();
    commit(tr("Add %1").arg(info ? QString::fromUtf8(info->displayName) : widget->objectName()));
}

void DesignerWindow::deleteSelection()
{
    const QList<QWidget*> doomed = outermost(m_canvas->selectedWidgets());
    if (doomed.isEmpty()) return;
    const QString text = doomed.size() == 1 ? tr("Delete %1").arg(doomed.first()->objectName())
                                            : tr("Delete %1 controls").arg(doomed.size());
    const QVector<int> before = m_committed.selection;
    m_canvas->RemoveAllSelected();
    m_committed.selection = before;
    for (QWidget* widget : doomed)
        delete widget;
    m_canvas->invalidateAll();
    commit(text);
}

void DesignerWindow::propertyChanged(PropertyDef* entry)
{
    QWidget* bound = m_properties->boundControl();
    if (!entry || !bound) return;
    m_canvas->invalidateAll();
    const QVector<int> at = m_document->positionsOf({bound});
    commit(tr("Change %1").arg(entry->displayName),
           QStringLiteral("%1|%2").arg(at.value(0, -1)).arg(entry->displayName));
}

void DesignerWindow::chooseValue(PropertyDef* entry)
{
    if (!entry || !entry->setter || !entry->object) return;
    QVariant value;
    switch (entry->kind) {
    case PropertyDef::FillStylePerState:
    case PropertyDef::TextStylePerState: {
        const bool fill = entry->kind == PropertyDef::FillStylePerState;
        int state = 0;
        if (entry->labels.size() > 1) {
            bool ok = false;
            const QString label = QInputDialog::getItem(this, entry->displayName, tr("State:"),
                                                        entry->labels, 0, false, &ok);
            if (!ok) return;
            state = entry->values.value(entry->labels.indexOf(label), 0);
        }
        QStringList names;
        if (fill)
            for (const FillStyle& style : moxGetAllFillStyle())
                names.append(style.name);
        else
            for (const TextStyleDesc& style : moxGetAllTextStyle())
                names.append(style.name);
        names.removeAll(QString());
        names.removeDuplicates();
        if (names.isEmpty()) {
            report(entry->displayName, tr("No styles are loaded: load a theme first."), true);
            return;
        }
        bool ok = false;
        const QString name = QInputDialog::getItem(this, entry->displayName, tr("Style:"), names,
                                                   0, false, &ok);
        if (!ok) return;
        if (fill) {
            FillStyle style;
            if (!moxGetFillStyle(name, style)) return;
            value = QVariantList{state, QVariant::fromValue(style)};
        } else {
            TextStyleDesc style;
            if (!moxGetTextStyle(name, style)) return;
            value = QVariantList{state, QVariant::fromValue(style)};
        }
        break;
    }
    case PropertyDef::ImagePath: {
        const QString path = QFileDialog::getOpenFileName(
            this, entry->displayName, QString(),
            tr("Images (*.png *.jpg *.jpeg *.bmp *.gif *.svg);;All files (*)"));
        if (path.isEmpty()) return;
        value = path;
        break;
    }
    case PropertyDef::Color: {
        const QColor start = entry->getter ? entry->getter(entry->object).value<QColor>() : QColor();
        const QColor colour = QColorDialog::getColor(start.isValid() ? start : Qt::black, this,
                                                     entry->displayName,
                                                     QColorDialog::ShowAlphaChannel);
        if (!colour.isValid()) return;
        value = colour;
        break;
    }
    default:
        return;
    }
    entry->setter(entry->object, value);
    m_properties->updateValue(entry);
}

// --- preview ---

bool DesignerWindow::isPreview() const
{
    return m_centre->currentIndex() == 1;
}

QWidget* DesignerWindow::previewPage() const
{
    return isPreview() ? m_preview->widget() : nullptr;
}

void DesignerWindow::setPreview(bool on)
{
    if (on) {
        // A fresh page each time: it runs as it will in an application, edits and all.
        auto* page = new MOXQCanvasWindow;
        page->resize(800, 600);
        moxCreatePageFromJson(page, m_document->document());
        page->setMinimumSize(page->size());
        m_preview->setWidget(page);
        m_centre->setCurrentIndex(1);
    } else {
        m_centre->setCurrentIndex(0);
        delete m_preview->takeWidget();
        m_canvas->invalidateAll();
    }
    const QSignalBlocker quiet(m_previewAction);
    m_previewAction->setChecked(on);
}
