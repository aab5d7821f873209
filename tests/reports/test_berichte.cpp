// The report windows: blank course scorecards and the tournament sheet, filled from the
// editors on screen, their toolbar codes, the print and preview commands and the PDFs.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include "Probehauptfenster.h"
#include "TestUmgebung.h"
#include "data/Global.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "pdf.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Drucker.h"
#include "reports/Kursblatt.h"
#include "reports/Turnierblatt.h"
#include "shell/Befehle.h"
#include "shell/Dialogfenster.h"
#include "shell/Modal.h"

namespace {
class Berichte : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    DruckerFreigeben();
    SetzeHauptfenster(&haupt);
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Achental')");
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, GolfplatzNo) VALUES ('1', 'Pokal', '1')");
  }
  void TearDown() override {
    ModalHaken() = nullptr;
    SetzeHauptfenster(nullptr);
    DruckerFreigeben();
    TestUmgebung::TearDown();
  }
  QString Pdf(const QString& name) { return PdfZiel(Ordner(), name); }
  // The course editor showing a course with the given pars (index 0 = hole 1).
  void Kurs(const QString& name, const QStringList& par, const QStringList& vorgabe) {
    Golfplaetze& g = GolfplaetzeForm();
    g.Golfplatzname->setText(name);
    for (int i = 1; i <= 18; ++i) {
      g.ParLoch(i)->setText(par.value(i - 1));
      g.VorgabeLoch(i)->setText(vorgabe.value(i - 1));
    }
  }
  QStringList Neun() const { return {"4", "3", "5", "4", "4", "3", "4", "5", "4"}; }
  QStringList Index() const {
    QStringList l;
    for (int i = 1; i <= 18; ++i) l << QString::number((i * 7) % 18 + 1);
    return l;
  }
  Probehauptfenster haupt;
};
}  // namespace

TEST_F(Berichte, ParSumsOfACard) {
  KursKarte k;
  for (int i = 0; i < 9; ++i) k.par[i] = Neun()[i];
  KartenSummen s = BerechneKartenSummen(k);
  EXPECT_EQ(s.vorne, "36");
  EXPECT_EQ(s.hinten, "");
  EXPECT_EQ(s.gesamt, "36");
  for (int i = 9; i < 18; ++i) k.par[i] = "3";
  s = BerechneKartenSummen(k);
  EXPECT_EQ(s.hinten, "27");
  EXPECT_EQ(s.gesamt, "63");
  // No par at all: no "0" anywhere.
  s = BerechneKartenSummen(KursKarte{});
  EXPECT_EQ(s.vorne + s.hinten + s.gesamt, "");
  k.par[4] = "vier";
  EXPECT_THROW(BerechneKartenSummen(k), std::runtime_error);
}

TEST_F(Berichte, NineHoleCourseOnBothLayouts) {
  Kurs("Golfclub am Achensee", Neun(), Index());
  rptScorekarteDruck1& eins = FormInstanz<rptScorekarteDruck1>();
  ASSERT_EQ(eins.Karten().size(), 1);
  const Kartenfelder& k = eins.Karten()[0];
  EXPECT_EQ(k.golfplatzname->text(), "Golfclub am Achensee");
  EXPECT_EQ(k.par[2]->text(), "5");
  EXPECT_EQ(k.par[9]->text(), "");
  // Stroke indexes are copied where the hole has no par too.
  EXPECT_EQ(k.vorgabe[12]->text(), Index()[12]);
  EXPECT_EQ(k.par1_9->text(), "36");
  EXPECT_EQ(k.par2_1_9->text(), "36");
  EXPECT_EQ(k.par10_18->text(), "");
  EXPECT_EQ(k.par1_18->text(), "36");
  EXPECT_EQ(haupt.alleLeisten.last(), QString(Befehlscode::Druckansicht.Leiste));
  EXPECT_EQ(haupt.alleMenues.last(), QString(Befehlscode::Druckansicht.Menues));

  // Two identical cards on the portrait page.
  rptScorekarteDruck2& zwei = FormInstanz<rptScorekarteDruck2>();
  ASSERT_EQ(zwei.Karten().size(), 2);
  for (const Kartenfelder& karte : zwei.Karten()) {
    EXPECT_EQ(karte.golfplatzname->text(), "Golfclub am Achensee");
    for (int i = 0; i < 18; ++i) {
      EXPECT_EQ(karte.par[i]->text(), k.par[i]->text());
      EXPECT_EQ(karte.vorgabe[i]->text(), k.vorgabe[i]->text());
    }
    EXPECT_EQ(karte.par1_18->text(), "36");
  }
  // Closing gives the course editor's toolbar back.
  zwei.Zeige();
  zwei.Schliessen();
  EXPECT_EQ(haupt.alleLeisten.last(), "589DEFHI");
}

TEST_F(Berichte, CourseWithoutParPrintsEmptySums) {
  Kurs("Ohne Par", {}, Index());
  const Kartenfelder& k = FormInstanz<rptScorekarteDruck1>().Karten()[0];
  for (QLabel* l : {k.par1_9, k.par2_1_9, k.par10_18, k.par1_18}) EXPECT_EQ(l->text(), "");
  EXPECT_EQ(k.par[0]->text(), "");
  EXPECT_EQ(k.vorgabe[0]->text(), Index()[0]);
}

TEST_F(Berichte, CourseCardsPrintedFromTheQuestionDialog) {
  QStringList par = Neun();
  par << QStringList{"3", "4", "5", "4", "4", "3", "4", "5", "4"};
  Kurs("Achental", par, Index());
  SetzeDruckerAusrichtung(HOCHFORMAT);
  KontextDrucken = "Golfplatz";
  // One card per page: landscape, and the printer is in portrait again afterwards.
  const QString eins = Pdf("eine_karte.pdf");
  ModalHaken() = [](Formular& f) { static_cast<frmFrage&>(f).Command2->click(); };
  BefehlDrucken();
  EXPECT_FALSE(IstFormGeladen("rptScorekarteDruck1"));
  EXPECT_EQ(DruckerAusrichtung(), HOCHFORMAT);
  QStringList seiten = PdfSeiten(eins);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(PdfQuer(eins));
  for (const char* t : {"Achental", "Golfplatz:", "Strafschlag", "10 - 18", "1 - 18", "72"})
    EXPECT_TRUE(seiten[0].contains(t)) << t;
  // The course editor's toolbar and menus are back: the sheet was never in front.
  EXPECT_EQ(haupt.leiste, "589DEFHI");
  EXPECT_EQ(haupt.menues, QString(Befehlscode::Golfplatz.Menues));

  // Two cards per page in English: portrait, the course twice.
  Sprachnummer = 2;
  SetzeDruckerAusrichtung(QUERFORMAT);
  const QString zwei = Pdf("zwei_karten.pdf");
  ModalHaken() = [](Formular& f) { static_cast<frmFrage&>(f).Command1->click(); };
  BefehlDrucken();
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);
  seiten = PdfSeiten(zwei);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_FALSE(PdfQuer(zwei));
  EXPECT_EQ(seiten[0].count("Achental"), 2);
  EXPECT_EQ(seiten[0].count("Penalty"), 2);
  // Each asked for a file of its own, named after it in the interface language.
  ASSERT_EQ(Dlg().vorschlaege.size(), 2);
  EXPECT_TRUE(Dlg().vorschlaege[0].endsWith("/Puttwise - Blanko-Scorekarte Achental.pdf"));
  EXPECT_TRUE(Dlg().vorschlaege[1].endsWith("/Puttwise - Scorecards Achental.pdf"));
  EXPECT_EQ(PdfTitel(eins), "Puttwise - Blanko-Scorekarte Achental");
  EXPECT_EQ(PdfTitel(zwei), "Puttwise - Scorecards Achental");

  // Cancel prints nothing, asks for no file and leaves no printout open.
  ModalHaken() = [](Formular& f) { static_cast<frmFrage&>(f).Command3->click(); };
  const int dateiDialoge = Dlg().dateiDialoge.size();
  BefehlDrucken();
  EXPECT_EQ(Dlg().dateiDialoge.size(), dateiDialoge);
  EXPECT_FALSE(IstFormGeladen("rptScorekarteDruck1"));
  EXPECT_FALSE(IstFormGeladen("rptScorekarteDruck2"));

  // An open preview is printed without asking, and closed.
  KontextSeitenansicht = "Golfplatz";
  ModalHaken() = [](Formular& f) { static_cast<frmFrage&>(f).Command2->click(); };
  BefehlSeitenansicht();
  ASSERT_TRUE(IstFormGeladen("rptScorekarteDruck1"));
  EXPECT_EQ(AktiveForm, "rptScorekarteDruck1");
  ModalHaken() = [](Formular&) { ADD_FAILURE() << "asked again"; };
  const QString vorschau = Pdf("vorschau.pdf");
  BefehlDrucken();
  EXPECT_FALSE(IstFormGeladen("rptScorekarteDruck1"));
  EXPECT_TRUE(PdfQuer(vorschau));
}

TEST_F(Berichte, AParThatIsNoNumberIsNotPrinted) {
  // The par box still holds what was typed (the toolbar takes no focus): the course as the
  // editor holds it has no par there, and the sums count without it.
  QStringList par = Neun();
  par[0] = "x";
  Kurs("Achental", par, Index());
  for (const Kartenfelder& k : FormInstanz<rptScorekarteDruck2>().Karten()) {
    EXPECT_EQ(k.par[0]->text(), "");
    EXPECT_EQ(k.par1_9->text(), "32");
    EXPECT_EQ(k.par1_18->text(), "32");
  }
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Berichte, TournamentSheetMirrorsTheEditor) {
  Turnier& t = TurnierForm();
  t.Turniername->setText("Frühjahrs-Cup");
  t.Datum->setText("12.04.2024");
  t.GolfplatzNo->setEditText("Ein Platz, der nicht in der Liste steht");
  t.SpielartNo->setEditText("Stableford");
  t.TurnierHandicap->setText("36");
  t.LochzahlSonstige->setText("27");
  t.TurnierBemerkung->setPlainText(QString());
  t.Sperre = true;
  t.OptionLoch18(1)->setCheckState(Qt::Checked);
  t.OptionLoch18(2)->setCheckState(Qt::Unchecked);
  t.OptionLoch18(3)->setTristate(true);
  t.OptionLoch18(3)->setCheckState(Qt::PartiallyChecked);
  t.OptionLoch18(4)->setCheckState(Qt::Checked);
  t.OptionLoch18(5)->setCheckState(Qt::Unchecked);
  t.Sperre = false;

  rptTurnier& r = FormInstanz<rptTurnier>();
  EXPECT_EQ(r.Turniername->text(), "Frühjahrs-Cup");
  EXPECT_EQ(r.Datum->text(), "12.04.2024");
  // A course or game type not in its list is none of the tournament's.
  EXPECT_EQ(r.Golfplatzname->text(), "");
  EXPECT_EQ(r.Spielartname->text(), "");
  EXPECT_EQ(r.Handicap->text(), "36");
  // One number of holes: the last box ticked.
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.Loch(i)->checkState(), i == 4 ? Qt::Checked : Qt::Unchecked) << i;
  // The other hole count shows also while its box is not ticked.
  EXPECT_EQ(r.Sonstige->text(), "27");
  EXPECT_EQ(r.Bemerkung->text(), "");
  r.Zeige();
  EXPECT_EQ(AktiveForm, "rptTurnier");
  EXPECT_EQ(haupt.alleLeisten.last(), QString(Befehlscode::Druckansicht.Leiste));

  // The sheet is a snapshot: a later change in the editor does not reach it.
  t.Turniername->setText("Herbst-Cup");
  EXPECT_EQ(r.Turniername->text(), "Frühjahrs-Cup");
}

TEST_F(Berichte, TournamentSheetPrintedAndPreviewed) {
  Turnier& t = TurnierForm();
  t.Turniername->setText("Frühjahrs-Cup");
  t.TurnierBemerkung->setPlainText("Kanonenstart um 9 Uhr");
  t.Datum->setText("12.04.2024");
  t.TurnierHandicap->setText("vorgabewirksam");
  KontextDrucken = KontextSeitenansicht = "Turnier";
  // Printing opens the sheet, prints it and closes it; the orientation is not touched.
  SetzeDruckerAusrichtung(QUERFORMAT);
  const QString pfad = Pdf("turnier.pdf");
  BefehlDrucken();
  EXPECT_FALSE(IstFormGeladen("rptTurnier"));
  EXPECT_EQ(DruckerAusrichtung(), QUERFORMAT);
  QStringList seiten = PdfSeiten(pfad);
  ASSERT_EQ(seiten.size(), 1);
  for (const char* t2 : {"Turnier-Info", "Frühjahrs-Cup", "Kanonenstart um 9 Uhr", "Turnier Handicap:", "Sonstige",
                         "12.04.2024", "vorgabewirksam"})
    EXPECT_TRUE(seiten[0].contains(QString::fromUtf8(t2))) << t2;
  ASSERT_EQ(Dlg().vorschlaege.size(), 1);
  EXPECT_TRUE(Dlg().vorschlaege[0].endsWith(QString::fromUtf8("/Puttwise - Turnier Frühjahrs-Cup.pdf")));
  EXPECT_EQ(PdfTitel(pfad), QString::fromUtf8("Puttwise - Turnier Frühjahrs-Cup"));

  // With the preview open, print leaves it open and prints what it shows.
  SetzeDruckerAusrichtung(HOCHFORMAT);
  BefehlSeitenansicht();
  ASSERT_TRUE(IstFormGeladen("rptTurnier"));
  t.Turniername->setText("Herbst-Cup");
  const QString offen = Pdf("offen.pdf");
  BefehlDrucken();
  EXPECT_TRUE(IstFormGeladen("rptTurnier"));
  seiten = PdfSeiten(offen);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_TRUE(seiten[0].contains(QString::fromUtf8("Frühjahrs-Cup")));
  EXPECT_FALSE(PdfQuer(offen));

  // The file dialog cancelled: one clear message, the sheet is still closed after a print
  // it opened.
  EntladeForm("rptTurnier");
  Dlg().dateien.push_back(QString());
  Antworte({1});
  BefehlDrucken();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
  EXPECT_FALSE(IstFormGeladen("rptTurnier"));
}

// The program goes on while the file dialog is open: a sheet closed meanwhile is not
// printed, and the user is told the job was cancelled.
TEST_F(Berichte, ASheetClosedWhileTheFileDialogIsOpenIsNotPrinted) {
  struct Dialoge : SkriptDialoge {
    QString DateiSpeichern(const QString& titel, const QString& filter, const QString& muster,
                           const QString& vorschlag) override {
      EntladeForm("rptTurnier");
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return SkriptDialoge::DateiSpeichern(titel, filter, muster, vorschlag);
    }
  };
  auto dlg = std::make_unique<Dialoge>();
  m_dlg = dlg.get();
  SetzeDialoge(std::move(dlg));
  TurnierForm().Turniername->setText("Frühjahrs-Cup");
  KontextDrucken = "Turnier";
  const QString pfad = Pdf("turnier.pdf");
  Antworte({1});
  BefehlDrucken();
  EXPECT_FALSE(QFile::exists(pfad));
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().GibTranslation(1852)});
  EXPECT_FALSE(IstFormGeladen("rptTurnier"));
}
