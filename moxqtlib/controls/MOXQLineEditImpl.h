#pragma once

// The line edit's look and key handling: the shared edit look (MOXQEditLookImpl), password
// mode and the hotkey mode that records key combinations such as CTRL+SHIFT+A or F5 instead of
// typed text. QLineEdit edits and draws the text itself.

#include "MOXQEditLookImpl.h"

#include <QString>

class QKeyEvent;
class QLineEdit;

namespace MOXQtLib {

class MOXQLineEditImpl : public MOXQEditLookImpl
{
    Q_OBJECT
public:
    MOXQLineEditImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The background of the current state, then the placeholder while the field is empty.
    void drawControl(QPainter* painter, const QRect& rect) override;
    // True when the event is used up here (hotkey mode, or a blocked password shortcut).
    bool handleKey(QKeyEvent* event);

    void setText(const QString& text);
    QString getText() const;

    // Password echo and no context menu; off: normal echo and the default menu.
    void setIsPassword(bool password);
    bool getIsPassword() const;
    void setHotkeyMode(bool on);
    bool getHotkeyMode() const { return m_hotkeyMode; }

    // The field's text after `key` with `modifiers` in hotkey mode; false when the key is
    // not one the mode records (the text stays).
    static bool hotkeyText(int key, Qt::KeyboardModifiers modifiers, QString& text);

protected:
    bool serializeLook(Json::Value* value, bool read) override;

private:
    QLineEdit* edit() const;
    // Files switch password mode on only.
    void readPassword(bool password);

    bool m_hotkeyMode = false;
    // A slot-9 entry of the "style" being read named a known style.
    bool m_placeholderRead = false;
};

} // namespace MOXQtLib
