#pragma once

// What the check box and the radio button share: a caption (plain or a language key), a
// background per control state for each of the two checked states, three text styles, the
// four indicator images of the enabled states and their placement.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "MOXCaption.h"
#include "MOXControlTypes.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QString>

#include <vector>

class QAbstractButton;

namespace MOXQtLib {

struct MOXKeyDecl;

// Selects one of the three text styles.
enum CheckBoxTextState
{
    CheckBoxTextChecked = 0,
    CheckBoxTextUnchecked = 1,
    CheckBoxTextDisable = 2
};

class MOXQCheckableImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQCheckableImpl(QWidget* owner, const QString& name, const IconStyleDesc& iconStyle);

    // Per-state backgrounds: states 0 to 3, or 4 for all; other states are ignored by setters
    // and read as Normal. A background paints only while its `valid` flag is set (styles
    // found by name always are).
    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int state) const { return m_uncheckedBg.get(state); }
    void setCheckedBackground(int state, const FillStyle& style);
    const FillStyle& getCheckedBackground(int state) const { return m_checkedBg.get(state); }

    void setTextStyle(bool checked, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(bool checked) const;
    // A state outside 0..2 is ignored by the setter and reads the unchecked style.
    void setTextStyleByState(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyleByState(int state) const;
    void setDisableTextStyle(const TextStyleDesc& style)
    {
        setTextStyleByState(CheckBoxTextDisable, style);
    }
    const TextStyleDesc& getDisableTextStyle() const { return m_disabledText; }

    // A hot image still naming the built-in unchecked (checked) image follows the unchecked
    // (checked) image, so one custom image serves the normal and the hot look.
    void setUncheckIcon(const QString& path);
    QString getUncheckIcon() const { return m_uncheckPath; }
    void setUncheckHotIcon(const QString& path);
    QString getUncheckHotIcon() const { return m_uncheckHotPath; }
    void setCheckedIcon(const QString& path);
    QString getCheckedIcon() const { return m_checkedPath; }
    void setCheckedHotIcon(const QString& path);
    QString getCheckedHotIcon() const { return m_checkedHotPath; }

    void setShowIcon(bool show);
    bool getShowIcon() const { return m_showIcon; }
    void setShowText(bool show);
    bool getShowText() const { return m_showText; }

    // Alignments outside 0..2 keep the current ones.
    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const { return m_iconStyle; }
    void setIconHorAlign(int align) { setIconField(&IconStyleDesc::horAlign, align); }
    int getIconHorAlign() const { return m_iconStyle.horAlign; }
    void setIconVerAlign(int align) { setIconField(&IconStyleDesc::verAlign, align); }
    int getIconVerAlign() const { return m_iconStyle.verAlign; }
    void setIconOffsetX(int offset) { setIconField(&IconStyleDesc::x, offset); }
    int getIconOffsetX() const { return m_iconStyle.x; }
    void setIconOffsetY(int offset) { setIconField(&IconStyleDesc::y, offset); }
    int getIconOffsetY() const { return m_iconStyle.y; }

    // "|->key" texts are language keys, shown translated and written back as "|->key".
    void setCaption(const QString& text);
    QString captionToWrite() const;
    void changeLanguage() override;

protected:
    // The "style" slots, the two background entries, "TextStyle" and the separator, in
    // property-list order.
    static std::vector<MOXKeyDecl> styleKeys(const char* uncheckedBg, const char* checkedBg);
    // "showIcon" and "showText", each listed in the property list ("ShowText" only when asked).
    static std::vector<MOXKeyDecl> showKeys(bool listShowText);
    // The caption, the four indicator paths and their placement; the placement keys are left
    // out while they equal the control's `defaults`, and empty paths unless `writeEveryPath`.
    static std::vector<MOXKeyDecl> indicatorKeys(const IconStyleDesc& defaults,
                                                 bool writeEveryPath);

    void keysRead() override { updateOwner(); }

    QAbstractButton* button() const { return ownerAs<QAbstractButton>(); }
    bool isChecked() const;
    // The disabled look: the owner is disabled (or the state says so before a paint).
    bool showsDisabled() const;
    // The checked or unchecked image of an enabled state: the hot one in Hot when set.
    QString enabledIndicatorPath() const;
    // The caption's text style for the current state.
    const TextStyleDesc& stateTextStyle() const;
    // The background of the current state and checked state.
    const FillStyle& stateBackground() const;

    MOXCaption m_caption;
    // The indicator images of the enabled states.
    QString m_uncheckPath;
    QString m_uncheckHotPath;
    QString m_checkedPath;
    QString m_checkedHotPath;
    IconStyleDesc m_iconStyle;
    TextStyleDesc m_uncheckedText;
    TextStyleDesc m_checkedText;
    TextStyleDesc m_disabledText;
    bool m_showIcon = true;
    bool m_showText = true;
    MOXStateRecords<FillStyle> m_uncheckedBg;
    MOXStateRecords<FillStyle> m_checkedBg;

private:
    void setIconField(int IconStyleDesc::*field, int value);
    // Stores an indicator image and lets a hot image still naming `builtIn` follow it.
    void setFollowedIcon(QString& field, QString& hotField, const QString& builtIn,
                         const QString& path);
};

// The built-in indicator images.
inline QString moxBuiltInUncheckImage()
{
    return QStringLiteral("IDB_UNCHECK");
}
inline QString moxBuiltInCheckedImage()
{
    return QStringLiteral("IDB_CHECKED");
}

} // namespace MOXQtLib
