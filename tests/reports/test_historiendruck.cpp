// The handicap history printed page by page: which rows, how many per page, the footer,
// and the PDF a user would hold.
#include <sys/resource.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "Druckserver.h"
#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Historieneditor.h"
#include "language/Sprachumschaltung.h"
#include "pdf.h"
#include "platform/Registry.h"
#include "platform/widgets/Drucker.h"
#include "reports/Druckeinstellungen.h"
#include "reports/Historiendruck.h"
#include "shell/Befehle.h"

namespace {
// A history as its grid holds it: the empty entry row and n rows, newest first.
HistorienQuelle Quelle(int n) {
  HistorienQuelle q;
  q.koepfe = QStringList{"Datum", "Golfplatz", "Bemerkung", "Spielart", "Netto", "Hdcp"};
  q.breiten = {80, 160, 200, 90, 50, 50};
  q.zeilen << QStringList(6, QString());
  for (int i = 1; i <= n; ++i)
    q.zeilen << QStringList{QStringLiteral("%1.01.2024").arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                            QStringLiteral("Platz%1").arg(i),
                            QStringLiteral("Runde%1").arg(i),
                            "Stableford",
                            "36",
                            QStringLiteral("%1,4").arg(i % 54)};
  q.golfername = "Anna Beispiel";
  q.heimatclub = "GC Aachen";
  return q;
}

class Historiendruck : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    DruckerFreigeben();
    LadeDruckEinstellungen();
    DruckAuswahl = false;
  }
  void TearDown() override {
    DruckerFreigeben();
    TestUmgebung::TearDown();
  }
  QString Pdf(const QString& name) { return PdfZiel(Ordner(), name); }
  // Golfer Anna with n history rows "Monatspreis1".."Monatspreisn" of 1 to n May 2024.
  void GolferMitHistorie(int n) {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Aachen')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna', 20.6, 21, '1', 1)");
    for (int i = 1; i <= n; ++i)
      Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Golfplatzbez, Bemerkungen, Spielart, "
          "GewNettoStable, Stammvorgabe, Handicap) VALUES (?, '1', ?, 'Aachen', ?, 'Stableford', 36, 20.1, 12)",
          {QString::number(i), QStringLiteral("2024-05-0%1").arg(i), QStringLiteral("Monatspreis%1").arg(i)});
  }
};
}  // namespace

TEST_F(Historiendruck, RowsPerPageAndPages) {
  EXPECT_EQ(HistorienZeilenProSeite(HOCHFORMAT), 42);
  EXPECT_EQ(HistorienZeilenProSeite(QUERFORMAT), 27);
  // 42 rows fill one portrait page; one more starts a second.
  EXPECT_EQ(HistorienSeiten(42, HOCHFORMAT).size(), 1);
  const auto zwei = HistorienSeiten(43, HOCHFORMAT);
  ASSERT_EQ(zwei.size(), 2);
  EXPECT_EQ(zwei[1].erste, 42);
  EXPECT_EQ(zwei[1].anzahl, 1);
  const auto quer = HistorienSeiten(28, QUERFORMAT);
  ASSERT_EQ(quer.size(), 2);
  EXPECT_EQ(quer[0].anzahl, 27);
  EXPECT_EQ(quer[1].anzahl, 1);
  EXPECT_TRUE(HistorienSeiten(0, HOCHFORMAT).isEmpty());

  EXPECT_EQ(HistorienSeitenfuss(1, 2, 1), "Seite 1 von 2");
  EXPECT_EQ(HistorienSeitenfuss(2, 3, 2), "Page 2 of 3");
}

TEST_F(Historiendruck, RowsChosenAllOrTheSelectionEitherWayDragged) {
  HistorienQuelle q = Quelle(70);
  const Zeilenbereich alle = HistorienBereich(q, false);
  EXPECT_EQ(alle.erste, 0);
  EXPECT_EQ(alle.Anzahl(), 71);  // the empty entry row included
  q.zeile = 50;
  q.zeileSel = 60;
  const Zeilenbereich runter = HistorienBereich(q, true);
  q.zeile = 60;
  q.zeileSel = 50;
  const Zeilenbereich hoch = HistorienBereich(q, true);
  EXPECT_EQ(runter.erste, hoch.erste);
  EXPECT_EQ(runter.letzte, hoch.letzte);
  EXPECT_EQ(runter.Anzahl(), 11);
  EXPECT_EQ(q.zeilen[runter.erste][1], "Platz49");  // grid row 50
}

TEST_F(Historiendruck, PortraitPagesWithCaptionsAndFooter) {
  // 42 rows: one page (the grid's empty entry row is not printed).
  const QString eine = Pdf("eine.pdf");
  EXPECT_TRUE(DruckeHdcpHistorie(Quelle(42)));
  QStringList seiten = PdfSeiten(eine);
  ASSERT_EQ(seiten.size(), 1);
  for (const char* t : {"Handicap-Historie", "Golfername: Anna Beispiel", "Heimatclub: GC Aachen", "Golfplatz",
                        "Platz1 ", "Platz42", "Seite 1 von 1"})
    EXPECT_TRUE(seiten[0].contains(t)) << t;

  // 43 rows: the last one goes onto a second page, under the captions again.
  const QString zwei = Pdf("zwei.pdf");
  EXPECT_TRUE(DruckeHdcpHistorie(Quelle(43)));
  seiten = PdfSeiten(zwei);
  ASSERT_EQ(seiten.size(), 2);
  EXPECT_TRUE(seiten[0].contains("Seite 1 von 2"));
  EXPECT_TRUE(seiten[0].contains("Platz42"));
  EXPECT_FALSE(seiten[0].contains("Platz43"));
  EXPECT_TRUE(seiten[1].contains("Platz43"));
  EXPECT_TRUE(seiten[1].contains("Bemerkung"));
  EXPECT_TRUE(seiten[1].contains("Seite 2 von 2"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Historiendruck, LandscapeEnglishAndSelection) {
  SetzeDruckerAusrichtung(QUERFORMAT);
  Sprachnummer = 2;
  // 27 rows a page: 60 rows make three pages.
  const QString quer = Pdf("quer.pdf");
  EXPECT_TRUE(DruckeHdcpHistorie(Quelle(60)));
  const QStringList seiten = PdfSeiten(quer);
  ASSERT_EQ(seiten.size(), 3);
  EXPECT_TRUE(PdfQuer(quer));
  EXPECT_TRUE(seiten[1].contains(QRegularExpression("Page 2 of 3 +Zantro Puttwise!")));
  EXPECT_TRUE(seiten[0].contains("Golfer's name:"));
  EXPECT_TRUE(seiten[0].contains("Platz27"));
  EXPECT_FALSE(seiten[0].contains("Platz28"));

  // Only the selected rows, dragged upwards.
  HistorienQuelle q = Quelle(60);
  q.zeile = 60;
  q.zeileSel = 50;
  DruckAuswahl = true;
  const QString auswahl = Pdf("auswahl.pdf");
  EXPECT_TRUE(DruckeHdcpHistorie(q));
  const QStringList s = PdfSeiten(auswahl);
  ASSERT_EQ(s.size(), 1);
  EXPECT_TRUE(s[0].contains("Platz49"));
  EXPECT_TRUE(s[0].contains("Platz59"));
  EXPECT_FALSE(s[0].contains("Platz48"));
  EXPECT_FALSE(s[0].contains("Platz60"));
  EXPECT_TRUE(s[0].contains("Page 1 of 1"));
}

TEST_F(Historiendruck, NothingToPrintAndNoPrinter) {
  const QString leer = Pdf("leer.pdf");
  Antworte({1});
  EXPECT_FALSE(DruckeHdcpHistorie(Quelle(0)));
  ASSERT_EQ(GezeigteTexte(), QStringList({"Es wurde nichts ausgewählt !"}));
  EXPECT_FALSE(QFile::exists(leer));

  // The file dialog cancelled: one critical message and no file.
  Dlg().dateien.clear();
  Dlg().dateien.push_back(QString());
  Antworte({1});
  EXPECT_FALSE(DruckeHdcpHistorie(Quelle(3)));
  ASSERT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_EQ(Dlg().gezeigt[1].stil, STIL_KRITISCH);
  EXPECT_TRUE(QDir(Ordner()).entryList({"*.pdf"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Historiendruck, PrintCommandOnTheGolferViewAsksForThePrinterFirst) {
  GolferMitHistorie(3);
  // The home club is none of the courses of the history.
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('2', 'Bergheim')");
  Sql("UPDATE tab_golfer SET Heimatclub = '2'");
  Golfer& g = GolferForm();
  // Changed in the grid, not stored yet: a remark, and net points that are no number.
  g.HdcpHistorie->item(3, HistorienEditor::SPALTE_BEMERKUNG)->setText("Geändert");
  g.HdcpHistorie->item(4, HistorienEditor::SPALTE_NETTOPUNKTE)->setText("viele");
  // Typed into the golfer's boxes and not stored: the header names the golfer as stored.
  for (QLineEdit* box : {g.Golfername, g.Heimatclub->lineEdit()}) {
    box->selectAll();
    QTest::keyClicks(box, box == g.Golfername ? "Berta" : "Aachen");
  }
  ASSERT_EQ(g.Heimatclub->currentText(), "Aachen");
  KontextDrucken = "Golfer";
  const QString pfad = Pdf("befehl.pdf");
  // Cancel prints nothing.
  Dlg().druckerwahl.push_back({.ok = false});
  BefehlDrucken();
  EXPECT_FALSE(QFile::exists(pfad));
  Dlg().druckerwahl.push_back({.ok = true});
  BefehlDrucken();
  const QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  for (const char* t : {"Anna", "Monatspreis1", "Monatspreis3", "Aachen", "Seite 1 von 1"})
    EXPECT_TRUE(seiten[0].contains(t)) << t;
  // Each row of the history on a line of its own, newest first, as the grid holds it now
  // (net points that are no number are none); the header names golfer and home club.
  const QList<PdfWort> woerter = PdfWoerter(pfad).value(0);
  auto zeile = [&](const QString& erstes) {
    const QList<PdfWort> z = PdfZeile(woerter, erstes);
    QStringList t;
    for (const PdfWort& v : z) t << v.text;
    return std::pair{t.join(' '), z.isEmpty() ? -1.0 : z[0].mitteY()};
  };
  EXPECT_EQ(zeile("Golfername:").first, "Golfername: Anna");
  EXPECT_EQ(zeile("Heimatclub:").first, "Heimatclub: Bergheim");
  double oben = zeile("Datum").second;
  for (const char* erwartet :
       {"03.05.2024 Aachen Monatspreis3 Stableford 36 20,1", "02.05.2024 Aachen Geändert Stableford 36 20,1",
        "01.05.2024 Aachen Monatspreis1 Stableford 20,1"}) {
    const auto [text, y] = zeile(QString::fromUtf8(erwartet).section(' ', 0, 0));
    EXPECT_EQ(text, QString::fromUtf8(erwartet));
    EXPECT_GT(y, oben) << erwartet;
    oben = y;
  }
}

TEST_F(Historiendruck, RowsSelectedInTheGolferWindowEitherWayArePrinted) {
  GolferMitHistorie(8);
  Golfer& g = GolferForm();
  g.Zeige();
  QTableWidget* raster = g.HdcpHistorie;
  // Newest first below the entry row: grid rows 4-6 hold the rounds of the 6th to the 4th.
  auto klick = [raster](int zeile, Qt::KeyboardModifiers tasten) {
    const QRect r = raster->visualItemRect(raster->item(zeile, 2));
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, tasten, r.center());
  };
  KontextDrucken = "Golfer";
  for (bool aufwaerts : {false, true}) {
    klick(aufwaerts ? 6 : 4, Qt::NoModifier);
    klick(aufwaerts ? 4 : 6, Qt::ShiftModifier);
    const QString pfad = Pdf(aufwaerts ? "hoch.pdf" : "runter.pdf");
    Dlg().druckerwahl.push_back({.ok = true, .nurAuswahl = true, .ausrichtung = 0});
    BefehlDrucken();
    const QStringList seiten = PdfSeiten(pfad);
    ASSERT_EQ(seiten.size(), 1) << aufwaerts;
    for (int i = 1; i <= 8; ++i)
      EXPECT_EQ(seiten[0].contains(QStringLiteral("Monatspreis%1").arg(i)), i >= 4 && i <= 6) << aufwaerts << i;
  }
}

TEST_F(Historiendruck, LongCourseNamesAndRemarksWrapAndEveryDatePrintsWhole) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Aachen')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
      "VALUES ('1', 'Anna-Katharina Beispielmann', 20.6, 21, '1', 1)");
  const QString platz = "Golfclub Schloss Langenstein am Bodensee";
  const QString bemerkung = "Monatspreis mit langer Bemerkung über Wetter, Wind und Platzzustand";
  for (int i = 1; i <= 20; ++i)
    Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Golfplatzbez, Bemerkungen, Spielart, "
        "GewNettoStable, Stammvorgabe, Handicap) VALUES (?, '1', ?, ?, ?, 'Stableford', 36, 20.1, 12)",
        {QString::number(i), QStringLiteral("2024-05-%1").arg(i + 9), platz,
         i % 2 ? bemerkung + QStringLiteral(" %1").arg(i) : QStringLiteral("Frühjahrs-Preis des Präsidenten")});
  GolferForm();
  KontextDrucken = "Golfer";
  SetzeDruckerAusrichtung(HOCHFORMAT);
  for (int sprache : {1, 2}) {
    Sprachnummer = sprache;
    const QString pfad = Pdf(sprache == 1 ? "lang_de.pdf" : "lang_en.pdf");
    Dlg().druckerwahl.push_back({.ok = true});
    ToolbarButtonClick(7);
    const QStringList seiten = PdfSeiten(pfad);
    ASSERT_GE(seiten.size(), 1) << sprache;
    EXPECT_FALSE(PdfQuer(pfad));
    const QString alles = seiten.join("\n");
    // Every date whole, with its year, once, in the interface language's form; the captions
    // and game type whole.
    for (int i = 1; i <= 20; ++i) {
      const QString datum = QString(sprache == 1 ? "%1.05.2024" : "05/%1/2024").arg(i + 9);
      EXPECT_EQ(alles.count(datum), 1) << datum.toStdString();
    }
    EXPECT_EQ(alles.count("Stableford"), 20);
    EXPECT_FALSE(alles.contains(QChar(0x2026)));  // nothing cut off with an ellipsis
    // Long names and remarks wrapped, not cut: every word of them is there.
    for (const QString& wort : (platz + " " + bemerkung + " Frühjahrs-Preis des Präsidenten").split(' '))
      EXPECT_TRUE(alles.contains(wort)) << wort.toStdString();
    EXPECT_TRUE(alles.contains("Anna-Katharina Beispielmann"));
    EXPECT_TRUE(seiten[0].contains(QString(sprache == 1 ? "Seite 1 von %1" : "Page 1 of %1").arg(seiten.size())));
  }
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Historiendruck, PageSetupChoosesThePdfFileAndPaperAndEachPrintAsksForItsFile) {
  GolferMitHistorie(3);
  GolferForm();
  // Page setup offers every installed printer and the PDF file; the PDF file, A5 and
  // landscape are chosen.
  Dlg().seiten.push_back({.ok = true,
                          .raender = {1500, 1000, 1000, 1000},
                          .ausrichtung = QUERFORMAT,
                          .drucker = QString("PDF-Datei"),
                          .papier = QPageSize::A5});
  BefehlSeiteEinrichten();
  QStringList angeboten = InstallierteDrucker();
  angeboten << "PDF-Datei";
  EXPECT_EQ(Dlg().angeboteneDrucker, angeboten);
  EXPECT_TRUE(DruckerIstPdfDatei());
  EXPECT_EQ(Seitenraender, (std::array<long, 4>{1500, 1000, 1000, 1000}));

  KontextDrucken = "Golfer";
  const QString erste = Pdf("erste.pdf");
  Dlg().druckerwahl.push_back({.ok = true});
  ToolbarButtonClick(7);
  ASSERT_EQ(Dlg().dateiDialoge.size(), 1);
  EXPECT_EQ(PdfSeiten(erste).size(), 1);
  EXPECT_TRUE(PdfQuer(erste));
  EXPECT_TRUE(PdfSeiten(erste)[0].contains("05.2024"));
  QProcess info;
  info.start("pdfinfo", {erste});
  info.waitForFinished();
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("A5"));

  // The next printout asks again; cancelled, it prints nothing, leaves the first file as
  // it was and says so once.
  const QByteArray vorher = [&] {
    QFile f(erste);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  Dlg().dateien.push_back(QString());
  Dlg().druckerwahl.push_back({.ok = true});
  Antworte({1});
  ToolbarButtonClick(7);
  EXPECT_EQ(Dlg().dateiDialoge.size(), 2);
  ASSERT_EQ(GezeigteTexte(), QStringList({SPU().GibTranslation(1854)}));
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
  QFile f(erste);
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll(), vorher);
  EXPECT_EQ(QDir(Ordner()).entryList({"*.pdf"}, QDir::Files | QDir::Hidden), QStringList({"erste.pdf"}));
  // Printing changed neither the orientation nor the margins chosen.
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);
  EXPECT_EQ(Seitenraender, (std::array<long, 4>{1500, 1000, 1000, 1000}));
}

TEST_F(Historiendruck, AFileCutShortByAFullDiskIsReportedAndTheOldOneStays) {
  GolferMitHistorie(9);
  GolferForm();
  KontextDrucken = "Golfer";
  const QString pfad = Pdf("out.pdf");
  Dlg().druckerwahl.push_back({.ok = true});
  ToolbarButtonClick(7);
  auto lies = [&] {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  const QByteArray gut = lies();
  ASSERT_EQ(PdfSeiten(pfad).size(), 1);

  // The next one stops being written after its first kilobytes, as on a full disk.
  Pdf("out.pdf");
  Dlg().druckerwahl.push_back({.ok = true});
  Antworte({1});
  rlimit vorher{};
  getrlimit(RLIMIT_FSIZE, &vorher);
  auto* signal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit knapp = vorher;
  knapp.rlim_cur = 3000;
  setrlimit(RLIMIT_FSIZE, &knapp);
  ToolbarButtonClick(7);
  setrlimit(RLIMIT_FSIZE, &vorher);
  std::signal(SIGXFSZ, signal);
  EXPECT_EQ(GezeigteTexte(), QStringList({SPU().GibTranslation(1851)}));
  EXPECT_EQ(lies(), gut);
  EXPECT_EQ(QDir(Ordner()).entryList({"*.pdf"}, QDir::Files | QDir::Hidden), QStringList({"out.pdf"}));
}

TEST_F(Historiendruck, WhatThePrinterDialogSetsHoldsForTheLaterPrintoutsAndCancelKeepsIt) {
  GolferMitHistorie(3);
  GolferForm();
  KontextDrucken = "Golfer";
  // Print to a file named in the printer dialog: two copies, grey, A5 in landscape from
  // the manual feed (a PDF knows no sides); no second question for the file.
  const QString datei = Ordner() + "/aus_dem_dialog.pdf";
  SkriptDialoge::DruckerAntwort a;
  a.ausrichtung = QUERFORMAT;
  a.kopien = 2;
  a.farbe = false;
  a.papier = QPageSize::A5;
  a.quelle = QPrinter::Manual;
  a.datei = datei;
  Dlg().druckerwahl.push_back(a);
  ToolbarButtonClick(7);
  EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
  ASSERT_EQ(PdfSeiten(datei).size(), 1);
  EXPECT_TRUE(PdfQuer(datei));
  auto traegt = [](const char* wo) {
    QPrinter& p = AktuellerDrucker();
    EXPECT_TRUE(DruckerIstPdfDatei()) << wo;
    EXPECT_EQ(p.copyCount(), 2) << wo;
    EXPECT_EQ(p.colorMode(), QPrinter::GrayScale) << wo;
    EXPECT_EQ(p.paperSource(), QPrinter::Manual) << wo;
    EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A5) << wo;
    EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT) << wo;
  };
  traegt("after the printout");

  // Cancelled, the dialog changes nothing; confirmed as it stands, the next printout asks
  // for its file and comes out the same way.
  SkriptDialoge::DruckerAntwort abbruch;
  abbruch.ok = false;
  abbruch.kopien = 5;
  abbruch.farbe = true;
  Dlg().druckerwahl.push_back(abbruch);
  ToolbarButtonClick(7);
  traegt("after cancel");
  const QString zweite = Pdf("zweite.pdf");
  Dlg().druckerwahl.push_back({.ok = true});
  ToolbarButtonClick(7);
  EXPECT_EQ(Dlg().dateiDialoge.size(), 1);
  EXPECT_TRUE(PdfQuer(zweite));
  traegt("after the second printout");
  // The page set-up chooses the paper source too.
  SkriptDialoge::SeitenAntwort s;
  s.quelle = QPrinter::Envelope;
  Dlg().seiten.push_back(s);
  BefehlSeiteEinrichten();
  EXPECT_EQ(AktuellerDrucker().paperSource(), QPrinter::Envelope);
  EXPECT_EQ(AktuellerDrucker().copyCount(), 2);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Historiendruck, AnInstalledPrinterChosenWithCopiesAndDuplexIsTheOneTheNextPrintoutUses) {
  if (!Druckserver::Verfuegbar()) GTEST_SKIP() << "cupsd is not installed";
  Druckserver server;
  ASSERT_TRUE(server.Starte({"Probe"}, false)) << server.Fehler().toStdString();
  ASSERT_TRUE(InstallierteDrucker().contains("Probe"));
  GolferMitHistorie(3);
  GolferForm();
  KontextDrucken = "Golfer";
  SkriptDialoge::DruckerAntwort a;
  a.drucker = "Probe";
  a.kopien = 2;
  a.duplex = true;
  Dlg().druckerwahl.push_back(a);
  ToolbarButtonClick(7);
  // Printed on the printer, not into a file.
  EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  QPrinter& p = AktuellerDrucker();
  EXPECT_FALSE(DruckerIstPdfDatei());
  EXPECT_EQ(p.printerName(), "Probe");
  EXPECT_EQ(p.outputFormat(), QPrinter::NativeFormat);
  EXPECT_EQ(p.copyCount(), 2);
  EXPECT_EQ(p.duplex(), QPrinter::DuplexLongSide);
  EXPECT_EQ(server.Auftragszahl(), 1);
  const QList<Druckserver::Auftrag> auftraege = server.Auftraege(1);
  ASSERT_EQ(auftraege.size(), 1);
  const QStringList seiten = PdfSeiten(auftraege[0].datei);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(seiten[0].contains("Monatspreis3"));
  // The queue knows the job by the printout's name and what it shows.
  EXPECT_EQ(auftraege[0].name, "Puttwise - Handicaphistorie Anna");
  EXPECT_EQ(PdfTitel(auftraege[0].datei), "Puttwise - Handicaphistorie Anna");
}

namespace {
// Scripted boxes and file dialogs, and Qt's own print dialog.
class EchterDruckdialog : public SkriptDialoge {
 public:
  bool DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override {
    return QtDialoge().DruckerWaehlen(p, e, t);
  }
};
}  // namespace

TEST_F(Historiendruck, ThePdfFileChosenInPageSetupStaysInThePrintDialogWhenAPrinterIsInstalled) {
  if (!Druckserver::Verfuegbar()) GTEST_SKIP() << "cupsd is not installed";
  Druckserver server;
  ASSERT_TRUE(server.Starte({"Probe"}, true)) << server.Fehler().toStdString();
  ASSERT_EQ(QPrinterInfo::defaultPrinterName(), "Probe");
  auto dlg = std::make_unique<EchterDruckdialog>();
  m_dlg = dlg.get();
  m_dlg->unbeantwortet = [](const QString& was) { ADD_FAILURE() << was.toStdString(); };
  SetzeDialoge(std::move(dlg));
  // The file proposed lies in the test's folder, not in the user's documents.
  struct Heim {
    QByteArray heim = qgetenv("HOME"), konfiguration = qgetenv("XDG_CONFIG_HOME");
    ~Heim() {
      qputenv("HOME", heim);
      if (!konfiguration.isEmpty()) qputenv("XDG_CONFIG_HOME", konfiguration);
    }
  } zurueck;
  qputenv("HOME", QFile::encodeName(Ordner()));
  qunsetenv("XDG_CONFIG_HOME");
  GolferMitHistorie(3);
  GolferForm();
  KontextDrucken = "Golfer";
  // Answers the next print dialog with a key to what has the focus in it, noting the
  // printer it shows (its row and the rows of the list) and the file proposed.
  struct Gezeigt {
    int zeile = -1, zeilen = 0;
    QString drucker, datei;
  };
  auto drucke = [](Qt::Key taste) {
    Gezeigt g;
    QTimer warte;
    QObject::connect(&warte, &QTimer::timeout, [&] {
      auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!d) return;
      warte.stop();
      if (auto* liste = d->findChild<QComboBox*>("printers")) {
        g.zeile = liste->currentIndex();
        g.zeilen = liste->count();
        g.drucker = liste->currentText();
      }
      if (auto* feld = d->findChild<QLineEdit*>("filename")) g.datei = feld->text();
      QWidget* fokus = QApplication::focusWidget();
      QTest::keyClick(fokus && d->isAncestorOf(fokus) ? fokus : d, taste);
    });
    warte.start(20);
    ToolbarButtonClick(7);
    return g;
  };
  const QString erwartet = QDir(Ordner()).filePath("Puttwise - Handicaphistorie Anna.pdf");
  // The installed printer is current at first: the dialog shows it, and proposes the
  // printout's own file for printing to a file. Escape prints nothing.
  EXPECT_FALSE(DruckerIstPdfDatei());
  const Gezeigt drucker = drucke(Qt::Key_Escape);
  EXPECT_EQ(drucker.drucker, "Probe");
  EXPECT_EQ(drucker.datei, erwartet);
  // Page setup chooses the PDF file and A5.
  SkriptDialoge::SeitenAntwort s;
  s.drucker = "PDF-Datei";
  s.papier = QPageSize::A5;
  Dlg().seiten.push_back(s);
  BefehlSeiteEinrichten();
  ASSERT_TRUE(DruckerIstPdfDatei());
  AktuellerDrucker().setCopyCount(2);

  // Print: the dialog shows the PDF file with the proposed file and is taken as it
  // stands with Enter.
  const Gezeigt pdf = drucke(Qt::Key_Return);
  EXPECT_EQ(pdf.zeile, pdf.zeilen - 1) << pdf.drucker.toStdString();  // the print-to-file entry, last
  EXPECT_EQ(pdf.datei, erwartet);
  const QStringList seiten = PdfSeiten(erwartet);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(seiten[0].contains("Monatspreis3"));
  QProcess info;
  info.start("pdfinfo", {erwartet});
  info.waitForFinished();
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("A5"));
  // Nothing went to the printer, and the PDF file is still the current printer.
  EXPECT_EQ(server.Auftragszahl(), 0);
  EXPECT_TRUE(DruckerIstPdfDatei());
  EXPECT_EQ(AktuellerDrucker().copyCount(), 2);
  EXPECT_EQ(AktuellerDrucker().pageLayout().pageSize().id(), QPageSize::A5);
  EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
}

TEST_F(Historiendruck, MarginsThatLeaveNoRoomAreTakenAsInvalidAndThePrintoutEnds) {
  GolferMitHistorie(3);
  // A hand-edited settings file: the top margin larger than the paper.
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop", "30000");
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginLeft", "1500");
  LadeDruckEinstellungen();
  EXPECT_EQ(Seitenraender, (std::array<long, 4>{1500, 1000, 1000, 1000}));
  GolferForm();
  KontextDrucken = "Golfer";
  const QString pfad = Pdf("raender.pdf");
  Dlg().druckerwahl.push_back({.ok = true});
  BefehlDrucken();
  QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(seiten[0].contains("Monatspreis3"));
  // Margins that leave no room on the paper of this print (set for a larger one) print
  // with the defaults.
  Druckraender = {555, 20000, 555, 555};
  const QString klein = Pdf("klein.pdf");
  EXPECT_TRUE(DruckeHdcpHistorie(Quelle(3)));
  seiten = PdfSeiten(klein);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(seiten[0].contains("Platz3"));
}
