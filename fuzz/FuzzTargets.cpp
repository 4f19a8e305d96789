#include "FuzzTargets.h"

#include "MOXJson.h"
#include "MOXQResourceManager.h"
#include "MOXQResourceManagerImpl.h"
#include "MOXResourceIO.h"

using namespace MOXQtLib;

namespace fuzztargets {

namespace {

QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

} // namespace

bool styleDocument(const std::uint8_t* data, std::size_t size)
{
    MOXQResourceManager* rm = MOXQResourceManager::getInstance();
    Json::Value document;
    if (!jsonParse(bytes(data, size), document)) return true;
    MOXQResourceManagerImpl first;
    rm->readStyle(&first, document);
    Json::Value written;
    rm->writeStyle(&first, written);
    Json::Value reparsed;
    if (!jsonParse(jsonWrite(written), reparsed)) return false;
    MOXQResourceManagerImpl second;
    rm->readStyle(&second, reparsed);
    Json::Value again;
    rm->writeStyle(&second, again);
    return jsonWrite(written) == jsonWrite(again);
}

bool themeIndex(const std::uint8_t* data, std::size_t size)
{
    MOXQResourceManagerImpl layer;
    if (!layer.setThemeDocument(bytes(data, size), true)) return true;
    const Json::Value* elements = jsonArray(layer.themeDocument(), "elements");
    const Json::Value* children = elements ? jsonArray(jsonAt(*elements, 0), "child") : nullptr;
    if (!children) return layer.themeEntryCount() == 0;
    for (Json::ArrayIndex i = 0; i < children->size(); ++i) {
        QString name;
        if (!jsonReadString(jsonAt(*children, i), "name", name)) continue;
        const Json::Value* entry = layer.themeEntry(name);
        QString found;
        if (!entry || !jsonReadString(*entry, "name", found) || found != name) return false;
    }
    return layer.themeEntryCount() <= int(children->size());
}

bool languageFile(const std::uint8_t* data, std::size_t size)
{
    QStringList languages;
    LanguageTables tables;
    if (!parseLanguageFile(bytes(data, size), languages, tables)) return tables.isEmpty();
    for (const QString& language : languages)
        if (!tables.contains(language)) return false;
    return tables.size() <= languages.size();
}

bool archive(const std::uint8_t* data, std::size_t size)
{
    std::vector<ZipEntry> entries;
    if (!readZipArchive(reinterpret_cast<const char*>(data), std::int64_t(size), entries))
        return entries.empty();
    std::int64_t total = 0;
    for (const ZipEntry& entry : entries) {
        if (entry.data.isEmpty() || entry.data.size() > kMaxResourceFileSize) return false;
        total += entry.data.size();
    }
    if (total > kMaxResourceTotalSize) return false;
    MOXQResourceManagerImpl layer;
    // Taken from a root holding "style.json", or not at all.
    if (!layer.addArchiveEntries(entries))
        return layer.files().empty() && layer.styleFileCount() == 0;
    if (layer.styleFileCount() == 0) return false;
    for (const auto& file : layer.files())
        if (layer.file(normalizeResourceName(file.first)) != &file.second) return false;
    return true;
}

} // namespace fuzztargets
