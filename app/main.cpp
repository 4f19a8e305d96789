#include "Gallery.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    GalleryWindow gallery = buildGalleryWindow();
    gallery.window->show();
    const int code = app.exec();
    delete gallery.window;
    return code;
}
