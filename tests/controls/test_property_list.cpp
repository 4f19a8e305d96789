// The property list: rows placed and pooled (reused after removeAll and on rebinding), nothing
// written while rows are filled, editors writing through their entries' setters, values the
// host wrote and bad values shown, the bound control held weakly, numeric ranges, chooser
// requests, binding by name from a page, its JSON, and editing every registered control type
// through it.

#include "ControlTestUtil.h"
#include "MOXQCheckBox.h"
#include "MOXQContainer.h"
#include "MOXQLabel.h"
#include "MOXQLineEdit.h"
#include "MOXQPageFile.h"
#include "MOXQPropertyList.h"
#include "MOXQPushButton.h"
#include "MOXQSpinBox.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <numeric>

using namespace MOXQtLib;
using ctltest::parsed;
using ctltest::written;

namespace {

struct List
{
    List()
    {
        init();
        ctltest::loadTestResources();
        list.resize(300, 400);
        QObject::connect(&list, &MOXQPropertyList::valueChanged,
                         [this](PropertyDef* def) { changed.append(def); });
    }
    // What valueChanged reported, in order.
    QVector<PropertyDef*> changed;
    MOXQPropertyList list;
};

// An entry of `kind` over one variant; `writes` counts its setter's calls.
PropertyDef entry(int kind, QVariant* store, int* writes, const QVector<int>& values = {})
{
    PropertyDef def = moxPropertyDef(
        QStringLiteral("P%1").arg(kind), kind,
        [store, writes](QObject*, const QVariant& v) { *store = v, ++*writes; },
        [store](QObject*) { return *store; });
    def.values = values;
    return def;
}

QVector<QWidget*> rowWidgets(const MOXQPropertyList& list)
{
    QVector<QWidget*> rows;
    for (int i = 0; i < list.rowCount(); ++i)
        rows.append(list.rowAt(i));
    return rows;
}

// What a row shows: its spin boxes' numbers, its line edit's text or its value label's text.
QString shown(const QWidget* row)
{
    QStringList numbers;
    for (const QSpinBox* spin : row->findChildren<QSpinBox*>())
        numbers.append(QString::number(spin->value()));
    if (!numbers.isEmpty()) return numbers.join(' ');
    if (const auto* edit = row->findChild<QLineEdit*>()) return edit->text();
    return row->findChildren<MOXQLabel*>().constLast()->getText();
}

} // namespace

TEST(PropertyList, PlacesRowsAndReusesThemAfterRemoveAllAndOnRebinding)
{
    List l;
    QObject target;
    QVariant store = QStringLiteral("x");
    int writes = 0;
    const int kinds[] = {0, 1, 3, 10, 4, 9, 13, 14, 11, 12};
    int rows = 0;
    for (int kind : kinds) {
        PropertyDef def = entry(kind, &store, &writes);
        def.object = &target;
        // Enumerations have no editor here.
        EXPECT_EQ(l.list.addItem(def), kind != 13) << kind;
        rows = l.list.rowCount();
        EXPECT_EQ(l.list.widget()->height(), 30 * rows) << kind;
    }
    ASSERT_EQ(rows, 9);
    const int width = l.list.viewport()->width();
    EXPECT_EQ(l.list.rowAt(3)->geometry(), QRect(0, 90, width, 30));
    EXPECT_EQ(l.list.editorAt(3)->geometry(), QRect(120, 0, width - 120, 30));
    EXPECT_EQ(l.list.editorAt(4), nullptr);
    EXPECT_EQ(l.list.rowAt(9), nullptr);
    EXPECT_EQ(l.list.rowAt(-1), nullptr);
    EXPECT_EQ(l.list.editorAt(5)->geometry(), QRect(120, 0, width - 150, 30));
    EXPECT_EQ(l.list.rowAt(8)->findChildren<QSpinBox*>().at(3)->geometry().right(), width - 1);

    const QVector<QWidget*> first = rowWidgets(l.list);
    l.list.removeAll();
    EXPECT_EQ(l.list.widget()->height(), 0);
    for (int kind : kinds)
        l.list.addItem(entry(kind, &store, &writes));
    EXPECT_EQ(rowWidgets(l.list), first);

    MOXQPushButton button;
    l.list.bindControl(&button);
    const QVector<QWidget*> bound = rowWidgets(l.list);
    ASSERT_GT(bound.size(), 8);
    l.list.bindControl(&button);
    EXPECT_EQ(rowWidgets(l.list), bound);
    EXPECT_EQ(writes, 0);
}

TEST(PropertyList, FillingWritesNothingAndEditorsWriteThroughTheirSetters)
{
    List l;
    QObject target;
    struct Case
    {
        int kind;
        QVariant initial;
        std::function<void(QWidget*)> edit;
        QVariant written;
    };
    auto nine = [](QWidget* w) { static_cast<QSpinBox*>(w)->setValue(9); };
    const Case cases[] = {
        {0, QStringLiteral("name"),
         [](QWidget* w) { static_cast<QLineEdit*>(w)->setText(QStringLiteral("renamed")); },
         QStringLiteral("renamed")},
        {1, QStringLiteral("tip"),
         [](QWidget* w) {
             QKeyEvent key(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
             QCoreApplication::sendEvent(w, &key);
         },
         QStringLiteral("tips")},
        {3, true, [](QWidget* w) { static_cast<QAbstractButton*>(w)->click(); }, false},
        {10, 150, [](QWidget* w) { static_cast<QSpinBox*>(w)->setValue(-7); }, -7},
        {9, QStringLiteral("a.png"), [](QWidget* w) { static_cast<QLineEdit*>(w)->setText("b"); },
         QStringLiteral("b")},
        {11, QSize(20, 30), nine, QSize(9, 30)},
        {12, QVariantList{1, 2, 3, 4}, nine, QVariantList{9, 2, 3, 4}},
    };
    QVariant stores[7];
    int writes[7] = {};
    for (int i = 0; i < 7; ++i) {
        stores[i] = cases[i].initial;
        PropertyDef def = entry(cases[i].kind, &stores[i], &writes[i]);
        def.object = &target;
        l.list.addItem(def);
    }
    // Filling the editors with the values read no setter and reported nothing.
    EXPECT_EQ(std::accumulate(writes, writes + 7, 0), 0);
    EXPECT_EQ(l.changed.count(), 0);
    EXPECT_EQ(static_cast<QSpinBox*>(l.list.editorAt(3))->value(), 150);

    for (int i = 0; i < 7; ++i) {
        QWidget* editor = l.list.editorAt(i);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setCursorPosition(99);
        cases[i].edit(editor);
        EXPECT_EQ(stores[i], cases[i].written) << cases[i].kind;
        EXPECT_EQ(writes[i], 1) << cases[i].kind;
        ASSERT_EQ(l.changed.count(), i + 1);
        PropertyDef* reported = l.changed.at(i);
        EXPECT_EQ(reported, l.list.entryAt(i));
        EXPECT_EQ(reported->object, &target);
    }

    // An editor that carries no entry (being filled) neither writes nor reports a null entry.
    QWidget* edit = l.list.editorAt(0);
    edit->setProperty("Prop_ID", QVariant::fromValue<void*>(nullptr));
    static_cast<QLineEdit*>(edit)->setText(QStringLiteral("lost"));
    EXPECT_EQ(writes[0], 1);
    EXPECT_EQ(l.changed.count(), 7);
}

// Values the host wrote (after a path's or colour's button asked for a chooser) shown anew by
// updateValue; bad values shown as blanks or zeros; margins read left, top, right, bottom.
TEST(PropertyList, ShowsHostWrittenAndBadValues)
{
    List l;
    QVector<PropertyDef*> asked;
    QObject::connect(&l.list, &MOXQPropertyList::selectEvent, [&](PropertyDef* d) { asked << d; });
    const struct Case
    {
        int kind;
        QVariant initial, hostWrites;
        QString shownFirst, shownLast;
    } cases[] = {
        {9, QStringLiteral("a.png"), QStringLiteral(":/c.png"), "a.png", ":/c.png"},
        {11, QSize(-5, -3), QStringLiteral("wide"), "0 0", "0 0"},
        {12, QVariantList{1, 2, 3, 4}, QVariantList{7}, "1 2 3 4", "7 0 0 0"},
        {14, QColor(255, 0, 0, 128), QColor(0x12, 0x34, 0x56), "80FF0000", "FF123456"},
        {14, QStringLiteral("no colour"), {}, "", ""},
    };
    QVariant stores[5];
    int writes = 0;
    for (int i = 0; i < 5; ++i) {
        stores[i] = cases[i].initial;
        PropertyDef def = entry(cases[i].kind, &stores[i], &writes);
        def.object = &l.list;
        ASSERT_TRUE(l.list.addItem(def));
        EXPECT_EQ(shown(l.list.rowAt(i)), cases[i].shownFirst) << i;
        if (auto* button = l.list.rowAt(i)->findChild<QPushButton*>()) button->click();
        stores[i] = cases[i].hostWrites;
        l.list.updateValue(l.list.entryAt(i));
        EXPECT_EQ(shown(l.list.rowAt(i)), cases[i].shownLast) << i;
    }
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(l.changed.count(), 5);
    EXPECT_EQ(asked, QVector<PropertyDef*>({l.list.entryAt(0), l.list.entryAt(3),
                                            l.list.entryAt(4)}));
    MOXQLineEdit edit; // its last entry: "Margin"
    edit.setEditMargin(2, 4, 1, 3);
    l.list.bindControl(&edit);
    EXPECT_EQ(shown(l.list.rowAt(l.list.rowCount() - 1)), "1 2 3 4");
}

TEST(PropertyList, NumericEditorsTakeTheEntrysRangeOrEveryInteger)
{
    List l;
    MOXQPushButton button;
    button.setOpacity(200);
    QVariant store = 1000;
    int writes = 0;
    l.list.addItem(entry(10, &store, &writes, {-5, 5}));
    l.list.addItem(entry(10, &store, &writes));
    l.list.bindControl(&button);
    int alpha = -1, fade = -1;
    for (int i = 0; i < l.list.rowCount(); ++i) {
        if (l.list.entryAt(i)->displayName == QLatin1String("Alpha")) alpha = i;
        if (l.list.entryAt(i)->displayName == QLatin1String("FadeDuration")) fade = i;
    }
    ASSERT_TRUE(alpha >= 0 && fade >= 0);
    auto* spin = static_cast<QSpinBox*>(l.list.editorAt(alpha));
    EXPECT_EQ(spin->minimum(), 0);
    EXPECT_EQ(spin->maximum(), 255);
    EXPECT_EQ(spin->value(), 200);
    spin = static_cast<QSpinBox*>(l.list.editorAt(fade));
    EXPECT_EQ(spin->minimum(), INT_MIN);
    EXPECT_EQ(spin->maximum(), INT_MAX);
    EXPECT_EQ(spin->value(), 150);

    l.list.bindControl(nullptr);
    l.list.addItem(entry(10, &store, &writes, {5, -5}));
    spin = static_cast<QSpinBox*>(l.list.editorAt(0));
    EXPECT_EQ(spin->minimum(), -5);
    EXPECT_EQ(spin->maximum(), 5);
    EXPECT_EQ(writes, 0);
}

TEST(PropertyList, ADeletedControlLeavesAnEmptyListAndEditsGoNowhere)
{
    List l;
    auto button = std::make_unique<MOXQPushButton>();
    l.list.bindControl(button.get());
    ASSERT_GT(l.list.rowCount(), 0);
    auto* name = qobject_cast<QLineEdit*>(l.list.editorAt(0));
    ASSERT_NE(name, nullptr);
    button.reset();
    EXPECT_EQ(l.list.rowCount(), 0);
    EXPECT_EQ(l.list.boundControl(), nullptr);
    name->setText(QStringLiteral("ghost"));
    EXPECT_EQ(l.changed.count(), 0);
    // A widget that is not a control has no entries.
    QWidget plain;
    l.list.bindControl(&plain);
    EXPECT_EQ(l.list.rowCount(), 0);

    // An entry bound to an object of its own, deleted while shown.
    auto other = std::make_unique<QObject>();
    PropertyDef def = moxCommonPropertyDefs().at(0);
    def.object = other.get();
    ASSERT_TRUE(l.list.addItem(def));
    other.reset();
    static_cast<QLineEdit*>(l.list.editorAt(0))->setText(QStringLiteral("ghost"));
    EXPECT_EQ(l.changed.count(), 0);
    EXPECT_EQ(l.list.entryAt(0)->object, nullptr);
}

TEST(PropertyList, BindsTheNamedControlOfItsPageAndRoundTripsItsJson)
{
    init();
    ctltest::loadTestResources();
    // The list comes before the control it names: it binds once the page is shown.
    const char* page = R"({"elements": [{"type": "qtcontainer", "name": "root", "w": 400,
      "h": 300, "child": [
      {"type": "property", "name": "props", "x": 0, "y": 0, "w": 250, "h": 300,
       "style": [["fillA", 1, 0]], "attr": {"bind": "target", "editTheme": "deckEdit"}},
      {"type": "qtbutton", "name": "target", "x": 260, "y": 0, "w": 80, "h": 30}]}]})";
    QWidget host;
    std::unique_ptr<MOXQContainer> root(moxCreatePageFromJson(&host, parsed(page)));
    auto* list = host.findChild<MOXQPropertyList*>("props");
    ASSERT_NE(list, nullptr);
    host.show();
    testsupport::processEvents();
    EXPECT_EQ(list->boundControl(), host.findChild<MOXQPushButton*>("target"));
    EXPECT_EQ(list->getBackground(CommonCtrlStateNormal).name, QStringLiteral("fillA"));
    const Json::Value json = written(list);
    EXPECT_EQ(json["type"].asString(), "qtproperty");
    EXPECT_EQ(json["attr"]["bind"].asString(), "target");
    EXPECT_EQ(json["attr"]["editTheme"].asString(), "deckEdit");
    EXPECT_EQ(json["style"][0][0].asString(), "fillA");
    // Its rows are its own parts, never written as children.
    EXPECT_FALSE(json.isMember("child"));
    auto again = ctltest::controlFrom<MOXQPropertyList>(json);
    EXPECT_EQ(jsonWrite(written(again.get())), jsonWrite(json));
}

// What a designer does with the list: every registered type bound, filled, and one entry of
// each editable kind edited through its editor; style entries through the chooser request.
TEST(PropertyList, EditsEveryRegisteredControlType)
{
    List l;
    QWidget host;
    FillStyle fill;
    TextStyleDesc text;
    ASSERT_TRUE(moxGetFillStyle(QStringLiteral("fillB"), fill));
    ASSERT_TRUE(moxGetTextStyle(QStringLiteral("textBig"), text));
    QObject::connect(&l.list, &MOXQPropertyList::selectEvent, [&](PropertyDef* def) {
        const QVariant record = def->kind == PropertyDef::FillStylePerState
                                    ? QVariant::fromValue(fill)
                                    : QVariant::fromValue(text);
        def->setter(def->object, def->kind == PropertyDef::Color ? QVariant(QColor(Qt::red))
                                                                 : QVariantList{0, record});
        l.list.updateValue(def);
    });
    for (const QByteArray& type : moxGetRegisteredTypeNames()) {
        std::unique_ptr<QWidget> control(moxCreateDefaultControl(type, &host));
        ASSERT_NE(control, nullptr) << type.constData();
        const ControlInfo* info = moxGetControlInfo(moxControlOf(control.get())->getTypeName());
        l.list.bindControl(control.get());
        QSet<int> edited;
        for (int i = 0; i < l.list.rowCount(); ++i) {
            PropertyDef* def = l.list.entryAt(i);
            QWidget* editor = l.list.editorAt(i);
            if (!def->setter || edited.contains(def->kind)) continue;
            const std::string where = type.toStdString() + " " + def->displayName.toStdString();
            const int before = l.changed.count();
            QVariant expected;
            if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
                edit->setText(QStringLiteral("edited"));
                expected = QStringLiteral("edited");
            } else if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
                spin->setValue(spin->value() == spin->minimum() ? spin->value() + 1
                                                                : spin->value() - 1);
                if (def->kind == PropertyDef::Integer) expected = spin->value();
            } else if (auto* check = qobject_cast<QAbstractButton*>(editor);
                       check && def->kind == PropertyDef::Boolean) {
                check->click();
                expected = check->isChecked();
            } else if (auto* button = qobject_cast<QAbstractButton*>(editor)) {
                button->click();
                const QVariant records = def->getter(control.get());
                const QString name = def->kind == PropertyDef::Color ? shown(l.list.rowAt(i))
                                     : records.toList().value(0).canConvert<FillStyle>()
                                         ? records.toList()[0].value<FillStyle>().name
                                         : records.toList().value(0).value<TextStyleDesc>().name;
                EXPECT_EQ(name, def->kind == PropertyDef::Color               ? "FFFF0000"
                                : def->kind == PropertyDef::FillStylePerState ? "fillB"
                                                                              : "textBig")
                    << where;
                bool shown = false;
                for (const QLabel* label : l.list.rowAt(i)->findChildren<QLabel*>())
                    shown = shown || label->text() == name;
                EXPECT_TRUE(shown) << where;
            }
            if (expected.isValid()) {
                EXPECT_EQ(def->getter(control.get()), expected) << where;
            }
            EXPECT_EQ(l.changed.count(), before + 1) << where;
            edited.insert(def->kind);
        }
        // Chart controls list no entries.
        EXPECT_EQ(edited.contains(PropertyDef::PlainText), info && !info->properties.isEmpty())
            << type.constData();
    }
}
