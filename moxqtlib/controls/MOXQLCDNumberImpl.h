#pragma once

// The LCD number's background, digit colour and the text it was last given. QLCDNumber draws
// the digits; this object draws the background behind them and keeps the digit colour in the
// widget's palette.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"

#include <QColor>
#include <QString>

class QLCDNumber;

namespace MOXQtLib {

class MOXQLCDNumberImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQLCDNumberImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The background; the digits are painted afterwards by QLCDNumber.
    void drawControl(QPainter* painter, const QRect& rect) override;

    // Applied to the palette at once and kept there at every paint. An invalid colour leaves
    // the palette's own.
    void setColor(const QColor& color);
    // The stored colour, else the palette's window-text colour.
    QColor getColor() const;
    // Shows the text and remembers it: texts that are no number ("12:34") are given back as
    // they were.
    void setNumText(const QString& text);
    // The last text shown, or the shown value in the general number format when the value
    // was set as a number since.
    QString getNumText() const;
    // The value was set as a number: the last text no longer describes it.
    void forgetText();
    // 0 to 99; other counts are clamped.
    void setDigitCount(int count);
    int getDigitCount() const;
    // One background for every state.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }

private:
    QLCDNumber* lcd() const;
    void applyColor();

    QColor m_textColor;
    FillStyle m_background;
    // The last text shown and the value QLCDNumber made of it; a different value means the
    // number was set some other way since.
    QString m_text;
    bool m_hasText = false;
    double m_textValue = 0;
};

} // namespace MOXQtLib
