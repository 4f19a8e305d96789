#include "MOXQItemLooks.h"

#include "MOXControlTypes.h"
#include "MOXQStylePainter.h"

#include <QIcon>
#include <QImage>
#include <QModelIndex>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionViewItem>
#include <QVariant>

namespace MOXQtLib {

void MOXQItemLooks::addStyleSlots(MOXStyleSlots& styleSlots)
{
    styleSlots.addFillGroup(m_backgrounds);
    styleSlots.addTextGroup(m_textStyles);
}

int MOXQItemLooks::rowState(QStyle::State state) const
{
    const bool hot = state & QStyle::State_MouseOver;
    const bool selected = state & QStyle::State_Selected;
    if (m_precedence == HoverFirst ? hot : (hot && !selected)) return CtrlStateHot;
    if (selected) return CtrlStatePressed;
    return CtrlStateNormal;
}

int MOXQItemLooks::iconSize(int rowHeight)
{
    if (rowHeight >= 33) return 32;
    if (rowHeight >= 25) return 24;
    return 16;
}

QRect MOXQItemLooks::iconColumn(const QRect& row)
{
    return QRect(row.left(), row.top(), iconSize(row.height()) + 4, row.height());
}

void MOXQItemLooks::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    if (!painter || index.row() < 0 || index.column() < 0 || !index.model()) return;
    paintRow(painter, option.rect, rowState(option.state), index.data(Qt::DisplayRole).toString(),
             index.data(Qt::DecorationRole));
}

void MOXQItemLooks::paintRow(QPainter* painter, const QRect& row, int state, const QString& text,
                             const QVariant& decoration) const
{
    if (!painter) return;
    painter->save();
    drawFillStyle(painter, m_backgrounds.get(state), row);
    QRect textRect = row;
    if (decoration.isValid()) {
        const QRect column = iconColumn(row);
        const int side = iconSize(row.height());
        // Centred in the column, untinted.
        const IconStyleDesc placed;
        switch (decoration.userType()) {
        case QMetaType::QIcon:
            drawIcon(painter, decoration.value<QIcon>(), QSize(side, side), placed, column);
            break;
        case QMetaType::QPixmap:
            drawIcon(painter, QIcon(decoration.value<QPixmap>()), QSize(side, side), placed,
                     column);
            break;
        case QMetaType::QImage:
            drawIcon(painter, QIcon(QPixmap::fromImage(decoration.value<QImage>())),
                     QSize(side, side), placed, column);
            break;
        case QMetaType::QString: {
            const QString path = decoration.toString();
            const QSize natural = getImageSize(path);
            if (natural.width() <= side && natural.height() <= side) {
                drawImage(painter, path, placed, column);
                break;
            }
            // A larger image shrinks into the icon's square rather than spill over the text.
            const QSize fitted = natural.scaled(side, side, Qt::KeepAspectRatio);
            const QPoint at = placeInRect(fitted, placed, column.x(), column.y(), column.width(),
                                          column.height());
            drawImageScaled(painter, path, placed, QRect(at, fitted));
            break;
        }
        default:
            break;
        }
        textRect.setLeft(column.right() + 1);
    }
    drawText(painter, text, m_textStyles.get(state), textRect);
    painter->restore();
}

} // namespace MOXQtLib
