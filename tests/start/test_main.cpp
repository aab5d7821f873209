// The program's start on fresh and prepared databases.
#include <QApplication>
#include <QFile>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "platform/Registry.h"
#include "language/Sprachumschaltung.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Main.h"

namespace {
class Programmstart : public TestUmgebung {
 protected:
  QString Spielart(const char* id) {
    return SqlWert("SELECT Spielartname FROM Tab_Spielart WHERE Spielartidn = ?", {id}).toString();
  }
  QVariant GespeicherteSprache() {
    return SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'Sprache'");
  }
  void MitPlatzUndGolfer() {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  }
};
}  // namespace

TEST_F(Programmstart, FirstStartTranslatesGameTypesAndStoresTheLanguage) {
  MitPlatzUndGolfer();
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2");
  ASSERT_TRUE(Main());
  EXPECT_EQ(Sprachnummer, 2);
  const int nummer = SqlWert("SELECT TranslationNo FROM Tab_Spielart WHERE Spielartidn = '2'").toInt();
  EXPECT_EQ(Spielart("2"), SPU().GibTranslation(nummer));
  EXPECT_EQ(GespeicherteSprache().toString(), " 2");
  // The default colours are used and stored.
  EXPECT_EQ(Hintergrundfarbe, 8421376);
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'BGColour'").toString(), "8421376");
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'FGColour'").toString(), "0");
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join("|").toStdString();
}

TEST_F(Programmstart, SameLanguageRewritesNothing) {
  MitPlatzUndGolfer();
  Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES ('Sprache', ' 1')");
  Sql("UPDATE Tab_Spielart SET Spielartname = 'Eigener Name' WHERE Spielartidn = '2'");
  ASSERT_TRUE(Main());
  EXPECT_EQ(Spielart("2"), "Eigener Name");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung = 'Sprache'").toInt(), 1);
}

TEST_F(Programmstart, StoredLanguageWithoutBlankCountsAsDifferent) {
  MitPlatzUndGolfer();
  Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES ('Sprache', '1')");
  Sql("UPDATE Tab_Spielart SET Spielartname = 'Eigener Name' WHERE Spielartidn = '2'");
  ASSERT_TRUE(Main());
  EXPECT_NE(Spielart("2"), "Eigener Name");
  EXPECT_EQ(GespeicherteSprache().toString(), " 1");
}

TEST_F(Programmstart, WithoutLanguageDatabaseNamesStayAndNothingIsStored) {
  MitPlatzUndGolfer();
  const QString vorher = Spielart("2");
  QFile::remove(Programmordner() + "/" + SPRACHDATEI);
  Dlg().dateien.push_back("");  // the language database dialog is cancelled
  Antworte({1, 1});             // its fixed message, and the service's notice
  ASSERT_TRUE(Main());
  EXPECT_EQ(Spielart("2"), vorher);
  EXPECT_FALSE(vorher.isEmpty());
  EXPECT_FALSE(GespeicherteSprache().isValid());
  EXPECT_EQ(Sprachnummer, 1);
}

TEST_F(Programmstart, NoDatabaseChosenEndsBeforeAnyWindow) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", Ordner() + "/weg.mdb");
  Dlg().dateien.push_back("");
  Antworte({1});
  EXPECT_FALSE(Main());
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeWindow());
}

TEST_F(Programmstart, StatisticsSettingsAreReadAsStored) {
  MitPlatzUndGolfer();
  Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES ('FairwaytrefferPar3', '0'), ('MinMon', '6')");
  ASSERT_TRUE(Main());
  EXPECT_EQ(FairwaytrefferPar3, "0");
  EXPECT_EQ(DrivingDistancePar3, "");
  EXPECT_EQ(MinMon, "6");
  EXPECT_EQ(MinJahr, "");
}

TEST_F(Programmstart, PrintMarginsAreReadAtTheEnd) {
  MitPlatzUndGolfer();
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop", "1800");
  Seitenraender = {0, 0, 0, 0};
  ASSERT_TRUE(Main());
  EXPECT_EQ(Seitenraender[1], 1800);
  EXPECT_EQ(Druckraender[1], 1000);
  EXPECT_EQ(Seitenraender[0], 1000);
}
