// Page margins of the paged printouts, kept in the settings file between runs
// (hundredths of a millimetre), and their scaled form for the printout.
#pragma once

#include <array>

// left, top, right, bottom
extern std::array<long, 4> Seitenraender;
extern std::array<long, 4> Druckraender;
extern bool DruckAuswahl;

void LadeDruckEinstellungen();
void SpeicherDruckEinstellungen();
// Int(margin / 1.8)
long SkaliereRand(long rand);
