// SPDX-License-Identifier: GPL-2.0-or-later
#include "edition_bar.h"

#include "next_year.h"
#include "overlay_button.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

// A year is drawn as the link it is, in the desktop's link colour.
void link_colours(QToolButton& button, const QPalette& desktop)
{
    QPalette colours = desktop;
    colours.setColor(QPalette::ButtonText, desktop.color(QPalette::Link));
    button.setPalette(colours);
}

} // namespace

EditionBar::EditionBar(QAbstractScrollArea* view)
    : QWidget(view)
    , view_(view)
    , years_layout_(new QHBoxLayout)
    , years_label_(new QLabel(QStringLiteral("Dieser Tag:"), this))
    , notice_box_(new QWidget(this))
    , notice_(new QLabel(notice_box_))
{
    setObjectName(QStringLiteral("edition_bar"));
    setAutoFillBackground(true);
    years_label_->setObjectName(QStringLiteral("edition_years"));
    notice_->setObjectName(QStringLiteral("edition_notice"));
    notice_->setTextFormat(Qt::RichText);
    connect(notice_, &QLabel::linkActivated, this, [this] { Q_EMIT add_requested(); });
    QToolButton* close = overlay_button(QStringLiteral("edition_notice_close"), QStringLiteral("×"),
                                     QStringLiteral("Hinweis schließen"), notice_box_);
    connect(close, &QToolButton::clicked, this, [this] {
        set_notice({});
        Q_EMIT notice_closed();
    });
    auto* notice_layout = new QHBoxLayout(notice_box_);
    notice_layout->setContentsMargins(0, 0, 0, 0);
    notice_layout->addWidget(notice_);
    notice_layout->addWidget(close);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(notice_box_);
    years_layout_->setSpacing(0);
    years_layout_->addWidget(years_label_);
    layout->addLayout(years_layout_);
    view_->installEventFilter(this);
    set_years({}, false);
    set_notice({});
}

void EditionBar::set_years(const QList<Year>& years, bool day_page)
{
    day_page_ = day_page;
    qDeleteAll(buttons_);
    buttons_.clear();
    for (const Year& year : years) {
        const QString text = QString::number(year.year);
        QToolButton* button = overlay_button(QStringLiteral("edition_year_%1").arg(year.year), text,
                                          QStringLiteral("Dieser Tag im Jahrgang %1").arg(text), this);
        QFont font = button->font();
        font.setUnderline(true);
        button->setFont(font);
        button->setCursor(Qt::PointingHandCursor);
        link_colours(*button, palette());
        connect(button, &QToolButton::clicked, this, [this, edition = year.edition] { Q_EMIT edition_chosen(edition); });
        years_layout_->addWidget(button);
        buttons_.append(button);
    }
    years_label_->setVisible(!years.isEmpty());
    update_visibility();
}

void EditionBar::set_notice(const QString& notice)
{
    // The command at its end is a link: one click adds the edition.
    const QString command = add_edition_label();
    QString html = notice.toHtmlEscaped();
    if (notice.endsWith(command))
        html = html.left(html.size() - command.size()) + QStringLiteral("<a href=\"add\">%1</a>").arg(command);
    notice_->setText(html);
    notice_->setAccessibleName(notice);
    notice_box_->setVisible(!notice.isEmpty());
    update_visibility();
}

QString EditionBar::notice() const
{
    return notice_box_->isHidden() ? QString() : notice_->accessibleName();
}

void EditionBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The links take the colours of a desktop that changed its palette.
    if (event->type() == QEvent::PaletteChange) {
        for (QToolButton* button : buttons_)
            link_colours(*button, palette());
        // A label lays its links out anew only for another text.
        const QString shown = notice();
        notice_->clear();
        set_notice(shown);
    }
}

void EditionBar::update_visibility()
{
    setVisible(day_page_ && (!buttons_.isEmpty() || !notice_box_->isHidden()));
    place();
}

bool EditionBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        place();
    return QWidget::eventFilter(watched, event);
}

void EditionBar::place()
{
    // As wide as its words, in the bottom right corner, so that it covers
    // as little of the page as it can.
    const QRect area = view_->viewport()->geometry();
    const QSize size = sizeHint().boundedTo(area.size());
    setGeometry(area.right() + 1 - size.width(), area.bottom() + 1 - size.height(), size.width(), size.height());
    raise();
}
