#include "MOXQCheckableImpl.h"

#include "MOXKey.h"

#include <QAbstractButton>

namespace MOXQtLib {

namespace {

bool isAlignment(int align)
{
    return align >= 0 && align <= 2;
}

// Until a theme or a file says otherwise nothing is painted behind the control.
FillStyle undrawnBackground()
{
    FillStyle style;
    style.valid = false;
    return style;
}

} // namespace

MOXQCheckableImpl::MOXQCheckableImpl(QWidget* owner, const QString& name,
                                     const IconStyleDesc& iconStyle)
    : MOXQWidgetBaseImpl(owner, name), m_iconStyle(iconStyle), m_uncheckedBg(undrawnBackground()),
      m_checkedBg(undrawnBackground())
{
}

std::vector<MOXKeyDecl> MOXQCheckableImpl::styleKeys(const char* uncheckedBg, const char* checkedBg)
{
    using I = MOXQCheckableImpl;
    return {
        moxStyles<I>([](I& i, MOXStyleSlots& s) {
            s.addFillGroup(i.m_uncheckedBg);
            s.addFillGroup(i.m_checkedBg);
            s.addTextGroup(&i.m_uncheckedText, 1);
            s.addTextGroup(&i.m_checkedText, 1);
            s.addTextGroup(&i.m_disabledText, 1);
        }),
        moxStateProperty<I>(uncheckedBg, PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setBackground, &I::getBackground),
        moxStateProperty<I>(checkedBg, PropertyDef::FillStylePerState, moxFourStates(),
                            &I::setCheckedBackground, &I::getCheckedBackground),
        moxStateProperty<I>(
            "TextStyle", PropertyDef::TextStylePerState,
            {QStringLiteral("Checked"), QStringLiteral("Unchecked"), QStringLiteral("Disable")},
            &I::setTextStyleByState, &I::getTextStyleByState),
        moxLineProperty(),
    };
}

std::vector<MOXKeyDecl> MOXQCheckableImpl::showKeys(bool listShowText)
{
    using I = MOXQCheckableImpl;
    auto showText = moxKey<I>("showText", &I::getShowText, &I::setShowText).omit(true);
    if (listShowText) showText.property("ShowText", PropertyDef::Boolean);
    return {
        moxKey<I>("showIcon", &I::getShowIcon, &I::setShowIcon)
            .omit(true)
            .property("ShowIcon", PropertyDef::Boolean),
        showText,
    };
}

std::vector<MOXKeyDecl> MOXQCheckableImpl::indicatorKeys(const IconStyleDesc& defaults,
                                                         bool writeEveryPath)
{
    using I = MOXQCheckableImpl;
    auto alignment = [](const char* name, int (I::*get)() const, void (I::*set)(int)) {
        MOXKeyDecl decl = moxProperty<I>(name, PropertyDef::Enumeration, get, set);
        decl.property.values = {0, 1, 2};
        decl.property.labels =
            QStringList{QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
        return decl;
    };
    // Indicator images are part of the look, yet a control's own file may name them too. A
    // path left out keeps its value, so one that must read back empty is written as "".
    auto path = [writeEveryPath](const char* key, QString (I::*get)() const,
                                 void (I::*set)(const QString&), const char* display) {
        auto decl =
            moxKey<I>(key, get, set).ownThenTheme().property(display, PropertyDef::ImagePath);
        if (writeEveryPath) decl.always();
        return MOXKeyDecl(decl);
    };
    std::vector<MOXKeyDecl> keys = {
        moxKey<I>("text", &I::captionToWrite, &I::setCaption).content(),
        path("iconPath", &I::getUncheckIcon, &I::setUncheckIcon, "UncheckIcon"),
        path("hotIconPath", &I::getUncheckHotIcon, &I::setUncheckHotIcon, "UncheckHotIcon"),
        path("siconPath", &I::getCheckedIcon, &I::setCheckedIcon, "CheckedIcon"),
        path("sHotIconPath", &I::getCheckedHotIcon, &I::setCheckedHotIcon, "CheckedHotIcon"),
        alignment("HorAlign", &I::getIconHorAlign, &I::setIconHorAlign),
        alignment("VerAlign", &I::getIconVerAlign, &I::setIconVerAlign),
        moxProperty<I>("OffsetX", PropertyDef::Integer, &I::getIconOffsetX, &I::setIconOffsetX),
        moxProperty<I>("OffsetY", PropertyDef::Integer, &I::getIconOffsetY, &I::setIconOffsetY),
    };
    // Placement keys are left out at the control's own defaults, which a missing key keeps.
    for (MOXKeyDecl& key : moxIconStyleKeys<I>(&I::m_iconStyle, defaults))
        keys.push_back(std::move(key));
    return keys;
}

bool MOXQCheckableImpl::isChecked() const
{
    const QAbstractButton* b = button();
    return b && b->isChecked();
}

bool MOXQCheckableImpl::showsDisabled() const
{
    const QWidget* owner = getOwner();
    return getState() == CtrlStateDisable || (owner && !owner->isEnabled());
}

QString MOXQCheckableImpl::enabledIndicatorPath() const
{
    const bool checked = isChecked();
    if (getState() == CtrlStateHot) {
        const QString& hot = checked ? m_checkedHotPath : m_uncheckHotPath;
        if (!hot.isEmpty()) return hot;
    }
    return checked ? m_checkedPath : m_uncheckPath;
}

const TextStyleDesc& MOXQCheckableImpl::stateTextStyle() const
{
    if (showsDisabled()) return m_disabledText;
    return isChecked() ? m_checkedText : m_uncheckedText;
}

const FillStyle& MOXQCheckableImpl::stateBackground() const
{
    return (isChecked() ? m_checkedBg : m_uncheckedBg).get(getState());
}

// --- caption ---------------------------------------------------------------------------------

void MOXQCheckableImpl::setCaption(const QString& text)
{
    m_caption.setText(text);
    if (QAbstractButton* b = button()) b->setText(m_caption.shown());
    updateOwner();
}

QString MOXQCheckableImpl::captionToWrite() const
{
    const QAbstractButton* b = button();
    return m_caption.textToWrite(b ? b->text() : QString());
}

void MOXQCheckableImpl::changeLanguage()
{
    QAbstractButton* b = button();
    if (b && m_caption.retranslate(b->text())) b->setText(m_caption.shown());
}

// --- setters ---------------------------------------------------------------------------------

void MOXQCheckableImpl::setBackground(int state, const FillStyle& style)
{
    if (m_uncheckedBg.set(state, style)) updateOwner();
}

void MOXQCheckableImpl::setCheckedBackground(int state, const FillStyle& style)
{
    if (m_checkedBg.set(state, style)) updateOwner();
}

void MOXQCheckableImpl::setTextStyle(bool checked, const TextStyleDesc& style)
{
    setTextStyleByState(checked ? CheckBoxTextChecked : CheckBoxTextUnchecked, style);
}

const TextStyleDesc& MOXQCheckableImpl::getTextStyle(bool checked) const
{
    return checked ? m_checkedText : m_uncheckedText;
}

void MOXQCheckableImpl::setTextStyleByState(int state, const TextStyleDesc& style)
{
    switch (state) {
    case CheckBoxTextChecked:
        m_checkedText = style;
        break;
    case CheckBoxTextUnchecked:
        m_uncheckedText = style;
        break;
    case CheckBoxTextDisable:
        m_disabledText = style;
        break;
    default:
        return;
    }
    updateOwner();
}

const TextStyleDesc& MOXQCheckableImpl::getTextStyleByState(int state) const
{
    if (state == CheckBoxTextChecked) return m_checkedText;
    if (state == CheckBoxTextDisable) return m_disabledText;
    return m_uncheckedText;
}

void MOXQCheckableImpl::setUncheckIcon(const QString& path)
{
    setFollowedIcon(m_uncheckPath, m_uncheckHotPath, moxBuiltInUncheckImage(), path);
}

void MOXQCheckableImpl::setUncheckHotIcon(const QString& path)
{
    storeAndUpdate(m_uncheckHotPath, path);
}

void MOXQCheckableImpl::setCheckedIcon(const QString& path)
{
    setFollowedIcon(m_checkedPath, m_checkedHotPath, moxBuiltInCheckedImage(), path);
}

void MOXQCheckableImpl::setFollowedIcon(QString& field, QString& hotField, const QString& builtIn,
                                        const QString& path)
{
    const bool hotFollows = hotField == builtIn && path != builtIn;
    if (path == field && !hotFollows) return;
    if (hotFollows) hotField = path;
    field = path;
    updateOwner();
}

void MOXQCheckableImpl::setCheckedHotIcon(const QString& path)
{
    storeAndUpdate(m_checkedHotPath, path);
}

void MOXQCheckableImpl::setShowIcon(bool show)
{
    storeAndUpdate(m_showIcon, show);
}

void MOXQCheckableImpl::setShowText(bool show)
{
    storeAndUpdate(m_showText, show);
}

void MOXQCheckableImpl::setIconStyle(const IconStyleDesc& style)
{
    IconStyleDesc checked = style;
    if (!isAlignment(checked.horAlign)) checked.horAlign = m_iconStyle.horAlign;
    if (!isAlignment(checked.verAlign)) checked.verAlign = m_iconStyle.verAlign;
    storeAndUpdate(m_iconStyle, checked);
}

void MOXQCheckableImpl::setIconField(int IconStyleDesc::*field, int value)
{
    IconStyleDesc style = m_iconStyle;
    style.*field = value;
    setIconStyle(style);
}

} // namespace MOXQtLib
