// The rows of the scorecard page and the routines of the golfer window that the data
// layer calls around a card: emptying every scorecard control, the course lookup (par,
// stroke index and SSS par), the display mask that shows, hides and packs the eight
// detail rows, and the arrow-key navigation across holes and shown rows.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "data/Lochfelder.h"

class QWidget;

// Par, stroke index and SSS par of one course; elements 1-18 hold the holes, 0 and 19
// stay 0, and so does every value the course does not hold.
struct PlatzDaten {
  std::array<int, 20> Par{};
  std::array<int, 20> Vorgabe{};
  int SSSPar = 0;
};

// The rows of the display mask: the entries of the hole table after the score.
inline constexpr int MASKENZEILEN = LOCHFELDER - 1;

// The shown rows of the card, top to bottom: Feldname[0] is "ScoreLoch", Feldname[1] to
// Feldname[Anzahl] the entry rows the mask shows. Elements above Anzahl are not read.
struct ZeilenLayout {
  int Anzahl = 0;
  std::array<QString, LOCHFELDER> Feldname;
};
extern ZeilenLayout ScorekartenZeilen;

// The family names of the card's entry rows: 0 the score, then in mask order (position 1
// to MASKENZEILEN).
QString ZeilennameVon(int k);
// The all-rows mask and the default when a setting or a card holds none.
inline const QString ALLE_ZEILEN = QStringLiteral("11111111");
// True for the texts that mean "no setting": empty, "EMPTY" and "NOT_FOUND".
bool IstFehlendeEinstellung(const QString& wert);

// Empties every scorecard control of the golfer window (header, holes, sums).
// Without AuchKartenwerte the boxes a shown card sets itself keep what they hold.
void LoescheScorekartenFelder(bool AuchKartenwerte = true);
// With a course id: the name is looked up and written back into `Golfplatzname`. Then
// par, stroke index and SSS par of the first course (in table order) of that name.
PlatzDaten GibGolfplatzDaten(QString& Golfplatzname, QString& Golfplatzidn);

// Shows, hides and packs the detail rows of the golfer window by its mask `ShowWhat`,
// rebuilds ScorekartenZeilen and hides the fairway and drive-length cells of par-3 holes
// when the settings leave those holes out. The name is that of the window ("Golfer").
void SetzeScorekartenZeilen(const QString& Formularname);
// The frames of entry row k (0 the score, then in mask order): the one of its cells and
// the one of its sums.
QStringList Zeilenrahmen(int k);
// Shows or hides detail row k (1 to MASKENZEILEN) with its caption; other k do nothing.
void ZeigeDetailFrame(int k, bool Sichtbar, int Versteckt);
// Sets character `Position` (1-based) of the mask to "1" or "0", padding with "1".
void SetzeFlagImString(QString& Maske, bool Flag, int Position);

// Moves the focus from cell Name(Index) for the arrow key KeyCode (37 Left, 38 Up,
// 39 Right, 40 Down) across the shown rows and the visible cells; returns the hole of
// the cell that has the focus afterwards (Index when nothing moved).
int NavigiereScorekarte(const QString& Name, int Index, int KeyCode);
// The cell of an entry row (text box or check box) by row name and hole.
QWidget* Scorekartenzelle(const QString& Name, int Index);
