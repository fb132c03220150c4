// SPDX-License-Identifier: GPL-2.0-or-later
#include "form1.h"

#include "personal_layer.h"

#include <QCursor>
#include <QScreen>

Form1::Form1(Settings settings)
    : settings_(std::move(settings))
    , messages_(settings_.messages)
    , cursor_source_([] { return QCursor::pos(); })
{
    scale_ = TwipsScale::for_dpi(screen()->logicalDotsPerInchX(), screen()->logicalDotsPerInchY());
    create_controls();
    create_personal();
}

Form1::~Form1() = default;

void Form1::set_cursor_source(std::function<QPoint()> source)
{
    cursor_source_ = std::move(source);
}
