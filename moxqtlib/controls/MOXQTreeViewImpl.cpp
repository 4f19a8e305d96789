#include "MOXQTreeViewImpl.h"

#include "MOXJson.h"
#include "MOXKey.h"
#include "MOXQStylePainter.h"
#include "MOXQtLib.h"
#include "MOXViewportBackground.h"

#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>
#include <functional>

namespace MOXQtLib {

namespace {

// Hostile files may nest without end or list millions of rows: what lies beyond stays out.
constexpr int kMaxItemDepth = 64;
constexpr int kMaxItemCount = 1 << 20;

bool readEntries(const Json::Value& value, MOXQTreeItemEntries& out, int depth, int& budget)
{
    if (!value.isArray()) return false;
    MOXQTreeItemEntries entries;
    for (const Json::Value& member : value) {
        if (budget <= 0) break;
        MOXQTreeItemEntry entry;
        if (!jsonToString(member, entry.text)) {
            if (!member.isObject()) continue;
            jsonReadString(member, "text", entry.text);
            jsonReadString(member, "icon", entry.icon);
            jsonReadBool(member, "expanded", entry.expanded);
        }
        --budget;
        if (member.isObject() && depth < kMaxItemDepth && member.isMember("children"))
            readEntries(member["children"], entry.children, depth + 1, budget);
        entries.append(entry);
    }
    out = entries;
    return true;
}

// "items": an array whose members are texts, or objects {"text", "icon", "expanded",
// "children"} for rows with more than a text. Members of any other type are skipped.
bool readItemEntries(const Json::Value& value, MOXQTreeItemEntries& out)
{
    int budget = kMaxItemCount;
    return readEntries(value, out, 0, budget);
}

Json::Value writeItemEntries(const MOXQTreeItemEntries& entries)
{
    Json::Value array(Json::arrayValue);
    for (const MOXQTreeItemEntry& entry : entries) {
        if (entry.icon.isEmpty() && !entry.expanded && entry.children.isEmpty()) {
            array.append(entry.text.toStdString());
            continue;
        }
        Json::Value object(Json::objectValue);
        object["text"] = entry.text.toStdString();
        if (!entry.icon.isEmpty()) object["icon"] = entry.icon.toStdString();
        if (entry.expanded) object["expanded"] = true;
        if (!entry.children.isEmpty()) object["children"] = writeItemEntries(entry.children);
        array.append(object);
    }
    return array;
}

constexpr MOXKeyCodec<MOXQTreeItemEntries> kItemEntriesCodec{&readItemEntries, &writeItemEntries};

QStandardItem* makeItem(const MOXQTreeItemEntry& entry)
{
    auto* item = new QStandardItem(entry.text);
    item->setEditable(false);
    if (!entry.icon.isEmpty()) item->setData(entry.icon, Qt::DecorationRole);
    for (const MOXQTreeItemEntry& child : entry.children)
        item->appendRow(makeItem(child));
    return item;
}

} // namespace

MOXQTreeViewImpl::MOXQTreeViewImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_bars(qobject_cast<QAbstractScrollArea*>(owner))
{
}

MOXQTreeViewImpl::~MOXQTreeViewImpl()
{
    // The models outlive neither the tree nor this object; the view lets go of them first.
    if (QTreeView* t = tree()) {
        if (t->model() == m_demoModel || t->model() == m_itemsModel) t->setModel(nullptr);
    }
    delete m_demoModel.data();
    delete m_itemsModel.data();
}

const MOXKeyTable& MOXQTreeViewImpl::keys()
{
    using I = MOXQTreeViewImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            i.m_items.addStyleSlots(s);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setItemTextStyle, &I::getItemTextStyle),
        // Left out at the default 0 only: a height of 20 left out would read back as 0.
        moxKey<I>("itemHeight", &I::getItemHeight, &I::setItemHeight)
            .ownThenTheme()
            .property("ItemHeight", PropertyDef::Integer),
        moxKey<I>("items", &I::getItemEntries, &I::setItemEntries, kItemEntriesCodec).content(),
    };
    return table;
}

QTreeView* MOXQTreeViewImpl::tree() const
{
    return ownerAs<QTreeView>();
}

void MOXQTreeViewImpl::updateViewport() const
{
    if (QTreeView* t = tree()) t->viewport()->update();
}

void MOXQTreeViewImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
}

void MOXQTreeViewImpl::paintBackground(QWidget* widget) const
{
    MOXViewportBackground::paint(widget, m_background);
}

void MOXQTreeViewImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateViewportOpacity();
    if (QTreeView* t = tree())
        if (t->cornerWidget()) t->cornerWidget()->update();
    updateOwner();
    updateViewport();
}

void MOXQTreeViewImpl::setItemBackground(int state, const FillStyle& style)
{
    if (m_items.setBackground(state, style)) updateViewport();
}

void MOXQTreeViewImpl::setItemTextStyle(int state, const TextStyleDesc& style)
{
    if (!m_items.setTextStyle(state, style)) return;
    updateBranchColour();
    updateViewport();
}

void MOXQTreeViewImpl::updateBranchColour() const
{
    QTreeView* t = tree();
    if (!t) return;
    // Qt draws the branch arrows itself, in the palette's text colours: they follow the rows'
    // Normal text so they stay visible on any background.
    const QColor colour = m_items.getTextStyle(CtrlStateNormal).color;
    QPalette palette = t->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, colour);
    if (palette != t->palette()) t->setPalette(palette);
}

void MOXQTreeViewImpl::setItemHeight(int height)
{
    height = std::clamp(height, 0, kMaxItemHeight);
    if (height == m_itemHeight) return;
    m_itemHeight = height;
    // Rows keep the height Qt has cached until it lays them out again.
    if (QTreeView* t = tree()) t->doItemsLayout();
}

int MOXQTreeViewImpl::rowWidth(const QMap<int, QVariant>& data, int rowHeight,
                               const TextStyleDesc& text)
{
    const int column = MOXQItemLooks::iconSize(rowHeight) + 4;
    const bool hasDisplay = data.contains(Qt::DisplayRole);
    int width = 0;
    for (auto it = data.cbegin(); it != data.cend(); ++it) {
        const QVariant& value = it.value();
        if (value.userType() == QMetaType::QIcon) {
            width += column;
        } else if (value.userType() == QMetaType::QString) {
            if (it.key() == Qt::DecorationRole)
                width += column;
            else if (it.key() != Qt::EditRole || !hasDisplay)
                width += measureText(value.toString(), text).width() + 4;
        }
    }
    return width;
}

void MOXQTreeViewImpl::replaceOwnModel(QPointer<QStandardItemModel>& current,
                                       QStandardItemModel* model)
{
    QStandardItemModel* previous = current.data();
    current = model;
    if (QTreeView* t = tree()) t->setModel(model);
    delete previous;
}

QStandardItemModel* MOXQTreeViewImpl::demoModel() const
{
    const QTreeView* t = tree();
    return t && m_demoModel && t->model() == m_demoModel ? m_demoModel.data() : nullptr;
}

void MOXQTreeViewImpl::resizeControl()
{
    QTreeView* t = tree();
    if (!t || !moxIsQtEmulator() || demoModel()) return;
    // Never over rows the application or the page gave the tree.
    if (t->model() && t->model()->rowCount() > 0) return;
    auto* model = new QStandardItemModel;
    for (int row = 0; row < 100; ++row) {
        auto* item = new QStandardItem(QStringLiteral("item1"));
        item->setCheckable(true);
        item->appendRow({new QStandardItem(QStringLiteral("item2")),
                         new QStandardItem(QStringLiteral("item3"))});
        model->appendRow(item);
    }
    replaceOwnModel(m_demoModel, model);
}

void MOXQTreeViewImpl::setItemEntries(const MOXQTreeItemEntries& entries)
{
    QTreeView* t = tree();
    if (!t) return;
    auto* model = new QStandardItemModel;
    for (const MOXQTreeItemEntry& entry : entries)
        model->appendRow(makeItem(entry));
    replaceOwnModel(m_itemsModel, model);
    std::function<void(const MOXQTreeItemEntries&, const QModelIndex&)> expand =
        [&](const MOXQTreeItemEntries& list, const QModelIndex& parent) {
            for (int row = 0; row < list.size(); ++row) {
                const QModelIndex index = model->index(row, 0, parent);
                if (list[row].expanded) t->setExpanded(index, true);
                if (!list[row].children.isEmpty()) expand(list[row].children, index);
            }
        };
    expand(entries, QModelIndex());
}

MOXQTreeItemEntries MOXQTreeViewImpl::getItemEntries() const
{
    const QTreeView* t = tree();
    // Rows of the application's model or of the designer's samples stay its own.
    if (!t || !m_itemsModel || t->model() != m_itemsModel) return {};
    std::function<MOXQTreeItemEntries(const QModelIndex&)> collect =
        [&](const QModelIndex& parent) {
            MOXQTreeItemEntries list;
            const int rows = m_itemsModel->rowCount(parent);
            list.reserve(rows);
            for (int row = 0; row < rows; ++row) {
                const QModelIndex index = m_itemsModel->index(row, 0, parent);
                MOXQTreeItemEntry entry;
                entry.text = index.data(Qt::DisplayRole).toString();
                const QVariant icon = index.data(Qt::DecorationRole);
                if (icon.userType() == QMetaType::QString) entry.icon = icon.toString();
                entry.expanded = t->isExpanded(index);
                entry.children = collect(index);
                list.append(entry);
            }
            return list;
        };
    return collect(QModelIndex());
}

void MOXQTreeViewImpl::updateViewportOpacity() const
{
    if (QTreeView* t = tree()) MOXViewportBackground::updateOpacity(t->viewport(), m_background);
}

void MOXQTreeViewImpl::keysRead()
{
    updateViewportOpacity();
    updateBranchColour();
}

bool MOXQTreeViewImpl::serializeLook(Json::Value* value, bool read)
{
    return m_bars.serialize(value, read);
}

} // namespace MOXQtLib
