#include "joined_page.h"

QString joined_page(const QString& head, const std::vector<QString>& rows, const QString& tail)
{
    qsizetype size = head.size() + tail.size();
    for (const QString& row : rows)
        size += row.size();
    QString page;
    page.reserve(size);
    page += head;
    for (const QString& row : rows)
        page += row;
    page += tail;
    return page;
}
