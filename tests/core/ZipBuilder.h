#pragma once

// Builds ZIP archives byte by byte, so tests can also make broken ones: wrong sizes, wrong
// CRCs, hostile names, truncation. With zip64 set, every size and offset is written in ZIP64
// form only (the 32-bit fields all ones), as writers that always use ZIP64 do.

#include <QByteArray>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testzip {

struct Entry
{
    std::string name;
    QByteArray data;
    bool deflate = false;
    // Overrides of what the headers claim; -1 keeps the true value.
    std::int64_t claimedSize = -1;
    std::int64_t claimedCrc = -1;
    int claimedMethod = -1;
    std::uint16_t flags = 0;
};

class ZipBuilder
{
public:
    Entry& add(const std::string& name, const QByteArray& data, bool deflate = false)
    {
        m_entries.push_back(Entry{name, data, deflate});
        return m_entries.back();
    }

    bool zip64 = false;

    QByteArray build() const
    {
        const std::uint32_t ones = 0xFFFFFFFFu;
        QByteArray out, central;
        for (const Entry& e : m_entries) {
            const QByteArray packed = e.deflate ? rawDeflate(e.data) : e.data;
            const std::uint32_t crc =
                e.claimedCrc >= 0
                    ? std::uint32_t(e.claimedCrc)
                    : std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(e.data.constData()),
                                          uInt(e.data.size())));
            const std::uint64_t size =
                e.claimedSize >= 0 ? std::uint64_t(e.claimedSize) : std::uint64_t(e.data.size());
            const std::uint64_t offset = std::uint64_t(out.size());
            const std::uint16_t method =
                e.claimedMethod >= 0 ? std::uint16_t(e.claimedMethod) : (e.deflate ? 8 : 0);
            // From "flags" to "extra length", the local and the central header agree.
            auto shared = [&](QByteArray& to, std::uint16_t extraSize) {
                put16(to, e.flags);
                put16(to, method);
                put16(to, 0);
                put16(to, 0x21);
                put32(to, crc);
                put32(to, zip64 ? ones : std::uint32_t(packed.size()));
                put32(to, zip64 ? ones : std::uint32_t(size));
                put16(to, std::uint16_t(e.name.size()));
                put16(to, extraSize);
            };
            put32(out, 0x04034b50);
            put16(out, zip64 ? 45 : 20);
            shared(out, zip64 ? 20 : 0);
            out.append(e.name.data(), int(e.name.size()));
            if (zip64) {
                put16(out, 1);
                put16(out, 16);
                put64(out, size);
                put64(out, std::uint64_t(packed.size()));
            }
            out.append(packed);

            put32(central, 0x02014b50);
            put16(central, zip64 ? 45 : 20);
            put16(central, zip64 ? 45 : 20);
            shared(central, zip64 ? 28 : 0);
            put16(central, 0); // comment length
            put16(central, 0); // disk
            put16(central, 0); // internal attributes
            put32(central, 0); // external attributes
            put32(central, zip64 ? ones : std::uint32_t(offset));
            central.append(e.name.data(), int(e.name.size()));
            if (zip64) {
                put16(central, 1);
                put16(central, 24);
                put64(central, size);
                put64(central, std::uint64_t(packed.size()));
                put64(central, offset);
            }
        }
        const std::uint64_t centralOffset = std::uint64_t(out.size());
        out.append(central);
        const std::uint64_t count = m_entries.size();
        if (zip64) {
            const std::uint64_t record = std::uint64_t(out.size());
            put32(out, 0x06064b50);
            put64(out, 44);
            put16(out, 45);
            put16(out, 45);
            put32(out, 0);
            put32(out, 0);
            put64(out, count);
            put64(out, count);
            put64(out, std::uint64_t(central.size()));
            put64(out, centralOffset);
            put32(out, 0x07064b50);
            put32(out, 0);
            put64(out, record);
            put32(out, 1);
        }
        put32(out, 0x06054b50);
        put16(out, 0);
        put16(out, 0);
        put16(out, zip64 ? 0xFFFF : std::uint16_t(count));
        put16(out, zip64 ? 0xFFFF : std::uint16_t(count));
        put32(out, zip64 ? ones : std::uint32_t(central.size()));
        put32(out, zip64 ? ones : std::uint32_t(centralOffset));
        put16(out, 0);
        return out;
    }

private:
    static void put16(QByteArray& out, std::uint16_t v)
    {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    }
    static void put32(QByteArray& out, std::uint32_t v)
    {
        put16(out, std::uint16_t(v & 0xffff));
        put16(out, std::uint16_t(v >> 16));
    }
    static void put64(QByteArray& out, std::uint64_t v)
    {
        put32(out, std::uint32_t(v & 0xffffffffu));
        put32(out, std::uint32_t(v >> 32));
    }
    static QByteArray rawDeflate(const QByteArray& data)
    {
        z_stream z{};
        deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        QByteArray out(int(deflateBound(&z, uLong(data.size()))), '\0');
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
        z.avail_in = uInt(data.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        deflate(&z, Z_FINISH);
        out.resize(int(z.total_out));
        deflateEnd(&z);
        return out;
    }

    std::vector<Entry> m_entries;
};

} // namespace testzip
