-- The book and Bible tables in the form the program reads:
-- QOV (index "Datum"), five days of January 2024
--   2024-01-01 feiertag "Neujahr", bcv1 "43_3_16-18", AID 1
--   2024-01-02 feiertag Null,      bcv1 "1_2,4-3,7", AID 1
--   2024-01-03 feiertag "",        bcv1 "19_23_1/19_24_1", AID 2
--   2024-01-04 10:30:00,           bcv1 "5_6_7;8_9_10", AID 2
--   2024-01-06 (no 5th),           bcv1 Null, AID 3 (who is not in AutorenNeu)
-- AutorenNeu: 1 Anna Alt, 2 Bernd Bär, 4 Dora Ohne (no devotional)
-- texte (index "book" on book, chapter, verse), inserted out of order:
--   1:2:1, 1:1:1, 1:1:2, 2:1:1, 1:2:2, 1:4:1 (Null text), 1:1:3
CREATE TABLE QOV (Datum DATETIME, feiertag TEXT, Leitvers TEXT, Bibelstelle TEXT, bcv1 TEXT,
                  Thema TEXT, Text TEXT, Frage TEXT, Tipp TEXT, Bibellese TEXT, bcv2 TEXT,
                  bereich INTEGER, AID INTEGER);
CREATE INDEX Datum ON QOV (Datum);
INSERT INTO QOV (Datum, feiertag, Bibelstelle, bcv1, Thema, Text, bereich, AID) VALUES
  ('2024-01-01', 'Neujahr', 'Johannes 3,16-18', '43_3_16-18', 'Größe Gottes', 'Über ÄRGER und Öl', 1, 1),
  ('2024-01-02', NULL, '1. Mose 2,4-3,7', '1_2,4-3,7', 'Anfang', 'Im Anfang', 2, 1),
  ('2024-01-03', '', 'Psalm 23,1; 24,1', '19_23_1/19_24_1', 'Hirte', 'Der Herr ist mein Hirte', 1, 2),
  ('2024-01-04 10:30:00', NULL, '5. Mose 6,7', '5_6_7;8_9_10', 'Lehre', 'Kinder', 3, 2),
  ('2024-01-06', NULL, NULL, NULL, 'Ohne Stelle', 'Text', 3, 3);
CREATE TABLE AutorenNeu (AID INTEGER, Vorname TEXT, Nachname TEXT);
INSERT INTO AutorenNeu VALUES (1, 'Anna', 'Alt'), (2, 'Bernd', 'Bär'), (4, 'Dora', 'Ohne');
CREATE TABLE texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT);
CREATE INDEX book ON texte (book, chapter, verse);
INSERT INTO texte VALUES
  (1, 2, 1, 'So wurden vollendet Himmel und Erde'),
  (1, 1, 1, 'Im Anfang schuf Gott'),
  (1, 1, 2, 'Und die Erde war wüst und leer'),
  (2, 1, 1, 'Dies sind die Namen'),
  (1, 2, 2, 'Und Gott vollendete am siebenten Tag'),
  (1, 4, 1, NULL),
  (1, 1, 3, 'Und Gott sprach');
