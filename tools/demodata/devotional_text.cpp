// SPDX-License-Identifier: GPL-2.0-or-later
#include "devotional_text.h"

#include <QStringList>

#include <map>

namespace {

// Themes return in later rounds of an area with one of these additions.
const QStringList& theme_additions()
{
    static const QStringList additions = {"im Alltag", "in schweren Zeiten", "mit anderen",
                                          "Schritt für Schritt"};
    return additions;
}

// %1 is the day's guiding reference.
const QStringList& bridges()
{
    static const QStringList bridges = {
        "Der Leitvers aus %1 lädt dazu ein, diesen Gedanken mit in den Tag zu nehmen.",
        "In %1 klingt das an: Gottes Wort ist nahe bei uns, im Mund und im Herzen.",
        "Die Worte aus %1 sind vor langer Zeit geschrieben, und doch treffen sie mitten in unser "
        "Leben.",
        "Wer %1 langsam liest, entdeckt darin eine Zusage, die auch heute gilt.",
        "Es lohnt sich, bei %1 einen Augenblick zu verweilen und jedes Wort zu bedenken.",
        "So verstanden wird %1 zu einem Wegweiser für den heutigen Tag.",
    };
    return bridges;
}

const QStringList& closings()
{
    static const QStringList closings = {
        "Gott geht mit durch diesen Tag. Das ist kein frommer Wunsch, sondern seine Zusage an "
        "alle, die ihm vertrauen.",
        "Vielleicht ist heute der richtige Tag, einen kleinen Schritt in diese Richtung zu gehen. "
        "Gott sieht auch die kleinen Schritte.",
        "Am Ende eines Tages dürfen wir alles, was gelungen ist und was misslang, in Gottes Hände "
        "legen.",
        "Jesus sagt: Ich bin bei euch alle Tage. Mit dieser Zusage lässt sich jeder neue Morgen "
        "beginnen.",
        "Was wir heute säen, wächst oft im Verborgenen. Geduld gehört zum Glauben dazu.",
        "Nehmen Sie sich einen Moment Zeit, um über diese Gedanken nachzudenken, bevor der Tag "
        "Sie wieder ganz in Anspruch nimmt.",
    };
    return closings;
}

// The paragraphs that carry the rare words (see rare_words.h), by date.
const std::map<QDate, QString>& rare_paragraphs()
{
    static const std::map<QDate, QString> paragraphs = {
        {QDate(2024, 3, 12),
         "An der Küste steht ein alter Leuchtturm. Er läuft keinem Schiff hinterher; er steht "
         "einfach da und leuchtet, Nacht für Nacht. So dürfen auch wir an unserem Ort hell sein, "
         "ohne alles selbst retten zu müssen."},
        {QDate(2024, 6, 5),
         "Auf einem Balkon in der Stadt wächst ein kleiner Zitronenbaum im Kübel. Im Winter muss "
         "er ins Haus, im Sommer trägt er duftende Blüten. Er braucht Pflege, und er dankt sie "
         "auf seine Weise."},
        {QDate(2024, 8, 21),
         "Der Zitronenbaum auf dem Balkon hat in diesem Sommer zum ersten Mal Früchte getragen. "
         "Drei Jahre lang schien nichts zu geschehen. Manches Wachstum braucht eben seine Zeit."},
        {QDate(2024, 7, 14),
         "Zwischen zwei Apfelbäumen hängt eine Hängematte. Wer sich hineinlegt, muss nichts mehr "
         "halten; sie trägt. Ruhe beginnt dort, wo wir uns tragen lassen."},
        {QDate(2024, 8, 4),
         "Im Urlaub lag er zum ersten Mal seit Jahren in einer Hängematte und las kein einziges "
         "Wort über die Arbeit. Am dritten Tag merkte er, wie müde er gewesen war."},
        {QDate(2024, 9, 1),
         "Die Hängematte ist wieder im Keller verstaut, der Sommer geht zu Ende. Was bleibt, ist "
         "die Erinnerung an Stunden, in denen die Zeit stillzustehen schien."},
        {QDate(2025, 1, 21),
         "Im Wohnzimmer der Großmutter stand ein Schaukelstuhl am Fenster. Dort saß sie jeden "
         "Abend, die Bibel auf dem Schoß, und sah hinaus, bis es dunkel wurde."},
        {QDate(2025, 4, 8),
         "Auf dem Friedhof hängt an jedem Wasserhahn eine Gießkanne. Wer ein Grab pflegt, nimmt "
         "sie, füllt sie und stellt sie für den Nächsten wieder hin."},
        {QDate(2025, 6, 17),
         "Die Kinder haben ihre eigene kleine Gießkanne bekommen. Jeden Morgen gießen sie die "
         "Bohnen, die sie gesät haben, und schauen nach, ob über Nacht etwas gewachsen ist."},
        {QDate(2025, 9, 9),
         "Der alte Schaukelstuhl knarrt bei jeder Bewegung. Niemand im Haus möchte ihn hergeben; "
         "zu viele Geschichten sind in ihm erzählt worden."},
        {QDate(2025, 11, 25),
         "Wenn die Abende lang werden, holt sie den Schaukelstuhl wieder ans Fenster. Sie schaukelt "
         "langsam, betet für die Nachbarn und wartet darauf, dass die Lichter angehen."},
    };
    return paragraphs;
}

// The themes that carry a rare word, by date.
const std::map<QDate, QString>& rare_themes()
{
    static const std::map<QDate, QString> themes = {
        {QDate(2024, 10, 15), "Ein Kompass für den Weg"},
        {QDate(2025, 2, 11), "Die Sanduhr läuft"},
    };
    return themes;
}

const QString& pick(const QStringList& list, int index)
{
    return list[index % list.size()];
}

} // namespace

DevotionalText compose_devotional(const TopicArea& area, int area_day, int block_offset, QDate date,
                                  const QString& guiding_reference)
{
    const int n = area_day + block_offset;
    DevotionalText d;
    const int themes = int(area.themes.size());
    const int round = n / themes;
    d.thema = area.themes[n % themes];
    if (round > 0)
        d.thema += " – " + pick(theme_additions(), round - 1 + area.id);
    if (const auto it = rare_themes().find(date); it != rare_themes().end())
        d.thema = it->second;

    // Opening and thought advance at different rates, so that the pairs vary.
    const int openings = int(area.openings.size());
    QStringList paragraphs;
    paragraphs << pick(area.openings, n);
    paragraphs << pick(area.thoughts, n + n / openings) + " "
                      + pick(bridges(), n + area.id).arg(guiding_reference);
    if (const auto it = rare_paragraphs().find(date); it != rare_paragraphs().end())
        paragraphs << it->second;
    if ((date.dayOfYear() + area.id) % 3 != 0)
        paragraphs << pick(closings(), date.dayOfYear() + block_offset);
    d.text = paragraphs.join("\r\n");

    d.frage = pick(area.questions, n + 1);
    d.tipp = pick(area.tips, n + 2 + n / 4);
    return d;
}
