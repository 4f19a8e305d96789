#include "DesignerKeyKeeper.h"

#include "MOXQCanvasWindow.h"
#include "MOXSerializeHook.h"

#include <QObject>
#include <QWidget>

using namespace MOXQtLib;

namespace {

const char* const kChild = "child";
const char* const kElements = "elements";

// The object without its children: they are kept per control.
Json::Value ownKeys(const Json::Value& object, const char* structural)
{
    if (!object.isObject()) return Json::Value(Json::objectValue);
    Json::Value own(object);
    own.removeMember(structural);
    return own;
}

} // namespace

DesignerKeyKeeper::DesignerKeyKeeper()
{
    MOXSerializeHook hook;
    hook.read = [this](QWidget* control, const Json::Value& element) { read(control, element); };
    hook.written = [this](QWidget* control, Json::Value& element) { written(control, element); };
    moxSetSerializeHook(hook);
}

DesignerKeyKeeper::~DesignerKeyKeeper()
{
    moxSetSerializeHook({});
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
    return merged(m_sourceRoot, m_baselineRoot, page->toJson(), kElements);
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
    record.hasBaseline = false;
}

void DesignerKeyKeeper::written(QWidget* control, Json::Value& element)
{
    auto it = m_records.find(control);
    if (it == m_records.end()) return;
    if (m_mode == Capturing) {
        it->baseline = ownKeys(element, kChild);
        it->hasBaseline = true;
        return;
    }
    if (it->hasBaseline) element = merged(it->source, it->baseline, element, kChild);
}

void DesignerKeyKeeper::forget(QObject* object)
{
    m_records.remove(object);
}
