// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Rewrites the look of an HTML page text without parsing it whole, so that
// any template, however broken, comes through: only style sheets and
// attribute values change, everything else is copied as it stands.

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

struct MarkupRewriter {
    // Gets the text of every <style> block and every style attribute and
    // returns its new text.
    std::function<QString(QStringView css)> css;
    // Gets every other attribute with a value (tag and attribute names in
    // lower case) and returns its new value, or nullopt to keep it.
    std::function<std::optional<QString>(QStringView tag, QStringView name, QStringView value)> attribute;
};

// The page with its style sheets and attribute values rewritten. Comments
// are left alone; an unclosed tag, quote or style block runs to the end of
// the text. A new value is written inside the old value's quotes, so it must
// not contain them.
QString rewrite_markup(const QString& page, const MarkupRewriter& rewriter);

// Every CSS declaration of `css` ("name: value") whose lower-case name passes
// `wanted` gets its value replaced by `change(value)`; the rest of the text
// stays as it is.
QString rewrite_declarations(QStringView css, const std::function<bool(QStringView name)>& wanted,
                             const std::function<QString(QStringView value)>& change);
