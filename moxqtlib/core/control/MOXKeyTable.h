#pragma once

// A control's own JSON keys, each declared once (see MOXKey.h for declaring them). The table of
// an implementation class drives reading and writing its keys, the test of which "attr"
// members are its own (those are never kept as custom attributes, so a stale copy can never be
// written back over the real value), its "style" member and its property-list entries.
//
// The "attr" object has one rule for every control: a control that has "attr" keys always
// writes it as an object, {} when nothing in it differs from what is left out; a null "attr"
// reads like an empty one; an absent "attr" reads nothing.

#include "MOXControlInfo.h"

#include <QByteArray>
#include <QVector>
#include <json/json.h>

#include <functional>
#include <string_view>
#include <unordered_map>
#include <type_traits>
#include <vector>

namespace MOXQtLib {

class MOXQWidgetBaseImpl;
class MOXStyleSlots;

// Where a key's value comes from when a control reads its JSON object.
enum class MOXKeySource
{
    // A look: from the theme entry the object names, else from the object itself.
    Look,
    // Content (texts, values, paths): from the control's own object only, never from a theme.
    Content,
    // From the control's own object, then from what the theme entry carries on top of it.
    OwnThenTheme
};

// One declaration, independent of the control's type. Entries without a name are property
// entries or style slots only.
struct MOXKeyDecl
{
    QByteArray name;
    // Inside the "attr" object, or a member of the control's object itself.
    bool inAttr = true;
    MOXKeySource source = MOXKeySource::Look;
    // Applies a present value; false when it does not fit (the property keeps its value).
    std::function<bool(MOXQWidgetBaseImpl&, const Json::Value&)> read;
    // What a key missing from the control's own object means; empty: the value stays.
    std::function<void(MOXQWidgetBaseImpl&)> readAbsent;
    // The value to write, or null when it is left out.
    std::function<Json::Value(const MOXQWidgetBaseImpl&)> write;
    // The records the slots of the "style" member style.
    std::function<void(MOXQWidgetBaseImpl&, MOXStyleSlots&)> styles;
    bool hasProperty = false;
    PropertyDef property;
};

// A declaration, or a run of them made by one helper (the icon placement keys, say).
struct MOXKeyDecls
{
    MOXKeyDecls(MOXKeyDecl decl) : decls{std::move(decl)} {}
    // Typed declarations (MOXKey) convert on the way in.
    template <class Decl,
              class = std::enable_if_t<std::is_convertible_v<const Decl&, MOXKeyDecl> &&
                                       !std::is_same_v<Decl, MOXKeyDecl>>>
    MOXKeyDecls(const Decl& decl) : decls{MOXKeyDecl(decl)}
    {
    }
    MOXKeyDecls(std::vector<MOXKeyDecl> run) : decls(std::move(run)) {}
    std::vector<MOXKeyDecl> decls;
};

class MOXKeyTable
{
public:
    // How "style" is written when no slot has a named style.
    enum EmptyStyle
    {
        OmitEmptyStyle,
        NullEmptyStyle
    };

    MOXKeyTable() = default;
    // Its look-up refers into its own declarations: a table stays where it was made.
    MOXKeyTable(const MOXKeyTable&) = delete;
    MOXKeyTable& operator=(const MOXKeyTable&) = delete;
    MOXKeyTable(std::initializer_list<MOXKeyDecls> keys, EmptyStyle emptyStyle = OmitEmptyStyle);

    // The table of a control without keys of its own.
    static const MOXKeyTable& none();

    bool isOwnAttr(const char* name, size_t length) const;
    // The declared keys inside "attr", or those that are members of the object itself.
    QVector<QByteArray> keyNames(bool inAttr) const;
    bool hasAttrKeys() const { return !m_attrNames.empty(); }

    // The control's own object. With `themed` the object names a theme entry, which holds the
    // looks, so only content and own-then-theme keys are read here. Keys missing from the
    // object take their absent values.
    void readOwn(MOXQWidgetBaseImpl& impl, const Json::Value& object, bool themed) const;
    // A theme entry: the looks it carries, and nothing for the keys it leaves out.
    void readTheme(MOXQWidgetBaseImpl& impl, const Json::Value& entry) const;
    // The "style" member of `object` (the theme entry when the control's object names one).
    void readStyles(MOXQWidgetBaseImpl& impl, const Json::Value& object) const;
    // Every key that is not left out, the "attr" object and the "style" member.
    void write(const MOXQWidgetBaseImpl& impl, Json::Value& object) const;

    // The property entries in declaration order.
    QVector<PropertyDef> properties() const;

    // The "attr" object of a control's JSON object by the rule above: null when absent (or
    // of another type), an empty object when null.
    static const Json::Value* attrOf(const Json::Value& object);
    // The "attr" object to write into, made an object when it is not one.
    static Json::Value& attrFor(Json::Value& object);

private:
    enum class Pass
    {
        Own,
        OwnThemed,
        Theme
    };
    void read(MOXQWidgetBaseImpl& impl, const Json::Value& object, Pass pass) const;

    std::vector<MOXKeyDecl> m_keys;
    // Sorted, for the own-key test.
    std::vector<QByteArray> m_attrNames;
    // Key name -> declaration, for "attr" keys and for members: an object is read in one
    // pass over what it holds rather than one look-up per declared key.
    std::unordered_map<std::string_view, size_t> m_attrIndex;
    std::unordered_map<std::string_view, size_t> m_memberIndex;
    bool m_hasStyles = false;
    EmptyStyle m_emptyStyle = OmitEmptyStyle;
};

} // namespace MOXQtLib
