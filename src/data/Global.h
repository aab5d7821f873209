// Program-wide state of the data layer: the database path, the statistics settings read
// at start, the active golfer and the heading of the current analysis. The values every
// layer shares (message answer, language, colours, error box) and the routing words of
// the window in front live in the platform layer; they are included here so that users
// of this header keep finding them.
#pragma once

#include <QString>

#include "platform/Global.h"
#include "platform/Hauptfenster.h"

extern QString DatenbankPfad;
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

// The heading of the current analysis.
extern QString AuswertungTitel;

// Puts every program-wide variable back to its start value (used between tests).
void GlobaleZuruecksetzen();
