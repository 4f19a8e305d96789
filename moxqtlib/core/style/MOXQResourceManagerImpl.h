#pragma once

// One layer of resources (skin, theme or project): the files of a directory or archive, the
// styles read from its style documents, its theme document and the images, SVG renderers and
// fonts made from its files. A layer owns all of them.

#include "FillStyle.h"
#include "TextStyleDesc.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <QVector>
#include <json/json.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QSvgRenderer;

namespace MOXQtLib {

struct ZipEntry;

class MOXQResourceManagerImpl
{
public:
    MOXQResourceManagerImpl();
    ~MOXQResourceManagerImpl();
    MOXQResourceManagerImpl(const MOXQResourceManagerImpl&) = delete;
    MOXQResourceManagerImpl& operator=(const MOXQResourceManagerImpl&) = delete;

    // Adds the files of a directory: its files and those of its "images" folder; other folders
    // are ignored. False when the directory does not exist.
    bool fillFromDir(const QString& dir);
    // Adds the entries of a ZIP archive from its root (see selectArchiveRoot); false, nothing
    // added, when it does not open or has no root holding "style.json".
    bool fillFromArchive(const QByteArray& archive);
    bool fillFromArchiveFile(const QString& path);
    bool addArchiveEntries(std::vector<ZipEntry>& entries);
    // Moves everything of `other` into this layer; same names replace.
    void mergeFrom(MOXQResourceManagerImpl& other);

    // A file of the layer by its table key (see normalizeResourceName), or null.
    const QByteArray* file(const std::string& key) const;
    const std::map<std::string, QByteArray>& files() const { return m_files; }
    // The style documents in loading order.
    const std::vector<QByteArray>& styleFiles() const { return m_styleFiles; }
    int styleFileCount() const { return m_styleFileCount; }

    // Parses `text` as theme document and indexes its entries; false when it does not parse.
    bool setThemeDocument(const QByteArray& text, bool index);
    const Json::Value& themeDocument() const { return m_themeDocument; }
    const Json::Value* themeEntry(const QString& name) const;
    int themeEntryCount() const { return int(m_themeIndex.size()); }

    const FillStyle* fillStyle(const QString& name) const;
    const TextStyleDesc* textStyle(const QString& name) const;
    // A style of the same name is replaced in place, a new one appended.
    void setFillStyle(const FillStyle& style);
    void setTextStyle(const TextStyleDesc& style);
    const QVector<FillStyle>& fillStyles() const { return m_fillStyles; }
    const QVector<TextStyleDesc>& textStyles() const { return m_textStyles; }

    QImage* cachedImage(const QString& key) const;
    // Takes ownership; returns the cached image.
    QImage* cacheImage(const QString& key, std::unique_ptr<QImage> image);
    QSvgRenderer* cachedSvgRenderer(const QString& key) const;
    QSvgRenderer* cacheSvgRenderer(const QString& key, std::unique_ptr<QSvgRenderer> renderer);
    // Drops cached images (but those whose name contains `keep`, when given) and renderers.
    void releaseImages(const QString& keep = QString());

    void addFont(const QString& family, int id) { m_fonts[family] = id; }
    const std::map<QString, int>& fonts() const { return m_fonts; }

    QString dirPath;
    QString archivePath;

private:
    // A directory's style document is its root "style.json" alone ("images/style.json" is an
    // image folder's file); an archive's may sit in a folder too.
    void addFile(const std::string& key, QByteArray data, bool stylesInFolders = false);

    Json::Value m_themeDocument;
    int m_styleFileCount = 0;
    std::int64_t m_totalSize = 0;
    std::map<std::string, QByteArray> m_files;
    std::map<QString, const Json::Value*> m_themeIndex;
    std::vector<QByteArray> m_styleFiles;
    std::map<QString, std::unique_ptr<QImage>> m_images;
    std::map<QString, std::unique_ptr<QSvgRenderer>> m_svgRenderers;
    QVector<FillStyle> m_fillStyles;
    QHash<QString, int> m_fillIndex;
    QVector<TextStyleDesc> m_textStyles;
    QHash<QString, int> m_textIndex;
    std::map<QString, int> m_fonts;
};

} // namespace MOXQtLib
