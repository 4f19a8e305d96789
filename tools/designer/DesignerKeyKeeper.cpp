#include "DesignerKeyKeeper.h"

#include "MOXQCanvasWindow.h"
#include "MOXQPageFile.h"
#include "MOXSerializeHook.h"

#include <QObject>
#include <QWidget>

using namespace MOXQtLib;

namespace {

const char* const kChild = "child";
const char* const kElements = "elements";
const char* const kMark = "\x01" "designer-control";

// The entries a control wrote of its own among its children (scroll-bar looks), in order.
Json::Value looksOf(const Json::Value& children)
{
    Json::Value looks(Json::arrayValue);
    if (!children.isArray()) return looks;
    for (const Json::Value& entry : children)
        if (!entry.isObject() || !entry.isMember(kMark)) looks.append(entry);
    return looks;
}

void unmark(Json::Value& value)
{
    if (!value.isObject()) return;
    value.removeMember(kMark);
    for (const char* key : {kChild, kElements})
        if (value[key].isArray())
            for (Json::Value& entry : value[key])
                unmark(entry);
    if (value.isMember(kChild) && value[kChild].isNull()) value.removeMember(kChild);
    if (value.isMember(kElements) && value[kElements].isNull()) value.removeMember(kElements);
}

// The object without its children: they are kept per control.
Json::Value ownKeys(const Json::Value& object, const char* structural)
{
    if (!object.isObject()) return Json::Value(Json::objectValue);
    Json::Value own(object);
    own.removeMember(structural);
    return own;
}

} // namespace

// The library has one hook; every open document's keeper listens to it.
QList<DesignerKeyKeeper*>& DesignerKeyKeeper::keepers()
{
    static QList<DesignerKeyKeeper*> all;
    return all;
}

DesignerKeyKeeper::DesignerKeyKeeper()
{
    if (keepers().isEmpty()) {
        MOXSerializeHook hook;
        hook.read = [](QWidget* control, const Json::Value& element) {
            for (DesignerKeyKeeper* keeper : keepers())
                keeper->read(control, element);
        };
        hook.written = [](QWidget* control, Json::Value& element) {
            for (DesignerKeyKeeper* keeper : keepers())
                keeper->written(control, element);
        };
        moxSetSerializeHook(hook);
    }
    keepers().append(this);
}

DesignerKeyKeeper::~DesignerKeyKeeper()
{
    keepers().removeAll(this);
    if (keepers().isEmpty()) moxSetSerializeHook({});
    m_guard.reset();
}

void DesignerKeyKeeper::beginRead(const Json::Value& document)
{
    m_guard = std::make_unique<QObject>();
    m_records.clear();
    m_sourceRoot = ownKeys(document, kElements);
    m_baselineRoot = Json::Value(Json::objectValue);
    m_mode = Reading;
}

void DesignerKeyKeeper::finishRead(const MOXQCanvasWindow* page)
{
    m_mode = Capturing;
    if (page) m_baselineRoot = ownKeys(page->toJson(), kElements);
    m_mode = Idle;
}

Json::Value DesignerKeyKeeper::document(const MOXQCanvasWindow* page)
{
    if (!page) return Json::Value(Json::objectValue);
    m_mode = Writing;
    Json::Value written = page->toJson();
    m_mode = Idle;
    Json::Value document = merged(m_sourceRoot, m_baselineRoot, written, kElements);
    unmark(document);
    return document;
}

const char* DesignerKeyKeeper::controlMark()
{
    return kMark;
}

Json::Value DesignerKeyKeeper::mergedChildren(const Json::Value& source,
                                              const Json::Value& baselineLooks,
                                              const Json::Value& now)
{
    Json::Value controls(Json::arrayValue);
    if (now.isArray())
        for (const Json::Value& entry : now)
            if (entry.isObject() && entry.isMember(kMark)) controls.append(entry);
    const Json::Value looks = looksOf(now);
    const bool sameLooks = looks == baselineLooks;
    Json::Value result(Json::arrayValue);
    Json::ArrayIndex next = 0;
    if (source.isArray())
        for (const Json::Value& entry : source) {
            if (moxIsScrollBarElement(entry)) {
                if (sameLooks) result.append(entry);
            } else if (next < controls.size()) {
                result.append(controls[next++]);
            }
        }
    for (; next < controls.size(); ++next)
        result.append(controls[next]);
    if (!sameLooks)
        for (const Json::Value& entry : looks)
            result.append(entry);
    return result;
}

Json::Value DesignerKeyKeeper::merged(const Json::Value& source, const Json::Value& baseline,
                                      const Json::Value& now, const char* structural)
{
    if (!now.isObject()) return now;
    Json::Value result(now);
    const Json::Value empty(Json::objectValue);
    const Json::Value& from = source.isObject() ? source : empty;
    const Json::Value& base = baseline.isObject() ? baseline : empty;
    auto consider = [&](const std::string& key) {
        if (key == structural) return;
        const bool inNow = now.isMember(key);
        const bool inBase = base.isMember(key);
        if (inNow != inBase || (inNow && now[key] != base[key])) return;
        if (from.isMember(key))
            result[key] = from[key];
        else
            result.removeMember(key);
    };
    for (const std::string& key : from.getMemberNames())
        consider(key);
    for (const std::string& key : now.getMemberNames())
        consider(key);
    return result;
}

void DesignerKeyKeeper::read(QWidget* control, const Json::Value& element)
{
    if (m_mode != Reading || !control) return;
    if (!m_guard) m_guard = std::make_unique<QObject>();
    if (!m_records.contains(control))
        QObject::connect(control, &QObject::destroyed, m_guard.get(),
                         [this](QObject* object) { forget(object); });
    Record& record = m_records[control];
    record.source = ownKeys(element, kChild);
    record.sourceChildren =
        element.isObject() && element.isMember(kChild) ? element[kChild] : Json::Value();
    record.hasBaseline = false;
}

void DesignerKeyKeeper::written(QWidget* control, Json::Value& element)
{
    // Pages written by anyone else (a library save) stay as the controls write them.
    if (m_mode != Capturing && m_mode != Writing) return;
    auto it = m_records.find(control);
    if (it != m_records.end() && element.isObject()) {
        if (m_mode == Capturing) {
            it->baseline = ownKeys(element, kChild);
            it->baselineLooks = looksOf(element[kChild]);
            it->hasBaseline = true;
        } else if (it->hasBaseline) {
            const Json::Value children = element.isMember(kChild) ? element[kChild] : Json::Value();
            element = merged(it->source, it->baseline, element, kChild);
            const Json::Value kept = mergedChildren(it->sourceChildren, it->baselineLooks, children);
            if (!kept.empty() || it->sourceChildren.isArray())
                element[kChild] = kept;
            else
                element.removeMember(kChild);
        }
    }
    // The parent tells its controls' entries from its own looks by this.
    if (element.isObject()) element[kMark] = true;
}

void DesignerKeyKeeper::forget(QObject* object)
{
    m_records.remove(object);
}
