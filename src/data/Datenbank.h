// Finding the database files at start, and compacting the main database.
#pragma once

#include <QFileDevice>
#include <QString>

// Finds dbgolfvb.mdb (settings, older setting, or a file dialog) and checks for the
// language database. False: no database was chosen, or the database is held by another
// program (the user was told), and the program must end.
bool VerbindeDatenbanken();

// Compacts the main database into CompressedDB.mdb beside it and puts the compacted
// copy in the place of the database file (reached through a link: of the file the link
// names; the link stays). A compaction that failed has said why in one box; the caller
// tells the user of the other two ends.
enum class Komprimierung {
  Fertig,          // MELDUNG_KOMPRIMIERT
  DateiFehlt,      // the database file is not there: MELDUNG_KOMPRIMIEREN_OHNE_DATEI
  Fehlgeschlagen,  // told already
};
inline constexpr int MELDUNG_KOMPRIMIEREN_OHNE_DATEI = 226;
inline constexpr int MELDUNG_KOMPRIMIERT = 227;
Komprimierung KomprimiereDatenbank();

// A compaction cut off (the program killed, the power gone) leaves its unfinished copy
// CompressedDB.mdb with its journal, or the file it was putting in the database's place;
// called at start, once this program holds the database, it removes them where they are
// the program's own and no other program has them open. What a finished compaction leaves
// stays.
void RaeumeAbgebrochenesKomprimierenAuf();

// A write-back of the database cut off after its copy was whole but before it was put in
// place (data/Dateiwechsel.h) left `<file>.gesichert-<time>` beside the path, and the path
// holds nothing, or a file that is no database: the start names the newest whole copy and,
// when the user agrees, puts it at the path (the file found there kept beside it as
// `<file>.fremd-<time>`). A copy cut off while it was written is never taken. Called before
// the database at the path is checked.
void NimmGesicherteKopie(const QString& pfad);
// The question, where the path holds nothing or a file that is no database.
inline constexpr int MELDUNG_KOPIE_NEHMEN = 4665;
inline constexpr int MELDUNG_KOPIE_NEHMEN_STATT_DATEI = 4666;
// Names once, in one box, what the program left beside the database: journals put aside,
// copies of the database whole or cut off while written, what each is and that it may be
// deleted. What was named once (when it was made, or at an earlier start) is not named
// again.
void NenneReste(const QString& pfad);
// The box's head, and what each file is: a journal put aside, a copy cut off, a whole copy.
inline constexpr int MELDUNG_RESTE = 4667;
inline constexpr int TEXT_REST_JOURNAL = 4668;
inline constexpr int TEXT_REST_UNVOLLSTAENDIG = 4669;
inline constexpr int TEXT_REST_GANZ = 4670;
// A copy of a database beside it that is whole: no journal of a write cut off beside it,
// as long as its pages say, and read back whole.
bool GanzeKopie(const QString& pfad);

// Puts a file (or a folder's entries) on the disk before the program relies on it; false,
// with errno set, when the system could not.
bool AufPlatte(const QString& pfad);

// Copies the file `von` to a new file `nach` with the permissions `rechte` and puts it on
// the disk: the errno value of the step that failed, 0 when the copy is complete.
int KopiereDatei(const QString& von, const QString& nach, QFileDevice::Permissions rechte);
