// The scorecard sheet rptScorekarte: the card on screen hole by hole with its sums, then
// its evaluation by par group and the histogram of its hole results, on one portrait
// page. Card and evaluation are taken together when the sheet loads, so the sheet always
// shows one card; it is not refreshed while it is open.
#pragma once

#include <array>

#include "platform/widgets/Steuerfeld.h"
#include "reports/Berichtsquellen.h"
#include "reports/Druckbericht.h"

class QCheckBox;
class QLabel;

class rptScorekarte : public Druckbericht {
  Q_OBJECT
 public:
  rptScorekarte();

  // Header.
  QLabel *Datum = nullptr, *Golfername = nullptr, *Golfplatz = nullptr, *Spielart = nullptr, *Turnier = nullptr,
         *Slope = nullptr, *Course_rating = nullptr, *Spielvorgabe = nullptr;
  QCheckBox *Vorgabewirksam = nullptr;
  QLabel *Label36 = nullptr, *Label38 = nullptr;  // captions of the golfer and of the check box

  // Hole grid by row: labels 1-21 (check-box rows only 19-21), check boxes 1-18.
  std::array<Steuerfeld<QLabel>, BLATTZEILEN> Zelle;
  std::array<Steuerfeld<QCheckBox>, BLATTZEILEN> Kaestchen;
  // Evaluation by par group (columns 1-5) and histogram, indexed as the evaluation.
  std::array<Steuerfeld<QLabel>, KARTENZEILEN> Auswertung;
  std::array<Steuerfeld<QLabel>, ERGEBNISKLASSEN> Histogramm;

  // Prints the page.
  void Drucken();

  // Text and background colour of a hole's Stableford cell for its points (0x00BBGGRR).
  struct Punktfarben {
    long text, hinter;
  };
  static Punktfarben FarbenFuerPunkte(int punkte);

 protected:
  void Fuelle() override;
  QString Inhalt() const override;
  bool Form_Unload() override;

 private:
  void BaueKopf();
  void BaueLoecher();
  void BaueAuswertung();
  // Moves each value of the header right of its caption as translated.
  void RueckeKopfwerte();
  QList<std::pair<QLabel *, QWidget *>> m_kopf;  // caption and value of each header field
};
