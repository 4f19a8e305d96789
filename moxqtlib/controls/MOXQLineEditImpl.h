#pragma once

// The line edit's look and key handling: a background and a text style per state, a
// placeholder in its own style, password mode and the hotkey mode that records key
// combinations such as CTRL+SHIFT+A or F5 instead of typed text. QLineEdit edits and draws the
// text itself.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QMargins>
#include <QString>

class QKeyEvent;
class QLineEdit;

namespace MOXQtLib {

class MOXQLineEditImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQLineEditImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The background of the current state, then the placeholder while the field is empty.
    // Hot looks like Normal: hovering never changes the field.
    void drawControl(QPainter* painter, const QRect& rect) override;
    // Puts the Normal text style on the widget.
    void resizeControl() override;
    // The current state's text style as the widget's font and text colour.
    void applyStateTextStyle();

    // The field drives its state itself: hover lights it unless it has the focus, the focus
    // shows Pressed.
    void enterControl() override;
    void leaveControl() override;
    void focusControl(bool in);
    // True when the event is used up here (hotkey mode, or a blocked password shortcut).
    bool handleKey(QKeyEvent* event);

    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int state) const { return m_backgrounds.get(state); }
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int state) const { return m_textStyles.get(state); }
    // One placeholder style; the state is ignored.
    void setPlaceholderTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle(int) const { return m_placeholderStyle; }
    void setPlaceholderText(const QString& text);
    QString getPlaceholderText() const { return m_placeholder; }
    void setText(const QString& text);
    QString getText() const;

    // Password echo and no context menu; off: normal echo and the default menu.
    void setIsPassword(bool password);
    bool getIsPassword() const;
    void setHotkeyMode(bool on);
    bool getHotkeyMode() const { return m_hotkeyMode; }
    // The widget's contents margins, each kept in [0, 32767].
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

    // Where the placeholder is drawn in a field of `size` with `margins`: inset on every side.
    static QRect placeholderRect(const QSize& size, const QMargins& margins);
    // The field's text after `key` with `modifiers` in hotkey mode; false when the key is
    // not one the mode records (the text stays).
    static bool hotkeyText(int key, Qt::KeyboardModifiers modifiers, QString& text);

protected:
    void keysRead() override;
    bool serializeLook(Json::Value* value, bool read) override;

private:
    QLineEdit* edit() const;
    QMargins margins() const;
    void setMargins(const QMargins& margins);
    // Files switch password mode on only.
    void readPassword(bool password);

    bool m_hotkeyMode = false;
    QString m_placeholder;
    TextStyleDesc m_placeholderStyle;
    // A slot-9 entry of the "style" being read named a known style.
    bool m_placeholderRead = false;
    MOXStateRecords<FillStyle> m_backgrounds;
    MOXStateRecords<TextStyleDesc> m_textStyles;
};

} // namespace MOXQtLib
