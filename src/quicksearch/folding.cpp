// SPDX-License-Identifier: GPL-2.0-or-later
#include "folding.h"

void fold_word(QStringView word, std::u16string& out)
{
    // The state tells whether an "e" that follows ends an umlaut spelt with
    // two letters: after a, o, and a u that follows no vowel and no q.
    enum { plain, after_vowel, umlaut } state = plain;
    for (QChar original : word) {
        const char16_t u = original.unicode();
        const char16_t c = u < 0x80 ? (u >= u'A' && u <= u'Z' ? u + 32 : u) : original.toLower().unicode();
        switch (c) {
        case u'a':
        case u'o':
            out.push_back(c);
            state = umlaut;
            break;
        case u'u':
            out.push_back(c);
            state = state == plain ? umlaut : after_vowel;
            break;
        case u'e':
            if (state != umlaut)
                out.push_back(c);
            state = after_vowel;
            break;
        case u'i':
        case u'q':
        case u'y':
            out.push_back(c);
            state = after_vowel;
            break;
        case u'ä':
            out.push_back(u'a');
            state = after_vowel;
            break;
        case u'ö':
            out.push_back(u'o');
            state = after_vowel;
            break;
        case u'ü':
            out.push_back(u'u');
            state = after_vowel;
            break;
        case u'ß':
            out.append(u"ss");
            state = plain;
            break;
        default:
            out.push_back(c);
            state = plain;
            break;
        }
    }
}

std::u16string fold_word(QStringView word)
{
    std::u16string out;
    fold_word(word, out);
    return out;
}
