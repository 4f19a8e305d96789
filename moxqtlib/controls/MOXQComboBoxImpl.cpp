#include "MOXQComboBoxImpl.h"

#include "MOXKey.h"
#include "MOXQStylePainter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace MOXQtLib {

MOXQComboBoxImpl::MOXQComboBoxImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQComboBoxImpl::keys()
{
    using I = MOXQComboBoxImpl;
    static const MOXKeyTable table{
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(i.m_backgrounds);
            s.addFillGroup(i.m_btnBackgrounds);
            s.addTextGroup(i.m_textStyles);
            s.addFillGroup(&i.m_popupBackground, 1);
            s.addFillGroup(i.m_itemBackgrounds);
            s.addTextGroup(i.m_itemTextStyles);
        }),
        moxStateProperty<I>("Background", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>("BtnBackground", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setBtnBackground, &I::getBtnBackground),
        moxStateProperty<I>("TextStyle", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setTextStyle, &I::getTextStyle),
        // Designers have always shown the popup background under this name.
        moxStateProperty<I>("BtnBackground", PropertyDef::FillStylePerState,
                            {QStringLiteral("Normal")}, &I::setPopupBackground,
                            &I::getPopupBackground),
        moxStateProperty<I>("ItemBg", PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setItemBackground, &I::getItemBackground),
        moxStateProperty<I>("ItemText", PropertyDef::TextStylePerState, moxFourStates(),
                            &I::setItemTextStyle, &I::getItemTextStyle),
        moxProperty<I>("Context", PropertyDef::Text, &I::getCurrentText, &I::setCurrentText),
        // Reading adds an item, so a theme entry (re-read on every refresh) never may.
        moxKey<I>("text", &I::getCurrentText, &I::addCurrentText).content(),
        moxKey<I>("btnIcon", &I::getNormalBtnIcon, &I::setNormalBtnIcon)
            .property("Icon", PropertyDef::ImagePath),
        moxKey<I>("btnHotIcon", &I::getHotBtnIcon, &I::setHotBtnIcon)
            .property("HotIcon", PropertyDef::ImagePath),
    };
    return table;
}

QComboBox* MOXQComboBoxImpl::combo() const
{
    return ownerAs<QComboBox>();
}

QRect MOXQComboBoxImpl::buttonRect(const QSize& size)
{
    const int side = size.height();
    return QRect(size.width() - side - 1, 0, side, side);
}

void MOXQComboBoxImpl::drawControl(QPainter* painter, const QRect& rect)
{
    const QComboBox* c = combo();
    if (!c) return;
    const int state = getState();
    const QRect button = buttonRect(rect.size());
    drawFillStyle(painter, m_backgrounds.get(state), rect);
    drawFillStyle(painter, m_btnBackgrounds.get(state), button);
    drawImage(painter, getBtnIcon(state), IconStyleDesc(), button);
    if (c->isEditable()) return;
    int x = 0;
    const QIcon icon = c->itemIcon(c->currentIndex());
    if (!icon.isNull()) {
        drawIcon(painter, icon, QSize(16, 16), IconStyleDesc(), QRect(5, 0, 20, rect.height()));
        x = 20;
    }
    drawText(painter, c->currentText(), m_textStyles.get(state), x, 0, button.left() - x,
             rect.height());
}

void MOXQComboBoxImpl::keysRead()
{
    QComboBox* c = combo();
    if (c && c->lineEdit())
        c->lineEdit()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    updateOwner();
}

void MOXQComboBoxImpl::setBackground(int state, const FillStyle& style)
{
    if (m_backgrounds.set(state, style)) updateOwner();
}

void MOXQComboBoxImpl::setBtnBackground(int state, const FillStyle& style)
{
    if (m_btnBackgrounds.set(state, style)) updateOwner();
}

void MOXQComboBoxImpl::setTextStyle(int state, const TextStyleDesc& style)
{
    if (m_textStyles.set(state, style)) updateOwner();
}

void MOXQComboBoxImpl::setItemBackground(int state, const FillStyle& style)
{
    m_itemBackgrounds.set(state, style);
}

void MOXQComboBoxImpl::setItemTextStyle(int state, const TextStyleDesc& style)
{
    m_itemTextStyles.set(state, style);
}

void MOXQComboBoxImpl::setPopupBackground(int, const FillStyle& style)
{
    m_popupBackground = style;
}

void MOXQComboBoxImpl::setBtnIcon(int state, const QString& path)
{
    if (state == kMoxAllStates)
        m_btnIcons.fill(path);
    else if (moxIsCtrlState(state))
        m_btnIcons[size_t(state)] = path;
    else
        return;
    updateOwner();
}

QString MOXQComboBoxImpl::getBtnIcon(int state) const
{
    return m_btnIcons[size_t(moxStateOrNormal(state))];
}

void MOXQComboBoxImpl::setItemHeight(int height)
{
    m_itemHeight = std::max(height, 1);
}

void MOXQComboBoxImpl::addCurrentText(const QString& text)
{
    QComboBox* c = combo();
    if (!c || text.isEmpty()) return;
    c->addItem(text);
    c->setCurrentIndex(c->count() - 1);
}

QString MOXQComboBoxImpl::getCurrentText() const
{
    const QComboBox* c = combo();
    return c ? c->currentText() : QString();
}

void MOXQComboBoxImpl::setCurrentText(const QString& text)
{
    if (QComboBox* c = combo()) c->setCurrentText(text);
}

} // namespace MOXQtLib
