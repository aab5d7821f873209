// The setting of a benchmark program: a fresh database and language database in a
// temporary folder, a settings file naming them, every message box answered at once.
#pragma once

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include "data/Global.h"
#include "platform/Registry.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

// Returns the path of the main database in `dir`.
inline QString RichteBenchUmgebungEin(const QTemporaryDir& dir) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QString programm = dir.filePath("programm"), daten = dir.filePath("daten/dbgolfvb.mdb");
  QDir().mkpath(programm);
  QDir().mkpath(dir.filePath("daten"));
  QFile::copy(PW_LEERE_DB, daten);
  QFile::copy(PW_SPRACH_DB, programm + "/" + SPRACHDATEI);
  QFile::setPermissions(daten, QFile::ReadOwner | QFile::WriteOwner);
  SetzeEinstellungsdatei(dir.filePath("Puttwise.ini"));
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", daten);
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Programmverzeichniss", programm);
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "1");
  // Every question answered No, every message OK, nothing shown.
  auto dlg = std::make_unique<SkriptDialoge>();
  dlg->unbeantwortet = [](const QString&) {};
  SetzeDialoge(std::move(dlg));
  DatenbankPfad = daten;
  Sprachnummer = 1;
  return daten;
}

// A connection of its own on the bench database, with a transaction begun, for filling it
// with generated rows (the caller commits).
inline QSqlDatabase FuellVerbindung(const QString& pfad) {
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench_fuellen");
  db.setDatabaseName(pfad);
  db.open();
  db.transaction();
  return db;
}
