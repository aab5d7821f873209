// The scorecard that the golfer window shows as a value, for the windows that take a
// snapshot of it (the detail view and the scorecard sheet): the card as typed and the
// results its recalculation gives.
#pragma once

#include "data/Scorekarte.h"
#include "scoring/Scorekartenrechnung.h"
#include "statistics/Kartenauswertung.h"

// The card on screen as values, all taken in one moment: the card value, its holes as
// typed with the course's par and stroke index (an entry the card's rules refuse left
// out), the results the card's rules give for them, and the golfer's name.
struct KarteAufDemBildschirm {
  Scorekarte Karte;
  KartenEingabe Eingabe;
  KartenErgebnis Ergebnis;
  QString Golfername;
};
// From the golfer window (loads that window when needed).
KarteAufDemBildschirm LiesKarteMitErgebnis();
// The card on screen as the detail evaluation reads it.
KartenSchnappschuss LiesKarteVomBildschirm();
// The key of the card on screen, "" when the golfer window is not loaded.
QString SchluesselDerKarteAufDemBildschirm();
