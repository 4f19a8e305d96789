#include "MOXQLCDNumberImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QLCDNumber>
#include <QPalette>

#include <algorithm>

namespace MOXQtLib {

namespace {

// QLCDNumber's own limit; it warns about anything beyond.
constexpr int kMaxDigits = 99;

} // namespace

MOXQLCDNumberImpl::MOXQLCDNumberImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQLCDNumberImpl::keys()
{
    using I = MOXQLCDNumberImpl;
    static const MOXKeyTable table{
        {
            moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addFillGroup(&i.m_background, 1); }),
            moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                                {QStringLiteral("Normal"), QStringLiteral("Disable")},
                                &I::setBackground, &I::getBackground),
            // Always written: a count of 0 left out would read back as QLCDNumber's default.
            moxKey<I>("digitCount", &I::getDigitCount, &I::setDigitCount)
                .always()
                .property("DigitCount", PropertyDef::Integer),
            moxKey<I>("color", &I::getColor, &I::setColor)
                .always()
                .property("TextColor", PropertyDef::Color),
            // Always written: an empty text left out would read back as the value 0.
            moxKey<I>("text", &I::getNumText, &I::setNumText)
                .content()
                .always()
                .property("Text", PropertyDef::PlainText),
        },
        MOXKeyTable::NullEmptyStyle};
    return table;
}

QLCDNumber* MOXQLCDNumberImpl::lcd() const
{
    return ownerAs<QLCDNumber>();
}

void MOXQLCDNumberImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
    // Someone may have replaced the palette since.
    applyColor();
}

void MOXQLCDNumberImpl::applyColor()
{
    QLCDNumber* l = lcd();
    if (!l || !m_textColor.isValid()) return;
    QPalette palette = l->palette();
    if (palette.color(QPalette::Active, QPalette::WindowText) == m_textColor &&
        palette.color(QPalette::Inactive, QPalette::WindowText) == m_textColor)
        return;
    // Inactive too: the digits keep their colour while another window has the focus.
    palette.setBrush(QPalette::Active, QPalette::WindowText, m_textColor);
    palette.setBrush(QPalette::Inactive, QPalette::WindowText, m_textColor);
    l->setPalette(palette);
}

void MOXQLCDNumberImpl::setColor(const QColor& color)
{
    if (color == m_textColor) return;
    m_textColor = color;
    applyColor();
    updateOwner();
}

QColor MOXQLCDNumberImpl::getColor() const
{
    if (m_textColor.isValid()) return m_textColor;
    const QLCDNumber* l = lcd();
    return l ? l->palette().color(QPalette::Active, QPalette::WindowText) : QColor();
}

void MOXQLCDNumberImpl::setNumText(const QString& text)
{
    QLCDNumber* l = lcd();
    if (!l) return;
    l->display(text);
    m_text = text;
    m_hasText = true;
    m_textValue = l->value();
}

void MOXQLCDNumberImpl::forgetText()
{
    m_hasText = false;
    m_text.clear();
}

QString MOXQLCDNumberImpl::getNumText() const
{
    const QLCDNumber* l = lcd();
    if (!l) return m_text;
    if (m_hasText && l->value() == m_textValue) return m_text;
    return QStringLiteral("%1").arg(l->value());
}

void MOXQLCDNumberImpl::setDigitCount(int count)
{
    QLCDNumber* l = lcd();
    if (l) l->setDigitCount(std::clamp(count, 0, kMaxDigits));
}

int MOXQLCDNumberImpl::getDigitCount() const
{
    const QLCDNumber* l = lcd();
    return l ? l->digitCount() : 0;
}

void MOXQLCDNumberImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
}

} // namespace MOXQtLib
