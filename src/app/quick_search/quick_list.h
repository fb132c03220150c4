// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The quick search's result list: a model over the entries of one answer,
// made only for the rows the view draws, and a delegate that draws each row
// as its place above its snippet with the matched words in bold.

#include "quick_results.h"

#include <QAbstractListModel>
#include <QHash>
#include <QStyledItemDelegate>

#include <functional>

class QuickListModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int snippet_role = Qt::UserRole;

    using Passage = std::function<QString(const QString& key)>;
    explicit QuickListModel(Passage passage, QObject* parent = nullptr);

    void set_results(QuickResults results);
    const QuickResults& results() const { return results_; }
    QuickEntry entry(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QuickResults results_;
    Passage passage_;
    mutable QHash<int, QuickEntry> made_;  // the rows drawn so far
};

class QuickListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
