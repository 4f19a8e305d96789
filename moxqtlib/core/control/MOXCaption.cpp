#include "MOXCaption.h"

#include "MOXQResourceManager.h"

namespace MOXQtLib {

namespace {

const QLatin1String kKeyPrefix("|->");

} // namespace

bool MOXCaption::isKeyText(const QString& text)
{
    return text.startsWith(kKeyPrefix);
}

QString MOXCaption::keyText(const QString& key)
{
    return kKeyPrefix + key;
}

void MOXCaption::setText(const QString& text)
{
    if (isKeyText(text)) {
        m_key = text.mid(kKeyPrefix.size());
        m_shown = translate(m_key);
    } else {
        m_key.clear();
        m_shown = text;
    }
}

QString MOXCaption::textToWrite(const QString& current) const
{
    if (hasKey() && current == m_shown) return keyText(m_key);
    return current;
}

bool MOXCaption::retranslate(const QString& current)
{
    if (!hasKey()) return false;
    if (current != m_shown) {
        m_key.clear();
        m_shown = current;
        return false;
    }
    const QString text = translate(m_key);
    if (text == m_shown) return false;
    m_shown = text;
    return true;
}

QString MOXCaption::translate(const QString& key) const
{
    if (m_translator) return m_translator(key);
    return MOXQResourceManager::getInstance()->getString(key);
}

} // namespace MOXQtLib
