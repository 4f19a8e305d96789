#include "MOXQTableViewImpl.h"

#include "MOXKey.h"
#include "MOXQCheckBox.h"
#include "MOXQContainer.h"
#include "MOXQStylePainter.h"
#include "MOXQTableView.h"
#include "MOXQtLib.h"

#include <QCursor>
#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <functional>

// The rows key goes through QVariant where keys meet property lists.
Q_DECLARE_METATYPE(Json::Value)

namespace MOXQtLib {

namespace {

bool readRows(const Json::Value& value, Json::Value& out)
{
    if (!value.isArray()) return false;
    out = value;
    return true;
}

Json::Value writeRows(const Json::Value& value)
{
    return value;
}

// Rows as files hold them: an array of rows, each an array of cells.
constexpr MOXKeyCodec<Json::Value> kRowsCodec{&readRows, &writeRows};

// Shown or not yet shown, but not hidden on purpose.
bool explicitlyHidden(const QWidget* widget)
{
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

QStandardItem* cellItem(const Json::Value& cell)
{
    auto* item = new QStandardItem;
    if (cell.isString()) {
        item->setText(QString::fromStdString(cell.asString()));
        return item;
    }
    if (!cell.isObject()) return item;
    QString text;
    if (jsonReadString(cell, "text", text)) item->setText(text);
    if (jsonReadString(cell, "icon", text) && !text.isEmpty())
        item->setData(text, MOXQTableViewImpl::IconRole);
    bool checked = false;
    if (jsonReadBool(cell, "checked", checked))
        item->setData(int(checked ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
    return item;
}

Json::Value cellValue(const QStandardItem* item)
{
    if (!item) return "";
    const std::string text = item->text().toStdString();
    const QString icon = item->data(MOXQTableViewImpl::IconRole).toString();
    const QVariant check = item->data(Qt::CheckStateRole);
    if (icon.isEmpty() && !check.isValid()) return text;
    Json::Value cell(Json::objectValue);
    cell["text"] = text;
    if (!icon.isEmpty()) cell["icon"] = icon.toStdString();
    if (check.isValid()) cell["checked"] = MOXQTableViewImpl::isChecked(check);
    return cell;
}

} // namespace

MOXQTableViewImpl::MOXQTableViewImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name), m_bars(qobject_cast<QAbstractScrollArea*>(owner)),
      m_checkedImage(moxBuiltInCheckedImage()), m_uncheckedImage(moxBuiltInUncheckImage())
{
    // The painter of every check mark: never shown, never written, never counted as a child.
    auto* painter = new MOXQCheckBox(owner);
    painter->getControlBase()->setInternal(true);
    painter->impl()->setShowText(false);
    painter->hide();
    m_checkPainter = painter;
}

MOXQTableViewImpl::~MOXQTableViewImpl() = default;

const MOXKeyTable& MOXQTableViewImpl::keys()
{
    using I = MOXQTableViewImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(&i.m_background, 1);
            s.addGap(1);
            i.m_items.addStyleSlots(s);
            i.m_headers.addStyleSlots(s);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal"), QStringLiteral("Disable")},
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("ItemBg", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setItemTextStyle, &I::getItemTextStyle),
        moxStateProperty<I>("HeadItemBg", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setHeaderBackground, &I::getHeaderBackground),
        moxStateProperty<I>("HeadTextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setHeaderTextStyle, &I::getHeaderTextStyle),
        moxKey<I>("itemHeight", &I::getItemHeight, &I::setItemHeight)
            .omit(20)
            .property("ItemHeight", PropertyDef::Integer),
        moxKey<I>("checkstyle", &I::getCheckstyle, &I::setCheckstyle, moxBoolCodec)
            .property("CheckStyle", PropertyDef::Boolean),
        moxKey<I>("checkedImg", &I::getCheckedImage, &I::setCheckedImage)
            .omit(moxBuiltInCheckedImage())
            .property("CheckedImage", PropertyDef::ImagePath),
        moxKey<I>("uncheckImg", &I::getUncheckedImage, &I::setUncheckedImage)
            .omit(moxBuiltInUncheckImage())
            .property("UncheckedImage", PropertyDef::ImagePath),
        // Written as 1, and only for extended selection.
        moxKey<I>("multiselect", &I::getMultiSelect, &I::setMultiSelect),
        moxKey<I>("headers", &I::getHeaders, &I::setHeaders).content(),
        moxKey<I>("rows", &I::getRows, &I::setRows, kRowsCodec).content(),
    };
    return table;
}

MOXQCheckBox* MOXQTableViewImpl::checkPainter() const
{
    return m_checkPainter;
}

QTableView* MOXQTableViewImpl::table() const
{
    return ownerAs<QTableView>();
}

void MOXQTableViewImpl::drawControl(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, m_background, rect);
}

void MOXQTableViewImpl::paintViewport(QWidget* viewport, const QRect& rect)
{
    // Style sheets polishing the viewport (as showing it does) reset its opacity.
    if (const QTableView* t = table(); t && viewport == t->viewport()) updateViewportOpacity();
    QPainter painter(viewport);
    drawFillStyle(&painter, m_background, rect);
}

void MOXQTableViewImpl::setBackground(int, const FillStyle& style)
{
    m_background = style;
    keysRead();
}

void MOXQTableViewImpl::keysRead()
{
    updateOwner();
    updateViewportOpacity();
    if (QTableView* t = table()) {
        t->viewport()->update();
        t->horizontalHeader()->viewport()->update();
    }
}

void MOXQTableViewImpl::updateViewportOpacity()
{
    QTableView* t = table();
    if (!t) return;
    const FillRes& fill = m_background.fillRes;
    const bool opaque = m_background.valid && m_background.fillWithColor &&
                        fill.color.alpha() == 255 &&
                        (!fill.gradient || fill.gradientEndColor.alpha() == 255) &&
                        (!fill.border || fill.borderColor.alpha() == 255) && fill.round <= 0;
    t->viewport()->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void MOXQTableViewImpl::setItemBackground(int state, const FillStyle& style)
{
    if (m_items.setBackground(state, style)) updateOwner();
}

void MOXQTableViewImpl::setItemTextStyle(int state, const TextStyleDesc& style)
{
    if (m_items.setTextStyle(state, style)) updateOwner();
}

void MOXQTableViewImpl::setHeaderBackground(int state, const FillStyle& style)
{
    if (m_headers.setBackground(state, style)) updateOwner();
}

void MOXQTableViewImpl::setHeaderTextStyle(int state, const TextStyleDesc& style)
{
    if (m_headers.setTextStyle(state, style)) updateOwner();
}

void MOXQTableViewImpl::setAlternateRows(bool alternate)
{
    storeAndUpdate(m_alternate, alternate);
}

void MOXQTableViewImpl::setAlternateRowBackground(const FillStyle& style)
{
    m_alternateBg = style;
    updateOwner();
}

void MOXQTableViewImpl::setItemHeight(int height)
{
    // Qt's headers refuse sections above 1048575 pixels.
    if (height < 1 || height > 65535 || m_itemHeight == height) return;
    m_itemHeight = height;
    if (QTableView* t = table()) t->verticalHeader()->setDefaultSectionSize(height);
    updateOwner();
}

void MOXQTableViewImpl::setCheckstyle(bool on)
{
    if (!storeAndUpdate(m_checkStyle, on)) return;
    if (QTableView* t = table()) t->horizontalHeader()->viewport()->update();
}

void MOXQTableViewImpl::setCheckBoxImage(bool checked, const QString& path)
{
    (checked ? m_checkedImage : m_uncheckedImage) = path;
    if (m_checkPainter) {
        if (checked)
            m_checkPainter->impl()->setCheckedIcon(path);
        else
            m_checkPainter->impl()->setUncheckIcon(path);
    }
    const QSize size = getImageSize(path);
    if (size.isValid()) m_checkImageSize = size;
    updateOwner();
}

void MOXQTableViewImpl::toggleHeaderChecked()
{
    m_headerChecked = !m_headerChecked;
    QTableView* t = table();
    if (t) t->horizontalHeader()->viewport()->update();
    updateOwner();
    if (auto* view = qobject_cast<MOXQTableView*>(t)) emit view->headerCheckedChanged(m_headerChecked);
    if (t) t->viewport()->update();
}

void MOXQTableViewImpl::setMultiSelect(bool multi)
{
    if (QTableView* t = table())
        t->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                  : QAbstractItemView::SingleSelection);
}

bool MOXQTableViewImpl::getMultiSelect() const
{
    const QTableView* t = table();
    return t && t->selectionMode() == QAbstractItemView::ExtendedSelection;
}

void MOXQTableViewImpl::setColumnWidget(int column, MOXQContainer* container)
{
    if (column < 0) return;
    if (!container) {
        if (m_columnWidgets.erase(column) == 0) return;
    } else {
        container->hide();
        // Stamps lay it out again only when the cell size differs from the size it has.
        container->forceResize();
        m_columnWidgets[column] = container;
    }
    if (QTableView* t = table()) t->viewport()->update();
}

MOXQContainer* MOXQTableViewImpl::getColumnWidget(int column) const
{
    if (m_columnWidgets.empty()) return nullptr;
    const auto it = m_columnWidgets.find(column);
    return it == m_columnWidgets.end() ? nullptr : it->second.data();
}

void MOXQTableViewImpl::resizeControl()
{
    QTableView* t = table();
    if (!t) return;
    for (QObject* child : t->children()) {
        auto* container = qobject_cast<MOXQContainer*>(child);
        const MOXCustomAttr* column = container ? container->impl()->getCustomAttr("column") : nullptr;
        bool ok = false;
        const int index = column ? column->value().toInt(&ok) : -1;
        if (ok && index >= 0 && column->kind() != MOXCustomAttr::Text &&
            getColumnWidget(index) != container)
            setColumnWidget(index, container);
    }
    if (!moxIsQtEmulator() || t->model()) return;
    auto* sample = new QStandardItemModel(100, 5, this);
    for (int c = 0; c < 5; ++c) {
        sample->setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Col%1").arg(c + 1)));
        for (int r = 0; r < 100; ++r)
            sample->setItem(r, c, new QStandardItem(QStringLiteral("item %1 %2").arg(r).arg(c)));
    }
    t->setModel(sample);
}

QStandardItemModel* MOXQTableViewImpl::ownModel(bool create)
{
    QTableView* t = table();
    if (!t) return nullptr;
    if (!m_ownModel && create) {
        m_ownModel = new QStandardItemModel(this);
        t->setModel(m_ownModel);
    }
    // Rows an application's model replaced are no longer the table's.
    return t->model() == m_ownModel.data() ? m_ownModel.data() : nullptr;
}

void MOXQTableViewImpl::setHeaders(const QStringList& headers)
{
    if (QStandardItemModel* m = ownModel(!headers.isEmpty())) m->setHorizontalHeaderLabels(headers);
}

QStringList MOXQTableViewImpl::getHeaders() const
{
    QStringList headers;
    const QTableView* t = table();
    if (!m_ownModel || !t || t->model() != m_ownModel.data()) return headers;
    for (int c = 0; c < m_ownModel->columnCount(); ++c) {
        const QStandardItem* item = m_ownModel->horizontalHeaderItem(c);
        headers.append(item ? item->text() : QString());
    }
    while (!headers.isEmpty() && headers.last().isEmpty())
        headers.removeLast();
    return headers;
}

void MOXQTableViewImpl::setRows(const Json::Value& rows)
{
    QStandardItemModel* m = ownModel(rows.isArray() && !rows.empty());
    if (!m) return;
    m->setRowCount(0);
    if (!rows.isArray()) return;
    for (Json::ArrayIndex r = 0; r < rows.size(); ++r) {
        QList<QStandardItem*> items;
        const Json::Value& row = rows[r];
        if (row.isArray())
            for (Json::ArrayIndex c = 0; c < row.size(); ++c)
                items.append(cellItem(row[c]));
        if (items.isEmpty()) items.append(new QStandardItem);
        m->appendRow(items);
    }
}

Json::Value MOXQTableViewImpl::getRows() const
{
    const QTableView* t = table();
    if (!m_ownModel || !t || t->model() != m_ownModel.data() || m_ownModel->rowCount() == 0)
        return Json::Value();
    Json::Value rows(Json::arrayValue);
    for (int r = 0; r < m_ownModel->rowCount(); ++r) {
        Json::Value row(Json::arrayValue);
        int last = m_ownModel->columnCount() - 1;
        while (last > 0 && !m_ownModel->item(r, last))
            --last;
        for (int c = 0; c <= last; ++c)
            row.append(cellValue(m_ownModel->item(r, c)));
        rows.append(row);
    }
    return rows;
}

bool MOXQTableViewImpl::isChecked(const QVariant& state)
{
    return state.isValid() && state.toInt() != Qt::Unchecked;
}

QRect MOXQTableViewImpl::checkRect(const QRect& cell) const
{
    return QRect(cell.left() + 5, cell.top(), m_checkImageSize.width(), cell.height());
}

QRect MOXQTableViewImpl::textRect(const QRect& cell, int column) const
{
    QRect text = cell;
    if (column == 0 && m_checkStyle) text.setLeft(cell.left() + 10 + m_checkImageSize.width());
    text.setBottom(cell.top() + m_itemHeight - 1);
    return text;
}

void MOXQTableViewImpl::drawCheck(QPainter* painter, const QRect& rect, bool checked) const
{
    if (!m_checkPainter) return;
    {
        const QSignalBlocker quiet(m_checkPainter.data());
        m_checkPainter->setChecked(checked);
    }
    m_checkPainter->impl()->drawControl(painter, rect);
}

template <class Visit>
void MOXQTableViewImpl::visitStamp(MOXQContainer* container, const QSize& size, Visit visit)
{
    if (container->size() != size) {
        container->resize(size);
        container->forceResize();
    }
    if (visit(static_cast<QWidget*>(container), QRect(QPoint(0, 0), size))) return;
    std::function<bool(QWidget*)> walk = [&](QWidget* parent) {
        for (QObject* object : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget || explicitlyHidden(widget)) continue;
            if (moxControlOf(widget) &&
                visit(widget, QRect(widget->mapTo(container, QPoint(0, 0)), widget->size())))
                return true;
            if (walk(widget)) return true;
        }
        return false;
    };
    walk(container);
}

void MOXQTableViewImpl::paintStamp(QPainter* painter, MOXQContainer* container,
                                   const QRect& cell) const
{
    const QTableView* t = table();
    const QPoint cursor = t ? t->viewport()->mapFromGlobal(QCursor::pos()) : QPoint(-1, -1);
    painter->save();
    painter->setClipRect(cell, Qt::IntersectClip);
    visitStamp(container, cell.size(), [&](QWidget* widget, const QRect& rect) {
        MOXQWidgetBaseImpl* part = MOXQWidgetBaseImpl::fromWidget(widget);
        if (!part) return false;
        const QRect at = rect.translated(cell.topLeft());
        const CtrlState before = part->getState();
        // Hot for this one drawing: the stamp is shared by every row.
        if (widget != container && at.contains(cursor)) part->setState(CtrlStateHot);
        painter->save();
        painter->translate(at.topLeft());
        part->drawControl(painter, QRect(QPoint(0, 0), rect.size()));
        painter->restore();
        part->setState(before);
        return false;
    });
    painter->restore();
}

void MOXQTableViewImpl::paintCell(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    if (!index.isValid()) return;
    painter->save();
    const QRect& cell = option.rect;
    QRect text = textRect(cell, index.column());
    const QString iconPath = index.data(IconRole).toString();
    QRect iconBox;
    if (!iconPath.isEmpty()) {
        const QSize size = getImageSize(iconPath);
        if (size.isValid()) {
            iconBox = QRect(text.left(), text.top(), 10 + size.width(), text.height());
            text.setLeft(text.left() + 10 + size.width());
        }
    }

    int state = CtrlStateNormal;
    if (!(option.state & QStyle::State_Enabled))
        state = CtrlStateDisable;
    else if (option.state & QStyle::State_Selected)
        state = CtrlStatePressed;
    else if ((option.state & QStyle::State_MouseOver) || index.row() == m_hoverRow)
        state = CtrlStateHot;
    const bool alternate = state == CtrlStateNormal && m_alternate && index.row() % 2 == 0;
    drawFillStyle(painter, alternate ? m_alternateBg : m_items.getBackground(state), cell);
    drawText(painter, index.data(Qt::DisplayRole).toString(), m_items.getTextStyle(state), text);

    if (MOXQContainer* stamp = getColumnWidget(index.column())) {
        paintStamp(painter, stamp, cell);
    } else {
        if (iconBox.isValid()) {
            painter->save();
            painter->setClipRect(cell, Qt::IntersectClip);
            drawImage(painter, iconPath, IconStyleDesc(), iconBox);
            painter->restore();
        }
        if (index.column() == 0 && m_checkStyle)
            drawCheck(painter, checkRect(cell), isChecked(index.data(Qt::CheckStateRole)));
    }
    painter->restore();
}

void MOXQTableViewImpl::paintHeaderSection(QPainter* painter, const QRect& section, int logical,
                                           Qt::Orientation orientation) const
{
    const QTableView* t = table();
    const int state = t && !t->isEnabled() ? CtrlStateDisable : CtrlStateNormal;
    drawFillStyle(painter, m_headers.getBackground(state), section);
    const QAbstractItemModel* model = t ? t->model() : nullptr;
    const QString text =
        model ? model->headerData(logical, orientation, Qt::DisplayRole).toString() : QString();
    const bool check = orientation == Qt::Horizontal && logical == 0 && m_checkStyle;
    QRect textArea = section;
    if (check) textArea.setLeft(section.left() + 10 + m_checkImageSize.width());
    drawText(painter, text, m_headers.getTextStyle(state), textArea);
    if (check) drawCheck(painter, checkRect(section), m_headerChecked);
}

QRect MOXQTableViewImpl::headerCheckRect() const
{
    const QTableView* t = table();
    if (!t || !m_checkStyle) return QRect();
    const QHeaderView* header = t->horizontalHeader();
    if (header->count() < 1 || header->isSectionHidden(0)) return QRect();
    return checkRect(QRect(header->sectionViewportPosition(0), 0, header->sectionSize(0),
                           header->height()));
}

bool MOXQTableViewImpl::pressHeader(const QPoint& pos)
{
    if (!headerCheckRect().contains(pos)) return false;
    toggleHeaderChecked();
    return true;
}

bool MOXQTableViewImpl::pressCell(const QPoint& pos, QAbstractItemModel* model, const QRect& cell,
                                  const QModelIndex& index)
{
    if (!model || !index.isValid()) return false;
    if (index.column() == 0 && m_checkStyle && checkRect(cell).contains(pos)) {
        const bool checked = isChecked(index.data(Qt::CheckStateRole));
        // As Qt's own views write it, so plain views of the same model agree.
        model->setData(index, int(checked ? Qt::Unchecked : Qt::Checked), Qt::CheckStateRole);
        return true;
    }
    MOXQContainer* stamp = getColumnWidget(index.column());
    if (!stamp) return false;
    QWidget* hit = nullptr;
    visitStamp(stamp, cell.size(), [&](QWidget* widget, const QRect& rect) {
        if (widget == stamp || !rect.translated(cell.topLeft()).contains(pos)) return false;
        hit = widget;
        return true;
    });
    if (hit)
        if (auto* view = qobject_cast<MOXQTableView*>(table()))
            emit view->customControlClicked(index.row(), hit->objectName());
    return false;
}

void MOXQTableViewImpl::repaintRow(int row) const
{
    QTableView* t = table();
    if (!t || row < 0) return;
    t->viewport()->update(
        QRect(0, t->rowViewportPosition(row), t->viewport()->width(), t->rowHeight(row)));
}

void MOXQTableViewImpl::hoverAt(const QPoint& pos)
{
    QTableView* t = table();
    if (!t) return;
    const QModelIndex index = t->indexAt(pos);
    const int row = index.isValid() ? index.row() : -1;
    // A stamped cell follows the cursor part by part, and lets go of it when it leaves.
    if (m_hoverIndex.isValid() && m_hoverIndex != index && getColumnWidget(m_hoverIndex.column()))
        t->viewport()->update(t->visualRect(m_hoverIndex));
    if (row != m_hoverRow) {
        // Whole rows: every cell of the hover row is drawn Hot.
        repaintRow(m_hoverRow);
        repaintRow(row);
        m_hoverRow = row;
    }
    m_hoverIndex = index;
    if (index.isValid() && getColumnWidget(index.column()))
        t->viewport()->update(t->visualRect(index));
}

void MOXQTableViewImpl::leaveControl()
{
    m_hoverRow = -1;
    m_hoverIndex = QPersistentModelIndex();
    if (QTableView* t = table()) t->viewport()->update();
}

bool MOXQTableViewImpl::serializeLook(Json::Value* value, bool read)
{
    return m_bars.serialize(value, read);
}

} // namespace MOXQtLib
