// Per-hole statistics of one golfer on one course, and per-par statistics over the rounds
// of all courses: the selected rounds in, a table of cells out.
#pragma once

#include <QVector>
#include <array>

#include "statistics/Rundendaten.h"
#include "statistics/Statistiktabelle.h"

// The rounds of one course; `par` and `vorgabe` from the course row (par 0 and empty
// texts when the course has no row). Columns 1-18 the holes, 19 holes 1-9, 20 holes
// 10-18, 21 all holes.
Statistiktabelle BerechneLochstatistik(const QVector<Rundendaten>& runden, const std::optional<Platzdaten>& platz,
                                       const Statistikeinstellungen& e);

// The rounds of any courses, each hole with the par of its own course. Columns 1-4 the
// holes of par 3 to 6, 5 all holes, 6 per round of 18 holes. A hole whose par is not
// known (or not 3 to 6) counts in no par column.
Statistiktabelle BerechneParstatistik(const QVector<Rundendaten>& runden, const Statistikeinstellungen& e);

// The result class of a score code against a par, 0 hole in one ... 8 worse than triple
// bogey; -1 for none.
int Ergebnisklasse(int score, int par);
