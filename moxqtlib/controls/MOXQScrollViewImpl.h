#pragma once

// The scroll view's look and content: a background over the control and its viewport, the
// looks of its two scroll bars (read from "scrollbar" elements among its children) and the one
// content container it scrolls.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXQWidgetBaseImpl.h"

#include <QPointer>
#include <QString>

#include <array>

namespace MOXQtLib {

class MOXQScrollBar;

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

    // The view's bar of that orientation when it is a library bar, else null.
    MOXQScrollBar* bar(bool horizontal) const;
    QWidget* content() const { return m_content; }

    // One background; the state is ignored.
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int) const { return m_background; }

    // The thickness of one bar, and the length of its step buttons. Each is a part of that
    // bar's style sheet; the two parts are kept apart and combined. Below 0: no rule.
    void setScrollbarSize(bool horizontal, int size);
    int getScrollbarSize(bool horizontal) const { return m_thickness[horizontal ? 1 : 0]; }
    void setScrollbarBtnSize(bool horizontal, int size);
    int getScrollbarBtnSize(bool horizontal) const { return m_buttonSize[horizontal ? 1 : 0]; }
    // The style sheet a bar gets from those parts.
    static QString barStyleSheet(bool horizontal, int thickness, int buttonSize);

protected:
    // The background record, for the key tables of implementations derived from this one.
    FillStyle& backgroundRecord() { return m_background; }
    // The "scrollbar" elements of "child": read as the bars' looks, written back the same way.
    bool serializeLook(Json::Value* value, bool read) override;
    // The content container, which lives in the viewport rather than among the children.
    bool serializeContent(Json::Value* value, bool read) override;

private:
    void readBarElement(const Json::Value& element);
    bool writeBarElement(bool horizontal, Json::Value& element) const;
    void applyStyleSheet(bool horizontal);

    FillStyle m_background;
    QPointer<QWidget> m_content;
    std::array<int, 2> m_thickness{-1, -1};
    std::array<int, 2> m_buttonSize{-1, -1};
};

} // namespace MOXQtLib
