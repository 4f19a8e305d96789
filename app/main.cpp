#include "Gallery.h"
#include "GalleryLibrary.h"
#include "MOXQtLib.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    startGalleryLibrary();
    GalleryWindow gallery = buildGalleryWindow();
    gallery.window->show();
    const int code = app.exec();
    MOXQtLib::shutdown();
    delete gallery.window;
    return code;
}
