// What a statistics window shows in each cell, for the three views of the same table:
// the computed values, the counts in place of the result-class shares, and (built by the
// records) the stored personal records.
#pragma once

#include <QHash>
#include <QString>
#include <QVector>

#include "statistics/Statistiktabelle.h"

struct Anzeigezelle {
  QString Text;
  long Farbe = FARBE_ZELLE;
  bool Sichtbar = true;
};

struct Anzeige {
  // Per line name, index = column (0 unused).
  QHash<QString, QVector<Anzeigezelle>> Zeilen;
  bool EinheitenSichtbar = true;  // the "%" signs of the result-class lines
  bool RundeSichtbar = true;      // column 6 of the result-class lines (per-par window)
};

// The computed values: a new record on light green, every other cell grey.
Anzeige WerteAnzeige(const Statistiktabelle& t);

// The result-class lines as counts: in every column whose number of results n is above 0,
// each share p becomes p x n / 100 rounded half to even, on the count colour, and so does
// the base cell; columns without results stay as they are. The per-par window hides its
// column 6 of these lines; both windows hide the "%" signs.
Anzeige ZaehlAnzeige(const Statistiktabelle& t);

// The nine result-class lines of a window, in class order, and its base line.
QStringList Klassenzeilen(Statistikart art);
QString Basiszeile(Statistikart art);
