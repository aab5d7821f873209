// Filling the windows' combo boxes from the database, and when their lists drop down.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/Golfer.h"
#include "forms/Listen.h"
#include "shell/Main.h"
#include "shell/Start.h"

namespace {
class Listen : public TestUmgebung {};
}  // namespace

TEST_F(Listen, ComboPaddingActsAsTabStops) {
  Golfplatzzeile("1", "Abcdefghijklmnopqrst");  // 20 characters
  Golfplatzzeile("2", "Ulm");
  Golfplatzzeile("3", QVariant(QMetaType::fromType<QString>()));
  QComboBox box;
  QStringList ids;
  ComboQuelle q;
  q.Anzeigefeld = "Golfplatzname";
  q.SQL = "SELECT * FROM Tab_Golfplatz ORDER BY Golfplatzidn";
  q.Breite1 = 10;
  q.Feld2 = "Golfplatzland";
  q.Breite2 = 5;
  q.IdFeld = "Golfplatzidn";
  ASSERT_TRUE(FuelleComboBox(&box, q, &ids));
  ASSERT_EQ(box.count(), 3);
  EXPECT_EQ(box.itemText(0), "Abcdefghi  DE   ");
  EXPECT_EQ(box.itemText(1), "Ulm        DE   ");
  // A Null first column gives blanks; nothing of the row before carries over.
  EXPECT_EQ(box.itemText(2), QString(10, ' ') + "DE    ");
  // Ids: elements 1..N, one empty element N+1 (element 0 unused).
  ASSERT_EQ(ids.size(), 5);
  EXPECT_EQ(ids.mid(1), QStringList({"1", "2", "3", ""}));
}

TEST_F(Listen, ComboFirstEntrySortAndSelection) {
  QComboBox box;
  ComboQuelle leer;
  leer.Anzeigefeld = "Golfplatzname";
  leer.Tabelle = "tab_golfplatz";
  leer.Sortierung = 1;
  leer.ErsterEintrag = "Alle";
  EXPECT_FALSE(FuelleComboBox(&box, leer, nullptr));
  EXPECT_EQ(box.count(), 1);
  EXPECT_EQ(box.itemText(0), "Alle");
  EXPECT_EQ(leer.SQL, "SELECT * from \"tab_golfplatz\" ORDER BY \"Golfplatzname\" ASC");

  Golfplatzzeile("1", "Zell");
  Golfplatzzeile("2", "Achental");
  Golfplatzzeile("3", "O'Brien Links");
  ComboQuelle q;
  q.Anzeigefeld = "Golfplatzname";
  q.Tabelle = "Tab_Golfplatz";
  q.Sortierung = 2;
  q.Auswahlfeld = "Golfplatzidn";
  q.Auswahlwert = "3";
  ASSERT_TRUE(FuelleComboBox(&box, q, nullptr));
  EXPECT_EQ(box.itemText(0), "Zell");
  EXPECT_EQ(box.currentText(), "O'Brien Links");
  q.SQL.clear();
  q.Auswahlwert = "99";
  FuelleComboBox(&box, q, nullptr);
  EXPECT_EQ(box.currentIndex(), -1);
  // Bound values in a given SQL.
  ComboQuelle p;
  p.Anzeigefeld = "Golfplatzname";
  p.SQL = "SELECT * FROM Tab_Golfplatz WHERE Golfplatzname = ?";
  p.Parameter = {"O'Brien Links"};
  ASSERT_TRUE(FuelleComboBox(&box, p, nullptr));
  EXPECT_EQ(box.count(), 1);
}

TEST_F(Listen, SelectionSignalsAndAFailedQueryLeavesTheBox) {
  Golfplatzzeile("1", "Zell");
  Golfplatzzeile("2", "Achental");
  QComboBox box;
  QSignalSpy wechsel(&box, &QComboBox::currentIndexChanged);
  ASSERT_TRUE(FuelleListe(&box, "Tab_Golfplatz", "Golfplatzname", "Golfplatzidn", "1"));
  EXPECT_EQ(box.currentText(), "Zell");
  // Filling is silent; the selection is announced as a click would be.
  ASSERT_EQ(wechsel.size(), 1);
  EXPECT_EQ(wechsel[0][0].toInt(), 1);
  // The old member names still fill the same way.
  ASSERT_TRUE(FuelleListe(&box, "Tab_Golfplatz", "Golfplatzname"));
  EXPECT_EQ(box.count(), 2);
  EXPECT_EQ(box.currentIndex(), -1);

  ComboQuelle kaputt;
  kaputt.Anzeigefeld = "Golfplatzname";
  kaputt.SQL = "SELECT * FROM Gibtsnicht";
  Antworte({1});
  EXPECT_FALSE(FuelleComboBox(&box, kaputt));
  EXPECT_EQ(box.count(), 2);
}

TEST_F(Listen, TheAnalysisCourseListDoesNotDropWhenTheClosedStatisticsGiveTheFocusBack) {
  Golfplatzzeile("1", "Achental");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
      "VALUES ('1', 'Anna', 18.4, 18, '1', 1)");
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, Spielart, AktHdcp, ScoreLoch01) "
      "VALUES ('1', '1', '2024-02-11', '1', '2', 18.4, 4)");
  ASSERT_TRUE(Main());
  QWidget& fenster = StartFenster();
  fenster.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
  MinMon = "1";
  Golfer& g = GolferForm();
  g.TabstripGolfer->setCurrentIndex(2);
  Analyseseite& seite = *g.Analyse;
  QComboBox* liste = seite.AuswahlGolfplatz;
  auto offen = [liste] { return QApplication::activePopupWidget() == liste->view()->window(); };
  // A click into the box drops its list; all courses are picked there. The analysis of
  // February 2024 is computed with the focus still in the box.
  QTest::mouseClick(liste, Qt::LeftButton, {}, QPoint(liste->width() - 6, liste->height() / 2));
  QTest::qWait(0);
  ASSERT_TRUE(offen());
  liste->setCurrentIndex(0);
  liste->hidePopup();
  QTest::qWait(0);
  ASSERT_EQ(QApplication::focusWidget(), liste);
  Analyseseite::Heute() = QDate(2024, 3, 15);
  seite.MonJahr_Druck(1);
  seite.MonJahr[1]->setChecked(true);
  seite.Calc->click();
  Analyseseite::Heute() = QDate();
  // Closed, the question for the new records, which takes the activation, answered No;
  // then the main window is in front again, the focus back in the box.
  QWidget box;
  BoxenNehmenDieAktivierung(box);
  Antworte({ANTWORT_NEIN});
  ASSERT_TRUE(AuswertungAllgemeinForm().Schliessen());
  fenster.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
  QTest::qWait(20);
  EXPECT_EQ(QApplication::focusWidget(), liste);
  // The list stays closed: the next click, on all rounds, ticks that box.
  EXPECT_FALSE(offen());
  QTest::mouseClick(seite.AlleDatum, Qt::LeftButton);
  EXPECT_TRUE(seite.AlleDatum->isChecked());
  EXPECT_EQ(liste->currentText(), "< Alle Golfplätze >");
  EXPECT_EQ(GezeigteTexte().size(), 1);
  delete StartFensterFallsDa();
}
