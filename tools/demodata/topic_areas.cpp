// SPDX-License-Identifier: GPL-2.0-or-later
#include "topic_areas.h"

#include <stdexcept>

const std::vector<TopicArea>& topic_areas()
{
    static const std::vector<TopicArea> areas = {
        {1, "Vertrauen", "vertrauen.png", AreaSymbol::rock, QColor(0x6b, 0x7a, 0x8f),
         {"\\bvertrau", "\\btrau(e|en|et|t|te|ten)\\b"},
         {"Vertrauen wagen", "Auf festem Grund", "Loslassen lernen", "Gott hält die Zukunft",
          "Wenn Pläne scheitern", "Ein Fels in der Brandung", "Sorgen abgeben", "Getragen sein"},
         {"Ein Kind springt vom Beckenrand ins Wasser, weil unten der Vater steht und die Arme "
          "ausbreitet. Es prüft nicht, ob er stark genug ist. Es sieht ihn an und springt.",
          "Mancher Abend endet mit einer Liste offener Fragen: die Arbeit, die Gesundheit, die "
          "Menschen, für die wir Verantwortung tragen. Der Schlaf will nicht kommen, weil die "
          "Gedanken kreisen.",
          "Wer in den Bergen unterwegs ist, lernt schnell, worauf es ankommt: Nicht jeder Stein "
          "trägt. Man tastet, prüft und setzt den Fuß erst dann, wenn der Halt sicher ist.",
          "Es gibt Wochen, in denen nichts nach Plan läuft. Ein Termin platzt, ein Gespräch "
          "misslingt, und am Ende steht die Frage, ob sich die ganze Mühe überhaupt gelohnt hat."},
         {"Vertrauen ist keine Stimmung, die uns überkommt, sondern eine Entscheidung. Wir legen "
          "das, was wir nicht in der Hand haben, in die Hand dessen, der die Welt hält. Gott "
          "verspricht nicht, dass jeder Weg eben ist, aber er verspricht, mitzugehen.",
          "Die Bibel erzählt von Menschen, die mit wenig Sicherheit aufbrachen: Abraham wusste "
          "nicht, wohin die Reise ging, und doch ging er los. Sein Halt war nicht die Karte, "
          "sondern das Wort, das ihn gerufen hatte.",
          "Sorgen verschwinden nicht, wenn man sie verdrängt. Sie werden leichter, wenn man sie "
          "ausspricht. Das Gebet ist der Ort, an dem wir sie Gott hinlegen dürfen, ohne sie "
          "vorher sortieren zu müssen.",
          "Ein Fundament sieht man nicht, und doch trägt es das ganze Haus. So ist es mit dem "
          "Vertrauen auf Gott: Es fällt oft erst auf, wenn Stürme kommen und das Haus stehen "
          "bleibt."},
         {"Was liegt Ihnen heute schwer auf dem Herzen, das Sie Gott anvertrauen können?",
          "Woran merken Sie, dass Sie einem Menschen vertrauen?",
          "Welche Erfahrung hat Ihr Vertrauen in Gott gestärkt?",
          "Wo versuchen Sie, alles selbst in der Hand zu behalten?"},
         {"Schreiben Sie eine Sorge auf einen Zettel und legen Sie ihn bewusst beiseite, während "
          "Sie dafür beten.",
          "Erzählen Sie heute einem Menschen von einer Situation, in der Sie Gottes Hilfe erlebt "
          "haben.",
          "Lernen Sie den Leitvers auswendig und sprechen Sie ihn vor dem Einschlafen.",
          "Gehen Sie heute einen Weg ohne Eile und achten Sie darauf, was Sie trägt."}},

        {2, "Gebet", "gebet.png", AreaSymbol::candle, QColor(0x8e, 0x5a, 0x9b),
         {"\\bbet(e|en|et|ete|eten)\\b",
          "\\b(das|mein|dein|sein|ihr|unser|euer|im|zum|dem|des|vom|kein|ein|mit|durch) gebet\\b",
          "\\bgebete", "\\bflehe"},
         {"Reden mit Gott", "Die Stille suchen", "Beten ohne Worte",
          "Wenn Gebete unbeantwortet scheinen", "Füreinander beten", "Das Vaterunser neu entdecken",
          "Ein Gebet am Morgen", "Dranbleiben"},
         {"Früher hing in vielen Küchen ein kleines Brett mit einem Tischgebet. Man sprach es, "
          "bevor gegessen wurde, manchmal gedankenlos, manchmal mit ganzem Herzen.",
          "Eine Frau erzählte, dass sie jeden Morgen im Bus betet. Zwischen zwei Haltestellen "
          "nennt sie die Namen der Menschen, die ihr am Herzen liegen. Mehr Zeit hat sie nicht, "
          "aber die nimmt sie sich.",
          "Manchmal fehlen uns die Worte. Die Nachricht vom Arzt, der Streit in der Familie, die "
          "Leere nach einem Verlust: Wir möchten beten, und es kommt nur ein Seufzer.",
          "Ein Gespräch lebt davon, dass beide zu Wort kommen. Wer nur redet und nie zuhört, "
          "merkt bald, dass er allein spricht."},
         {"Jesus hat seinen Jüngern kein kompliziertes Verfahren beigebracht. Er lehrte sie, Gott "
          "Vater zu nennen und ihm einfach zu sagen, was sie brauchen. Gebet ist Beziehung, keine "
          "Leistung.",
          "Gott versteht auch das Gebet, das keine Sätze findet. Der Geist tritt für uns ein, "
          "heißt es in der Bibel, gerade dann, wenn wir nicht wissen, was wir beten sollen.",
          "Nicht jedes Gebet wird so erhört, wie wir es uns wünschen. Doch kein Gebet geht "
          "verloren. Oft verändert es zuerst den, der betet, und öffnet ihm die Augen für Gottes "
          "Weg.",
          "Zum Beten gehört das Hören. Wer still wird, lässt Gott Raum, zu antworten: durch ein "
          "Wort der Schrift, durch einen Gedanken, durch einen Menschen, der zur rechten Zeit "
          "anruft."},
         {"Für wen möchten Sie heute beten?",
          "Wann haben Sie zuletzt im Gebet einfach geschwiegen?",
          "Welche Bitte tragen Sie schon lange mit sich?",
          "Wofür möchten Sie Gott heute danken, bevor Sie ihn um etwas bitten?"},
         {"Nehmen Sie sich heute fünf Minuten Stille, ohne Telefon und ohne Musik.",
          "Schreiben Sie die Namen von drei Menschen auf, für die Sie in dieser Woche beten wollen.",
          "Beten Sie das Vaterunser heute langsam, Satz für Satz, und halten Sie nach jeder Bitte "
          "kurz inne.",
          "Verbinden Sie ein tägliches Ritual, etwa den ersten Kaffee, mit einem kurzen Gebet."}},

        {3, "Freude", "freude.png", AreaSymbol::sun, QColor(0xd9, 0x8e, 0x1f),
         {"\\bfreu", "\\bfrohlock"},
         {"Grund zur Freude", "Freude teilen", "Das Lachen nicht verlernen", "Kleine Freuden",
          "Freude trotz allem", "Ein Fest feiern", "Singen befreit", "Die Freude am Herrn"},
         {"Ein Großvater erzählt, wie sein Enkel zum ersten Mal das Meer gesehen hat. Der Junge "
          "rannte los, lachte, blieb stehen, rannte wieder. Seine Freude steckte alle an, die am "
          "Strand waren.",
          "Wer morgens die Nachrichten liest, findet wenig Anlass zur Heiterkeit. Krisen, Streit "
          "und schlechte Zahlen bestimmen die Schlagzeilen.",
          "In einem Chor singen Menschen, die sich sonst kaum begegnen würden: die Lehrerin, der "
          "Rentner, die Studentin. Wenn die Stimmen zusammenklingen, vergessen sie für einen Abend "
          "ihre Sorgen.",
          "Manche Freude ist so leise, dass man sie leicht übersieht: der Duft von frischem Brot, "
          "ein Brief von einem alten Freund, das Licht am Nachmittag."},
         {"Die Freude, von der die Bibel spricht, hängt nicht an den Umständen. Paulus schrieb aus "
          "dem Gefängnis: Freut euch! Seine Freude gründete darin, dass Gott ihn nicht vergessen "
          "hatte.",
          "Geteilte Freude ist doppelte Freude, sagt das Sprichwort. Im Himmel, so erzählt Jesus, "
          "wird gefeiert, wenn ein Verlorener gefunden wird. Gott selbst freut sich über jeden "
          "Menschen.",
          "Freude ist ein Geschenk, das man nicht erzwingen kann. Man kann ihr aber Raum geben: "
          "indem man dankbar hinschaut, was gelungen ist, und nicht nur zählt, was fehlt.",
          "Auch in dunklen Zeiten muss die Freude nicht ganz verstummen. Sie wird dann stiller, "
          "eher ein Vertrauen, dass Gott das letzte Wort hat und dass dieses Wort gut ist."},
         {"Worüber haben Sie sich in dieser Woche von Herzen gefreut?",
          "Wem könnten Sie heute eine Freude machen?",
          "Was raubt Ihnen im Moment die Freude?",
          "Welches Lied bringt Ihre Freude an Gott zum Ausdruck?"},
         {"Notieren Sie am Abend drei Dinge, die Ihnen heute Freude gemacht haben.",
          "Singen oder summen Sie heute ein Lied, das Sie seit Kindertagen kennen.",
          "Rufen Sie jemanden an, nur um ihm etwas Gutes zu sagen.",
          "Gönnen Sie sich heute bewusst eine kleine Freude und danken Sie Gott dafür."}},

        {4, "Hoffnung", "hoffnung.png", AreaSymbol::anchor, QColor(0x2f, 0x6f, 0x8f),
         {"\\bhoff(?!art)", "\\bharre"},
         {"Ein Anker für die Seele", "Hoffnung über den Tag hinaus", "Wenn das Warten lang wird",
          "Neue Anfänge", "Das Ende des Tunnels", "Gottes Zusagen", "Hoffen gegen den Augenschein",
          "Was bleibt"},
         {"Im Hafen liegt ein Schiff vor Anker. Der Wind zerrt an ihm, die Wellen schlagen gegen "
          "den Rumpf, doch es treibt nicht ab. Die Kette hält es fest, auch wenn man sie nicht "
          "sieht.",
          "Im Winter sieht der Garten leer aus. Und doch liegen unter der Erde Zwiebeln und Samen, "
          "die nur auf den Frühling warten.",
          "Ein Mann lag wochenlang im Krankenhaus. Später sagte er, dass ihn die Besuche seiner "
          "Tochter getragen hätten: Jeden Tag kam sie und sagte, dass sie auf seine Heimkehr "
          "warte.",
          "Manchmal ist Hoffnung nicht mehr als ein kleiner Schritt: aufstehen, sich anziehen, den "
          "Tag beginnen, obwohl alles schwer erscheint."},
         {"Christliche Hoffnung ist mehr als Optimismus. Sie rechnet nicht damit, dass schon "
          "alles gut gehen wird, sondern damit, dass Gott treu ist. Was er zugesagt hat, das hält "
          "er.",
          "Die Auferstehung Jesu ist der Grund unserer Hoffnung. Weil das Grab leer war, wissen "
          "wir, dass der Tod nicht das Letzte ist. Diese Hoffnung reicht weiter als jedes irdische "
          "Ende.",
          "Hoffen heißt warten können. Das fällt schwer in einer Zeit, in der alles sofort "
          "verfügbar sein soll. Doch manche Dinge wachsen langsam, und Gott hat einen langen Atem.",
          "Wer hofft, sieht die Gegenwart mit anderen Augen. Er findet sich nicht mit dem Unrecht "
          "ab, weil er weiß, dass Gott eine neue Welt verheißen hat."},
         {"Worauf hoffen Sie in diesem Jahr?",
          "Wer braucht in Ihrer Umgebung gerade ein Wort der Hoffnung?",
          "Welche Zusage Gottes gibt Ihnen Halt?",
          "Wann hat sich eine Hoffnung in Ihrem Leben erfüllt?"},
         {"Schreiben Sie einem Menschen, der es schwer hat, eine Karte mit einem Bibelvers.",
          "Pflanzen Sie einen Samen in einen Topf und beobachten Sie in den nächsten Wochen, wie "
          "er wächst.",
          "Lesen Sie heute einen Psalm, der mit Klage beginnt und mit Lob endet, zum Beispiel "
          "Psalm 13.",
          "Sprechen Sie am Abend aus, worauf Sie morgen hoffen."}},

        {5, "Liebe", "liebe.png", AreaSymbol::heart, QColor(0xb8, 0x3b, 0x4b),
         {"\\blieb(e|en|et|t|te|ten|st)\\b", "\\bgeliebt"},
         {"Geliebt, bevor wir lieben", "Liebe, die handelt", "Den Nächsten sehen",
          "Liebe deine Feinde", "Die Sprache der Liebe", "Treue im Kleinen", "Liebe ist geduldig",
          "Ein offenes Herz"},
         {"Ein altes Ehepaar sitzt auf einer Parkbank. Er schält ihr einen Apfel, sie legt ihm den "
          "Schal zurecht. Viele Worte brauchen die beiden nicht mehr.",
          "In einer Nachbarschaft wohnt eine ältere Dame allein. Jeden Donnerstag bringt ihr ein "
          "junger Mann die Einkäufe und bleibt auf eine Tasse Tee. Aus einer Gefälligkeit ist eine "
          "Freundschaft geworden.",
          "Es ist leicht, die zu lieben, die uns freundlich begegnen. Schwer wird es bei dem "
          "Kollegen, der uns übergeht, oder bei dem Verwandten, der immer wieder verletzt.",
          "Kinder fragen manchmal: Hast du mich auch lieb, wenn ich etwas falsch gemacht habe? Die "
          "Antwort, die sie brauchen, ist ein klares Ja."},
         {"Die Bibel sagt: Gott ist Liebe. Seine Liebe hängt nicht an unserer Leistung. Er hat uns "
          "zuerst geliebt, und aus dieser Liebe dürfen wir leben und weitergeben, was wir "
          "empfangen haben.",
          "Liebe zeigt sich nicht nur in Gefühlen, sondern in Taten. Der barmherzige Samariter "
          "hielt an, verband Wunden und bezahlte die Herberge. Er fragte nicht lange, ob der Fremde "
          "es verdient hatte.",
          "Paulus beschreibt die Liebe als geduldig und freundlich. Sie rechnet das Böse nicht zu "
          "und hört niemals auf. Das ist ein hoher Anspruch, aber zugleich eine Beschreibung "
          "dessen, wie Gott uns liebt.",
          "Wer geliebt wird, kann lieben. Die Liebe Gottes macht uns frei, auf andere zuzugehen, "
          "ohne ständig auf die eigene Anerkennung zu achten."},
         {"Wem können Sie heute ganz praktisch Liebe zeigen?",
          "Wann haben Sie sich zuletzt bedingungslos angenommen gefühlt?",
          "Gibt es einen Menschen, dem Sie schwer mit Liebe begegnen können?",
          "Wie würde Ihr Tag aussehen, wenn Sie ganz aus Gottes Liebe lebten?"},
         {"Schreiben Sie einem Menschen, der Ihnen wichtig ist, ein paar Zeilen der Wertschätzung.",
          "Übernehmen Sie heute eine Aufgabe, die sonst ein anderer erledigt, ohne es anzukündigen.",
          "Beten Sie für einen Menschen, mit dem Sie gerade Schwierigkeiten haben.",
          "Lesen Sie 1. Korinther 13 und setzen Sie an die Stelle des Wortes Liebe Ihren eigenen "
          "Namen."}},

        {6, "Frieden", "frieden.png", AreaSymbol::rainbow, QColor(0x4f, 0x8f, 0x6a),
         {"\\bfriede"},
         {"Frieden finden", "Friedensstifter sein", "Zur Ruhe kommen", "Frieden mit sich selbst",
          "Versöhnung wagen", "Der Friede Gottes", "Streit beilegen", "Ein ruhiges Herz"},
         {"Nach einem heftigen Gewitter spannt sich ein Regenbogen über das Tal. Die Luft ist "
          "klar, die Vögel singen wieder, als wäre nichts gewesen.",
          "Zwei Brüder hatten jahrelang kein Wort miteinander gewechselt. Der Anlass des Streits "
          "war längst vergessen, nur das Schweigen war geblieben.",
          "Der Kalender ist voll, das Telefon klingelt, die Nachrichten hören nicht auf. Viele "
          "Menschen sehnen sich nach nichts so sehr wie nach einem ruhigen Augenblick.",
          "In einer Schule gibt es Streitschlichter: Schüler, die gelernt haben, zwischen anderen "
          "zu vermitteln. Sie hören beiden Seiten zu und suchen nach einem Weg, der beide "
          "weiterbringt."},
         {"Der Friede, den Jesus verspricht, ist mehr als die Abwesenheit von Streit. Er ist ein "
          "inneres Heilsein, das aus der Gemeinschaft mit Gott kommt und das die Welt nicht geben "
          "kann.",
          "Selig sind, die Frieden stiften, sagt Jesus. Frieden stiften ist aktive Arbeit: "
          "zuhören, nachgeben, das erste Wort wagen. Wer es tut, handelt als Kind Gottes.",
          "Unruhe hat viele Ursachen, doch oft liegt sie in dem Gefühl, alles selbst schaffen zu "
          "müssen. Gottes Friede beginnt dort, wo wir unsere Grenzen annehmen und ihm das Übrige "
          "überlassen.",
          "Nach der Sintflut setzte Gott den Regenbogen als Zeichen seines Bundes. Er stellt sich "
          "auf die Seite des Lebens. Sein Friede ist ein Versprechen, auf das wir bauen können."},
         {"Mit wem sollten Sie Frieden schließen?",
          "Was bringt Sie im Alltag aus der Ruhe?",
          "Wo können Sie in Ihrer Umgebung zum Frieden beitragen?",
          "Wie erleben Sie den Frieden Gottes?"},
         {"Gehen Sie heute eine Viertelstunde spazieren und lassen Sie Ihre Gedanken zur Ruhe "
          "kommen.",
          "Machen Sie den ersten Schritt und melden Sie sich bei jemandem, mit dem Sie im Streit "
          "liegen.",
          "Beten Sie für eine Region der Welt, in der Krieg herrscht.",
          "Schalten Sie am Abend alle Bildschirme eine Stunde früher aus als sonst."}},

        {7, "Dankbarkeit", "dank.png", AreaSymbol::wheat, QColor(0xa8, 0x7b, 0x2c),
         {"\\bdank", "\\bpreis(e|et|en)\\b", "\\blob(e|et|en|t)\\b"},
         {"Danke sagen", "Nichts ist selbstverständlich", "Ein dankbares Herz", "Ernte und Segen",
          "Dank im Alltag", "Vergiss nicht, was er dir Gutes getan hat", "Teilen aus Dankbarkeit",
          "Brot für jeden Tag"},
         {"Ein Bauer steht am Rand seines Feldes und betrachtet die reifen Ähren. Er hat gepflügt, "
          "gesät und gewartet. Doch ob Regen und Sonne zur rechten Zeit kamen, lag nicht in seiner "
          "Hand.",
          "Ein Kind bekommt ein Geschenk, reißt das Papier auf und ist schon beim nächsten "
          "Päckchen. Die Eltern erinnern: Hast du danke gesagt?",
          "Nach einer schweren Operation erzählte eine Frau, dass sie nun jeden Morgen dankbar "
          "sei, einfach aufstehen zu können. Was früher selbstverständlich war, ist für sie ein "
          "Geschenk geworden.",
          "Vor dem Essen innezuhalten, ist in vielen Familien aus der Mode gekommen. Dabei ist ein "
          "gedeckter Tisch für viele Menschen auf der Welt keine Selbstverständlichkeit."},
         {"Dankbarkeit verändert den Blick. Wer dankt, sieht nicht nur, was fehlt, sondern "
          "entdeckt, wie viel ihm geschenkt ist. Das macht das Herz weit und vertreibt die "
          "Bitterkeit.",
          "Von zehn Männern, die Jesus heilte, kam nur einer zurück, um zu danken. Jesus fragte "
          "nach den anderen. Dank ist die Antwort auf Gottes Güte, und er freut sich darüber.",
          "Alles, was wir haben, ist uns anvertraut: Zeit, Gaben, Besitz. Wer das erkennt, wird "
          "nicht nur dankbar, sondern auch bereit, mit anderen zu teilen.",
          "Man kann Dankbarkeit üben wie ein Instrument. Wer jeden Tag nach Gründen zum Danken "
          "sucht, wird sie finden, auch in Zeiten, die nicht leicht sind."},
         {"Wofür sind Sie heute dankbar?",
          "Wem haben Sie schon lange nicht mehr gedankt?",
          "Was halten Sie für selbstverständlich, obwohl es ein Geschenk ist?",
          "Wie könnte Ihre Dankbarkeit für andere sichtbar werden?"},
         {"Sprechen Sie heute vor jeder Mahlzeit ein kurzes Dankgebet.",
          "Führen Sie eine Woche lang ein Dankbuch, in das Sie jeden Abend einen Satz schreiben.",
          "Bedanken Sie sich heute bei einem Menschen, dessen Arbeit sonst niemand beachtet.",
          "Geben Sie etwas von dem weiter, was Sie reichlich haben."}},

        {8, "Vergebung", "vergebung.png", AreaSymbol::cross, QColor(0x7a, 0x4a, 0x2e),
         {"\\bvergeb(en|ung|e|et)\\b", "\\bvergib", "\\bvergab"},
         {"Neu anfangen dürfen", "Schuld beim Namen nennen", "Vergeben befreit",
          "Siebzigmal siebenmal", "Die offene Tür", "Gnade statt Recht", "Wenn die Wunde tief ist",
          "Das Kreuz als Zeichen"},
         {"Ein Schüler hat im Streit ein Fenster eingeworfen. Tagelang traut er sich nicht, es zu "
          "gestehen. Als er es endlich tut, ist die Erleichterung größer als die Angst vor der "
          "Strafe.",
          "Eine Freundschaft zerbrach an einem bösen Wort. Jahre später trafen sich die beiden "
          "zufällig wieder, und eine sagte: Es tut mir leid. Mehr brauchte es nicht.",
          "Manche Menschen tragen eine Last mit sich herum, von der niemand weiß: eine alte Schuld, "
          "ein Versäumnis, eine Entscheidung, die sie bereuen.",
          "Vergeben heißt nicht, dass das Unrecht klein war. Wer tief verletzt wurde, weiß, wie "
          "schwer es fällt, den anderen loszulassen."},
         {"Am Kreuz hat Jesus die Schuld der Welt getragen. Darum muss niemand mit seiner Last "
          "allein bleiben. Wer seine Schuld bekennt, findet bei Gott offene Arme statt eines "
          "strengen Richters.",
          "Petrus fragte, wie oft er vergeben müsse, siebenmal? Jesus antwortete: siebzigmal "
          "siebenmal. Vergebung ist keine Rechnung, die irgendwann aufgeht, sondern eine Haltung.",
          "Wer nicht vergibt, bleibt an den anderen gebunden. Vergebung ist darum auch ein "
          "Geschenk an uns selbst. Sie löst die Fesseln der Bitterkeit, auch wenn die Erinnerung "
          "bleibt.",
          "Der verlorene Sohn hatte sich seine Rede zurechtgelegt. Doch der Vater lief ihm "
          "entgegen, bevor er sie halten konnte. So ist Gott: Er wartet auf uns und nimmt uns ohne "
          "Vorbedingungen auf."},
         {"Gibt es etwas, das Sie Gott heute bekennen möchten?",
          "Wem fällt es Ihnen schwer zu vergeben?",
          "Wie haben Sie selbst Vergebung erfahren?",
          "Was würde sich ändern, wenn Sie einen alten Groll loslassen?"},
         {"Schreiben Sie auf, was Sie belastet, bringen Sie es im Gebet vor Gott und zerreißen "
          "Sie das Blatt danach.",
          "Bitten Sie heute einen Menschen um Entschuldigung, den Sie verletzt haben.",
          "Sprechen Sie das Vaterunser und verweilen Sie bei der Bitte um Vergebung.",
          "Lesen Sie das Gleichnis vom verlorenen Sohn in Lukas 15."}},

        {9, "Schöpfung", "schoepfung.png", AreaSymbol::tree, QColor(0x3f, 0x7d, 0x3a),
         {"\\bschuf\\b", "\\bgeschaffen", "\\bschöpfer", "\\bdie himmel\\b"},
         {"Staunen über die Schöpfung", "Bewahren, was uns anvertraut ist", "Der Himmel erzählt",
          "Wie ein Baum am Wasser", "Die Jahreszeiten", "Der Ruhetag der Schöpfung",
          "Jedes Geschöpf zählt", "Gottes Handschrift"},
         {"In einer klaren Nacht, fern von den Lichtern der Stadt, sieht man unzählige Sterne. Wer "
          "lange hinaufschaut, spürt, wie klein er ist, und zugleich, wie weit die Welt ist.",
          "Ein alter Baum steht am Rand des Dorfes. Er hat Generationen kommen und gehen sehen. "
          "Seine Wurzeln reichen tief, darum hält er jedem Sturm stand.",
          "Eine Biene besucht an einem Tag Hunderte von Blüten. Ohne sie würden viele Pflanzen "
          "keine Früchte tragen. Im Kleinen zeigt sich, wie alles miteinander verbunden ist.",
          "Im Frühjahr bricht das erste Grün durch die Erde. Jedes Jahr wieder ist es ein kleines "
          "Wunder, dass aus dem Unscheinbaren neues Leben wächst."},
         {"Am Anfang schuf Gott Himmel und Erde, und er sah, dass es gut war. Die Welt ist kein "
          "Zufallsprodukt, sondern Ausdruck seiner Freude am Leben. Wer staunt, kommt dem Schöpfer "
          "näher.",
          "Der Mensch hat den Auftrag, die Erde zu bebauen und zu bewahren. Das ist kein Freibrief "
          "zur Ausbeutung, sondern eine Verantwortung, die wir vor Gott und vor den kommenden "
          "Generationen tragen.",
          "Die Psalmen loben Gott für Berge und Meere, für Regen und Ernte. Sie lehren uns, die "
          "Natur nicht nur als Nutzfläche zu sehen, sondern als Gabe, die uns auf den Geber "
          "verweist.",
          "Wie ein Baum am Wasser Frucht bringt, so wächst ein Mensch, der in Gottes Wort "
          "verwurzelt ist. Er muss nicht alles selbst hervorbringen; er lebt aus einer Quelle, die "
          "nicht versiegt."},
         {"Wann haben Sie zuletzt über etwas in der Natur gestaunt?",
          "Wie können Sie im Alltag die Schöpfung bewahren?",
          "Woraus schöpfen Sie Kraft wie ein Baum aus dem Wasser?",
          "Was lehrt Sie die Natur über Gott?"},
         {"Gehen Sie heute bewusst nach draußen und suchen Sie drei Dinge, die Sie zum Staunen "
          "bringen.",
          "Verzichten Sie eine Woche lang auf eine Gewohnheit, die der Umwelt schadet.",
          "Schauen Sie heute Abend in den Himmel und beten Sie Psalm 8.",
          "Pflegen Sie eine Pflanze und nehmen Sie sich Zeit, ihr Wachsen zu beobachten."}},

        {10, "Gemeinschaft", "gemeinschaft.png", AreaSymbol::circles, QColor(0xc0, 0x6a, 0x2b),
         {"\\beinander\\b", "\\bgemeinschaft"},
         {"Nicht allein unterwegs", "Einer trage des anderen Last", "Ein Leib, viele Glieder",
          "Gastfreundschaft", "Gemeinsam am Tisch", "Die Gemeinde als Familie", "Zuhören lernen",
          "Brücken bauen"},
         {"Eine dreifache Schnur reißt nicht so schnell, heißt es im Buch Prediger. Jeder "
          "Bergsteiger weiß, wie wichtig der Partner am anderen Ende des Seils ist.",
          "Nach dem Gottesdienst bleiben einige noch bei einer Tasse Kaffee stehen. Eine neue "
          "Familie steht etwas verloren am Rand, bis jemand auf sie zugeht und sie begrüßt.",
          "In einem Chor, in einem Sportverein oder in einem Hauskreis erleben Menschen, dass sie "
          "mehr erreichen, wenn sie zusammenstehen, als jeder für sich allein.",
          "Einsamkeit ist in unserer Zeit weit verbreitet. Viele Menschen leben allein und haben "
          "niemanden, mit dem sie am Abend über den Tag sprechen können."},
         {"Die ersten Christen blieben beständig in der Lehre, in der Gemeinschaft, im "
          "Brotbrechen und im Gebet. Glaube ist kein Einzelprojekt; wir brauchen einander, um im "
          "Vertrauen zu wachsen.",
          "Paulus vergleicht die Gemeinde mit einem Leib. Jedes Glied hat seine Aufgabe, keines "
          "ist überflüssig. Gerade die Unscheinbaren sind oft unentbehrlich.",
          "Einer trage des anderen Last, schreibt Paulus. Gemeinschaft bewährt sich nicht in guten "
          "Zeiten, sondern dann, wenn einer schwach wird und die anderen ihn tragen.",
          "Jesus hat mit Zöllnern und Sündern gegessen. An seinem Tisch war Platz für alle. "
          "Christliche Gemeinschaft ist offen, sie fragt nicht zuerst nach Herkunft oder Verdienst."},
         {"Wer hat Sie in einer schweren Zeit getragen?",
          "Wen könnten Sie in Ihre Gemeinschaft einladen?",
          "Welche Gabe bringen Sie in Ihre Gemeinde ein?",
          "Wo fühlen Sie sich zugehörig?"},
         {"Laden Sie in dieser Woche jemanden zum Essen ein, der oft allein ist.",
          "Fragen Sie einen Menschen, wie es ihm wirklich geht, und hören Sie in Ruhe zu.",
          "Bieten Sie in Ihrer Gemeinde für eine Aufgabe Ihre Hilfe an.",
          "Beten Sie für die Menschen, mit denen Sie am Sonntag Gottesdienst feiern."}},

        {11, "Weisheit", "weisheit.png", AreaSymbol::book, QColor(0x5a, 0x5f, 0x9e),
         {"\\bweisheit", "\\beinsicht", "\\bweiser?\\b"},
         {"Der Anfang der Weisheit", "Gute Entscheidungen treffen", "Auf Rat hören",
          "Worte mit Gewicht", "Klug mit der Zeit umgehen", "Demut und Einsicht",
          "Das Herz eines Hörenden", "Lernen ein Leben lang"},
         {"Als der junge König Salomo sich von Gott etwas wünschen durfte, bat er weder um "
          "Reichtum noch um ein langes Leben. Er bat um ein hörendes Herz, um sein Volk gerecht zu "
          "regieren.",
          "Eine Großmutter hatte für jede Lebenslage einen Spruch parat. Die Enkel lächelten "
          "darüber, bis sie merkten, wie oft ihnen diese Sätze später weiterhalfen.",
          "Jeden Tag treffen wir unzählige Entscheidungen, die meisten ohne nachzudenken. Doch "
          "manchmal stehen wir an einer Weggabelung und wissen nicht, welcher Weg der richtige ist.",
          "Wissen ist heute so leicht zugänglich wie nie. Ein paar Klicks, und wir haben Antworten "
          "auf fast jede Frage. Und doch ist die Welt dadurch nicht weiser geworden."},
         {"Die Furcht des Herrn ist der Anfang der Weisheit, sagt das Buch der Sprüche. Weisheit "
          "beginnt mit Ehrfurcht: mit der Einsicht, dass nicht wir der Maßstab aller Dinge sind.",
          "Weisheit ist mehr als Wissen. Sie zeigt sich darin, das Richtige zur rechten Zeit zu "
          "tun und das Wichtige vom Dringenden zu unterscheiden. Gott gibt sie gern, wenn wir ihn "
          "darum bitten.",
          "Ein weiser Mensch hört zu, bevor er redet. Er weiß, dass er nicht alles weiß, und lässt "
          "sich raten. Hochmut dagegen macht blind für die eigenen Fehler.",
          "Jesus erzählte vom klugen Mann, der sein Haus auf Felsen baute. Klug ist, wer Gottes "
          "Wort nicht nur hört, sondern danach handelt."},
         {"Vor welcher Entscheidung stehen Sie gerade?",
          "Wessen Rat schätzen Sie besonders?",
          "Welcher Satz aus der Bibel hat Ihnen schon einmal den Weg gewiesen?",
          "Wo sollten Sie mehr zuhören und weniger reden?"},
         {"Lesen Sie heute das Kapitel aus dem Buch der Sprüche, das dem heutigen Datum "
          "entspricht.",
          "Bitten Sie Gott vor einer wichtigen Entscheidung um Weisheit und schlafen Sie eine "
          "Nacht darüber.",
          "Fragen Sie einen älteren Menschen nach einer Lebenserfahrung, die ihn geprägt hat.",
          "Schreiben Sie einen Satz, der Sie heute nachdenklich gemacht hat, in ein Notizbuch."}},

        {12, "Mut", "mut.png", AreaSymbol::shield, QColor(0x9b, 0x2d, 0x2d),
         {"\\bmut(es|ig|ige|igen)?\\b", "\\bgetrost", "fürchtet? (dich|euch) nicht"},
         {"Sei mutig und stark", "Fürchte dich nicht", "Den ersten Schritt wagen",
          "Mut zur Wahrheit", "Stark in der Schwachheit", "Aufstehen nach dem Fallen",
          "Gott ist mein Schild", "Gegen den Strom"},
         {"Vor ihrer ersten Rede in der Schule zitterten der Schülerin die Knie. Ihre Lehrerin "
          "flüsterte ihr zu: Schau mich an, ich bin da. Und die Schülerin begann zu sprechen.",
          "Nach dem Tod des Mose stand Josua vor einer riesigen Aufgabe. Er sollte das Volk in ein "
          "Land führen, das voller Gefahren war. Dreimal hörte er den Satz: Sei mutig und stark.",
          "Es braucht Mut, in einer Runde zu widersprechen, wenn alle anderen lachen. Es braucht "
          "Mut, zu einem Fehler zu stehen. Und es braucht Mut, um Hilfe zu bitten.",
          "Angst ist ein Gefühl, das jeder kennt. Sie kann schützen, aber auch lähmen. Manchmal "
          "hält sie uns davon ab, das zu tun, was eigentlich dran wäre."},
         {"Fürchte dich nicht: Dieser Zuspruch steht unzählige Male in der Bibel. Er verspricht "
          "nicht, dass es nichts Bedrohliches gibt, sondern dass Gott größer ist als alles, was "
          "uns Angst macht.",
          "Mut ist nicht die Abwesenheit von Angst, sondern die Entscheidung, trotz der Angst zu "
          "handeln. Wer weiß, dass Gott mitgeht, kann Schritte wagen, die er allein nicht gehen "
          "würde.",
          "Paulus lernte, dass Gottes Kraft in den Schwachen mächtig ist. Wir müssen nicht stark "
          "erscheinen. Gerade dort, wo wir an unsere Grenzen kommen, kann Gott wirken.",
          "Die Propheten sagten unbequeme Wahrheiten, auch wenn es sie etwas kostete. Ihr Mut kam "
          "aus der Gewissheit, dass sie Gott mehr gehorchen mussten als den Menschen."},
         {"Wovor haben Sie im Moment Angst?",
          "Welcher Schritt erfordert von Ihnen gerade Mut?",
          "Wer hat Ihnen schon einmal Mut gemacht?",
          "Wo müssten Sie für etwas einstehen, das Ihnen wichtig ist?"},
         {"Sprechen Sie heute den Satz laut aus: Fürchte dich nicht, ich bin bei dir.",
          "Ermutigen Sie einen Menschen, der vor einer schweren Aufgabe steht.",
          "Tun Sie heute eine Sache, die Sie schon lange vor sich herschieben.",
          "Lesen Sie Josua 1 und unterstreichen Sie jeden Satz, der Mut macht."}},
    };
    return areas;
}

const TopicArea& topic_area(int id)
{
    for (const TopicArea& area : topic_areas())
        if (area.id == id)
            return area;
    throw std::out_of_range("no topic area " + std::to_string(id));
}
