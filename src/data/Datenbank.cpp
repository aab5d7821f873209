#include "data/Datenbank.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "data/Startpruefung.h"
#include "language/Dateipruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"

namespace {
QString ordnerMitTrenner(const QString& pfad) {
  const int p = qMax(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
  return pfad.left(p + 1);
}
void fest(const QString& text) { MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL); }
// A file that is not a database of this program is named with what is wrong and is
// never opened for writing; the user is asked for the database instead. A database that
// cannot be opened now (another program holds it, or a store cut off waits where it cannot
// be rolled back) is told as such, and the start ends.
enum class Befund { Gut, Falsch, NichtJetzt };
Befund pruefeDatenbank(const QString& pfad) {
  const Datenbankbefund befund = PruefeDatenbankdatei(pfad);
  MeldeFremdesJournal(pfad, befund);
  if (befund.Ok) return Befund::Gut;
  SpracheVorlaeufig();
  MsgAntwort = DLG().Meldung(Datenbankbefundtext(pfad, befund), STIL_KRITISCH, PRODUKTTITEL);
  return befund.Grund == MELDUNG_GRUND_GESPERRT || befund.Grund == MELDUNG_UNTERBROCHENE_AENDERUNG ? Befund::NichtJetzt
                                                                                                   : Befund::Falsch;
}
}  // namespace

bool VerbindeDatenbanken() {
  bool gefunden = true;
  QString pfad = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"));
  if (pfad == NOT_FOUND) {
    pfad = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfad"));
    if (pfad != NOT_FOUND) {
      pfad = ordnerMitTrenner(pfad) + QStringLiteral("dbgolfvb.mdb");
      pfad = SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"), pfad);
    } else {
      gefunden = false;
    }
  }
  if (gefunden && pfad != NOT_FOUND) NimmGesicherteKopie(pfad);
  const bool datei = gefunden && QFileInfo(pfad).isFile();
  // Before the dialog, the user learns which database the settings name and why it is not
  // used (a failed write of the setting has said so already).
  if (!datei && !(gefunden && pfad == NOT_FOUND)) {
    SpracheVorlaeufig();
    fest(FehlendeDatenbanktext(gefunden ? pfad : QString()));
  }
  const Befund befund = datei ? pruefeDatenbank(pfad) : Befund::Falsch;
  if (befund == Befund::NichtJetzt) return false;
  if (befund == Befund::Gut)
    DatenbankPfad = pfad;
  else
    gefunden = false;

  while (!gefunden) {
    const QString gewaehlt = DLG()
                                 .DateiOeffnen(QStringLiteral("Verbinde Zantro Puttwise! 2.0 Datenbank"),
                                               QStringLiteral("Zantro Puttwise! 2.0 Datenbank (dbgolfvb.mdb)"),
                                               QStringLiteral("dbgolfvb.mdb"), QDir::homePath())
                                 .trimmed();
    if (gewaehlt.isEmpty()) {
      fest(QStringLiteral("No Puttwise! Database connected. Zantro Puttwise! 2.0 will be terminated!"));
      return false;
    }
    if (QFileInfo(gewaehlt).isFile()) {
      const Befund gewaehlterBefund = pruefeDatenbank(gewaehlt);
      if (gewaehlterBefund == Befund::NichtJetzt) return false;
      if (gewaehlterBefund == Befund::Falsch) continue;
      DatenbankPfad = SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"), gewaehlt);
      gefunden = true;
    } else {
      fest(QStringLiteral("Zantro Puttwise! 2.0 database not found. Please select again"));
    }
  }

  // The language database lies in the program folder.
  bool sprache = true;
  QString ordner = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Programmverzeichniss"));
  if (ordner == NOT_FOUND) {
    const QString alt = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfad"));
    if (alt != NOT_FOUND)
      ordner = ordnerMitTrenner(alt).chopped(1);
    else
      sprache = false;
  }
  if (sprache && !QFileInfo(ordner + QLatin1Char('/') + SPRACHDATEI).isFile()) sprache = false;
  while (!sprache) {
    const QString gewaehlt =
        DLG()
            .DateiOeffnen(QStringLiteral("Verbinde Zantro Puttwise! 2.0 Sprachdatenbank"),
                          QStringLiteral("Zantro Puttwise! 2.0 Sprachdatenbank (sprachumschaltung.mdb)"),
                          QStringLiteral("sprachumschaltung.mdb"), QDir::homePath())
            .trimmed();
    if (gewaehlt.isEmpty()) {
      fest(QStringLiteral("No Puttwise! language database connected. Only Germnan language is available"));
      return true;
    }
    if (QFileInfo(gewaehlt).isFile()) return true;
    fest(QStringLiteral("Zantro Puttwise! 2.0 language database not found. Please select again"));
  }
  return true;
}

bool AufPlatte(const QString& pfad) {
  const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  const int fehler = errno;
  ::close(fd);
  errno = fehler;
  return ok;
}

namespace {

// A file operation of the compaction failed: why (by errno), with the file as detail,
// reported into the action.
void meldeDateifehler(Speicheraktion& aktion, int fehlernummer, const QString& datei) {
  aktion.Melde(FehlerartVonErrno(fehlernummer), QDir::toNativeSeparators(datei));
}

}  // namespace

int KopiereDatei(const QString& von, const QString& nach, QFileDevice::Permissions rechte) {
  const int quelle = ::open(QFile::encodeName(von).constData(), O_RDONLY);
  if (quelle < 0) return errno;
  const int ziel = ::open(QFile::encodeName(nach).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (ziel < 0) {
    const int e = errno;
    ::close(quelle);
    return e;
  }
  int fehler = 0;
  char puffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(quelle, puffer, sizeof puffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      fehler = errno;
      break;
    }
    if (n == 0) break;
    for (ssize_t geschrieben = 0; geschrieben < n && !fehler;) {
      const ssize_t w = ::write(ziel, puffer + geschrieben, size_t(n - geschrieben));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0)
        fehler = errno;
      else
        geschrieben += w;
    }
    if (fehler) break;
  }
  if (!fehler && ::fsync(ziel) != 0) fehler = errno;
  if (::close(ziel) != 0 && !fehler) fehler = errno;
  ::close(quelle);
  if (!fehler && !QFile::setPermissions(nach, rechte)) fehler = EACCES;
  return fehler;
}

namespace {

// Copies `von` to a new file `nach` with the permissions `rechte` and puts it on the disk.
// A step that fails reports why into the action (a full disk shows in the write or in the
// sync); true when the copy is complete.
bool kopiere(const QString& von, const QString& nach, QFileDevice::Permissions rechte, Speicheraktion& aktion) {
  if (const QSqlError probe = PruefeFehlerprobe(QStringLiteral("COPY ") + nach); probe.isValid()) {
    aktion.Melde(FehlerartVon(probe), QDir::toNativeSeparators(nach));
    return false;
  }
  const int fehler = KopiereDatei(von, nach, rechte);
  if (fehler) meldeDateifehler(aktion, fehler, nach);
  return fehler == 0;
}

// Takes the database for this connection alone, and keeps it so until the connection is
// closed: no other program of the database engine reads or writes it meanwhile. Another
// program that holds a transaction, or has the database open in WAL mode, makes this fail
// as busy. Then the journal is emptied into the file and the file compacted into `ziel`.
void verdichte(QSqlDatabase& db, const QString& ziel, Speicheraktion& aktion) {
  QSqlQuery q(db);
  if (!q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")) || !q.exec(QStringLiteral("BEGIN EXCLUSIVE")) ||
      !q.exec(QStringLiteral("COMMIT")))
    aktion.Melde(q.lastError());
  else if (!q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")))
    aktion.Melde(q.lastError());
  else if (q.next() && q.value(0).toInt() != 0)
    aktion.Melde(Fehlerart::Gesperrt, QStringLiteral("wal_checkpoint: busy"));
  else if (const QSqlError probe = PruefeFehlerprobe(QStringLiteral("VACUUM INTO")); probe.isValid())
    aktion.Melde(probe);
  else if (!q.exec(QStringLiteral("VACUUM INTO ") + SqlText(ziel)))
    aktion.Melde(q.lastError());
  q.finish();
}

// Whether a process other than this one has the file open, among the processes whose open
// files this user may see (every process of the user's own; all of them for an
// administrator).
bool vonAnderenOffen(const struct stat& datei) {
  const QString selbst = QString::number(::getpid());
  const QStringList prozesse = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& prozess : prozesse) {
    if (prozess == selbst || !prozess.at(0).isDigit()) continue;
    DIR* offen = ::opendir(QFile::encodeName(QStringLiteral("/proc/%1/fd").arg(prozess)).constData());
    if (!offen) continue;
    bool gefunden = false;
    while (const dirent* e = ::readdir(offen)) {
      struct stat s {};
      if (e->d_name[0] != '.' && ::fstatat(::dirfd(offen), e->d_name, &s, 0) == 0 && s.st_dev == datei.st_dev &&
          s.st_ino == datei.st_ino) {
        gefunden = true;
        break;
      }
    }
    ::closedir(offen);
    if (gefunden) return true;
  }
  return false;
}

// Puts the compacted copy `neu` in place of the database file `pfad`, while the connection
// of the compaction still holds the database alone (see verdichte). Right before the
// rename, and not after it, the file is checked for other programs: one that has it open,
// even between two transactions without the engine's lock, keeps it as it is. A program
// that opens the file in the moment between that check and the rename still reaches the
// old file, which the engine keeps it from writing to, since the file has moved. The copy
// takes the owner, group and permissions of the file where the system allows (a user who
// may write the file but does not own it makes a file of his own, with its permissions),
// and the lock of the program passes to it. The descriptor holding that lock, or -1.
int ersetze(const QString& pfad, const QString& neu, Speicheraktion& aktion) {
  struct stat alt {};
  if (::stat(QFile::encodeName(pfad).constData(), &alt) != 0) {
    meldeDateifehler(aktion, errno, pfad);
    return -1;
  }
  int fehler = 0;
  const int fd = SperreDatei(neu, fehler);
  if (fd < 0) {
    meldeDateifehler(aktion, fehler, neu);
    return -1;
  }
  if (::fchown(fd, alt.st_uid, alt.st_gid) != 0 && ::fchown(fd, uid_t(-1), alt.st_gid) != 0) {
    // Stays the user's own, and his group's.
  }
  ::fchmod(fd, alt.st_mode & 07777);
  const QString wal = pfad + QStringLiteral("-wal");
  if (QFileInfo(wal).size() > 0 || vonAnderenOffen(alt)) {
    aktion.Melde(Fehlerart::Gesperrt, QDir::toNativeSeparators(pfad));
  } else {
    // The old journal files belong to the old file.
    QFile::remove(wal);
    QFile::remove(pfad + QStringLiteral("-shm"));
    QFile::remove(pfad + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(pfad).constData()) != 0)
      meldeDateifehler(aktion, errno, pfad);
    else
      AufPlatte(QFileInfo(pfad).absolutePath());
  }
  if (!aktion.Fehlgeschlagen()) return fd;
  ::close(fd);
  return -1;
}
}  // namespace

namespace {
// A whole database file as a finished compaction leaves it: the header of a database, and
// as many bytes as its pages (a copy cut off has not yet written its first page).
bool ganzeDatenbank(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray kopf = f.read(100);
  if (kopf.size() < 100 || !SqliteKopf(kopf)) return false;
  const auto zahl = [&kopf](int ab, int laenge) {
    quint64 z = 0;
    for (int i = 0; i < laenge; ++i) z = z << 8 | quint8(kopf[ab + i]);
    return z;
  };
  const quint64 seite = zahl(16, 2) == 1 ? 65536 : zahl(16, 2);
  return seite >= 512 && quint64(f.size()) == seite * zahl(28, 4);
}

// Removes what a compaction left when it was cut off, where the file is the program's own
// (a plain file of this user or of the database's owner, not a link) and no other program
// has it open.
void entferneRest(const QString& pfad, uid_t eigentuemer) {
  struct stat s {};
  if (::lstat(QFile::encodeName(pfad).constData(), &s) != 0 || !S_ISREG(s.st_mode)) return;
  if (s.st_uid != ::geteuid() && s.st_uid != eigentuemer) return;
  if (vonAnderenOffen(s)) return;
  ::unlink(QFile::encodeName(pfad).constData());
}
}  // namespace

void RaeumeAbgebrochenesKomprimierenAuf() {
  struct stat db {};
  if (DatenbankPfad.isEmpty() || ::stat(QFile::encodeName(DatenbankPfad).constData(), &db) != 0) return;
  const QString neu = QFileInfo(DatenbankPfad).canonicalFilePath() + QStringLiteral(".neu");
  const QString kopie = ordnerMitTrenner(DatenbankPfad) + QStringLiteral("CompressedDB.mdb");
  const QString journal = kopie + QStringLiteral("-journal");
  // A finished compaction leaves a whole copy and nothing else; the copy then stays.
  const bool abgebrochen =
      QFileInfo::exists(neu) || QFileInfo::exists(journal) || (QFileInfo::exists(kopie) && !ganzeDatenbank(kopie));
  if (!abgebrochen) return;
  for (const QString& rest : {neu, journal, kopie})
    if (Schreibbar(QFileInfo(rest).absolutePath())) entferneRest(rest, db.st_uid);
}

Komprimierung KomprimiereDatenbank() {
  // One box when something fails: what was not done and why.
  Speicheraktion aktion(MELDUNG_NICHT_KOMPRIMIERT);
  if (!DatenbankdateiUnveraendert()) {
    // Another file took the database's place: the program goes on with it, and it is
    // the one compacted; where the file is gone or no database, the database the program
    // holds is written there first.
    QString mitteilung;
    const Dateiwechsel wechsel = WechsleZurDateiAmPfad(aktion, &mitteilung);
    if (wechsel == Dateiwechsel::Unbrauchbar) return Komprimierung::Fehlgeschlagen;
    if (wechsel == Dateiwechsel::Gewechselt)
      mitteilung = SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(DatenbankPfad)) +
                   (mitteilung.isEmpty() ? QString() : QStringLiteral("\n\n") + mitteilung);
    MsgAntwort = DLG().Meldung(mitteilung, STIL_INFO, PRODUKTTITEL);
  }
  if (!QFileInfo(DatenbankPfad).isFile()) return Komprimierung::DateiFehlt;
  // Reached through a link, the file itself is compacted and the link stays. The copy
  // stays beside the path the program was given.
  const QString datei = QFileInfo(DatenbankPfad).canonicalFilePath();
  const QString ziel = ordnerMitTrenner(DatenbankPfad) + QStringLiteral("CompressedDB.mdb");
  if (!Schreibbar(datei) || !Schreibbar(QFileInfo(datei).absolutePath()) ||
      !Schreibbar(QFileInfo(ziel).absolutePath())) {
    aktion.Melde(Fehlerart::Schreibgeschuetzt, QDir::toNativeSeparators(DatenbankPfad));
    return Komprimierung::Fehlgeschlagen;
  }
  const QString neu = datei + QStringLiteral(".neu");
  // Left over from a compaction that was interrupted.
  QFile::remove(neu);
  DBG().Class_Terminate();
  DBT().Class_Terminate();
  if (QFile::exists(ziel) && ::unlink(QFile::encodeName(ziel).constData()) != 0) meldeDateifehler(aktion, errno, ziel);
  // The database is held by a connection of the compaction from the start of the copy
  // until the compacted file is in its place.
  int sperre = -1;
  const QString name = QStringLiteral("Komprimieren");
  if (!aktion.Fehlgeschlagen()) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
      db.setDatabaseName(datei);
      db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
      if (!db.open())
        aktion.Melde(db.lastError());
      else
        verdichte(db, ziel, aktion);
      // The file is replaced only by a complete copy that is on the disk and carries the
      // permissions of the original.
      if (!aktion.Fehlgeschlagen() && kopiere(ziel, neu, QFileInfo(datei).permissions(), aktion))
        sperre = ersetze(datei, neu, aktion);
      db.close();
    }
    QSqlDatabase::removeDatabase(name);
  }
  QFile::remove(neu);
  if (sperre >= 0) {
    UebernimmSperre(sperre);
    MerkeDatenbankdatei(DatenbankPfad);
  }
  DBG().Class_Initialize();
  DBT().Class_Initialize();
  return aktion.Fehlgeschlagen() ? Komprimierung::Fehlgeschlagen : Komprimierung::Fertig;
}

namespace {
// Names beside `pfad` that begin with the file's name and one of `woerter` (".gesichert-").
QStringList nebenDerDatei(const QString& pfad, const QStringList& woerter) {
  const QFileInfo info(pfad);
  QStringList muster;
  for (const QString& w : woerter) muster << info.fileName() + w + QLatin1Char('*');
  return QDir(info.absolutePath()).entryList(muster, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool istJournal(const QString& name) { return name.endsWith(QLatin1String("-journal")); }

}  // namespace

bool GanzeKopie(const QString& pfad) {
  if (QFileInfo(pfad + QStringLiteral("-journal")).size() > 0) return false;
  return ganzeDatenbank(pfad) && PruefeSqliteDatei(pfad, Datenbankaufbau()).Ok;
}

void NimmGesicherteKopie(const QString& pfad) {
  QStringList kopien = nebenDerDatei(pfad, {QStringLiteral(".gesichert-")});
  if (kopien.isEmpty()) return;
  struct stat s {};
  const bool da = ::lstat(QFile::encodeName(pfad).constData(), &s) == 0;
  if (da) {
    // Only where the path holds a file that is no database (a database there, even a
    // damaged one, is left to the check of the start, unread here).
    if (!S_ISREG(s.st_mode)) return;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || SqliteKopf(f.read(16))) return;
  }
  const QString ordner = QFileInfo(pfad).absolutePath() + QLatin1Char('/');
  // The newest first.
  std::sort(kopien.begin(), kopien.end(), [&](const QString& a, const QString& b) {
    return QFileInfo(ordner + a).lastModified() > QFileInfo(ordner + b).lastModified();
  });
  for (const QString& name : kopien) {
    const QString kopie = ordner + name;
    if (istJournal(name) || !GanzeKopie(kopie)) continue;
    // Another program writing its database back holds the copy's lock.
    int fehler = 0;
    const int sperre = SperreDatei(kopie, fehler);
    if (sperre < 0) continue;
    SpracheVorlaeufig();
    const QString datei = QDir::toNativeSeparators(pfad);
    const QString zeit = QLocale(Sprachnummer == 2 ? QLocale::English : QLocale::German)
                             .toString(QFileInfo(kopie).lastModified(), QLocale::ShortFormat);
    const QString frage =
        da ? SPU()
                 .Meldungstext(MELDUNG_KOPIE_NEHMEN_STATT_DATEI)
                 .arg(datei, name, zeit,
                      SPU().Meldungstext(QFileInfo(pfad).size() == 0 ? MELDUNG_DATEI_LEER : MELDUNG_KEINE_DATENBANK))
           : SPU().Meldungstext(MELDUNG_KOPIE_NEHMEN).arg(datei, name, zeit);
    MsgAntwort = DLG().Meldung(frage, STIL_FRAGE, PRODUKTTITEL);
    bool genommen = MsgAntwort == ANTWORT_JA;
    if (genommen && da) {
      const QString basis =
          pfad + QStringLiteral(".fremd-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
      QString beiseite = basis;
      for (int n = 2; QFileInfo::exists(beiseite); ++n) beiseite = basis + QStringLiteral("-%1").arg(n);
      genommen = std::rename(QFile::encodeName(pfad).constData(), QFile::encodeName(beiseite).constData()) == 0;
      if (genommen) MerkeGenannt(beiseite);
    }
    if (genommen && std::rename(QFile::encodeName(kopie).constData(), QFile::encodeName(pfad).constData()) == 0)
      AufPlatte(QFileInfo(pfad).absolutePath());
    ::close(sperre);
    return;
  }
}

void NenneReste(const QString& pfad) {
  SpracheVorlaeufig();
  const QString ordner = QFileInfo(pfad).absolutePath() + QLatin1Char('/');
  QStringList zeilen;
  for (const QString& name : nebenDerDatei(pfad, {QStringLiteral("-journal.fremd-"), QStringLiteral(".gesichert-"),
                                                  QStringLiteral(".bisher-"), QStringLiteral(".vorgefunden-")})) {
    const QString datei = ordner + name;
    if (WurdeGenannt(datei)) continue;
    int art = TEXT_REST_JOURNAL;
    if (name.startsWith(QFileInfo(pfad).fileName() + QStringLiteral("-journal.")))
      art = TEXT_REST_JOURNAL;
    else if (istJournal(name) || !GanzeKopie(datei))
      art = TEXT_REST_UNVOLLSTAENDIG;
    else
      art = TEXT_REST_GANZ;
    zeilen << QStringLiteral("%1: %2").arg(name, SPU().Meldungstext(art));
    MerkeGenannt(datei);
  }
  if (zeilen.isEmpty()) return;
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_RESTE).arg(QDir::toNativeSeparators(pfad)) +
                                 QStringLiteral("\n\n") + zeilen.join(QStringLiteral("\n\n")),
                             STIL_INFO, PRODUKTTITEL);
}
