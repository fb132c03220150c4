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

    for (int i = 0; i <= 19; ++i) {
        const bool go_button_of_book_search = i == 7 || i == 8 || i == 9 || i == 19;
        if (go_button_of_book_search && suchmode != 1)
            continue;  // hidden in the Bible search, and they stay hidden
        // Both rows stand at the same place; row 0 stands for both.
        const bool in_panel = (i >= 6 && i <= 9) || i == 19;
        const TwipsRect& container = in_panel ? layout_.sframe : layout_.headline0;
        geometry.container_left = container.left;
        geometry.container_top = container.top;
        geometry.button = button_places_[i];
        if (cursor_on_button(cursor, scale_, geometry)) {
            but(i + 100)->setVisible(true);
            but(i)->setVisible(false);
        } else {
            but(i)->setVisible(true);
            but(i + 100)->setVisible(false);
        }
    }
}
