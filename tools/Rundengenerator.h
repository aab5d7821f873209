// A database of realistic size for the benchmark programs: golfers, courses with their
// tees, tournaments, handicap history and hole-by-hole rounds, the same for the same seed.
#pragma once

#include <QSqlDatabase>
#include <QString>

struct Generatorauftrag {
  int Runden = 5000;
  int Golfer = 3;
  int Plaetze = 20;
  unsigned Startwert = 1;
};

// Fills `db` (a fresh database: no golfers, courses or rounds yet) in one transaction.
// Golfer 1 plays most rounds, a quarter of them on course 1 (his home club); the rounds end
// on 31.12.2025. False with `fehler` set when a statement fails (nothing is kept then).
bool ErzeugeRunden(QSqlDatabase& db, const Generatorauftrag& auftrag, QString* fehler = nullptr);
