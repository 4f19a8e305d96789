#pragma once

// The page being edited: where it came from, its controls on the designer canvas, and its
// document as it would be saved now. Opening a file that is not a page, or saving where the
// file cannot be written whole, fails with a message and leaves the open page and the file on
// disk as they were.

#include "DesignerKeyKeeper.h"

#include <json/json.h>

#include <QList>
#include <QPointer>
#include <QString>
#include <QVector>

class QWidget;

namespace MOXQtLib {
class MOXQCanvas;
class MOXQCanvasWindow;
}

class DesignerDocument
{
public:
    explicit DesignerDocument(MOXQtLib::MOXQCanvas* canvas);

    // Reads and shows a page file. False with `error` set when it cannot be read or is not a
    // JSON object with an "elements" array.
    bool open(const QString& path, QString* error);
    // After open: how many of the page's elements made no control (unknown types, nesting
    // too deep); a save leaves them out.
    int lostElements() const { return m_lost; }
    // An empty page: one container filling an 800 x 600 window, not yet saved anywhere.
    void newPage();
    // Writes the document as indented UTF-8; the old file stays unless the new one was
    // written whole. False with `error` set.
    bool save(const QString& path, QString* error);
    // Shows the page a document describes (undo and redo, a theme change).
    void restore(const Json::Value& document);
    // Builds the page afresh from the document as it stands (after a theme or skin change).
    void reload() { restore(document()); }

    Json::Value document();
    QString path() const { return m_path; }
    QString fileName() const;
    MOXQtLib::MOXQCanvasWindow* page() const;

    // Every control of the page, depth first in child order: the same list for the same
    // document, so positions in it name controls across restores.
    QList<QWidget*> controls() const;
    QVector<int> positionsOf(const QList<QWidget*>& widgets) const;
    QList<QWidget*> widgetsAt(const QVector<int>& positions) const;

    static bool parsePage(const QByteArray& text, Json::Value& document, QString* error);

private:
    QPointer<MOXQtLib::MOXQCanvas> m_canvas;
    DesignerKeyKeeper m_keeper;
    QString m_path;
    int m_lost = 0;
    // The canvas files pages by path; the edited page always sits under this one.
    const QString m_canvasKey = QStringLiteral("page.json");
};
