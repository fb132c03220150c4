// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The line over the day page's bottom edge: the same calendar day in the
// other editions ("Dieser Tag: 2023 · 2025"), and the notice that next
// year's edition is still missing. It lies over the view rather than in the
// page, so the book's template keeps its text.

#include <QList>
#include <QWidget>

class QAbstractScrollArea;
class QHBoxLayout;
class QLabel;
class QToolButton;

class EditionBar : public QWidget {
    Q_OBJECT

public:
    // Lies over `view`'s visible area, following its size.
    explicit EditionBar(QAbstractScrollArea* view);

    struct Year {
        int year = 0;
        qsizetype edition = -1;
    };
    // The other editions holding the day shown, or (`day_page` false) no day
    // page at all: then the whole line is hidden.
    void set_years(const QList<Year>& years, bool day_page);
    // The notice shown beside them; empty hides it.
    void set_notice(const QString& notice);

    // The buttons of the years, in order.
    QList<QToolButton*> year_buttons() const { return buttons_; }
    QString notice() const;

Q_SIGNALS:
    void edition_chosen(qsizetype edition);
    void add_requested();
    void notice_closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void place();
    void update_visibility();

    QAbstractScrollArea* view_;
    QHBoxLayout* years_layout_;
    QLabel* years_label_;
    QList<QToolButton*> buttons_;
    QWidget* notice_box_;
    QLabel* notice_;
    bool day_page_ = false;
};
