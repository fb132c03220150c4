// The pieces of page building that work on texts from the databases and the
// template files: the Bible links of a devotional, the marking of search
// words, and the cutting of the day and chapter templates. Marking only ever
// adds its tags: taken out again, they leave the text as it was.

#include "StdUtil.h"
#include "bible_links.h"
#include "fuzz_input.h"
#include "highlighting.h"
#include "page_templates.h"

namespace {

QString without_tags(QString text, const QString& tag)
{
    StrReplaceInPlace(text, tag, QString());
    StrReplaceInPlace(text, tag.left(1) + u'/' + tag.mid(1), QString());
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString tag = input.ConsumeBool() ? QStringLiteral("<b>") : QStringLiteral("<i>");
    const QString wordlist = next_text(input, 128);
    const QString bcv = next_text(input, 256);
    const QString bst = next_text(input, 256);
    const QString text = rest_text(input);

    const QString marked = setwordsbold(text, wordlist, tag);
    if (!text.contains(u'<'))
        FUZZ_CHECK(without_tags(marked, tag) == text);
    if (!wordlist.contains(u';'))
        FUZZ_CHECK(marked == text);

    const QString links = splitbibelst(QVariant(bst), QVariant(bcv), text);
    FUZZ_CHECK(splitbibelst(QVariant(), QVariant(bcv), text).isEmpty());
    if (!bst.isEmpty() && !bst.startsWith(u';') && !text.contains(u'#'))
        FUZZ_CHECK(links.startsWith(text));

    const DayTemplate day = cut_day_template(text);
    if (!text.contains(QStringLiteral("#Bibel")))
        FUZZ_CHECK(day.tplday == text && day.tplbibelst.isEmpty());
    const ChapterTemplate chapter = cut_chapter_template(text);
    FUZZ_CHECK(chapter.tplbibel.contains(QStringLiteral("#VERS#")));
    return 0;
}
