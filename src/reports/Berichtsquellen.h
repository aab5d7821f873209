// What the report windows print, as plain values, and the small adapters that gather
// those values from the windows on screen when a report loads.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>

// A course as the blank scorecards need it: name, par and stroke index per hole as typed
// (empty where the editor's box is empty).
struct KursKarte {
  QString golfplatzname;
  std::array<QString, 18> par;
  std::array<QString, 18> vorgabe;
};

// The tournament shown in the tournament editor.
struct TurnierBlatt {
  QString name;
  QString datum;
  QString golfplatz;  // the course box's text
  QString spielart;   // the game-type box's text
  QString handicap;
  std::array<Qt::CheckState, 5> loecher{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked, Qt::Unchecked, Qt::Unchecked};
  QString sonstige;   // the other number of holes
  QString bemerkung;
};

// The handicap history as its grid shows it: the column captions and widths (pixels) of
// the printed columns (the key column left out), the rows below the caption row (the
// empty entry row first), and the grid's current row and selection end (grid rows: 1 is
// the entry row).
struct HistorienQuelle {
  QStringList koepfe;
  QList<int> breiten;
  QList<QStringList> zeilen;
  int zeile = 1;
  int zeileSel = 1;
  QString golfername;
  QString heimatclub;
};

// From the course editor (loaded when it is not).
KursKarte LiesKursKarte();
// From the tournament editor (loaded when it is not).
TurnierBlatt LiesTurnierBlatt();
// From the golfer window's history grid and its name and home-club boxes.
HistorienQuelle LiesHistorienQuelle();
