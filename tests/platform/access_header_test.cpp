// SPDX-License-Identifier: GPL-2.0-or-later
#include "access_header.h"
#include "access_rc4.h"
#include "database_test_support.h"

#include <array>
#include <cstring>

namespace {

// A Jet3 header page built by hand: the password field is 20 bytes of the
// Windows code page, masked with RC4 from 0x18 on like the rest of the header.
QByteArray jet3_header(const QByteArray& password_cp1252, std::uint32_t database_key)
{
    QByteArray page(2048, '\0');
    std::memcpy(page.data(), "\x00\x01\x00\x00Standard Jet DB", 19);
    page[0x14] = 0;
    std::memcpy(page.data() + 0x3E, &database_key, 4);
    std::memcpy(page.data() + 0x42, password_cp1252.constData(), password_cp1252.size());
    const std::array<std::uint8_t, 4> key = {0xC7, 0xDA, 0x39, 0x6B};
    rc4_apply(key, std::span(reinterpret_cast<std::uint8_t*>(page.data()) + 0x18, 126));
    return page;
}

}  // namespace

TEST(AccessHeader, ReadsFormatPageSizePasswordAndKey)
{
    const std::tuple<QByteArray, AccessFormat, int, QString, std::uint32_t> cases[] = {
        {file_bytes(jet_fixture("bible_fixture.mdb")), AccessFormat::Jet4, 4096, u"Murb64#7"_qs, 0u},
        {file_bytes(jet_fixture("bible_fixture_encoded.mdb")), AccessFormat::Jet4, 4096, u"Murb64#7"_qs, 0x5A3C9E71u},
        // Jet3 passwords are in the Windows code page.
        {jet3_header("Gr\xFC\xDF" "e\x80\x84", 0x1234), AccessFormat::Jet3, 2048, u"Grüße€„"_qs, 0x1234u},
        {jet3_header("20charsofpassword!!!", 0), AccessFormat::Jet3, 2048, u"20charsofpassword!!!"_qs, 0u},
        {jet3_header("", 0), AccessFormat::Jet3, 2048, QString(), 0u},
    };
    for (const auto& [bytes, format, page_size, password, key] : cases) {
        SCOPED_TRACE(password.toStdString());
        const AccessHeader header = read_access_header(bytes);
        EXPECT_EQ(header.format, format);
        EXPECT_EQ(header.page_size, page_size);
        EXPECT_EQ(header.password, password);
        EXPECT_EQ(header.database_key, key);
    }
}

TEST(AccessHeader, TellsAceAndForeignFilesApart)
{
    QByteArray page = file_bytes(jet_fixture("qov_fixture.mdb")).first(4096);
    for (char version : {2, 6}) {
        page[0x14] = version;
        EXPECT_EQ(read_access_header(page).format, AccessFormat::Ace) << int(version);
    }
    std::memcpy(page.data() + 4, "Standard ACE DB", 15);
    EXPECT_EQ(read_access_header(page).format, AccessFormat::Ace);

    EXPECT_EQ(read_access_header(QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0')).format,
              AccessFormat::NotAccess);
    EXPECT_EQ(read_access_header(QByteArray("\x00\x01\x00\x00Standard Jet", 16)).format, AccessFormat::NotAccess);
}

TEST(ConnectPassword, TakesThePwdValueAsWritten)
{
    const std::pair<QString, QString> cases[] = {
        {u"MS Access;PWD=Murb64#7;"_qs, u"Murb64#7"_qs}, {u"ms access;pwd=Murb64#7"_qs, u"Murb64#7"_qs},
        {u"MS Access;UID=admin; Pwd =a=b;"_qs, u"a=b"_qs}, {u"MS Access;PWD= spaced ;"_qs, u" spaced "_qs},
        {u"MS Access;PWD=;"_qs, QString()},                {QString(), QString()},
    };
    for (const auto& [connect, password] : cases)
        EXPECT_EQ(connect_password(connect), password) << connect.toStdString();
}
