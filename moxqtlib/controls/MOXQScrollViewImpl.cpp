#include "MOXQScrollViewImpl.h"

#include "MOXJson.h"
#include "MOXKey.h"
#include "MOXQContainer.h"
#include "MOXQStylePainter.h"
#include "MOXQtLib.h"
#include "MOXSerializeHook.h"

#include <QPainter>
#include <QScrollArea>

namespace MOXQtLib {

MOXQScrollViewImpl::MOXQScrollViewImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_bars(qobject_cast<QAbstractScrollArea*>(owner))
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

bool MOXQScrollViewImpl::serializeLook(Json::Value* value, bool read)
{
    return m_bars.serialize(value, read);
}

bool MOXQScrollViewImpl::serializeContent(Json::Value* value, bool read)
{
    if (!value || read || !m_content || !moxIsSerializeChild()) return true;
    IMOXQWidgetBase* control = moxControlOf(m_content);
    if (!control || control->getControlBase()->isInternal()) return true;
    Json::Value element(Json::objectValue);
    moxSerializeElement(m_content, control, element);
    MOXScrollBarLooks::childrenFor(*value).append(element);
    return true;
}

} // namespace MOXQtLib
