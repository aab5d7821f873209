// The print layer: the current printer, page set-up and printer choice through the dialog
// door, stored margins, orientation put back after a print, and every way a print can
// fail being reported as such.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>

#include "TestUmgebung.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "pdf.h"
#include "platform/Registry.h"
#include "platform/widgets/Drucker.h"
#include "platform/widgets/Fortschritt.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"

namespace {
class Druckschicht : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    DruckerFreigeben();
    SeitenHaken() = nullptr;
  }
  void TearDown() override {
    SeitenHaken() = nullptr;
    DruckerFreigeben();
    TestUmgebung::TearDown();
  }
  // The file of the next job, given straight to the print layer.
  QString Pdf(const QString& name) {
    const QString pfad = Ordner() + "/" + name;
    SetzeDruckdatei(pfad);
    return pfad;
  }
  // A small widget to print.
  std::unique_ptr<QLabel> Probe() {
    auto l = std::make_unique<QLabel>("Probeausdruck Puttwise");
    l->resize(300, 60);
    return l;
  }
};
}  // namespace

TEST_F(Druckschicht, StoredMarginsReadAsNumbersOfAtLeastZero) {
  EXPECT_EQ(SkaliereRand(1799), 999);
  EXPECT_EQ(SkaliereRand(1800), 1000);
  EXPECT_EQ(RandAusText("1799"), 1799);
  EXPECT_EQ(RandAusText(" 0 "), 0);
  for (const char* falsch : {"abc", "-1", "12,5", ""}) EXPECT_EQ(RandAusText(falsch), 1000) << falsch;

  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop", "zehn");
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginBottom", "-20");
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginLeft", "1799");
  LadeDruckEinstellungen();
  EXPECT_EQ(Seitenraender, (std::array<long, 4>{1799, 1000, 1000, 1000}));
  EXPECT_EQ(Druckraender, (std::array<long, 4>{999, 555, 555, 555}));
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Druckschicht, PageSetupAndPrinterChoice) {
  LadeDruckEinstellungen();
  // OK takes the margins (a negative one as the default) and the orientation.
  Dlg().seiten.push_back({.ok = true, .raender = {1800, 900, 0, -5}, .ausrichtung = QUERFORMAT});
  EXPECT_TRUE(SeiteEinrichten());
  EXPECT_EQ(Seitenraender, (std::array<long, 4>{1800, 900, 0, 1000}));
  EXPECT_EQ(Druckraender, (std::array<long, 4>{1000, 500, 0, 555}));
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);
  // Cancel changes nothing.
  Dlg().seiten.push_back({.ok = false, .raender = {1, 2, 3, 4}, .ausrichtung = HOCHFORMAT});
  EXPECT_FALSE(SeiteEinrichten());
  EXPECT_EQ(Seitenraender[0], 1800);
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);

  // The selection as print range sets the flag; the next dialog clears it first.
  Dlg().druckerwahl.push_back({.ok = true, .nurAuswahl = true, .ausrichtung = 0});
  EXPECT_TRUE(DruckerAuswaehlen());
  EXPECT_TRUE(DruckAuswahl);
  Dlg().druckerwahl.push_back({.ok = true, .nurAuswahl = false, .ausrichtung = HOCHFORMAT});
  EXPECT_TRUE(DruckerAuswaehlen());
  EXPECT_FALSE(DruckAuswahl);
  Dlg().druckerwahl.push_back({.ok = true, .nurAuswahl = true, .ausrichtung = 0});
  DruckerAuswaehlen();
  Dlg().druckerwahl.push_back({.ok = false, .nurAuswahl = true, .ausrichtung = 0});
  EXPECT_FALSE(DruckerAuswaehlen());
  EXPECT_FALSE(DruckAuswahl);
  EXPECT_EQ(Dlg().druckDialoge, QStringList({"SeiteEinrichten", "SeiteEinrichten", "DruckerWaehlen", "DruckerWaehlen",
                                             "DruckerWaehlen", "DruckerWaehlen"}));

  const DruckerDaten d = DruckerEigenschaften();
  EXPECT_EQ(d.ausrichtung, HOCHFORMAT);
  EXPECT_GE(d.kopien, 1);
  EXPECT_FALSE(d.papier.isEmpty());
}

TEST_F(Druckschicht, APrintInAnotherOrientationPutsTheOrientationBack) {
  auto probe = Probe();
  SetzeDruckerAusrichtung(HOCHFORMAT);
  const QString quer = Pdf("quer.pdf");
  EXPECT_EQ(DruckeWidgetGanz(probe.get(), QUERFORMAT), DruckErgebnis::Gedruckt);
  EXPECT_TRUE(PdfQuer(quer));
  EXPECT_EQ(DruckerAusrichtung(), HOCHFORMAT);
  ASSERT_EQ(PdfSeiten(quer).size(), 1);
  EXPECT_TRUE(PdfSeiten(quer)[0].contains("Probeausdruck Puttwise"));

  // The printer's own orientation: landscape stays landscape.
  SetzeDruckerAusrichtung(QUERFORMAT);
  const QString eigen = Pdf("eigen.pdf");
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::Gedruckt);
  EXPECT_TRUE(PdfQuer(eigen));
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);

  // Also a print that fails puts it back.
  SetzeDruckdatei(Ordner() + "/fehlt/nirgends.pdf");
  EXPECT_EQ(DruckeWidgetGanz(probe.get(), HOCHFORMAT), DruckErgebnis::DateiNichtSchreibbar);
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);
}

TEST_F(Druckschicht, EveryFailureIsReportedNeverAsDone) {
  auto probe = Probe();
  // No printer and no file: nothing to print on.
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::KeinDrucker);
  // A PDF in a folder that does not exist.
  SetzeDruckdatei(Ordner() + "/fehlt/x.pdf");
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::DateiNichtSchreibbar);
  // A job cancelled after its first page leaves no file.
  const QString abgebrochen = Pdf("abgebrochen.pdf");
  SeitenHaken() = [](int) { return false; };
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::Abgebrochen);
  EXPECT_FALSE(QFile::exists(abgebrochen));
  EXPECT_FALSE(DruckLaeuft());

  // Each is a critical message of its own; a print that came out shows nothing.
  Antworte({1, 1, 1, 1});
  EXPECT_FALSE(MeldeDruckergebnis(DruckErgebnis::KeinDrucker));
  EXPECT_FALSE(MeldeDruckergebnis(DruckErgebnis::DateiNichtSchreibbar));
  EXPECT_FALSE(MeldeDruckergebnis(DruckErgebnis::Abgebrochen));
  EXPECT_FALSE(MeldeDruckergebnis(DruckErgebnis::Fehlgeschlagen));
  EXPECT_TRUE(MeldeDruckergebnis(DruckErgebnis::Gedruckt));
  ASSERT_EQ(Dlg().gezeigt.size(), 4u);
  QStringList texte;
  for (const auto& b : Dlg().gezeigt) {
    EXPECT_EQ(b.stil, STIL_KRITISCH);
    texte << b.text;
  }
  EXPECT_EQ(texte.removeDuplicates(), 0);
  EXPECT_EQ(texte[0], SPU().GibTranslation(1850));
}

TEST_F(Druckschicht, NoCommandRunsWhileAPrintoutRuns) {
  auto probe = Probe();
  Pdf("sperre.pdf");
  bool gesperrt = false;
  SeitenHaken() = [&](int) {
    gesperrt = BefehleGesperrt();
    LoescheBefehlsprotokoll();
    ToolbarButtonClick(18);  // the tournament editor
    ToolbarButtonClick(7);   // print again
    return true;
  };
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::Gedruckt);
  EXPECT_TRUE(gesperrt);
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
  EXPECT_FALSE(BefehleGesperrt());
}

TEST_F(Druckschicht, AFileIsReplacedOnlyByAWholePrintoutAndEachJobNeedsItsOwnFile) {
  auto probe = Probe();
  ASSERT_TRUE(DruckerIstPdfDatei());  // no printer installed here
  const QString alt = Ordner() + "/alt.pdf";
  auto schreibe = [](const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
  };
  auto lies = [](const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  auto reste = [this] { return QDir(Ordner()).entryList({"*.pdf"}, QDir::Files | QDir::Hidden); };
  schreibe(alt, "alter Inhalt");
  // A job cancelled half-way leaves the old file as it was and nothing beside it.
  SetzeDruckdatei(alt);
  SeitenHaken() = [](int) { return false; };
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::Abgebrochen);
  EXPECT_EQ(lies(alt), "alter Inhalt");
  EXPECT_EQ(reste(), QStringList({"alt.pdf"}));
  // A whole one replaces it.
  SeitenHaken() = nullptr;
  SetzeDruckdatei(alt);
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::Gedruckt);
  ASSERT_EQ(PdfSeiten(alt).size(), 1);
  EXPECT_TRUE(PdfSeiten(alt)[0].contains("Probeausdruck Puttwise"));
  EXPECT_EQ(reste(), QStringList({"alt.pdf"}));
  // The file served that job only: the next one has none until it is given one.
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::KeinDrucker);
  // A folder in place of the file cannot be written.
  QDir(Ordner()).mkdir("ordner.pdf");
  SetzeDruckdatei(Ordner() + "/ordner.pdf");
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::DateiNichtSchreibbar);
  EXPECT_EQ(reste(), QStringList({"alt.pdf"}));

  // Part files left by printouts killed while writing (an older one names no program) go
  // at the next printout to the folder; one that a running program writes stays.
  QProcess tot, lebt;
  tot.start("sleep", {"0"});
  ASSERT_TRUE(tot.waitForStarted());
  const qint64 toterSchreiber = tot.processId();
  tot.waitForFinished();
  lebt.start("sleep", {"30"});
  ASSERT_TRUE(lebt.waitForStarted());
  const QString killt = QStringLiteral(".karte.pdf.%1.teil.pdf").arg(toterSchreiber);
  const QString laeuft = QStringLiteral(".karte.pdf.%1.teil.pdf").arg(lebt.processId());
  for (const QString& n : {killt, laeuft, QStringLiteral(".statistik.pdf.teil.pdf")})
    schreibe(Ordner() + "/" + n, "%PDF-1.4 halb");
  SetzeDruckdatei(alt);
  EXPECT_EQ(DruckeWidgetGanz(probe.get()), DruckErgebnis::Gedruckt);
  EXPECT_EQ(reste(), QStringList({laeuft, "alt.pdf"}));
  lebt.kill();
  lebt.waitForFinished();
}
