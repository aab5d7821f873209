// Per-hole formulas and the handicap rule.
#include <gtest/gtest.h>

#include <QLocale>

#include "TestUmgebung.h"
#include "data/Global.h"
#include "data/Stammdaten.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

int Schlaege(double spielvorgabe, int vorgabe) { return BerechneNettoPar(spielvorgabe, vorgabe, 4).Vorgabeschlaege; }

// Strokes received on every stroke index 1..18.
std::vector<int> Verteilung(double spielvorgabe) {
  std::vector<int> v;
  for (int si = 1; si <= 18; ++si) v.push_back(Schlaege(spielvorgabe, si));
  return v;
}

std::vector<int> Ueberall(int n) { return std::vector<int>(18, n); }

std::vector<int> MehrAufDenErsten(int basis, int wieviele) {
  std::vector<int> v(18, basis);
  for (int i = 0; i < wieviele; ++i) v[i] = basis + 1;
  return v;
}

}  // namespace

TEST(StablefordPunkte, LeiterGegenPar) {
  EXPECT_EQ(StablefordPunkte(1, 3), 4);
  EXPECT_EQ(StablefordPunkte(1, 5), 6);
  EXPECT_EQ(StablefordPunkte(1, 6), 7);
  EXPECT_EQ(StablefordPunkte(6, 4), 0);
  EXPECT_EQ(StablefordPunkte(5, 4), 1);
  EXPECT_EQ(StablefordPunkte(4, 4), 2);
  EXPECT_EQ(StablefordPunkte(3, 4), 3);
  // The ladder goes on below par - 5: a hole in one on a net par 7 is worth 8.
  EXPECT_EQ(StablefordPunkte(1, 7), 8);
  EXPECT_EQ(StablefordPunkte(1, 8), 9);
  EXPECT_EQ(StablefordPunkte(0, 6), 0);
  // Score codes are very bad scores.
  EXPECT_EQ(StablefordPunkte(101, 4), 0);
  EXPECT_EQ(StablefordPunkte(102, 5), 0);
}

TEST(Vorgabeschlaege, BaenderAufDenGrenzen) {
  // Exactly 18, 36, 54, 72 stay in the lower band with a remainder of 18.
  EXPECT_EQ(Verteilung(18), Ueberall(1));
  EXPECT_EQ(Verteilung(36), Ueberall(2));
  EXPECT_EQ(Verteilung(54), Ueberall(3));
  EXPECT_EQ(Verteilung(72), Ueberall(4));
  EXPECT_EQ(Verteilung(0), Ueberall(0));
  EXPECT_EQ(Verteilung(-2), Ueberall(0));
  EXPECT_EQ(Verteilung(90), Ueberall(5));
  EXPECT_EQ(Verteilung(120), Ueberall(5));
}

TEST(Vorgabeschlaege, RestWirdZurGeradenZahlGerundet) {
  EXPECT_EQ(Verteilung(36.4), Ueberall(2));
  EXPECT_EQ(Verteilung(36.5), Ueberall(2));  // 0.5 rounds to 0
  EXPECT_EQ(Verteilung(37), MehrAufDenErsten(2, 1));
  EXPECT_EQ(Verteilung(20.4), MehrAufDenErsten(1, 2));
  EXPECT_EQ(Verteilung(19.5), MehrAufDenErsten(1, 2));  // 1.5 rounds to 2
  EXPECT_EQ(Verteilung(20.5), MehrAufDenErsten(1, 2));  // 2.5 rounds to 2
  EXPECT_EQ(Verteilung(54.5), Ueberall(3));
  EXPECT_EQ(Verteilung(72.5), Ueberall(4));
  EXPECT_EQ(Verteilung(73.5), MehrAufDenErsten(4, 2));
  EXPECT_EQ(Verteilung(12), MehrAufDenErsten(0, 12));
}

TEST(Vorgabeschlaege, NettoParIstParPlusSchlaege) {
  const NettoParWerte w = BerechneNettoPar(37, 1, 5);
  EXPECT_EQ(w.Vorgabeschlaege, 3);
  EXPECT_EQ(w.NettoPar, 8);
}

TEST(Lochwerte, BruttoUndNetto) {
  // Score 5 on a par 4 with one stroke received.
  const Lochwerte w = BerechneLochwerte(5, 4, 5, 18);
  EXPECT_EQ(w.StablefordBrutto, 1);
  EXPECT_EQ(w.StablefordNetto, 2);
  EXPECT_EQ(w.ParBrutto, -1);
  EXPECT_EQ(w.ParNetto, 0);
  EXPECT_EQ(w.NettoScore, 4);

  const Lochwerte b = BerechneLochwerte(3, 4, 1, 0);
  EXPECT_EQ(b.StablefordBrutto, 3);
  EXPECT_EQ(b.StablefordNetto, 3);
  EXPECT_EQ(b.ParBrutto, 1);
  EXPECT_EQ(b.ParNetto, 1);
  EXPECT_EQ(b.NettoScore, 3);

  // Three strokes received on a par 4 (net par 7): a hole in one is worth 8 net points.
  const Lochwerte ass = BerechneLochwerte(1, 4, 1, 54);
  EXPECT_EQ(ass.StablefordBrutto, 5);
  EXPECT_EQ(ass.StablefordNetto, 8);
}

TEST(GruenInRegulation, AusScoretextUndWert) {
  for (const char* t : {"99", "-"}) {
    const GIRWerte g = BerechneGIR(QString::fromLatin1(t), 0, 36, 1, 4);
    EXPECT_EQ(g.GIRBrutto, 0) << t;
    EXPECT_EQ(g.GIRNetto, 0) << t;
  }
  EXPECT_EQ(BerechneGIR("4", 2, 0, 5, 4).GIRBrutto, 1);
  const GIRWerte g = BerechneGIR("5", 2, 18, 5, 4);
  EXPECT_EQ(g.GIRBrutto, 0);
  EXPECT_EQ(g.GIRNetto, 1);

  EXPECT_EQ(IstGIR(102, 0, 4), 0);
  EXPECT_EQ(IstGIR(4, 2, 4), 1);
  EXPECT_EQ(IstGIR(5, 2, 4), 0);
}

TEST(Kurzspiel, UpAndDownUndSandSave) {
  UpAndDownWerte u = PruefeUpAndDown(1, 1, 0);
  EXPECT_EQ(u.ChipUpAndDown, 1);
  EXPECT_EQ(u.PitchUpAndDown, 0);
  u = PruefeUpAndDown(2, 1, 1);
  EXPECT_EQ(u.ChipUpAndDown, 0);
  EXPECT_EQ(u.PitchUpAndDown, 0);
  EXPECT_EQ(PruefeUpAndDown(1, 0, 1).PitchUpAndDown, 1);

  EXPECT_EQ(IstSandSave(0, 1), 1);
  EXPECT_EQ(IstSandSave(1, 1), 1);
  EXPECT_EQ(IstSandSave(0, 2), 0);
  EXPECT_EQ(IstSandSave(2, 1), 0);
}

TEST(HandicapRegel, KlasseSechsUndAbstiegInKlasseFuenf) {
  double h = 54.0;
  EXPECT_NEAR(BerechneHandicap(h, 40), 50.0, 1e-9);
  EXPECT_NEAR(h, 50.0, 1e-9);  // also left in the argument
  h = 36.8;
  EXPECT_NEAR(BerechneHandicap(h, 39), 34.8, 1e-9);
  h = 36.0;  // a boundary value belongs to the lower class
  EXPECT_NEAR(BerechneHandicap(h, 38), 35.0, 1e-9);
  h = 40.0;  // class 6 never rises
  EXPECT_NEAR(BerechneHandicap(h, 20), 40.0, 1e-9);
}

TEST(HandicapRegel, PunktUeberDieGrenzeZaehltNochZurAltenKlasse) {
  double h = 28.4;
  EXPECT_NEAR(BerechneHandicap(h, 38), 27.5, 1e-9);  // 0.5 then 0.4
  h = 20.6;
  EXPECT_NEAR(BerechneHandicap(h, 38), 19.9, 1e-9);  // 0.4 then 0.3
  h = 12.6;
  EXPECT_NEAR(BerechneHandicap(h, 38), 12.1, 1e-9);  // 0.3 then 0.2
  h = 5.6;
  EXPECT_NEAR(BerechneHandicap(h, 38), 5.2, 1e-9);  // 0.2 then 0.2
  // Crossing two boundaries in one round.
  h = 36.2;
  EXPECT_NEAR(BerechneHandicap(h, 58), 25.4, 1e-9);  // 1 x 1.0, 14 x 0.5, 7 x 0.4
}

// The limits themselves: a handicap of exactly 28, 20, 12 or 5 is in the lower class (its
// step, its buffer), and one that a point brings exactly to 28.5 stays in its class.
TEST(HandicapRegel, GenauAufDerGrenze) {
  double h = 29.0;
  EXPECT_NEAR(BerechneHandicap(h, 38), 28.0, 1e-9);  // 28.5 is not below 28.5: 0.5 twice
  h = 28.0;
  EXPECT_NEAR(BerechneHandicap(h, 37), 27.6, 1e-9);  // class 4
  h = 20.0;
  EXPECT_NEAR(BerechneHandicap(h, 37), 19.7, 1e-9);  // class 3
  h = 12.0;
  EXPECT_NEAR(BerechneHandicap(h, 37), 11.8, 1e-9);  // class 2
  h = 5.0;
  EXPECT_NEAR(BerechneHandicap(h, 33), 5.1, 1e-9);  // class 1 rises below 34 points
  h = 28.0;
  EXPECT_NEAR(BerechneHandicap(h, 30), 28.1, 1e-9);  // class 4 rises below 31
}

TEST(HandicapRegel, KlasseEinsUndPlusHandicap) {
  double h = 5.0;
  EXPECT_NEAR(BerechneHandicap(h, 40), 4.2, 1e-9);
  h = -1.0;
  EXPECT_NEAR(BerechneHandicap(h, 37), -1.2, 1e-9);
}

TEST(HandicapRegel, PufferUndErhoehung) {
  double h = 10.0;
  EXPECT_NEAR(BerechneHandicap(h, 33), 10.0, 1e-9);
  h = 10.0;
  EXPECT_NEAR(BerechneHandicap(h, 32), 10.1, 1e-9);
  h = 10.0;
  EXPECT_NEAR(BerechneHandicap(h, 20), 10.1, 1e-9);  // once, whatever the shortfall
  h = 30.0;
  EXPECT_NEAR(BerechneHandicap(h, 30), 30.0, 1e-9);
  h = 30.0;
  EXPECT_NEAR(BerechneHandicap(h, 29), 30.1, 1e-9);
  for (double start : {3.0, 8.0, 15.0, 24.0, 32.0, 45.0}) {
    h = start;
    EXPECT_NEAR(BerechneHandicap(h, 36), start, 1e-9) << start;
  }
  // Buffer limits per class: 34 (class 1), 33, 32, 31, 30.
  const struct {
    double h;
    int bleibt, steigt;
  } puffer[] = {{4.0, 34, 33}, {8.0, 33, 32}, {15.0, 32, 31}, {24.0, 31, 30}, {32.0, 30, 29}};
  for (const auto& p : puffer) {
    h = p.h;
    EXPECT_NEAR(BerechneHandicap(h, p.bleibt), p.h, 1e-9) << p.h;
    h = p.h;
    EXPECT_NEAR(BerechneHandicap(h, p.steigt), p.h + 0.1, 1e-9) << p.h;
  }
}

TEST(HandicapRegel, KlassenGanzesHandicapUndSpielvorgabe) {
  // A value on a boundary belongs to the lower class; a plus handicap to class 1.
  const struct {
    double h;
    int klasse;
  } klassen[] = {{-3, 1},   {5, 1},  {5.1, 2},  {12, 2}, {12.1, 3}, {20, 3},
                 {20.1, 4}, {28, 4}, {28.1, 5}, {36, 5}, {36.1, 6}};
  for (const auto& k : klassen) EXPECT_EQ(Handicapklasse(k.h), k.klasse) << k.h;
  EXPECT_EQ(Handicapklasse(std::nan("")), 0);
  // Whole handicap and playing handicap round halves to the even neighbour, plus
  // handicaps as well.
  EXPECT_EQ(GanzesHandicap(16.5), 16);
  EXPECT_EQ(GanzesHandicap(17.5), 18);
  EXPECT_EQ(GanzesHandicap(-1.5), -2);
  EXPECT_EQ(GanzesHandicap(16.3), 16);
  EXPECT_EQ(BerechneSpielvorgabe(12.5, 113, 72, 72), 12);
  EXPECT_EQ(BerechneSpielvorgabe(-1.5, 113, 72, 72), -2);
  EXPECT_EQ(BerechneSpielvorgabe(18.4, 125, 71.2, 72), 20);
  EXPECT_EQ(BerechneSpielvorgabe(36, 140, 74.5, 72), 47);
}

TEST(Scorezahltexte, StandardUndProzent) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ZahlStandardText(240), "240");
  EXPECT_EQ(ZahlStandardText(245.5), "245,5");
  EXPECT_EQ(ZahlStandardText(-3), "-3");
  EXPECT_EQ(ZahlStandardText(1250), "1250");  // no group separator
  EXPECT_EQ(ProzentText(2, 3), "66,7");
  EXPECT_EQ(ProzentText(1, 2), "50");
  EXPECT_EQ(ProzentText(5, 5), "100");
  EXPECT_EQ(ProzentText(0, 7), "0");
  // Ties at the first decimal go to the even neighbour.
  EXPECT_EQ(ProzentText(1, 16), "6,2");
  EXPECT_EQ(ProzentText(3, 16), "18,8");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(ProzentText(2, 3), "66.7");
}

TEST(Stablefordfarben, NachPunkten) {
  auto f = [](const char* t) { return GibStablefordFarbe(QString::fromLatin1(t)); };
  EXPECT_EQ(f("7").Hintergrund, 0xFF8080);
  EXPECT_EQ(f("7").Text, 0xFFFFFF);
  EXPECT_EQ(f("6").Hintergrund, 0xFF8080);
  EXPECT_EQ(f("5").Hintergrund, 0xFF0000);
  EXPECT_EQ(f("5").Text, 0xFFFFFF);
  EXPECT_EQ(f("4").Hintergrund, 0x00FFFF);
  EXPECT_EQ(f("4").Text, 0x000000);
  EXPECT_EQ(f("3").Hintergrund, 0x0000FF);
  EXPECT_EQ(f("2").Hintergrund, 0xC0C0C0);
  EXPECT_EQ(f("1").Hintergrund, 0x808080);
  EXPECT_EQ(f("1").Text, 0xFFFFFF);
  EXPECT_EQ(f("0").Hintergrund, 0x000000);
  EXPECT_EQ(f("0").Text, 0xFFFFFF);
  EXPECT_EQ(f("-1").Hintergrund, 0x000000);
  EXPECT_EQ(f("").Hintergrund, 0xC0C0C0);
  EXPECT_EQ(f("").Text, 0x000000);
}

// With the language service: the one message of the per-hole formulas and the error box.
class SonstigeSchlaege : public TestUmgebung {};

TEST_F(SonstigeSchlaege, ZaehltDieUebrigenSchlaege) {
  KartenLoch l;
  l.Score = "5";
  l.Abschlag = "1";
  l.Chip = 1;
  l.Putts = "2";
  EXPECT_EQ(BerechneSonstige(l), 1);
  l.Bunker = "1";
  EXPECT_EQ(BerechneSonstige(l), 0);
  l.Bunker = "";
  l.Strafschlag = "1";
  EXPECT_EQ(BerechneSonstige(l), 0);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(SonstigeSchlaege, FehlendeOderUngueltigeEintraegeGebenMinusEins) {
  KartenLoch l;
  l.Score = "5";
  l.Abschlag = "1";
  l.Putts = "";
  EXPECT_EQ(BerechneSonstige(l), -1);
  l.Putts = "2";
  l.Score = "-";
  EXPECT_EQ(BerechneSonstige(l), -1);
  l.Score = "5";
  l.Abschlag = "";
  EXPECT_EQ(BerechneSonstige(l), -1);
  l.Abschlag = "1";
  l.Bunker = "x";
  EXPECT_EQ(BerechneSonstige(l), -1);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

// The formula only reports the excess; the scorecard window shows message 45 for it.
TEST_F(SonstigeSchlaege, ZuVieleSchlaegeMeldenUeberScore) {
  KartenLoch l;
  l.Score = "3";
  l.Abschlag = "1";
  l.Putts = "3";
  EXPECT_EQ(BerechneSonstige(l), SONSTIGE_UEBER_SCORE);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(SonstigeSchlaege, GIRMitUngueltigemTextMeldetTypfehler) {
  Antworte({ANTWORT_OK});
  const GIRWerte g = BerechneGIR("x", 2, 18, 1, 4);
  EXPECT_EQ(g.GIRBrutto, 0);
  EXPECT_EQ(g.GIRNetto, 0);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].titel, PRODUKTTITEL);
}

TEST(PlusHandicap, TypedAndShownWithItsSign) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  double h = 0;
  EXPECT_TRUE(HandicapZuZahl("+1,2", h));
  EXPECT_DOUBLE_EQ(h, -1.2);
  EXPECT_TRUE(HandicapZuZahl("36", h));
  EXPECT_DOUBLE_EQ(h, 36.0);
  EXPECT_FALSE(HandicapZuZahl("+x", h));
  EXPECT_FALSE(HandicapZuZahl("+-3", h));
  EXPECT_EQ(HandicapAlsText(-1.2), "+1,2");
  EXPECT_EQ(HandicapAlsText(4.5), "4,5");
  EXPECT_EQ(HandicapAlsText(0), "0");
  // A plus handicap belongs to the lowest class: below 36 points it rises by 0.1.
  double plus = -1.2;
  EXPECT_NEAR(BerechneHandicap(plus, 30), -1.1, 1e-9);
}
