#include "MOXQPropertyListImpl.h"

#include "MOXKey.h"
#include "MOXQCheckBox.h"
#include "MOXQContainer.h"
#include "MOXQLabel.h"
#include "MOXQLineEdit.h"
#include "MOXQPushButton.h"
#include "MOXQResourceManager.h"
#include "MOXQSpinBox.h"
#include "MOXQtLib.h"

#include <QFont>
#include <QFrame>
#include <QPalette>
#include <QScrollArea>
#include <QSize>

#include <algorithm>
#include <climits>

namespace MOXQtLib {

namespace {

const char* const kPropId = "Prop_ID";

enum class RowType
{
    None,
    LineEdit,
    ValueLabel,
    CheckBox,
    Separator,
    Chooser,
    SpinBox,
    Path,
    Size,
    Margins,
    Color
};

RowType rowType(int kind)
{
    switch (kind) {
    case PropertyDef::PlainText:
    case PropertyDef::Text: return RowType::LineEdit;
    case PropertyDef::TypeName: return RowType::ValueLabel;
    case PropertyDef::Boolean: return RowType::CheckBox;
    case PropertyDef::Line: return RowType::Separator;
    case PropertyDef::FillStylePerState:
    case PropertyDef::TextStylePerState: return RowType::Chooser;
    case PropertyDef::ImagePath: return RowType::Path;
    case PropertyDef::Integer: return RowType::SpinBox;
    case PropertyDef::Size: return RowType::Size;
    case PropertyDef::Margins: return RowType::Margins;
    case PropertyDef::Color: return RowType::Color;
    default: return RowType::None;
    }
}

// A row's spin boxes, each by the prefix that tells its number apart from its neighbours'.
QStringList spinPrefixes(RowType type)
{
    switch (type) {
    case RowType::SpinBox: return {QString()};
    case RowType::Size: return {QStringLiteral("W "), QStringLiteral("H ")};
    case RowType::Margins:
        return {QStringLiteral("L "), QStringLiteral("T "), QStringLiteral("R "),
                QStringLiteral("B ")};
    default: return {};
    }
}

// What the spin boxes of a row show: an integer, a size's width and height, or margins, which
// travel as a list of left, top, right and bottom. Anything else shows zeros.
QVector<int> spinNumbers(RowType type, const QVariant& value)
{
    switch (type) {
    case RowType::SpinBox: return {value.toInt()};
    case RowType::Size: {
        const QSize size = value.toSize();
        return {size.width(), size.height()};
    }
    case RowType::Margins: {
        const QVariantList list = value.toList();
        QVector<int> numbers;
        for (int i = 0; i < 4; ++i)
            numbers.append(list.value(i).toInt());
        return numbers;
    }
    default: return {};
    }
}

// The style name of state 0 of a per-state style value (a list of records, or one record).
QString styleName(const QVariant& value)
{
    const QVariant first = value.type() == QVariant::List
                               ? value.toList().value(0)
                               : value;
    if (first.canConvert<FillStyle>()) return first.value<FillStyle>().name;
    if (first.canConvert<TextStyleDesc>()) return first.value<TextStyleDesc>().name;
    return {};
}

// A colour as style sheets write it.
QString sheetColor(const QColor& color)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

void placeControl(QWidget* widget, int x, int y, int w, int h)
{
    if (!widget) return;
    if (IMOXQWidgetBase* control = moxControlOf(widget))
        control->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    else
        widget->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
}

// A part of the list, never written as a child of anything.
template <class W> W* internal(W* widget)
{
    widget->getControlBase()->setInternal(true);
    return widget;
}

} // namespace

struct MOXQPropertyListImpl::Row
{
    int kind = PropertyDef::PlainText;
    bool inUse = false;
    // The list's own copy of the entry: its address is what the editors carry and what the
    // signals report, and it stays valid as long as the list.
    PropertyDef entry;
    QPointer<QObject> target;
    QPointer<MOXQContainer> container;
    MOXQLabel* name = nullptr;
    MOXQLabel* value = nullptr;
    MOXQLineEdit* edit = nullptr;
    // One for integers, width and height for sizes, left, top, right and bottom for margins.
    QVector<MOXQSpinBox*> spins;
    MOXQCheckBox* check = nullptr;
    MOXQPushButton* button = nullptr;
    QFrame* line = nullptr;
    QFrame* swatch = nullptr;

    QWidget* editor() const
    {
        if (edit) return edit;
        if (!spins.isEmpty()) return spins.first();
        if (check) return check;
        if (button) return button;
        return value;
    }
    // Editors that report changes, and so carry the entry.
    QVector<QWidget*> editors() const
    {
        QVector<QWidget*> list;
        if (edit) list.append(edit);
        for (MOXQSpinBox* spin : spins)
            list.append(spin);
        if (check) list.append(check);
        if (button) list.append(button);
        return list;
    }
    // The value the editors show now, in the form the entry's setter takes.
    QVariant editedValue() const
    {
        if (edit) return edit->text();
        if (check) return check->isChecked();
        QVector<int> n;
        for (const MOXQSpinBox* spin : spins)
            n.append(spin->value());
        switch (rowType(kind)) {
        case RowType::Size: return QSize(n.value(0), n.value(1));
        case RowType::Margins: return QVariantList{n.value(0), n.value(1), n.value(2), n.value(3)};
        default: return n.value(0);
        }
    }
    PropertyDef* liveEntry()
    {
        entry.object = target.data();
        return &entry;
    }
};

MOXQPropertyListImpl::MOXQPropertyListImpl(QWidget* owner, const QString& name)
    : MOXQScrollViewImpl(owner, name)
{
}

MOXQPropertyListImpl::~MOXQPropertyListImpl()
{
    // The editors go before the rows they report to; nothing is shown meanwhile, so nothing
    // they might still say while being deleted is written anywhere.
    m_order.clear();
    disconnect(m_boundGone);
    delete m_content.data();
}

namespace {

MOXKey<MOXQPropertyListImpl, QString> partThemeKey(const char* name,
                                                   MOXQPropertyListImpl::Part part)
{
    using I = MOXQPropertyListImpl;
    return MOXKey<I, QString>(
        name, [part](const I& i) { return i.getPartTheme(part); },
        [part](I& i, const QString& theme) { i.setPartTheme(part, theme); });
}

} // namespace

const MOXKeyTable& MOXQPropertyListImpl::keys()
{
    using I = MOXQPropertyListImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) { s.addFillGroup(&i.backgroundRecord(), 1); }),
        // The object name of the control whose properties the list shows.
        moxKey<I>("bind", &I::getBindName, &I::setBindName).content(),
        partThemeKey("labelTheme", LabelPart),
        partThemeKey("editTheme", EditPart),
        partThemeKey("checkTheme", CheckPart),
        partThemeKey("buttonTheme", ButtonPart),
    };
    return table;
}

void MOXQPropertyListImpl::setContentWidget(MOXQContainer* content)
{
    m_content = content;
    layout();
}

void MOXQPropertyListImpl::resizeControl()
{
    if (!m_bound) resolveBindName();
}

void MOXQPropertyListImpl::keysRead()
{
    // Part themes named before a theme was loaded take effect once one is.
    for (const auto& kind : m_pool)
        for (const auto& row : kind.second)
            for (int part = 0; part < PartCount; ++part)
                applyThemes(*row, Part(part));
}

void MOXQPropertyListImpl::bindControl(QWidget* control)
{
    removeAll();
    disconnect(m_boundGone);
    m_bound = control;
    if (!control) return;
    m_boundGone = connect(control, &QObject::destroyed, this, [this] { removeAll(); });
    IMOXQWidgetBase* base = moxControlOf(control);
    const ControlInfo* info = base ? moxGetControlInfo(base->getTypeName()) : nullptr;
    if (!info) return;
    // A copy: a registration made while the list shows them must not pull the entries away.
    const QVector<PropertyDef> defs = info->properties;
    for (PropertyDef def : defs) {
        def.object = control;
        addItem(def);
    }
    layout();
}

void MOXQPropertyListImpl::setBindName(const QString& name)
{
    if (m_bindName == name) return;
    m_bindName = name;
    resolveBindName();
}

void MOXQPropertyListImpl::resolveBindName()
{
    QWidget* owner = getOwner();
    if (!owner || m_bindName.isEmpty()) return;
    // The nearest control of that name around the list: its neighbours first, then further out.
    for (QWidget* scope = owner->parentWidget(); scope; scope = scope->parentWidget()) {
        for (QWidget* w : scope->findChildren<QWidget*>(m_bindName)) {
            if (w == owner || owner->isAncestorOf(w) || !moxControlOf(w)) continue;
            if (w != m_bound) bindControl(w);
            return;
        }
    }
}

std::unique_ptr<MOXQPropertyListImpl::Row> MOXQPropertyListImpl::makeRow(int kind)
{
    auto row = std::make_unique<Row>();
    row->kind = kind;
    auto* container = internal(new MOXQContainer(m_content));
    container->setDrawBackground(false);
    row->container = container;
    row->name = internal(new MOXQLabel(container));
    const RowType type = rowType(kind);
    // Every editor reports through editorChanged, which reads the whole row: a size or margins
    // row writes all its spin boxes at once.
    auto reportTo = [this](QWidget* editor) { return [this, editor] { editorChanged(editor); }; };
    if (type == RowType::LineEdit || type == RowType::Path) {
        row->edit = internal(new MOXQLineEdit(container));
        connect(row->edit, &QLineEdit::textChanged, this, reportTo(row->edit));
    }
    for (const QString& prefix : spinPrefixes(type)) {
        auto* spin = internal(new MOXQSpinBox(container));
        spin->setPrefix(prefix);
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, reportTo(spin));
        row->spins.append(spin);
    }
    if (type == RowType::CheckBox) {
        row->check = internal(new MOXQCheckBox(container));
        connect(row->check, &QAbstractButton::toggled, this, reportTo(row->check));
    }
    if (type == RowType::Color) {
        row->swatch = new QFrame(container);
        row->swatch->setFrameShape(QFrame::Box);
    }
    if (type == RowType::ValueLabel || type == RowType::Chooser || type == RowType::Color)
        row->value = internal(new MOXQLabel(container));
    if (type == RowType::Chooser || type == RowType::Path || type == RowType::Color) {
        auto* button = row->button = internal(new MOXQPushButton(container));
        button->setText(QStringLiteral("..."));
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { chooserClicked(button); });
    }
    if (type == RowType::Separator) {
        row->name->hide();
        row->line = new QFrame(container);
        row->line->setFrameShape(QFrame::HLine);
        row->line->setFrameShadow(QFrame::Plain);
    }
    for (int part = 0; part < PartCount; ++part)
        applyThemes(*row, Part(part));
    return row;
}

void MOXQPropertyListImpl::setPartTheme(Part part, const QString& name)
{
    if (part < 0 || part >= PartCount || m_partThemes[part] == name) return;
    m_partThemes[part] = name;
    for (const auto& kind : m_pool)
        for (const auto& row : kind.second)
            applyThemes(*row, part);
}

void MOXQPropertyListImpl::applyThemes(Row& row, Part part) const
{
    if (!row.container) return;
    const QString& theme = m_partThemes[part];
    if (theme.isEmpty()) return;
    auto apply = [&theme](IMOXQWidgetBase* control) {
        if (control) control->setThemeName(theme);
    };
    switch (part) {
    case LabelPart: {
        apply(row.name);
        apply(row.value);
        const TextStyleDesc& text = row.name->getTextStyle(CtrlStateNormal);
        QColor faint = text.color;
        faint.setAlpha(faint.alpha() / 3);
        for (QFrame* frame : {row.line, row.swatch}) {
            if (!frame) continue;
            QPalette palette = frame->palette();
            palette.setColor(QPalette::WindowText, faint);
            frame->setPalette(palette);
        }
        if (row.spins.isEmpty()) break;
        // Spin boxes draw only their numbers: in the labels' colour and font. Their style sheet
        // keeps the background clear, so the colour goes there too.
        const QString sheet = QStringLiteral("background-color: rgba(0, 0, 0, 0); color: %1;")
                                  .arg(sheetColor(text.color));
        QFont font(text.family);
        font.setPixelSize(std::max(text.size, 1));
        font.setBold(text.bold);
        for (MOXQSpinBox* spin : qAsConst(row.spins)) {
            spin->setStyleSheet(sheet);
            spin->setFont(font);
        }
        break;
    }
    case EditPart: apply(row.edit); break;
    case CheckPart: apply(row.check); break;
    case ButtonPart: apply(row.button); break;
    case PartCount: break;
    }
}

MOXQPropertyListImpl::Row* MOXQPropertyListImpl::takeRow(int kind)
{
    std::vector<std::unique_ptr<Row>>& rows = m_pool[kind];
    for (const auto& row : rows)
        if (!row->inUse && row->container) return row.get();
    rows.push_back(makeRow(kind));
    return rows.back().get();
}

bool MOXQPropertyListImpl::addItem(const PropertyDef& def)
{
    if (!m_content || rowType(def.kind) == RowType::None) return false;
    Row* row = takeRow(def.kind);
    row->inUse = true;
    row->entry = def;
    row->target = def.object ? def.object : m_bound.data();
    m_order.append(row);
    fillRow(*row);
    placeRow(*row, m_order.size() - 1, contentWidth());
    row->container->show();
    row->container->raise();
    m_content->setFixedSize(contentWidth(), kRowHeight * m_order.size());
    return true;
}

void MOXQPropertyListImpl::fillRow(Row& row)
{
    if (!row.container) return;
    // While filling, the editors carry no entry: the changes filling causes write nothing.
    for (QWidget* editor : row.editors())
        editor->setProperty(kPropId, QVariant::fromValue<void*>(nullptr));
    const PropertyDef& entry = *row.liveEntry();
    row.name->setText(entry.displayName);
    const QVariant value =
        row.target && entry.getter ? entry.getter(row.target.data()) : QVariant();
    const bool writable = bool(entry.setter);
    const RowType type = rowType(row.kind);
    if (row.edit) {
        row.edit->setReadOnly(!writable);
        row.edit->setText(value.toString());
    }
    // Integers take the entry's range (two values) or else every integer, never the spin
    // box's own 0..99, which would clip the value shown. Sizes and margins are never negative.
    int low = type == RowType::SpinBox ? INT_MIN : 0, high = INT_MAX;
    if (type == RowType::SpinBox && entry.values.size() >= 2) {
        low = std::min(entry.values[0], entry.values[1]);
        high = std::max(entry.values[0], entry.values[1]);
    }
    const QVector<int> numbers = spinNumbers(type, value);
    for (int i = 0; i < row.spins.size(); ++i) {
        row.spins[i]->setRange(low, high);
        row.spins[i]->setReadOnly(!writable);
        row.spins[i]->setValue(numbers.value(i));
    }
    if (row.check) {
        row.check->setEnabled(writable);
        row.check->setChecked(value.toBool());
    }
    const QColor color = type == RowType::Color ? value.value<QColor>() : QColor();
    if (row.value) {
        row.value->setText(
            type == RowType::Chooser ? styleName(value)
            : type == RowType::Color
                ? (color.isValid() ? MOXQResourceManager::colorText(color) : QString())
                : value.toString());
    }
    if (row.swatch) {
        // The view's style sheet keeps every background below it clear; the swatch's own wins.
        row.swatch->setStyleSheet(QStringLiteral("background-color: %1;").arg(sheetColor(color)));
        row.swatch->setVisible(color.isValid());
    }
    // The host writes what its chooser picks through the setter, so without one there is
    // nothing to choose.
    if (row.button) row.button->setEnabled(writable);
    const QVariant id = QVariant::fromValue<void*>(&row.entry);
    for (QWidget* editor : row.editors())
        editor->setProperty(kPropId, id);
}

void MOXQPropertyListImpl::placeRow(Row& row, int index, int width)
{
    if (!row.container) return;
    placeControl(row.container, 0, kRowHeight * index, width, kRowHeight);
    placeControl(row.name, 0, 0, m_nameWidth, kRowHeight);
    if (row.line) placeControl(row.line, 0, kRowHeight / 2, width, 1);
    int x = m_nameWidth;
    int w = width - m_nameWidth;
    const int margin = (kRowHeight - kButtonSize) / 2;
    if (row.button) {
        placeControl(row.button, width - kButtonSize - margin, margin, kButtonSize, kButtonSize);
        w -= kButtonSize + 2 * margin;
    }
    if (row.swatch) {
        placeControl(row.swatch, x, (kRowHeight - kSwatchSize) / 2, kSwatchSize, kSwatchSize);
        x += kSwatchSize + margin;
        w -= kSwatchSize + margin;
    }
    // Spin boxes share the editor's width evenly, in the order of their values.
    const int spins = row.spins.size();
    for (int i = 0; i < spins; ++i) {
        const int left = x + w * i / spins;
        placeControl(row.spins[i], left, 0, x + w * (i + 1) / spins - left, kRowHeight);
    }
    for (QWidget* editor : {static_cast<QWidget*>(row.edit), static_cast<QWidget*>(row.check),
                            static_cast<QWidget*>(row.value)})
        placeControl(editor, x, 0, w, kRowHeight);
}

void MOXQPropertyListImpl::removeAll()
{
    for (Row* row : qAsConst(m_order)) {
        row->inUse = false;
        row->target = nullptr;
        row->entry.object = nullptr;
        if (row->container) row->container->hide();
    }
    m_order.clear();
    layout();
}

int MOXQPropertyListImpl::contentWidth() const
{
    const auto* area = ownerAs<QScrollArea>();
    return area ? std::max(area->viewport()->width(), 0) : 0;
}

void MOXQPropertyListImpl::layout()
{
    if (!m_content) return;
    const int width = contentWidth();
    for (int i = 0; i < m_order.size(); ++i)
        placeRow(*m_order[i], i, width);
    m_content->setFixedSize(width, kRowHeight * m_order.size());
}

void MOXQPropertyListImpl::updateValue(PropertyDef* def)
{
    if (!def) return;
    for (Row* row : qAsConst(m_order)) {
        if (&row->entry != def) continue;
        fillRow(*row);
        emit valueChanged(row->liveEntry());
        return;
    }
    emit valueChanged(def);
}

void MOXQPropertyListImpl::setNameWidth(int width)
{
    width = std::max(width, 0);
    if (width == m_nameWidth) return;
    m_nameWidth = width;
    layout();
}

PropertyDef* MOXQPropertyListImpl::entryAt(int row) const
{
    return row >= 0 && row < m_order.size() ? m_order[row]->liveEntry() : nullptr;
}

QWidget* MOXQPropertyListImpl::rowAt(int row) const
{
    return row >= 0 && row < m_order.size() ? m_order[row]->container.data() : nullptr;
}

QWidget* MOXQPropertyListImpl::editorAt(int row) const
{
    return rowAt(row) ? m_order[row]->editor() : nullptr;
}

MOXQPropertyListImpl::Row* MOXQPropertyListImpl::rowOfEditor(QObject* editor) const
{
    const void* id = editor ? editor->property(kPropId).value<void*>() : nullptr;
    if (!id) return nullptr;
    for (Row* row : m_order)
        if (&row->entry == id) return row;
    return nullptr;
}

void MOXQPropertyListImpl::editorChanged(QObject* editor)
{
    Row* row = rowOfEditor(editor);
    if (!row || !row->entry.setter || !row->target) return;
    row->entry.setter(row->target.data(), row->editedValue());
    emit valueChanged(row->liveEntry());
}

void MOXQPropertyListImpl::chooserClicked(QObject* editor)
{
    Row* row = rowOfEditor(editor);
    if (row && row->target) emit selectEvent(row->liveEntry());
}

} // namespace MOXQtLib
