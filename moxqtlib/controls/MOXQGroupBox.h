#pragma once

// The library's group box ("qtgroupbox"): a titled one-pixel frame around a region. It is a
// plain widget; children placed on it are not laid out by it.

#include "MOXControlInfo.h"
#include "MOXQControl.h"
#include "MOXQGroupBoxImpl.h"

#include <QWidget>

namespace MOXQtLib {

class MOXQGroupBox : public MOXQControl<QWidget, MOXQGroupBoxImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQGroupBox(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtgroupbox"); }
    static ControlInfo getProps();
    static QWidget* createMOXQGroupBox() { return new MOXQGroupBox; }

    // The title; "|->key" titles follow the language. Does not repaint.
    void setText(const QString& text) { impl()->setText(text); }
    QString getText() const { return impl()->getText(); }
    // A single text style and a single background; the state is ignored. The background is
    // kept and written but not painted.
    void setTextStyle(CtrlState state, const TextStyleDesc& style)
    {
        impl()->setTextStyle(state, style);
    }
    const TextStyleDesc& getTextStyle(CtrlState state) const { return impl()->getTextStyle(state); }
    void setBackground(CtrlState state, const FillStyle& style)
    {
        impl()->setBackground(state, style);
    }
    const FillStyle& getBackground(CtrlState state) const { return impl()->getBackground(state); }
    // The outline's colour, and how far its bottom edge rises (a size of n lifts it n - 1
    // pixels). Neither repaints.
    void setLineColor(const QColor& color) { impl()->setLineColor(color); }
    QColor getLineColor() const { return impl()->getLineColor(); }
    void setLineSize(int size) { impl()->setLineSize(size); }
    int getLineSize() const { return impl()->getLineSize(); }
    // Off: no title and only a small gap in the top edge.
    void setShowText(bool show) { impl()->setShowText(show); }
    bool getShowText() const { return impl()->getShowText(); }
};

} // namespace MOXQtLib
