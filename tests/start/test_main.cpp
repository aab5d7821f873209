// The program's start on fresh and prepared databases.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTest>
#include <QThread>

#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "platform/Registry.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Main.h"
#include "shell/Programmende.h"

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
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', "
        "1)");
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

// A language database that is empty or damaged is named in one message; the program then
// runs as without one and writes nothing it would have taken from the file. Once the file
// is good again, the next start translates.
TEST_F(Programmstart, AnEmptyOrDamagedLanguageDatabaseIsToldOnceAndNothingIsWritten) {
  MitPlatzUndGolfer();
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2");
  const QString datei = Programmordner() + "/" + SPRACHDATEI;
  QFile gut(datei);
  ASSERT_TRUE(gut.open(QIODevice::ReadOnly));
  const QByteArray inhalt = gut.readAll();
  gut.close();
  QByteArray beschaedigt = inhalt;
  for (qsizetype i = 100; i < beschaedigt.size(); i += 97) beschaedigt[i] = char(beschaedigt[i] ^ 0x5A);
  const QString vorher = Spielart("4");
  for (const QByteArray& schlecht : {QByteArray(), beschaedigt}) {
    SCOPED_TRACE(schlecht.isEmpty() ? "empty" : "damaged");
    GlobaleObjekteFreigeben();
    Dlg().gezeigt.clear();
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(schlecht);
    f.close();
    Antworte({1});
    ASSERT_TRUE(Main());
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_TRUE(Dlg().gezeigt[0].text.contains(QDir::toNativeSeparators(datei))) << Dlg().gezeigt[0].text.toStdString();
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
    EXPECT_EQ(Spielart("4"), vorher);
    EXPECT_FALSE(GespeicherteSprache().isValid());
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), schlecht);
  }
  GlobaleObjekteFreigeben();
  Dlg().gezeigt.clear();
  ASSERT_TRUE(gut.open(QIODevice::WriteOnly | QIODevice::Truncate));
  gut.write(inhalt);
  gut.close();
  ASSERT_TRUE(Main());
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Spielart("4"), "Private round");
  EXPECT_EQ(GespeicherteSprache().toString(), " 2");
}

// A file that passes its check but gives one translation with bytes that are no text:
// no game-type name is written from it, nor the language.
TEST_F(Programmstart, AnUnreadableTranslationWritesNoName) {
  MitPlatzUndGolfer();
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2");
  QFile f(Programmordner() + "/" + SPRACHDATEI);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  QByteArray inhalt = f.readAll();
  const qsizetype stelle = inhalt.indexOf("Private round");
  ASSERT_GE(stelle, 0);
  inhalt[stelle + 12] = char(0xFF);
  f.seek(0);
  f.write(inhalt);
  f.close();
  const QString vorher = Spielart("4");
  const QString zweite = Spielart("2");
  ASSERT_TRUE(Main());
  EXPECT_EQ(Spielart("4"), vorher);
  EXPECT_EQ(Spielart("2"), zweite);
  EXPECT_FALSE(GespeicherteSprache().isValid());
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM SpielartGolf WHERE Spielartname LIKE 'Private%'").toInt(), 0);
}

TEST_F(Programmstart, NoDatabaseChosenEndsBeforeAnyWindow) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", Ordner() + "/weg.mdb");
  Dlg().dateien.push_back("");
  Antworte({1, 1});  // the configured file is missing; no database connected
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

// The end of the desktop session (a logout, a shutdown, Ctrl+C in a terminal) closes the
// program as the user's close does: the golfer name just typed and the changed card are
// stored without a box or a question, the card's handicap question stays for its next
// store, and the file is left whole with no journal beside it.
TEST_F(Programmstart, TheEndOfTheSessionStoresWhatWasTypedWithoutAsking) {
  MitPlatzUndGolfer();
  // A complete round that counts for the handicap and was not offered to the history yet.
  QStringList spalten{"Scorekartenidn", "Golfernummer", "Datum",          "Golfplatznummer",
                      "Spielart",       "AktHdcp",      "Vorgabewirksam", "HdcpHistorieZustand"};
  QVariantList werte{"1", "1", "2024-05-04", "1", "2", 18, 1, "0"};
  for (int i = 1; i <= 18; ++i) {
    spalten << FeldnameNr("ScoreLoch", i);
    werte << 5;
  }
  Sql(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
          .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
      werte);
  QSqlDatabase::database("test_direkt").close();

  for (const int nummer : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(nummer);
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      // The program's own run; once it shows, the user types and the session ends.
      Dlg().unbeantwortet = [](const QString&) {};
      const int ergebnis = Programmlauf([&] {
        Golfer& g = GolferForm();
        g.TabstripGolfer->setCurrentIndex(1);
        QTest::qWait(0);
        g.PuttsLoch[1]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(g.PuttsLoch[1], QString::number(nummer % 3 + 1));
        g.Golfername->setText(QStringLiteral("Anna %1").arg(nummer));
        (void)!::write(rohr[1], "1", 1);
      });
      for (const auto& box : Dlg().gezeigt) std::fprintf(stderr, "box: %s\n", qPrintable(box.text));
      ::_exit(ergebnis == 0 && Dlg().gezeigt.empty() ? 0 : 3);
    }
    char c = 0;
    ::close(rohr[1]);
    ASSERT_EQ(::read(rohr[0], &c, 1), 1);
    ::close(rohr[0]);
    ::kill(kind, nummer);
    const int status = WarteAufKind(kind);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '1'").toString(),
              QStringLiteral("Anna %1").arg(nummer));
    EXPECT_EQ(SqlWert("SELECT PuttsLoch01 FROM Greenlogs WHERE Scorekartenidn = '1'").toInt(), nummer % 3 + 1);
    EXPECT_EQ(SqlWert("SELECT HdcpHistorieZustand FROM Greenlogs WHERE Scorekartenidn = '1'").toString(), "0");
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 0);
    EXPECT_EQ(SqlWert("PRAGMA integrity_check").toString(), "ok");
    QSqlDatabase::database("test_direkt").close();
    EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
    EXPECT_FALSE(QFile::exists(DbPfad() + "-wal"));
  }
}
