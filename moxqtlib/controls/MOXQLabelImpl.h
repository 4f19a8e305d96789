#pragma once

// The label's text style and full text. The label draws itself (it is a QLabel): the style
// becomes its font, palette and alignment, and a single-line style shows the text elided to
// the label's width while the full text stays stored.

#include "MOXCaption.h"
#include "MOXQWidgetBaseImpl.h"
#include "TextStyleDesc.h"

#include <QFont>
#include <QString>

class QLabel;

namespace MOXQtLib {

class MOXQLabelImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQLabelImpl(QWidget* owner, const QString& name);

    static const MOXKeyTable& keys();

    // The text in the normal style over `rect`. The label's own paint event is QLabel's; views
    // that draw controls into their items (the template list) come here.
    void drawControl(QPainter* painter, const QRect& rect) override;

    // "|->key" texts are language keys, shown translated.
    void setText(const QString& text);
    // The full text, never its elided form.
    QString getText() const;
    const MOXCaption& caption() const { return m_caption; }
    // What a file keeps: "|->key" while the label shows the key's translation.
    QString captionToWrite() const { return m_caption.textToWrite(getText()); }

    // State 0 the normal style, 1 to 3 the disabled one, 4 both; other states are ignored.
    // The label always shows the normal style.
    void setTextStyle(int state, const TextStyleDesc& style);
    // State 0 (and states out of range) the normal style, 1 to 3 the disabled one.
    const TextStyleDesc& getTextStyle(int state) const;
    void setColor(const QColor& color);
    QColor getColor() const { return m_normalStyle.color; }
    // Kept for designers and files; changes nothing on screen.
    void setDisableColor(const QColor& color) { m_disabledStyle.color = color; }
    QColor getDisableColor() const { return m_disabledStyle.color; }

    // Font, palette and alignment from the normal style, then the shown text.
    void applyStyle();
    // Shows the stored text, elided to the label's width when the style asks for it.
    void refreshShownText();
    void changeLanguage() override;

    // `text` as a style with single-line set shows it in `width` pixels; elide mode 3 (or a
    // style without single-line) never elides.
    static QString elidedText(const QString& text, const TextStyleDesc& style, int width);
    static Qt::Alignment alignment(const TextStyleDesc& style);
    // How the labels keep their two styles: state 0 the normal one, 1 to 3 the disabled one,
    // 4 both; false (nothing stored) for any other state.
    static bool storeTextStyle(int state, const TextStyleDesc& style, TextStyleDesc& normal,
                               TextStyleDesc& disabled);
    static const TextStyleDesc& textStyleOf(int state, const TextStyleDesc& normal,
                                            const TextStyleDesc& disabled);

protected:
    void keysRead() override { applyStyle(); }

private:
    QLabel* label() const { return ownerAs<QLabel>(); }
    // Takes over a text set on the QLabel directly, behind the control's back.
    void adoptLabelText();
    // Puts the caption on the QLabel, elided when the style asks for it.
    void showCaption();

    TextStyleDesc m_normalStyle;
    TextStyleDesc m_disabledStyle;
    MOXCaption m_caption;
    // What this object last put on the QLabel.
    QString m_shown;
};

} // namespace MOXQtLib
