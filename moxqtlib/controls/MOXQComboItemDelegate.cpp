#include "MOXQComboItemDelegate.h"

#include "MOXQComboBoxImpl.h"
#include "MOXQStylePainter.h"

#include <QPainter>

namespace MOXQtLib {

MOXQComboItemDelegate::MOXQComboItemDelegate(MOXQComboBoxImpl* impl, QObject* parent)
    : QItemDelegate(parent), m_impl(impl)
{
}

int MOXQComboItemDelegate::rowState(QStyle::State state)
{
    if (state & QStyle::State_MouseOver) return CtrlStateHot;
    if (state & QStyle::State_Selected) return CtrlStatePressed;
    return CtrlStateNormal;
}

void MOXQComboItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    if (!index.isValid() || !m_impl) return;
    const QRect row = option.rect;
    int textX = 0;
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull()) {
        drawIcon(painter, icon, QSize(16, 16), IconStyleDesc(),
                 QRect(row.x(), row.y(), 20, row.height()));
        textX = 20;
    }
    const int state = rowState(option.state);
    const QRect rest(row.x() + textX, row.y(), row.width() - textX, row.height());
    drawFillStyle(painter, m_impl->getItemBackground(state), rest);
    drawText(painter, index.data(Qt::DisplayRole).toString(), m_impl->getItemTextStyle(state),
             rest);
}

QSize MOXQComboItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), m_impl ? m_impl->getItemHeight() : 25);
}

} // namespace MOXQtLib
