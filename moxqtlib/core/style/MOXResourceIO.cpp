#include "MOXResourceIO.h"

#include <minizip/unzip.h>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

// A read-only view of an archive in memory, served to minizip through its file callbacks.
// Every read and seek is checked against the buffer's bounds.
struct MemoryStream
{
    const char* data = nullptr;
    std::uint64_t size = 0;
    std::uint64_t pos = 0;
};

voidpf ZCALLBACK memOpen(voidpf opaque, const void*, int mode)
{
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
    return opaque;
}

uLong ZCALLBACK memRead(voidpf, voidpf stream, void* buf, uLong size)
{
    auto* s = static_cast<MemoryStream*>(stream);
    if (!s || !buf || s->pos >= s->size) return 0;
    const std::uint64_t n = std::min<std::uint64_t>(size, s->size - s->pos);
    std::memcpy(buf, s->data + s->pos, size_t(n));
    s->pos += n;
    return uLong(n);
}

uLong ZCALLBACK memWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK memTell(voidpf, voidpf stream)
{
    auto* s = static_cast<MemoryStream*>(stream);
    return s ? s->pos : 0;
}

long ZCALLBACK memSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* s = static_cast<MemoryStream*>(stream);
    if (!s) return -1;
    std::uint64_t base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        base = 0;
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = s->pos;
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = s->size;
        break;
    default:
        return -1;
    }
    if (offset > s->size || base > s->size - offset) return -1;
    s->pos = base + offset;
    return 0;
}

int ZCALLBACK memClose(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK memError(voidpf, voidpf)
{
    return 0;
}

// Unpacks the current entry into `out`; false when it cannot be opened, reads short or fails
// its CRC check.
bool readCurrentEntry(unzFile zip, std::uint64_t size, QByteArray& out)
{
    if (unzOpenCurrentFile(zip) != UNZ_OK) return false;
    QByteArray data;
    data.resize(int(size));
    std::uint64_t got = 0;
    bool ok = true;
    while (got < size) {
        const unsigned chunk = unsigned(std::min<std::uint64_t>(size - got, 1u << 20));
        const int n = unzReadCurrentFile(zip, data.data() + got, chunk);
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        got += std::uint64_t(n);
    }
    // The CRC is only checked once the declared size has been read whole.
    const int closed = unzCloseCurrentFile(zip);
    if (!ok || got != size || closed != UNZ_OK) return false;
    out.swap(data);
    return true;
}

} // namespace

bool readZipArchive(const char* data, std::int64_t size, std::vector<ZipEntry>& entries,
                    const ZipLimits& limits)
{
    entries.clear();
    if (!data || size <= 0) return false;
    MemoryStream stream;
    stream.data = data;
    stream.size = std::uint64_t(size);
    zlib_filefunc64_def funcs;
    funcs.zopen64_file = memOpen;
    funcs.zread_file = memRead;
    funcs.zwrite_file = memWrite;
    funcs.ztell64_file = memTell;
    funcs.zseek64_file = memSeek;
    funcs.zclose_file = memClose;
    funcs.zerror_file = memError;
    funcs.opaque = &stream;

    unzFile zip = unzOpen2_64("memory", &funcs);
    if (!zip) return false;
    std::int64_t total = 0;
    std::vector<char> name(65536);
    int count = 0;
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK && count < limits.entries;
         rc = unzGoToNextFile(zip), ++count) {
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip, &info, name.data(), uLong(name.size()), nullptr, 0,
                                    nullptr, 0) != UNZ_OK)
            break;
        if (info.uncompressed_size == 0) continue;
        if (info.uncompressed_size > std::uint64_t(std::max<std::int64_t>(limits.entrySize, 0)))
            continue;
        if (total + std::int64_t(info.uncompressed_size) > limits.totalSize) break;
        ZipEntry entry;
        entry.name.assign(name.data(), std::min<std::size_t>(info.size_filename, name.size()));
        if (!readCurrentEntry(zip, info.uncompressed_size, entry.data)) continue;
        total += entry.data.size();
        entries.push_back(std::move(entry));
    }
    unzClose(zip);
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
