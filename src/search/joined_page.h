#pragma once

#include <QString>

#include <vector>

// Head, rows and tail joined in one buffer of the final size: a list page is
// long, and growing it row by row copies it again and again.
QString joined_page(const QString& head, const std::vector<QString>& rows, const QString& tail);
