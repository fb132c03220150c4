// SPDX-License-Identifier: GPL-2.0-or-later
// The hover pictures: ten times a second every button shows its pressed twin
// while the cursor rests on it, and its normal picture otherwise.

#include "form1.h"

#include "hover.h"
#include "picture_button.h"

void Form1::Timer1_Timer()
{
    const QPoint cursor = cursor_source_();
    const QRect frame = frameGeometry();
    HoverGeometry geometry;
    geometry.window_left = static_cast<float>(scale_.twips_x(frame.x()));
    geometry.window_top = static_cast<float>(scale_.twips_y(frame.y()));
    geometry.window_height = static_cast<float>(scale_.twips_y(frame.height()));
    geometry.client_height = static_cast<float>(scale_.twips_y(height()));

    for (const CommandRow& row : command_table()) {
        if (row.group == ButtonGroup::book_go && state_.suchmode != 1)
            continue;  // hidden in the Bible search, and they stay hidden
        // Both rows stand at the same place; row 0 stands for both.
        const TwipsRect& container = is_go_button(row) ? layout_.sframe : layout_.headline0;
        geometry.container_left = container.left;
        geometry.container_top = container.top;
        geometry.button = button_place(row);
        if (cursor_on_button(cursor, scale_, geometry)) {
            twin(row.command)->setVisible(true);
            button(row.command)->setVisible(false);
        } else {
            button(row.command)->setVisible(true);
            twin(row.command)->setVisible(false);
        }
    }
}
