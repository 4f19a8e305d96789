#include "ChartGLLayer.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>

#if defined(__SSE2__) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
#include <emmintrin.h>
#define GRAPHDECK_SWIZZLE_SSE2
#endif

#ifndef GL_READ_FRAMEBUFFER
#define GL_READ_FRAMEBUFFER 0x8CA8
#endif
#ifndef GL_DRAW_FRAMEBUFFER
#define GL_DRAW_FRAMEBUFFER 0x8CA9
#endif
#ifndef GL_UNPACK_ROW_LENGTH
#define GL_UNPACK_ROW_LENGTH 0x0CF2
#endif

namespace MOXQtLib {

namespace {

// 0xAARRGGBB words (QImage's 32-bit formats) to R G B A bytes.
inline quint32 toRgbaBytes(quint32 p)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return (p & 0xff00ff00u) | ((p >> 16) & 0xffu) | ((p & 0xffu) << 16);
#else
    return (p << 8) | (p >> 24);
#endif
}

// Row `a` takes row `b` converted and row `b` takes row `a` converted (a == b: in place).
void swapConverted(quint32* a, quint32* b, int count)
{
    int x = 0;
#ifdef GRAPHDECK_SWIZZLE_SSE2
    const __m128i keep = _mm_set1_epi32(int(0xff00ff00u));
    const __m128i low = _mm_set1_epi32(0xff);
    const auto convert = [&](__m128i p) {
        return _mm_or_si128(
            _mm_or_si128(_mm_and_si128(p, keep), _mm_and_si128(_mm_srli_epi32(p, 16), low)),
            _mm_slli_epi32(_mm_and_si128(p, low), 16));
    };
    for (; x + 4 <= count; x += 4) {
        const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + x));
        const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(a + x), convert(pb));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(b + x), convert(pa));
    }
#endif
    for (; x < count; ++x) {
        const quint32 t = a[x];
        a[x] = toRgbaBytes(b[x]);
        b[x] = toRgbaBytes(t);
    }
}

} // namespace

ChartGLLayer::ChartGLLayer(QOpenGLContext* context) : m_context(context)
{
    QOpenGLFunctions* f = context->functions();
    GLint samples = 0;
    f->glGetIntegerv(GL_SAMPLES, &samples);
    m_samples = std::max(0, int(samples));
    // Desktop GL replicates a single-sampled source into every sample of the target; GLES
    // refuses blits into a multisampled framebuffer.
    m_usable = QOpenGLFramebufferObject::hasOpenGLFramebufferBlit() &&
               !(context->isOpenGLES() && m_samples > 0);
}

ChartGLLayer::~ChartGLLayer() = default;

void ChartGLLayer::ensureSize(const QSize& pixels)
{
    if (m_fbo && m_fbo->size() == pixels) return;
    m_fbo.reset();
    m_fbo = std::make_unique<QOpenGLFramebufferObject>(pixels);
}

void ChartGLLayer::upload(QImage& image)
{
    const QSize px = image.size();
    ensureSize(px);
    const int w = px.width();
    const int h = px.height();
    // In place, rows swapped from the outside in: no second buffer to fill.
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < (h + 1) / 2; ++y)
        swapConverted(reinterpret_cast<quint32*>(bits + y * stride),
                      reinterpret_cast<quint32*>(bits + (h - 1 - y) * stride), w);
    QOpenGLFunctions* f = m_context->functions();
    f->glBindTexture(GL_TEXTURE_2D, m_fbo->texture());
    f->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (!m_context->isOpenGLES() || m_context->format().majorVersion() >= 3)
        f->glPixelStorei(GL_UNPACK_ROW_LENGTH, int(stride / 4));
    f->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bits);
    if (!m_context->isOpenGLES() || m_context->format().majorVersion() >= 3)
        f->glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    f->glBindTexture(GL_TEXTURE_2D, 0);
}

void ChartGLLayer::capture(GLuint source, const QSize& pixels)
{
    ensureSize(pixels);
    QOpenGLExtraFunctions* f = m_context->extraFunctions();
    f->glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_fbo->handle());
    f->glDisable(GL_SCISSOR_TEST);
    f->glBlitFramebuffer(0, 0, pixels.width(), pixels.height(), 0, 0, pixels.width(),
                         pixels.height(), GL_COLOR_BUFFER_BIT, GL_NEAREST);
    f->glBindFramebuffer(GL_FRAMEBUFFER, source);
}

void ChartGLLayer::draw(GLuint target, const QSize& pixels)
{
    if (!m_fbo) return;
    const QSize size = m_fbo->size().boundedTo(pixels);
    QOpenGLExtraFunctions* f = m_context->extraFunctions();
    f->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_fbo->handle());
    f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
    f->glDisable(GL_SCISSOR_TEST);
    f->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(),
                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    f->glBindFramebuffer(GL_FRAMEBUFFER, target);
}

} // namespace MOXQtLib
