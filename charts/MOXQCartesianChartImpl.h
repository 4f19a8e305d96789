#pragma once

#include "ChartCartesian.h"
#include "ChartTheme.h"
#include "MOXQChartBaseImpl.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>

namespace MOXQtLib {

// What the bar and scatter models share: title, series, tooltip options, margins and hover
// state, and the plot rectangle, legend and series colours derived from them. `Series` has
// `name`, `color` and `visible` members; `Hover` has an `active` flag and resets by value.
template <class Series, class Hover> class MOXQCartesianChartImpl : public MOXQChartBaseImpl
{
public:
    using SeriesType = Series;

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    // New series drop the hover state.
    const QVector<Series>& series() const { return m_series; }
    void setSeries(const QVector<Series>& series);
    // False for an index out of range.
    bool setSeriesVisible(int index, bool visible);
    bool tooltipVisible() const { return m_tooltipVisible; }
    // Hiding tooltips drops the hover state.
    void setTooltipVisible(bool visible);
    // The stored value, which may be undefined.
    int tooltipTrigger() const { return m_tooltipTrigger; }
    // A trigger that tracks nothing drops the hover state.
    void setTooltipTrigger(int trigger);
    const ChartCartesian::Margins& margins() const { return m_margins; }
    void setMargins(const ChartCartesian::Margins& margins) { m_margins = margins; }
    const Hover& hover() const { return m_hover; }

    // The stored trigger, with values other than None, Item and Axis read as None.
    int effectiveTrigger() const { return effectiveTooltipTrigger(m_tooltipTrigger); }
    // Item and Axis track the mouse; the scatter chart tracks it for any trigger but None.
    virtual bool tracksHover() const { return effectiveTrigger() != TooltipNone; }
    // The series' own colour, or the theme palette's by its place in the whole list.
    QColor seriesColorAt(int seriesIndex, const ChartTheme& theme) const;

    QRectF plotRect(const QSize& size, int legendPosition) const;
    QVector<ChartCartesian::LegendItem> legendItems(const ChartCartesian::FrameInput& in,
                                                    const QRectF& plot) const;
    // Returns true when something was hovered before.
    bool clearHover();
    // Toggles the series whose legend item holds `pos`; returns its index or -1.
    int toggleLegendAt(const QPointF& pos, const ChartCartesian::FrameInput& in);

protected:
    // `legendTextExtra`: width of a flowing legend item beyond its text.
    MOXQCartesianChartImpl(MOXQChartBase* owner, const QString& name, const QString& title,
                           bool tooltipVisible, int tooltipTrigger, qreal legendTextExtra)
        : MOXQChartBaseImpl(owner, name), m_title(title), m_tooltipVisible(tooltipVisible),
          m_tooltipTrigger(tooltipTrigger), m_legendTextExtra(legendTextExtra)
    {
    }

    // The series' name, or "Series" for a nameless one, as tooltips show it.
    QString seriesLabel(int seriesIndex) const;

    QString m_title;
    QVector<Series> m_series;
    bool m_tooltipVisible;
    int m_tooltipTrigger;
    ChartCartesian::Margins m_margins;
    Hover m_hover;

private:
    qreal m_legendTextExtra;
};

template <class Series, class Hover>
void MOXQCartesianChartImpl<Series, Hover>::setSeries(const QVector<Series>& series)
{
    m_series = series;
    clearHover();
}

template <class Series, class Hover>
bool MOXQCartesianChartImpl<Series, Hover>::setSeriesVisible(int index, bool visible)
{
    if (index < 0 || index >= m_series.size()) return false;
    m_series[index].visible = visible;
    clearHover();
    return true;
}

template <class Series, class Hover>
void MOXQCartesianChartImpl<Series, Hover>::setTooltipVisible(bool visible)
{
    m_tooltipVisible = visible;
    if (!visible) clearHover();
}

template <class Series, class Hover>
void MOXQCartesianChartImpl<Series, Hover>::setTooltipTrigger(int trigger)
{
    m_tooltipTrigger = trigger;
    if (!tracksHover()) clearHover();
}

template <class Series, class Hover>
QColor MOXQCartesianChartImpl<Series, Hover>::seriesColorAt(int seriesIndex,
                                                            const ChartTheme& theme) const
{
    const QColor own = seriesIndex >= 0 && seriesIndex < m_series.size()
                           ? m_series.at(seriesIndex).color
                           : QColor();
    return seriesColor(own, seriesIndex, theme);
}

template <class Series, class Hover>
QRectF MOXQCartesianChartImpl<Series, Hover>::plotRect(const QSize& size, int legendPosition) const
{
    return ChartCartesian::plotLayout(size, m_margins, 42, m_margins.legendBottom,
                                      !m_series.isEmpty(), legendPosition)
        .plot;
}

template <class Series, class Hover>
QVector<ChartCartesian::LegendItem>
MOXQCartesianChartImpl<Series, Hover>::legendItems(const ChartCartesian::FrameInput& in,
                                                   const QRectF& plot) const
{
    return ChartCartesian::layoutLegend(ChartCartesian::legendEntries(m_series, in.theme),
                                        in.legendPosition, plot, in.size, in.font,
                                        m_legendTextExtra);
}

template <class Series, class Hover> bool MOXQCartesianChartImpl<Series, Hover>::clearHover()
{
    const bool was = m_hover.active;
    m_hover = Hover();
    return was;
}

template <class Series, class Hover>
int MOXQCartesianChartImpl<Series, Hover>::toggleLegendAt(const QPointF& pos,
                                                          const ChartCartesian::FrameInput& in)
{
    const int hit = ChartCartesian::toggleSeriesAt(
        m_series, legendItems(in, plotRect(in.size, in.legendPosition)), pos);
    if (hit >= 0) clearHover();
    return hit;
}

template <class Series, class Hover>
QString MOXQCartesianChartImpl<Series, Hover>::seriesLabel(int seriesIndex) const
{
    const QString& name = m_series.at(seriesIndex).name;
    return name.isEmpty() ? QStringLiteral("Series") : name;
}

} // namespace MOXQtLib
