#include "GalleryScenarios.h"

GalleryFamily financialChartFamily(QWidget* parent)
{
    Q_UNUSED(parent);
    GalleryFamily family;
    family.title = QStringLiteral("Financial Charts");
    return family;
}
