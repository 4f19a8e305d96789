#include "MOXQLabel.h"

#include "MOXStyleEntries.h"

namespace MOXQtLib {

MOXQLabel::MOXQLabel(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
    impl()->applyStyle();
}

ControlInfo MOXQLabel::getProps()
{
    ControlInfo info =
        moxMakeControlInfo("qtlabel", "MOXQLabel", "Label", "Control label", "label");
    info.properties.append(moxPropertyDef(
        QStringLiteral("Text"), PropertyDef::Text,
        [](QObject* o, const QVariant& v) {
            if (auto* l = qobject_cast<MOXQLabel*>(o)) l->setText(v.toString());
        },
        [](QObject* o) {
            auto* l = qobject_cast<MOXQLabel*>(o);
            return l ? QVariant(l->getText()) : QVariant();
        }));
    info.properties.append(
        moxStatePropertyDef(QStringLiteral("TextStyle"), PropertyDef::TextStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &MOXQLabel::setTextStyle, &MOXQLabel::getTextStyle));
    return info;
}

void MOXQLabel::setText(const QString& text)
{
    impl()->setText(text);
}

QString MOXQLabel::getText() const
{
    return impl()->getText();
}

void MOXQLabel::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->setTextStyle(state, style);
}

const TextStyleDesc& MOXQLabel::getTextStyle(CtrlState state) const
{
    return impl()->getTextStyle(state);
}

void MOXQLabel::setColor(const QColor& color)
{
    impl()->setColor(color);
}

QColor MOXQLabel::getColor() const
{
    return impl()->getColor();
}

void MOXQLabel::setDisableColor(const QColor& color)
{
    impl()->setDisableColor(color);
}

QColor MOXQLabel::getDisableColor() const
{
    return impl()->getDisableColor();
}

void MOXQLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    impl()->refreshShownText();
}

} // namespace MOXQtLib
