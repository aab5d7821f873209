// The card on the scorecard page as the golfer window holds it: the card as loaded or last
// stored, its key and state, and one entry per box the user types into. The boxes show the
// entries (bound through the window's Eintragsbinder); the card's rules, the store, the
// printed card, the detail window and the snapshot take the card from here, never from a
// box.
#pragma once

#include <QString>
#include <array>

#include "data/Lochfelder.h"
#include "data/Scorekarte.h"
#include "platform/Eintrag.h"

struct Kartendatensatz {
  // The card as loaded or last stored.
  Scorekarte Geladen;

  // Key and state of the card shown; no key: the page shows no card.
  QString ScorekartenIdn;
  QString Golfernummer;
  QString Golfplatzidn;  // the card's course
  QString SlopeIdn;      // the card's tee
  QString ShowWhat;      // the display mask of the detail rows
  QString HdcpHistorieZustand;

  // The header. A date or a header number refused keeps what was typed, to be corrected.
  Eintrag Datum{Eintrag::BeiAblehnung::TextBleibt};
  Eintrag Golfplatz, Spielart, Abschlag, Turnier;
  Eintrag Vorgabewirksam;  // "1" ticked
  Eintrag Spielvorgabe{Eintrag::BeiAblehnung::TextBleibt};
  Eintrag AktHdcp{Eintrag::BeiAblehnung::TextBleibt};
  Eintrag Slope{Eintrag::BeiAblehnung::TextBleibt};
  Eintrag CourseRating{Eintrag::BeiAblehnung::TextBleibt};
  Eintrag AktSSSPar;  // from the course, never typed

  // The entries of holes 1-18 by the hole table; a refused one gets back what it held
  // before the typing. Element 0 is unused.
  std::array<std::array<Eintrag, LOCHFELDER>, 19> Loch;

  Eintrag& Locheintrag(Lochfeld f, int loch) { return Loch[size_t(loch)][size_t(f)]; }
  const Eintrag& Locheintrag(Lochfeld f, int loch) const { return Loch[size_t(loch)][size_t(f)]; }

  // The entry shows another text than as loaded or last stored (typed, or derived from what
  // was typed: a tee's slope, the playing handicap).
  static bool Geaendert(const Eintrag& e) { return e.Text() != e.TextWieGeladen(); }
  // The user typed something that is to be stored, or the card's course, tee or history
  // state changed through it: a card for which this is false is not written.
  bool Getippt() const;
};
