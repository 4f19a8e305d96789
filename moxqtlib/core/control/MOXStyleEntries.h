#pragma once

// The style rules every control shares.
//
// Per-state records: a control keeps one record (background, text style, image ...) for each
// of the four states Normal, Hot, Pressed and Disable. Setters take a state or 4 for all four
// and ignore anything else; getters read Normal for a state out of range.
//
// The "style" member of a control's JSON object: an array of [style name, kind, slot] entries
// naming resource-manager styles for the control's slots. A control lists its slots in groups
// (usually four per-state records per group); an entry for the first slot of a group styles
// the whole group, and later entries override single slots. Kind is 1 for a fill style and 2
// for a text style; readers ignore it.
//
//   MOXStyleSlots entries;
//   entries.addFillGroup(m_backgrounds);   // slots 0..3
//   entries.addTextGroup(m_textStyles);    // slots 4..7
//   if (read) entries.read(*value); else entries.writeTo(*value);

#include "FillStyle.h"
#include "TextStyleDesc.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <json/json.h>

#include <array>
#include <functional>
#include <vector>

namespace MOXQtLib {

// The four control states; a state argument of 4 means all of them.
constexpr int kMoxStateCount = 4;
constexpr int kMoxAllStates = 4;

inline bool moxIsCtrlState(int state)
{
    return state >= 0 && state < kMoxStateCount;
}
// What a getter reads for `state`: the state itself, Normal when it is out of range.
inline int moxStateOrNormal(int state)
{
    return moxIsCtrlState(state) ? state : 0;
}

template <class Record> class MOXStateRecords
{
public:
    MOXStateRecords() = default;
    explicit MOXStateRecords(const Record& all) { m_records.fill(all); }

    // One state (0 to 3) or all four (4). Any other state changes nothing and returns false.
    bool set(int state, const Record& record)
    {
        if (state == kMoxAllStates) {
            m_records.fill(record);
            return true;
        }
        if (!moxIsCtrlState(state)) return false;
        m_records[size_t(state)] = record;
        return true;
    }
    const Record& get(int state) const { return m_records[size_t(moxStateOrNormal(state))]; }
    // Direct access for the control itself; out-of-range states reach Normal.
    Record& at(int state) { return m_records[size_t(moxStateOrNormal(state))]; }
    Record* data() { return m_records.data(); }
    const Record* data() const { return m_records.data(); }

private:
    std::array<Record, kMoxStateCount> m_records{};
};

// One well-formed entry of a "style" member.
struct MOXStyleEntry
{
    QString name;
    int kind = 0;
    int slot = 0;
};

// The entries of `object`'s "style" member in file order. An entry that is not an array of at
// least three elements, whose name is not a non-empty string, or whose slot is not an integer
// in [0, slotCount) is skipped. Empty when there is no "style" array.
QVector<MOXStyleEntry> moxReadStyleEntries(const Json::Value& object, int slotCount);

// The slots of one control and the records they style. It keeps pointers to the records: build
// one on the stack for each read or write.
class MOXStyleSlots
{
public:
    // Fills a record from the style of that name; false (record untouched) when there is none.
    template <class Record> using Lookup = std::function<bool(const QString& name, Record& record)>;

    // Appends `count` slots bound to records[0] .. records[count - 1]; returns the first slot.
    // Records need a `name` and a `flag` (set for text styles) member.
    // An entry for the first slot also styles `firstAlso` when it is given (a record the
    // group's first slot stands for, with no slot of its own).
    template <class Record>
    int addGroup(Record* records, int count, Lookup<Record> lookup, Record* firstAlso = nullptr)
    {
        Group group;
        group.first = slotCount();
        group.count = count;
        group.apply = [records, count, lookup, firstAlso](int index, const QString& name) {
            if (index != 0) return lookup(name, records[index]);
            Record found = records[0];
            if (!lookup(name, found)) return false;
            for (int i = 0; i < count; ++i)
                records[i] = found;
            if (firstAlso) *firstAlso = found;
            return true;
        };
        group.name = [records](int index) { return records[index].name; };
        group.kind = [records](int index) { return records[index].flag ? 2 : 1; };
        m_groups.push_back(std::move(group));
        return m_groups.back().first;
    }
    template <class Record> int addGroup(MOXStateRecords<Record>& records, Lookup<Record> lookup)
    {
        return addGroup(records.data(), kMoxStateCount, std::move(lookup));
    }

    // The same groups looked up in the resource manager's fill and text styles.
    int addFillGroup(FillStyle* records, int count);
    int addFillGroup(MOXStateRecords<FillStyle>& records, FillStyle* firstAlso = nullptr);
    int addTextGroup(TextStyleDesc* records, int count);
    int addTextGroup(MOXStateRecords<TextStyleDesc>& records);
    // Slots no record takes (numbers a control's files skip); entries for them are ignored.
    int addGap(int count);

    int slotCount() const;

    // Applies the entries of `object`'s "style" member in order; names that are not found
    // leave their slots unchanged. Returns the number of entries applied.
    int read(const Json::Value& object) const;

    // The entries that read back into the same styles. Per group: a single entry for the first
    // slot when every record has the same name; otherwise one for the first slot (when named)
    // and one for each other named record whose name differs from the first one's.
    Json::Value write() const;
    // Stores write() as `object`'s "style" member, unless it is empty.
    void writeTo(Json::Value& object) const;

private:
    struct Group
    {
        int first = 0;
        int count = 0;
        std::function<bool(int, const QString&)> apply;
        std::function<QString(int)> name;
        std::function<int(int)> kind;
    };
    std::vector<Group> m_groups;
};

} // namespace MOXQtLib

Q_DECLARE_METATYPE(MOXQtLib::FillStyle)
Q_DECLARE_METATYPE(MOXQtLib::TextStyleDesc)
