// The handicap history: new rows from a round, filling the grid, writing edited rows
// back, the grid's in-place editing and the deletion of a row.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Historieneditor.h"
#include "forms/Loeschen.h"
#include "language/Sprachumschaltung.h"
#include "scoring/Scoreberechnungen.h"
#include "shell/Start.h"

namespace {

using H = HistorienEditor;

class Historie : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Aachen')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna', 20.6, 21, '1', 1), ('2', 'Bernd', 10, 10, '1', 0)");
  }
  Golfer& f() { return GolferForm(); }
  QTableWidget* t() { return f().HdcpHistorie; }
  H& e() { return *f().Historie; }
  QString Zelle(int r, int c) {
    const QTableWidgetItem* i = t()->item(r, c);
    return i ? i->text() : QString();
  }
  QString Meldung(int n) { return SPU().GibTranslation(n); }
  bool Gezeigt(int n) { return GezeigteTexte().contains(Meldung(n)); }
  long Zahl(const QString& sql, const QVariantList& w = {}) { return SqlWert(sql, w).toLongLong(); }
  QVariant Feld(const QString& feld, const QString& satznr) {
    return SqlWert(QStringLiteral("SELECT %1 FROM tab_HdcpHistorie WHERE Satznr = ?").arg(feld), {satznr});
  }
  void Zeile(const QString& nr, const QVariant& datum, const QVariant& platz, const QVariant& stamm,
             const QString& golfer = "1") {
    Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Golfplatzbez, Bemerkungen, Spielart, "
        "GewNettoStable, Stammvorgabe, Handicap) VALUES (?, ?, ?, ?, 'Monatspreis', 'Stableford', 36, ?, 12)",
        {nr, golfer, datum, platz, stamm});
  }
  // The window in front with its grid filled again.
  void Oeffne() {
    f().Zeige();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
    FuelleHdcpListbox("1");
  }
  void Warte() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
};

}  // namespace

// ---------------------------------------------------------------------------------------
// Data

TEST_F(Historie, ARoundAddsARowWithTheAdjustedHandicap) {
  Golfer& g = f();
  ASSERT_EQ(g.Stammvorgabe->text(), "20,6");
  g.Datum[1]->setText("12.05.2024");
  g.Golfplatznummer->setEditText("Aachen");
  g.Spielart->setEditText("Stableford");
  g.TurnierNameKarte->setEditText("Monatspreis Mai");
  // Par 4 everywhere, scratch: 36 points for par, 38 with two birdies.
  g.Spielvorgabe->setText("0");
  PlatzDaten platz;
  for (int i = 1; i <= 18; ++i) {
    platz.Par[i] = 4;
    platz.Vorgabe[i] = i;
    g.ScoreLoch[i]->setText(i <= 2 ? "3" : "4");
  }
  g.ZeigeLochvorgaben(platz);
  NeuHistorie();

  double erwartet = 20.6;
  BerechneHandicap(erwartet, 38);
  EXPECT_EQ(g.Stammvorgabe->text(), "19,9");
  EXPECT_EQ(g.Handicap->text(), "20");
  ASSERT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 1);
  EXPECT_EQ(Feld("Golfernummer", "1").toString(), "1");
  EXPECT_EQ(Feld("Datum", "1").toString(), "2024-05-12");
  EXPECT_EQ(Feld("Golfplatzbez", "1").toString(), "Aachen");
  EXPECT_EQ(Feld("Bemerkungen", "1").toString(), "Monatspreis Mai");
  EXPECT_EQ(Feld("GewNettoStable", "1").toInt(), 38);
  EXPECT_EQ(Feld("Stammvorgabe", "1").toDouble(), erwartet);  // not rounded
  EXPECT_EQ(Feld("Handicap", "1").toInt(), 20);
  // The golfer's handicap is stored with the row.
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_golfer WHERE Golferidn = '1'").toDouble(), erwartet);
  EXPECT_EQ(SqlWert("SELECT Handicap FROM tab_golfer WHERE Golferidn = '1'").toInt(), 20);
  ASSERT_EQ(t()->rowCount(), 3);
  EXPECT_EQ(Zelle(2, 0), "12.05.2024");
  EXPECT_EQ(Zelle(2, 5), "19,9");
  EXPECT_EQ(Zelle(2, 6), "1");

  // No net points: 0 points for the rule (below the buffer: +0.1), the points stay Null.
  for (int i = 1; i <= 18; ++i) g.ScoreLoch[i]->clear();
  NeuHistorie();
  EXPECT_EQ(g.Stammvorgabe->text(), "20");
  EXPECT_TRUE(Feld("GewNettoStable", "2").isNull());

  // No exact handicap: the error box, no row.
  g.Stammvorgabe->clear();
  Antworte({1});
  NeuHistorie();
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 2);
}

TEST_F(Historie, TheGridListsNewestFirstWithBlanksForMissingValues) {
  Zeile("9", "2024-05-01", "Aachen", 12.3456);
  Zeile("10", "2024-05-01", QVariant(), 12.25);
  Zeile("11", "2023-12-24", "Köln", 13.0);
  Zeile("12", "2024-06-01", "Bonn", 11.0, "2");
  FuelleHdcpListbox("1");
  ASSERT_EQ(t()->rowCount(), 5);
  // Row 1 is the empty entry row.
  for (int c = 0; c < 7; ++c) EXPECT_TRUE(Zelle(1, c).isEmpty());
  // Same date: the higher key first, counted as a number.
  EXPECT_EQ(Zelle(2, 6), "10");
  EXPECT_EQ(Zelle(3, 6), "9");
  EXPECT_EQ(Zelle(4, 6), "11");
  EXPECT_EQ(Zelle(2, 0), "01.05.2024");
  EXPECT_EQ(Zelle(2, 1), " ");
  EXPECT_EQ(Zelle(3, 5), "12,3");
  EXPECT_EQ(Zelle(2, 5), "12,2");  // one decimal, the tie to the even digit
  EXPECT_EQ(Zelle(4, 5), "13");
  EXPECT_EQ(Zelle(4, 4), "36");

  Sprachnummer = 2;
  FuelleHdcpListbox("1");
  EXPECT_EQ(Zelle(4, 0), "12/24/2023");

  FuelleHdcpListbox("3");
  EXPECT_EQ(t()->rowCount(), 2);
}

TEST_F(Historie, WritingBackStoresOnlyWhatWasChanged) {
  Zeile("1", "2024-05-01", QVariant(), 12.3456);
  Zeile("2", "2024-04-01", "Aachen", 14.05);
  FuelleHdcpListbox("1");
  ASSERT_EQ(Zelle(2, 6), "1");

  // An edited comment: the rest of the row keeps its exact values and its Null.
  t()->item(2, 2)->setText("Nachgetragen");
  ASSERT_TRUE(WriteHdcphistorie());
  EXPECT_EQ(Feld("Bemerkungen", "1").toString(), "Nachgetragen");
  EXPECT_DOUBLE_EQ(Feld("Stammvorgabe", "1").toDouble(), 12.3456);
  EXPECT_TRUE(Feld("Golfplatzbez", "1").isNull());
  EXPECT_DOUBLE_EQ(Feld("Stammvorgabe", "2").toDouble(), 14.05);

  // Letters in a number cell are told and nothing is stored; the grid keeps them.
  t()->item(2, 5)->setText("11,5");
  t()->item(3, 4)->setText("viele");
  Antworte({1});
  EXPECT_FALSE(WriteHdcphistorie());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("viele"));
  EXPECT_DOUBLE_EQ(Feld("Stammvorgabe", "1").toDouble(), 12.3456);
  EXPECT_EQ(t()->item(3, 4)->text(), "viele");
  // A new exact handicap sets the handicap too; an emptied cell stores Null.
  t()->item(3, 4)->setText("");
  ASSERT_TRUE(WriteHdcphistorie());
  EXPECT_DOUBLE_EQ(Feld("Stammvorgabe", "1").toDouble(), 11.5);
  EXPECT_EQ(Feld("Handicap", "1").toInt(), 12);
  EXPECT_TRUE(Feld("GewNettoStable", "2").isNull());
  EXPECT_EQ(Feld("Handicap", "2").toInt(), 12);

  // An emptied date keeps the stored date; the rest typed into the row is stored.
  t()->item(2, 0)->setText("");
  t()->item(2, 2)->setText("Weg");
  ASSERT_TRUE(WriteHdcphistorie());
  EXPECT_EQ(Feld("Datum", "1").toString(), "2024-05-01");
  EXPECT_EQ(Feld("Bemerkungen", "1").toString(), "Weg");

  // The entry row becomes a new row with the next key.
  t()->item(1, 0)->setText("3.6.24");
  t()->item(1, 5)->setText("10,1");
  QString neu;
  ASSERT_TRUE(WriteHdcphistorie(&neu));
  EXPECT_EQ(neu, "3");
  EXPECT_EQ(Feld("Datum", "3").toString(), "2024-06-03");
  EXPECT_EQ(Feld("Golfernummer", "3").toString(), "1");
  EXPECT_TRUE(Feld("Spielart", "3").isNull());
  EXPECT_EQ(Zelle(1, 0), "");
}

// ---------------------------------------------------------------------------------------
// Editing in the grid

// A dark colour scheme: the yellow entry row, and the edit box typed into there, show
// their text dark on the light cell.
TEST_F(Historie, InADarkColourSchemeTheEntryRowIsReadable) {
  const DunklesFarbschema dunkel;
  Oeffne();
  for (int c = 0; c < 6; ++c) {
    const QTableWidgetItem* i = t()->item(H::ZEILE_NEU, c);
    ASSERT_TRUE(i);
    EXPECT_NE(i->foreground().style(), Qt::NoBrush) << c;
    EXPECT_LT(qGray(i->foreground().color().rgb()), 100) << c;
    EXPECT_GT(qGray(i->background().color().rgb()), 150) << c;
  }
  t()->setFocus();
  t()->setCurrentCell(H::ZEILE_NEU, 0);
  QTest::keyClick(t(), '3');
  ASSERT_TRUE(f().T1->isVisible());
  EXPECT_LT(qGray(f().T1->palette().color(QPalette::Text).rgb()), 100);
  EXPECT_GT(qGray(f().T1->palette().color(QPalette::Base).rgb()), 150);
}

TEST_F(Historie, TypingOpensTheEditorAndEnterMovesOn) {
  Zeile("1", "2024-05-01", "Aachen", 12.3);
  Zeile("2", "2024-04-01", "Aachen", 12.5);
  Oeffne();
  t()->setFocus();
  t()->setCurrentCell(2, 2);
  EXPECT_EQ(KontextLoeschen, "Historie");
  QTest::keyClick(t(), '3');
  ASSERT_TRUE(f().T1->isVisible());
  EXPECT_EQ(f().T1->text(), "3");
  EXPECT_EQ(f().T1->cursorPosition(), 1);
  EXPECT_EQ(Zelle(2, 2), "3");
  EXPECT_EQ(KontextLoeschen, "Historie");
  QTest::keyClicks(f().T1, "x");
  EXPECT_EQ(Zelle(2, 2), "3x");  // mirrored as typed
  QTest::keyClick(f().T1, Qt::Key_Escape);
  EXPECT_EQ(f().T1->text(), "Monatspreis");
  EXPECT_EQ(Zelle(2, 2), "Monatspreis");

  QTest::keyClick(f().T1, Qt::Key_Return);
  EXPECT_FALSE(f().T1->isVisible());
  EXPECT_EQ(e().Row(), 2);
  EXPECT_EQ(e().Col(), 3);

  // Enter after the last column: on to the date of a new entry.
  t()->setCurrentCell(3, 5);
  QTest::keyClick(t(), Qt::Key_F2);
  QTest::keyClick(f().T1, Qt::Key_Return);
  EXPECT_EQ(e().Row(), 1);
  EXPECT_EQ(e().Col(), 0);

  // Right at the end of column 5 goes to column 1 of the next row; the last row stays.
  t()->setCurrentCell(2, 5);
  QTest::keyClick(t(), Qt::Key_F2);
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(e().Row(), 3);
  EXPECT_EQ(e().Col(), 1);
  t()->setCurrentCell(3, 5);
  QTest::keyClick(t(), Qt::Key_F2);
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(e().Row(), 3);
  EXPECT_EQ(e().Col(), 5);
  EXPECT_EQ(QApplication::focusWidget(), t());

  // Backspace on the grid takes the last character and opens the editor.
  t()->setCurrentCell(2, 1);
  QTest::keyClick(t(), Qt::Key_Backspace);
  EXPECT_EQ(f().T1->text(), "Aache");
  QTest::keyClick(f().T1, Qt::Key_Escape);

  // An exact handicap the arithmetic cannot use is told as its cell is left, and the cell
  // keeps its value; one typed with the other decimal mark is shown in the regional form.
  t()->setCurrentCell(2, 5);
  QTest::keyClick(t(), '9');
  QTest::keyClicks(f().T1, "99");
  Antworte({ANTWORT_OK});
  QTest::keyClick(f().T1, Qt::Key_Return);
  Warte();
  ASSERT_EQ(GezeigteTexte(), QStringList{Meldung(4920).arg(Meldung(4752), "999", "+10", "54")});
  EXPECT_EQ(Zelle(2, 5), "12,3");
  EXPECT_EQ(e().Row(), 2);
  EXPECT_EQ(e().Col(), 5);
  QTest::keyClick(t(), '1');
  QTest::keyClicks(f().T1, "1.5");
  QTest::keyClick(f().T1, Qt::Key_Return);
  Warte();
  EXPECT_EQ(Zelle(2, 5), "11,5");
  Dlg().gezeigt.clear();

  // The golfer fields end the editing; Delete means the golfer again.
  f().Golfername->setFocus();
  Warte();
  EXPECT_FALSE(f().T1->isVisible());
  EXPECT_EQ(KontextLoeschen, "Golfer");
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Historie, TheCursorSkipsTheKeyColumnAndANewEntryStartsWithItsDate) {
  Zeile("1", "2024-05-01", "Aachen", 12.3);
  Zeile("2", "2024-04-01", "Aachen", 12.5);
  Oeffne();
  t()->setCurrentCell(2, H::SPALTE_ID);
  EXPECT_EQ(e().Row(), 3);
  EXPECT_EQ(e().Col(), 0);
  t()->setCurrentCell(3, H::SPALTE_ID);
  EXPECT_EQ(e().Row(), 1);
  EXPECT_EQ(e().Col(), 0);

  // Into the entry row at the course column: back to its date, focus to the grid.
  t()->setCurrentCell(1, 1);
  e().SetzeZelltext(1, 1, "x");
  f().PositioniereEditFeld();
  EXPECT_EQ(e().Col(), 0);
  EXPECT_TRUE(Zelle(1, 1).isEmpty());
  EXPECT_FALSE(f().T1->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), t());

  // A right click on a caption picks that column of the entry row; on a date, the
  // course of that row.
  e().MausDruck(Qt::RightButton, 0, 3);
  EXPECT_EQ(e().Row(), 1);
  EXPECT_EQ(e().Col(), 3);
  e().MausDruck(Qt::RightButton, 2, 0);
  EXPECT_EQ(e().Row(), 2);
  EXPECT_EQ(e().Col(), 1);
}

TEST_F(Historie, ADateCommittedInTheEntryRowIsStoredAtOnce) {
  Zeile("1", "2024-05-01", "Aachen", 12.3);
  Zeile("2", "2024-04-01", "Aachen", 12.5);
  Oeffne();
  t()->setFocus();
  t()->setCurrentCell(1, 0);
  QTest::keyClick(t(), '1');
  QTest::keyClicks(f().T1, "5.4.24");
  QTest::keyClick(f().T1, Qt::Key_Return);
  ASSERT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 3);
  EXPECT_EQ(Feld("Datum", "3").toString(), "2024-04-15");
  ASSERT_EQ(t()->rowCount(), 5);
  // The cursor stands on the new row, at its course.
  EXPECT_EQ(e().Row(), 3);
  EXPECT_EQ(Zelle(3, 6), "3");
  EXPECT_EQ(Zelle(3, 0), "15.04.2024");
  EXPECT_EQ(e().Col(), 1);
  EXPECT_TRUE(Zelle(1, 0).isEmpty());
  EXPECT_FALSE(f().T1->isVisible());

  // Right commits the same way; leaving the box for another field too.
  t()->setCurrentCell(1, 0);
  QTest::keyClick(t(), '2');
  QTest::keyClicks(f().T1, "0.1.2024");
  QTest::keyClick(f().T1, Qt::Key_Right);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 4);
  t()->setCurrentCell(1, 0);
  QTest::keyClick(t(), '3');
  QTest::keyClicks(f().T1, "1.12.2023");
  f().Stammvorgabe->setFocus();
  Warte();
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 5);
  EXPECT_EQ(Feld("Datum", "5").toString(), "2023-12-31");
  EXPECT_TRUE(Dlg().gezeigt.empty());

  // Saving the golfer meanwhile stores the entry once only.
  t()->setCurrentCell(1, 0);
  QTest::keyClick(t(), '4');
  QTest::keyClicks(f().T1, ".1.2023");
  f().Stammvorgabe->setFocus();
  ASSERT_TRUE(WriteGolferdaten("1"));
  Warte();
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 6);
}

// A date refused in the entry row leaves it empty; one refused in a stored row gives the
// cell back what it held before the typing. Closing the main window then stores the row
// with what else was typed (into an empty cell: without the blank it shows), and a cell
// it cannot take keeps its stored value and is named; a date emptied keeps the stored one.
TEST_F(Historie, AnInvalidDateIsRefusedAndTheCellGetsBackWhatItHeld) {
  Zeile("1", "2024-05-01", QVariant(), 12.3);
  Zeile("2", "2024-04-01", "Aachen", 12.5);
  Start* start = new Start();
  start->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  Oeffne();
  t()->setFocus();
  t()->setCurrentCell(1, 0);
  QTest::keyClick(t(), '3');
  QTest::keyClicks(f().T1, "1.2.2024");
  Antworte({1});
  QTest::keyClick(f().T1, Qt::Key_Return);
  EXPECT_TRUE(Gezeigt(178));
  EXPECT_TRUE(Zelle(1, 0).isEmpty());
  EXPECT_TRUE(f().T1->text().isEmpty());
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 2);

  // A valid date is written in the language's form.
  t()->setCurrentCell(2, 0);
  QTest::keyClick(t(), '2');
  QTest::keyClicks(f().T1, ".5.24");
  QTest::keyClick(f().T1, Qt::Key_Up);
  Warte();
  EXPECT_EQ(Zelle(2, 0), "02.05.2024");
  EXPECT_EQ(e().Row(), 1);
  t()->setCurrentCell(2, 1);
  QTest::keyClick(t(), Qt::Key_F2);
  QTest::keyClicks(f().T1, "Bonn");
  QTest::keyClick(f().T1, Qt::Key_Return);

  // Leaving a stored row's date with no date in it: refused once the focus has moved,
  // and the cursor goes back to that cell; so on Enter.
  Dlg().gezeigt.clear();
  t()->setCurrentCell(2, 0);
  QTest::keyClick(t(), Qt::Key_F2);
  f().T1->clear();
  QTest::keyClicks(f().T1, "13.13.13");
  Antworte({1});
  QTest::keyClick(f().T1, Qt::Key_Down);
  Warte();
  EXPECT_TRUE(Gezeigt(178));
  EXPECT_EQ(Zelle(2, 0), "02.05.2024");
  EXPECT_EQ(e().Row(), 2);
  EXPECT_EQ(e().Col(), 0);
  QTest::keyClick(t(), '3');
  QTest::keyClicks(f().T1, "2.5.24");
  Antworte({1});
  QTest::keyClick(f().T1, Qt::Key_Return);
  EXPECT_EQ(Zelle(2, 0), "02.05.2024");

  // The other row's date emptied and a remark typed into it: the close keeps its stored
  // date and stores the remark.
  t()->setCurrentCell(3, 0);
  QTest::keyClick(t(), Qt::Key_F2);
  f().T1->selectAll();
  QTest::keyClick(f().T1, Qt::Key_Backspace);
  QTest::keyClick(f().T1, Qt::Key_Up);
  Warte();
  ASSERT_EQ(Zelle(3, 0), "");
  t()->setCurrentCell(3, 2);
  QTest::keyClick(t(), 'N');
  QTest::keyClicks(f().T1, "eu");
  QTest::keyClick(f().T1, Qt::Key_Return);

  t()->setCurrentCell(2, H::SPALTE_NETTOPUNKTE);
  QTest::keyClick(t(), '4');
  QTest::keyClicks(f().T1, "0x");
  Dlg().gezeigt.clear();
  Antworte({1});
  EXPECT_TRUE(start->close());
  EXPECT_EQ(GezeigteTexte().join(" | ").toStdString(),
            Meldung(4781).arg(Meldung(4782).arg(Meldung(4790).arg("01.05.2024", Meldung(4756)), "40x")).toStdString());
  EXPECT_EQ(Feld("Datum", "1").toString(), "2024-05-02");
  EXPECT_EQ(Feld("Golfplatzbez", "1").toString(), "Bonn");
  EXPECT_EQ(Feld("GewNettoStable", "1").toInt(), 36);
  EXPECT_EQ(Feld("Datum", "2").toString(), "2024-04-01");
  EXPECT_EQ(Feld("Bemerkungen", "2").toString(), "Neu");
  delete StartFensterFallsDa();
}

TEST_F(Historie, DeletingARowAsksAndOnlyRefillsTheGrid) {
  Zeile("1", "2024-05-01", "Aachen", 12.3);
  Zeile("2", "2024-04-01", "Aachen", 12.5);
  Oeffne();
  t()->setFocus();
  KontextLoeschen = "Historie";

  t()->setCurrentCell(1, 0);
  Antworte({6, 1});
  LoescheHdcpHistorie();
  EXPECT_TRUE(Gezeigt(52));
  EXPECT_TRUE(Gezeigt(130));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 2);

  t()->setCurrentCell(2, 1);
  Antworte({7});
  LoescheHdcpHistorie();
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 2);

  t()->item(3, 2)->setText("Geändert");
  QTest::keyClick(t(), Qt::Key_F2);
  Antworte({6});
  LoescheHdcpHistorie();
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 1);
  // The grid is refilled from the table: an edit of another row is not stored by a delete.
  EXPECT_NE(Feld("Bemerkungen", "2").toString(), "Geändert");
  EXPECT_EQ(t()->rowCount(), 3);
  EXPECT_FALSE(f().T1->isVisible());
  EXPECT_EQ(KontextLoeschen, "Historie");
}

// ---------------------------------------------------------------------------------------
// The golfer fields beside the grid

TEST_F(Historie, EnterMovesOnAndTheHomeClubMustBeAnEntryOfItsList) {
  Oeffne();
  Golfer& g = f();
  g.Stammvorgabe->setFocus();
  QTest::keyClick(g.Stammvorgabe, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), g.Handicap);
  QTest::keyClick(g.Handicap, Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), t());
  EXPECT_EQ(KontextLoeschen, "Historie");

  // Another case of a listed name passes.
  g.Heimatclub->setFocus();
  Warte();
  g.Heimatclub->hidePopup();
  g.Heimatclub->setEditText("AACHEN");
  g.Golfername->setFocus();
  Warte();
  EXPECT_TRUE(Dlg().gezeigt.empty());

  // A name that is not listed: message 153, the box gets back what it held and keeps the
  // focus.
  g.Heimatclub->setFocus();
  Warte();
  g.Heimatclub->hidePopup();
  g.Heimatclub->lineEdit()->selectAll();
  QTest::keyClicks(g.Heimatclub, "Koeln");
  Antworte({1});
  g.Golfername->setFocus();
  Warte();
  EXPECT_TRUE(Gezeigt(153));
  EXPECT_EQ(g.Heimatclub->currentText(), "AACHEN");
  g.Heimatclub->hidePopup();  // its list dropped down again
  EXPECT_EQ(QApplication::focusWidget(), g.Heimatclub);
}

TEST_F(Historie, TabbingIntoAnEmptyHomeClubDropsItsListAndAsksNothing) {
  Oeffne();
  Golfer& g = f();
  g.Heimatclub->setCurrentIndex(-1);
  g.Heimatclub->setEditText(QString());
  g.Golfername->setFocus();
  Warte();
  QTest::keyClick(g.Golfername, Qt::Key_Tab);
  Warte();
  EXPECT_TRUE(g.Heimatclub->view()->isVisible());
  EXPECT_TRUE(Dlg().gezeigt.empty());
  // Leaving the box still empty: no club named, none unknown.
  g.Heimatclub->hidePopup();
  g.Golfername->setFocus();
  Warte();
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Historie, EnterOnTheGridMovesOnToTheNextField) {
  Zeile("1", "2024-05-01", "Aachen", 12.3);
  Oeffne();
  t()->setFocus();
  t()->setCurrentCell(2, 1);
  // The grid is the page's last field: Enter goes round to its first, not off the page.
  QTest::keyClick(t(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), f().Golfername);
  EXPECT_FALSE(f().T1->isVisible());
  EXPECT_EQ(Zelle(2, 1), "Aachen");
}

TEST_F(Historie, ExitWithAnInvalidDateInTheEntryRowTakesNoEntryAndAsksNothing) {
  Zeile("1", "2024-05-01", "Aachen", 12.3);
  Start* start = new Start();
  start->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  Oeffne();
  const QRect zelle = t()->visualRect(t()->model()->index(1, 0));
  QTest::mouseClick(t()->viewport(), Qt::LeftButton, Qt::NoModifier, zelle.center());
  Warte();
  ASSERT_TRUE(f().T1->hasFocus());
  QTest::keyClicks(f().T1, "99");
  // A message noted with whether its window was still open when it came; while a real
  // box is up, a closed window is deleted.
  QStringList boxen;
  Dlg().unbeantwortet = [&](const QString& was) {
    boxen << was + (IstFormGeladen("Golfer") ? "" : " (closed)");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  QTest::mouseClick(start->GolferBar1->widgetForAction(start->Knopf(1)), Qt::LeftButton);
  QTest::qWait(50);
  EXPECT_EQ(boxen.join('\n').toStdString(), "");
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_FALSE(start->isVisible());
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 1);
  delete StartFensterFallsDa();
}

// A stored row's date typed over with what is no date never replaces the stored date: the
// toolbar's New (a new golfer? Yes) is refused with a box naming the cell and leaves the
// golfer and the cell as typed; Exit stores the rest of the row and names the date in the
// program's end box.
TEST_F(Historie, ADateTypedIntoAStoredRowThatIsNoDateKeepsTheStoredDateAndIsNamed) {
  Zeile("1", "2025-12-24", "Aachen", 12.3);
  Start* start = new Start();
  start->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  Oeffne();
  const QString gespeichert = Zelle(2, 0);
  t()->setFocus();
  t()->setCurrentCell(2, 2);
  QTest::keyClick(t(), 'N');
  QTest::keyClicks(f().T1, "eu");
  QTest::keyClick(f().T1, Qt::Key_Return);
  t()->setCurrentCell(2, 0);
  QTest::keyClick(t(), Qt::Key_F2);
  ASSERT_TRUE(f().T1->hasFocus());
  QTest::keyClicks(f().T1, "702-");
  const QString getippt = gespeichert + "702-";
  ASSERT_EQ(Zelle(2, 0), getippt);
  const QString zelle = Meldung(4790).arg(gespeichert, Meldung(4763));

  Antworte({ANTWORT_JA, ANTWORT_OK});
  QTest::mouseClick(start->GolferBar1->widgetForAction(start->Knopf(2)), Qt::LeftButton);
  Warte();
  EXPECT_EQ(GezeigteTexte().join(" | ").toStdString(),
            (Meldung(34) + " | " + Meldung(4764).arg(zelle, getippt)).toStdString());
  EXPECT_EQ(f().GolferIdn->text(), "1");
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer"), 2);
  EXPECT_EQ(Zelle(2, 0), getippt);
  EXPECT_TRUE(f().T1->hasFocus());
  EXPECT_EQ(Feld("Datum", "1").toString(), "2025-12-24");

  Dlg().gezeigt.clear();
  Antworte({ANTWORT_OK});
  QTest::mouseClick(start->GolferBar1->widgetForAction(start->Knopf(1)), Qt::LeftButton);
  QTest::qWait(50);
  ASSERT_EQ(GezeigteTexte().size(), 1);
  EXPECT_EQ(GezeigteTexte()[0].toStdString(), Meldung(4781).arg(Meldung(4784).arg(zelle, getippt)).toStdString());
  EXPECT_FALSE(start->isVisible());
  EXPECT_EQ(Feld("Datum", "1").toString(), "2025-12-24");
  EXPECT_EQ(Feld("Bemerkungen", "1").toString(), "Neu");
  delete StartFensterFallsDa();
}
