#include "GalleryScenarios.h"

GalleryFamily scatterChartFamily(QWidget* parent)
{
    Q_UNUSED(parent);
    GalleryFamily family;
    family.title = QStringLiteral("Scatter Charts");
    return family;
}
