// The box for an entry that is no number, in the interface language.
#pragma once

#include <QString>

// Names of the number fields the box names.
inline constexpr int FELD_STAMMVORGABE = 4752;
inline constexpr int FELD_HANDICAP = 4753;
inline constexpr int FELD_SLOPE = 4754;
inline constexpr int FELD_COURSE_RATING = 4755;
inline constexpr int FELD_NETTOPUNKTE = 4756;
inline constexpr int FELD_TURNIERHANDICAP = 4771;
inline constexpr int FELD_SPIELVORGABE = 4774;

// Tells the user that `text` in the field `feld` (one of the numbers above) is no number
// and was not stored; a comma or a point may mark the decimals.
void MeldeKeineZahl(int feld, const QString& text);
