#pragma once

// The library's label ("qtlabel"): a QLabel showing one text in a text style, elided to its
// width when the style is single-line. Files always keep the full text.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQLabelImpl.h"

#include <QLabel>

namespace MOXQtLib {

class MOXQLabel : public MOXQControl<QLabel, MOXQLabelImpl, MOXRouteNone>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQLabel(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtlabel"); }
    static ControlInfo getProps();
    static QWidget* createMOXQLabel() { return new MOXQLabel; }

    // Stores the full text and shows it (elided when the style asks for it); "|->key" texts
    // are language keys.
    void setText(const QString& text) { impl()->setText(text); }
    // The full text; QLabel::text() is what is on screen.
    QString getText() const { return impl()->getText(); }

    // State 0 the style shown, 1 to 3 the disabled style (kept, never shown), 4 both.
    void setTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setTextStyle(state, style); }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }
    void setColor(const QColor& color) { impl()->setColor(color); }
    QColor getColor() const { return impl()->getColor(); }
    void setDisableColor(const QColor& color) { impl()->setDisableColor(color); }
    QColor getDisableColor() const { return impl()->getDisableColor(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace MOXQtLib
