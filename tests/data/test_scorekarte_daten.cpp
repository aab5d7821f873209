// Scorecards as values through the data layer alone: stored and read back, refused,
// completeness and totals, the moves between cards and the history row. No window is
// created on the way.
#include <QApplication>
#include <QDate>
#include <QWidget>

#include "Musterkarte.h"
#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Scorekarte.h"

namespace {

constexpr int PAR[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
using Status = KartenSpeicherung::Status;
using Ablehnung = KartenSpeicherung::Feld;

class Kartendaten : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Platz("1", "Achental", 1);
    Platz("2", "Beuerberg", 1);
    Platz("3", "Chieming", 0);  // not marked to be shown
    Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert, CourseRating) "
        "VALUES ('1','1','Gelb',125,71.2), ('2','2','Rot',128,73.9)");
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES "
        "('1','Herbstpreis','2024-09-01',1)");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub) VALUES "
        "('1','Anna',18.4,18,'1')");
  }
  void TearDown() override {
    // The data layer made no window on the way.
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    TestUmgebung::TearDown();
  }
  void Platz(const QString& id, const QString& name, int anzeigen) {
    QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
    QVariantList werte{id, name, anzeigen, 72};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par";
      werte << PAR[i];
    }
    Sql(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
  }
  QVariant Feld(const QString& spalte, const QString& id = "1") {
    return SqlWert(QStringLiteral("SELECT \"%1\" FROM Greenlogs WHERE Scorekartenidn = ?").arg(spalte), {id});
  }
  // A new card of golfer 1, read back.
  Scorekarte NeueKarte() {
    const QString id = DBG().LegeScorekarteAn("1", "1", 18.4);
    EXPECT_FALSE(id.isEmpty());
    const std::optional<Scorekarte> k = DBG().ReadScorekarte(id);
    EXPECT_TRUE(k.has_value());
    return k.value_or(Scorekarte{});
  }
  // Every hole played: score par + 1 (hole 5 struck when `gestrichen`), two putts.
  static void Spiele(Scorekarte& k, bool gestrichen = false) {
    for (int i = 1; i <= 18; ++i) {
      ScorekartenLoch& l = k.Loch[i];
      l.Score = gestrichen && i == 5 ? 99 : PAR[i] + 1;
      l.Putts = 2;
      l.Distance = 200.0 + i;
      l.Fairwaytreffer = i % 2 == 0;
    }
    k.GesamtScore = 90;
    k.GesamtPutt = 36;
    k.GesamtDrivingDistance = 210;
    k.GesamtFwt = 9;
  }
};

}  // namespace

// Every entry of every hole is stored in its own column, as the schema names it, and is
// read back from it into its place in the card.
TEST_F(Kartendaten, EveryEntryOfEveryHoleIsStoredInItsOwnColumnAndReadBack) {
  // An entry the hole table gains needs its values in the sample round first.
  ASSERT_EQ(LOCHTABELLE.size(), size_t(Muster::FAMILIEN.size()));
  for (const Lochfeldbeschreibung& f : LOCHTABELLE) EXPECT_TRUE(Muster::FAMILIEN.contains(Familienname(f)));
  Scorekarte k = NeueKarte();
  Muster::Fuelle(k);
  ASSERT_TRUE(DBG().WriteScorekarte(k).Gespeichert());
  Muster::PruefeZeile([&](const QString& spalte) { return Feld(spalte); });
  const std::optional<Scorekarte> r = DBG().ReadScorekarte(k.Scorekartenidn);
  ASSERT_TRUE(r);
  for (int i = 1; i <= 18; ++i) EXPECT_EQ(r->Loch[i], k.Loch[i]) << i;
}

TEST_F(Kartendaten, ACardRoundTripsThroughTheTable) {
  DBG().WriteEinstellungenIntern("ShowWhat", "10111111");
  Scorekarte k = NeueKarte();
  EXPECT_EQ(k.Scorekartenidn, "1");
  EXPECT_EQ(k.Golfernummer, "1");
  EXPECT_EQ(k.Golfplatzidn, "1");
  EXPECT_EQ(k.Golfplatzname, "Achental");
  EXPECT_EQ(k.Spielartidn, "2");
  EXPECT_EQ(k.Spielartname, "Stableford");
  EXPECT_EQ(k.Datum, IsoAlsDatum(QDate::currentDate().toString(Qt::ISODate)));
  EXPECT_EQ(k.AktHdcp, 18.4);
  EXPECT_EQ(k.ShowWhat, "10111111");
  EXPECT_FALSE(k.Loch[1].Score);

  k.Golfplatzname = "beuerberg";  // the name in any letter case
  k.Spielartname = "Zählspiel";
  k.Abschlagbezeichnung = "Rot";
  k.Turniername = "Herbstpreis";
  k.Datum = "05.07.2024";
  k.Vorgabewirksam = true;
  k.AktHdcp = 23;
  k.Slope = 128;
  k.CourseRating = 73.9;
  Spiele(k);
  k.Loch[3].Abschlag = 1;
  k.Loch[3].Bunker = 1;
  k.Loch[4].Strafschlag = 2;
  k.Loch[4].Chip = true;
  k.Loch[6].Pitch = true;
  k.Loch[7].Distance = 231.26;  // stored to one decimal
  k.ErgebnisUeberPar = 18;
  k.WasGespielt = Spielstand(k);
  const KartenSpeicherung s = DBG().WriteScorekarte(k);
  ASSERT_EQ(s.Ergebnis, Status::Gespeichert);
  EXPECT_TRUE(s.HistorieFragen);  // counts for the handicap, complete, not offered before

  const std::optional<Scorekarte> r = DBG().ReadScorekarte("1");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Golfplatzidn, "2");
  EXPECT_EQ(r->Golfplatzname, "Beuerberg");
  EXPECT_EQ(r->Spielartidn, "1");
  EXPECT_EQ(r->Slopeidn, "2");
  EXPECT_EQ(r->Abschlagbezeichnung, "Rot");
  EXPECT_EQ(r->Turniernummer, "1");
  EXPECT_EQ(r->Turniername, "Herbstpreis");
  EXPECT_EQ(Feld("Datum").toString(), "2024-07-05");
  EXPECT_EQ(r->Datum, "05.07.2024");
  EXPECT_TRUE(r->Vorgabewirksam);
  EXPECT_EQ(r->AktHdcp, 23);
  EXPECT_EQ(r->Slope, 128);
  EXPECT_EQ(r->CourseRating, 73.9);
  EXPECT_EQ(r->HdcpHistorieZustand, "1");
  EXPECT_EQ(r->WasGespielt, 1);
  EXPECT_EQ(r->GesamtScore, 90);
  EXPECT_EQ(r->ErgebnisUeberPar, 18);
  EXPECT_EQ(r->GesamtPutt, 36);
  EXPECT_EQ(r->GesamtFwt, 9);
  EXPECT_EQ(r->GesamtDrivingDistance, 210);
  EXPECT_EQ(r->Loch[7].Distance, 231.3);
  k.Loch[7].Distance = 231.3;
  for (int i = 1; i <= 18; ++i) EXPECT_EQ(r->Loch[i], k.Loch[i]) << i;

  // Stored again as read: the same row, and the question is not due a second time.
  const KartenSpeicherung t = DBG().WriteScorekarte(*r);
  EXPECT_EQ(t.Ergebnis, Status::Gespeichert);
  EXPECT_FALSE(t.HistorieFragen);
  EXPECT_EQ(DBG().ReadScorekarte("1"), r);

  // No row of that key: nothing written, no refusal.
  Scorekarte fremd = *r;
  fremd.Scorekartenidn = "77";
  EXPECT_EQ(DBG().WriteScorekarte(fremd).Ergebnis, Status::KeineKarte);
  EXPECT_FALSE(DBG().ReadScorekarte("77"));
}

TEST_F(Kartendaten, ACardStoredAsItStandsWritesNothingAndEveryChangeIsWritten) {
  Scorekarte k = NeueKarte();
  Spiele(k);
  k.Loch[3].Bunker = 1;
  ASSERT_TRUE(DBG().WriteScorekarte(k).Gespeichert());
  const std::optional<Scorekarte> gespeichert = DBG().ReadScorekarte("1");
  ASSERT_TRUE(gespeichert);
  k = *gespeichert;

  // The same values again: stored, but no row is touched.
  const long long vorher = GeaenderteZeilen();
  ASSERT_GE(vorher, 0);
  for (int mal = 0; mal < 3; ++mal) EXPECT_TRUE(DBG().WriteScorekarte(k).Gespeichert());
  EXPECT_EQ(GeaenderteZeilen(), vorher);
  EXPECT_EQ(DBG().ReadScorekarte("1"), gespeichert);

  // A value changed, one emptied, one filled, a key in another letter case: each is written.
  auto aendern = [&](const char* was, auto aenderung, const QString& spalte, const QVariant& erwartet) {
    SCOPED_TRACE(was);
    aenderung(k);
    const long long davor = GeaenderteZeilen();
    EXPECT_TRUE(DBG().WriteScorekarte(k).Gespeichert());
    EXPECT_EQ(GeaenderteZeilen(), davor + 1);
    EXPECT_EQ(Feld(spalte).isNull(), erwartet.isNull());
    EXPECT_EQ(Feld(spalte).toString(), erwartet.toString());
  };
  aendern(
      "a score", [](Scorekarte& c) { c.Loch[2].Score = 7; }, "ScoreLoch02", QVariant(7));
  aendern(
      "a bunker emptied", [](Scorekarte& c) { c.Loch[3].Bunker.reset(); }, "BunkerLoch03", QVariant());
  aendern(
      "a penalty filled", [](Scorekarte& c) { c.Loch[4].Strafschlag = 0; }, "StrafschlagLoch04", QVariant(0));
  aendern(
      "a drive a tenth longer", [](Scorekarte& c) { c.Loch[5].Distance = 205.1; }, "DistanceLoch05", QVariant(205.1));
  Sql("UPDATE Greenlogs SET Golfernummer = 'g1' WHERE Scorekartenidn = '1'");
  aendern(
      "the golfer's key in capitals", [](Scorekarte& c) { c.Golfernummer = "G1"; }, "Golfernummer", QVariant("G1"));
}

TEST_F(Kartendaten, ARefusedCardWritesNothing) {
  Scorekarte k = NeueKarte();
  const std::optional<Scorekarte> vorher = DBG().ReadScorekarte("1");
  Spiele(k);
  auto pruefe = [&](const Scorekarte& karte, int meldung, Ablehnung feld) {
    const KartenSpeicherung s = DBG().WriteScorekarte(karte);
    EXPECT_EQ(s.Ergebnis, Status::Abgelehnt);
    EXPECT_EQ(s.Meldung, meldung);
    EXPECT_EQ(s.Ablehnungsfeld, feld);
    EXPECT_EQ(DBG().ReadScorekarte("1"), vorher);
  };
  // A course nobody knows, and one that is neither shown nor the card's own.
  Scorekarte a = k;
  a.Golfplatzname = "Nirgendwo";
  a.Datum = "31.4.2003";  // the course is judged first
  pruefe(a, 153, Ablehnung::Golfplatz);
  a.Golfplatzname = "Chieming";
  pruefe(a, 153, Ablehnung::Golfplatz);
  // A game type that is not listed; a date that is no date.
  Scorekarte b = k;
  b.Spielartname = "Golfcart-Rallye";
  pruefe(b, 214, Ablehnung::Spielart);
  Scorekarte c = k;
  c.Datum = "31.4.2003";
  pruefe(c, 178, Ablehnung::Datum);

  // The card's own course may be one that is not shown; empty names keep what is stored,
  // an empty date stores none.
  Sql("UPDATE Greenlogs SET Golfplatznummer = '3' WHERE Scorekartenidn = '1'");
  Scorekarte d = k;
  d.Golfplatzidn = "3";
  d.Golfplatzname = "Chieming";
  EXPECT_TRUE(DBG().WriteScorekarte(d).Gespeichert());
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "3");
  d.Golfplatzname.clear();
  d.Spielartname.clear();
  d.Datum.clear();
  EXPECT_TRUE(DBG().WriteScorekarte(d).Gespeichert());
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "3");
  EXPECT_EQ(Feld("Spielart").toString(), "2");
  EXPECT_TRUE(Feld("Datum").isNull());
}

TEST_F(Kartendaten, CompletenessDecidesTotalsAndTheHistoryQuestion) {
  Scorekarte k = NeueKarte();
  k.Vorgabewirksam = true;
  Spiele(k);
  // An empty hole: no question, the hole Null, the round incomplete, no fairway total.
  k.Loch[7].Score.reset();
  k.Loch[8].Putts.reset();
  KartenSpeicherung s = DBG().WriteScorekarte(k);
  ASSERT_TRUE(s.Gespeichert());
  EXPECT_FALSE(s.HistorieFragen);
  EXPECT_EQ(Spielstand(k), 0);
  EXPECT_EQ(Feld("WasGespielt").toInt(), 0);
  EXPECT_TRUE(Feld("ScoreLoch07").isNull());
  EXPECT_TRUE(Feld("GesamtFwt").isNull());
  EXPECT_TRUE(Feld("GesamtPutt").isNull());
  EXPECT_EQ(Feld("GesamtDrivingDistance").toDouble(), 210);
  EXPECT_EQ(Feld("HdcpHistorieZustand").toString(), "0");

  // Complete with a struck hole: stored as 99, asked once.
  Spiele(k, true);
  EXPECT_EQ(Spielstand(k), 2);
  k.HdcpHistorieZustand = "0";
  s = DBG().WriteScorekarte(k);
  EXPECT_TRUE(s.HistorieFragen);
  EXPECT_EQ(Feld("WasGespielt").toInt(), 2);
  EXPECT_EQ(Feld("ScoreLoch05").toInt(), 99);
  EXPECT_EQ(Feld("HdcpHistorieZustand").toString(), "1");
  // A score out of range counts like a struck hole but asks nothing.
  k.Loch[5].Score = 0;
  k.HdcpHistorieZustand = "0";
  EXPECT_EQ(Spielstand(k), 2);
  EXPECT_FALSE(DBG().WriteScorekarte(k).HistorieFragen);
  // Not handicap relevant: never asked.
  Spiele(k);
  k.Vorgabewirksam = false;
  k.HdcpHistorieZustand.clear();
  EXPECT_EQ(Spielstand(k), 1);
  EXPECT_FALSE(DBG().WriteScorekarte(k).HistorieFragen);
  EXPECT_EQ(Feld("HdcpHistorieZustand").toString(), "0");
}

TEST_F(Kartendaten, LatestCardAndNeighboursFollowTheDateThenTheKey) {
  EXPECT_EQ(DBG().LetzteScorekarte("1"), QString());
  EXPECT_EQ(DBG().NachbarScorekarte("1", "1", 2).Ergebnis, KartenNachbar::Status::KeineKarten);
  auto karte = [&](const char* id, const char* golfer, const char* datum) {
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum) VALUES (?,?,?)", {id, golfer, datum});
  };
  karte("1", "1", "2003-05-01");
  karte("2", "1", "2003-05-03");
  karte("10", "1", "2003-05-02");
  karte("3", "1", "2003-05-02");
  karte("4", "2", "2003-05-09");  // another golfer's card
  EXPECT_EQ(DBG().LetzteScorekarte("1"), QString("2"));
  EXPECT_EQ(DBG().ScorekarteVorhanden("10"), true);
  EXPECT_EQ(DBG().ScorekarteVorhanden("11"), false);

  QStringList vorwaerts;
  QString id = "1";
  for (;;) {
    const KartenNachbar n = DBG().NachbarScorekarte("1", id, 2);
    if (n.Ergebnis != KartenNachbar::Status::Gefunden) {
      EXPECT_EQ(n.Ergebnis, KartenNachbar::Status::IstLetzte);
      break;
    }
    vorwaerts << (id = n.Scorekartenidn);
  }
  EXPECT_EQ(vorwaerts, (QStringList{"3", "10", "2"}));
  EXPECT_EQ(DBG().NachbarScorekarte("1", "3", 1).Scorekartenidn, "1");
  EXPECT_EQ(DBG().NachbarScorekarte("1", "1", 1).Ergebnis, KartenNachbar::Status::IstErste);
  EXPECT_EQ(DBG().NachbarScorekarte("1", "4", 1).Ergebnis, KartenNachbar::Status::NichtDabei);
}

TEST_F(Kartendaten, AHistoryRowForACard) {
  Scorekarte k = NeueKarte();
  k.Datum = "05.07.2024";
  k.Turniername = "Herbstpreis";
  ASSERT_TRUE(DBG().NeuHistorie(k, "1", 40, 16.3));
  ASSERT_TRUE(DBG().NeuHistorie(k, "1", std::nullopt, 16.5));
  auto zeile = [&](const char* satz, const char* spalte) {
    return SqlWert(QStringLiteral("SELECT %1 FROM tab_HdcpHistorie WHERE Satznr = ?").arg(spalte), {satz});
  };
  EXPECT_EQ(zeile("1", "Golfernummer").toString(), "1");
  EXPECT_EQ(zeile("1", "Datum").toString(), "2024-07-05");
  EXPECT_EQ(zeile("1", "Golfplatzbez").toString(), "Achental");
  EXPECT_EQ(zeile("1", "Spielart").toString(), "Stableford");
  EXPECT_EQ(zeile("1", "Bemerkungen").toString(), "Herbstpreis");
  EXPECT_EQ(zeile("1", "GewNettoStable").toDouble(), 40);
  EXPECT_EQ(zeile("1", "Stammvorgabe").toDouble(), 16.3);
  EXPECT_EQ(zeile("1", "Handicap").toInt(), 16);
  EXPECT_TRUE(zeile("2", "GewNettoStable").isNull());
  EXPECT_EQ(zeile("2", "Handicap").toInt(), 16);  // 16.5 rounds half to even
}
