#include "data/Datenbank.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "platform/Registry.h"
#include "data/Speicherfehler.h"
#include "data/Startpruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
QString ordnerMitTrenner(const QString& pfad) {
  const int p = qMax(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
  return pfad.left(p + 1);
}
void fest(const QString& text) { MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL); }
// A file that is not a database of this program is named with what is wrong and is
// never opened for writing; the user is asked for the database instead.
bool istPuttwiseDatenbank(const QString& pfad) {
  const Datenbankbefund befund = PruefeDatenbankdatei(pfad);
  if (befund.Ok) return true;
  SpracheVorlaeufig();
  MsgAntwort = DLG().Meldung(Datenbankbefundtext(pfad, befund), STIL_KRITISCH, PRODUKTTITEL);
  return false;
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
  if (gefunden && QFileInfo(pfad).isFile() && istPuttwiseDatenbank(pfad))
    DatenbankPfad = pfad;
  else
    gefunden = false;

  while (!gefunden) {
    const QString gewaehlt =
        DLG().DateiOeffnen(QStringLiteral("Verbinde Zantro Puttwise! 2.0 Datenbank"),
                           QStringLiteral("Zantro Puttwise! 2.0 Datenbank (dbgolfvb.mdb)"), QStringLiteral("dbgolfvb.mdb"),
                           QDir::homePath())
            .trimmed();
    if (gewaehlt.isEmpty()) {
      fest(QStringLiteral("No Puttwise! Database connected. Zantro Puttwise! 2.0 will be terminated!"));
      return false;
    }
    if (QFileInfo(gewaehlt).isFile()) {
      if (!istPuttwiseDatenbank(gewaehlt)) continue;
      DatenbankPfad =
          SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"), gewaehlt);
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
        DLG().DateiOeffnen(QStringLiteral("Verbinde Zantro Puttwise! 2.0 Sprachdatenbank"),
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

namespace {
// Writable as the user means it: the system allows it, and the file or folder carries a
// write permission at all. An administrator may write anything, yet a file the user
// marked read-only stays read-only for this program.
bool schreibbar(const QString& pfad) {
  const QFileInfo i(pfad);
  // (WriteUser is what the system allows this user, not a mark on the file.)
  constexpr auto SCHREIBEN = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return i.exists() && i.isWritable() && (i.permissions() & SCHREIBEN);
}

// Puts a file (or a folder's entries) on the disk before the program relies on it.
bool aufPlatte(const QString& pfad) {
  const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// Compacts `quelle` into `ziel` through a connection of its own.
void verdichte(const QString& quelle, const QString& ziel, Speicheraktion& aktion) {
  const QString name = QStringLiteral("Komprimieren");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(quelle);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
      aktion.Melde(db.lastError());
    } else {
      QSqlQuery q(db);
      // The journal must be empty before it is thrown away with the old file.
      if (!q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")))
        aktion.Melde(q.lastError());
      else if (q.next() && q.value(0).toInt() != 0)
        aktion.Melde(Fehlerart::Gesperrt, QStringLiteral("wal_checkpoint: busy"));
      else if (PruefeFehlerprobe(QStringLiteral("VACUUM INTO")).isValid())
        aktion.Melde(PruefeFehlerprobe(QStringLiteral("VACUUM INTO")));
      else if (!q.exec(QStringLiteral("VACUUM INTO ") + SqlText(ziel)))
        aktion.Melde(q.lastError());
      q.finish();
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(name);
}
}  // namespace

void DatenbankKomprimieren() {
  if (!QFileInfo(DatenbankPfad).isFile()) {
    MsgAntwort = SPU().Zantro_Msg(226, 16);
    return;
  }
  // One box when something fails: what was not done and why.
  Speicheraktion aktion(MELDUNG_NICHT_KOMPRIMIERT);
  if (!schreibbar(DatenbankPfad) || !schreibbar(QFileInfo(DatenbankPfad).absolutePath())) {
    aktion.Melde(Fehlerart::Schreibgeschuetzt, QDir::toNativeSeparators(DatenbankPfad));
    return;
  }
  const QString ziel = ordnerMitTrenner(DatenbankPfad) + QStringLiteral("CompressedDB.mdb");
  const QString neu = DatenbankPfad + QStringLiteral(".neu");
  // Left over from a compaction that was interrupted.
  QFile::remove(neu);
  DBG().Class_Terminate();
  DBT().Class_Terminate();
  if (QFile::exists(ziel) && !QFile::remove(ziel)) aktion.Melde(Fehlerart::Sonstig, QStringLiteral("Cannot delete ") + ziel);
  if (!aktion.Fehlgeschlagen()) verdichte(DatenbankPfad, ziel, aktion);
  if (!aktion.Fehlgeschlagen()) {
    // The file is replaced only by a complete copy that is on the disk and carries the
    // permissions of the original.
    if (!QFile::copy(ziel, neu) || !QFile::setPermissions(neu, QFileInfo(DatenbankPfad).permissions()) ||
        !aufPlatte(neu)) {
      aktion.Melde(Fehlerart::Sonstig, QStringLiteral("Cannot copy ") + ziel);
    } else {
      // The old journal files belong to the old file.
      QFile::remove(DatenbankPfad + QStringLiteral("-wal"));
      QFile::remove(DatenbankPfad + QStringLiteral("-shm"));
      if (std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(DatenbankPfad).constData()) != 0)
        aktion.Melde(Fehlerart::Sonstig, QStringLiteral("Cannot replace ") + DatenbankPfad);
      else
        aufPlatte(QFileInfo(DatenbankPfad).absolutePath());
    }
    QFile::remove(neu);
  }
  DBG().Class_Initialize();
  DBT().Class_Initialize();
  if (!aktion.Fehlgeschlagen()) MsgAntwort = SPU().Zantro_Msg(227, 64);
}
