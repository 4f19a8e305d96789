#pragma once

// The library's slider ("qtslider"): a QSlider drawn as a channel, a part filled up to the
// value and a thumb with Normal, Hot and Pressed looks. Qt keeps the value and the dragging;
// the library style gives the handle the thumb's size.

#include "CScrollBarStyle.h"
#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQSliderImpl.h"

#include <QSlider>
#include <QStyleOptionSlider>

namespace MOXQtLib {

class MOXQSlider : public MOXQControl<QSlider, MOXQSliderImpl, MOXRoutePaint>,
                   public IMOXSliderThumb
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQSlider(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);

    static QString typeName() { return QStringLiteral("qtslider"); }
    static ControlInfo getProps();
    static QWidget* createMOXQSlider() { return new MOXQSlider; }

    // The channel and the filled part: one look each, the state is ignored.
    void setBackgroundStyle(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackgroundStyle(CommonCtrlState state) const { return impl()->getBackground(state); }
    void setForegroundStyle(CommonCtrlState state, const FillStyle& style) { impl()->setForeground(state, style); }
    const FillStyle& getForegroundStyle(CommonCtrlState state) const { return impl()->getForeground(state); }
    // Per-state thumb looks: states 0 to 3, or 4 for all four.
    void setThumbStyle(CtrlState state, const FillStyle& style) { impl()->setThumbStyle(state, style); }
    const FillStyle& getThumbStyle(CtrlState state) const { return impl()->getThumbStyle(state); }

    // The channel's thickness across the slider (10 until set).
    void setChannelHeight(int height) { impl()->setChannelHeight(height); }
    int getChannelHeight() const { return impl()->getChannelHeight(); }
    // The thumb (20 x 20 until set); the handle Qt drags takes this size.
    void setThumbSize(int w, int h) { impl()->setThumbSize(QSize(w, h)); }
    void getThumbSize(int& w, int& h) const { w = impl()->getThumbWidth(); h = impl()->getThumbHeight(); }
    QSize getThumbBtnSize() const override { return impl()->getThumbSize(); }
    int getSliderLength() const override { return impl()->getSliderLength(); }
    QRect getThumbRect() const { return impl()->getThumbRect(); }
    void setIsHorizontal(bool horizontal) { impl()->setIsHorizontal(horizontal); }
    bool getIsHorizontal() const { return impl()->getIsHorizontal(); }

    // The option Qt's style places the handle by.
    QStyleOptionSlider styleOption() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
