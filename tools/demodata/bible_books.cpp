#include "bible_books.h"

#include <algorithm>

const std::array<BibleBook, bible_book_count>& bible_books()
{
    static const std::array<BibleBook, bible_book_count> books = {{
        {"Gen", "1. Mose"},           {"Exod", "2. Mose"},          {"Lev", "3. Mose"},
        {"Num", "4. Mose"},           {"Deut", "5. Mose"},          {"Josh", "Josua"},
        {"Judg", "Richter"},          {"Ruth", "Rut"},              {"1Sam", "1. Samuel"},
        {"2Sam", "2. Samuel"},        {"1Kgs", "1. Könige"},        {"2Kgs", "2. Könige"},
        {"1Chr", "1. Chronik"},       {"2Chr", "2. Chronik"},       {"Ezra", "Esra"},
        {"Neh", "Nehemia"},           {"Esth", "Ester"},            {"Job", "Hiob"},
        {"Ps", "Psalm"},              {"Prov", "Sprüche"},          {"Eccl", "Prediger"},
        {"Song", "Hoheslied"},        {"Isa", "Jesaja"},            {"Jer", "Jeremia"},
        {"Lam", "Klagelieder"},       {"Ezek", "Hesekiel"},         {"Dan", "Daniel"},
        {"Hos", "Hosea"},             {"Joel", "Joel"},             {"Amos", "Amos"},
        {"Obad", "Obadja"},           {"Jonah", "Jona"},            {"Mic", "Micha"},
        {"Nah", "Nahum"},             {"Hab", "Habakuk"},           {"Zeph", "Zefanja"},
        {"Hag", "Haggai"},            {"Zech", "Sacharja"},         {"Mal", "Maleachi"},
        {"Matt", "Matthäus"},         {"Mark", "Markus"},           {"Luke", "Lukas"},
        {"John", "Johannes"},         {"Acts", "Apostelgeschichte"}, {"Rom", "Römer"},
        {"1Cor", "1. Korinther"},     {"2Cor", "2. Korinther"},     {"Gal", "Galater"},
        {"Eph", "Epheser"},           {"Phil", "Philipper"},        {"Col", "Kolosser"},
        {"1Thess", "1. Thessalonicher"}, {"2Thess", "2. Thessalonicher"}, {"1Tim", "1. Timotheus"},
        {"2Tim", "2. Timotheus"},     {"Titus", "Titus"},           {"Phlm", "Philemon"},
        {"Heb", "Hebräer"},           {"Jas", "Jakobus"},           {"1Pet", "1. Petrus"},
        {"2Pet", "2. Petrus"},        {"1John", "1. Johannes"},     {"2John", "2. Johannes"},
        {"3John", "3. Johannes"},     {"Jude", "Judas"},            {"Rev", "Offenbarung"},
    }};
    return books;
}

int book_number_of_osis(std::string_view osis_name)
{
    const auto& books = bible_books();
    const auto it = std::find_if(books.begin(), books.end(),
                                 [&](const BibleBook& b) { return b.osis_name == osis_name; });
    return it == books.end() ? 0 : int(it - books.begin()) + 1;
}

const QString& german_book_name(int book)
{
    return bible_books().at(std::size_t(book - 1)).german_name;
}
