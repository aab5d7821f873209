// The detail evaluation of one scorecard by par group and its histogram.
#include <gtest/gtest.h>

#include <QLocale>

#include "TestUmgebung.h"
#include "statistics/Kartenauswertung.h"

namespace {

// German locale; the environment gives the language texts a fault is described with.
class Kartenauswertung_ : public TestUmgebung {
 protected:
  // A card of 18 par-4 holes with stroke index = hole, nothing entered.
  static KartenSchnappschuss Karte(const QString& spielvorgabe = "0") {
    KartenSchnappschuss k;
    k.Spielvorgabe = spielvorgabe;
    for (int i = 1; i <= 18; ++i) {
      k.Loch[i].Par = "4";
      k.Loch[i].Vorgabe = QString::number(i);
    }
    return k;
  }
  static QString Z(const Kartenauswertung& e, int zeile, int spalte) { return e.Zelle[zeile][spalte]; }
};

TEST_F(Kartenauswertung_, EmptyCardShowsNoDataAndTheStartingTotals) {
  const Kartenauswertung e = WerteKarteAus(Karte(), true, true);
  EXPECT_TRUE(e.Fehler.isEmpty());
  for (int z = 0; z < KARTENZEILEN; ++z)
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(Z(e, z, k), KEINE_KARTENDATEN) << z << " " << k;
  for (int z : {Z_STBL_NETTO, Z_STBL_BRUTTO, Z_SCORE_NETTO, Z_SCORE_BRUTTO, Z_GIR_NETTO, Z_GIR_BRUTTO, Z_FWTREFFER})
    EXPECT_EQ(Z(e, z, 5), "0,00") << z;
  for (int z : {Z_ABSC, Z_PP_GIR, Z_PP_CH, Z_PP_PI, Z_PP_SO, Z_P_GES, Z_BUNKER})
    EXPECT_EQ(Z(e, z, 5), KEINE_KARTENDATEN) << z;
  for (int c = 0; c < ERGEBNISKLASSEN; ++c)
    for (int k = 1; k <= 5; ++k)
      EXPECT_EQ(e.Histogramm[c][k], HatHistogrammzelle(c, k) ? KEINE_KARTENDATEN : QString()) << c << " " << k;
}

TEST_F(Kartenauswertung_, StruckHoleSpoilsTheScoreOfItsGroupButCountsForGreens) {
  KartenSchnappschuss k = Karte();
  k.Loch[1].Par = "3";
  k.Loch[1].Score = "3";
  k.Loch[1].Putts = "2";
  k.Loch[2].Par = "3";
  k.Loch[2].Score = "4";
  k.Loch[2].Putts = "2";
  k.Loch[3].Score = "4";
  k.Loch[4].Score = "5";
  k.Loch[5].Score = "-";
  k.Loch[5].Putts = "2";
  k.Loch[4].Putts = "2";
  const Kartenauswertung e = WerteKarteAus(k, true, true);
  EXPECT_EQ(Z(e, Z_SCORE_BRUTTO, 1), "3,50");
  EXPECT_EQ(Z(e, Z_SCORE_BRUTTO, 2), KEINE_KARTENDATEN);
  EXPECT_EQ(Z(e, Z_SCORE_NETTO, 2), KEINE_KARTENDATEN);
  EXPECT_EQ(Z(e, Z_SCORE_BRUTTO, 5), KEINE_KARTENDATEN);
  EXPECT_EQ(Z(e, Z_SCORE_NETTO, 5), KEINE_KARTENDATEN);
  EXPECT_EQ(Z(e, Z_SCORE_NETTO, 1), "3,50");
  EXPECT_EQ(Z(e, Z_GIR_BRUTTO, 1), "50,00");
  // Par 4: hole 4 (5 - 2 = 3, no) and the struck hole 5: two holes, no hit.
  EXPECT_EQ(Z(e, Z_GIR_BRUTTO, 2), "0,00");
  EXPECT_EQ(Z(e, Z_GIR_BRUTTO, 5), "25,00");
  // The struck hole is worse than triple bogey.
  EXPECT_EQ(e.Histogramm[K_GRT][2], "1");
  EXPECT_EQ(e.Histogramm[K_PAR][5], "2");
}

TEST_F(Kartenauswertung_, NetValuesUseTheStrokesReceived) {
  KartenSchnappschuss k = Karte("20");  // one stroke on every hole, two on holes 1 and 2
  k.Loch[1].Score = "6";
  k.Loch[1].Putts = "2";
  k.Loch[3].Score = "5";
  k.Loch[3].Putts = "2";
  const Kartenauswertung e = WerteKarteAus(k, true, true);
  EXPECT_EQ(Z(e, Z_SCORE_BRUTTO, 2), "5,50");
  EXPECT_EQ(Z(e, Z_SCORE_NETTO, 2), "4,00");  // (6 - 2 + 5 - 1) / 2
  EXPECT_EQ(Z(e, Z_GIR_NETTO, 2), "100,00");  // 6-2-2 = 2 and 5-2-1 = 2, both <= 2
  EXPECT_EQ(Z(e, Z_GIR_BRUTTO, 2), "0,00");
}

TEST_F(Kartenauswertung_, PercentagesAndAveragesRoundHalfToEven) {
  KartenSchnappschuss k = Karte();
  for (int i = 1; i <= 3; ++i) k.Loch[i].Score = "4";
  k.Loch[1].Fairwaytreffer = 1;
  EXPECT_EQ(Z(WerteKarteAus(k, true, true), Z_FWTREFFER, 2), "33,33");
  k.Loch[2].Fairwaytreffer = 1;
  k.Loch[3].Fairwaytreffer = 2;  // greyed is no hit
  EXPECT_EQ(Z(WerteKarteAus(k, true, true), Z_FWTREFFER, 2), "66,67");

  KartenSchnappschuss d = Karte();
  const char* weiten[] = {"245", "245", "245", "246"};  // 981 m
  for (int i = 0; i < 4; ++i) d.Loch[i + 1].Distance = weiten[i];
  EXPECT_EQ(Z(WerteKarteAus(d, true, true), Z_ABSC, 2), "245,2");
  KartenSchnappschuss h = Karte();
  h.Loch[1].Distance = "245,5";  // the sum is rounded after the addition: 246
  EXPECT_EQ(Z(WerteKarteAus(h, true, true), Z_ABSC, 5), "246,0");
}

TEST_F(Kartenauswertung_, Par3SettingsHideTheirHolesAndOtherParsCountNowhere) {
  KartenSchnappschuss k = Karte();
  k.Loch[1].Par = "3";
  k.Loch[1].Score = "3";
  k.Loch[1].Distance = "150";
  k.Loch[1].Fairwaytreffer = 1;
  k.Loch[2].Score = "4";
  k.Loch[2].Distance = "250";
  k.Loch[3].Par = "7";
  k.Loch[3].Score = "7";
  k.Loch[3].Distance = "300";
  Kartenauswertung e = WerteKarteAus(k, false, false);
  EXPECT_EQ(Z(e, Z_FWTREFFER, 1), KEINE_KARTENDATEN);
  EXPECT_EQ(Z(e, Z_FWTREFFER, 5), "0,00");
  EXPECT_EQ(Z(e, Z_ABSC, 1), KEINE_KARTENDATEN);
  EXPECT_EQ(Z(e, Z_ABSC, 5), "250,0");
  EXPECT_EQ(Z(e, Z_SCORE_BRUTTO, 5), "3,50");  // the par-7 hole is left out
  e = WerteKarteAus(k, true, true);
  EXPECT_EQ(Z(e, Z_FWTREFFER, 1), "100,00");
  EXPECT_EQ(Z(e, Z_ABSC, 5), "200,0");
}

TEST_F(Kartenauswertung_, PuttsBySituationAndBunkerSaves) {
  KartenSchnappschuss k = Karte();
  auto loch = [&](int i, const char* putts, int gir, int chip, int pitch, const char* bunker) {
    k.Loch[i].Score = "4";
    k.Loch[i].Putts = putts;
    k.Loch[i].GIRBrutto = gir;
    k.Loch[i].Chip = chip;
    k.Loch[i].Pitch = pitch;
    k.Loch[i].Bunker = bunker;
  };
  loch(1, "2", 1, 0, 0, "");
  loch(2, "1", 0, 1, 0, "1");  // save
  loch(3, "3", 0, 0, 1, "0");  // no save: 3 putts
  loch(4, "0", 0, 0, 0, "0");  // save with 0 putts
  loch(5, "", 0, 0, 0, "1");   // empty putts never save
  const Kartenauswertung e = WerteKarteAus(k, true, true);
  EXPECT_EQ(Z(e, Z_PP_GIR, 2), "2,00");
  EXPECT_EQ(Z(e, Z_PP_CH, 2), "1,00");
  EXPECT_EQ(Z(e, Z_PP_PI, 2), "3,00");
  EXPECT_EQ(Z(e, Z_PP_SO, 2), "0,00");
  EXPECT_EQ(Z(e, Z_P_GES, 5), "1,50");
  EXPECT_EQ(Z(e, Z_BUNKER, 2), "50,00");
  EXPECT_EQ(Z(e, Z_BUNKER, 1), KEINE_KARTENDATEN);
}

TEST_F(Kartenauswertung_, UnreadableParStopsAtTheFirstStatisticThatReadsIt) {
  KartenSchnappschuss k = Karte();
  k.Loch[1].StblBrutto = "2";
  k.Loch[2].Score = "4";
  k.Loch[2].Par = "";
  const Kartenauswertung e = WerteKarteAus(k, true, true);
  EXPECT_FALSE(e.Fehler.isEmpty());
  EXPECT_EQ(Z(e, Z_STBL_BRUTTO, 2), "2,00");   // computed before the fault
  EXPECT_EQ(Z(e, Z_SCORE_BRUTTO, 2), "0,00");  // starting text kept
  EXPECT_EQ(Z(e, Z_ABSC, 2), "0");
  EXPECT_EQ(e.Histogramm[K_PAR][5], KEINE_KARTENDATEN);
}

TEST_F(Kartenauswertung_, HistogramClassesByPar) {
  KartenSchnappschuss k = Karte();
  auto loch = [&](int i, const char* par, const char* score) {
    k.Loch[i].Par = par;
    k.Loch[i].Score = score;
  };
  loch(1, "4", "1");    // hole in one, not an eagle
  loch(2, "5", "9");    // worse
  loch(3, "6", "9");    // triple bogey
  loch(4, "6", "2");    // albatross
  loch(5, "6", "3");    // albatross too
  loch(6, "3", "-");    // struck: worse
  loch(7, "3", "0");    // unreadable: nowhere
  loch(8, "3", "100");  // out of range: nowhere
  loch(9, "5", "3");    // eagle
  const Kartenauswertung e = WerteKarteAus(k, true, true);
  EXPECT_EQ(e.Histogramm[K_HIO][2], "1");
  EXPECT_EQ(e.Histogramm[K_HIO][5], "1");
  EXPECT_EQ(e.Histogramm[K_EAG][2], KEINE_KARTENDATEN);
  EXPECT_EQ(e.Histogramm[K_GRT][3], "1");
  EXPECT_EQ(e.Histogramm[K_TRI][4], "1");
  EXPECT_EQ(e.Histogramm[K_ALB][4], "2");
  EXPECT_EQ(e.Histogramm[K_ALB][5], "2");
  EXPECT_EQ(e.Histogramm[K_GRT][1], "1");
  EXPECT_EQ(e.Histogramm[K_GRT][5], "2");
  EXPECT_EQ(e.Histogramm[K_EAG][3], "1");
  EXPECT_EQ(e.Histogramm[K_BIR][1], KEINE_KARTENDATEN);

  // A full round of valid scores adds up to 18 in column 5.
  KartenSchnappschuss r = Karte();
  const char* scores[] = {"2", "3", "4", "5", "6", "7", "8", "9", "1", "4", "4", "5", "3", "4", "6", "4", "4", "12"};
  for (int i = 1; i <= 18; ++i) {
    r.Loch[i].Par = QString::number(3 + i % 4);
    r.Loch[i].Score = scores[i - 1];
  }
  const Kartenauswertung g = WerteKarteAus(r, true, true);
  int summe = 0;
  for (int c = 0; c < ERGEBNISKLASSEN; ++c)
    if (g.Histogramm[c][5] != KEINE_KARTENDATEN) summe += g.Histogramm[c][5].toInt();
  EXPECT_EQ(summe, 18);
}

}  // namespace
