// Program-wide state: the answer of the last message box, the interface language, the
// colours and statistics settings read at start, the active golfer and the command
// contexts written by the window in front.
#pragma once

#include <QString>

inline const QString PRODUKTTITEL = QStringLiteral("Zantro Puttwise!  - 2.02  ");

extern int MsgAntwort;        // 1 OK, 6 yes, 7 no
extern int Sprachnummer;      // 1 German, 2 English
extern QString DatenbankPfad;
extern long Hintergrundfarbe;
extern long Vordergrundfarbe;
extern QString FairwaytrefferPar3;
extern QString DrivingDistancePar3;
extern QString MinMon;
extern QString MinJahr;

struct GolferDaten {
  QString Golferidn;
  QString Golfername;
  QString Stammvorgabe;
  QString Handicap;
  QString Heimatclub;
  QString AktuellerGolfer;
  QString NaechsterFreitag;
};
extern GolferDaten AktiverGolfer;

// Routing words of the window in front.
extern QString AktiveForm;
extern QString KontextNeu;
extern QString KontextLoeschen;
extern QString KontextSuchen;
extern QString KontextZurueck;
extern QString KontextWeiter;
extern QString KontextSeitenansicht;
extern QString KontextDrucken;

// The heading of the current analysis.
extern QString AuswertungTitel;

// The common error handler: a critical box with the error's description and the
// product title; the answer goes into MsgAntwort.
void Fehlerbox(const QString& beschreibung);

// Puts every program-wide variable back to its start value (used between tests).
void GlobaleZuruecksetzen();
