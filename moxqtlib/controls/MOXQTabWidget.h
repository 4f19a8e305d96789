#pragma once

// The library's tab strip ("qttab"): equally sized, style-drawn items side by side or stacked,
// one selected and one hovered. It holds no pages: it reports the chosen item and the host
// shows the matching content.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQTabWidgetImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQTabWidget : public MOXQControl<QWidget, MOXQTabWidgetImpl, MOXRoutePaint>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQTabWidget(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qttab"); }
    static ControlInfo getProps();
    static QWidget* createMOXQTabWidget() { return new MOXQTabWidget; }

    // An empty selected icon means the icon.
    void addTab(const QString& text, const QString& icon = QString(), const QString& selectedIcon = QString()) { impl()->addTab(text, icon, selectedIcon); }
    // The selection and hover move with the items behind the removed one; indexes out of range
    // change nothing.
    void removeTab(int index) { impl()->removeTab(index); }
    void clear() { impl()->clear(); }
    int getTabCount() const { return impl()->getTabCount(); }
    // Empty text, false and an invalid QVariant for indexes out of range.
    QString getTabText(int index) const { return impl()->getTabText(index); }
    bool setItemData(int index, const QVariant& data) { return impl()->setItemData(index, data); }
    QVariant getItemData(int index) const { return impl()->getItemData(index); }

    // Emits currentChanged when it selects another item; indexes out of range are ignored.
    void setSelectedIndex(int index) { impl()->setSelectedIndex(index); }
    int getSelectedIndex() const { return impl()->getSelectedIndex(); }

    void setIsHor(bool horizontal) { impl()->setIsHor(horizontal); }
    bool getIsHor() const { return impl()->getIsHor(); }
    // Width of an item side by side, height of a stacked one.
    void setItemSize(int size) { impl()->setItemSize(size); }
    int getItemSize() const { return impl()->getItemSize(); }
    void setItemSpace(int space) { impl()->setItemSpace(space); }
    int getItemSpace() const { return impl()->getItemSpace(); }
    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }
    void setShowIcon(bool show) { impl()->setShowIcon(show); }
    bool getShowIcon() const { return impl()->getShowIcon(); }
    void setIconStyle(const IconStyleDesc& style) { impl()->setIconStyle(style); }

    // The strip's background. Items: Normal, Hot under the mouse, Pressed when selected
    // (Disable is kept but not drawn); state 4 sets all four.
    void setBackground(const FillStyle& style) { impl()->setBackground(0, style); }
    void setItemBackground(CtrlState state, const FillStyle& style) { impl()->setItemBackground(state, style); }
    const FillStyle& getItemBackground(CtrlState state) const { return impl()->getItemBackground(state); }
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style) { impl()->setItemTextStyle(state, style); }
    const TextStyleDesc& getItemTextStyle(CtrlState state) const { return impl()->getItemTextStyle(state); }

    // In the designer's emulator a new strip shows three sample items.
    void createComplete() override;

signals:
    // A press on an item always reports it, also when it was selected already.
    void currentChanged(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
