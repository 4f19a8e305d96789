#pragma once

// The library's LCD number ("qtlcdnumber"): QLCDNumber's seven-segment digits in a colour of
// their own over a background fill style.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQLCDNumberImpl.h"

#include <QLCDNumber>

namespace MOXQtLib {

class MOXQLCDNumber : public MOXQControl<QLCDNumber, MOXQLCDNumberImpl, MOXRouteNone>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQLCDNumber(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtlcdnumber"); }
    static ControlInfo getProps();
    static QWidget* createMOXQLCDNumber() { return new MOXQLCDNumber; }

    // The digit colour; an invalid colour leaves the palette's own.
    void setColor(const QColor& color) { impl()->setColor(color); }
    QColor getColor() const { return impl()->getColor(); }
    // The text shown; a text that is no number ("12:34") is given back as it was set.
    void setNumText(const QString& text) { impl()->setNumText(text); }
    QString getNumText() const { return impl()->getNumText(); }
    // One background for every state; the state is ignored.
    void setBackground(CtrlState state, const FillStyle& style)
    {
        impl()->setBackground(state, style);
    }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }

public slots:
    // QLCDNumber's display, remembering what was shown.
    void display(const QString& text) { impl()->setNumText(text); }
    void display(int number)
    {
        QLCDNumber::display(number);
        impl()->forgetText();
    }
    void display(double number)
    {
        QLCDNumber::display(number);
        impl()->forgetText();
    }

protected:
    // The background first, then QLCDNumber's digits over it.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace MOXQtLib
