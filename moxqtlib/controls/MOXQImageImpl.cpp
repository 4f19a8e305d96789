#include "MOXQImageImpl.h"

#include "MOXKey.h"
#include "MOXQResourceManager.h"
#include "MOXResourceIO.h"

#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace MOXQtLib {

namespace {

// Off-screen images for recolouring stay below this many pixels.
constexpr qint64 kMaxRecolourPixels = 16ll * 1024 * 1024;

bool endsWithSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// Offset of a picture `picture` long in a control `control` long: 0 start, 1 centre, 2 end.
int alignOffset(int align, int control, int picture)
{
    if (align == 1) return (control - picture) / 2;
    if (align == 2) return control - picture;
    return 0;
}

// The decoder allocates what the headers claim: the frame size, and for a GIF also its logical
// screen. Sizes no image may have are refused before a movie is made.
bool movieSizeAllowed(QByteArray& data)
{
    if (data.startsWith("GIF8") && data.size() >= 10) {
        const auto byte = [&data](int i) { return int(uchar(data[i])); };
        if (!MOXQResourceManager::imageSizeAllowed(
                QSize(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8)))
            return false;
    }
    QBuffer probe(&data);
    probe.open(QIODevice::ReadOnly);
    return MOXQResourceManager::imageSizeAllowed(QImageReader(&probe).size());
}

} // namespace

MOXQImageImpl::MOXQImageImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_movieBuffer(&m_movieData)
{
}

MOXQImageImpl::~MOXQImageImpl()
{
    dropMovie();
}

const MOXKeyTable& MOXQImageImpl::keys()
{
    using I = MOXQImageImpl;
    static const MOXKeyTable table{
        moxProperty<I>("ImagePath", PropertyDef::ImagePath, &I::getImagePath, &I::setImagePath),
        moxKey<I>("path", &I::pathToWrite, &I::readImagePath).content(),
        moxKey<I>("fill", &I::getStretchDraw, &I::setStretchDraw, moxBoolCodec)
            .omit(true)
            .property("Stretch", PropertyDef::Boolean),
        // After "path": an SVG path wins over the image path.
        moxKey<I>("svgPath", &I::getSvgPath, &I::readSvgPath).content(),
        moxKey<I>("svgUseColor", &I::getUseSvgColor, &I::setUseSvgColor, moxBoolCodec),
        moxKey<I>("svgColor", &I::getSvgColor,
                  [](I& i, const QColor& color) { i.storeAndUpdate(i.m_svgColor, color); })
            .omitWhen([](const QColor& c) { return c.rgba() == 0xFF000000u; }),
    };
    return table;
}

// --- sources ----------------------------------------------------------------------------------

void MOXQImageImpl::readImagePath(const QString& path)
{
    m_imagePath = path;
    m_svgPath = endsWithSvg(path) ? path : QString();
    // The path names the picture now, not an image the application handed in before.
    m_external = nullptr;
}

void MOXQImageImpl::readSvgPath(const QString& path)
{
    m_svgPath = path;
    if (path.isEmpty()) return;
    m_imagePath.clear();
    m_external = nullptr;
}

void MOXQImageImpl::setImagePath(const QString& path)
{
    dropMovie();
    readImagePath(path);
    updateOwner();
}

void MOXQImageImpl::setSvgPath(const QString& path)
{
    dropMovie();
    m_svgPath = path;
    m_imagePath.clear();
    m_external = nullptr;
    updateOwner();
}

void MOXQImageImpl::setImage(const QImage* image)
{
    m_external = image;
    m_svgPath.clear();
    updateOwner();
}

void MOXQImageImpl::setAlignType(int hor, int ver)
{
    if (hor == m_horAlign && ver == m_verAlign) return;
    m_horAlign = hor;
    m_verAlign = ver;
    updateOwner();
}

void MOXQImageImpl::setSvgColor(const QColor& color)
{
    const bool changed = color != m_svgColor || !m_useSvgColor;
    m_svgColor = color;
    m_useSvgColor = true;
    if (changed) updateOwner();
}

// --- painting ---------------------------------------------------------------------------------

QRect MOXQImageImpl::targetRect(const QSize& size, const QSize& control) const
{
    if (m_stretch) return QRect(QPoint(0, 0), control);
    return QRect(alignOffset(m_horAlign, control.width(), size.width()),
                 alignOffset(m_verAlign, control.height(), size.height()), size.width(),
                 size.height());
}

void MOXQImageImpl::paintControl()
{
    MOXQWidgetBaseImpl::paintControl();
    // Only a movie that really has frames can finish.
    if (!m_movie || !m_movie->isValid() || m_movie->frameCount() < 1) return;
    m_lastFrame = m_movie->currentFrameNumber();
    if (m_lastFrame == m_movie->frameCount() - 1) emit movieFinished();
}

void MOXQImageImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QWidget* owner = getOwner();
    if (!owner) return;
    if (!m_svgPath.isEmpty()) {
        drawSvg(painter, rect);
        return;
    }
    const QImage* image = m_external;
    if (!image) image = MOXQResourceManager::getInstance()->getImage(m_imagePath, false);
    if (!image || image->isNull()) return;
    QRect target = targetRect(image->size(), owner->size());
    target.translate(rect.topLeft());
    if (target.width() < 1 || target.height() < 1) return;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, *image);
    painter->restore();
}

void MOXQImageImpl::drawSvg(QPainter* painter, const QRect& rect)
{
    const QWidget* owner = getOwner();
    QSvgRenderer* renderer = MOXQResourceManager::getInstance()->getSvgRenderer(m_svgPath);
    if (!renderer || !renderer->isValid()) return;
    QSize size = renderer->defaultSize();
    if (size.width() < 0 || size.height() < 0)
        size = QSize(std::max(1, owner->width()), std::max(1, owner->height()));
    QRect target = targetRect(size, owner->size());
    target.translate(rect.topLeft());
    if (target.width() < 1 || target.height() < 1) return;
    if (!m_useSvgColor) {
        renderer->render(painter, target);
        return;
    }
    // Only the part that can show is recoloured: a drawing may claim any size.
    const QRect visible = target.intersected(rect);
    if (visible.isEmpty() || qint64(visible.width()) * visible.height() > kMaxRecolourPixels)
        return;
    QImage tinted(visible.size(), QImage::Format_ARGB32_Premultiplied);
    if (tinted.isNull()) return;
    tinted.fill(Qt::transparent);
    {
        QPainter p(&tinted);
        p.setRenderHint(QPainter::Antialiasing);
        renderer->render(&p, QRectF(target.translated(-visible.topLeft())));
        // Every covered pixel takes the colour, with the drawing's coverage as its alpha.
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(tinted.rect(), m_svgColor);
    }
    painter->drawImage(visible.topLeft(), tinted);
}

// --- the movie --------------------------------------------------------------------------------

void MOXQImageImpl::dropMovie()
{
    if (m_movie) {
        m_movie->stop();
        if (m_movieLabel) m_movieLabel->setMovie(nullptr);
        m_movie.reset();
    }
    if (m_movieBuffer.isOpen()) m_movieBuffer.close();
    m_movieData.clear();
    m_lastFrame = -1;
    if (m_movieLabel) m_movieLabel->hide();
}

void MOXQImageImpl::loadGif(const QString& path)
{
    QWidget* owner = getOwner();
    if (!owner) return;
    m_imagePath.clear();
    m_svgPath.clear();
    m_external = nullptr;
    dropMovie();
    if (!m_movieLabel) {
        m_movieLabel = new QLabel(owner);
        m_movieLabel->setScaledContents(true);
    }
    m_movieLabel->clear();
    m_movieLabel->setGeometry(0, 0, owner->width(), owner->height());
    m_movieLabel->show();

    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType source = ResSourceSkin;
    if (MOXQResourceManager::getInstance()->getResource(path, data, size, source))
        m_movieData = QByteArray(data, int(size));
    else if (!readRegularFile(path, kMaxResourceFileSize, m_movieData))
        return;
    if (!movieSizeAllowed(m_movieData)) {
        m_movieData.clear();
        return;
    }
    m_movieBuffer.setBuffer(&m_movieData);
    m_movieBuffer.open(QIODevice::ReadOnly);
    m_movie = std::make_unique<QMovie>(&m_movieBuffer);
    connect(m_movie.get(), &QMovie::frameChanged, this, &MOXQImageImpl::onFrameChanged);
    m_movieLabel->setMovie(m_movie.get());
    m_movie->start();
}

void MOXQImageImpl::onFrameChanged(int frame)
{
    // The label shows the frames; the control repaints at the last one so that the check in
    // paintControl sees it.
    if (m_movie && frame == m_movie->frameCount() - 1) updateOwner();
}

void MOXQImageImpl::startAnimate()
{
    if (m_movie) m_movie->start();
}

void MOXQImageImpl::stopAnimate()
{
    if (m_movie) m_movie->stop();
}

void MOXQImageImpl::resizeMovieLabel()
{
    const QWidget* owner = getOwner();
    if (m_movieLabel && owner) m_movieLabel->setGeometry(0, 0, owner->width(), owner->height());
}

} // namespace MOXQtLib
