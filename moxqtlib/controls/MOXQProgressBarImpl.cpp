#include "MOXQProgressBarImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <cmath>

namespace MOXQtLib {

namespace {

// Any number, NaN and infinities included, so that the setter can refuse them and keep the
// value it had; other types count as absent.
bool readNumber(const Json::Value& value, double& out)
{
    if (!value.isNumeric() || value.isBool()) return false;
    out = value.asDouble();
    return true;
}

Json::Value writeWhole(const double& value)
{
    return int(value);
}

constexpr MOXKeyCodec<double> kValueCodec{&readNumber, &writeWhole};

} // namespace

MOXQProgressBarImpl::MOXQProgressBarImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQProgressBarImpl::keys()
{
    using I = MOXQProgressBarImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            s.addFillGroup(&i.m_foreground, 1);
            s.addGap(1);
            s.addTextGroup(&i.m_textStyle, 1);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal")}, &I::setBackground, &I::getBackground),
        moxStateProperty<I>("Foreground", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal")}, &I::setForeground, &I::getForeground),
        // Pages switch these per bar, under a shared theme entry.
        moxKey<I>("showText", &I::getShowText, &I::setShowText)
            .ownThenTheme()
            .property("ShowText", PropertyDef::Boolean),
        MOXKey<I, double>(
            "val", [](const I& i) { return double(i.getValue()); },
            [](I& i, const double& v) { i.setValue(v); }, kValueCodec)
            .content()
            .absent(0),
        moxKey<I>("circle", &I::isCircleProgressBar, &I::setCircleProgressBar).ownThenTheme(),
    };
    return table;
}

QProgressBar* MOXQProgressBarImpl::bar() const
{
    return ownerAs<QProgressBar>();
}

double MOXQProgressBarImpl::fraction(int value, int minimum, int maximum)
{
    if (maximum <= minimum || value < minimum) return 0.0;
    // In double: max - min overflows int for the widest ranges.
    const double f = (double(value) - minimum) / (double(maximum) - minimum);
    return std::clamp(f, 0.0, 1.0);
}

QPolygonF MOXQProgressBarImpl::sector(const QSize& size, double fraction, int startAngle,
                                      int endAngle)
{
    QPolygonF polygon;
    if (!(fraction > 0.0)) return polygon;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double radius = std::max(size.width(), size.height());
    const double stop = startAngle + std::min(fraction, 1.0) * (endAngle - startAngle);
    polygon << centre;
    for (int a = startAngle; a < stop; ++a) {
        const double r = qDegreesToRadians(double(a));
        polygon << QPointF(centre.x() - std::sin(r) * radius, centre.y() + std::cos(r) * radius);
    }
    // The exact end, so a sector narrower than a degree still shows and none falls short.
    const double r = qDegreesToRadians(stop);
    polygon << QPointF(centre.x() - std::sin(r) * radius, centre.y() + std::cos(r) * radius);
    polygon << centre;
    return polygon;
}

QString MOXQProgressBarImpl::valueText() const
{
    const QProgressBar* b = bar();
    if (!b || b->value() < b->minimum()) return QString();
    return QStringLiteral("%1%").arg(b->value());
}

void MOXQProgressBarImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QProgressBar* b = bar();
    if (!b) return;
    const double f = fraction(b->value(), b->minimum(), b->maximum());
    const int w = rect.width();
    const int h = rect.height();
    drawFillStyle(painter, m_background, rect);
    if (m_circle) {
        if (f >= 1.0) {
            drawFillStyle(painter, m_foreground, rect);
        } else if (f > 0.0) {
            QPainterPath clip;
            clip.addPolygon(sector(rect.size(), f, m_startAngle, m_endAngle));
            painter->save();
            painter->setClipPath(clip);
            drawFillStyle(painter, m_foreground, rect);
            painter->restore();
        }
    } else if (b->orientation() == Qt::Vertical) {
        const int filled = int(f * h);
        if (filled > 0)
            drawFillStyle(painter, m_foreground, rect.x(), rect.y() + h - filled, w, filled);
    } else {
        const int filled = int(f * w);
        if (filled > 0) drawFillStyle(painter, m_foreground, rect.x(), rect.y(), filled, h);
    }
    if (m_showText) drawText(painter, valueText(), m_textStyle, rect);
}

void MOXQProgressBarImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

void MOXQProgressBarImpl::setForeground(int, const FillStyle& style)
{
    m_foreground = style;
    updateOwner();
}

void MOXQProgressBarImpl::setTextStyle(const TextStyleDesc& style)
{
    m_textStyle = style;
    updateOwner();
}

void MOXQProgressBarImpl::setShowText(bool show)
{
    storeAndUpdate(m_showText, show);
}

void MOXQProgressBarImpl::setCircleProgressBar(bool circle)
{
    storeAndUpdate(m_circle, circle);
}

void MOXQProgressBarImpl::setCircleAngleRange(int start, int end)
{
    if (start < 0 || start >= end) return;
    m_startAngle = start;
    // In 64 bits: start + 360 may not fit an int.
    m_endAngle = int(std::min<qint64>(end, qint64(start) + 360));
    updateOwner();
}

void MOXQProgressBarImpl::getCircleAngleRange(int& start, int& end) const
{
    start = m_startAngle;
    end = m_endAngle;
}

int MOXQProgressBarImpl::getValue() const
{
    const QProgressBar* b = bar();
    return b ? b->value() : 0;
}

void MOXQProgressBarImpl::setValue(double value)
{
    // NaN, infinities and values no int holds keep the value the bar has.
    if (!std::isfinite(value) || value < INT_MIN || value > INT_MAX) return;
    if (QProgressBar* b = bar()) b->setValue(int(value));
}

} // namespace MOXQtLib
