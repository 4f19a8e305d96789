#include "MOXKeyTable.h"

#include "MOXJson.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"

#include <algorithm>

namespace MOXQtLib {

MOXKeyTable::MOXKeyTable(std::initializer_list<MOXKeyDecls> keys, EmptyStyle emptyStyle)
    : m_emptyStyle(emptyStyle)
{
    for (const MOXKeyDecls& run : keys)
        for (const MOXKeyDecl& decl : run.decls) {
            m_keys.push_back(decl);
            if (decl.styles) m_hasStyles = true;
            if (!decl.name.isEmpty() && decl.inAttr) m_attrNames.push_back(decl.name);
        }
    std::sort(m_attrNames.begin(), m_attrNames.end());
    // The names stay where they are: m_keys is not touched after this.
    for (size_t i = 0; i < m_keys.size(); ++i) {
        const QByteArray& name = m_keys[i].name;
        if (name.isEmpty() || !m_keys[i].read) continue;
        (m_keys[i].inAttr ? m_attrIndex : m_memberIndex)
            .emplace(std::string_view(name.constData(), size_t(name.size())), i);
    }
}

const MOXKeyTable& MOXKeyTable::none()
{
    static const MOXKeyTable table;
    return table;
}

bool MOXKeyTable::isOwnAttr(const char* name, size_t length) const
{
    const QByteArray key = QByteArray::fromRawData(name, int(length));
    return std::binary_search(m_attrNames.begin(), m_attrNames.end(), key);
}

QVector<QByteArray> MOXKeyTable::keyNames(bool inAttr) const
{
    QVector<QByteArray> names;
    for (const MOXKeyDecl& key : m_keys)
        if (!key.name.isEmpty() && key.inAttr == inAttr) names.append(key.name);
    return names;
}

const Json::Value* MOXKeyTable::attrOf(const Json::Value& object)
{
    static const Json::Value empty(Json::objectValue);
    const Json::Value* attr = jsonMember(object, "attr");
    if (!attr) return nullptr;
    if (attr->isNull()) return &empty;
    return attr->isObject() ? attr : nullptr;
}

Json::Value& MOXKeyTable::attrFor(Json::Value& object)
{
    Json::Value& attr = object["attr"];
    if (!attr.isObject()) attr = Json::Value(Json::objectValue);
    return attr;
}

void MOXKeyTable::readOwn(MOXQWidgetBaseImpl& impl, const Json::Value& object, bool themed) const
{
    read(impl, object, themed ? Pass::OwnThemed : Pass::Own);
}

void MOXKeyTable::readTheme(MOXQWidgetBaseImpl& impl, const Json::Value& entry) const
{
    read(impl, entry, Pass::Theme);
}

void MOXKeyTable::read(MOXQWidgetBaseImpl& impl, const Json::Value& object, Pass pass) const
{
    if (m_keys.empty() || !object.isObject()) return;
    const Json::Value* attr = attrOf(object);
    // The values present, by declaration; a member of a type that does not fit counts as
    // absent.
    std::vector<const Json::Value*> found(m_keys.size(), nullptr);
    auto collect = [&found](const Json::Value& holder,
                            const std::unordered_map<std::string_view, size_t>& index) {
        if (index.empty()) return;
        for (auto it = holder.begin(); it != holder.end(); ++it) {
            const char* end = nullptr;
            const char* begin = it.memberName(&end);
            const auto hit = index.find(std::string_view(begin, size_t(end - begin)));
            if (hit != index.end()) found[hit->second] = &*it;
        }
    };
    if (attr) collect(*attr, m_attrIndex);
    collect(object, m_memberIndex);
    for (size_t i = 0; i < m_keys.size(); ++i) {
        const MOXKeyDecl& key = m_keys[i];
        if (key.name.isEmpty() || !key.read) continue;
        const bool wanted = pass == Pass::Own                  ? true
                            : pass == Pass::OwnThemed ? key.source != MOXKeySource::Look
                                                      : key.source != MOXKeySource::Content;
        if (!wanted || (key.inAttr && !attr)) continue;
        if ((!found[i] || !key.read(impl, *found[i])) && pass != Pass::Theme && key.readAbsent)
            key.readAbsent(impl);
    }
}

void MOXKeyTable::readStyles(MOXQWidgetBaseImpl& impl, const Json::Value& object) const
{
    if (!m_hasStyles || !object.isObject()) return;
    MOXStyleSlots styleSlots;
    for (const MOXKeyDecl& key : m_keys)
        if (key.styles) key.styles(impl, styleSlots);
    styleSlots.read(object);
}

void MOXKeyTable::write(const MOXQWidgetBaseImpl& impl, Json::Value& object) const
{
    if (hasAttrKeys()) attrFor(object);
    for (const MOXKeyDecl& key : m_keys) {
        if (key.name.isEmpty() || !key.write) continue;
        Json::Value value = key.write(impl);
        if (value.isNull()) continue;
        (key.inAttr ? attrFor(object) : object)[key.name.toStdString()] = std::move(value);
    }
    if (!m_hasStyles) return;
    MOXStyleSlots styleSlots;
    // The slots keep pointers to the records; writing only reads through them.
    auto& records = const_cast<MOXQWidgetBaseImpl&>(impl);
    for (const MOXKeyDecl& key : m_keys)
        if (key.styles) key.styles(records, styleSlots);
    Json::Value entries = styleSlots.write();
    if (!entries.empty())
        object["style"] = std::move(entries);
    else if (m_emptyStyle == NullEmptyStyle)
        object["style"] = Json::Value();
}

QStringList moxFourStates()
{
    return {QStringLiteral("Normal"), QStringLiteral("Hot"), QStringLiteral("Pressed"),
            QStringLiteral("Disable")};
}

QVector<PropertyDef> MOXKeyTable::properties() const
{
    QVector<PropertyDef> defs;
    for (const MOXKeyDecl& key : m_keys)
        if (key.hasProperty) defs.append(key.property);
    return defs;
}

} // namespace MOXQtLib
