// The search window and the type-ahead completion.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "shell/Befehle.h"
#include "shell/Start.h"
#include "shell/Suchen.h"

namespace {
class Suche : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, Golfplatzland) VALUES "
        "('1', 'Achental', 'DE'), ('2', 'Bad Ragaz', 'CH'), ('3', 'Berchtesgaden', 'DE'), ('4', 'O''Brien Links', "
        "'IE')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub) VALUES ('1', 'Anna', '1')");
    start = new Start();
    start->show();
  }
  void TearDown() override {
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }
  void Finden() {
    start->Knopf(4)->trigger();  // presses the button, then runs the command
  }
  frmSuchen* Fenster() { return qobject_cast<frmSuchen*>(SucheFormular("frmSuchen")); }
  void Tippe(const QString& text) {
    QLineEdit* e = Fenster()->ComboSuch->lineEdit();
    for (QChar c : text) QTest::keyClick(e, c.toLatin1());
  }
  void Warte() {
    for (int i = 0; i < 30 && SucheFormular("frmSuchen"); ++i) QTest::qWait(20);
  }
  QComboBox* LeereGeschlosseneSuche();
  Start* start = nullptr;
};
}  // namespace

TEST_F(Suche, CompletionTakesTheFirstItemThatBeginsWithTheText) {
  QComboBox box;
  box.setEditable(true);
  box.addItems({"Adler", "berg", "Birke"});
  box.setCurrentIndex(-1);
  box.setEditText("B");
  VervollstaendigeComboBox(&box);
  EXPECT_EQ(box.currentText(), "berg");
  EXPECT_EQ(box.currentIndex(), 1);
  EXPECT_EQ(box.lineEdit()->selectedText(), "erg");
  box.setEditText("Bi");
  VervollstaendigeComboBox(&box);
  EXPECT_EQ(box.currentText(), "Birke");
  // No item begins with the text: exactly the typed text stays, caret at its end.
  box.setEditText("x");
  VervollstaendigeComboBox(&box);
  box.setEditText("xy");
  VervollstaendigeComboBox(&box);
  EXPECT_EQ(box.currentText(), "xy");
  EXPECT_EQ(box.lineEdit()->cursorPosition(), 2);
  EXPECT_EQ(SucheListeneintrag(&box, "BERG"), 1);
  EXPECT_EQ(SucheListeneintrag(&box, "ber"), -1);
}

TEST_F(Suche, CoursesListedChosenByTypingAndEnter) {
  GotoGolfplatz("1");
  KontextSuchen = "Golfplatz";
  Finden();
  ASSERT_TRUE(Fenster());
  EXPECT_FALSE(GolfplaetzeForm().isEnabled());
  EXPECT_FALSE(SucheFormular("Golfer") && SucheFormular("Golfer")->isEnabled());
  ASSERT_EQ(Fenster()->ComboSuch->count(), 4);
  EXPECT_TRUE(Fenster()->ComboSuch->itemText(1).startsWith("Bad Ragaz"));
  // Moving through the list with the keys loads nothing.
  QTest::keyClick(Fenster()->ComboSuch->lineEdit(), Qt::Key_Down);
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "1");
  Fenster()->ComboSuch->setEditText(QString());
  Tippe("ber");
  EXPECT_TRUE(Fenster()->ComboSuch->currentText().startsWith("Berchtesgaden"));
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "1");
  QTest::keyClick(Fenster()->ComboSuch->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "3");
  EXPECT_TRUE(GolfplaetzeForm().isEnabled());
  EXPECT_EQ(LeseButton(start->GolferBar1, 4), 0);
  Warte();
  EXPECT_FALSE(Fenster());
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join("|").toStdString();
}

TEST_F(Suche, TextNotInTheListKeepsTheWindowOpen) {
  GotoGolfplatz("1");
  KontextSuchen = "Golfplatz";
  Finden();
  ASSERT_TRUE(Fenster());
  Fenster()->ComboSuch->setEditText("Zzz");
  Antworte({1});
  QTest::keyClick(Fenster()->ComboSuch->lineEdit(), Qt::Key_Return);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 16);
  EXPECT_EQ(Fenster()->ComboSuch->currentText(), "");
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "1");
  // Find again releases the button and closes the window.
  Finden();
  EXPECT_FALSE(Fenster());
  EXPECT_TRUE(GolfplaetzeForm().isEnabled());
}

TEST_F(Suche, AClickOnAnItemLoadsIt) {
  GotoGolfplatz("1");
  KontextSuchen = "Golfplatz";
  Finden();
  ASSERT_TRUE(Fenster());
  // A keystroke that raised no choice does not swallow the next click.
  QTest::keyClick(Fenster()->ComboSuch->lineEdit(), Qt::Key_Backspace);
  Fenster()->ComboSuch->setCurrentIndex(3);
  emit Fenster()->ComboSuch->activated(3);
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "4");
}

TEST_F(Suche, UnknownRoutingWordLeavesTheListEmpty) {
  KontextSuchen = "golfplatz";
  BefehlSuchen();
  EXPECT_FALSE(Fenster());
  KontextSuchen = "Golfplatz";
  LoescheBefehlsprotokoll();
  Finden();
  EXPECT_EQ(LetzterBefehl(), "BefehlSuchen");
}

// The course search open with its list closed and its entry empty.
QComboBox* Suche::LeereGeschlosseneSuche() {
  GotoGolfplatz("1");
  KontextSuchen = "Golfplatz";
  Finden();
  if (!Fenster()) return nullptr;
  QComboBox* box = Fenster()->ComboSuch;
  box->hidePopup();
  box->setEditText(QString());
  return box;
}

TEST_F(Suche, TypingIntoTheClosedListCompletesAndEnterLoads) {
  QComboBox* box = LeereGeschlosseneSuche();
  ASSERT_TRUE(box);
  // With the list closed the keys go to the box, which holds the focus.
  QTest::keyClicks(box, "bad");
  EXPECT_TRUE(box->currentText().startsWith("Bad Ragaz")) << box->currentText().toStdString();
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "1");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "2");
  Warte();
  EXPECT_FALSE(Fenster());
}

TEST_F(Suche, AnUnknownTextTypedIntoTheClosedListIsReported) {
  QComboBox* box = LeereGeschlosseneSuche();
  ASSERT_TRUE(box);
  Antworte({1});
  QTest::keyClicks(box, "xyz");
  QTest::keyClick(box, Qt::Key_Return);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 16);
  EXPECT_EQ(box->currentText(), "");
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text(), "1");
  EXPECT_TRUE(Fenster());
}

// A box raised by a pick runs an event loop of its own, in which the main window may be
// closed (the session ends) and the search window with it: the pick ends there, without
// touching the closed window or loading anything.
TEST_F(Suche, AWindowClosedUnderTheBoxOfAPickEndsThePick) {
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES "
      "('1', 'Herbstpreis', '2024-09-01', 1), ('2', 'Sommerfest', '2024-07-01', 1)");
  GotoTurnier("1");
  TurnierForm().Datum->setText("31.02.2024");  // no date: the pick's store stops with a box
  KontextSuchen = "Turnier";
  Finden();
  ASSERT_TRUE(Fenster());
  const QPointer<frmSuchen> suche(Fenster());
  Dlg().waehrendMeldung = [this] {
    Dlg().waehrendMeldung = nullptr;
    start->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  Antworte({1, 1});  // the pick's box, and the one that names the date not stored
  Fenster()->ComboSuch->setEditText(QString());
  Tippe("som");
  QTest::keyClick(Fenster()->ComboSuch->lineEdit(), Qt::Key_Return);
  EXPECT_FALSE(suche);
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[1].text.contains("31.02.2024")) << Dlg().gezeigt[1].text.toStdString();
  // The program ended: the tournament closed with the rest stored, its date as it was.
  EXPECT_FALSE(IstFormGeladen("Turnier"));
  EXPECT_FALSE(start->isVisible());
  EXPECT_EQ(SqlWert("SELECT Datum FROM Tab_Turnier WHERE Turniernummer = '1'").toString(), "2024-09-01");
}

// Picking a course deleted since the list was filled shows the next one, never an empty
// editor; a course deleted under typing is named in the end's box.
TEST_F(Suche, APickOfADeletedCourseShowsTheNextAndACourseWithoutItsRowIsNamed) {
  GotoGolfplatz("2");
  KontextSuchen = "Golfplatz";
  Finden();
  ASSERT_TRUE(Fenster());
  KontextLoeschen = "Golfplatz";
  Antworte({ANTWORT_JA});
  BefehlLoeschen();
  ASSERT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Golfplatz").toInt(), 3);
  Fenster()->ComboSuch->setCurrentIndex(1);
  emit Fenster()->ComboSuch->activated(1);
  EXPECT_EQ(GolfplaetzeForm().GolfplatzNo->text() + " " + GolfplaetzeForm().Golfplatzname->text(), "3 Berchtesgaden");
  Warte();
  QTest::keyClicks(GolfplaetzeForm().Golfplatzort, "Ramsau");
  Sql("DELETE FROM Tab_Golfplatz WHERE Golfplatzidn = '3'");
  Antworte({ANTWORT_OK});
  EXPECT_TRUE(start->close());
  EXPECT_EQ(GezeigteTexte().last(), SPU().GibTranslation(4781).arg(SPU().GibTranslation(4812).arg("Berchtesgaden")));
}
