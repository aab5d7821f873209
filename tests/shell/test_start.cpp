// The main window's load and close: translated menus and toolbar, the golfer window and
// its course list, the statistics settings, the empty database, and a refused close.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMenuBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "platform/Registry.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

namespace {
class Hauptrahmen : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Hintergrundfarbe = 0x808000;
    LoescheBefehlsprotokoll();
  }
  void TearDown() override {
    // The main window goes first, with its menus (they are windows of their own).
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }
  void Kurse() {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Zell am See'), ('2', 'Aachen'), "
        "('3', 'Bad Kissingen')");
  }
  void Golfer() { Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub) VALUES ('1', 'O''Brien', '1')"); }
  QStringList Eintraege(QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
  }
  // The text of a language database row in the current language.
  QString Text(const QString& tabelle, int nummer) {
    QSqlDatabase db = QSqlDatabase::contains("test_sprache") ? QSqlDatabase::database("test_sprache")
                                                             : QSqlDatabase::addDatabase("QSQLITE", "test_sprache");
    if (!db.isOpen()) {
      db.setDatabaseName(Programmordner() + "/" + SPRACHDATEI);
      db.open();
    }
    QSqlQuery q(db);
    q.prepare(
        QString("SELECT %1 FROM %2 WHERE TagNummer = ?").arg(Sprachnummer == 1 ? "Deutsch" : "Englisch", tabelle));
    q.addBindValue(nummer);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
  }
};

class Verweigerer : public Formular {
 public:
  Verweigerer() : Formular("Verweigerer") {}
  bool darfZu = false;
  int versuche = 0;

 protected:
  bool Form_Unload() override {
    ++versuche;
    return darfZu;
  }
};
}  // namespace

TEST_F(Hauptrahmen, EmptyDatabaseOpensTheCourseEditor) {
  Antworte({1});
  Start& s = StartFenster();
  EXPECT_EQ(s.objectName(), "Start");
  EXPECT_EQ(StartFensterFallsDa(), &s);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, SPU().GibTranslation(161));
  EXPECT_EQ(Dlg().gezeigt[0].stil, 64);
  EXPECT_EQ(MsgAntwort, 1);
  EXPECT_EQ(Befehlsprotokoll(), QStringList({"ZeigeGolfplatz"}));
  EXPECT_TRUE(IstFormGeladen("Golfer"));
  EXPECT_EQ(Eintraege(GolferForm().AuswahlGolfplatz), QStringList({SPU().GibTranslation(213)}));
  EXPECT_EQ(s.Mdi->background().color(), QColor(0, 0x80, 0x80));
  // Loaded once.
  EXPECT_EQ(&StartFenster(), &s);
  EXPECT_EQ(Befehlsprotokoll().size(), 1);
}

TEST_F(Hauptrahmen, CoursesButNoGolferCreatesOneWithoutQuestion) {
  Kurse();
  StartFenster();
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_EQ(Befehlsprotokoll(), QStringList({"NeuGolferOhneFrage"}));
  EXPECT_EQ(Eintraege(GolferForm().AuswahlGolfplatz),
            QStringList({SPU().GibTranslation(213), "Aachen", "Bad Kissingen", "Zell am See"}));
}

TEST_F(Hauptrahmen, CoursesAndGolfersStartQuietly) {
  Kurse();
  Golfer();
  StartFenster();
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
}

TEST_F(Hauptrahmen, StatisticsSettingsAreReadAsStored) {
  Kurse();
  Golfer();
  Sql("DELETE FROM tab_EinstellungenIntern");
  Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES ('FairwaytrefferPar3', '0'), "
      "('DrivingDistancePar3', '1'), ('MinMon', ' 4')");
  StartFenster();
  EXPECT_EQ(FairwaytrefferPar3, "0");
  EXPECT_EQ(DrivingDistancePar3, "1");
  EXPECT_EQ(MinMon, " 4");
  EXPECT_EQ(MinJahr, "");
}

TEST_F(Hauptrahmen, MenusAndTooltipsInBothLanguages) {
  Kurse();
  Golfer();
  for (int sprache : {1, 2}) {
    delete StartFensterFallsDa();
    GlobaleObjekteFreigeben();
    Sprachnummer = sprache;
    Start& s = StartFenster();
    int uebersetzt = 0;
    for (QAction* a : s.findChildren<QAction*>()) {
      const QVariant nr = a->property("HelpContextID");
      if (!nr.isValid()) continue;
      const QString t = Text("Menuesprache", nr.toInt());
      EXPECT_FALSE(t.isEmpty()) << nr.toInt();
      EXPECT_EQ(a->text(), t) << a->objectName().toStdString();
      ++uebersetzt;
    }
    EXPECT_EQ(uebersetzt, 30);
    const QList<int> texte = {131, 132, 133, 134, 0, 135, 136, 0, 137, 138, 139, 0, 140, 141, 142, 0, 143, 144};
    for (int i = 1; i <= 18; ++i) {
      if (texte[i - 1] == 0) continue;
      EXPECT_FALSE(s.Knopf(i)->toolTip().isEmpty()) << i;
      EXPECT_EQ(s.Knopf(i)->toolTip(), Text("MsgSprache", texte[i - 1])) << i;
    }
    EXPECT_EQ(s.SpracheDeutsch->isChecked(), sprache == 1);
    EXPECT_EQ(s.SpracheEnglisch->isChecked(), sprache == 2);
  }
  EXPECT_EQ(StartFenster().Menuepunkt("Datei")->text(), "&File");
  EXPECT_EQ(StartFenster().Knopf(1)->toolTip(), "Exit");
}

TEST_F(Hauptrahmen, ClosingAskEveryWindowAndStopsAtARefusal) {
  Kurse();
  Golfer();
  Start& s = StartFenster();
  s.show();
  auto& v = FormInstanz<Verweigerer>();
  v.Zeige();
  EXPECT_FALSE(s.close());
  EXPECT_EQ(v.versuche, 1);
  EXPECT_TRUE(s.isVisible());
  EXPECT_TRUE(IstFormGeladen("Verweigerer"));
  EXPECT_TRUE(IstFormGeladen("Golfer"));
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop"), NOT_FOUND);

  v.darfZu = true;
  // Nor while a box waits for its answer, as when the session ends under it (the box is
  // closed first, then the main window): the code that showed the box goes on once the
  // answer is back, in windows that are still there.
  bool zu = true;
  QTimer::singleShot(0, &s, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
    zu = s.close();
  });
  QtDialoge().Meldung("Eine Meldung", STIL_INFO, PRODUKTTITEL);
  EXPECT_FALSE(zu);
  EXPECT_TRUE(s.isVisible());
  EXPECT_TRUE(IstFormGeladen("Golfer"));
  EXPECT_EQ(v.versuche, 1);

  EXPECT_TRUE(s.close());
  EXPECT_TRUE(GeladeneFormulare().isEmpty());
  EXPECT_NE(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop"), NOT_FOUND);
}

TEST_F(Hauptrahmen, IsTheMainWindowOfTheWindowsWhileItLives) {
  auto* start = new Start();
  ASSERT_EQ(HF(), static_cast<Hauptfenster*>(start));
  EXPECT_EQ(HF()->Widget(), start);
  // The codes the windows send switch the same buttons and items as the commands do.
  HF_SetzeButtonBar("2H");
  EXPECT_FALSE(start->Knopf(2)->isEnabled());
  EXPECT_FALSE(start->Knopf(17)->isEnabled());
  EXPECT_TRUE(start->Knopf(3)->isEnabled());
  HF_SetzeMenues("KL");
  EXPECT_FALSE(start->New->isEnabled());
  EXPECT_FALSE(start->Del->isEnabled());
  EXPECT_TRUE(start->Exit->isEnabled());
  // Toggling a two-state button runs no command.
  HF_SchalteButton(13);
  EXPECT_EQ(HF_LeseButton(13), 1);
  EXPECT_EQ(LeseButton(start->GolferBar1, 13), 1);
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
  HF_SetzeTitel(PRODUKTTITEL + "Golfplätze");
  EXPECT_EQ(start->windowTitle(), PRODUKTTITEL + "Golfplätze");
  HF_SchalteBefehle(false);
  EXPECT_FALSE(start->menuBar()->isEnabled());
  EXPECT_FALSE(start->GolferBar1->isEnabled());
  HF_SchalteBefehle(true);
  EXPECT_TRUE(start->GolferBar1->isEnabled());
  delete start;
  EXPECT_EQ(HF(), nullptr);
  HF_SetzeTitel("weg");  // nothing left to reach
}
