// The gallery tests start the control library as the program does, once, after the shared
// main has created the QApplication.
#include "GalleryLibrary.h"

#include <gtest/gtest.h>

namespace {

class GalleryLibraryEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { startGalleryLibrary(); }
};

const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new GalleryLibraryEnvironment);

} // namespace
