// The whole-card arithmetic, free of any window: the entries of the 18 holes go in as the
// card's boxes show them (KartenLoch: input as typed), the texts, check states, colours and
// the message to show come out (KartenErgebnis: the results). The golfer window gathers its scorecard into a
// KartenEingabe, calls BerechneScorekarte and applies the KartenErgebnis.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "data/Lochfelder.h"

inline constexpr long FARBE_EINTRAG = 0xC0C0C0;         // light grey: a hole in order
inline constexpr long FARBE_EINTRAG_FEHLER = 0xC0C0FF;  // light red: counts exceed the score
// The message shown for an entry that is no valid value; the entry gets back what it held
// before the typing and gets the focus.
inline constexpr int MELDUNG_UNGUELTIGER_EINTRAG = 44;
// The message shown for each hole whose counted strokes exceed its score.
inline constexpr int MELDUNG_UEBER_SCORE = 45;

// The card as it is shown: the holes as typed (data/Lochfelder.h) and the playing handicap.
struct KartenEingabe {
  std::array<KartenLoch, 19> Loch;  // 1..18; element 0 unused
  QString Spielvorgabe;
};

// Three sums or percentages: holes 1-9, holes 10-18, all holes.
using Drei = std::array<QString, 3>;
// A per-hole result row with its sums: 1..18 holes, 19 holes 1-9, 20 holes 10-18, 21 all.
using Zeile21 = std::array<QString, 22>;

struct KartenErgebnis {
  // Stage 1: the first invalid entry (within a hole in the order score, tee shots, putts,
  // bunker shots, drive length, penalty strokes); nothing else is set.
  struct Ungueltig {
    Lochfeld Art;
    int Loch;
  };
  std::optional<Ungueltig> UngueltigerEintrag;
  int Meldung = 0;  // the message to show for it (BerechneScorekarte)
  // A conversion error (a par or stroke index that is no number, no playing handicap)
  // ended the calculation; the blocks computed before it are set.
  QString Fehler;

  std::optional<Drei> ParSummen;  // ParLoch 19..21

  struct ScoreBlock {
    std::array<QString, 19> ScoreText;  // the score boxes' texts ("99" becomes "-")
    Zeile21 StblBrutto, StblNetto, GPBrutto, GPNetto;
    Drei GesamtScore;
  };
  std::optional<ScoreBlock> Score;
  std::optional<Drei> Abschlag;
  std::optional<Drei> Fairway;
  struct KurzspielBlock {
    std::array<int, 19> GIRBrutto{}, GIRNetto{};
    Drei GIRBruttoProzent, GIRNettoProzent, Putts, Chip, Pitch, Bunker;
  };
  std::optional<KurzspielBlock> Kurzspiel;
  std::optional<Drei> Strafschlag;
  std::optional<Drei> Distance;
  // The average drive of the round as computed (the label shows it to one decimal); none
  // where the label is empty.
  std::optional<double> DurchschnittDrive;
  struct SonstigeBlock {
    std::array<long, 19> Farbe{};  // background of the hole's entry boxes
    Zeile21 Sonstige;
    int UeberScore = 0;  // holes whose counted strokes exceed the score: MELDUNG_UEBER_SCORE once each
  };
  std::optional<SonstigeBlock> Sonstige;
};

// Which stages run for a section: validation of an entry kind, and the result stages.
bool PrueftEintrag(Lochfeld art, int bereich);
// The section that a change of an entry recalculates (`bereich` of BerechneScorekarte).
int Rechenbereich(Lochfeld art);
// `bereich` as BerechneScorekarte.
KartenErgebnis RechneScorekarte(const KartenEingabe& eingabe, int bereich);
// Recalculates a scorecard. `bereich`: 0 everything, 1 tee shots, 2 fairways, 3 drive
// distance, 4 putts/chip/pitch/bunker, 5 penalty strokes, 6 score. With an invalid entry
// only that entry and its message are set.
KartenErgebnis BerechneScorekarte(const KartenEingabe& eingabe, int bereich);

struct StablefordFarbe {
  long Hintergrund;
  long Text;
};
// The colours of a Stableford cell by its caption: 6 and more light blue, 5 blue,
// 4 yellow, 3 red, 2 light grey, 1 dark grey, below 1 black; an empty cell light grey.
StablefordFarbe GibStablefordFarbe(const QString& beschriftung);
