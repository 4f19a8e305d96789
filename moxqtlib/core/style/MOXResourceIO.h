#pragma once

// Reading the files that skins, themes and projects are made of. Every such file may come from
// a download, so reads are bounded: nothing here allocates more than the limits below, and
// nothing is ever written to disk.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace MOXQtLib {

// Largest file or archive entry that is read.
constexpr std::int64_t kMaxResourceFileSize = 64ll * 1024 * 1024;
// Largest sum of entry sizes one archive may unpack to, and of one directory's files.
constexpr std::int64_t kMaxResourceTotalSize = 256ll * 1024 * 1024;
// Largest archive file that is read.
constexpr std::int64_t kMaxArchiveFileSize = kMaxResourceTotalSize;
// Most entries taken from one archive.
constexpr int kMaxArchiveEntries = 65536;

// Reads a regular file (no FIFO, device or directory) of at most `maxSize` bytes.
bool readRegularFile(const QString& path, std::int64_t maxSize, QByteArray& out);

// The table key of a resource name: "\" becomes "/", ASCII letters are lower-cased and
// leading "./" are dropped. The same rule serves storing and looking up.
std::string normalizeResourceName(const std::string& name);
std::string normalizeResourceName(const QString& name);

struct ZipEntry
{
    // The stored name, byte for byte (not normalised).
    std::string name;
    QByteArray data;
};

// The bounds one archive is read within.
struct ZipLimits
{
    std::int64_t entrySize = kMaxResourceFileSize;
    std::int64_t totalSize = kMaxResourceTotalSize;
    int entries = kMaxArchiveEntries;
};

// Unpacks every entry of a ZIP archive held in memory, ZIP64 archives included. False when the
// archive does not open, and when it holds an entry it cannot read by design (encrypted, or
// packed with a method other than store and deflate): such an archive is refused whole. Empty
// entries and entries over the size limits, whose unpacking fails or whose CRC does not match
// are skipped; reading stops at the first error of the archive's directory and at the first
// entry that would take the archive past its total size.
bool readZipArchive(const char* data, std::int64_t size, std::vector<ZipEntry>& entries,
                    const ZipLimits& limits = ZipLimits());
bool readZipArchive(const QByteArray& archive, std::vector<ZipEntry>& entries);
// The same for an archive file (a regular file of at most kMaxArchiveFileSize bytes).
bool readZipArchiveFile(const QString& path, std::vector<ZipEntry>& entries);

// Finds the root of a theme or skin archive: the archive's root when it holds "style.json";
// else, when every entry lies under one top-level folder that holds "style.json", that folder,
// and the entries are renamed relative to it (to their table keys). False, entries untouched,
// for any other archive.
bool selectArchiveRoot(std::vector<ZipEntry>& entries);

// Language tables: language name -> key -> text.
using LanguageTables = QMap<QString, QMap<QString, QString>>;

// Parses a language file: UTF-16 little-endian text, an optional byte-order mark, lines ended
// by "\r\n", fields separated by tabs. The header line starts with "Language" and names the
// languages of the further columns. Rows are merged into `tables`; `languages` receives the
// header's languages in column order. False (nothing merged) for a file without a header and
// at least one more line.
bool parseLanguageFile(const QByteArray& data, QStringList& languages, LanguageTables& tables);

} // namespace MOXQtLib
