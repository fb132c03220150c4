// SPDX-License-Identifier: GPL-2.0-or-later
#include "quick_list.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

QuickListModel::QuickListModel(Passage passage, QObject* parent)
    : QAbstractListModel(parent)
    , passage_(std::move(passage))
{
}

void QuickListModel::set_results(QuickResults results)
{
    beginResetModel();
    results_ = std::move(results);
    made_.clear();
    endResetModel();
}

QuickEntry QuickListModel::entry(int row) const
{
    auto it = made_.find(row);
    if (it == made_.end())
        it = made_.insert(row, results_.entry(row));
    return *it;
}

int QuickListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : results_.size();
}

QVariant QuickListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= results_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return entry(index.row()).label;
    case snippet_role:
        return entry(index.row()).text;
    case Qt::ToolTipRole: {
        const QuickEntry e = entry(index.row());
        const bool passage = e.kind == QuickEntry::Kind::verse || e.kind == QuickEntry::Kind::reference;
        return passage ? QVariant(passage_(e.target)) : QVariant();
    }
    default:
        return {};
    }
}

namespace {

// Each row: the place on one line, the snippet on the next.
constexpr int row_lines = 2;
constexpr int padding = 4;

} // namespace

QSize QuickListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), row_lines * option.fontMetrics.height() + 2 * padding};
}

void QuickListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    panel.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QRect area = option.rect.adjusted(padding, padding, -padding, -padding);
    const int line = option.fontMetrics.height();

    painter->save();
    painter->setClipRect(option.rect);
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(colour);
    painter->drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());

    // The snippet on one line, cut at the row's end.
    QTextDocument snippet;
    snippet.setDefaultFont(option.font);
    snippet.setDocumentMargin(0);
    QTextOption no_wrap;
    no_wrap.setWrapMode(QTextOption::NoWrap);
    snippet.setDefaultTextOption(no_wrap);
    snippet.setHtml(index.data(QuickListModel::snippet_role).toString());
    painter->translate(area.left(), area.top() + line);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, colour);
    context.clip = QRectF(0, 0, area.width(), line);
    painter->setClipRect(context.clip, Qt::IntersectClip);
    snippet.documentLayout()->draw(painter, context);
    painter->restore();
}
