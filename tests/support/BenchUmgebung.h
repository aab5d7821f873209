// The setting of a benchmark program: a fresh database and language database in a
// temporary folder, a settings file naming them, every message box answered at once; the
// data sets every program runs on, and the timing and printing of a figure beside the plain
// read of the same rows.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "Rundengenerator.h"

#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Registry.h"
#include "platform/widgets/Dialoge.h"

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

// Fills the bench database with a generated one of `runden` rounds (3 golfers, 20 courses).
inline bool FuelleGeneriert(const QString& pfad, int runden) {
  bool ok = false;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench_generator");
    db.setDatabaseName(pfad);
    QString fehler;
    Generatorauftrag a;
    a.Runden = runden;
    ok = db.open() && ErzeugeRunden(db, a, &fehler);
    if (!ok) std::fprintf(stderr, "generator: %s\n", qPrintable(fehler));
    db.close();
  }
  QSqlDatabase::removeDatabase("bench_generator");
  return ok;
}

// The data sets: 0 is the program's own rows, any other number a generated database of
// that many rounds. Called with a set ("own" or a number of rounds) the program measures
// that one; without, it runs itself for its own rows, 5,000 and 50,000 rounds in turn, each
// in a fresh process.
inline int FuerJedenDatensatz(int argc, char** argv, const std::function<int(int runden)>& lauf) {
  if (argc > 1) {
    const QString a = QString::fromLocal8Bit(argv[1]);
    bool zahl = false;
    const int runden = a == QLatin1String("own") ? 0 : a.toInt(&zahl);
    if (a != QLatin1String("own") && (!zahl || runden < 1)) {
      std::fprintf(stderr, "usage: %s [own | <rounds>]\n", argv[0]);
      return 2;
    }
    // The offscreen platform's notes on window calls it cannot do say nothing about the figures.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
      if (art == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) return;
      std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (runden == 0)
      std::printf("== own rows ==\n");
    else
      std::printf("== generated database, %d rounds ==\n", runden);
    std::fflush(stdout);
    return lauf(runden);
  }
  int ergebnis = 0;
  for (const char* satz : {"own", "5000", "50000"}) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(satz)});
    if (!p.waitForFinished(-1) || p.exitCode() != 0) ergebnis = 1;
  }
  return ergebnis;
}

// The median time of `mal` runs of `f` in milliseconds, after one run that is not counted.
// `zwischen` runs after each run, outside the time.
inline double MedianMs(int mal, const std::function<void()>& f, const std::function<void()>& zwischen = {}) {
  f();
  if (zwischen) zwischen();
  std::vector<double> zeiten;
  for (int i = 0; i < mal; ++i) {
    QElapsedTimer t;
    t.start();
    f();
    zeiten.push_back(t.nsecsElapsed() / 1e6);
    if (zwischen) zwischen();
  }
  std::sort(zeiten.begin(), zeiten.end());
  return zeiten.empty() ? 0.0 : zeiten[zeiten.size() / 2];
}

// One figure beside the plain read (or `schlicht`, the plain write) of its rows from the
// same run (none: work without rows).
inline void Zeile(const QString& was, double ms, double lesen, const char* schlicht = "plain read") {
  if (lesen <= 0) {
    std::printf("%-48s %9.2f ms   (no rows read)\n", qPrintable(was), ms);
    std::fflush(stdout);
    return;
  }
  std::printf("%-48s %9.2f ms   %-11s%8.2f ms   %6.1fx\n", qPrintable(was), ms, schlicht, lesen,
              lesen > 0 ? ms / lesen : 0.0);
  std::fflush(stdout);
}
