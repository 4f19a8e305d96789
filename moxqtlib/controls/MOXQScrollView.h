#pragma once

// The library's scroll view ("qtscrollview"): a QScrollArea that scrolls one content
// container over a background, with two library scroll bars whose looks come from "scrollbar"
// elements of its JSON.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQScrollBar.h"
#include "MOXQScrollViewImpl.h"

#include <QScrollArea>

namespace MOXQtLib {

class MOXQScrollView : public MOXQControl<QScrollArea, MOXQScrollViewImpl, MOXRouteNone>,
                       public MOXScrollBarSetters<MOXQScrollView>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQScrollView(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtscrollview"); }
    static ControlInfo getProps();
    static QWidget* createMOXQScrollView() { return new MOXQScrollView; }

    void setHScrollPos(int pos) { horizontalScrollBar()->setValue(pos); }
    int getHScrollPos() const { return horizontalScrollBar()->value(); }
    void setVScrollPos(int pos) { verticalScrollBar()->setValue(pos); }
    int getVScrollPos() const { return verticalScrollBar()->value(); }

    // The bars' setters (see MOXScrollBarSetters) come with the view.

    // One background for the control and its viewport; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style) { impl()->setBackground(state, style); }
    const FillStyle& getBackground(CommonCtrlState state) const { return impl()->getBackground(state); }

    // The container it scrolls, or null.
    QWidget* contentWidget() const { return impl()->content(); }

signals:
    // After every scroll of the content, with the distances moved.
    void scrollPosChanged(int dx, int dy);

protected:
    // For controls built on the view with an implementation class of their own (derived from
    // MOXQScrollViewImpl) and their own type name.
    template <class DerivedImpl>
    MOXQScrollView(MOXImplClass<DerivedImpl> implClass, const QString& type, QWidget* parent)
        : MOXQControl(implClass, type, parent)
    {
        setUpView();
    }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void setUpView();
};

} // namespace MOXQtLib
