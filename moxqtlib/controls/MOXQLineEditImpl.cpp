#include "MOXQLineEditImpl.h"

#include "MOXKey.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>

namespace MOXQtLib {

namespace {

// Slots 0-3 backgrounds, 4-7 text styles, 8 unused, 9 the placeholder.
constexpr int kSlotCount = 10;
// Margins past this are file damage; Qt keeps margins in 16 bits.
constexpr int kMaxMargin = 32767;

int marginOf(int value)
{
    return std::clamp(value, 0, kMaxMargin);
}

} // namespace

MOXQLineEditImpl::MOXQLineEditImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQLineEditImpl::keys()
{
    using I = MOXQLineEditImpl;
    // Pages set margins per field; a theme entry then changes only those it names.
    auto margin = [](const char* key, int (QMargins::*get)() const, void (QMargins::*set)(int)) {
        return moxKey<I>(
                   key, [get](const I& i) { return (i.margins().*get)(); },
                   [set](I& i, int v) {
                       QMargins m = i.margins();
                       (m.*set)(v);
                       i.setMargins(m);
                   })
            .ownThenTheme();
    };
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(i.m_backgrounds);
            s.addTextGroup(i.m_textStyles);
            s.addGap(1);
            s.addGroup<TextStyleDesc>(
                &i.m_placeholderStyle, 1, [&i](const QString& name, TextStyleDesc& style) {
                    TextStyleDesc found;
                    if (!MOXQResourceManager::getInstance()->getTextStyle(name, found))
                        return false;
                    style = found;
                    i.m_placeholderRead = true;
                    return true;
                });
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setTextStyle, &I::getTextStyle),
        moxStateProperty<I>("PlaceholderStyle", PropertyDef::TextStylePerState,
                            {QStringLiteral("Normal")}, &I::setPlaceholderTextStyle,
                            &I::getPlaceholderTextStyle),
        moxKey<I>("text", &I::getText, &I::setText).content().property("Text", PropertyDef::Text),
        // Stored files spell it so.
        moxKey<I>("ispassord", &I::getIsPassword, &I::readPassword).ownThenTheme(),
        moxProperty<I>("IsPassword", PropertyDef::Boolean, &I::getIsPassword, &I::setIsPassword),
        moxKey<I>("tip", &I::getPlaceholderText, &I::setPlaceholderText)
            .content()
            .property("PlaceholderText", PropertyDef::Text),
        moxKey<I>("shortcut", &I::getHotkeyMode, &I::setHotkeyMode)
            .content()
            .property("IsShortcut", PropertyDef::Boolean),
        margin("leftMargin", &QMargins::left, &QMargins::setLeft),
        margin("rightMargin", &QMargins::right, &QMargins::setRight),
        margin("topMargin", &QMargins::top, &QMargins::setTop),
        margin("bottomMargin", &QMargins::bottom, &QMargins::setBottom),
        // Top, bottom, left, right: the order of setEditMargin.
        moxProperty<I>(
            "Margin", PropertyDef::Margins,
            [](const I& i) {
                const QMargins m = i.margins();
                return QVariantList{m.top(), m.bottom(), m.left(), m.right()};
            },
            [](I& i, const QVariantList& m) {
                if (m.size() == 4)
                    i.setEditMargin(m[0].toInt(), m[1].toInt(), m[2].toInt(), m[3].toInt());
            }),
    };
    return table;
}

QLineEdit* MOXQLineEditImpl::edit() const
{
    return ownerAs<QLineEdit>();
}

// --- painting ---------------------------------------------------------------------------------

QRect MOXQLineEditImpl::placeholderRect(const QSize& size, const QMargins& margins)
{
    return QRect(QPoint(0, 0), size).marginsRemoved(margins);
}

void MOXQLineEditImpl::drawControl(QPainter* painter, const QRect& rect)
{
    if (getState() == CtrlStateHot) setState(CtrlStateNormal);
    drawFillStyle(painter, m_backgrounds.get(getState()), rect);
    const QLineEdit* e = edit();
    if (!e || !e->text().isEmpty() || m_placeholder.isEmpty()) return;
    const QRect r = placeholderRect(rect.size(), margins());
    if (r.width() > 0 && r.height() > 0)
        drawText(painter, m_placeholder, m_placeholderStyle, r.x(), r.y(), r.width(), r.height());
}

void MOXQLineEditImpl::applyStateTextStyle()
{
    QLineEdit* e = edit();
    if (!e) return;
    const TextStyleDesc& style = m_textStyles.get(getState());
    // Only real changes: setting a font or palette schedules another paint.
    const QFont font = textStyleFont(style);
    if (e->font() != font) e->setFont(font);
    QPalette palette = e->palette();
    palette.setColor(QPalette::All, QPalette::Text, style.color);
    if (palette != e->palette()) e->setPalette(palette);
}

void MOXQLineEditImpl::resizeControl()
{
    const CtrlState state = getState();
    setState(CtrlStateNormal);
    applyStateTextStyle();
    setState(state);
}

void MOXQLineEditImpl::keysRead()
{
    applyStateTextStyle();
    updateOwner();
}

bool MOXQLineEditImpl::serializeLook(Json::Value* value, bool read)
{
    if (read && value && !moxReadStyleEntries(*value, kSlotCount).isEmpty() && !m_placeholderRead)
        // Whatever the order of the entries, a named placeholder style wins over this copy.
        m_placeholderStyle = m_textStyles.get(CtrlStateHot);
    m_placeholderRead = false;
    return true;
}

// --- state and keys ---------------------------------------------------------------------------

void MOXQLineEditImpl::enterControl()
{
    setHovered(true);
    const QWidget* owner = getOwner();
    if (owner && owner->hasFocus()) return;
    setState(CtrlStateHot);
    updateOwner();
}

void MOXQLineEditImpl::leaveControl()
{
    setHovered(false);
    const QWidget* owner = getOwner();
    if (owner && owner->hasFocus()) return;
    setState(CtrlStateNormal);
    updateOwner();
}

void MOXQLineEditImpl::focusControl(bool in)
{
    setState(in ? CtrlStatePressed : CtrlStateNormal);
    updateOwner();
}

bool MOXQLineEditImpl::hotkeyText(int key, Qt::KeyboardModifiers modifiers, QString& text)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        text.clear();
        return true;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        text = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
        return true;
    }
    if (key < Qt::Key_A || key > Qt::Key_Z) return false;
    QStringList parts;
    if (modifiers & Qt::ControlModifier) parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier) parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier) parts << QStringLiteral("SHIFT");
    parts << QString(QChar('A' + (key - Qt::Key_A)));
    text = parts.join(QLatin1Char('+'));
    return true;
}

bool MOXQLineEditImpl::handleKey(QKeyEvent* event)
{
    if (getIsPassword() &&
        (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Paste) ||
         event->matches(QKeySequence::Copy)))
        return true;
    if (!m_hotkeyMode) return false;
    QString text;
    if (QLineEdit* e = edit(); e && hotkeyText(event->key(), event->modifiers(), text))
        e->setText(text);
    return true;
}

// --- setters ---------------------------------------------------------------------------------

void MOXQLineEditImpl::setBackground(int state, const FillStyle& style)
{
    if (m_backgrounds.set(state, style)) updateOwner();
}

void MOXQLineEditImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (!m_textStyles.set(state, style)) return;
    applyStateTextStyle();
    updateOwner();
}

void MOXQLineEditImpl::setPlaceholderTextStyle(int, const TextStyleDesc& style)
{
    m_placeholderStyle = style;
    updateOwner();
}

void MOXQLineEditImpl::setPlaceholderText(const QString& text)
{
    storeAndUpdate(m_placeholder, text);
}

void MOXQLineEditImpl::setText(const QString& text)
{
    if (QLineEdit* e = edit()) e->setText(text);
}

QString MOXQLineEditImpl::getText() const
{
    const QLineEdit* e = edit();
    return e ? e->text() : QString();
}

void MOXQLineEditImpl::setIsPassword(bool password)
{
    QLineEdit* e = edit();
    if (!e) return;
    e->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    e->setContextMenuPolicy(password ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

bool MOXQLineEditImpl::getIsPassword() const
{
    const QLineEdit* e = edit();
    return e && e->echoMode() == QLineEdit::Password;
}

void MOXQLineEditImpl::readPassword(bool password)
{
    if (password) setIsPassword(true);
}

void MOXQLineEditImpl::setHotkeyMode(bool on)
{
    m_hotkeyMode = on;
}

QMargins MOXQLineEditImpl::margins() const
{
    const QLineEdit* e = edit();
    return e ? e->contentsMargins() : QMargins();
}

void MOXQLineEditImpl::setMargins(const QMargins& m)
{
    QLineEdit* e = edit();
    const QMargins clamped(marginOf(m.left()), marginOf(m.top()), marginOf(m.right()),
                           marginOf(m.bottom()));
    if (!e || e->contentsMargins() == clamped) return;
    e->setContentsMargins(clamped);
    updateOwner();
}

void MOXQLineEditImpl::setEditMargin(int top, int bottom, int left, int right)
{
    setMargins(QMargins(left, top, right, bottom));
}

void MOXQLineEditImpl::getEditMargin(int& top, int& bottom, int& left, int& right) const
{
    const QMargins m = margins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

} // namespace MOXQtLib
