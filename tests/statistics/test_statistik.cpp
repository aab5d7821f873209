// The arithmetic of the per-hole and per-par statistics and of the count view, on small
// hand-computed sets of rounds (German number format, as the test environment sets it).
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "statistics/Anzeige.h"
#include "statistics/Lochstatistik.h"

namespace {

class Statistik : public TestUmgebung {};

Rundendaten runde(std::initializer_list<int> scores, int par = 4) {
  Rundendaten r;
  int i = 0;
  for (int s : scores) r.Loch[i++].Score = s;
  for (; i < 18; ++i) r.Loch[i].Score = 4;
  r.Par.fill(par);
  return r;
}

Platzdaten platz(int par = 4) {
  Platzdaten p;
  for (int i = 0; i < 18; ++i) {
    p.Par[i] = par;
    p.ParText[i] = QString::number(par);
    p.Vorgabe[i] = QString::number(i + 1);
  }
  return p;
}

QString text(const Statistiktabelle& t, const char* zeile, int spalte) {
  return (*t.Zeile(QString::fromUtf8(zeile)))[spalte].Text;
}
bool sichtbar(const Statistiktabelle& t, const char* zeile, int spalte) {
  return (*t.Zeile(QString::fromUtf8(zeile)))[spalte].Sichtbar;
}

Statistikeinstellungen ohnePar3() {
  Statistikeinstellungen e;
  e.FairwayPar3 = false;
  e.DistanzPar3 = false;
  return e;
}

}  // namespace

TEST_F(Statistik, LochstatistikEinerRundeMittelReihenUndKlassen) {
  const Statistiktabelle t = BerechneLochstatistik({runde({4, 5, 3})}, platz(), {});
  EXPECT_EQ(text(t, "ScoreLoch", 1), "4,00");
  EXPECT_EQ(text(t, "ScoreLoch", 19), "36,00");  // (4+5+3+6x4)/9 x 9
  EXPECT_EQ(text(t, "ScoreLoch", 21), "72,00");
  EXPECT_EQ(text(t, "BPLoch", 2), "1,00");
  EXPECT_EQ(text(t, "BirdieLoch", 3), "100,0");
  EXPECT_EQ(text(t, "BogeyLoch", 2), "100,0");
  EXPECT_EQ(text(t, "GesamtLoch", 1), "1");
  EXPECT_EQ(text(t, "GesamtLoch", 21), "18");
  EXPECT_EQ(text(t, "ParLoch", 21), "72");
  EXPECT_EQ(text(t, "VorgabeLoch", 18), "18");
  // No putts entered: every putt and bunker cell has no data.
  EXPECT_EQ(text(t, "PuttGesamtLoch", 1), "---");
  EXPECT_EQ(text(t, "GIRLoch", 21), "---");
  EXPECT_EQ(text(t, "BunkerLoch", 5), "---");
}

TEST_F(Statistik, MittelRundenHalbZurGeradenZiffer) {
  // Hole 1: 33 strokes in 8 rounds = 4.125, hole 2: 35 in 8 = 4.375.
  QVector<Rundendaten> r;
  const int loch1[8] = {4, 4, 4, 4, 4, 4, 4, 5};
  const int loch2[8] = {4, 4, 4, 4, 4, 5, 5, 5};
  for (int i = 0; i < 8; ++i) r.append(runde({loch1[i], loch2[i]}));
  const Statistiktabelle t = BerechneLochstatistik(r, platz(), {});
  EXPECT_EQ(text(t, "ScoreLoch", 1), "4,12");
  EXPECT_EQ(text(t, "ScoreLoch", 2), "4,38");
  // Holes of one round out of eight: 12.5 % rounds to 12.5, the row share to two decimals.
  EXPECT_EQ(text(t, "BogeyLoch", 1), "12,5");
}

TEST_F(Statistik, GestrichenesLochZaehltNurAlsErgebnis) {
  const Statistiktabelle t = BerechneLochstatistik({runde({SCORE_GESTRICHEN}), runde({SCORE_GESTRICHEN})}, platz(), {});
  EXPECT_EQ(text(t, "ScoreLoch", 1), "---");
  EXPECT_EQ(text(t, "BPLoch", 1), "0,00");
  EXPECT_EQ(text(t, "MehrTrBogeyLoch", 1), "100,0");
  EXPECT_EQ(text(t, "GesamtLoch", 1), "2");
  // An empty or invalid score is no result at all.
  const Statistiktabelle leer = BerechneLochstatistik({runde({-1, SCORE_UNGUELTIG})}, platz(), {});
  EXPECT_EQ(text(leer, "GesamtLoch", 1), "0");
  EXPECT_EQ(text(leer, "ParLoch", 1), "4");
  EXPECT_EQ(text(leer, "HiOLoch", 2), "---");
}

TEST_F(Statistik, Par3LoecherOhneFairwayUndDistanzUndUnsichtbareKlassen) {
  Platzdaten p = platz();
  p.Par[0] = 3;
  p.Par[1] = 5;
  Rundendaten r = runde({3, 5});
  for (auto& l : r.Loch) {
    l.Fairwaytreffer = true;
    l.Distance = 200;
  }
  r.Loch[0].Distance = 150;
  const Statistiktabelle mit = BerechneLochstatistik({r}, p, {});
  EXPECT_TRUE(sichtbar(mit, "FWTLoch", 1));
  EXPECT_EQ(text(mit, "AbschlagLoch", 19), "194,4");  // (150 + 8 x 200) / 9
  const Statistiktabelle ohne = BerechneLochstatistik({r}, p, ohnePar3());
  EXPECT_FALSE(sichtbar(ohne, "FWTLoch", 1));
  EXPECT_FALSE(sichtbar(ohne, "AbschlagLoch", 1));
  EXPECT_EQ(text(ohne, "AbschlagLoch", 19), "200,0");
  EXPECT_EQ(text(ohne, "FWTLoch", 19), "100,00");
  // Albatross only on par 5 and 6, eagle not on par 3; the rows always show both.
  EXPECT_FALSE(sichtbar(mit, "AlbatrossLoch", 1));
  EXPECT_FALSE(sichtbar(mit, "EagleLoch", 1));
  EXPECT_TRUE(sichtbar(mit, "AlbatrossLoch", 2));
  EXPECT_FALSE(sichtbar(mit, "AlbatrossLoch", 3));
  EXPECT_TRUE(sichtbar(mit, "EagleLoch", 3));
  EXPECT_TRUE(sichtbar(mit, "AlbatrossLoch", 19));
}

TEST_F(Statistik, PuttsNachArtGruenInRegulationUndBunker) {
  Rundendaten r = runde({4, 4, 5, 4});
  r.Loch[0].Putts = 2;  // par 4 in 4 with 2 putts: green in regulation
  r.Loch[1].Putts = 1;  // chip and pitch, 1 putt: not in regulation
  r.Loch[1].Chip = 1;
  r.Loch[1].Pitch = 1;
  r.Loch[2].Putts = 3;  // 5 with 3 putts: in regulation
  r.Loch[2].Chip = 1;
  r.Loch[3].Putts = 0;  // counts for no putt statistic
  r.Loch[3].Bunker = 1;
  r.Loch[1].Bunker = 1;  // one bunker shot and one putt: a sand save
  const Statistiktabelle t = BerechneLochstatistik({r}, platz(), {});
  EXPECT_EQ(text(t, "GIRLoch", 1), "100,0");
  EXPECT_EQ(text(t, "GIRLoch", 2), "0,0");
  EXPECT_EQ(text(t, "PuttGIRLoch", 1), "2,00");
  EXPECT_EQ(text(t, "PuttChipLoch", 2), "1,00");
  EXPECT_EQ(text(t, "PuttPitchLoch", 2), "1,00");
  EXPECT_EQ(text(t, "PuttGIRLoch", 3), "3,00");
  EXPECT_EQ(text(t, "PuttChipLoch", 3), "3,00");
  EXPECT_EQ(text(t, "PuttSonstigeLoch", 3), "---");
  EXPECT_EQ(text(t, "GIRLoch", 4), "---");
  EXPECT_EQ(text(t, "BunkerLoch", 4), "---");
  EXPECT_EQ(text(t, "BunkerLoch", 2), "100,0");
  EXPECT_EQ(text(t, "ScoreLoch", 4), "4,00");
  // Rows: 3 holes with putts in holes 1-9, 6 putts: 2 x 9 = 18.
  EXPECT_EQ(text(t, "PuttGesamtLoch", 19), "18,00");
  EXPECT_EQ(text(t, "GIRLoch", 19), "66,67");
}

TEST_F(Statistik, ParstatistikEinerRundeInPar) {
  Rundendaten r;
  const int par[18] = {4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4};
  for (int i = 0; i < 18; ++i) {
    r.Par[i] = par[i];
    r.Loch[i].Score = par[i];
    r.Loch[i].Fairwaytreffer = i % 2;  // every second hole
  }
  const Statistiktabelle t = BerechneParstatistik({r}, {});
  const QStringList score{"3,00", "4,00", "5,00", "---", "4,00", "72,00"};
  for (int c = 1; c <= 6; ++c) EXPECT_EQ(text(t, "ScorePar", c), score[c - 1]) << c;
  EXPECT_EQ(text(t, "BruttopunktePar", 1), "2,00");
  EXPECT_EQ(text(t, "BruttopunktePar", 6), "36,00");
  EXPECT_EQ(text(t, "ParPar", 2), "100,00");
  EXPECT_EQ(text(t, "ParPar", 4), "---");
  EXPECT_EQ(text(t, "ParPar", 6), "18,00");
  const QStringList gesamt{"4", "10", "4", "0", "18"};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(text(t, "GesamtPar", c), gesamt[c - 1]);
  EXPECT_EQ(text(t, "FWTPar", 5), "50,00");
  EXPECT_EQ(text(t, "FWTPar", 6), "9,00");
  EXPECT_EQ(t.Runden, 1);
  // Par-3 holes left out of fairways: column 1 is not shown, column 5 has only the others.
  const Statistiktabelle ohne = BerechneParstatistik({r}, ohnePar3());
  EXPECT_FALSE(sichtbar(ohne, "FWTPar", 1));
  EXPECT_FALSE(sichtbar(ohne, "AbLänrePar", 1));
  EXPECT_EQ(text(ohne, "FWTPar", 5), "50,00");  // 7 of 14
}

// A hole whose par the course does not know (empty, or not 3 to 6) is played and counted,
// but falls into no result class and earns no points; the sums of the nine and eighteen
// holes share out only the holes with a par, over every hole played.
TEST_F(Statistik, LochOhneBekanntenParInKeinerKlasseUndOhnePunkte) {
  Platzdaten p = platz();
  p.Par[0] = 0;
  p.ParText[0] = QString();
  p.Par[1] = 7;
  p.ParText[1] = "7";
  Rundendaten r = runde({1, 9});  // a one on the hole without par, nine on the par 7
  const Statistiktabelle t = BerechneLochstatistik({r}, p, {});
  for (int loch : {1, 2}) {
    SCOPED_TRACE(loch);
    EXPECT_EQ(text(t, "GesamtLoch", loch), "1");
    EXPECT_EQ(text(t, "BPLoch", loch), "0,00");
    for (const char* k : {"HiOLoch", "BirdieLoch", "Par2_Loch", "MehrTrBogeyLoch"})
      EXPECT_EQ(text(t, k, loch), "0,0") << k;
  }
  EXPECT_EQ(text(t, "GesamtLoch", 19), "9");
  EXPECT_EQ(text(t, "GesamtLoch", 21), "18");
  EXPECT_EQ(text(t, "Par2_Loch", 19), "77,8");  // 7 of 9
  EXPECT_EQ(text(t, "Par2_Loch", 21), "88,9");  // 16 of 18
  EXPECT_EQ(text(t, "HiOLoch", 19), "0,0");
  EXPECT_EQ(text(t, "MehrTrBogeyLoch", 19), "0,0");
  EXPECT_EQ(text(t, "BPLoch", 19), "14,00");   // 7 pars of 2 points over 9 holes
  EXPECT_EQ(text(t, "ScoreLoch", 1), "1,00");  // the strokes still count
  // The counts of the sums: 7 pars among the 9 holes played.
  EXPECT_EQ(ZaehlAnzeige(t).Zeilen["Par2_Loch"][19].Text, "7");
}

TEST_F(Statistik, LochOhneParZaehltInKeinerParSpalte) {
  // The first round's course gives hole 1 par 5; the second round's course has no par
  // there. Its hole counts for the score of all holes but in no par column.
  Rundendaten a = runde({5}, 4);
  a.Par[0] = 5;
  Rundendaten b = runde({6}, 4);
  b.Par[0] = 0;
  const Statistiktabelle t = BerechneParstatistik({a, b}, {});
  EXPECT_EQ(text(t, "ScorePar", 3), "5,00");
  EXPECT_EQ(text(t, "GesamtPar", 3), "1");
  EXPECT_EQ(text(t, "GesamtPar", 2), "34");
  EXPECT_EQ(text(t, "GesamtPar", 5), "35");
  EXPECT_EQ(text(t, "ScorePar", 5), "4,08");  // (5 + 6 + 34 x 4) / 36
}

TEST_F(Statistik, ZehntausendRundenOhneUeberlauf) {
  QVector<Rundendaten> r(10000, runde({3}));
  for (auto& x : r)
    for (auto& l : x.Loch) l.Putts = 2;
  const Statistiktabelle gp = BerechneLochstatistik(r, platz(), {});
  EXPECT_EQ(text(gp, "GesamtLoch", 21), "180000");
  EXPECT_EQ(text(gp, "BirdieLoch", 1), "100,0");
  const Statistiktabelle par = BerechneParstatistik(r, {});
  EXPECT_EQ(text(par, "GesamtPar", 5), "180000");
  EXPECT_EQ(text(par, "PuttGsamtPar", 6), "36,00");
}

TEST_F(Statistik, ZaehlansichtUndZurueck) {
  // Hole 1: a birdie in half of 5 results (base 5: 2.5 gives 2), hole 2 in half of 7
  // results is not possible, so use the all-courses window with shares of 50 %.
  Statistiktabelle t = LeereStatistiktabelle(Statistikart::Allgemein);
  Statistikzeile& basis = *t.Zeile(QStringLiteral("GesamtPar"));
  SetzeAnzahl(basis[1], 5);
  SetzeAnzahl(basis[2], 7);
  SetzeAnzahl(basis[3], 0);
  Statistikzeile& birdie = *t.Zeile(QStringLiteral("BirdiePar"));
  SetzeZelle(birdie[1], true, 50.0, 2);
  SetzeZelle(birdie[2], true, 50.0, 2);
  SetzeZelle(birdie[3], false, 0, 2);
  birdie[1].Rekord = true;
  const Anzeige z = ZaehlAnzeige(t);
  EXPECT_EQ(z.Zeilen["BirdiePar"][1].Text, "2");
  EXPECT_EQ(z.Zeilen["BirdiePar"][2].Text, "4");
  EXPECT_EQ(z.Zeilen["BirdiePar"][3].Text, "---");
  EXPECT_EQ(z.Zeilen["BirdiePar"][1].Farbe, FARBE_ANZAHL);
  EXPECT_EQ(z.Zeilen["BirdiePar"][3].Farbe, FARBE_ZELLE);
  EXPECT_EQ(z.Zeilen["GesamtPar"][1].Farbe, FARBE_ANZAHL);
  EXPECT_EQ(z.Zeilen["GesamtPar"][3].Farbe, FARBE_ZELLE);
  EXPECT_FALSE(z.Zeilen["BirdiePar"][6].Sichtbar);
  EXPECT_FALSE(z.EinheitenSichtbar);
  EXPECT_TRUE(z.Zeilen["ScorePar"][6].Sichtbar);
  // Back to the values: the shares again, the record cell green.
  const Anzeige w = WerteAnzeige(t);
  EXPECT_EQ(w.Zeilen["BirdiePar"][1].Text, "50,00");
  EXPECT_EQ(w.Zeilen["BirdiePar"][1].Farbe, FARBE_NEUER_REKORD);
  EXPECT_EQ(w.Zeilen["BirdiePar"][2].Farbe, FARBE_ZELLE);
  EXPECT_TRUE(w.Zeilen["BirdiePar"][6].Sichtbar);
  EXPECT_TRUE(w.EinheitenSichtbar);
}

TEST_F(Statistik, ZaehlansichtProLochAlleSpalten) {
  const Statistiktabelle t = BerechneLochstatistik({runde({3}), runde({4})}, platz(), {});
  const Anzeige z = ZaehlAnzeige(t);
  EXPECT_EQ(z.Zeilen["BirdieLoch"][1].Text, "1");
  EXPECT_EQ(z.Zeilen["Par2_Loch"][1].Text, "1");
  EXPECT_EQ(z.Zeilen["Par2_Loch"][21].Text, "35");
  EXPECT_EQ(z.Zeilen["GesamtLoch"][21].Text, "36");
  EXPECT_EQ(z.Zeilen["GesamtLoch"][21].Farbe, FARBE_ANZAHL);
}

TEST_F(Statistik, EinstellungenMitUngueltigemMinimum) {
  const Statistikeinstellungen e = LiesStatistikeinstellungen("0", "1", "abc", "");
  EXPECT_FALSE(e.FairwayPar3);
  EXPECT_TRUE(e.DistanzPar3);
  EXPECT_EQ(e.MinMon, 4);
  EXPECT_EQ(e.MinJahr, 25);
  const Statistikeinstellungen f = LiesStatistikeinstellungen("1", "0", "2", "10");
  EXPECT_EQ(f.MinMon, 2);
  EXPECT_EQ(f.MinJahr, 10);
}
