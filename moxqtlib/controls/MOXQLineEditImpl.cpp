#include "MOXQLineEditImpl.h"

#include "MOXKey.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace MOXQtLib {

namespace {

// Slots 0-3 backgrounds, 4-7 text styles, 8 unused, 9 the placeholder.
constexpr int kSlotCount = 10;

} // namespace

MOXQLineEditImpl::MOXQLineEditImpl(QWidget* owner, const QString& name)
    : MOXQEditLookImpl(owner, name)
{
}

const MOXKeyTable& MOXQLineEditImpl::keys()
{
    using I = MOXQLineEditImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            i.addStateSlots(s);
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
        lookProperties(),
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
        marginKeys(),
    };
    return table;
}

QLineEdit* MOXQLineEditImpl::edit() const
{
    return ownerAs<QLineEdit>();
}

// --- painting ---------------------------------------------------------------------------------

void MOXQLineEditImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QLineEdit* e = edit();
    drawLook(painter, rect, e && e->text().isEmpty());
}

bool MOXQLineEditImpl::serializeLook(Json::Value* value, bool read)
{
    if (read && value && !moxReadStyleEntries(*value, kSlotCount).isEmpty() && !m_placeholderRead)
        // Whatever the order of the entries, a named placeholder style wins over this copy.
        m_placeholderStyle = m_textStyles.get(CtrlStateHot);
    m_placeholderRead = false;
    return true;
}

// --- keys ------------------------------------------------------------------------------------

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

} // namespace MOXQtLib
