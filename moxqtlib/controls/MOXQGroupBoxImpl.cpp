#include "MOXQGroupBoxImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QPainter>
#include <QPolygon>

namespace MOXQtLib {

MOXQGroupBoxImpl::MOXQGroupBoxImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQGroupBoxImpl::keys()
{
    using I = MOXQGroupBoxImpl;
    static const MOXKeyTable table{
        // Slot 0 the background, slot 2 the title's text style; slot 1 is unused.
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            s.addTextGroup(&i.m_textStyle, 1);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, {QStringLiteral("Normal")},
                            &I::setTextStyle, &I::getTextStyle),
        moxKey<I>("text", &I::textToWrite, &I::setText)
            .content()
            .property("Text", PropertyDef::Text),
        moxKey<I>("size", &I::getLineSize, &I::setLineSize)
            .property("LineSize", PropertyDef::Integer),
        moxKey<I>("color", &I::getLineColor, &I::setLineColor, moxColorOrArgbCodec)
            .omitWhen([](const QColor& c) { return c.rgba() == 0; })
            .property("LineColor", PropertyDef::Color),
        moxKey<I>("showText", &I::getShowText, &I::setShowText)
            .omit(true)
            .property("ShowText", PropertyDef::Boolean),
    };
    return table;
}

void MOXQGroupBoxImpl::setTextStyle(int, const TextStyleDesc& style)
{
    m_textStyle = style;
    updateOwner();
}

void MOXQGroupBoxImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

QSize MOXQGroupBoxImpl::titleSize() const
{
    const QSize measured = measureText(m_caption.shown(), m_textStyle);
    return QSize(m_showText ? measured.width() : 0, measured.height());
}

QVector<QPoint> MOXQGroupBoxImpl::outline(const QSize& size, int titleWidth, int titleHeight) const
{
    const int l = 0, t = 0;
    const int r = size.width() - 1, b = size.height() - 1;
    const int m = t + titleHeight / 2;
    // The line size lifts the bottom edge, but never out of the box nor onto the top edge,
    // where it would close the title's gap.
    const int bottom = int(std::clamp<qint64>(qint64(b) - m_lineSize + 1, std::min(m + 1, b), b));
    return {QPoint(l + 5, m),      QPoint(l, m),     QPoint(l, bottom),
            QPoint(r - 1, bottom), QPoint(r - 1, m), QPoint(l + titleWidth + 9, m)};
}

void MOXQGroupBoxImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QSize title = titleSize();
    painter->save();
    painter->setPen(QPen(m_lineColor, 1));
    painter->setBrush(Qt::NoBrush);
    const QVector<QPoint> points = outline(rect.size(), title.width(), title.height());
    painter->drawPolyline(points.constData(), points.size());
    painter->restore();
    if (m_showText)
        drawText(painter, m_caption.shown(), m_textStyle, rect.x() + 7, rect.y(), title.width() + 5,
                 title.height());
}

void MOXQGroupBoxImpl::changeLanguage()
{
    m_caption.retranslate(m_caption.shown());
}

} // namespace MOXQtLib
