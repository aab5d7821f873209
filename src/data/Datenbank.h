// Finding the database files at start, and compacting the main database.
#pragma once

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

// Puts a file (or a folder's entries) on the disk before the program relies on it; false,
// with errno set, when the system could not.
bool AufPlatte(const QString& pfad);
