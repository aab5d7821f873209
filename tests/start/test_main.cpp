// The program's start on fresh and prepared databases.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <tuple>

#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Historieneditor.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"
#include "shell/Main.h"
#include "shell/Programmende.h"
#include "shell/Start.h"

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
  // A complete round of the golfer that counts for the handicap; `zustand` "0": not
  // offered to the history yet.
  void MitRunde(const QString& id, const QString& datum, const QString& zustand) {
    QStringList spalten{"Scorekartenidn", "Golfernummer", "Datum",          "Golfplatznummer",
                        "Spielart",       "AktHdcp",      "Vorgabewirksam", "HdcpHistorieZustand"};
    QVariantList werte{id, "1", datum, "1", "2", 18, 1, zustand};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("ScoreLoch", i);
      werte << 5;
    }
    Sql(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
    QSqlDatabase::database("test_direkt").close();
  }
  // Waits for the program run by `kind` to end; its exit code, -1 when it did not end well.
  static int WarteAufEnde(pid_t kind) {
    const int status = WarteAufKind(kind);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // The program run in a child process, with no box left unanswered, `gestartet` once it
  // shows. The child's id; its exit code is 0 when it ended well and no box came but
  // those `erlaubt` (boxes due at the session's end are recorded too, and listed).
  pid_t ImKind(const std::function<void()>& gestartet, size_t erlaubt = 0) {
    const pid_t kind = Kindprozess();
    if (kind != 0) return kind;
    Dlg().unbeantwortet = [](const QString&) {};
    const int ergebnis = Programmlauf(gestartet);
    for (const auto& box : Dlg().gezeigt) std::fprintf(stderr, "box: %s\n", qPrintable(box.text));
    ::_exit(ergebnis == 0 && Dlg().gezeigt.size() == erlaubt ? 0 : 3);
  }
  // The database the program held, at no path any more once the copy took its place, was
  // written whole beside it before it was let go; removed for the next case.
  void BisherGeschrieben() {
    const QString ordner = Ordner() + "/daten";
    const QStringList bisher = QDir(ordner).entryList({"dbgolfvb.mdb.bisher-*"});
    EXPECT_EQ(bisher.size(), 1);
    for (const QString& datei : bisher) QFile::remove(ordner + "/" + datei);
  }
  // The byte the child writes to `fd` once it got so far; 0 when it ended before.
  static char Zeichen(int fd) {
    char c = 0;
    return ::read(fd, &c, 1) == 1 ? c : 0;
  }
  // `text` typed into `feld` with the keys, over what it held.
  static void Tippe(QLineEdit* feld, const QString& text) {
    feld->setFocus(Qt::TabFocusReason);
    feld->selectAll();
    QTest::keyClicks(feld, text);
  }
  // The putts of the first hole typed on the golfer window's card.
  static void TippePutts(const QString& putts) {
    Golfer& g = GolferForm();
    g.TabstripGolfer->setCurrentIndex(1);
    QTest::qWait(0);
    g.PuttsLoch[1]->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(g.PuttsLoch[1], putts);
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
  // A tournament's date, course and holes another program wrote, which the program cannot
  // read: shown, left without a check and kept as they are.
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Datum, GolfplatzNo, LochOption) VALUES ('1', '2025-12-32', '9', 'x')");
  MitRunde("1", "2024-05-04", "0");
  for (const int nummer : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(nummer);
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    // Once the program shows, the user types and the session ends.
    const pid_t kind = ImKind([&] {
      TippePutts(QString::number(nummer % 3 + 1));
      GolferForm().Golfername->setText(QStringLiteral("Anna %1").arg(nummer));
      ZeigeTurnier();
      TurnierForm().Datum->setFocus(Qt::TabFocusReason);
      QTest::keyClick(TurnierForm().Datum, Qt::Key_Tab);
      Tippe(TurnierForm().Turniername, QStringLiteral("Cup %1").arg(nummer));
      (void)!::write(rohr[1], "1", 1);
    });
    ASSERT_GE(kind, 0);
    ::close(rohr[1]);
    ASSERT_EQ(Zeichen(rohr[0]), '1');
    ::close(rohr[0]);
    ::kill(kind, nummer);
    EXPECT_EQ(WarteAufEnde(kind), 0);
    EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '1'").toString(),
              QStringLiteral("Anna %1").arg(nummer));
    EXPECT_EQ(SqlWert("SELECT PuttsLoch01 FROM Greenlogs WHERE Scorekartenidn = '1'").toInt(), nummer % 3 + 1);
    EXPECT_EQ(SqlWert("SELECT HdcpHistorieZustand FROM Greenlogs WHERE Scorekartenidn = '1'").toString(), "0");
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 0);
    EXPECT_EQ(SqlWert("SELECT Turniername || Datum || GolfplatzNo || LochOption FROM Tab_Turnier").toString(),
              QStringLiteral("Cup %1").arg(nummer) + "2025-12-329x");
    EXPECT_EQ(SqlWert("PRAGMA integrity_check").toString(), "ok");
    QSqlDatabase::database("test_direkt").close();
    EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
    EXPECT_FALSE(QFile::exists(DbPfad() + "-wal"));
  }
}

// The session manager asks for the data before the session ends: what was typed is stored
// without a box while the program goes on with it on screen (another program may still
// cancel the logout); the session's end then ends it. A session that ends while the
// history question is open answers it for nobody: the round stays to be offered.
TEST_F(Programmstart, TheSessionManagersRequestStoresWithoutEndingAndAnOpenQuestionStaysUnanswered) {
  MitPlatzUndGolfer();
  MitRunde("1", "2024-05-04", "0");
  MitRunde("2", "2024-04-01", "1");
  {
    int hin[2], zurueck[2];
    ASSERT_EQ(::pipe(hin), 0);
    ASSERT_EQ(::pipe(zurueck), 0);
    const pid_t kind = ImKind([&] {
      TippePutts("2");
      GolferForm().Golfername->setText(QStringLiteral("Anna Berger"));
      auto* manager = qApp->findChild<QSessionManager*>();
      if (manager) emit qApp->commitDataRequest(*manager);
      const bool offen = manager && StartFensterFallsDa() && StartFensterFallsDa()->isVisible() &&
                         IstFormGeladen("Golfer") && GolferForm().PuttsLoch[1]->text() == "2";
      (void)!::write(hin[1], offen ? "1" : "0", 1);
      // The session ends as the session manager ends it.
      auto* ende = new QSocketNotifier(zurueck[0], QSocketNotifier::Read, qApp);
      QObject::connect(ende, &QSocketNotifier::activated, [] {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
      });
    });
    ASSERT_GE(kind, 0);
    EXPECT_EQ(Zeichen(hin[0]), '1');
    // Stored, and still running.
    EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna Berger");
    EXPECT_EQ(SqlWert("SELECT PuttsLoch01 || HdcpHistorieZustand FROM Greenlogs WHERE Scorekartenidn = '1'").toString(),
              "20");
    QSqlDatabase::database("test_direkt").close();
    EXPECT_EQ(::waitpid(kind, nullptr, WNOHANG), 0);
    (void)!::write(zurueck[1], "1", 1);
    EXPECT_EQ(WarteAufEnde(kind), 0);
    for (const int fd : {hin[0], hin[1], zurueck[0], zurueck[1]}) ::close(fd);
  }
  {
    // The history question is up when the session ends: the box is closed unanswered.
    Dlg().waehrendMeldung = [&] {
      if (Dlg().gezeigt.back().text != SPU().GibTranslation(33)) return;
      const OffenerDialog offen;
      ::kill(::getpid(), SIGTERM);
      QTest::qWait(200);
    };
    // Back: the card is stored first, asking the history question.
    const pid_t kind = ImKind(
        [] {
          TippePutts("3");
          BefehlZurueck();
        },
        1);
    Dlg().waehrendMeldung = nullptr;
    ASSERT_GE(kind, 0);
    EXPECT_EQ(WarteAufEnde(kind), 0);
    EXPECT_EQ(SqlWert("SELECT PuttsLoch01 || HdcpHistorieZustand FROM Greenlogs WHERE Scorekartenidn = '1'").toString(),
              "30");
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 0);
  }
}

// A sync tool renames its copy over the database while Puttwise runs. As the session ends
// the typing goes into the file now at the path, the one the user opens next, unasked. The
// course editor, the tournament editor and the history grid take the file over as the
// scorecard does: one question naming the file, Yes stores there, no word of a restart.
TEST_F(Programmstart, ACopyRenamedOverTheDatabaseTakesTheTypingAtTheSessionsEndAndInTheEditors) {
  MitPlatzUndGolfer();
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum) VALUES ('1', 'Monatspreis', '2024-05-04')");
  QSqlDatabase::database("test_direkt").close();
  const QString kopie = Ordner() + "/daten/.dbgolfvb.mdb.sync";
  // The copy holds what another computer added: the course's new name, and the golfer's,
  // which the golfer page, showing the old one, keeps unless it is typed over.
  auto kopiere = [&](const QString& name, const QString& auchNoch = QString()) {
    QFile::remove(kopie);
    ASSERT_TRUE(QFile::copy(DbPfad(), kopie));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_kopie");
    db.setDatabaseName(kopie);
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec(QStringLiteral("UPDATE Tab_Golfplatz SET Golfplatzname = '%1'").arg(name));
    QSqlQuery(db).exec(QStringLiteral("UPDATE tab_golfer SET Golfername = 'Golfer von %1'").arg(name));
    if (!auchNoch.isEmpty()) QSqlQuery(db).exec(auchNoch);
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("test_kopie");
  };
  auto ersetze = [&] {
    return std::rename(QFile::encodeName(kopie).constData(), QFile::encodeName(DbPfad()).constData()) == 0;
  };
  {
    kopiere("Heimatclub Nord");
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ImKind([&] {
      Tippe(GolferForm().Golfername, "Anna Clausen");
      (void)!::write(rohr[1], ersetze() ? "1" : "0", 1);
    });
    ASSERT_GE(kind, 0);
    EXPECT_EQ(Zeichen(rohr[0]), '1');
    for (const int fd : rohr) ::close(fd);
    ::kill(kind, SIGTERM);
    EXPECT_EQ(WarteAufEnde(kind), 0);
    EXPECT_EQ(SqlWert("SELECT Golfername || '/' || Golfplatzname FROM tab_golfer, Tab_Golfplatz").toString(),
              "Anna Clausen/Heimatclub Nord");
    QSqlDatabase::database("test_direkt").close();
    BisherGeschrieben();
  }
  // The session ends while the question is open that Back, Exit or the main window's close
  // asked about the copy: as if it had ended before, the typing goes into the copy unasked.
  MitRunde("1", "2024-05-04", "1");
  const std::tuple<QString, int, size_t> faelle[] = {
      {"zurueck", SIGTERM, 2}, {"beenden", SIGHUP, 1}, {"schliessen", SIGTERM, 1}};
  for (const auto& [wie, signal, boxen] : faelle) {
    SCOPED_TRACE(wie.toStdString());
    kopiere("Heimatclub " + wie);
    Dlg().waehrendMeldung = [&, signal = signal] {
      if (Dlg().gezeigt.back().stil != STIL_FRAGE) return;
      const OffenerDialog offen;
      ::kill(::getpid(), signal);
      QTest::qWait(200);
    };
    // The question, and after Back the first card's message as the session ends.
    const pid_t kind = ImKind(
        [&, wie = wie] {
          TippePutts(QString::number(wie.size()));
          ASSERT_TRUE(ersetze());
          if (wie == "zurueck") BefehlZurueck();
          if (wie == "beenden") BefehlBeenden();
          if (wie == "schliessen") StartFensterFallsDa()->close();
        },
        boxen);
    Dlg().waehrendMeldung = nullptr;
    ASSERT_GE(kind, 0);
    EXPECT_EQ(WarteAufEnde(kind), 0);
    EXPECT_EQ(SqlWert("SELECT PuttsLoch01 || '/' || Golfplatzname || '/' || Golfername FROM Greenlogs, "
                      "Tab_Golfplatz, tab_golfer")
                  .toString(),
              QStringLiteral("%1/Heimatclub %2/Golfer von Heimatclub %2").arg(wie.size()).arg(wie));
    QSqlDatabase::database("test_direkt").close();
    BisherGeschrieben();
  }

  ASSERT_TRUE(Main());
  auto eineFrage = [&] {
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    const QString frage = Dlg().gezeigt[0].text;
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_FRAGE);
    EXPECT_TRUE(frage.startsWith(SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(DbPfad()))))
        << frage.toStdString();
    EXPECT_FALSE(frage.contains(SPU().GibTranslation(MELDUNG_GRUND_ERSETZT)));
    Dlg().gezeigt.clear();
  };
  // The scorecard follows its course renamed in the copy: Back stores it there.
  Golfer& g = GolferForm();
  g.TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  kopiere("Heimatclub Nordost");
  ASSERT_TRUE(ersetze());
  TippePutts("2");
  Antworte({ANTWORT_JA, ANTWORT_OK});
  BefehlZurueck();
  EXPECT_EQ(GezeigteTexte().value(1), SPU().GibTranslation(31));
  Dlg().gezeigt.pop_back();
  eineFrage();
  EXPECT_EQ(SqlWert("SELECT PuttsLoch01 || '/' || Golfplatznummer FROM Greenlogs").toString(), "2/1");
  QSqlDatabase::database("test_direkt").close();
  g.TabstripGolfer->setCurrentIndex(0);
  // The course editor, closed from the menu.
  GotoGolfplatz("1");
  Tippe(GolfplaetzeForm().Golfplatzname, "Heimatclub Sued");
  ASSERT_EQ(AktiveForm, GolfplaetzeForm().objectName());
  kopiere("Heimatclub Ost");
  ASSERT_TRUE(ersetze());
  Antworte({ANTWORT_JA});
  BefehlBeenden();
  eineFrage();
  EXPECT_FALSE(FormExistiert<Golfplaetze>());
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz").toString(), "Heimatclub Sued");
  QSqlDatabase::database("test_direkt").close();
  // The tournament editor, moving to the next tournament.
  GotoTurnier("1");
  Tippe(TurnierForm().Turniername, "Jahrespreis");
  // The copy's remark, which nobody typed here, stays and is shown.
  kopiere("Heimatclub West", "UPDATE Tab_Turnier SET TurnierBemerkung = 'aus der Kopie'");
  ASSERT_TRUE(ersetze());
  Antworte({ANTWORT_JA, 1});
  BefehlWeiter();
  ASSERT_FALSE(Dlg().gezeigt.empty());
  Dlg().gezeigt.pop_back();  // the one tournament is the last
  eineFrage();
  EXPECT_EQ(SqlWert("SELECT Turniername || '/' || Golfplatzname || '/' || TurnierBemerkung FROM Tab_Turnier, "
                    "Tab_Golfplatz")
                .toString(),
            "Jahrespreis/Heimatclub West/aus der Kopie");
  EXPECT_EQ(TurnierForm().TurnierBemerkung->toPlainText() + "/" + TurnierForm().Turniername->text(),
            "aus der Kopie/Jahrespreis");
  QSqlDatabase::database("test_direkt").close();
  // A copy without the tournament shown, taken over as the editor closes: what was typed
  // into it is named once, and no tournament is made up.
  Tippe(TurnierForm().Turniername, "Herbstpreis");
  kopiere("Heimatclub West", "DELETE FROM Tab_Turnier");
  ASSERT_TRUE(ersetze());
  Antworte({ANTWORT_JA, ANTWORT_OK});
  TurnierForm().Schliessen();
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt.back().text, SPU().Meldungstext(4841).arg("Herbstpreis"));
  Dlg().gezeigt.pop_back();
  eineFrage();
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 0);
  QSqlDatabase::database("test_direkt").close();
  TurnierForm().Schliessen();
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  // A new row of the handicap history, stored as its date is committed.
  g.Zeige();
  kopiere("Heimatclub Mitte");
  ASSERT_TRUE(ersetze());
  g.HdcpHistorie->setFocus();
  g.HdcpHistorie->setCurrentCell(1, 0);
  QTest::keyClick(g.HdcpHistorie, '1');
  QTest::keyClicks(g.T1, "5.4.24");
  Antworte({ANTWORT_JA});
  QTest::keyClick(g.T1, Qt::Key_Return);
  eineFrage();
  EXPECT_EQ(SqlWert("SELECT Datum || '/' || Golfplatzname FROM tab_HdcpHistorie, Tab_Golfplatz").toString(),
            "2024-04-15/Heimatclub Mitte");
}
