// One scorecard as a value: the header of the round and the entries of each of the 18
// holes (data/Lochfelder.h). This is what DBGKlasse stores into and reads from a row of
// Greenlogs; the golfer window shows it and gathers it back.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "data/Lochfelder.h"

struct Scorekarte {
  QString Scorekartenidn;
  QString Golfernummer;  // empty: the stored golfer stays

  // Course, game type, tee and tournament: the stored keys and the names the card shows.
  // Storing goes by the names (the user picks or types them); an empty course or game type
  // name keeps what is stored, an empty tournament name clears it.
  QString Golfplatzidn;  // the card's own course (of two courses with one name, this one)
  QString Golfplatzname;
  QString Spielartidn;
  QString Spielartname;
  QString Slopeidn;
  QString Abschlagbezeichnung;
  QString Turniernummer;
  QString Turniername;
  // The stored tournament stays as it is, whatever the name says (it was not typed).
  bool TurnierBleibt = false;

  // The date as the card shows it, in the date form of the interface language (the text
  // is judged when the card is stored: a date that is no date is refused). A stored date
  // the program cannot read (written by another program) is shown as it is stored.
  QString Datum;
  // The stored date stays as it is, whatever it holds, and Datum is not judged: the date
  // was not typed (or, as the program ends, what was typed cannot be taken).
  bool DatumBleibt = false;
  bool Vorgabewirksam = false;  // the round counts for the handicap

  // An empty number leaves the stored value as it is.
  std::optional<double> AktHdcp;  // the playing handicap of the round
  std::optional<double> AktSSSPar;
  std::optional<double> Slope;
  std::optional<double> CourseRating;
  QString ShowWhat;             // the display mask of the detail rows; empty: the stored one stays
  QString HdcpHistorieZustand;  // "1" once the round was offered to the handicap history

  // Totals as the recalculation of the card gives them.
  std::optional<double> GesamtScore;
  std::optional<int> ErgebnisUeberPar;
  std::optional<double> GesamtDrivingDistance;
  std::optional<double> GesamtFwt;
  std::optional<double> GesamtPutt;
  int WasGespielt = 0;  // 1 a whole round, 2 every hole entered with some struck, 0 otherwise

  std::array<ScorekartenLoch, 19> Loch;  // 1..18; element 0 unused

  bool operator==(const Scorekarte&) const = default;
};

// How complete the holes of a card are: 1 every hole has a real score, 2 every hole has
// a score and some were struck (or are out of range), 0 a hole is empty.
int Spielstand(const Scorekarte& karte);
// The round is offered to the handicap history: it counts for the handicap, was not
// offered before and every hole has a score that counts.
bool HistorieFaellig(const Scorekarte& karte);

// The outcome of storing a card.
struct KartenSpeicherung {
  enum class Status { Gespeichert, Abgelehnt, KeineKarte, Fehler };
  // The card field that made a card be refused: the user corrects it (it shows what it
  // held before the typing, or a refused date or number kept for correction).
  enum class Feld { Keines, Golfplatz, Spielart, Datum, AktSSSPar, Abschlag };
  Status Ergebnis = Status::Fehler;
  int Meldung = 0;  // the message of a refusal (0: the conversion error text)
  Feld Ablehnungsfeld = Feld::Keines;
  // The round is handicap relevant, complete and was not offered before: it is marked as
  // offered now, and the window asks whether it enters the handicap history.
  bool HistorieFragen = false;

  bool Gespeichert() const { return Ergebnis == Status::Gespeichert; }
  bool Abgelehnt() const { return Ergebnis == Status::Abgelehnt; }
};

// A neighbour of a card in the golfer's date order (cards of one date follow their keys).
struct KartenNachbar {
  enum class Status { Gefunden, KeineKarten, IstErste, IstLetzte, NichtDabei, Fehler };
  Status Ergebnis = Status::Fehler;
  QString Scorekartenidn;  // with Gefunden
};
