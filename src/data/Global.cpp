#include "data/Global.h"

#include "platform/Dialoge.h"

int MsgAntwort = 0;
int Sprachnummer = 0;
QString DatenbankPfad;
long Hintergrundfarbe = 0;
long Vordergrundfarbe = 0;
QString FairwaytrefferPar3;
QString DrivingDistancePar3;
QString MinMon;
QString MinJahr;
GolferDaten AktiverGolfer;
QString AktiveForm;
QString KontextNeu;
QString KontextLoeschen;
QString KontextSuchen;
QString KontextZurueck;
QString KontextWeiter;
QString KontextSeitenansicht;
QString KontextDrucken;
QString AuswertungTitel;

void Fehlerbox(const QString& beschreibung) {
  MsgAntwort = DLG().Meldung(beschreibung, STIL_KRITISCH, PRODUKTTITEL);
}

void GlobaleZuruecksetzen() {
  MsgAntwort = 0;
  Sprachnummer = 0;
  DatenbankPfad.clear();
  Hintergrundfarbe = 0;
  Vordergrundfarbe = 0;
  FairwaytrefferPar3.clear();
  DrivingDistancePar3.clear();
  MinMon.clear();
  MinJahr.clear();
  AktiverGolfer = GolferDaten{};
  AktiveForm.clear();
  KontextNeu.clear();
  KontextLoeschen.clear();
  KontextSuchen.clear();
  KontextZurueck.clear();
  KontextWeiter.clear();
  KontextSeitenansicht.clear();
  KontextDrucken.clear();
  AuswertungTitel.clear();
}
