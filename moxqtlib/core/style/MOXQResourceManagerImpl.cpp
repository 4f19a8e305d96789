// GCC 12 reports a false overflow inside QVector's copy-on-write when a style record is
// replaced; the warning points into Qt's header, so it is silenced before the includes.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#endif

#include "MOXQResourceManagerImpl.h"

#include "MOXJson.h"
#include "MOXResourceIO.h"

#include <QDir>
#include <QFileInfo>
#include <QSvgRenderer>

namespace MOXQtLib {

namespace {

// A style document at the root, or with `inFolders` in any folder (archives list both).
bool isStyleFileName(const std::string& key, bool inFolders)
{
    static const std::string name = "style.json";
    return key == name ||
           (inFolders && key.size() > name.size() &&
            key.compare(key.size() - name.size() - 1, std::string::npos, "/" + name) == 0);
}

} // namespace

MOXQResourceManagerImpl::MOXQResourceManagerImpl() = default;
MOXQResourceManagerImpl::~MOXQResourceManagerImpl() = default;

void MOXQResourceManagerImpl::addFile(const std::string& key, QByteArray data, bool stylesInFolders)
{
    if (key.empty()) return;
    if (isStyleFileName(key, stylesInFolders)) {
        m_totalSize += data.size();
        m_styleFiles.push_back(std::move(data));
        ++m_styleFileCount;
        return;
    }
    auto it = m_files.find(key);
    if (it != m_files.end()) m_totalSize -= it->second.size();
    m_totalSize += data.size();
    m_files[key] = std::move(data);
}

bool MOXQResourceManagerImpl::fillFromDir(const QString& dir)
{
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir()) return false;
    const QDir root(dir);
    const QFileInfoList entries = root.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
        QDir::DirsFirst | QDir::Name);
    auto readInto = [this](const QFileInfo& file, const std::string& key) {
        if (m_totalSize >= kMaxResourceTotalSize) return;
        QByteArray data;
        // Regular files only: FIFOs, devices and oversized files are skipped.
        if (!readRegularFile(file.absoluteFilePath(), kMaxResourceFileSize, data)) return;
        if (m_totalSize + data.size() > kMaxResourceTotalSize) return;
        addFile(key, std::move(data));
    };
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) {
            if (entry.fileName().compare(QLatin1String("images"), Qt::CaseInsensitive) != 0)
                continue;
            const QFileInfoList images =
                QDir(entry.absoluteFilePath())
                    .entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                   QDir::Name);
            for (const QFileInfo& image : images)
                readInto(image, "images/" + normalizeResourceName(image.fileName()));
            continue;
        }
        if (entry.fileName() == QLatin1String("tmpTheme.zip")) continue;
        readInto(entry, normalizeResourceName(entry.fileName()));
    }
    return true;
}

bool MOXQResourceManagerImpl::addArchiveEntries(std::vector<ZipEntry>& entries)
{
    if (!selectArchiveRoot(entries)) return false;
    for (ZipEntry& entry : entries)
        addFile(normalizeResourceName(entry.name), std::move(entry.data), true);
    entries.clear();
    return true;
}

bool MOXQResourceManagerImpl::fillFromArchive(const QByteArray& archive)
{
    std::vector<ZipEntry> entries;
    return readZipArchive(archive, entries) && addArchiveEntries(entries);
}

bool MOXQResourceManagerImpl::fillFromArchiveFile(const QString& path)
{
    std::vector<ZipEntry> entries;
    return readZipArchiveFile(path, entries) && addArchiveEntries(entries);
}

void MOXQResourceManagerImpl::mergeFrom(MOXQResourceManagerImpl& other)
{
    for (auto& file : other.m_files)
        addFile(file.first, std::move(file.second));
    for (QByteArray& style : other.m_styleFiles)
        addFile("style.json", std::move(style));
    for (const FillStyle& style : other.m_fillStyles)
        setFillStyle(style);
    for (const TextStyleDesc& style : other.m_textStyles)
        setTextStyle(style);
    for (const auto& font : other.m_fonts)
        m_fonts[font.first] = font.second;
    if (!other.m_themeDocument.isNull()) {
        m_themeDocument.swap(other.m_themeDocument);
        m_themeIndex.swap(other.m_themeIndex);
    }
    if (!other.dirPath.isEmpty()) dirPath = other.dirPath;
    if (!other.archivePath.isEmpty()) archivePath = other.archivePath;
    other.m_files.clear();
    other.m_styleFiles.clear();
    // Images made from replaced files would be stale.
    releaseImages(QStringLiteral("IDB_"));
}

const QByteArray* MOXQResourceManagerImpl::file(const std::string& key) const
{
    auto it = m_files.find(key);
    return it == m_files.end() ? nullptr : &it->second;
}

bool MOXQResourceManagerImpl::setThemeDocument(const QByteArray& text, bool index)
{
    Json::Value document;
    if (!jsonParse(text, document)) return false;
    m_themeIndex.clear();
    m_themeDocument.swap(document);
    if (!index) return true;
    const Json::Value* elements = jsonArray(m_themeDocument, "elements");
    if (!elements) return true;
    const Json::Value* children = jsonArray(jsonAt(*elements, 0), "child");
    if (!children) return true;
    for (Json::ArrayIndex i = 0; i < children->size(); ++i) {
        const Json::Value& entry = jsonAt(*children, i);
        QString name;
        if (!entry.isObject() || !jsonReadString(entry, "name", name)) continue;
        m_themeIndex.emplace(name, &entry);
    }
    return true;
}

const Json::Value* MOXQResourceManagerImpl::themeEntry(const QString& name) const
{
    auto it = m_themeIndex.find(name);
    return it == m_themeIndex.end() ? nullptr : it->second;
}

const FillStyle* MOXQResourceManagerImpl::fillStyle(const QString& name) const
{
    auto it = m_fillIndex.constFind(name);
    return it == m_fillIndex.constEnd() ? nullptr : &m_fillStyles[it.value()];
}

const TextStyleDesc* MOXQResourceManagerImpl::textStyle(const QString& name) const
{
    auto it = m_textIndex.constFind(name);
    return it == m_textIndex.constEnd() ? nullptr : &m_textStyles[it.value()];
}

void MOXQResourceManagerImpl::setFillStyle(const FillStyle& style)
{
    auto it = m_fillIndex.constFind(style.name);
    if (it != m_fillIndex.constEnd()) {
        m_fillStyles.replace(it.value(), style);
        return;
    }
    m_fillIndex.insert(style.name, m_fillStyles.size());
    m_fillStyles.append(style);
}

void MOXQResourceManagerImpl::setTextStyle(const TextStyleDesc& style)
{
    auto it = m_textIndex.constFind(style.name);
    if (it != m_textIndex.constEnd()) {
        m_textStyles.replace(it.value(), style);
        return;
    }
    m_textIndex.insert(style.name, m_textStyles.size());
    m_textStyles.append(style);
}

QImage* MOXQResourceManagerImpl::cachedImage(const QString& key) const
{
    auto it = m_images.find(key);
    return it == m_images.end() ? nullptr : it->second.get();
}

QImage* MOXQResourceManagerImpl::cacheImage(const QString& key, std::unique_ptr<QImage> image)
{
    QImage* raw = image.get();
    m_images[key] = std::move(image);
    return raw;
}

QSvgRenderer* MOXQResourceManagerImpl::cachedSvgRenderer(const QString& key) const
{
    auto it = m_svgRenderers.find(key);
    return it == m_svgRenderers.end() ? nullptr : it->second.get();
}

QSvgRenderer* MOXQResourceManagerImpl::cacheSvgRenderer(const QString& key,
                                                        std::unique_ptr<QSvgRenderer> renderer)
{
    QSvgRenderer* raw = renderer.get();
    m_svgRenderers[key] = std::move(renderer);
    return raw;
}

void MOXQResourceManagerImpl::releaseImages(const QString& keep)
{
    for (auto it = m_images.begin(); it != m_images.end();) {
        if (!keep.isEmpty() && it->first.contains(keep))
            ++it;
        else
            it = m_images.erase(it);
    }
    m_svgRenderers.clear();
}

} // namespace MOXQtLib
