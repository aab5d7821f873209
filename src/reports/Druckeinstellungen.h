// Page margins of the paged printouts, kept in the settings file between runs
// (hundredths of a millimetre), and their scaled form for the printout; the page set-up
// and the printer choice over the current printer; the messages of a failed print.
#pragma once

#include <array>

#include "platform/widgets/Drucker.h"

// left, top, right, bottom
extern std::array<long, 4> Seitenraender;
extern std::array<long, 4> Druckraender;
extern bool DruckAuswahl;

// A stored margin that is missing, not a whole number or negative gives 1000; so do two
// opposite margins that leave no printable room on the paper (the page set-up alike).
void LadeDruckEinstellungen();
void SpeicherDruckEinstellungen();
// Int(margin / 1.8)
long SkaliereRand(long rand);
// The default margins, scaled as Druckraender.
std::array<long, 4> StandardDruckraender();
// The stored margin text as a margin: 1000 unless it is a whole number of at least 0.
long RandAusText(const QString& text);

// Names proposed for the PDF file of each printout (language text numbers).
inline constexpr int DATEI_HISTORIE = 1873;
inline constexpr int DATEI_SCOREKARTE = 1874;
inline constexpr int DATEI_PLATZSTATISTIK = 1875;
inline constexpr int DATEI_STATISTIK = 1876;
inline constexpr int DATEI_TURNIER = 1877;
inline constexpr int DATEI_SCOREKARTEN = 1878;
inline constexpr int DATEI_BLANKOKARTE = 1879;
inline constexpr int DATEI_GRAFIK = 1880;

// The name of a printout's job and of its PDF: "Puttwise - ", the printout's name in the
// interface language and what it shows ("Puttwise - Handicaphistorie Anna Beispiel").
QString Druckname(int name, const QString& inhalt);

// The page set-up dialog on the current printer: margins, printer, paper, source and
// orientation; true on OK.
bool SeiteEinrichten();
// The printer dialog on the current printer before the printout `name` of `inhalt`; sets
// DruckAuswahl when the selection was chosen as print range. A file named there for
// printing to a file is that printout's file.
bool DruckerAuswaehlen(int name = DATEI_HISTORIE, const QString& inhalt = QString());

// Before a printout: when the current printer is the PDF file, asks for the file of this
// printout (proposed: its name, Druckname, in the user's documents folder) unless the
// printer dialog named it. False when none was chosen, after saying so; true at once on a
// printer.
bool WaehleDruckdatei(int name, const QString& inhalt);
// Prints a window whole onto one page (DruckeWidgetGanz) as the printout `name` of
// `inhalt`, after asking for its file; a print that did not come out is reported. True
// when it was printed.
bool DruckeGanz(QWidget* w, int ausrichtung, int name, const QString& inhalt);
// The same inside the margins of the page set-up, as large as fits there on the window's
// proportions (DruckeWidgetImRand).
bool DruckeGanzImRand(QWidget* w, int ausrichtung, int name, const QString& inhalt);

// Reports a print that did not come out (critical message) and returns false; true when
// the job was printed.
bool MeldeDruckergebnis(DruckErgebnis e);
