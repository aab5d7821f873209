// The two statistics computations as the analysis runs them: read the selected rounds,
// compute the table, compare it with the stored records and show it in its window. And
// the commands that switch a window between its views.
#pragma once

#include <QString>

// What the analysis page chose, as the statistics windows name it: the course as the page
// shows it and whether only handicap rounds count.
struct Analysewahl {
  QString Platzname;
  bool Vorgabewirksam = false;
};

// Per hole of one course, shown in AuswertungGolfplatz. `Golferidn` is the golfer whose
// rounds the SQL selects (empty: the active golfer); the window names the golfer as stored
// and the course of `wahl`.
void CalcGP(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
            const QString& Startdatum, const QString& Enddatum, const QString& Golferidn, const Analysewahl& wahl);
// The name of the golfer whose rounds an analysis takes (empty: the active golfer).
QString GolfernameDerAuswertung(const QString& Golferidn);
// Per par over all courses, shown in AuswertungAllgemein.
void CalcRunden(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
                const QString& Startdatum, const QString& Enddatum, const QString& Golferidn, const Analysewahl& wahl);

// The window the toggles act on: the per-par window when it is loaded or the per-course
// window is not; else the per-course window. Null when neither is loaded.
class Auswertungsfenster;
Auswertungsfenster* AuswertungsZiel();
// The views of each window, as the commands call them: mode 1 switches the view on, any
// other mode back to the computed values. The stored records are those of the window's
// own scope key. A window that is not loaded is left alone.
void ReadHighscoresAllgemein(int Modus);
void ReadHighscoresGP(int Modus);
void SchalteAufZahlenAllgemein(int Modus);
void SchalteAufZahlenGolfplatz(int Modus);
// Button 13 (stored records) or 14 (counts) changed: switch the target window, keeping at
// most one of the two views on.
void SchalteRekordansicht();
void SchalteZaehlansicht();
// Both views of both windows off and both buttons released (before a new computation).
void AnsichtenAus();
// Forward on the per-course window: the same rounds per par.
void AuswertungWeiter();
// Back on the per-par window: the per-par window closes, uncovering the per-course one.
void AuswertungZurueck();
