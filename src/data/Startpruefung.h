// Checks made once at start, before anything is written: that the settings file can be
// read, and that the database file is a database of this program.
#pragma once

#include <QString>

// Texts of the database check.
inline constexpr int MELDUNG_KEINE_PUTTWISE_DATENBANK = 4609;
inline constexpr int MELDUNG_DATEI_LEER = 4610;
inline constexpr int MELDUNG_KEINE_DATENBANK = 4611;
inline constexpr int MELDUNG_DATENBANK_BESCHAEDIGT = 4612;
inline constexpr int MELDUNG_TABELLEN_FEHLEN = 4613;
inline constexpr int MELDUNG_NICHT_LESBAR = 4614;
// The database is open in another window of the program.
inline constexpr int MELDUNG_DATENBANK_BELEGT = 4608;
// The database cannot be opened now (another program holds it); with the reason
// MELDUNG_GRUND_GESPERRT of the stores as Grund.
inline constexpr int MELDUNG_DATENBANK_JETZT_NICHT = 4615;

struct Datenbankbefund {
  bool Ok = false;
  int Grund = 0;        // one of the MELDUNG_ numbers above when not Ok, or
                        // MELDUNG_GRUND_GESPERRT when another program holds the file
  QString Fehlend;      // the missing tables, for MELDUNG_TABELLEN_FEHLEN
  QString Treibertext;  // the driver's words, when it gave any
};

// Looks at the file without writing to it (opened read-only, never switched to WAL,
// an empty file stays empty): a readable SQLite database, intact, holding the tables
// of this program.
Datenbankbefund PruefeDatenbankdatei(const QString& pfad);
// The user's text for a failed check: the file, what is wrong, and the request to
// choose the database; for a file another program holds, that it cannot be opened now
// and why.
QString Datenbankbefundtext(const QString& pfad, const Datenbankbefund& befund);

// When the settings file exists but cannot be read, tells the user once (naming the file
// and what is wrong) and lets the program go on as on a first start: the file is kept
// under the name <file>.defekt, or, when it cannot be moved, the settings of this run are
// kept in a file of their own in the temporary folder. False when the file was unreadable.
bool PruefeEinstellungsdatei();

// Sets Sprachnummer from the settings without writing anything, for the messages shown
// before the language is settled.
void SpracheVorlaeufig();

// Tells a second start that the database is already open in another window.
void MeldeDatenbankBelegt(const QString& pfad);
