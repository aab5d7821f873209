// A database file replaced while the program runs: a sync or backup tool that writes a
// copy and renames it over the database, or a link to the database pointed at another
// file. Nothing is written into the old file, which is no longer at the path; the program
// goes on with the file now there, and nothing the user typed is lost unasked.
#pragma once

#include <QString>
#include <functional>

// The file now at the database's path is another one than the program opened (with what
// identifies it on the disk).
inline constexpr int MELDUNG_DATEI_ERSETZT = 4646;
// The question that follows it when a change waits to be stored.
inline constexpr int MELDUNG_AENDERUNG_IN_NEUE_DATEI = 4647;

// What became of the move to the file now at the path.
enum class Dateiwechsel {
  Gewechselt,  // the old file is closed; the program works on the file now at the path
  Fehlt,       // no file there (deleted, or renamed away)
  Unbrauchbar  // the file there failed the checks of the start, or another program holds
               // it: the program stays on the old file and stores nothing
};

// Closes the old file and opens the file now at the database's path after the checks of
// the start (a database of this program, whole) with the program's lock taken on it;
// `grund` says what keeps the program from it. Only between two actions, never while a
// transaction is open.
Dateiwechsel WechsleZurDateiAmPfad(QString* grund = nullptr);
// The same; when the program cannot go on with the file now there, that is reported into
// `aktion` as Fehlerart::Ersetzt with the file and why. True when it moved.
class Speicheraktion;
bool WechsleZurDateiAmPfad(Speicheraktion& aktion);

// The one hook through which a window stores what it shows. `speichern` stores (as the
// window always does) and says whether the window may go on. When the file at the
// database's path is found to be another one, before the store or by a check of the store
// itself, the user is told once, naming the file; the program moves to the file now there
// and asks whether the change just made is to be stored into it: Yes runs `speichern`
// there, No runs `zeigen`, which shows the record as that file holds it (and the window
// does not go on). As the session ends nobody is asked: `speichern` runs there. When the
// file now there cannot be used, one box says so and nothing is stored.
bool SpeichereInDieDatei(const std::function<bool()>& speichern, const std::function<void()>& zeigen);
// The same for a store that says whether it stored and sets `abgelehnt` when a record it
// had to store was refused or not stored (the window then does not go on); so does No.
bool SpeichereDatensatzInDieDatei(const std::function<bool()>& speichern, bool& abgelehnt,
                                  const std::function<void()>& zeigen);
