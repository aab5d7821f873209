#include "data/Global.h"

QString DatenbankPfad;
QString FairwaytrefferPar3;
QString DrivingDistancePar3;
QString MinMon;
QString MinJahr;
GolferDaten AktiverGolfer;
QString AuswertungTitel;

void GlobaleZuruecksetzen() {
  PlattformwerteZuruecksetzen();
  RoutingZuruecksetzen();
  DatenbankPfad.clear();
  FairwaytrefferPar3.clear();
  DrivingDistancePar3.clear();
  MinMon.clear();
  MinJahr.clear();
  AktiverGolfer = GolferDaten{};
  AuswertungTitel.clear();
}
