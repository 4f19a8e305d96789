#pragma once

#include <QImage>
#include <QOpenGLFunctions>
#include <QSize>

#include <memory>

class QOpenGLContext;
class QOpenGLFramebufferObject;

namespace MOXQtLib {

// A chart's plot kept on the GL side: a texture-backed framebuffer holding the last plot drawn,
// copied onto the chart's framebuffer by a framebuffer blit. Created with the chart's context
// current and its framebuffer bound.
class ChartGLLayer
{
public:
    explicit ChartGLLayer(QOpenGLContext* context);
    ~ChartGLLayer();

    QOpenGLContext* context() const { return m_context; }
    // Samples of the chart's framebuffer; 0 means frames are rasterised in memory.
    int samples() const { return m_samples; }
    // False where framebuffer blits are missing, or cannot write a multisampled target (GLES).
    bool isUsable() const { return m_usable; }

    // Puts a raster image (32-bit, premultiplied, top row first) into the layer. The image is
    // turned into GL's order on the way (bottom row first, bytes R G B A): its pixels are
    // spent.
    void upload(QImage& image);
    // Copies (and resolves) `pixels` of framebuffer `source` into the layer.
    void capture(GLuint source, const QSize& pixels);
    // Copies the layer onto framebuffer `target`, which stays bound.
    void draw(GLuint target, const QSize& pixels);

private:
    void ensureSize(const QSize& pixels);

    QOpenGLContext* m_context = nullptr;
    int m_samples = 0;
    bool m_usable = false;
    std::unique_ptr<QOpenGLFramebufferObject> m_fbo;
};

} // namespace MOXQtLib
