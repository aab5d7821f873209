// The scorecard detail window: the card that the golfer window shows when the window
// opens, evaluated by par group (averages and percentages) with the histogram of its hole
// results. The figures are a snapshot; when another card comes on screen the window
// evaluates that card instead, so that it never shows figures of a card no longer shown.
#pragma once

#include <array>

#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"
#include "statistics/Kartenauswertung.h"

class QCheckBox;
class QGridLayout;
class QLabel;

class frmScorekarteDetails : public Formular {
  Q_OBJECT
 public:
  frmScorekarteDetails();

  // Par 3 cells count fairway hits / drive lengths (from the settings at load).
  bool MitPar3Fairway = true;
  bool MitPar3Abschlag = true;
  // The fault its evaluation last said (empty: none), and on which card.
  QString GemeldeterFehler, GemeldeteKarte;

  // Header: copies of the golfer window's fields.
  Steuerfeld<QLabel> Datum, Golfplatz, Spielart, AktHdcp;  // Datum(1), Golfplatz(1), Spielart(1), AktHdcp(0)
  QCheckBox* Vorgabewirksam = nullptr;
  QLabel* Label5 = nullptr;  // caption of Vorgabewirksam

  // Result cells, index = column (1 par 3, 2 par 4, 3 par 5, 4 par 6, 5 all holes).
  Steuerfeld<QLabel> ScoreNetto, ScoreBrutto, StblNetto, StblBrutto, GiRNetto, GiRBrutto, Fwtreffer, Absc, PpGir, PpCh,
      PpPi, PpSo, PGes, Bunker;
  Steuerfeld<QLabel> HiO, Alb, Eag, Bir, Par, Boo, Dou, Tri, GrT;
  QLabel* LFwt = nullptr;   // "%" of the par-3 fairway cell
  QLabel* LAbsc = nullptr;  // "m" of the par-3 drive cell

  // Takes a snapshot of the card on screen and fills every result cell.
  void BerechneScorekartenDetails();
  // Evaluates the card on screen again when it is another card than the one shown.
  void PruefeKarte();
  // The key of the card evaluated.
  QString Kartenschluessel() const { return m_schluessel; }
  Steuerfeld<QLabel>& Zeile(int kartenzeile);
  Steuerfeld<QLabel>& Klasse(int ergebnisklasse);
  // The control name of a row's cells ("ScoreNetto").
  static QString Zeilenname(int kartenzeile);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void Baue();
  QString m_schluessel;
  QGridLayout* m_links = nullptr;  // the block of averages and shares
  // The captions' column as wide as its widest translated caption and a gap.
  void RaumFuerBeschriftungen();
  std::array<Steuerfeld<QLabel>*, KARTENZEILEN> m_zeilen{};
  std::array<Steuerfeld<QLabel>*, ERGEBNISKLASSEN> m_klassen{};
};
