#include "access_header.h"
#include "access_rc4.h"
#include "access_test_support.h"

#include <array>
#include <cstring>

namespace {

QTemporaryDir& temp_dir()
{
    static QTemporaryDir dir;
    return dir;
}

QString writable_copy(const QString& fixture, const QString& name)
{
    const QString path = temp_dir().filePath(name);
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(jet_fixture(fixture), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

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

TEST(AccessHeader, ReadsTheFixturesFormatPasswordAndKey)
{
    const AccessHeader bible = read_access_header(file_bytes(jet_fixture("bible_fixture.mdb")));
    EXPECT_EQ(bible.format, AccessFormat::Jet4);
    EXPECT_EQ(bible.page_size, 4096);
    EXPECT_EQ(bible.password, u"Murb64#7"_qs);
    EXPECT_EQ(bible.database_key, 0u);

    const AccessHeader encoded = read_access_header(file_bytes(jet_fixture("bible_fixture_encoded.mdb")));
    EXPECT_EQ(encoded.password, u"Murb64#7"_qs);
    EXPECT_EQ(encoded.database_key, 0x5A3C9E71u);
}

TEST(AccessHeader, ReadsJet4PasswordsTheTeamToolWrites)
{
    const QString path = writable_copy("qov_fixture.mdb", "jet4_password.mdb");
    for (const QString& password : {u"Gärtner€„7“"_qs, u"12345678901234567890"_qs}) {
        jetpw({"write", path, password});
        EXPECT_EQ(read_access_header(file_bytes(path)).password, password);
    }
    jetpw({"write", path, ""});
    EXPECT_TRUE(read_access_header(file_bytes(path)).password.isEmpty());
}

TEST(AccessHeader, ReadsJet3PasswordsInTheWindowsCodePage)
{
    const AccessHeader header = read_access_header(jet3_header("Gr\xFC\xDF" "e\x80\x84", 0x1234));
    EXPECT_EQ(header.format, AccessFormat::Jet3);
    EXPECT_EQ(header.page_size, 2048);
    EXPECT_EQ(header.password, u"Grüße€„"_qs);
    EXPECT_EQ(header.database_key, 0x1234u);

    EXPECT_EQ(read_access_header(jet3_header("20charsofpassword!!!", 0)).password, u"20charsofpassword!!!"_qs);
    EXPECT_TRUE(read_access_header(jet3_header("", 0)).password.isEmpty());
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

TEST(AccessHeader, DecodesEncodedPagesIntoThePlainFile)
{
    QByteArray encoded = file_bytes(jet_fixture("bible_fixture_encoded.mdb"));
    const AccessHeader header = read_access_header(encoded);
    EXPECT_EQ(page_type(encoded, header, 2), 0x02);

    decode_pages(std::span(reinterpret_cast<std::uint8_t*>(encoded.data()), encoded.size()), header.format,
                 header.database_key);
    EXPECT_TRUE(encoded == file_bytes(jet_fixture("bible_fixture.mdb")));
    EXPECT_EQ(read_access_header(encoded).database_key, 0u);
}

TEST(ConnectPassword, TakesThePwdValueAsWritten)
{
    EXPECT_EQ(connect_password(u"MS Access;PWD=Murb64#7;"_qs), u"Murb64#7"_qs);
    EXPECT_EQ(connect_password(u"ms access;pwd=Murb64#7"_qs), u"Murb64#7"_qs);
    EXPECT_EQ(connect_password(u"MS Access;UID=admin; Pwd =a=b;"_qs), u"a=b"_qs);
    EXPECT_EQ(connect_password(u"MS Access;PWD= spaced ;"_qs), u" spaced "_qs);
    EXPECT_TRUE(connect_password(u"MS Access;PWD=;"_qs).isEmpty());
    EXPECT_TRUE(connect_password(QString()).isEmpty());
}
