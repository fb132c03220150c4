#pragma once
// An independent reading of the bcv key grammar, so that the tests check the
// generated keys against the grammar rather than against the generator's own
// formatting.

#include <QString>

#include <vector>

struct ParsedPassage {
    int book = 0;
    int chapter = 0;
    int verse = 0;  // 0 = the whole chapter
    int end_chapter = 0;
    int end_verse = 0;
};

// One key: references joined by "/", each "b_c_v", "b_c_v-w" or
// "b_c,v-c2,v2". Empty when the key does not follow the grammar.
std::vector<ParsedPassage> parse_bcv_key(const QString& key);
