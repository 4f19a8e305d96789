#pragma once

// The library's line edit ("qtdedit"): a frameless QLineEdit over a per-state background, with
// a placeholder in its own style, a password mode and a hotkey mode that records key
// combinations (CTRL+SHIFT+A, F5) instead of typed text.

#include "MOXControlInfo.h"
#include "MOXQEditControl.h"
#include "MOXQLineEditImpl.h"

#include <QLineEdit>

namespace MOXQtLib {

class MOXQLineEdit : public MOXQEditControl<QLineEdit, MOXQLineEditImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQLineEdit(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtdedit"); }
    static ControlInfo getProps();
    static QWidget* createMOXQLineEdit() { return new MOXQLineEdit; }

    // Per-state looks; state 4 sets all four. Hot never shows (hovering keeps the Normal
    // look) and Pressed is the focused look.
    void setBackground(CtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    void setTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setTextStyle(state, style); }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }

    // Shown in its own style while the field is empty; the state is ignored.
    void setPlaceholderText(const QString& text) { impl()->setPlaceholderText(text); }
    void setPlaceholderTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setPlaceholderTextStyle(state, style); }
    const TextStyleDesc& getPlaceholderTextStyle(CtrlState state) const { return impl()->getPlaceholderTextStyle(state); }

    // Password echo, no context menu, and no select-all, copy or paste keys.
    void setIsPassword(bool password) { impl()->setIsPassword(password); }
    bool getIsPassword() const { return impl()->getIsPassword(); }
    // Keys set the text to the combination pressed; Backspace and Delete clear it.
    void setHotkeyMode(bool on) { impl()->setHotkeyMode(on); }
    bool getHotkeyMode() const { return impl()->getHotkeyMode(); }
    // The contents margins, in this argument order.
    void setEditMargin(int top, int bottom, int left, int right) { impl()->setEditMargin(top, bottom, left, right); }
    void getEditMargin(int& top, int& bottom, int& left, int& right) const { impl()->getEditMargin(top, bottom, left, right); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace MOXQtLib
