#pragma once

// A control's caption: either plain text, or a language key written "|->key" that shows the
// current language's string for the key and follows language changes. Files keep the key, so
// a page saved in one language opens translated in another.

#include <QString>

namespace MOXQtLib {

class MOXCaption
{
public:
    // The text of a language key in the current language (the resource manager by default).
    using Translator = QString (*)(const QString& key);

    static bool isKeyText(const QString& text);
    // "|->" followed by `key`.
    static QString keyText(const QString& key);

    // A "|->key" text stores the key and shows its translation; any other text is shown as it
    // is and clears the key.
    void setText(const QString& text);
    // What the control shows.
    const QString& shown() const { return m_shown; }
    // The language key; empty for plain text.
    const QString& key() const { return m_key; }
    bool hasKey() const { return !m_key.isEmpty(); }

    // What a file stores for the caption while the control shows `current`: "|->key" while
    // the control still shows the key's translation, else `current` itself (the control's
    // text was replaced behind the caption's back, which counts as plain text).
    QString textToWrite(const QString& current) const;
    // After a language change, for a control now showing `current`: looks the key up again
    // and returns true when the control must show shown() instead. A control whose text was
    // replaced keeps it, and the caption becomes that plain text.
    bool retranslate(const QString& current);

    void setTranslator(Translator translator) { m_translator = translator; }

private:
    QString translate(const QString& key) const;

    QString m_shown;
    QString m_key;
    Translator m_translator = nullptr;
};

} // namespace MOXQtLib
