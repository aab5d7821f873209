// The scorecard that the golfer window shows as a value, for the windows that take a
// snapshot of it (the detail view and the scorecard sheet): the card as typed and the
// results its recalculation gives.
#pragma once

#include "statistics/Kartenauswertung.h"

// The card on screen as the golfer window shows it now (loads that window when needed).
KartenSchnappschuss LiesKarteVomBildschirm();
// The key of the card on screen, "" when the golfer window is not loaded.
QString SchluesselDerKarteAufDemBildschirm();
