// Golfers and the active golfer, the golfer window's frame and its pages, and deleting
// a golfer with everything that belongs to it.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "platform/Global.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

namespace {

class Golferdaten : public TestUmgebung {
 protected:
  Golfer& f() { return GolferForm(); }
  QString Meldung(int n) { return SPU().GibTranslation(n); }
  bool Gezeigt(int n) { return GezeigteTexte().contains(Meldung(n)); }
  QVariant Wert(const QString& sql, const QVariantList& werte = {}) { return SqlWert(sql, werte); }
  long Zahl(const QString& sql, const QVariantList& werte = {}) { return SqlWert(sql, werte).toLongLong(); }

  void Plaetze() {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'O''Connor''s Links'), "
        "('2', 'Golfclub Schloß Würzburg'), ('3', 'Aachen')");
  }
  void Golferzeile(const QString& id, const QVariant& name, const QVariant& club = QVariant(), int aktiv = 0) {
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES (?, ?, ?, ?)",
        {id, name, club, aktiv});
  }
  QStringList Aktive() {
    QStringList l;
    for (const QString id : {"1", "2", "3", "4"})
      if (Zahl("SELECT \"Aktueller Golfer\" <> 0 FROM tab_golfer WHERE Golferidn = ?", {id})) l << id;
    return l;
  }
};

}  // namespace

// ---------------------------------------------------------------------------------------
// Golfer records

TEST_F(Golferdaten, RoundTripKeepsApostrophesUmlautsAndDecimalHandicaps) {
  Plaetze();
  ASSERT_TRUE(NeuGolfer(true));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  Golfer& g = f();
  EXPECT_EQ(g.GolferIdn->text(), "1");
  EXPECT_EQ(g.Stammvorgabe->text(), "0");
  EXPECT_EQ(g.Handicap->text(), "0");
  // The home club list holds the courses in name order.
  ASSERT_EQ(g.Heimatclub->count(), 3);
  EXPECT_EQ(g.Heimatclub->itemText(0), "Aachen");

  g.Golfername->setText("Seán O'Brien-Müller");
  g.Stammvorgabe->setText("+1,2");  // a plus handicap with the German decimal comma
  g.Handicap->setText("+1");
  g.Heimatclub->setEditText("golfclub schloß würzburg");  // the list is matched in capitals
  ASSERT_TRUE(WriteGolferdaten("1"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Seán O'Brien-Müller");
  // Better than scratch: negative in the arithmetic.
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), -1.2);
  EXPECT_DOUBLE_EQ(Wert("SELECT Handicap FROM tab_golfer").toDouble(), -1.0);
  EXPECT_EQ(Wert("SELECT Heimatclub FROM tab_golfer").toString(), "2");
  EXPECT_EQ(AktiverGolfer.Heimatclub, "2");
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), "1");

  LoescheGolferFelder();
  EXPECT_TRUE(g.Golfername->text().isEmpty());
  EXPECT_TRUE(g.Heimatclub->currentText().isEmpty());
  ASSERT_TRUE(ReadGolferdaten("1"));
  EXPECT_EQ(g.Golfername->text(), "Seán O'Brien-Müller");
  EXPECT_EQ(g.Stammvorgabe->text(), "+1,2");
  EXPECT_EQ(g.Handicap->text(), "+1");
  // A plain number stays a plain number.
  g.Stammvorgabe->setText("12,7");
  ASSERT_TRUE(WriteGolferdaten("1"));
  ASSERT_TRUE(ReadGolferdaten("1"));
  EXPECT_EQ(g.Stammvorgabe->text(), "12,7");
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), 12.7);
  EXPECT_EQ(g.Heimatclub->currentText(), "Golfclub Schloß Würzburg");
  EXPECT_EQ(g.GolferIdn->text(), "1");
  EXPECT_EQ(AktiverGolfer.Golfername, "Seán O'Brien-Müller");
  EXPECT_EQ(AktiverGolfer.AktuellerGolfer, "1");

  // Empty handicap boxes store Null and read back as 0.
  g.Stammvorgabe->clear();
  g.Handicap->clear();
  ASSERT_TRUE(WriteGolferdaten("1"));
  EXPECT_TRUE(Wert("SELECT Stammvorgabe FROM tab_golfer").isNull());
  ASSERT_TRUE(ReadGolferdaten("1"));
  EXPECT_EQ(g.Stammvorgabe->text(), "0");
}

TEST_F(Golferdaten, RefusedWritesLeaveTheRowAsItWas) {
  Plaetze();
  Golferzeile("1", "Anna", "1");
  ASSERT_TRUE(ReadGolferdaten("1"));
  Golfer& g = f();
  g.ZeigeScorekartenseite();

  // A home club typed that is not in the list: messages 153 and 36, the box gets back the
  // stored club, the golfer page comes back, nothing is written.
  g.Golfername->setText("Anna B.");
  const QString club = g.Heimatclub->currentText();
  g.Heimatclub->lineEdit()->selectAll();
  QTest::keyClicks(g.Heimatclub, "Nirgendwo");
  Antworte({1, 1});
  EXPECT_FALSE(WriteGolferdaten("1"));
  EXPECT_TRUE(Gezeigt(153));
  EXPECT_TRUE(Gezeigt(36));
  EXPECT_EQ(g.Heimatclub->currentText(), club);
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 0);
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Anna");
  EXPECT_TRUE(Aktive().isEmpty());

  // A handicap that is no number: a box in the interface language; the row keeps its values.
  Dlg().gezeigt.clear();
  g.Heimatclub->setEditText("Aachen");
  g.Stammvorgabe->setText("zwölf");
  Antworte({1});
  EXPECT_FALSE(WriteGolferdaten("1"));
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_INFO);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("zwölf")) << Dlg().gezeigt[0].text.toStdString();
  EXPECT_FALSE(Dlg().gezeigt[0].text.contains(Fehlerbeschreibung(TEXT_TYPFEHLER)));
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Anna");

  // A key that is not stored: false, no message.
  Dlg().gezeigt.clear();
  g.Stammvorgabe->setText("12");
  EXPECT_FALSE(WriteGolferdaten("7"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_FALSE(ReadGolferdaten("7"));
  EXPECT_EQ(g.Golfername->text(), "Anna B.");
}

TEST_F(Golferdaten, ExactlyOneGolferStaysFlaggedActive) {
  Plaetze();
  Golferzeile("1", "Anna", "1");
  Golferzeile("2", "Bernd", "1", 1);
  Golferzeile("3", "Clara", "3", -1);  // true as an older database stores it
  // Several flagged: the first in table order.
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), "2");

  ASSERT_TRUE(ReadGolferdaten("3"));
  ASSERT_TRUE(WriteGolferdaten("3"));
  EXPECT_EQ(Aktive(), QStringList{"3"});
  ASSERT_TRUE(ReadGolferdaten("1"));
  ASSERT_TRUE(WriteGolferdaten("1"));
  EXPECT_EQ(Aktive(), QStringList{"1"});
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), "1");

  Sql("UPDATE tab_golfer SET \"Aktueller Golfer\" = 0");
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), "");
}

TEST_F(Golferdaten, WindowOpensOnTheActiveGolferElseOnTheLastRow) {
  Plaetze();
  Golferzeile("1", "Anna", "1");
  Golferzeile("2", QVariant(), "1");  // the last row has no name yet
  EXPECT_EQ(f().GolferIdn->text(), "2");
  EXPECT_EQ(AktiverGolfer.Golferidn, "2");
  EXPECT_EQ(f().TabstripGolfer->currentIndex(), 0);
  EXPECT_EQ(KontextDrucken, "Golfer");
  GlobaleObjekteFreigeben();

  Sql("UPDATE tab_golfer SET \"Aktueller Golfer\" = 1 WHERE Golferidn = '1'");
  EXPECT_EQ(f().Golfername->text(), "Anna");
  EXPECT_EQ(f().Heimatclub->currentText(), "O'Connor's Links");
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Golferdaten, GotoGolferByNameByKeyAndLast) {
  Plaetze();
  Golferzeile("1", "O'Brien", "1");
  Golferzeile("2", "Müller", "2");
  Golferzeile("3", "Müller", "3");
  QString name = "Müller";
  GotoGolfer(name, "");
  EXPECT_EQ(f().GolferIdn->text(), "2");  // the first of that name
  name = "LAST";
  GotoGolfer(name, "");
  EXPECT_EQ(f().GolferIdn->text(), "3");
  EXPECT_EQ(name, "Müller");
  name = "";
  GotoGolfer(name, "1");
  EXPECT_EQ(f().Golfername->text(), "O'Brien");

  // Not found while there are golfers: message 47, the golfer shown stays.
  Antworte({1, 1});
  GotoGolfer(name, "9");
  name = "Niemand";
  GotoGolfer(name, "");
  EXPECT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_TRUE(Gezeigt(47));
  EXPECT_EQ(f().Golfername->text(), "O'Brien");
  EXPECT_EQ(AktiverGolfer.Golferidn, "1");

  // Without golfers the boxes are emptied without a message.
  Sql("DELETE FROM tab_golfer");
  Dlg().gezeigt.clear();
  GotoGolfer(name, "9");
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_TRUE(f().Golfername->text().isEmpty());
  EXPECT_TRUE(f().Heimatclub->currentText().isEmpty());
}

TEST_F(Golferdaten, NewGolferAsksSavesTheShownOneAndTakesTheNextNumber) {
  Plaetze();
  Golferzeile("9", "Anna", "1");
  Golferzeile("10", "Bernd", "1", 1);
  Golfer& g = f();
  ASSERT_EQ(g.GolferIdn->text(), "10");

  Antworte({7});
  EXPECT_TRUE(NeuGolfer(false));
  EXPECT_TRUE(Gezeigt(34));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer"), 2);
  EXPECT_EQ(g.GolferIdn->text(), "10");

  g.Golfername->setText("Bernd Brösel");
  Antworte({6});
  EXPECT_TRUE(NeuGolfer(false));
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '10'").toString(), "Bernd Brösel");
  EXPECT_EQ(g.GolferIdn->text(), "11");
  EXPECT_EQ(AktiverGolfer.Golferidn, "11");
  EXPECT_TRUE(g.Golfername->text().isEmpty());
  EXPECT_TRUE(g.Heimatclub->currentText().isEmpty());
  EXPECT_EQ(g.Stammvorgabe->text(), "0");
  // The new golfer is flagged at its first save, not before.
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), "10");
}

// ---------------------------------------------------------------------------------------
// Deleting a golfer

namespace {
class GolferLoeschen : public Golferdaten {
 protected:
  void Runden(const QString& golfer, int karten, int historie) {
    static int n = 100;
    for (int i = 0; i < karten; ++i)
      Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum) VALUES (?, ?, '2024-05-01')",
          {QString::number(++n), golfer});
    for (int i = 0; i < historie; ++i)
      Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Stammvorgabe) VALUES (?, ?, '2024-05-01', 20)",
          {QString::number(++n), golfer});
  }
  long Karten(const QString& g) { return Zahl("SELECT COUNT(*) FROM Greenlogs WHERE Golfernummer = ?", {g}); }
  long Zeilen(const QString& g) { return Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie WHERE Golfernummer = ?", {g}); }
};
}  // namespace

TEST_F(GolferLoeschen, RemovesTheGolferWithItsCardsAndHistoryThenShowsTheLast) {
  Plaetze();
  Golferzeile("1", "Anna", "1");
  Golferzeile("2", "Bernd", "2");
  Runden("1", 3, 2);
  Runden("2", 1, 1);
  ASSERT_TRUE(ReadGolferdaten("1"));
  ASSERT_EQ(f().HdcpHistorie->rowCount(), 4);

  Antworte({7});
  EXPECT_TRUE(DeleteGolfer("1"));
  EXPECT_TRUE(Gezeigt(35));
  EXPECT_EQ(Karten("1"), 3);

  Antworte({6});
  EXPECT_TRUE(DeleteGolfer("1"));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer WHERE Golferidn = '1'"), 0);
  EXPECT_EQ(Karten("1"), 0);
  EXPECT_EQ(Zeilen("1"), 0);
  EXPECT_EQ(Karten("2"), 1);
  EXPECT_EQ(Zeilen("2"), 1);
  EXPECT_EQ(f().GolferIdn->text(), "2");
  EXPECT_EQ(AktiverGolfer.Golferidn, "2");
  EXPECT_EQ(f().HdcpHistorie->rowCount(), 3);
}

TEST_F(GolferLoeschen, AFailureDeletesNothing) {
  Plaetze();
  Golferzeile("1", "Anna", "1");
  Runden("1", 2, 2);
  // The golfer's own row cannot go: its cards and history must stay too.
  Sql("CREATE TRIGGER bleibt BEFORE DELETE ON tab_golfer BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  Antworte({6, 1});
  EXPECT_FALSE(DeleteGolfer("1"));
  ASSERT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_EQ(Dlg().gezeigt[1].stil, 16);
  EXPECT_EQ(Karten("1"), 2);
  EXPECT_EQ(Zeilen("1"), 2);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer"), 1);
}

TEST_F(GolferLoeschen, AfterTheLastGolferANewOneFollowsAndNothingPointsAtTheOld) {
  Plaetze();
  Golferzeile("7", "Anna", "1", 1);
  Runden("7", 1, 2);
  Golfer& g = f();
  g.SetzeKartenschluessel("101");
  g.Karte().Golfernummer = "7";
  ASSERT_EQ(g.HdcpHistorie->rowCount(), 4);

  Antworte({6});
  EXPECT_TRUE(DeleteGolfer("7"));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);  // no question for the new golfer
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer"), 1);
  EXPECT_EQ(Wert("SELECT Golferidn FROM tab_golfer").toString(), "1");
  EXPECT_TRUE(Wert("SELECT Golfername FROM tab_golfer").isNull());
  EXPECT_EQ(AktiverGolfer.Golferidn, "1");
  EXPECT_TRUE(AktiverGolfer.Golfername.isEmpty());
  EXPECT_TRUE(AktiverGolfer.Heimatclub.isEmpty());
  EXPECT_EQ(g.GolferIdn->text(), "1");
  EXPECT_TRUE(g.Golfername->text().isEmpty());
  EXPECT_EQ(g.HdcpHistorie->rowCount(), 2);
  EXPECT_TRUE(g.Kartenschluessel().isEmpty());
  EXPECT_EQ(Karten("7") + Zeilen("7"), 0);
}

// ---------------------------------------------------------------------------------------
// The window's pages

namespace {
class GolferFenster : public Golferdaten {
 protected:
  void SetUp() override {
    Golferdaten::SetUp();
    start = new Start();
  }
  void TearDown() override {
    delete StartFensterFallsDa();
    Golferdaten::TearDown();
  }
  QList<int> AusKnoepfe() const {
    QList<int> aus;
    for (int i = 1; i <= 18; ++i)
      if (!start->Knopf(i)->isEnabled()) aus << i;
    return aus;
  }
  QString Menuecode() const {
    QString code;
    const QList<QAction*> m = start->Befehlsmenues();
    for (int i = 0; i < m.size(); ++i)
      if (!m[i]->isEnabled()) code += QStringLiteral("JKLMNOPQRSTUVWXYZa").at(i);
    return code;
  }
  Start* start = nullptr;
};
}  // namespace

TEST_F(GolferFenster, EachPageSetsContextsCaptionToolbarAndMenus) {
  Plaetze();
  Golferzeile("1", "O'Brien", "1", 1);
  Golfer& g = f();
  AktiveForm = "Turnier";
  g.Zeige();
  EXPECT_EQ(AktiveForm, "");
  EXPECT_EQ(KontextNeu, "Golfer");
  EXPECT_EQ(KontextLoeschen, "Golfer");
  EXPECT_EQ(KontextSuchen, "Golfer");
  EXPECT_EQ(start->windowTitle(), "Zantro Puttwise!  - 2.02       Golfer:   O'Brien");
  EXPECT_EQ(AusKnoepfe(), QList<int>({6, 9, 10, 11, 13, 14, 15}));
  EXPECT_EQ(Menuecode(), "MQRSTUVWX");

  g.Golfername->setText("Brenda O'Brien");
  g.TabstripGolfer->setCurrentIndex(1);
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 1);
  // Leaving the golfer page stored the golfer.
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Brenda O'Brien");
  EXPECT_EQ(KontextNeu, "Scorekarte");
  EXPECT_EQ(KontextDrucken, "Scorekarte");
  EXPECT_EQ(KontextWeiter, "NextScorecard");
  EXPECT_EQ(KontextZurueck, "PreviousScorecard");
  EXPECT_EQ(start->windowTitle(), "Zantro Puttwise!  - 2.02            Golfer  -   Brenda O'Brien");
  EXPECT_EQ(AusKnoepfe(), QList<int>({13, 14, 15, 17, 18}));
  EXPECT_EQ(Menuecode(), "UVWXYZ");

  g.TabstripGolfer->setCurrentIndex(2);
  EXPECT_EQ(KontextNeu, "Scorekarte");  // the analysis page names no record
  EXPECT_EQ(AusKnoepfe(), QList<int>({2, 3, 4, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18}));
  EXPECT_EQ(Menuecode(), "KLMNPQRSTUVWXYZa");

  g.TabstripGolfer->setCurrentIndex(0);
  EXPECT_EQ(KontextNeu, "Golfer");
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(GolferFenster, TheGolferPageIsLeftOnlyWithAHomeClub) {
  Plaetze();
  Golferzeile("1", "Anna", QVariant(), 1);
  Golfer& g = f();
  g.Zeige();
  Antworte({1});
  g.TabstripGolfer->setCurrentIndex(2);
  EXPECT_TRUE(Gezeigt(225));
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 0);
  EXPECT_EQ(KontextNeu, "Golfer");
  EXPECT_TRUE(Wert("SELECT Heimatclub FROM tab_golfer").isNull());

  // A home club that is no course: the save is refused and the page stays.
  Dlg().gezeigt.clear();
  g.Heimatclub->setEditText("Irgendwo");
  Antworte({1, 1});
  g.TabstripGolfer->setCurrentIndex(1);
  EXPECT_TRUE(Gezeigt(36));
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 0);
  EXPECT_EQ(AusKnoepfe(), QList<int>({6, 9, 10, 11, 13, 14, 15}));

  Dlg().gezeigt.clear();
  g.Heimatclub->setEditText("Aachen");
  g.TabstripGolfer->setCurrentIndex(1);
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 1);
  EXPECT_EQ(Wert("SELECT Heimatclub FROM tab_golfer").toString(), "3");
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), "1");
}

TEST_F(GolferFenster, ClosingTheWindowStoresTheGolfer) {
  Plaetze();
  Golferzeile("1", "Anna", "1", 1);
  Golfer& g = f();
  g.Zeige();
  g.Golfername->setText("Anna-Lena");
  g.Stammvorgabe->setText("17,3");
  EXPECT_TRUE(g.Schliessen());
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Anna-Lena");
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), 17.3);
}

// Leaving the golfer page stores what was typed: an exact handicap another program stored
// as text the program cannot read, shown as 0, and a handicap without a value stay as they
// are.
TEST_F(GolferFenster, LeavingThePageKeepsTheHandicapsNobodyTyped) {
  Plaetze();
  Golferzeile("1", "Anna", "3", 1);
  Sql("UPDATE tab_golfer SET Stammvorgabe = 'zwölf', Handicap = NULL");
  Golfer& g = f();
  g.Zeige();
  g.Golfername->setFocus();
  g.Golfername->selectAll();
  QTest::keyClicks(g.Golfername, "Anna-Lena");
  g.TabstripGolfer->setCurrentIndex(1);
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 1);
  EXPECT_EQ(g.Stammvorgabe->text(), "0");
  EXPECT_EQ(Wert("SELECT Golfername || '/' || Stammvorgabe || '/' || ifnull(Handicap, '-') FROM tab_golfer").toString(),
            "Anna-Lena/zwölf/-");
}

TEST_F(GolferFenster, TheCaptionNamesTheGolferLoaded) {
  Plaetze();
  Golferzeile("1", "O'Brien", "1", 1);
  Golferzeile("2", "Zoe", "1", 0);
  Golfer& g = f();
  g.Zeige();
  EXPECT_EQ(start->windowTitle(), "Zantro Puttwise!  - 2.02       Golfer:   O'Brien");
  ASSERT_TRUE(NeuGolfer(true));
  EXPECT_EQ(start->windowTitle(), "Zantro Puttwise!  - 2.02       Golfer:   ");
  QString name;
  GotoGolfer(name, "2");
  EXPECT_EQ(start->windowTitle(), "Zantro Puttwise!  - 2.02       Golfer:   Zoe");
}

TEST_F(GolferFenster, AnAnalysisDateIsCheckedWhenTheUserLeavesItNotWhenAWindowOrAMenuTakesTheFocus) {
  Plaetze();
  Golferzeile("1", "Anna", "1", 1);
  start->show();
  Golfer& g = f();
  g.Zeige();
  start->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  g.TabstripGolfer->setCurrentIndex(2);
  QTest::qWait(0);
  QLineEdit* datum = g.Analyse->Startdatum;
  datum->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(datum, "31.2.");
  // Another program's window comes to the front, then this one again.
  QWidget fremd;
  fremd.show();
  fremd.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fremd));
  QTest::qWait(0);
  fremd.hide();
  start->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  QTest::qWait(0);
  // A menu of the program opens and closes.
  QMenu* menue = start->menuBar()->actions().first()->menu();
  ASSERT_TRUE(menue);
  menue->popup(start->mapToGlobal(QPoint(20, 20)));
  QTest::qWait(0);
  ASSERT_TRUE(menue->isVisible());
  QTest::keyClick(menue, Qt::Key_Escape);
  QTest::qWait(0);
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(datum->text(), "31.2.");
  EXPECT_EQ(QApplication::focusWidget(), datum);
  // Tab leaves the box: the date is told to be none, and the box emptied.
  Antworte({1});
  QTest::keyClick(datum, Qt::Key_Tab);
  QTest::qWait(0);
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(178)});
  EXPECT_TRUE(datum->text().isEmpty());
}
