#pragma once

// The library's progress bar ("qtprogressbar"): a QProgressBar drawn from a background and a
// foreground fill style, as a bar or as a circular sector, with an optional "value%" text. Qt
// keeps the range and the value.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQProgressBarImpl.h"

#include <QProgressBar>

namespace MOXQtLib {

class MOXQProgressBar : public MOXQControl<QProgressBar, MOXQProgressBarImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQProgressBar(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtprogressbar"); }
    static ControlInfo getProps();
    static QWidget* createMOXQProgressBar() { return new MOXQProgressBar; }

    // One look each; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }
    void setForeground(CommonCtrlState state, const FillStyle& style) { impl()->setForeground(state, style); }
    const FillStyle& getForeground(CommonCtrlState state) const { return impl()->getForeground(state); }
    void setValueTextStyle(const TextStyleDesc& style) { impl()->setTextStyle(style); }
    const TextStyleDesc& getValueTextStyle() const { return impl()->getTextStyle(); }

    // The "value%" text; Qt's own text-visible switch plays no part in the drawing.
    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }

    // A sector growing clockwise from the start angle (0 points down) instead of a bar.
    void setCircleProgressBar(bool circle) { impl()->setCircleProgressBar(circle); }
    bool isCircleProgressBar() const { return impl()->isCircleProgressBar(); }
    // Kept when 0 <= start < end; at most one turn. A full turn from 0 until set.
    void setCircleAngleRange(int start, int end) { impl()->setCircleAngleRange(start, end); }
    void getCircleAngleRange(int& start, int& end) const { impl()->getCircleAngleRange(start, end); }
};

} // namespace MOXQtLib
