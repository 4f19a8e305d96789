#include "MOXQPageFile.h"

#include "IMOXQPageWindow.h"
#include "MOXJson.h"
#include "MOXQContainer.h"
#include "MOXQMenu.h"
#include "MOXQPageBuild.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "MOXSerializeHook.h"

#include <QAbstractScrollArea>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QWidget>

#include <climits>

namespace MOXQtLib {

namespace {

// Deeper trees are refused before anything is created, so building them cannot exhaust the
// stack whatever the document's source.
constexpr int kMaxElementDepth = 64;

// The loaded resource layers, project first. False when none holds the name.
bool readFromResources(const QString& name, QByteArray& text)
{
    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType source;
    if (!MOXQResourceManager::getInstance()->getResource(name, data, size, source) || !data)
        return false;
    text = QByteArray(data, int(std::min<unsigned>(size, INT_MAX)));
    return true;
}

QString skinDirectory()
{
    return MOXQResourceManager::getInstance()->getSkinDirPath();
}

QByteArray readDiskFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Every "elements" / "child" member that exists is an array, and the tree is not too deep.
bool elementsWellFormed(const Json::Value& elements, int depth)
{
    if (!elements.isArray() || depth > kMaxElementDepth) return false;
    for (Json::ArrayIndex i = 0; i < elements.size(); ++i) {
        const Json::Value& element = elements[i];
        if (!element.isObject()) continue;
        if (const Json::Value* child = jsonMember(element, "child"))
            if (!elementsWellFormed(*child, depth + 1)) return false;
    }
    return true;
}

void applyWindowKeys(QWidget* window, IMOXQPageWindow* host, const Json::Value& root)
{
    int w = window->width(), h = window->height();
    const bool hasW = jsonReadInt(root, "w", w);
    const bool hasH = jsonReadInt(root, "h", h);
    if (hasW || hasH) window->resize(std::max(w, 0), std::max(h, 0));
    bool flag = false;
    if (jsonReadBool(root, "trans", flag) && flag) {
        window->setWindowFlag(Qt::FramelessWindowHint, true);
        window->setAttribute(Qt::WA_TranslucentBackground, true);
    }
    if (jsonReadBool(root, "drag", flag)) host->setCanDrag(flag);
    if (jsonReadBool(root, "resize", flag)) host->setResizeable(flag);
    int value = 0;
    if (jsonReadInt(root, "minH", value)) host->setMinHeight(value);
    if (jsonReadInt(root, "minW", value)) host->setMinWidth(value);
    if (jsonReadBool(root, "onlyDragCaption", flag)) host->setOnlyDragCaption(flag);
}

// One element and its subtree; an element without a string "type", or of a type the registry
// cannot create, is skipped with its children.
QWidget* createElement(const Json::Value& element, QWidget* parent)
{
    std::string type;
    if (!jsonReadStdString(element, "type", type) || type.empty()) return nullptr;
    QWidget* widget = moxCreateControl(QByteArray::fromStdString(type), element, parent);
    if (!widget) return nullptr;
    const bool scrollArea = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
    if (const Json::Value* children = jsonArray(element, "child"))
        for (Json::ArrayIndex i = 0; i < children->size(); ++i)
            if (!scrollArea || !moxIsScrollBarElement((*children)[i]))
                createElement((*children)[i], widget);
    if (IMOXQWidgetBase* control = moxControlOf(widget)) {
        // The rectangle a control read is stored, not applied. Apply it first, so a container
        // completes (lays out) at its real size instead of a default one, which would clamp
        // its docked children for good.
        control->resizeWidget();
        control->createComplete();
    }
    return widget;
}

} // namespace

bool moxIsScrollBarElement(const Json::Value& element)
{
    std::string type;
    return element.isObject() && jsonReadStdString(element, "type", type) && type == "scrollbar";
}

bool moxReadPageFile(QString fileName, QByteArray& text)
{
    text.clear();
    if (fileName.isEmpty()) return false;
    if (!fileName.contains(QLatin1String(".json"))) fileName += QLatin1String(".json");
    QString key = fileName.toLower();
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (readFromResources(key, text) && !text.isEmpty()) return true;
    QString skin = skinDirectory();
    if (!skin.isEmpty() && !skin.endsWith(QLatin1Char('/')) && !skin.endsWith(QLatin1Char('\\')))
        skin += QLatin1Char('/');
    if (!skin.isEmpty() && QFileInfo(skin + fileName).isFile())
        text = readDiskFile(skin + fileName);
    else
        text = readDiskFile(fileName);
    return !text.isEmpty();
}

MOXQContainer* moxCreatePageFromJson(QWidget* parent, const Json::Value& document)
{
    if (!parent || !document.isObject()) return nullptr;
    const Json::Value* elements = jsonMember(document, "elements");
    if (!elements || !elementsWellFormed(*elements, 0)) return nullptr;
    // A page without elements still sizes and configures its window.
    if (auto* host = dynamic_cast<IMOXQPageWindow*>(parent)) applyWindowKeys(parent, host, document);
    if (elements->empty()) return nullptr;
    QWidget* last = nullptr;
    {
        MOXQPageBuild build(parent);
        for (Json::ArrayIndex i = 0; i < elements->size(); ++i)
            last = createElement((*elements)[i], parent);
    }
    // Checked, not assumed: the last element may be any control.
    return qobject_cast<MOXQContainer*>(last);
}

MOXQContainer* moxCreatePageByFileName(QWidget* parent, QString fileName)
{
    if (!parent) return nullptr;
    QByteArray text;
    Json::Value document;
    if (!moxReadPageFile(fileName, text) || !jsonParse(text, document)) return nullptr;
    return moxCreatePageFromJson(parent, document);
}

MOXQMenu* moxCreateMenuByFileName(QWidget* parent, QString fileName)
{
    QByteArray text;
    Json::Value document;
    if (!moxReadPageFile(fileName, text) || !jsonParse(text, document) ||
        !MOXQMenu::isWellFormed(document))
        return nullptr;
    auto* menu = new MOXQMenu(parent);
    menu->readJsonValue(&document);
    return menu;
}

Json::Value moxPageToJson(const QWidget* window, const MOXPageWindowKeys& keys)
{
    Json::Value page(Json::objectValue);
    if (!window) return page;
    page["w"] = window->width();
    page["h"] = window->height();
    if (keys.minW > 0) page["minW"] = keys.minW;
    if (keys.minH > 0) page["minH"] = keys.minH;
    if (keys.resize) page["resize"] = true;
    if (keys.drag) page["drag"] = true;
    if (keys.onlyDragCaption) page["onlyDragCaption"] = true;
    if (keys.dbmax) page["dbmax"] = true;
    if (keys.dbheight != 35) page["dbheight"] = keys.dbheight;
    if (keys.trans) page["trans"] = true;
    Json::Value elements(Json::arrayValue);
    for (QObject* object : window->children()) {
        IMOXQWidgetBase* control = object->isWidgetType() ? moxControlOf(object) : nullptr;
        if (!control || control->getControlBase()->isInternal()) continue;
        Json::Value element(Json::objectValue);
        moxSerializeElement(static_cast<QWidget*>(object), control, element);
        elements.append(element);
    }
    if (!elements.empty()) page["elements"] = elements;
    return page;
}

bool moxSavePage(const QWidget* window, const QString& fileName, const MOXPageWindowKeys& keys)
{
    if (!window || fileName.isEmpty()) return false;
    const std::string text = jsonWrite(moxPageToJson(window, keys), true);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace MOXQtLib
