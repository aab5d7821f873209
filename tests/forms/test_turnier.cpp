// The tournament editor, the tournament records and the tournament delete.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Loeschen.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "language/Textquellen.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

namespace {

class Turniere : public TestUmgebung {
 protected:
  Turnier& f() { return TurnierForm(); }
  QString Meldung(int n) { return SPU().GibTranslation(n); }
  bool Gezeigt(int n) { return GezeigteTexte().contains(Meldung(n)); }
  void Platz(const QString& id, const QString& name) {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES (?, ?)", {id, name});
  }
  void Eintrag(const QString& nr, const QString& name, const QString& datum) {
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES (?, ?, ?, 1)",
        {nr, name, datum});
  }
  QVariant Feld(const QString& feld, const QString& nr = "1") {
    return SqlWert(QStringLiteral("SELECT %1 FROM Tab_Turnier WHERE Turniernummer = ?").arg(feld), {nr});
  }
  bool Angekreuzt(int i) { return f().OptionLoch18[i]->isChecked(); }
};

}  // namespace

TEST_F(Turniere, EveryFieldIsWrittenAndReadBack) {
  Platz("1", "Achental");
  Platz("2", "Märkischer Golfclub");
  ASSERT_TRUE(NeuTurnier("Frühjahrs-Cup 'Open'"));
  Turnier& t = f();
  EXPECT_EQ(t.Turniernummer->text(), "1");
  EXPECT_EQ(t.Turniername->text(), "Frühjahrs-Cup 'Open'");
  EXPECT_EQ(t.Datum->text(), IsoAlsDatum(QDate::currentDate().toString(Qt::ISODate)));
  EXPECT_TRUE(Angekreuzt(1));
  ASSERT_EQ(t.GolfplatzNo->count(), 2);

  t.Datum->setText("5.4.24");
  // Typed in other letter case than the list: accepted.
  t.GolfplatzNo->setEditText("MÄRKISCHER GOLFCLUB");
  t.SpielartNo->setEditText("stableford");
  t.TurnierHandicap->setText("-28,4");
  t.TurnierBemerkung->setPlainText("Kanonenstart\nO'Neill's Pub danach");
  t.OptionLoch18[5]->setChecked(true);
  t.LochzahlSonstige->setText("27");
  ASSERT_TRUE(WriteTurnier("1"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_EQ(Feld("Datum").toString(), "2024-04-05");
  EXPECT_EQ(Feld("GolfplatzNo").toString(), "2");
  EXPECT_EQ(Feld("SpielartNo").toString(), "2");
  EXPECT_EQ(Feld("TurnierBemerkung").toString(), "Kanonenstart\nO'Neill's Pub danach");
  EXPECT_EQ(Feld("LochOption").toInt(), 5);
  EXPECT_EQ(Feld("SonstigeLochOption").toString(), "27");

  Sprachnummer = 2;
  ASSERT_TRUE(ReadTurnierdaten("1"));
  EXPECT_EQ(t.Turniername->text(), "Frühjahrs-Cup 'Open'");
  EXPECT_EQ(t.Datum->text(), "04/05/2024");
  EXPECT_EQ(t.GolfplatzNo->currentText(), "Märkischer Golfclub");
  EXPECT_EQ(t.SpielartNo->currentText(), "Stableford");
  EXPECT_EQ(t.TurnierHandicap->text(), "-28,4");
  EXPECT_TRUE(Angekreuzt(5));
  EXPECT_TRUE(t.LochzahlSonstige->isEnabled());
  EXPECT_EQ(t.LochzahlSonstige->text(), "27");

  // Emptied fields are stored as Null.
  t.TurnierHandicap->clear();
  t.GolfplatzNo->setEditText("");
  ASSERT_TRUE(WriteTurnier("1"));
  EXPECT_TRUE(Feld("TurnierHandicap").isNull());
  EXPECT_TRUE(Feld("GolfplatzNo").isNull());
}

TEST_F(Turniere, EmptyTableOpensTheEditorWithAFirstTournament) {
  EXPECT_EQ(GotoTurnier("LAST"), "1");
  EXPECT_TRUE(IstFormGeladen("Turnier"));
  EXPECT_EQ(f().Turniernummer->text(), "1");
  EXPECT_EQ(Feld("Datum").toString(), QDate::currentDate().toString(Qt::ISODate));
  EXPECT_TRUE(Angekreuzt(1));
  EXPECT_EQ(f().GolfplatzNo->currentIndex(), -1);
  EXPECT_TRUE(f().SpielartNo->currentText().isEmpty());
  EXPECT_EQ(AktiveForm, "Turnier");
  EXPECT_EQ(KontextLoeschen, "Turnier");
}

TEST_F(Turniere, NewTournamentSavesTheShownOneFirst) {
  Eintrag("4", "Vier", "2023-06-01");
  GotoTurnier("4");
  f().TurnierHandicap->setText("-36");
  ASSERT_TRUE(NeuTurnier("Herbstpreis"));
  EXPECT_EQ(Feld("TurnierHandicap", "4").toString(), "-36");
  EXPECT_EQ(f().Turniernummer->text(), "5");
  EXPECT_EQ(Feld("Turniername", "5").toString(), "Herbstpreis");
  EXPECT_EQ(Feld("LochOption", "5").toInt(), 1);
  EXPECT_TRUE(f().TurnierHandicap->text().isEmpty());
}

TEST_F(Turniere, LastIsTheLatestDateAndScrollingFollowsTheNumbersAsText) {
  for (int i = 1; i <= 12; ++i)
    Eintrag(QString::number(i), QStringLiteral("T%1").arg(i), QStringLiteral("2024-01-%1").arg(i + 10));
  Sql("UPDATE Tab_Turnier SET Datum = '2025-03-01' WHERE Turniernummer = '3'");
  EXPECT_EQ(GotoTurnier("LAST"), "3");
  EXPECT_EQ(f().Turniername->text(), "T3");

  GotoTurnier("1");
  ScrollTurnier(2);
  EXPECT_EQ(f().Turniernummer->text(), "10");
  ScrollTurnier(1);
  EXPECT_EQ(f().Turniernummer->text(), "1");
  Antworte({ANTWORT_OK});
  ScrollTurnier(1);
  EXPECT_TRUE(Gezeigt(31));
  GotoTurnier("9");
  f().Turniername->setText("Neun neu");
  Antworte({ANTWORT_OK});
  ScrollTurnier(2);
  EXPECT_TRUE(Gezeigt(32));
  EXPECT_EQ(Feld("Turniername", "9").toString(), "Neun neu");
}

TEST_F(Turniere, UnknownTournamentNumberIsReported) {
  Eintrag("1", "Eins", "2024-01-01");
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(ReadTurnierdaten("7"));
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(50));
  EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_KRITISCH);
  EXPECT_TRUE(f().Turniername->text().isEmpty());
  EXPECT_FALSE(WriteTurnier("7"));
}

TEST_F(Turniere, TextsNotInTheListKeepTheStoredIds) {
  Platz("1", "Achental");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, GolfplatzNo, SpielartNo) VALUES ('1', 'Cup', '1', '3')");
  GotoTurnier("1");
  const QString platz = f().GolfplatzNo->currentText(), spielart = f().SpielartNo->currentText();
  for (auto [liste, text] : {std::pair{f().GolfplatzNo, "Nirgendwo"}, std::pair{f().SpielartNo, "Blindes Huhn"}}) {
    liste->lineEdit()->selectAll();
    QTest::keyClicks(liste, text);
  }
  f().Turniername->setText("Cup neu");
  Antworte({ANTWORT_OK, ANTWORT_OK});
  ASSERT_TRUE(WriteTurnier("1"));
  EXPECT_TRUE(Gezeigt(153));
  EXPECT_TRUE(Gezeigt(215));
  // The boxes get back what they held before the typing.
  EXPECT_EQ(f().GolfplatzNo->currentText(), platz);
  EXPECT_EQ(f().SpielartNo->currentText(), spielart);
  EXPECT_EQ(Feld("GolfplatzNo").toString(), "1");
  EXPECT_EQ(Feld("SpielartNo").toString(), "3");
  EXPECT_EQ(Feld("Turniername").toString(), "Cup neu");
}

TEST_F(Turniere, HoleCountBoxesActAsOneChoice) {
  GotoTurnier("LAST");
  Turnier& t = f();
  t.OptionLoch18[5]->click();
  EXPECT_TRUE(Angekreuzt(5));
  EXPECT_FALSE(Angekreuzt(1));
  EXPECT_TRUE(t.LochzahlSonstige->isEnabled());
  EXPECT_FALSE(t.LochzahlSonstige->isHidden());
  t.OptionLoch18[1]->click();
  EXPECT_FALSE(Angekreuzt(5));
  EXPECT_FALSE(t.LochzahlSonstige->isEnabled());
  EXPECT_TRUE(t.LochzahlSonstige->isHidden());
  // Clicking the ticked box leaves none; the stored choice then stays.
  t.OptionLoch18[1]->click();
  for (int i = 1; i <= 5; ++i) EXPECT_FALSE(Angekreuzt(i));
  Sql("UPDATE Tab_Turnier SET LochOption = 4");
  ASSERT_TRUE(WriteTurnier("1"));
  EXPECT_EQ(Feld("LochOption").toInt(), 4);

  auto lies = [&](const QVariant& option, const QVariant& sonstige) {
    Sql("UPDATE Tab_Turnier SET LochOption = ?, SonstigeLochOption = ?", {option, sonstige});
    ReadTurnierdaten("1");
  };
  const QVariant null(QMetaType::fromType<QString>());
  lies(3, null);
  EXPECT_TRUE(Angekreuzt(3));
  EXPECT_FALSE(t.LochzahlSonstige->isEnabled());
  EXPECT_TRUE(t.LochzahlSonstige->text().isEmpty());
  lies(5, "9");
  EXPECT_TRUE(Angekreuzt(5));
  EXPECT_TRUE(t.LochzahlSonstige->isEnabled());
  EXPECT_EQ(t.LochzahlSonstige->text(), "9");
  lies(5, null);
  for (int i = 1; i <= 5; ++i) EXPECT_FALSE(Angekreuzt(i));
}

TEST_F(Turniere, FieldChecksOnLeaving) {
  Platz("1", "Achental");
  GotoTurnier("LAST");
  Turnier& t = f();
  t.Datum->setText("31.02.2024");
  Antworte({ANTWORT_OK});
  t.Datum_LostFocus();
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(178));
  EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_INFO);
  EXPECT_EQ(t.Datum->text(), "31.02.2024");  // kept for correcting
  t.Datum->setText("1/2/25");
  t.Datum_LostFocus();
  EXPECT_EQ(t.Datum->text(), "02.01.2025");

  const size_t boxen = Dlg().gezeigt.size();
  t.SpielartNo->setEditText("");
  t.SpielartNo_LostFocus();
  t.GolfplatzNo->setEditText("achental");
  t.GolfplatzNo_LostFocus();
  EXPECT_EQ(Dlg().gezeigt.size(), boxen);
  t.GolfplatzNo->lineEdit()->selectAll();
  QTest::keyClicks(t.GolfplatzNo, "Achenx");
  Antworte({ANTWORT_OK});
  t.GolfplatzNo_LostFocus();
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(153));
  EXPECT_EQ(t.GolfplatzNo->currentText(), "achental");
}

TEST_F(Turniere, ClosingAlwaysWritesTheTournament) {
  GotoTurnier("LAST");
  f().Turniername->clear();
  f().TurnierBemerkung->setPlainText("ohne Namen");
  EXPECT_TRUE(f().Schliessen());
  EXPECT_FALSE(IstFormGeladen("Turnier"));
  EXPECT_EQ(Feld("TurnierBemerkung").toString(), "ohne Namen");
  EXPECT_TRUE(Feld("Turniername").isNull());
}

TEST_F(Turniere, DeleteUnlinksTheScorecardsInOneGo) {
  Eintrag("1", "Alt", "2023-01-01");
  Eintrag("2", "Neu", "2024-01-01");
  for (const char* k : {"1", "2", "3"})
    Sql("INSERT INTO Greenlogs (Scorekartenidn, TurnierNameKarte) VALUES (?, '1')", {k});
  Sql("INSERT INTO Greenlogs (Scorekartenidn, TurnierNameKarte) VALUES ('4', '2')");
  GotoTurnier("1");

  // No: nothing deleted, still on to the latest tournament.
  Antworte({ANTWORT_NEIN});
  LoescheTurnier("1");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 2);
  EXPECT_EQ(f().Turniernummer->text(), "2");

  GotoTurnier("1");
  Antworte({ANTWORT_JA});
  LoescheTurnier("1");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 1);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Greenlogs").toInt(), 4);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Greenlogs WHERE TurnierNameKarte IS NULL").toInt(), 3);
  EXPECT_EQ(SqlWert("SELECT TurnierNameKarte FROM Greenlogs WHERE Scorekartenidn = '4'").toString(), "2");
  EXPECT_EQ(f().Turniernummer->text(), "2");

  // A tournament that is gone already.
  Antworte({ANTWORT_JA, ANTWORT_OK});
  LoescheTurnier("1");
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(48));
}

TEST_F(Turniere, TypingIntoTheListsCompletesOnceFromTheList) {
  Platz("1", "Achental");
  Platz("2", "Munich Golfclub");
  Platz("3", "Murnau");
  ASSERT_TRUE(NeuTurnier("Cup"));
  Turnier& t = f();
  t.show();
  // The keys reach the box itself, as they do with the focus on it.
  t.GolfplatzNo->setEditText(QString());
  QTest::keyClicks(t.GolfplatzNo, "mu");
  EXPECT_EQ(t.GolfplatzNo->currentText(), "Munich Golfclub");
  EXPECT_EQ(t.GolfplatzNo->lineEdit()->selectedText(), "nich Golfclub");
  QTest::keyClicks(t.GolfplatzNo, "r");
  EXPECT_EQ(t.GolfplatzNo->currentText(), "Murnau");
  EXPECT_EQ(t.GolfplatzNo->currentIndex(), 2);
  // Typed straight into the edit field, the same.
  t.SpielartNo->setEditText(QString());
  QTest::keyClicks(t.SpielartNo->lineEdit(), "st");
  EXPECT_TRUE(t.SpielartNo->currentText().startsWith("Stableford")) << t.SpielartNo->currentText().toStdString();
  // A text no item begins with stays as typed.
  t.GolfplatzNo->setEditText(QString());
  QTest::keyClicks(t.GolfplatzNo, "xyz");
  EXPECT_EQ(t.GolfplatzNo->currentText(), "xyz");
  EXPECT_EQ(t.GolfplatzNo->completer(), nullptr);
}

// The handicap limit is a note as typed: a stored one that is no number, and one typed
// over it, never stop a store.
TEST_F(Turniere, TheHandicapNoteIsStoredAsTyped) {
  Eintrag("1", "Herbstpreis", "2024-09-01");
  Eintrag("2", "Sommerfest", "2024-07-01");
  Sql("UPDATE Tab_Turnier SET TurnierHandicap = 'PE'");
  // What another program stored is left as it is by an edit of the name.
  Sql("UPDATE Tab_Turnier SET TurnierBemerkung = '', SonstigeLochOption = '' WHERE Turniernummer = '1'");
  GotoTurnier("1");
  f().Zeige();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
  Turnier& t = f();
  EXPECT_EQ(t.TurnierHandicap->text(), "PE");
  QTest::keyClicks(t.Turniername, " 2024");
  BefehlWeiter();
  EXPECT_EQ(Feld("Turniername").toString(), "Herbstpreis 2024");
  EXPECT_EQ(Feld("TurnierHandicap").toString(), "PE");
  EXPECT_EQ(Feld("quote(TurnierBemerkung) || quote(SonstigeLochOption)").toString(), "''''");
  // A tournament nobody typed into is not written.
  Sql("UPDATE Tab_Turnier SET Turniername = 'Sommerfest neu' WHERE Turniernummer = '2'");
  BefehlZurueck();
  EXPECT_EQ(Feld("Turniername", "2").toString(), "Sommerfest neu");
  BefehlWeiter();
  t.TurnierHandicap->setFocus(Qt::TabFocusReason);
  t.TurnierHandicap->selectAll();
  QTest::keyClicks(t.TurnierHandicap, "-36 / -54");
  EXPECT_TRUE(t.Schliessen());
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Feld("TurnierHandicap", "2").toString(), "-36 / -54");
}

TEST_F(Turniere, TheFirstClickOnTheCourseListOpensItWithoutAMessage) {
  Platz("1", "Achental");
  Platz("2", "Beuerberg");
  Eintrag("1", "Sommerfest", "2024-07-01");
  GotoTurnier("1");
  f().Zeige();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
  Turnier& t = f();
  ASSERT_TRUE(t.GolfplatzNo->currentText().isEmpty());
  // Into the box and on its arrow, as the mouse does it.
  const QPoint pfeil(t.GolfplatzNo->width() - 6, t.GolfplatzNo->height() / 2);
  QTest::mouseClick(t.GolfplatzNo, Qt::LeftButton, Qt::NoModifier, pfeil);
  QTest::qWait(50);
  EXPECT_TRUE(Dlg().gezeigt.empty());
  ASSERT_TRUE(t.GolfplatzNo->view()->isVisible());
  // A course picked from the list with Enter, which moves on as Tab: no message, the
  // course stored.
  QTest::keyClick(t.GolfplatzNo->view(), Qt::Key_Down);
  QTest::keyClick(t.GolfplatzNo->view(), Qt::Key_Return);
  QTest::qWait(50);
  EXPECT_FALSE(t.GolfplatzNo->view()->isVisible());
  EXPECT_EQ(t.GolfplatzNo->currentText(), "Beuerberg");
  EXPECT_TRUE(t.SpielartNo->view()->isVisible());
  EXPECT_TRUE(Dlg().gezeigt.empty());
  ASSERT_TRUE(t.Schliessen());
  EXPECT_EQ(Feld("GolfplatzNo").toString(), "2");
}

TEST_F(Turniere, AfterTheDeleteQuestionTheEditorStaysInFrontWithTheNextTournament) {
  Platz("1", "Achental");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
      "VALUES ('1', 'Anna', 18.4, 18, '1', 1)");
  Eintrag("1", "Frühjahrscup", "2024-04-01");
  Eintrag("2", "Sommerfest", "2024-07-01");
  Eintrag("3", "Herbstpreis", "2024-09-01");
  Start* start = new Start();
  start->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  // The golfer window open with the focus in one of its fields, then the tournaments.
  Golfer& g = GolferForm();
  g.Zeige();
  g.Golfername->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  ZeigeTurnier();
  QTest::qWait(0);
  ASSERT_EQ(start->Mdi->activeSubWindow()->widget(), &f());
  ASSERT_EQ(f().Turniernummer->text(), "3");

  // The question box holds the activation while it is open; the main window gets it back
  // after the answer. No keeps the tournaments, Yes deletes the one shown; either way the
  // editor stays in front with the latest tournament, and the commands stay its own.
  struct Fall {
    int antwort;
    QString danach;
    int anzahl;
  } faelle[] = {{ANTWORT_NEIN, "3", 3}, {ANTWORT_JA, "2", 2}};
  for (const Fall& c : faelle) {
    QWidget frage;
    frage.show();
    frage.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frage));
    Antworte({c.antwort});
    BefehlLoeschen();
    frage.hide();
    start->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    QTest::qWait(0);
    EXPECT_EQ(GezeigteTexte().last(), Meldung(51));
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), c.anzahl);
    ASSERT_TRUE(start->Mdi->activeSubWindow());
    EXPECT_EQ(start->Mdi->activeSubWindow()->widget(), &f()) << c.antwort;
    EXPECT_EQ(f().Turniernummer->text(), c.danach);
    EXPECT_EQ(KontextLoeschen, "Turnier");
    EXPECT_EQ(AktiveForm, "Turnier");
  }
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_golfer").toInt(), 1);
  delete StartFensterFallsDa();
}

TEST_F(Turniere, ExitWithACourseNotInTheListTellsItOnceAndStores) {
  Platz("1", "Achental");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
      "VALUES ('1', 'Anna', 18.4, 18, '1', 1)");
  Eintrag("1", "Sommerfest", "2024-07-01");
  Start* start = new Start();
  start->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(start));
  ZeigeTurnier();
  BefehlNeu();
  QTest::qWait(0);
  Turnier& t = f();
  ASSERT_EQ(t.Turniernummer->text(), "2");
  t.GolfplatzNo->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(t.GolfplatzNo, "Nirgendwo");
  t.Turniername->setText("Herbstpreis");
  // The store tells the course once; the editor closing takes no second look at the box.
  Antworte({ANTWORT_OK});
  QTest::mouseClick(start->GolferBar1->widgetForAction(start->Knopf(1)), Qt::LeftButton);
  QTest::qWait(50);
  EXPECT_EQ(GezeigteTexte().join('\n').toStdString(), Meldung(153).toStdString());
  EXPECT_FALSE(IstFormGeladen("Turnier"));
  EXPECT_EQ(Feld("Turniername", "2").toString(), "Herbstpreis");
  EXPECT_TRUE(Feld("GolfplatzNo", "2").isNull());

  delete StartFensterFallsDa();
}

// A message whose text the language database lacks shows its number and the English text
// the program carries, never an empty box.
TEST_F(Turniere, AMessageWithoutItsTextShowsItsNumberAndTheProgramsText) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_sprache");
    db.setDatabaseName(Programmordner() + "/" + SPRACHDATEI);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("DELETE FROM MsgSprache WHERE TagNummer = 4810"));
    db.close();
  }
  QSqlDatabase::removeDatabase("test_sprache");
  Eintrag("1", "Herbstpreis", "2024-09-01");
  GotoTurnier("1");
  f().Zeige();
  f().Datum->setText("31.02.2024");
  Antworte({ANTWORT_OK});
  EXPECT_TRUE(f().Schliessen());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  const QString text = Dlg().gezeigt[0].text;
  // The program's own text in the interface language (German), not the English one.
  EXPECT_TRUE(text.startsWith(MitgelieferterText(4810, 1).arg(Meldung(4786), "31.02.2024"))) << text.toStdString();
  EXPECT_TRUE(text.contains("4810")) << text.toStdString();
  EXPECT_TRUE(text.contains(Meldung(26).arg(4810))) << text.toStdString();
  EXPECT_EQ(Feld("Datum").toString(), "2024-09-01");
}
