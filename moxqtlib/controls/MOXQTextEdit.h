#pragma once

// The library's text edit ("qttext"): the multi-line counterpart of the line edit, a frameless
// QTextEdit over a per-state background with a placeholder in its own style, content margins
// and two library scroll bars whose looks come from "scrollbar" elements of its JSON.

#include "MOXControlInfo.h"
#include "MOXQEditControl.h"
#include "MOXQTextEditImpl.h"

#include <QTextEdit>

namespace MOXQtLib {

class MOXQTextEdit : public MOXQEditControl<QTextEdit, MOXQTextEditImpl>,
                     public MOXScrollBarSetters<MOXQTextEdit>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQTextEdit(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qttext"); }
    static ControlInfo getProps();
    static QWidget* createMOXQTextEdit() { return new MOXQTextEdit; }

    // Per-state looks; state 4 sets all four. Hot never shows (hovering keeps the Normal
    // look) and Pressed is the focused look.
    void setBackground(CtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    void setTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setTextStyle(state, style); }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }

    // Shown in its own style, inset by the margins, while there is no text.
    void setPlaceholderText(const QString& text) { impl()->setPlaceholderText(text); }
    QString getPlaceholderText() const { return impl()->getPlaceholderText(); }
    void setPlaceholderTextStyle(const TextStyleDesc& style) { impl()->setPlaceholderTextStyle(0, style); }
    const TextStyleDesc& getPlaceholderTextStyle() const { return impl()->getPlaceholderTextStyle(0); }
    // The margins around the text and the placeholder, in this argument order.
    void setEditMargin(int top, int bottom, int left, int right) { impl()->setEditMargin(top, bottom, left, right); }
    void getEditMargin(int& top, int& bottom, int& left, int& right) const { impl()->getEditMargin(top, bottom, left, right); }

    // The bars' setters (see MOXScrollBarSetters); their step buttons keep their own length,
    // so setScrollbarBtnSize does nothing.

    // Where the margins live (the viewport is inset by them).
    using QAbstractScrollArea::setViewportMargins;
    using QAbstractScrollArea::viewportMargins;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace MOXQtLib
