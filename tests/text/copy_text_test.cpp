// SPDX-License-Identifier: GPL-2.0-or-later
#include "copy_text.h"

#include <gtest/gtest.h>

TEST(CopyText, SelectionMadePlainAndFollowedByItsSource)
{
    const std::pair<QString, QString> cases[] = {
        {u"\uFFFC Dienstag,\u00A05. März\u2029\u2029\u2029  Der  Herr ist\u2028mein Hirte. \r\n"_qs,
         u"Dienstag, 5. März\n\nDer Herr ist\nmein Hirte."_qs},
        {u"\u2029 \n\uFFFC\u2029"_qs, QString()},
        {u"a\r\rb"_qs, u"a\n\nb"_qs},
        {u"\uFDD0Datum\n\uFDD0\uFDD1\uFDD0Vers \uFDD1Text"_qs, u"Datum\n\nVers\nText"_qs},
    };
    for (const auto& [selected, expected] : cases)
        EXPECT_EQ(clean_selection_text(selected).toStdString(), expected.toStdString());

    EXPECT_EQ(with_reference(u"Vers"_qs, u"Psalm 23,1"_qs), u"Vers\nPsalm 23,1"_qs);
    EXPECT_EQ(with_reference(u"Vers"_qs, QString()), u"Vers"_qs);
    EXPECT_EQ(with_reference(QString(), u"Psalm 23,1"_qs), QString());
    EXPECT_EQ(with_reference_html(u"<b>V</b>"_qs, u"A & B"_qs), u"<b>V</b><p>A &amp; B</p>"_qs);
    EXPECT_EQ(with_reference_html(QString(), u"A"_qs), QString());
}
