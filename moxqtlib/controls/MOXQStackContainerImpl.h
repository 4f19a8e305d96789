#pragma once

// The stack container's pages and backgrounds. Exactly one page is shown at a time, stretched
// over the container; the others stay hidden. Pages are Qt children of the container; one that
// is deleted or moved to another parent leaves the list by itself.

#include "FillStyle.h"
#include "MOXQWidgetBaseImpl.h"

#include <QVector>

namespace MOXQtLib {

class MOXQStackContainerImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQStackContainerImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    void drawControl(QPainter* painter, const QRect& rect) override;

    // See MOXQStackContainer.
    int insertWidget(int index, QWidget* widget);
    void removeWidget(QWidget* widget);
    void setCurrentIndex(int index);
    int currentIndex() const { return m_current; }
    QWidget* widget(int index) const;
    int indexOf(const QObject* widget) const;
    int count() const { return m_pages.size(); }

    // State 0 the normal background, any other state the disabled one.
    void setBackgroundState(int state, const FillStyle& style);
    const FillStyle& getBackgroundState(int state) const;
    void setBackground(const FillStyle& style) { setBackgroundState(0, style); }
    void setDisableBackground(const FillStyle& style) { setBackgroundState(1, style); }
    void setDrawBackground(bool draw) { storeAndUpdate(m_drawBackground, draw); }
    bool getDrawBackground() const { return m_drawBackground; }

    // Shows the current page over the whole container and lays out the containers in it.
    void refreshCurrent();
    int refreshCount() const { return m_refreshes; }
    // Stretches a page over the container (through its companion for a control).
    void fitPage(QWidget* page);
    void fitAllPages();
    // A page that is no longer a child (deleted or re-parented) leaves the list; the widget is
    // not touched, it may be half destroyed.
    void childGone(const QObject* child);

private:
    // Takes the page at `index` out of the list and picks the page shown after it.
    void dropPage(int index);

    bool m_drawBackground = true;
    FillStyle m_normal;
    FillStyle m_disabled;
    QVector<QWidget*> m_pages;
    int m_current = -1;
    bool m_refreshing = false;
    int m_refreshes = 0;
};

} // namespace MOXQtLib
