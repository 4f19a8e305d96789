#include "MOXQLabelImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

namespace MOXQtLib {

namespace {

Qt::TextElideMode elideModeOf(int mode)
{
    switch (mode) {
    case 0:
        return Qt::ElideLeft;
    case 2:
        return Qt::ElideMiddle;
    case 3:
        return Qt::ElideNone;
    default:
        return Qt::ElideRight;
    }
}

} // namespace

MOXQLabelImpl::MOXQLabelImpl(QWidget* owner, const QString& name) : MOXQWidgetBaseImpl(owner, name)
{
    m_caption.setText(QStringLiteral("label"));
}

const MOXKeyTable& MOXQLabelImpl::keys()
{
    using I = MOXQLabelImpl;
    static const MOXKeyTable table{
        {
            moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addTextGroup(&i.m_normalStyle, 1); }),
            // Written only when not empty, so a file without it means an empty label.
            moxKey<I>("text", &I::captionToWrite, &I::setText)
                .content()
                .absent(QString())
                .property("Text", PropertyDef::Text),
            moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState,
                                {QStringLiteral("Normal"), QStringLiteral("Disable")},
                                &I::setTextStyle, &I::getTextStyle),
        },
        MOXKeyTable::NullEmptyStyle};
    return table;
}

void MOXQLabelImpl::adoptLabelText()
{
    const QLabel* l = label();
    if (l && l->text() != m_shown) {
        m_caption.setText(l->text());
        m_shown = l->text();
    }
}

void MOXQLabelImpl::setText(const QString& text)
{
    m_caption.setText(text);
    showCaption();
}

void MOXQLabelImpl::drawControl(QPainter* painter, const QRect& rect)
{
    if (painter) drawText(painter, getText(), m_normalStyle, rect);
}

QString MOXQLabelImpl::getText() const
{
    const QLabel* l = label();
    // A text set on the QLabel itself counts as the label's text.
    if (l && l->text() != m_shown) return l->text();
    return m_caption.shown();
}

bool MOXQLabelImpl::storeTextStyle(int state, const TextStyleDesc& style, TextStyleDesc& normal,
                                   TextStyleDesc& disabled)
{
    if (state != kMoxAllStates && !moxIsCtrlState(state)) return false;
    if (state == 0 || state == kMoxAllStates) normal = style;
    if (state != 0) disabled = style;
    return true;
}

const TextStyleDesc& MOXQLabelImpl::textStyleOf(int state, const TextStyleDesc& normal,
                                                const TextStyleDesc& disabled)
{
    return state >= 1 && state < kMoxStateCount ? disabled : normal;
}

void MOXQLabelImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (storeTextStyle(state, style, m_normalStyle, m_disabledStyle)) applyStyle();
}

const TextStyleDesc& MOXQLabelImpl::getTextStyle(int state) const
{
    return textStyleOf(state, m_normalStyle, m_disabledStyle);
}

void MOXQLabelImpl::setColor(const QColor& color)
{
    m_normalStyle.color = color;
    applyStyle();
}

Qt::Alignment MOXQLabelImpl::alignment(const TextStyleDesc& style)
{
    const Qt::Alignment hor = style.horAlign == 1   ? Qt::AlignHCenter
                              : style.horAlign == 2 ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    const Qt::Alignment ver = style.verAlign == 1   ? Qt::AlignVCenter
                              : style.verAlign == 2 ? Qt::AlignBottom
                                                    : Qt::AlignTop;
    return hor | ver;
}

void MOXQLabelImpl::applyStyle()
{
    QLabel* l = label();
    if (!l) return;
    l->setFont(textStyleFont(m_normalStyle));
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::WindowText, m_normalStyle.color);
    l->setPalette(palette);
    l->setAlignment(alignment(m_normalStyle));
    refreshShownText();
}

QString MOXQLabelImpl::elidedText(const QString& text, const TextStyleDesc& style, int width)
{
    if (style.elideMode == 3 || !style.singleLine) return text;
    return QFontMetrics(textStyleFont(style))
        .elidedText(text, elideModeOf(style.elideMode), std::max(0, width));
}

void MOXQLabelImpl::refreshShownText()
{
    adoptLabelText();
    showCaption();
}

void MOXQLabelImpl::showCaption()
{
    QLabel* l = label();
    m_shown = elidedText(m_caption.shown(), m_normalStyle, l ? l->width() : 0);
    if (l) l->setText(m_shown);
}

void MOXQLabelImpl::changeLanguage()
{
    adoptLabelText();
    if (m_caption.retranslate(m_caption.shown())) showCaption();
}

} // namespace MOXQtLib
