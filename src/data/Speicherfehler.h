// What went wrong when the database refused a statement, told once per user action in
// the interface language.
//
// While a `Speicheraktion` is open, the data-access object records the first database
// error of the action instead of showing a box per statement; when the action ends, one
// box says what was not stored and why, with the driver's text as detail:
//
//   {
//     Speicheraktion aktion;                 // "The changes were not stored."
//     DBG().InTransaktion([&] { ... });      // statements report into the action
//   }                                        // one box here, if anything failed
//
// Actions nest: an inner action reports into the outer one.
#pragma once

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>

// The kinds of database failure the user is told about.
// Ersetzt: the file at the database's path is no longer the one the program opened (it was
// replaced, renamed or deleted while the program ran). NurLesen: the program opened the
// database for reading only, as it could not lock it (data/Sperre.h).
enum class Fehlerart { Gesperrt, Voll, Schreibgeschuetzt, Beschaedigt, Ersetzt, NurLesen, Sonstig };

// Headlines of the box.
inline constexpr int MELDUNG_NICHT_GESPEICHERT = 4601;
inline constexpr int MELDUNG_NICHT_KOMPRIMIERT = 4602;
// The file at the database's path was gone or no database, and the database the program
// holds, its only whole copy, could not be written there (data/Dateiwechsel.h).
inline constexpr int MELDUNG_DATENBANK_NICHT_GESCHRIEBEN = 4650;
// At the user's end of the program such a box asks whether to go back to the program (Yes)
// or to end without storing (No): what is lost then, the changes or the whole database.
inline constexpr int MELDUNG_ZURUECK_ODER_OHNE_SPEICHERN = 4651;
inline constexpr int MELDUNG_ZURUECK_ODER_DATENBANK_VERLOREN = 4652;
// The reasons, one per kind.
inline constexpr int MELDUNG_GRUND_GESPERRT = 4603;
inline constexpr int MELDUNG_GRUND_VOLL = 4604;
inline constexpr int MELDUNG_GRUND_SCHREIBGESCHUETZT = 4605;
inline constexpr int MELDUNG_GRUND_BESCHAEDIGT = 4606;
inline constexpr int MELDUNG_GRUND_SONSTIG = 4607;
inline constexpr int MELDUNG_GRUND_ERSETZT = 4616;
inline constexpr int MELDUNG_GRUND_NUR_LESEN = 4627;

// The kind of an SQLite result code (primary or extended).
Fehlerart FehlerartVonCode(int sqliteCode);
// The kind of a driver error (its native code; the text when the code is missing).
Fehlerart FehlerartVon(const QSqlError& fehler);
// Message number of the reason for a kind.
int GrundMeldung(Fehlerart art);
// The kind of a failed file operation, by its errno value (a full disk, a write-protected
// file or folder).
Fehlerart FehlerartVonErrno(int fehlernummer);
// The detail of a driver error as the box shows it: the database engine's own words, in
// one language. Qt's wording around them ("Unable to fetch row") would come in the
// language of Qt's catalogue, so it is used only when the engine said nothing.
QString Treibertext(const QSqlError& fehler);

class Speicheraktion {
 public:
  // `ueberschrift`: the message number that says what was not done.
  explicit Speicheraktion(int ueberschrift = MELDUNG_NICHT_GESPEICHERT);
  ~Speicheraktion();  // shows the one box when something failed
  Speicheraktion(const Speicheraktion&) = delete;
  Speicheraktion& operator=(const Speicheraktion&) = delete;

  // Records a failure; only the first one of the action is kept. A driver error gives its
  // kind's reason; the engine's own (English) words follow only where no reason of the
  // program's says what went wrong.
  void Melde(Fehlerart art, const QString& detail);
  void Melde(const QSqlError& fehler);
  // Says what was not done in other words (a message number) from now on.
  void SetzeUeberschrift(int ueberschrift) { m_ueberschrift = ueberschrift; }
  bool Fehlgeschlagen() const { return m_fehlgeschlagen; }
  Fehlerart Art() const { return m_art; }
  // Shows the box now (once) instead of at the end. As the user ends the program, the box
  // of a store that failed asks whether to go back to the program (Schlussentscheidung);
  // once he has answered, no further box of that end is shown.
  void Abschliessen();

  // The innermost open action, or null.
  static Speicheraktion* Offene();

 private:
  int m_ueberschrift;
  bool m_fehlgeschlagen = false;
  bool m_gezeigt = false;
  Fehlerart m_art = Fehlerart::Sonstig;
  QString m_detail;
  Speicheraktion* m_aeussere;
};

// While a store runs under SpeichereInDieDatei (data/Dateiwechsel.h), an action that ends
// with Fehlerart::Ersetzt shows no box of its own: it sets the flag given here, and the
// store tells the user once. Gives back the flag that was set before (nullptr: none).
bool* SetzeErsetztMeldung(bool* bemerkt);

// Text of the box for a failure: headline, reason, and the detail after a blank line.
QString Speicherfehlertext(int ueberschrift, Fehlerart art, const QString& detail);
// The headline of a database error outside a store (a read, a count, a view).
inline constexpr int MELDUNG_DATENBANKFEHLER = 4673;
// The box of such an error: the headline and the reason in the interface language, the
// engine's own words only as the detail.
QString Datenbankfehlertext(const QSqlError& fehler);

// One user action (a card with its history row and golfer, a golfer with its history, a
// course with its tees): its steps in one transaction, all stored or nothing, and at most
// one box saying what was not stored and why. The steps return false to give up (the
// transaction is rolled back; a refusal of their own shows no database box). True when
// everything was stored. Record operations that open their own transaction may run
// inside; the outer transaction decides.
bool AlsEineAktion(const std::function<bool()>& schritte, int ueberschrift = MELDUNG_NICHT_GESPEICHERT);

// A database error of a statement: recorded by the open action, or shown at once as
// before when no action is open.
void MeldeDatenbankfehler(const QSqlError& fehler);

// ---------------------------------------------------------------------------------------
// Fault injection for tests: makes statements of the data-access object fail on demand.
// Every statement run through DBGKlasse::Ausfuehren, and the commit of
// DBGKlasse::InTransaktion (its text is "COMMIT"), is first offered to the probe; when
// the probe gives an error, the statement is not run and fails with that error.
using Fehlerprobe = std::function<QSqlError(const QString& sql)>;
void SetzeFehlerprobe(Fehlerprobe probe);  // an empty function removes it
// The probe's error for a statement; an invalid QSqlError when it runs normally.
QSqlError PruefeFehlerprobe(const QString& sql);
// Runs a statement on the query as the data-access object does: offered to the probe
// first, then prepared (a statement that cannot be prepared fails with its own reason,
// not with a later complaint about its values), bound and run. The error of the step that
// failed; an invalid QSqlError when it ran.
QSqlError FuehreAnweisungAus(QSqlQuery& q, const QString& sql, const QVariantList& werte = {});
// A probe that fails the statements containing `teil` (case-blind) with the SQLite
// result code `code`, from the `ab`-th matching statement on (1 = the first).
Fehlerprobe FehlerBei(const QString& teil, int code, int ab = 1);
