// Checks made once at start, before anything is written: that the settings file can be
// read, and that the database file is a database of this program.
#pragma once

#include <QString>

#include "language/Dateipruefung.h"

// Texts of the database check; what is wrong with a file is told in the words of
// language/Dateipruefung.h.
inline constexpr int MELDUNG_KEINE_PUTTWISE_DATENBANK = 4609;
// A database of this program that lacks tables or columns this version reads.
inline constexpr int MELDUNG_ANDERER_AUFBAU = 4661;
// The database is open in another window of the program.
inline constexpr int MELDUNG_DATENBANK_BELEGT = 4608;
// The database cannot be opened now (another program holds it); with the reason
// MELDUNG_GRUND_GESPERRT of the stores as Grund.
inline constexpr int MELDUNG_DATENBANK_JETZT_NICHT = 4615;
// The database holds a store that was cut off and cannot be rolled back here; as a Grund,
// and as the text that says so, with why and what to do:
inline constexpr int MELDUNG_UNTERBROCHENE_AENDERUNG = 4640;
inline constexpr int MELDUNG_UNTERBRECHUNG_SCHREIBGESCHUETZT = 4631;  // the file or its folder
inline constexpr int MELDUNG_UNTERBRECHUNG_GELESEN = 4632;            // another program reads it
inline constexpr int MELDUNG_UNTERBRECHUNG_JOURNAL_FREMD = 4633;      // the journal is not ours to write
inline constexpr int MELDUNG_UNTERBRECHUNG_ORDNER_GESCHUETZT = 4634;  // nor ours to remove
// A journal beside the file that belongs to another file was put aside, not rolled back;
// or one that may belong to another file and could not safely be rolled back.
inline constexpr int MELDUNG_FREMDES_JOURNAL = 4630;
inline constexpr int MELDUNG_JOURNAL_UNGEWISS = 4653;
// A journal whose file could not be told for sure was rolled back, the file as found kept
// beside it.
inline constexpr int MELDUNG_ZURUECKGENOMMEN_MIT_KOPIE = 4664;
// The database can only be read, its file or its folder (%2) marked read-only.
inline constexpr int MELDUNG_NUR_LESBAR = 4672;
// The database the settings name cannot be used; with the reason that follows.
inline constexpr int MELDUNG_EINGESTELLTE_DATENBANK = 4641;
inline constexpr int MELDUNG_DATEI_FEHLT = 4642;
inline constexpr int MELDUNG_IST_ORDNER = 4643;
inline constexpr int MELDUNG_KEINE_GEWOEHNLICHE_DATEI = 4644;
// The settings name no database at all.
inline constexpr int MELDUNG_KEINE_DATENBANK_EINGESTELLT = 4645;

// Not Ok: Grund is a reason of language/Dateipruefung.h, MELDUNG_GRUND_GESPERRT when
// another program holds the file, or MELDUNG_UNTERBROCHENE_AENDERUNG (Unterbrechung then
// says why it waits).
struct Datenbankbefund : Dateibefund {
  int Unterbrechung = 0;
  // The journal of another file that lay beside this one, under the name it was put aside
  // as; empty when there was none. JournalUngewiss: it may as well have been this file's.
  QString FremdesJournal;
  bool JournalUngewiss = false;
  // Where a journal was rolled back whose file could not be told for sure: the copy of the
  // file as found before.
  QString Vorgefunden;
};

// The tables of the database with their columns, as the schema the program ships makes them.
const QList<Tabellenaufbau>& Datenbankaufbau();

// Looks at the file without writing to it (opened read-only, never switched to WAL,
// an empty file stays empty): a readable SQLite database, intact, holding every table
// and column of this program's layout. Only a store that was cut off (the program killed,
// the power gone) is finished first: where the file and its folder may be written, the
// engine rolls its journal back, so that the file is as before that store and no journal
// stays beside it; elsewhere the file is not read at all (MELDUNG_UNTERBROCHENE_AENDERUNG).
// A journal that holds another file's first page is put aside under a name that says so
// (FremdesJournal). One that is most likely the file's own but cannot be told for sure (no
// birth times on the file system, the file younger than the journal after a folder was
// copied or restored journal first, or a sync tool's copy one store ahead) is rolled back
// all the same, the file as found kept whole beside it first (Vorgefunden); where the file
// then fails the check, the file as found goes back and the journal is put aside. One that
// holds no store yet (cut off before it was first put on the disk) is removed. While
// another program stores into the file, its journal is left alone.
Datenbankbefund PruefeDatenbankdatei(const QString& pfad);
// Tells the user once that a journal of another file was put aside, or that a journal was
// rolled back with the file as found kept beside it, where the check did so.
void MeldeFremdesJournal(const QString& pfad, const Datenbankbefund& befund);
// Notes in the settings that the file beside the database, named by its file name, was
// named to the user, so that the start does not name it again (NenneReste).
void MerkeGenannt(const QString& datei);
// Whether it was.
bool WurdeGenannt(const QString& datei);
// For tests: the check takes the file system for one that keeps no birth times.
void SetzeGeburtszeitenUnbekannt(bool unbekannt);
// The user's text for a failed check: the file, what is wrong (for an older layout,
// which tables and columns are missing), and the request to choose the database; for a
// file another program holds, that it cannot be opened now and why; for a store cut off
// in a read-only place, what to do.
QString Datenbankbefundtext(const QString& pfad, const Datenbankbefund& befund);
// A database the settings name (empty: none) that is no file: which one, why it cannot be
// used, and the request to choose the database.
QString FehlendeDatenbanktext(const QString& pfad);

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
