#include "MOXQPushButtonImpl.h"

#include "MOXJson.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"

#include <QAbstractButton>
#include <QPainter>
#include <QTimer>

namespace MOXQtLib {

namespace {

// The "attr" keys the button owns; they are not kept as custom attributes besides.
const char* const kOwnAttrKeys[] = {
    "hasIcon",     "iconPath",       "hotIconPath", "isExtBtn", "extWidth",
    "extIconPath", "extHotIconPath", "text",        "showText", "drawBackground",
    "fadeEnabled", "fadeDuration",   "iconHor",     "iconVer",  "iconX",
    "iconY",       "iconUseColor",   "iconColor",   "txtX",     "txtY"};

FillStyle builtInBackground(const QColor& color)
{
    FillStyle style;
    style.fillRes.color = color;
    style.fillRes.borderColor = QColor(0xCC, 0xCC, 0xCC);
    style.fillRes.borderSize = 1;
    return style;
}

Json::Value& attrObject(Json::Value& value)
{
    Json::Value& attr = value["attr"];
    if (!attr.isObject()) attr = Json::Value(Json::objectValue);
    return attr;
}

} // namespace

MOXQPushButtonImpl::MOXQPushButtonImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
    const FillStyle normal = builtInBackground(QColor(0xF5, 0xF5, 0xF5));
    m_backgrounds.set(CtrlStateNormal, normal);
    m_backgrounds.set(CtrlStateHot, builtInBackground(QColor(0xED, 0xFB, 0xFF)));
    m_backgrounds.set(CtrlStatePressed, normal);
    TextStyleDesc text;
    text.size = 12;
    text.color = QColor(0, 0, 0);
    m_textStyles.set(kMoxAllStates, text);

    const MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    m_fade.setEnabled(manager->getButtonFadeEnabled());
    m_fade.setDuration(manager->getButtonFadeDuration());
    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setInterval(MOXQPushButtonFade::kInterval);
    connect(m_fadeTimer, &QTimer::timeout, this, &MOXQPushButtonImpl::fadeTick);
}

MOXQPushButtonImpl::~MOXQPushButtonImpl()
{
    m_fadeTimer->stop();
}

QAbstractButton* MOXQPushButtonImpl::button() const
{
    return qobject_cast<QAbstractButton*>(getOwner());
}

QString MOXQPushButtonImpl::text() const
{
    const QAbstractButton* b = button();
    return b ? b->text() : QString();
}

void MOXQPushButtonImpl::update()
{
    if (QWidget* owner = getOwner()) owner->update();
}

// --- painting ---------------------------------------------------------------------------------

void MOXQPushButtonImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const int state = getState();
    if (!m_isExtBtn || !m_extHot) {
        // A fall that has just begun still shows the Hot look, whatever the state says.
        const bool falling = m_fade.isRunning() && m_fade.target() == CtrlStateNormal;
        const bool blend = m_fade.isBlending() && (state == CtrlStateHot || falling);
        drawStateLook(painter, rect, state, blend);
    } else {
        const int mainWidth = rect.width() - m_extWidth;
        if (m_drawBackground) {
            drawFillStyle(painter, m_backgrounds.get(state), rect);
            painter->save();
            painter->setClipRect(QRect(rect.x(), rect.y(), mainWidth, rect.height()));
            drawFillStyle(painter, m_backgrounds.get(CtrlStateNormal), rect);
            painter->restore();
        }
        if (m_showText)
            drawText(painter, text(), m_textStyles.get(CtrlStateNormal), rect.x() + m_textOffsetX,
                     rect.y() + m_textOffsetY, rect.width() - m_textOffsetX,
                     rect.height() - m_textOffsetY);
    }
    drawIcons(painter, rect);
}

void MOXQPushButtonImpl::drawStateLook(QPainter* painter, const QRect& rect, int state, bool blend)
{
    FillStyle background = m_backgrounds.get(state);
    TextStyleDesc textStyle = m_textStyles.get(state);
    if (blend) {
        const double t = m_fade.progress();
        const FillStyle& normal = m_backgrounds.get(CtrlStateNormal);
        const FillStyle& hot = m_backgrounds.get(CtrlStateHot);
        background = normal;
        background.fillRes.color =
            MOXQPushButtonFade::blend(normal.fillRes.color, hot.fillRes.color, t);
        background.fillRes.borderColor =
            MOXQPushButtonFade::blend(normal.fillRes.borderColor, hot.fillRes.borderColor, t);
        textStyle = m_textStyles.get(CtrlStateNormal);
        textStyle.color =
            MOXQPushButtonFade::blend(textStyle.color, m_textStyles.get(CtrlStateHot).color, t);
    }
    if (m_drawBackground) drawFillStyle(painter, background, rect);
    if (m_showText)
        drawText(painter, text(), textStyle, rect.x() + m_textOffsetX, rect.y() + m_textOffsetY,
                 rect.width() - m_textOffsetX, rect.height() - m_textOffsetY);
}

void MOXQPushButtonImpl::drawIcons(QPainter* painter, const QRect& rect)
{
    const QAbstractButton* b = button();
    const int state = getState();
    if (m_hasIcon) {
        if (!m_icon.isNull()) {
            drawIcon(painter, m_icon, b ? b->iconSize() : QSize(16, 16), m_iconStyle, rect);
        } else {
            QString path = m_iconPath;
            if (state == CtrlStateHot && !m_hotIconPath.isEmpty()) path = m_hotIconPath;
            if (state == CtrlStatePressed && !m_pressedIconPath.isEmpty()) path = m_pressedIconPath;
            drawImage(painter, path, m_iconStyle, rect, b && !b->isEnabled());
        }
    }
    if (m_isExtBtn && m_extWidth > 0) {
        const QString path =
            state == CtrlStateHot && !m_extHotIconPath.isEmpty() ? m_extHotIconPath : m_extIconPath;
        if (!path.isEmpty())
            drawImage(
                painter, path, IconStyleDesc(),
                QRect(rect.x() + rect.width() - m_extWidth, rect.y(), m_extWidth, rect.height()));
    }
}

// --- hover, fade and language ------------------------------------------------------------------

void MOXQPushButtonImpl::enterControl()
{
    QWidget* owner = getOwner();
    if (!m_fade.isEnabled() || !owner || !owner->isEnabled()) {
        MOXQWidgetBaseImpl::enterControl();
        return;
    }
    // The fade is set up first, so the base's repaint already shows its start (the Normal look).
    m_fade.enter(getState());
    MOXQWidgetBaseImpl::enterControl();
    startFadeTimer();
}

void MOXQPushButtonImpl::leaveControl()
{
    QWidget* owner = getOwner();
    m_extHot = false;
    if (!m_fade.isEnabled() || !owner) {
        MOXQWidgetBaseImpl::leaveControl();
        return;
    }
    const bool enabled = owner->isEnabled();
    m_fade.leave(enabled);
    MOXQWidgetBaseImpl::leaveControl();
    setState(enabled ? CtrlStateHot : CtrlStateDisable);
    startFadeTimer();
}

void MOXQPushButtonImpl::startFadeTimer()
{
    if (m_fade.isRunning()) m_fadeTimer->start();
}

bool MOXQPushButtonImpl::isFadeTimerActive() const
{
    return m_fadeTimer->isActive();
}

void MOXQPushButtonImpl::fadeTick()
{
    int state = getState();
    const bool repaint = m_fade.tick(state);
    setState(CtrlState(state));
    if (!m_fade.isRunning()) m_fadeTimer->stop();
    if (repaint) update();
}

void MOXQPushButtonImpl::setFadeEnabled(bool enabled)
{
    if (enabled == m_fade.isEnabled()) return;
    m_fade.setEnabled(enabled);
    if (enabled) return;
    m_fadeTimer->stop();
    // A fall cut short leaves the state at Hot; outside the button that look must not stay.
    QWidget* owner = getOwner();
    if (!isHovered() && getState() == CtrlStateHot)
        setState(owner && !owner->isEnabled() ? CtrlStateDisable : CtrlStateNormal);
    update();
}

void MOXQPushButtonImpl::setFadeDuration(int milliseconds)
{
    m_fade.setDuration(milliseconds);
}

void MOXQPushButtonImpl::moveControl(const QPoint& pos)
{
    if (!m_isExtBtn || !getOwner()) return;
    const bool overExtension = pos.x() > getOwner()->width() - m_extWidth;
    if (overExtension == m_extHot) return;
    m_extHot = overExtension;
    update();
}

void MOXQPushButtonImpl::changeLanguage()
{
    QAbstractButton* b = button();
    if (b && m_caption.retranslate(b->text())) b->setText(m_caption.shown());
}

void MOXQPushButtonImpl::setCaption(const QString& text)
{
    m_caption.setText(text);
    if (QAbstractButton* b = button()) b->setText(m_caption.shown());
}

// --- setters ---------------------------------------------------------------------------------

void MOXQPushButtonImpl::setBackground(int state, const FillStyle& style)
{
    if (m_backgrounds.set(state, style)) update();
}

void MOXQPushButtonImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (m_textStyles.set(state, style)) update();
}

void MOXQPushButtonImpl::setUseFillStyle(int state, bool fillWithColor)
{
    if (state == kMoxAllStates) {
        for (int s = 0; s < kMoxStateCount; ++s)
            m_backgrounds.at(s).fillWithColor = fillWithColor;
    } else if (moxIsCtrlState(state)) {
        m_backgrounds.at(state).fillWithColor = fillWithColor;
    } else {
        return;
    }
    update();
}

void MOXQPushButtonImpl::setDrawBackground(bool draw)
{
    if (draw == m_drawBackground) return;
    m_drawBackground = draw;
    update();
}

void MOXQPushButtonImpl::layoutIconWithText(const QSize& iconSize)
{
    const QString caption = text();
    if (m_showText && !caption.isEmpty()) {
        const int textWidth = measureText(caption, m_textStyles.get(CtrlStateNormal)).width();
        m_iconStyle.x = -iconSize.width() - textWidth / 2;
        m_textOffsetX = iconSize.width() / 2;
    } else {
        m_iconStyle.x = 0;
        m_iconStyle.y = 0;
        m_textOffsetX = 0;
        m_textOffsetY = 0;
    }
}

void MOXQPushButtonImpl::setIcon(const QIcon& icon)
{
    m_icon = icon;
    const QAbstractButton* b = button();
    layoutIconWithText(b ? b->iconSize() : QSize(16, 16));
    update();
}

void MOXQPushButtonImpl::setIcon(const QString& path)
{
    m_hasIcon = true;
    if (path.startsWith(QLatin1Char(':')) && !isSvgPath(path)) {
        // Kept, so the button writes back where its icon came from.
        m_iconPath = path;
        setIcon(QIcon(path));
        return;
    }
    m_icon = QIcon();
    if (isSvgPath(path)) {
        const QSize size = getImageSize(path);
        if (size.isValid()) layoutIconWithText(size);
    }
    if (path != m_iconPath) m_iconPath = path;
    update();
}

void MOXQPushButtonImpl::setHotIcon(const QString& path)
{
    m_hotIconPath = path;
    update();
}

void MOXQPushButtonImpl::setPressedIcon(const QString& path)
{
    m_pressedIconPath = path;
    update();
}

void MOXQPushButtonImpl::setUseIcon(bool use)
{
    m_hasIcon = use;
    update();
}

void MOXQPushButtonImpl::setIconStyle(const IconStyleDesc& style)
{
    m_iconStyle = style;
    update();
}

void MOXQPushButtonImpl::setShowText(bool show)
{
    m_showText = show;
    update();
}

void MOXQPushButtonImpl::setTextOffsetX(int offset)
{
    m_textOffsetX = offset;
    update();
}

void MOXQPushButtonImpl::setTextOffsetY(int offset)
{
    m_textOffsetY = offset;
    update();
}

void MOXQPushButtonImpl::setExtensionButton(bool isExtension)
{
    m_isExtBtn = isExtension;
    if (isExtension && getOwner()) getOwner()->setMouseTracking(true);
    if (!isExtension) m_extHot = false;
    update();
}

void MOXQPushButtonImpl::setExtensionWidth(int width)
{
    m_extWidth = width;
    update();
}

void MOXQPushButtonImpl::setExtensionIcons(const QString& iconPath, const QString& hotIconPath)
{
    m_extIconPath = iconPath;
    m_extHotIconPath = hotIconPath;
    update();
}

// --- JSON ------------------------------------------------------------------------------------

MOXStyleSlots MOXQPushButtonImpl::styleSlots()
{
    MOXStyleSlots entries;
    entries.addFillGroup(m_backgrounds);
    entries.addTextGroup(m_textStyles);
    return entries;
}

bool MOXQPushButtonImpl::serializeContent(Json::Value* value, bool read)
{
    if (!read) {
        Json::Value& attr = attrObject(*value);
        const QString caption = m_caption.textToWrite(text());
        if (!caption.isEmpty()) attr["text"] = caption.toStdString();
        if (!m_iconPath.isEmpty()) attr["iconPath"] = m_iconPath.toStdString();
        return true;
    }
    // The base took every "attr" member as a custom attribute; the button's own keys are its
    // properties, and a stale copy among the custom attributes would be written back over them.
    for (const char* key : kOwnAttrKeys)
        removeCustomAttr(QByteArray(key));
    const Json::Value* attr = jsonObject(*value, "attr");
    if (!attr) return true;
    QString text;
    if (jsonReadString(*attr, "text", text)) setCaption(text);
    QString path;
    if (jsonReadString(*attr, "iconPath", path)) {
        m_iconPath = path;
        m_icon = QIcon();
        update();
    }
    return true;
}

bool MOXQPushButtonImpl::serializeLook(Json::Value* value, bool read)
{
    MOXStyleSlots entries = styleSlots();
    if (!read) {
        writeLook(attrObject(*value));
        entries.writeTo(*value);
        return true;
    }
    if (const Json::Value* attr = jsonObject(*value, "attr")) readLook(*attr);
    entries.read(*value);
    update();
    return true;
}

void MOXQPushButtonImpl::readLook(const Json::Value& attr)
{
    jsonReadBool(attr, "hasIcon", m_hasIcon);
    jsonReadString(attr, "hotIconPath", m_hotIconPath);
    bool isExtension = m_isExtBtn;
    if (jsonReadBool(attr, "isExtBtn", isExtension)) setExtensionButton(isExtension);
    jsonReadInt(attr, "extWidth", m_extWidth);
    jsonReadString(attr, "extIconPath", m_extIconPath);
    jsonReadString(attr, "extHotIconPath", m_extHotIconPath);
    jsonReadBool(attr, "showText", m_showText);
    jsonReadBool(attr, "drawBackground", m_drawBackground);
    bool fadeEnabled = m_fade.isEnabled();
    if (jsonReadBool(attr, "fadeEnabled", fadeEnabled)) setFadeEnabled(fadeEnabled);
    int duration = 0;
    if (jsonReadInt(attr, "fadeDuration", duration)) setFadeDuration(duration);
    readIconStyle(attr, m_iconStyle);
    jsonReadInt(attr, "txtX", m_textOffsetX);
    jsonReadInt(attr, "txtY", m_textOffsetY);
}

void MOXQPushButtonImpl::writeLook(Json::Value& attr) const
{
    const MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    if (!m_hasIcon) attr["hasIcon"] = 0;
    if (!m_hotIconPath.isEmpty()) attr["hotIconPath"] = m_hotIconPath.toStdString();
    if (m_isExtBtn) attr["isExtBtn"] = 1;
    if (m_extWidth != 0) attr["extWidth"] = m_extWidth;
    if (!m_extIconPath.isEmpty()) attr["extIconPath"] = m_extIconPath.toStdString();
    if (!m_extHotIconPath.isEmpty()) attr["extHotIconPath"] = m_extHotIconPath.toStdString();
    if (!m_showText) attr["showText"] = 0;
    if (!m_drawBackground) attr["drawBackground"] = 0;
    if (m_fade.isEnabled() != manager->getButtonFadeEnabled())
        attr["fadeEnabled"] = int(m_fade.isEnabled());
    if (m_fade.duration() != manager->getButtonFadeDuration())
        attr["fadeDuration"] = m_fade.duration();
    writeIconStyle(m_iconStyle, attr);
    if (m_textOffsetX != 0) attr["txtX"] = m_textOffsetX;
    if (m_textOffsetY != 0) attr["txtY"] = m_textOffsetY;
}

} // namespace MOXQtLib
