// The entries of a hole, described once. Each entry is a family of 18 fields: the columns
// of Greenlogs named by the family and the two-digit hole number (ScoreLoch01 ..
// ScoreLoch18), and the control array of the golfer window of the same name (ScoreLoch_1
// .. ScoreLoch_18). Its kind says how it is typed, stored and read back. Storing and
// loading a card, the window's reader and writer and the readers of the rounds for the
// statistics and the charts go through LOCHTABELLE; its order is that of the card's rows,
// the score first and then the eight rows of the card's display mask.
//
// A hole lives in two values: ScorekartenLoch holds what is stored, KartenLoch what the
// card shows (texts as typed, which the card's rules judge before anything is stored).
#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <bitset>
#include <optional>

enum class Lochfeld { Score, Abschlag, Fairwaytreffer, Distance, Chip, Pitch, Putts, Bunker, Strafschlag };
inline constexpr int LOCHFELDER = 9;

enum class Lochart {
  Score,      // a whole number, typed "-" (stored 99) for a hole not played
  Ganzzahl,   // a whole number
  Dezimal,    // a decimal number, stored to one decimal
  Kaestchen,  // a check box, stored 1 when ticked and 0 when not
};

// The entries of one hole as stored: the holes of a card value (Scorekarte). An empty
// number is an entry not made.
struct ScorekartenLoch {
  std::optional<int> Score;  // 99: the hole was struck ("-")
  std::optional<int> Abschlag;
  bool Fairwaytreffer = false;
  std::optional<double> Distance;
  bool Chip = false;
  bool Pitch = false;
  std::optional<int> Putts;
  std::optional<int> Bunker;
  std::optional<int> Strafschlag;
  // The entries (one bit per Lochfeld) not typed since the card was loaded or stored:
  // storing leaves their columns as the row holds them.
  std::bitset<LOCHFELDER> Bleibt;

  bool operator==(const ScorekartenLoch&) const = default;
};

// The entries of one hole as the card shows them: the texts typed and the check boxes
// (1 ticked), with the course's par and stroke index and what the card shows besides.
// The card's rules judge these texts (an entry that is no valid number is named to the
// user, not dropped); what is stored of them is a ScorekartenLoch.
struct KartenLoch {
  QString Score, Abschlag;
  int Fairwaytreffer = 0;
  QString Distance;
  int Chip = 0, Pitch = 0;
  QString Putts, Bunker, Strafschlag;
  bool FairwaySichtbar = true;  // the fairway box is hidden on par-3 holes when they do not count
  QString Par, Vorgabe;         // captions from the course
  QString Sonstige;             // the other-strokes caption shown now
  // The entries (one bit per Lochfeld) that show the card's stored value, not typed since:
  // the card's rules do not judge them, and one they would refuse counts as no entry.
  std::bitset<LOCHFELDER> WieGespeichert;
};

struct Lochfeldbeschreibung {
  Lochfeld Feld;
  // The family: the prefix of the columns and the name of the window's control array.
  const char* Familie;
  Lochart Art;
  // The caption number of the entry's row on the card (the text of the language service).
  int Beschriftung = 0;
  // Where the entry is kept in the two values of a hole, by its kind.
  std::optional<int> ScorekartenLoch::*Zahl = nullptr;            // Score, Ganzzahl
  std::optional<double> ScorekartenLoch::*Dezimalwert = nullptr;  // Dezimal
  bool ScorekartenLoch::*Haken = nullptr;                         // Kaestchen
  QString KartenLoch::*Text = nullptr;                            // Score, Ganzzahl, Dezimal
  int KartenLoch::*Kaestchen = nullptr;                           // Kaestchen

  bool IstKaestchen() const { return Art == Lochart::Kaestchen; }
};

extern const std::array<Lochfeldbeschreibung, LOCHFELDER> LOCHTABELLE;

inline const Lochfeldbeschreibung& Beschreibung(Lochfeld f) { return LOCHTABELLE[size_t(f)]; }
// The family's name ("ScoreLoch").
QString Familienname(const Lochfeldbeschreibung& f);
// The column of a hole ("ScoreLoch07").
QString Spaltenname(const Lochfeldbeschreibung& f, int loch);
// The course's columns of a hole in Tab_Golfplatz (and the analysis views): its par
// ("Loch07Par") and its stroke index ("Loch07Vorgabe").
QString Parspalte(int loch);
QString Vorgabespalte(int loch);

// The value stored for the entry: a number, 0 or 1 for a check box, Null for an entry not
// made. A decimal number is stored to one decimal.
QVariant Speicherwert(const Lochfeldbeschreibung& f, const ScorekartenLoch& l);
// The entry from its stored value: a whole number rounded half to even as the entry boxes
// read it, a decimal number as it is, a check box ticked for any number but 0.
void SetzeAusSpeicher(const Lochfeldbeschreibung& f, ScorekartenLoch& l, const QVariant& wert);
// The entry from the text typed or the check box: empty when the text is no number. An
// entry that shows its stored value stays as the row holds it.
void SetzeAusEingabe(const Lochfeldbeschreibung& f, ScorekartenLoch& l, const KartenLoch& eingabe);
