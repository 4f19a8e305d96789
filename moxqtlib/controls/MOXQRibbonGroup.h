#pragma once

// A group of a ribbon page: large buttons and panels that take its full height, small items
// stacked in columns of the bar's row count, and its title in the band at the bottom.

#include "MOXQRibbonPushButton.h"
#include "MOXRibbonLayout.h"

#include <QFrame>
#include <QPointer>
#include <QStringList>
#include <QVector>

namespace MOXQtLib {

class MOXQCheckBox;
class MOXQComboBox;
class MOXQLabel;
class MOXQLineEdit;
class MOXQProgressBar;
class MOXQRadioButton;
class MOXQRibbonBar;
class MOXQRibbonPage;
class MOXQRibbonPanel;
class MOXQSpinBox;
class MOXQSwitch;

class MOXQRibbonGroup : public QFrame
{
    Q_OBJECT
public:
    explicit MOXQRibbonGroup(const QString& title, MOXQRibbonPage* page = nullptr);

    QString groupText() const { return m_title; }
    void setGroupText(const QString& title);
    MOXQRibbonPage* page() const;
    // The bar the group is shown in, or null.
    MOXQRibbonBar* bar() const;

    // Each adder makes the item with the group as parent and appends it.
    MOXQRibbonPushButton* addButton(const QString& text, MOX_RIBBON_BUTTON_STYLE style);
    MOXQCheckBox* addCheckBox(const QString& text);
    MOXQRadioButton* addRadioButton(const QString& text);
    // The text is centred.
    MOXQLabel* addLabel(const QString& text);
    MOXQLineEdit* addLineEdit(const QString& text);
    MOXQComboBox* addComboBox(const QStringList& items);
    // The range is min to max (max below min counts as min); the value is clamped to it.
    MOXQSpinBox* addSpinBox(int value, int min, int max);
    MOXQProgressBar* addProgressBar(int value, int min, int max);
    // Checked means the thumb rests at the right end.
    MOXQSwitch* addSwitch(bool checked);
    // A thin vertical line between items.
    QWidget* addSeparator();
    // A panel of rows (side by side, or stacked when vertical); a width above 0 fixes the
    // panel's width in layout.
    MOXQRibbonPanel* addPanel(int width = 0);
    MOXQRibbonPanel* addVerticalPanel(int width = 0);
    // Any other widget as the next item (made a child of the group); null is ignored.
    void addItem(QWidget* item);

    // The items still alive, in insertion order.
    QVector<QWidget*> items() const;
    QVector<MOXQRibbonPanel*> panels() const;

    // Places the items in a content band `height` pixels high (the title band excluded).
    void updateLayout(int rowCount, int height);
    // The bar's row count, 3 outside a bar.
    int rowCount() const;
    // Every column the layout makes, at least 90 wide; as tall as the parent (92 without one).
    QSize sizeHint() const override;

    // The size an item takes in ribbon layout: its size hint, or the fixed size of its kind,
    // then its "moxRibbonWidth" / "moxRibbonHeight" when above 0; cut to the ribbon's bounds.
    static QSize itemSize(const QWidget* item);
    // Small buttons and the input controls stack in columns; the rest take the full height.
    static bool isRowItem(const QWidget* item);

    // The items the adders append, made for any parent (the bar's top bar uses them too).
    static MOXQRibbonPushButton* newButton(QWidget* parent, const QString& text, MOX_RIBBON_BUTTON_STYLE style);
    static MOXQCheckBox* newCheckBox(QWidget* parent, const QString& text);
    static MOXQRadioButton* newRadioButton(QWidget* parent, const QString& text);
    static MOXQLabel* newLabel(QWidget* parent, const QString& text);
    static MOXQLineEdit* newLineEdit(QWidget* parent, const QString& text);
    static MOXQComboBox* newComboBox(QWidget* parent, const QStringList& items);
    static MOXQSpinBox* newSpinBox(QWidget* parent, int value, int min, int max);
    static MOXQProgressBar* newProgressBar(QWidget* parent, int value, int min, int max);
    static MOXQSwitch* newSwitch(QWidget* parent, bool checked);
    static QWidget* newSeparator(QWidget* parent);
    // Items are parts of the bar (it builds them from its configuration): never written under
    // "child" or taken for a page's own controls.
    static void markPart(QWidget* item);
    // What a ribbon keeps of an item whatever its style says: labels centred both ways,
    // switch thumbs that fit the switch's 22-pixel row.
    static void fitItem(QWidget* item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <class W> W* append(W* item)
    {
        addItem(item);
        return item;
    }
    QVector<MOXRibbonItemSize> itemSizes() const;

    QString m_title;
    QVector<QPointer<QWidget>> m_items;
    QVector<QPointer<MOXQRibbonPanel>> m_panels;
};

} // namespace MOXQtLib
