#include "MOXQChartBaseImpl.h"

#include "MOXQChartBase.h"

namespace MOXQtLib {

MOXQChartBaseImpl::MOXQChartBaseImpl(MOXQChartBase* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_chart(owner)
{
}

} // namespace MOXQtLib
