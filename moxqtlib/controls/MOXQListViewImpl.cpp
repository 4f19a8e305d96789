#include "MOXQListViewImpl.h"

#include "MOXJson.h"
#include "MOXKey.h"
#include "MOXQContainer.h"
#include "MOXQLabelEx.h"
#include "MOXQListView.h"
#include "MOXQStylePainter.h"

#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace MOXQtLib {

namespace {

// "items": an array of objects, kept as their compact texts; other members are skipped.
bool readEntries(const Json::Value& value, QStringList& out)
{
    if (!value.isArray()) return false;
    QStringList entries;
    for (const Json::Value& member : value)
        if (member.isObject()) entries.append(jsonWriteQString(member));
    out = entries;
    return true;
}

Json::Value writeEntries(const QStringList& entries)
{
    Json::Value array(Json::arrayValue);
    for (const QString& text : entries) {
        Json::Value member;
        if (jsonParse(text, member) && member.isObject()) array.append(member);
    }
    return array;
}

constexpr MOXKeyCodec<QStringList> kEntriesCodec{&readEntries, &writeEntries};

FillStyle unsetFill()
{
    FillStyle style;
    style.valid = false;
    return style;
}

// Explicitly hidden, as opposed to not shown yet like everything inside the hidden template.
bool hiddenByHand(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
           widget->testAttribute(Qt::WA_WState_Hidden);
}

void collectElements(QWidget* widget, QVector<QPointer<QWidget>>& out)
{
    if (!MOXQWidgetBaseImpl::fromWidget(widget)) return;
    out.append(widget);
    for (QObject* child : widget->children())
        if (child->isWidgetType()) collectElements(static_cast<QWidget*>(child), out);
}

} // namespace

MOXQListViewImpl::MOXQListViewImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_itemBackgrounds(unsetFill()),
      m_bars(qobject_cast<QAbstractScrollArea*>(owner))
{
}

const MOXKeyTable& MOXQListViewImpl::keys()
{
    using I = MOXQListViewImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            s.addFillGroup(i.m_itemBackgrounds);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("ItemBackground", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxKey<I>("itemHeight", &I::getItemHeight, &I::setItemHeight)
            .ownThenTheme()
            .omit(20)
            .property("ItemHeight", PropertyDef::Integer),
        moxKey<I>("itemWidth", &I::getItemWidth, &I::setItemWidth)
            .ownThenTheme()
            .omit(20)
            .property("ItemWidth", PropertyDef::Integer),
        // Always written: a view starts with spacing 1, so a 0 left out would come back as 1.
        moxKey<I>("spacing", &I::getSpacing, &I::setSpacing)
            .ownThenTheme()
            .always()
            .property("ItemSpace", PropertyDef::Integer),
        moxKey<I>("itemMode", &I::getItemMode, &I::setItemMode)
            .ownThenTheme()
            .always()
            .property("ItemMode", PropertyDef::Enumeration)
            .choices({0, 1}, {QStringLiteral("List"), QStringLiteral("Icon")}),
        moxKey<I>("items", &I::getItemEntries, &I::setItemEntries, kEntriesCodec).content(),
    };
    return table;
}

QListView* MOXQListViewImpl::view() const
{
    return ownerAs<QListView>();
}

MOXQContainer* MOXQListViewImpl::templateContainer() const
{
    return qobject_cast<MOXQContainer*>(m_template.data());
}

void MOXQListViewImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
}

void MOXQListViewImpl::paintViewport(QWidget* viewport)
{
    QPainter painter(viewport);
    drawFillStyle(&painter, m_background, 0, 0, viewport->width(), viewport->height());
}

void MOXQListViewImpl::resizeControl()
{
    QWidget* owner = getOwner();
    if (!owner) return;
    for (QObject* child : owner->children())
        if (auto* box = qobject_cast<MOXQContainer*>(child)) {
            setItemTemplate(box);
            return;
        }
}

void MOXQListViewImpl::setItemTemplate(QWidget* widget)
{
    forgetRows();
    m_elements.clear();
    m_entryBase.clear();
    m_template = widget;
    m_stampedSize = QSize();
    if (widget) {
        widget->hide();
        collectElements(widget, m_elements);
    }
    if (QListView* v = view()) v->doItemsLayout();
    layOutTemplate();
}

void MOXQListViewImpl::layOutTemplate()
{
    QListView* v = view();
    if (!v) return;
    const int height = m_itemHeight > 0 ? m_itemHeight : 20;
    const int width = getItemMode() == 1 ? (m_itemWidth > 0 ? m_itemWidth : 20) : v->width();
    if (MOXQContainer* box = templateContainer()) {
        box->resize(std::max(width, 0), height);
        box->forceResize();
    }
}

void MOXQListViewImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    updateOwner();
    if (QListView* v = view()) v->viewport()->update();
}

void MOXQListViewImpl::setItemBackground(int state, const FillStyle& style)
{
    if (!m_itemBackgrounds.set(state, style)) return;
    if (QListView* v = view()) v->viewport()->update();
}

void MOXQListViewImpl::setItemHeight(int height)
{
    height = std::clamp(height, 0, 4096);
    if (height == m_itemHeight) return;
    m_itemHeight = height;
    if (QListView* v = view()) v->doItemsLayout();
}

void MOXQListViewImpl::setItemWidth(int width)
{
    width = std::clamp(width, 0, 4096);
    if (width == m_itemWidth) return;
    m_itemWidth = width;
    if (QListView* v = view()) v->doItemsLayout();
}

void MOXQListViewImpl::setEnableSelection(bool enable)
{
    if (enable == m_enableSelection) return;
    m_enableSelection = enable;
    clearHighLight();
}

void MOXQListViewImpl::setSpacing(int spacing)
{
    if (QListView* v = view()) v->setSpacing(std::clamp(spacing, 0, 1000));
}

int MOXQListViewImpl::getSpacing() const
{
    const QListView* v = view();
    return v ? v->spacing() : 0;
}

void MOXQListViewImpl::setItemMode(int mode)
{
    QListView* v = view();
    const QListView::ViewMode wanted = mode ? QListView::IconMode : QListView::ListMode;
    if (!v || v->viewMode() == wanted) return;
    v->setViewMode(wanted);
    // Items stay where the view puts them: the icon mode would let the user drag them about.
    v->setMovement(QListView::Static);
    v->setResizeMode(QListView::Adjust);
}

int MOXQListViewImpl::getItemMode() const
{
    const QListView* v = view();
    return v && v->viewMode() == QListView::IconMode ? 1 : 0;
}

void MOXQListViewImpl::setItemEntries(const QStringList& entries)
{
    QListView* v = view();
    if (!v) return;
    m_entries.clear();
    m_entryBase.clear();
    m_entries.reserve(size_t(entries.size()));
    for (const QString& text : entries) {
        Json::Value member;
        m_entries.push_back(jsonParse(text, member) && member.isObject() ? member
                                                                         : Json::Value());
    }
    QStandardItemModel* old = m_entriesModel;
    m_entriesModel = new QStandardItemModel(int(m_entries.size()), 1, v);
    v->setModel(m_entriesModel);
    delete old;
}

QStringList MOXQListViewImpl::getItemEntries() const
{
    QStringList out;
    const QListView* v = view();
    if (!v || !m_entriesModel || v->model() != m_entriesModel) return out;
    for (const Json::Value& member : m_entries)
        out.append(jsonWriteQString(member));
    return out;
}

namespace {

// What an item gives a template control: a bare text is what it shows, an object is read as
// the control's own.
Json::Value entryObject(const Json::Value& value)
{
    if (!value.isString()) return value;
    Json::Value object(Json::objectValue);
    object["attr"]["text"] = value;
    return object;
}

} // namespace

void MOXQListViewImpl::applyEntry(int row)
{
    if (row < 0 || size_t(row) >= m_entries.size()) return;
    const Json::Value& entry = m_entries[size_t(row)];
    if (m_entryBase.empty()) {
        // Every control any item names, with the "attr" members the items set, as it stands.
        for (const Json::Value& item : m_entries)
            for (const std::string& name : item.getMemberNames()) {
                const Json::Value given = entryObject(item[name]);
                Json::Value& base = m_entryBase[name];
                if (!base.isObject()) base = Json::Value(Json::objectValue);
                if (given.isObject() && given["attr"].isObject())
                    for (const std::string& key : given["attr"].getMemberNames())
                        base["attr"][key] = Json::Value();
            }
        for (auto& [name, base] : m_entryBase) {
            MOXQWidgetBaseImpl* impl = nullptr;
            for (const QPointer<QWidget>& element : m_elements)
                if (element && element->objectName() == QString::fromStdString(name))
                    impl = MOXQWidgetBaseImpl::fromWidget(element);
            Json::Value now(Json::objectValue);
            Json::Value* written = &now;
            if (impl) impl->serializeJson(written, false);
            if (!base["attr"].isObject()) continue;
            // A member left out of what a control writes holds its empty value.
            for (const std::string& key : base["attr"].getMemberNames())
                base["attr"][key] = now["attr"].isMember(key) ? now["attr"][key] : Json::Value("");
        }
    }
    for (const QPointer<QWidget>& element : m_elements) {
        if (!element) continue;
        const std::string name = element->objectName().toStdString();
        const auto base = m_entryBase.find(name);
        if (base == m_entryBase.end()) continue;
        MOXQWidgetBaseImpl* impl = MOXQWidgetBaseImpl::fromWidget(element);
        Json::Value value = entry.isMember(name) ? entryObject(entry[name]) : base->second;
        if (!impl || !value.isObject()) continue;
        Json::Value* read = &value;
        impl->serializeJson(read, true);
    }
}

QSize MOXQListViewImpl::itemSize(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    if (m_forSize && !m_elements.isEmpty())
        return m_forSize(ownerAs<MOXQListView>(), option, index);
    const int height = m_itemHeight > 0 ? m_itemHeight : 20;
    if (getItemMode() == 1) return QSize(m_itemWidth > 0 ? m_itemWidth : 20, height);
    return QSize(option.rect.width(), height);
}

bool MOXQListViewImpl::stamp(const QModelIndex& index, const QSize& size)
{
    MOXQContainer* box = templateContainer();
    if (!box || m_elements.isEmpty() || !index.isValid()) return false;
    if (m_display)
        m_display(ownerAs<MOXQListView>(), box, index);
    else if (index.model() == m_entriesModel)
        applyEntry(index.row());
    else if (m_stampedSize == size)
        return true;
    m_stampedSize = size;
    box->resize(size);
    box->forceResize();
    return true;
}

bool MOXQListViewImpl::drawsElement(const QWidget* element) const
{
    const MOXQWidgetBaseImpl* impl = MOXQWidgetBaseImpl::fromWidget(element);
    if (!impl || !impl->getDelegateItemVisible() || !m_template) return false;
    const QWidget* w = element;
    for (; w && w != m_template; w = w->parentWidget())
        if (hiddenByHand(w)) return false;
    return w == m_template;
}

QRect MOXQListViewImpl::elementRect(const QWidget* element, const QRect& item) const
{
    QPoint at;
    for (const QWidget* w = element; w && w != m_template; w = w->parentWidget())
        at += w->pos();
    return QRect(item.topLeft() + at, element->size());
}

MOXQLabelEx* MOXQListViewImpl::selectableLabel(QWidget* element) const
{
    auto* label = qobject_cast<MOXQLabelEx*>(element);
    if (!m_enableSelection || !label ||
        !(label->textInteractionFlags() & Qt::TextSelectableByMouse))
        return nullptr;
    return label;
}

void MOXQListViewImpl::paintItem(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    if (!painter || index.row() < 0 || index.column() < 0 || !index.model()) return;
    if (!stamp(index, option.rect.size())) return;
    const int row = index.row();
    int state = CtrlStateNormal;
    if (option.state & QStyle::State_Selected)
        state = CtrlStatePressed;
    else if (row == m_hoverRow || (option.state & QStyle::State_MouseOver))
        state = CtrlStateHot;
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    // The item's background stands in for the template's own once it is set.
    const FillStyle& background = m_itemBackgrounds.get(state);
    if (background.valid)
        drawFillStyle(painter, background, option.rect);
    else if (MOXQWidgetBaseImpl* own = MOXQWidgetBaseImpl::fromWidget(m_template))
        own->drawControl(painter, option.rect);
    for (int i = 1; i < m_elements.size(); ++i) {
        QWidget* element = m_elements[i];
        if (!element || !drawsElement(element)) continue;
        MOXQWidgetBaseImpl* impl = MOXQWidgetBaseImpl::fromWidget(element);
        const QRect rect = elementRect(element, option.rect);
        MOXQLabelEx* label = element == m_selectionLabel ? selectableLabel(element) : nullptr;
        if (label) label->setSelection(selectionInRow(row, label->impl()->document()));
        // The template's controls keep their own state between items.
        const CtrlState savedState = impl->getState();
        const bool savedHover = impl->isHovered();
        if (row == m_pressRow && element == m_pressElement) {
            impl->setState(CtrlStatePressed);
            impl->setHovered(true);
        } else if (row == m_hoverRow && element == m_hoverElement) {
            impl->setState(CtrlStateHot);
            impl->setHovered(true);
        }
        impl->drawControl(painter, rect);
        impl->setState(savedState);
        impl->setHovered(savedHover);
        if (label) label->setSelection(MOXTextSelection());
    }
    painter->restore();
}

QWidget* MOXQListViewImpl::elementAt(const QModelIndex& index, const QPoint& pos)
{
    QListView* v = view();
    if (!v || !index.isValid()) return nullptr;
    const QRect item = v->visualRect(index);
    if (!item.contains(pos) || !stamp(index, item.size())) return nullptr;
    for (int i = m_elements.size() - 1; i >= 1; --i) {
        QWidget* element = m_elements[i];
        if (element && drawsElement(element) && elementRect(element, item).contains(pos))
            return element;
    }
    return nullptr;
}

void MOXQListViewImpl::updateRow(int row) const
{
    QListView* v = view();
    if (!v || row < 0 || !v->model()) return;
    v->viewport()->update(v->visualRect(v->model()->index(row, v->modelColumn())));
}

void MOXQListViewImpl::setHover(int row, QWidget* element)
{
    if (row == m_hoverRow && element == m_hoverElement) return;
    updateRow(m_hoverRow);
    m_hoverRow = row;
    m_hoverElement = element;
    updateRow(m_hoverRow);
}

void MOXQListViewImpl::mouseMove(const QPoint& pos, bool buttonDown)
{
    QListView* v = view();
    if (!v) return;
    const QModelIndex index = v->indexAt(pos);
    QWidget* element = elementAt(index, pos);
    MOXQLabelEx* label = selectableLabel(element);
    if (m_selecting && buttonDown && label && label == m_selectionLabel) {
        const QPoint local = pos - elementRect(label, v->visualRect(index)).topLeft();
        const MOXTextSpot spot = MOXTextSelection::spotAt(label->impl()->document(), local);
        if (spot.isValid() && (m_end.row != index.row() || m_end.spot != spot)) {
            m_end = {index.row(), spot};
            v->viewport()->update();
        }
    }
    if (label)
        v->viewport()->setCursor(Qt::IBeamCursor);
    else
        v->viewport()->unsetCursor();
    setHover(index.isValid() ? index.row() : -1, element);
}

QWidget* MOXQListViewImpl::mousePress(const QPoint& pos)
{
    QListView* v = view();
    if (!v) return nullptr;
    clearHighLight();
    const QModelIndex index = v->indexAt(pos);
    QWidget* element = elementAt(index, pos);
    if (!element) return nullptr;
    m_pressRow = index.row();
    m_pressElement = element;
    updateRow(m_pressRow);
    if (MOXQLabelEx* label = selectableLabel(element)) {
        const QPoint local = pos - elementRect(label, v->visualRect(index)).topLeft();
        const MOXTextSpot spot = MOXTextSelection::spotAt(label->impl()->document(), local);
        if (spot.isValid()) {
            m_anchor = m_end = {index.row(), spot};
            m_selectionLabel = label;
            m_selecting = true;
        }
    }
    return element;
}

void MOXQListViewImpl::mouseRelease()
{
    m_selecting = false;
    const int row = std::exchange(m_pressRow, -1);
    m_pressElement = nullptr;
    updateRow(row);
}

void MOXQListViewImpl::mouseLeave()
{
    setHover(-1, nullptr);
}

void MOXQListViewImpl::clearHighLight()
{
    m_anchor = m_end = RowSpot();
    m_selectionLabel = nullptr;
    m_selecting = false;
    if (QListView* v = view()) v->viewport()->update();
}

MOXTextSelection MOXQListViewImpl::selectionInRow(int row, const QTextDocument& document) const
{
    if (!m_anchor.isValid() || !m_end.isValid()) return {};
    const bool forwards = m_anchor.row <= m_end.row;
    const RowSpot& lo = forwards ? m_anchor : m_end;
    const RowSpot& hi = forwards ? m_end : m_anchor;
    if (row < lo.row || row > hi.row) return {};
    if (lo.row == hi.row) return MOXTextSelection(m_anchor.spot, m_end.spot);
    if (row == lo.row) return MOXTextSelection(lo.spot, MOXTextSelection::documentEnd(document));
    if (row == hi.row) return MOXTextSelection({0, 0, 0}, hi.spot);
    return MOXTextSelection::all(document);
}

void MOXQListViewImpl::forgetRows()
{
    m_hoverRow = m_pressRow = -1;
    m_hoverElement = m_pressElement = nullptr;
    m_stampedSize = QSize();
    clearHighLight();
}

void MOXQListViewImpl::watchModel(QAbstractItemModel* model)
{
    if (m_watched) disconnect(m_watched, nullptr, this, nullptr);
    m_watched = model;
    forgetRows();
    if (!model) return;
    const auto forget = [this] { forgetRows(); };
    connect(model, &QAbstractItemModel::modelReset, this, forget);
    connect(model, &QAbstractItemModel::layoutChanged, this, forget);
    connect(model, &QAbstractItemModel::rowsInserted, this, forget);
    connect(model, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(model, &QAbstractItemModel::rowsMoved, this, forget);
    connect(model, &QAbstractItemModel::dataChanged, this, forget);
}

void MOXQListViewImpl::initDemoData()
{
    QListView* v = view();
    if (!v) return;
    QStandardItemModel* old = m_demoModel;
    m_demoModel = new QStandardItemModel(20, 1, v);
    v->setModel(m_demoModel);
    delete old;
}

void MOXQListViewImpl::setItemForSizeCallBack(ItemForSizeCallBack callBack)
{
    m_forSize = std::move(callBack);
    if (QListView* v = view()) {
        v->setUniformItemSizes(!m_forSize);
        v->doItemsLayout();
    }
}

bool MOXQListViewImpl::serializeLook(Json::Value* value, bool read)
{
    return m_bars.serialize(value, read);
}

} // namespace MOXQtLib
