#pragma once

// A text selection over a laid-out QTextDocument, made with the mouse: its two ends are spots
// (block, line in that block, cursor position in that block) in the order the user made them.
// Hit testing and painting take document coordinates, so a view that draws a document
// elsewhere (an item of a list, say) translates first and can paint part of a selection that
// spans several documents by handing each its own ends.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

#include <tuple>

class QPainter;
class QTextDocument;

namespace MOXQtLib {

struct MOXTextSpot
{
    int block = -1;
    int line = -1;
    int pos = -1;

    bool isValid() const { return block >= 0 && line >= 0 && pos >= 0; }
    bool operator==(const MOXTextSpot& o) const
    {
        return block == o.block && line == o.line && pos == o.pos;
    }
    bool operator!=(const MOXTextSpot& o) const { return !(*this == o); }
    // Document order.
    bool operator<(const MOXTextSpot& o) const
    {
        return std::tie(block, line, pos) < std::tie(o.block, o.line, o.pos);
    }
};

class MOXTextSelection
{
public:
    MOXTextSelection() = default;
    MOXTextSelection(const MOXTextSpot& start, const MOXTextSpot& end) : m_start(start), m_end(end) {}

    // Both ends are somewhere.
    bool exists() const { return m_start.isValid() && m_end.isValid(); }
    void clear() { *this = MOXTextSelection(); }
    const MOXTextSpot& start() const { return m_start; }
    const MOXTextSpot& end() const { return m_end; }
    void setStart(const MOXTextSpot& spot) { m_start = spot; }
    void setEnd(const MOXTextSpot& spot) { m_end = spot; }
    bool operator==(const MOXTextSelection& o) const { return m_start == o.m_start && m_end == o.m_end; }
    bool operator!=(const MOXTextSelection& o) const { return !(*this == o); }

    // The spot of the first line, of any block, whose rectangle holds `point`; nowhere when
    // no line does.
    static MOXTextSpot spotAt(const QTextDocument& document, const QPointF& point);
    // The end of the last line of the last block; nowhere for a document without lines.
    static MOXTextSpot documentEnd(const QTextDocument& document);
    // From the first spot to the document's end.
    static MOXTextSelection all(const QTextDocument& document);

    // The highlight of the text between the ends, whichever comes first: one rectangle per
    // line touched, each in its own block. Ends that no longer fit the document give none.
    QVector<QRectF> rects(const QTextDocument& document) const;
    void paint(QPainter* painter, const QTextDocument& document, const QColor& color) const;
    QString selectedText(const QTextDocument& document) const;

private:
    MOXTextSpot m_start;
    MOXTextSpot m_end;
};

} // namespace MOXQtLib
