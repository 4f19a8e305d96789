#pragma once

// The library's scroll bar ("qtscrollbar"): a QScrollBar whose groove, step buttons and thumb
// are drawn from library styles, each part with its own Normal, Hot and Pressed look. Qt keeps
// the stepping, paging and dragging.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQScrollBarImpl.h"

#include <QScrollBar>
#include <QStyleOptionSlider>

namespace MOXQtLib {

class MOXQScrollBar : public MOXQControl<QScrollBar, MOXQScrollBarImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQScrollBar(QWidget* parent = nullptr);
    explicit MOXQScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtscrollbar"); }
    static ControlInfo getProps();
    static QWidget* createMOXQScrollBar() { return new MOXQScrollBar; }

    // Per-state looks of the parts: states 0 to 3, or 4 for all four.
    void setScrollbarUpButton(CtrlState state, const FillStyle& style) { impl()->setUpButton(state, style); }
    const FillStyle& getScrollbarUpButton(CtrlState state) const { return impl()->getUpButton(state); }
    void setScrollbarDownButton(CtrlState state, const FillStyle& style) { impl()->setDownButton(state, style); }
    const FillStyle& getScrollbarDownButton(CtrlState state) const { return impl()->getDownButton(state); }
    void setScrollbarThumb(CtrlState state, const FillStyle& style) { impl()->setThumb(state, style); }
    const FillStyle& getScrollbarThumb(CtrlState state) const { return impl()->getThumb(state); }
    // The groove: one look, the state is ignored.
    void setScrollbarBackground(const FillStyle& style) { impl()->setBackground(0, style); }
    const FillStyle& getScrollbarBackground() const { return impl()->getBackground(0); }

    // Images drawn over the buttons (placed by their icon styles) and centred on the thumb.
    void setScrollbarBtnIcon(bool up, const QString& path) { impl()->setButtonIcon(up, path); }
    QString getScrollbarBtnIcon(bool up) const { return impl()->getButtonIcon(up); }
    void setScrollbarThumbIcon(const QString& path) { impl()->setThumbIcon(path); }
    QString getScrollbarThumbIcon() const { return impl()->getThumbIcon(); }
    void setScrollbarIconStyle(bool up, const IconStyleDesc& style) { impl()->setIconStyle(up, style); }
    const IconStyleDesc& getScrollbarIconStyle(bool up) const { return impl()->getIconStyle(up); }

    // The thickness the size hint reports (width of a vertical bar, height of a horizontal
    // one); -1 keeps Qt's.
    void setWidthHeight(int size) { impl()->setWidthHeight(size); }
    int getWidthHeight() const { return impl()->getWidthHeight(); }

    // The state of a part (MOXQScrollBarImpl::Part) and the option Qt's style places parts by.
    CtrlState partState(MOXQScrollBarImpl::Part part) const { return impl()->partState(part); }
    QStyleOptionSlider styleOption() const;

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
