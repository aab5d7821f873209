// The program as a user works it, from its real start: the main window's caption, a new
// golfer's first card, the search window and the Find button, typing into a list that is
// open, the help and web links, the language switch, and the end of the program.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "../reports/pdf.h"
#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/SelectWhat.h"
#include "forms/Turnier.h"
#include "forms/frmScorekarteDetails.h"
#include "language/Sprachumschaltung.h"
#include "platform/QtSprache.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Fortschritt.h"
#include "reports/Auswertungsblatt.h"
#include "reports/Kursblatt.h"
#include "reports/Scorekartenblatt.h"
#include "reports/Turnierblatt.h"
#include "shell/Befehle.h"
#include "shell/Dialogfenster.h"
#include "shell/Farbeinstellung.h"
#include "shell/Main.h"
#include "shell/Start.h"
#include "shell/Suchen.h"

namespace {

// Scripted answers that also note which Yes button a question shows at that moment, as
// the Qt box would label it.
class KnopfDialoge : public SkriptDialoge {
 public:
  QStringList jaKnoepfe;
  int Meldung(const QString& text, int stil, const QString& titel) override {
    if (stil == STIL_FRAGE) {
      QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::Yes | QMessageBox::No);
      jaKnoepfe << box.button(QMessageBox::Yes)->text().remove('&');
    }
    return SkriptDialoge::Meldung(text, stil, titel);
  }
  // A save dialog that takes the activation from the main window; the desktop gives it
  // back only after the command has ended (the test does).
  QPointer<QWidget> dialogfenster;
  QString DateiSpeichern(const QString& titel, const QString& filter, const QString& muster,
                         const QString& vorschlag) override {
    if (dialogfenster) {
      dialogfenster->show();
      dialogfenster->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialogfenster));
      dialogfenster->hide();
    }
    return SkriptDialoge::DateiSpeichern(titel, filter, muster, vorschlag);
  }
};

class Bedienung : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    auto dlg = std::make_unique<KnopfDialoge>();
    knoepfe = dlg.get();
    m_dlg = dlg.get();
    m_dlg->unbeantwortet = [](const QString& was) { ADD_FAILURE() << was.toStdString(); };
    SetzeDialoge(std::move(dlg));
  }
  void TearDown() override {
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
    LadeQtUebersetzung(2);
  }
  QString Text(int n) { return SPU().GibTranslation(n); }

  // A course with par and stroke index and a tee, a golfer at home there with two cards.
  void Daten() {
    QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
    QVariantList werte{"1", "Achental", 1, 72};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
      werte << (i % 6 == 3 ? 3 : 4) << i;
    }
    Sql(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
    Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert, CourseRating) "
        "VALUES ('1', '1', 'Gelb', 113, 69)");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna Berger', 18.4, 18, '1', 1), ('2', 'Bernd Clausen', 9.1, 9, '1', 0)");
    for (const char* id : {"1", "2"}) {
      QStringList s{"Scorekartenidn", "Golfernummer", "Datum", "Golfplatznummer", "Spielart", "AktHdcp", "WasGespielt"};
      QVariantList w{id, "1", QString("2024-05-0%1").arg(id), "1", "2", 18.4, 1};
      for (int i = 1; i <= 18; ++i) {
        s << FeldnameNr("ScoreLoch", i) << FeldnameNr("PuttsLoch", i) << FeldnameNr("DistanceLoch", i);
        w << 5 << 2 << 200 + i;
      }
      Sql(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
              .arg(s.join(','), QStringList(s.size(), "?").join(',')),
          w);
    }
    // The test's own connection must not hold the database open.
    QSqlDatabase::database("test_direkt").close();
  }
  void Starte() {
    ASSERT_TRUE(Main());
    start = StartFensterFallsDa();
    ASSERT_TRUE(start);
    QTest::qWait(0);
  }
  Golfer& g() { return GolferForm(); }
  void Seite(int s) {
    g().TabstripGolfer->setCurrentIndex(s);
    QTest::qWait(0);
  }
  // The analysis page: all rounds, Calculate; the statistics window comes up.
  void Auswerten() {
    Seite(2);
    QTest::mouseClick(g().Analyse->AlleDatum, Qt::LeftButton);
    QTest::mouseClick(g().Analyse->Calc, Qt::LeftButton);
    QTest::qWait(0);
  }
  // Types into a box as the user does and leaves it with Tab.
  void Tippe(QWidget* w, const QString& text) {
    w->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    if (auto* t = qobject_cast<QLineEdit*>(w)) t->selectAll();
    if (auto* c = qobject_cast<QComboBox*>(w)) c->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(0);
  }
  frmSuchen* Suche() { return qobject_cast<frmSuchen*>(SucheFormular("frmSuchen")); }

  Start* start = nullptr;
  KnopfDialoge* knoepfe = nullptr;
};

}  // namespace

TEST_F(Bedienung, TheCaptionBeginsWithTheProductTitleOnEveryPageAndInTheStatistics) {
  Daten();
  Starte();
  EXPECT_EQ(start->windowTitle(), PRODUKTTITEL + "     " + Text(216) + ":   Anna Berger");
  Seite(1);
  EXPECT_EQ(start->windowTitle(), PRODUKTTITEL + "          " + Text(216) + "  -   Anna Berger");
  Auswerten();
  ASSERT_TRUE(IstFormGeladen("AuswertungAllgemein"));
  EXPECT_EQ(start->windowTitle(), PRODUKTTITEL + "     " + Text(216) + ":   Anna Berger");
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
}

TEST_F(Bedienung, ANewGolfersFirstCardStartsFromTheExactHandicapTyped) {
  Daten();
  Starte();
  Golfer& f = g();
  Antworte({ANTWORT_JA});  // create a new golfer?
  start->Knopf(2)->trigger();
  ASSERT_EQ(f.GolferIdn->text(), "3");
  Tippe(f.Golfername, "Carla Dorn");
  Tippe(f.Heimatclub, "Achental");
  // A pasted paragraph in the handicap box: the box quotes its start only, nothing is
  // stored and the golfer page stays.
  const QString absatz = QString("Vorgabe laut Clubausweis vom letzten Jahr ").repeated(8);
  Tippe(f.Stammvorgabe, absatz);
  Antworte({ANTWORT_OK});
  Seite(1);
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  const QString box = Dlg().gezeigt[1].text;
  EXPECT_TRUE(box.contains(absatz.left(50))) << box.toStdString();
  EXPECT_TRUE(box.contains(QString::fromUtf8("…"))) << box.toStdString();
  EXPECT_FALSE(box.contains(absatz.left(70))) << box.toStdString();
  EXPECT_EQ(f.TabstripGolfer->currentIndex(), 0);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Greenlogs WHERE Golfernummer = '3'").toInt(), 0);

  Tippe(f.Stammvorgabe, "25,4");
  Seite(1);
  EXPECT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  ASSERT_EQ(f.TabstripGolfer->currentIndex(), 1);
  EXPECT_EQ(f.Karte().Golfernummer, "3");
  EXPECT_EQ(f.AktHdcp->text(), "25,4");
  EXPECT_EQ(f.Spielvorgabe->text(), "25,4");
  // The tee computes the playing handicap from it: slope 113, course rating = par.
  Tippe(f.Abschlagbezeichnung, "Gelb");
  EXPECT_EQ(f.Spielvorgabe->text(), "25");
  EXPECT_DOUBLE_EQ(SqlWert("SELECT AktHdcp FROM Greenlogs WHERE Golfernummer = '3'").toDouble(), 25.4);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_golfer WHERE Golferidn = '3'").toDouble(), 25.4);
}

TEST_F(Bedienung, TypingIntoTheOpenSearchListAndTheFindButtonAfterTheCross) {
  Daten();
  Starte();
  QToolBar* leiste = start->GolferBar1;
  start->Knopf(4)->trigger();  // the golfers, from the golfer page
  ASSERT_TRUE(Suche());
  QTest::qWait(0);
  QTest::qWait(0);
  QWidget* liste = QApplication::activePopupWidget();
  ASSERT_TRUE(liste) << "the list drops down with the window";
  // The keys reach the open list first; the letters show in the search box.
  for (char c : QByteArray("be")) QTest::keyClick(liste->windowHandle(), c);
  QLineEdit* feld = Suche()->ComboSuch->lineEdit();
  EXPECT_TRUE(feld->text().startsWith("Bernd Clausen")) << feld->text().toStdString();
  EXPECT_EQ(feld->selectedText(), feld->text().mid(2));
  // Backspace takes the completion away, as in the closed box; the next letter brings it.
  QTest::keyClick(liste->windowHandle(), Qt::Key_Backspace);
  EXPECT_EQ(feld->text(), "Be");
  QTest::keyClick(liste->windowHandle(), 'r');
  EXPECT_TRUE(feld->text().startsWith("Bernd Clausen")) << feld->text().toStdString();
  EXPECT_EQ(QApplication::activePopupWidget(), liste);
  QTest::keyClick(liste->windowHandle(), Qt::Key_Return);
  QTest::qWait(0);
  EXPECT_EQ(g().GolferIdn->text(), "2");
  EXPECT_EQ(LeseButton(leiste, 4), 0);
  for (int i = 0; i < 30 && Suche(); ++i) QTest::qWait(20);
  EXPECT_FALSE(Suche());

  // Opened again and closed with the window's cross: the button comes up with it, and
  // the next click opens the search once more.
  start->Knopf(4)->trigger();
  ASSERT_TRUE(Suche());
  EXPECT_EQ(LeseButton(leiste, 4), 1);
  if (QWidget* offen = QApplication::activePopupWidget()) offen->close();
  EXPECT_TRUE(Suche()->close());
  EXPECT_FALSE(Suche());
  EXPECT_EQ(LeseButton(leiste, 4), 0);
  EXPECT_TRUE(g().isEnabled());
  start->Knopf(4)->trigger();
  EXPECT_TRUE(Suche());
  EXPECT_EQ(LeseButton(leiste, 4), 1);
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
}

TEST_F(Bedienung, HelpAndWebLinksWithoutAProgramToOpenThemSaySoInTheInterfaceLanguage) {
  Daten();
  Starte();
  Dlg().programmDa = false;
  for (int sprache : {1, 2}) {
    Sprachnummer = sprache;
    Dlg().gezeigt.clear();
    Antworte({ANTWORT_OK, ANTWORT_OK, ANTWORT_OK});
    start->Inhalt->trigger();
    start->ZantroInternet->trigger();
    start->PuttwiseInternet->trigger();
    ASSERT_EQ(Dlg().gezeigt.size(), 3u) << GezeigteTexte().join(" | ").toStdString();
    const QString hilfe = Programmordner() + (sprache == 1 ? "/Hilfe/puttwise_ger.htm" : "/Hilfe/puttwise_eng.htm");
    EXPECT_EQ(Dlg().gezeigt[0].text, Text(4801).arg(hilfe));
    EXPECT_EQ(Dlg().gezeigt[1].text, Text(4801).arg(Dlg().geoeffnet[1].toString()));
    for (const auto& b : Dlg().gezeigt) {
      EXPECT_EQ(b.stil, STIL_INFO);
      EXPECT_EQ(b.titel, PRODUKTTITEL);
    }
    Dlg().geoeffnet.clear();
  }
  EXPECT_TRUE(Text(4801).startsWith("No program"));
  // With a program there, nothing is said.
  Dlg().programmDa = true;
  Dlg().gezeigt.clear();
  start->PuttwiseInternet->trigger();
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Bedienung, TheLanguageSwitchAsksWithButtonsOfTheNewLanguageAndYesEndsTheProgram) {
  Daten();
  Starte();
  ASSERT_EQ(Sprachnummer, 1);
  Auswerten();
  start->Knopf(15)->trigger();  // the charts window, in front
  ASSERT_TRUE(IstFormGeladen("frmGrafik"));
  ASSERT_EQ(AktiveForm, "frmGrafik");
  Antworte({ANTWORT_JA});
  start->SpracheEnglisch->trigger();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_FRAGE);
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith("The new language")) << Dlg().gezeigt[0].text.toStdString();
  EXPECT_EQ(knoepfe->jaKnoepfe, QStringList{"Yes"});
  // Yes ends the program: every window closes, not only the chart.
  EXPECT_FALSE(IstFormGeladen("frmGrafik"));
  EXPECT_FALSE(IstFormGeladen("AuswertungAllgemein"));
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_FALSE(start->isVisible());
}

TEST_F(Bedienung, AfterStatisticsAndChartsACleanEndLeavesOnlyTheDatabaseFile) {
  Daten();
  Starte();
  Auswerten();
  ASSERT_TRUE(IstFormGeladen("AuswertungAllgemein"));
  start->Knopf(15)->trigger();
  ASSERT_TRUE(IstFormGeladen("frmGrafik"));
  // Between two actions the file alone is the database: no journal beside it.
  EXPECT_FALSE(QFile::exists(DbPfad() + "-wal"));
  EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
  // The user closes the main window; the program ends.
  EXPECT_TRUE(start->close());
  ProgrammAufraeumen();
  EXPECT_FALSE(QFile::exists(DbPfad() + "-wal"));
  EXPECT_FALSE(QFile::exists(DbPfad() + "-shm"));
  EXPECT_TRUE(QFile::exists(DbPfad()));
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
}

// An entry that cannot be stored keeps its box and the focus while the user moves within
// the program; closing the program tells once what is not stored, stores everything else
// and ends.
TEST_F(Bedienung, AnInvalidEntryNeverKeepsTheProgramFromEnding) {
  Daten();
  // A golfer without a home club, who still has none as the program ends, loses nothing.
  Sql("UPDATE tab_golfer SET Heimatclub = NULL WHERE Golferidn = '1'");
  Starte();
  Golfer& f = g();
  f.Golfername->setText("Anna Bergmann");
  f.Stammvorgabe->setText("3.2x");
  // A tournament with a date that is no date: Exit on the editor closes the editor, which
  // stores the rest and names the date once, the stored one kept.
  start->Turnier->trigger();
  QTest::qWait(0);
  ASSERT_TRUE(IstFormGeladen("Turnier"));
  Turnier& t = TurnierForm();
  t.Turniername->setText("Herbstpreis");
  t.Datum->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(t.Datum, "31.13.2024");
  const QVariant datum = SqlWert("SELECT Datum FROM Tab_Turnier");
  Antworte({ANTWORT_OK});
  start->Exit->trigger();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].text, Text(4810).arg(Text(4786), "31.13.2024"));
  EXPECT_FALSE(IstFormGeladen("Turnier"));

  // The user closes the main window: one box names the entry of the golfer page, in the
  // mended words.
  Antworte({ANTWORT_OK});
  EXPECT_TRUE(start->close());
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  const QString box = Dlg().gezeigt[1].text;
  EXPECT_TRUE(box.startsWith(Text(4781).section("\n", 0, 0))) << box.toStdString();
  EXPECT_TRUE(box.contains(Text(4782).arg(Text(4752), "3.2x"))) << box.toStdString();
  EXPECT_FALSE(box.contains(Text(4787))) << box.toStdString();
  EXPECT_TRUE(Text(4751).contains("trennen Sie")) << Text(4751).toStdString();
  EXPECT_FALSE(start->isVisible());
  EXPECT_TRUE(GeladeneFormulare().isEmpty());
  // Everything else is stored; the stored values stay where the entries were not taken.
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '1'").toString(), "Anna Bergmann");
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_golfer WHERE Golferidn = '1'").toDouble(), 18.4);
  EXPECT_EQ(SqlWert("SELECT TurnierName FROM Tab_Turnier").toString(), "Herbstpreis");
  EXPECT_EQ(SqlWert("SELECT Datum FROM Tab_Turnier"), datum);
}

TEST_F(Bedienung, AfterAPrintoutTheWindowPrintedStaysInFrontTheTogglesActOnItAndExitClosesIt) {
  Daten();
  Starte();
  start->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  // The user clicks Calc: the button has the focus, the statistics window comes up.
  Seite(2);
  QTest::mouseClick(g().Analyse->AlleDatum, Qt::LeftButton);
  g().Analyse->Calc->setFocus(Qt::MouseFocusReason);
  QTest::mouseClick(g().Analyse->Calc, Qt::LeftButton);
  QTest::qWait(0);
  ASSERT_TRUE(IstFormGeladen("AuswertungAllgemein"));
  AuswertungAllgemein& f = AuswertungAllgemeinForm();
  // Toolbar Print into a PDF; the main window is active again once the command has ended.
  knoepfe->dialogfenster = new QWidget;
  const QString pfad = PdfZiel(Ordner(), "statistik.pdf");
  start->Knopf(7)->trigger();
  start->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  QTest::qWait(0);
  EXPECT_EQ(PdfSeiten(pfad).size(), 1);
  // The counts are switched on in the statistics window, which stays in front.
  start->Knopf(14)->trigger();
  QTest::qWait(0);
  EXPECT_EQ(f.AktuelleAnsicht(), Auswertungsfenster::Ansicht::Zahlen);
  EXPECT_EQ(MdiBereich()->activeSubWindow(), f.Rahmen());
  EXPECT_EQ(AktiveForm, "AuswertungAllgemein");
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
  delete knoepfe->dialogfenster;

  // The course statistics of one course, printed from the toolbar: then Exit closes the
  // statistics windows one at a time, the one printed first among them.
  start->Knopf(1)->trigger();
  QTest::qWait(0);
  ASSERT_FALSE(IstFormGeladen("AuswertungAllgemein"));
  g().Analyse->AuswahlGolfplatz->setEditText("Achental");
  QTest::mouseClick(g().Analyse->Calc, Qt::LeftButton);
  QTest::qWait(0);
  ASSERT_TRUE(IstFormGeladen("AuswertungGolfplatz"));
  const QString platz = PdfZiel(Ordner(), "platz.pdf");
  start->Knopf(7)->trigger();
  QTest::qWait(0);
  EXPECT_EQ(PdfSeiten(platz).size(), 1);
  EXPECT_FALSE(IstFormGeladen("rptAuswertungS1"));
  EXPECT_EQ(MdiBereich()->activeSubWindow(), SucheFormular("AuswertungGolfplatz")->Rahmen());
  start->Knopf(1)->trigger();
  QTest::qWait(0);
  EXPECT_FALSE(IstFormGeladen("AuswertungGolfplatz"));
  EXPECT_TRUE(IstFormGeladen("Golfer"));
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
}

namespace {
class Fenstertexte : public Bedienung, public ::testing::WithParamInterface<int> {
 protected:
  // The text of `nummer` in the language, empty when the sources give none.
  QString Sprachtext(const QString& tabelle, int nummer, int gruppe = -1) {
    QSqlQuery q(QSqlDatabase::database("test_sprachtexte"));
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE TagNummer = ?%3")
                  .arg(GetParam() == 1 ? "Deutsch" : "Englisch", tabelle, gruppe >= 0 ? " AND GroupNo = ?" : ""));
    q.addBindValue(nummer);
    if (gruppe >= 0) q.addBindValue(gruppe);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
  }
  // Each control of the window that carries a text number shows the text of that number
  // (a tab page the text of its page); each menu item its menu text.
  void PruefeFenster(QWidget* fenster) {
    QList<QObject*> objekte{fenster};
    objekte += fenster->findChildren<QObject*>();
    for (QObject* o : objekte) {
      // Text numbers begin at 1001; the statistics cells carry their record mark (0, 1).
      bool ok = false;
      const int nummer = o->property("Tag").toString().toInt(&ok);
      if (!ok || nummer < 1000) continue;
      const std::string wo =
          (fenster->objectName() + " " + o->objectName() + " " + QString::number(nummer)).toStdString();
      if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
        for (int i = 0; i < tabs->count(); ++i) {
          const QString t = Sprachtext("SpracheTabGroups", nummer, i);
          EXPECT_FALSE(t.isEmpty()) << wo << " page " << i;
          EXPECT_EQ(tabs->tabText(i).toStdString(), t.toStdString()) << wo << " page " << i;
        }
        continue;
      }
      QString gezeigt;
      if (auto* l = qobject_cast<QLabel*>(o))
        gezeigt = l->text();
      else if (auto* g = qobject_cast<QGroupBox*>(o))
        gezeigt = g->title();
      else if (auto* b = qobject_cast<QAbstractButton*>(o);
               b && !qobject_cast<QRadioButton*>(o) && !qobject_cast<QToolBar*>(o->parent()))
        gezeigt = b->text();
      else
        continue;
      const QString t = Sprachtext("Sprache", nummer);
      ++gepruefte;
      EXPECT_FALSE(t.isEmpty()) << wo;
      EXPECT_EQ(gezeigt.toStdString(), t.toStdString()) << wo;
    }
  }
  int gepruefte = 0;  // captions looked at
  void PruefeMenues(QWidget* fenster) {
    for (QAction* a : fenster->findChildren<QAction*>()) {
      bool ok = false;
      const int nummer = a->property("HelpContextID").toInt(&ok);
      if (!ok) continue;
      const QString t = Sprachtext("Menuesprache", nummer);
      EXPECT_FALSE(t.isEmpty()) << a->objectName().toStdString() << " " << nummer;
      EXPECT_EQ(a->text().toStdString(), t.toStdString()) << a->objectName().toStdString() << " " << nummer;
    }
  }
};
}  // namespace

// Every window of the program, opened in the language the program starts in: no control
// that carries a text number is left without the text of its number.
TEST_P(Fenstertexte, NoTaggedControlOfAnyWindowIsWithoutItsText) {
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_sprachtexte");
  db.setDatabaseName(Programmordner() + "/" + SPRACHDATEI);
  ASSERT_TRUE(db.open());
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", QString::number(GetParam()));
  Daten();
  Starte();
  ASSERT_EQ(Sprachnummer, GetParam());
  Seite(1);
  Auswerten();
  start->Knopf(15)->trigger();  // the charts
  FormInstanz<AuswertungGolfplatz>();
  FormInstanz<Golfplaetze>();
  FormInstanz<Turnier>();
  FormInstanz<SelectWhat>();
  FormInstanz<frmScorekarteDetails>();
  FormInstanz<frmSuchen>();
  FormInstanz<frmFrage>();
  FormInstanz<Zantro_Info>();
  FormInstanz<frmBackground>();
  FormInstanz<frmPBar1>();
  FormInstanz<rptScorekarte>();
  FormInstanz<rptAuswertungS1>();
  FormInstanz<rptAuswertungS2>();
  FormInstanz<rptTurnier>();
  FormInstanz<rptScorekarteDruck1>();
  FormInstanz<rptScorekarteDruck2>();
  const QList<Formular*> fenster = GeladeneFormulare();
  EXPECT_EQ(fenster.size(), 19);
  PruefeMenues(start);
  for (Formular* f : fenster) PruefeFenster(f);
  EXPECT_GT(gepruefte, 300);
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(DeutschUndEnglisch, Fenstertexte, ::testing::Values(1, 2));
