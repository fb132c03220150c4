// Two runs of the generator give the same bytes in every file.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// Relative path → SHA-256 of every file under `folder`.
std::map<QString, QByteArray> file_hashes(const QString& folder)
{
    std::map<QString, QByteArray> hashes;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        hashes[QDir(folder).relativeFilePath(path)] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    return hashes;
}

void generate(const QString& folder)
{
    QProcess generator;
    generator.start(SELUNAR_DEMODATA_EXE, {folder, SELUNAR_TEMPLATE_DIR});
    ASSERT_TRUE(generator.waitForFinished(120'000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
}

TEST(GeneratorDeterminism, TwoRunsWriteIdenticalFiles)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    generate(first.path());
    generate(second.path());
    const auto a = file_hashes(first.path());
    const auto b = file_hashes(second.path());
    EXPECT_EQ(a.size(), 2u + 6u + 14u);
    EXPECT_TRUE(a.count("qov.mdb") && a.count("elberfelderbibel.mdb") && a.count("qov_pics/vertrauen.png"));
    EXPECT_FALSE(a.count("qov.mdb.part"));
    for (const auto& [path, hash] : a) {
        ASSERT_TRUE(b.count(path)) << path.toStdString();
        EXPECT_EQ(hash, b.at(path)) << path.toStdString();
    }
    EXPECT_EQ(a.size(), b.size());
}

TEST(GeneratorDeterminism, AMissingTemplateFolderIsReportedAndFails)
{
    QTemporaryDir out;
    QProcess generator;
    generator.start(SELUNAR_DEMODATA_EXE, {out.path(), out.path() + "/no-such-folder"});
    ASSERT_TRUE(generator.waitForFinished(120'000));
    EXPECT_NE(generator.exitCode(), 0);
    EXPECT_TRUE(generator.readAllStandardError().contains("no-such-folder"));
}

} // namespace
