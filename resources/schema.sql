-- Puttwise main database (dbgolfvb.mdb): tables, stored queries and the fixed game-type rows.
-- The build runs this script on a fresh, empty SQLite file; the program itself never creates
-- a table or a query, it only rewrites the text of qryAnalyseTemp, qryAnalyseSortiert and
-- qryScorekarteMove (DROP VIEW + CREATE VIEW).
--
-- Conventions: ids are texts holding a decimal number; dates are ISO texts (YYYY-MM-DD);
-- Yes/No fields are INTEGER 0/1 (test with <> 0); names and keys compare without regard to
-- case (COLLATE NOCASE).

BEGIN TRANSACTION;

-- Settings: one row per key (Bezeichnung); the first row found for a key counts.
CREATE TABLE tab_EinstellungenIntern (
    Bezeichnung TEXT COLLATE NOCASE,
    Wert TEXT
);

-- Golfers. "Aktueller Golfer" marks the golfer last saved from the golfer window.
CREATE TABLE tab_golfer (
    Golferidn TEXT COLLATE NOCASE PRIMARY KEY,
    Golfername TEXT COLLATE NOCASE,
    Stammvorgabe REAL,
    Handicap REAL,
    Heimatclub TEXT COLLATE NOCASE,
    "Aktueller Golfer" INTEGER DEFAULT 0,
    NächsterFreitag TEXT
);

-- Handicap history: one row per handicap-relevant round or manual entry.
CREATE TABLE tab_HdcpHistorie (
    Satznr TEXT COLLATE NOCASE PRIMARY KEY,
    Golfernummer TEXT COLLATE NOCASE,
    Datum TEXT,
    Golfplatzbez TEXT COLLATE NOCASE,
    Bemerkungen TEXT,
    Spielart TEXT COLLATE NOCASE,
    GewNettoStable REAL,
    Stammvorgabe REAL,
    Handicap INTEGER
);
CREATE INDEX idx_HdcpHistorie_Golfer ON tab_HdcpHistorie (Golfernummer, Datum, Satznr);

-- Courses: address, description, par and stroke index (Vorgabe) of every hole.
CREATE TABLE Tab_Golfplatz (
    Golfplatzidn TEXT COLLATE NOCASE PRIMARY KEY,
    Golfplatzname TEXT COLLATE NOCASE,
    Golfplatzstraße TEXT,
    Golfplatzplz TEXT,
    Golfplatzort TEXT,
    Golfplatztelefon TEXT,
    Golfplatzfax TEXT,
    Golfplatzland TEXT COLLATE NOCASE,
    GolfplatzInternet TEXT,
    Greenfee TEXT,
    Handicap TEXT,
    Teetimes INTEGER DEFAULT 0,
    GolfplatzAnzeigen INTEGER DEFAULT 0,
    Golfplatzlochzahl INTEGER,
    Bewertung INTEGER,
    Golfplatzinfo TEXT,
    Loch01Par INTEGER, Loch02Par INTEGER, Loch03Par INTEGER, Loch04Par INTEGER, Loch05Par INTEGER, Loch06Par INTEGER,
    Loch07Par INTEGER, Loch08Par INTEGER, Loch09Par INTEGER, Loch10Par INTEGER, Loch11Par INTEGER, Loch12Par INTEGER,
    Loch13Par INTEGER, Loch14Par INTEGER, Loch15Par INTEGER, Loch16Par INTEGER, Loch17Par INTEGER, Loch18Par INTEGER,
    Loch01Vorgabe INTEGER, Loch02Vorgabe INTEGER, Loch03Vorgabe INTEGER, Loch04Vorgabe INTEGER, Loch05Vorgabe INTEGER, Loch06Vorgabe INTEGER,
    Loch07Vorgabe INTEGER, Loch08Vorgabe INTEGER, Loch09Vorgabe INTEGER, Loch10Vorgabe INTEGER, Loch11Vorgabe INTEGER, Loch12Vorgabe INTEGER,
    Loch13Vorgabe INTEGER, Loch14Vorgabe INTEGER, Loch15Vorgabe INTEGER, Loch16Vorgabe INTEGER, Loch17Vorgabe INTEGER, Loch18Vorgabe INTEGER,
    SSSPar INTEGER
);

-- Tees of a course with slope and course rating.
CREATE TABLE tab_Slope (
    Slopeidn TEXT COLLATE NOCASE PRIMARY KEY,
    Golfplatzidn TEXT COLLATE NOCASE,
    Abschlagbezeichnung TEXT COLLATE NOCASE,
    Slopewert REAL,
    CourseRating REAL
);
CREATE INDEX idx_Slope_Golfplatz ON tab_Slope (Golfplatzidn);

-- Game types offered on a scorecard (Greenlogs.Spielart holds Spielartidn).
CREATE TABLE Tab_Spielart (
    Spielartidn TEXT COLLATE NOCASE PRIMARY KEY,
    Spielartname TEXT COLLATE NOCASE,
    TranslationNo INTEGER
);

-- Game types offered for a tournament (Tab_Turnier.SpielartNo holds Spielartenidn).
CREATE TABLE SpielartGolf (
    Spielartenidn TEXT COLLATE NOCASE PRIMARY KEY,
    Spielartname TEXT COLLATE NOCASE,
    TranslationNo INTEGER
);

-- Tournaments. LochOption: 1 = 18, 2 = 36, 3 = 54, 4 = 72, 5 = SonstigeLochOption holes.
CREATE TABLE Tab_Turnier (
    Turniernummer TEXT COLLATE NOCASE PRIMARY KEY,
    Turniername TEXT COLLATE NOCASE,
    Datum TEXT,
    GolfplatzNo TEXT COLLATE NOCASE,
    SpielartNo TEXT COLLATE NOCASE,
    TurnierHandicap TEXT,
    TurnierBemerkung TEXT,
    LochOption INTEGER,
    SonstigeLochOption TEXT
);

-- Scorecards: one row per round, a header and nine values for each of the 18 holes.
-- ScoreLochNN holds 99 for a hole not played; ShowWhat is the mask of the shown detail rows;
-- WasGespielt: 1 all holes scored, 2 complete with a struck hole, 0 incomplete.
CREATE TABLE Greenlogs (
    Scorekartenidn TEXT COLLATE NOCASE PRIMARY KEY,
    Golfernummer TEXT COLLATE NOCASE,
    Golfplatznummer TEXT COLLATE NOCASE,
    Spielart TEXT COLLATE NOCASE,
    Slopeidn TEXT COLLATE NOCASE,
    TurnierNameKarte TEXT COLLATE NOCASE,
    Datum TEXT,
    Vorgabewirksam INTEGER DEFAULT 0,
    AktHdcp REAL,
    AktSSSPar INTEGER,
    ShowWhat TEXT,
    GesamtScore INTEGER,
    ErgebnisÜberPar INTEGER,
    Slope REAL,
    CourseRating REAL,
    HdcpHistorieZustand TEXT,
    ScoreLoch01 INTEGER, ScoreLoch02 INTEGER, ScoreLoch03 INTEGER, ScoreLoch04 INTEGER, ScoreLoch05 INTEGER, ScoreLoch06 INTEGER,
    ScoreLoch07 INTEGER, ScoreLoch08 INTEGER, ScoreLoch09 INTEGER, ScoreLoch10 INTEGER, ScoreLoch11 INTEGER, ScoreLoch12 INTEGER,
    ScoreLoch13 INTEGER, ScoreLoch14 INTEGER, ScoreLoch15 INTEGER, ScoreLoch16 INTEGER, ScoreLoch17 INTEGER, ScoreLoch18 INTEGER,
    FairwaytrefferLoch01 INTEGER DEFAULT 0, FairwaytrefferLoch02 INTEGER DEFAULT 0, FairwaytrefferLoch03 INTEGER DEFAULT 0, FairwaytrefferLoch04 INTEGER DEFAULT 0,
    FairwaytrefferLoch05 INTEGER DEFAULT 0, FairwaytrefferLoch06 INTEGER DEFAULT 0, FairwaytrefferLoch07 INTEGER DEFAULT 0, FairwaytrefferLoch08 INTEGER DEFAULT 0,
    FairwaytrefferLoch09 INTEGER DEFAULT 0, FairwaytrefferLoch10 INTEGER DEFAULT 0, FairwaytrefferLoch11 INTEGER DEFAULT 0, FairwaytrefferLoch12 INTEGER DEFAULT 0,
    FairwaytrefferLoch13 INTEGER DEFAULT 0, FairwaytrefferLoch14 INTEGER DEFAULT 0, FairwaytrefferLoch15 INTEGER DEFAULT 0, FairwaytrefferLoch16 INTEGER DEFAULT 0,
    FairwaytrefferLoch17 INTEGER DEFAULT 0, FairwaytrefferLoch18 INTEGER DEFAULT 0,
    AbschlagLoch01 INTEGER, AbschlagLoch02 INTEGER, AbschlagLoch03 INTEGER, AbschlagLoch04 INTEGER, AbschlagLoch05 INTEGER, AbschlagLoch06 INTEGER,
    AbschlagLoch07 INTEGER, AbschlagLoch08 INTEGER, AbschlagLoch09 INTEGER, AbschlagLoch10 INTEGER, AbschlagLoch11 INTEGER, AbschlagLoch12 INTEGER,
    AbschlagLoch13 INTEGER, AbschlagLoch14 INTEGER, AbschlagLoch15 INTEGER, AbschlagLoch16 INTEGER, AbschlagLoch17 INTEGER, AbschlagLoch18 INTEGER,
    DistanceLoch01 REAL, DistanceLoch02 REAL, DistanceLoch03 REAL, DistanceLoch04 REAL, DistanceLoch05 REAL, DistanceLoch06 REAL,
    DistanceLoch07 REAL, DistanceLoch08 REAL, DistanceLoch09 REAL, DistanceLoch10 REAL, DistanceLoch11 REAL, DistanceLoch12 REAL,
    DistanceLoch13 REAL, DistanceLoch14 REAL, DistanceLoch15 REAL, DistanceLoch16 REAL, DistanceLoch17 REAL, DistanceLoch18 REAL,
    PuttsLoch01 INTEGER, PuttsLoch02 INTEGER, PuttsLoch03 INTEGER, PuttsLoch04 INTEGER, PuttsLoch05 INTEGER, PuttsLoch06 INTEGER,
    PuttsLoch07 INTEGER, PuttsLoch08 INTEGER, PuttsLoch09 INTEGER, PuttsLoch10 INTEGER, PuttsLoch11 INTEGER, PuttsLoch12 INTEGER,
    PuttsLoch13 INTEGER, PuttsLoch14 INTEGER, PuttsLoch15 INTEGER, PuttsLoch16 INTEGER, PuttsLoch17 INTEGER, PuttsLoch18 INTEGER,
    StrafschlagLoch01 INTEGER, StrafschlagLoch02 INTEGER, StrafschlagLoch03 INTEGER, StrafschlagLoch04 INTEGER, StrafschlagLoch05 INTEGER, StrafschlagLoch06 INTEGER,
    StrafschlagLoch07 INTEGER, StrafschlagLoch08 INTEGER, StrafschlagLoch09 INTEGER, StrafschlagLoch10 INTEGER, StrafschlagLoch11 INTEGER, StrafschlagLoch12 INTEGER,
    StrafschlagLoch13 INTEGER, StrafschlagLoch14 INTEGER, StrafschlagLoch15 INTEGER, StrafschlagLoch16 INTEGER, StrafschlagLoch17 INTEGER, StrafschlagLoch18 INTEGER,
    BunkerLoch01 INTEGER, BunkerLoch02 INTEGER, BunkerLoch03 INTEGER, BunkerLoch04 INTEGER, BunkerLoch05 INTEGER, BunkerLoch06 INTEGER,
    BunkerLoch07 INTEGER, BunkerLoch08 INTEGER, BunkerLoch09 INTEGER, BunkerLoch10 INTEGER, BunkerLoch11 INTEGER, BunkerLoch12 INTEGER,
    BunkerLoch13 INTEGER, BunkerLoch14 INTEGER, BunkerLoch15 INTEGER, BunkerLoch16 INTEGER, BunkerLoch17 INTEGER, BunkerLoch18 INTEGER,
    ChipLoch01 INTEGER DEFAULT 0, ChipLoch02 INTEGER DEFAULT 0, ChipLoch03 INTEGER DEFAULT 0, ChipLoch04 INTEGER DEFAULT 0, ChipLoch05 INTEGER DEFAULT 0, ChipLoch06 INTEGER DEFAULT 0,
    ChipLoch07 INTEGER DEFAULT 0, ChipLoch08 INTEGER DEFAULT 0, ChipLoch09 INTEGER DEFAULT 0, ChipLoch10 INTEGER DEFAULT 0, ChipLoch11 INTEGER DEFAULT 0, ChipLoch12 INTEGER DEFAULT 0,
    ChipLoch13 INTEGER DEFAULT 0, ChipLoch14 INTEGER DEFAULT 0, ChipLoch15 INTEGER DEFAULT 0, ChipLoch16 INTEGER DEFAULT 0, ChipLoch17 INTEGER DEFAULT 0, ChipLoch18 INTEGER DEFAULT 0,
    PitchLoch01 INTEGER DEFAULT 0, PitchLoch02 INTEGER DEFAULT 0, PitchLoch03 INTEGER DEFAULT 0, PitchLoch04 INTEGER DEFAULT 0, PitchLoch05 INTEGER DEFAULT 0, PitchLoch06 INTEGER DEFAULT 0,
    PitchLoch07 INTEGER DEFAULT 0, PitchLoch08 INTEGER DEFAULT 0, PitchLoch09 INTEGER DEFAULT 0, PitchLoch10 INTEGER DEFAULT 0, PitchLoch11 INTEGER DEFAULT 0, PitchLoch12 INTEGER DEFAULT 0,
    PitchLoch13 INTEGER DEFAULT 0, PitchLoch14 INTEGER DEFAULT 0, PitchLoch15 INTEGER DEFAULT 0, PitchLoch16 INTEGER DEFAULT 0, PitchLoch17 INTEGER DEFAULT 0, PitchLoch18 INTEGER DEFAULT 0,
    WasGespielt INTEGER,
    GesamtDrivingDistance REAL,
    GesamtFwt INTEGER,
    GesamtPutt INTEGER
);
CREATE INDEX idx_Greenlogs_Golfer ON Greenlogs (Golfernummer, Datum, Scorekartenidn);
CREATE INDEX idx_Greenlogs_Golfplatz ON Greenlogs (Golfplatznummer);
CREATE INDEX idx_Greenlogs_Turnier ON Greenlogs (TurnierNameKarte);

-- Personal records: the best value of one statistic (Bezeichnung) per scope key
-- (MonatOderJahr: "Monat - <course> - <golfer>" or "Jahr - ..."), reached in Wann.
CREATE TABLE tab_Records (
    Bestidn TEXT COLLATE NOCASE PRIMARY KEY,
    Bezeichnung TEXT COLLATE NOCASE,
    MonatOderJahr TEXT COLLATE NOCASE,
    Wann TEXT,
    Ergebnis TEXT
);
CREATE INDEX idx_Records_Schluessel ON tab_Records (MonatOderJahr, Bezeichnung);

-- Every scorecard with its course's name and par per hole, and its gross Stableford points:
-- per hole the ladder of StablefordPunkte, 2 + par - strokes from par + 1 down, however far
-- under, else 0; a hole without a score or a par, or struck ("-", stored as 99), gives 0.
-- tests/statistics/test_analyseabfrage.cpp holds it to StablefordPunkte.
CREATE VIEW qryAnalyse AS
SELECT Greenlogs.*,
       Tab_Golfplatz.Golfplatzname,
       Tab_Golfplatz.Loch01Par, Tab_Golfplatz.Loch02Par, Tab_Golfplatz.Loch03Par, Tab_Golfplatz.Loch04Par, Tab_Golfplatz.Loch05Par, Tab_Golfplatz.Loch06Par,
       Tab_Golfplatz.Loch07Par, Tab_Golfplatz.Loch08Par, Tab_Golfplatz.Loch09Par, Tab_Golfplatz.Loch10Par, Tab_Golfplatz.Loch11Par, Tab_Golfplatz.Loch12Par,
       Tab_Golfplatz.Loch13Par, Tab_Golfplatz.Loch14Par, Tab_Golfplatz.Loch15Par, Tab_Golfplatz.Loch16Par, Tab_Golfplatz.Loch17Par, Tab_Golfplatz.Loch18Par,
       (
          CASE WHEN Greenlogs.ScoreLoch01 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch01Par - Greenlogs.ScoreLoch01 >= -1
               THEN Tab_Golfplatz.Loch01Par - Greenlogs.ScoreLoch01 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch02 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch02Par - Greenlogs.ScoreLoch02 >= -1
               THEN Tab_Golfplatz.Loch02Par - Greenlogs.ScoreLoch02 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch03 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch03Par - Greenlogs.ScoreLoch03 >= -1
               THEN Tab_Golfplatz.Loch03Par - Greenlogs.ScoreLoch03 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch04 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch04Par - Greenlogs.ScoreLoch04 >= -1
               THEN Tab_Golfplatz.Loch04Par - Greenlogs.ScoreLoch04 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch05 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch05Par - Greenlogs.ScoreLoch05 >= -1
               THEN Tab_Golfplatz.Loch05Par - Greenlogs.ScoreLoch05 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch06 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch06Par - Greenlogs.ScoreLoch06 >= -1
               THEN Tab_Golfplatz.Loch06Par - Greenlogs.ScoreLoch06 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch07 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch07Par - Greenlogs.ScoreLoch07 >= -1
               THEN Tab_Golfplatz.Loch07Par - Greenlogs.ScoreLoch07 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch08 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch08Par - Greenlogs.ScoreLoch08 >= -1
               THEN Tab_Golfplatz.Loch08Par - Greenlogs.ScoreLoch08 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch09 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch09Par - Greenlogs.ScoreLoch09 >= -1
               THEN Tab_Golfplatz.Loch09Par - Greenlogs.ScoreLoch09 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch10 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch10Par - Greenlogs.ScoreLoch10 >= -1
               THEN Tab_Golfplatz.Loch10Par - Greenlogs.ScoreLoch10 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch11 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch11Par - Greenlogs.ScoreLoch11 >= -1
               THEN Tab_Golfplatz.Loch11Par - Greenlogs.ScoreLoch11 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch12 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch12Par - Greenlogs.ScoreLoch12 >= -1
               THEN Tab_Golfplatz.Loch12Par - Greenlogs.ScoreLoch12 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch13 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch13Par - Greenlogs.ScoreLoch13 >= -1
               THEN Tab_Golfplatz.Loch13Par - Greenlogs.ScoreLoch13 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch14 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch14Par - Greenlogs.ScoreLoch14 >= -1
               THEN Tab_Golfplatz.Loch14Par - Greenlogs.ScoreLoch14 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch15 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch15Par - Greenlogs.ScoreLoch15 >= -1
               THEN Tab_Golfplatz.Loch15Par - Greenlogs.ScoreLoch15 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch16 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch16Par - Greenlogs.ScoreLoch16 >= -1
               THEN Tab_Golfplatz.Loch16Par - Greenlogs.ScoreLoch16 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch17 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch17Par - Greenlogs.ScoreLoch17 >= -1
               THEN Tab_Golfplatz.Loch17Par - Greenlogs.ScoreLoch17 + 2 ELSE 0 END
        + CASE WHEN Greenlogs.ScoreLoch18 BETWEEN 1 AND 98 AND Tab_Golfplatz.Loch18Par - Greenlogs.ScoreLoch18 >= -1
               THEN Tab_Golfplatz.Loch18Par - Greenlogs.ScoreLoch18 + 2 ELSE 0 END
       ) AS Bruttopunkte
FROM Greenlogs
LEFT JOIN Tab_Golfplatz ON Tab_Golfplatz.Golfplatzidn = Greenlogs.Golfplatznummer;

-- The rounds of the current analysis; rewritten by each analysis run. Empty until the first run.
CREATE VIEW qryAnalyseTemp AS
SELECT * FROM qryAnalyse WHERE 0;

-- The analysis rounds in date order; rewritten by each chart computation.
CREATE VIEW qryAnalyseSortiert AS
SELECT * FROM qryAnalyseTemp ORDER BY Datum ASC;

-- One golfer's scorecards in date order for Back and Forward; rewritten before each use.
CREATE VIEW qryScorekarteMove AS
SELECT * FROM Greenlogs WHERE 0;

-- Scorecards for the search list, with the names of their tournament and course.
CREATE VIEW qryScorekarte AS
SELECT Greenlogs.Golfernummer AS Golfernummer,
       Greenlogs.Datum AS Datum,
       Tab_Turnier.Turniername AS Turniername,
       Tab_Golfplatz.Golfplatzname AS Golfplatzname,
       Greenlogs.Scorekartenidn AS Scorekartenidn
FROM Greenlogs
LEFT JOIN Tab_Turnier ON Tab_Turnier.Turniernummer = Greenlogs.TurnierNameKarte
LEFT JOIN Tab_Golfplatz ON Tab_Golfplatz.Golfplatzidn = Greenlogs.Golfplatznummer
ORDER BY Greenlogs.Datum ASC, CAST(Greenlogs.Scorekartenidn AS INTEGER) ASC;

-- Tournaments for the search list, with the name of their course.
CREATE VIEW qryTurnier AS
SELECT Tab_Turnier.Turniername AS Turniername,
       Tab_Golfplatz.Golfplatzname AS Golfplatzname,
       Tab_Turnier.Datum AS Datum,
       Tab_Turnier.Turniernummer AS Turniernummer
FROM Tab_Turnier
LEFT JOIN Tab_Golfplatz ON Tab_Golfplatz.Golfplatzidn = Tab_Turnier.GolfplatzNo;

-- Golfers for the search list, with the name of their home club.
CREATE VIEW qrySucheGolfer AS
SELECT tab_golfer.Golfername AS Golfername,
       Tab_Golfplatz.Golfplatzname AS Golfplatzname,
       tab_golfer.Golferidn AS Golferidn
FROM tab_golfer
LEFT JOIN Tab_Golfplatz ON Tab_Golfplatz.Golfplatzidn = tab_golfer.Heimatclub;

-- Game types, stored in German; the program re-translates the names through TranslationNo
-- whenever the interface language differs from the one stored under "Sprache".
-- New scorecards get game type 2 (Stableford, the form of play the handicap rule counts).
INSERT INTO Tab_Spielart (Spielartidn, Spielartname, TranslationNo) VALUES
    ('1', 'Zählspiel', 901),
    ('2', 'Stableford', 902),
    ('3', 'Lochspiel', 903),
    ('4', 'Privatrunde', 904);

INSERT INTO SpielartGolf (Spielartenidn, Spielartname, TranslationNo) VALUES
    ('1', 'Zählspiel', 901),
    ('2', 'Stableford', 902),
    ('3', 'Lochspiel', 903),
    ('4', 'Vierer', 905),
    ('5', 'Scramble', 906);

COMMIT;
