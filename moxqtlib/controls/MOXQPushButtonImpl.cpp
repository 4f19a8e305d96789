#include "MOXQPushButtonImpl.h"

#include "MOXKey.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"

#include <QAbstractButton>
#include <QPainter>
#include <QTimer>

namespace MOXQtLib {

namespace {

FillStyle builtInBackground(const QColor& color)
{
    FillStyle style;
    style.fillRes.color = color;
    style.fillRes.borderColor = QColor(0xCC, 0xCC, 0xCC);
    style.fillRes.borderSize = 1;
    return style;
}

const MOXQResourceManager* manager()
{
    return MOXQResourceManager::getInstance();
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

    m_fade.setEnabled(manager()->getButtonFadeEnabled());
    m_fade.setDuration(manager()->getButtonFadeDuration());
    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setInterval(MOXQPushButtonFade::kInterval);
    connect(m_fadeTimer, &QTimer::timeout, this, &MOXQPushButtonImpl::fadeTick);
}

MOXQPushButtonImpl::~MOXQPushButtonImpl()
{
    m_fadeTimer->stop();
}

const MOXKeyTable& MOXQPushButtonImpl::keys()
{
    using I = MOXQPushButtonImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(i.m_backgrounds);
            s.addTextGroup(i.m_textStyles);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setBackground, &I::getBackground),
        moxKey<I>("iconPath", &I::getIconPath, &I::setIconPath).content(),
        moxKey<I>("hasIcon", &I::getUseIcon, &I::setUseIcon).omit(true),
        moxKey<I>("hotIconPath", &I::getHotIcon, &I::setHotIcon),
        moxKey<I>("isExtBtn", &I::isExtensionButton, &I::setExtensionButton),
        moxKey<I>("extWidth", &I::getExtensionWidth, &I::setExtensionWidth),
        moxKey<I>("extIconPath", &I::getExtensionIcon, &I::setExtensionIcon),
        moxKey<I>("extHotIconPath", &I::getExtensionHotIcon, &I::setExtensionHotIcon),
        moxKey<I>("showText", &I::getShowText, &I::setShowText).omit(true),
        moxKey<I>("drawBackground", &I::getDrawBackground, &I::setDrawBackground)
            .omit(true)
            .property("DrawBackground", PropertyDef::Boolean),
        moxKey<I>("fadeEnabled", &I::getFadeEnabled, &I::setFadeEnabled)
            .omitWhen([](bool on) { return on == manager()->getButtonFadeEnabled(); })
            .property("FadeEnabled", PropertyDef::Boolean),
        moxKey<I>("fadeDuration", &I::getFadeDuration, &I::setFadeDuration)
            .omitWhen([](int ms) { return ms == manager()->getButtonFadeDuration(); })
            .property("FadeDuration", PropertyDef::Integer),
        // A theme restyles a button but never retitles it. Last in the property list, after the
        // entries page designers have always had in that order.
        moxKey<I>("text", &I::captionToWrite, &I::setCaption)
            .content()
            .property("Text", PropertyDef::Text),
        moxIconStyleKeys<I>(&I::m_iconStyle),
        moxKey<I>("txtX", &I::getTextOffsetX, &I::setTextOffsetX),
        moxKey<I>("txtY", &I::getTextOffsetY, &I::setTextOffsetY),
    };
    return table;
}

QString MOXQPushButtonImpl::text() const
{
    const QAbstractButton* b = button();
    return b ? b->text() : QString();
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
    if (repaint) updateOwner();
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
    updateOwner();
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
    updateOwner();
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
    if (m_backgrounds.set(state, style)) updateOwner();
}

void MOXQPushButtonImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (m_textStyles.set(state, style)) updateOwner();
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
    updateOwner();
}

void MOXQPushButtonImpl::setDrawBackground(bool draw)
{
    storeAndUpdate(m_drawBackground, draw);
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
    updateOwner();
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
    updateOwner();
}

void MOXQPushButtonImpl::setIconPath(const QString& path)
{
    if (path == m_iconPath && m_icon.isNull()) return;
    m_iconPath = path;
    m_icon = QIcon();
    updateOwner();
}

void MOXQPushButtonImpl::setHotIcon(const QString& path)
{
    storeAndUpdate(m_hotIconPath, path);
}

void MOXQPushButtonImpl::setPressedIcon(const QString& path)
{
    storeAndUpdate(m_pressedIconPath, path);
}

void MOXQPushButtonImpl::setUseIcon(bool use)
{
    storeAndUpdate(m_hasIcon, use);
}

void MOXQPushButtonImpl::setIconStyle(const IconStyleDesc& style)
{
    storeAndUpdate(m_iconStyle, style);
}

void MOXQPushButtonImpl::setShowText(bool show)
{
    storeAndUpdate(m_showText, show);
}

void MOXQPushButtonImpl::setTextOffsetX(int offset)
{
    storeAndUpdate(m_textOffsetX, offset);
}

void MOXQPushButtonImpl::setTextOffsetY(int offset)
{
    storeAndUpdate(m_textOffsetY, offset);
}

void MOXQPushButtonImpl::setExtensionButton(bool isExtension)
{
    if (isExtension && getOwner()) getOwner()->setMouseTracking(true);
    if (!isExtension) m_extHot = false;
    storeAndUpdate(m_isExtBtn, isExtension);
}

void MOXQPushButtonImpl::setExtensionWidth(int width)
{
    storeAndUpdate(m_extWidth, width);
}

void MOXQPushButtonImpl::setExtensionIcon(const QString& path)
{
    storeAndUpdate(m_extIconPath, path);
}

void MOXQPushButtonImpl::setExtensionHotIcon(const QString& path)
{
    storeAndUpdate(m_extHotIconPath, path);
}

} // namespace MOXQtLib
