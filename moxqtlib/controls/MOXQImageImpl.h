#pragma once

// The image control's picture: an SVG drawing (optionally recoloured to one colour), an image
// held by the application, a raster image from the resources or a file, or an animated GIF
// shown by a child label. Stretched over the control or aligned inside it.

#include "MOXQWidgetBaseImpl.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QString>

#include <memory>

class QImage;
class QMovie;

namespace MOXQtLib {

class MOXQImageImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQImageImpl(QWidget* owner, const QString& name);
    ~MOXQImageImpl() override;

    static const MOXKeyTable& keys();

    void paintControl() override;
    void drawControl(QPainter* painter, const QRect& rect) override;

    // Both stop the movie and show the control's own picture again. A path ending in ".svg"
    // (any case) is drawn as SVG. Either replaces an image set with setImage.
    void setImagePath(const QString& path);
    const QString& getImagePath() const { return m_imagePath; }
    void setSvgPath(const QString& path);
    const QString& getSvgPath() const { return m_svgPath; }
    // Not owned: it must outlive the control or be replaced. Clears the SVG path.
    void setImage(const QImage* image);
    const QImage* getImage() const { return m_external; }
    void setStretchDraw(bool stretch) { storeAndUpdate(m_stretch, stretch); }
    bool getStretchDraw() const { return m_stretch; }
    // 0 left / top, 1 centre, 2 right / bottom; used when not stretched.
    void setAlignType(int hor, int ver);
    int horAlign() const { return m_horAlign; }
    int verAlign() const { return m_verAlign; }
    // Switches recolouring on.
    void setSvgColor(const QColor& color);
    QColor getSvgColor() const { return m_svgColor; }
    void setUseSvgColor(bool use) { storeAndUpdate(m_useSvgColor, use); }
    bool getUseSvgColor() const { return m_useSvgColor; }

    // Plays a GIF from a resource or a file over the control. A file that is no readable
    // animation (or claims a size beyond the decoder's limits) leaves an empty label.
    void loadGif(const QString& path);
    void startAnimate();
    void stopAnimate();
    QMovie* movie() const { return m_movie.get(); }
    QLabel* movieLabel() const { return m_movieLabel; }
    // Keeps the movie label over the whole control.
    void resizeMovieLabel();

    // Where a picture of `size` lands in a control of `control` size.
    QRect targetRect(const QSize& size, const QSize& control) const;

signals:
    // The movie shows its last frame (checked at each paint of the control).
    void movieFinished();

protected:
    void keysRead() override { updateOwner(); }

private:
    // What files hold: "path" only while no SVG path is set.
    QString pathToWrite() const { return m_svgPath.isEmpty() ? m_imagePath : QString(); }
    // The key setters: like the public ones, but a read leaves a running movie alone.
    void readImagePath(const QString& path);
    void readSvgPath(const QString& path);
    void dropMovie();
    void drawSvg(QPainter* painter, const QRect& rect);
    void onFrameChanged(int frame);

    int m_lastFrame = -1;
    bool m_stretch = true;
    int m_verAlign = 1;
    int m_horAlign = 1;
    QString m_imagePath;
    QString m_svgPath;
    const QImage* m_external = nullptr;
    bool m_useSvgColor = false;
    QColor m_svgColor = QColor(0, 0, 0);
    QByteArray m_movieData;
    QBuffer m_movieBuffer;
    std::unique_ptr<QMovie> m_movie;
    QPointer<QLabel> m_movieLabel;
};

} // namespace MOXQtLib
