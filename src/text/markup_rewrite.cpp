// SPDX-License-Identifier: GPL-2.0-or-later
#include "markup_rewrite.h"

#include <QRegularExpression>

namespace {

bool is_name_char(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

bool is_space(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Walks one page text; each step copies what it has read into `out`.
class Walker {
public:
    Walker(const QString& page, const MarkupRewriter& rewriter) : page_(page), rewriter_(rewriter) {}

    QString run()
    {
        out_.reserve(page_.size() + page_.size() / 8);
        while (at_ < page_.size()) {
            const qsizetype open = page_.indexOf(u'<', at_);
            if (open < 0)
                break;
            copy_to(open);
            if (QStringView(page_).mid(at_).startsWith(u"<!--")) {
                const qsizetype end = page_.indexOf(QStringLiteral("-->"), at_ + 4);
                copy_to(end < 0 ? page_.size() : end + 3);
            } else if (at_ + 1 < page_.size() && page_[at_ + 1].isLetter()) {
                tag();
            } else {
                copy_to(at_ + 1);
            }
        }
        copy_to(page_.size());
        return out_;
    }

private:
    void copy_to(qsizetype end)
    {
        out_ += QStringView(page_).mid(at_, end - at_);
        at_ = end;
    }

    void skip_spaces()
    {
        qsizetype end = at_;
        while (end < page_.size() && is_space(page_[end]))
            ++end;
        copy_to(end);
    }

    QString read_name()
    {
        qsizetype end = at_;
        while (end < page_.size() && is_name_char(page_[end]))
            ++end;
        const QString name = page_.mid(at_, end - at_).toLower();
        copy_to(end);
        return name;
    }

    void tag()
    {
        copy_to(at_ + 1);
        const QString name = read_name();
        while (at_ < page_.size() && page_[at_] != u'>') {
            skip_spaces();
            if (at_ >= page_.size() || page_[at_] == u'>')
                break;
            if (!is_name_char(page_[at_])) {
                copy_to(at_ + 1);
                continue;
            }
            const QString attribute = read_name();
            skip_spaces();
            if (at_ < page_.size() && page_[at_] == u'=') {
                copy_to(at_ + 1);
                skip_spaces();
                value(name, attribute);
            }
        }
        copy_to(std::min(at_ + 1, page_.size()));
        if (name == u"style")
            style_block();
    }

    void value(const QString& tag, const QString& attribute)
    {
        if (at_ >= page_.size())
            return;
        const QChar quote = page_[at_];
        const bool quoted = quote == u'"' || quote == u'\'';
        qsizetype start = at_ + (quoted ? 1 : 0);
        qsizetype end = start;
        if (quoted) {
            end = page_.indexOf(quote, start);
            if (end < 0)
                end = page_.size();
        } else {
            while (end < page_.size() && !is_space(page_[end]) && page_[end] != u'>')
                ++end;
        }
        copy_to(start);
        const QStringView text = QStringView(page_).mid(start, end - start);
        if (attribute == u"style") {
            out_ += rewriter_.css ? rewriter_.css(text) : text.toString();
        } else if (const std::optional<QString> changed =
                       rewriter_.attribute ? rewriter_.attribute(tag, attribute, text) : std::nullopt) {
            out_ += *changed;
        } else {
            out_ += text;
        }
        at_ = end;
        copy_to(std::min(end + (quoted ? 1 : 0), page_.size()));
    }

    void style_block()
    {
        static const QRegularExpression close(QStringLiteral("</style"), QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = close.match(page_, at_);
        const qsizetype end = match.hasMatch() ? match.capturedStart() : page_.size();
        const QStringView css = QStringView(page_).mid(at_, end - at_);
        out_ += rewriter_.css ? rewriter_.css(css) : css.toString();
        at_ = end;
    }

    const QString& page_;
    const MarkupRewriter& rewriter_;
    QString out_;
    qsizetype at_ = 0;
};

} // namespace

QString rewrite_markup(const QString& page, const MarkupRewriter& rewriter)
{
    return Walker(page, rewriter).run();
}

QString rewrite_declarations(QStringView css, const std::function<bool(QStringView name)>& wanted,
                             const std::function<QString(QStringView value)>& change)
{
    static const QRegularExpression declaration(QStringLiteral(R"(([-\w]+)(\s*:\s*)([^;{}"]*))"));
    QString out;
    qsizetype at = 0;
    QRegularExpressionMatchIterator it = declaration.globalMatch(css);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (!wanted(match.capturedView(1).toString().toLower()))
            continue;
        out += css.mid(at, match.capturedStart(3) - at);
        out += change(match.capturedView(3));
        at = match.capturedEnd(3);
    }
    out += css.mid(at);
    return out;
}
