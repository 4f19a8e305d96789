#pragma once

// The extended label's document, text styles and mouse selection. It paints the document
// itself (the QLabel's own text plays no part): the selection highlight first, then the text
// in the normal style's colour.

#include "MOXQWidgetBaseImpl.h"
#include "MOXTextSelection.h"
#include "TextStyleDesc.h"

#include <QSize>
#include <QString>
#include <QTextDocument>

namespace MOXQtLib {

class MOXQLabelExImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQLabelExImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();
    // The highlight behind selected text.
    static QColor selectionColor() { return QColor(155, 202, 239); }

    void drawControl(QPainter* painter, const QRect& rect) override;

    // Plain text or HTML; either drops the selection, which referred to the old text.
    void setText(const QString& text);
    QString getText() const { return m_document.toPlainText(); }
    void setHtmlContent(const QString& html);
    QString getHtmlContent() const { return m_document.toHtml(); }

    // State 0 the normal style (its font and colour are the document's), 4 both, 1 to 3 the
    // disabled one (kept, never shown); other states are ignored.
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int state) const;
    void setColor(const QColor& color);
    QColor getColor() const { return m_normalStyle.color; }
    void setDisableColor(const QColor& color) { m_disabledStyle.color = color; }
    QColor getDisableColor() const { return m_disabledStyle.color; }

    // (ideal width, height) of `html` in the normal style's font laid out `width` wide.
    QSize calcSize(const QString& html, int width) const;

    // Mouse selection, in widget coordinates: a press anchors the selection where it lands,
    // a drag moves its end (forwards or backwards), a double-click selects everything.
    void anchorAt(const QPoint& pos);
    void extendTo(const QPoint& pos);
    void selectAll();
    const MOXTextSelection& selection() const { return m_selection; }
    void setSelection(const MOXTextSelection& selection);
    QString selectedText() const;

    // Laid out to the label's size, as it is painted; hit tests need the same lines.
    const QTextDocument& document() const;

protected:
    void keysRead() override;

private:
    void applyFont();

    TextStyleDesc m_normalStyle;
    TextStyleDesc m_disabledStyle;
    MOXTextSelection m_selection;
    // Laid out lazily to the owner's size by document().
    mutable QTextDocument m_document;
};

} // namespace MOXQtLib
