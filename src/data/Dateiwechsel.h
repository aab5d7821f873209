// A database file replaced while the program runs: a sync or backup tool that writes a
// copy and renames it over the database, or a link to the database pointed at another
// file; or the file deleted, or something that is no database put in its place. Nothing is
// written into the old file, which is no longer at the path, nor into a file found there
// that is no database; the program goes on with a database at the path, and nothing the
// user typed, nor the database it holds, is lost unasked.
#pragma once

#include <QString>
#include <functional>

// The file now at the database's path is another one than the program opened (with what
// identifies it on the disk).
inline constexpr int MELDUNG_DATEI_ERSETZT = 4646;
// The question that follows it when a change waits to be stored.
inline constexpr int MELDUNG_AENDERUNG_IN_NEUE_DATEI = 4647;
// The file at the path was gone, or was no database (kept beside it): the database the
// program held was written there whole.
inline constexpr int MELDUNG_DATENBANK_ZURUECKGESCHRIEBEN = 4648;
inline constexpr int MELDUNG_DATENBANK_STATT_FREMDER_DATEI = 4649;
// The database the program held was at no path any more when another file at the path was
// taken over: it was written whole beside it first.
inline constexpr int MELDUNG_BISHERIGE_DATENBANK_AUFBEWAHRT = 4671;

// What became of the move to the file now at the path.
enum class Dateiwechsel {
  Gewechselt,   // the file there is a database: the old file is closed, the program works on it
  Geschrieben,  // nothing, or no database, was there: the database the program holds was
                // written there whole (a file found there kept beside it under a name that
                // says so), and the program works on it
  Unbrauchbar   // neither: the file there is a database another program holds or that waits
                // for a store cut off to be finished, or the database could not be written;
                // the program stays on the old file and stores nothing
};

class Speicheraktion;
// Closes the old file and opens the database at the path with the program's lock taken on
// it, after the checks of the start (a database of this program, whole). Where nothing or
// no database is there, the database the program holds (its only whole copy) is first
// written to a new file beside it, put on the disk, checked, locked and only then put at the
// path, the file found there moved aside with the journal files beside it. What keeps the
// program from it is reported into `aktion` (for a write that failed with why, under
// MELDUNG_DATENBANK_NICHT_GESCHRIEBEN). For Geschrieben `mitteilung` receives the text that
// tells the user where the database and the file found there are now. Before the program
// lets go of a database that is at no path any more (the file deleted, and another put at
// the path), it writes it whole beside the path as `<file>.bisher-<time>`, for every
// take-over; `mitteilung` then names it (where that cannot be written, nothing is let go).
// Only between two actions, never while a transaction is open.
Dateiwechsel WechsleZurDateiAmPfad(Speicheraktion& aktion, QString* mitteilung = nullptr);

// The one hook through which a window stores what it shows. `speichern` stores (as the
// window always does) and says whether the window may go on. When the file at the
// database's path is found to be another one, before the store or by a check of the store
// itself, the user is told once, naming the file; the program moves to the file now there
// and asks whether the change just made is to be stored into it: Yes runs `speichern`
// there, No runs `zeigen`, which shows the record as that file holds it (and the window
// does not go on). As the session ends nobody is asked, also when it ends while the
// question is open: `speichern` runs there. Where the file was gone or no database, the
// database the program held is written there and `speichern` runs there unasked; the user
// is told once where. When the file now there cannot be used, one box says so and nothing
// is stored. Once the user has decided at his end of the program to go back to it, or to
// end without storing (Schlussentscheidung), nothing more is stored in that end.
bool SpeichereInDieDatei(const std::function<bool()>& speichern, const std::function<void()>& zeigen);
// The same for a store that says whether it stored and sets `abgelehnt` when a record it
// had to store was refused or not stored (the window then does not go on); so does No.
bool SpeichereDatensatzInDieDatei(const std::function<bool()>& speichern, bool& abgelehnt,
                                  const std::function<void()>& zeigen);
