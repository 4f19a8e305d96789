#pragma once

#include "Gallery.h"

// Factories of the five chart families; each creates its charts with `parent` (the gallery's
// main stack) as their initial parent.
GalleryFamily lineChartFamily(QWidget* parent);
GalleryFamily barChartFamily(QWidget* parent);
GalleryFamily pieChartFamily(QWidget* parent);
GalleryFamily scatterChartFamily(QWidget* parent);
GalleryFamily financialChartFamily(QWidget* parent);
