// SPDX-License-Identifier: GPL-2.0-or-later
#include "html_view.h"
#include "read_aloud.h"
#include "widget_application.h"

#include <gtest/gtest.h>

TEST(ReadAloud, AMissingEngineIsReportedAndNothingIsRead)
{
    ensure_widget_application();
    HtmlView view;
    view.write_page(QStringLiteral("<p>Psalm 23</p>"));
    QStringList messages;
    qputenv("SELUNAR_SPEECH", "keine-solche");
    ReadAloud reader([] { return make_speech_engine(true); }, [&](const QString& text) { messages << text; }, nullptr);
    reader.start(&view, {});
    qunsetenv("SELUNAR_SPEECH");
    EXPECT_FALSE(reader.speaking());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Vorlesen ist nicht verfügbar: Die Sprachausgabe „keine-solche“ ist nicht "))
        << messages[0].toStdString();
    EXPECT_EQ(reader.state().value(u"available"), QJsonValue(false));
    EXPECT_TRUE(view.extraSelections().isEmpty());
}
