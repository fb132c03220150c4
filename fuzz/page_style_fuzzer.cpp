// SPDX-License-Identifier: GPL-2.0-or-later
// Zoom and the dark colour set on arbitrary page texts, since users' own
// templates go through them: neither fails, and text outside tags and style
// sheets is never touched.

#include "dark_page.h"
#include "fuzz_input.h"
#include "page_zoom.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int percent = input.ConsumeIntegralInRange<int>(0, 400);
    const QString page = rest_text(input);

    const QString zoomed = zoom_page(page, percent);
    const QString dark = dark_page(page);
    FUZZ_CHECK(zoom_page(page, 100) == page);
    if (!page.contains(u'<')) {
        FUZZ_CHECK(zoomed == page);
        FUZZ_CHECK(dark.endsWith(page));
    }
    return 0;
}
