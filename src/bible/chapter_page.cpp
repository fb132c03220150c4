// SPDX-License-Identifier: GPL-2.0-or-later
#include "chapter_page.h"

#include "StdUtil.h"
#include "bcv_key.h"
#include "database.h"

#include <QList>

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

// The verse row cut once per page at its placeholders, instead of copying
// and searching it for every verse. Filling the pieces gives the same text
// as replacing "#Versnr#" and then "#Vers#" in a copy: the verse number is
// digits, so it can neither complete nor break a "#Vers#".
class VerseRow {
public:
    explicit VerseRow(const QString& tplvers)
    {
        const QList<QStringView> around_numbers = QStringView(tplvers).split(u"#Versnr#");
        for (qsizetype i = 0; i < around_numbers.size(); ++i) {
            if (i > 0)
                pieces_.push_back({{}, Slot::number});
            const QList<QStringView> around_texts = around_numbers[i].split(u"#Vers#");
            for (qsizetype j = 0; j < around_texts.size(); ++j) {
                if (j > 0)
                    pieces_.push_back({{}, Slot::text});
                pieces_.push_back({around_texts[j], Slot::literal});
            }
        }
    }

    void append(QString& out, const QString& number, const QString& text) const
    {
        for (const Piece& piece : pieces_) {
            switch (piece.slot) {
            case Slot::literal: out += piece.literal; break;
            case Slot::number: out += number; break;
            case Slot::text: out += text; break;
            }
        }
    }

private:
    enum class Slot { literal, number, text };
    struct Piece {
        QStringView literal;
        Slot slot;
    };
    std::vector<Piece> pieces_;
};

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
    const VerseRow row(tplvers);
    QString rows;
    // A verse table without its text column shows the verse numbers alone.
    const QString text_column = QStringLiteral("Bible_Text");
    const bool has_text = rsTexte.HasField(text_column);
    rsTexte.Seek(QStringLiteral(">="), {qint64(book), qint64(chap)});
    // The seek lands on the first record at or after the chapter; only records
    // of the chapter itself become rows, so an empty chapter shows none.
    while (!rsTexte.Eof() && rsTexte.Fields(QStringLiteral("book")).toLongLong() == book
           && rsTexte.Fields(QStringLiteral("chapter")).toLongLong() == chap) {
        const QVariant verse = rsTexte.Fields(QStringLiteral("verse"));
        const QString text = has_text ? ValueText(rsTexte.Fields(text_column)) : QString();
        if (selects(references, book, chap, verse.toInt()))
            row.append(rows, ValueText(verse), QStringLiteral("<b>") + text + QStringLiteral("</b>"));
        else
            row.append(rows, ValueText(verse), text);
        rsTexte.MoveNext();
    }
    StrReplaceInPlace(page, QStringLiteral("#VERS#"), rows);
    return page;
}
