#include "data/Datenbank.h"

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
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
QString ordnerMitTrenner(const QString& pfad) {
  const int p = qMax(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
  return pfad.left(p + 1);
}
void fest(const QString& text) { MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL); }
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
  if (gefunden && QFileInfo(pfad).isFile())
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

void DatenbankKomprimieren() {
  if (!QFileInfo(DatenbankPfad).isFile()) {
    MsgAntwort = SPU().Zantro_Msg(226, 16);
    return;
  }
  const QString ziel = ordnerMitTrenner(DatenbankPfad) + QStringLiteral("CompressedDB.mdb");
  DBG().Class_Terminate();
  DBT().Class_Terminate();
  QString fehler;
  if (QFile::exists(ziel) && !QFile::remove(ziel)) fehler = QStringLiteral("Cannot delete ") + ziel;
  if (fehler.isEmpty()) {
    // Compact into the copy with a connection of its own, then replace the file only
    // when the copy is complete.
    const QString name = QStringLiteral("Komprimieren");
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
      db.setDatabaseName(DatenbankPfad);
      if (!db.open()) {
        fehler = db.lastError().text();
      } else {
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        if (!q.exec(QStringLiteral("VACUUM INTO ") + SqlText(ziel))) fehler = q.lastError().text();
        q.finish();
        db.close();
      }
    }
    QSqlDatabase::removeDatabase(name);
  }
  if (fehler.isEmpty()) {
    const QString neu = DatenbankPfad + QStringLiteral(".neu");
    QFile::remove(neu);
    if (!QFile::copy(ziel, neu)) {
      fehler = QStringLiteral("Cannot copy ") + ziel;
    } else {
      // The old journal files belong to the old file.
      QFile::remove(DatenbankPfad + QStringLiteral("-wal"));
      QFile::remove(DatenbankPfad + QStringLiteral("-shm"));
      if (std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(DatenbankPfad).constData()) != 0)
        fehler = QStringLiteral("Cannot replace ") + DatenbankPfad;
    }
    QFile::remove(neu);
  }
  DBG().Class_Initialize();
  DBT().Class_Initialize();
  if (!fehler.isEmpty()) {
    Fehlerbox(fehler);
    return;
  }
  MsgAntwort = SPU().Zantro_Msg(227, 64);
}
