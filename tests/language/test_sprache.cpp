#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "language/Textquellen.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Registry.h"

namespace {
// A small language database of the test's own, to try Null texts and missing rows.
class Sprache : public TestUmgebung {
 protected:
  void EigeneDatenbank(bool mitMeldung26) {
    const QString pfad = Programmordner() + "/" + SPRACHDATEI;
    QFile::remove(pfad);
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_sprache");
      db.setDatabaseName(pfad);
      ASSERT_TRUE(db.open());
      QSqlQuery q(db);
      q.exec("CREATE TABLE Sprache (TagNummer INTEGER, Deutsch TEXT, Englisch TEXT)");
      q.exec("CREATE TABLE SpracheTabGroups (TagNummer INTEGER, GroupNo INTEGER, Deutsch TEXT, Englisch TEXT)");
      q.exec("CREATE TABLE Menuesprache (TagNummer INTEGER, Deutsch TEXT, Englisch TEXT)");
      q.exec("CREATE TABLE MsgSprache (TagNummer INTEGER, Deutsch TEXT, Englisch TEXT)");
      q.exec("INSERT INTO Sprache VALUES (1001, 'Name', 'Name (en)'), (1002, NULL, 'Only English')");
      q.exec(
          "INSERT INTO SpracheTabGroups VALUES (1010, 0, 'Golfer', 'Golfer (en)'), (1010, 1, 'Karte', 'Card'), "
          "(1010, 2, 'Auswertung', 'Analysis'), (1010, 3, 'Vier', 'Four')");
      q.exec("INSERT INTO Menuesprache VALUES (10001, 'Beenden', 'Exit'), (10002, NULL, NULL)");
      q.exec("INSERT INTO MsgSprache VALUES (46, 'Löschen?', 'Delete?'), (47, NULL, NULL), (131, 'Ende', 'Quit')");
      if (mitMeldung26) q.exec("INSERT INTO MsgSprache VALUES (26, 'Text fehlt', 'Text missing')");
      db.close();
    }
    QSqlDatabase::removeDatabase("test_sprache");
    SPUFreigeben();
  }
};
}  // namespace

TEST_F(Sprache, WindowCaptionsFollowTheLanguage) {
  EigeneDatenbank(true);
  QWidget w;
  auto* l1 = new QLabel("Layout", &w);
  auto* l2 = new QLabel("Null", &w);
  auto* ohne = new QLabel("Ohne Tag", &w);
  auto* text = new QLineEdit("Eingabe", &w);
  auto* option = new QRadioButton("Option", &w);
  auto* check = new QCheckBox("Haken", &w);
  auto* rahmen = new QGroupBox("Rahmen", &w);
  auto* tabs = new QTabWidget(&w);
  for (int i = 0; i < 3; ++i) tabs->addTab(new QWidget, QString::number(i));
  setzeTag(l1, 1001);
  setzeTag(l2, 1002);
  setzeTag(text, 1001);
  setzeTag(option, 1001);
  setzeTag(check, 1001);
  setzeTag(rahmen, 1001);
  setzeTag(tabs, 1010);
  Sprachnummer = 2;
  SpeachChange(&w);
  EXPECT_EQ(l1->text(), "Name (en)");
  EXPECT_EQ(l2->text(), "Only English");
  EXPECT_EQ(ohne->text(), "Ohne Tag");
  EXPECT_EQ(text->text(), "Eingabe");
  EXPECT_EQ(option->text(), "Option");
  EXPECT_EQ(check->text(), "Name (en)");
  EXPECT_EQ(rahmen->title(), "Name (en)");
  EXPECT_EQ(tabs->tabText(0), "Golfer (en)");
  EXPECT_EQ(tabs->tabText(2), "Analysis");
  Sprachnummer = 1;
  SpeachChange(&w);
  EXPECT_EQ(l1->text(), "Name");
  EXPECT_EQ(l2->text(), "Only English");  // a Null text leaves the caption
  EXPECT_EQ(tabs->tabText(1), "Karte");
  EXPECT_TRUE(GezeigteTexte().isEmpty());
}

TEST_F(Sprache, MenusAndToolbarTooltips) {
  EigeneDatenbank(true);
  QWidget w;
  auto* menu = new QMenu("Datei", &w);
  QAction* ende = menu->addAction("Ende");
  QAction* leer = menu->addAction("Bleibt");
  setzeMenueNr(ende, 10001);
  setzeMenueNr(leer, 10002);
  Sprachnummer = 2;
  MenueChange(&w);
  EXPECT_EQ(ende->text(), "Exit");
  EXPECT_EQ(leer->text(), "Bleibt");

  QToolBar leiste(&w);
  leiste.addAction("a");
  leiste.addAction("b");
  ButtonBarChange(&leiste);  // not named GolferBar1: unchanged
  EXPECT_EQ(leiste.actions()[0]->toolTip(), "a");
  leiste.setObjectName("GolferBar1");
  ButtonBarChange(&leiste);
  EXPECT_EQ(leiste.actions()[0]->toolTip(), "Quit");
  EXPECT_NE(leiste.actions()[1]->toolTip(), "Quit");
}

TEST_F(Sprache, MessagesByNumber) {
  EigeneDatenbank(true);
  Sprachnummer = 2;
  Antworte({6});
  EXPECT_EQ(SPU().Zantro_Msg(46, 36), 6);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, "Delete?");
  EXPECT_EQ(Dlg().gezeigt[0].stil, 36);
  EXPECT_EQ(Dlg().gezeigt[0].titel, "Zantro Puttwise!  - 2.02  ");
  // A Null text shows nothing.
  EXPECT_EQ(SPU().Zantro_Msg(47, 64), 0);
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  // A missing number shows message 26 with the number; a number the program knows no
  // text of is no question.
  Antworte({1});
  EXPECT_EQ(SPU().Zantro_Msg(4711, 36), 1);
  EXPECT_EQ(Dlg().gezeigt.back().text, "Text missing (4711)");
  EXPECT_EQ(Dlg().gezeigt.back().stil, 16);
  // One whose English text the program carries shows that too, and asks.
  Antworte({7});
  EXPECT_EQ(SPU().Zantro_Msg(28, 36), 7);
  EXPECT_EQ(Dlg().gezeigt.back().text, SPU().Meldungstext(28));
  EXPECT_TRUE(Dlg().gezeigt.back().text.startsWith(MitgelieferterText(28, 2) + "\n\nText missing (28)"));
  EXPECT_EQ(Dlg().gezeigt.back().stil, 36);
  EXPECT_EQ(SPU().GibTranslation(4711), "");
  EXPECT_EQ(SPU().GibTranslation(47), "");
  EXPECT_EQ(SPU().GibTranslation(131), "Quit");
}

TEST_F(Sprache, MissingMessage26GivesTheProgramsOwnText) {
  EigeneDatenbank(false);
  Antworte({1});
  EXPECT_EQ(SPU().Zantro_Msg(4711, 64), 1);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  // In the interface language (German here).
  EXPECT_EQ(Dlg().gezeigt[0].text, MitgelieferterText(26, 1).arg(4711));
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("4711"));
  EXPECT_EQ(Dlg().gezeigt[0].stil, 16);
  // The descriptions of the run-time errors as well, in either language.
  EXPECT_EQ(Fehlerbeschreibung(TEXT_TYPFEHLER), "Typen unverträglich");
  EXPECT_EQ(Fehlerbeschreibung(TEXT_UNGUELTIGES_DATUM, "31.02."), "Ungültiges Datum: 31.02.");
  Sprachnummer = 2;
  EXPECT_EQ(Fehlerbeschreibung(TEXT_INDEX_AUSSERHALB), "Index out of bounds");
}

TEST_F(Sprache, CheckLanguageFromSettings) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2");
  Sprachnummer = 0;
  SPU().CheckLanguage();
  EXPECT_EQ(Sprachnummer, 2);
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "x");
  SPU().CheckLanguage();
  EXPECT_EQ(Sprachnummer, 2);  // unchanged
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "");
  SPU().CheckLanguage();
  EXPECT_EQ(Sprachnummer, 1);
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache"), "1");
}

TEST_F(Sprache, ProgramFolderFallsBackToOlderDatabasePath) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Programmverzeichniss", "");
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfad", Programmordner() + "/alt.mdb");
  EXPECT_TRUE(SPU().HatDatenbank());
  // The run-time texts need the program folder itself.
  EXPECT_EQ(SPU().GibTranslation(48), "");
}
