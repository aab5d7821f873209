// Only one program works on a database at a time: the program locks the database file
// itself, from the start until it ends. The lock is the system's, on a byte of the file
// that the database engine leaves alone, so it belongs to the file and not to a name:
// every path, link or second name (hard link) of the file meets the same lock, a read-only
// folder needs no lock file, and the system releases the lock when the program ends in
// any way, so there is never a lock left behind to take over.
#pragma once

#include <QString>

enum class Sperrergebnis {
  Genommen,      // this program holds the lock
  Belegt,        // another running program holds it
  NichtMoeglich  // the system gives no lock on that file (Sperrgrund says why); nothing is held
};

// Takes the lock of that database (a lock already held for that file by this program
// counts as taken; one held for another file is released first). A file this program may
// write is locked for writing, a read-only one for reading: two programs may look at a
// database that neither can change.
Sperrergebnis SperreDatenbank(const QString& datenbank);
// Why the last lock could not be taken, in the interface language.
QString Sperrgrund();
// The same for the errno value `fehler` of a lock (SperreDatei).
QString Sperrgrund(int fehler);
// Releases the lock (the end of the program, and between tests).
void GibDatenbankFrei();
// A database locked for reading only, as its file could not be written, that may be
// written now: its lock becomes one for writing. False where another program holds a lock
// on it (the lock for reading stays). True where the program holds no lock at all.
bool SperreZumSchreiben(const QString& datenbank);

// Opens `datei` and takes its lock on the open file: the descriptor that holds it, or -1
// (`fehler` the errno value; EAGAIN when another program holds it). The lock lasts until
// the descriptor is closed. Closing a descriptor of a file ends every lock the database
// engine of this process holds on it, so a descriptor is closed only while no connection
// of this process is in a transaction on that file.
int SperreDatei(const QString& datei, int& fehler);
// The database engine's own locks on a database file, as every program of the engine takes
// them. Keeps the engine of every program (this one's included) from starting a store on
// the file, and, where the file may be written, from starting to read it, while the
// descriptor it gives lives (the caller closes it); -1 when a program is storing into the
// file now, or the file cannot be opened.
int HalteSchreiberAb(const QString& datenbank);
// Whether another program reads the file through the engine now (it holds the engine's
// read lock, which keeps a store cut off from being rolled back).
bool AnderesProgrammLiest(const QString& datenbank);
// While the file the program opened is no longer at the path (`abhalten`), the program's
// own connections to it must not take a journal found at the path for theirs: a journal
// beside the file now there belongs to that file, and the engine would roll it back into
// the old one and delete it as it reads. Holding the engine's reserved byte of the old file
// (through the lock's descriptor) tells every connection that a store is under way there,
// so that none of them touches a journal at the path; nothing is stored into the old file
// anyway. False (`abhalten` = false) gives the byte back.
void HalteVomAltenJournalAb(bool abhalten);
// For the compaction, which puts a new file in the database's place: the lock already
// taken on the new file (SperreDatei) becomes the program's, and the old file's is
// released. Without a lock held the new one is simply released.
void UebernimmSperre(int fd);
