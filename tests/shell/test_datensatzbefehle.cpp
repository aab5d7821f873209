// New, Delete, Back and Forward by the routing word of the window in front, on the
// program as it runs.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "shell/Befehle.h"
#include "shell/Main.h"
#include "shell/Start.h"

namespace {
class Routing : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Achental'), ('2', 'Beuerberg')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna', 18.4, 18, '1', 1)");
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, Spielart) VALUES "
        "('1', '1', '2024-05-01', '1', '2'), ('2', '1', '2024-06-01', '1', '2')");
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, GolfplatzNo) VALUES ('1', 'Frühjahrspreis', "
        "'2024-04-01', '1'), ('2', 'Herbstpreis', '2024-09-01', '2')");
    ASSERT_TRUE(Main());
    Dlg().gezeigt.clear();
  }
  void TearDown() override {
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }
  long Anzahl(const char* tabelle) { return SqlWert(QString("SELECT COUNT(*) FROM %1").arg(tabelle)).toLongLong(); }
  bool Gezeigt(int n) { return GezeigteTexte().contains(SPU().GibTranslation(n)); }
};
}  // namespace

TEST_F(Routing, CoursesAndTournaments) {
  ZeigeGolfplatz();
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "2");
  EXPECT_EQ(KontextNeu, "Golfplatz");
  BefehlZurueck();
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "1");
  Antworte({1});
  BefehlZurueck();
  EXPECT_TRUE(Gezeigt(31));
  BefehlWeiter();
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "2");
  BefehlNeu();
  EXPECT_EQ(Anzahl("Tab_Golfplatz"), 3);
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "3");
  GolfplaetzeForm().Golfplatzname->setText("Chieming");

  // The tournament editor closes the course editor, which stores its course.
  ZeigeTurnier();
  EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz WHERE Golfplatzidn = '3'").toString(), "Chieming");
  EXPECT_EQ(TurnierForm().Turniername->text(), "Herbstpreis");
  BefehlZurueck();
  EXPECT_EQ(TurnierForm().Turniername->text(), "Frühjahrspreis");
  // Delete asks through the tournament delete itself (message 51); No deletes nothing.
  Antworte({7});
  BefehlLoeschen();
  EXPECT_TRUE(Gezeigt(51));
  EXPECT_EQ(Anzahl("Tab_Turnier"), 2);
  BefehlNeu();
  EXPECT_EQ(Anzahl("Tab_Turnier"), 3);
}

TEST_F(Routing, ScorecardsAndGolfers) {
  GolferForm().TabstripGolfer->setCurrentIndex(1);  // the user clicks the scorecard tab
  QTest::qWait(0);
  EXPECT_EQ(KontextNeu, "Scorekarte");
  EXPECT_EQ(KontextZurueck, "PreviousScorecard");
  EXPECT_EQ(GolferForm().Kartenschluessel(), "2");
  BefehlZurueck();
  EXPECT_EQ(GolferForm().Kartenschluessel(), "1");
  EXPECT_TRUE(StartFenster().Knopf(10)->isEnabled());
  BefehlWeiter();
  EXPECT_EQ(GolferForm().Kartenschluessel(), "2");
  // Delete on a card: the command asks message 46; No leaves the card.
  Antworte({7});
  BefehlLoeschen();
  EXPECT_TRUE(Gezeigt(46));
  EXPECT_EQ(Anzahl("Greenlogs"), 2);
  Antworte({6});
  BefehlLoeschen();
  EXPECT_EQ(Anzahl("Greenlogs"), 1);
  EXPECT_EQ(GolferForm().Kartenschluessel(), "1");

  // A routing word in other letter case does nothing.
  KontextNeu = "scorekarte";
  BefehlNeu();
  EXPECT_EQ(Anzahl("Greenlogs"), 1);
  KontextNeu = "Scorekarte";
  BefehlNeu();
  EXPECT_EQ(Anzahl("Greenlogs"), 2);
}

TEST_F(Routing, EveryCourseListOfTheGolferWindowFollowsTheCourseEditor) {
  Start& start = StartFenster();
  Golfer& g = GolferForm();
  // In every list of the golfer window (a card shown), or in none.
  auto ueberall = [&](const QString& name) {
    int n = 0;
    for (const QComboBox* c : {g.AuswahlGolfplatz, g.Heimatclub, g.Golfplatznummer}) n += c->findText(name) >= 0;
    return n;
  };
  g.TabstripGolfer->setCurrentIndex(1);
  g.TabstripGolfer->setCurrentIndex(0);
  start.Knopf(17)->trigger();
  Golfplaetze& p = GolfplaetzeForm();
  start.Knopf(2)->trigger();  // New, then Back stores it
  p.Golfplatzname->setText("Chieming");
  p.GolfplatzAnzeigen->setChecked(true);
  start.Knopf(10)->trigger();
  EXPECT_EQ(ueberall("Chieming"), 3);
  EXPECT_EQ(g.Heimatclub->currentText(), "Achental");
  // Renamed: the analysis that had it chosen shows the new name. Deleted: gone.
  g.AuswahlGolfplatz->setCurrentIndex(g.AuswahlGolfplatz->findText("Chieming"));
  start.Knopf(11)->trigger();
  p.Golfplatzname->setText("Chiemsee");
  start.Knopf(10)->trigger();
  EXPECT_EQ(ueberall("Chieming"), 0);
  EXPECT_EQ(ueberall("Chiemsee"), 3);
  EXPECT_EQ(g.AuswahlGolfplatz->currentText(), "Chiemsee");
  start.Knopf(11)->trigger();
  Antworte({ANTWORT_JA});
  start.Knopf(3)->trigger();
  EXPECT_EQ(ueberall("Chiemsee"), 0);
  EXPECT_EQ(g.AuswahlGolfplatz->currentText(), SPU().GibTranslation(213));
}

// A new card left with nothing typed on it is no round: it goes when it is left.
TEST_F(Routing, AnUntouchedNewCardIsNoRound) {
  Start& start = StartFenster();
  Golfer& g = GolferForm();
  g.TabstripGolfer->setCurrentIndex(1);
  start.Knopf(2)->trigger();
  start.Knopf(2)->trigger();
  EXPECT_EQ(Anzahl("Greenlogs"), 3);
  start.Knopf(10)->trigger();  // Back lands on the card before the new one
  EXPECT_EQ(Anzahl("Greenlogs"), 2);
  EXPECT_EQ(g.Kartenschluessel(), "2");
  start.Knopf(2)->trigger();
  g.TabstripGolfer->setCurrentIndex(2);
  QTest::mouseClick(g.Analyse->Calc, Qt::LeftButton);
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  EXPECT_EQ(AuswertungAllgemeinForm().Kopf().Runden, "2");
  // The golfer's only card, new and untouched: Back says it is the first and it stays.
  g.TabstripGolfer->setCurrentIndex(1);
  for (int i = 0; i < 2; ++i) {
    Antworte({ANTWORT_JA});
    BefehlLoeschen();
  }
  Antworte({ANTWORT_OK});
  start.Knopf(10)->trigger();
  EXPECT_TRUE(Gezeigt(31));
  EXPECT_EQ(Anzahl("Greenlogs"), 1);
  EXPECT_TRUE(g.Schliessen());
  EXPECT_EQ(Anzahl("Greenlogs"), 0);
}

TEST_F(Routing, NewGolferAsksFirst) {
  EXPECT_EQ(KontextNeu, "Golfer");
  Antworte({7});
  BefehlNeu();
  EXPECT_EQ(Anzahl("tab_golfer"), 1);
  Antworte({6});
  BefehlNeu();
  EXPECT_EQ(Anzahl("tab_golfer"), 2);
  EXPECT_TRUE(GolferForm().Golfername->text().isEmpty());
}

TEST_F(Routing, ScorecardSettingsWindow) {
  ZeigeEinstellungenScorekarte();
  EXPECT_TRUE(IstFormGeladen("SelectWhat"));
}

TEST_F(Routing, AfterNewTheTypingGoesIntoTheFirstFieldOfTheNewRecord) {
  Start& start = StartFenster();
  start.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&start));
  auto tippe = [](const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(0);
  };

  // A card: the focus left in the course rating, New from the menu, then the date typed.
  Golfer& g = GolferForm();
  g.TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  g.CourseRating->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  start.New->trigger();
  QTest::qWait(0);
  ASSERT_EQ(g.Kartenschluessel(), "3");
  EXPECT_EQ(QApplication::focusWidget(), g.Datum[1]);
  g.Datum[1]->selectAll();
  tippe("3.6.24");
  EXPECT_TRUE(g.CourseRating->text().isEmpty());
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();

  // A golfer: the focus in the home club, New from the toolbar.
  Antworte({ANTWORT_JA});
  g.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_EQ(SqlWert("SELECT Datum FROM Greenlogs WHERE Scorekartenidn = '3'").toString(), "2024-06-03");
  g.Heimatclub->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  if (QWidget* liste = QApplication::activePopupWidget()) liste->close();
  start.Knopf(2)->trigger();
  QTest::qWait(0);
  ASSERT_EQ(Anzahl("tab_golfer"), 2);
  EXPECT_EQ(QApplication::focusWidget(), g.Golfername);
  tippe("Bernd");
  EXPECT_EQ(g.Golfername->text(), "Bernd");

  // A tournament: the focus in the course box, which New leaves without its check.
  ZeigeTurnier();
  QTest::qWait(0);
  Turnier& t = TurnierForm();
  t.GolfplatzNo->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  if (QWidget* liste = QApplication::activePopupWidget()) liste->close();
  const size_t boxen = Dlg().gezeigt.size();
  start.New->trigger();
  QTest::qWait(0);
  ASSERT_EQ(t.Turniernummer->text(), "3");
  EXPECT_EQ(QApplication::focusWidget(), t.Turniername);
  tippe("Sommercup");
  EXPECT_EQ(Dlg().gezeigt.size(), boxen) << GezeigteTexte().join(" | ").toStdString();

  // A course: the focus in the town, New.
  ZeigeGolfplatz();
  QTest::qWait(0);
  EXPECT_EQ(SqlWert("SELECT Turniername FROM Tab_Turnier WHERE Turniernummer = '3'").toString(), "Sommercup");
  Golfplaetze& p = GolfplaetzeForm();
  p.Golfplatzort->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  start.New->trigger();
  QTest::qWait(0);
  ASSERT_EQ(p.GolfplatzNo->text(), "3");
  EXPECT_EQ(QApplication::focusWidget(), p.Golfplatzname);
  tippe("Chieming");
  ZeigeTurnier();
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz WHERE Golfplatzidn = '3'").toString(), "Chieming");
}
