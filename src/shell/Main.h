#pragma once
// The program's start: connects the databases, settles colours and language, keeps the
// game-type names in the current language, shows the main window and reads the print
// margins. False when no database was chosen and the program must end.
bool Main();
// The program's end, once the application has left its event loop: both database
// objects close their connections (so that SQLite folds its journal back into the
// database file), the language service closes its own, and the database lock goes.
void ProgrammAufraeumen();
