#pragma once

// The push button's look and behaviour: a background and a text style per state, icons from a
// QIcon or from paths (with hot and pressed variants), text offsets, an extension area at the
// right edge with its own hover, and the Normal/Hot colour fade.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXCaption.h"
#include "MOXQPushButtonFade.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QIcon>
#include <QPoint>
#include <QString>

class QAbstractButton;
class QTimer;

namespace MOXQtLib {

class MOXQPushButtonImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQPushButtonImpl(QWidget* owner, const QString& name);
    ~MOXQPushButtonImpl() override;

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    void changeLanguage() override;
    void enterControl() override;
    void leaveControl() override;
    // Mouse moves of an extension button light the extension area on its own.
    void moveControl(const QPoint& pos);

    // States 0 to 3, or 4 for all; other states are ignored by setters and read as Normal.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int state) const { return m_backgrounds.get(state); }
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int state) const { return m_textStyles.get(state); }
    void setUseFillStyle(int state, bool fillWithColor);
    bool getUseFillStyle(int state) const { return m_backgrounds.get(state).fillWithColor; }
    void setDrawBackground(bool draw);
    bool getDrawBackground() const { return m_drawBackground; }

    // The caption; "|->key" texts are language keys.
    void setCaption(const QString& text);
    const MOXCaption& caption() const { return m_caption; }
    // What a file keeps: "|->key" while the button shows the key's translation.
    QString captionToWrite() const { return m_caption.textToWrite(text()); }

    void setIcon(const QIcon& icon);
    void setIcon(const QString& path);
    const QIcon& getIcon() const { return m_icon; }
    // The path only: no icon-with-text layout and the icon switch stays as it is.
    void setIconPath(const QString& path);
    QString getIconPath() const { return m_iconPath; }
    void setHotIcon(const QString& path);
    QString getHotIcon() const { return m_hotIconPath; }
    void setPressedIcon(const QString& path);
    QString getPressedIcon() const { return m_pressedIconPath; }
    void setUseIcon(bool use);
    bool getUseIcon() const { return m_hasIcon; }
    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const { return m_iconStyle; }

    void setShowText(bool show);
    bool getShowText() const { return m_showText; }
    void setTextOffsetX(int offset);
    int getTextOffsetX() const { return m_textOffsetX; }
    void setTextOffsetY(int offset);
    int getTextOffsetY() const { return m_textOffsetY; }

    // The extension area: `width` pixels at the right edge of an extension button.
    void setExtensionButton(bool isExtension);
    bool isExtensionButton() const { return m_isExtBtn; }
    void setExtensionWidth(int width);
    int getExtensionWidth() const { return m_extWidth; }
    void setExtensionIcon(const QString& path);
    QString getExtensionIcon() const { return m_extIconPath; }
    void setExtensionHotIcon(const QString& path);
    QString getExtensionHotIcon() const { return m_extHotIconPath; }
    bool isExtensionHot() const { return m_extHot; }

    void setFadeEnabled(bool enabled);
    bool getFadeEnabled() const { return m_fade.isEnabled(); }
    // 0 or less means 150 ms.
    void setFadeDuration(int milliseconds);
    int getFadeDuration() const { return m_fade.duration(); }
    const MOXQPushButtonFade& fade() const { return m_fade; }
    bool isFadeTimerActive() const;
    // One step of the fade timer.
    void fadeTick();

protected:
    void keysRead() override { updateOwner(); }

private:
    QAbstractButton* button() const { return ownerAs<QAbstractButton>(); }
    QString text() const;
    void startFadeTimer();
    void layoutIconWithText(const QSize& iconSize);
    void drawStateLook(QPainter* painter, const QRect& rect, int state, bool blend);
    void drawIcons(QPainter* painter, const QRect& rect);

    MOXCaption m_caption;
    bool m_extHot = false;
    bool m_isExtBtn = false;
    QString m_extHotIconPath;
    QString m_extIconPath;
    int m_extWidth = 0;
    bool m_hasIcon = true;
    bool m_showText = true;
    QString m_iconPath;
    QIcon m_icon;
    QString m_hotIconPath;
    QString m_pressedIconPath;
    IconStyleDesc m_iconStyle;
    int m_textOffsetX = 0;
    int m_textOffsetY = 0;
    bool m_drawBackground = true;
    MOXStateRecords<FillStyle> m_backgrounds;
    MOXStateRecords<TextStyleDesc> m_textStyles;
    MOXQPushButtonFade m_fade;
    QTimer* m_fadeTimer = nullptr;
};

} // namespace MOXQtLib
