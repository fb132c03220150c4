// Inputs the fuzzers (fuzz/) found that broke a promise of the code, kept
// so that the fault stays fixed in the ordinary build as well. The same
// inputs lie in fuzz/corpus/<target>/found-*.

#include "StdUtil.h"
#include "dates.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QString read_bytes_as_template(const QByteArray& bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("qovtemp.htm"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString text;
    ReadTextFile(text, path);
    return text;
}

// template_file: the decoder dropped a byte-order mark of its own before the
// reader dropped one more, so a file starting with two lost both.
TEST(FuzzFindings, OnlyOneByteOrderMarkIsDropped)
{
    EXPECT_EQ(read_bytes_as_template("\xEF\xBB\xBF\xEF\xBB\xBF<p>#BibelStar#BibelEnd#</p>"),
              QChar(0xFEFF) + QStringLiteral("<p>#BibelStar#BibelEnd#</p>"));
    EXPECT_EQ(read_bytes_as_template("\xEF\xBB\xBF<p>"), QStringLiteral("<p>"));
}

// user_date: a text with other punctuation than "-" between the parts of
// an ISO date read as that date.
TEST(FuzzFindings, DatabaseDateTextNeedsTheIsoForm)
{
    EXPECT_FALSE(date_of(QVariant(QStringLiteral("0503.03/24"))).isValid());
    EXPECT_FALSE(date_of(QVariant(QStringLiteral("2024/03/05"))).isValid());
    EXPECT_EQ(date_of(QVariant(QStringLiteral("2024-03-05 10:00:00"))), QDate(2024, 3, 5));
}

} // namespace
