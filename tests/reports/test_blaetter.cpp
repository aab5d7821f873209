// The scorecard sheet, the two statistics sheets, the blank course cards and the
// tournament sheet: what they take from the windows on screen, the colours and hidden
// marks, the print and preview commands and the PDFs read back.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

#include "Musterkarte.h"
#include "Probehauptfenster.h"
#include "TestUmgebung.h"
#include "data/Global.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Kartenschnappschuss.h"
#include "forms/Turnier.h"
#include "forms/frmScorekarteDetails.h"
#include "language/Sprachumschaltung.h"
#include "pdf.h"
#include "platform/Befehlswege.h"
#include "platform/widgets/Drucker.h"
#include "platform/widgets/Farben.h"
#include "reports/Auswertungsblatt.h"
#include "reports/Scorekartenblatt.h"
#include "shell/Befehle.h"
#include "shell/Dialogfenster.h"
#include "shell/Modal.h"

namespace {
void Kombi(QComboBox* c, const QString& t) {
  if (c->isEditable()) {
    c->setEditText(t);
  } else {
    c->addItem(t);
    c->setCurrentText(t);
  }
}

class Blaetter : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    DruckerFreigeben();
    SetzeHauptfenster(&haupt);
    AktiverGolfer.Golferidn = "1";
    FairwaytrefferPar3 = DrivingDistancePar3 = "1";
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Achental')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna Beispiel', 18.4, 18, '1', 1)");
  }
  void TearDown() override {
    SetzeHauptfenster(nullptr);
    DruckerFreigeben();
    TestUmgebung::TearDown();
  }
  QString Pdf(const QString& name) { return PdfZiel(Ordner(), name); }
  Golfer& g() { return GolferForm(); }

  // A card on screen: par 4 but hole 3 (par 3), a playing handicap of 18 (a stroke on
  // every hole), bogeys (net par) but hole 3 (par), hole 8 struck, hole 18 not played yet.
  void Karte(const QString& id) {
    g().SetzeKartenschluessel(id);
    g().Golfername->setText("Anna Beispiel");
    g().Datum[1]->setText("12.05.2024");
    Kombi(g().Golfplatznummer, "Achental");
    Kombi(g().Spielart, "Stableford");
    Kombi(g().TurnierNameKarte, "Frühjahrs-Cup");
    g().Slope->setText("128");
    g().CourseRating->setText("71,2");
    g().Spielvorgabe->setText("18");
    g().Vorgabewirksam->setCheckState(Qt::Checked);
    PlatzDaten platz;
    for (int i = 1; i <= 18; ++i) {
      platz.Par[i] = i == 3 ? 3 : 4;
      platz.Vorgabe[i] = i;
      g().ScoreLoch[i]->setText(i == 8 ? "-" : i == 18 ? "" : QString::number(i == 3 ? 3 : 5));
      g().PuttsLoch[i]->setText(i == 18 ? "" : "2");
      g().DistanceLoch[i]->setText(i == 1 ? "230" : "");
      g().FairwaytrefferLoch[i]->setCheckState(i == 1 || i == 3 ? Qt::Checked : Qt::Unchecked);
      g().ChipLoch[i]->setCheckState(i == 2 ? Qt::Checked : Qt::Unchecked);
      g().PitchLoch[i]->setCheckState(Qt::Unchecked);
    }
    g().ZeigeLochvorgaben(platz);
  }

  // A statistics window with a record cell, a cell it hides and a caption per line.
  void Statistik(Auswertungsfenster& f, Statistikart art, const QString& zeile, const QString& klasse) {
    Statistiktabelle t = LeereStatistiktabelle(art);
    for (Statistikzeile& z : t.Zeilen)
      for (int c = z.Von; c <= z.Bis; ++c) z[c].Text = KEINE_DATEN;
    (*t.Zeile(zeile))[1].Text = "4,50";
    (*t.Zeile(zeile))[2].Text = "3,75";
    (*t.Zeile(zeile))[2].Rekord = true;
    (*t.Zeile(klasse))[3].Text = "12,50";
    (*t.Zeile(art == Statistikart::Golfplatz ? "FWTLoch" : "FWTPar"))[1].Sichtbar = false;
    if (art == Statistikart::Golfplatz) (*t.Zeile("ParLoch"))[19].Text = "36";
    f.ZeigeTabelle(t);
    f.SetzeNamen("Anna Beispiel", art == Statistikart::Golfplatz ? "Achental" : "");
    f.SetzeRundenzahl(5);
    f.SetzeVorgabewirksam(true);
    AuswertungTitel = "Die letzten 5 Runden";
  }
  Probehauptfenster haupt;
};
}  // namespace

TEST_F(Blaetter, ScorecardSheetCopiesTheCardAndColoursThePoints) {
  Karte("7");
  // Net points 0 to 6 on holes 1-7 (net par 5, on hole 3 net par 4).
  const char* scores[7] = {"7", "6", "4", "4", "3", "2", "1"};
  for (int i = 1; i <= 7; ++i) g().ScoreLoch[i]->setText(scores[i - 1]);
  KontextSeitenansicht = "Scorekarte";
  BefehlSeitenansicht();
  ASSERT_TRUE(IstFormGeladen("frmScorekarteDetails"));
  ASSERT_TRUE(IstFormGeladen("rptScorekarte"));
  rptScorekarte& r = FormInstanz<rptScorekarte>();
  EXPECT_EQ(AktiveForm, "rptScorekarte");
  EXPECT_EQ(haupt.leiste, QString(Befehlscode::Druckansicht.Leiste));
  EXPECT_EQ(haupt.menues, QString(Befehlscode::Druckansicht.Menues));

  EXPECT_EQ(r.Datum->text(), "12.05.2024");
  EXPECT_EQ(r.Golfername->text(), "Anna Beispiel");
  EXPECT_EQ(r.Golfplatz->text(), "Achental");
  EXPECT_EQ(r.Turnier->text(), "Frühjahrs-Cup");
  EXPECT_EQ(r.Slope->text(), "128");
  EXPECT_EQ(r.Course_rating->text(), "71,2");
  EXPECT_EQ(r.Vorgabewirksam->checkState(), Qt::Checked);
  // Holes as typed: a struck hole keeps its "-", a hole not played is blank. The sums are
  // the card's own: a struck hole leaves its nine and the round without a score.
  EXPECT_EQ(r.Zelle[B_SCORE][1]->text(), "7");
  EXPECT_EQ(r.Zelle[B_SCORE][8]->text(), "-");
  EXPECT_EQ(r.Zelle[B_SCORE][18]->text(), "");
  EXPECT_EQ(r.Zelle[B_SCORE][19]->text(), "0");
  EXPECT_EQ(r.Zelle[B_SCORE][20]->text(), "40");
  EXPECT_EQ(r.Zelle[B_SCORE][21]->text(), "0");
  EXPECT_EQ(r.Zelle[B_PAR][21]->text(), "71");
  EXPECT_EQ(r.Zelle[B_LAENGE][1]->text(), "230");
  EXPECT_EQ(r.Zelle[B_FAIRWAY][21]->text(), "11,8");  // 2 of 17 holes scored
  EXPECT_FALSE(r.Zelle[B_VORGABE].Hat(19));
  EXPECT_EQ(r.Kaestchen[B_FAIRWAY][1]->checkState(), Qt::Checked);
  EXPECT_EQ(r.Kaestchen[B_FAIRWAY][2]->checkState(), Qt::Unchecked);
  EXPECT_EQ(r.Kaestchen[B_CHIP][2]->checkState(), Qt::Checked);
  // Greens: two putts on a net par (hole 3) is a green in regulation net, not gross.
  EXPECT_EQ(r.Kaestchen[B_GIR_NETTO][3]->checkState(), Qt::Checked);
  EXPECT_EQ(r.Kaestchen[B_GIR_BRUTTO][3]->checkState(), Qt::Unchecked);
  EXPECT_EQ(r.Kaestchen[B_GIR_BRUTTO][4]->checkState(), Qt::Checked);
  EXPECT_EQ(r.Kaestchen[B_GIR_NETTO][1]->checkState(), Qt::Unchecked);

  // Points 0 to 6 on holes 1-7 in their colours; the empty hole and the sums stay plain.
  const long hinter[7] = {0x000000, 0x808080, 0xE0E0E0, 0x0000FF, 0x00FFFF, 0xFF0000, 0xFF0000};
  const long text[7] = {0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF};
  for (int i = 1; i <= 7; ++i) {
    QLabel* l = r.Zelle[B_STBL_NETTO][i];
    ASSERT_TRUE(l->autoFillBackground()) << i;
    EXPECT_EQ(LeseHintergrund(l), hinter[i - 1]) << i;
    EXPECT_EQ(FarbeVB(l->palette().color(l->foregroundRole())), text[i - 1]) << i;
  }
  EXPECT_EQ(LeseHintergrund(r.Zelle[B_STBL_BRUTTO][5]), 0x0000FF);  // a birdie: 3 points
  EXPECT_FALSE(r.Zelle[B_STBL_NETTO][18]->autoFillBackground());
  EXPECT_EQ(r.Zelle[B_STBL_NETTO][21]->text(), "39");
  EXPECT_FALSE(r.Zelle[B_STBL_NETTO][21]->autoFillBackground());

  // The evaluation is that of the card on the sheet; albatross and eagle cells without a
  // par group that allows them stay blank.
  const Kartenauswertung e = WerteKarteAus(LiesKarteVomBildschirm(), true, true);
  for (int z = 0; z < KARTENZEILEN; ++z)
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(r.Auswertung[z][k]->text(), e.Zelle[z][k]) << z << k;
  EXPECT_EQ(r.Auswertung[Z_FWTREFFER][1]->text(), e.Zelle[Z_FWTREFFER][1]);
  EXPECT_FALSE(r.Auswertung[Z_FWTREFFER][1]->text().isEmpty());
  EXPECT_EQ(r.Histogramm[K_BOO][2]->text(), e.Histogramm[K_BOO][2]);
  EXPECT_EQ(r.Histogramm[K_ALB][1]->text(), "");
  EXPECT_EQ(r.Histogramm[K_ALB][2]->text(), "");
  EXPECT_EQ(r.Histogramm[K_EAG][1]->text(), "");

  // Closing the sheet closes the detail window with it.
  r.Schliessen();
  EXPECT_FALSE(IstFormGeladen("frmScorekarteDetails"));
}

TEST_F(Blaetter, ScorecardSheetNeverMixesTwoCards) {
  Karte("7");
  g().ScoreLoch[8]->setText("5");
  g().ScoreLoch[18]->setText("5");
  // The detail window keeps its figures while the same card is changed on screen.
  ZeigeDetails();
  frmScorekarteDetails& d = FormInstanz<frmScorekarteDetails>();
  const QString vorher = d.ScoreBrutto[2]->text();
  ASSERT_EQ(vorher, "5,00");
  for (int i : {1, 2, 4, 5}) g().ScoreLoch[i]->setText("8");
  KontextSeitenansicht = "Scorekarte";
  BefehlSeitenansicht();
  rptScorekarte& r = FormInstanz<rptScorekarte>();
  const Kartenauswertung e = WerteKarteAus(LiesKarteVomBildschirm(), true, true);
  EXPECT_EQ(r.Zelle[B_SCORE][5]->text(), "8");
  EXPECT_EQ(r.Auswertung[Z_SCORE_BRUTTO][2]->text(), e.Zelle[Z_SCORE_BRUTTO][2]);
  EXPECT_NE(r.Auswertung[Z_SCORE_BRUTTO][2]->text(), vorher);
  // An open sheet is a snapshot.
  g().ScoreLoch[5]->setText("4");
  EXPECT_EQ(r.Zelle[B_SCORE][5]->text(), "8");
}

TEST_F(Blaetter, ScorecardSheetPar3SettingsAndEnglishHeader) {
  Karte("7");
  // Every fairway hit: the totals of the evaluation fill their cells ("100,00").
  for (int i = 1; i <= 18; ++i) g().FairwaytrefferLoch[i]->setCheckState(Qt::Checked);
  FairwaytrefferPar3 = "0";
  DrivingDistancePar3 = "0";
  Sprachnummer = 2;
  rptScorekarte& r = FormInstanz<rptScorekarte>();
  EXPECT_EQ(r.Auswertung[Z_FWTREFFER][1]->text(), "");
  EXPECT_EQ(r.Auswertung[Z_ABSC][1]->text(), "");
  EXPECT_EQ(r.Auswertung[Z_SCORE_BRUTTO][1]->text(), "3,00");
  EXPECT_EQ(r.Golfername->x(), TwipsZuPixel(5050));
  EXPECT_EQ(r.Label38->x(), TwipsZuPixel(9150));
  EXPECT_EQ(r.Label38->text(), "Counts for handicap");

  // The open sheet printed in English.
  KontextDrucken = "Scorekarte";
  const QString pfad = Pdf("scorecard_en.pdf");
  BefehlDrucken();
  const QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_FALSE(PdfQuer(pfad));
  for (const char* t :
       {"Counts for handicap", "Gross Stableford", "Long game", "Playing handicap:", "Anna Beispiel", "Achental"})
    EXPECT_TRUE(seiten[0].contains(t)) << t;
  // The longer English captions keep clear of their values, and each unit of its value.
  const QList<PdfWort> woerter = PdfWoerter(pfad).value(0);
  int geprueft = 0;
  for (const PdfWort& w : woerter) {
    if (w.text != "%" && w.text != "Achental" && w.text != "Frühjahrs-Cup") continue;
    double luecke = 1e9;  // points to the word before on its line
    for (const PdfWort& v : woerter)
      if (std::abs(v.mitteY() - w.mitteY()) < 3 && v.x1 <= w.x0 + 0.5) luecke = std::min(luecke, w.x0 - v.x1);
    EXPECT_GT(luecke, w.text == "%" ? 3.0 : 4.0) << w.text.toStdString() << " " << w.mitteY();
    ++geprueft;
  }
  EXPECT_EQ(geprueft, 12);
}

TEST_F(Blaetter, ScorecardPrintedOnOnePortraitPage) {
  Karte("7");
  KontextDrucken = "Scorekarte";
  SetzeDruckerAusrichtung(QUERFORMAT);
  const QString pfad = Pdf("scorekarte.pdf");
  BefehlDrucken();
  EXPECT_FALSE(IstFormGeladen("rptScorekarte"));
  EXPECT_FALSE(IstFormGeladen("frmScorekarteDetails"));
  // No orientation of its own: the printer's, unchanged.
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);
  QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  for (const char* t : {"Anna Beispiel", "Achental", "Frühjahrs-Cup", "Stableford brutto", "Lange Schläge", "40", "71",
                        "Triplebogey", "Zantro Puttwise!"})
    EXPECT_TRUE(seiten[0].contains(QString::fromUtf8(t))) << t;

  // With the preview open: printed as it is, and left open.
  SetzeDruckerAusrichtung(HOCHFORMAT);
  KontextSeitenansicht = "Scorekarte";
  BefehlSeitenansicht();
  g().Golfername->setText("Berta");
  const QString offen = Pdf("offen.pdf");
  BefehlDrucken();
  EXPECT_TRUE(IstFormGeladen("rptScorekarte"));
  seiten = PdfSeiten(offen);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_FALSE(PdfQuer(offen));
  EXPECT_TRUE(seiten[0].contains("Anna Beispiel"));
}

TEST_F(Blaetter, CourseStatisticsSheetCopiesCellsColoursAndCountMarks) {
  AuswertungGolfplatz& f = AuswertungGolfplatzForm();
  Statistik(f, Statistikart::Golfplatz, "ScoreLoch", "BirdieLoch");
  KontextSeitenansicht = "AuswertungGolfplatz";
  BefehlSeitenansicht();
  ASSERT_TRUE(IstFormGeladen("rptAuswertungS1"));
  rptAuswertungS1& s = FormInstanz<rptAuswertungS1>();
  EXPECT_EQ(AktiveForm, "rptAuswertungS1");
  EXPECT_EQ(haupt.leiste, QString(Befehlscode::Druckansicht.Leiste));
  EXPECT_EQ(s.AwBez->text(), "Die letzten 5 Runden");
  EXPECT_EQ(s.Golfername->text(), "Anna Beispiel");
  EXPECT_EQ(s.Golfplatz->text(), "Achental");
  EXPECT_EQ(s.anzahl_runden->text(), "5");
  EXPECT_EQ(s.VW->checkState(), Qt::Checked);
  EXPECT_EQ(s.Zellen("ScoreLoch")[1]->text(), "4,50");
  EXPECT_EQ(s.Zellen("ScoreLoch")[21]->text(), KEINE_DATEN);
  EXPECT_EQ(s.Zellen("Birdie")[3]->text(), "12,50");
  EXPECT_EQ(s.Zellen("ParLoch")[19]->text(), "36");
  // A new record prints highlighted; a grey cell prints white.
  EXPECT_EQ(LeseHintergrund(s.Zellen("ScoreLoch")[2]), FARBE_NEUER_REKORD);
  EXPECT_FALSE(s.Zellen("ScoreLoch")[1]->autoFillBackground());
  // A cell the window does not show is not printed.
  EXPECT_TRUE(s.Zellen("FWT")[1]->isHidden());
  EXPECT_FALSE(s.Zellen("FWT")[2]->isHidden());
  for (int k = 1; k <= 9; ++k) EXPECT_FALSE(s.Loch[k]->isHidden()) << k;
  s.Schliessen();

  // The count view: the "%" signs of the result classes are missing on the sheet.
  f.ZeigeZahlen(true);
  rptAuswertungS1& z = FormInstanz<rptAuswertungS1>();
  for (int k = 1; k <= 9; ++k) EXPECT_TRUE(z.Loch[k]->isHidden()) << k;
  EXPECT_FALSE(z.Loch[10]->isHidden());
  EXPECT_FALSE(z.Loch[0]->isHidden());
}

TEST_F(Blaetter, StatisticsSheetTakesTheWholeNamesTheWindowShortens) {
  AuswertungGolfplatz& f = AuswertungGolfplatzForm();
  Statistik(f, Statistikart::Golfplatz, "ScoreLoch", "BirdieLoch");
  const QString golfer = "Anna-Katharina Beispiel-Mustermann von Achenbach zu Hohenschwangau und Oberammergau-Garmisch";
  const QString platz = "Golfclub Achental am Chiemsee Meisterschaftsplatz Nord";
  f.Zeige();
  f.SetzeNamen(golfer, platz);
  ASSERT_NE(f.findChild<QLabel*>("Golfername")->text(), golfer);  // shortened in the window
  KontextSeitenansicht = "AuswertungGolfplatz";
  BefehlSeitenansicht();
  rptAuswertungS1& s = FormInstanz<rptAuswertungS1>();
  EXPECT_EQ(s.Golfername->text(), golfer);
  EXPECT_EQ(s.Golfplatz->text(), platz);
}

TEST_F(Blaetter, CourseStatisticsPrintedInLandscapeAndThePrinterKeepsItsOrientation) {
  Statistik(AuswertungGolfplatzForm(), Statistikart::Golfplatz, "ScoreLoch", "BirdieLoch");
  // Another golfer is active now, and the golfer window shows him: the sheet names the
  // golfer of the analysis.
  g().Golfername->setText("Bernd Clausen");
  AktiverGolfer.Golferidn = "2";
  AktiverGolfer.Golfername = "Bernd Clausen";
  SetzeDruckerAusrichtung(HOCHFORMAT);
  KontextDrucken = "AuswertungGolfplatz";
  const QString pfad = Pdf("s1.pdf");
  BefehlDrucken();
  QStringList golfer;
  for (const PdfWort& w : PdfZeile(PdfWoerter(pfad).value(0), "Golfer:")) golfer << w.text;
  EXPECT_EQ(golfer.mid(0, 3).join(' '), "Golfer: Anna Beispiel");
  AktiverGolfer = {};
  AktiverGolfer.Golferidn = "1";
  EXPECT_FALSE(IstFormGeladen("rptAuswertungS1"));
  EXPECT_EQ(DruckerAusrichtung(), HOCHFORMAT);
  const QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(PdfQuer(pfad));
  for (const char* t : {"Die letzten 5 Runden", "Anna Beispiel", "Achental", "4,50", "12,50", "Putt pro G.i.R.",
                        "+ Triplebogey", "10-18"})
    EXPECT_TRUE(seiten[0].contains(QString::fromUtf8(t))) << t;

  // A later printout comes out in the portrait orientation chosen before.
  const QString danach = Pdf("danach.pdf");
  KontextDrucken = "AuswertungAllgemein";
  BefehlDrucken();
  EXPECT_FALSE(PdfQuer(danach));
}

TEST_F(Blaetter, AllCoursesSheetCopiesItsWindowAndHidesRoundCellsOfTheCountView) {
  AuswertungAllgemein& f = AuswertungAllgemeinForm();
  Statistik(f, Statistikart::Allgemein, "ScorePar", "BirdiePar");
  rptAuswertungS2& s = FormInstanz<rptAuswertungS2>();
  EXPECT_EQ(s.Zellen("ScoreLoch")[1]->text(), "4,50");
  EXPECT_EQ(LeseHintergrund(s.Zellen("ScoreLoch")[2]), FARBE_NEUER_REKORD);
  EXPECT_EQ(s.Zellen("Birdie")[3]->text(), "12,50");
  EXPECT_TRUE(s.Zellen("FWT")[1]->isHidden());
  // No source for the first albatross and eagle cells; five-column lines have no round cell.
  EXPECT_EQ(s.Zellen("Albatross")[1]->text(), "");
  EXPECT_EQ(s.Zellen("Albatross")[2]->text(), "");
  EXPECT_EQ(s.Zellen("Eagle")[1]->text(), "");
  EXPECT_EQ(s.Zellen("Albatross")[3]->text(), KEINE_DATEN);
  EXPECT_FALSE(s.Zellen("Gesamt").Hat(6));
  EXPECT_FALSE(s.Zellen("HiO")[6]->isHidden());
  EXPECT_EQ(s.Label37->x(), TwipsZuPixel(7950));
  s.Schliessen();

  f.ZeigeZahlen(true);
  Sprachnummer = 2;
  rptAuswertungS2& z = FormInstanz<rptAuswertungS2>();
  for (const char* zeile :
       {"HiO", "Albatross", "Eagle", "Birdie", "Par_2", "Bogey", "DBogey", "TrBogey", "GrTrBogey"}) {
    EXPECT_TRUE(z.Zellen(zeile)[6]->isHidden()) << zeile;
    EXPECT_FALSE(z.Zellen(zeile)[5]->isHidden()) << zeile;
  }
  for (int k = 1; k <= 9; ++k) EXPECT_TRUE(z.Loch[k]->isHidden()) << k;
  EXPECT_FALSE(z.Zellen("ScoreLoch")[6]->isHidden());
  // The English caption of the rounds moves left.
  EXPECT_EQ(z.Label37->x(), TwipsZuPixel(6700));
  EXPECT_EQ(z.Label37->width(), TwipsZuPixel(2800));
  EXPECT_EQ(z.Golfername->width(), TwipsZuPixel(3800));

  // Printed in the printer's orientation, English, one page.
  SetzeDruckerAusrichtung(HOCHFORMAT);
  KontextDrucken = "AuswertungAllgemein";
  const QString pfad = Pdf("s2.pdf");
  BefehlDrucken();
  EXPECT_TRUE(IstFormGeladen("rptAuswertungS2"));  // the open sheet is printed and stays
  const QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_FALSE(PdfQuer(pfad));
  for (const char* t : {"Rounds evaluated", "All scores", "Anna Beispiel", "4,50", "Round"})
    EXPECT_TRUE(seiten[0].contains(t)) << t;
}

TEST_F(Blaetter, EveryPrintoutAsksForAFileOfItsOwnNamedAfterIt) {
  Karte("7");
  Statistik(AuswertungGolfplatzForm(), Statistikart::Golfplatz, "ScoreLoch", "BirdieLoch");
  Statistik(AuswertungAllgemeinForm(), Statistikart::Allgemein, "ScorePar", "BirdiePar");
  const QString karte = Pdf("karte.pdf");
  const QString platz = Pdf("platz.pdf");
  const QString allgemein = Pdf("allgemein.pdf");
  for (const char* kontext : {"Scorekarte", "AuswertungGolfplatz", "AuswertungAllgemein"}) {
    KontextDrucken = kontext;
    ToolbarButtonClick(7);
  }
  // Three dialogs in the interface language, each proposing its printout's name and what
  // it shows in the documents folder.
  ASSERT_EQ(Dlg().dateiDialoge.size(), 3);
  for (const QString& titel : Dlg().dateiDialoge) EXPECT_EQ(titel, SPU().GibTranslation(1855));
  QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(ordner).exists()) ordner = QDir::homePath();
  const QStringList namen{"Puttwise - Scorekarte Anna Beispiel 12.05.2024",
                          "Puttwise - Platzstatistik Anna Beispiel Achental", "Puttwise - Statistik Anna Beispiel"};
  EXPECT_EQ(Dlg().vorschlaege,
            QStringList({QDir(ordner).filePath(namen[0] + ".pdf"), QDir(ordner).filePath(namen[1] + ".pdf"),
                         QDir(ordner).filePath(namen[2] + ".pdf")}));
  // The same name is each PDF's title.
  EXPECT_EQ(QStringList({PdfTitel(karte), PdfTitel(platz), PdfTitel(allgemein)}), namen);
  // Each file holds its own printout: none was written over by the next.
  QStringList s = PdfSeiten(karte);
  ASSERT_EQ(s.size(), 1);
  EXPECT_FALSE(PdfQuer(karte));
  for (const char* t : {"Anna Beispiel", "Achental", "12.05.2024", "Stableford brutto"})
    EXPECT_TRUE(s[0].contains(t)) << t;
  s = PdfSeiten(platz);
  ASSERT_EQ(s.size(), 1);
  EXPECT_TRUE(PdfQuer(platz));
  EXPECT_TRUE(s[0].contains("Achental"));
  EXPECT_FALSE(s[0].contains("Stableford brutto"));
  s = PdfSeiten(allgemein);
  ASSERT_EQ(s.size(), 1);
  EXPECT_FALSE(PdfQuer(allgemein));
  EXPECT_TRUE(s[0].contains("Anna Beispiel"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Blaetter, ScorecardSheetSaysWhatTheEvaluationCouldNotReadAndPrintsSumsWhole) {
  Karte("7");
  for (int i = 1; i <= 9; ++i) g().DistanceLoch[i]->setText(QString::number(229 + 2 * i) + ",5");
  g().DistanceLoch[10]->setText("199,9");
  auto kritisch = [this] {
    QStringList k;
    for (const auto& b : Dlg().gezeigt)
      if (b.stil == STIL_KRITISCH) k << b.text;
    return k;
  };
  // Every text fits its cell, the long sums included.
  KontextSeitenansicht = KontextDrucken = "Scorekarte";
  BefehlSeitenansicht();
  ASSERT_TRUE(IstFormGeladen("rptScorekarte"));
  for (QLabel* l : FormInstanz<rptScorekarte>().Blatt()->findChildren<QLabel*>())
    EXPECT_LE(QFontMetricsF(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
  const QString pfad = Pdf("summen.pdf");
  BefehlDrucken();
  const QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(seiten[0].contains("239,5"));  // holes 1-9
  EXPECT_TRUE(seiten[0].contains("235,5"));  // all holes
  EntladeForm("rptScorekarte");

  // The detail window is open on the card while it still reads; then a par goes missing
  // on a played hole. Printing evaluates the card anew: the fault is said once.
  FormInstanz<frmScorekarteDetails>().Zeige();
  ASSERT_TRUE(Dlg().gezeigt.empty());
  g().ZeigeLochvorgaben(std::nullopt);
  Antworte({1});
  BefehlSeitenansicht();
  EXPECT_EQ(kritisch(), QStringList({"Typen unverträglich"}));
  // The sheet stays open with the card copied whole.
  ASSERT_TRUE(IstFormGeladen("rptScorekarte"));
  rptScorekarte& r = FormInstanz<rptScorekarte>();
  EXPECT_EQ(r.Golfername->text(), "Anna Beispiel");
  EXPECT_EQ(r.Zelle[B_LAENGE][1]->text(), "231,5");

  // Opened with the sheet, the detail window says it, and the sheet does not again.
  EntladeForm("rptScorekarte");
  ASSERT_FALSE(IstFormGeladen("frmScorekarteDetails"));
  Dlg().gezeigt.clear();
  Antworte({1});
  BefehlSeitenansicht();
  EXPECT_EQ(kritisch(), QStringList({"Typen unverträglich"}));
}

namespace {
// A share in percent as the card shows it: one decimal, none when it is whole.
QString Prozent(int treffer, int basis) {
  return QString::number(std::round(treffer * 1000.0 / basis) / 10.0).replace('.', ',');
}
// The words of the one page of a printout.
QList<PdfWort> EineSeite(const QString& pdf) {
  const QList<QList<PdfWort>> seiten = PdfWoerter(pdf);
  EXPECT_EQ(seiten.size(), 1);
  return seiten.value(0);
}
// The hole grid of the scorecard sheet: the columns from the heading line ("Loch", 1 to
// 18, "1 - 9", "10-18", "Gesamt"), its 16 rows.
PdfTabelle Kartentabelle(const QList<PdfWort>& seite) {
  const QList<PdfWort> kopf = PdfZeile(seite, "Loch");
  QStringList texte;
  for (const PdfWort& w : kopf) texte << w.text;
  QStringList erwartet{"Loch"};
  for (int i = 1; i <= 18; ++i) erwartet << QString::number(i);
  erwartet += QStringList{"1", "-", "9", "10-18", "Gesamt"};
  EXPECT_EQ(texte, erwartet);
  if (texte != erwartet) return PdfTabelle({}, {}, {0, 1}, 0);
  QList<double> spalten;
  for (int i = 1; i <= 18; ++i) spalten << kopf[i].mitteX();
  spalten << kopf[20].mitteX() << kopf[22].mitteX() << kopf[23].mitteX();
  return PdfTabelle(seite, kopf[0], spalten, 16);
}
// The words right of the caption `beschriftung` on its line, left to right.
QString NebenDerBeschriftung(const QList<PdfWort>& seite, const QString& beschriftung) {
  const QList<PdfWort> zeile = PdfZeile(seite, beschriftung);
  QStringList t;
  for (int i = 1; i < zeile.size(); ++i) t << zeile[i].text;
  return t.join(' ');
}
}  // namespace

// The stored sample round, every entry of every hole a value of its own, is shown on the
// golfer window and printed with the Print command. Read back from the PDF by where each
// word stands, every row of the hole grid holds each hole's value in that hole's column
// and the sums of holes 1-9, 10-18 and all holes in their columns, hand-computed here.
TEST_F(Blaetter, TheSampleCardIsPrintedEntryByEntryEachInItsColumn) {
  using namespace Muster;
  const Zeile platz = Platz("2", "Musterplatz");
  Sql(platz.Sql, platz.Werte);
  // A playing handicap of 9: one stroke on the holes of stroke index 1 to 9.
  const Zeile runde = Runde({"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum", "Spielart", "AktHdcp"},
                            {"1", "1", "2", "2024-05-02", "2", 9});
  Sql(runde.Sql, runde.Werte);
  g().Zeige();
  g().TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  ASSERT_EQ(g().Kartenschluessel(), "1");
  ASSERT_EQ(KontextDrucken, "Scorekarte");
  const QString pdf = Pdf("musterkarte.pdf");
  ToolbarButtonClick(7);
  ASSERT_TRUE(Dlg().gezeigt.empty());
  const PdfTabelle t = Kartentabelle(EineSeite(pdf));
  ASSERT_EQ(t.Zeilen(), 16);

  // Per row the holes' values (empty for the check-box rows) and the three sums.
  auto neun = [](int i) { return i <= 9 ? 0 : 1; };
  auto summen = [&](auto wert) {
    std::array<int, 3> s{};
    for (int i = 1; i <= 18; ++i) {
      s[neun(i)] += wert(i);
      s[2] += wert(i);
    }
    return QStringList({QString::number(s[0]), QString::number(s[1]), QString::number(s[2])});
  };
  // Shares of the holes that count (`basis`) that hit.
  auto anteile = [&](auto basis, auto treffer) {
    std::array<int, 3> b{}, h{};
    for (int i = 1; i <= 18; ++i)
      if (basis(i)) {
        for (int k : {neun(i), 2}) {
          ++b[k];
          h[k] += treffer(i) ? 1 : 0;
        }
      }
    return QStringList({Prozent(h[0], b[0]), Prozent(h[1], b[1]), Prozent(h[2], b[2])});
  };
  auto nettoPar = [](int i) { return PAR[i] + (VORGABE[i] <= 9 ? 1 : 0); };
  auto punkte = [](int score, int par) { return std::max(0, 2 + par - score); };
  auto alle = [](int) { return true; };
  auto geputtet = [](int i) { return PUTTS[i] >= 1; };
  struct Reihe {
    QString beschriftung;
    std::function<QString(int)> loch;  // null: a check box
    QStringList summen;
  };
  auto zahl = [](auto wert) { return [wert](int i) { return QString::number(wert(i)); }; };
  const QList<Reihe> reihen = {
      {"Par", zahl([](int i) { return PAR[i]; }), summen([](int i) { return PAR[i]; })},
      {"Vorgabe", zahl([](int i) { return VORGABE[i]; }), {"", "", ""}},
      {"Score", zahl(Score), summen(Score)},
      {"Abschläge", zahl([](int i) { return ABSCHLAG[i]; }), summen([](int i) { return ABSCHLAG[i]; })},
      {"Fairwaytreffer", nullptr, anteile(alle, [](int i) { return FAIRWAY[i]; })},
      {"Abschlaglänge", zahl(Distanz), {"215", "242", "228,5"}},
      {"Chip", nullptr, anteile([&](int i) { return CHIP[i] && geputtet(i); }, [](int i) { return PUTTS[i] == 1; })},
      {"Pitch", nullptr, anteile([&](int i) { return PITCH[i] && geputtet(i); }, [](int i) { return PUTTS[i] == 1; })},
      {"Putt", zahl([](int i) { return PUTTS[i]; }), summen([](int i) { return PUTTS[i]; })},
      {"Sand Saves", zahl([](int i) { return BUNKER[i]; }),
       anteile([&](int i) { return BUNKER[i] >= 1 && geputtet(i); },
               [](int i) { return PUTTS[i] <= 1 && BUNKER[i] == 1; })},
      {"Strafschläge", zahl([](int i) { return STRAF[i]; }), summen([](int i) { return STRAF[i]; })},
      {"Sonstige", zahl([](int i) { return SONSTIGE[i]; }), summen([](int i) { return SONSTIGE[i]; })},
      {"Grün regulär netto", nullptr,
       anteile(alle, [&](int i) { return geputtet(i) && Score(i) - PUTTS[i] <= nettoPar(i) - 2; })},
      {"Grün regulär brutto", nullptr,
       anteile(alle, [&](int i) { return geputtet(i) && Score(i) - PUTTS[i] <= PAR[i] - 2; })},
      {"Stableford netto", zahl([&](int i) { return punkte(Score(i), nettoPar(i)); }),
       summen([&](int i) { return punkte(Score(i), nettoPar(i)); })},
      {"Stableford brutto", zahl([&](int i) { return punkte(Score(i), PAR[i]); }),
       summen([&](int i) { return punkte(Score(i), PAR[i]); })},
  };
  for (int z = 0; z < reihen.size(); ++z) {
    const Reihe& r = reihen[z];
    SCOPED_TRACE(r.beschriftung.toStdString());
    // The caption as printed (a ligature may join two letters).
    EXPECT_TRUE(t.Beschriftung(z).startsWith(r.beschriftung.left(4))) << t.Beschriftung(z).toStdString();
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(t.Zelle(z, i - 1), r.loch ? r.loch(i) : QString()) << "hole " << i;
    for (int s = 0; s < 3; ++s) EXPECT_EQ(t.Zelle(z, 18 + s), r.summen[s]) << "sum " << s;
  }

  // An entry the card's rules refuse, typed into a putts box with the keys, is judged as
  // Print is pressed and printed as the box then shows it, with what it held before (here
  // the stored putts), and the sums count that; par comes from the card's course, not from
  // its caption.
  g().PuttsLoch[4]->setFocus();
  g().PuttsLoch[4]->selectAll();
  QTest::keyClicks(QApplication::focusWidget(), "x");
  ASSERT_EQ(g().PuttsLoch[4]->text(), "x");
  g().ParLoch[1]->setText("9");
  const QString abgelehnt = Pdf("abgelehnt.pdf");
  Antworte({ANTWORT_OK});
  ToolbarButtonClick(7);
  const PdfTabelle x = Kartentabelle(EineSeite(abgelehnt));
  EXPECT_EQ(x.Zelle(B_PUTT, 3), QString::number(PUTTS[4]));
  EXPECT_EQ(x.Zelle(B_PUTT, 20), QString::number(std::accumulate(PUTTS + 1, PUTTS + 19, 0)));
  EXPECT_EQ(x.Zelle(B_PAR, 0), QString::number(PAR[1]));
  // Judged as Print is pressed: told once, as on leaving the box.
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().GibTranslation(44)});
  EXPECT_EQ(g().PuttsLoch[4]->text(), QString::number(PUTTS[4]));
}

// A score the card's rules refuse, typed over a stored one and not left as Print is pressed
// without a printer: message 44 puts the stored score back on screen, the card goes to the
// PDF with that score (what the screen shows and the file keeps), and the job is not
// cancelled.
TEST_F(Blaetter, ARefusedScoreTypedAndNotLeftIsPrintedAsTheScreenShowsItAfterTheCheck) {
  using namespace Muster;
  const Zeile platz = Platz("2", "Musterplatz");
  Sql(platz.Sql, platz.Werte);
  const Zeile runde = Runde({"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum", "Spielart", "AktHdcp"},
                            {"1", "1", "2", "2024-05-02", "2", 9});
  Sql(runde.Sql, runde.Werte);
  g().Zeige();
  g().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&g()));
  g().TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  ASSERT_EQ(g().ScoreLoch[3]->text(), QString::number(Score(3)));
  g().ScoreLoch[3]->setFocus(Qt::TabFocusReason);
  g().ScoreLoch[3]->selectAll();
  QTest::keyClicks(g().ScoreLoch[3], "0");
  const QString pdf = Pdf("null.pdf");
  Antworte({ANTWORT_OK});
  ToolbarButtonClick(7);
  QTest::qWait(0);
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().GibTranslation(44)});
  EXPECT_EQ(g().ScoreLoch[3]->text(), QString::number(Score(3)));
  ASSERT_TRUE(QFileInfo::exists(pdf));
  const PdfTabelle t = Kartentabelle(EineSeite(pdf));
  int summe = 0;
  for (int i = 1; i <= 18; ++i) summe += Score(i);
  EXPECT_EQ(t.Zelle(B_SCORE, 2), QString::number(Score(3)));
  EXPECT_EQ(t.Zelle(B_SCORE, 20), QString::number(summe));
  // The file keeps it as well.
  g().TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_EQ(SqlWert("SELECT ScoreLoch03 FROM Greenlogs").toInt(), Score(3));
}

// One statistics table of every cell a number of its own, shown in each statistics window
// and printed with the Print command: each sheet has each cell of its window's lines in
// its line and column, read back from the PDF by where the words stand.
TEST_F(Blaetter, EachStatisticsSheetPrintsEveryCellOfItsWindowInItsLineAndColumn) {
  // The window's lines in the order the sheet prints them, top to bottom.
  const QStringList proLoch = {"ParLoch",          "VorgabeLoch",     "ScoreLoch",   "BPLoch",       "FWTLoch",
                               "AbschlagLoch",     "GIRLoch",         "PuttGIRLoch", "PuttChipLoch", "PuttPitchLoch",
                               "PuttSonstigeLoch", "PuttGesamtLoch",  "BunkerLoch",  "HiOLoch",      "AlbatrossLoch",
                               "EagleLoch",        "BirdieLoch",      "Par2_Loch",   "BogeyLoch",    "DBogeyLoch",
                               "TrBogeyLoch",      "MehrTrBogeyLoch", "GesamtLoch"};
  const QStringList proPar = {
      "ScorePar",     "BruttopunktePar", "FWTPar",       "AbLänrePar", "GIRPar",    "PuttGIRPar",    "PuttChipPar",
      "PuttPitchPar", "PuttSonstigePar", "PuttGsamtPar", "BunkerPar",  "HiOPar",    "AlbatrossPar",  "EaglePar",
      "BirdiePar",    "ParPar",          "BogeyPar",     "DBogeyPar",  "TBogeyPar", "MehrTBogeyPar", "GesamtPar"};
  // Cell (line z, column c) holds 100 z + c.
  auto tabelle = [](Statistikart art, const QStringList& zeilen) {
    Statistiktabelle t = LeereStatistiktabelle(art);
    for (int z = 0; z < zeilen.size(); ++z) {
      Statistikzeile* zeile = t.Zeile(zeilen[z]);
      EXPECT_TRUE(zeile) << zeilen[z].toStdString();
      if (!zeile) continue;
      for (int c = zeile->Von; c <= zeile->Bis; ++c) (*zeile)[c].Text = QString::number(100 * (z + 1) + c);
    }
    return t;
  };
  AuswertungGolfplatzForm().ZeigeTabelle(tabelle(Statistikart::Golfplatz, proLoch));
  AuswertungAllgemeinForm().ZeigeTabelle(tabelle(Statistikart::Allgemein, proPar));
  const QString s1 = Pdf("s1.pdf");
  const QString s2 = Pdf("s2.pdf");
  for (const char* kontext : {"AuswertungGolfplatz", "AuswertungAllgemein"}) {
    KontextDrucken = kontext;
    ToolbarButtonClick(7);
  }

  auto pruefe = [](const PdfTabelle& t, const Statistiktabelle& quelle, const QStringList& zeilen) {
    ASSERT_EQ(t.Zeilen(), zeilen.size());
    for (int z = 0; z < zeilen.size(); ++z) {
      const Statistikzeile* zeile = quelle.Zeile(zeilen[z]);
      for (int c = 1; c < int(zeile->Zellen.size()); ++c)
        EXPECT_EQ(t.Zelle(z, c - 1), zeile->Hat(c) ? QString::number(100 * (z + 1) + c) : QString())
            << zeilen[z].toStdString() << " " << c;
    }
  };
  // Per course: "Loch", 1 to 18, "1 - 9", "10-18", "Gesamt".
  QList<PdfWort> seite = EineSeite(s1);
  QList<PdfWort> kopf = PdfZeile(seite, "Loch");
  ASSERT_EQ(kopf.size(), 24);
  QList<double> spalten;
  for (int i = 1; i <= 18; ++i) spalten << kopf[i].mitteX();
  spalten << kopf[20].mitteX() << kopf[22].mitteX() << kopf[23].mitteX();
  pruefe(PdfTabelle(seite, kopf[0], spalten, proLoch.size()), tabelle(Statistikart::Golfplatz, proLoch), proLoch);

  // All courses: "Par 3" to "Par 6", "Gesamt", "Runde".
  seite = EineSeite(s2);
  kopf = PdfZeile(seite, "Runde");
  ASSERT_EQ(kopf.size(), 10);
  spalten.clear();
  for (int k = 0; k < 4; ++k) spalten << (kopf[2 * k].x0 + kopf[2 * k + 1].x1) / 2;
  spalten << kopf[8].mitteX() << kopf[9].mitteX();
  pruefe(PdfTabelle(seite, kopf[0], spalten, proPar.size()), tabelle(Statistikart::Allgemein, proPar), proPar);
}

// The blank course cards print the course the editor holds: the stored course with what is
// typed over it, each hole's par and stroke index in that hole's column and the par sums;
// a stroke index that is none is not printed.
TEST_F(Blaetter, BlankCourseCardsPrintEachHolesParAndStrokeIndexInItsColumn) {
  using namespace Muster;
  const Zeile platz = Platz("2", "Musterplatz");
  Sql(platz.Sql, platz.Werte);
  GotoGolfplatz("2");
  Golfplaetze& e = GolfplaetzeForm();
  e.ParLoch(7)->setText("5");  // typed over the stored par 3
  // Typed and not left: the card prints what the editor shows after refusing them, the
  // values before the typing.
  e.VorgabeLoch(9)->setText("x");
  e.ParLoch(1)->selectAll();
  QTest::keyClicks(e.ParLoch(1), "7");
  auto par = [](int i) { return i == 7 ? 5 : PAR[i]; };
  KontextDrucken = "Golfplatz";
  const QString pdf = Pdf("kurs.pdf");
  ModalHaken() = [](Formular& f) { static_cast<frmFrage&>(f).Command2->click(); };
  BefehlDrucken();
  ModalHaken() = nullptr;
  const QList<PdfWort> seite = EineSeite(pdf);
  // The heading: "Loch", 1-9, "1 - 9", a short caption, 10-18, "10 - 18", "1 - 9", "1 - 18";
  // the columns left to right: holes 1-9, "1 - 9", holes 10-18, the three sums.
  const QList<PdfWort> kopf = PdfZeile(seite, "Loch");
  ASSERT_EQ(kopf.size(), 32);
  QList<double> spalten;
  for (int k = 1; k <= 30; ++k)
    if (k <= 9 || k == 11 || (k >= 14 && k <= 22) || k == 24 || k == 27 || k == 30) spalten << kopf[k].mitteX();
  const PdfTabelle t(seite, kopf[0], spalten, 2);
  ASSERT_EQ(t.Zeilen(), 2);
  EXPECT_EQ(t.Beschriftung(0), "Par");
  EXPECT_EQ(t.Beschriftung(1), "Vorgabe");
  auto spalte = [](int i) { return i <= 9 ? i - 1 : i; };
  int vorne = 0, hinten = 0;
  for (int i = 1; i <= 18; ++i) {
    EXPECT_EQ(t.Zelle(0, spalte(i)), QString::number(par(i))) << i;
    EXPECT_EQ(t.Zelle(1, spalte(i)), QString::number(VORGABE[i])) << i;
    (i <= 9 ? vorne : hinten) += par(i);
  }
  EXPECT_EQ(QStringList({t.Zelle(0, 9), t.Zelle(0, 19), t.Zelle(0, 20), t.Zelle(0, 21)}),
            QStringList({QString::number(vorne), QString::number(hinten), QString::number(vorne),
                         QString::number(vorne + hinten)}));
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
}

// The tournament sheet prints the tournament the editor holds, each field beside its
// caption: what is typed over the stored tournament, the course and game type chosen in
// their lists by name, the date in the interface language's form.
TEST_F(Blaetter, TournamentSheetPrintsEachFieldOfTheTournamentTheEditorHolds) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('2', 'Bergwiese')");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, GolfplatzNo, SpielartNo, TurnierHandicap, "
      "TurnierBemerkung, LochOption, SonstigeLochOption) VALUES ('1', 'Frühjahrs-Cup', '2024-04-12', '1', '5', "
      "'36', 'Kanonenstart', 2, '27')");
  GotoTurnier("1");
  Turnier& e = TurnierForm();
  e.Turniername->setText("Herbstpreis");
  e.GolfplatzNo->setCurrentIndex(e.GolfplatzNo->findText("Bergwiese"));
  ASSERT_EQ(e.GolfplatzNo->currentText(), "Bergwiese");
  KontextDrucken = "Turnier";
  const QString pdf = Pdf("turnier.pdf");
  BefehlDrucken();
  const QList<PdfWort> seite = EineSeite(pdf);
  const std::pair<QString, QString> felder[] = {
      {"Turniername:", "Herbstpreis"}, {"Datum:", "12.04.2024"},    {"Golfplatzname:", "Bergwiese"},
      {"Spielartname:", "Scramble"},   {"Turnier", "Handicap: 36"}, {"Lochzahl:", "18 36 54 72 Sonstige 27"},
      {"Bemerkung:", "Kanonenstart"}};
  for (const auto& [beschriftung, wert] : felder)
    EXPECT_EQ(NebenDerBeschriftung(seite, beschriftung), wert) << beschriftung.toStdString();
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
}
