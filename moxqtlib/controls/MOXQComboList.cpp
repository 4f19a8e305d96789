#include "MOXQComboList.h"

#include "MOXQComboBoxImpl.h"
#include "MOXQStylePainter.h"

#include <QEvent>
#include <QPainter>

namespace MOXQtLib {

MOXQComboList::MOXQComboList(MOXQComboBoxImpl* impl, QWidget* parent)
    : QListView(parent), m_impl(impl)
{
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
}

bool MOXQComboList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint && m_impl) {
        QPainter painter(viewport());
        drawFillStyle(&painter, m_impl->getPopupBackground(0), viewport()->rect());
    }
    return QListView::eventFilter(watched, event);
}

} // namespace MOXQtLib
