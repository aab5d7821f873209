#include "forms/Kartendatensatz.h"

bool Kartendatensatz::Getippt() const {
  for (const Eintrag* e : {&Datum, &Golfplatz, &Spielart, &Abschlag, &Turnier, &Vorgabewirksam, &Spielvorgabe, &AktHdcp,
                           &Slope, &CourseRating})
    if (e->ZuSchreiben()) return true;
  for (int i = 1; i <= 18; ++i)
    for (const Eintrag& e : Loch[size_t(i)])
      if (e.ZuSchreiben()) return true;
  return Golfplatzidn != Geladen.Golfplatzidn || SlopeIdn != Geladen.Slopeidn ||
         HdcpHistorieZustand != Geladen.HdcpHistorieZustand;
}
