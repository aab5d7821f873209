#pragma once
// The program's start: connects the databases, settles colours and language, keeps the
// game-type names in the current language, shows the main window and reads the print
// margins. False when no database was chosen and the program must end.
bool Main();
