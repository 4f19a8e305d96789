#include "DesignerDocument.h"

#include "MOXQControl.h"
#include "MOXJson.h"
#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQPageFile.h"
#include "MOXQWidgetBase.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>

using namespace MOXQtLib;

namespace {

bool isControl(QWidget* widget)
{
    IMOXQWidgetBase* control = moxControlOf(widget);
    return control && !control->getControlBase()->isInternal();
}

// The elements a document describes as controls (a scroll area's bar looks are not).
int describedControls(const Json::Value& list)
{
    if (!list.isArray()) return 0;
    int count = 0;
    for (const Json::Value& element : list) {
        if (!element.isObject() || !element["type"].isString() || moxIsScrollBarElement(element))
            continue;
        count += 1 + describedControls(element["child"]);
    }
    return count;
}

void collect(QWidget* parent, QList<QWidget*>& out)
{
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child) continue;
        if (isControl(child)) out.append(child);
        collect(child, out);
    }
}

} // namespace

DesignerDocument::DesignerDocument(MOXQCanvas* canvas) : m_canvas(canvas) {}

bool DesignerDocument::parsePage(const QByteArray& text, Json::Value& document, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (text.trimmed().isEmpty()) return fail(QObject::tr("the file is empty"));
    Json::Value parsed;
    if (!jsonParse(text, parsed)) return fail(QObject::tr("the file is not valid JSON"));
    if (!parsed.isObject())
        return fail(QObject::tr("the file is JSON, but not a page: its top level is not an object"));
    if (!parsed["elements"].isArray())
        return fail(QObject::tr("the file is JSON, but not a page: it has no \"elements\" array"));
    document = parsed;
    return true;
}

bool DesignerDocument::open(const QString& path, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.exists() ? file.errorString() : QObject::tr("no such file");
        return false;
    }
    // Page files are small; anything this large is not one, and must not take the memory.
    constexpr qint64 kLargest = 64 * 1024 * 1024;
    if (file.size() > kLargest) {
        if (error) *error = QObject::tr("the file is larger than 64 MB");
        return false;
    }
    Json::Value document;
    if (!parsePage(file.readAll(), document, error)) return false;
    m_path = QFileInfo(path).absoluteFilePath();
    restore(document);
    m_lost = std::max(0, describedControls(document["elements"]) - int(controls().size()));
    return true;
}

void DesignerDocument::newPage()
{
    Json::Value document(Json::objectValue);
    document["w"] = 800;
    document["h"] = 600;
    Json::Value root(Json::objectValue);
    root["type"] = "qtcontainer";
    root["name"] = "root";
    document["elements"].append(root);
    m_path.clear();
    restore(document);
}

bool DesignerDocument::save(const QString& path, QString* error)
{
    const std::string text = jsonWrite(document(), true);
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(text.data(), qint64(text.size())) == qint64(text.size());
    ok = ok && file.commit();
    if (!ok) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    return true;
}

void DesignerDocument::restore(const Json::Value& document)
{
    if (!m_canvas) return;
    m_keeper.beginRead(document);
    m_canvas->OpenJsonDocument(m_canvasKey, document);
    m_keeper.finishRead(page());
}

Json::Value DesignerDocument::document()
{
    return m_keeper.document(page());
}

QString DesignerDocument::fileName() const
{
    return m_path.isEmpty() ? QObject::tr("Untitled") : QFileInfo(m_path).fileName();
}

MOXQCanvasWindow* DesignerDocument::page() const
{
    return m_canvas ? m_canvas->pageAt(m_canvasKey) : nullptr;
}

QList<QWidget*> DesignerDocument::controls() const
{
    QList<QWidget*> list;
    if (MOXQCanvasWindow* window = page()) collect(window, list);
    return list;
}

QVector<int> DesignerDocument::positionsOf(const QList<QWidget*>& widgets) const
{
    const QList<QWidget*> all = controls();
    QVector<int> positions;
    for (QWidget* widget : widgets) {
        const int at = all.indexOf(widget);
        if (at >= 0) positions.append(at);
    }
    return positions;
}

QList<QWidget*> DesignerDocument::widgetsAt(const QVector<int>& positions) const
{
    const QList<QWidget*> all = controls();
    QList<QWidget*> widgets;
    for (int at : positions)
        if (at >= 0 && at < all.size()) widgets.append(all.at(at));
    return widgets;
}
