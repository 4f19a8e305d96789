#include "MOXScrollBarLooks.h"

#include "MOXJson.h"
#include "MOXKeyTable.h"
#include "MOXQPageFile.h"
#include "MOXQScrollBar.h"

#include <QAbstractScrollArea>

#include <algorithm>

namespace MOXQtLib {

MOXScrollBarLooks::MOXScrollBarLooks(QAbstractScrollArea* area, bool buttonSizes)
    : m_area(area), m_buttonSizes(buttonSizes)
{
}

void MOXScrollBarLooks::installBars(QAbstractScrollArea* area)
{
    auto* horizontal = new MOXQScrollBar(Qt::Horizontal, area);
    auto* vertical = new MOXQScrollBar(Qt::Vertical, area);
    horizontal->getControlBase()->setInternal(true);
    vertical->getControlBase()->setInternal(true);
    area->setHorizontalScrollBar(horizontal);
    area->setVerticalScrollBar(vertical);
}

MOXQScrollBar* MOXScrollBarLooks::bar(bool horizontal) const
{
    if (!m_area) return nullptr;
    return qobject_cast<MOXQScrollBar*>(horizontal ? m_area->horizontalScrollBar()
                                                   : m_area->verticalScrollBar());
}

QString MOXScrollBarLooks::styleSheet(bool horizontal, int thickness, int buttonSize)
{
    QString sheet;
    if (thickness >= 0)
        sheet += horizontal
                     ? QStringLiteral("QScrollBar::horizontal{ height:%1px; }").arg(thickness)
                     : QStringLiteral("QScrollBar::vertical{ width:%1px; } "
                                      "QScrollBar::add-line:vertical{ width:%1px; "
                                      "subcontrol-origin: margin; } "
                                      "QScrollBar::sub-line:vertical{ width:%1px; "
                                      "subcontrol-origin: margin; }")
                           .arg(thickness);
    if (buttonSize >= 0) {
        if (!sheet.isEmpty()) sheet += QLatin1Char(' ');
        sheet += horizontal
                     ? QStringLiteral("QScrollBar::add-line{ width:%1px; } "
                                      "QScrollBar::sub-line{ width:%1px; }")
                           .arg(buttonSize)
                     : QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; } "
                                      "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }")
                           .arg(buttonSize);
    }
    return sheet;
}

void MOXScrollBarLooks::applyStyleSheet(bool horizontal)
{
    const int i = horizontal ? 1 : 0;
    if (MOXQScrollBar* b = bar(horizontal))
        b->setStyleSheet(styleSheet(horizontal, m_thickness[i], m_buttonSize[i]));
}

void MOXScrollBarLooks::setSize(bool horizontal, int size)
{
    int& stored = m_thickness[horizontal ? 1 : 0];
    size = std::max(size, -1);
    if (stored == size) return;
    stored = size;
    applyStyleSheet(horizontal);
}

void MOXScrollBarLooks::setButtonSize(bool horizontal, int size)
{
    int& stored = m_buttonSize[horizontal ? 1 : 0];
    size = std::max(size, -1);
    if (!m_buttonSizes || stored == size) return;
    stored = size;
    applyStyleSheet(horizontal);
}

void MOXScrollBarLooks::setBackgroundStyle(bool horizontal, const FillStyle& style)
{
    if (MOXQScrollBar* b = bar(horizontal)) b->setScrollbarBackground(style);
}

void MOXScrollBarLooks::setButtonStyle(bool horizontal, bool up, CtrlState state,
                                       const FillStyle& style)
{
    if (MOXQScrollBar* b = bar(horizontal))
        up ? b->setScrollbarUpButton(state, style) : b->setScrollbarDownButton(state, style);
}

void MOXScrollBarLooks::setButtonIcon(bool horizontal, bool up, const QString& path)
{
    if (MOXQScrollBar* b = bar(horizontal)) b->setScrollbarBtnIcon(up, path);
}

void MOXScrollBarLooks::setButtonIconStyle(bool horizontal, bool up, const IconStyleDesc& style)
{
    if (MOXQScrollBar* b = bar(horizontal)) b->setScrollbarIconStyle(up, style);
}

void MOXScrollBarLooks::setThumbIcon(bool horizontal, const QString& path)
{
    if (MOXQScrollBar* b = bar(horizontal)) b->setScrollbarThumbIcon(path);
}

void MOXScrollBarLooks::setThumbStyle(bool horizontal, CtrlState state, const FillStyle& style)
{
    if (MOXQScrollBar* b = bar(horizontal)) b->setScrollbarThumb(state, style);
}

void MOXScrollBarLooks::readElement(const Json::Value& element)
{
    const Json::Value* attr = MOXKeyTable::attrOf(element);
    const bool horizontal = attr && jsonBool(*attr, "hor", false);
    MOXQScrollBar* b = bar(horizontal);
    if (!b) return;
    // The element is a look for the bar, as a theme entry is: its orientation stays.
    b->impl()->keyTable().readTheme(*b->impl(), element);
    b->impl()->keyTable().readStyles(*b->impl(), element);
    int size = 0;
    if (attr && jsonReadInt(*attr, "size", size)) setButtonSize(horizontal, size);
    if (jsonReadInt(element, horizontal ? "h" : "w", size)) setSize(horizontal, size);
}

bool MOXScrollBarLooks::writeElement(bool horizontal, Json::Value& element) const
{
    const MOXQScrollBar* b = bar(horizontal);
    if (!b) return false;
    element = Json::Value(Json::objectValue);
    b->impl()->keyTable().write(*b->impl(), element);
    const int i = horizontal ? 1 : 0;
    Json::Value& attr = MOXKeyTable::attrFor(element);
    const bool looks = element.isMember("style") || attr.size() > (horizontal ? 1u : 0u) ||
                       m_thickness[i] >= 0 || m_buttonSize[i] >= 0;
    if (!looks) return false;
    if (m_buttonSize[i] >= 0) attr["size"] = m_buttonSize[i];
    if (m_thickness[i] >= 0) element[horizontal ? "h" : "w"] = m_thickness[i];
    element["type"] = "scrollbar";
    return true;
}

void MOXScrollBarLooks::read(const Json::Value& object)
{
    if (const Json::Value* children = jsonArray(object, "child"))
        for (Json::ArrayIndex i = 0; i < children->size(); ++i)
            if (moxIsScrollBarElement(jsonAt(*children, i))) readElement(jsonAt(*children, i));
}

void MOXScrollBarLooks::write(Json::Value& object) const
{
    for (bool horizontal : {false, true}) {
        Json::Value element;
        if (writeElement(horizontal, element)) childrenFor(object).append(element);
    }
}

bool MOXScrollBarLooks::serialize(Json::Value* object, bool read)
{
    if (!object) return false;
    if (read)
        this->read(*object);
    else
        write(*object);
    return true;
}

Json::Value& MOXScrollBarLooks::childrenFor(Json::Value& object)
{
    Json::Value& children = object["child"];
    if (!children.isArray()) children = Json::Value(Json::arrayValue);
    return children;
}

} // namespace MOXQtLib
