#include "MOXQScrollViewImpl.h"

#include "MOXJson.h"
#include "MOXKey.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQScrollBar.h"
#include "MOXQStylePainter.h"
#include "MOXQtLib.h"

#include <QPainter>
#include <QScrollArea>

#include <algorithm>

namespace MOXQtLib {

namespace {

// The "child" array of an object being written, made one when it is not.
Json::Value& childrenFor(Json::Value& object)
{
    Json::Value& children = object["child"];
    if (!children.isArray()) children = Json::Value(Json::arrayValue);
    return children;
}

} // namespace

MOXQScrollViewImpl::MOXQScrollViewImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQScrollViewImpl::keys()
{
    using I = MOXQScrollViewImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addFillGroup(&i.m_background, 1); }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
    };
    return table;
}

MOXQScrollBar* MOXQScrollViewImpl::bar(bool horizontal) const
{
    const auto* area = ownerAs<QScrollArea>();
    if (!area) return nullptr;
    return qobject_cast<MOXQScrollBar*>(horizontal ? area->horizontalScrollBar()
                                                   : area->verticalScrollBar());
}

void MOXQScrollViewImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
}

void MOXQScrollViewImpl::paintViewport(QWidget* viewport)
{
    QPainter painter(viewport);
    drawFillStyle(&painter, m_background, viewport->rect());
}

void MOXQScrollViewImpl::resizeControl()
{
    auto* area = ownerAs<QScrollArea>();
    // Once adopted, the content stays: QScrollArea deletes a widget it is asked to replace.
    if (!area || m_content || area->widget()) return;
    for (QObject* child : area->children()) {
        if (auto* container = qobject_cast<MOXQContainer*>(child)) {
            m_content = container;
            area->setWidget(container);
            return;
        }
    }
}

void MOXQScrollViewImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
    if (auto* area = ownerAs<QScrollArea>()) area->viewport()->update();
}

QString MOXQScrollViewImpl::barStyleSheet(bool horizontal, int thickness, int buttonSize)
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

void MOXQScrollViewImpl::applyStyleSheet(bool horizontal)
{
    const int i = horizontal ? 1 : 0;
    if (MOXQScrollBar* b = bar(horizontal))
        b->setStyleSheet(barStyleSheet(horizontal, m_thickness[i], m_buttonSize[i]));
}

void MOXQScrollViewImpl::setScrollbarSize(bool horizontal, int size)
{
    int& stored = m_thickness[horizontal ? 1 : 0];
    size = std::max(size, -1);
    if (stored == size) return;
    stored = size;
    applyStyleSheet(horizontal);
}

void MOXQScrollViewImpl::setScrollbarBtnSize(bool horizontal, int size)
{
    int& stored = m_buttonSize[horizontal ? 1 : 0];
    size = std::max(size, -1);
    if (stored == size) return;
    stored = size;
    applyStyleSheet(horizontal);
}

void MOXQScrollViewImpl::readBarElement(const Json::Value& element)
{
    const Json::Value* attr = MOXKeyTable::attrOf(element);
    const bool horizontal = attr && jsonBool(*attr, "hor", false);
    MOXQScrollBar* b = bar(horizontal);
    if (!b) return;
    // The element is a look for the bar, as a theme entry is: its orientation stays.
    b->impl()->keyTable().readTheme(*b->impl(), element);
    b->impl()->keyTable().readStyles(*b->impl(), element);
    int size = 0;
    if (attr && jsonReadInt(*attr, "size", size)) setScrollbarBtnSize(horizontal, size);
    if (jsonReadInt(element, horizontal ? "h" : "w", size)) setScrollbarSize(horizontal, size);
}

bool MOXQScrollViewImpl::writeBarElement(bool horizontal, Json::Value& element) const
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

bool MOXQScrollViewImpl::serializeLook(Json::Value* value, bool read)
{
    if (!value) return false;
    if (read) {
        if (const Json::Value* children = jsonArray(*value, "child"))
            for (Json::ArrayIndex i = 0; i < children->size(); ++i)
                if (moxIsScrollBarElement(jsonAt(*children, i)))
                    readBarElement(jsonAt(*children, i));
        return true;
    }
    for (bool horizontal : {false, true}) {
        Json::Value element;
        if (writeBarElement(horizontal, element)) childrenFor(*value).append(element);
    }
    return true;
}

bool MOXQScrollViewImpl::serializeContent(Json::Value* value, bool read)
{
    if (!value || read || !m_content || !moxIsSerializeChild()) return true;
    IMOXQWidgetBase* control = moxControlOf(m_content);
    if (!control || control->getControlBase()->isInternal()) return true;
    Json::Value element(Json::objectValue);
    control->serializeJsonValue(&element, false);
    childrenFor(*value).append(element);
    return true;
}

} // namespace MOXQtLib
