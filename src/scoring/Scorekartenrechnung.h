// The whole-card arithmetic behind BerechneScorekarte, free of any window: the entries of
// the 18 holes go in as the card's controls show them, the texts and values to show come
// out. BerechneScorekarte reads the golfer window into a KartenEingabe, calls
// RechneScorekarte and writes the KartenErgebnis back.
#pragma once

#include <QString>
#include <array>
#include <optional>

inline constexpr long FARBE_EINTRAG = 0xC0C0C0;       // light grey: a hole in order
inline constexpr long FARBE_EINTRAG_FEHLER = 0xC0C0FF; // light red: counts exceed the score

struct KartenLoch {
  QString Score, Abschlag, Distance, Putts, Bunker, Strafschlag;
  int Fairway = 0, Chip = 0, Pitch = 0;  // check-box values
  bool FairwaySichtbar = true;            // the fairway box is hidden on par-3 holes when they do not count
  QString Par, Vorgabe;                   // captions from the course
  QString Sonstige;                       // the other-strokes caption shown now
};

struct KartenEingabe {
  std::array<KartenLoch, 19> Loch;  // 1..18; element 0 unused
  QString Spielvorgabe;
};

// The entries in the order the validation checks them within a hole.
enum class Eintrag { Score, Abschlag, Putts, Bunker, Distance, Strafschlag };

// Three sums or percentages: holes 1-9, holes 10-18, all holes.
using Drei = std::array<QString, 3>;
// A per-hole result row with its sums: 1..18 holes, 19 holes 1-9, 20 holes 10-18, 21 all.
using Zeile21 = std::array<QString, 22>;

struct KartenErgebnis {
  // Stage 1: the first invalid entry; nothing else is set.
  struct Ungueltig {
    Eintrag Art;
    int Loch;
  };
  std::optional<Ungueltig> UngueltigerEintrag;
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
  struct SonstigeBlock {
    std::array<long, 19> Farbe{};  // background of the hole's entry boxes
    Zeile21 Sonstige;
  };
  std::optional<SonstigeBlock> Sonstige;
};

// Which stages run for a section: validation of an entry kind, and the result stages.
bool PrueftEintrag(Eintrag art, int bereich);
// `bereich` as BerechneScorekarte. BerechneSonstige may show message 45 meanwhile.
KartenErgebnis RechneScorekarte(const KartenEingabe& eingabe, int bereich);

// The description of a conversion error ("Type mismatch") in the interface language.
QString TypfehlerText();
