#include "GalleryScenarios.h"

GalleryFamily barChartFamily(QWidget* parent)
{
    Q_UNUSED(parent);
    GalleryFamily family;
    family.title = QStringLiteral("Bar Charts");
    return family;
}
