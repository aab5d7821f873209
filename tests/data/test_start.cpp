// Finding the databases, the settings file, compaction and the print margins.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Startpruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Registry.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"

namespace {
class Start : public TestUmgebung {
 protected:
  void Entferne(const QString& wert, const QString& schluessel = PW_SCHLUESSEL) {
    QSettings s(Einstellungsdatei(), QSettings::IniFormat);
    QString k = schluessel + "\\" + wert;
    k.replace('\\', '/');
    s.remove(k);
  }
  QString Lies(const QString& wert) { return LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, wert); }
};
}  // namespace

TEST_F(Start, SettingsFileReadWrite) {
  EXPECT_EQ(Lies("Gibtsnicht"), "NOT_FOUND");
  EXPECT_EQ(SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2"), "2");
  EXPECT_EQ(Lies("Sprache"), "2");
  // An empty value reads as missing.
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Leer", "");
  EXPECT_EQ(Lies("Leer"), "NOT_FOUND");
  const QString lang = QString(254, 'x') + "/ä ö\\ü";
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Lang", lang);
  EXPECT_EQ(Lies("Lang"), lang);
  // Sub-key values are kept apart from the main key's.
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "Sprache", "9");
  EXPECT_EQ(Lies("Sprache"), "2");
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "Sprache"), "9");
}

TEST_F(Start, SettingsFileThatCannotBeWritten) {
  SPU();
  SetzeEinstellungsdatei("/proc/puttwise/unmoeglich.ini");
  Antworte({1});
  EXPECT_EQ(SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2"), "NOT_FOUND");
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 16);
}

TEST_F(Start, DatabaseFoundThroughSettingsNoDialog) {
  DatenbankPfad.clear();
  EXPECT_TRUE(VerbindeDatenbanken());
  EXPECT_EQ(DatenbankPfad, DbPfad());
  EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Start, OlderSettingGivesTheFolder) {
  Entferne("DBGolfpfadVB");
  Entferne("Programmverzeichniss");
  // The older value names any file; only its folder counts. The language database is
  // looked for in the same folder.
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfad", Ordner() + "/daten/alt.mdb");
  QFile::copy(Programmordner() + "/" + SPRACHDATEI, Ordner() + "/daten/" + SPRACHDATEI);
  EXPECT_TRUE(VerbindeDatenbanken());
  EXPECT_EQ(DatenbankPfad, DbPfad());
  EXPECT_EQ(Lies("DBGolfpfadVB"), DbPfad());
  EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
}

TEST_F(Start, DialogCancelledEndsTheProgram) {
  Entferne("DBGolfpfadVB");
  Dlg().dateien.push_back("");
  Antworte({1, 1});
  EXPECT_FALSE(VerbindeDatenbanken());
  ASSERT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_EQ(Dlg().gezeigt[0].text, FehlendeDatenbanktext(""));
  EXPECT_EQ(Dlg().gezeigt[1].text, "No Puttwise! Database connected. Zantro Puttwise! 2.0 will be terminated!");
  EXPECT_EQ(Dlg().dateiDialoge.value(0), "Verbinde Zantro Puttwise! 2.0 Datenbank");
}

TEST_F(Start, MissingChosenFileAsksAgain) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", Ordner() + "/weg/dbgolfvb.mdb");
  Dlg().dateien.push_back(Ordner() + "/nicht/da.mdb");
  Dlg().dateien.push_back("  " + DbPfad() + "  ");
  Antworte({1, 1});
  EXPECT_TRUE(VerbindeDatenbanken());
  EXPECT_EQ(Dlg().dateiDialoge.size(), 2);
  ASSERT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_EQ(Dlg().gezeigt[1].text, "Zantro Puttwise! 2.0 database not found. Please select again");
  EXPECT_EQ(DatenbankPfad, DbPfad());
  EXPECT_EQ(Lies("DBGolfpfadVB"), DbPfad());
}

// The settings name a file that is not there, a folder, a device or nothing: the user
// learns which file and why before the dialog asks for the database.
TEST_F(Start, ConfiguredDatabaseThatCannotBeUsedIsNamedBeforeTheDialog) {
  const QString weg = Ordner() + "/weg/dbgolfvb.mdb", ordner = Ordner() + "/ordner.mdb";
  QDir().mkpath(ordner);
  auto text = [](int nummer) { return SPU().GibTranslation(nummer); };
  const std::pair<QString, QString> faelle[] = {
      {weg, text(MELDUNG_EINGESTELLTE_DATENBANK).arg(weg, text(MELDUNG_DATEI_FEHLT))},
      {ordner, text(MELDUNG_EINGESTELLTE_DATENBANK).arg(ordner, text(MELDUNG_IST_ORDNER))},
      {"/dev/null", text(MELDUNG_EINGESTELLTE_DATENBANK).arg("/dev/null", text(MELDUNG_KEINE_GEWOEHNLICHE_DATEI))},
      {"", text(MELDUNG_KEINE_DATENBANK_EINGESTELLT).arg(Einstellungsdatei())}};
  for (const auto& [pfad, erwartet] : faelle) {
    SCOPED_TRACE(pfad.toStdString());
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", pfad);
    Dlg().gezeigt.clear();
    Dlg().dateiDialoge.clear();
    Dlg().dateien.push_back(DbPfad());
    Antworte({1});
    EXPECT_TRUE(VerbindeDatenbanken());
    ASSERT_EQ(Dlg().gezeigt.size(), 1u);
    EXPECT_EQ(Dlg().gezeigt[0].text, erwartet);
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
    EXPECT_EQ(Dlg().dateiDialoge, QStringList{"Verbinde Zantro Puttwise! 2.0 Datenbank"});
    EXPECT_EQ(DatenbankPfad, DbPfad());
    EXPECT_TRUE(text(MELDUNG_EINGESTELLTE_DATENBANK).contains("Einstellungen"));
  }
  // In the interface language.
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", weg);
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2");
  Sprachnummer = 0;
  SPUFreigeben();
  Dlg().gezeigt.clear();
  Dlg().dateien.push_back(DbPfad());
  Antworte({1});
  EXPECT_TRUE(VerbindeDatenbanken());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text,
            "The database " + weg +
                " named in the settings cannot be used: The file does not exist. Please choose the database.");
}

TEST_F(Start, NoLanguageDatabase) {
  QFile::remove(Programmordner() + "/" + SPRACHDATEI);
  Dlg().dateien.push_back("");
  Antworte({1});
  EXPECT_TRUE(VerbindeDatenbanken());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, "No Puttwise! language database connected. Only Germnan language is available");
  // The language service tells the user once, without the database, and carries on.
  Antworte({1});
  EXPECT_FALSE(SPU().HatDatenbank());
  EXPECT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_TRUE(Dlg().gezeigt[1].text.contains("language database"));
  EXPECT_EQ(SPU().GibTranslation(48), "");
  // A question without texts never counts as Yes.
  Antworte({1});
  EXPECT_NE(SPU().Zantro_Msg(46, 36), 6);
  // No database file is created where the language database should be.
  EXPECT_FALSE(QFile::exists(Programmordner() + "/" + SPRACHDATEI));
  // Game-type names stay as they are.
  const QString vorher = SqlWert("SELECT Spielartname FROM Tab_Spielart WHERE Spielartidn = '2'").toString();
  DBG().TranslateTable("Tab_Spielart", "TranslationNo", "Spielartname");
  EXPECT_EQ(SqlWert("SELECT Spielartname FROM Tab_Spielart WHERE Spielartidn = '2'").toString(), vorher);
  EXPECT_FALSE(vorher.isEmpty());
}

TEST_F(Start, MissingDatabaseFileIsNotCreated) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", Ordner() + "/weg.mdb");
  Antworte({1});
  EXPECT_FALSE(DBG().IstOffen());
  EXPECT_FALSE(QFile::exists(Ordner() + "/weg.mdb"));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
}

TEST_F(Start, CompactionReplacesTheFileAndReopens) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'Anna')");
  // About 2 MB of rows that are deleted again.
  Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
      "SELECT i + 1 FROM n WHERE i < 2000) SELECT 'x' || i, replace(hex(zeroblob(500)), '0', 'y') FROM n");
  for (int i = 0; i < 20; ++i)
    Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES (?, ?)",
        {QString("k%1").arg(i), QString(50, 'z')});
  Sql("DELETE FROM tab_EinstellungenIntern WHERE Bezeichnung LIKE 'x%'");
  const long zeilen = SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern").toLongLong();
  QSqlDatabase::database("test_direkt").close();
  EXPECT_TRUE(DBG().IstOffen());
  // The file with its journal, as the deleted rows left it.
  auto groesse = [] { return QFileInfo(DatenbankPfad).size() + QFileInfo(DatenbankPfad + "-wal").size(); };
  const qint64 vorher = groesse();
  ASSERT_GT(vorher, 2000000);
  DBT();
  const QString kopie = Ordner() + "/daten/CompressedDB.mdb";
  QFile alt(kopie);
  alt.open(QIODevice::WriteOnly);
  alt.write("altes Zeug");
  alt.close();
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, SPU().GibTranslation(227));
  EXPECT_EQ(Dlg().gezeigt[0].stil, 64);
  // The space of the deleted rows is gone, from the copy and from the file in use ...
  EXPECT_LT(QFileInfo(kopie).size(), vorher - 1500000);
  EXPECT_LT(groesse(), vorher - 1500000);
  EXPECT_GT(QFileInfo(kopie).size(), 1000);
  // ... and every row that was not deleted is still there, in both.
  EXPECT_TRUE(DBG().IstOffen());
  EXPECT_EQ(DBG().gib_tab_eintrag("tab_golfer", "Golferidn", "1", "Golfername"), "Anna");
  EXPECT_EQ(DBT().Anzahl("SELECT * FROM tab_golfer"), 1);
  EXPECT_EQ(DBT().Anzahl("SELECT * FROM tab_EinstellungenIntern"), zeilen);
  EXPECT_EQ(DBT().Anzahl("SELECT * FROM tab_EinstellungenIntern WHERE Bezeichnung LIKE 'k%'"), 20);
  {
    QSqlDatabase k = QSqlDatabase::addDatabase("QSQLITE", "kopie_pruefen");
    k.setDatabaseName(kopie);
    ASSERT_TRUE(k.open());
    QSqlQuery q(k);
    ASSERT_TRUE(q.exec("SELECT COUNT(*) FROM tab_EinstellungenIntern") && q.next());
    EXPECT_EQ(q.value(0).toLongLong(), zeilen);
    ASSERT_TRUE(q.exec("SELECT Golfername FROM tab_golfer") && q.next());
    EXPECT_EQ(q.value(0).toString(), "Anna");
  }
  QSqlDatabase::removeDatabase("kopie_pruefen");
}

TEST_F(Start, CompactionWithoutDatabaseFile) {
  DatenbankPfad = Ordner() + "/weg.mdb";
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, SPU().GibTranslation(226));
}

TEST_F(Start, PrintMargins) {
  LadeDruckEinstellungen();
  for (long r : Seitenraender) EXPECT_EQ(r, 1000);
  for (long r : Druckraender) EXPECT_EQ(r, 555);
  EXPECT_EQ(SkaliereRand(1799), 999);
  EXPECT_EQ(SkaliereRand(1800), 1000);
  EXPECT_EQ(SkaliereRand(0), 0);
  Seitenraender = {100, 200, 300, -400};
  SpeicherDruckEinstellungen();
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginBottom"), "-400");
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginLeft"), "100");
  Seitenraender = {0, 0, 0, 0};
  LadeDruckEinstellungen();
  // A negative margin is not kept: it reads as the default.
  EXPECT_EQ(Seitenraender, (std::array<long, 4>{100, 200, 300, 1000}));
  EXPECT_EQ(Druckraender[1], 111);
}
