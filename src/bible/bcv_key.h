// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The grammar of one reference of a bcv key, shared by the position and the
// highlight test.

#include <QString>
#include <QList>
#include <QStringView>

#include <optional>
#include <vector>

struct BcvReference {
    int book = 0;
    int from_chap = 0;
    int from_verse = 0;
    int to_chap = 0;
    int to_verse = 0;
};

// One reference: "b_c_v", "b_c_v-v" or "b_c,v-c,v"; nullopt when it has any
// other form or a part that is not an unsigned decimal number.
std::optional<BcvReference> parse_reference(QStringView text);

// The references of `key` split at "/", up to the first empty one; those that
// are not well-formed are left out.
std::vector<BcvReference> highlight_references(const QString& key);
