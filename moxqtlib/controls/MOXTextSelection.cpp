#include "MOXTextSelection.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QStringList>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace MOXQtLib {

namespace {

// A spot resolved against the document as it is laid out now.
struct Resolved
{
    QTextBlock block;
    QTextLine line;
    int pos = 0;
};

// Documents lay out lazily: until then their blocks have no lines.
void layOut(const QTextDocument& document)
{
    document.documentLayout()->documentSize();
}

bool resolve(const QTextDocument& document, const MOXTextSpot& spot, Resolved& out)
{
    if (!spot.isValid()) return false;
    layOut(document);
    out.block = document.findBlockByNumber(spot.block);
    const QTextLayout* layout = out.block.isValid() ? out.block.layout() : nullptr;
    if (!layout || layout->lineCount() == 0) return false;
    out.pos = std::min(spot.pos, out.block.length() - 1);
    // A relayout may have left fewer lines: the line that holds the position then.
    out.line = spot.line < layout->lineCount() ? layout->lineAt(spot.line)
                                               : layout->lineForTextPosition(out.pos);
    return out.line.isValid();
}

QRectF span(const QTextLayout* layout, const QTextLine& line, qreal x0, qreal x1)
{
    if (x1 < x0) std::swap(x0, x1);
    return QRectF(x0, line.y(), x1 - x0, line.height()).translated(layout->position());
}

} // namespace

MOXTextSpot MOXTextSelection::spotAt(const QTextDocument& document, const QPointF& point)
{
    layOut(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout) continue;
        const QPointF local = point - layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.rect().contains(local))
                return {block.blockNumber(), i, line.xToCursor(local.x())};
        }
    }
    return {};
}

MOXTextSpot MOXTextSelection::documentEnd(const QTextDocument& document)
{
    layOut(document);
    const QTextBlock last = document.lastBlock();
    const QTextLayout* layout = last.isValid() ? last.layout() : nullptr;
    if (!layout || layout->lineCount() == 0) return {};
    return {last.blockNumber(), layout->lineCount() - 1, last.length() - 1};
}

MOXTextSelection MOXTextSelection::all(const QTextDocument& document)
{
    const MOXTextSpot end = documentEnd(document);
    return end.isValid() ? MOXTextSelection({0, 0, 0}, end) : MOXTextSelection();
}

QVector<QRectF> MOXTextSelection::rects(const QTextDocument& document) const
{
    QVector<QRectF> out;
    Resolved first, last;
    if (!resolve(document, std::min(m_start, m_end), first) ||
        !resolve(document, std::max(m_start, m_end), last))
        return out;
    for (QTextBlock block = first.block; block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const bool isFirst = block == first.block;
        const bool isLast = block == last.block;
        const int from = isFirst ? first.line.lineNumber() : 0;
        const int to = isLast ? last.line.lineNumber() : layout->lineCount() - 1;
        for (int i = from; i <= to; ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal x0 = isFirst && i == from ? line.cursorToX(first.pos) : line.x();
            const qreal x1 = isLast && i == to ? line.cursorToX(last.pos)
                                               : line.x() + line.naturalTextWidth();
            const QRectF r = span(layout, line, x0, x1);
            if (r.width() > 0) out.append(r);
        }
        if (isLast) break;
    }
    return out;
}

void MOXTextSelection::paint(QPainter* painter, const QTextDocument& document,
                             const QColor& color) const
{
    if (!painter || !exists()) return;
    for (const QRectF& r : rects(document))
        painter->fillRect(r, color);
}

QString MOXTextSelection::selectedText(const QTextDocument& document) const
{
    Resolved first, last;
    if (!resolve(document, std::min(m_start, m_end), first) ||
        !resolve(document, std::max(m_start, m_end), last))
        return QString();
    QStringList parts;
    for (QTextBlock block = first.block; block.isValid(); block = block.next()) {
        const QString text = block.text();
        const int from = block == first.block ? first.pos : 0;
        const int to = block == last.block ? last.pos : text.size();
        parts << text.mid(from, std::max(0, to - from));
        if (block == last.block) break;
    }
    return parts.join(QLatin1Char('\n'));
}

} // namespace MOXQtLib
