#include "MOXQMenu.h"

#include "MOXJson.h"
#include "MOXQStylePainter.h"
#include "MOXResourceFunctions.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>

namespace MOXQtLib {

namespace {

const char* const kIconPath = "mox_menu_icon_path";
constexpr int kMaxMenuDepth = 32;

bool itemsWellFormed(const Json::Value& items, int depth)
{
    if (!items.isArray() || depth > kMaxMenuDepth) return false;
    for (Json::ArrayIndex i = 0; i < items.size(); ++i)
        if (const Json::Value* sub = jsonMember(items[i], "items"))
            if (!itemsWellFormed(*sub, depth + 1)) return false;
    return true;
}

} // namespace

MOXQMenuImpl::MOXQMenuImpl(QWidget* owner, const QString& name) : MOXQWidgetBaseImpl(owner, name) {}

bool MOXQMenuImpl::serializeContent(Json::Value* value, bool read)
{
    if (!value) return false;
    if (read)
        if (const Json::Value* items = jsonArray(*value, "items"))
            if (auto* menu = qobject_cast<MOXQMenu*>(getOwner())) menu->addItems(*items);
    return true;
}

bool MOXQMenuImpl::serializeLook(Json::Value* value, bool read)
{
    if (!value) return false;
    static const char* const itemKeys[] = {"item0", "item1", "item2", "item3"};
    static const char* const textKeys[] = {"text0", "text1", "text2", "text3"};
    if (read) {
        jsonReadString(*value, "background", background);
        for (int i = 0; i < 4; ++i) {
            jsonReadString(*value, itemKeys[i], itemStyles[i]);
            jsonReadString(*value, textKeys[i], textStyles[i]);
        }
        // Items (content) are read before the looks: submenus made from them follow now.
        if (auto* menu = qobject_cast<MOXQMenu*>(getOwner())) menu->propagateStyles();
        return true;
    }
    if (!background.isEmpty()) (*value)["background"] = background.toStdString();
    for (int i = 0; i < 4; ++i) {
        if (!itemStyles[i].isEmpty()) (*value)[itemKeys[i]] = itemStyles[i].toStdString();
        if (!textStyles[i].isEmpty()) (*value)[textKeys[i]] = textStyles[i].toStdString();
    }
    return true;
}

MOXQMenu::MOXQMenu(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

MOXQMenu::MOXQMenu(const QString& title, QWidget* parent) : MOXQControl(typeName(), title, parent)
{
    getControlBase()->refreshTheme();
}

QString MOXQMenu::typeName()
{
    return QStringLiteral("qtmenu");
}

bool MOXQMenu::isWellFormed(const Json::Value& document)
{
    if (!document.isObject()) return false;
    const Json::Value* items = jsonMember(document, "items");
    return !items || itemsWellFormed(*items, 0);
}

void MOXQMenu::addItems(const Json::Value& items)
{
    addItems(items, 0);
}

void MOXQMenu::addItems(const Json::Value& items, int depth)
{
    if (!items.isArray() || depth > kMaxMenuDepth) return;
    for (Json::ArrayIndex i = 0; i < items.size(); ++i) {
        const Json::Value& item = items[i];
        if (!item.isObject()) continue;
        const QString text = jsonString(item, "text");
        const QString icon = jsonString(item, "icon");
        if (const Json::Value* sub = jsonArray(item, "items")) {
            auto* submenu = new MOXQMenu(text, this);
            submenu->copyStylesFrom(*this);
            QAction* action = addMenu(submenu);
            if (jsonHas(item, "icon")) action->setProperty(kIconPath, icon);
            submenu->addItems(*sub, depth + 1);
            continue;
        }
        QAction* action = addAction(text);
        if (!icon.isEmpty()) {
            action->setProperty(kIconPath, icon);
            // SVG icons are drawn from the path by the menu itself.
            if (!icon.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
                action->setIcon(QIcon(icon));
        }
    }
}

void MOXQMenu::setIconOffset(int offset)
{
    m_iconOffset = std::max(offset, 0);
    updateGeometry();
}

void MOXQMenu::copyStylesFrom(const MOXQMenu& other)
{
    impl()->background = other.impl()->background;
    impl()->itemStyles = other.impl()->itemStyles;
    impl()->textStyles = other.impl()->textStyles;
    m_iconOffset = other.m_iconOffset;
}

void MOXQMenu::propagateStyles()
{
    for (QAction* action : actions())
        if (auto* sub = qobject_cast<MOXQMenu*>(action->menu()); sub && sub != this) {
            sub->copyStylesFrom(*this);
            sub->propagateStyles();
        }
}

void MOXQMenu::paintEvent(QPaintEvent* event)
{
    const MOXQMenuImpl* d = impl();
    const bool styled = !d->background.isEmpty() || !d->itemStyles[0].isEmpty() ||
                        !d->itemStyles[1].isEmpty() || !d->textStyles[0].isEmpty();
    if (!styled) {
        QMenu::paintEvent(event);
        return;
    }
    QPainter painter(this);
    FillStyle fill;
    if (moxGetFillStyle(d->background, fill))
        drawFillStyle(&painter, fill, rect().adjusted(0, 0, -1, -1));
    for (QAction* action : actions()) {
        const QRect r = actionGeometry(action);
        if (r.isEmpty() || !event->rect().intersects(r)) continue;
        const int state = (action == activeAction() && !action->isSeparator()) ? 1 : 0;
        FillStyle item;
        if (moxGetFillStyle(d->itemStyles[state], item)) drawFillStyle(&painter, item, r);
        QRect textRect = r;
        if (m_iconOffset > 0) {
            const QRect column(r.left() + 4, r.top(), m_iconOffset, r.height());
            const QString path = action->property(kIconPath).toString();
            IconStyleDesc place;
            place.horAlign = place.verAlign = 1;
            if (!path.isEmpty())
                drawImage(&painter, path, place, column);
            else if (!action->icon().isNull())
                drawIcon(&painter, action->icon(), QSize(16, 16), place, column);
            textRect.setLeft(column.right() + 1);
        }
        TextStyleDesc text;
        if (moxGetTextStyle(d->textStyles[state], text))
            drawText(&painter, action->text(), text, textRect);
        else
            painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, action->text());
        if (action->menu()) {
            // A small arrow 2 pixels inside the right edge.
            const int cy = r.center().y();
            const int right = r.right() - 2;
            QPainterPath arrow;
            arrow.moveTo(right, cy);
            arrow.lineTo(right - 4, cy - 4);
            arrow.lineTo(right - 4, cy + 4);
            arrow.closeSubpath();
            painter.fillPath(arrow, QColor(0xCC, 0xCC, 0xCC));
        }
    }
}

QSize MOXQMenu::sizeHint() const
{
    return QMenu::sizeHint() + QSize(m_iconOffset, 0);
}

} // namespace MOXQtLib
