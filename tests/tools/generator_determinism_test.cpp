// Two runs of the generator give the same bytes in every file; a run that
// cannot do its work says why and fails.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// Runs the generator; its exit code and error output.
std::pair<int, QByteArray> generate(const QString& folder, const QString& templates = SELUNAR_TEMPLATE_DIR)
{
    QProcess generator;
    generator.start(SELUNAR_DEMODATA_EXE, {folder, templates});
    EXPECT_TRUE(generator.waitForFinished(120'000));
    EXPECT_EQ(generator.exitStatus(), QProcess::NormalExit);
    return {generator.exitCode(), generator.readAllStandardError()};
}

// Relative path → SHA-256 of every file under `folder`.
std::map<QString, QByteArray> file_hashes(const QString& folder)
{
    std::map<QString, QByteArray> hashes;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        hashes[QDir(folder).relativeFilePath(file.fileName())] =
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    return hashes;
}

TEST(GeneratorDeterminism, TwoRunsWriteIdenticalFiles)
{
    QTemporaryDir first, second;
    ASSERT_EQ(generate(first.path()).first, 0);
    ASSERT_EQ(generate(second.path()).first, 0);
    const auto hashes = file_hashes(first.path());
    // Two databases, six templates and fourteen pictures; no part-written file left.
    EXPECT_EQ(hashes.size(), 2u + 6u + 14u);
    EXPECT_TRUE(hashes.count("qov.mdb") && hashes.count("elberfelderbibel.mdb") && hashes.count("qov_pics/vertrauen.png"));
    EXPECT_EQ(hashes, file_hashes(second.path()));
}

TEST(GeneratorDeterminism, AMissingTemplateFolderIsReportedAndFails)
{
    QTemporaryDir out;
    const auto [code, errors] = generate(out.path(), out.path() + "/no-such-folder");
    EXPECT_NE(code, 0);
    EXPECT_TRUE(errors.contains("no-such-folder"));
}

} // namespace
