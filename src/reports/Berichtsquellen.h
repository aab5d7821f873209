// What the report windows print, as plain values, and the small adapters that gather
// those values from the windows on screen when a report loads.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>

#include "data/Stammdaten.h"
#include "forms/Kartenschnappschuss.h"
#include "statistics/Anzeige.h"
#include "statistics/Kartenauswertung.h"

class Auswertungsfenster;

// A course as the blank scorecards need it: name, par and stroke index per hole (empty
// where the course has none).
struct KursKarte {
  QString golfplatzname;
  std::array<QString, 18> par;
  std::array<QString, 18> vorgabe;
};

// A tournament as its sheet prints it.
struct TurnierBlatt {
  QString name;
  QString datum;      // in the interface language's form
  QString golfplatz;  // the course's name
  QString spielart;   // the game type's name
  QString handicap;
  std::array<Qt::CheckState, 5> loecher{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked, Qt::Unchecked, Qt::Unchecked};
  QString sonstige;  // the other number of holes
  QString bemerkung;
};

// The handicap history as its grid lays it out: the column captions and widths (pixels)
// of the printed columns (the key column left out), the rows below the caption row (the
// empty entry row first) as their values show them, and the grid's current row and
// selection end (grid rows: 1 is the entry row).
struct HistorienQuelle {
  QStringList koepfe;
  QList<int> breiten;
  QList<QStringList> zeilen;
  int zeile = 1;
  int zeileSel = 1;
  QString golfername;
  QString heimatclub;
};

KursKarte Kurskarte(const Golfplatzdaten& platz);
// The course the course editor holds after its rules (loaded when it is not): a par or
// stroke index typed that the editor refuses as what it held before the typing.
KursKarte LiesKursKarte();
TurnierBlatt Turnierblatt(const Turnierdaten& turnier);
// The tournament the tournament editor holds after its rules (loaded when it is not).
TurnierBlatt LiesTurnierBlatt();
// The rows of the golfer window's history, with the grid's captions, widths and
// selection; the active golfer's name and home club.
HistorienQuelle LiesHistorienQuelle();

// The scorecard on screen as its sheet prints it, all taken in one moment: the card's
// entries as typed, the results its rules give for them (as the golfer window shows
// them) and the detail evaluation of that same card.
enum Blattzeile {
  B_PAR,
  B_VORGABE,
  B_SCORE,
  B_ABSCHLAEGE,
  B_FAIRWAY,
  B_LAENGE,
  B_CHIP,
  B_PITCH,
  B_PUTT,
  B_SAND,
  B_STRAF,
  B_SONSTIGE,
  B_GIR_NETTO,
  B_GIR_BRUTTO,
  B_STBL_NETTO,
  B_STBL_BRUTTO,
  BLATTZEILEN
};
struct KartenblattQuelle {
  KartenSchnappschuss karte;  // header texts and the holes as the detail evaluation reads them
  QString turnier, slope, courseRating;
  // Per row, index 1-18 the holes and 19-21 the sums (1-9, 10-18, all); "" where empty.
  // The check-box rows (fairway, chip, pitch, greens) carry their sums only.
  std::array<std::array<QString, 22>, BLATTZEILEN> text;
  // Per check-box row, index 1-18: the box's value (1 ticked).
  std::array<std::array<int, 19>, BLATTZEILEN> haken{};
  // Par-3 holes count for fairway hits / driving distance (the statistics settings).
  bool mitPar3Fairway = true;
  bool mitPar3Abschlag = true;
  Kartenauswertung auswertung;
};
// The sheet's texts of a card: `mitPar3Fairway` / `mitPar3Abschlag` as the evaluation.
KartenblattQuelle Kartenblatt(const KarteAufDemBildschirm& karte, bool mitPar3Fairway, bool mitPar3Abschlag);
// The card of the golfer window (loaded when it is not), with the detail evaluation
// computed anew from the same card.
KartenblattQuelle LiesKartenblatt();

// A statistics window as its sheet prints it: the header, the lines and columns the window
// has, and every cell as its view shows it (caption, background colour, whether it shows),
// with the "%" signs of the result-class lines.
struct StatistikblattQuelle {
  QString golfername, platzname, runden;
  Qt::CheckState vorgabewirksam = Qt::Unchecked;
  Statistiktabelle tabelle;
  Anzeige anzeige;
};
StatistikblattQuelle LiesStatistikblatt(const Auswertungsfenster& f);
