// The detail evaluation of one scorecard: averages and percentages by par group (column
// 1 par 3, 2 par 4, 3 par 5, 4 par 6, 5 all holes of pars 3 to 6) and the histogram of
// the hole results. Takes the card's entries as the scorecard shows them with the results
// of its recalculation, and returns the texts of the result cells; reads no window and no
// database.
#pragma once

#include <QString>
#include <array>

#include "data/Scorekarte.h"
#include "scoring/Scorekartenrechnung.h"

// One hole of the card evaluated: the entries as typed with the course's captions (the
// input of the card's rules), and apart from them what the card's recalculation gave the
// hole (its results).
struct Schnappschussloch : KartenLoch {
  int GIRBrutto = 0;              // 1: green in regulation
  QString StblNetto, StblBrutto;  // computed points, empty while the hole has no result
};

// The card evaluated: header texts for the window and the holes 1 to 18.
struct KartenSchnappschuss {
  QString Scorekartenidn;
  QString Datum, Golfplatz, Spielart, Spielvorgabe, Golfername;
  int Vorgabewirksam = 0;
  std::array<Schnappschussloch, 19> Loch;  // 1-18; element 0 unused
};

// The snapshot of a card: the header of the card value, the holes and the playing handicap
// as typed, and the points and greens of the recalculation of those entries (none where
// it gave none). The golfer's name is the caller's.
KartenSchnappschuss Schnappschuss(const Scorekarte& karte, const KartenEingabe& eingabe,
                                  const KartenErgebnis& ergebnis);

// The rows of the par-group table, in the order they are computed.
enum Kartenzeile {
  Z_STBL_NETTO,
  Z_STBL_BRUTTO,
  Z_SCORE_BRUTTO,
  Z_SCORE_NETTO,
  Z_GIR_NETTO,
  Z_GIR_BRUTTO,
  Z_FWTREFFER,
  Z_ABSC,
  Z_PP_GIR,
  Z_PP_CH,
  Z_PP_PI,
  Z_PP_SO,
  Z_P_GES,
  Z_BUNKER,
  KARTENZEILEN
};
// The classes of the histogram.
enum Ergebnisklasse { K_HIO, K_ALB, K_EAG, K_BIR, K_PAR, K_BOO, K_DOU, K_TRI, K_GRT, ERGEBNISKLASSEN };

inline const QString KEINE_KARTENDATEN = QStringLiteral("-------");

struct Kartenauswertung {
  // Cell texts, index = column 1..5 (element 0 unused).
  std::array<std::array<QString, 6>, KARTENZEILEN> Zelle;
  std::array<std::array<QString, 6>, ERGEBNISKLASSEN> Histogramm;
  // Set when an entry could not be read: the description of the fault. The rows computed
  // before it are complete, the others keep their starting texts.
  QString Fehler;
};

// Evaluates the card. `mitPar3Fairway` / `mitPar3Abschlag`: par-3 holes count in the
// fairway hits / the driving distance.
Kartenauswertung WerteKarteAus(const KartenSchnappschuss& karte, bool mitPar3Fairway, bool mitPar3Abschlag);

// True when the histogram has a cell for that class and column.
bool HatHistogrammzelle(int klasse, int spalte);
