#include "chapter_page.h"

#include "StdUtil.h"
#include "bcv_key.h"
#include "database.h"

#include <utility>

namespace {

bool selects(const std::vector<BcvReference>& references, int book, int chap, int verse)
{
    // Verse 0 is the chapter as a whole, never a verse of its own.
    if (verse < 1)
        return false;
    const std::pair current{chap, verse};
    for (const BcvReference& ref : references) {
        if (ref.book == book && std::pair{ref.from_chap, ref.from_verse} <= current
            && current <= std::pair{ref.to_chap, ref.to_verse})
            return true;
    }
    return false;
}

} // namespace

bool testhilite(const QString& hilitebcv, int book, int chap, int verse)
{
    return selects(highlight_references(hilitebcv), book, chap, verse);
}

QString renderchap(int book, int chap, Recordset& rsTexte, const QString& tplbibel,
                   const QString& tplvers, const Buecher& buecher, const QString& hilitebcv)
{
    QString page = tplbibel;
    const BuchRow* buch = find_buch(buecher, book);
    StrReplaceInPlace(page, QStringLiteral("#Buch#"), buch ? ValueText(buch->buch) : QString());
    StrReplaceInPlace(page, QStringLiteral("#Kapitel#"), QString::number(chap));

    const std::vector<BcvReference> references = highlight_references(hilitebcv);
    QString rows;
    rsTexte.Seek(QStringLiteral(">="), {qint64(book), qint64(chap)});
    // The seek lands on the first record at or after the chapter; only records
    // of the chapter itself become rows, so an empty chapter shows none.
    while (!rsTexte.Eof() && rsTexte.Fields(QStringLiteral("book")).toLongLong() == book
           && rsTexte.Fields(QStringLiteral("chapter")).toLongLong() == chap) {
        const QVariant verse = rsTexte.Fields(QStringLiteral("verse"));
        QString text = ValueText(rsTexte.Fields(QStringLiteral("Bible_Text")));
        if (selects(references, book, chap, verse.toInt()))
            text = QStringLiteral("<b>") + text + QStringLiteral("</b>");
        QString row = tplvers;
        StrReplaceInPlace(row, QStringLiteral("#Versnr#"), ValueText(verse));
        StrReplaceInPlace(row, QStringLiteral("#Vers#"), text);
        rows += row;
        rsTexte.MoveNext();
    }
    StrReplaceInPlace(page, QStringLiteral("#VERS#"), rows);
    return page;
}
