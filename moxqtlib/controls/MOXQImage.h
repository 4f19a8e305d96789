#pragma once

// The library's image control ("qtpicture"): one picture (raster image, SVG drawing, an image
// held by the application, or an animated GIF), stretched over the control or aligned in it;
// reports clicks.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQImageImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQImage : public MOXQControl<QWidget, MOXQImageImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQImage(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtpicture"); }
    static ControlInfo getProps();
    static QWidget* createMOXQImage() { return new MOXQImage; }

    // A resource name or file path; one ending in ".svg" (any case) is drawn as SVG. Stops a
    // movie and replaces an image set with setImage.
    void setImagePath(const QString& path) { impl()->setImagePath(path); }
    const QString& getImagePath() const { return impl()->getImagePath(); }
    // Wins over every other source while set. Stops a movie; clears the image path and image.
    void setSvgPath(const QString& path) { impl()->setSvgPath(path); }
    const QString& getSvgPath() const { return impl()->getSvgPath(); }
    // Not owned: it must outlive the control or be replaced. Clears the SVG path.
    void setImage(const QImage* image) { impl()->setImage(image); }
    const QImage* getImage() const { return impl()->getImage(); }
    // Stretched over the whole control (the default), or placed by the alignments.
    void setStretchDraw(bool stretch) { impl()->setStretchDraw(stretch); }
    bool getStretchDraw() const { return impl()->getStretchDraw(); }
    // 0 left / top, 1 centre, 2 right / bottom.
    void setAlignType(DockLayoutType hor, DockLayoutType ver) { impl()->setAlignType(hor, ver); }
    // Draws the SVG in this one colour, keeping its coverage; switches recolouring on.
    void setSvgColor(const QColor& color) { impl()->setSvgColor(color); }
    QColor getSvgColor() const { return impl()->getSvgColor(); }
    void setUseSvgColor(bool use) { impl()->setUseSvgColor(use); }
    bool getUseSvgColor() const { return impl()->getUseSvgColor(); }

    // Plays an animated GIF (resource or file) over the control until setImagePath or
    // setSvgPath replaces it. An unreadable file leaves an empty label and never finishes.
    void loadGif(const QString& path) { impl()->loadGif(path); }
    void startAnimate() { impl()->startAnimate(); }
    void stopAnimate() { impl()->stopAnimate(); }

signals:
    // After every mouse release on the control.
    void clicked();
    // At a paint of the control while the movie shows its last frame.
    void movieFinished();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace MOXQtLib
