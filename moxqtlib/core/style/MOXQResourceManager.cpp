#include "MOXQResourceManager.h"

#include "IMOXQWidgetBase.h"
#include "MOXJson.h"
#include "MOXQResourceManagerImpl.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>

namespace MOXQtLib {

namespace {

// Largest image that is decoded: a hostile file may claim any size in its header.
constexpr int kMaxImageSide = 16384;
constexpr qint64 kMaxImagePixels = 16ll * 1024 * 1024;

const QString kBuiltInImageMark = QStringLiteral("IDB_");

// An SVG document whose links stay inside it: fragment references, and embedded images of an
// allowed size. QtSvg would load any other image reference from disk, of whatever size.
bool svgSelfContained(const QByteArray& data)
{
    // Read the way QtSvg reads: without namespace processing, so the same elements are seen.
    QXmlStreamReader xml(data);
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            const QStringRef name = attribute.qualifiedName();
            if (name != QLatin1String("href") && !name.endsWith(QLatin1String(":href"))) continue;
            const QStringRef ref = attribute.value().trimmed();
            if (ref.startsWith(QLatin1Char('#'))) continue;
            // QtSvg decodes what follows the last "base64," of a "data" reference and loads
            // nothing else from one; any other reference is a file it would load.
            if (!ref.startsWith(QLatin1String("data"))) return false;
            const int at = ref.lastIndexOf(QLatin1String("base64,"));
            if (at < 0) continue;
            QByteArray payload = QByteArray::fromBase64(ref.mid(at + 7).toLatin1());
            QBuffer buffer(&payload);
            buffer.open(QIODevice::ReadOnly);
            const QSize size = QImageReader(&buffer).size();
            if (size.isValid() && !MOXQResourceManager::imageSizeAllowed(size)) return false;
        }
    }
    // A document that stops parsing stops QtSvg at the same place.
    return true;
}

bool decodeImage(const QByteArray& data, QImage& out)
{
    QByteArray copy = data;
    QBuffer buffer(&copy);
    if (!buffer.open(QIODevice::ReadOnly)) return false;
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && !MOXQResourceManager::imageSizeAllowed(size)) return false;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return false;
    if (image.width() > kMaxImageSide || image.height() > kMaxImageSide) return false;
    out.swap(image);
    return true;
}

// Only a factor in (0, 1) shrinks; zero, negative and NaN factors leave sizes alone (they
// would give negative or undefined sizes).
bool shrinks(float factor)
{
    return factor > 0.0f && factor < 1.0f;
}

int scaledMargin(int value, float factor)
{
    return shrinks(factor) ? int(float(value) * factor) : value;
}

// Visits the controls below `window`, depth first; the window itself is not visited.
template <typename Visit> void walkControls(QWidget* window, const Visit& visit)
{
    if (!window) return;
    // Children are collected first: a refresh may add or remove widgets.
    const QList<QWidget*> found =
        window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const QVector<QPointer<QWidget>> children(found.begin(), found.end());
    for (const QPointer<QWidget>& child : children) {
        if (!child) continue;
        if (auto* control = dynamic_cast<IMOXQWidgetBase*>(child.data())) visit(control);
        if (child) walkControls(child, visit);
    }
}

// The flags of fill style records: key, member and the value a record without the key gets.
struct FillFlag
{
    const char* key;
    bool FillRes::*member;
    bool fallback;
};
constexpr FillFlag kFillFlags[] = {{"border", &FillRes::border, false},
                                   {"leftBorder", &FillRes::leftBorder, true},
                                   {"topBorder", &FillRes::topBorder, true},
                                   {"rightBorder", &FillRes::rightBorder, true},
                                   {"bottomBorder", &FillRes::bottomBorder, true},
                                   {"roundTopLeft", &FillRes::roundTopLeft, true},
                                   {"roundTopRight", &FillRes::roundTopRight, true},
                                   {"roundBottomRight", &FillRes::roundBottomRight, true},
                                   {"roundBottomLeft", &FillRes::roundBottomLeft, true}};

struct RepeatFlag
{
    const char* key;
    bool ImageDesc::*member;
};
constexpr RepeatFlag kRepeatFlags[] = {{"repeatLeft", &ImageDesc::repeatLeft},
                                       {"repeatRight", &ImageDesc::repeatRight},
                                       {"repeatTop", &ImageDesc::repeatTop},
                                       {"repeatBottom", &ImageDesc::repeatBottom},
                                       {"repeatCenter", &ImageDesc::repeatCenter}};

} // namespace

MOXQResourceManager* MOXQResourceManager::getInstance()
{
    static MOXQResourceManager instance;
    return &instance;
}

MOXQResourceManager::MOXQResourceManager() : m_skin(std::make_unique<MOXQResourceManagerImpl>()) {}

MOXQResourceManager::~MOXQResourceManager() = default;

// ---------------------------------------------------------------------------------------------
// Loading

bool MOXQResourceManager::loadLayerStyles(MOXQResourceManagerImpl* layer) const
{
    if (!layer || layer->styleFiles().empty()) return false;
    Json::Value document;
    if (!jsonParse(layer->styleFiles().back(), document) || !jsonMember(document, "style"))
        return false;
    readStyle(layer, document);
    return true;
}

bool MOXQResourceManager::loadThemeLayer(std::unique_ptr<MOXQResourceManagerImpl> layer)
{
    if (!loadLayerStyles(layer.get())) return false;
    if (const QByteArray* theme = layer->file("theme.json")) layer->setThemeDocument(*theme, true);
    m_theme = std::move(layer);
    return true;
}

bool MOXQResourceManager::loadThemeDir(const QString& dir)
{
    if (m_theme && !m_theme->dirPath.isEmpty() && m_theme->archivePath.isEmpty() &&
        m_theme->dirPath == dir)
        return true;
    auto layer = std::make_unique<MOXQResourceManagerImpl>();
    if (!layer->fillFromDir(dir)) return false;
    layer->dirPath = dir;
    if (!loadThemeLayer(std::move(layer))) return false;
    themeChange();
    return true;
}

bool MOXQResourceManager::loadThemeFile(const QString& zip)
{
    auto layer = std::make_unique<MOXQResourceManagerImpl>();
    if (!layer->fillFromArchiveFile(zip)) return false;
    layer->archivePath = zip;
    return loadThemeLayer(std::move(layer));
}

void MOXQResourceManager::releaseThemeRes()
{
    m_theme.reset();
}

bool MOXQResourceManager::setSkinDirPath(const QString& dir)
{
    if (dir.isEmpty()) return false;
    QString path = dir;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    QByteArray style;
    if (!readRegularFile(path + QStringLiteral("style.json"), kMaxResourceFileSize, style) ||
        style.isEmpty())
        return false;
    MOXQResourceManagerImpl layer;
    if (!layer.fillFromDir(path) || !loadLayerStyles(&layer)) return false;
    layer.dirPath = path;
    m_skin->mergeFrom(layer);
    initFontRes(true);
    if (const QByteArray* language = m_skin->file("language.txt")) readLanguage(*language);
    return true;
}

bool MOXQResourceManager::loadSkinFile(const QString& zip)
{
    MOXQResourceManagerImpl layer;
    if (!layer.fillFromArchiveFile(zip) || !loadLayerStyles(&layer)) return false;
    layer.archivePath = zip;
    const QByteArray* language = layer.file("language.txt");
    const QByteArray languageText = language ? *language : QByteArray();
    m_skin->mergeFrom(layer);
    initFontRes(false);
    if (!languageText.isEmpty()) readLanguage(languageText);
    return true;
}

bool MOXQResourceManager::loadSkinFile(const char* data, int size)
{
    if (!data || size <= 0) return false;
    std::vector<ZipEntry> entries;
    if (!readZipArchive(data, size, entries)) return false;
    MOXQResourceManagerImpl layer;
    if (!layer.addArchiveEntries(entries) || !loadLayerStyles(&layer)) return false;
    m_skin->mergeFrom(layer);
    initFontRes(false);
    return true;
}

bool MOXQResourceManager::setProjectDirPath(const QString& dir)
{
    auto layer = std::make_unique<MOXQResourceManagerImpl>();
    if (!layer->fillFromDir(dir) || !loadLayerStyles(layer.get())) return false;
    layer->dirPath = dir;
    if (const QByteArray* theme = layer->file("theme.json")) layer->setThemeDocument(*theme, false);
    m_project = std::move(layer);
    return true;
}

void MOXQResourceManager::releaseProjectRes()
{
    m_project.reset();
}

void MOXQResourceManager::initDefaultImageRes()
{
    const QPen pen(QColor(0xCC, 0xCC, 0xCC), 1);
    auto make = [&](const QString& name, int kind) {
        auto image = std::make_unique<QImage>(16, 16, QImage::Format_ARGB32_Premultiplied);
        image->fill(Qt::transparent);
        QPainter p(image.get());
        p.setPen(pen);
        if (kind < 2) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.drawEllipse(QRect(QPoint(1, 1), QPoint(14, 14)));
            if (kind == 1) {
                p.setBrush(QColor(0xCC, 0xCC, 0xCC));
                p.drawEllipse(QPointF(8, 8), 4, 4);
            }
        } else {
            p.drawRect(QRect(QPoint(1, 1), QPoint(14, 14)));
            if (kind == 3) {
                p.setRenderHint(QPainter::Antialiasing, true);
                const QPoint check[] = {QPoint(4, 9), QPoint(8, 13), QPoint(14, 3)};
                p.drawPolyline(check, 3);
            }
        }
        p.end();
        m_skin->cacheImage(name, std::move(image));
    };
    make(QStringLiteral("IDB_UNSELECT"), 0);
    make(QStringLiteral("IDB_SELECTED"), 1);
    make(QStringLiteral("IDB_UNCHECK"), 2);
    make(QStringLiteral("IDB_CHECKED"), 3);
}

void MOXQResourceManager::initDefaultStyleRes()
{
    // The library's own looks first; an application that ships its own document at the
    // application path then overrides them by name.
    for (const char* path :
         {":/moxqtlib/style/defaultStyle.json", ":/style/resources/style/defaultStyle.json"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly)) continue;
        Json::Value document;
        if (jsonParse(file.readAll(), document) && jsonMember(document, "style"))
            readStyle(m_skin.get(), document);
    }
}

void MOXQResourceManager::initFontRes(bool fromDir)
{
    auto add = [this](const QByteArray& data) {
        const int id = QFontDatabase::addApplicationFontFromData(data);
        if (id < 0) return;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) m_skin->addFont(families.first(), id);
    };
    if (fromDir) {
        if (m_skin->dirPath.isEmpty()) return;
        const QDir fonts(m_skin->dirPath + QStringLiteral("fonts/"));
        for (const QFileInfo& info : fonts.entryInfoList(QDir::Files, QDir::Name)) {
            QByteArray data;
            if (readRegularFile(info.absoluteFilePath(), kMaxResourceFileSize, data)) add(data);
        }
        return;
    }
    for (const auto& file : m_skin->files()) {
        if (file.first.find("fonts") != std::string::npos) add(file.second);
    }
}

QStringList MOXQResourceManager::getFontFamilies() const
{
    QStringList families;
    for (const auto& font : m_skin->fonts())
        families << font.first;
    return families;
}

// ---------------------------------------------------------------------------------------------
// Styles

MOXQResourceManagerImpl* MOXQResourceManager::lookupLayer() const
{
    if (m_themeSwitch) return m_theme.get();
    if (m_projectSwitch) return m_project.get();
    return m_skin.get();
}

bool MOXQResourceManager::getFillStyle(const QString& name, FillStyle& style) const
{
    if (name == QLatin1String("empty") || name == QLatin1String("emptyRect")) {
        style = FillStyle();
        style.name = name;
        style.valid = false;
        return true;
    }
    const MOXQResourceManagerImpl* layer = lookupLayer();
    const FillStyle* found = layer ? layer->fillStyle(name) : nullptr;
    if (!found) return false;
    style = *found;
    style.valid = true;
    return true;
}

bool MOXQResourceManager::getTextStyle(const QString& name, TextStyleDesc& style) const
{
    const MOXQResourceManagerImpl* layer = lookupLayer();
    const TextStyleDesc* found = layer ? layer->textStyle(name) : nullptr;
    if (!found) return false;
    style = *found;
    return true;
}

MOXQResourceManagerImpl* MOXQResourceManager::writableLayer() const
{
    return m_projectSwitch ? m_project.get() : m_skin.get();
}

void MOXQResourceManager::setFillStyle(const QString& name, FillStyle& style)
{
    MOXQResourceManagerImpl* layer = writableLayer();
    if (!layer) return;
    FillStyle stored = style;
    stored.name = name;
    layer->setFillStyle(stored);
}

void MOXQResourceManager::setTextStyle(const QString& name, TextStyleDesc& style)
{
    MOXQResourceManagerImpl* layer = writableLayer();
    if (!layer) return;
    TextStyleDesc stored = style;
    stored.name = name;
    layer->setTextStyle(stored);
}

const QVector<FillStyle>& MOXQResourceManager::getFillStyles() const
{
    return (m_project ? m_project : m_skin)->fillStyles();
}

const QVector<TextStyleDesc>& MOXQResourceManager::getTextStyles() const
{
    return (m_project ? m_project : m_skin)->textStyles();
}

bool MOXQResourceManager::hasThemeRes() const
{
    return bool(m_theme);
}

const Json::Value* MOXQResourceManager::getThemeJsonValue(const char* name) const
{
    if (!m_theme || !name) return nullptr;
    return m_theme->themeEntry(QString::fromUtf8(name));
}

const Json::Value& MOXQResourceManager::getProjectThemeJson() const
{
    static const Json::Value none;
    return m_project ? m_project->themeDocument() : none;
}

bool MOXQResourceManager::parseColor(const Json::Value& value, QColor& color)
{
    QString text;
    if (!jsonToString(value, text)) return false;
    bool ok = false;
    const uint argb = text.trimmed().toUInt(&ok, 16);
    if (!ok) return false;
    color = QColor::fromRgba(argb);
    return true;
}

QString MOXQResourceManager::colorText(const QColor& color)
{
    return QString::asprintf("%02X%02X%02X%02X", color.alpha(), color.red(), color.green(),
                             color.blue());
}

void MOXQResourceManager::readFillStyle(const Json::Value& record, float scaleFactor,
                                        FillStyle& style)
{
    style = FillStyle();
    FillRes& res = style.fillRes;
    style.flag = false;
    jsonReadString(record, "name", style.name);
    style.valid = style.name != QLatin1String("empty");
    style.fillWithColor = !jsonBool(record, "drawImg", true);
    res.color = QColor::fromRgba(0xffffffffu);
    res.borderColor = QColor::fromRgba(0xffffffffu);
    if (const Json::Value* clr = jsonMember(record, "clr")) parseColor(*clr, res.color);
    if (const Json::Value* clr = jsonMember(record, "borderclr")) parseColor(*clr, res.borderColor);
    res.round = jsonInt(record, "round", 0);
    res.borderSize = jsonInt(record, "borderSize", 1);
    for (const FillFlag& flag : kFillFlags)
        res.*flag.member = jsonBool(record, flag.key, flag.fallback);
    style.imagePath = jsonString(record, "img").replace(QLatin1Char('\\'), QLatin1Char('/'));
    ImageDesc& desc = style.imageDesc;
    if (const Json::Value* margin = jsonArray(record, "margin")) {
        int values[4] = {0, 0, 0, 0};
        for (Json::ArrayIndex i = 0; i < 4; ++i) {
            int v = 0;
            if (jsonToInt(jsonAt(*margin, i), v)) values[i] = scaledMargin(v, scaleFactor);
        }
        desc.marginTop = values[0];
        desc.marginRight = values[1];
        desc.marginBottom = values[2];
        desc.marginLeft = values[3];
    }
    for (const RepeatFlag& flag : kRepeatFlags)
        desc.*flag.member = jsonBool(record, flag.key, false);
}

void MOXQResourceManager::readTextStyle(const Json::Value& record, TextStyleDesc& style)
{
    style = TextStyleDesc();
    style.flag = true;
    jsonReadString(record, "name", style.name);
    style.bold = jsonBool(record, "bold", false);
    style.italic = jsonBool(record, "italic", false);
    style.size = jsonInt(record, "size", 12);
    style.underline = jsonBool(record, "underline", false);
    jsonReadString(record, "family", style.family);
    style.color = QColor::fromRgba(0xff000000u);
    if (const Json::Value* clr = jsonMember(record, "clr")) parseColor(*clr, style.color);
    style.x = jsonInt(record, "x", 0);
    style.y = jsonInt(record, "y", 0);
    style.isHor = jsonBool(record, "isHor", true);
    style.singleLine = jsonBool(record, "singleline", true);
    style.horAlign = jsonInt(record, "hor", 0);
    style.verAlign = jsonInt(record, "ver", 1);
}

void MOXQResourceManager::writeFillStyle(const FillStyle& style, Json::Value& record)
{
    const FillRes& res = style.fillRes;
    const ImageDesc& desc = style.imageDesc;
    record = Json::Value(Json::objectValue);
    record["type"] = 1;
    record["name"] = style.name.toStdString();
    record["drawImg"] = !style.fillWithColor;
    record["clr"] = colorText(res.color).toStdString();
    record["borderclr"] = colorText(res.borderColor).toStdString();
    record["round"] = res.round;
    record["borderSize"] = res.borderSize;
    for (const FillFlag& flag : kFillFlags)
        record[flag.key] = res.*flag.member;
    record["img"] = style.imagePath.toStdString();
    if (desc.marginTop || desc.marginRight || desc.marginBottom || desc.marginLeft) {
        Json::Value margin(Json::arrayValue);
        margin.append(desc.marginTop);
        margin.append(desc.marginRight);
        margin.append(desc.marginBottom);
        margin.append(desc.marginLeft);
        record["margin"] = margin;
    }
    for (const RepeatFlag& flag : kRepeatFlags)
        record[flag.key] = desc.*flag.member;
}

void MOXQResourceManager::writeTextStyle(const TextStyleDesc& style, Json::Value& record)
{
    record = Json::Value(Json::objectValue);
    record["type"] = 2;
    record["name"] = style.name.toStdString();
    record["bold"] = style.bold;
    record["italic"] = style.italic;
    record["size"] = style.size;
    record["underline"] = style.underline;
    record["family"] = style.family.toStdString();
    record["clr"] = colorText(style.color).toStdString();
    record["x"] = style.x;
    record["y"] = style.y;
    record["isHor"] = style.isHor;
    record["singleline"] = style.singleLine;
    record["hor"] = style.horAlign;
    record["ver"] = style.verAlign;
}

void MOXQResourceManager::readStyle(MOXQResourceManagerImpl* layer,
                                    const Json::Value& document) const
{
    if (!layer) return;
    const Json::Value* records = jsonArray(document, "style");
    if (!records) return;
    for (Json::ArrayIndex i = 0; i < records->size(); ++i) {
        const Json::Value& record = jsonAt(*records, i);
        if (!record.isObject()) continue;
        const int type = jsonInt(record, "type", 0);
        if (type == 1) {
            FillStyle style;
            readFillStyle(record, m_scaleFactor, style);
            layer->setFillStyle(style);
        } else if (type == 2) {
            TextStyleDesc style;
            readTextStyle(record, style);
            layer->setTextStyle(style);
        }
    }
}

void MOXQResourceManager::writeStyle(MOXQResourceManagerImpl* layer, Json::Value& document) const
{
    document = Json::Value(Json::objectValue);
    Json::Value records(Json::arrayValue);
    if (layer) {
        for (const FillStyle& style : layer->fillStyles()) {
            Json::Value record;
            writeFillStyle(style, record);
            records.append(record);
        }
        for (const TextStyleDesc& style : layer->textStyles()) {
            Json::Value record;
            writeTextStyle(style, record);
            records.append(record);
        }
    }
    document["style"] = records;
}

QString MOXQResourceManager::toProjectStyleString() const
{
    Json::Value document;
    writeStyle(m_project.get(), document);
    return jsonWriteQString(document, true);
}

// ---------------------------------------------------------------------------------------------
// Resources and images

bool MOXQResourceManager::getResource(const QString& name, const char*& data, unsigned& size,
                                      ResSourceType& source) const
{
    const std::string key = normalizeResourceName(name);
    const std::pair<const MOXQResourceManagerImpl*, ResSourceType> layers[] = {
        {m_project.get(), ResSourceProject},
        {m_skin.get(), ResSourceSkin},
        {m_theme.get(), ResSourceTheme}};
    for (const auto& layer : layers) {
        if (!layer.first) continue;
        if (const QByteArray* file = layer.first->file(key)) {
            data = file->constData();
            size = unsigned(file->size());
            source = layer.second;
            return true;
        }
    }
    return false;
}

QImage* MOXQResourceManager::findCachedImage(const QString& key) const
{
    for (const MOXQResourceManagerImpl* layer : {m_skin.get(), m_project.get(), m_theme.get()}) {
        if (!layer) continue;
        if (QImage* image = layer->cachedImage(key)) return image;
    }
    return nullptr;
}

QImage* MOXQResourceManager::getImage(const QString& name, bool gray)
{
    if (name.isEmpty()) return nullptr;
    const QString key = gray ? name + QStringLiteral("_gray") : name;
    if (QImage* cached = findCachedImage(key)) return cached;

    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType source = ResSourceSkin;
    QByteArray bytes;
    QImage image;
    if (getResource(name, data, size, source) ||
        getResource(QStringLiteral("images/") + name, data, size, source)) {
        bytes = QByteArray::fromRawData(data, int(size));
    } else if (!readRegularFile(name, kMaxResourceFileSize, bytes)) {
        // Images made in memory (the built-in ones) exist only in the cache; their gray form
        // is made from that.
        const QImage* plain = gray ? findCachedImage(name) : nullptr;
        if (!plain) return nullptr;
        image = *plain;
    }
    if (image.isNull() && !decodeImage(bytes, image)) return nullptr;
    if (!bytes.isEmpty() && shrinks(m_scaleFactor)) {
        const int w = std::max(1, int(float(image.width()) * m_scaleFactor));
        const int h = std::max(1, int(float(image.height()) * m_scaleFactor));
        image = image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (gray) {
        const QIcon icon(QPixmap::fromImage(image));
        image = icon.pixmap(image.size(), QIcon::Disabled).toImage();
        if (image.isNull()) return nullptr;
    }
    MOXQResourceManagerImpl* layer = source == ResSourceProject ? m_project.get()
                                     : source == ResSourceTheme ? m_theme.get()
                                                                : m_skin.get();
    return layer->cacheImage(key, std::make_unique<QImage>(std::move(image)));
}

QSvgRenderer* MOXQResourceManager::getSvgRenderer(const QString& name)
{
    if (name.isEmpty()) return nullptr;
    for (const MOXQResourceManagerImpl* layer : {m_skin.get(), m_project.get(), m_theme.get()}) {
        if (layer)
            if (QSvgRenderer* renderer = layer->cachedSvgRenderer(name)) return renderer;
    }
    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType source = ResSourceSkin;
    QByteArray bytes;
    if (getResource(name, data, size, source) ||
        getResource(QStringLiteral("images/") + name, data, size, source)) {
        bytes = QByteArray(data, int(size));
    } else if (!readRegularFile(name, kMaxResourceFileSize, bytes)) {
        return nullptr;
    }
    if (!svgSelfContained(bytes)) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(bytes);
    if (!renderer->isValid()) return nullptr;
    MOXQResourceManagerImpl* layer = source == ResSourceProject ? m_project.get()
                                     : source == ResSourceTheme ? m_theme.get()
                                                                : m_skin.get();
    return layer->cacheSvgRenderer(name, std::move(renderer));
}

bool MOXQResourceManager::imageSizeAllowed(const QSize& size)
{
    return size.isValid() && size.width() <= kMaxImageSide && size.height() <= kMaxImageSide &&
           qint64(size.width()) * size.height() <= kMaxImagePixels;
}

void MOXQResourceManager::releaseRes()
{
    m_skin->releaseImages(kBuiltInImageMark);
}

QString MOXQResourceManager::getThemePath() const
{
    if (!m_theme) return {};
    return m_theme->archivePath.isEmpty() ? m_theme->dirPath : m_theme->archivePath;
}

QString MOXQResourceManager::getSkinDirPath() const
{
    return m_skin->dirPath;
}

QString MOXQResourceManager::getFileSkinPath() const
{
    return m_skin->archivePath;
}

// ---------------------------------------------------------------------------------------------
// Languages

QString MOXQResourceManager::getString(const QString& key) const
{
    auto table = m_languages.constFind(m_currentLanguage);
    if (m_currentLanguage.isEmpty() || table == m_languages.constEnd()) return {};
    return table->value(key);
}

QStringList MOXQResourceManager::getLanguageList() const
{
    return m_languages.keys();
}

QString MOXQResourceManager::getCurrentLanguage() const
{
    return m_currentLanguage;
}

bool MOXQResourceManager::setCurrentLanguage(const QString& language)
{
    if (!m_languages.contains(language)) return false;
    m_currentLanguage = language;
    for (QWidget* window : liveWindows(m_windows))
        notifyLanguageChange(window);
    return true;
}

bool MOXQResourceManager::readLanguage(const QByteArray& data)
{
    QStringList languages;
    LanguageTables tables = m_languages;
    if (!parseLanguageFile(data, languages, tables)) return false;
    m_languages.swap(tables);
    if (m_currentLanguage.isEmpty() && !languages.isEmpty()) m_currentLanguage = languages.first();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Configuration and windows

void MOXQResourceManager::setGlobalConfig(const MOXGlobalConfig& config)
{
    m_config = config;
    if (m_config.buttonFadeDuration < 1) m_config.buttonFadeDuration = 150;
    if (!m_config.fontFamily.isEmpty() &&
        qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QFont font = QApplication::font();
        font.setFamily(m_config.fontFamily);
        QApplication::setFont(font);
    }
    themeChange();
}

void MOXQResourceManager::setGlobalFontFamily(const QString& family)
{
    MOXGlobalConfig config = m_config;
    config.fontFamily = family;
    setGlobalConfig(config);
}

int MOXQResourceManager::getButtonFadeDuration() const
{
    return m_config.buttonFadeDuration < 1 ? 150 : m_config.buttonFadeDuration;
}

QVector<QWidget*> MOXQResourceManager::liveWindows(const QVector<QPointer<QWidget>>& set)
{
    QVector<QWidget*> windows;
    for (const QPointer<QWidget>& window : set)
        if (window) windows << window.data();
    return windows;
}

bool MOXQResourceManager::themeChange()
{
    for (QWidget* window : liveWindows(m_windows))
        notifyThemeChange(window);
    for (QWidget* window : liveWindows(m_designerWindows))
        notifyThemeChange(window);
    return true;
}

namespace {

void addWindow(QVector<QPointer<QWidget>>& set, QWidget* window)
{
    if (!window) return;
    set.erase(std::remove_if(set.begin(), set.end(), [](const QPointer<QWidget>& w) { return !w; }),
              set.end());
    for (const QPointer<QWidget>& w : set)
        if (w == window) return;
    set.append(window);
}

void removeWindow(QVector<QPointer<QWidget>>& set, QWidget* window)
{
    set.erase(std::remove_if(set.begin(), set.end(),
                             [window](const QPointer<QWidget>& w) { return !w || w == window; }),
              set.end());
}

} // namespace

void MOXQResourceManager::registerWindow(QWidget* window)
{
    addWindow(m_windows, window);
}

void MOXQResourceManager::unregisterWindow(QWidget* window)
{
    removeWindow(m_windows, window);
}

void MOXQResourceManager::registerDesignerWindow(QWidget* window)
{
    addWindow(m_designerWindows, window);
}

void MOXQResourceManager::unregisterDesignerWindow(QWidget* window)
{
    removeWindow(m_designerWindows, window);
}

void MOXQResourceManager::notifyThemeChange(QWidget* window)
{
    walkControls(window, [](IMOXQWidgetBase* control) { moxRefreshControlTheme(control); });
}

void MOXQResourceManager::notifyLanguageChange(QWidget* window)
{
    walkControls(window, [](IMOXQWidgetBase* control) { control->notifyChangeLanguage(); });
}

} // namespace MOXQtLib
