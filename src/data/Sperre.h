// Only one program works on a database at a time: a lock file beside the database
// (dbgolfvb.mdb.lock), taken at start and kept until the program ends. The lock of a
// program that was killed is taken over.
#pragma once

#include <QString>

// The lock file of a database file: beside the real file, whatever link or path leads
// to it.
QString Sperrdatei(const QString& datenbank);

enum class Sperrergebnis {
  Genommen,      // this program holds the lock
  Belegt,        // another running program holds it
  NichtMoeglich  // the lock file cannot be made (the folder is read-only); nothing is held
};

// Takes the lock of that database (a lock already held for it by this program counts
// as taken; one held for another database is released first).
Sperrergebnis SperreDatenbank(const QString& datenbank);
// Releases the lock (the end of the program, and between tests).
void GibDatenbankFrei();
