#include "MOXQListImpl.h"

#include "MOXJson.h"
#include "MOXKey.h"
#include "MOXQStylePainter.h"
#include "MOXQtLib.h"
#include "MOXViewportBackground.h"

#include <QListWidget>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace MOXQtLib {

namespace {

// "items": an array whose members are texts, or objects {"text", "icon", "selected"} for items
// with an icon or a selection. Members of any other type are skipped.
bool readItemEntries(const Json::Value& value, MOXQListItemEntries& out)
{
    if (!value.isArray()) return false;
    MOXQListItemEntries entries;
    entries.reserve(int(std::min<Json::ArrayIndex>(value.size(), 1u << 20)));
    for (const Json::Value& member : value) {
        MOXQListItemEntry entry;
        if (jsonToString(member, entry.text)) {
            entries.append(entry);
            continue;
        }
        if (!member.isObject()) continue;
        jsonReadString(member, "text", entry.text);
        jsonReadString(member, "icon", entry.icon);
        jsonReadBool(member, "selected", entry.selected);
        entries.append(entry);
    }
    out = entries;
    return true;
}

Json::Value writeItemEntries(const MOXQListItemEntries& entries)
{
    Json::Value array(Json::arrayValue);
    for (const MOXQListItemEntry& entry : entries) {
        if (entry.icon.isEmpty() && !entry.selected) {
            array.append(entry.text.toStdString());
            continue;
        }
        Json::Value object(Json::objectValue);
        object["text"] = entry.text.toStdString();
        if (!entry.icon.isEmpty()) object["icon"] = entry.icon.toStdString();
        if (entry.selected) object["selected"] = true;
        array.append(object);
    }
    return array;
}

constexpr MOXKeyCodec<MOXQListItemEntries> kItemEntriesCodec{&readItemEntries, &writeItemEntries};

} // namespace

MOXQListImpl::MOXQListImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_bars(qobject_cast<QAbstractScrollArea*>(owner))
{
}

const MOXKeyTable& MOXQListImpl::keys()
{
    using I = MOXQListImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            i.m_items.addStyleSlots(s);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("ItemBackground", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setItemTextStyle, &I::getItemTextStyle),
        moxProperty<I>("MultiSelect", PropertyDef::Boolean, &I::getIsMultiSelected,
                       &I::setIsMultiSelected),
        // How the list behaves, not how it looks: never taken from a theme entry.
        moxKey<I>("multiselect", &I::isMultiSelection, &I::setIsMultiSelected).content(),
        moxKey<I>("itemHeight", &I::getItemHeight, &I::setItemHeight)
            .ownThenTheme()
            .omit(kDefaultItemHeight)
            .property("ItemHeight", PropertyDef::Integer),
        moxKey<I>("items", &I::getItemEntries, &I::setItemEntries, kItemEntriesCodec).content(),
    };
    return table;
}

QListWidget* MOXQListImpl::list() const
{
    return ownerAs<QListWidget>();
}

void MOXQListImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
}

void MOXQListImpl::resizeControl()
{
    QListWidget* l = list();
    // Completing the creation may run again (a relayout): the samples come once, and never
    // over items the list already has.
    if (!l || m_demoAdded || !moxIsQtEmulator()) return;
    m_demoAdded = true;
    if (l->count() > 0) return;
    for (int i = 0; i < kDemoItems; ++i)
        l->addItem(demoText(i));
}

QString MOXQListImpl::demoText(int row)
{
    return QStringLiteral("item %1").arg(row);
}

bool MOXQListImpl::showsOnlyDemoItems() const
{
    const QListWidget* l = list();
    if (!l || !m_demoAdded || l->count() != kDemoItems) return false;
    for (int row = 0; row < kDemoItems; ++row)
        if (l->item(row)->text() != demoText(row)) return false;
    return true;
}

void MOXQListImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateViewportOpacity();
    updateOwner();
    if (QListWidget* l = list()) l->viewport()->update();
}

void MOXQListImpl::updateViewportOpacity() const
{
    if (QListWidget* l = list()) MOXViewportBackground::updateOpacity(l->viewport(), m_background);
}

void MOXQListImpl::setItemBackground(int state, const FillStyle& style)
{
    if (!m_items.setBackground(state, style)) return;
    if (QListWidget* l = list()) l->viewport()->update();
}

void MOXQListImpl::setItemTextStyle(int state, const TextStyleDesc& style)
{
    if (!m_items.setTextStyle(state, style)) return;
    if (QListWidget* l = list()) l->viewport()->update();
}

void MOXQListImpl::setItemHeight(int height)
{
    height = std::clamp(height, 0, kMaxItemHeight);
    if (height == m_itemHeight) return;
    m_itemHeight = height;
    // Items keep a size Qt has cached until it lays them out again.
    if (QListWidget* l = list()) l->doItemsLayout();
}

void MOXQListImpl::setIsMultiSelected(bool multi)
{
    if (QListWidget* l = list())
        l->setSelectionMode(multi ? QAbstractItemView::MultiSelection
                                  : QAbstractItemView::SingleSelection);
}

bool MOXQListImpl::getIsMultiSelected() const
{
    const QListWidget* l = list();
    return l && l->selectionMode() != QAbstractItemView::SingleSelection;
}

bool MOXQListImpl::isMultiSelection() const
{
    const QListWidget* l = list();
    return l && l->selectionMode() == QAbstractItemView::MultiSelection;
}

void MOXQListImpl::updateRow(int row) const
{
    const QListWidget* l = list();
    if (!l || row < 0) return;
    if (const QListWidgetItem* item = l->item(row)) l->viewport()->update(l->visualItemRect(item));
}

void MOXQListImpl::setHoverRow(int row)
{
    const QListWidget* l = list();
    if (!l || row < 0 || row >= l->count()) row = -1;
    if (row == m_hoverRow) return;
    updateRow(m_hoverRow);
    m_hoverRow = row;
    updateRow(m_hoverRow);
}

void MOXQListImpl::setItemEntries(const MOXQListItemEntries& entries)
{
    QListWidget* l = list();
    if (!l) return;
    m_hoverRow = -1;
    m_pendingSelection.clear();
    l->clear();
    QStringList texts;
    texts.reserve(entries.size());
    for (const MOXQListItemEntry& entry : entries)
        texts.append(entry.text);
    // One insertion for all of them, however many there are.
    l->addItems(texts);
    for (int row = 0; row < entries.size(); ++row) {
        const MOXQListItemEntry& entry = entries[row];
        if (entry.icon.isEmpty() && !entry.selected) continue;
        QListWidgetItem* item = l->item(row);
        if (!entry.icon.isEmpty()) item->setData(Qt::DecorationRole, entry.icon);
        if (!entry.selected) continue;
        item->setSelected(true);
        m_pendingSelection.append(row);
    }
}

void MOXQListImpl::keysRead()
{
    updateViewportOpacity();
    QListWidget* l = list();
    const QVector<int> rows = std::exchange(m_pendingSelection, {});
    if (!l) return;
    for (int row : rows)
        if (QListWidgetItem* item = l->item(row)) item->setSelected(true);
}

MOXQListItemEntries MOXQListImpl::getItemEntries() const
{
    MOXQListItemEntries entries;
    const QListWidget* l = list();
    // The designer's samples stay out of the page it saves.
    if (!l || showsOnlyDemoItems()) return entries;
    entries.reserve(l->count());
    for (int row = 0; row < l->count(); ++row) {
        const QListWidgetItem* item = l->item(row);
        MOXQListItemEntry entry;
        entry.text = item->text();
        const QVariant icon = item->data(Qt::DecorationRole);
        // Only a path can be written; icons the program set stay its own.
        if (icon.userType() == QMetaType::QString) entry.icon = icon.toString();
        entry.selected = item->isSelected();
        entries.append(entry);
    }
    return entries;
}

bool MOXQListImpl::serializeLook(Json::Value* value, bool read)
{
    return m_bars.serialize(value, read);
}

} // namespace MOXQtLib
