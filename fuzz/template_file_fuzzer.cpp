// Template files as users may bring them: any bytes, read as the program
// reads its templates (UTF-8, or Windows-1252 when the bytes are not UTF-8),
// with the picture paths made absolute and the day and chapter templates
// cut. Valid UTF-8 reads as itself; anything else as one character per byte.

#include "StdUtil.h"
#include "fuzz_input.h"
#include "page_templates.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace {

const QTemporaryDir& folder()
{
    static const QTemporaryDir dir;
    return dir;
}

bool is_utf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString apppath = folder().path() + u'/';
    {
        QFile file(apppath + QStringLiteral("qovtemp.htm"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(bytes);
    }

    QString text;
    ReadTextFile(text, apppath + QStringLiteral("qovtemp.htm"));
    if (is_utf8(bytes)) {
        const QByteArray without_mark = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
        FUZZ_CHECK(text.toUtf8() == without_mark);
    } else {
        FUZZ_CHECK(text.size() == bytes.size());
    }

    const QString page = read_template(apppath, QStringLiteral("qovtemp.htm"));
    FUZZ_CHECK(!page.contains(QStringLiteral("../qov_pics/")) || text.contains(QStringLiteral("../qov_pics/")));
    const DayTemplate day = cut_day_template(page);
    const ChapterTemplate chapter = cut_chapter_template(page);
    FUZZ_CHECK(chapter.tplbibel.contains(QStringLiteral("#VERS#")));
    if (!page.contains(QStringLiteral("#Bibel")))
        FUZZ_CHECK(day.tplday == page && day.tplbibelst.isEmpty());
    return 0;
}
