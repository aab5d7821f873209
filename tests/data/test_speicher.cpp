// Storage the user can trust: one program per database, the checks at start, safe
// compaction, and one box per failed action that says why.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabBar>
#include <QTest>
#include <QThread>

#include <grp.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "data/Startpruefung.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "language/Textquellen.h"
#include "platform/Global.h"
#include "platform/QtSprache.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "shell/Befehle.h"
#include "shell/Main.h"
#include "shell/Start.h"

// Set, the test program's fcntl refuses a lock with that errno value (sperrfehler.cpp).
extern int SperrfehlerDesSystems;

namespace {
// The time a store under another program's lock takes at most before it gives up: two
// waits of the database's busy timeout (2 s each), with room for a busy machine and the
// sanitizer build.
constexpr qint64 SPERRFRIST_MS = 7000;
QByteArray Pruefsumme(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The permissions marked on a file (owner, group, others), without what the system
// allows the running user.
QFileDevice::Permissions Markiert(const QString& pfad) {
  return QFileInfo(pfad).permissions() & QFileDevice::Permissions(0x7077);
}

void SchreibeDatei(const QString& pfad, const QByteArray& inhalt) {
  QDir().mkpath(QFileInfo(pfad).absolutePath());
  QFile f(pfad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(inhalt);
}

// Another program's lock on a database file, held while the object lives.
class AndereSperre {
 public:
  explicit AndereSperre(const QString& pfad) {
    int fehler = 0;
    m_fd = SperreDatei(pfad, fehler);
  }
  ~AndereSperre() {
    if (m_fd >= 0) ::close(m_fd);
  }
  bool Gehalten() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

// Another program that has a file open and does nothing with it, until the object goes;
// `liest`: it holds the database engine's read lock on it.
class OffenInAnderemProgramm {
 public:
  explicit OffenInAnderemProgramm(const QString& pfad, bool liest = false) {
    int rohr[2];
    if (::pipe(rohr) != 0) return;
    m_kind = Kindprozess();
    if (m_kind == 0) {
      const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY);
      struct flock l {};
      l.l_type = F_RDLCK;
      l.l_start = 0x40000002;  // the engine's shared bytes
      l.l_len = 510;
      (void)!::write(rohr[1], fd >= 0 && (!liest || ::fcntl(fd, F_SETLK, &l) == 0) ? "1" : "0", 1);
      ::pause();
      ::_exit(0);
    }
    char c = 0;
    if (m_kind > 0) (void)!::read(rohr[0], &c, 1);
    ::close(rohr[0]);
    ::close(rohr[1]);
    EXPECT_EQ(c, '1');
  }
  ~OffenInAnderemProgramm() {
    if (m_kind <= 0) return;
    ::kill(m_kind, SIGKILL);
    ::waitpid(m_kind, nullptr, 0);
  }

 private:
  pid_t m_kind = -1;
};

class Speicher : public TestUmgebung {
 protected:
  void TearDown() override {
    // Folders made read-only by a test must be removable again.
    QFile::setPermissions(Ordner() + "/daten", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    TestUmgebung::TearDown();
  }
  QString Text(int nummer) { return SPU().GibTranslation(nummer); }
  // A second connection of this test, outside the data-access object.
  QSqlDatabase Fremd(const QString& pfad) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_fremd");
    db.setDatabaseName(pfad);
    db.open();
    return db;
  }
  // Another program writing in rollback-journal mode (as a database is before this program
  // first opens it): its transaction, begun with `beginn`, holds a golfer not yet committed.
  void FremdSchreibt(QSqlQuery& q, const QString& beginn) {
    q = QSqlQuery(Fremd(DbPfad()));
    ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
    ASSERT_EQ(q.value(0).toString(), "delete");
    ASSERT_TRUE(q.exec(beginn));
    ASSERT_TRUE(q.exec("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('7', 'Berta')"));
  }
  // Runs statements on a file through a connection of this test that is closed after.
  void FuehreAus(const QString& pfad, const QStringList& anweisungen) {
    {
      QSqlDatabase db = Fremd(pfad);
      QSqlQuery q(db);
      for (const QString& a : anweisungen) EXPECT_TRUE(q.exec(a)) << q.lastError().text().toStdString();
      db.close();
    }
    QSqlDatabase::removeDatabase("test_fremd");
  }
  // A database file of this program with enough rows to span many pages.
  void MitVielenZeilen(int n = 2000) {
    Sql("BEGIN");
    for (int i = 0; i < n; ++i)
      Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES (?, ?)",
          {QString("x%1").arg(i), QString(400, 'y')});
    Sql("COMMIT");
    QSqlDatabase::database("test_direkt").close();
  }
  // Puts `defekt` in place of the database named in the settings; the dialog then offers
  // the good database. Returns the one box shown.
  QString StartMitDefekterDatei(const QString& defekt) {
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", defekt);
    DatenbankPfad.clear();
    Dlg().dateien.push_back(DbPfad());
    Antworte({1});
    EXPECT_TRUE(VerbindeDatenbanken());
    EXPECT_EQ(DatenbankPfad, DbPfad());
    EXPECT_EQ(Dlg().dateiDialoge.value(0), "Verbinde Zantro Puttwise! 2.0 Datenbank");
    EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB"), DbPfad());
    EXPECT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    if (Dlg().gezeigt.empty()) return {};
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
    const QString text = Dlg().gezeigt[0].text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(defekt))) << text.toStdString();
    return text;
  }
  // A course, its golfer flagged active and a card of the golfer with two drive lengths as
  // they are stored, with their decimal.
  void MitKarte() {
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, GolfplatzAnzeigen) VALUES ('1', 'Heimatclub', 1)");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna', 20.6, 21, '1', 1)");
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, Spielart, AktHdcp, ShowWhat, "
        "HdcpHistorieZustand, ScoreLoch01, DistanceLoch01, DistanceLoch02) "
        "VALUES ('1', '1', '2024-05-12', '1', '2', 23, '11111111', '0', 4, 236.1, 231.5)");
    QSqlDatabase::database("test_direkt").close();
  }
  // Exit from the File menu, where a store has been refused once: one more box (the store
  // of the window as it closes), and the program ends.
  void BeendeMitEinerBox() {
    QPointer<Start> start = StartFensterFallsDa();
    ASSERT_TRUE(start);
    const size_t vorher = Dlg().gezeigt.size();
    Antworte({1});
    start->Exit->trigger();
    EXPECT_EQ(Dlg().gezeigt.size(), vorher + 1) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_FALSE(IstFormGeladen("Golfer"));
    EXPECT_TRUE(!start || !start->isVisible());
    delete start.data();
    GlobaleObjekteFreigeben();
  }
  QString Defekt() const { return Ordner() + "/alt/dbgolfvb.mdb"; }
  // A store of the program in a process of its own ("karte", "rekorde", "historie" or
  // "komprimieren", see Speicherkind.cpp), killed right before its `bei`-th write to the
  // file `datei` of the database's folder, or with "loeschen" as it deletes that file.
  // True when it was killed.
  bool GetoeteterSpeicher(const QString& was, const QString& datei, const QString& bei) {
    QProcess kind;
    Speicherkind(kind, was, datei, bei);
    return kind.exitStatus() == QProcess::CrashExit;
  }
  // Runs that store under the preloaded library, stopped at the `bei`-th write to `datei`,
  // or with `umbenennen` renamed over the database there.
  // `toeten`: besides, killed at the write or rename of a file that begins as it says
  // ("<path prefix>", "<n>" or "umbenennen"; Schreibabbruch.cpp).
  void Speicherkind(QProcess& kind, const QString& was, const QString& datei, const QString& bei,
                    const QString& umbenennen = {}, const QStringList& toeten = {}) {
    QSqlDatabase::database("test_direkt", false).close();
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("LD_PRELOAD", PW_SCHREIBABBRUCH);
    // Under the address sanitizer the preloaded library stands before its runtime.
    const QString asan = umgebung.value("ASAN_OPTIONS");
    umgebung.insert("ASAN_OPTIONS", (asan.isEmpty() ? QString() : asan + ":") + "verify_asan_link_order=0");
    umgebung.insert("PW_ABBRUCH_DATEI", QFileInfo(DbPfad()).canonicalPath() + "/" + datei);
    umgebung.insert("PW_ABBRUCH_BEI", bei);
    if (!umbenennen.isEmpty()) umgebung.insert("PW_UMBENENNEN", umbenennen);
    if (toeten.size() == 2) {
      umgebung.insert("PW_TOETEN_PRAEFIX", toeten[0]);
      umgebung.insert("PW_TOETEN_BEI", toeten[1]);
    }
    kind.setProcessEnvironment(umgebung);
    kind.start(PW_SPEICHERKIND, {Einstellungsdatei(), was});
    EXPECT_TRUE(kind.waitForFinished(60000));
  }
  // The same store with a copy renamed over the database right before its `bei`-th write
  // to the file, the copy holding what another computer added (a newer golfer name). The
  // boxes it showed (its one question answered Yes); `ok`: the store went through.
  QStringList UmbenanntBeimSchreiben(const QString& was, int bei, bool& ok) {
    const QString kopie = Ordner() + "/daten/.dbgolfvb.mdb.sync";
    QSqlDatabase::database("test_direkt", false).close();
    QFile::remove(kopie);
    EXPECT_TRUE(QFile::copy(DbPfad(), kopie));
    FuehreAus(kopie, {"UPDATE tab_golfer SET Golfername = 'Anna Berger'"});
    QProcess kind;
    Speicherkind(kind, was, QFileInfo(DbPfad()).fileName(), QString::number(bei), kopie);
    ok = kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0;
    EXPECT_FALSE(QFile::exists(kopie)) << "not renamed at write " << bei;
    QStringList boxen;
    for (const QByteArray& zeile : kind.readAllStandardOutput().split('\n'))
      if (zeile.startsWith("box: ")) boxen << QString::fromUtf8(zeile.mid(5));
    return boxen;
  }
  // The card, the records and the history as MitKarte left them, in a whole file.
  void WieVorDemSpeichern() {
    EXPECT_EQ(SqlWert("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(SqlWert("SELECT ScoreLoch01 || '/' || ifnull(ScoreLoch02, '-') || '/' || ifnull(Slope, '-') FROM "
                      "Greenlogs WHERE Scorekartenidn = '1'")
                  .toString(),
              "4/-/-");
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 0);
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 0);
    QSqlDatabase::database("test_direkt", false).close();
  }
  static QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The start after a store killed midway whose journal the file cannot tell its own: one
  // box names the copy of the file as found (as the kill left it), the next start says
  // nothing, and the file is as before the store.
  void ZurueckgenommenMitKopie() {
    const QString ordner = QFileInfo(DbPfad()).absolutePath();
    const QByteArray getoetet = Pruefsumme(DbPfad());
    ASSERT_GT(QFileInfo(DbPfad() + "-journal").size(), 0);
    Antworte({1});
    EXPECT_TRUE(Main());
    const QStringList kopie = QDir(ordner).entryList({"dbgolfvb.mdb.vorgefunden-*"});
    ASSERT_EQ(kopie.size(), 1);
    EXPECT_EQ(GezeigteTexte(),
              QStringList{Text(MELDUNG_ZURUECKGENOMMEN_MIT_KOPIE).arg(DbPfad(), "dbgolfvb.mdb-journal", kopie[0])});
    EXPECT_EQ(Pruefsumme(ordner + "/" + kopie[0]), getoetet);
    EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
    EXPECT_TRUE(QDir(ordner).entryList({"*.fremd-*"}).isEmpty());
    EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
    FensterZu();
    EXPECT_TRUE(Main());
    EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
    FensterZu();
    WieVorDemSpeichern();
    QFile::remove(ordner + "/" + kopie[0]);
  }
  void FensterZu() {
    delete StartFensterFallsDa();
    GlobaleObjekteFreigeben();
    Dlg().gezeigt.clear();
  }
};
}  // namespace

// ------------------------------------------------------------------ one program per database

TEST_F(Speicher, SecondStartIsToldAndLeavesTheFirstUntouched) {
  AndereSperre erster(DbPfad());
  ASSERT_TRUE(erster.Gehalten());
  const QByteArray vorher = Pruefsumme(DbPfad());
  Antworte({1});
  EXPECT_FALSE(Main());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].text, Text(MELDUNG_DATENBANK_BELEGT).arg(DbPfad()));
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("anderen Fenster"));
  // Nothing of the database was opened or written.
  EXPECT_EQ(Pruefsumme(DbPfad()), vorher);
  EXPECT_FALSE(QFile::exists(DbPfad() + "-wal"));

  // Through a link to the same file, and through a second name of it (a hard link), from
  // another folder: the same lock.
  QDir().mkpath(Ordner() + "/verweis");
  const QString link = Ordner() + "/verweis/golf.mdb", zweiterName = Ordner() + "/verweis/zweiter.mdb";
  ASSERT_TRUE(QFile::link(DbPfad(), link));
  ASSERT_EQ(::link(QFile::encodeName(DbPfad()).constData(), QFile::encodeName(zweiterName).constData()), 0);
  for (const QString& name : {link, zweiterName}) {
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", name);
    Dlg().gezeigt.clear();
    Antworte({1});
    EXPECT_FALSE(Main()) << name.toStdString();
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(Dlg().gezeigt[0].text, Text(MELDUNG_DATENBANK_BELEGT).arg(name));
    EXPECT_EQ(Pruefsumme(DbPfad()), vorher);
    delete StartFensterFallsDa();
    GlobaleObjekteFreigeben();
  }
  EXPECT_FALSE(QFile::exists(link + ".lock"));
}

TEST_F(Speicher, SecondStartInEnglish) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2");
  Sprachnummer = 0;
  AndereSperre erster(DbPfad());
  Antworte({1});
  EXPECT_FALSE(Main());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("already open in another Puttwise window"))
      << Dlg().gezeigt[0].text.toStdString();
}

TEST_F(Speicher, NoLockIsLeftBehindToTakeOver) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  QSqlDatabase::database("test_direkt").close();
  // A program that held the database was killed: its lock went with it.
  const pid_t kind = Kindprozess();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    int fehler = 0;
    SperreDatei(DbPfad(), fehler);
    ::pause();
    ::_exit(0);
  }
  // What an earlier version left beside the database (a lock file that cannot be removed
  // in a read-only folder, or a folder where a lock file would be) is no lock either.
  QDir().mkpath(DbPfad() + ".lock");
  SchreibeDatei(DbPfad() + ".lock/inhalt", "1234\nputtwise\n");
  for (int i = 0; i < 500 && AndereSperre(DbPfad()).Gehalten(); ++i) ::usleep(2000);
  ::kill(kind, SIGKILL);
  ::waitpid(kind, nullptr, 0);
  QFile::setPermissions(Ordner() + "/daten", QFile::ReadOwner | QFile::ExeOwner);
  Antworte({1});
  EXPECT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  // The read-only folder opens the database read-only, without a word about a lock; the
  // one box says that it can only be read.
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().Meldungstext(MELDUNG_NUR_LESBAR).arg(DbPfad(), Ordner() + "/daten")});
  EXPECT_TRUE(DBG().NurLesen());
  EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
  // The lock is now this program's.
  EXPECT_FALSE(AndereSperre(DbPfad()).Gehalten());
  GibDatenbankFrei();
  EXPECT_TRUE(AndereSperre(DbPfad()).Gehalten());
}

TEST_F(Speicher, ALockTheSystemRefusesIsToldInTheInterfaceLanguage) {
  constexpr int MELDUNG_TEXT_FEHLT = 26, MELDUNG_NICHT_GESPERRT = 4617, TEXT_KEINE_SPERRE_FREI = 4618;
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  QSqlDatabase::database("test_direkt").close();
  // A start whose lock the system refuses (German interface): the one box it shows.
  auto start = [&](int fehler) {
    GlobaleObjekteFreigeben();
    Dlg().gezeigt.clear();
    SperrfehlerDesSystems = fehler;
    Antworte({1});
    EXPECT_TRUE(Main());
    SperrfehlerDesSystems = 0;
    EXPECT_EQ(GezeigteTexte().size(), 1);
    return GezeigteTexte().value(0);
  };
  // The system's reason is English only ("No locks available"): the box gives its own.
  QString text = start(ENOLCK);
  EXPECT_EQ(text, Text(MELDUNG_NICHT_GESPERRT).arg(DbPfad(), Text(TEXT_KEINE_SPERRE_FREI)));
  EXPECT_TRUE(text.contains("(das System hat keine Sperre mehr frei)")) << text.toStdString();
  EXPECT_FALSE(text.contains(QString::fromLocal8Bit(std::strerror(ENOLCK))));
  EXPECT_TRUE(start(EXDEV).contains("(Systemfehler 18)"));  // no words of its own: its number
  // The message's row missing from the language database: the program's own German text,
  // then which message lacks its text.
  FuehreAus(Programmordner() + "/" + SPRACHDATEI, {"DELETE FROM MsgSprache WHERE TagNummer = 4617"});
  text = start(ENOLCK);
  EXPECT_TRUE(text.startsWith("Die Datenbank " + DbPfad() + " kann nicht gesperrt werden (das System hat keine"));
  EXPECT_TRUE(text.endsWith(Text(MELDUNG_TEXT_FEHLT).arg(MELDUNG_NICHT_GESPERRT))) << text.toStdString();
}

// Every reason the lock gives comes in the interface language, from the program's own
// texts, and no English of the system or the engine follows in German. The database has no
// course yet: the start asks for one, and the course it would make is refused in the
// program's words too.
TEST_F(Speicher, EachReasonOfARefusedLockInTheInterfaceLanguageOnly) {
  constexpr int MELDUNG_KEIN_GOLFPLATZ = 161, MELDUNG_NICHT_GESPERRT = 4617, TEXT_SYSTEMFEHLER = 4626;
  // The system's refusal (errno) and the text that says it.
  const QList<std::pair<int, int>> gruende = {{ENOLCK, 4618}, {EPERM, 4619},  {EROFS, 4620},
                                              {ENOSYS, 4621}, {EINVAL, 4622}, {ENOENT, 4623},
                                              {EMFILE, 4624}, {EIO, 4625},    {EXDEV, 4626}};
  for (const int sprache : {1, 2}) {
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", QString::number(sprache));
    const auto text = [sprache](int nummer) { return MitgelieferterText(nummer, sprache); };
    for (const auto& [fehler, nummer] : gruende) {
      SCOPED_TRACE(QString("%1 %2").arg(sprache).arg(fehler).toStdString());
      GlobaleObjekteFreigeben();
      Dlg().gezeigt.clear();
      Sprachnummer = 0;
      SperrfehlerDesSystems = fehler;
      Antworte({1, 1, 1});
      EXPECT_TRUE(Main());
      SperrfehlerDesSystems = 0;
      const QString grund = nummer == TEXT_SYSTEMFEHLER ? text(nummer).arg(fehler) : text(nummer);
      EXPECT_EQ(
          GezeigteTexte(),
          QStringList({text(MELDUNG_NICHT_GESPERRT).arg(DbPfad(), grund), text(MELDUNG_KEIN_GOLFPLATZ),
                       text(MELDUNG_NICHT_GESPEICHERT) + "\n" + text(MELDUNG_GRUND_NUR_LESEN) + "\n\n" + DbPfad()}));
      FensterZu();
    }
  }
}

TEST_F(Speicher, LockIsKeptWhileRunningAndCountsOnceForTheSameDatabase) {
  EXPECT_EQ(SperreDatenbank(DbPfad()), Sperrergebnis::Genommen);
  EXPECT_EQ(SperreDatenbank(DbPfad()), Sperrergebnis::Genommen);
  EXPECT_FALSE(AndereSperre(DbPfad()).Gehalten());
  GibDatenbankFrei();
  EXPECT_TRUE(AndereSperre(DbPfad()).Gehalten());
  EXPECT_FALSE(QFile::exists(DbPfad() + ".lock"));
}

// ------------------------------------------------------------------ the database check at start

TEST_F(Speicher, EmptyFileIsNamedAndStaysEmpty) {
  SchreibeDatei(Defekt(), "");
  const QString text = StartMitDefekterDatei(Defekt());
  EXPECT_TRUE(text.contains(Text(MELDUNG_DATEI_LEER))) << text.toStdString();
  EXPECT_EQ(QFileInfo(Defekt()).size(), 0);
  EXPECT_FALSE(QFile::exists(Defekt() + "-wal"));
}

TEST_F(Speicher, FileThatIsNoDatabase) {
  SchreibeDatei(Defekt(), QByteArray("Liebe Oma, vielen Dank für die Golfbälle!\n").repeated(100));
  const QByteArray vorher = Pruefsumme(Defekt());
  const QString text = StartMitDefekterDatei(Defekt());
  EXPECT_TRUE(text.contains(Text(MELDUNG_KEINE_DATENBANK))) << text.toStdString();
  EXPECT_EQ(Pruefsumme(Defekt()), vorher);
}

TEST_F(Speicher, TruncatedDatabase) {
  MitVielenZeilen();
  QDir().mkpath(QFileInfo(Defekt()).absolutePath());
  ASSERT_TRUE(QFile::copy(DbPfad(), Defekt()));
  QFile f(Defekt());
  ASSERT_TRUE(f.resize(f.size() / 2));
  const QString text = StartMitDefekterDatei(Defekt());
  EXPECT_TRUE(text.contains(Text(MELDUNG_DATENBANK_BESCHAEDIGT))) << text.toStdString();
}

TEST_F(Speicher, DamagedSchema) {
  QDir().mkpath(QFileInfo(Defekt()).absolutePath());
  QFile::copy(DbPfad(), Defekt());
  FuehreAus(Defekt(), {"PRAGMA writable_schema=ON",
                       "UPDATE sqlite_master SET sql = 'CREATE TABLE tab_golfer (' WHERE name = 'tab_golfer'"});
  const QString text = StartMitDefekterDatei(Defekt());
  EXPECT_TRUE(text.contains(Text(MELDUNG_DATENBANK_BESCHAEDIGT))) << text.toStdString();
  EXPECT_TRUE(text.contains("malformed")) << text.toStdString();
}

TEST_F(Speicher, DatabaseOfAnotherProgramIsNeverSwitchedToWal) {
  QDir().mkpath(QFileInfo(Defekt()).absolutePath());
  FuehreAus(Defekt(),
            {"CREATE TABLE Rezepte (Name TEXT, Zutaten TEXT)", "INSERT INTO Rezepte VALUES ('Apfelkuchen', 'Äpfel')"});
  const QByteArray vorher = Pruefsumme(Defekt());
  const QString text = StartMitDefekterDatei(Defekt());
  EXPECT_TRUE(text.contains("Greenlogs")) << text.toStdString();
  EXPECT_TRUE(text.contains("tab_golfer")) << text.toStdString();
  EXPECT_EQ(Pruefsumme(Defekt()), vorher);
  EXPECT_FALSE(QFile::exists(Defekt() + "-wal"));
}

// A database of an older layout lacks columns the program reads: the start names them in
// one message and leaves the file as it is. Columns the program does not know are allowed.
TEST_F(Speicher, OlderLayoutNamesTheMissingColumnsAndStaysUntouched) {
  QDir().mkpath(QFileInfo(Defekt()).absolutePath());
  ASSERT_TRUE(QFile::copy(DbPfad(), Defekt()));
  FuehreAus(Defekt(),
            {"ALTER TABLE Greenlogs DROP COLUMN ShowWhat", "ALTER TABLE Greenlogs DROP COLUMN PuttsLoch18",
             "ALTER TABLE tab_Slope DROP COLUMN CourseRating", "ALTER TABLE tab_HdcpHistorie DROP COLUMN Handicap"});
  FuehreAus(DbPfad(), {"ALTER TABLE tab_golfer ADD COLUMN Spitzname TEXT"});
  const QByteArray vorher = Pruefsumme(Defekt());
  const QString text = StartMitDefekterDatei(Defekt());
  for (const char* fehlt :
       {"Greenlogs.ShowWhat", "Greenlogs.PuttsLoch18", "tab_Slope.CourseRating", "tab_HdcpHistorie.Handicap"})
    EXPECT_TRUE(text.contains(fehlt)) << fehlt << ": " << text.toStdString();
  EXPECT_FALSE(text.contains("Greenlogs.PuttsLoch17")) << text.toStdString();
  EXPECT_TRUE(text.startsWith(Text(MELDUNG_ANDERER_AUFBAU).arg(QDir::toNativeSeparators(Defekt())).section("%2", 0, 0)))
      << text.toStdString();
  EXPECT_EQ(Pruefsumme(Defekt()), vorher);
  EXPECT_FALSE(QFile::exists(Defekt() + "-wal"));
}

TEST_F(Speicher, WrongFileChosenInTheDialogIsRefusedToo) {
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", Ordner() + "/weg/dbgolfvb.mdb");
  SchreibeDatei(Defekt(), "");
  Dlg().dateien.push_back(Defekt());
  Dlg().dateien.push_back(DbPfad());
  Antworte({1, 1});
  EXPECT_TRUE(VerbindeDatenbanken());
  EXPECT_EQ(Dlg().dateiDialoge.size(), 2);
  ASSERT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_TRUE(Dlg().gezeigt[1].text.contains(Text(MELDUNG_DATEI_LEER)));
  EXPECT_EQ(DatenbankPfad, DbPfad());
}

TEST_F(Speicher, DamagedDatabaseAtStartGivesOneMessageThenTheDialog) {
  SchreibeDatei(Defekt(), "kein SQLite");
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", Defekt());
  Dlg().dateien.push_back("");  // the user gives up
  Antworte({1, 1});
  EXPECT_FALSE(Main());
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Defekt()));
  EXPECT_EQ(Dlg().gezeigt[1].text, "No Puttwise! Database connected. Zantro Puttwise! 2.0 will be terminated!");
}

TEST_F(Speicher, DatabaseHeldByAnotherProgramAtStartIsToldAsInUseNotDamaged) {
  // Another program holds the file exclusively.
  QSqlQuery sperre;
  ASSERT_NO_FATAL_FAILURE(FremdSchreibt(sperre, "BEGIN EXCLUSIVE"));
  DatenbankPfad.clear();
  Antworte({1});
  EXPECT_FALSE(Main());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  const QString text = Dlg().gezeigt[0].text;
  EXPECT_TRUE(text.startsWith(Text(MELDUNG_DATENBANK_JETZT_NICHT).arg(DbPfad()) + "\n" + Text(MELDUNG_GRUND_GESPERRT)))
      << text.toStdString();
  EXPECT_FALSE(text.contains(Text(MELDUNG_DATENBANK_BESCHAEDIGT))) << text.toStdString();
  EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB"), DbPfad());
  // The other program's work is untouched.
  EXPECT_TRUE(sperre.exec("COMMIT")) << sperre.lastError().text().toStdString();
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '7'").toString(), "Berta");
}

TEST_F(Speicher, GoodDatabasePassesTheCheckQuickly) {
  MitVielenZeilen(5000);
  QElapsedTimer t;
  t.start();
  EXPECT_TRUE(PruefeDatenbankdatei(DbPfad()).Ok);
  EXPECT_LT(t.elapsed(), 2000);  // about 0.1 s on a quiet machine
  // A database in WAL mode with a journal that still holds rows passes as well.
  DBG().WriteEinstellungenIntern("Noch im Journal", "1");
  EXPECT_TRUE(PruefeDatenbankdatei(DbPfad()).Ok);
}

// A store killed before its journal was deleted (the moment it becomes final) or after it
// wrote part of its pages leaves the file with a journal that holds the pages as they
// were. The next start rolls it back: no box, the file whole and as before the store.
TEST_F(Speicher, AStoreKilledMidwayIsRolledBackAtTheNextStart) {
  // The file tells that it is the one the journal was written for by its birth time.
  if (!QFileInfo(DbPfad()).birthTime().isValid())
    GTEST_SKIP() << "the temporary folder's file system keeps no birth times: the journal is put aside";
  MitKarte();
  for (const QString was : {"karte", "rekorde", "historie"}) {
    for (const QString bei : {"2", "loeschen"}) {
      SCOPED_TRACE((was + " " + bei).toStdString());
      ASSERT_TRUE(GetoeteterSpeicher(was, bei == "loeschen" ? "dbgolfvb.mdb-journal" : "dbgolfvb.mdb", bei));
      ASSERT_GT(QFileInfo(DbPfad() + "-journal").size(), 0);
      EXPECT_TRUE(Main());
      EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
      EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
      EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
      EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
      FensterZu();
      WieVorDemSpeichern();
    }
  }
}

// A store killed after its first write to the file, where the file cannot tell that the
// journal is its own: the birth time reported missing (as on a file system that keeps
// none), or the folder restored journal first. The start rolls it back all the same, the
// file as found kept whole beside it and named once; the file whole and as before the
// store, no journal left.
TEST_F(Speicher, AStoreKilledWhereTheFileCannotTellTheJournalIsRolledBackWithTheFileKept) {
  MitKarte();
  struct Zurueck {
    ~Zurueck() { SetzeGeburtszeitenUnbekannt(false); }
  } zurueck;
  for (const QString was : {"karte", "rekorde"}) {
    for (const bool ohneGeburtszeit : {true, false}) {
      SCOPED_TRACE((was + (ohneGeburtszeit ? " without birth times" : " restored journal first")).toStdString());
      SetzeGeburtszeitenUnbekannt(ohneGeburtszeit);
      ASSERT_TRUE(GetoeteterSpeicher(was, "dbgolfvb.mdb", "2"));
      if (!ohneGeburtszeit) {
        // A restore writes the journal first, then the file.
        const QByteArray journal = Lies(DbPfad() + "-journal"), datei = Lies(DbPfad());
        ASSERT_TRUE(QFile::remove(DbPfad() + "-journal") && QFile::remove(DbPfad()));
        SchreibeDatei(DbPfad() + "-journal", journal);
        QThread::msleep(20);
        SchreibeDatei(DbPfad(), datei);
      }
      ZurueckgenommenMitKopie();
    }
  }
}

// The same on a file system that keeps no birth times: an ext4 image with 128-byte inodes,
// made and loop-mounted in place of the database's folder.
TEST_F(Speicher, AStoreKilledOnAFileSystemWithoutBirthTimesIsRolledBackWithTheFileKept) {
  const QString ordner = Ordner() + "/daten", abbild = Ordner() + "/ohne-geburtszeit.img";
  {
    QFile f(abbild);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(16 << 20));
  }
  QProcess mkfs;
  mkfs.start("mkfs.ext4", {"-q", "-F", "-I", "128", abbild});
  if (!mkfs.waitForFinished(60000) || mkfs.exitCode() != 0)
    GTEST_SKIP() << "no ext4 image can be made here: " << mkfs.readAllStandardError().toStdString();
  ASSERT_TRUE(QDir().rename(ordner, ordner + ".vorher") && QDir().mkpath(ordner));
  QProcess einhaengen;
  einhaengen.start("mount", {"-o", "loop", abbild, ordner});
  if (!einhaengen.waitForFinished(60000) || einhaengen.exitCode() != 0) {
    QDir(ordner).removeRecursively();
    QDir().rename(ordner + ".vorher", ordner);
    GTEST_SKIP() << "the image cannot be mounted here: " << einhaengen.readAllStandardError().toStdString();
  }
  struct Aushaengen {
    QString ordner;
    ~Aushaengen() {
      GlobaleObjekteFreigeben();
      QSqlDatabase::database("test_direkt", false).close();
      QProcess::execute("umount", {"-l", ordner});
    }
  } aushaengen{ordner};
  ASSERT_TRUE(QFile::copy(ordner + ".vorher/dbgolfvb.mdb", DbPfad()));
  ASSERT_FALSE(QFileInfo(DbPfad()).birthTime().isValid());
  MitKarte();
  for (const QString was : {"karte", "rekorde"}) {
    SCOPED_TRACE(was.toStdString());
    ASSERT_TRUE(GetoeteterSpeicher(was, "dbgolfvb.mdb", "2"));
    ZurueckgenommenMitKopie();
  }
}

// In a folder that became read-only after the kill, the store cannot be rolled back: the
// start says so once, with what to do, and shows nothing of it; once the folder may be
// written again the next start rolls it back. A journal that holds no cut-off store (left
// by a program that keeps its journal) never stops a start.
TEST_F(Speicher, AStoreKilledMidwayInAFolderMadeReadOnlyIsToldAndNeverShown) {
  MitKarte();
  const QString ordner = Ordner() + "/daten";
  for (const QString was : {"karte", "rekorde", "historie"}) {
    SCOPED_TRACE(was.toStdString());
    ASSERT_TRUE(GetoeteterSpeicher(was, "dbgolfvb.mdb-journal", "loeschen"));
    const QByteArray getoetet = Pruefsumme(DbPfad());
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
    Antworte({1});
    EXPECT_FALSE(Main());
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(Dlg().gezeigt[0].text,
              Text(MELDUNG_UNTERBROCHENE_AENDERUNG)
                  .arg(DbPfad(), Text(MELDUNG_UNTERBRECHUNG_SCHREIBGESCHUETZT).arg(ordner, "dbgolfvb.mdb-journal")));
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
    EXPECT_TRUE(Dlg().dateiDialoge.isEmpty());
    EXPECT_EQ(StartFensterFallsDa(), nullptr);
    EXPECT_FALSE(IstFormGeladen("Golfer"));
    EXPECT_EQ(Pruefsumme(DbPfad()), getoetet);
    FensterZu();
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(Main());
    EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
    FensterZu();
    WieVorDemSpeichern();
  }
  FuehreAus(DbPfad(), {"PRAGMA journal_mode=PERSIST", "UPDATE Greenlogs SET ScoreLoch03 = 5"});
  ASSERT_GT(QFileInfo(DbPfad() + "-journal").size(), 0);
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
  Antworte({1});
  EXPECT_TRUE(Main());
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().Meldungstext(MELDUNG_NUR_LESBAR).arg(DbPfad(), ordner)});
  EXPECT_TRUE(DBG().NurLesen());
  EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
  FensterZu();
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(Main());
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_FALSE(DBG().NurLesen());
}

// Only the file's own journal is rolled back. A store killed midway, then another
// machine's copy renamed over the database by a sync tool: the journal is put aside under a
// name that says so, told once, and the copy opens as it is. A journal not yet put on the
// disk is removed. In a folder that may be written, the start says why it cannot roll back.
TEST_F(Speicher, AJournalIsRolledBackOnlyIntoItsOwnFile) {
  MitKarte();
  const QString ordner = Ordner() + "/daten", kopie = Ordner() + "/kopie.mdb";
  ASSERT_TRUE(QFile::copy(DbPfad(), kopie));
  for (int i = 2; i < 7; ++i)  // the copy's own stores
    FuehreAus(kopie, {QString("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('%1', 'Berta')").arg(i)});
  for (const QString bei : {"1", "2", "loeschen"}) {
    SCOPED_TRACE(bei.toStdString());
    ASSERT_TRUE(GetoeteterSpeicher("karte", bei == "loeschen" ? "dbgolfvb.mdb-journal" : "dbgolfvb.mdb", bei));
    const QByteArray journal = Pruefsumme(DbPfad() + "-journal");
    ASSERT_TRUE(QFile::copy(kopie, ordner + "/sync.tmp"));
    ASSERT_EQ(std::rename(QFile::encodeName(ordner + "/sync.tmp"), QFile::encodeName(DbPfad())), 0);
    for (const int start : {1, 2}) {
      if (start == 1) Antworte({1});
      EXPECT_TRUE(Main());
      const QStringList beiseite = QDir(ordner).entryList({"dbgolfvb.mdb-journal.fremd-*"});
      ASSERT_EQ(beiseite.size(), 1);
      EXPECT_EQ(Pruefsumme(ordner + "/" + beiseite[0]), journal);
      const QStringList gesagt{Text(MELDUNG_FREMDES_JOURNAL).arg(DbPfad(), "dbgolfvb.mdb-journal", beiseite[0])};
      EXPECT_EQ(GezeigteTexte(), start == 1 ? gesagt : QStringList());
      EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
      FensterZu();
    }
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_golfer WHERE Golfername = 'Berta'").toInt(), 5);
    WieVorDemSpeichern();
    for (const QString& rest : QDir(ordner).entryList({"*.fremd-*"})) QFile::remove(ordner + "/" + rest);
  }
  // Another machine's copy one store ahead, whose store grew the file: its counter is one
  // more than the journal's, as the file's own is once the killed store wrote its first
  // page. Rolled back, it fails the check: the copy goes back whole as it was, the journal
  // is put aside, and nothing else is left beside it.
  const QString voraus = Ordner() + "/voraus.mdb";
  ASSERT_TRUE(QFile::copy(DbPfad(), voraus));
  FuehreAus(voraus, {"WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
                     "INSERT INTO tab_golfer (Golferidn, Golfername) SELECT i, printf('%0200d', i) FROM n"});
  ASSERT_TRUE(GetoeteterSpeicher("karte", "dbgolfvb.mdb", "2"));
  QThread::msleep(20);  // a tick of the file system's clock between the journal and the copy
  ASSERT_TRUE(QFile::copy(voraus, ordner + "/sync.tmp"));
  ASSERT_EQ(std::rename(QFile::encodeName(ordner + "/sync.tmp"), QFile::encodeName(DbPfad())), 0);
  Antworte({1});
  EXPECT_TRUE(Main());
  const QStringList beiseite = QDir(ordner).entryList({"dbgolfvb.mdb-journal.fremd-*"});
  ASSERT_EQ(beiseite.size(), 1);
  EXPECT_EQ(GezeigteTexte(),
            QStringList{Text(MELDUNG_JOURNAL_UNGEWISS).arg(DbPfad(), "dbgolfvb.mdb-journal", beiseite[0])});
  EXPECT_EQ(QDir(ordner).entryList({"dbgolfvb.mdb*"}), (QStringList{"dbgolfvb.mdb", beiseite[0]}));
  FensterZu();
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_golfer WHERE CAST(Golferidn AS INTEGER) >= 100").toInt(), 401);
  WieVorDemSpeichern();
  QFile::remove(ordner + "/" + beiseite[0]);
  // A start with no box and no journal left, the card as it was.
  auto startetOhneBox = [&] {
    EXPECT_TRUE(Main());
    EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
    FensterZu();
    WieVorDemSpeichern();
  };
  // Killed before its journal's header was first written in full.
  ASSERT_TRUE(GetoeteterSpeicher("karte", "dbgolfvb.mdb-journal", "2"));
  QFile j(DbPfad() + "-journal");
  ASSERT_TRUE(j.open(QIODevice::ReadOnly));
  ASSERT_EQ(j.read(8), QByteArray(8, '\0'));
  startetOhneBox();
  // The file's own journal while another program holds its read lock; then without.
  ASSERT_TRUE(GetoeteterSpeicher("karte", "dbgolfvb.mdb", "2"));
  {
    OffenInAnderemProgramm leser(DbPfad(), true);
    Antworte({1});
    EXPECT_FALSE(Main());
    EXPECT_EQ(GezeigteTexte(),
              QStringList{Text(MELDUNG_UNTERBROCHENE_AENDERUNG).arg(DbPfad(), Text(MELDUNG_UNTERBRECHUNG_GELESEN))});
    FensterZu();
  }
  startetOhneBox();
}

// ------------------------------------------------------------------ the settings file

TEST_F(Speicher, UnreadableSettingsFileOneMessageThenFirstStart) {
  const QString datei = Ordner() + "/kaputt.ini";
  QDir().mkpath(datei);  // a folder where the file should be: it cannot be read
  SetzeEinstellungsdatei(datei);
  Antworte({1});
  EXPECT_FALSE(PruefeEinstellungsdatei());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(datei));
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("keine Datei"));
  EXPECT_TRUE(QFileInfo(datei + ".defekt").isDir());
  // As on a first start: nothing is found, and what is written is kept.
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB"), "NOT_FOUND");
  EXPECT_EQ(SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", DbPfad()), DbPfad());
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB"), DbPfad());
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
}

TEST_F(Speicher, GarbledSettingsFileIsKeptAsideAndTheProgramStarts) {
  const QString datei = Ordner() + "/kaputt.ini";
  QByteArray muell;
  for (int i = 0; i < 400; ++i) muell.append(char((i * 37) % 256));
  SchreibeDatei(datei, muell);
  SetzeEinstellungsdatei(datei);
  // The database and language database are asked for, as on a first start.
  Dlg().dateien.push_back(DbPfad());
  Dlg().dateien.push_back(Programmordner() + "/" + SPRACHDATEI);
  Dlg().unbeantwortet = nullptr;
  Main();
  const QStringList texte = GezeigteTexte();
  ASSERT_FALSE(texte.isEmpty());
  EXPECT_TRUE(texte[0].contains(datei)) << texte.join(" | ").toStdString();
  EXPECT_FALSE(texte.join(" ").contains("Message 43")) << texte.join(" | ").toStdString();
  EXPECT_EQ(Pruefsumme(datei + ".defekt"), QCryptographicHash::hash(muell, QCryptographicHash::Sha256));
  EXPECT_EQ(Dlg().dateiDialoge.value(0), "Verbinde Zantro Puttwise! 2.0 Datenbank");
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB"), DbPfad());
}

TEST_F(Speicher, ReadableSettingsFileIsLeftAlone) {
  EXPECT_TRUE(PruefeEinstellungsdatei());
  SetzeEinstellungsdatei(Ordner() + "/gibtsnicht.ini");
  EXPECT_TRUE(PruefeEinstellungsdatei());
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

// ------------------------------------------------------------------ compaction

TEST_F(Speicher, CompactionRefusesAReadOnlyFile) {
  DBG();
  QFile::setPermissions(DbPfad(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  const QByteArray vorher = Pruefsumme(DbPfad());
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_KOMPRIMIERT)));
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Text(MELDUNG_GRUND_SCHREIBGESCHUETZT)));
  EXPECT_EQ(Markiert(DbPfad()), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  EXPECT_EQ(Pruefsumme(DbPfad()), vorher);
  EXPECT_TRUE(DBG().IstOffen());
}

TEST_F(Speicher, CompactionRefusesAReadOnlyFolder) {
  DBG();
  QFile::setPermissions(Ordner() + "/daten", QFile::ReadOwner | QFile::ExeOwner);
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Text(MELDUNG_GRUND_SCHREIBGESCHUETZT)));
  EXPECT_FALSE(QFile::exists(Ordner() + "/daten/CompressedDB.mdb"));
}

TEST_F(Speicher, CompactedFileKeepsPermissionsAndLeftoversAreRemoved) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'Anna')");
  QSqlDatabase::database("test_direkt").close();
  QFile::setPermissions(DbPfad(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
  SchreibeDatei(DbPfad() + ".neu", "von einem abgebrochenen Lauf");
  DBG();
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, Text(227));
  EXPECT_EQ(Markiert(DbPfad()), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
  EXPECT_FALSE(QFile::exists(DbPfad() + ".neu"));
  EXPECT_EQ(DBG().gib_tab_eintrag("tab_golfer", "Golferidn", "1", "Golfername"), "Anna");
}

// A compaction killed while it makes its copy, or while it copies it for the database's
// place, leaves files that the next start removes, unless another program has them open;
// the copy a finished compaction leaves stays.
TEST_F(Speicher, WhatAKilledCompactionLeftIsRemovedAtTheNextStart) {
  MitKarte();
  const QString kopie = Ordner() + "/daten/CompressedDB.mdb", neu = DbPfad() + ".neu";
  const QStringList reste = {kopie, kopie + "-journal", neu};
  auto vorhanden = [&reste] {
    QStringList da;
    for (const QString& r : reste)
      if (QFile::exists(r)) da << QFileInfo(r).fileName();
    return da.join(' ');
  };
  for (const auto& [datei, bei] : {std::pair<QString, QString>{"CompressedDB.mdb", "3"}, {"dbgolfvb.mdb.neu", "2"}}) {
    SCOPED_TRACE(datei.toStdString());
    ASSERT_TRUE(GetoeteterSpeicher("komprimieren", datei, bei));
    ASSERT_TRUE(QFile::exists(Ordner() + "/daten/" + datei));
    std::optional<OffenInAnderemProgramm> anderes;
    anderes.emplace(Ordner() + "/daten/" + datei);
    EXPECT_TRUE(Main());
    EXPECT_TRUE(QFile::exists(Ordner() + "/daten/" + datei));
    FensterZu();
    anderes.reset();
    EXPECT_TRUE(Main());
    EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(vorhanden(), "");
    FensterZu();
    WieVorDemSpeichern();
  }
  ASSERT_FALSE(GetoeteterSpeicher("komprimieren", "", "1"));
  EXPECT_EQ(vorhanden(), "CompressedDB.mdb");
  EXPECT_TRUE(Main());
  EXPECT_EQ(vorhanden(), "CompressedDB.mdb");
}

TEST_F(Speicher, CompactionWhileAnotherProgramHasTheDatabaseIsRefusedAndKeepsItsWork) {
  const QString belegt = Text(MELDUNG_NICHT_KOMPRIMIERT) + "\n" + Text(MELDUNG_GRUND_GESPERRT);
  // Another program holds a write transaction.
  QSqlQuery q;
  ASSERT_NO_FATAL_FAILURE(FremdSchreibt(q, "BEGIN IMMEDIATE"));
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(belegt)) << Dlg().gezeigt[0].text.toStdString();
  EXPECT_TRUE(q.exec("COMMIT")) << q.lastError().text().toStdString();
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '7'").toString(), "Berta");
  EXPECT_TRUE(DBG().IstOffen());

  // Merely open in another program, between two transactions: the file is not replaced
  // under it either.
  {
    OffenInAnderemProgramm offen(DbPfad());
    Dlg().gezeigt.clear();
    Antworte({1});
    BefehlDatenbankKomprimieren();
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(belegt)) << Dlg().gezeigt[0].text.toStdString();
  }
  EXPECT_TRUE(q.exec("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('8', 'Carla')"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_golfer WHERE Golferidn IN ('7', '8')").toInt(), 2);

  // Once the other program has closed it, the database is compacted with all its rows.
  q = QSqlQuery();
  QSqlDatabase::database("test_fremd").close();
  QSqlDatabase::database("test_direkt").close();
  Dlg().gezeigt.clear();
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].text, Text(227));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_golfer WHERE Golferidn IN ('7', '8')").toInt(), 2);
}

TEST_F(Speicher, CompactionByAUserWhoMayWriteTheFileButDoesNotOwnIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "another user can be played only by an administrator";
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'Anna')");
  QSqlDatabase::database("test_direkt").close();
  // This user's file, writable for everybody, in a folder shared by everybody.
  const auto alle = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                    QFile::WriteOther;
  const auto lesen = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
  const auto betreten = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
  QFile::setPermissions(Ordner(), QFile::WriteOwner | lesen | betreten);
  QFile::setPermissions(Ordner() + "/daten", alle | betreten);
  QFile::setPermissions(DbPfad(), alle);
  QFile::setPermissions(Einstellungsdatei(), QFile::WriteOwner | lesen);
  auto* start = new Start();
  const QString fertig = Text(227);
  // Another user compacts it through the File menu.
  const pid_t kind = Kindprozess();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(77);
    Dlg().unbeantwortet = [](const QString&) {};
    Antworte({1});
    start->Datenbankkomprimieren->trigger();
    const bool ok = Dlg().gezeigt.size() == 1 && Dlg().gezeigt[0].text == fertig;
    for (const auto& box : Dlg().gezeigt) std::fprintf(stderr, "%s\n", qPrintable(box.text));
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(kind, &status, 0), kind);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot become another user here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The compacted file holds the rows and stays writable for everybody.
  EXPECT_EQ(Markiert(DbPfad()), alle);
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer WHERE Golferidn = '1'").toString(), "Anna");
  EXPECT_TRUE(QFile::exists(Ordner() + "/daten/CompressedDB.mdb"));
}

TEST_F(Speicher, CompactionThroughALinkCompactsTheFileAndKeepsTheLink) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  QSqlDatabase::database("test_direkt").close();
  const QString link = Ordner() + "/verweis/dbgolfvb.mdb";
  QDir().mkpath(Ordner() + "/verweis");
  ASSERT_TRUE(QFile::link(DbPfad(), link));
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", link);
  ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  Antworte({1});
  StartFensterFallsDa()->Datenbankkomprimieren->trigger();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].text, Text(227));
  // The link still names the file, which is the compacted database; the copy lies beside
  // the link.
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(QFileInfo(link).symLinkTarget(), DbPfad());
  EXPECT_FALSE(QFileInfo(DbPfad()).isSymLink());
  EXPECT_TRUE(QFile::exists(Ordner() + "/verweis/CompressedDB.mdb"));
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna");
  // The program holds the lock of the compacted file, and stores into it.
  EXPECT_FALSE(AndereSperre(DbPfad()).Gehalten());
  DBG().WriteEinstellungenIntern("Danach", "1");
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'Danach'").toString(), "1");
  EXPECT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
}

TEST_F(Speicher, FailedCompactionGivesOneBoxAndKeepsTheDatabase) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'Anna')");
  QSqlDatabase::database("test_direkt").close();
  DBG();
  const QByteArray vorher = Pruefsumme(DbPfad());
  SetzeFehlerprobe(FehlerBei("VACUUM INTO", 13));
  Antworte({1});
  BefehlDatenbankKomprimieren();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_KOMPRIMIERT)));
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Text(MELDUNG_GRUND_VOLL)));
  // The reason in the interface language, without the engine's English after it.
  EXPECT_FALSE(Dlg().gezeigt[0].text.contains("injected failure"));
  EXPECT_EQ(Pruefsumme(DbPfad()), vorher);
  EXPECT_TRUE(DBG().IstOffen());
  EXPECT_EQ(DBG().gib_tab_eintrag("tab_golfer", "Golferidn", "1", "Golfername"), "Anna");
}

TEST_F(Speicher, CompactionWhoseCopyFindsTheDiskFullSaysSoInTheInterfaceLanguage) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'Anna')");
  QSqlDatabase::database("test_direkt").close();
  for (int sprache : {1, 2}) {
    Sprachnummer = sprache;
    DBG();
    const QByteArray vorher = Pruefsumme(DbPfad());
    // The compacted file is written; its copy beside the database runs out of space.
    SetzeFehlerprobe(FehlerBei("COPY ", 13));
    Antworte({1});
    BefehlDatenbankKomprimieren();
    SetzeFehlerprobe({});
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    const QString text = Dlg().gezeigt[0].text;
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
    EXPECT_TRUE(text.startsWith(Text(MELDUNG_NICHT_KOMPRIMIERT) + "\n" + Text(MELDUNG_GRUND_VOLL)))
        << text.toStdString();
    EXPECT_FALSE(text.contains(Text(MELDUNG_GRUND_SONSTIG))) << text.toStdString();
    EXPECT_FALSE(text.contains("Cannot")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QDir::toNativeSeparators(DbPfad() + ".neu"))) << text.toStdString();
    EXPECT_EQ(Pruefsumme(DbPfad()), vorher);
    EXPECT_FALSE(QFile::exists(DbPfad() + ".neu"));
    EXPECT_EQ(DBG().gib_tab_eintrag("tab_golfer", "Golferidn", "1", "Golfername"), "Anna");
    Dlg().gezeigt.clear();
  }
  EXPECT_EQ(FehlerartVonErrno(ENOSPC), Fehlerart::Voll);
  EXPECT_EQ(FehlerartVonErrno(EROFS), Fehlerart::Schreibgeschuetzt);
  EXPECT_EQ(FehlerartVonErrno(EIO), Fehlerart::Sonstig);
}

// ------------------------------------------------------------------ one box per failed action

TEST_F(Speicher, KindsOfFailure) {
  EXPECT_EQ(FehlerartVonCode(5), Fehlerart::Gesperrt);
  EXPECT_EQ(FehlerartVonCode(517), Fehlerart::Gesperrt);  // busy snapshot
  EXPECT_EQ(FehlerartVonCode(6), Fehlerart::Gesperrt);
  EXPECT_EQ(FehlerartVonCode(13), Fehlerart::Voll);
  EXPECT_EQ(FehlerartVonCode(10 | (3 << 8)), Fehlerart::Voll);
  EXPECT_EQ(FehlerartVonCode(8), Fehlerart::Schreibgeschuetzt);
  EXPECT_EQ(FehlerartVonCode(8 | (3 << 8)), Fehlerart::Schreibgeschuetzt);
  EXPECT_EQ(FehlerartVonCode(11), Fehlerart::Beschaedigt);
  EXPECT_EQ(FehlerartVonCode(26), Fehlerart::Beschaedigt);
  EXPECT_EQ(FehlerartVonCode(1), Fehlerart::Sonstig);
  EXPECT_EQ(FehlerartVonCode(19), Fehlerart::Sonstig);  // a constraint
  EXPECT_EQ(FehlerartVon(QSqlError("database is locked", "Unable to fetch row")), Fehlerart::Gesperrt);
  EXPECT_EQ(FehlerartVon(QSqlError("file is not a database", "Unable to execute statement")), Fehlerart::Beschaedigt);
  EXPECT_EQ(FehlerartVon(QSqlError("near \"x\": syntax error", "")), Fehlerart::Sonstig);
}

TEST_F(Speicher, LockedDatabaseFailsFastWithOneBoxInTheInterfaceLanguage) {
  // German as at start: Qt's own texts come from its German catalogue.
  ASSERT_TRUE(LadeQtUebersetzung(1));
  DBG();
  QSqlDatabase anderer = Fremd(DbPfad());
  QSqlQuery sperre(anderer);
  ASSERT_TRUE(sperre.exec("BEGIN IMMEDIATE"));
  Antworte({1});
  QElapsedTimer t;
  t.start();
  {
    Speicheraktion aktion;
    DBG().WriteEinstellungenIntern("Eins", "1");
    DBG().WriteEinstellungenIntern("Zwei", "2");
    EXPECT_TRUE(aktion.Fehlgeschlagen());
    EXPECT_EQ(aktion.Art(), Fehlerart::Gesperrt);
    EXPECT_TRUE(Dlg().gezeigt.empty());  // not before the action ends
  }
  EXPECT_LT(t.elapsed(), SPERRFRIST_MS);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  // Headline and reason in the interface language, without the database engine's English
  // words after them, nor Qt's wording in its catalogue's language.
  const QStringList zeilen = Dlg().gezeigt[0].text.split('\n');
  EXPECT_EQ(zeilen, (QStringList{Text(MELDUNG_NICHT_GESPEICHERT), Text(MELDUNG_GRUND_GESPERRT)}));
  // Without an open action the common box says so in the interface language too, the
  // engine's words only as the detail; so does a count of the second connection.
  Antworte({1, 1});
  DBG().WriteEinstellungenIntern("Drei", "3");
  // (Kept for good after a write, the other program's lock keeps out every reader.)
  ASSERT_TRUE(sperre.exec("PRAGMA locking_mode=EXCLUSIVE") &&
              sperre.exec("INSERT INTO tab_golfer (Golferidn) VALUES ('9')") && sperre.exec("COMMIT"));
  DBT().CountRS("SELECT * FROM tab_golfer");
  ASSERT_EQ(Dlg().gezeigt.size(), 3u);
  for (const int i : {1, 2})
    EXPECT_EQ(Dlg().gezeigt[i].text,
              Text(MELDUNG_DATENBANKFEHLER) + "\n" + Text(MELDUNG_GRUND_GESPERRT) + "\n\ndatabase is locked");
  sperre.exec("ROLLBACK");
  anderer.close();
  LadeQtUebersetzung(2);
}

TEST_F(Speicher, ShortBusyTimeoutAndFullSync) {
  QSqlQuery q(DBG().Db());
  ASSERT_TRUE(q.exec("PRAGMA busy_timeout") && q.next());
  EXPECT_EQ(q.value(0).toInt(), 2000);
  ASSERT_TRUE(q.exec("PRAGMA synchronous") && q.next());
  EXPECT_EQ(q.value(0).toInt(), 2);  // FULL
  ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
  EXPECT_EQ(q.value(0).toString(), "delete");
}

TEST_F(Speicher, FailedCommitRollsBackAndReportsOnce) {
  SetzeFehlerprobe(FehlerBei("COMMIT", 13));
  Antworte({1});
  bool ok = true;
  {
    Speicheraktion aktion;
    ok = DBG().InTransaktion(
        [] { return DBG().aendere_tab_eintrag("Tab_Spielart", "Spielartidn", "2", "Geändert", "Spielartname"); });
  }
  EXPECT_FALSE(ok);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Text(MELDUNG_GRUND_VOLL)));
  SetzeFehlerprobe({});
  EXPECT_NE(DBG().gib_tab_eintrag("Tab_Spielart", "Spielartidn", "2", "Spielartname"), "Geändert");
}

TEST_F(Speicher, InnerActionReportsIntoTheOuterOne) {
  SetzeFehlerprobe(FehlerBei("INSERT INTO tab_EinstellungenIntern", 8, 2));
  Antworte({1});
  {
    Speicheraktion aussen;
    {
      Speicheraktion innen;
      DBG().WriteEinstellungenIntern("A", "1");
      EXPECT_FALSE(innen.Fehlgeschlagen());
      DBG().WriteEinstellungenIntern("B", "1");  // the second insert fails
      EXPECT_TRUE(innen.Fehlgeschlagen());
    }
    EXPECT_TRUE(Dlg().gezeigt.empty());
    EXPECT_TRUE(aussen.Fehlgeschlagen());
    DBG().WriteEinstellungenIntern("C", "1");
  }
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Text(MELDUNG_GRUND_SCHREIBGESCHUETZT)));
  EXPECT_EQ(DBG().gib_tab_eintrag("tab_EinstellungenIntern", "Bezeichnung", "A", "Wert"), "1");
  EXPECT_EQ(DBG().gib_tab_eintrag("tab_EinstellungenIntern", "Bezeichnung", "B", "Wert"), "");
}

TEST_F(Speicher, WithoutAnActionAFailureIsShownAtOnce) {
  SetzeFehlerprobe(FehlerBei("UPDATE", 19));
  Antworte({1});
  EXPECT_FALSE(DBG().aendere_tab_eintrag("Tab_Spielart", "Spielartidn", "2", "X", "Spielartname"));
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("injected failure"));
}

TEST_F(Speicher, StartUpOnAReadOnlyDatabaseGivesOneBox) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  QSqlDatabase::database("test_direkt").close();
  // Every write of the start fails as on a read-only database.
  SetzeFehlerprobe([](const QString& sql) {
    const QString s = sql.trimmed().toUpper();
    if (s.startsWith("INSERT") || s.startsWith("UPDATE") || s == "COMMIT")
      return QSqlError("attempt to write a readonly database", "Unable to fetch row", QSqlError::StatementError, "8");
    return QSqlError();
  });
  Antworte({1});
  EXPECT_TRUE(Main());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_GESPEICHERT)));
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(Text(MELDUNG_GRUND_SCHREIBGESCHUETZT)));
}

TEST_F(Speicher, ReadOnlyDatabaseStartsShowsItsDataAndRefusesAStore) {
  Sql("PRAGMA journal_mode=WAL");
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
      "VALUES ('1', 'Anna', 20.6, 21, '1', 1)");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub) VALUES ('2', 'Berta', 12.4, "
      "12, '1')");
  // Cards as they are stored, the drive lengths with their decimal.
  for (const char* id : {"1", "2"})
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, Spielart, AktHdcp, ShowWhat, "
        "HdcpHistorieZustand, DistanceLoch01, DistanceLoch02) VALUES (?, ?, '2024-05-12', '1', '2', 23, '11111111', "
        "'0', 236.1, 231.5)",
        {id, id});
  QSqlDatabase::database("test_direkt").close();
  ASSERT_FALSE(QFile::exists(DbPfad() + "-wal"));
  ASSERT_FALSE(QFile::exists(DbPfad() + "-shm"));
  // The program holds to the read-only mark even where the system would let it write
  // (these tests may run as an administrator).
  const QString ordner = Ordner() + "/daten";
  for (const QString& schreibgeschuetzt : {ordner, DbPfad()}) {
    QFile::setPermissions(schreibgeschuetzt, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray vorher = Pruefsumme(DbPfad());
    DatenbankPfad.clear();
    Antworte({1});
    EXPECT_TRUE(Main());
    // Told once, naming what is read-only.
    EXPECT_EQ(GezeigteTexte(), QStringList{SPU().Meldungstext(MELDUNG_NUR_LESBAR).arg(DbPfad(), schreibgeschuetzt)});
    Dlg().gezeigt.clear();
    EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
    EXPECT_EQ(Hintergrundfarbe, 8421376);
    // Saving what did not change writes nothing and is no failure; a store the user makes
    // is refused as such, and what was typed stays.
    EXPECT_TRUE(WriteGolferdaten("1"));
    EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
    // Looking writes nothing and says nothing: each golfer's card shown and left, to the
    // second golfer and back as the search goes.
    for (const QString& golfer : {QStringLiteral("2"), QStringLiteral("1")}) {
      QString karte = "LAST";
      EXPECT_TRUE(GotoScorekarte(karte));
      EXPECT_EQ(GolferForm().DistanceLoch[1]->text(), "236,1");
      ASSERT_TRUE(VerlasseScorekarte() && WriteGolferdaten(GolferForm().GolferIdn->text()));
      QString name;
      GotoGolfer(name, golfer);
    }
    EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
    GolferForm().Golfername->setText("Anna Berger");
    Antworte({1});
    EXPECT_FALSE(WriteGolferdaten("1"));
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_GESPEICHERT) + "\n" +
                                                 Text(MELDUNG_GRUND_SCHREIBGESCHUETZT)))
        << Dlg().gezeigt[0].text.toStdString();
    EXPECT_EQ(GolferForm().Golfername->text(), "Anna Berger");
    // Exit ends the program, after the one box that says the change is not stored.
    BeendeMitEinerBox();
    EXPECT_EQ(Pruefsumme(DbPfad()), vorher);
    QFile::setPermissions(schreibgeschuetzt, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Dlg().gezeigt.clear();
  }
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna");
  // Writable again: an unchanged golfer is saved without a row written.
  QSqlDatabase::database("test_direkt").close();
  ASSERT_TRUE(ReadGolferdaten("1"));
  const long long vorher = GeaenderteZeilen();
  EXPECT_TRUE(WriteGolferdaten("1"));
  EXPECT_EQ(GeaenderteZeilen(), vorher);
}

TEST_F(Speicher, ReadOnlyFolderWithRowsInTheJournalShowsThemOrSaysItCannotRead) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', 1)");
  QSqlDatabase::database("test_direkt").close();
  // A database in WAL mode whose last change is still in its journal (its program was
  // killed), in a folder that became read-only.
  const QString ordner = Ordner() + "/daten/kopie", kopie = ordner + "/dbgolfvb.mdb";
  QDir().mkpath(ordner);
  {
    QSqlDatabase db = Fremd(DbPfad());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("PRAGMA journal_mode=WAL") && q.exec("PRAGMA wal_autocheckpoint=0"));
    ASSERT_TRUE(q.exec("UPDATE tab_golfer SET Golfername = 'Anna Berger'"));
    ASSERT_TRUE(QFile::copy(DbPfad(), kopie));
    ASSERT_TRUE(QFile::copy(DbPfad() + "-wal", kopie + "-wal"));
    q = QSqlQuery();
    db.close();
  }
  QSqlDatabase::removeDatabase("test_fremd");
  ASSERT_GT(QFileInfo(kopie + "-wal").size(), 0);
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", kopie);
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
  // Never the older row: the journal's row, or a box that the file cannot be read (where
  // this user may not make the journal's index beside it).
  Dlg().unbeantwortet = nullptr;
  if (Main()) {
    EXPECT_EQ(GolferForm().Golfername->text(), "Anna Berger") << GezeigteTexte().join(" | ").toStdString();
  } else {
    EXPECT_TRUE(GezeigteTexte().join(" ").contains(QDir::toNativeSeparators(kopie)))
        << GezeigteTexte().join(" | ").toStdString();
  }
  delete StartFensterFallsDa();
  GlobaleObjekteFreigeben();
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// ------------------------------------------------------------------ the file holds the data

TEST_F(Speicher, AfterAStoreTheFileAloneHoldsTheCardAsTheUserLeftIt) {
  MitKarte();
  ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  QString karte = "LAST";
  ASSERT_TRUE(GotoScorekarte(karte));
  Golfer& g = GolferForm();
  g.TabstripGolfer->setCurrentIndex(1);
  // The stored lengths are shown whole; typing takes three characters.
  EXPECT_EQ(g.DistanceLoch[1]->text(), "236,1");
  EXPECT_EQ(g.DistanceLoch[2]->text(), "231,5");
  // ... in a type small enough for the box (its frame and margins take four pixels a side).
  for (int i : {1, 2}) {
    QLineEdit* t = g.DistanceLoch[i];
    EXPECT_LE(t->fontMetrics().horizontalAdvance(t->text()), t->width() - 8) << i;
    EXPECT_LT(t->font().pointSizeF(), g.ScoreLoch[i]->font().pointSizeF()) << i;
  }
  g.DistanceLoch[3]->setFocus();
  QTest::keyClicks(g.DistanceLoch[3], "2345");
  EXPECT_EQ(g.DistanceLoch[3]->text(), "234");
  g.ScoreLoch[1]->setText("5");
  EXPECT_TRUE(VerlasseScorekarte());
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
  // A backup copies the file alone while the program runs: it holds the card stored, the
  // lengths the user did not touch as they were.
  const QString sicherung = Ordner() + "/sicherung.mdb";
  ASSERT_TRUE(QFile::copy(DbPfad(), sicherung));
  EXPECT_FALSE(QFile::exists(DbPfad() + "-wal"));
  EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
  {
    QSqlDatabase db = Fremd(sicherung);
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("SELECT ScoreLoch01, DistanceLoch01, DistanceLoch02, DistanceLoch03 FROM Greenlogs") &&
                q.next());
    EXPECT_EQ(q.value(0).toInt(), 5);
    EXPECT_DOUBLE_EQ(q.value(1).toDouble(), 236.1);
    EXPECT_DOUBLE_EQ(q.value(2).toDouble(), 231.5);
    EXPECT_DOUBLE_EQ(q.value(3).toDouble(), 234);
    q = QSqlQuery();
    db.close();
  }
}

// A file that is no database put in the database's place while the program runs (an HTML
// page a broken sync leaves, an empty file, a truncated copy), or the file deleted: the
// program writes the whole database it holds there with the typing, says once where, keeps
// the file it found beside it unchanged, and works on the database with its lock. With
// nothing typed the program's end writes it; the records save writes it as well.
TEST_F(Speicher, ADatabaseFileDeletedOrReplacedByNoDatabaseWhileTheProgramRunsIsWrittenBackWhole) {
  const QString ordner = Ordner() + "/daten", anders = Ordner() + "/anders";
  // The one box says where the database and the file found there (kept unchanged) are; the
  // database is whole at its path, with its permissions, the card as `score` says, and no
  // journal or half-written copy beside it. Then a fresh database for the next round.
  auto geschrieben = [&](const QString& box, int grund, const QByteArray& fremd, int score) {
    const QStringList beiseite = QDir(ordner).entryList({"dbgolfvb.mdb.fremd-*"}).filter(QRegularExpression("\\d$"));
    ASSERT_EQ(beiseite.size(), grund ? 1 : 0);
    EXPECT_EQ(box,
              grund ? SPU().Meldungstext(MELDUNG_DATENBANK_STATT_FREMDER_DATEI).arg(DbPfad(), Text(grund), beiseite[0])
                    : SPU().Meldungstext(MELDUNG_DATENBANK_ZURUECKGESCHRIEBEN).arg(DbPfad()));
    if (grund) {
      EXPECT_EQ(Pruefsumme(ordner + "/" + beiseite[0]), fremd);
      // The journal found beside it, kept with it.
      if (grund == MELDUNG_KEINE_DATENBANK) {
        EXPECT_EQ(Lies(ordner + "/" + beiseite[0] + "-journal"), QByteArray("ein Journal der Seite"));
      }
    }
    EXPECT_EQ(SqlWert("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung LIKE 'x%'").toInt(), 600);
    EXPECT_EQ(SqlWert("SELECT ScoreLoch01 FROM Greenlogs").toInt(), score);
    QSqlDatabase::database("test_direkt").close();
    EXPECT_EQ(Markiert(DbPfad()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(QDir(ordner).entryList({"dbgolfvb.mdb-*", "*.gesichert-*"}).isEmpty());
    for (const QString& datei : QDir(ordner).entryList({"dbgolfvb.mdb*"})) QFile::remove(ordner + "/" + datei);
    ASSERT_TRUE(QFile::copy(PW_LEERE_DB, DbPfad()));
    QFile::setPermissions(DbPfad(), QFile::ReadOwner | QFile::WriteOwner);
  };
  for (const int grund : {MELDUNG_KEINE_DATENBANK, MELDUNG_DATEI_LEER, MELDUNG_DATENBANK_BESCHAEDIGT, 0}) {
    SCOPED_TRACE(grund);
    MitKarte();
    MitVielenZeilen(600);
    // An HTML page, an empty file, a truncated copy; 0: the file deleted.
    SchreibeDatei(anders,
                  grund == MELDUNG_KEINE_DATENBANK ? "<html><body>Bitte melden Sie sich an.</body></html>\n" : "");
    if (grund == MELDUNG_DATENBANK_BESCHAEDIGT) {
      ASSERT_TRUE(QFile::remove(anders) && QFile::copy(DbPfad(), anders));
      QFile f(anders);
      ASSERT_TRUE(f.resize(f.size() / 2));
    }
    const QByteArray fremd = Pruefsumme(anders);
    ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
    QString karte = "LAST";
    ASSERT_TRUE(GotoScorekarte(karte));
    if (grund == 0)
      ASSERT_TRUE(QFile::remove(DbPfad()));
    else
      ASSERT_EQ(std::rename(QFile::encodeName(anders).constData(), QFile::encodeName(DbPfad()).constData()), 0);
    if (grund == MELDUNG_KEINE_DATENBANK) SchreibeDatei(DbPfad() + "-journal", "ein Journal der Seite");
    Antworte({1});
    if (grund != 0) {
      // The user changes a score and moves on: stored, into the database written back.
      GolferForm().ScoreLoch[1]->setText("7");
      EXPECT_TRUE(VerlasseScorekarte());
      EXPECT_FALSE(AndereSperre(DbPfad()).Gehalten());
    }
    // Exit ends the program; with nothing typed it writes the database first.
    StartFensterFallsDa()->Exit->trigger();
    EXPECT_FALSE(IstFormGeladen("Golfer"));
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_INFO);
    const QString box = Dlg().gezeigt[0].text;
    FensterZu();
    geschrieben(box, grund, fremd, grund ? 7 : 4);
  }
  // The records save, while an empty file is renamed over the database as its commit writes.
  MitKarte();
  MitVielenZeilen(600);
  SchreibeDatei(anders, "");
  const QByteArray leer = Pruefsumme(anders);
  QProcess kind;
  Speicherkind(kind, "rekorde", "dbgolfvb.mdb", "1", anders);
  EXPECT_EQ(kind.exitCode(), 0);
  EXPECT_GT(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 0);
  const QString box = QString::fromUtf8(kind.readAllStandardOutput()).trimmed();
  EXPECT_TRUE(box.startsWith("box: ")) << box.toStdString();
  geschrieben(box.mid(5), MELDUNG_DATEI_LEER, leer, 4);
}

// A write-back killed between writing its whole copy and renaming it into place: the next
// start names the copy and takes it on Yes. One killed while it wrote the copy leaves a part
// of one: never taken, and named once by the start as incomplete, as is a journal put aside.
TEST_F(Speicher, AWriteBackCutOffIsTakenWhereItsCopyIsWholeAndNamedWhereNot) {
  const QString ordner = Ordner() + "/daten", anders = Ordner() + "/anders", gut = Ordner() + "/gut.mdb";
  const QString praefix = QFileInfo(DbPfad()).canonicalFilePath() + ".gesichert-";
  MitKarte();
  MitVielenZeilen(600);
  // The card store finds an empty file renamed over the database at its first write.
  SchreibeDatei(anders, "");
  QProcess kind;
  Speicherkind(kind, "karte", "dbgolfvb.mdb", "1", anders, {praefix, "umbenennen"});
  ASSERT_EQ(kind.exitStatus(), QProcess::CrashExit);
  ASSERT_FALSE(QFile::exists(DbPfad()));
  const QStringList kopie = QDir(ordner).entryList({"dbgolfvb.mdb.gesichert-*"});
  ASSERT_EQ(kopie.size(), 1);
  const QString zeit =
      QLocale(QLocale::German).toString(QFileInfo(ordner + "/" + kopie[0]).lastModified(), QLocale::ShortFormat);
  Antworte({ANTWORT_JA});
  EXPECT_TRUE(Main());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].text, SPU().Meldungstext(MELDUNG_KOPIE_NEHMEN).arg(DbPfad(), kopie[0], zeit));
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_FRAGE);
  EXPECT_EQ(GolferForm().Golfername->text(), "Anna");
  FensterZu();
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung LIKE 'x%'").toInt(), 600);
  EXPECT_TRUE(QDir(ordner).entryList({"*.gesichert-*"}).isEmpty());
  QSqlDatabase::database("test_direkt").close();
  ASSERT_TRUE(QFile::copy(DbPfad(), gut));

  // The records save, killed at the copy's second write: the empty file stays at the path,
  // the copy is a part.
  SchreibeDatei(anders, "");
  Speicherkind(kind, "rekorde", "dbgolfvb.mdb", "1", anders, {praefix, "2"});
  ASSERT_EQ(kind.exitStatus(), QProcess::CrashExit);
  const QStringList teil = QDir(ordner).entryList({"dbgolfvb.mdb.gesichert-*"});
  ASSERT_FALSE(teil.isEmpty());
  NimmGesicherteKopie(DbPfad());
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(QFileInfo(DbPfad()).size(), 0);
  ASSERT_TRUE(QFile::remove(DbPfad()) && QFile::copy(gut, DbPfad()));
  const QString journal = "dbgolfvb.mdb-journal.fremd-20240512-101500";
  SchreibeDatei(ordner + "/" + journal, "eine Seite");
  QString gesagt = Text(MELDUNG_RESTE).arg(DbPfad()) + "\n\n" + journal + ": " + Text(TEXT_REST_JOURNAL);
  for (const QString& t : teil) gesagt += "\n\n" + t + ": " + Text(TEXT_REST_UNVOLLSTAENDIG);
  for (const int start : {1, 2}) {
    if (start == 1) Antworte({1});
    EXPECT_TRUE(Main());
    EXPECT_EQ(GezeigteTexte(), start == 1 ? QStringList{gesagt} : QStringList());
    FensterZu();
  }
  EXPECT_EQ(QDir(ordner).entryList({"dbgolfvb.mdb.gesichert-*"}), teil);
}

// The file deleted while the program runs and a fresh database laid out at the path: the
// database the program held is written whole beside the path before it is let go, and
// named; so is it on the golfer page, whose tab changes after the database was written back.
TEST_F(Speicher, ADatabaseNoLongerAtAnyPathIsWrittenOutBeforeTheProgramLetsItGo) {
  const QString ordner = Ordner() + "/daten";
  MitKarte();
  MitVielenZeilen(600);
  ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  ASSERT_TRUE(QFile::remove(DbPfad()) && QFile::copy(PW_LEERE_DB, DbPfad()));
  Antworte({1, 1});
  StartFensterFallsDa()->Datenbankkomprimieren->trigger();
  const QStringList bisher = QDir(ordner).entryList({"dbgolfvb.mdb.bisher-*"});
  ASSERT_EQ(bisher.size(), 1);
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].text,
            SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(DbPfad()) + "\n\n" +
                SPU().Meldungstext(MELDUNG_BISHERIGE_DATENBANK_AUFBEWAHRT).arg(ordner + "/" + bisher[0]));
  FensterZu();
  {
    QSqlDatabase db = Fremd(ordner + "/" + bisher[0]);
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("SELECT COUNT(*), (SELECT Golfername FROM tab_golfer) FROM tab_EinstellungenIntern "
                       "WHERE Bezeichnung LIKE 'x%'") &&
                q.next());
    EXPECT_EQ(q.value(0).toInt(), 600);
    EXPECT_EQ(q.value(1).toString(), "Anna");
    q = QSqlQuery();
    db.close();
  }
  QSqlDatabase::removeDatabase("test_fremd");
  ASSERT_TRUE(QFile::remove(DbPfad()) && QFile::copy(ordner + "/" + bisher[0], DbPfad()));

  // The golfer page: a changed name, the file deleted, a click on the card tab.
  ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  Golfer& g = GolferForm();
  g.Golfername->setText("Anna Berger");
  ASSERT_TRUE(QFile::remove(DbPfad()));
  Antworte({1});
  QTabBar* reiter = g.TabstripGolfer->tabBar();
  QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(1).center());
  EXPECT_EQ(g.TabstripGolfer->currentIndex(), 1);
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().Meldungstext(MELDUNG_DATENBANK_ZURUECKGESCHRIEBEN).arg(DbPfad())});
  FensterZu();
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna Berger");
}

// A database whose file is read-only when the program starts: told once at the start; the
// end asks, as for a failed store, whether to go back; once the file may be written, a
// store stores.
TEST_F(Speicher, ADatabaseReadOnlyFromTheStartIsToldAndStoresOnceWritable) {
  MitKarte();
  QFile::setPermissions(DbPfad(), QFile::ReadOwner);
  Antworte({1});
  ASSERT_TRUE(Main());
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().Meldungstext(MELDUNG_NUR_LESBAR).arg(DbPfad(), DbPfad())});
  Dlg().gezeigt.clear();
  QPointer<Start> start = StartFensterFallsDa();
  GolferForm().Golfername->setText("Anna Berger");
  Antworte({ANTWORT_JA});
  start->Exit->trigger();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(
      Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_GESPEICHERT) + "\n" + Text(MELDUNG_GRUND_SCHREIBGESCHUETZT)));
  EXPECT_TRUE(Dlg().gezeigt[0].text.endsWith(SPU().Meldungstext(MELDUNG_ZURUECK_ODER_OHNE_SPEICHERN)));
  EXPECT_TRUE(start && start->isVisible() && IstFormGeladen("Golfer"));
  QFile::setPermissions(DbPfad(), QFile::ReadOwner | QFile::WriteOwner);
  Dlg().gezeigt.clear();
  EXPECT_TRUE(start->close());
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  FensterZu();
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna Berger");
}

// A store that fails as the user ends the program asks, with the reason in the interface
// language, whether to go back: Yes stops the end with every window open as it was, No ends
// without storing. Where the database itself has no file any more, going back keeps it, and
// the next end writes it there with the typing.
TEST_F(Speicher, AStoreThatFailsAsTheUserEndsLetsHimGoBackWithNothingLost) {
  MitKarte();
  const QString ordner = Ordner() + "/daten", datei = QDir::toNativeSeparators(DbPfad()) + "\n\n";
  QPointer<Start> start;
  auto tippe = [&](const QString& wert) {
    ASSERT_TRUE(Main());
    start = StartFensterFallsDa();
    QString karte = "LAST";
    ASSERT_TRUE(GotoScorekarte(karte));
    GolferForm().TabstripGolfer->setCurrentIndex(1);
    GolferForm().ScoreLoch[1]->setFocus();
    GolferForm().ScoreLoch[1]->selectAll();
    QTest::keyClicks(GolferForm().ScoreLoch[1], wert);
  };
  // The one box: what was not stored, why, the file where it is named, and the question;
  // after Yes everything as it was.
  auto frage = [&](int ueberschrift, int grund, const QString& genannt, int frage, const char* getippt) {
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(Dlg().gezeigt[0].text,
              Text(ueberschrift) + "\n" + Text(grund) + "\n\n" + genannt + SPU().Meldungstext(frage));
    EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_FRAGE);
    Dlg().gezeigt.clear();
    if (getippt) {
      EXPECT_TRUE(start && start->isVisible() && IstFormGeladen("Golfer"));
      EXPECT_EQ(GolferForm().ScoreLoch[1]->text(), getippt);
    }
  };
  // The disk full as Exit stores the card: back.
  tippe("6");
  SetzeFehlerprobe(FehlerBei("UPDATE Greenlogs", 13));
  Antworte({ANTWORT_JA});
  start->Exit->trigger();
  SetzeFehlerprobe({});
  frage(MELDUNG_NICHT_GESPEICHERT, MELDUNG_GRUND_VOLL, "", MELDUNG_ZURUECK_ODER_OHNE_SPEICHERN, "6");
  // The file deleted and the folder read-only: the database cannot be written back; back,
  // and once the folder may be written the close writes it with the typing.
  ASSERT_TRUE(QFile::remove(DbPfad()));
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
  Antworte({ANTWORT_JA});
  EXPECT_FALSE(start->close());
  frage(MELDUNG_DATENBANK_NICHT_GESCHRIEBEN, MELDUNG_GRUND_SCHREIBGESCHUETZT, datei,
        MELDUNG_ZURUECK_ODER_DATENBANK_VERLOREN, "6");
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  Antworte({1});
  EXPECT_TRUE(start->close());
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().Meldungstext(MELDUNG_DATENBANK_ZURUECKGESCHRIEBEN).arg(DbPfad())});
  FensterZu();
  EXPECT_EQ(SqlWert("SELECT ScoreLoch01 FROM Greenlogs").toInt(), 6);
  QSqlDatabase::database("test_direkt").close();
  // The folder made read-only while the program runs: No ends without storing.
  tippe("8");
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
  Antworte({ANTWORT_NEIN});
  EXPECT_TRUE(start->close());
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  frage(MELDUNG_NICHT_GESPEICHERT, MELDUNG_GRUND_SCHREIBGESCHUETZT, datei, MELDUNG_ZURUECK_ODER_OHNE_SPEICHERN,
        nullptr);
  FensterZu();
  EXPECT_EQ(SqlWert("SELECT ScoreLoch01 FROM Greenlogs").toInt(), 6);
}

// A copy without the golfer shown is renamed over the database while the golfer's name is
// typed: closing the golfer window takes the copy over on Yes and names the edit that found
// no row, once; no golfer is made up for it.
TEST_F(Speicher, AGolferTheCopyDoesNotHoldIsNamedOnceAndNotMadeUp) {
  MitKarte();
  const QString kopie = Ordner() + "/.dbgolfvb.mdb.sync";
  ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  ASSERT_TRUE(QFile::copy(DbPfad(), kopie));
  FuehreAus(kopie, {"DELETE FROM tab_golfer"});
  ASSERT_EQ(std::rename(QFile::encodeName(kopie).constData(), QFile::encodeName(DbPfad()).constData()), 0);
  QLineEdit* name = GolferForm().Golfername;
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Anna Clausen");
  Antworte({ANTWORT_JA, 1});
  EXPECT_TRUE(GolferForm().Schliessen());
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(
      SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(DbPfad()))));
  EXPECT_EQ(Dlg().gezeigt[1].text, Text(4831).arg(ZitierterEintrag("Anna Clausen")));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_golfer").toInt(), 0);
  QSqlDatabase::database("test_direkt").close();
  FensterZu();
}

// A sync tool writes a copy of the database and renames it over the file while a card
// with typed changes is on screen: told once, naming the file; the program goes on with
// the file now there, without a restart, and stores the typing there on Yes. A file
// replaced while the store runs, right before its commit, is met the same way; No shows
// the card as the file now there holds it.
TEST_F(Speicher, ACopyRenamedOverTheDatabaseKeepsTheTypingAndTheProgramGoesOnWithIt) {
  MitKarte();
  // The tool's copy holds what another computer added: a newer golfer name.
  const QString kopie = Ordner() + "/.dbgolfvb.mdb.sync";
  auto ersetze = [&](const QString& aenderung) {
    EXPECT_TRUE(QFile::copy(DbPfad(), kopie));
    FuehreAus(kopie, {aenderung});
    EXPECT_EQ(std::rename(QFile::encodeName(kopie).constData(), QFile::encodeName(DbPfad()).constData()), 0);
  };
  auto tippe = [](const QString& wert) {
    QLineEdit* feld = GolferForm().ScoreLoch[1];
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, wert);
  };
  ASSERT_TRUE(Main()) << GezeigteTexte().join(" | ").toStdString();
  GolferForm().TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  ASSERT_EQ(KontextZurueck, "PreviousScorecard");
  ersetze("UPDATE tab_golfer SET Golfername = 'Anna Berger'");
  tippe("7");
  // Back from the toolbar: the one card is the first, which message 31 says after the store.
  Antworte({ANTWORT_JA, 1});
  BefehlZurueck();
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  const QString frage = Dlg().gezeigt[0].text;
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_FRAGE);
  EXPECT_TRUE(frage.startsWith(SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(DbPfad()))))
      << frage.toStdString();
  EXPECT_FALSE(frage.contains(Text(MELDUNG_GRUND_ERSETZT)));
  EXPECT_EQ(Dlg().gezeigt[1].text, Text(31));
  // The new file holds the typing beside what the tool brought; the program holds its lock.
  EXPECT_EQ(SqlWert("SELECT ScoreLoch01 FROM Greenlogs").toInt(), 7);
  EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna Berger");
  EXPECT_FALSE(AndereSperre(DbPfad()).Gehalten());
  QSqlDatabase::database("test_direkt").close();

  // Later stores need no restart; the file replaced right before the commit of one keeps
  // the typing all the same.
  // The file it replaces is kept at another name (as a sync tool keeps a backup): nothing of
  // the store reaches it.
  Dlg().gezeigt.clear();
  const QString alt = Ordner() + "/dbgolfvb.mdb.alt";
  QByteArray altePruefsumme;
  SetzeFehlerprobe([&, einmal = true](const QString& sql) mutable {
    if (sql == "COMMIT" && einmal) {
      einmal = false;
      EXPECT_TRUE(QFile::copy(DbPfad(), kopie));
      EXPECT_EQ(::link(QFile::encodeName(DbPfad()).constData(), QFile::encodeName(alt).constData()), 0);
      altePruefsumme = Pruefsumme(alt);
      FuehreAus(kopie, {"UPDATE tab_golfer SET Golfername = 'Anna Clausen'"});
      EXPECT_EQ(std::rename(QFile::encodeName(kopie).constData(), QFile::encodeName(DbPfad()).constData()), 0);
    }
    return QSqlError();
  });
  tippe("6");
  Antworte({ANTWORT_JA, 1});
  BefehlZurueck();
  SetzeFehlerprobe({});
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(
      SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(DbPfad()))));
  EXPECT_EQ(SqlWert("SELECT ScoreLoch01 || Golfername FROM Greenlogs, tab_golfer").toString(), "6Anna Clausen");
  QSqlDatabase::database("test_direkt").close();
  EXPECT_EQ(Pruefsumme(alt), altePruefsumme);

  // No: the card as the file now there holds it; nothing is stored, no card is added.
  Dlg().gezeigt.clear();
  ersetze("UPDATE Greenlogs SET ScoreLoch01 = 3");
  tippe("5");
  Antworte({ANTWORT_NEIN});
  BefehlNeu();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(GolferForm().ScoreLoch[1]->text(), "3");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) || ScoreLoch01 FROM Greenlogs").toString(), "13");
  QSqlDatabase::database("test_direkt").close();

  // The compaction works on it too.
  Dlg().gezeigt.clear();
  Antworte({1});
  StartFensterFallsDa()->Datenbankkomprimieren->trigger();
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].text, Text(227));

  // A copy without the card, taken over as the program is closed: what was typed on it is
  // named once as not stored, for that reason alone, and nothing of it is made up.
  Dlg().gezeigt.clear();
  ersetze("DELETE FROM Greenlogs");
  tippe("4");
  Antworte({ANTWORT_JA, ANTWORT_OK});
  EXPECT_TRUE(StartFensterFallsDa()->close());
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Dlg().gezeigt[1].text, Text(4781).arg(Text(4862).arg("12.05.2024")));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Greenlogs").toInt(), 0);
  delete StartFensterFallsDa();
  GlobaleObjekteFreigeben();
}

// A sync tool renames its copy over the database while the card store or the records save
// commits, after the last check before the commit: the change went into the old file, so
// the store is not reported as done; the file now at the path is taken over with one
// question, and on Yes the change is stored there beside what the copy brought.
TEST_F(Speicher, ACopyRenamedOverTheDatabaseWhileTheCommitWritesIsTakenOver) {
  // The first and a later write of each commit (the card's commit writes 5 times, the
  // records' 16 times).
  const std::pair<QString, int> faelle[] = {{"karte", 1}, {"karte", 4}, {"rekorde", 1}, {"rekorde", 12}};
  for (const auto& [was, bei] : faelle) {
    SCOPED_TRACE((was + " " + QString::number(bei)).toStdString());
    MitKarte();
    bool ok = false;
    const QStringList boxen = UmbenanntBeimSchreiben(was, bei, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(boxen.size(), 1) << boxen.join(" | ").toStdString();
    EXPECT_TRUE(boxen[0].startsWith(SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(DbPfad()))))
        << boxen[0].toStdString();
    EXPECT_FALSE(boxen[0].contains(Text(MELDUNG_GRUND_ERSETZT)));
    // The file at the path holds the change beside what the copy brought.
    EXPECT_EQ(SqlWert("SELECT Golfername FROM tab_golfer").toString(), "Anna Berger");
    if (was == "karte")
      EXPECT_EQ(SqlWert("SELECT ScoreLoch02 || '/' || CAST(Slope AS INTEGER) FROM Greenlogs").toString(), "7/140");
    else
      EXPECT_GT(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 0);
    EXPECT_EQ(SqlWert("PRAGMA integrity_check").toString(), "ok");
    QSqlDatabase::database("test_direkt", false).close();
    EXPECT_FALSE(QFile::exists(DbPfad() + "-journal"));
    ASSERT_TRUE(QFile::remove(DbPfad()));
    ASSERT_TRUE(QFile::copy(PW_LEERE_DB, DbPfad()));
    QFile::setPermissions(DbPfad(), QFile::ReadOwner | QFile::WriteOwner);
  }
}

// ------------------------------------------------------------------ one action, one transaction

TEST_F(Speicher, ActionStoresAllOrNothingWithOneBox) {
  SetzeFehlerprobe(FehlerBei("INSERT INTO tab_EinstellungenIntern", 13, 2));
  Antworte({1});
  const bool ok = AlsEineAktion([] {
    DBG().WriteEinstellungenIntern("Erster", "1");
    DBG().WriteEinstellungenIntern("Zweiter", "2");  // the disk is full here
    DBG().WriteEinstellungenIntern("Dritter", "3");
    return true;
  });
  EXPECT_FALSE(ok);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_GESPEICHERT) + "\n" + Text(MELDUNG_GRUND_VOLL)));
  SetzeFehlerprobe({});
  EXPECT_EQ(
      SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung IN ('Erster', 'Zweiter', 'Dritter')")
          .toInt(),
      0);
  // Without a failure everything is stored and nothing is shown.
  EXPECT_TRUE(AlsEineAktion([] {
    DBG().WriteEinstellungenIntern("Erster", "1");
    DBG().WriteEinstellungenIntern("Zweiter", "2");
    return true;
  }));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung IN ('Erster', 'Zweiter')").toInt(),
            2);
}

TEST_F(Speicher, RecordOperationWithItsOwnTransactionRunsInsideAnAction) {
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername) VALUES ('1', 'Frühjahrspreis')");
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, TurnierNameKarte) VALUES ('1', '1', '1')");
  QSqlDatabase::database("test_direkt").close();
  SetzeFehlerprobe(FehlerBei("INSERT INTO tab_EinstellungenIntern", 19));
  Antworte({1});
  EXPECT_FALSE(AlsEineAktion([] {
    if (DBG().LoescheTurnierMitVerweisen("1") != Loeschergebnis::Geloescht) return false;
    DBG().WriteEinstellungenIntern("Danach", "1");  // fails: the delete is undone as well
    return true;
  }));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  SetzeFehlerprobe({});
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 1);
  EXPECT_EQ(SqlWert("SELECT TurnierNameKarte FROM Greenlogs").toString(), "1");
  // The connection renewed after a deletion still works.
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Turnier", "Turniernummer", "1", "Turniername"), "Frühjahrspreis");
}
