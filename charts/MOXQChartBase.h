#pragma once

#include "ChartTheme.h"

#include <QColor>
#include <QImage>
#include <QOpenGLWidget>
#include <QPoint>
#include <QString>

class QPainter;
class QVariantAnimation;

namespace MOXQtLib {

// Common base of the OpenGL chart widgets: theme, entry animation, legend position, custom
// background and the tooltip box drawn on top of each frame. Painting is plain QPainter work
// (`paintFrame`), so a chart can be drawn into a QImage without any GL context.
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

    // Draws one whole frame (background, chart, tooltip) with `painter` over the widget rect.
    virtual void paintFrame(QPainter& painter) = 0;
    // The frame drawn into an image of the widget's size, without GL.
    QImage renderImage(qreal devicePixelRatio = 1.0);

protected:
    virtual void themeChanged() {}
    virtual void animationSettingsChanged() {}
    virtual void animationStepped() {}

    // Clears the GL surface with the effective background and draws `paintFrame` over it;
    // charts call this from their `paintGL`.
    void paintGLFrame();

private:
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
