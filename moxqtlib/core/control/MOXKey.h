#pragma once

// Declaring a control's keys: one line per key in the implementation class's table.
//
//   const MOXKeyTable& MOXQFooImpl::keys()
//   {
//       using I = MOXQFooImpl;
//       static const MOXKeyTable table{
//           moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addFillGroup(i.m_backgrounds); }),
//           moxStateProperty<I>("Background", PropertyDef::FillStylePerState, moxFourStates(),
//                               &I::setBackground, &I::getBackground),
//           moxKey<I>("text", &I::getText, &I::setText).content(),
//           moxKey<I>("space", &I::getSpace, &I::setSpace).property("Space",
//                                                                   PropertyDef::Integer),
//           moxKey<I>("fill", &I::getFill, &I::setFill, moxBoolCodec).omit(true),
//       };
//       return table;
//   }
//
// A key is read and set through the getter and setter it names, so rules such as "0 or less
// becomes 150" live in the setter alone. Unless told otherwise a key lives in "attr", is a look
// (a theme entry may restyle it), is written when it differs from its type's empty value
// (false, 0, empty text) and keeps its value when a file leaves it out.

#include "IconStyleDesc.h"
#include "MOXKeyCodec.h"
#include "MOXKeyTable.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"

#include <QVariant>
#include <QWidget>

#include <functional>
#include <type_traits>
#include <utility>

namespace MOXQtLib {

// The implementation object of class Impl behind `object`: the object itself, or the control
// widget that owns it (property entries are bound to the widget).
template <class Impl> Impl* moxImplOf(QObject* object)
{
    if (auto* impl = dynamic_cast<Impl*>(object)) return impl;
    return dynamic_cast<Impl*>(MOXQWidgetBaseImpl::fromWidget(qobject_cast<QWidget*>(object)));
}

// A designer property entry for a per-state style of control class C, listing `labels` as
// states 0, 1, ... Its setter takes a QVariantList [state, record]; its getter gives the records
// of the listed states in order.
template <class C, class State, class Record>
PropertyDef moxStatePropertyDef(const QString& name, int kind, const QStringList& labels,
                                void (C::*set)(State, const Record&),
                                const Record& (C::*get)(State) const)
{
    PropertyDef def;
    def.displayName = name;
    def.kind = kind;
    def.labels = labels;
    for (int i = 0; i < labels.size(); ++i)
        def.values.append(i);
    def.setter = [set](QObject* o, const QVariant& v) {
        C* c = moxImplOf<C>(o);
        const QVariantList pair = v.toList();
        if (!c || pair.size() < 2 || !pair[1].canConvert<Record>()) return;
        bool ok = false;
        const int state = pair[0].toInt(&ok);
        if (ok) (c->*set)(State(state), pair[1].value<Record>());
    };
    const int count = labels.size();
    def.getter = [get, count](QObject* o) -> QVariant {
        C* c = moxImplOf<C>(o);
        if (!c) return {};
        QVariantList records;
        for (int i = 0; i < count; ++i)
            records.append(QVariant::fromValue((c->*get)(State(i))));
        return records;
    };
    return def;
}

template <class Impl, class T> class MOXKey
{
public:
    using Getter = std::function<T(const Impl&)>;
    using Setter = std::function<void(Impl&, const T&)>;

    MOXKey(const char* name, Getter get, Setter set,
           const MOXKeyCodec<T>& codec = MOXDefaultCodec<T>::value)
        : m_get(std::move(get)), m_set(std::move(set)), m_codec(codec)
    {
        m_decl.name = name;
        omit(T());
    }

    // Read only from the control's own object, never from a theme entry.
    MOXKey& content()
    {
        m_decl.source = MOXKeySource::Content;
        return *this;
    }
    // Read from the control's own object, then from the theme entry on top.
    MOXKey& ownThenTheme()
    {
        m_decl.source = MOXKeySource::OwnThenTheme;
        return *this;
    }
    // A member of the control's object itself rather than of its "attr".
    MOXKey& member()
    {
        m_decl.inAttr = false;
        return *this;
    }
    // Left out of a written object while the value equals `value`.
    MOXKey& omit(const T& value)
    {
        return omitWhen([value](const T& v) { return v == value; });
    }
    MOXKey& omitWhen(std::function<bool(const T&)> test)
    {
        m_omit = std::move(test);
        return *this;
    }
    // Written whatever the value.
    MOXKey& always()
    {
        m_omit = nullptr;
        return *this;
    }
    // Set to `value` when the control's own object leaves the key out.
    MOXKey& absent(const T& value)
    {
        m_absent = std::make_shared<T>(value);
        return *this;
    }
    // The property-list entry that edits the key.
    MOXKey& property(const char* displayName, PropertyDef::Kind kind)
    {
        m_property = displayName;
        m_kind = kind;
        return *this;
    }
    // The choices of an enumeration entry: values and their labels.
    MOXKey& choices(const QVector<std::int32_t>& values, const QStringList& labels)
    {
        m_values = values;
        m_labels = labels;
        return *this;
    }

    operator MOXKeyDecl() const
    {
        MOXKeyDecl decl = m_decl;
        const Getter get = m_get;
        const Setter set = m_set;
        const MOXKeyCodec<T> codec = m_codec;
        decl.read = [set, codec](MOXQWidgetBaseImpl& impl, const Json::Value& json) {
            T value{};
            if (!codec.read(json, value)) return false;
            set(static_cast<Impl&>(impl), value);
            return true;
        };
        if (m_absent) {
            const std::shared_ptr<T> absent = m_absent;
            decl.readAbsent = [set, absent](MOXQWidgetBaseImpl& impl) {
                set(static_cast<Impl&>(impl), *absent);
            };
        }
        const auto omitted = m_omit;
        decl.write = [get, codec, omitted](const MOXQWidgetBaseImpl& impl) {
            const T value = get(static_cast<const Impl&>(impl));
            return omitted && omitted(value) ? Json::Value() : codec.write(value);
        };
        if (m_property) {
            decl.hasProperty = true;
            decl.property = moxPropertyDef(
                QString::fromLatin1(m_property), m_kind,
                [set](QObject* o, const QVariant& v) {
                    if (Impl* impl = moxImplOf<Impl>(o)) set(*impl, v.value<T>());
                },
                [get](QObject* o) {
                    const Impl* impl = moxImplOf<Impl>(o);
                    return impl ? QVariant::fromValue(get(*impl)) : QVariant();
                });
            decl.property.values = m_values;
            decl.property.labels = m_labels;
        }
        return decl;
    }

private:
    MOXKeyDecl m_decl;
    Getter m_get;
    Setter m_set;
    MOXKeyCodec<T> m_codec;
    std::function<bool(const T&)> m_omit;
    std::shared_ptr<T> m_absent;
    const char* m_property = nullptr;
    PropertyDef::Kind m_kind = PropertyDef::PlainText;
    QVector<std::int32_t> m_values;
    QStringList m_labels;
};

// A key read through a getter and set through a setter (member functions or callables).
template <class Impl, class Get, class Set,
          class T = std::decay_t<std::invoke_result_t<Get, const Impl&>>>
MOXKey<Impl, T> moxKey(const char* name, Get get, Set set,
                       const MOXKeyCodec<T>& codec = MOXDefaultCodec<T>::value)
{
    return MOXKey<Impl, T>(
        name, [get](const Impl& impl) { return T(std::invoke(get, impl)); },
        [set](Impl& impl, const T& value) { std::invoke(set, impl, value); }, codec);
}

// A key bound to a plain field: setting stores the value and repaints when it changed.
template <class Impl, class T>
MOXKey<Impl, T> moxKey(const char* name, T Impl::*field,
                       const MOXKeyCodec<T>& codec = MOXDefaultCodec<T>::value)
{
    return MOXKey<Impl, T>(
        name, [field](const Impl& impl) { return impl.*field; },
        [field](Impl& impl, const T& value) { impl.storeAndUpdate(impl.*field, value); }, codec);
}

// The "style" member: the records its styleSlots style, in slot order.
template <class Impl, class AddSlots> MOXKeyDecl moxStyles(AddSlots addSlots)
{
    MOXKeyDecl decl;
    decl.styles = [addSlots](MOXQWidgetBaseImpl& impl, MOXStyleSlots& styleSlots) {
        addSlots(static_cast<Impl&>(impl), styleSlots);
    };
    return decl;
}

// A property entry of a per-state style (its styleSlots come from moxStyles).
template <class Impl, class State, class Record>
MOXKeyDecl moxStateProperty(const char* displayName, PropertyDef::Kind kind,
                            const QStringList& states, void (Impl::*set)(State, const Record&),
                            const Record& (Impl::*get)(State) const)
{
    MOXKeyDecl decl;
    decl.hasProperty = true;
    decl.property = moxStatePropertyDef(QString::fromLatin1(displayName), kind, states, set, get);
    return decl;
}

// A property entry with no key of its own.
template <class Impl, class Get, class Set,
          class T = std::decay_t<std::invoke_result_t<Get, const Impl&>>>
MOXKeyDecl moxProperty(const char* displayName, PropertyDef::Kind kind, Get get, Set set)
{
    MOXKeyDecl decl;
    decl.hasProperty = true;
    decl.property = moxPropertyDef(
        QString::fromLatin1(displayName), kind,
        [set](QObject* o, const QVariant& v) {
            if (Impl* impl = moxImplOf<Impl>(o)) std::invoke(set, *impl, v.value<T>());
        },
        [get](QObject* o) {
            const Impl* impl = moxImplOf<Impl>(o);
            return impl ? QVariant::fromValue(T(std::invoke(get, *impl))) : QVariant();
        });
    return decl;
}

// "Normal", "Hot", "Pressed", "Disable".
QStringList moxFourStates();

// The icon placement keys "iconX", "iconY", "iconUseColor", "iconColor", "iconHor", "iconVer"
// over one IconStyleDesc, each left out while it equals its field in `omitted`.
template <class Impl>
std::vector<MOXKeyDecl> moxIconStyleKeys(IconStyleDesc Impl::*field,
                                         const IconStyleDesc& omitted = IconStyleDesc())
{
    std::vector<MOXKeyDecl> keys;
    auto add = [&](const char* name, auto member, const auto& codec) {
        using T = std::decay_t<decltype(IconStyleDesc().*member)>;
        keys.push_back(MOXKey<Impl, T>(
                           name, [field, member](const Impl& impl) { return impl.*field.*member; },
                           [field, member](Impl& impl, const T& value) {
                               IconStyleDesc style = impl.*field;
                               style.*member = value;
                               impl.setIconStyle(style);
                           },
                           codec)
                           .omit(omitted.*member));
    };
    add("iconX", &IconStyleDesc::x, moxIntCodec);
    add("iconY", &IconStyleDesc::y, moxIntCodec);
    add("iconUseColor", &IconStyleDesc::useColor, moxFlagCodec);
    add("iconColor", &IconStyleDesc::color, moxColorCodec);
    add("iconHor", &IconStyleDesc::horAlign, moxIntCodec);
    add("iconVer", &IconStyleDesc::verAlign, moxIntCodec);
    return keys;
}

} // namespace MOXQtLib
