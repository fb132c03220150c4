// SPDX-License-Identifier: GPL-2.0-or-later
#include "sql_dialect.h"

#include <vector>

namespace {

struct Token {
    enum class Kind { Word, Number, Quoted, Open, Close, Other } kind;
    qsizetype begin;
    qsizetype end;
};

bool is_word_character(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

std::vector<Token> tokenize(QStringView sql)
{
    std::vector<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        const qsizetype begin = i;
        Token::Kind kind = Token::Kind::Other;
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            // A doubled quote inside quotes stands for itself; brackets cannot
            // hold a "]". An unclosed quote runs to the end for SQLite to refuse.
            const QChar close = c == u'[' ? u']' : c;
            kind = Token::Kind::Quoted;
            for (++i; i < n; ++i) {
                if (sql[i] != close)
                    continue;
                if (close != u']' && i + 1 < n && sql[i + 1] == close) {
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
        } else if (is_word_character(c)) {
            bool digits = true;
            for (; i < n && is_word_character(sql[i]); ++i)
                digits = digits && sql[i].isDigit();
            kind = digits ? Token::Kind::Number : Token::Kind::Word;
        } else {
            kind = c == u'(' ? Token::Kind::Open : c == u')' ? Token::Kind::Close : Token::Kind::Other;
            ++i;
        }
        tokens.push_back({kind, begin, i});
    }
    return tokens;
}

} // namespace

QString translate_access_sql(const QString& sql)
{
    const std::vector<Token> tokens = tokenize(sql);
    const auto is_word = [&](size_t i, QLatin1StringView word) {
        return i < tokens.size() && tokens[i].kind == Token::Kind::Word
            && QStringView(sql).sliced(tokens[i].begin, tokens[i].end - tokens[i].begin)
                   .compare(word, Qt::CaseInsensitive) == 0;
    };

    // The row counts of the selects whose end is still ahead, with the
    // parenthesis depth at which each began.
    struct OpenLimit {
        int depth;
        QString count;
    };
    std::vector<OpenLimit> open;
    QString result;
    qsizetype copied = 0;
    const auto close_limits = [&](int depth, qsizetype at) {
        while (!open.empty() && open.back().depth == depth) {
            if (at > copied) {
                result += QStringView(sql).sliced(copied, at - copied);
                copied = at;
            }
            result += QStringLiteral(" LIMIT ") + open.back().count;
            open.pop_back();
        }
    };

    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::Kind::Open) {
            ++depth;
        } else if (t.kind == Token::Kind::Close) {
            close_limits(depth, t.begin);
            --depth;
        } else if (is_word(i, QLatin1StringView("select"))) {
            size_t top = i + 1;
            if (is_word(top, QLatin1StringView("distinct")) || is_word(top, QLatin1StringView("all")))
                ++top;
            if (is_word(top, QLatin1StringView("top")) && top + 1 < tokens.size()
                && tokens[top + 1].kind == Token::Kind::Number) {
                const Token& count = tokens[top + 1];
                result += QStringView(sql).sliced(copied, tokens[top].begin - copied);
                copied = count.end;
                while (copied < sql.size() && sql[copied].isSpace())
                    ++copied;
                open.push_back({depth, sql.sliced(count.begin, count.end - count.begin)});
                i = top + 1;
            }
        }
    }
    // The statement ends before any closing ";".
    size_t last = tokens.size();
    while (last > 0 && tokens[last - 1].kind == Token::Kind::Other && sql[tokens[last - 1].begin] == u';')
        --last;
    const qsizetype end = last > 0 ? tokens[last - 1].end : 0;
    while (!open.empty())
        close_limits(open.back().depth, end);
    result += QStringView(sql).sliced(copied);
    return result;
}
