#include "DesignerPalette.h"

#include "MOXQtLib.h"

#include <QDrag>
#include <QHash>
#include <QKeyEvent>
#include <QListWidgetItem>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

using namespace MOXQtLib;

namespace {

constexpr int kTypeRole = Qt::UserRole + 1;
// The page window is what the canvas edits, never something to put on a page.
const char* const kWindowType = "Window";

DesignerPalette::DragRunner& dragRunner()
{
    static DesignerPalette::DragRunner runner;
    return runner;
}

} // namespace

DesignerPalette::DesignerPalette(QWidget* parent) : MOXQList(parent)
{
    setItemHeight(28);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setToolTip(QString());
    QVector<QPair<QByteArray, const ControlInfo*>> infos;
    QHash<QByteArray, int> shared;
    for (const QByteArray& type : moxGetListedControlTypes()) {
        const ControlInfo* info = moxGetControlInfo(QString::fromUtf8(type));
        if (!info || type == kWindowType) continue;
        infos.append({type, info});
        ++shared[info->displayName];
    }
    for (const auto& [type, info] : infos) {
        // Two types may share a display name (a switch calls itself "Slider"): the short name
        // tells them apart.
        QString name = QString::fromUtf8(info->displayName);
        if (shared.value(info->displayName) > 1)
            name += QStringLiteral(" (%1)").arg(QString::fromUtf8(info->shortName));
        auto* item = new QListWidgetItem(iconFor(type, name), name, this);
        item->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(info->description),
                                                       QString::fromUtf8(type)));
        item->setData(kTypeRole, QString::fromUtf8(type));
    }
    // People look for "Button", not for "qtbutton".
    sortItems(Qt::AscendingOrder);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit addRequested(item->data(kTypeRole).toString());
    });
}

QStringList DesignerPalette::typeNames() const
{
    QStringList names;
    for (int row = 0; row < count(); ++row)
        names.append(item(row)->data(kTypeRole).toString());
    return names;
}

int DesignerPalette::rowOf(const QString& typeName) const
{
    return typeNames().indexOf(typeName);
}

QIcon DesignerPalette::iconFor(const QByteArray& typeName, const QString& displayName)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor tile = QColor::fromHsv(int(qHash(typeName) % 360), 110, 200);
    painter.setPen(tile.darker(130));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QString initials;
    for (const QChar c : displayName)
        if (c.isUpper() && initials.size() < 2) initials.append(c);
    if (initials.isEmpty()) initials = displayName.left(1).toUpper();
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, initials);
    return QIcon(pixmap);
}

void DesignerPalette::startDrag(Qt::DropActions)
{
    QListWidgetItem* current = currentItem();
    if (!current) return;
    const QString type = current->data(kTypeRole).toString();
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setText(type);
    drag->setMimeData(data);
    drag->setPixmap(current->icon().pixmap(32, 32));
    setProperty("TypeName", type);
    if (dragRunner()) {
        dragRunner()(drag);
        drag->deleteLater();
    } else {
        drag->exec(Qt::CopyAction);
    }
    setProperty("TypeName", QVariant());
}

void DesignerPalette::setDragRunner(DragRunner runner)
{
    dragRunner() = std::move(runner);
}

void DesignerPalette::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit addRequested(currentItem()->data(kTypeRole).toString());
        return;
    }
    MOXQList::keyPressEvent(event);
}
