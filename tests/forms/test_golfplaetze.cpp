// The course editor with its tee grid, the course and tee records, and the course and tee deletes.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "Probehauptfenster.h"
#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Loeschen.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "shell/Befehle.h"
#include "shell/Main.h"
#include "shell/Programmende.h"
#include "shell/Start.h"

namespace {

class Kurse : public TestUmgebung {
 protected:
  Golfplaetze& f() { return GolfplaetzeForm(); }
  QString Meldung(int n) { return SPU().GibTranslation(n); }
  bool Gezeigt(int n) { return GezeigteTexte().contains(Meldung(n)); }
  long Zeilen(const QString& sql, const QVariantList& werte = {}) { return SqlWert(sql, werte).toLongLong(); }

  void Platz(const QString& id, const QString& name) {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES (?, ?)", {id, name});
  }
  void Abschlag(const QString& id, const QString& platz, const QString& name, double slope, double cr) {
    Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert, CourseRating) "
        "VALUES (?, ?, ?, ?, ?)",
        {id, platz, name, slope, cr});
  }
  QString Zelle(int r, int c) {
    const QTableWidgetItem* i = f().Slope->item(r, c);
    return i ? i->text() : QString();
  }
  void SetzeZelle(int r, int c, const QString& t) { f().Slope->item(r, c)->setText(t); }
  void Aktiviere() {
    f().Zeige();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
  }
};

const int PAR[19] = {0, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 5, 3, 4, 4, 4, 3, 5, 4};

}  // namespace

TEST_F(Kurse, EveryFieldIsWrittenAndReadBack) {
  EXPECT_EQ(NeuGolfplatz("O'Brien Golf & Country Club"), "1");
  Golfplaetze& g = f();
  EXPECT_EQ(g.GolfplatzNo->text(), "1");
  EXPECT_EQ(g.Golfplatzname->text(), "O'Brien Golf & Country Club");
  g.Golfplatzstrasse->setText("Münchner Straße 5");
  g.Golfplatzplz->setText("82064");
  g.Golfplatzort->setText("Straßlach-Dingharting");
  g.Golfplatztelefon->setText("08170 / 9290");
  g.Golfplatzfax->setText("08170 / 92911");
  g.Golfplatzland->setText("Österreich");
  g.URL->setText("https://golf.example/o'brien");
  g.Greenfee->setText("75,- €");
  g.Handicap->setText("-36");
  g.Golfplatzinfo->setPlainText("Zeile 1\nZeile 2 mit 'Zitat'");
  g.Teetimes->setChecked(true);
  g.GolfplatzAnzeigen->setChecked(true);
  Golfplaetze::SetzeOption(g.Option[3], true);
  Golfplaetze::SetzeOption(g.Option1[8], true);
  for (int i = 1; i <= 18; ++i) {
    g.ParLoch[i]->setText(QString::number(PAR[i]));
    g.VorgabeLoch[i]->setText(QString::number(19 - i));
  }
  g.ParLoch[9]->setText(" 4 ");  // blanks around the number do not matter
  g.ParLoch[18]->clear();        // empty: Null
  g.VorgabeLoch[17]->clear();    // empty: Null
  ASSERT_TRUE(WriteGolfplatzdaten("1"));

  EXPECT_EQ(SqlWert("SELECT Golfplatzstraße FROM Tab_Golfplatz").toString(), "Münchner Straße 5");
  EXPECT_EQ(SqlWert("SELECT GolfplatzInternet FROM Tab_Golfplatz").toString(), "https://golf.example/o'brien");
  EXPECT_EQ(SqlWert("SELECT Golfplatzlochzahl FROM Tab_Golfplatz").toInt(), 3);
  EXPECT_EQ(SqlWert("SELECT Bewertung FROM Tab_Golfplatz").toInt(), 5);
  EXPECT_EQ(SqlWert("SELECT Teetimes FROM Tab_Golfplatz").toInt(), 1);
  EXPECT_EQ(SqlWert("SELECT Loch02Par FROM Tab_Golfplatz").toInt(), 4);
  EXPECT_EQ(SqlWert("SELECT Loch09Par FROM Tab_Golfplatz").toInt(), 4);
  EXPECT_TRUE(SqlWert("SELECT Loch18Par FROM Tab_Golfplatz").isNull());
  EXPECT_TRUE(SqlWert("SELECT Loch17Vorgabe FROM Tab_Golfplatz").isNull());
  EXPECT_EQ(SqlWert("SELECT Loch01Vorgabe FROM Tab_Golfplatz").toInt(), 18);

  // An empty field is stored as Null.
  g.Greenfee->clear();
  ASSERT_TRUE(WriteGolfplatzdaten("1"));
  EXPECT_TRUE(SqlWert("SELECT Greenfee FROM Tab_Golfplatz").isNull());

  LoescheGolfplatzFelder();
  EXPECT_TRUE(g.GolfplatzNo->text().isEmpty());
  EXPECT_FALSE(g.Option[3]->isChecked());
  EXPECT_FALSE(g.Option1[8]->isChecked());
  ASSERT_TRUE(ReadGolfplatzdaten("1"));
  EXPECT_EQ(g.Golfplatzname->text(), "O'Brien Golf & Country Club");
  EXPECT_EQ(g.Golfplatzort->text(), "Straßlach-Dingharting");
  EXPECT_EQ(g.Golfplatzland->text(), "Österreich");
  EXPECT_EQ(g.Golfplatzinfo->toPlainText(), "Zeile 1\nZeile 2 mit 'Zitat'");
  EXPECT_TRUE(g.Greenfee->text().isEmpty());
  EXPECT_TRUE(g.Teetimes->isChecked());
  EXPECT_TRUE(g.GolfplatzAnzeigen->isChecked());
  EXPECT_TRUE(g.Option[3]->isChecked());
  EXPECT_TRUE(g.Option1[8]->isChecked());
  EXPECT_EQ(g.ParLoch[9]->text(), "4");
  EXPECT_TRUE(g.ParLoch[18]->text().isEmpty());
  // Front: 4+4+3+5+4+4+3+5+4; back: holes 10-17.
  EXPECT_EQ(g.ParSumme[19]->text(), "36");
  EXPECT_EQ(g.ParSumme[20]->text(), "32");
}

TEST_F(Kurse, OptionValuesOutsideTheirRangeSelectNothing) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, Golfplatzlochzahl, Bewertung, Loch01Par) "
      "VALUES ('1', 'A', 4, 0, 7)");
  ASSERT_TRUE(ReadGolfplatzdaten("1"));
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(f().Option[i]->isChecked());
  for (int i = 4; i <= 8; ++i) EXPECT_FALSE(f().Option1[i]->isChecked());
  // A stored par of 7 is shown but not summed.
  EXPECT_EQ(f().ParLoch[1]->text(), "7");
  EXPECT_EQ(f().ParSumme[19]->text(), "0");
  // Left as it stands it is not judged: an edit elsewhere is stored and the par stays. With
  // no button chosen the stored values stay too. So do hole values another program stored
  // that this one reads otherwise or not at all.
  Sql("UPDATE Tab_Golfplatz SET Loch02Par = 'x', Loch03Par = 4.5, Loch05Vorgabe = 'y'");
  ASSERT_TRUE(ReadGolfplatzdaten("1"));
  QTest::keyClicks(f().Golfplatzort, "Murnau");
  ASSERT_TRUE(WriteGolfplatzdaten("1"));
  EXPECT_EQ(SqlWert("SELECT Golfplatzort FROM Tab_Golfplatz").toString(), "Murnau");
  EXPECT_EQ(SqlWert("SELECT Loch01Par FROM Tab_Golfplatz").toInt(), 7);
  EXPECT_EQ(SqlWert("SELECT Golfplatzlochzahl FROM Tab_Golfplatz").toInt(), 4);
  EXPECT_EQ(
      SqlWert("SELECT quote(Loch02Par) || quote(Loch03Par) || quote(Loch05Vorgabe) FROM Tab_Golfplatz").toString(),
      "'x'4.5'y'");
  // Nothing typed since: the course is not written again.
  Sql("UPDATE Tab_Golfplatz SET Golfplatzort = 'Garmisch'");
  ASSERT_TRUE(WriteGolfplatzdaten("1"));
  EXPECT_EQ(SqlWert("SELECT Golfplatzort FROM Tab_Golfplatz").toString(), "Garmisch");
}

TEST_F(Kurse, NewCourseSavesTheShownOneAndTakesTheNextId) {
  Platz("9", "Neun");
  Platz("10", "Zehn");
  GotoGolfplatz("10");
  f().Golfplatzort->setText("Bad Tölz");
  Abschlag("4", "10", "Gelb", 130, 71.5);
  FuelleSlopeListbox("10");
  ASSERT_EQ(f().Slope->rowCount(), 3);

  EXPECT_EQ(NeuGolfplatz("Zwölf Linden"), "11");
  EXPECT_EQ(SqlWert("SELECT Golfplatzort FROM Tab_Golfplatz WHERE Golfplatzidn = '10'").toString(), "Bad Tölz");
  EXPECT_EQ(f().GolfplatzNo->text(), "11");
  EXPECT_EQ(f().Golfplatzname->text(), "Zwölf Linden");
  EXPECT_TRUE(f().Golfplatzort->text().isEmpty());
  EXPECT_EQ(f().ParSumme[19]->text(), "0");
  EXPECT_EQ(f().ParSumme[20]->text(), "0");
  // Header and the empty new-tee row only.
  EXPECT_EQ(f().Slope->rowCount(), 2);
  EXPECT_TRUE(Zelle(1, 0).isEmpty());
  EXPECT_TRUE(SqlWert("SELECT Golfplatzort FROM Tab_Golfplatz WHERE Golfplatzidn = '11'").isNull());
}

TEST_F(Kurse, EmptyTableOpensTheEditorWithAFirstCourse) {
  EXPECT_EQ(GotoGolfplatz("LAST"), "1");
  EXPECT_TRUE(IstFormGeladen("Golfplätze"));
  EXPECT_EQ(f().GolfplatzNo->text(), "1");
  EXPECT_TRUE(f().Golfplatzname->text().isEmpty());
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM Tab_Golfplatz"), 1);
  EXPECT_EQ(AktiveForm, "Golfplätze");
  EXPECT_EQ(KontextNeu, "Golfplatz");
  EXPECT_EQ(KontextDrucken, "Golfplatz");
}

TEST_F(Kurse, ScrollingSavesFirstAndStopsAtBothEnds) {
  Platz("2", "Zwei");
  Platz("10", "Zehn");
  Platz("3", "Drei");
  // LAST and scrolling follow the order in which the courses were stored.
  EXPECT_EQ(GotoGolfplatz("LAST"), "3");
  f().Golfplatzname->setText("Drei geändert");
  Antworte({ANTWORT_OK});
  ScrollGolfplatz(2);
  EXPECT_TRUE(Gezeigt(32));
  EXPECT_EQ(f().GolfplatzNo->text(), "3");
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz WHERE Golfplatzidn = '3'").toString(), "Drei geändert");

  ScrollGolfplatz(1);
  EXPECT_EQ(f().GolfplatzNo->text(), "10");
  ScrollGolfplatz(1);
  EXPECT_EQ(f().GolfplatzNo->text(), "2");
  Antworte({ANTWORT_OK});
  ScrollGolfplatz(1);
  EXPECT_TRUE(Gezeigt(31));
  EXPECT_EQ(f().GolfplatzNo->text(), "2");

  // Without a course shown: nothing saved, no move, no message.
  const size_t boxen = Dlg().gezeigt.size();
  LoescheGolfplatzFelder();
  ScrollGolfplatz(2);
  EXPECT_EQ(Dlg().gezeigt.size(), boxen);
  EXPECT_TRUE(f().GolfplatzNo->text().isEmpty());
}

TEST_F(Kurse, ScrollingAnEmptyTableSaysSo) {
  Antworte({ANTWORT_OK});
  ScrollGolfplatz(2);
  EXPECT_TRUE(Gezeigt(30));
}

TEST_F(Kurse, TeesAreWrittenByRowAndReadBackInTheLocaleForm) {
  Platz("1", "Platz");
  Abschlag("7", "1", "Men's Tee", 125, 71.2);
  Abschlag("8", "1", "Rot", 120, 70);
  GotoGolfplatz("1");
  ASSERT_EQ(f().Slope->rowCount(), 4);
  EXPECT_EQ(Zelle(2, 0), "Men's Tee");
  EXPECT_EQ(Zelle(2, 2), "71,2");
  EXPECT_EQ(Zelle(3, 3), "8");

  SetzeZelle(1, 0, "Gelb 'Lang'");
  SetzeZelle(1, 1, "133");
  SetzeZelle(1, 2, "72,5");
  SetzeZelle(2, 1, "abc");  // not a number: told, nothing is stored, the cell keeps it
  SetzeZelle(3, 2, "");     // emptied: the course rating is cleared
  QString neu;
  Antworte({1});
  EXPECT_FALSE(WriteSlope(&neu));
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("abc"));
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 2);
  EXPECT_EQ(Zelle(2, 1), "abc");
  SetzeZelle(2, 1, "125");
  ASSERT_TRUE(WriteSlope(&neu));
  EXPECT_EQ(neu, "9");
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = '7'").toDouble(), 125);
  EXPECT_TRUE(SqlWert("SELECT CourseRating FROM tab_Slope WHERE Slopeidn = '8'").isNull());
  EXPECT_DOUBLE_EQ(SqlWert("SELECT CourseRating FROM tab_Slope WHERE Slopeidn = '9'").toDouble(), 72.5);
  EXPECT_EQ(SqlWert("SELECT Golfplatzidn FROM tab_Slope WHERE Slopeidn = '9'").toString(), "1");
  // Refilled: the new tee last, the new-tee row empty again.
  ASSERT_EQ(f().Slope->rowCount(), 5);
  EXPECT_EQ(Zelle(4, 0), "Gelb 'Lang'");
  EXPECT_EQ(Zelle(2, 1), "125");
  EXPECT_TRUE(Zelle(1, 0).isEmpty());

  // A row without a name is not stored.
  SetzeZelle(1, 1, "140");
  ASSERT_TRUE(WriteSlope(&neu));
  EXPECT_TRUE(neu.isEmpty());
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 3);

  // A new tee whose slope is no number is told and not stored; emptied, it has none.
  SetzeZelle(1, 0, "Blau");
  SetzeZelle(1, 1, "xx");
  Antworte({1});
  EXPECT_FALSE(WriteSlope(&neu));
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 3);
  SetzeZelle(1, 1, "");
  ASSERT_TRUE(WriteSlope(&neu));
  EXPECT_TRUE(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = ?", {neu}).isNull());

  // Ratings stored by an earlier version outside today's ranges are stored back as they
  // were loaded, with no box; typed, they are told.
  Sql("UPDATE tab_Slope SET Slopewert = 160, CourseRating = 95.5 WHERE Slopeidn = '7'");
  GotoGolfplatz("1");
  ASSERT_EQ(Zelle(2, 3), "7");
  ASSERT_EQ(Zelle(2, 1), "160");
  const size_t boxen = Dlg().gezeigt.size();
  SetzeZelle(2, 0, "Men's Tee lang");
  ASSERT_TRUE(WriteSlope(&neu));
  EXPECT_EQ(Dlg().gezeigt.size(), boxen);
  EXPECT_EQ(SqlWert("SELECT Abschlagbezeichnung FROM tab_Slope WHERE Slopeidn = '7'").toString(), "Men's Tee lang");
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = '7'").toDouble(), 160);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT CourseRating FROM tab_Slope WHERE Slopeidn = '7'").toDouble(), 95.5);
  SetzeZelle(2, 1, "170");
  Antworte({1});
  EXPECT_FALSE(WriteSlope(&neu));
  EXPECT_EQ(Dlg().gezeigt.size(), boxen + 1);
  // A rating another program stored as a text stays as stored when the tee is renamed.
  Sql("UPDATE tab_Slope SET CourseRating = 'k. A.' WHERE Slopeidn = '8'");
  GotoGolfplatz("1");
  ASSERT_EQ(Zelle(3, 3), "8");
  SetzeZelle(3, 0, "Rot kurz");
  ASSERT_TRUE(WriteSlope(&neu));
  EXPECT_EQ(SqlWert("SELECT Abschlagbezeichnung || '/' || quote(CourseRating) FROM tab_Slope WHERE Slopeidn = '8'")
                .toString(),
            "Rot kurz/'k. A.'");
}

TEST_F(Kurse, TeeLookupForTheScorecard) {
  Platz("1", "Platz");
  Abschlag("3", "1", "Men's Tee", 125, 71.2);
  double slope = -1, cr = -1;
  QString id = "alt";
  EXPECT_TRUE(DBG().GibSlopeCR("Men's Tee", "1", slope, cr, id));
  EXPECT_DOUBLE_EQ(slope, 125);
  EXPECT_DOUBLE_EQ(cr, 71.2);
  EXPECT_EQ(id, "3");
  id = "alt";
  EXPECT_FALSE(DBG().GibSlopeCR("Gibt's nicht", "1", slope, cr, id));
  EXPECT_EQ(slope, 0);
  EXPECT_EQ(cr, 0);
  EXPECT_EQ(id, "alt");
}

TEST_F(Kurse, CommittingTheNewTeeRowStoresItAndGoesToItsRow) {
  Platz("1", "Platz");
  Abschlag("1", "1", "Weiß", 135, 74.1);
  Abschlag("2", "1", "Gelb", 130, 72);
  GotoGolfplatz("1");
  Aktiviere();
  AbschlagEditor& e = *f().Abschlaege;
  e.SetzeZelle(1, 0);
  QTest::keyClick(f().Slope, 'R');  // typing in the grid starts the edit
  ASSERT_TRUE(e.Bearbeitet());
  QTest::keyClicks(f().T1, "ot");
  EXPECT_EQ(Zelle(1, 0), "Rot");  // mirrored into the cell
  QTest::keyClick(f().T1, Qt::Key_Return);
  EXPECT_EQ(SqlWert("SELECT Abschlagbezeichnung FROM tab_Slope WHERE Slopeidn = '3'").toString(), "Rot");
  EXPECT_EQ(e.Row(), 4);
  EXPECT_EQ(Zelle(e.Row(), 3), "3");
  EXPECT_EQ(e.Col(), 1);
  EXPECT_FALSE(e.Bearbeitet());
  EXPECT_TRUE(Zelle(1, 0).isEmpty());
  EXPECT_EQ(KontextLoeschen, "Slope");

  // Clicking into row 1's slope does not edit it: a new tee begins with its name.
  e.SetzeZelle(1, 2);
  e.PositioniereEditFeld();
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 0);

  // Right from a named new-tee row commits it as Enter does.
  QTest::keyClick(f().Slope, 'B');
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(SqlWert("SELECT Abschlagbezeichnung FROM tab_Slope WHERE Slopeidn = '4'").toString(), "B");
  EXPECT_EQ(Zelle(e.Row(), 3), "4");
}

TEST_F(Kurse, EditBoxKeysMoveAndWrapThroughTheGrid) {
  Platz("1", "Platz");
  for (int i = 1; i <= 4; ++i) Abschlag(QString::number(i), "1", QStringLiteral("T%1").arg(i), 120 + i, 70);
  GotoGolfplatz("1");
  Aktiviere();
  AbschlagEditor& e = *f().Abschlaege;
  ASSERT_EQ(e.Rows(), 6);

  // Enter in a course rating commits and moves on to the next row's name ...
  e.SetzeZelle(3, 2);
  QTest::keyClick(f().Slope, Qt::Key_F2);
  ASSERT_TRUE(e.Bearbeitet());
  EXPECT_EQ(f().T1->text(), "70");
  f().T1->selectAll();
  QTest::keyClicks(f().T1, "71,8");
  QTest::keyClick(f().T1, Qt::Key_Return);
  EXPECT_EQ(Zelle(3, 2), "71,8");
  EXPECT_EQ(e.Row(), 4);
  EXPECT_EQ(e.Col(), 0);
  // ... and from the last row back to the new-tee row.
  e.SetzeZelle(5, 3);
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 0);

  // Esc puts back what the cell had on entry.
  e.SetzeZelle(2, 0);
  QTest::keyClick(f().Slope, 'X');
  EXPECT_EQ(Zelle(2, 0), "X");
  QTest::keyClick(f().T1, Qt::Key_Escape);
  EXPECT_EQ(f().T1->text(), "T1");
  EXPECT_EQ(Zelle(2, 0), "T1");

  // Arrows: up and down by row; right only with the caret at the end.
  QTest::keyClick(f().T1, Qt::Key_Down);
  EXPECT_EQ(e.Row(), 3);
  EXPECT_FALSE(e.Bearbeitet());
  e.PositioniereEditFeld();
  f().T1->setCursorPosition(0);
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(e.Col(), 0);
  QTest::keyClick(f().T1, Qt::Key_End);
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(e.Col(), 1);
  e.PositioniereEditFeld();
  QTest::keyClick(f().T1, Qt::Key_Up);
  EXPECT_EQ(e.Row(), 2);

  // The changed row is stored with the course.
  e.SetzeZelle(4, 1);
  QTest::keyClick(f().Slope, Qt::Key_Backspace);  // 124 -> 12
  QTest::keyClick(f().T1, '9');
  QTest::keyClick(f().T1, Qt::Key_Return);
  ASSERT_TRUE(WriteGolfplatzdaten("1"));
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = '3'").toDouble(), 129);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT CourseRating FROM tab_Slope WHERE Slopeidn = '2'").toDouble(), 71.8);
}

TEST_F(Kurse, ParAndStrokeIndexChecks) {
  Platz("1", "Platz");
  GotoGolfplatz("1");
  Golfplaetze& g = f();
  for (int i = 1; i <= 9; ++i) {
    g.ParLoch[i]->setText(QString::number(PAR[i]));
    g.ParLoch_LostFocus(i);
  }
  EXPECT_EQ(g.ParSumme[19]->text(), "36");
  EXPECT_TRUE(Dlg().gezeigt.empty());

  // A refused entry gives the box back what it held before.
  for (const char* falsch : {"7", "2", "-", "99", "vier", "4,5"}) {
    g.ParLoch[1]->setText(falsch);
    Antworte({ANTWORT_OK});
    g.ParLoch_LostFocus(1);
    EXPECT_EQ(g.ParLoch[1]->text(), "4") << falsch;
    EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(125));
    EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_KRITISCH);
  }
  EXPECT_EQ(g.ParSumme[19]->text(), "36");
  g.ParLoch[1]->setText("6");
  g.ParLoch_LostFocus(1);
  EXPECT_EQ(g.ParSumme[19]->text(), "38");

  const size_t boxen = Dlg().gezeigt.size();
  for (const char* gut : {"1", "18", ""}) {
    g.VorgabeLoch[4]->setText(gut);
    g.VorgabeLoch_LostFocus(4);
  }
  // The same stroke index twice is accepted.
  g.VorgabeLoch[5]->setText("18");
  g.VorgabeLoch_LostFocus(5);
  EXPECT_EQ(Dlg().gezeigt.size(), boxen);
  for (const char* falsch : {"19", "0"}) {
    g.VorgabeLoch[4]->setText(falsch);
    Antworte({ANTWORT_OK});
    g.VorgabeLoch_LostFocus(4);
    EXPECT_TRUE(g.VorgabeLoch[4]->text().isEmpty());
    EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(127));
  }

  // Typed over stored values with the keys and refused: the stored values come back, and
  // the language switch, which ends the program, stores them as they were.
  Sql("UPDATE Tab_Golfplatz SET Loch02Par = 4, Loch02Vorgabe = 8");
  ReadGolfplatzdaten("1");
  Aktiviere();
  for (QLineEdit* feld : {g.ParLoch[2], g.VorgabeLoch[2]}) {
    feld->setFocus(Qt::TabFocusReason);
    feld->selectAll();
    Antworte({ANTWORT_OK});
    QTest::keyClicks(feld, "19");
    QTest::keyClick(feld, Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(GezeigteTexte().mid(GezeigteTexte().size() - 2), QStringList({Meldung(125), Meldung(127)}));
  EXPECT_EQ(g.ParLoch[2]->text() + "/" + g.VorgabeLoch[2]->text(), "4/8");
  Antworte({ANTWORT_JA});
  WechsleZuEnglisch();
  EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  EXPECT_EQ(SqlWert("SELECT Loch02Par || '/' || Loch02Vorgabe FROM Tab_Golfplatz").toString(), "4/8");
}

TEST_F(Kurse, ArrowKeysWalkTheHoleBoxes) {
  Platz("1", "Platz");
  GotoGolfplatz("1");
  Aktiviere();
  Golfplaetze& g = f();
  auto nach = [&](QLineEdit* von, Qt::Key taste) {
    von->setFocus(Qt::TabFocusReason);
    QTest::keyClick(von, taste);
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
  };
  EXPECT_EQ(nach(g.ParLoch[18], Qt::Key_Down), g.VorgabeLoch[18]);
  EXPECT_EQ(nach(g.VorgabeLoch[18], Qt::Key_Down), g.ParLoch[1]);
  EXPECT_EQ(nach(g.ParLoch[1], Qt::Key_Left), g.ParLoch[18]);
  EXPECT_EQ(nach(g.ParLoch[18], Qt::Key_Right), g.ParLoch[1]);
  EXPECT_EQ(nach(g.ParLoch[1], Qt::Key_Up), g.VorgabeLoch[18]);
  EXPECT_EQ(nach(g.VorgabeLoch[7], Qt::Key_Up), g.ParLoch[7]);
  EXPECT_EQ(nach(g.VorgabeLoch[1], Qt::Key_Left), g.VorgabeLoch[18]);

  // A box with the focus is blue, and grey again after a valid entry.
  g.ParLoch[3]->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(g.ParLoch[3]->palette().color(QPalette::Base), QColor(0, 0, 255));
  QTest::keyClicks(g.ParLoch[3], "4");
  QTest::keyClick(g.ParLoch[3], Qt::Key_Right);
  EXPECT_EQ(g.ParLoch[3]->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(g.ParSumme[19]->text(), "4");

  // New from a stroke index: the new course's name gets the focus, and only it.
  g.VorgabeLoch[1]->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  ASSERT_EQ(g.VorgabeLoch[1]->palette().color(QPalette::Base), QColor(0, 0, 255));
  BefehlNeu();
  QCoreApplication::processEvents();
  EXPECT_NE(g.GolfplatzNo->text(), "1");
  EXPECT_EQ(QApplication::focusWidget(), g.Golfplatzname);
  for (int i = 1; i <= 18; ++i)
    for (QLineEdit* t : {g.ParLoch[i], g.VorgabeLoch[i]}) {
      EXPECT_EQ(t->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0)) << t->objectName().toStdString();
      EXPECT_EQ(t->palette().color(QPalette::Text), QColor(Qt::black)) << t->objectName().toStdString();
    }
}

TEST_F(Kurse, ClosingNeedsANameAndLeadsToTheFirstGolfer) {
  GotoGolfplatz("LAST");
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(f().Schliessen());
  EXPECT_TRUE(Gezeigt(224));
  EXPECT_TRUE(IstFormGeladen("Golfplätze"));

  LoescheBefehlsprotokoll();
  f().Golfplatzname->setText("Erster Platz");
  f().Golfplatztelefon->setText("0815");
  EXPECT_TRUE(f().Schliessen());
  EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  EXPECT_EQ(SqlWert("SELECT Golfplatztelefon FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").toString(), "0815");
  // No golfer yet: the first one is created without a question.
  EXPECT_TRUE(Befehlsprotokoll().contains("NeuGolferOhneFrage"));
}

// A new course without a name as the program ends: Exit and the main window's close stop
// at the question for its name, the editor in front with the focus in the name box. The
// session's end (SIGTERM), which nobody can answer, removes the course when nothing was
// entered, and else stores it under the text for a course without a name, numbered when
// taken. No course is left to be listed without a name. A hole box or a tee number that
// cannot be stored keeps its stored value, named in the box of Exit, and the rest of the
// course is stored.
TEST_F(Kurse, TheProgramsEndAsksForTheNameAndTheSessionsEndLeavesNoCourseWithoutOne) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, Loch02Par, Loch05Vorgabe) VALUES ('1', 'Heimat', 4, "
      "9)");
  Platz("2", Meldung(4762));
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  QSqlDatabase::database("test_direkt").close();

  for (const bool mitLoechern : {false, true}) {
    SCOPED_TRACE(mitLoechern);
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = Kindprozess();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      Dlg().unbeantwortet = [](const QString&) {};
      const int ergebnis = Programmlauf([&] {
        Start& s = *StartFensterFallsDa();
        s.Golfplatz->trigger();
        QTest::qWait(0);
        s.New->trigger();
        QTest::qWait(0);
        Golfplaetze& g = GolfplaetzeForm();
        if (mitLoechern) {
          g.ParLoch[1]->setFocus(Qt::TabFocusReason);
          QTest::keyClicks(g.ParLoch[1], "4");
          g.VorgabeLoch[1]->setFocus(Qt::TabFocusReason);
          QTest::keyClicks(g.VorgabeLoch[1], "7");
        }
        const auto offen = [&] {
          QMdiSubWindow* vorne = s.Mdi->activeSubWindow();
          return s.isVisible() && IstFormGeladen("Golfplätze") && vorne && vorne->widget() == &g &&
                 QApplication::focusWidget() == g.Golfplatzname;
        };
        Antworte({ANTWORT_OK, ANTWORT_OK});
        QTest::mouseClick(s.GolferBar1->widgetForAction(s.Knopf(1)), Qt::LeftButton);
        QTest::qWait(0);
        bool ok = offen();
        ok = !s.close() && offen() && ok;
        ok = ok && GezeigteTexte() == QStringList({Meldung(224), Meldung(224)});
        if (mitLoechern) {
          // A tee, and a slope typed for it that is no number.
          g.Slope->setFocus(Qt::OtherFocusReason);
          g.Abschlaege->SetzeZelle(1, AbschlagEditor::SPALTE_NAME);
          QTest::keyClicks(g.Slope, "G");
          QTest::keyClicks(g.T1, "elb");
          QTest::keyClick(g.T1, Qt::Key_Return);
          QTest::keyClicks(g.Slope, "a");
          QTest::keyClicks(g.T1, "bc");
        }
        (void)!::write(rohr[1], ok ? "1" : "0", 1);
      });
      ::_exit(ergebnis);
    }
    char c = 0;
    ::close(rohr[1]);
    ASSERT_EQ(::read(rohr[0], &c, 1), 1);
    ::close(rohr[0]);
    EXPECT_EQ(c, '1') << "Exit or the main window's close did not stop at the course name";
    ::kill(kind, SIGTERM);
    const int status = WarteAufKind(kind);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(SqlWert("SELECT group_concat(Golfplatzname || ' ' || Loch01Par || Loch01Vorgabe) FROM Tab_Golfplatz "
                      "WHERE Golfplatzidn = '3'")
                  .toString(),
              mitLoechern ? Meldung(4762) + " 2 47" : QString());
    EXPECT_EQ(SqlWert("SELECT group_concat(Abschlagbezeichnung || ' ' || ifnull(Slopewert, '-')) FROM tab_Slope "
                      "WHERE Golfplatzidn = '3'")
                  .toString(),
              mitLoechern ? "Gelb -" : QString());
    QSqlDatabase::database("test_direkt").close();
  }
  // The home club's list, read as the program starts again: every course by its name.
  Golfer& golfer = GolferForm();
  QStringList liste;
  for (int i = 0; i < golfer.Heimatclub->count(); ++i) liste << golfer.Heimatclub->itemText(i).trimmed();
  liste.sort();
  EXPECT_EQ(liste.join(" | ").toStdString(),
            QStringList({Meldung(4762), Meldung(4762) + " 2", "Heimat"}).join(" | ").toStdString());

  {
    Start* start = new Start();
    start->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    GotoGolfplatz("1");
    Aktiviere();
    Golfplaetze& g = f();
    g.ParLoch[2]->setFocus(Qt::TabFocusReason);
    g.ParLoch[2]->selectAll();
    QTest::keyClick(g.ParLoch[2], '5');
    QTest::keyClick(g.ParLoch[2], Qt::Key_Down);
    g.VorgabeLoch[5]->setFocus(Qt::TabFocusReason);
    g.VorgabeLoch[5]->selectAll();
    QTest::keyClick(g.VorgabeLoch[5], 'x');
    ASSERT_TRUE(GezeigteTexte().isEmpty());
    // Exit on the editor closes only the editor: refused with the box, the focus kept.
    Antworte({ANTWORT_OK, ANTWORT_OK});
    start->Exit->trigger();
    QTest::qWait(0);
    EXPECT_TRUE(IstFormGeladen("Golfplätze"));
    EXPECT_EQ(QApplication::focusWidget(), g.VorgabeLoch[5]);
    EXPECT_TRUE(start->close());
    EXPECT_EQ(GezeigteTexte(),
              QStringList({Meldung(4773).arg(5).arg("x"), Meldung(4781).arg(Meldung(4776).arg(5).arg("x"))}));
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(
        SqlWert("SELECT Loch02Par || '/' || Loch05Vorgabe FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").toString(),
        "5/9");
    delete StartFensterFallsDa();
  }
}

TEST_F(Kurse, CourseInUseIsNotDeleted) {
  Platz("1", "Heimat");
  Abschlag("1", "1", "Gelb", 130, 72);
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub) VALUES ('1', 'O''Brien', '1')");
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfplatznummer) VALUES ('1', '1')");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, GolfplatzNo) VALUES ('1', '1')");
  GotoGolfplatz("1");
  // Home club and scorecards: only the home club is named.
  Antworte({ANTWORT_JA, ANTWORT_OK});
  LoescheGolfplatz("1");
  EXPECT_TRUE(Gezeigt(160));
  EXPECT_FALSE(Gezeigt(158));
  Sql("UPDATE tab_golfer SET Heimatclub = NULL");
  Antworte({ANTWORT_JA, ANTWORT_OK});
  LoescheGolfplatz("1");
  EXPECT_TRUE(Gezeigt(158));
  Sql("DELETE FROM Greenlogs");
  Antworte({ANTWORT_JA, ANTWORT_OK});
  LoescheGolfplatz("1");
  EXPECT_TRUE(Gezeigt(159));
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM Tab_Golfplatz"), 1);
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 1);
}

TEST_F(Kurse, CourseDeleteTakesItsTeesInOneTransaction) {
  Platz("1", "Erster");
  Platz("2", "Zweiter");
  Abschlag("1", "2", "Gelb", 130, 72);
  Abschlag("2", "2", "Rot", 125, 70);
  Abschlag("3", "1", "Weiß", 135, 74);
  GotoGolfplatz("2");

  // No: nothing deleted, the editor moves to the last course, keeping what was typed.
  f().Greenfee->setText("80");
  Antworte({ANTWORT_NEIN});
  LoescheGolfplatz("2");
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 3);
  EXPECT_EQ(SqlWert("SELECT Greenfee FROM Tab_Golfplatz WHERE Golfplatzidn = '2'").toString(), "80");

  // A fault in the second delete leaves the course as well.
  Sql("CREATE TRIGGER kein_loeschen BEFORE DELETE ON tab_Slope BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  Antworte({ANTWORT_JA, ANTWORT_OK});
  LoescheGolfplatz("2");
  EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_KRITISCH);
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM Tab_Golfplatz WHERE Golfplatzidn = '2'"), 1);
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope WHERE Golfplatzidn = '2'"), 2);

  Sql("DROP TRIGGER kein_loeschen");
  Antworte({ANTWORT_JA});
  LoescheGolfplatz("2");
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM Tab_Golfplatz"), 1);
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 1);
  EXPECT_EQ(f().GolfplatzNo->text(), "1");
}

TEST_F(Kurse, TeeDeleteNeedsAStoredRowAndOnlyRefillsTheGrid) {
  Platz("1", "Platz");
  Abschlag("1", "1", "Gelb", 130, 72);
  Abschlag("2", "1", "Rot", 125, 70);
  GotoGolfplatz("1");
  AbschlagEditor& e = *f().Abschlaege;
  e.SetzeZelle(1, 0);
  Antworte({ANTWORT_JA, ANTWORT_OK});
  LoescheSlope();
  EXPECT_TRUE(Gezeigt(130));
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 2);

  Antworte({ANTWORT_NEIN});
  e.SetzeZelle(2, 0);
  LoescheSlope();
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 2);

  SetzeZelle(3, 1, "126");
  e.SetzeZelle(2, 0);
  Antworte({ANTWORT_JA});
  LoescheSlope();
  EXPECT_EQ(Zeilen("SELECT COUNT(*) FROM tab_Slope"), 1);
  // Nothing but the delete is written: the other row shows its stored values again.
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = '2'").toDouble(), 125);
  ASSERT_EQ(f().Slope->rowCount(), 3);
  EXPECT_EQ(Zelle(2, 0), "Rot");
  EXPECT_FALSE(e.Bearbeitet());
}

TEST_F(Kurse, TheTwoEditorsAreNeverOpenTogether) {
  Platz("1", "Platz");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum) VALUES ('1', 'Cup', '2024-05-01')");
  GotoTurnier("LAST");
  TurnierForm().TurnierHandicap->setText("-54");
  GotoGolfplatz("LAST");
  EXPECT_FALSE(IstFormGeladen("Turnier"));
  EXPECT_EQ(SqlWert("SELECT TurnierHandicap FROM Tab_Turnier").toString(), "-54");
  // The closed window goes once the events run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  // A course editor without a course name refuses to close: both stay open.
  f().Golfplatzname->clear();
  Antworte({ANTWORT_OK});
  GotoTurnier("LAST");
  EXPECT_TRUE(Gezeigt(224));
  EXPECT_TRUE(IstFormGeladen("Golfplätze"));
  EXPECT_TRUE(IstFormGeladen("Turnier"));
  f().Golfplatzname->setText("Platz neu");
  GotoTurnier("LAST");
  EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz").toString(), "Platz neu");
}

// The first start shows the empty editor of a new course; the language switch answered Yes
// ends the program there, and the course, never named, is not kept.
TEST_F(Kurse, TheLanguageSwitchEndsTheFirstStartWithoutKeepingTheUnnamedCourse) {
  Antworte({ANTWORT_OK});
  ASSERT_TRUE(Main());
  Start& s = *StartFensterFallsDa();
  ASSERT_TRUE(IstFormGeladen("Golfplätze"));
  Antworte({ANTWORT_JA});
  s.SpracheEnglisch->trigger();
  EXPECT_FALSE(s.isVisible());
  EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  EXPECT_FALSE(Gezeigt(224));
  EXPECT_EQ(Zeilen("SELECT count(*) FROM Tab_Golfplatz"), 0);
}

TEST_F(Kurse, CaptionsFollowTheLanguage) {
  Sprachnummer = 2;
  Platz("1", "Platz");
  GotoGolfplatz("1");
  EXPECT_EQ(f().Slope->horizontalHeaderItem(0)->text(), "Tee");
  EXPECT_EQ(f().Slope->item(0, 2)->text(), "Course Rating");
  EXPECT_EQ(f().windowTitle(), "Golf courses");
  EXPECT_EQ(f().findChild<QLabel*>("LabelGolfplatzname")->text(), "Course name:");
  EXPECT_EQ(f().GolfplatzAnzeigen->text(), "Offer this course on the scorecard?");
}

TEST_F(Kurse, ComingBackToTheEditorTakesTheCommandsBack) {
  Probehauptfenster hf;
  SetzeHauptfenster(&hf);
  Platz("1", "Platz");
  GotoGolfplatz("1");
  // Another window took the commands meanwhile.
  KontextNeu = KontextZurueck = KontextWeiter = KontextLoeschen = QStringLiteral("Golfer");
  HF_SetzeButtonBar(QStringLiteral("9"));
  HF_SetzeMenues(QStringLiteral("R"));
  f().Aktiviert();
  EXPECT_EQ(KontextNeu, "Golfplatz");
  EXPECT_EQ(KontextZurueck, "Golfplatz");
  EXPECT_EQ(KontextWeiter, "Golfplatz");
  EXPECT_EQ(KontextLoeschen, "Golfplatz");
  EXPECT_EQ(AktiveForm, "Golfplätze");
  EXPECT_EQ(hf.leiste, "589DEFH");
  EXPECT_EQ(hf.menues, "RUVWXY");
  SetzeHauptfenster(nullptr);
}

TEST_F(Kurse, EditBoxArrowsGoToTheGridAndAHeaderRightClickPicksTheEntryRow) {
  Platz("1", "Platz");
  for (int i = 1; i <= 3; ++i) Abschlag(QString::number(i), "1", QStringLiteral("T%1").arg(i), 120 + i, 70);
  GotoGolfplatz("1");
  Aktiviere();
  AbschlagEditor& e = *f().Abschlaege;
  // Left and Right with the caret inside the text: the grid takes the focus, the cell stays.
  e.SetzeZelle(2, 1);
  e.PositioniereEditFeld();
  f().T1->setCursorPosition(1);
  QTest::keyClick(f().T1, Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), f().Slope);
  EXPECT_EQ(e.Row(), 2);
  EXPECT_EQ(e.Col(), 1);
  e.PositioniereEditFeld();
  f().T1->setCursorPosition(1);
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), f().Slope);
  EXPECT_EQ(e.Col(), 1);

  // A right click on the caption of column 2 makes the entry row's course rating current.
  QHeaderView* kopf = f().Slope->horizontalHeader();
  const QPoint p(kopf->sectionViewportPosition(2) + 5, kopf->height() / 2);
  QTest::mousePress(kopf->viewport(), Qt::RightButton, Qt::NoModifier, p);
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 2);
  // The release opens the edit box there, and a new tee begins with its name.
  QTest::mouseRelease(kopf->viewport(), Qt::RightButton, Qt::NoModifier, p);
  QCoreApplication::processEvents();
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 0);
}

TEST_F(Kurse, EditorCaptionsHaveTheirOwnNumbers) {
  // The course editor, the tournament editor and the scorecard settings each have their
  // own block of caption numbers, and each number brings its own text.
  Sprachnummer = 2;
  Platz("1", "Platz");
  GotoGolfplatz("1");
  auto* name = f().findChild<QLabel*>("LabelGolfplatzname");
  EXPECT_EQ(name->property("Tag").toInt(), 2700);
  EXPECT_EQ(name->text(), "Course name:");
  auto* info = f().findChild<QGroupBox*>("RahmenGolfplatzinfo");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->property("Tag").toInt(), 2717);
  EXPECT_EQ(info->title(), "Course info:");

  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum) VALUES ('1', 'Cup', '2024-05-01')");
  GotoTurnier("LAST");
  auto* turnier = TurnierForm().findChild<QLabel*>("LabelTurniername");
  EXPECT_EQ(turnier->property("Tag").toInt(), 1601);
  EXPECT_EQ(turnier->text(), "Tournament name:");
  EXPECT_EQ(TurnierForm().OptionLoch18[5]->property("Tag").toInt(), 1608);
  EXPECT_EQ(TurnierForm().OptionLoch18[5]->text(), "Other");
}

namespace {
// Keys as the user presses them: each goes to the widget that has the focus.
void Tippe(const QString& text) {
  for (const QChar c : text) {
    QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QCoreApplication::processEvents();
  }
}
void Taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), k, m);
  QCoreApplication::processEvents();
}
}  // namespace

TEST_F(Kurse, TabGoesFromTheCheckBoxesToTheHolesAndWalksOnlyTheTeeRowBeingTyped) {
  Platz("1", "Seeblick");
  Sql("UPDATE Tab_Golfplatz SET Golfplatzstraße = 'Am See 1'");
  Abschlag("1", "1", "Weiß", 135, 74.1);
  GotoGolfplatz("1");
  Aktiviere();
  Golfplaetze& g = f();
  AbschlagEditor& e = *g.Abschlaege;
  // From the course's check boxes to the holes, par and stroke index of each hole in
  // turn, then the course info, the rating, the number of holes, the sums and the grid.
  g.Teetimes->setFocus(Qt::TabFocusReason);
  QList<QWidget*> erwartet{g.GolfplatzAnzeigen};
  for (int i = 1; i <= 18; ++i) erwartet << g.ParLoch[i] << g.VorgabeLoch[i];
  erwartet << g.Golfplatzinfo << g.Option1[4];
  QList<QWidget*> gegangen;
  for (int i = 0; i < erwartet.size(); ++i) {
    Taste(Qt::Key_Tab);
    gegangen << QApplication::focusWidget();
  }
  EXPECT_EQ(gegangen, erwartet);
  g.ParSumme[20]->setFocus(Qt::TabFocusReason);
  Taste(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), g.Slope);
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 0);

  // A new tee typed with Tab between its cells: the name is stored at once and the walk
  // goes on at its slope, then its course rating, and from there out of the grid.
  Tippe("Gelb");
  Taste(Qt::Key_Tab);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Slope").toInt(), 2);
  ASSERT_EQ(e.Rows(), 4);
  EXPECT_EQ(e.Row(), 3);
  EXPECT_EQ(e.Col(), 1);
  Tippe("132");
  Taste(Qt::Key_Tab);
  EXPECT_EQ(e.Row(), 3);
  EXPECT_EQ(e.Col(), 2);
  Tippe("71,8");
  Taste(Qt::Key_Tab);
  // The grid is the window's last field: on to its first.
  EXPECT_EQ(QApplication::focusWidget(), g.Golfplatzname);
  EXPECT_FALSE(e.Bearbeitet());
  EXPECT_EQ(Zelle(3, 1), "132");
  EXPECT_EQ(Zelle(3, 2), "71,8");
  EXPECT_EQ(g.Golfplatzname->text(), "Seeblick");
  EXPECT_EQ(g.Golfplatzstrasse->text(), "Am See 1");

  // Shift+Tab comes back to the last row's course rating and walks that row back; from its
  // name it leaves the grid for the sums.
  Taste(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), g.Slope);
  EXPECT_EQ(e.Row(), 3);
  EXPECT_EQ(e.Col(), 2);
  QList<QPair<int, int>> zurueck;
  for (int i = 0; i < 2; ++i) {
    Taste(Qt::Key_Backtab, Qt::ShiftModifier);
    zurueck << qMakePair(e.Row(), e.Col());
  }
  EXPECT_EQ(zurueck, (QList<QPair<int, int>>{{3, 1}, {3, 0}}));
  Taste(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), g.ParSumme[20]);
  // A stored tee reached with the arrow keys: Tab walks its row, then leaves the grid.
  g.Slope->setFocus(Qt::TabFocusReason);
  Taste(Qt::Key_Down);
  EXPECT_EQ(e.Row(), 2);
  Taste(Qt::Key_Tab);
  Taste(Qt::Key_Tab);
  EXPECT_EQ(qMakePair(e.Row(), e.Col()), qMakePair(2, 2));
  Taste(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), g.Golfplatzname);
  // The empty new-tee row has its name only: Tab leaves the grid from there.
  g.Slope->setFocus(Qt::TabFocusReason);
  Taste(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), g.Golfplatzname);

  // Stored with the course: one new tee with its numbers, the course fields as they were.
  ASSERT_TRUE(g.Schliessen());
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Slope").toInt(), 2);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Abschlagbezeichnung = 'Gelb'").toDouble(), 132);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT CourseRating FROM tab_Slope WHERE Abschlagbezeichnung = 'Gelb'").toDouble(), 71.8);
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz").toString(), "Seeblick");
  EXPECT_EQ(SqlWert("SELECT Golfplatzstraße FROM Tab_Golfplatz").toString(), "Am See 1");
}

TEST_F(Kurse, ATeeNumberIsTakenOrToldAsItsCellIsLeftAndShownInTheRegionalFormat) {
  // The German interface on a machine whose regional format writes a decimal point.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Platz("1", "Seeblick");
  Abschlag("1", "1", "Weiß", 135, 74.1);
  Abschlag("2", "1", "Gelb", 128, 71.8);
  GotoGolfplatz("1");
  Aktiviere();
  Golfplaetze& g = f();
  AbschlagEditor& e = *g.Abschlaege;
  EXPECT_EQ(Zelle(3, 2), "71.8");
  g.Slope->setFocus(Qt::OtherFocusReason);
  auto bereich = [&](int feld, const QString& text, const char* von, const char* bis) {
    return Meldung(4920).arg(Meldung(feld), text, von, bis);
  };

  // A slope and a course rating the arithmetic cannot use: told as the cell is left, the
  // cell back to what it had, the cursor on it again.
  const struct {
    int spalte;
    const char* text;
    QString meldung;
  } faelle[] = {{1, "0", bereich(4754, "0", "55", "155")},
                {1, "1e308", bereich(4754, "1e308", "55", "155")},
                {2, "-5", bereich(4755, "-5", "20", "90")},
                {2, "abc", Meldung(4751).arg(Meldung(4755), "abc")}};
  for (const auto& c : faelle) {
    e.SetzeZelle(2, c.spalte);
    Antworte({ANTWORT_OK});
    Tippe(c.text);
    Taste(Qt::Key_Tab);
    QTest::qWait(0);
    ASSERT_FALSE(Dlg().gezeigt.empty()) << c.text;
    EXPECT_EQ(Dlg().gezeigt.back().text, c.meldung);
    EXPECT_EQ(Zelle(2, c.spalte), c.spalte == 1 ? "135" : "74.1");
    EXPECT_EQ(QApplication::focusWidget(), g.Slope);
    EXPECT_EQ(e.Row(), 2);
    EXPECT_EQ(e.Col(), c.spalte);
  }
  // Numbers it takes, typed with either decimal mark, in the regional format once taken.
  const size_t boxen = Dlg().gezeigt.size();
  e.SetzeZelle(2, 2);
  Tippe("69,9");
  Taste(Qt::Key_Return);
  EXPECT_EQ(Zelle(2, 2), "69.9");
  e.SetzeZelle(3, 1);
  Tippe("131");
  Taste(Qt::Key_Down);
  EXPECT_EQ(Zelle(3, 1), "131");
  EXPECT_EQ(Dlg().gezeigt.size(), boxen);
  ASSERT_TRUE(g.Schliessen());
  EXPECT_DOUBLE_EQ(SqlWert("SELECT CourseRating FROM tab_Slope WHERE Slopeidn = '1'").toDouble(), 69.9);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = '1'").toDouble(), 135);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Slopewert FROM tab_Slope WHERE Slopeidn = '2'").toDouble(), 131);
}

TEST_F(Kurse, TabFollowsTheAddressFieldsAsTheyStandOnScreen) {
  Platz("1", "Seeblick");
  GotoGolfplatz("1");
  Aktiviere();
  Golfplaetze& g = f();
  g.Golfplatzname->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  // Each Tab goes on to the right in the same row or down to a later row, until the
  // last field of the address frame.
  const QStringList texte{"Seeblick", "Am See 1", "83700",           "Rottach", "08022 1",
                          "08022 2",  "DE",       "www.seeblick.de", "75",      "-36"};
  QWidget* vorher = nullptr;
  for (const QString& t : texte) {
    QWidget* jetzt = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit*>(jetzt)) << t.toStdString();
    if (vorher) {
      const QPoint a = vorher->mapTo(&g, QPoint(0, 0)), b = jetzt->mapTo(&g, QPoint(0, 0));
      EXPECT_TRUE(b.y() > a.y() + vorher->height() / 2 ||
                  (qAbs(b.y() - a.y()) <= vorher->height() / 2 && b.x() > a.x()))
          << vorher->objectName().toStdString() << " -> " << jetzt->objectName().toStdString();
    }
    static_cast<QLineEdit*>(jetzt)->selectAll();
    Tippe(t);
    Taste(Qt::Key_Tab);
    vorher = jetzt;
  }
  EXPECT_EQ(QApplication::focusWidget(), g.Teetimes);
  ASSERT_TRUE(WriteGolfplatzdaten("1"));
  EXPECT_EQ(SqlWert("SELECT Golfplatzland FROM Tab_Golfplatz").toString(), "DE");
  EXPECT_EQ(SqlWert("SELECT GolfplatzInternet FROM Tab_Golfplatz").toString(), "www.seeblick.de");
  EXPECT_EQ(SqlWert("SELECT Greenfee FROM Tab_Golfplatz").toString(), "75");
  EXPECT_EQ(SqlWert("SELECT Handicap FROM Tab_Golfplatz").toString(), "-36");
}

TEST_F(Kurse, AParOrStrokeIndexThatCannotBeStoredStopsTheWholeCourse) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, Loch05Par, Loch07Vorgabe) VALUES ('1', 'Seeblick', 4, "
      "3)");
  Platz("2", "Zweiter");
  GotoGolfplatz("1");
  Aktiviere();
  Golfplaetze& g = f();
  g.Golfplatzort->setText("Rottach");
  // Typed into a hole box and stored by the toolbar without leaving the box: one box
  // naming the hole, nothing of the course stored, the text kept, no move.
  for (const char* falsch : {"abc", "4,5", "7", "-"}) {
    g.ParLoch[5]->setFocus(Qt::TabFocusReason);
    g.ParLoch[5]->selectAll();
    Tippe(falsch);
    const size_t vorher = Dlg().gezeigt.size();
    Antworte({ANTWORT_OK});
    BefehlWeiter();
    ASSERT_EQ(Dlg().gezeigt.size(), vorher + 1) << falsch;
    EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(4772).arg(5).arg(falsch));
    EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_KRITISCH);
    EXPECT_EQ(g.GolfplatzNo->text(), "1");
    EXPECT_EQ(g.ParLoch[5]->text(), falsch);
    EXPECT_EQ(QApplication::focusWidget(), g.ParLoch[5]);
  }
  EXPECT_EQ(SqlWert("SELECT Loch05Par FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").toInt(), 4);
  EXPECT_TRUE(SqlWert("SELECT Golfplatzort FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").isNull());

  // A stroke index, when the window is closed; in English.
  Sprachnummer = 2;
  g.ParLoch[5]->setText("5");
  g.VorgabeLoch[7]->setFocus(Qt::TabFocusReason);
  g.VorgabeLoch[7]->selectAll();
  Tippe("19");
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(g.Schliessen());
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(4773).arg(7).arg("19"));
  EXPECT_TRUE(Dlg().gezeigt.back().text.startsWith("Hole 7: \"19\""));
  EXPECT_TRUE(IstFormGeladen("Golfplätze"));
  EXPECT_EQ(g.VorgabeLoch[7]->text(), "19");
  // Nor does a new course take its place.
  Antworte({ANTWORT_OK});
  BefehlNeu();
  EXPECT_EQ(g.GolfplatzNo->text(), "1");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Golfplatz").toInt(), 2);

  // Corrected: everything is stored.
  g.VorgabeLoch[7]->setText("18");
  ASSERT_TRUE(g.Schliessen());
  EXPECT_EQ(SqlWert("SELECT Loch05Par FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").toInt(), 5);
  EXPECT_EQ(SqlWert("SELECT Loch07Vorgabe FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").toInt(), 18);
  EXPECT_EQ(SqlWert("SELECT Golfplatzort FROM Tab_Golfplatz WHERE Golfplatzidn = '1'").toString(), "Rottach");
}
