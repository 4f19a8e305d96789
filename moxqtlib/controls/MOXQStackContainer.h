#pragma once

// The library's stack container ("qtstackcontainer"): holds a list of pages and shows exactly
// one of them, stretched over the whole container, over an optional background. Children a
// page file creates inside it are ordinary children; pages come only from insertWidget and
// addWidget.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQStackContainerImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQStackContainer : public MOXQControl<QWidget, MOXQStackContainerImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQStackContainer(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtstackcontainer"); }
    static ControlInfo getProps();
    static QWidget* createMOXQStackContainer() { return new MOXQStackContainer; }

    // Makes `widget` a page at `index` (out of range: at the end) and returns its index; -1
    // for null, the container itself or one of its ancestors. A page already in the list moves
    // (it stays where it is when asked for its own index). The first page becomes current.
    int insertWidget(int index, QWidget* widget) { return impl()->insertWidget(index, widget); }
    int addWidget(QWidget* widget) { return impl()->insertWidget(-1, widget); }
    // Hides the page and takes it out of the list; it stays a child. The current page's
    // successor (or the new last page) becomes current.
    void removeWidget(QWidget* widget) { impl()->removeWidget(widget); }
    // Hides the old page and shows this one; out-of-range indices change nothing. No signal.
    void setCurrentIndex(int index) { impl()->setCurrentIndex(index); }
    void setCurrentWidget(QWidget* widget) { impl()->setCurrentIndex(impl()->indexOf(widget)); }
    int currentIndex() const { return impl()->currentIndex(); }
    QWidget* currentWidget() const { return impl()->widget(impl()->currentIndex()); }
    // Null out of range.
    QWidget* widget(int index) const { return impl()->widget(index); }
    int count() const { return impl()->count(); }

    // Painted while enabled / disabled.
    void setBackground(const FillStyle& style) { impl()->setBackground(style); }
    void setDisableBackground(const FillStyle& style) { impl()->setDisableBackground(style); }
    // State 0 the normal background, any other state the disabled one.
    void setBackgroundState(CtrlState state, const FillStyle& style)
    {
        impl()->setBackgroundState(state, style);
    }
    const FillStyle& getBackgroundState(CtrlState state) const
    {
        return impl()->getBackgroundState(state);
    }
    void setDrawBackground(bool draw) { impl()->setDrawBackground(draw); }
    bool getDrawBackground() const { return impl()->getDrawBackground(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;
};

} // namespace MOXQtLib
