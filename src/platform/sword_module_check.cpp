// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_module_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

// Every driver keeps one index per testament, of entries of a fixed size
// (little-endian: a start, then a size); the compressed drivers point into
// blocks listed in a block index.
struct Layout {
    const char* driver;
    bool compressed;
    int entry_size;  // start (or block and start) and size
    int size_bytes;  // bytes of the size field
};

constexpr Layout layouts[] = {
    {"zText", true, 10, 2},
    {"zText4", true, 12, 4},
    {"RawText", false, 6, 2},
    {"RawText4", false, 8, 4},
};

// A block of a compressed module: where it lies in the compressed file and
// how long it is once inflated.
struct Block {
    quint64 start = 0;
    quint64 size = 0;
    quint64 inflated = 0;
};

// libsword never inflates more than this into one block.
constexpr quint64 largest_block = 64 * 1024 * 1024;

quint64 number_at(const QByteArray& data, qsizetype at, int bytes)
{
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(data[at + i]);
    return value;
}

struct Testament {
    QString index;  // the verse index
    QString data;   // the text, or the compressed blocks
    QString blocks; // the block index (compressed drivers)
};

Testament files_of(const Layout& layout, const QString& folder, const QString& testament)
{
    if (layout.compressed)
        return {folder + testament + ".bzv", folder + testament + ".bzz", folder + testament + ".bzs"};
    return {folder + testament + ".vss", folder + testament, {}};
}

std::optional<QByteArray> read_file(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString file_name(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The blocks of a block index whose blocks lie inside a file of `data_size`
// bytes, or a fault.
QString read_blocks(const QByteArray& index, const QString& index_name, qint64 data_size, std::vector<Block>& blocks)
{
    if (index.size() % 12 != 0)
        return QStringLiteral("Die Datei %1 ist abgeschnitten.").arg(index_name);
    for (qsizetype at = 0; at + 12 <= index.size(); at += 12) {
        const Block block{number_at(index, at, 4), number_at(index, at + 4, 4), number_at(index, at + 8, 4)};
        if (block.start + block.size > quint64(data_size) || block.inflated > largest_block)
            return QStringLiteral("Die Datei %1 verweist über das Ende der Textdaten hinaus.").arg(index_name);
        blocks.push_back(block);
    }
    return {};
}

QString testament_fault(const Layout& layout, const Testament& files, qint64 needed)
{
    const std::optional<QByteArray> index = read_file(files.index);
    const qint64 data_size = QFileInfo(files.data).isFile() ? QFileInfo(files.data).size() : -1;
    if (!index)
        return QStringLiteral("Die Datei %1 fehlt.").arg(file_name(files.index));
    if (data_size < 0)
        return QStringLiteral("Die Datei %1 fehlt.").arg(file_name(files.data));
    if (index->size() % layout.entry_size != 0 || index->size() / layout.entry_size < needed)
        return QStringLiteral("Die Datei %1 ist abgeschnitten.").arg(file_name(files.index));
    std::vector<Block> blocks;
    if (layout.compressed) {
        const std::optional<QByteArray> block_index = read_file(files.blocks);
        if (!block_index)
            return QStringLiteral("Die Datei %1 fehlt.").arg(file_name(files.blocks));
        if (QString fault = read_blocks(*block_index, file_name(files.blocks), data_size, blocks); !fault.isEmpty())
            return fault;
    }
    const int start_bytes = layout.compressed ? 8 : 4;
    for (qsizetype at = 0; at + layout.entry_size <= index->size(); at += layout.entry_size) {
        const quint64 size = number_at(*index, at + start_bytes, layout.size_bytes);
        if (size == 0)
            continue;
        bool inside = false;
        if (layout.compressed) {
            const quint64 block = number_at(*index, at, 4);
            inside = block < blocks.size() && number_at(*index, at + 4, 4) + size <= blocks[block].inflated;
        } else {
            inside = number_at(*index, at, 4) + size <= quint64(data_size);
        }
        if (!inside)
            return QStringLiteral("Die Datei %1 verweist über das Ende der Textdaten hinaus.")
                .arg(file_name(files.index));
    }
    return {};
}

bool any_file_there(const Testament& files)
{
    for (const QString& path : {files.index, files.data, files.blocks})
        if (!path.isEmpty() && QFileInfo::exists(path))
            return true;
    return false;
}

} // namespace

QString data_file_fault(const QString& driver, const QString& data_path, const TestamentEntries& entries)
{
    const Layout* layout = nullptr;
    for (const Layout& l : layouts)
        if (driver.compare(QLatin1String(l.driver), Qt::CaseInsensitive) == 0)
            layout = &l;
    if (!layout)
        return QStringLiteral("Der Modultreiber „%1“ ist unbekannt.").arg(driver);
    const QString folder = QDir::cleanPath(data_path) + u'/';
    bool any_testament = false;
    for (int t = 0; t < 2; ++t) {
        const Testament files = files_of(*layout, folder, t == 0 ? QStringLiteral("ot") : QStringLiteral("nt"));
        if (!any_file_there(files))
            continue;
        any_testament = true;
        if (QString fault = testament_fault(*layout, files, entries[std::size_t(t)]); !fault.isEmpty())
            return fault;
    }
    if (!any_testament)
        return QStringLiteral("Die Textdateien fehlen.");
    return {};
}
