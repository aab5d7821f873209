// Page margins of the paged printouts, kept in the settings file between runs
// (hundredths of a millimetre), and their scaled form for the printout; the page set-up
// and the printer choice over the current printer; the messages of a failed print.
#pragma once

#include <array>

#include "platform/Drucker.h"

// left, top, right, bottom
extern std::array<long, 4> Seitenraender;
extern std::array<long, 4> Druckraender;
extern bool DruckAuswahl;

// A stored margin that is missing, not a whole number or negative gives 1000.
void LadeDruckEinstellungen();
void SpeicherDruckEinstellungen();
// Int(margin / 1.8)
long SkaliereRand(long rand);
// The stored margin text as a margin: 1000 unless it is a whole number of at least 0.
long RandAusText(const QString& text);

// The page set-up dialog: margins, printer, paper and orientation; true on OK.
bool SeiteEinrichten();
// The printer dialog; sets DruckAuswahl when the selection was chosen as print range.
bool DruckerAuswaehlen();

// Reports a print that did not come out (critical message) and returns false; true when
// the job was printed.
bool MeldeDruckergebnis(DruckErgebnis e);
