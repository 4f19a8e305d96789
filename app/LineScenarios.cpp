#include "GalleryScenarios.h"

GalleryFamily lineChartFamily(QWidget* parent)
{
    Q_UNUSED(parent);
    GalleryFamily family;
    family.title = QStringLiteral("Line Charts");
    return family;
}
