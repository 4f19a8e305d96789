// The shared "style" member rules and per-state records, over a plain record type and a map
// of known styles, so no resource manager is involved.

#include "ControlTestUtil.h"
#include "MOXStyleEntries.h"

#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::parsed;

namespace {

struct Rec
{
    bool flag = false;
    QString name;
};

// Styles "A", "B", "C" and "T" exist; `text` marks them as text styles.
MOXStyleSlots::Lookup<Rec> lookup(bool text)
{
    return [text](const QString& name, Rec& r) {
        if (!QStringList{"A", "B", "C", "T"}.contains(name)) return false;
        r = Rec{text, name};
        return true;
    };
}

// A button-like control: four backgrounds in slots 0..3, four text styles in 4..7.
struct Control
{
    MOXStateRecords<Rec> backgrounds;
    MOXStateRecords<Rec> texts;
    MOXStyleSlots slotsFor()
    {
        MOXStyleSlots s;
        s.addGroup(backgrounds, lookup(false));
        s.addGroup(texts, lookup(true));
        return s;
    }
    QString names() const
    {
        QString out;
        for (int i = 0; i < 9; ++i) {
            const QString n = i < 4 ? backgrounds.get(i).name : texts.get(i - 5).name;
            out += i == 4 ? "|" : n.isEmpty() ? "-" : n;
        }
        return out;
    }
};

QString readNames(const char* json)
{
    Control c;
    c.slotsFor().read(parsed(json));
    return c.names();
}

} // namespace

TEST(StyleEntries, GroupSlotFillsGroupAndLaterEntriesOverride)
{
    EXPECT_EQ(readNames(R"({"style": [["A", 1, 0]]})"), "AAAA|----");
    EXPECT_EQ(readNames(R"({"style": [["A", 1, 0], ["B", 1, 1]]})"), "ABAA|----");
    // Order matters: a group entry after a single one overrides it again.
    EXPECT_EQ(readNames(R"({"style": [["B", 1, 1], ["A", 1, 0]]})"), "AAAA|----");
    EXPECT_EQ(readNames(R"({"style": [["T", 2, 4], ["C", 2, 7]]})"), "----|TTTC");
    // Unknown names leave their slots as they were.
    EXPECT_EQ(readNames(R"({"style": [["A", 1, 0], ["nope", 1, 2]]})"), "AAAA|----");
}

TEST(StyleEntries, MalformedEntriesAreSkipped)
{
    EXPECT_EQ(readNames(R"({"style": [["A", 1], "A", 5, null, {"name": "A"}, [], ["B", 1, 1]]})"),
              "-B--|----");
    EXPECT_EQ(readNames(R"({"style": [["A", 1, 8], ["A", 1, -1], ["A", 1, 2147483648],
                                      ["A", 1, 1.5], ["A", 1, "0"], [7, 1, 0], ["", 1, 0],
                                      ["A", 1, 1e300], ["C", 1, 3, "extra"]]})"),
              "---C|----");
    EXPECT_EQ(readNames(R"({"style": {"0": "A"}})"), "----|----");
    EXPECT_EQ(readNames("[1, 2, 3]"), "----|----");
    EXPECT_TRUE(moxReadStyleEntries(parsed(R"({"style": [["A", 1, 0]]})"), 0).isEmpty());
}

TEST(StyleEntries, WriterIsLosslessAndReadsOldFiles)
{
    // Writes a control with those names and reads it into a fresh one: (entries, names read).
    auto roundTrip = [](const QStringList& bg, const QStringList& tx) {
        Control c;
        for (int i = 0; i < 4; ++i) {
            if (!bg[i].isEmpty()) c.backgrounds.set(i, Rec{false, bg[i]});
            if (!tx[i].isEmpty()) c.texts.set(i, Rec{true, tx[i]});
        }
        Json::Value out(Json::objectValue);
        c.slotsFor().writeTo(out);
        Control back;
        back.slotsFor().read(out);
        return std::make_pair(jsonWrite(out), back.names());
    };
    EXPECT_EQ(roundTrip({"A", "A", "A", "A"}, {"", "", "", ""}),
              std::make_pair(std::string(R"({"style":[["A",1,0]]})"), QString("AAAA|----")));
    EXPECT_EQ(roundTrip({"A", "B", "A", "C"}, {"T", "T", "T", "C"}),
              std::make_pair(std::string(R"({"style":[["A",1,0],["B",1,1],["C",1,3],)"
                                         R"(["T",2,4],["C",2,7]]})"),
                             QString("ABAC|TTTC")));
    // Named states next to unnamed ones: the old rule kept only slot 0 and lost Hot and Pressed.
    EXPECT_EQ(roundTrip({"", "B", "", "C"}, {"", "", "", ""}).second, "-B-C|----");
    EXPECT_EQ(roundTrip({"A", "", "B", ""}, {"", "", "", ""}).second, "AABA|----");
    EXPECT_EQ(roundTrip({"", "", "", ""}, {"", "", "", ""}).first, "{}");

    // What the old writer produced (every named state of a group whose neighbours differ)
    // reads back as it did.
    EXPECT_EQ(readNames(R"({"style": [["A",1,0],["B",1,1],["A",1,2],["C",1,3],["T",2,4]]})"),
              "ABAC|TTTT");
}

TEST(StyleEntries, StateArgumentsOutsideTheRangeAreIgnored)
{
    MOXStateRecords<int> records(5);
    EXPECT_TRUE(records.set(2, 7));
    EXPECT_FALSE(records.set(-1, 1));
    EXPECT_FALSE(records.set(5, 1));
    EXPECT_FALSE(records.set(1 << 30, 1));
    EXPECT_EQ(records.get(2), 7);
    EXPECT_EQ(records.get(0), 5);
    EXPECT_EQ(records.get(-3), 5);
    EXPECT_EQ(records.get(9), 5);
    EXPECT_TRUE(records.set(kMoxAllStates, 3));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(records.get(s), 3);
}
