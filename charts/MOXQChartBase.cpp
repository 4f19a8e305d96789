#include "MOXQChartBase.h"

#include "ChartGLLayer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QSurfaceFormat>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace {

constexpr int kSurfaceSamples = 4;

int samplesFor(int rendering)
{
    if (rendering == ChartRenderingRaster) return 0;
    if (rendering == ChartRenderingMultisample) return kSurfaceSamples;
    return MOXQChartBase::softwareRenderer() ? 0 : kSurfaceSamples;
}

QSize pixelSize(const QSize& size, qreal dpr)
{
    return QSize(int(std::lround(size.width() * dpr)), int(std::lround(size.height() * dpr)))
        .expandedTo(QSize(1, 1));
}

} // namespace

MOXQChartBase::MOXQChartBase(QWidget* parent) : QOpenGLWidget(parent), m_theme(themePreset(0))
{
    QSurfaceFormat fmt = format();
    fmt.setRenderableType(QSurfaceFormat::OpenGL);
    fmt.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    fmt.setSamples(samplesFor(m_rendering));
    fmt.setDepthBufferSize(24);
    fmt.setStencilBufferSize(8);
    setFormat(fmt);

    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    m_animation->setDuration(m_animationDuration);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_animationProgress = v.toDouble();
        animationStepped();
        update();
    });
}

MOXQChartBase::~MOXQChartBase()
{
    releaseGL();
}

void MOXQChartBase::releaseGL()
{
    if (!m_gl) return;
    // The layer's framebuffer belongs to this widget's context.
    const bool current = QOpenGLContext::currentContext() == context();
    if (!current && context()) makeCurrent();
    m_gl.reset();
    if (!current && context()) doneCurrent();
}

bool MOXQChartBase::isSoftwareRendererName(const QByteArray& renderer)
{
    const QByteArray name = renderer.toLower();
    for (const char* soft : {"llvmpipe", "softpipe", "swrast", "software", "swiftshader",
                             "gdi generic", "basic render"})
        if (name.contains(soft)) return true;
    return false;
}

bool MOXQChartBase::softwareRenderer()
{
    static const bool software = [] {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
        QOpenGLContext* previous = QOpenGLContext::currentContext();
        QSurface* previousSurface = previous ? previous->surface() : nullptr;
        QOpenGLContext ctx;
        QOffscreenSurface surface;
        surface.setFormat(ctx.format());
        surface.create();
        bool soft = false;
        if (ctx.create() && ctx.makeCurrent(&surface)) {
            const auto* name =
                reinterpret_cast<const char*>(ctx.functions()->glGetString(GL_RENDERER));
            soft = name && isSoftwareRendererName(QByteArray(name));
            ctx.doneCurrent();
        }
        if (previous) previous->makeCurrent(previousSurface);
        return soft;
    }();
    return software;
}

void MOXQChartBase::setRendering(int rendering)
{
    m_rendering = rendering;
    // The surface format is fixed once the widget has made its context.
    if (isValid()) return;
    QSurfaceFormat fmt = format();
    fmt.setSamples(samplesFor(rendering));
    setFormat(fmt);
}

void MOXQChartBase::updatePlot()
{
    ++m_plotRevision;
    update();
}

void MOXQChartBase::setChartTheme(int index)
{
    m_themeIndex = index;
    m_theme = themePreset(index);
    themeChanged();
    update();
}

void MOXQChartBase::setBackgroundColor(const QColor& color)
{
    m_customBackground = color.isValid() ? color : QColor();
    themeChanged();
    update();
}

QColor MOXQChartBase::effectiveBackgroundColor() const
{
    return m_customBackground.isValid() ? m_customBackground : m_theme.background;
}

void MOXQChartBase::setLegendPosition(int position)
{
    if (position == m_legendPosition) return;
    m_legendPosition = position;
    update();
}

void MOXQChartBase::setAnimationEnabled(bool enabled)
{
    m_animationEnabled = enabled;
    if (!enabled) {
        m_animation->stop();
        m_animationProgress = 1.0;
    }
    animationSettingsChanged();
    update();
}

void MOXQChartBase::setAnimationDuration(int ms)
{
    m_animationDuration = std::max(0, ms);
    m_animation->setDuration(m_animationDuration);
    animationSettingsChanged();
}

void MOXQChartBase::replayAnimation()
{
    if (m_animationEnabled) {
        m_animation->stop();
        m_animation->setDuration(m_animationDuration);
        m_animation->start();
        // A zero duration finishes inside start(); make sure the frame shows the end state.
        if (m_animation->state() != QAbstractAnimation::Running) {
            m_animationProgress = 1.0;
            animationStepped();
            update();
        }
        return;
    }
    m_animationProgress = 1.0;
    animationStepped();
    update();
}

bool MOXQChartBase::isAnimationRunning() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void MOXQChartBase::showTooltip(const QPoint& anchor, const QString& text)
{
    m_tooltipAnchor = anchor;
    m_tooltipText = text;
    update();
}

void MOXQChartBase::hideTooltip()
{
    if (m_tooltipText.isEmpty()) return;
    m_tooltipText.clear();
    update();
}

QRect MOXQChartBase::tooltipRect(const QRect& widgetRect, const QPoint& anchor, const QString& text,
                                 const QFont& font)
{
    if (text.isEmpty()) return {};
    const QFontMetrics fm(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    const int w = widest + 20;
    const int h = std::max(int(lines.size()), 1) * fm.lineSpacing() + 16;
    const QRect bounds = widgetRect.adjusted(8, 8, -8, -8);
    int x = anchor.x() + 16;
    int y = anchor.y() + 20;
    // QRect::right() is one less than left + width; compare against the exclusive edge.
    const int right = bounds.left() + bounds.width();
    const int bottom = bounds.top() + bounds.height();
    if (x + w > right) x = right - w;
    if (y + h > bottom) y = anchor.y() - h - 16;
    x = std::max(x, bounds.left());
    y = std::max(y, bounds.top());
    return QRect(x, y, w, h);
}

bool MOXQChartBase::tooltipIsDark(const ChartTheme& theme)
{
    return theme.background.lightness() < 140;
}

void MOXQChartBase::paintTooltip(QPainter& painter)
{
    if (m_tooltipText.isEmpty()) return;
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const QRect box = tooltipRect(rect(), m_tooltipAnchor, m_tooltipText, font);
    const QFontMetrics fm(font);
    const bool dark = tooltipIsDark(m_theme);
    const QColor fill = dark ? QColor(26, 30, 38, 236) : QColor(255, 255, 255, 244);
    const QColor border = dark ? QColor(94, 108, 132, 220) : QColor(198, 207, 222, 232);
    const QColor text = dark ? QColor(239, 243, 250) : m_theme.title;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(box), 8, 8);
    painter.setPen(text);
    const QStringList lines = m_tooltipText.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(
            QPoint(box.left() + 10, box.top() + fm.ascent() + 8 + i * fm.lineSpacing()),
            lines.at(i));
    painter.restore();
}

bool MOXQChartBase::LayerKey::operator==(const LayerKey& o) const
{
    return pixels == o.pixels && devicePixelRatio == o.devicePixelRatio && theme == o.theme &&
           background == o.background && legendPosition == o.legendPosition && font == o.font &&
           progress == o.progress && revision == o.revision;
}

MOXQChartBase::LayerKey MOXQChartBase::layerKey(const QSize& pixels, qreal devicePixelRatio) const
{
    LayerKey key;
    key.pixels = pixels;
    key.devicePixelRatio = devicePixelRatio;
    key.theme = m_themeIndex;
    key.background = effectiveBackgroundColor();
    key.legendPosition = m_legendPosition;
    key.font = font();
    key.progress = m_animationProgress;
    key.revision = m_plotRevision;
    return key;
}

void MOXQChartBase::paintFrame(QPainter& painter)
{
    paintPlot(painter);
    paintOverlayAndTooltip(painter);
}

void MOXQChartBase::paintOverlayAndTooltip(QPainter& painter)
{
    paintOverlay(painter);
    paintTooltip(painter);
}

void MOXQChartBase::preparePainter(QPainter& painter) const
{
    painter.setFont(font());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QImage MOXQChartBase::blankImage(const QSize& pixels, qreal devicePixelRatio) const
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(effectiveBackgroundColor());
    return image;
}

const QImage& MOXQChartBase::plotImage(const LayerKey& key)
{
    if (!m_plotImage.isNull() && key == m_plotImageKey) return m_plotImage;
    // The last layer's pixels are reused when nothing else holds them.
    if (m_plotImage.size() == key.pixels && m_plotImage.isDetached()) {
        m_plotImage.setDevicePixelRatio(key.devicePixelRatio);
        m_plotImage.fill(effectiveBackgroundColor());
    } else {
        m_plotImage = blankImage(key.pixels, key.devicePixelRatio);
    }
    QPainter painter(&m_plotImage);
    preparePainter(painter);
    paintPlot(painter);
    painter.end();
    m_plotImageKey = key;
    ++m_plotRenders;
    return m_plotImage;
}

QImage MOXQChartBase::renderImage(qreal devicePixelRatio)
{
    const QSize px = pixelSize(size(), devicePixelRatio);
    if (!hasPlotLayer()) {
        QImage image = blankImage(px, devicePixelRatio);
        QPainter painter(&image);
        preparePainter(painter);
        paintFrame(painter);
        return image;
    }
    // A copy of the kept plot, with the overlay painted on it when there is one.
    QImage image = plotImage(layerKey(px, devicePixelRatio));
    if (overlayRects().isEmpty() && m_tooltipText.isEmpty()) return image;
    QPainter painter(&image);
    preparePainter(painter);
    paintOverlayAndTooltip(painter);
    painter.end();
    return image;
}

QRectF MOXQChartBase::tooltipBounds() const
{
    if (m_tooltipText.isEmpty()) return {};
    QFont f = font();
    f.setPixelSize(12);
    // The box's 1-pixel border is antialiased across its edge.
    return QRectF(tooltipRect(rect(), m_tooltipAnchor, m_tooltipText, f)).adjusted(-2, -2, 2, 2);
}

void MOXQChartBase::paintOverlayPieces(QPainter& painter, const QVector<QRectF>& rects, qreal dpr)
{
    QRegion covered;
    for (const QRectF& r : rects) {
        const QRect area = r.toAlignedRect() & rect();
        if (area.isEmpty()) continue;
        // Each piece leaves out what an earlier one drew, so nothing is blended twice.
        const QRegion own = QRegion(area).subtracted(covered);
        if (own.isEmpty()) continue;
        covered += area;
        QImage piece(pixelSize(area.size(), dpr), QImage::Format_ARGB32_Premultiplied);
        piece.setDevicePixelRatio(dpr);
        piece.fill(Qt::transparent);
        QPainter p(&piece);
        preparePainter(p);
        p.translate(-area.topLeft());
        p.setClipRegion(own);
        paintOverlayAndTooltip(p);
        p.end();
        painter.drawImage(area.topLeft(), piece);
    }
}

void MOXQChartBase::paintGLFrame()
{
    QOpenGLContext* ctx = QOpenGLContext::currentContext();
    const qreal dpr = devicePixelRatioF();
    const QSize px = pixelSize(size(), dpr);
    if (ctx && (!m_gl || m_gl->context() != ctx)) {
        // A new context: the first frame, or the widget moved to another window. The layer
        // goes with the context it was made in.
        m_gl.reset(new ChartGLLayer(ctx));
        m_glKey = LayerKey();
        connect(
            ctx, &QOpenGLContext::aboutToBeDestroyed, this, [this] { m_gl.reset(); },
            Qt::DirectConnection);
    }
    if (ctx) ctx->functions()->glViewport(0, 0, px.width(), px.height());

    if (ctx && m_gl->isUsable() && m_gl->samples() == 0) {
        // No samples to antialias with: everything is rasterised in memory and copied over.
        const GLuint target = defaultFramebufferObject();
        if (hasPlotLayer()) {
            const LayerKey key = layerKey(px, dpr);
            if (key != m_glKey) {
                plotImage(key);
                // The upload spends the image's pixels; the next image is drawn again.
                m_gl->upload(m_plotImage);
                m_plotImageKey = LayerKey();
                m_glKey = key;
            }
            m_gl->draw(target, px);
            QVector<QRectF> rects = overlayRects();
            if (!m_tooltipText.isEmpty()) rects.append(tooltipBounds());
            if (!rects.isEmpty()) {
                QPainter painter(this);
                preparePainter(painter);
                paintOverlayPieces(painter, rects, dpr);
            }
        } else {
            QImage frame = renderImage(dpr);
            m_gl->upload(frame);
            m_glKey = LayerKey();
            m_gl->draw(target, px);
        }
        return;
    }

    const bool layered = ctx && m_gl->isUsable() && hasPlotLayer();
    const LayerKey key = layered ? layerKey(px, dpr) : LayerKey();
    if (layered && key == m_glKey) {
        m_gl->draw(defaultFramebufferObject(), px);
    } else if (ctx) {
        QOpenGLFunctions* f = ctx->functions();
        const QColor bg = effectiveBackgroundColor();
        f->glClearColor(float(bg.redF()), float(bg.greenF()), float(bg.blueF()),
                        float(bg.alphaF()));
        f->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
#ifdef GL_MULTISAMPLE
        f->glEnable(GL_MULTISAMPLE);
#endif
        f->glDisable(GL_DEPTH_TEST);
    }
    QPainter painter(this);
    preparePainter(painter);
    if (!layered) {
        paintFrame(painter);
        return;
    }
    if (key != m_glKey) {
        // The plot is drawn multisampled in place, and a resolved copy kept for later frames.
        paintPlot(painter);
        painter.end();
        m_gl->capture(defaultFramebufferObject(), px);
        m_glKey = key;
        ++m_plotRenders;
        painter.begin(this);
        preparePainter(painter);
    }
    paintOverlayAndTooltip(painter);
}

} // namespace MOXQtLib
