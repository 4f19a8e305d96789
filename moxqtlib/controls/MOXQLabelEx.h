#pragma once

// The library's extended label ("qtlabelex", created by name only): plain or HTML text in its
// own text document, measured for a given width, with a text selection made by the mouse.

#include "MOXQControl.h"
#include "MOXQLabelExImpl.h"

#include <QLabel>

namespace MOXQtLib {

class MOXQLabelEx : public MOXQControl<QLabel, MOXQLabelExImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQLabelEx(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtlabelex"); }
    static QWidget* createMOXQLabelEx() { return new MOXQLabelEx; }

    // The document as plain text or as HTML; setting either clears the selection.
    void setText(const QString& text) { impl()->setText(text); }
    void setHtmlContent(const QString& html) { impl()->setHtmlContent(html); }
    QString getHtmlContent() const { return impl()->getHtmlContent(); }

    // State 0 the style shown, 1 to 3 the disabled style (kept, never shown), 4 both.
    void setTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setTextStyle(state, style); }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }
    void setColor(const QColor& color) { impl()->setColor(color); }
    QColor getColor() const { return impl()->getColor(); }
    void setDisableColor(const QColor& color) { impl()->setDisableColor(color); }
    QColor getDisableColor() const { return impl()->getDisableColor(); }

    // (ideal width, height) of `html` in the normal style's font when laid out `width` wide.
    QSize calcSize(const QString& html, int width) const { return impl()->calcSize(html, width); }

    // The selection the mouse made (press and drag, or a double-click for everything).
    const MOXTextSelection& selection() const { return impl()->selection(); }
    void setSelection(const MOXTextSelection& selection) { impl()->setSelection(selection); }
    QString selectedText() const { return impl()->selectedText(); }

protected:
    // Only while the label's text interaction flags are not all off.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool selectsText() const { return textInteractionFlags() != Qt::NoTextInteraction; }
};

} // namespace MOXQtLib
