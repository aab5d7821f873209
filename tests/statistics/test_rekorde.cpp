// The records store, the comparison of computed cells with stored records and the
// record view.
#include <gtest/gtest.h>

#include <QLocale>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "records/Rekorde.h"
#include "statistics/Lochstatistik.h"

namespace {

class Rekorde : public TestUmgebung {};

Statistikzelle& zelle(Statistiktabelle& t, const char* zeile, int spalte) {
  return (*t.Zeile(QString::fromUtf8(zeile)))[spalte];
}

// A per-par table with a few values and 30 rounds.
Statistiktabelle parTabelle() {
  Statistiktabelle t = LeereStatistiktabelle(Statistikart::Allgemein);
  t.Runden = 30;
  SetzeZelle(zelle(t, "ScorePar", 1), true, 3.25, 2);
  SetzeZelle(zelle(t, "BruttopunktePar", 1), true, 2.5, 2);
  SetzeZelle(zelle(t, "HiOPar", 1), true, 0.0, 2);
  SetzeZelle(zelle(t, "BunkerPar", 1), true, 0.0, 2);
  SetzeZelle(zelle(t, "DBogeyPar", 1), true, 10.0, 2);
  return t;
}

}  // namespace

TEST_F(Rekorde, SpeicherLiestSchreibtUndAktualisiert) {
  const QSqlDatabase db = DBG().Db();
  const QString key = Rekordschluessel("Monat", "4", "2");
  EXPECT_EQ(key, "Monat - 4 - 2");
  EXPECT_EQ(Rekordschluessel("Jahr", "", "2"), "Jahr -  - 2");
  EXPECT_EQ(GibBestScore(db, "ScoreLoch07", key), KEIN_WERT);
  ASSERT_TRUE(SaveBestScore(db, "ScoreLoch07", key, "07/2003", "4,25"));
  EXPECT_EQ(SqlWert("SELECT Bestidn FROM tab_Records").toString(), "1");
  // Twice under one name and key: the row is updated, no second row.
  ASSERT_TRUE(SaveBestScore(db, "scoreloch07", key, "08/2003", "4,00"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 1);
  EXPECT_EQ(SqlWert("SELECT Wann || ' ' || Ergebnis || ' ' || Bezeichnung FROM tab_Records").toString(),
            "08/2003 4,00 ScoreLoch07");
  EXPECT_EQ(GibBestScore(db, "SCORELOCH07", key), "4,00");
  ASSERT_TRUE(SaveBestScore(db, "ScoreLoch07", Rekordschluessel("Jahr", "4", "2"), "2003", "4,10"));
  EXPECT_EQ(SqlWert("SELECT MAX(CAST(Bestidn AS INTEGER)) FROM tab_Records").toInt(), 2);
}

TEST_F(Rekorde, AlleMarkiertenZellenUnterIhrenStammnamen) {
  const QSqlDatabase db = DBG().Db();
  Statistiktabelle gp = LeereStatistiktabelle(Statistikart::Golfplatz);
  SetzeZelle(zelle(gp, "Par2_Loch", 19), true, 55.5, 2);
  zelle(gp, "Par2_Loch", 19).Rekord = true;
  SetzeZelle(zelle(gp, "ScoreLoch", 1), true, 4, 2);  // not marked
  EXPECT_TRUE(HatNeueRekorde(gp));
  int schritte = 0;
  ASSERT_TRUE(SaveAllRecords(db, gp, "4", "Monat", "07/2003", "2", [&](int, int n) {
    ++schritte;
    EXPECT_EQ(n, 21);
  }));
  EXPECT_EQ(schritte, 21);
  EXPECT_EQ(GibBestScore(db, "Par_2Loch19", "Monat - 4 - 2"), "55,50");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 1);

  Statistiktabelle par = parTabelle();
  SetzeZelle(zelle(par, "GIRPar", 4), true, 40, 2);
  zelle(par, "GIRPar", 4).Rekord = true;
  ASSERT_TRUE(SaveAllRecords(db, par, "", "Jahr", "12/2003", "2"));
  EXPECT_EQ(GibBestScore(db, "GiRPar04", "Jahr -  - 2"), "40,00");
  // A free period is never saved.
  ASSERT_TRUE(SaveAllRecords(db, par, "", "DontSave", "xx", "2"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 2);
}

TEST_F(Rekorde, VergleichNiedrigerUndHoeherBesser) {
  Statistiktabelle t = parTabelle();
  Statistikeinstellungen e;
  // No stored record: every number is a record, except zero where a value above 0 is needed.
  MarkiereRekorde(t, {}, "Jahr", e);
  EXPECT_TRUE(zelle(t, "ScorePar", 1).Rekord);
  EXPECT_TRUE(zelle(t, "BunkerPar", 1).Rekord);  // 0 can be a bunker record
  EXPECT_FALSE(zelle(t, "HiOPar", 1).Rekord);
  EXPECT_FALSE(zelle(t, "ScorePar", 2).Rekord);  // shows nothing
  // Stored: score 3.25 equals (record), points 3.0 higher (no record), double bogeys
  // 12.5 (lower is better: record). "---" stored: lower-is-better always, higher never.
  const QVector<Rekordzeile> gespeichert{
      {"scorepar01", "3.25"}, {"BruttopunktePar01", "3,00"}, {"DBogeyPar01", "12.50"}, {"BunkerPar01", "---"}};
  MarkiereRekorde(t, gespeichert, "Jahr", e);
  EXPECT_TRUE(zelle(t, "ScorePar", 1).Rekord);
  EXPECT_FALSE(zelle(t, "BruttopunktePar", 1).Rekord);
  EXPECT_TRUE(zelle(t, "DBogeyPar", 1).Rekord);
  EXPECT_FALSE(zelle(t, "BunkerPar", 1).Rekord);
  // Under "DontSave" nothing changes.
  zelle(t, "BruttopunktePar", 1).Rekord = true;
  MarkiereRekorde(t, {}, "DontSave", e);
  EXPECT_TRUE(zelle(t, "BruttopunktePar", 1).Rekord);
}

TEST_F(Rekorde, VergleichUnabhaengigVomDezimalzeichen) {
  EXPECT_DOUBLE_EQ(Rekordzahl("4,25", 0), 4.25);
  EXPECT_DOUBLE_EQ(Rekordzahl("4.25", 0), 4.25);
  EXPECT_EQ(Rekordzahl("---", 0), 10001.0);
  EXPECT_EQ(Rekordzahl("", 0), 10001.0);
  EXPECT_EQ(Rekordzahl(KEIN_WERT, 0), 10000.0);
  EXPECT_EQ(Rekordzahl("0,5", 1), 10000.0);
  // Stored in English (4.50), compared in German (4,25 is lower and better).
  Statistiktabelle t = parTabelle();
  SetzeZelle(zelle(t, "ScorePar", 1), true, 4.25, 2);
  MarkiereRekorde(t, {{"ScorePar01", "4.50"}}, "Monat", {});
  EXPECT_TRUE(zelle(t, "ScorePar", 1).Rekord);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Statistiktabelle en = parTabelle();
  SetzeZelle(zelle(en, "ScorePar", 1), true, 4.75, 2);
  MarkiereRekorde(en, {{"ScorePar01", "4,50"}}, "Monat", {});
  EXPECT_FALSE(zelle(en, "ScorePar", 1).Rekord);
}

TEST_F(Rekorde, MindestdatenJeSpalteUndJeRunden) {
  Statistikeinstellungen e;
  e.MinMon = 2;
  // Per hole: two results on each hole (36 in row 21 reach 2 x 18; 18 in rows 19 and 20).
  Rundendaten r;
  r.Par.fill(4);
  for (auto& l : r.Loch) l.Score = 4;
  Platzdaten p;
  p.Par.fill(4);
  Statistiktabelle zwei = BerechneLochstatistik({r, r}, p, e);
  MarkiereRekorde(zwei, {}, "Monat", e);
  EXPECT_TRUE(zelle(zwei, "ScoreLoch", 1).Rekord);
  EXPECT_TRUE(zelle(zwei, "ScoreLoch", 21).Rekord);
  Statistiktabelle eine = BerechneLochstatistik({r}, p, e);
  MarkiereRekorde(eine, {}, "Monat", e);
  EXPECT_FALSE(zelle(eine, "ScoreLoch", 1).Rekord);
  // Per par: the number of rounds gates all columns.
  Statistiktabelle t = parTabelle();
  t.Runden = 3;
  e.MinJahr = 4;
  MarkiereRekorde(t, {}, "Jahr", e);
  EXPECT_FALSE(zelle(t, "ScorePar", 1).Rekord);
  e.MinJahr = 3;
  MarkiereRekorde(t, {}, "Jahr", e);
  EXPECT_TRUE(zelle(t, "ScorePar", 1).Rekord);
  // A cell that is not shown is not compared.
  Statistiktabelle v = parTabelle();
  SetzeZelle(zelle(v, "FWTPar", 1), true, 50, 2);
  zelle(v, "FWTPar", 1).Sichtbar = false;
  MarkiereRekorde(v, {}, "Jahr", {});
  EXPECT_FALSE(zelle(v, "FWTPar", 1).Rekord);
}

TEST_F(Rekorde, RekordansichtZeigtGespeicherteWerte) {
  Statistiktabelle t = parTabelle();
  zelle(t, "BruttopunktePar", 1).Rekord = true;
  // No stored row at all: the window keeps its values.
  const Anzeige leer = RekordAnzeige(t, {});
  EXPECT_EQ(leer.Zeilen["ScorePar"][1].Text, "3,25");
  EXPECT_EQ(leer.Zeilen["BruttopunktePar"][1].Farbe, FARBE_NEUER_REKORD);
  const QVector<Rekordzeile> gespeichert{{"ScorePar01", "3.10"}, {"GIRPar01", "40,00"}, {"HiOPar01", "EMPTY"}};
  const Anzeige a = RekordAnzeige(t, gespeichert);
  EXPECT_EQ(a.Zeilen["ScorePar"][1].Text, "3,10");
  EXPECT_EQ(a.Zeilen["ScorePar"][1].Farbe, FARBE_GESPEICHERT);
  // A new record keeps its value; a row under the window's array name matches nothing.
  EXPECT_EQ(a.Zeilen["BruttopunktePar"][1].Text, "2,50");
  EXPECT_EQ(a.Zeilen["BruttopunktePar"][1].Farbe, FARBE_NEUER_REKORD);
  EXPECT_EQ(a.Zeilen["GIRPar"][1].Text, "---");
  EXPECT_EQ(a.Zeilen["GIRPar"][1].Farbe, FARBE_ZELLE);
  EXPECT_EQ(a.Zeilen["HiOPar"][1].Text, "---");
  // Back: the values again.
  const Anzeige w = WerteAnzeige(t);
  EXPECT_EQ(w.Zeilen["ScorePar"][1].Text, "3,25");
  EXPECT_EQ(w.Zeilen["ScorePar"][1].Farbe, FARBE_ZELLE);
}

TEST_F(Rekorde, GolferLoeschenEntferntSeineRekorde) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('2', 'A'), ('12', 'B')");
  const QSqlDatabase db = DBG().Db();
  ASSERT_TRUE(SaveBestScore(db, "ScorePar01", "Monat -  - 2", "01/2004", "4,00"));
  ASSERT_TRUE(SaveBestScore(db, "ScorePar01", "Jahr - 3 - 2", "01/2004", "4,00"));
  ASSERT_TRUE(SaveBestScore(db, "ScorePar01", "Monat -  - 12", "01/2004", "4,00"));
  ASSERT_TRUE(SaveBestScore(db, "ScorePar01", "Monat - 2 - 12", "01/2004", "4,00"));
  ASSERT_TRUE(DBG().LoescheGolferMitKarten("2"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 2);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records WHERE MonatOderJahr LIKE '% - 12'").toInt(), 2);
}

namespace {

// One statistic of a window as the record rules see it: the line, the name its records
// are stored under, whether a lower value is better, whether only a value above 0 can be
// a record, and the columns it has.
struct Rekordregel {
  const char* zeile;
  const char* stamm;
  bool niedrigerBesser;
  bool nurUeberNull;
  int von, bis;
};

const Rekordregel REGELN_GOLFPLATZ[] = {
    {"ScoreLoch", "ScoreLoch", true, false, 1, 21},
    {"BPLoch", "BPLoch", false, false, 1, 21},
    {"FWTLoch", "FWTLoch", false, false, 1, 21},
    {"AbschlagLoch", "AbschlagLoch", false, false, 1, 21},
    {"GIRLoch", "GiRLoch", false, false, 1, 21},
    {"PuttGIRLoch", "PuttGiRLoch", true, false, 1, 21},
    {"PuttChipLoch", "PuttChipLoch", true, false, 1, 21},
    {"PuttPitchLoch", "PuttPitchLoch", true, false, 1, 21},
    {"PuttSonstigeLoch", "PuttSonstigeLoch", true, false, 1, 21},
    {"PuttGesamtLoch", "PuttGesamtLoch", true, false, 1, 21},
    {"BunkerLoch", "BunkerLoch", false, true, 1, 21},
    {"HiOLoch", "HiOLoch", false, true, 1, 21},
    {"AlbatrossLoch", "AlbatrossLoch", false, true, 1, 21},
    {"EagleLoch", "EagleLoch", false, true, 1, 21},
    {"BirdieLoch", "BirdieLoch", false, true, 1, 21},
    {"Par2_Loch", "Par_2Loch", false, true, 1, 21},
    {"BogeyLoch", "BogeyLoch", false, true, 1, 21},
    {"DBogeyLoch", "DBogeyLoch", true, false, 1, 21},
    {"TrBogeyLoch", "TrBogeyLoch", true, false, 1, 21},
    {"MehrTrBogeyLoch", "MehrTrBogeyLoch", true, false, 1, 21},
};

const Rekordregel REGELN_ALLGEMEIN[] = {
    {"ScorePar", "ScorePar", true, false, 1, 6},
    {"BruttopunktePar", "BruttopunktePar", false, false, 1, 6},
    {"FWTPar", "FWTPar", false, false, 1, 6},
    {"AbLänrePar", "AbLänrePar", false, false, 1, 5},
    {"GIRPar", "GiRPar", false, false, 1, 6},
    {"PuttGIRPar", "PuttGiRPar", true, false, 1, 5},
    {"PuttChipPar", "PuttChipPar", true, false, 1, 5},
    {"PuttPitchPar", "PuttPitchPar", true, false, 1, 5},
    {"PuttSonstigePar", "PuttSonstigePar", true, false, 1, 5},
    {"PuttGsamtPar", "PuttGsamtPar", true, false, 1, 6},
    {"BunkerPar", "BunkerPar", false, false, 1, 5},
    {"HiOPar", "HiOPar", false, true, 1, 6},
    {"AlbatrossPar", "AlbatrossPar", false, true, 3, 6},
    {"EaglePar", "EaglePar", false, true, 2, 6},
    {"BirdiePar", "BirdiePar", false, true, 1, 6},
    {"ParPar", "ParPar", false, true, 1, 6},
    {"BogeyPar", "BogeyPar", false, true, 1, 6},
    {"DBogeyPar", "DBogeyPar", true, false, 1, 6},
    {"TBogeyPar", "TBogeyPar", true, false, 1, 6},
    {"MehrTBogeyPar", "MehrTBogeyPar", true, false, 1, 6},
};

// An empty table of the window with `daten` results in every column of the per-hole
// window (nine and eighteen times as many in its rows of nine and eighteen holes) and
// `daten` rounds.
Statistiktabelle mitDaten(Statistikart art, int daten) {
  Statistiktabelle t = LeereStatistiktabelle(art);
  t.Runden = daten;
  if (art == Statistikart::Golfplatz)
    for (int c = 1; c <= 21; ++c) SetzeAnzahl(zelle(t, "GesamtLoch", c), c <= 18 ? daten : (c == 21 ? 18 : 9) * daten);
  return t;
}

class Rekordregeln : public TestUmgebung {
 protected:
  void pruefeRegeln(Statistikart art, const Rekordregel* regeln, const QString& golfplatz);
};

}  // namespace

void Rekordregeln::pruefeRegeln(Statistikart art, const Rekordregel* regeln, const QString& golfplatz) {
  const QSqlDatabase db = DBG().Db();
  Statistikeinstellungen e;
  e.MinMon = 3;
  for (int n = 0; n < 20; ++n) {
    const Rekordregel& r = regeln[n];
    SCOPED_TRACE(r.zeile);
    ASSERT_NE(LeereStatistiktabelle(art).Zeile(QString::fromUtf8(r.zeile)), nullptr);
    for (int c = r.von; c <= r.bis; ++c) {
      SCOPED_TRACE(c);
      const QString name = QString::fromUtf8(r.stamm) + QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
      // Direction: 5 against a stored 4 and a stored 6.
      for (const auto& [gespeichert, besserWennNiedriger] : {std::pair{"4,00", false}, std::pair{"6,00", true}}) {
        Statistiktabelle t = mitDaten(art, 3);
        SetzeZelle(zelle(t, r.zeile, c), true, 5.0, 2);
        MarkiereRekorde(t, {{name, QString::fromLatin1(gespeichert)}}, "Monat", e);
        EXPECT_EQ(zelle(t, r.zeile, c).Rekord, besserWennNiedriger == r.niedrigerBesser) << gespeichert;
      }
      // Zero without a stored record: a record unless the statistic needs a value above
      // 0 (a score of 0 is no score at all).
      Statistiktabelle null = mitDaten(art, 3);
      SetzeZelle(zelle(null, r.zeile, c), true, 0.0, 2);
      MarkiereRekorde(null, {}, "Monat", e);
      const bool score = QByteArray(r.zeile).startsWith("Score");
      EXPECT_EQ(zelle(null, r.zeile, c).Rekord, !r.nurUeberNull && !score);
      // Minimum: one result (per hole) or one round (per par) too few marks nothing.
      Statistiktabelle wenig = mitDaten(art, 2);
      SetzeZelle(zelle(wenig, r.zeile, c), true, 5.0, 2);
      MarkiereRekorde(wenig, {}, "Monat", e);
      EXPECT_FALSE(zelle(wenig, r.zeile, c).Rekord);
      Statistiktabelle genug = mitDaten(art, 3);
      SetzeZelle(zelle(genug, r.zeile, c), true, 5.0, 2);
      MarkiereRekorde(genug, {}, "Monat", e);
      EXPECT_TRUE(zelle(genug, r.zeile, c).Rekord);
      // Stored under the stem and the column, and found again by the comparison.
      Sql("DELETE FROM tab_Records");
      ASSERT_TRUE(SaveAllRecords(db, genug, golfplatz, "Monat", "05/2004", "2"));
      EXPECT_EQ(SqlWert("SELECT Bezeichnung FROM tab_Records").toString(), name);
      EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 1);
    }
  }
}

TEST_F(Rekordregeln, JedeStatistikDesPlatzfensters) { pruefeRegeln(Statistikart::Golfplatz, REGELN_GOLFPLATZ, "4"); }

TEST_F(Rekordregeln, JedeStatistikDesParfensters) { pruefeRegeln(Statistikart::Allgemein, REGELN_ALLGEMEIN, ""); }
