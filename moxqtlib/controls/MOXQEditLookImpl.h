#pragma once

// What the line edit and the text edit share: a background and a text style per state, a
// placeholder in its own style shown while the field is empty, inset by the contents margins,
// and a state the field drives itself (hover lights it unless it has the focus, the focus
// shows Pressed). Qt edits and draws the text.

#include "FillStyle.h"
#include "MOXKeyTable.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXStyleEntries.h"
#include "TextStyleDesc.h"

#include <QMargins>
#include <QString>

#include <vector>

namespace MOXQtLib {

class MOXQEditLookImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQEditLookImpl(QWidget* owner, const QString& name);

    // The background of the current state over `rect`, then the placeholder when the field
    // is `empty`. Hot looks like Normal: hovering never changes the field.
    void drawLook(QPainter* painter, const QRect& rect, bool empty);
    // The current state's text style as the owner's font and text colour.
    void applyStateTextStyle();
    // Puts the Normal text style on the widget.
    void resizeControl() override;

    void enterControl() override;
    void leaveControl() override;
    void focusControl(bool in);

    void setBackground(int state, const FillStyle& style);
    const FillStyle& getBackground(int state) const { return m_backgrounds.get(state); }
    void setTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(int state) const { return m_textStyles.get(state); }
    // One placeholder style; the state is ignored.
    void setPlaceholderTextStyle(int state, const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle(int) const { return m_placeholderStyle; }
    void setPlaceholderText(const QString& text);
    QString getPlaceholderText() const { return m_placeholder; }

    // The owner's contents margins, each kept in [0, 32767].
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

    // Where the placeholder is drawn in a field of `size` with `margins`: inset on every side.
    static QRect placeholderRect(const QSize& size, const QMargins& margins);

protected:
    void keysRead() override;

    // Property entries "Background", "TextStyle" and "PlaceholderStyle".
    static std::vector<MOXKeyDecl> lookProperties();
    // "leftMargin", "rightMargin", "topMargin", "bottomMargin" and the "Margin" entry.
    static std::vector<MOXKeyDecl> marginKeys();
    // Slot groups: the backgrounds, then the text styles.
    void addStateSlots(MOXStyleSlots& styleSlots);

    // The owner's contents margins unless a field keeps its margins elsewhere.
    virtual QMargins margins() const;
    virtual void setMargins(const QMargins& margins);
    // Each side kept in [0, 32767]: larger values are file damage (Qt keeps 16 bits).
    static QMargins clampedMargins(const QMargins& margins);

    QString m_placeholder;
    TextStyleDesc m_placeholderStyle;
    MOXStateRecords<FillStyle> m_backgrounds;
    MOXStateRecords<TextStyleDesc> m_textStyles;
};

} // namespace MOXQtLib
