// The whole-card recalculation: first the arithmetic on its own, then a card typed into
// the golfer window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

#include "TestUmgebung.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "platform/widgets/Farben.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

constexpr int PAR[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
constexpr int INDEX[19] = {0, 7, 3, 15, 1, 11, 5, 17, 9, 13, 8, 16, 2, 12, 4, 10, 18, 6, 14};

KartenEingabe LeereKarte(const QString& spielvorgabe = "20") {
  KartenEingabe e;
  for (int i = 1; i <= 18; ++i) {
    e.Loch[i].Par = QString::number(PAR[i]);
    e.Loch[i].Vorgabe = QString::number(INDEX[i]);
  }
  e.Spielvorgabe = spielvorgabe;
  return e;
}

// German locale; the environment gives the language texts a fault is described with.
class Kartenrechnung : public TestUmgebung {};

}  // namespace

TEST_F(Kartenrechnung, OhneEintraegeNurParsummen) {
  const KartenErgebnis r = RechneScorekarte(LeereKarte(), 0);
  ASSERT_FALSE(r.UngueltigerEintrag);
  EXPECT_TRUE(r.Fehler.isEmpty());
  EXPECT_EQ(*r.ParSummen, (Drei{"36", "36", "72"}));
  for (int i = 1; i <= 21; ++i) {
    EXPECT_TRUE(r.Score->StblBrutto[i].isEmpty());
    EXPECT_TRUE(r.Score->GPNetto[i].isEmpty());
    EXPECT_TRUE(r.Sonstige->Sonstige[i].isEmpty());
  }
  EXPECT_EQ(r.Score->GesamtScore, Drei());
  EXPECT_EQ(*r.Abschlag, Drei());
  EXPECT_EQ(*r.Fairway, Drei());
  EXPECT_EQ(r.Kurzspiel->Putts, Drei());
  EXPECT_EQ(r.Kurzspiel->GIRBruttoProzent, Drei());
  EXPECT_EQ(*r.Strafschlag, Drei());
  EXPECT_EQ(*r.Distance, Drei());
  for (int i = 1; i <= 18; ++i) EXPECT_EQ(r.Sonstige->Farbe[i], FARBE_EINTRAG);

  KartenEingabe ohnePar;
  EXPECT_EQ(*RechneScorekarte(ohnePar, 0).ParSummen, (Drei{"0", "0", "0"}));
}

TEST_F(Kartenrechnung, NichtGespieltesLoch) {
  KartenEingabe e = LeereKarte();
  e.Loch[1].Score = "4";
  e.Loch[2].Score = "99";
  e.Loch[12].Score = "6";
  const KartenErgebnis r = RechneScorekarte(e, 6);
  const auto& s = *r.Score;
  EXPECT_EQ(s.ScoreText[2], "-");
  EXPECT_EQ(s.StblBrutto[2], "0");
  EXPECT_EQ(s.StblNetto[2], "0");
  EXPECT_EQ(s.GPBrutto[2], "-1");
  EXPECT_EQ(s.GPNetto[2], "-1");
  // The nine has no valid score sum, and neither has the round; the points still count.
  EXPECT_EQ(s.GesamtScore, (Drei{"0", "6", "0"}));
  EXPECT_EQ(s.StblBrutto[19], "2");
  EXPECT_EQ(s.StblNetto[19], "3");
  EXPECT_EQ(s.StblNetto[21], "6");  // hole 12: 2 strokes on stroke index 2, net par 7
}

TEST_F(Kartenrechnung, NeunOhneScoreBleibtLeer) {
  KartenEingabe e = LeereKarte();
  e.Loch[10].Score = "5";
  e.Loch[10].Abschlag = "1";
  e.Loch[10].Putts = "2";
  const KartenErgebnis r = RechneScorekarte(e, 0);
  EXPECT_EQ(r.Score->GesamtScore, (Drei{"", "5", "5"}));
  EXPECT_TRUE(r.Score->StblBrutto[19].isEmpty());
  EXPECT_EQ(r.Score->StblBrutto[20], "1");
  EXPECT_EQ(*r.Abschlag, (Drei{"", "1", "1"}));
  EXPECT_EQ(r.Kurzspiel->Putts, (Drei{"", "2", "2"}));
  EXPECT_EQ(*r.Strafschlag, (Drei{"", "0", "0"}));
  EXPECT_EQ(r.Sonstige->Sonstige[10], "2");
  EXPECT_EQ(r.Sonstige->Sonstige[19], "");
  EXPECT_EQ(r.Sonstige->Sonstige[21], "2");
}

// Counts above the score come back as values: the hole red, its old caption kept, and how
// often the window is to show the message; the rest of the card is still summed.
TEST_F(Kartenrechnung, ZuVieleSchlaegeAlsWerte) {
  KartenEingabe e = LeereKarte();
  for (int i : {3, 14}) {
    e.Loch[i].Score = "3";
    e.Loch[i].Abschlag = "1";
    e.Loch[i].Putts = "3";
    e.Loch[i].Sonstige = "1";
  }
  e.Loch[5].Score = "6";
  e.Loch[5].Abschlag = "1";
  e.Loch[5].Putts = "2";
  const KartenErgebnis r = BerechneScorekarte(e, 0);
  ASSERT_TRUE(r.Sonstige);
  EXPECT_EQ(r.Sonstige->UeberScore, 2);
  EXPECT_EQ(r.Sonstige->Farbe[3], FARBE_EINTRAG_FEHLER);
  EXPECT_EQ(r.Sonstige->Farbe[14], FARBE_EINTRAG_FEHLER);
  EXPECT_EQ(r.Sonstige->Farbe[5], FARBE_EINTRAG);
  EXPECT_EQ(r.Sonstige->Sonstige[3], "1");
  EXPECT_EQ(r.Sonstige->Sonstige[5], "3");
  EXPECT_EQ(r.Sonstige->Sonstige[21], "3");
  EXPECT_EQ(r.Meldung, 0);
  EXPECT_FALSE(r.UngueltigerEintrag);
  e.Loch[14].Putts = "1";
  EXPECT_EQ(BerechneScorekarte(e, 0).Sonstige->UeberScore, 1);
}

TEST_F(Kartenrechnung, ScoreAendertAuchGruenInRegulation) {
  // Score 4, putts 2, par 4, stroke index 5 (hole 6), playing handicap 18.
  KartenEingabe e = LeereKarte("18");
  e.Loch[6].Putts = "2";
  e.Loch[6].Score = "4";
  const KartenErgebnis r = RechneScorekarte(e, 6);
  EXPECT_EQ(r.Score->StblBrutto[6], "2");
  EXPECT_EQ(r.Score->StblNetto[6], "3");
  EXPECT_EQ(r.Score->GPBrutto[6], "0");
  EXPECT_EQ(r.Score->GPNetto[6], "1");
  ASSERT_TRUE(r.Kurzspiel);
  EXPECT_EQ(r.Kurzspiel->GIRBrutto[6], 1);
  EXPECT_EQ(r.Kurzspiel->GIRNetto[6], 1);
  EXPECT_EQ(r.Kurzspiel->GIRBruttoProzent[0], "100");
}

TEST_F(Kartenrechnung, AbschnitteRechnenNurIhreStufen) {
  KartenEingabe e = LeereKarte();
  e.Loch[1].Score = "4";
  e.Loch[1].Abschlag = "1";
  const KartenErgebnis r = RechneScorekarte(e, 1);
  EXPECT_TRUE(r.ParSummen);
  EXPECT_FALSE(r.Score);
  EXPECT_EQ(*r.Abschlag, (Drei{"1", "", "1"}));
  EXPECT_FALSE(r.Fairway);
  EXPECT_FALSE(r.Kurzspiel);
  EXPECT_FALSE(r.Strafschlag);
  EXPECT_FALSE(r.Distance);
  EXPECT_TRUE(r.Sonstige);
}

TEST_F(Kartenrechnung, OhnePuttKeinKurzspiel) {
  KartenEingabe e = LeereKarte();
  e.Loch[1].Score = "3";
  e.Loch[1].Putts = "0";
  e.Loch[1].Chip = 1;
  e.Loch[1].Bunker = "1";
  const KartenErgebnis r = RechneScorekarte(e, 4);
  EXPECT_EQ(r.Kurzspiel->GIRBrutto[1], 0);
  EXPECT_EQ(r.Kurzspiel->GIRBruttoProzent[0], "0");
  EXPECT_EQ(r.Kurzspiel->Chip, Drei());
  EXPECT_EQ(r.Kurzspiel->Bunker, Drei());
  EXPECT_EQ(r.Kurzspiel->Putts, (Drei{"0", "", "0"}));
}

TEST_F(Kartenrechnung, DurchschnittlicheAbschlaglaenge) {
  KartenEingabe e = LeereKarte();
  e.Loch[1].Score = "4";
  e.Loch[10].Score = "4";
  e.Loch[1].Distance = "250";
  e.Loch[10].Distance = "230";
  e.Loch[2].Distance = "---";
  EXPECT_EQ(*RechneScorekarte(e, 3).Distance, (Drei{"250", "230", "240"}));
  e.Loch[11].Distance = "231";
  EXPECT_EQ((*RechneScorekarte(e, 3).Distance)[2], "237");
  // Rounded to one decimal (661 / 3), a half to the even neighbour (460.5 / 2).
  e.Loch[12].Distance = "200";
  EXPECT_EQ((*RechneScorekarte(e, 3).Distance)[1], "220,3");
  e.Loch[12].Distance.clear();
  e.Loch[11].Distance = "230,5";
  EXPECT_EQ((*RechneScorekarte(e, 3).Distance)[1], "230,2");
  // A nine without a scored hole shows no average.
  e.Loch[10].Score.clear();
  EXPECT_EQ((*RechneScorekarte(e, 3).Distance)[1], "");
}

TEST_F(Kartenrechnung, UngueltigeEingabeNurImEigenenAbschnitt) {
  KartenEingabe e = LeereKarte();
  e.Loch[3].Score = "4";
  e.Loch[5].Putts = "x";
  e.Loch[4].Distance = "10000";
  EXPECT_FALSE(RechneScorekarte(e, 1).UngueltigerEintrag);
  const KartenErgebnis r = RechneScorekarte(e, 4);
  ASSERT_TRUE(r.UngueltigerEintrag);
  EXPECT_EQ(r.UngueltigerEintrag->Art, Lochfeld::Putts);
  EXPECT_EQ(r.UngueltigerEintrag->Loch, 5);
  EXPECT_FALSE(r.ParSummen);  // nothing else is written
  // The first invalid entry in hole order wins.
  const KartenErgebnis alles = RechneScorekarte(e, 0);
  EXPECT_EQ(alles.UngueltigerEintrag->Art, Lochfeld::Distance);
  EXPECT_EQ(alles.UngueltigerEintrag->Loch, 4);
  e.Loch[1].Score = "100";
  EXPECT_EQ(RechneScorekarte(e, 6).UngueltigerEintrag->Art, Lochfeld::Score);
}

TEST_F(Kartenrechnung, BerechnungMeldetDenUngueltigenEintrag) {
  KartenEingabe e = LeereKarte();
  for (int i = 1; i <= 18; ++i) e.Loch[i].Score = "5";
  const KartenErgebnis gut = BerechneScorekarte(e, 0);
  EXPECT_EQ(gut.Meldung, 0);
  EXPECT_EQ(gut.Score->GesamtScore, (Drei{"45", "45", "90"}));
  EXPECT_EQ(gut.Score->StblNetto, RechneScorekarte(e, 0).Score->StblNetto);
  e.Loch[8].Bunker = "zwei";
  const KartenErgebnis r = BerechneScorekarte(e, 0);
  EXPECT_EQ(r.Meldung, MELDUNG_UNGUELTIGER_EINTRAG);
  ASSERT_TRUE(r.UngueltigerEintrag);
  EXPECT_EQ(r.UngueltigerEintrag->Art, Lochfeld::Bunker);
  EXPECT_EQ(r.UngueltigerEintrag->Loch, 8);
  EXPECT_FALSE(r.Score);
}

TEST_F(Kartenrechnung, FehlendeSpielvorgabeBeendetDieRechnung) {
  KartenEingabe e = LeereKarte("");
  e.Loch[1].Score = "4";
  const KartenErgebnis r = RechneScorekarte(e, 6);
  EXPECT_FALSE(r.Fehler.isEmpty());
  EXPECT_TRUE(r.ParSummen);
  EXPECT_FALSE(r.Score);
  EXPECT_FALSE(r.Sonstige);
  // Without a scored hole nothing needs the playing handicap.
  EXPECT_TRUE(RechneScorekarte(LeereKarte(""), 0).Fehler.isEmpty());
}

TEST_F(Kartenrechnung, FairwaysNurDerSichtbarenKaestchen) {
  KartenEingabe e = LeereKarte();
  for (int i = 1; i <= 9; ++i) e.Loch[i].Score = "4";
  e.Loch[1].Fairwaytreffer = 1;
  e.Loch[3].Fairwaytreffer = 1;
  e.Loch[3].FairwaySichtbar = false;  // par 3
  e.Loch[7].FairwaySichtbar = false;
  EXPECT_EQ(*RechneScorekarte(e, 2).Fairway, (Drei{"14,3", "", "14,3"}));
}

// ---------------------------------------------------------------------------------------
// The card on the golfer window.

namespace {

struct Loch {
  const char* score;
  const char* abschlag;
  bool fairway;
  const char* distance;
  bool chip, pitch;
  const char* putts;
  const char* bunker;
  const char* straf;
};

// A round with a playing handicap of 20 (two strokes on stroke index 1 and 2).
const Loch RUNDE[19] = {
    {},
    {"4", "1", true, "250", false, false, "2", "", ""},
    {"5", "1", false, "230", true, false, "1", "", ""},
    {"3", "1", false, "", false, false, "2", "", ""},
    {"7", "1", false, "240", false, true, "2", "1", "1"},
    {"4", "1", true, "260", false, false, "2", "", ""},
    {"6", "1", false, "220", true, false, "2", "", ""},
    {"2", "1", false, "", false, false, "1", "", ""},
    {"4", "1", true, "250", false, false, "1", "1", ""},
    {"5", "1", true, "300", false, true, "1", "", ""},
    {"4", "1", true, "260", false, false, "2", "", ""},
    {"4", "1", false, "", true, false, "1", "1", ""},
    {"6", "1", true, "280", false, false, "2", "", ""},
    {"5", "1", false, "250", false, false, "2", "", ""},
    {"4", "1", true, "240", false, false, "2", "", ""},
    {"5", "1", false, "250", false, true, "2", "", ""},
    {"3", "1", false, "", false, false, "2", "", ""},
    {"5", "1", true, "290", false, false, "2", "", ""},
    {"3", "1", true, "250", false, false, "1", "", ""},
};

class ScorekarteFenster : public TestUmgebung {
 protected:
  Golfer& g() { return GolferForm(); }

  void Oeffne() {
    Golfer& f = g();
    PlatzDaten platz;
    for (int i = 1; i <= 18; ++i) {
      platz.Par[i] = PAR[i];
      platz.Vorgabe[i] = INDEX[i];
      // Par-3 fairways do not count on this card.
      if (PAR[i] == 3) f.FairwaytrefferLoch[i]->hide();
    }
    f.ZeigeLochvorgaben(platz);
    f.Spielvorgabe->setText("20");
    f.Zeige();
    f.ZeigeScorekartenseite();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  }

  // Focus into a box, type, and leave it for the next one as the user does.
  void Tippe(QLineEdit* t, const char* text) {
    t->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), t) << t->objectName().toStdString();
    QTest::keyClicks(t, QString::fromUtf8(text));
    Verlasse();
  }
  void Kreuze(QCheckBox* c) {
    c->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c, Qt::Key_Space);
    Verlasse();
  }
  void Verlasse() {
    g().Spielvorgabe->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  void SpieleRunde() {
    Golfer& f = g();
    for (int i = 1; i <= 18; ++i) {
      const Loch& l = RUNDE[i];
      Tippe(f.ScoreLoch[i], l.score);
      Tippe(f.AbschlagLoch[i], l.abschlag);
      if (l.fairway) Kreuze(f.FairwaytrefferLoch[i]);
      if (*l.distance) Tippe(f.DistanceLoch[i], l.distance);
      if (l.chip) Kreuze(f.ChipLoch[i]);
      if (l.pitch) Kreuze(f.PitchLoch[i]);
      Tippe(f.PuttsLoch[i], l.putts);
      if (*l.bunker) Tippe(f.BunkerLoch[i], l.bunker);
      if (*l.straf) Tippe(f.StrafschlagLoch[i], l.straf);
    }
  }

  static QStringList Texte(QLabel* a, QLabel* b, QLabel* c) { return {a->text(), b->text(), c->text()}; }
};

}  // namespace

TEST_F(ScorekarteFenster, GanzeRundeUeberDieEingabefelder) {
  Oeffne();
  SpieleRunde();
  Golfer& f = g();
  EXPECT_TRUE(Dlg().gezeigt.empty());

  EXPECT_EQ(Texte(f.ParLoch[19], f.ParLoch[20], f.ParLoch[21]), (QStringList{"36", "36", "72"}));
  EXPECT_EQ(Texte(f.GesamtScoreLoch_1_9, f.GesamtScoreLoch_10_18, f.GesamtScore), (QStringList{"40", "39", "79"}));
  EXPECT_EQ(Texte(f.StblBruttoLoch[19], f.StblBruttoLoch[20], f.StblBruttoLoch[21]), (QStringList{"14", "15", "29"}));
  EXPECT_EQ(Texte(f.StblNettoLoch[19], f.StblNettoLoch[20], f.StblNettoLoch[21]), (QStringList{"24", "25", "49"}));
  EXPECT_EQ(Texte(f.GPBruttoLoch[19], f.GPBruttoLoch[20], f.GPBruttoLoch[21]), (QStringList{"-2", "-3", "-5"}));
  EXPECT_EQ(Texte(f.GPNettoLoch[19], f.GPNettoLoch[20], f.GPNettoLoch[21]), (QStringList{"5", "6", "11"}));
  EXPECT_EQ(Texte(f.GesamtAbschlagLoch_1_9, f.GesamtAbschlagLoch_10_18, f.GesamtAbschlag),
            (QStringList{"9", "9", "18"}));
  EXPECT_EQ(Texte(f.GesamtPuttsLoch_1_9, f.GesamtPuttsLoch_10_18, f.GesamtPutts), (QStringList{"14", "16", "30"}));
  EXPECT_EQ(Texte(f.GesamtStrafschlagLoch_1_9, f.GesamtStrafschlagLoch_10_18, f.GesamtStrafschlag),
            (QStringList{"1", "0", "1"}));
  EXPECT_EQ(Texte(f.SonstigeLoch[19], f.SonstigeLoch[20], f.SonstigeLoch[21]), (QStringList{"10", "11", "21"}));
  EXPECT_EQ(Texte(f.GesamtDistanceLoch_1_9, f.GesamtDistanceLoch_10_18, f.GesamtDistance),
            (QStringList{"250", "260", "255"}));

  // Percentages: fairways of the 14 holes whose box is shown, greens of the scored holes.
  EXPECT_EQ(Texte(f.GesamtFWT_1_9, f.GesamtFWT_10_18, f.GesamtFWT), (QStringList{"57,1", "71,4", "64,3"}));
  EXPECT_EQ(Texte(f.GIRBrutto_1_9, f.GIRBrutto_10_18, f.GIRBruttoGesamt), (QStringList{"44,4", "55,6", "50"}));
  EXPECT_EQ(Texte(f.GIRNetto_1_9, f.GIRNetto_10_18, f.GIRNettoGesamt), (QStringList{"77,8", "88,9", "83,3"}));
  EXPECT_EQ(Texte(f.GesamtChipLoch_1_9, f.GesamtChipLoch_10_18, f.GesamtChip), (QStringList{"50", "100", "66,7"}));
  EXPECT_EQ(Texte(f.GesamtPitchLoch_1_9, f.GesamtPitchLoch_10_18, f.GesamtPitch), (QStringList{"50", "0", "33,3"}));
  EXPECT_EQ(Texte(f.GesamtBunkerLoch_1_9, f.GesamtBunkerLoch_10_18, f.GesamtBunker),
            (QStringList{"50", "100", "66,7"}));

  // Single holes.
  EXPECT_EQ(f.StblBruttoLoch[4]->text(), "0");
  EXPECT_EQ(f.StblNettoLoch[4]->text(), "2");
  EXPECT_EQ(f.GPNettoLoch[6]->text(), "-1");
  EXPECT_EQ(f.SonstigeLoch[12]->text(), "3");
  EXPECT_TRUE(f.GIRNettoLoch[4]->isChecked());
  EXPECT_FALSE(f.GIRBruttoLoch[4]->isChecked());
  EXPECT_TRUE(f.GIRBruttoLoch[17]->isChecked());

  // Stableford colours and the entry colours of a hole in order.
  EXPECT_EQ(LeseHintergrund(f.StblNettoLoch[7]), 0x00FFFF);   // 4 points
  EXPECT_EQ(LeseHintergrund(f.StblBruttoLoch[7]), 0x0000FF);  // 3
  EXPECT_EQ(LeseHintergrund(f.StblBruttoLoch[1]), 0xC0C0C0);  // 2
  EXPECT_EQ(LeseHintergrund(f.StblBruttoLoch[2]), 0x808080);  // 1
  EXPECT_EQ(LeseHintergrund(f.StblBruttoLoch[4]), 0x000000);  // 0
  EXPECT_EQ(FarbeVB(f.StblBruttoLoch[4]->palette().color(QPalette::WindowText)), 0xFFFFFF);
  for (QLineEdit* t : {f.ScoreLoch[9], f.AbschlagLoch[9], f.PuttsLoch[9], f.BunkerLoch[18]})
    EXPECT_EQ(LeseHintergrund(t), 0xC0C0C0) << t->objectName().toStdString();
}

TEST_F(ScorekarteFenster, ZuVieleSchlaegeFaerbenDasLochRot) {
  Oeffne();
  Golfer& f = g();
  Antworte({ANTWORT_OK, ANTWORT_OK, ANTWORT_OK});
  Tippe(f.ScoreLoch[3], "3");
  Tippe(f.AbschlagLoch[3], "1");
  EXPECT_EQ(f.SonstigeLoch[3]->text(), "");
  Tippe(f.PuttsLoch[3], "1");
  EXPECT_EQ(f.SonstigeLoch[3]->text(), "1");
  f.PuttsLoch[3]->clear();
  Tippe(f.PuttsLoch[3], "3");
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
  EXPECT_EQ(LeseHintergrund(f.ScoreLoch[3]), 0xC0C0FF);
  EXPECT_EQ(LeseHintergrund(f.StrafschlagLoch[3]), 0xC0C0FF);
  EXPECT_EQ(LeseHintergrund(f.ScoreLoch[4]), 0xC0C0C0);
  EXPECT_EQ(f.SonstigeLoch[3]->text(), "1");  // keeps its old value
  // Every later recalculation reminds of it.
  Tippe(f.ScoreLoch[5], "4");
  EXPECT_EQ(Dlg().gezeigt.size(), 2u);
}

TEST_F(ScorekarteFenster, UngueltigerScoreWirdGeleertUndFokussiert) {
  Oeffne();
  Golfer& f = g();
  Tippe(f.ScoreLoch[1], "4");
  ASSERT_EQ(f.StblBruttoLoch[1]->text(), "2");
  Antworte({ANTWORT_OK});
  Tippe(f.ScoreLoch[2], "ab");
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
  EXPECT_TRUE(f.ScoreLoch[2]->text().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), f.ScoreLoch[2]);
  EXPECT_EQ(LeseHintergrund(f.ScoreLoch[2]), 0xFF0000);  // highlighted as the focused cell
  EXPECT_EQ(f.GesamtScore->text(), "4");
  EXPECT_EQ(f.StblBruttoLoch[2]->text(), "");
  // Only one message: moving the focus back does not recalculate the box left.
  QCoreApplication::processEvents();
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
}

TEST_F(ScorekarteFenster, StrichFuerNichtGespielt) {
  Oeffne();
  Golfer& f = g();
  Tippe(f.ScoreLoch[1], "4");
  Tippe(f.ScoreLoch[2], "99");
  EXPECT_EQ(f.ScoreLoch[2]->text(), "-");
  EXPECT_EQ(f.StblBruttoLoch[2]->text(), "0");
  EXPECT_EQ(f.GPNettoLoch[2]->text(), "-1");
  EXPECT_EQ(f.GesamtScoreLoch_1_9->text(), "0");
  EXPECT_EQ(f.GesamtScore->text(), "0");
  EXPECT_EQ(f.StblBruttoLoch[19]->text(), "2");
  EXPECT_EQ(LeseHintergrund(f.StblBruttoLoch[2]), 0x000000);
}

TEST_F(ScorekarteFenster, RahmenUndUebersetzung) {
  Sprachnummer = 2;
  Golfer& f = g();
  EXPECT_EQ(f.objectName(), "Golfer");
  EXPECT_EQ(f.TabstripGolfer->count(), 3);
  EXPECT_EQ(f.TabstripGolfer->tabText(1), "Scorecards");
  EXPECT_EQ(f.BeschreibungVariabel[1]->text(), "Tee shots");
  EXPECT_EQ(f.BeschreibungBerechnet[7]->text(), "Gross Stableford");
  EXPECT_EQ(KontextSeitenansicht, "Golfer");
  EXPECT_EQ(KontextDrucken, "Golfer");
  EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("ErgebnisÜberPar")), f.ErgebnisUeberPar);
  EXPECT_EQ(f.findChild<QLineEdit*>(QStringLiteral("ScoreLoch_18")), f.ScoreLoch[18]);
  EXPECT_EQ(f.SonstigeLoch.Anzahl(), 21);
  EXPECT_EQ(f.VorgabeLoch.Anzahl(), 18);
  AktiveForm = "Turnier";
  f.Zeige();
  EXPECT_EQ(AktiveForm, "");
}
