// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the two result lists share: the cut template, the rows up to the cap,
// the cap notice and the joined page.

#include <QString>

#include <functional>
#include <vector>

class Database;
class Recordset;

// A result list as written, with what its title tells: how many entries it
// lists and whether it was cut at its cap.
struct ListedPage {
    QString page;
    int hits = 0;
    bool cut = false;
};

// The title of a result list: "Suchergebnis (7 Treffer)", or "(mehr als
// 100 Treffer)" for a list cut at a cap of 100.
QString result_title(const ListedPage& list, int cap);

// A list template cut at "<!--X-->": head, the template of one row, tail.
struct ListTemplate {
    QString head;
    QString row;
    QString tail;
};
ListTemplate cut_list_template(const QString& text);

// Runs `sql` on `db` and fills one row per result with `fill`, at most
// `cap` + 1 of them: a row past the cap tells that more matched.
// Throws DatabaseError when the query is rejected or fails.
std::vector<QString> listed_rows(Database& db, const QString& sql, int cap,
                                 const std::function<QString(const Recordset&)>& fill);

// The red notice that more than `cap` entries were found, asking for a narrower search.
QString cap_notice(int cap);

// Head, rows and tail joined in one buffer of the final size: a list page is
// long, and growing it row by row copies it again and again.
QString joined_page(const ListTemplate& parts, const std::vector<QString>& rows);
