#include "MOXQPushButton.h"

#include "MOXStyleEntries.h"

namespace MOXQtLib {

MOXQPushButton::MOXQPushButton(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setMouseTracking(true);
    getControlBase()->refreshTheme();
}

namespace {

// A property-list entry bound to a getter and setter pair of the button.
template <class Value>
PropertyDef buttonProperty(const char* name, int kind, void (MOXQPushButton::*set)(Value),
                           Value (MOXQPushButton::*get)() const)
{
    return moxPropertyDef(
        QString::fromLatin1(name), kind,
        [set](QObject* o, const QVariant& v) {
            if (auto* b = qobject_cast<MOXQPushButton*>(o)) (b->*set)(v.value<Value>());
        },
        [get](QObject* o) {
            auto* b = qobject_cast<MOXQPushButton*>(o);
            return b ? QVariant::fromValue((b->*get)()) : QVariant();
        });
}

} // namespace

ControlInfo MOXQPushButton::getProps()
{
    ControlInfo info =
        moxMakeControlInfo("qtbutton", "MOXQPushButton", "Button", "PushButton", "button");
    const QStringList states = {QStringLiteral("Normal"), QStringLiteral("Hot"),
                                QStringLiteral("Pressed"), QStringLiteral("Disable")};
    info.properties.append(
        moxStatePropertyDef(QStringLiteral("Background"), PropertyDef::FillStylePerState, states,
                            &MOXQPushButton::setBackground, &MOXQPushButton::getBackground));
    info.properties.append(buttonProperty("DrawBackground", PropertyDef::Boolean,
                                          &MOXQPushButton::setDrawBackground,
                                          &MOXQPushButton::getDrawBackground));
    info.properties.append(buttonProperty("FadeEnabled", PropertyDef::Boolean,
                                          &MOXQPushButton::setFadeEnabled,
                                          &MOXQPushButton::getFadeEnabled));
    info.properties.append(buttonProperty("FadeDuration", PropertyDef::Integer,
                                          &MOXQPushButton::setFadeDuration,
                                          &MOXQPushButton::getFadeDuration));
    return info;
}

void MOXQPushButton::setBackground(CtrlState state, const FillStyle& style)
{
    impl()->setBackground(state, style);
}

const FillStyle& MOXQPushButton::getBackground(CtrlState state) const
{
    return impl()->getBackground(state);
}

void MOXQPushButton::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->setTextStyle(state, style);
}

const TextStyleDesc& MOXQPushButton::getTextStyle(CtrlState state) const
{
    return impl()->getTextStyle(state);
}

void MOXQPushButton::setUseFillStyle(CtrlState state, bool fillWithColor)
{
    impl()->setUseFillStyle(state, fillWithColor);
}

bool MOXQPushButton::getUseFillStyle(CtrlState state) const
{
    return impl()->getUseFillStyle(state);
}

void MOXQPushButton::setDrawBackground(bool draw)
{
    impl()->setDrawBackground(draw);
}

bool MOXQPushButton::getDrawBackground() const
{
    return impl()->getDrawBackground();
}

void MOXQPushButton::setText(const QString& text)
{
    impl()->setCaption(text);
}

void MOXQPushButton::setIcon(const QIcon& icon)
{
    impl()->setIcon(icon);
}

void MOXQPushButton::setIcon(const QString& path)
{
    impl()->setIcon(path);
}

void MOXQPushButton::setHotIcon(const QString& path)
{
    impl()->setHotIcon(path);
}

QString MOXQPushButton::getHotIcon() const
{
    return impl()->getHotIcon();
}

void MOXQPushButton::setPressedIcon(const QString& path)
{
    impl()->setPressedIcon(path);
}

QString MOXQPushButton::getPressedIcon() const
{
    return impl()->getPressedIcon();
}

void MOXQPushButton::setUseIcon(bool use)
{
    impl()->setUseIcon(use);
}

bool MOXQPushButton::getUseIcon() const
{
    return impl()->getUseIcon();
}

void MOXQPushButton::setIconStyle(const IconStyleDesc& style)
{
    impl()->setIconStyle(style);
}

const IconStyleDesc& MOXQPushButton::getIconStyle() const
{
    return impl()->getIconStyle();
}

void MOXQPushButton::setShowText(bool show)
{
    impl()->setShowText(show);
}

bool MOXQPushButton::getShowText() const
{
    return impl()->getShowText();
}

void MOXQPushButton::setTextOffsetX(int offset)
{
    impl()->setTextOffsetX(offset);
}

int MOXQPushButton::getTextOffsetX() const
{
    return impl()->getTextOffsetX();
}

void MOXQPushButton::setTextOffsetY(int offset)
{
    impl()->setTextOffsetY(offset);
}

int MOXQPushButton::getTextOffsetY() const
{
    return impl()->getTextOffsetY();
}

void MOXQPushButton::setFadeEnabled(bool enabled)
{
    impl()->setFadeEnabled(enabled);
}

bool MOXQPushButton::getFadeEnabled() const
{
    return impl()->getFadeEnabled();
}

void MOXQPushButton::setFadeDuration(int milliseconds)
{
    impl()->setFadeDuration(milliseconds);
}

int MOXQPushButton::getFadeDuration() const
{
    return impl()->getFadeDuration();
}

void MOXQPushButton::enterEvent(QEvent* event)
{
    MOXQControl::enterEvent(event);
    emit enterSignal();
}

void MOXQPushButton::leaveEvent(QEvent* event)
{
    MOXQControl::leaveEvent(event);
    emit leaveSignal();
}

void MOXQPushButton::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    impl()->moveControl(event->pos());
}

} // namespace MOXQtLib
