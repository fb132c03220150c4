// SPDX-License-Identifier: GPL-2.0-or-later
#include "book_bible_source.h"

#include "database.h"
#include "osis_books.h"

namespace {

const QString book_field = QStringLiteral("book");
const QString chapter_field = QStringLiteral("chapter");
const QString verse_field = QStringLiteral("verse");
const QString text_field = QStringLiteral("Bible_Text");

int field(const Recordset& rs, const QString& name)
{
    return int(rs.Fields(name).toLongLong());
}

QString text_of(const Recordset& rs)
{
    const QVariant text = rs.Fields(text_field);
    return text.isNull() ? QString() : text.toString();
}

} // namespace

BookBibleSource::BookBibleSource(Recordset& texte) : texte_(texte)
{
}

QString BookBibleSource::name() const
{
    return QStringLiteral("Buch");
}

QString BookBibleSource::short_name() const
{
    return QStringLiteral("Elberfelder");
}

QString BookBibleSource::description() const
{
    return QStringLiteral("Die Bibel des Buches (elberfelderbibel.mdb)");
}

QString BookBibleSource::language() const
{
    return QStringLiteral("de");
}

bool BookBibleSource::has_book(int book)
{
    texte_.Seek(QStringLiteral("="), {qint64(book)});
    return !texte_.NoMatch();
}

int BookBibleSource::chapter_count(int book)
{
    return frame().chapter_count(book);
}

std::vector<SourceVerse> BookBibleSource::chapter(int book, int chap)
{
    std::vector<SourceVerse> verses;
    texte_.Seek(QStringLiteral("="), {qint64(book), qint64(chap)});
    for (; !texte_.Eof() && field(texte_, book_field) == book && field(texte_, chapter_field) == chap;
         texte_.MoveNext())
        verses.push_back({field(texte_, verse_field), text_of(texte_), {}});
    return verses;
}

QString BookBibleSource::verse_text(int book, int chap, int verse)
{
    texte_.Seek(QStringLiteral("="), {qint64(book), qint64(chap), qint64(verse)});
    return texte_.NoMatch() ? QString() : text_of(texte_);
}

const BibleFrame& BookBibleSource::frame()
{
    if (!frame_) {
        VerseCounts counts(reader_book_count);
        for (texte_.MoveFirst(); !texte_.Eof(); texte_.MoveNext()) {
            const int book = field(texte_, book_field);
            const int chap = field(texte_, chapter_field);
            if (book < 1 || book > reader_book_count || chap < 1)
                continue;
            std::vector<int>& chapters = counts[std::size_t(book - 1)];
            if (int(chapters.size()) < chap)
                chapters.resize(std::size_t(chap), 0);
            // The index gives the verses in order: the last is the highest.
            chapters[std::size_t(chap - 1)] = field(texte_, verse_field);
        }
        frame_.emplace(std::move(counts));
    }
    return *frame_;
}
