// The golf arithmetic of one hole and of a round: Stableford points, strokes received,
// net par, par-competition results, greens in regulation, up-and-downs, sand saves,
// other strokes, and the handicap adjustment after a round. The functions read only
// their arguments.
// Truth values are the integers 1 and 0 so that callers can add them up as counts.
#pragma once

#include <QString>

#include "data/Lochfelder.h"

// Par plus the strokes received on a hole, and those strokes.
struct NettoParWerte {
  int NettoPar = 0;
  int Vorgabeschlaege = 0;
};

struct Lochwerte {
  int StablefordNetto = 0;
  int StablefordBrutto = 0;
  int ParNetto = 0;    // 1 hole won, 0 halved, -1 lost (against the net par)
  int ParBrutto = 0;   // the same against the par
  int NettoScore = 0;  // score minus strokes received
};

struct GIRWerte {
  int GIRBrutto = 0;
  int GIRNetto = 0;
};

struct UpAndDownWerte {
  int ChipUpAndDown = 0;
  int PitchUpAndDown = 0;
};

// Results of BerechneSonstige besides the count itself.
inline constexpr int SONSTIGE_FEHLT = -1;        // an entry is missing or invalid
inline constexpr int SONSTIGE_UEBER_SCORE = -2;  // counted strokes exceed the score

// Stableford points of `score` against `par`: par - score + 2, at least 0; a score code
// (100 and above) gives 0.
int StablefordPunkte(int score, int par);
// Strokes received from the playing handicap on a hole of the given stroke index.
NettoParWerte BerechneNettoPar(double spielvorgabe, int vorgabe, int par);
Lochwerte BerechneLochwerte(int score, int par, int vorgabe, double spielvorgabe);
// Greens in regulation from the score text; "-" and "99" (not played) give 0 and 0.
// A text that is no number is reported through the common error box and gives 0 and 0.
GIRWerte BerechneGIR(const QString& scoreText, int putts, double spielvorgabe, int vorgabe, int par);
// Green in regulation from a score value or score code; 102 (not played) gives 0.
int IstGIR(int score, int putts, int par);
UpAndDownWerte PruefeUpAndDown(int putts, int chip, int pitch);
int IstSandSave(int putts, int bunker);
// Strokes of the hole not counted as tee shots, chips, pitches, putts, bunker shots or
// penalties: 0 to 99, SONSTIGE_FEHLT, or SONSTIGE_UEBER_SCORE.
int BerechneSonstige(const KartenLoch& loch);
// The handicap after a round with `punkte` net Stableford points; the new value is also
// left in `handicap`.
double BerechneHandicap(double& handicap, int punkte);
// The class (1 to 6) of an exact handicap for the rule above, by the upper limits in the
// rule's table; a value on a limit belongs to the lower class. 0 for what is not a number.
int Handicapklasse(double handicap);
// The playing handicap of a round: handicap x slope / 113 + course rating - par, rounded
// half to even to whole strokes.
double BerechneSpielvorgabe(double handicap, double slope, double courseRating, double par);

// A number as the program's default conversion writes it: at most 15 significant
// digits, no trailing zeros, the user's decimal separator, no group separators.
QString ZahlStandardText(double wert);
// A handicap as typed and shown: a plus handicap ("+1,2", better than scratch) is a
// negative number in the arithmetic and is shown with its plus sign again.
bool HandicapZuZahl(const QString& text, double& wert);
QString HandicapAlsText(double wert);
// hits / base * 100, one decimal rounded half to even, as ZahlStandardText.
QString ProzentText(int treffer, int basis);
