// Finding the database files at start, and compacting the main database.
#pragma once

// Finds dbgolfvb.mdb (settings, older setting, or a file dialog) and checks for the
// language database. False: no database was chosen, or the database is held by another
// program (the user was told), and the program must end.
bool VerbindeDatenbanken();

// Compacts the main database into CompressedDB.mdb beside it and puts the compacted
// copy in the place of the database file (reached through a link: of the file the link
// names; the link stays).
void DatenbankKomprimieren();
