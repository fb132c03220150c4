// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The hover preview of Bible links: when the mouse rests on a BIBLE link of
// a watched view, a tool tip shows the passage's text.

#include <QObject>

#include <functional>

class QTextBrowser;

class LinkPreview : public QObject {
public:
    using Passage = std::function<QString(const QString& key)>;
    LinkPreview(QObject* parent, Passage passage);

    // Shows previews for the links of `view`.
    void watch(QTextBrowser* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Passage passage_;
};
