// Deletes of the record in view, each after a question in the current language; the
// window is brought up to date afterwards. Called by the Delete command by its routing word.
#pragma once

#include <QString>

// "Scorekarte": the scorecard (the Delete command has asked message 46); then the golfer
// window shows the active golfer's latest card, or a new one when none is left.
void LoescheScorekarte(const QString& Scorekartenidn);
// "Golfplatz": the course and all its tees, unless a golfer, a scorecard or a tournament
// uses it (messages 160, 158, 159). Then the editor shows the last course.
void LoescheGolfplatz(const QString& Golfplatzidn);
// "Slope": the tee of the tee grid's current row (message 130 on the caption or new-tee row).
void LoescheSlope();
// "Turnier": the tournament; the scorecards that name it keep their rounds without it.
// Then the editor shows the tournament with the latest date.
void LoescheTurnier(const QString& Turniernummer);
// "Historie": the handicap-history row of the grid's current row (message 130 on the
// caption or entry row); the grid is filled again.
void LoescheHdcpHistorie();
