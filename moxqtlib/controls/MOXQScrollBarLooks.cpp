#include "MOXQScrollBarLooks.h"

#include "MOXJson.h"
#include "MOXKeyTable.h"
#include "MOXQPageFile.h"
#include "MOXQScrollBar.h"

#include <QAbstractScrollArea>

#include <algorithm>

namespace MOXQtLib {

MOXQScrollBarLooks::MOXQScrollBarLooks(QAbstractScrollArea* area) : m_area(area) {}

void MOXQScrollBarLooks::installBars(QAbstractScrollArea* area)
{
    auto* horizontal = new MOXQScrollBar(Qt::Horizontal, area);
    auto* vertical = new MOXQScrollBar(Qt::Vertical, area);
    horizontal->getControlBase()->setInternal(true);
    vertical->getControlBase()->setInternal(true);
    area->setHorizontalScrollBar(horizontal);
    area->setVerticalScrollBar(vertical);
}

MOXQScrollBar* MOXQScrollBarLooks::bar(bool horizontal) const
{
    if (!m_area) return nullptr;
    return qobject_cast<MOXQScrollBar*>(horizontal ? m_area->horizontalScrollBar()
                                                   : m_area->verticalScrollBar());
}

QString MOXQScrollBarLooks::styleSheet(bool horizontal, int thickness, int buttonSize)
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

void MOXQScrollBarLooks::applyStyleSheet(bool horizontal)
{
    const int i = index(horizontal);
    if (MOXQScrollBar* b = bar(horizontal))
        b->setStyleSheet(styleSheet(horizontal, m_thickness[i], m_buttonSize[i]));
}

void MOXQScrollBarLooks::setSize(bool horizontal, int size)
{
    int& stored = m_thickness[index(horizontal)];
    size = std::max(size, -1);
    if (stored == size) return;
    stored = size;
    applyStyleSheet(horizontal);
}

void MOXQScrollBarLooks::setButtonSize(bool horizontal, int size)
{
    int& stored = m_buttonSize[index(horizontal)];
    size = std::max(size, -1);
    if (stored == size) return;
    stored = size;
    applyStyleSheet(horizontal);
}

void MOXQScrollBarLooks::readElement(const Json::Value& element)
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

bool MOXQScrollBarLooks::writeElement(bool horizontal, Json::Value& element) const
{
    const MOXQScrollBar* b = bar(horizontal);
    if (!b) return false;
    element = Json::Value(Json::objectValue);
    b->impl()->keyTable().write(*b->impl(), element);
    const int i = index(horizontal);
    Json::Value& attr = MOXKeyTable::attrFor(element);
    const bool looks = element.isMember("style") || attr.size() > (horizontal ? 1u : 0u) ||
                       m_thickness[i] >= 0 || m_buttonSize[i] >= 0;
    if (!looks) return false;
    if (m_buttonSize[i] >= 0) attr["size"] = m_buttonSize[i];
    if (m_thickness[i] >= 0) element[horizontal ? "h" : "w"] = m_thickness[i];
    element["type"] = "scrollbar";
    return true;
}

void MOXQScrollBarLooks::read(const Json::Value& object)
{
    if (const Json::Value* children = jsonArray(object, "child"))
        for (Json::ArrayIndex i = 0; i < children->size(); ++i)
            if (moxIsScrollBarElement(jsonAt(*children, i))) readElement(jsonAt(*children, i));
}

void MOXQScrollBarLooks::write(Json::Value& object) const
{
    for (bool horizontal : {false, true}) {
        Json::Value element;
        if (!writeElement(horizontal, element)) continue;
        Json::Value& children = object["child"];
        if (!children.isArray()) children = Json::Value(Json::arrayValue);
        children.append(element);
    }
}

bool MOXQScrollBarLooks::serialize(Json::Value* value, bool read)
{
    if (!value) return false;
    if (read)
        this->read(*value);
    else
        write(*value);
    return true;
}

} // namespace MOXQtLib
