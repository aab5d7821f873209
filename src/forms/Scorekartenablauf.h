// The scorecard of the golfer window between the window and the data layer: storing the
// card shown before every move away from it, loading a card, the moves between cards,
// the history row of a round and the recalculation of the card shown. The window
// gathers and shows the card (Golfer::LiesKarte, Golfer::ZeigeKarte); DBGKlasse stores
// and reads the values.
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "data/Aenderungen.h"
#include "data/Scorekarte.h"

struct KartenErgebnis;

// Recalculates the card shown and applies the result; an invalid entry is reported
// (message 44), gets back what its box held before the typing and is given the focus. `bereich` as the calculation over
// values.
void BerechneScorekarte(int bereich);

// Stores the card shown into the row of that key; a handicap-relevant round is offered
// once to the handicap history (message 33). False when the card is refused (the
// scorecard page comes to the front with the message, the box to correct gets back what it
// held before the typing, or keeps a refused date or number for correction, and nothing is
// written), when there is no such row, or after an error.
bool WriteScorekarte(const QString& Scorekartenidn);
// True when the last WriteScorekarte refused the card: the user must correct it first.
bool ScorekarteAbgelehnt();
// Stores the card on screen before a move away from it (scroll, new card, page change,
// search, close); an untouched new card is removed instead (LeereNeueKarteEntfernen).
// False when the card was refused or could not be stored: the move must stop so that the
// user keeps the card. Without a loaded golfer window or a card shown: true.
bool VerlasseScorekarte();
// A card laid out new by New (or for a golfer without cards) that is in front with nothing
// typed on it is removed, and the page shows no card. True when it was removed.
bool LeereNeueKarteEntfernen();
// Empties the scorecard page and shows the card of that key; false when there is none.
bool ReadScorekarte(const QString& Scorekartenidn);
// Shows the card of that key, or the active golfer's latest card for "LAST" (the key
// found is written back); with no such card a new one is created. Then the card's rows
// are laid out and the card is recalculated. False after an error.
bool GotoScorekarte(QString& Scorekartenidn);
// A record renamed: its key, its name before and after.
struct Umbenennung {
  Datensatzart Art;
  QString Idn, AlterName, NeuerName;
};
// The card shown as it was read follows a course, tee, game type or tournament of its keys
// renamed: the name it was read with is the new one, so that a box showing it (the window
// shows the new name) was not typed into.
void KarteFolgtUmbenennung(const Umbenennung& u);
// The same for one of its keys deleted (the row names it no more); the name the card had
// for it, empty when the card does not name it.
QString KarteFolgtLoeschung(Datensatzart art, const QString& idn);
// After the database file was taken over: the names the file gives the card's keys now,
// followed as renames; the renames, for the lists that show them.
QList<Umbenennung> KarteFolgtDerDatei();
// Stores the card shown (stops when it is refused), then creates a card for the golfer
// dated today with the active golfer's home club and exact handicap, and shows it.
bool NeuScorekarte(const QString& Golferidn);
// Stores the card shown, then shows the active golfer's previous (1) or next (any other
// value) card in date order. Messages 30, 31, 32 when there is no card, no previous or
// no next one. Stops when the card is refused.
void ScrollScorecard(int Richtung);
// Adds a history row for the card shown (its boxes as they are now) and stores the golfer's handicap adjusted by its
// net Stableford points, both or neither; the handicap boxes then show it. False when
// nothing was stored (the user was told why).
bool NeuHistorie();
// Its three steps, for a card store that asks first and then stores the card with the
// history row as one action.
struct NeueHistorie {
  Scorekarte Karte;
  QString Golferidn;
  std::optional<int> Punkte;  // net Stableford points; none when the card has none
  double Neu = 0;             // the exact handicap after the round
  double Gerundet = 0;
};
// The golfer's handicap from the window and the net points of the card's result; a
// handicap that is no number is told and gives nothing.
std::optional<NeueHistorie> BereiteHistorie(const Scorekarte& karte, const KartenErgebnis& ergebnis);
// Stores the row and the golfer's handicaps (inside an open action as part of it).
bool SpeichereHistorie(const NeueHistorie& h);
// The handicap boxes, the active golfer and the history grid show what was stored.
void ZeigeHistorie(const NeueHistorie& h);
