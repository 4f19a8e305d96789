#include "GalleryScenarios.h"

GalleryFamily pieChartFamily(QWidget* parent)
{
    Q_UNUSED(parent);
    GalleryFamily family;
    family.title = QStringLiteral("Pie Charts");
    return family;
}
