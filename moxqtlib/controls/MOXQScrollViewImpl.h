#pragma once

// The scroll view's look and content: a background over the control and its viewport, the
// looks of its two scroll bars (read from "scrollbar" elements among its children) and the one
// content container it scrolls.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXScrollBarLooks.h"

#include <QPointer>
#include <QString>

namespace MOXQtLib {

class MOXQScrollViewImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQScrollViewImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;
    // Adopts the first container child as the content, once: a later call never replaces
    // (and so never deletes) the content it has.
    void resizeControl() override;
    void paintViewport(QWidget* viewport);

    // The view's two bars and their looks.
    MOXScrollBarLooks& bars() { return m_bars; }
    const MOXScrollBarLooks& bars() const { return m_bars; }
    QWidget* content() const { return m_content; }

    // One background; the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }

protected:
    // The background record, for the key tables of implementations derived from this one.
    FillStyle& backgroundRecord() { return m_background; }
    // The "scrollbar" elements of "child": read as the bars' looks, written back the same way.
    bool serializeLook(Json::Value* value, bool read) override;
    // The content container, which lives in the viewport rather than among the children.
    bool serializeContent(Json::Value* value, bool read) override;

private:
    FillStyle m_background;
    QPointer<QWidget> m_content;
    MOXScrollBarLooks m_bars;
};

} // namespace MOXQtLib
