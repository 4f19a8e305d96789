#include "MOXQLabelExImpl.h"

#include "MOXKey.h"
#include "MOXQLabelImpl.h"
#include "MOXQStylePainter.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace MOXQtLib {

MOXQLabelExImpl::MOXQLabelExImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
    m_document.setPlainText(QStringLiteral("label"));
    applyFont();
}

const MOXKeyTable& MOXQLabelExImpl::keys()
{
    using I = MOXQLabelExImpl;
    static const MOXKeyTable table{
        {
            moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addTextGroup(&i.m_normalStyle, 1); }),
            // Written only when not empty, so a file without it means an empty label.
            moxKey<I>("text", &I::getText, &I::setText).content().absent(QString()),
        },
        MOXKeyTable::NullEmptyStyle};
    return table;
}

const QTextDocument& MOXQLabelExImpl::document() const
{
    if (const QWidget* owner = getOwner(); owner && m_document.pageSize() != QSizeF(owner->size()))
        m_document.setPageSize(owner->size());
    // Laid out now, so its blocks have their lines.
    m_document.documentLayout()->documentSize();
    return m_document;
}

void MOXQLabelExImpl::drawControl(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->translate(rect.topLeft());
    m_document.setPageSize(rect.size());
    m_selection.paint(painter, m_document, selectionColor());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, m_normalStyle.color);
    m_document.documentLayout()->draw(painter, context);
    painter->restore();
}

void MOXQLabelExImpl::setText(const QString& text)
{
    m_selection.clear();
    m_document.setPlainText(text);
    updateOwner();
}

void MOXQLabelExImpl::setHtmlContent(const QString& html)
{
    m_selection.clear();
    m_document.setHtml(html);
    updateOwner();
}

void MOXQLabelExImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (!MOXQLabelImpl::storeTextStyle(state, style, m_normalStyle, m_disabledStyle)) return;
    applyFont();
    updateOwner();
}

const TextStyleDesc& MOXQLabelExImpl::getTextStyle(int state) const
{
    return MOXQLabelImpl::textStyleOf(state, m_normalStyle, m_disabledStyle);
}

void MOXQLabelExImpl::setColor(const QColor& color)
{
    storeAndUpdate(m_normalStyle.color, color);
}

void MOXQLabelExImpl::applyFont()
{
    m_document.setDefaultFont(textStyleFont(m_normalStyle));
}

void MOXQLabelExImpl::keysRead()
{
    applyFont();
    updateOwner();
}

QSize MOXQLabelExImpl::calcSize(const QString& html, int width) const
{
    QTextDocument measured;
    measured.setDefaultFont(textStyleFont(m_normalStyle));
    measured.setHtml(html);
    measured.setPageSize(QSizeF(width, 1000));
    return QSize(int(measured.idealWidth()), int(measured.size().height()));
}

// --- selection --------------------------------------------------------------------------------

void MOXQLabelExImpl::setSelection(const MOXTextSelection& selection)
{
    if (selection == m_selection) return;
    m_selection = selection;
    updateOwner();
}

void MOXQLabelExImpl::anchorAt(const QPoint& pos)
{
    const MOXTextSpot spot = MOXTextSelection::spotAt(document(), pos);
    setSelection(MOXTextSelection(spot, spot));
}

void MOXQLabelExImpl::extendTo(const QPoint& pos)
{
    MOXTextSelection selection = m_selection;
    selection.setEnd(MOXTextSelection::spotAt(document(), pos));
    setSelection(selection);
}

void MOXQLabelExImpl::selectAll()
{
    setSelection(MOXTextSelection::all(document()));
}

QString MOXQLabelExImpl::selectedText() const
{
    return m_selection.selectedText(document());
}

} // namespace MOXQtLib
