// SPDX-License-Identifier: GPL-2.0-or-later
#include "authors.h"

const std::vector<Author>& authors()
{
    static const std::vector<Author> authors = {
        {1, "Noomi", "Elimelech", 37},   {2, "Boas", "Bethlehem", 33},
        {3, "Debora", "Lappidot", 29},   {4, "Samuel", "Elkana", 27},
        {5, "Hanna", "Rama", 23},        {6, "Elia", "Tischbe", 22},
        {7, "Jesaja", "Amoz", 21},       {8, "Jeremia", "Anatot", 20},
        {9, "Ester", "Abihajil", 19},    {10, "Nehemia", "Hachalja", 18},
        {11, "Maria", "Magdala", 17},    {12, "Lydia", "Thyatira", 16},
        {13, "Barnabas", "Zypern", 15},  {14, "Timotheus", "Lystra", 14},
        {15, "Priska", "Aquila", 13},    {16, "Tabita", "Joppe", 12},
        {17, "", "Melchisedek", 11},     {18, QVariant(), "Zachäus", 10},
        {19, QVariant(), "Kornelius", 9}, {20, "Methusalem", "Henoch", 0},
    };
    return authors;
}
