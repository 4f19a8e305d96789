#include "MOXQRibbonGroup.h"

#include "MOXQCheckBox.h"
#include "MOXQComboBox.h"
#include "MOXQLabel.h"
#include "MOXQLineEdit.h"
#include "MOXQProgressBar.h"
#include "MOXQRadioButton.h"
#include "MOXQRibbonBar.h"
#include "MOXQRibbonPage.h"
#include "MOXQRibbonPanel.h"
#include "MOXQSpinBox.h"
#include "MOXQStylePainter.h"
#include "MOXQSwitch.h"

#include <QPainter>

#include <algorithm>

namespace MOXQtLib {

namespace {

// A switch's thumb in a ribbon row: its 22 pixels less the switch's margins.
constexpr int kSwitchThumb = 18;

class RibbonSeparator : public QWidget
{
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return QSize(9, 64); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(0xC6, 0xCE, 0xD8));
        painter.drawLine(width() / 2, 8, width() / 2, height() - 8);
    }
};

// The size the input controls take in a ribbon, whatever they would hint.
QSize fixedSize(const QWidget* item)
{
    if (qobject_cast<const MOXQComboBox*>(item)) return QSize(122, 24);
    if (qobject_cast<const MOXQProgressBar*>(item)) return QSize(122, 18);
    if (qobject_cast<const MOXQCheckBox*>(item) || qobject_cast<const MOXQRadioButton*>(item))
        return QSize(112, 24);
    if (qobject_cast<const MOXQLabel*>(item)) return QSize(48, 24);
    if (qobject_cast<const MOXQLineEdit*>(item)) return QSize(180, 24);
    if (qobject_cast<const MOXQSpinBox*>(item)) return QSize(68, 24);
    if (qobject_cast<const MOXQSwitch*>(item)) return QSize(44, 22);
    return QSize();
}

} // namespace

QWidget* MOXQRibbonGroup::newSeparator(QWidget* parent)
{
    return new RibbonSeparator(parent);
}

QSize MOXQRibbonGroup::itemSize(const QWidget* item)
{
    if (!item) return QSize();
    QSize size = fixedSize(item);
    if (!size.isValid()) size = item->sizeHint();
    const int w = item->property("moxRibbonWidth").toInt();
    const int h = item->property("moxRibbonHeight").toInt();
    if (w > 0) size.setWidth(w);
    if (h > 0) size.setHeight(h);
    return QSize(moxRibbonExtent(size.width()), moxRibbonExtent(size.height()));
}

bool MOXQRibbonGroup::isRowItem(const QWidget* item)
{
    if (const auto* button = qobject_cast<const MOXQRibbonPushButton*>(item))
        return button->isSmall();
    return fixedSize(item).isValid();
}

MOXQRibbonGroup::MOXQRibbonGroup(const QString& title, MOXQRibbonPage* page)
    : QFrame(page), m_title(title)
{
    setMouseTracking(true);
}

MOXQRibbonPage* MOXQRibbonGroup::page() const
{
    return qobject_cast<MOXQRibbonPage*>(parentWidget());
}

MOXQRibbonBar* MOXQRibbonGroup::bar() const
{
    return MOXQRibbonBar::barOf(this);
}

void MOXQRibbonGroup::setGroupText(const QString& title)
{
    if (title == m_title) return;
    m_title = title;
    update();
}

// --- items ------------------------------------------------------------------------------------

void MOXQRibbonGroup::addItem(QWidget* item)
{
    if (!item) return;
    if (item->parentWidget() != this) item->setParent(this);
    item->show();
    m_items.append(item);
    markPart(item);
    if (const MOXQRibbonBar* b = bar()) b->styleItem(item);
    updateGeometry();
    updateLayout(rowCount(), std::max(height() - kRibbonTitleHeight, 0));
}

MOXQRibbonPushButton* MOXQRibbonGroup::newButton(QWidget* parent, const QString& text,
                                                 MOX_RIBBON_BUTTON_STYLE style)
{
    auto* button = new MOXQRibbonPushButton(style, parent);
    button->setText(text);
    return button;
}

MOXQCheckBox* MOXQRibbonGroup::newCheckBox(QWidget* parent, const QString& text)
{
    auto* box = new MOXQCheckBox(parent);
    box->setText(text);
    return box;
}

MOXQRadioButton* MOXQRibbonGroup::newRadioButton(QWidget* parent, const QString& text)
{
    auto* radio = new MOXQRadioButton(parent);
    radio->setText(text);
    return radio;
}

void MOXQRibbonGroup::markPart(QWidget* item)
{
    if (IMOXQWidgetBase* control = moxControlOf(item)) control->getControlBase()->setInternal(true);
}

void MOXQRibbonGroup::fitItem(QWidget* item)
{
    if (auto* sw = qobject_cast<MOXQSwitch*>(item)) {
        sw->setThumbSize(kSwitchThumb, kSwitchThumb);
        return;
    }
    auto* label = qobject_cast<MOXQLabel*>(item);
    if (!label) return;
    TextStyleDesc style = label->getTextStyle(CtrlStateNormal);
    if (style.horAlign == 1 && style.verAlign == 1) return;
    style.horAlign = 1;
    style.verAlign = 1;
    label->setTextStyle(CtrlState(kMoxAllStates), style);
}

MOXQLabel* MOXQRibbonGroup::newLabel(QWidget* parent, const QString& text)
{
    auto* label = new MOXQLabel(parent);
    label->setText(text);
    fitItem(label);
    return label;
}

MOXQLineEdit* MOXQRibbonGroup::newLineEdit(QWidget* parent, const QString& text)
{
    auto* edit = new MOXQLineEdit(parent);
    edit->setText(text);
    return edit;
}

MOXQComboBox* MOXQRibbonGroup::newComboBox(QWidget* parent, const QStringList& items)
{
    auto* combo = new MOXQComboBox(parent);
    combo->addItems(items);
    return combo;
}

MOXQSpinBox* MOXQRibbonGroup::newSpinBox(QWidget* parent, int value, int min, int max)
{
    auto* spin = new MOXQSpinBox(parent);
    spin->setRange(min, std::max(min, max));
    spin->setValue(value);
    return spin;
}

MOXQProgressBar* MOXQRibbonGroup::newProgressBar(QWidget* parent, int value, int min, int max)
{
    auto* bar = new MOXQProgressBar(parent);
    bar->setRange(min, std::max(min, max));
    bar->setValue(std::min(std::max(value, min), std::max(min, max)));
    return bar;
}

MOXQSwitch* MOXQRibbonGroup::newSwitch(QWidget* parent, bool checked)
{
    auto* sw = new MOXQSwitch(parent);
    sw->setSwitchToLeft(!checked);
    fitItem(sw);
    return sw;
}

MOXQRibbonPushButton* MOXQRibbonGroup::addButton(const QString& text, MOX_RIBBON_BUTTON_STYLE style)
{
    return append(newButton(this, text, style));
}

MOXQCheckBox* MOXQRibbonGroup::addCheckBox(const QString& text)
{
    return append(newCheckBox(this, text));
}

MOXQRadioButton* MOXQRibbonGroup::addRadioButton(const QString& text)
{
    return append(newRadioButton(this, text));
}

MOXQLabel* MOXQRibbonGroup::addLabel(const QString& text)
{
    return append(newLabel(this, text));
}

MOXQLineEdit* MOXQRibbonGroup::addLineEdit(const QString& text)
{
    return append(newLineEdit(this, text));
}

MOXQComboBox* MOXQRibbonGroup::addComboBox(const QStringList& items)
{
    return append(newComboBox(this, items));
}

MOXQSpinBox* MOXQRibbonGroup::addSpinBox(int value, int min, int max)
{
    return append(newSpinBox(this, value, min, max));
}

MOXQProgressBar* MOXQRibbonGroup::addProgressBar(int value, int min, int max)
{
    return append(newProgressBar(this, value, min, max));
}

MOXQSwitch* MOXQRibbonGroup::addSwitch(bool checked)
{
    return append(newSwitch(this, checked));
}

QWidget* MOXQRibbonGroup::addSeparator()
{
    return append(newSeparator(this));
}

MOXQRibbonPanel* MOXQRibbonGroup::addPanel(int width)
{
    auto* panel = new MOXQRibbonPanel(false, this);
    if (width > 0) panel->setProperty("moxRibbonWidth", moxRibbonExtent(width));
    m_panels.append(panel);
    return append(panel);
}

MOXQRibbonPanel* MOXQRibbonGroup::addVerticalPanel(int width)
{
    auto* panel = new MOXQRibbonPanel(true, this);
    if (width > 0) panel->setProperty("moxRibbonWidth", moxRibbonExtent(width));
    m_panels.append(panel);
    return append(panel);
}

QVector<QWidget*> MOXQRibbonGroup::items() const
{
    QVector<QWidget*> alive;
    for (const QPointer<QWidget>& item : m_items)
        if (item) alive.append(item);
    return alive;
}

QVector<MOXQRibbonPanel*> MOXQRibbonGroup::panels() const
{
    QVector<MOXQRibbonPanel*> alive;
    for (const QPointer<MOXQRibbonPanel>& panel : m_panels)
        if (panel) alive.append(panel);
    return alive;
}

// --- layout -----------------------------------------------------------------------------------

QVector<MOXRibbonItemSize> MOXQRibbonGroup::itemSizes() const
{
    QVector<MOXRibbonItemSize> sizes;
    for (QWidget* item : items())
        sizes.append({itemSize(item), isRowItem(item)});
    return sizes;
}

int MOXQRibbonGroup::rowCount() const
{
    const MOXQRibbonBar* b = bar();
    return b ? b->groupRowCount() : 3;
}

void MOXQRibbonGroup::updateLayout(int rowCount, int height)
{
    const QVector<QWidget*> list = items();
    const QVector<QRect> rects = moxRibbonGroupLayout(itemSizes(), rowCount, height);
    for (int i = 0; i < list.size(); ++i)
        list[i]->setGeometry(rects[i]);
}

QSize MOXQRibbonGroup::sizeHint() const
{
    const QWidget* parent = parentWidget();
    return QSize(moxRibbonGroupWidthHint(itemSizes(), rowCount()), parent ? parent->height() : 92);
}

void MOXQRibbonGroup::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    updateLayout(rowCount(), std::max(height() - kRibbonTitleHeight, 0));
}

void MOXQRibbonGroup::paintEvent(QPaintEvent*)
{
    const MOXQRibbonBar* b = bar();
    if (!b) return;
    QPainter painter(this);
    const MOXQRibbonBarImpl* looks = b->impl();
    drawFillStyle(&painter, looks->fillStyle(MOXQRibbonBarImpl::GroupBackground),
                  rect().adjusted(0, 0, -1, -1));
    drawText(&painter, m_title, looks->textStyle(MOXQRibbonBarImpl::GroupTitleText),
             QRect(QPoint(4, height() - kRibbonTitleHeight), QPoint(width() - 5, height() - 3)));
}

} // namespace MOXQtLib
