// SPDX-License-Identifier: GPL-2.0-or-later
#include "link_preview.h"

#include "StdUtil.h"

#include <QHelpEvent>
#include <QTextBrowser>
#include <QToolTip>

LinkPreview::LinkPreview(QObject* parent, Passage passage)
    : QObject(parent)
    , passage_(std::move(passage))
{
}

void LinkPreview::watch(QTextBrowser* view)
{
    view->viewport()->installEventFilter(this);
}

bool LinkPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    auto* viewport = static_cast<QWidget*>(watched);
    auto* view = qobject_cast<QTextBrowser*>(viewport->parentWidget());
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString href = view ? view->anchorAt(help->pos()) : QString();
    // The key is the link's second "|"-separated part, as following it reads it.
    const QString text = href.contains(u"BIBLE") ? passage_(GetToken(href, QStringLiteral("|"), 2)) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport);
    return true;
}
