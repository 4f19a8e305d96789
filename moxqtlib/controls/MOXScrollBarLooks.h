#pragma once

// The two library scroll bars of a scroll-area control and the looks its JSON gives them:
// elements of "child" whose type contains "scrollbar" style the area's own bars (one per
// orientation, "attr" "hor" choosing), with the bar's thickness ("h" or "w") and step-button
// length ("attr" "size") kept as the parts of each bar's style sheet.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXControlTypes.h"

#include <QPointer>
#include <QString>
#include <json/json.h>

#include <array>

class QAbstractScrollArea;

namespace MOXQtLib {

class MOXQScrollBar;

class MOXScrollBarLooks
{
public:
    // Without `buttonSizes` the area leaves its bars' step buttons as they are.
    explicit MOXScrollBarLooks(QAbstractScrollArea* area, bool buttonSizes = true);

    // Gives `area` two library bars of its own (never written or counted as its children).
    static void installBars(QAbstractScrollArea* area);

    // The area's bar of that orientation when it is a library bar, else null.
    MOXQScrollBar* bar(bool horizontal) const;

    // The thickness of one bar, and the length of its step buttons. Below 0: no rule.
    void setSize(bool horizontal, int size);
    int size(bool horizontal) const { return m_thickness[horizontal ? 1 : 0]; }
    void setButtonSize(bool horizontal, int size);
    int buttonSize(bool horizontal) const { return m_buttonSize[horizontal ? 1 : 0]; }
    // The style sheet a bar gets from those parts.
    static QString styleSheet(bool horizontal, int thickness, int buttonSize);

    // Looks of the bar of that orientation; nothing once the bar has been replaced by one
    // that is not a library bar.
    void setBackgroundStyle(bool horizontal, const FillStyle& style);
    void setButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle& style);
    void setButtonIcon(bool horizontal, bool up, const QString& path);
    void setButtonIconStyle(bool horizontal, bool up, const IconStyleDesc& style);
    void setThumbIcon(bool horizontal, const QString& path);
    void setThumbStyle(bool horizontal, CtrlState state, const FillStyle& style);

    // The "scrollbar" elements of `object`'s "child" array.
    void read(const Json::Value& object);
    // Appends an element for each bar whose looks differ from a new bar's.
    void write(Json::Value& object) const;
    // Either of the two, as a control's serializeLook does.
    bool serialize(Json::Value* object, bool read);
    // The "child" array of an object being written, made one when it is not.
    static Json::Value& childrenFor(Json::Value& object);

private:
    void readElement(const Json::Value& element);
    bool writeElement(bool horizontal, Json::Value& element) const;
    void applyStyleSheet(bool horizontal);

    QPointer<QAbstractScrollArea> m_area;
    bool m_buttonSizes = true;
    std::array<int, 2> m_thickness{-1, -1};
    std::array<int, 2> m_buttonSize{-1, -1};
};

// The scroll-bar setters of a control whose implementation object keeps its bars' looks
// (`impl()->bars()`), for Control deriving from MOXScrollBarSetters<Control>.
template <class Control> class MOXScrollBarSetters
{
public:
    // The thickness of the bar of that orientation, and the length of its step buttons.
    void setScrollbarSize(bool horizontal, int size) { bars().setSize(horizontal, size); }
    void setScrollbarBtnSize(bool horizontal, int size) { bars().setButtonSize(horizontal, size); }
    // Looks of the bar of that orientation.
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle& style) { bars().setBackgroundStyle(horizontal, style); }
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle& style) { bars().setButtonStyle(horizontal, up, state, style); }
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString& path) { bars().setButtonIcon(horizontal, up, path); }
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc& style) { bars().setButtonIconStyle(horizontal, up, style); }
    void setScrollbarThumb(bool horizontal, const QString& path) { bars().setThumbIcon(horizontal, path); }
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle& style) { bars().setThumbStyle(horizontal, state, style); }

private:
    MOXScrollBarLooks& bars() { return static_cast<Control*>(this)->impl()->bars(); }
};

} // namespace MOXQtLib
