// SPDX-License-Identifier: GPL-2.0-or-later
#include "key_commands.h"

#include <array>

namespace {

using K = KeyCommand;
using Q = QKeySequence;

const std::array<KeyCommandRow, 26> table{{
    // Not the standard Back and Forward: on some desktops they include
    // Backspace, which would turn the day in the middle of reading.
    {K::previous, Q::UnknownKey, "Alt+Left; Ctrl+PgUp", "Zurück"},
    {K::next, Q::UnknownKey, "Alt+Right; Ctrl+PgDown", "Weiter"},
    {K::today, Q::UnknownKey, "Alt+Home", "Heute"},
    {K::find, Q::Find, "", "Suchen"},
    {K::back, Q::Cancel, "", "Zurück zur Seite"},
    {K::help, Q::HelpContents, "", "Hilfe"},
    {K::bible, Q::UnknownKey, "Ctrl+B", "Bibel ein/aus"},
    {K::quit, Q::Quit, "Ctrl+Q", "Beenden"},
    {K::zoom_in, Q::ZoomIn, "Ctrl++; Ctrl+=", "Vergrößern"},
    {K::zoom_out, Q::ZoomOut, "Ctrl+-", "Verkleinern"},
    {K::zoom_reset, Q::UnknownKey, "Ctrl+0", "Originalgröße"},
    {K::copy, Q::Copy, "", "Kopieren"},
    {K::print, Q::Print, "", "Drucken …"},
    {K::save_pdf, Q::UnknownKey, "Ctrl+Shift+S", "Als PDF speichern …"},
    {K::read_aloud, Q::UnknownKey, "Ctrl+Shift+V", "Vorlesen"},
    {K::star_day, Q::UnknownKey, "Ctrl+D", "Andacht merken"},
    {K::mark_read, Q::UnknownKey, "Ctrl+G", "Bibellese gelesen"},
    {K::progress, Q::UnknownKey, "Ctrl+Shift+L", "Lesefortschritt"},
    {K::note, Q::UnknownKey, "Ctrl+N", "Notiz …"},
    {K::my_notes, Q::UnknownKey, "Ctrl+Shift+N", "Meine Notizen"},
    {K::quick_search, Q::UnknownKey, "Ctrl+K", "Schnellsuche"},
    {K::settings, Q::UnknownKey, "Ctrl+,", "Einstellungen …"},
    {K::edition, Q::UnknownKey, "Ctrl+J", "Jahrgang …"},
    {K::edition_earlier, Q::UnknownKey, "Ctrl+Shift+PgUp", "Dieser Tag im Jahrgang davor"},
    {K::edition_later, Q::UnknownKey, "Ctrl+Shift+PgDown", "Dieser Tag im Jahrgang danach"},
    {K::translation, Q::UnknownKey, "Ctrl+T", "Übersetzung …"},
}};

} // namespace

std::span<const KeyCommandRow> key_command_table()
{
    return table;
}

QList<QKeySequence> key_sequences(const KeyCommandRow& row)
{
    QList<QKeySequence> sequences;
    if (row.standard != QKeySequence::UnknownKey)
        sequences = QKeySequence::keyBindings(row.standard);
    for (const QKeySequence& sequence : QKeySequence::listFromString(QString::fromUtf8(row.keys), QKeySequence::PortableText))
        if (!sequence.isEmpty() && !sequences.contains(sequence))
            sequences.append(sequence);
    return sequences;
}
