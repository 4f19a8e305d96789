#pragma once

// The text edit's look: the shared edit look (MOXQEditLookImpl) painted over the whole control
// under its transparent viewport, and the looks of its two library scroll bars. QTextEdit
// edits and draws the text; files keep it as plain text. The margins are the viewport's: a
// QFrame resets its contents margins whenever its frame is polished.

#include "MOXQEditLookImpl.h"
#include "MOXScrollBarLooks.h"

#include <QString>

class QTextEdit;

namespace MOXQtLib {

class MOXQTextEditImpl : public MOXQEditLookImpl
{
    Q_OBJECT
public:
    MOXQTextEditImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The background of the current state, then the placeholder while there is no text.
    void drawControl(QPainter* painter, const QRect& rect) override;

    // Plain text both ways: markup such as "<b>x</b>" stays literal.
    void setText(const QString& text);
    QString getText() const;

    MOXScrollBarLooks& bars() { return m_bars; }

protected:
    // The "scrollbar" elements of "child": read as the bars' looks, written back the same way.
    bool serializeLook(Json::Value* value, bool read) override;
    QMargins margins() const override;
    void setMargins(const QMargins& margins) override;

private:
    QTextEdit* edit() const;

    // The step-button length stays the bars' own.
    MOXScrollBarLooks m_bars;
};

} // namespace MOXQtLib
