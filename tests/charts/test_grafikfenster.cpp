// The chart layer drawing requests, the chart computations on a small database, the
// chart window with its fifteen charts rendered offscreen, and the scorecard detail window.
#include <QApplication>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QLabel>
#include <QLayout>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <map>

#include "../reports/pdf.h"
#include "Musterkarte.h"
#include "Probehauptfenster.h"
#include "TestUmgebung.h"
#include "charts/Grafikrechnung.h"
#include "charts/widgets/Diagramm.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Golfer.h"
#include "forms/Kartenschnappschuss.h"
#include "forms/frmGrafik.h"
#include "forms/frmScorekarteDetails.h"
#include "language/Sprachumschaltung.h"
#include "platform/Hauptfenster.h"
#include "platform/Registry.h"
#include "platform/widgets/Drucker.h"
#include "platform/widgets/Fortschritt.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"

namespace {

constexpr int PAR[18] = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5};

class Grafiken : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    SetzeHauptfenster(&m_hf);
    AktuelleGrafikdaten() = Grafikdaten{};
    AktiverGolfer.Golferidn = "1";
  }
  void TearDown() override {
    TestUmgebung::TearDown();
    SetzeHauptfenster(nullptr);
  }

  void Platz() {
    QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
    QVariantList werte{"1", "Achental", 1, 72};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
      werte << PAR[i - 1] << i;
    }
    Sql(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna', 18.4, 18, '1', 1)");
  }
  // Round k: par on every hole with 2 putts (greens in regulation) except hole 5, a bogey;
  // a chip on hole 1, a pitch on hole 2, the fairway hit on the first k holes; hole 17
  // scored `extra` strokes over par.
  void Runde(int k, const QString& datum, int extra = 0, bool neun = false) {
    QStringList spalten{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum"};
    QVariantList werte{QString::number(k), "1", "1", datum};
    for (int i = 1; i <= 18; ++i) {
      const bool leer = neun && i > 9;
      spalten << FeldnameNr("ScoreLoch", i) << FeldnameNr("PuttsLoch", i) << FeldnameNr("FairwaytrefferLoch", i)
              << FeldnameNr("ChipLoch", i) << FeldnameNr("PitchLoch", i);
      const int score = PAR[i - 1] + (i == 5 ? 1 : 0) + (i == 17 ? extra : 0);
      werte << (leer ? QVariant() : QVariant(score)) << (leer ? QVariant() : QVariant(i == 1 ? 1 : 2))
            << (i <= k ? 1 : 0) << (i == 1 ? 1 : 0) << (i == 2 ? 1 : 0);
    }
    Sql(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
  }
  void Auswahl(const QString& bedingung = "Golfernummer = '1'") {
    ASSERT_TRUE(DBG().SetSQL("qryAnalyseTemp", "SELECT * FROM qryAnalyse WHERE " + bedingung));
  }
  void Datenbank() {
    Platz();
    Runde(1, "2024-05-01", 3);
    Runde(2, "2024-04-01", 0);
    Runde(3, "2024-06-01", 1);
    Runde(4, "2024-07-01", 2);
    Runde(5, "2024-08-01", 0);
    for (int i = 1; i <= 4; ++i)
      Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Stammvorgabe) VALUES (?, '1', ?, ?)",
          {QString::number(i), QStringLiteral("2024-0%1-15").arg(i + 3), 20.0 - i});
    Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Stammvorgabe) VALUES ('9', '2', '2024-05-05', 5)");
    Auswahl();
  }
  Probehauptfenster m_hf;
};

TEST_F(Grafiken, RequestChecksShowTheirMessagesAndKeepTheChart) {
  Diagramm d;
  Grafikdaten daten;
  daten.Serie[0].Werte = {0, 1, 2, 3};
  GrafikParameter p;
  p.AnzahlPunkte = 3;
  p.AchseMax = 4;
  ASSERT_TRUE(d.ZeichneGrafik(p, daten));
  EXPECT_EQ(d.AnzahlReihen(), 1);
  const auto versuch = [&](long punkte, int serien, int typ) {
    GrafikParameter q;
    q.AnzahlPunkte = punkte;
    q.AnzahlSerien = serien;
    q.Diagrammtyp = typ;
    Antworte({1});
    EXPECT_FALSE(d.ZeichneGrafik(q, daten));
    return Dlg().gezeigt.back();
  };
  EXPECT_EQ(versuch(1, 6, 0).text, SPU().GibTranslation(39));  // the points are checked first
  EXPECT_EQ(Dlg().gezeigt.back().stil, 64);
  EXPECT_EQ(versuch(2, 6, 4).text, SPU().GibTranslation(41));
  EXPECT_EQ(versuch(2, 1, 3001).text, SPU().GibTranslation(42));
  EXPECT_EQ(d.Punkte(0), 3);  // still the first chart
}

TEST_F(Grafiken, LineChartDrawsEveryPointWithAxisRuleAndTrendLines) {
  Diagramm d;
  Grafikdaten daten;
  for (int k = 0; k < 2; ++k) {
    daten.Serie[k].Werte.assign(301, 0.0);
    for (int i = 1; i <= 300; ++i) daten.Serie[k].Werte[i] = 5 + (i % 8) + k;
    daten.Serie[k].Anzeigen = true;
  }
  GrafikParameter p;
  p.AnzahlSerien = 2;
  p.AnzahlPunkte = 300;  // beyond the old limit of 254
  p.Gitternetz = 7;
  p.AchseMax = 12;
  p.AchseMin = 5;
  ASSERT_TRUE(d.ZeichneGrafik(p, daten));
  EXPECT_EQ(d.AnzahlReihen(), 2);
  EXPECT_EQ(d.Punkte(1), 300);
  EXPECT_EQ(d.AnzahlTrendlinien(), 2);
  EXPECT_EQ(p.Gitternetz, 0);
  EXPECT_EQ(p.AchseMax, 14);
  EXPECT_EQ(p.AchseMin, 3);
  auto* y = qobject_cast<QValueAxis*>(d.chart()->axes(Qt::Vertical).first());
  ASSERT_TRUE(y);
  EXPECT_EQ(y->max(), 14);
  EXPECT_EQ(y->labelFormat(), "%.0f");
  // The trend lines take the colours of series 1 and 2, the legend names them.
  const auto reihen = d.chart()->series();
  ASSERT_EQ(reihen.size(), 4);
  EXPECT_EQ(static_cast<QLineSeries*>(reihen[2])->pen().color(), QColor(255, 5, 5));
  EXPECT_EQ(static_cast<QLineSeries*>(reihen[3])->pen().color(), QColor(205, 155, 105));
  EXPECT_EQ(reihen[2]->name(), " ");
  const QImage bild = d.AlsBild(QSize(900, 500));
  EXPECT_EQ(bild.size(), QSize(900, 500));

  // A trend that dips below the axis between high ends keeps inside the plot area: it
  // stops at the axis and comes back where the curve does, named once in the legend.
  Grafikdaten tief;
  tief.Serie[0].Werte = {0, 30, 10, 12, 11, 13, 12, 14, 30};
  tief.Serie[0].Anzeigen = true;
  tief.Serie[0].Titel = "Fairway";
  tief.Serie[0].Trendlinienname = "Trend Fairway";
  GrafikParameter q;
  q.AnzahlPunkte = 8;
  q.AchseMax = 32;
  q.AchseMin = 10;
  ASSERT_TRUE(d.ZeichneGrafik(q, tief));
  d.Ordne(QSize(900, 500));
  EXPECT_EQ(d.AnzahlTrendlinien(), 1);
  const auto teile = d.chart()->series();
  ASSERT_EQ(teile.size(), 3);  // the values, and the trend in two parts
  for (int t = 1; t < 3; ++t) {
    const auto* trend = static_cast<QLineSeries*>(teile[t]);
    ASSERT_GT(trend->count(), 1);
    for (const QPointF& punkt : trend->points()) {
      EXPECT_GE(punkt.y(), 10 - 1e-9);
      EXPECT_LE(punkt.y(), 32 + 1e-9);
    }
  }
  EXPECT_EQ(d.Legende(), QStringList({"Fairway", "Trend Fairway"}));
}

// Ten thousand rounds on a few hundred pixels: each line holds what its pixel columns
// show, for the width the chart has now, and the chart still counts every round.
TEST_F(Grafiken, ALineOfThousandsOfRoundsHoldsWhatItsWidthShows) {
  constexpr int N = 10000;
  Diagramm d;
  Grafikdaten daten;
  daten.Serie[0].Werte.assign(N + 1, 0.0);
  for (int i = 1; i <= N; ++i) daten.Serie[0].Werte[i] = 70 + (i * 37) % 23;
  daten.Serie[0].Anzeigen = true;
  GrafikParameter p;
  p.AnzahlPunkte = N;
  p.Gitternetz = 3;
  p.AchseMax = 93;
  p.AchseMin = 69;
  d.Ordne(QSize(600, 400));
  ASSERT_TRUE(d.ZeichneGrafik(p, daten));
  d.Ordne(QSize(600, 400));
  EXPECT_EQ(d.Punkte(0), N);
  EXPECT_EQ(d.AnzahlTrendlinien(), 1);
  const auto reihen = d.chart()->series();
  ASSERT_EQ(reihen.size(), 2);
  auto* linie = static_cast<QLineSeries*>(reihen[0]);
  auto* trend = static_cast<QLineSeries*>(reihen[1]);
  const double breite = d.chart()->plotArea().width();
  ASSERT_GT(breite, 100);
  const int schmal = int(linie->count());
  EXPECT_LT(schmal, N / 2);
  EXPECT_GE(schmal, int(breite));
  EXPECT_LE(trend->count(), 6 * breite);
  EXPECT_EQ(linie->at(0), QPointF(1, daten.Serie[0].Werte[1]));
  EXPECT_EQ(linie->at(schmal - 1), QPointF(N, daten.Serie[0].Werte[N]));
  // Wider, the lines get the points of the new columns.
  d.Ordne(QSize(1400, 800));
  EXPECT_GT(d.chart()->plotArea().width(), 2 * breite);
  EXPECT_GT(linie->count(), schmal);
  EXPECT_EQ(d.Punkte(0), N);
  EXPECT_FALSE(d.AlsBild().isNull());
}

TEST_F(Grafiken, ColumnChartColoursAndLabelsItsColumns) {
  Diagramm d;
  Grafikdaten daten;
  daten.Serie[0].Werte = {0, 1.25, 1.5, 2.0, 1.75, 0.5};
  daten.Serie[0].Beschriftung = {"", "Par 3", "Par 4", "Par 5", "Par 6", "Gesamt", ""};
  GrafikParameter p;
  p.Diagrammtyp = DIAGRAMM_SAEULEN;
  p.AnzahlPunkte = 5;
  p.AchseMax = 2.02;
  p.AchseMin = 0.48;
  p.Zahlenformat = 2;
  p.Beschriftungsformat = 2;
  ASSERT_TRUE(d.ZeichneGrafik(p, daten));
  EXPECT_EQ(d.AnzahlReihen(), 1);
  EXPECT_EQ(d.Punkte(0), 5);
  EXPECT_EQ(d.AnzahlTrendlinien(), 0);
  EXPECT_EQ(d.Datenbeschriftungen(), (QStringList{"1,25", "1,50", "2,00", "1,75", "0,50"}));
  auto* saeulen = qobject_cast<QStackedBarSeries*>(d.chart()->series().first());
  ASSERT_TRUE(saeulen);
  const QColor farben[] = {{33, 255, 0}, {33, 255, 128}, {178, 25, 15}, {255, 25, 15}, {255, 128, 255}};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(saeulen->barSets()[i]->color(), farben[i]);
  // No name: no legend entry at all.
  EXPECT_FALSE(d.chart()->legend()->isVisible());
}

TEST_F(Grafiken, EveryChartOfTheWindowRendersItsSeries) {
  Datenbank();
  frmGrafik& f = FormInstanz<frmGrafik>();
  EXPECT_EQ(f.SelectAuswertung->count(), 15);
  EXPECT_EQ(f.SelectAuswertung->currentIndex(), 0);
  EXPECT_EQ(f.Grafik1->Punkte(0), 5);  // loading drew the score chart
  EXPECT_EQ(KontextDrucken, "frmGrafik");
  EXPECT_EQ(m_hf.leiste, "23469ABDEFHI");
  struct Erwartet {
    int reihen, punkte, trend;
  };
  const Erwartet erwartet[15] = {{1, 5, 1}, {1, 4, 0}, {1, 5, 1}, {1, 4, 0}, {1, 5, 1}, {1, 4, 0}, {1, 5, 1}, {1, 4, 0},
                                 {1, 5, 1}, {1, 4, 0}, {2, 5, 2}, {2, 5, 2}, {2, 5, 2}, {2, 5, 2}, {1, 4, 1}};
  for (int i = 0; i < 15; ++i) {
    f.SelectAuswertung->setCurrentIndex(i);
    f.CalcScore_Click();
    EXPECT_EQ(f.Grafik1->AnzahlReihen(), erwartet[i].reihen) << i;
    EXPECT_EQ(f.Grafik1->Punkte(0), erwartet[i].punkte) << i;
    EXPECT_EQ(f.Grafik1->Punkte(erwartet[i].reihen - 1), erwartet[i].punkte) << i;
    EXPECT_EQ(f.Grafik1->AnzahlTrendlinien(), erwartet[i].trend) << i;
    const QImage bild = f.AlsBild(QSize(1000, 680));
    EXPECT_FALSE(bild.isNull()) << i;
  }
  EXPECT_TRUE(Dlg().gezeigt.empty());
  // The rounds come in date order: round 2 (April, 72 + 1) first.
  f.SelectAuswertung->setCurrentIndex(0);
  f.CalcScore_Click();
  const Grafikdaten& d = AktuelleGrafikdaten();
  EXPECT_EQ(std::vector<double>(d.Serie[0].Werte.begin() + 1, d.Serie[0].Werte.end()),
            (std::vector<double>{73, 76, 74, 75, 73}));
  EXPECT_EQ(d.Serie[0].Titel, SPU().GibTranslation(60));
  EXPECT_TRUE(SqlWert("SELECT sql FROM sqlite_master WHERE name = 'qryAnalyseSortiert'")
                  .toString()
                  .contains("qryAnalyseTemp ORDER BY Datum"));
}

// The legend lists only what has a name: the charts by par class have none, so no
// coloured square without a text stands below them.
TEST_F(Grafiken, LegendShowsOnlyNamedEntries) {
  Datenbank();
  frmGrafik& f = FormInstanz<frmGrafik>();
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(i);
    f.SelectAuswertung->setCurrentIndex(i);
    f.CalcScore_Click();
    const QLegend* legende = f.Grafik1->chart()->legend();
    for (const QString& eintrag : f.Grafik1->Legende()) EXPECT_FALSE(eintrag.trimmed().isEmpty());
    // Line charts name their series and trend lines; the class charts are columns.
    const bool saeulen = f.Grafik1->AnzahlTrendlinien() == 0;
    EXPECT_EQ(f.Grafik1->Legende().size(), saeulen ? 0 : 2 * f.Grafik1->AnzahlReihen());
    EXPECT_EQ(legende->isVisible(), !saeulen);
  }
}

TEST_F(Grafiken, NoRoundsSelectedGivesMessage39AndKeepsTheChart) {
  Datenbank();
  frmGrafik& f = FormInstanz<frmGrafik>();
  ASSERT_EQ(f.Grafik1->Punkte(0), 5);
  Auswahl("0");
  Antworte({1});
  f.CalcScore_Click();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);  // no database error box before it
  EXPECT_EQ(Dlg().gezeigt[0].text, SPU().GibTranslation(39));
  EXPECT_EQ(f.Grafik1->Punkte(0), 5);
  // One round: its class chart has all its class points (par 3, 4, 5, all holes).
  Auswahl("Scorekartenidn = '3'");
  f.ZeichneAuswertung(1);
  EXPECT_EQ(f.Grafik1->Punkte(0), 4);
  const Grafikdaten& d = AktuelleGrafikdaten();
  EXPECT_EQ(d.Serie[0].Beschriftung[4], SPU().GibTranslation(76));
  // A 9-hole round gives no point per round.
  Runde(6, "2024-09-01", 0, true);
  Auswahl("Scorekartenidn = '6'");
  Antworte({1});
  f.ZeichneAuswertung(0);
  EXPECT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_EQ(AktuelleGrafikdaten().AnzahlWerte, 0);
}

TEST_F(Grafiken, HandicapChartTakesThePeriodOfTheStatisticsWindow) {
  Datenbank();
  CalcGrafikHdcp(AktiverGolfer.Golferidn, "", "");
  EXPECT_EQ(AktuelleGrafikdaten().AnzahlWerte, 4);
  CalcGrafikHdcp(AktiverGolfer.Golferidn, "15.05.2024", "15.06.2024");  // both ends included
  const Grafikdaten& d = AktuelleGrafikdaten();
  EXPECT_EQ(std::vector<double>(d.Serie[0].Werte.begin() + 1, d.Serie[0].Werte.end()), (std::vector<double>{18, 17}));
  CalcGrafikHdcp(AktiverGolfer.Golferidn, "05/15/2024", "2024-05-15");
  EXPECT_EQ(AktuelleGrafikdaten().AnzahlWerte, 1);

  // The period of the statistics window's selection; with both open, the all-courses
  // window's. The chart of the list takes it.
  frmGrafik& f = FormInstanz<frmGrafik>();
  Auswertungsauswahl a;
  a.Startdatum = "01.04.2024";
  a.Enddatum = "31.05.2024";
  AuswertungGolfplatzForm().SetzeAuswahl(a);
  QString von, bis;
  GibHandicapZeitraum(von, bis);
  EXPECT_EQ(von, "01.04.2024");
  f.ZeichneAuswertung(14);
  EXPECT_EQ(AktuelleGrafikdaten().AnzahlWerte, 2);
  a.Startdatum = "01.05.2024";
  a.Enddatum = "31.12.2024";
  AuswertungAllgemeinForm().SetzeAuswahl(a);
  GibHandicapZeitraum(von, bis);
  EXPECT_EQ(von, "01.05.2024");
  EXPECT_EQ(bis, "31.12.2024");
  f.ZeichneAuswertung(14);
  EXPECT_EQ(AktuelleGrafikdaten().AnzahlWerte, 3);
  EXPECT_EQ(f.Grafik1->Punkte(0), 3);
}

TEST_F(Grafiken, NoCommandRunsWhileAChartIsComputed) {
  Platz();
  for (int i = 1; i <= 300; ++i) Runde(i, QStringLiteral("2024-01-01"));
  Auswahl();
  frmGrafik& f = FormInstanz<frmGrafik>();
  LoescheBefehlsprotokoll();
  int versuche = 0;
  bool gesperrt = false;
  QTimer t;
  QObject::connect(&t, &QTimer::timeout, [&] {
    if (!FortschrittPumpt()) return;
    ++versuche;
    gesperrt = BefehleGesperrt();
    ToolbarButtonClick(9);   // Details
    f.ZeichneAuswertung(3);  // a second chart in the middle of the first
  });
  t.start(0);
  f.ZeichneAuswertung(0);
  t.stop();
  EXPECT_GT(versuche, 0);
  EXPECT_TRUE(gesperrt);
  EXPECT_FALSE(Befehlsprotokoll().contains("ZeigeDetails"));
  EXPECT_EQ(f.Grafik1->Punkte(0), 300);  // the score chart, not the one asked for meanwhile
  EXPECT_FALSE(BefehleGesperrt());
}

TEST_F(Grafiken, PrintedOnOneLandscapePageInsideTheMarginsAndThePrinterKeepsItsOrientation) {
  Datenbank();
  DruckerFreigeben();
  // The margins of the page set-up as stored (hundredths of a millimetre).
  for (const auto& [rand, wert] : {std::pair{"MarginLeft", "1500"}, std::pair{"MarginTop", "2000"},
                                   std::pair{"MarginRight", "1000"}, std::pair{"MarginBottom", "1000"}})
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, rand, wert);
  LadeDruckEinstellungen();
  // The window in a colour no chart has.
  const auto farbe = Hintergrundfarbe;
  Hintergrundfarbe = 0xFF00FF;
  frmGrafik& f = FormInstanz<frmGrafik>();
  f.Zeige();
  Hintergrundfarbe = farbe;
  SetzeDruckerAusrichtung(HOCHFORMAT);
  const QString pfad = PdfZiel(Ordner(), "grafik.pdf");
  BefehlDrucken();
  EXPECT_EQ(PdfSeiten(pfad).size(), 1);
  EXPECT_TRUE(PdfQuer(pfad));
  EXPECT_EQ(PdfTitel(pfad), "Puttwise - Grafik " + f.SelectAuswertung->currentText());
  // The chart alone inside the margins, as large as fits there: not the window with its
  // list and button below the chart on the window's background.
  QSizeF papier;
  QImage seite;
  const QRectF zeichnung = PdfZeichnungMm(pfad, &papier, &seite);
  const QRectF innen(15, 20, papier.width() - 25, papier.height() - 30);
  EXPECT_TRUE(innen.adjusted(-0.5, -0.5, 0.5, 0.5).contains(zeichnung)) << zeichnung.y();  // half a millimetre
  EXPECT_GT(zeichnung.width(), innen.width() * 0.85);
  int hintergrund = 0;
  for (int y = 0; y < seite.height(); ++y)
    for (int x = 0; x < seite.width(); ++x) {
      const QColor c = seite.pixelColor(x, y);
      if (c.red() > 200 && c.blue() > 200 && c.green() < 60) ++hintergrund;
    }
  EXPECT_EQ(hintergrund, 0);
  EXPECT_EQ(DruckerAusrichtung(), HOCHFORMAT);
  // The window stays open for the next chart.
  EXPECT_TRUE(IstFormGeladen("frmGrafik"));
  DruckerFreigeben();
}

TEST_F(Grafiken, InFrontTheChartWindowRoutesPrintToItselfAndGivesTheRoutingBackWhenItCloses) {
  Datenbank();
  DruckerFreigeben();
  // The statistics window is in front and routes Print to its sheet.
  AuswertungAllgemein& statistik = AuswertungAllgemeinForm();
  statistik.Zeige();
  ASSERT_EQ(KontextDrucken, "AuswertungAllgemein");
  ToolbarButtonClick(15);  // the charts
  ASSERT_TRUE(IstFormGeladen("frmGrafik"));
  frmGrafik& f = FormInstanz<frmGrafik>();
  // The statistics window comes to the front once more (as when a box over it closes),
  // then the chart window again: Print is the chart's, and only Exit and Print stay on.
  statistik.Zeige();
  EXPECT_EQ(KontextDrucken, "AuswertungAllgemein");
  f.Zeige();
  EXPECT_EQ(KontextDrucken, "frmGrafik");
  EXPECT_EQ(AktiveForm, "frmGrafik");
  EXPECT_EQ(m_hf.leiste, "23469ABDEFHI");
  EXPECT_EQ(m_hf.menues, "KLMPQRSTUVWXYZ");

  SetzeDruckerAusrichtung(HOCHFORMAT);
  const QString pfad = PdfZiel(Ordner(), "grafik.pdf");
  ToolbarButtonClick(7);
  ASSERT_EQ(Dlg().vorschlaege.size(), 1);
  EXPECT_TRUE(Dlg().vorschlaege[0].endsWith("/Puttwise - Grafik Score pro Runde.pdf"))
      << Dlg().vorschlaege[0].toStdString();
  ASSERT_EQ(PdfSeiten(pfad).size(), 1);
  EXPECT_TRUE(PdfQuer(pfad));
  EXPECT_FALSE(PdfSeiten(pfad)[0].contains("Bruttopunkte"));  // not the statistics sheet
  EXPECT_FALSE(IstFormGeladen("rptAuswertungS2"));
  EXPECT_EQ(DruckerAusrichtung(), HOCHFORMAT);

  // Closed, the chart gives Print back to the statistics window.
  f.Schliessen();
  QCoreApplication::processEvents();
  EXPECT_EQ(KontextDrucken, "AuswertungAllgemein");
  EXPECT_TRUE(Dlg().gezeigt.empty());
  DruckerFreigeben();
}

// ----------------------------------------------------------------------------- detail window

class Details : public Grafiken {
 protected:
  Golfer& g() { return GolferForm(); }
  // A card on screen: par 4 holes except hole 3 (par 3), scores par + (hole 5: 1).
  void Karte(const QString& id, int extra) {
    g().SetzeKartenschluessel(id);
    g().Golfername->setText("Anna");
    g().Spielvorgabe->setText("0");
    PlatzDaten platz;
    for (int i = 1; i <= 18; ++i) {
      platz.Par[i] = i == 3 ? 3 : 4;
      platz.Vorgabe[i] = i;
      g().ScoreLoch[i]->setText(QString::number((i == 3 ? 3 : 4) + (i == 5 ? extra : 0)));
      g().PuttsLoch[i]->setText("2");
    }
    g().ZeigeLochvorgaben(platz);
  }
};

TEST_F(Details, OpensWithTheCardOnScreenAndFollowsAnotherCard) {
  Platz();
  Karte("7", 1);
  ZeigeDetails();
  frmScorekarteDetails& d = FormInstanz<frmScorekarteDetails>();
  EXPECT_EQ(d.ScoreBrutto[1]->text(), "3,00");
  EXPECT_EQ(d.ScoreBrutto[2]->text(), "4,06");  // 69 / 17
  EXPECT_EQ(d.Boo[2]->text(), "1");
  EXPECT_EQ(d.Par[5]->text(), "17");
  EXPECT_EQ(d.HiO[5]->text(), KEINE_KARTENDATEN);
  EXPECT_EQ(m_hf.titel, PRODUKTTITEL + "          " + SPU().GibTranslation(216) + "  -   Anna");
  EXPECT_EQ(m_hf.leiste, "2349ABDEFHI");
  EXPECT_EQ(m_hf.menues, "KLPQRSTUVWXYZ");
  EXPECT_EQ(d.windowTitle(), SPU().GibTranslation(149));
  // The same card changed while the window is open: the snapshot stays.
  g().ScoreLoch[5]->setText("4");
  ZeigeDetails();
  EXPECT_EQ(d.Boo[2]->text(), "1");
  // Another card on screen: the open window evaluates it.
  Karte("8", 3);
  QTest::qWait(0);
  EXPECT_EQ(d.Kartenschluessel(), "8");
  EXPECT_EQ(d.Tri[2]->text(), "1");
  EXPECT_EQ(d.Boo[2]->text(), KEINE_KARTENDATEN);
  Karte("9", 0);
  ZeigeDetails();
  EXPECT_EQ(d.Par[5]->text(), "18");
}

// A stored round whose every entry of every hole differs, shown on the golfer window:
// the detail window takes each entry of each hole, the course's par and stroke index and
// the points and greens of the card, and evaluates them by par group.
TEST_F(Details, EveryEntryOfTheCardOnScreenReachesTheEvaluation) {
  const Muster::Zeile platz = Muster::Platz("1", "Achental");
  Sql(platz.Sql, platz.Werte);
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
      "VALUES ('1', 'Anna', 9, 9, '1', 1)");
  // A playing handicap of 9: one stroke on the holes of stroke index 1 to 9.
  const Muster::Zeile runde =
      Muster::Runde({"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum", "Spielart", "AktHdcp"},
                    {"1", "1", "1", "2024-05-02", "2", 9});
  Sql(runde.Sql, runde.Werte);
  g().Zeige();
  g().TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  ASSERT_EQ(g().Kartenschluessel(), "1");
  ASSERT_EQ(g().Spielvorgabe->text(), "9");

  ZeigeDetails();
  frmScorekarteDetails& d = FormInstanz<frmScorekarteDetails>();
  EXPECT_TRUE(d.GemeldeterFehler.isEmpty());
  const KartenSchnappschuss k = LiesKarteVomBildschirm();
  EXPECT_EQ(k.Spielvorgabe, "9");
  for (int i = 1; i <= 18; ++i) {
    SCOPED_TRACE(i);
    const Schnappschussloch& l = k.Loch[i];
    EXPECT_EQ(l.Score, QString::number(Muster::Score(i)));
    EXPECT_EQ(l.Abschlag, QString::number(Muster::ABSCHLAG[i]));
    EXPECT_EQ(l.Fairwaytreffer, int(Muster::FAIRWAY[i]));
    EXPECT_EQ(l.Distance, QString::number(Muster::Distanz(i)));
    EXPECT_EQ(l.Chip, int(Muster::CHIP[i]));
    EXPECT_EQ(l.Pitch, int(Muster::PITCH[i]));
    EXPECT_EQ(l.Putts, QString::number(Muster::PUTTS[i]));
    EXPECT_EQ(l.Bunker, QString::number(Muster::BUNKER[i]));
    EXPECT_EQ(l.Strafschlag, QString::number(Muster::STRAF[i]));
    EXPECT_EQ(l.Par, QString::number(Muster::PAR[i]));
    EXPECT_EQ(l.Vorgabe, QString::number(Muster::VORGABE[i]));
    // The results are the card's own.
    EXPECT_EQ(l.StblNetto, g().StblNettoLoch[i]->text());
    EXPECT_EQ(l.StblBrutto, g().StblBruttoLoch[i]->text());
    EXPECT_EQ(l.GIRBrutto, int(g().GIRBruttoLoch[i]->isChecked()));
  }
  // By par group: par 3, 4, 5, 6 (none on the course) and all holes, hand-computed.
  const std::map<int, QStringList> zeilen = {
      {Z_STBL_NETTO, {"0,75", "1,70", "2,25", KEINE_KARTENDATEN, "1,61"}},
      {Z_STBL_BRUTTO, {"0,75", "1,10", "1,50", KEINE_KARTENDATEN, "1,11"}},
      {Z_SCORE_BRUTTO, {"5,00", "5,00", "5,50", KEINE_KARTENDATEN, "5,11"}},
      {Z_SCORE_NETTO, {"5,00", "4,40", "4,75", KEINE_KARTENDATEN, "4,61"}},
      {Z_GIR_NETTO, {"0,00", "40,00", "75,00", KEINE_KARTENDATEN, "38,89"}},
      {Z_GIR_BRUTTO, {"0,00", "10,00", "25,00", KEINE_KARTENDATEN, "11,11"}},
      {Z_FWTREFFER, {"0,00", "70,00", "50,00", KEINE_KARTENDATEN, "50,00"}},
      {Z_ABSC, {"227,8", "227,6", "231,5", KEINE_KARTENDATEN, "228,5"}},
      {Z_PP_GIR, {KEINE_KARTENDATEN, "3,00", "1,00", KEINE_KARTENDATEN, "2,00"}},
      {Z_PP_CH, {KEINE_KARTENDATEN, "0,67", "1,50", KEINE_KARTENDATEN, "1,00"}},
      {Z_PP_PI, {"2,00", "2,00", "2,00", KEINE_KARTENDATEN, "2,00"}},
      {Z_PP_SO, {"2,00", "1,67", KEINE_KARTENDATEN, KEINE_KARTENDATEN, "1,83"}},
      {Z_P_GES, {"2,00", "1,60", "1,50", KEINE_KARTENDATEN, "1,67"}},
      {Z_BUNKER, {"25,00", "40,00", "25,00", KEINE_KARTENDATEN, "33,33"}},
  };
  for (const auto& [zeile, texte] : zeilen)
    for (int c = 1; c <= 5; ++c)
      EXPECT_EQ(d.Zeile(zeile)[c]->text(), texte[c - 1])
          << frmScorekarteDetails::Zeilenname(zeile).toStdString() << " " << c;
}

TEST_F(Details, ALongCourseNameIsCutAndKeepsTheHeaderInPlace) {
  Platz();
  Karte("7", 0);
  const QString lang = "Golfclub Schloss Langenstein-Ueberlingen am Bodensee e.V., Platz Nord";
  g().Golfplatznummer->setEditText(lang);
  ZeigeDetails();
  frmScorekarteDetails& d = FormInstanz<frmScorekarteDetails>();
  QLabel* platz = d.Golfplatz[1];
  const int breite = platz->width();
  EXPECT_TRUE(platz->text().endsWith(QChar(0x2026))) << platz->text().toStdString();
  EXPECT_LE(platz->fontMetrics().horizontalAdvance(platz->text()), platz->contentsRect().width());
  EXPECT_EQ(platz->toolTip(), lang);
  d.adjustSize();
  EXPECT_EQ(platz->width(), breite);
  // A short name stands as it is.
  Karte("8", 0);
  g().Golfplatznummer->setEditText("Achental");
  ZeigeDetails();
  EXPECT_EQ(d.Golfplatz[1]->text(), "Achental");
}

// The section headings ("Lange Schläge" the widest) end clearly before the first column
// of cells and its average sign, in both languages.
TEST_F(Details, SectionHeadingsKeepClearOfTheCells) {
  Platz();
  Karte("7", 0);
  for (Sprachnummer = 1; Sprachnummer <= 2; ++Sprachnummer) {
    SCOPED_TRACE(Sprachnummer);
    ZeigeDetails();
    frmScorekarteDetails& d = FormInstanz<frmScorekarteDetails>();
    d.layout()->activate();
    const int zeichen = d.fontMetrics().horizontalAdvance(QStringLiteral("\u00D8"));
    for (const char* name : {"Label114", "Label113", "Label115", "Label116"}) {
      QLabel* l = d.findChild<QLabel*>(QLatin1String(name));
      ASSERT_TRUE(l);
      const int ende = l->x() + l->fontMetrics().horizontalAdvance(l->text());
      EXPECT_LE(ende + zeichen + 12, d.ScoreNetto[1]->x()) << l->text().toStdString();
    }
    EXPECT_TRUE(d.Schliessen());
  }
  Sprachnummer = 1;
}

TEST_F(Details, Par3SettingsHideTheirCells) {
  Platz();
  DBG().WriteEinstellungenIntern("FairwaytrefferPar3", "0");
  DBG().WriteEinstellungenIntern("DrivingDistancePar3", "00");
  Karte("7", 0);
  frmScorekarteDetails& d = FormInstanz<frmScorekarteDetails>();
  EXPECT_FALSE(d.MitPar3Fairway);
  EXPECT_TRUE(d.Fwtreffer[1]->isHidden());
  EXPECT_TRUE(d.LFwt->isHidden());
  EXPECT_TRUE(d.MitPar3Abschlag);
  EXPECT_FALSE(d.Absc[1]->isHidden());
}

}  // namespace

TEST_F(Grafiken, SwitchingChartsManyTimesLeavesNothingBehindOnTheScene) {
  Datenbank();
  frmGrafik& f = FormInstanz<frmGrafik>();
  f.Zeige();
  QTest::qWait(0);
  QGraphicsScene* szene = f.Grafik1->chart()->scene();
  ASSERT_TRUE(szene);
  // Chart after chart as the user picks them, the program's event loop running in between;
  // the items are counted twice on the same chart, after 20 and after 50 switches.
  int gewechselt = 0;
  auto wechsle = [&](int mal) {
    for (int n = 0; n < mal; ++n, ++gewechselt) {
      f.SelectAuswertung->setCurrentIndex(gewechselt % 15);
      QTest::mouseClick(f.CalcScore, Qt::LeftButton);
      QTest::qWait(0);
    }
  };
  wechsle(20);
  const qsizetype vorher = szene->items().size();
  wechsle(30);
  EXPECT_EQ(f.SelectAuswertung->currentIndex(), 4);
  EXPECT_EQ(szene->items().size(), vorher);
  EXPECT_EQ(f.Grafik1->Punkte(0), 5);
}
