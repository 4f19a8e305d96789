#pragma once

// The two library scroll bars of a scroll-area control and their looks: each bar's thickness
// and step-button length (two rules kept apart per bar and combined into that bar's style
// sheet), and the "scrollbar" elements of the control's "child" array, which carry one bar's
// looks each and are read and written by the control rather than built as controls.

#include <QAbstractScrollArea>
#include <QPointer>
#include <QString>
#include <json/json.h>

#include <array>

namespace MOXQtLib {

class MOXQScrollBar;

class MOXQScrollBarLooks
{
public:
    explicit MOXQScrollBarLooks(QAbstractScrollArea* area = nullptr);
    void setArea(QAbstractScrollArea* area) { m_area = area; }

    // Gives `area` two library bars, parts of the control that are never written as children.
    static void installBars(QAbstractScrollArea* area);

    // The area's bar of that orientation when it is a library bar, else null.
    MOXQScrollBar* bar(bool horizontal) const;

    // Below 0: no rule.
    void setSize(bool horizontal, int size);
    int size(bool horizontal) const { return m_thickness[index(horizontal)]; }
    void setButtonSize(bool horizontal, int size);
    int buttonSize(bool horizontal) const { return m_buttonSize[index(horizontal)]; }
    // The style sheet a bar gets from its two rules.
    static QString styleSheet(bool horizontal, int thickness, int buttonSize);

    // Every "scrollbar" element of `object`'s "child" array, each styling the bar its "hor"
    // names; other elements and mistyped members are skipped.
    void read(const Json::Value& object);
    // Appends to `object`'s "child" array one element for each bar that has looks of its own.
    void write(Json::Value& object) const;
    // read or write as a control's serializeLook does; false for a null value.
    bool serialize(Json::Value* value, bool read);

private:
    static int index(bool horizontal) { return horizontal ? 1 : 0; }
    void readElement(const Json::Value& element);
    bool writeElement(bool horizontal, Json::Value& element) const;
    void applyStyleSheet(bool horizontal);

    QPointer<QAbstractScrollArea> m_area;
    std::array<int, 2> m_thickness{-1, -1};
    std::array<int, 2> m_buttonSize{-1, -1};
};

} // namespace MOXQtLib
