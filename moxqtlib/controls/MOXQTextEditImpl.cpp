#include "MOXQTextEditImpl.h"

#include "MOXKey.h"
#include "MOXQTextEdit.h"

#include <QPainter>
#include <QTextEdit>

namespace MOXQtLib {

MOXQTextEditImpl::MOXQTextEditImpl(QWidget* owner, const QString& name)
    : MOXQEditLookImpl(owner, name), m_bars(qobject_cast<QAbstractScrollArea*>(owner), false)
{
}

const MOXKeyTable& MOXQTextEditImpl::keys()
{
    using I = MOXQTextEditImpl;
    static const MOXKeyTable table{
        // Slots 0-3 backgrounds, 4-7 text styles, 8 the placeholder (only through its own
        // entry).
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            i.addStateSlots(s);
            s.addTextGroup(&i.m_placeholderStyle, 1);
        }),
        lookProperties(),
        moxKey<I>("text", &I::getText, &I::setText).content(),
        moxKey<I>("tip", &I::getPlaceholderText, &I::setPlaceholderText)
            .content()
            .property("PlaceholderText", PropertyDef::Text),
        marginKeys(),
    };
    return table;
}

QTextEdit* MOXQTextEditImpl::edit() const
{
    return ownerAs<QTextEdit>();
}

void MOXQTextEditImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QTextEdit* e = edit();
    drawLook(painter, rect, e && e->document()->isEmpty());
}

QMargins MOXQTextEditImpl::margins() const
{
    const auto* e = qobject_cast<const MOXQTextEdit*>(getOwner());
    return e ? e->viewportMargins() : QMargins();
}

void MOXQTextEditImpl::setMargins(const QMargins& m)
{
    auto* e = qobject_cast<MOXQTextEdit*>(getOwner());
    const QMargins clamped = clampedMargins(m);
    if (!e || e->viewportMargins() == clamped) return;
    e->setViewportMargins(clamped);
    updateOwner();
}

void MOXQTextEditImpl::setText(const QString& text)
{
    QTextEdit* e = edit();
    if (e && e->toPlainText() != text) e->setPlainText(text);
}

QString MOXQTextEditImpl::getText() const
{
    const QTextEdit* e = edit();
    return e ? e->toPlainText() : QString();
}

bool MOXQTextEditImpl::serializeLook(Json::Value* value, bool read)
{
    return m_bars.serialize(value, read);
}

} // namespace MOXQtLib
