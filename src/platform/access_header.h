// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The header page of an Access file: which format it is, its database password
// and whether its pages are encoded. The header is read before any other part
// of the file, so that foreign, too new or protected files are refused early.

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <span>

enum class AccessFormat {
    NotAccess,
    Jet3,  // Access 97
    Jet4,  // Access 2000-2003
    Ace,   // Access 2007 and later (.accdb)
};

struct AccessHeader {
    AccessFormat format = AccessFormat::NotAccess;
    // Bytes per page: 2048 for Jet3, 4096 for Jet4 and Ace, 0 otherwise.
    int page_size = 0;
    // The database password; empty when the file has none.
    QString password;
    // Key of the page encoding; 0 when the pages are stored plain.
    quint32 database_key = 0;
};

// Reads the header at the start of a file. `head` may be of any length: the
// format needs its first 21 bytes, password and key the first 152 (a shorter
// head leaves them empty and 0).
AccessHeader read_access_header(QByteArrayView head);

// The type byte of page `page` of `file` (decoded when the pages are encoded):
// what libmdb expects to find there can be checked before handing it over.
std::uint8_t page_type(QByteArrayView file, const AccessHeader& header, qsizetype page);

// Turns a file whose pages are encoded (`database_key` not 0) into the same
// file with plain pages and no key in its header, which is what readers
// expect. `file` holds whole pages of `format`. Plain C++, so that it can run
// in the import's child process.
void decode_pages(std::span<std::uint8_t> file, AccessFormat format, std::uint32_t database_key);

// The PWD value of a connect string such as "MS Access;PWD=secret;" (the key
// matched without regard to case, the value taken as written); empty when
// there is none.
QString connect_password(const QString& connect);
