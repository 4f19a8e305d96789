#include "MOXResourceIO.h"

#include <QFile>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace MOXQtLib {

bool readRegularFile(const QString& path, std::int64_t maxSize, QByteArray& out)
{
    if (path.isEmpty()) return false;
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK keeps a FIFO swapped in after any check from blocking the open; the type is
    // then checked on the descriptor itself.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 || st.st_size > maxSize) {
        ::close(fd);
        return false;
    }
    QByteArray data;
    data.resize(int(st.st_size));
    std::int64_t got = 0;
    while (got < st.st_size) {
        const ssize_t n = ::read(fd, data.data() + got, size_t(st.st_size - got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += n;
    }
    ::close(fd);
    // A file that shrank while being read keeps what was read.
    data.resize(int(got));
    out.swap(data);
    return true;
}

std::string normalizeResourceName(const std::string& name)
{
    std::string key = name;
    for (char& c : key) {
        if (c == '\\')
            c = '/';
        else if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    std::size_t start = 0;
    while (key.compare(start, 2, "./") == 0)
        start += 2;
    return key.substr(start);
}

std::string normalizeResourceName(const QString& name)
{
    return normalizeResourceName(name.toStdString());
}

namespace {

// The archive reader works on the whole archive in memory and reads the central directory
// itself, ZIP64 fields included: minizip 1.1 ignores the ZIP64 fields of the central directory
// on 64-bit platforms, and with them every archive that Info-ZIP writes with ZIP64 records.
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndRecord = 0x06054b50;
constexpr std::uint32_t kZip64EndRecord = 0x06064b50;
constexpr std::uint32_t kZip64Locator = 0x07064b50;
constexpr std::uint64_t kLocalHeaderSize = 30;
constexpr std::uint64_t kCentralHeaderSize = 46;
constexpr std::uint64_t kEndRecordSize = 22;
constexpr std::uint64_t kZip64LocatorSize = 20;
constexpr std::uint64_t kZip64EndRecordSize = 56;
constexpr std::uint64_t kMaxCommentSize = 0xFFFF;
// A 32-bit header field of all ones is held in the ZIP64 extra field.
constexpr std::uint64_t kInZip64Extra = 0xFFFFFFFFu;
constexpr std::uint16_t kZip64ExtraId = 0x0001;
constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflated = 8;

// Little-endian fields of the archive; callers check the range with has() first.
class ByteView
{
public:
    ByteView(const char* data, std::uint64_t size)
        : m_data(reinterpret_cast<const unsigned char*>(data)), m_size(size)
    {
    }
    std::uint64_t size() const { return m_size; }
    bool has(std::uint64_t at, std::uint64_t n) const { return at <= m_size && n <= m_size - at; }
    const char* at(std::uint64_t pos) const { return reinterpret_cast<const char*>(m_data + pos); }
    std::uint16_t u16(std::uint64_t at) const { return std::uint16_t(value(at, 2)); }
    std::uint32_t u32(std::uint64_t at) const { return std::uint32_t(value(at, 4)); }
    std::uint64_t u64(std::uint64_t at) const { return value(at, 8); }

private:
    std::uint64_t value(std::uint64_t at, int bytes) const
    {
        std::uint64_t v = 0;
        for (int i = bytes; i-- > 0;)
            v = (v << 8) | m_data[at + i];
        return v;
    }

    const unsigned char* m_data;
    std::uint64_t m_size;
};

struct CentralDirectory
{
    // Where the first header is, and how far data in front of the archive (a self-extractor
    // stub) moves every offset the archive states.
    std::uint64_t start = 0;
    std::uint64_t shift = 0;
    std::uint64_t entries = 0;
};

// Finds the central directory from the end record: the last one within reach of the end, since
// the archive comment may hold anything. The ZIP64 end record, when present, holds the 64-bit
// count, size and offset. Archives spanning several disks are not read.
bool findCentralDirectory(const ByteView& zip, CentralDirectory& dir)
{
    if (zip.size() < kEndRecordSize) return false;
    const std::uint64_t last = zip.size() - kEndRecordSize;
    const std::uint64_t first = last > kMaxCommentSize ? last - kMaxCommentSize : 0;
    std::uint64_t end = last;
    while (zip.u32(end) != kEndRecord) {
        if (end == first) return false;
        --end;
    }
    std::uint64_t disk = zip.u16(end + 4), dirDisk = zip.u16(end + 6);
    std::uint64_t entries = zip.u16(end + 10), size = zip.u32(end + 12), offset = zip.u32(end + 16);
    std::uint64_t dirEnd = end;
    if (end >= kZip64LocatorSize && zip.u32(end - kZip64LocatorSize) == kZip64Locator) {
        auto isRecord = [&](std::uint64_t at) {
            return at < end && zip.has(at, kZip64EndRecordSize) && zip.u32(at) == kZip64EndRecord;
        };
        // Where the locator says, or, behind a stub, where it usually sits: just before it.
        std::uint64_t record = zip.u64(end - kZip64LocatorSize + 8);
        if (!isRecord(record) && end >= kZip64LocatorSize + kZip64EndRecordSize)
            record = end - kZip64LocatorSize - kZip64EndRecordSize;
        if (isRecord(record)) {
            disk = zip.u32(record + 16);
            dirDisk = zip.u32(record + 20);
            entries = zip.u64(record + 32);
            size = zip.u64(record + 40);
            offset = zip.u64(record + 48);
            dirEnd = record;
        }
    }
    if (disk != 0 || dirDisk != 0 || offset > dirEnd || size > dirEnd - offset) return false;
    dir.shift = dirEnd - offset - size;
    dir.start = offset + dir.shift;
    dir.entries = entries;
    return true;
}

struct CentralEntry
{
    std::string name;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t packedSize = 0;
    std::uint64_t size = 0;
    std::uint64_t localOffset = 0;
};

// Takes the fields that the header marks as held in the ZIP64 extra field from it, in their
// fixed order. A field whose value is missing keeps its mark, which no archive here reaches.
void applyZip64Extra(const ByteView& zip, std::uint64_t at, std::uint64_t length, CentralEntry& e)
{
    const std::uint64_t end = at + length;
    while (end - at >= 4) {
        const std::uint16_t id = zip.u16(at);
        const std::uint64_t size = zip.u16(at + 2);
        at += 4;
        if (size > end - at) return;
        if (id == kZip64ExtraId) {
            std::uint64_t used = 0;
            for (std::uint64_t* field : {&e.size, &e.packedSize, &e.localOffset}) {
                if (*field != kInZip64Extra) continue;
                if (size - used < 8) return;
                *field = zip.u64(at + used);
                used += 8;
            }
            return;
        }
        at += size;
    }
}

// Reads the central header at `pos` and moves past it; false at the first damaged header.
bool readCentralEntry(const ByteView& zip, std::uint64_t& pos, CentralEntry& e)
{
    if (!zip.has(pos, kCentralHeaderSize) || zip.u32(pos) != kCentralHeader) return false;
    const std::uint64_t nameSize = zip.u16(pos + 28), extraSize = zip.u16(pos + 30),
                        commentSize = zip.u16(pos + 32);
    const std::uint64_t name = pos + kCentralHeaderSize;
    if (!zip.has(name, nameSize + extraSize + commentSize)) return false;
    e.flags = zip.u16(pos + 8);
    e.method = zip.u16(pos + 10);
    e.crc = zip.u32(pos + 16);
    e.packedSize = zip.u32(pos + 20);
    e.size = zip.u32(pos + 24);
    e.localOffset = zip.u32(pos + 42);
    e.name.assign(zip.at(name), std::size_t(nameSize));
    applyZip64Extra(zip, name + nameSize, extraSize, e);
    pos = name + nameSize + extraSize + commentSize;
    return true;
}

// Inflates raw deflate data into `out`, which has the declared size: false unless the stream
// ends exactly there.
bool inflateInto(const char* packed, std::uint64_t packedSize, QByteArray& out)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (z.avail_in == 0 && packedSize > 0) {
            const uInt chunk = uInt(std::min<std::uint64_t>(packedSize, 1u << 30));
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed));
            z.avail_in = chunk;
            packed += chunk;
            packedSize -= chunk;
        }
        rc = inflate(&z, Z_NO_FLUSH);
    }
    const bool ok = rc == Z_STREAM_END && z.total_out == uLong(out.size());
    inflateEnd(&z);
    return ok;
}

// Unpacks one entry (its sizes from the central directory, which data descriptors and ZIP64
// local headers leave out): false when its data lies outside the archive, does not unpack to
// exactly its size or fails its CRC check.
bool readEntryData(const ByteView& zip, const CentralDirectory& dir, const CentralEntry& e,
                   QByteArray& out)
{
    if (e.localOffset > zip.size()) return false;
    const std::uint64_t local = e.localOffset + dir.shift;
    if (!zip.has(local, kLocalHeaderSize) || zip.u32(local) != kLocalHeader) return false;
    const std::uint64_t start =
        local + kLocalHeaderSize + zip.u16(local + 26) + zip.u16(local + 28);
    if (!zip.has(start, e.packedSize)) return false;
    QByteArray data;
    data.resize(int(e.size));
    if (e.method == kMethodStored) {
        if (e.packedSize != e.size) return false;
        std::memcpy(data.data(), zip.at(start), std::size_t(e.size));
    } else if (!inflateInto(zip.at(start), e.packedSize, data)) {
        return false;
    }
    if (crc32_z(0, reinterpret_cast<const Bytef*>(data.constData()), z_size_t(data.size())) !=
        e.crc)
        return false;
    out.swap(data);
    return true;
}

} // namespace

bool readZipArchive(const char* data, std::int64_t size, std::vector<ZipEntry>& entries,
                    const ZipLimits& limits)
{
    entries.clear();
    if (!data || size <= 0) return false;
    const ByteView zip(data, std::uint64_t(size));
    CentralDirectory dir;
    if (!findCentralDirectory(zip, dir)) return false;
    const std::uint64_t maxEntries = std::uint64_t(std::max(limits.entries, 0));
    // Also within what one QByteArray can hold.
    const std::uint64_t maxEntrySize = std::uint64_t(
        std::clamp<std::int64_t>(limits.entrySize, 0, std::numeric_limits<int>::max() / 2));
    std::int64_t total = 0;
    std::uint64_t pos = dir.start;
    CentralEntry e;
    for (std::uint64_t i = 0; i < dir.entries && i < maxEntries; ++i) {
        if (!readCentralEntry(zip, pos, e)) break;
        if (e.size == 0) continue;
        // Encrypted entries and methods other than store and deflate refuse the whole archive:
        // taking the rest would load half a theme.
        if ((e.flags & kFlagEncrypted) ||
            (e.method != kMethodStored && e.method != kMethodDeflated)) {
            entries.clear();
            return false;
        }
        if (e.size > maxEntrySize) continue;
        if (total + std::int64_t(e.size) > limits.totalSize) break;
        ZipEntry entry;
        entry.name = e.name;
        if (!readEntryData(zip, dir, e, entry.data)) continue;
        total += entry.data.size();
        entries.push_back(std::move(entry));
    }
    return true;
}

bool readZipArchive(const QByteArray& archive, std::vector<ZipEntry>& entries)
{
    return readZipArchive(archive.constData(), archive.size(), entries);
}

bool readZipArchiveFile(const QString& path, std::vector<ZipEntry>& entries)
{
    entries.clear();
    QByteArray archive;
    if (!readRegularFile(path, kMaxArchiveFileSize, archive)) return false;
    return readZipArchive(archive, entries);
}

bool selectArchiveRoot(std::vector<ZipEntry>& entries)
{
    static const std::string styleFile = "style.json";
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const ZipEntry& entry : entries)
        keys.push_back(normalizeResourceName(entry.name));
    if (std::find(keys.begin(), keys.end(), styleFile) != keys.end()) return true;
    if (keys.empty()) return false;
    const std::size_t slash = keys.front().find('/');
    if (slash == 0 || slash == std::string::npos) return false;
    const std::string folder = keys.front().substr(0, slash + 1);
    bool hasStyle = false;
    for (const std::string& key : keys) {
        if (key.compare(0, folder.size(), folder) != 0) return false;
        hasStyle = hasStyle || key.compare(folder.size(), std::string::npos, styleFile) == 0;
    }
    if (!hasStyle) return false;
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].name = keys[i].substr(folder.size());
    return true;
}

namespace {

// Wide characters are 32 bits here, so the two-byte text is decoded explicitly.
QString decodeUtf16Le(const QByteArray& data)
{
    int begin = 0;
    if (data.size() >= 2 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xFE) begin = 2;
    const int units = (data.size() - begin) / 2;
    QString text(units, Qt::Uninitialized);
    QChar* out = text.data();
    for (int i = 0; i < units; ++i) {
        const int at = begin + 2 * i;
        out[i] = QChar(ushort(uchar(data[at]) | (uchar(data[at + 1]) << 8)));
    }
    return text;
}

} // namespace

bool parseLanguageFile(const QByteArray& data, QStringList& languages, LanguageTables& tables)
{
    languages.clear();
    const QStringList lines = decodeUtf16Le(data).split(QStringLiteral("\r\n"));
    if (lines.size() < 2) return false;
    const QStringList header = lines.first().split(QLatin1Char('\t'));
    if (header.size() < 2 || !lines.first().startsWith(QLatin1String("Language"))) return false;
    languages = header.mid(1);
    for (const QString& language : languages)
        tables[language];
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        if (fields.size() < 2) continue;
        // Fields beyond the header's languages have no language and are ignored.
        const int columns = std::min(int(fields.size()) - 1, int(languages.size()));
        for (int c = 0; c < columns; ++c)
            tables[languages[c]][fields[0]] = fields[c + 1];
    }
    return true;
}

} // namespace MOXQtLib
