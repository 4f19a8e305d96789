#include "MOXQChartBase.h"

#include <QFontMetrics>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QPainterPath>
#include <QSurfaceFormat>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

MOXQChartBase::MOXQChartBase(QWidget* parent) : QOpenGLWidget(parent), m_theme(themePreset(0))
{
    QSurfaceFormat fmt = format();
    fmt.setRenderableType(QSurfaceFormat::OpenGL);
    fmt.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    fmt.setSamples(4);
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

MOXQChartBase::~MOXQChartBase() = default;

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

QImage MOXQChartBase::renderImage(qreal devicePixelRatio)
{
    const QSize px = (QSizeF(size()) * devicePixelRatio).toSize();
    QImage image(px.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(effectiveBackgroundColor());
    QPainter painter(&image);
    painter.setFont(font());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    paintFrame(painter);
    painter.end();
    return image;
}

void MOXQChartBase::paintGLFrame()
{
    if (QOpenGLContext* ctx = QOpenGLContext::currentContext()) {
        QOpenGLFunctions* f = ctx->functions();
        const qreal dpr = devicePixelRatioF();
        f->glViewport(0, 0, int(std::lround(width() * dpr)), int(std::lround(height() * dpr)));
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
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    paintFrame(painter);
}

} // namespace MOXQtLib
