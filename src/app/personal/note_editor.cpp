// SPDX-License-Identifier: GPL-2.0-or-later
#include "note_editor.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

NoteEditor::NoteEditor(const QString& title, const QString& text, Save on_save, QWidget* parent)
    : QWidget(parent, Qt::Window), edit_(new QPlainTextEdit(text, this)), save_(std::move(on_save)), saved_(text)
{
    setObjectName(QStringLiteral("NoteEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Notiz – ") + title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(edit_);
    edit_->setTabChangesFocus(true);
    resize(420, 260);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] { save(); });
}

bool NoteEditor::save()
{
    const QString text = edit_->toPlainText();
    if (text == saved_)
        return true;
    if (!save_(text))
        return false;
    saved_ = text;
    return true;
}

void NoteEditor::closeEvent(QCloseEvent* event)
{
    // Closing keeps what was written, unless the reader chose to drop it.
    if (discard_ || save())
        event->accept();
    else
        event->ignore();
}

void NoteEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (edit_->toPlainText() != saved_) {
        const auto answer = QMessageBox::question(this, windowTitle(), QStringLiteral("Die Notiz wurde geändert. Speichern?"),
                                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                                  QMessageBox::Save);
        if (answer == QMessageBox::Cancel)
            return;
        discard_ = answer == QMessageBox::Discard;
    }
    close();
}
