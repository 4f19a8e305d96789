#pragma once

// The splitter bar's look and what it carries for the application: its orientation, the two
// neighbouring widgets and a limit for each side. The bar itself moves nothing.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"

#include <QPointer>

namespace MOXQtLib {

class MOXQSplitterImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQSplitterImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The background over the whole bar; nothing until a valid style is set.
    void drawControl(QPainter* painter, const QRect& rect) override;

    // None of the setters repaints.
    void setIsHor(bool horizontal) { m_horizontal = horizontal; }
    bool getIsHor() const { return m_horizontal; }
    void setUpLeftWidget(QWidget* widget) { m_upLeft = widget; }
    QWidget* getUpLeftWidget() const { return m_upLeft; }
    void setDownRightWidget(QWidget* widget) { m_downRight = widget; }
    QWidget* getDownRightWidget() const { return m_downRight; }
    void setUpLeftLimit(int limit) { m_upLeftLimit = limit; }
    int getUpLeftLimit() const { return m_upLeftLimit; }
    void setDownRightLimit(int limit) { m_downRightLimit = limit; }
    int getDownRightLimit() const { return m_downRightLimit; }
    void setBackground(const FillStyle& style) { m_background = style; }
    FillStyle getBackground() const { return m_background; }

private:
    bool m_horizontal = true;
    // Not owned; null once deleted elsewhere.
    QPointer<QWidget> m_upLeft;
    QPointer<QWidget> m_downRight;
    FillStyle m_background;
    int m_upLeftLimit = -1;
    int m_downRightLimit = -1;
};

} // namespace MOXQtLib
