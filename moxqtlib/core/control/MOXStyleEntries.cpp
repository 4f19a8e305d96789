#include "MOXStyleEntries.h"

#include "FillStyle.h"
#include "MOXJson.h"
#include "MOXQResourceManager.h"
#include "TextStyleDesc.h"

namespace MOXQtLib {

QVector<MOXStyleEntry> moxReadStyleEntries(const Json::Value& object, int slotCount)
{
    QVector<MOXStyleEntry> entries;
    const Json::Value* style = jsonArray(object, "style");
    if (!style) return entries;
    for (Json::ArrayIndex i = 0; i < style->size(); ++i) {
        const Json::Value& item = jsonAt(*style, i);
        if (!item.isArray() || item.size() < 3) continue;
        MOXStyleEntry entry;
        if (!jsonToString(jsonAt(item, 0), entry.name) || entry.name.isEmpty()) continue;
        if (!jsonToInt(jsonAt(item, 2), entry.slot)) continue;
        if (entry.slot < 0 || entry.slot >= slotCount) continue;
        jsonToInt(jsonAt(item, 1), entry.kind);
        entries.append(entry);
    }
    return entries;
}

namespace {

bool lookUpFill(const QString& name, FillStyle& style)
{
    return MOXQResourceManager::getInstance()->getFillStyle(name, style);
}

} // namespace

int MOXStyleSlots::addFillGroup(FillStyle* records, int count)
{
    return addGroup<FillStyle>(records, count, &lookUpFill);
}

int MOXStyleSlots::addFillGroup(MOXStateRecords<FillStyle>& records, FillStyle* firstAlso)
{
    return addGroup<FillStyle>(records.data(), kMoxStateCount, &lookUpFill, firstAlso);
}

int MOXStyleSlots::addTextGroup(TextStyleDesc* records, int count)
{
    return addGroup<TextStyleDesc>(records, count, [](const QString& name, TextStyleDesc& style) {
        return MOXQResourceManager::getInstance()->getTextStyle(name, style);
    });
}

int MOXStyleSlots::addTextGroup(MOXStateRecords<TextStyleDesc>& records)
{
    return addTextGroup(records.data(), kMoxStateCount);
}

int MOXStyleSlots::addGap(int count)
{
    Group group;
    group.first = slotCount();
    group.count = count;
    group.apply = [](int, const QString&) { return false; };
    group.name = [](int) { return QString(); };
    group.kind = [](int) { return 1; };
    m_groups.push_back(std::move(group));
    return m_groups.back().first;
}

int MOXStyleSlots::slotCount() const
{
    return m_groups.empty() ? 0 : m_groups.back().first + m_groups.back().count;
}

int MOXStyleSlots::read(const Json::Value& object) const
{
    int applied = 0;
    for (const MOXStyleEntry& entry : moxReadStyleEntries(object, slotCount())) {
        for (const Group& group : m_groups) {
            if (entry.slot < group.first || entry.slot >= group.first + group.count) continue;
            if (group.apply(entry.slot - group.first, entry.name)) ++applied;
            break;
        }
    }
    return applied;
}

Json::Value MOXStyleSlots::write() const
{
    Json::Value entries(Json::arrayValue);
    auto append = [&entries](const QString& name, int kind, int slot) {
        Json::Value entry(Json::arrayValue);
        entry.append(name.toStdString());
        entry.append(kind);
        entry.append(slot);
        entries.append(entry);
    };
    for (const Group& group : m_groups) {
        const QString first = group.name(0);
        bool allSame = true;
        for (int i = 1; i < group.count; ++i)
            allSame = allSame && group.name(i) == first;
        if (!first.isEmpty()) append(first, group.kind(0), group.first);
        if (allSame) continue;
        // A named first slot already styles the others; unnamed records have nothing a file
        // could name, so they keep what the first entry gives them.
        for (int i = 1; i < group.count; ++i) {
            const QString name = group.name(i);
            if (!name.isEmpty() && name != first) append(name, group.kind(i), group.first + i);
        }
    }
    return entries;
}

void MOXStyleSlots::writeTo(Json::Value& object) const
{
    Json::Value entries = write();
    if (!entries.empty()) object["style"] = entries;
}

} // namespace MOXQtLib
