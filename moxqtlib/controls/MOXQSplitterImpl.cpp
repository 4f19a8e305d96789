#include "MOXQSplitterImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

namespace MOXQtLib {

MOXQSplitterImpl::MOXQSplitterImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
    m_background.valid = false;
}

const MOXKeyTable& MOXQSplitterImpl::keys()
{
    using I = MOXQSplitterImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addFillGroup(&i.m_background, 1); }),
    };
    return table;
}

void MOXQSplitterImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
}

} // namespace MOXQtLib
