#pragma once

// The group box's title, outline and styles. It paints a one-pixel outline whose top edge
// leaves a gap for the title; the background style is kept for designers and files but not
// painted.

#include "FillStyle.h"
#include "MOXCaption.h"
#include "MOXQWidgetBaseImpl.h"
#include "TextStyleDesc.h"

#include <QColor>
#include <QString>

namespace MOXQtLib {

class MOXQGroupBoxImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQGroupBoxImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    // A language-key title follows the language; the box is not repainted by this.
    void changeLanguage() override;

    // "|->key" titles are language keys. Does not repaint.
    void setText(const QString& text) { m_caption.setText(text); }
    QString getText() const { return m_caption.shown(); }
    QString textToWrite() const { return m_caption.textToWrite(m_caption.shown()); }
    // One style each; the state is ignored.
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int) const { return m_textStyle; }
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }
    // Neither repaints.
    void setLineColor(const QColor& color) { m_lineColor = color; }
    QColor getLineColor() const { return m_lineColor; }
    void setLineSize(int size) { m_lineSize = size; }
    int getLineSize() const { return m_lineSize; }
    void setShowText(bool show) { storeAndUpdate(m_showText, show); }
    bool getShowText() const { return m_showText; }

    // The outline as one open polyline, its top edge broken for a title `titleWidth` wide, and
    // the rectangle the title is drawn into, for a box of `size` with a title `titleHeight`
    // high.
    QVector<QPoint> outline(const QSize& size, int titleWidth, int titleHeight) const;
    QSize titleSize() const;

private:
    bool m_showText = true;
    FillStyle m_background;
    MOXCaption m_caption;
    TextStyleDesc m_textStyle;
    QColor m_lineColor = QColor(0, 0, 0);
    int m_lineSize = 1;
};

} // namespace MOXQtLib
