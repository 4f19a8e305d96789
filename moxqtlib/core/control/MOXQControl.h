#pragma once

// The one place that implements IMOXQWidgetBase for every control. A control derives from
// MOXQControl<QtWidget, Impl>, which holds the companion, the implementation object and the
// "jsonData" text and forwards the interface to them; the control keeps only what is its own:
//
//   class MOXQPushButton : public MOXQControl<QPushButton, MOXQPushButtonImpl>
//   {
//       Q_OBJECT
//       Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
//       Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
//   public:
//       explicit MOXQPushButton(QWidget* parent = nullptr)
//           : MOXQControl(typeName(), parent) { getControlBase()->refreshTheme(); }
//       ...
//   };
//
// Paint events go to the implementation's paintControl, and press, release, enter and leave
// to its state operations, unless the Routes argument leaves them to the Qt widget.

#include "IMOXQWidgetBase.h"
#include "MOXJson.h"
#include "MOXQWidgetBase.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXThemeResScope.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <type_traits>
#include <utility>

namespace MOXQtLib {

enum MOXEventRoutes
{
    MOXRouteNone = 0,
    MOXRoutePaint = 1,
    // Press, release, enter and leave; the Qt widget still sees them first.
    MOXRouteMouse = 2,
    MOXRouteAll = MOXRoutePaint | MOXRouteMouse
};

// Picks the implementation class of a control derived from another control: it derives from
// that control's Impl and brings its own key table.
template <class DerivedImpl> struct MOXImplClass
{
};

template <class Widget, class Impl, int Routes = MOXRouteAll>
class MOXQControl : public Widget, public IMOXQWidgetBase
{
public:
    // The remaining arguments go to the Qt widget's constructor.
    template <class... Args>
    explicit MOXQControl(const QString& typeName, Args&&... args)
        : Widget(std::forward<Args>(args)...), m_typeName(typeName), m_base(this),
          m_impl(new Impl(this, typeName))
    {
        m_impl->setKeyTable(Impl::keys());
        m_base.bindImpl(m_impl.get());
    }
    template <class DerivedImpl, class... Args>
    MOXQControl(MOXImplClass<DerivedImpl>, const QString& typeName, Args&&... args)
        : Widget(std::forward<Args>(args)...), m_typeName(typeName), m_base(this),
          m_impl(new DerivedImpl(this, typeName))
    {
        static_assert(std::is_base_of_v<Impl, DerivedImpl>, "an implementation of this control");
        m_impl->setKeyTable(DerivedImpl::keys());
        m_base.bindImpl(m_impl.get());
    }
    ~MOXQControl() override = default;

    Impl* impl() const { return m_impl.get(); }

    MOXQWidgetBase* getControlBase() override { return &m_base; }
    bool readJsonValue(void* value) override
    {
        if (!m_impl) return false;
        MOXThemeResScope scope;
        auto* json = static_cast<Json::Value*>(value);
        m_base.serializeJsonValue(json, true);
        return m_impl->serializeJson(json, true);
    }
    void setLayoutRatio(int ratio) override { m_base.setLayoutRatio(ratio); }
    int getLayoutRatio() const override { return m_base.getLayoutRatio(); }
    void setWidthPolicy(LayoutSizePolicy policy) override { m_base.setWidthPolicy(policy); }
    LayoutSizePolicy getWidthPolicy() override { return m_base.getWidthPolicy(); }
    void setHeightPolicy(LayoutSizePolicy policy) override { m_base.setHeightPolicy(policy); }
    LayoutSizePolicy getHeightPolicy() override { return m_base.getHeightPolicy(); }
    void setAbsoluteLayout(bool absolute) override { m_base.setAbsoluteLayout(absolute); }
    bool getAbsoluteLayout() const override { return m_base.getAbsoluteLayout(); }
    void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY) override
    {
        m_base.setAbsoluteDock(hor, ver, offsetX, offsetY);
    }
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX,
                         int& offsetY) const override
    {
        m_base.getAbsoluteDock(hor, ver, offsetX, offsetY);
    }
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const override
    {
        m_base.getAbsoluteDock(hor, ver);
    }
    void getLayoutData(void*& data) const override { m_base.getLayoutData(data); }
    // Both forms make the layout absolute; QWidget's own setGeometry stays reachable through
    // a QWidget pointer (Qt layouts use that one).
    void setGeometry(int x, int y, int w, int h) override { m_base.setGeometry(x, y, w, h); }
    void setGeometry(const QRect& rect) { m_base.setGeometry(rect); }
    void setOpacity(int opacity) override { m_base.setOpacity(opacity); }
    int getOpacity() const override { return m_base.getOpacity(); }
    LayoutType getLayoutType() override { return m_base.getLayoutType(); }
    QString getTypeName() override { return m_typeName; }
    MOXQWidgetBaseImpl* getControlImpl() override { return m_impl.get(); }
    void createComplete() override
    {
        if (m_impl) m_impl->resizeControl();
    }
    void resizeWidget() override { m_base.resizeWidget(); }
    void notifyChangeLanguage() override
    {
        if (m_impl) m_impl->changeLanguage();
    }
    bool serializeJsonValue(Json::Value* value, bool read) override
    {
        MOXThemeResScope scope;
        const bool ok = m_base.serializeJsonValue(value, read);
        if (!m_impl) return ok;
        return m_impl->serializeJson(value, read) && ok;
    }
    void setThemeName(const QString& name) override { m_base.setThemeName(name); }
    QString jsonData() override { return m_jsonData; }
    // Applied once: only the first non-empty text that replaces an empty one is read; later
    // texts are stored but not applied. Unparsable text is stored and ignored.
    void setJsonData(const QString& text) override
    {
        if (text == m_jsonData) return;
        if (m_jsonData.isEmpty() && !text.isEmpty()) {
            Json::Value value;
            if (jsonParse(text, value)) readJsonValue(&value);
        }
        m_jsonData = text;
    }

protected:
    // For controls whose implementation must go before their own members (an OpenGL chart
    // deletes its model with its context current).
    void deleteControlImpl()
    {
        // Nobody may find the implementation through the widget once it is gone.
        this->setProperty("impl", QVariant());
        m_base.bindImpl(nullptr);
        m_impl.reset();
    }

    void paintEvent(QPaintEvent* event) override
    {
        if constexpr ((Routes & MOXRoutePaint) != 0) {
            if (m_impl) {
                m_impl->paintControl();
                return;
            }
        }
        Widget::paintEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        Widget::mousePressEvent(event);
        if constexpr ((Routes & MOXRouteMouse) != 0)
            if (m_impl) m_impl->pressControl();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Widget::mouseReleaseEvent(event);
        if constexpr ((Routes & MOXRouteMouse) != 0)
            if (m_impl) m_impl->releaseControl();
    }
    void enterEvent(QEvent* event) override
    {
        Widget::enterEvent(event);
        if constexpr ((Routes & MOXRouteMouse) != 0)
            if (m_impl) m_impl->enterControl();
    }
    void leaveEvent(QEvent* event) override
    {
        Widget::leaveEvent(event);
        if constexpr ((Routes & MOXRouteMouse) != 0)
            if (m_impl) m_impl->leaveControl();
    }

private:
    QString m_typeName;
    QString m_jsonData;
    MOXQWidgetBase m_base;
    std::unique_ptr<Impl> m_impl;
};

// The control interface of a widget, or null when it is not a control.
inline IMOXQWidgetBase* moxControlOf(QObject* object)
{
    return qobject_cast<IMOXQWidgetBase*>(object);
}

} // namespace MOXQtLib
