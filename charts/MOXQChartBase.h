#pragma once

#include "ChartTheme.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QOpenGLWidget>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QVector>

#include <memory>

class QPainter;
class QVariantAnimation;

namespace MOXQtLib {

class ChartGLLayer;

// How a chart's frames reach its GL surface. Auto multisamples on hardware renderers; on
// software ones (which report themselves in GL_RENDERER) the surface has no samples and frames
// are rasterised in memory, antialiased, and copied onto it.
enum ChartRendering
{
    ChartRenderingAuto = 0,
    ChartRenderingMultisample = 1,
    ChartRenderingRaster = 2,
};

// Common base of the OpenGL chart widgets: theme, entry animation, legend position, custom
// background and the tooltip box drawn on top of each frame. Painting is plain QPainter work
// (`paintFrame`), so a chart can be drawn into a QImage without any GL context.
//
// A chart whose hover changes only an overlay (axis pointer, highlights, tooltip) splits its
// frame into `paintPlot` and `paintOverlay`. The plot is then kept as a layer, keyed by size,
// theme, background, legend position, font, animation progress and the chart's plot revision
// (`updatePlot`), and a hover frame only copies the layer and draws the overlay.
class MOXQChartBase : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit MOXQChartBase(QWidget* parent = nullptr);
    ~MOXQChartBase() override;

    void setChartTheme(int index);
    int chartThemeIndex() const { return m_themeIndex; }
    const ChartTheme& chartTheme() const { return m_theme; }

    // An invalid colour clears the custom background.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return m_customBackground; }
    QColor effectiveBackgroundColor() const;

    void setLegendPosition(int position);
    int legendPosition() const { return m_legendPosition; }

    void setAnimationEnabled(bool enabled);
    bool animationEnabled() const { return m_animationEnabled; }
    // Negative durations are stored as 0.
    void setAnimationDuration(int ms);
    int animationDuration() const { return m_animationDuration; }
    void replayAnimation();
    double animationProgress() const { return m_animationProgress; }
    bool isAnimationRunning() const;

    void showTooltip(const QPoint& anchor, const QString& text);
    void hideTooltip();
    QString tooltipText() const { return m_tooltipText; }
    QPoint tooltipAnchor() const { return m_tooltipAnchor; }

    // The tooltip box for the current text and anchor, inside `bounds` shrunk by 8 pixels.
    static QRect tooltipRect(const QRect& widgetRect, const QPoint& anchor, const QString& text,
                             const QFont& font);
    // True when tooltips use the dark style for `theme` (decided by the theme background).
    static bool tooltipIsDark(const ChartTheme& theme);
    void paintTooltip(QPainter& painter);

    // Draws one whole frame (chart and tooltip, over the background) with `painter` over the
    // widget rect. Layered charts draw their plot, then their overlay and the tooltip.
    virtual void paintFrame(QPainter& painter);
    // The frame drawn into an image of the widget's size, without GL. Layered charts reuse
    // their plot layer while its key holds.
    QImage renderImage(qreal devicePixelRatio = 1.0);

    // Chooses how frames reach the GL surface (ChartRendering); takes effect when the chart is
    // first shown, later calls only store it.
    void setRendering(int rendering);
    int rendering() const { return m_rendering; }
    // True when the process's default OpenGL renderer is a software rasteriser (asked once).
    static bool softwareRenderer();
    // True when `renderer` (a GL_RENDERER text) names a software rasteriser.
    static bool isSoftwareRendererName(const QByteArray& renderer);

    // The plot layer is out of date (data, range, options): the next frame draws it again.
    void updatePlot();
    // How many times the plot layer has been drawn.
    int plotLayerRenderCount() const { return m_plotRenders; }

    // Draws one frame into the current GL framebuffer, as paintGL does.
    void paintGLFrame();

protected:
    virtual void themeChanged() {}
    virtual void animationSettingsChanged() {}
    virtual void animationStepped() {}

    // True for charts that split their frame into plot and overlay.
    virtual bool hasPlotLayer() const { return false; }
    // Everything but the overlay, over the background.
    virtual void paintPlot(QPainter& painter) { Q_UNUSED(painter); }
    // What a hover changes, without the tooltip box (the base draws that).
    virtual void paintOverlay(QPainter& painter) { Q_UNUSED(painter); }
    // Widget rectangles the overlay draws into, besides the tooltip box.
    virtual QVector<QRectF> overlayRects() const { return {}; }

private:
    struct LayerKey
    {
        QSize pixels;
        qreal devicePixelRatio = 0;
        int theme = 0;
        QColor background;
        int legendPosition = 0;
        QFont font;
        double progress = -1;
        quint64 revision = 0;
        bool operator==(const LayerKey& o) const;
        bool operator!=(const LayerKey& o) const { return !(*this == o); }
    };
    LayerKey layerKey(const QSize& pixels, qreal devicePixelRatio) const;
    // The plot layer for `key`, drawn again only when the key changed.
    const QImage& plotImage(const LayerKey& key);
    // A fresh image of `pixels` filled with the background.
    QImage blankImage(const QSize& pixels, qreal devicePixelRatio) const;
    void preparePainter(QPainter& painter) const;
    void paintOverlayAndTooltip(QPainter& painter);
    // The overlay drawn antialiased into small images of `rects`, laid over a surface without
    // samples.
    void paintOverlayPieces(QPainter& painter, const QVector<QRectF>& rects,
                            qreal devicePixelRatio);
    QRectF tooltipBounds() const;
    void releaseGL();

    int m_rendering = ChartRenderingAuto;
    quint64 m_plotRevision = 0;
    int m_plotRenders = 0;
    QImage m_plotImage;
    LayerKey m_plotImageKey;
    std::unique_ptr<ChartGLLayer> m_gl;
    LayerKey m_glKey;

    int m_themeIndex = 0;
    ChartTheme m_theme;
    int m_legendPosition = LegendBottom;
    QColor m_customBackground;
    bool m_animationEnabled = true;
    int m_animationDuration = 700;
    double m_animationProgress = 1.0;
    QVariantAnimation* m_animation = nullptr;
    QString m_tooltipText;
    QPoint m_tooltipAnchor;
};

} // namespace MOXQtLib
